#pragma once

#include "platform/IWindows.h"

#include <QHash>
#include <QString>
#include <QVector>

// The processes of a Linux system, from /proc (or a tree laid out like it).
class LinuxProcesses
{
public:
    explicit LinuxProcesses(QString root = QStringLiteral("/proc"));

    // How many snapshots at most pass before every process's name is read again.
    static constexpr int kFullReadEvery = 6;

    // Every process with its name and whether the current user owns it; false when the
    // folder cannot be read. The folder is listed only when its count of processes changed
    // since the last listing (a process started or ended), and at least once in
    // kFullReadEvery snapshots; otherwise the last list is the answer. A listing reads the
    // names of the processes it sees for the first time and of those it saw first the last
    // time (a launcher's child is often listed between its fork and its exec); the names of
    // all are read once in kFullReadEvery snapshots (a process that exec'd has another
    // name). Owner and executable are looked up again only when "comm" changed.
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
        bool young = true;  // first listed by the last listing: read again on this one
        quint32 seenIn = 0; // the listing that last saw it
    };

    bool list(bool readAll);
    bool learn(int folder, const char* file, qint64 pid, Known& known);
    void forgetEnded();

    QString m_root;
    QByteArray m_rootPath;
    QHash<qint64, Known> m_known;
    QVector<ProcessEntry> m_entries; // the last listing's answer
    quint32 m_listing = 0;
    qulonglong m_links = 0; // the folder's link count at the last listing: processes and more
    int m_sinceFullRead = 0;
};
