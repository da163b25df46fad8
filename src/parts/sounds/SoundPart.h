#pragma once

#include "parts/ISoundPart.h"

#include <QHash>
#include <QObject>

#include <memory>

class QSoundEffect;

// Sounds through Qt Multimedia's sound effects.
class SoundPart : public QObject, public ISoundPart
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISoundPart_iid)
    Q_INTERFACES(ISoundPart)

public:
    SoundPart();
    ~SoundPart() override;

    bool hasOutput() override;
    void play(const QString& name, const QUrl& url, bool loop) override;
    void stop(const QString& name) override;
    bool isPlaying(const QString& name) const override;

private:
    QSoundEffect& effect(const QString& name, const QUrl& url);

    QHash<QString, std::shared_ptr<QSoundEffect>> m_effects;
};
