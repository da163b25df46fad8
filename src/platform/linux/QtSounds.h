#pragma once

#include "platform/ISounds.h"

class ISoundPart;

// Sounds through Qt Multimedia, which the sound part brings in with the first sound played.
// Without an audio output device, or without the part, nothing is played, and that is logged
// once.
class QtSounds : public ISounds
{
public:
    void play(const QString& name, bool loop) override;
    void stop(const QString& name) override;
    bool isPlaying(const QString& name) const override;

    // The resource address of sound `name`.
    static QString resourceUrl(const QString& name);

private:
    // The part, loaded now unless it was; null when sounds cannot be played.
    ISoundPart* player();

    ISoundPart* m_part = nullptr;
    bool m_tried = false;
};
