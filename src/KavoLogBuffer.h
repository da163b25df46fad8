#pragma once

#include <QContiguousCache>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

// The last lines Kavo logged, for the debug console: a ring of the newest lines, fed by the
// log streams beside what they print. Lines may come from any thread; `line_logged` reaches
// listeners of other threads queued.
class KavoLogBuffer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCapacity = 500;

    static KavoLogBuffer& instance();

    // Adds `text` to the line being written; `ends_line` finishes that line. Text holding
    // line ends gives one line per part.
    void append(const QString& text, bool ends_line);

    // The finished lines, oldest first; at most kCapacity.
    QStringList lines() const;

signals:
    void line_logged(const QString& line);

private:
    KavoLogBuffer();

    mutable QMutex m_mutex;
    QContiguousCache<QString> m_lines;
    QString m_pending;
};
