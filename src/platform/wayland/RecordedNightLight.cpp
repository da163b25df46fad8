#include "platform/wayland/RecordedNightLight.h"

#include "KavoLog.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {
const QString kNightLightPart = QStringLiteral("night_light");
const QString kBacklightPart = QStringLiteral("backlight");
} // namespace

RecordedNightLight::RecordedNightLight(const QString& recordPath,
                                       std::unique_ptr<IBacklight> backlight)
    : m_record(recordPath), m_backlight(std::move(backlight))
{
    m_record.load();
    m_pendingWrite.setSingleShot(true);
    QObject::connect(&m_pendingWrite, &QTimer::timeout, [this] {
        if (m_pending_kelvin >= 0)
            writeTemperature(std::exchange(m_pending_kelvin, -1));
    });
}

RecordedNightLight::~RecordedNightLight() = default;

bool RecordedNightLight::recordPart(const QString& part,
                                    const std::function<std::optional<QJsonObject>()>& read)
{
    // A record whose file is gone was put back by someone else ("kavoctl reset", say): the
    // desktop shows the user's own settings again, so they are recorded afresh.
    if (!m_record.isEmpty() && !QFileInfo::exists(m_record.path()))
        m_record.load();
    if (m_record.has(part))
        return true;
    const std::optional<QJsonObject> values = read();
    if (!values) {
        report(QStringLiteral("The desktop's own %1 settings cannot be read: Kavo leaves them "
                              "as they are")
                   .arg(part == kBacklightPart ? QStringLiteral("backlight")
                                               : QStringLiteral("night light")));
        return false;
    }
    m_record.setPart(part, *values);
    QString problem;
    if (m_record.save(&problem))
        return true;
    report(QStringLiteral("The desktop's own settings cannot be recorded (%1): Kavo leaves "
                          "them as they are")
               .arg(problem));
    m_record.load();
    return false;
}

void RecordedNightLight::report(const QString& problem)
{
    if (problem == m_last_problem)
        return;
    m_last_problem = problem;
    log_line(problem);
}

bool RecordedNightLight::setTemperature(int kelvin)
{
    const int shown = std::clamp(kelvin, kLowestKelvin, kNeutralKelvin);
    if (shown == m_shown_kelvin) {
        m_pending_kelvin = -1;
        m_pendingWrite.stop();
        return true;
    }
    if (!recordPart(kNightLightPart, [this] { return readOwnSettings(); }))
        return false;
    // A glide moves many times a second; the desktop takes one change per interval (it glides
    // between them itself), and the last one always.
    const qint64 since = m_lastWrite.isValid() ? m_lastWrite.elapsed() : kWriteIntervalMs;
    if (since < kWriteIntervalMs) {
        m_pending_kelvin = shown;
        if (!m_pendingWrite.isActive())
            m_pendingWrite.start(static_cast<int>(kWriteIntervalMs - since));
        return true;
    }
    return writeTemperature(shown);
}

bool RecordedNightLight::writeTemperature(int kelvin)
{
    m_lastWrite.start();
    if (!showTemperature(kelvin))
        return false;
    m_shown_kelvin = kelvin;
    m_last_problem.clear();
    return true;
}

bool RecordedNightLight::setBrightness(int percent)
{
    if (!m_backlight)
        return false;
    const int shown = std::clamp(percent, 1, 100);
    if (shown == m_shown_percent)
        return true;
    const auto levels = [this]() -> std::optional<QJsonObject> {
        const QJsonObject levels = m_backlight->levels();
        return levels.isEmpty() ? std::nullopt : std::optional<QJsonObject>(levels);
    };
    if (!recordPart(kBacklightPart, levels))
        return false;
    if (!m_backlight->setPercent(shown))
        return false;
    m_shown_percent = shown;
    return true;
}

void RecordedNightLight::restore()
{
    m_shown_kelvin = m_shown_percent = m_pending_kelvin = -1;
    m_pendingWrite.stop();
    // From the file: the record may be one a Kavo left behind that ended without restoring.
    if (!m_record.load())
        return;
    bool restored = true;
    if (m_record.has(kNightLightPart))
        restored = writeOwnSettings(m_record.part(kNightLightPart));
    if (m_record.has(kBacklightPart) && m_backlight)
        restored = m_backlight->restoreLevels(m_record.part(kBacklightPart)) && restored;
    if (!restored) {
        report(QStringLiteral("The desktop's own night light settings could not all be put "
                              "back; Kavo tries again at its next start (") +
               m_record.path() + QLatin1Char(')'));
        return;
    }
    m_record.clear();
}
