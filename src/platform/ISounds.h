#pragma once

#include <QString>

// Kavo's own short sounds, by name: "bip" and "tick-tock" (resources/sounds/<name>.wav).
// Playing is best effort: a desktop without sound plays nothing.
class ISounds
{
public:
    virtual ~ISounds() = default;

    // Starts the sound from its beginning; with `loop` it repeats until stop().
    virtual void play(const QString& name, bool loop) = 0;

    // Stops the sound; nothing when it does not play.
    virtual void stop(const QString& name) = 0;

    // Whether the sound is playing now.
    virtual bool isPlaying(const QString& name) const = 0;
};
