#pragma once

#include "platform/IInput.h"
#include "platform/sim/SimService.h"

#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QVector>

class SimHotkeys;

// Keyboard and mouse of the simulated desktop. The config's "input" array injects events,
// each entry run once, when it first appears (entries are told apart by position and
// content: append an entry again to repeat it):
//   {"key": "Ctrl+Alt+Up"}  a key pressed and released with its modifiers (and the global
//                           shortcut of that combination, when Kavo holds one);
//   {"move": [x, y]}        the pointer moves there;
//   {"click": [x, y]}       the pointer moves there and the left button clicks;
//   {"press": [x, y]}       the pointer moves there and the left button goes down;
//   {"release": [x, y]}     the pointer moves there and the left button comes up;
//   {"wheel": 120}          the wheel turns (positive away from the user).
// The state reports "hooks": {"keyboard", "mouse", "zoom_keys_blocked", "every_move",
// "pointer_grabbed"},
// "pointer": [x, y], and the auto-clicker's clicks as "synthetic_click_count" and
// "synthetic_clicks" (the positions of the last 100).
class SimInput : public QObject, public IInput, public SimService
{
    Q_OBJECT

public:
    explicit SimInput(SimHotkeys& hotkeys);

    void setKeyListener(std::function<void(const InputEvent&)> listener) override;
    void setMouseListener(std::function<void(const InputEvent&)> listener) override;
    bool watchKeys(bool on) override;
    bool watchMouse(bool on) override;
    void setMotion(Motion motion) override;
    bool blockZoomKeys(bool on) override;
    Qt::KeyboardModifiers heldModifiers() override { return m_held; }
    bool leftClick() override;
    QPoint pointerPosition() override { return m_pointer; }
    bool grabPointer(bool on) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    void runNewEntries(const QJsonArray& entries);
    void run(const QJsonObject& entry);
    void pressKey(const QString& sequence);
    void movePointer(const QPoint& position);
    void sendMouse(InputEvent::Type type, int wheelDelta = 0);
    void setHook(bool& hook, bool on);

    SimHotkeys& m_hotkeys;
    std::function<void(const InputEvent&)> m_keyListener;
    std::function<void(const InputEvent&)> m_mouseListener;
    bool m_keysWatched = false;
    bool m_mouseWatched = false;
    bool m_zoomKeysBlocked = false;
    bool m_everyMove = false;
    bool m_pointerGrabbed = false;
    Qt::KeyboardModifiers m_held;
    QPoint m_pointer;
    QSet<QString> m_entriesRun;
    QVector<QPoint> m_clicks;
    qint64 m_clickCount = 0;
};
