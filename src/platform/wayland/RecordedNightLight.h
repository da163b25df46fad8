#pragma once

#include "platform/INightLight.h"
#include "platform/wayland/DBusBacklights.h"
#include "platform/wayland/NightLightRecord.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// A desktop night light (and backlight) that keeps the user's own settings safe: before Kavo
// first changes either, their values go into the record file, and restore() puts them back
// from it. A record left by a Kavo that did not end normally is kept, not taken again, since
// the desktop then shows Kavo's values, not the user's. Nothing is changed that could not be
// recorded. A glide's steps reach the desktop at most once per kWriteIntervalMs, the last one
// always (each is a file written and the desktop reading it again).
class RecordedNightLight : public INightLight
{
public:
    RecordedNightLight(const QString& recordPath, std::unique_ptr<IBacklight> backlight);
    ~RecordedNightLight() override;
    RecordedNightLight(const RecordedNightLight&) = delete;
    RecordedNightLight& operator=(const RecordedNightLight&) = delete;

    bool setTemperature(int kelvin) final;
    bool hasBrightness() const final { return m_backlight != nullptr; }
    bool setBrightness(int percent) final;
    void restore() final;

    // The lowest temperature the desktops take, and the one at which their night light is off.
    static constexpr int kLowestKelvin = 1000;
    static constexpr int kNeutralKelvin = 6500;
    // The shortest time between two temperatures written to the desktop.
    static constexpr qint64 kWriteIntervalMs = 200;

protected:
    // The desktop's own night light settings as they are now; nothing when unreadable.
    virtual std::optional<QJsonObject> readOwnSettings() = 0;
    // Puts back settings that readOwnSettings() gave.
    virtual bool writeOwnSettings(const QJsonObject& settings) = 0;
    // Shows `kelvin` (within kLowestKelvin..kNeutralKelvin; kNeutralKelvin: night light off).
    virtual bool showTemperature(int kelvin) = 0;

    // Logs `problem` unless it is the one logged last: a desktop that keeps refusing is not
    // reported on every update.
    void report(const QString& problem);

private:
    // Records `part` as `read` gives it unless the record holds it already; false when it is
    // not recorded (and so must not be changed).
    bool recordPart(const QString& part, const std::function<std::optional<QJsonObject>()>& read);

    bool writeTemperature(int kelvin);

    NightLightRecord m_record;
    std::unique_ptr<IBacklight> m_backlight;
    int m_shown_kelvin = -1;
    int m_shown_percent = -1;
    QString m_last_problem;
    QElapsedTimer m_lastWrite;
    QTimer m_pendingWrite;
    int m_pending_kelvin = -1; // written when m_pendingWrite fires
};
