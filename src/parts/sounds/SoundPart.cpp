#include "parts/sounds/SoundPart.h"

#include <QAudioDeviceInfo>
#include <QSoundEffect>
#include <QUrl>

SoundPart::SoundPart() = default;
SoundPart::~SoundPart() = default;

bool SoundPart::hasOutput()
{
    return !QAudioDeviceInfo::defaultOutputDevice().isNull();
}

QSoundEffect& SoundPart::effect(const QString& name, const QUrl& url)
{
    std::shared_ptr<QSoundEffect>& slot = m_effects[name];
    if (!slot) {
        slot = std::make_shared<QSoundEffect>();
        slot->setSource(url);
    }
    return *slot;
}

void SoundPart::play(const QString& name, const QUrl& url, bool loop)
{
    QSoundEffect& sound = effect(name, url);
    sound.setLoopCount(loop ? QSoundEffect::Infinite : 1);
    sound.play();
}

void SoundPart::stop(const QString& name)
{
    const auto found = m_effects.constFind(name);
    if (found != m_effects.constEnd())
        (*found)->stop();
}

bool SoundPart::isPlaying(const QString& name) const
{
    const auto found = m_effects.constFind(name);
    return found != m_effects.constEnd() && (*found)->isPlaying();
}
