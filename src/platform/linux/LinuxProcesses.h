#pragma once

#include "platform/IWindows.h"

#include <QHash>
#include <QString>

// The processes of a Linux system, from /proc (or a tree laid out like it).
class LinuxProcesses
{
public:
    explicit LinuxProcesses(QString root = QStringLiteral("/proc"));

    // How many snapshots at most pass before a process that exec'd shows its new name.
    static constexpr int kRereadRounds = 6;

    // Every process with its name and whether the current user owns it; false when the
    // folder cannot be read. A new process is read on its first two snapshots (a launcher's
    // child is often seen between its fork and its exec); after that its name is remembered
    // and read again once in kRereadRounds snapshots, by turns, so that one snapshot reads
    // few files. Owner and executable are looked up again only when "comm" changed.
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
        bool young = true;  // first seen on the last snapshot: read again on this one
        quint32 seenIn = 0; // the snapshot that last listed it
    };

    bool due(qint64 pid, const Known* known) const;
    bool learn(int folder, const char* file, qint64 pid, Known& known);
    void forgetEnded();

    QString m_root;
    QHash<qint64, Known> m_known;
    quint32 m_round = 0;
};
