#include "platform/linux/QtSounds.h"

#include "KavoLog.h"
#include "KavoResources.h"
#include "parts/ISoundPart.h"
#include "parts/PartLoader.h"

#include <QUrl>

QString QtSounds::resourceUrl(const QString& name)
{
    return QStringLiteral("qrc:/sounds/") + name + QStringLiteral(".wav");
}

ISoundPart* QtSounds::player()
{
    // Asked once: without a sound server the question itself is slow.
    if (!m_tried) {
        m_tried = true;
        m_part = PartLoader::load<ISoundPart>(QStringLiteral("sounds"));
        if (m_part && !m_part->hasOutput()) {
            log_line(QStringLiteral("No audio output device: Kavo plays no sounds"));
            m_part = nullptr;
        }
    }
    return m_part;
}

void QtSounds::play(const QString& name, bool loop)
{
    if (ISoundPart* part = player()) {
        register_kavo_resources();
        part->play(name, QUrl(resourceUrl(name)), loop);
    }
}

void QtSounds::stop(const QString& name)
{
    if (m_part)
        m_part->stop(name);
}

bool QtSounds::isPlaying(const QString& name) const
{
    return m_part && m_part->isPlaying(name);
}
