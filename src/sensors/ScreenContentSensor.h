#pragma once

#include <QObject>
#include <QString>

class IScreenCapture;

// A sensor of what the screen shows: it measures the mean luminance of the first screen when
// asked to, or when the window in front changes, and keeps its measurement as a target that
// the value it reports follows gently.
class ScreenContentSensor : public QObject
{
    Q_OBJECT

public:
    explicit ScreenContentSensor(IScreenCapture& capture, QObject* parent = nullptr);

    // The title of the window in front now.
    void set_foreground_title(const QString& title) { m_foreground_title = title; }

    float target() const { return m_target; }
    float current() const { return m_current; }

public slots:
    // One step toward the target; then a measurement when `force`, or when the window in
    // front has changed (to a titled window that is not the system's window switcher).
    // True when forced or when the window in front has changed.
    bool update(bool force);
    bool update() { return update(false); }

protected:
    // A new measurement of the screen's mean luminance.
    virtual void measured(double mean_luminance) = 0;

    void set_target(float target) { m_target = target; }

private:
    bool measure_on_change(const QString& title) const;
    void measure();

    IScreenCapture& m_capture;
    QString m_last_title = QStringLiteral("none");
    QString m_foreground_title;
    float m_target = 0.0f;
    float m_current = 0.0f;
};
