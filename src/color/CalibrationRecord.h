#pragma once

#include "platform/GammaRamp.h"
#include "platform/IDisplays.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The calibration of each monitor as Kavo found it before changing any colour, kept in a file
// in the user's runtime folder so that it outlives Kavo: the guardian, the next start and
// "kavoctl reset" put it back from there. Monitors are known by their identity (connector and
// EDID), not by their number, which changes when monitors come and go.
class CalibrationRecord
{
public:
    struct Entry
    {
        MonitorIdentity identity;
        GammaRamp ramp;
    };

    // A monitor that was written back: with its recorded ramp, or else with the fallback.
    struct Restored
    {
        QString output;
        bool recorded;
    };

    // The record and the marker of the running Kavo, in the runtime folder, named from the
    // organisation and application names.
    static QString default_path();
    static QString default_marker_path();

    // Reads the file at `path`; false, leaving the record empty, when it is missing or is not a
    // record. Entries that are not whole are skipped.
    bool load(const QString& path);
    // Replaces the file at `path` in one step; false when it cannot be written.
    bool save(const QString& path) const;

    // The ramp recorded for `identity`; null when there is none.
    const GammaRamp* find(const MonitorIdentity& identity) const;
    // Records `ramp` for `identity`, replacing an earlier one.
    void insert(const MonitorIdentity& identity, const GammaRamp& ramp);
    const QVector<Entry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Loads the recorded ramp into every attached monitor the record knows; the others get
    // `fallback` when one is given and otherwise keep what they show. Returns the monitors
    // written, in monitor order.
    QVector<Restored> restore(IDisplays& displays, const GammaRamp* fallback = nullptr) const;

private:
    QVector<Entry> m_entries;
};
