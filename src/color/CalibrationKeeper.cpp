#include "color/CalibrationKeeper.h"

#include "KavoLog.h"
#include "color/GuardianProcess.h"
#include "platform/IDisplays.h"

#include <cstdlib>

namespace {
// Reading a ramp from a CRTC whose gamma size is not 256 and writing it back moves an entry by
// a unit or two; a calibration recorded before stays exact across crashes and restores.
constexpr int kResamplingTolerance = 2;
} // namespace

CalibrationKeeper::CalibrationKeeper(IDisplays& displays, const QString& record_path,
                                     const QString& marker_path)
    : m_displays(displays), m_record_path(record_path), m_marker(marker_path)
{
}

CalibrationKeeper::~CalibrationKeeper() = default;

CalibrationKeeper::Start CalibrationKeeper::begin(int wait_ms)
{
    m_start = take_marker(wait_ms);
    const bool had_record = m_record.load(m_record_path);
    switch (m_start) {
    case Start::Clean:
        record_monitors(true);
        save();
        break;
    case Start::AfterCrash:
        log_line(QStringLiteral("The monitors may still show colours Kavo left (after a crash, or "
                                "kavoctl apply): the recorded calibration is used instead of what "
                                "they show (%1)")
                     .arg(had_record ? m_record_path : QStringLiteral("no record found")));
        record_monitors(false);
        save();
        break;
    case Start::Shared:
        log_line(QStringLiteral("Another Kavo holds %1: its calibration record is used as it is")
                     .arg(m_marker.path()));
        break;
    case Start::Unavailable:
        log_line(QStringLiteral("No calibration record can be kept: %1 cannot be created")
                     .arg(m_marker.path()));
        break;
    }
    return m_start;
}

CalibrationKeeper::Start CalibrationKeeper::take_marker(int wait_ms)
{
    if (m_marker.tryLock(wait_ms))
        return m_marker.existedBefore() ? Start::AfterCrash : Start::Clean;
    return m_marker.heldElsewhere() ? Start::Shared : Start::Unavailable;
}

void CalibrationKeeper::record_monitors(bool afresh)
{
    const CalibrationRecord earlier = m_record;
    if (afresh)
        m_record = CalibrationRecord();
    const int count = m_displays.monitorCount();
    for (int i = 0; i < count; ++i) {
        const MonitorIdentity identity = m_displays.monitorIdentity(i);
        GammaRamp shown;
        if (identity.isEmpty() || m_record.find(identity) ||
            !read_calibration(m_displays, i, shown))
            continue;
        const GammaRamp* recorded = earlier.find(identity);
        m_record.insert(identity,
                        recorded && is_same_calibration(*recorded, shown) ? *recorded : shown);
    }
}

void CalibrationKeeper::save()
{
    if (!m_record.save(m_record_path))
        log_line(QStringLiteral("Unable to write the calibration record ") + m_record_path);
    else if (m_guardian)
        m_guardian->reload();
}

bool CalibrationKeeper::start_guardian(const QString& program)
{
    if (!owns_record())
        return false;
    m_guardian = std::make_unique<GuardianProcess>();
    // After a crash the monitors may show the old colours; the guardian puts the calibration
    // back before this process writes its first ramp, so that nothing here takes the old
    // colours for what to return to.
    return m_guardian->start(program, m_record_path, m_marker.path(), m_start == Start::AfterCrash);
}

bool CalibrationKeeper::calibration(int index, GammaRamp& ramp)
{
    const MonitorIdentity identity = m_displays.monitorIdentity(index);
    if (const GammaRamp* recorded = identity.isEmpty() ? nullptr : m_record.find(identity)) {
        ramp = *recorded;
        return true;
    }
    if (!read_calibration(m_displays, index, ramp))
        return false;
    if (!identity.isEmpty()) {
        m_record.insert(identity, ramp);
        if (owns_record())
            save();
    }
    return true;
}

QVector<CalibrationRecord::Restored> CalibrationKeeper::restore()
{
    return m_record.restore(m_displays);
}

void CalibrationKeeper::finish()
{
    if (m_marker.isLocked())
        m_marker.removeAndUnlock();
}

void CalibrationKeeper::leave_marker()
{
    m_marker.unlock();
}

bool CalibrationKeeper::read_calibration(IDisplays& displays, int index, GammaRamp& ramp)
{
    if (!displays.readRamp(index, ramp))
        return false;
    if (ramp.isAllZero())
        ramp = GammaRamp::identity();
    return true;
}

bool CalibrationKeeper::is_same_calibration(const GammaRamp& a, const GammaRamp& b)
{
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            if (std::abs(a.channel(c)[i] - b.channel(c)[i]) > kResamplingTolerance)
                return false;
        }
    }
    return true;
}
