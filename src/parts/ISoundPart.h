#pragma once

#include <QtPlugin>

class QString;
class QUrl;

// The sound part: Qt Multimedia (and the sound server's client), loaded with the first sound.
// Sounds are named; each plays from its address.
class ISoundPart
{
public:
    virtual ~ISoundPart() = default;

    // Whether there is an audio output device.
    virtual bool hasOutput() = 0;

    // Starts sound `name` (from `url`) at its beginning; with `loop` it repeats until stop().
    virtual void play(const QString& name, const QUrl& url, bool loop) = 0;

    // Stops the sound; nothing when it does not play.
    virtual void stop(const QString& name) = 0;

    // Whether the sound is playing now.
    virtual bool isPlaying(const QString& name) const = 0;
};

#define ISoundPart_iid "org.kavo.ISoundPart/1"
Q_DECLARE_INTERFACE(ISoundPart, ISoundPart_iid)
