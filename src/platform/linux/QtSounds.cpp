#include "platform/linux/QtSounds.h"

#include "KavoLog.h"
#include "KavoResources.h"

#include <QAudioDeviceInfo>
#include <QSoundEffect>
#include <QUrl>

QtSounds::QtSounds() = default;
QtSounds::~QtSounds() = default;

QString QtSounds::resourceUrl(const QString& name)
{
    return QStringLiteral("qrc:/sounds/") + name + QStringLiteral(".wav");
}

bool QtSounds::hasOutput()
{
    // Asked once: without a sound server the question itself is slow.
    if (m_output < 0) {
        m_output = QAudioDeviceInfo::defaultOutputDevice().isNull() ? 0 : 1;
        if (m_output == 0)
            log_line(QStringLiteral("No audio output device: Kavo plays no sounds"));
    }
    return m_output == 1;
}

QSoundEffect& QtSounds::effect(const QString& name)
{
    std::shared_ptr<QSoundEffect>& slot = m_effects[name];
    if (!slot) {
        register_kavo_resources();
        slot = std::make_shared<QSoundEffect>();
        slot->setSource(QUrl(resourceUrl(name)));
    }
    return *slot;
}

void QtSounds::play(const QString& name, bool loop)
{
    if (!hasOutput())
        return;
    QSoundEffect& sound = effect(name);
    sound.setLoopCount(loop ? QSoundEffect::Infinite : 1);
    sound.play();
}

void QtSounds::stop(const QString& name)
{
    const auto found = m_effects.constFind(name);
    if (found != m_effects.constEnd())
        (*found)->stop();
}

bool QtSounds::isPlaying(const QString& name) const
{
    const auto found = m_effects.constFind(name);
    return found != m_effects.constEnd() && (*found)->isPlaying();
}
