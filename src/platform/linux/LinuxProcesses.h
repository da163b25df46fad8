#pragma once

#include "platform/IWindows.h"

#include <QHash>
#include <QString>

// The processes of a Linux system, from /proc (or a tree laid out like it).
class LinuxProcesses
{
public:
    explicit LinuxProcesses(QString root = QStringLiteral("/proc"));

    // Every process with its name and whether the current user owns it; false when the
    // folder cannot be read. Each process's "comm" is read on every call (a process that
    // exec'd has another name); its owner and executable are looked up again only for a
    // process seen for the first time or with another "comm" since the last call.
    bool snapshot(QVector<ProcessEntry>& entries);

    // The name of process `pid`; empty when it cannot be read.
    QString name(qint64 pid) const;

    // Sends SIGTERM to `pid`: only to a process of the current user, never to Kavo itself.
    bool terminate(qint64 pid) const;

    // The name a user knows a program by, from its "comm" text (cut at 15 bytes by the
    // kernel) and the target of its "exe" link: the executable's file name when "comm" is
    // its beginning, else "comm" (scripts run by an interpreter keep their own name).
    static QString programName(const QByteArray& comm, const QByteArray& exeTarget);

private:
    // What the last snapshot learnt about a process.
    struct Known
    {
        QByteArray comm;
        QString name;
        bool own = false;
    };

    QString m_root;
    QHash<qint64, Known> m_known;
};
