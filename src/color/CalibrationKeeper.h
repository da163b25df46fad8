#pragma once

#include "color/CalibrationRecord.h"
#include "platform/FileLock.h"

#include <memory>

class GuardianProcess;
class IDisplays;

// Keeps every monitor's calibration safe while the monitors may show other colours. Before the
// first colour is written it takes the marker (a locked file in the runtime folder whose lock
// the system releases however its holder ends) and records each monitor's calibration beside
// it. A marker left behind by a holder that is gone means the monitors may still show its
// colours: the record, not what the monitors show, is then their calibration. A guardian
// process can watch over the record and write it back when this process ends.
class CalibrationKeeper
{
public:
    enum class Start
    {
        Clean,       // no marker: the monitors show their calibration
        AfterCrash,  // a marker whose holder is gone: the record holds the calibration
        Shared,      // another process holds the marker: its record is used, not changed
        Unavailable, // the marker cannot be made: nothing is recorded
    };

    CalibrationKeeper(IDisplays& displays, const QString& record_path, const QString& marker_path);
    ~CalibrationKeeper();

    // Takes the marker, waiting up to `wait_ms` for a holder that is letting go, and records
    // the calibration of every monitor attached now.
    Start begin(int wait_ms);
    Start start() const { return m_start; }
    // Whether this keeper holds the marker and writes the record.
    bool owns_record() const { return m_start == Start::Clean || m_start == Start::AfterCrash; }
    // Starts the guardian `program` over the record this keeper owns; false when it does not
    // own one or the guardian does not start.
    bool start_guardian(const QString& program);

    // The calibration of monitor `index`; a monitor the record lacks is read now (before
    // anything changed it) and recorded. False when the monitor cannot be read.
    bool calibration(int index, GammaRamp& ramp);

    // Writes each recorded calibration back; the monitors written.
    QVector<CalibrationRecord::Restored> restore();
    // The monitors show their calibration again: the marker goes.
    void finish();
    // The monitors keep colours that are not their calibration: the marker stays, without a
    // holder, for whoever changes colours next.
    void leave_marker();

    const CalibrationRecord& record() const { return m_record; }
    const QString& record_path() const { return m_record_path; }
    const QString& marker_path() const { return m_marker.path(); }

    // The ramp a monitor shows now, as a calibration: an all-zero ramp (which some drivers and
    // Xvfb report) is no calibration and would turn the screen black, so it counts as the
    // identity.
    static bool read_calibration(IDisplays& displays, int index, GammaRamp& ramp);
    // Whether two ramps differ by no more than resampling between gamma sizes does.
    static bool is_same_calibration(const GammaRamp& a, const GammaRamp& b);

private:
    Start take_marker(int wait_ms);
    // Records each attached monitor the record lacks, as it shows now; `afresh` starts from an
    // empty record, keeping only recorded ramps that are what the monitor shows (within
    // resampling).
    void record_monitors(bool afresh);
    void save();

    IDisplays& m_displays;
    QString m_record_path;
    FileLock m_marker;
    CalibrationRecord m_record;
    Start m_start = Start::Unavailable;
    std::unique_ptr<GuardianProcess> m_guardian;
};
