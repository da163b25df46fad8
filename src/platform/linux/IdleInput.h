#pragma once

#include "platform/IInput.h"
#include "platform/linux/IdleSource.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

// Input of the whole desktop where only the desktop's idle account is offered (Wayland): no
// key or pointer event is visible, but "the user is there" is. While keys or the mouse are
// watched, the user's coming back is reported at once (a key press without a key, a move at
// Qt's last pointer position), and while the user stays busy once more whenever Kavo wakes
// for something else (its own timers) at least kReportMs after the last report: the same
// once-per-burst account the X11 desktop gives, without a wake-up of its own. Synthetic
// input, the zoom keys and a grab of the pointer are not offered.
class IdleInput : public QObject, public IInput
{
    Q_OBJECT

public:
    // A quiet second ends a burst of input.
    static constexpr int kQuietMs = 1000;
    static constexpr int kReportMs = 1000;

    // Without a source nothing can be watched.
    explicit IdleInput(std::unique_ptr<IdleSource> source);
    ~IdleInput() override;

    // The source's name; empty without one.
    QString sourceName() const;

    void setKeyListener(std::function<void(const InputEvent&)> listener) override;
    void setMouseListener(std::function<void(const InputEvent&)> listener) override;
    bool watchKeys(bool on) override;
    bool watchMouse(bool on) override;
    void setMotion(Motion) override {}
    bool blockZoomKeys(bool on) override { return !on; }
    Qt::KeyboardModifiers heldModifiers() override;
    bool leftClick() override { return false; }
    QPoint pointerPosition() override;
    bool grabPointer(bool on) override { return !on; }

private:
    // Starts or stops the source and the reports to match what is watched.
    bool refresh();
    void resumed();
    void idled();
    // Reports a busy user again if the last report is old enough.
    void reportIfBusy();
    void report();

    std::unique_ptr<IdleSource> m_source;
    std::function<void(const InputEvent&)> m_keyListener;
    std::function<void(const InputEvent&)> m_mouseListener;
    bool m_keys = false;
    bool m_mouse = false;
    bool m_watching = false;
    bool m_busy = false;
    QElapsedTimer m_lastReport;
    QMetaObject::Connection m_wakeHook;
};
