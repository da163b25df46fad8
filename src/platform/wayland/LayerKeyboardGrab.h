#pragma once

#include "platform/IKeyboardGrab.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

class LayerShell;
class LayerSurface;
class WaylandKeyboard;
struct WaylandKey;

// The keyboard for one of Kavo's windows where the compositor has a layer shell: a one-pixel,
// transparent, click-through surface on the overlay layer that takes the keyboard exclusively,
// so that no other client gets a key. The keys come to Kavo's own connection and go on to the
// window as Qt key events. The surface is there while the window shows; the compositor drops
// it, and gives the keyboard back, when Kavo's connection ends, also when Kavo is killed.
class LayerKeyboardGrab : public QObject, public IKeyboardGrab
{
    Q_OBJECT

public:
    explicit LayerKeyboardGrab(LayerShell& shell);
    ~LayerKeyboardGrab() override;

    void grab(QWidget& window) override;
    void release() override;
    bool isGrabbed() const override { return !m_window.isNull(); }
    // Whether the compositor put the grab's surface in place: from then on keys reach no one
    // else.
    bool holdsKeyboard() const { return m_holds; }

signals:
    // The grab's surface came into place, or went.
    void keyboardHeld(bool held);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the keyboard while the window shows.
    void follow();
    void hold();
    void letGo();
    void deliver(const WaylandKey& key);
    void setHolds(bool holds);

    LayerShell& m_shell;
    QPointer<QWidget> m_window;
    std::unique_ptr<LayerSurface> m_surface;
    std::unique_ptr<WaylandKeyboard> m_keyboard;
    bool m_holds = false;
};
