#pragma once

#include "platform/IKeyboardGrab.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

// XGrabKeyboard on Kavo's own X connection (Qt's), so the keys reach the grabbing window and
// no other client. A window that is not mapped yet cannot take the keyboard: the grab is tried
// again every 50 ms until it holds or is released. The X server ends the grab when the window
// goes or Kavo's connection closes, also when Kavo is killed.
class X11KeyboardGrab : public IKeyboardGrab
{
public:
    X11KeyboardGrab();
    ~X11KeyboardGrab() override;

    void grab(QWidget& window) override;
    void release() override;
    bool isGrabbed() const override { return !m_window.isNull(); }

private:
    void tryGrab();

    QPointer<QWidget> m_window;
    QTimer m_retry;
    bool m_held = false;
    bool m_reportedNoDisplay = false;
};
