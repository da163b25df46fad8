#include "platform/x11/X11Input.h"

#include "KavoLog.h"
#include "platform/VirtualKeys.h"
#include "platform/x11/X11EventSource.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11KeyMap.h"

#include <QAbstractEventDispatcher>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

namespace {
constexpr unsigned int kLeftButton = 1;
constexpr unsigned int kRightButton = 3;
constexpr unsigned int kWheelUp = 4;
constexpr unsigned int kWheelDown = 5;
constexpr int kWheelStep = 120;

HotkeyChord zoomChord(Qt::Key key)
{
    return HotkeyChord{key, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier};
}
} // namespace

X11Input::X11Input(Display* display, X11EventSource& events, X11Hotkeys& hotkeys)
    : m_display(display), m_events(events), m_hotkeys(hotkeys)
{
}

void X11Input::setKeyListener(std::function<void(const InputEvent&)> listener)
{
    m_keyListener = std::move(listener);
}

void X11Input::setMouseListener(std::function<void(const InputEvent&)> listener)
{
    m_mouseListener = std::move(listener);
}

bool X11Input::hasRawInput()
{
    if (m_opcode >= 0)
        return m_opcode > 0;
    int event = 0;
    int error = 0;
    // Announcing 2.2 (2.1 would do) has the raw events delivered while another client holds
    // the pointer (a drag, an open menu); a 2.0 client gets none then.
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(m_display, "XInputExtension", &m_opcode, &event, &error) ||
        XIQueryVersion(m_display, &major, &minor) != Success) {
        m_opcode = 0;
        log_line(QStringLiteral("The X server has no XInput2: Kavo cannot see keys and mouse"));
        return false;
    }
    m_events.addHandler([this](XEvent& xevent) { return handle(xevent); });
    // A timer of its own would wake Kavo once more per burst: the rested events are
    // selected again on a pass of the event loop that happens anyway.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &X11Input::selectRested);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &X11Input::selectRested);
    }
    return true;
}

void X11Input::rest(QElapsedTimer& rest)
{
    rest.start();
    select();
}

void X11Input::selectRested()
{
    bool changed = false;
    for (QElapsedTimer* rest : {&m_keyRest, &m_motionRest, &m_buttonRest}) {
        if (rest->isValid() && rest->elapsed() >= kRestMs) {
            rest->invalidate();
            changed = true;
        }
    }
    if (changed)
        select();
}

bool X11Input::watchKeys(bool on)
{
    if (on && !hasRawInput())
        return false;
    m_keys = on;
    select();
    return true;
}

bool X11Input::watchMouse(bool on)
{
    if (on && !hasRawInput())
        return false;
    m_mouse = on;
    select();
    return true;
}

void X11Input::setMotion(Motion motion)
{
    m_everyMove = motion == Motion::Every;
    m_motionRest.invalidate();
    m_buttonRest.invalidate();
    select();
}

// Selects the raw events wanted now: a kind that was just reported rests until its timer ends.
void X11Input::select()
{
    if (m_opcode <= 0)
        return;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (m_keys && !m_keyRest.isValid())
        XISetMask(bits, XI_RawKeyPress);
    if (m_mouse) {
        if (!m_buttonRest.isValid()) {
            XISetMask(bits, XI_RawButtonPress);
            XISetMask(bits, XI_RawButtonRelease);
        }
        if (!m_motionRest.isValid())
            XISetMask(bits, XI_RawMotion);
    }
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
    XFlush(m_display);
}

bool X11Input::handle(XEvent& event)
{
    if (m_pointerGrabbed && handleGrabbed(event))
        return true;
    if (event.type != GenericEvent || event.xcookie.extension != m_opcode)
        return false;
    if (!XGetEventData(m_display, &event.xcookie))
        return true;
    const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
    switch (event.xcookie.evtype) {
    case XI_RawKeyPress:
        reportKey(static_cast<unsigned int>(raw->detail));
        break;
    // Raw events carry no position: the pointer is asked where it is.
    case XI_RawButtonPress:
    case XI_RawButtonRelease:
        reportButton(event.xcookie.evtype == XI_RawButtonPress,
                     static_cast<unsigned int>(raw->detail), pointerPosition());
        break;
    case XI_RawMotion:
        reportMotion(pointerPosition());
        break;
    default:
        break;
    }
    XFreeEventData(m_display, &event.xcookie);
    return true;
}

// While Kavo holds the pointer on the root window the server sends it no raw mouse events
// (they count as delivered through the grab): the grab's own events report the mouse instead.
bool X11Input::handleGrabbed(const XEvent& event)
{
    switch (event.type) {
    case ButtonPress:
    case ButtonRelease:
        reportButton(event.type == ButtonPress, event.xbutton.button,
                     QPoint(event.xbutton.x_root, event.xbutton.y_root));
        return true;
    case MotionNotify:
        reportMotion(QPoint(event.xmotion.x_root, event.xmotion.y_root));
        return true;
    default:
        return false;
    }
}

void X11Input::reportKey(unsigned int keycode)
{
    if (!m_keys || m_keyRest.isValid())
        return;
    rest(m_keyRest);
    InputEvent key;
    key.type = InputEvent::KeyDown;
    Qt::Key qtKey = Qt::Key_unknown;
    bool keypad = false;
    if (X11KeyMap::toQtKey(XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(keycode), 0, 0),
                           qtKey, keypad))
        key.virtualKey = VirtualKeys::fromQtKey(qtKey, keypad);
    if (m_keyListener)
        m_keyListener(key);
}

void X11Input::reportButton(bool press, unsigned int button, const QPoint& position)
{
    // Clicks and the wheel say the user is there once per burst, like motion; a selection
    // that follows every move takes every button too.
    if (!m_mouse || (!m_everyMove && m_buttonRest.isValid()))
        return;
    if (!m_everyMove)
        rest(m_buttonRest);
    if (button == kLeftButton)
        sendMouse(press ? InputEvent::LeftButtonDown : InputEvent::LeftButtonUp, position);
    else if (button == kRightButton)
        sendMouse(press ? InputEvent::RightButtonDown : InputEvent::RightButtonUp, position);
    else if (press && (button == kWheelUp || button == kWheelDown))
        sendMouse(InputEvent::Wheel, position, button == kWheelUp ? kWheelStep : -kWheelStep);
}

void X11Input::reportMotion(const QPoint& position)
{
    if (!m_mouse || m_motionRest.isValid())
        return;
    if (!m_everyMove)
        rest(m_motionRest);
    sendMouse(InputEvent::MouseMove, position);
}

void X11Input::sendMouse(InputEvent::Type type, const QPoint& position, int wheelDelta)
{
    if (!m_mouseListener)
        return;
    InputEvent event;
    event.type = type;
    event.position = position;
    event.wheelDelta = wheelDelta;
    m_mouseListener(event);
}

bool X11Input::blockZoomKeys(bool on)
{
    if (on == m_zoomKeysBlocked)
        return true;
    if (!on) {
        m_hotkeys.release(zoomChord(Qt::Key_Plus));
        m_hotkeys.release(zoomChord(Qt::Key_Minus));
        m_zoomKeysBlocked = false;
        return true;
    }
    const bool plus = m_hotkeys.grab(zoomChord(Qt::Key_Plus), [this] {
        sendZoomKey(VirtualKeys::kAdd);
    }) == IHotkeys::Grab::Done;
    const bool minus = m_hotkeys.grab(zoomChord(Qt::Key_Minus), [this] {
        sendZoomKey(VirtualKeys::kSubtract);
    }) == IHotkeys::Grab::Done;
    m_zoomKeysBlocked = plus || minus;
    return plus && minus;
}

// A taken zoom key reaches Kavo as a key press, as the key events of a hook would.
void X11Input::sendZoomKey(DWORD virtualKey)
{
    InputEvent key;
    key.type = InputEvent::KeyDown;
    key.virtualKey = virtualKey;
    if (m_keyListener)
        m_keyListener(key);
}

Qt::KeyboardModifiers X11Input::heldModifiers()
{
    XkbStateRec state{};
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
        return {};
    Qt::KeyboardModifiers held;
    if (state.mods & ShiftMask)
        held |= Qt::ShiftModifier;
    if (state.mods & ControlMask)
        held |= Qt::ControlModifier;
    if (state.mods & Mod1Mask)
        held |= Qt::AltModifier;
    if (state.mods & Mod4Mask)
        held |= Qt::MetaModifier;
    return held;
}

bool X11Input::leftClick()
{
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        return false;
    XTestFakeButtonEvent(m_display, kLeftButton, True, CurrentTime);
    XTestFakeButtonEvent(m_display, kLeftButton, False, CurrentTime);
    XFlush(m_display);
    return true;
}

bool X11Input::grabPointer(bool on)
{
    if (on == m_pointerGrabbed)
        return true;
    if (!on) {
        XUngrabPointer(m_display, CurrentTime);
        XFlush(m_display);
        m_pointerGrabbed = false;
        return true;
    }
    // The mouse's buttons go to no other program; the grab's events report the mouse meanwhile.
    const int result = XGrabPointer(m_display, DefaultRootWindow(m_display), False,
                                    ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                    GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    m_pointerGrabbed = result == GrabSuccess;
    if (!m_pointerGrabbed)
        log_line(QStringLiteral("Another program holds the mouse: its clicks are not taken"));
    return m_pointerGrabbed;
}

QPoint X11Input::pointerPosition()
{
    Window root = None;
    Window child = None;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int mask = 0;
    XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &x, &y, &windowX,
                  &windowY, &mask);
    return QPoint(x, y);
}
