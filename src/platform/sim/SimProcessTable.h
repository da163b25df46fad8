#pragma once

#include "platform/IWindows.h"

#include <QJsonObject>
#include <QMap>
#include <QSet>

// The programs of the simulated desktop, from the config:
//   "processes": [{"pid": 100, "name": "vlc", "x": 0, "y": 0, "width": 1920, "height": 1080,
//                  "visible": true, "minimized": false, "fullscreen": false,
//                  "window": true, "user": "me"}],
//   "foreground": 100,
//   "process_snapshot_fails": false
// Each process with "window" true (the default) has one top-level window whose id is its pid;
// "user" other than "me" (the default) marks another user's process. Processes Kavo ended
// stay gone when the config is read again; the state lists them as
// "ended_processes": [{"pid": 100, "name": "vlc"}].
class SimProcessTable
{
public:
    // Reads the config; true when the window in front or its full-screen state changed.
    bool configure(const QJsonObject& config);
    void addState(QJsonObject& state) const;

    bool processes(QVector<ProcessEntry>& entries) const;
    QVector<WindowRef> topLevelWindows() const;
    quint64 foregroundWindow() const;
    WindowInfo describe(quint64 window) const;
    QString processName(qint64 pid) const;
    // Ends `pid` unless it is another user's or Kavo's own; false when refused or unknown.
    bool terminate(qint64 pid);

private:
    struct Process
    {
        ProcessEntry entry;
        bool hasWindow = true;
        WindowInfo window;
    };

    // What a foreground listener watches: the window in front and its full-screen state.
    QPair<quint64, bool> front() const;

    QMap<qint64, Process> m_processes; // by pid, in pid order
    QList<qint64> m_order;             // config order: the enumeration order of windows
    QVector<ProcessEntry> m_ended;
    QSet<qint64> m_endedPids;
    qint64 m_foreground = 0;
    bool m_snapshotFails = false;
};
