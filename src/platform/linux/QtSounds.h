#pragma once

#include "platform/ISounds.h"

#include <QHash>

#include <memory>

class QSoundEffect;

// Sounds through Qt Multimedia. Without an audio output device nothing is played, and that is
// logged once.
class QtSounds : public ISounds
{
public:
    QtSounds();
    ~QtSounds() override;

    void play(const QString& name, bool loop) override;
    void stop(const QString& name) override;
    bool isPlaying(const QString& name) const override;

    // The resource address of sound `name`.
    static QString resourceUrl(const QString& name);

private:
    bool hasOutput();
    QSoundEffect& effect(const QString& name);

    QHash<QString, std::shared_ptr<QSoundEffect>> m_effects;
    int m_output = -1; // -1 unknown, 0 none, 1 present
};
