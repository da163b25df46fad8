#include "KavoLogBuffer.h"

#include <QMutexLocker>

KavoLogBuffer::KavoLogBuffer() : m_lines(kCapacity)
{
}

KavoLogBuffer& KavoLogBuffer::instance()
{
    static KavoLogBuffer buffer;
    return buffer;
}

void KavoLogBuffer::append(const QString& text, bool ends_line)
{
    QStringList finished;
    {
        QMutexLocker lock(&m_mutex);
        const QStringList parts = text.split(QLatin1Char('\n'));
        for (int i = 0; i < parts.size(); ++i) {
            m_pending += parts.at(i);
            const bool last = i == parts.size() - 1;
            if (last && !ends_line)
                break;
            // A piece that ends with a line end leaves no empty line behind it.
            if (last && parts.size() > 1 && parts.at(i).isEmpty() && m_pending.isEmpty())
                break;
            if (!m_lines.areIndexesValid())
                m_lines.normalizeIndexes();
            m_lines.append(m_pending);
            finished.append(m_pending);
            m_pending.clear();
        }
    }
    // Outside the lock: a listener may log itself.
    for (const QString& line : finished)
        emit line_logged(line);
}

QStringList KavoLogBuffer::lines() const
{
    QMutexLocker lock(&m_mutex);
    QStringList result;
    result.reserve(m_lines.count());
    for (int i = m_lines.firstIndex(); i <= m_lines.lastIndex(); ++i)
        result.append(m_lines.at(i));
    return result;
}
