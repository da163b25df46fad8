#include "platform/x11/X11Windows.h"

#include "platform/x11/X11EventSource.h"
#include <QGuiApplication>
#include <QScreen>

#include <QTimer>
#include <QWidget>
#include <QWindow>

// Xlib defines Bool and Status, which Qt's headers must not see: after them.
#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>

#include <vector>

namespace {
// _NET_ACTIVE_WINDOW source indication of a pager, which window managers always honour.
constexpr long kSourcePager = 2;
// How long after a change of the window in front its state is read once more.
constexpr int kStateSettleMs = 300;

const char* const kAtomNames[] = {
    "_NET_ACTIVE_WINDOW",
    "_NET_CLIENT_LIST",
    "_NET_WM_PID",
    "_NET_WM_STATE",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_DESKTOP",
    "WM_STATE",
    "_NET_SUPPORTED",
};
} // namespace

struct X11Windows::Atoms
{
    Atom activeWindow, clientList, pid, state, fullScreen, hidden, type, typeDesktop, wmState,
        supported;
};

X11Windows::X11Windows(Display* display, X11EventSource& events)
    : m_display(display), m_events(events)
{
    // A window manager may resize the window before it updates _NET_WM_STATE (leaving full
    // screen, say): the window in front is looked at once more when a burst of changes has
    // settled.
    m_settle.setSingleShot(true);
    m_settle.setInterval(kStateSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &X11Windows::reportSoon);
}

X11Windows::~X11Windows() = default;

const X11Windows::Atoms& X11Windows::atoms()
{
    if (!m_atoms) {
        constexpr int count = sizeof(kAtomNames) / sizeof(kAtomNames[0]);
        Atom found[count] = {};
        XInternAtoms(m_display, const_cast<char**>(kAtomNames), count, False, found);
        m_atoms.reset(new Atoms{found[0], found[1], found[2], found[3], found[4], found[5],
                                found[6], found[7], found[8], found[9]});
    }
    return *m_atoms;
}

namespace {
// The 32-bit items of `property` on `window`; empty when it has none (or has gone).
std::vector<unsigned long> readProperty(Display* display, Window window, Atom property, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    X11ErrorTrap trap(display);
    if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

bool contains(const std::vector<unsigned long>& items, unsigned long wanted)
{
    for (unsigned long item : items) {
        if (item == wanted)
            return true;
    }
    return false;
}
} // namespace

void X11Windows::bringToFront(QWidget& window)
{
    const Window id = static_cast<Window>(window.winId());
    const Window root = DefaultRootWindow(m_display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = kSourcePager;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(m_display, id);
    XFlush(m_display);
}

void X11Windows::coverMonitor(QWidget& window, const QRect& monitor)
{
    // The window manager sizes a full-screen window itself; a fixed size would stop it.
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.createWinId();
    if (QScreen* screen = QGuiApplication::screenAt(monitor.center()))
        window.windowHandle()->setScreen(screen);
    window.setGeometry(monitor);
    window.showFullScreen();
    window.raise();
}

bool X11Windows::processes(QVector<ProcessEntry>& entries)
{
    return m_processes.snapshot(entries);
}

// Xt programs, some games and some Wine windows set no _NET_WM_PID: the X server tells which
// process holds their connection.
qint64 X11Windows::windowPid(Window window)
{
    const std::vector<unsigned long> pid =
        readProperty(m_display, window, atoms().pid, XA_CARDINAL);
    return pid.empty() ? clientPid(window) : static_cast<qint64>(pid.front());
}

// The pid of the local client that created `window`, from the X Resource extension (1.2 or
// later); 0 where the server cannot tell (no such extension, a client over the network).
qint64 X11Windows::clientPid(Window window)
{
    if (!hasClientIds())
        return 0;
    XResClientIdSpec spec{window, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue* ids = nullptr;
    pid_t pid = -1;
    X11ErrorTrap trap(m_display);
    if (XResQueryClientIds(m_display, 1, &spec, &count, &ids) == Success) {
        for (long i = 0; i < count && pid <= 0; ++i)
            pid = XResGetClientPid(&ids[i]);
    }
    if (ids)
        XResClientIdsDestroy(count, ids);
    return pid > 0 ? static_cast<qint64>(pid) : 0;
}

bool X11Windows::hasClientIds()
{
    if (!m_clientIds) {
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        X11ErrorTrap trap(m_display);
        m_clientIds = XResQueryExtension(m_display, &eventBase, &errorBase) &&
                      XResQueryVersion(m_display, &major, &minor) &&
                      (major > 1 || (major == 1 && minor >= 2));
    }
    return *m_clientIds;
}

QVector<WindowRef> X11Windows::topLevelWindows()
{
    const Window root = DefaultRootWindow(m_display);
    std::vector<unsigned long> windows =
        readProperty(m_display, root, atoms().clientList, XA_WINDOW);
    if (windows.empty()) {
        // No EWMH window manager: the root window's children are the top-level windows.
        Window rootReturn = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        X11ErrorTrap trap(m_display);
        if (XQueryTree(m_display, root, &rootReturn, &parent, &children, &count) && children)
            windows.assign(children, children + count);
        if (children)
            XFree(children);
    }
    QVector<WindowRef> refs;
    refs.reserve(static_cast<int>(windows.size()));
    for (unsigned long window : windows)
        refs.append(WindowRef{window, windowPid(window)});
    return refs;
}

quint64 X11Windows::foregroundWindow()
{
    if (m_watching && m_frontAnnounced)
        return m_watchedWindow;
    bool fromProperty = false;
    return queryForegroundWindow(fromProperty);
}

unsigned long X11Windows::queryForegroundWindow(bool& fromProperty)
{
    const Window root = DefaultRootWindow(m_display);
    const std::vector<unsigned long> active =
        readProperty(m_display, root, atoms().activeWindow, XA_WINDOW);
    if (!active.empty()) {
        fromProperty = true;
        return active.front();
    }
    // A window manager that keeps _NET_ACTIVE_WINDOW removes it while no window is active.
    if (m_activeSupported < 0)
        m_activeSupported = contains(readProperty(m_display, root, atoms().supported, XA_ATOM),
                                     atoms().activeWindow)
                                ? 1
                                : 0;
    fromProperty = m_activeSupported == 1;
    if (fromProperty)
        return 0;
    // No EWMH window manager: the window with the keyboard focus, which sends no event when
    // it changes.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

WindowInfo X11Windows::describe(quint64 id)
{
    const bool watchedFront = m_watching && m_frontAnnounced && id == m_watchedWindow;
    if (watchedFront && m_frontDescription)
        return *m_frontDescription;
    const WindowInfo info = readDescription(static_cast<unsigned long>(id));
    if (watchedFront)
        m_frontDescription.reset(new WindowInfo(info));
    return info;
}

WindowInfo X11Windows::readDescription(unsigned long id)
{
    WindowInfo info;
    const Window window = static_cast<Window>(id);
    if (window == None)
        return info;
    XWindowAttributes attributes{};
    {
        X11ErrorTrap trap(m_display);
        if (!XGetWindowAttributes(m_display, window, &attributes) || trap.failed())
            return info;
    }
    const Atoms& names = atoms();
    const std::vector<unsigned long> state = readProperty(m_display, window, names.state, XA_ATOM);
    const std::vector<unsigned long> types = readProperty(m_display, window, names.type, XA_ATOM);
    const std::vector<unsigned long> wmState =
        readProperty(m_display, window, names.wmState, names.wmState);
    Window owner = None;
    Window child = None;
    int x = 0;
    int y = 0;
    {
        X11ErrorTrap trap(m_display);
        XGetTransientForHint(m_display, window, &owner);
        XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y,
                              &child);
        if (trap.failed())
            return info;
    }
    info.exists = true;
    info.pid = windowPid(window);
    info.ownerless = owner == None;
    info.minimized =
        contains(state, names.hidden) || (!wmState.empty() && wmState.front() == IconicState);
    // A managed window keeps its WM_STATE while it is minimised or on another desktop.
    info.shown = attributes.map_state == IsViewable ||
                 (!wmState.empty() && wmState.front() != WithdrawnState);
    info.fullScreenState = contains(state, names.fullScreen);
    info.desktop = contains(types, names.typeDesktop);
    info.geometry = QRect(x, y, attributes.width, attributes.height);
    return info;
}

QString X11Windows::processName(qint64 pid)
{
    return m_processes.name(pid);
}

bool X11Windows::terminateProcess(qint64 pid)
{
    return m_processes.terminate(pid);
}

void X11Windows::watchForeground(std::function<void()> changed)
{
    m_foregroundChanged = std::move(changed);
    if (m_watching || !m_foregroundChanged)
        return;
    m_watching = true;
    m_events.addHandler([this](XEvent& event) { return handle(event); });
    m_events.selectRootEvents(PropertyChangeMask);
    followActiveWindow();
}

bool X11Windows::handle(XEvent& event)
{
    if (event.type == PropertyNotify) {
        const XPropertyEvent& property = event.xproperty;
        if (property.window != DefaultRootWindow(m_display))
            return false;
        if (property.atom == atoms().supported)
            m_activeSupported = -1; // another window manager, perhaps
        if (property.atom == atoms().activeWindow || property.atom == atoms().supported) {
            followActiveWindow();
            reportSoon();
        }
        return true;
    }
    if (event.xany.window != m_watchedWindow || m_watchedWindow == None)
        return false;
    if (event.type == ConfigureNotify || event.type == MapNotify || event.type == UnmapNotify ||
        event.type == DestroyNotify) {
        m_frontDescription.reset();
        reportSoon();
        m_settle.start();
    }
    return true;
}

// The window in front going full screen (or minimised) counts as a foreground change. Its
// structure is watched, not its properties: programs change properties on every key press
// (_NET_WM_USER_TIME), and Kavo would wake with each.
void X11Windows::followActiveWindow()
{
    const Window active = static_cast<Window>(queryForegroundWindow(m_frontAnnounced));
    if (active == m_watchedWindow)
        return;
    m_frontDescription.reset();
    X11ErrorTrap trap(m_display);
    if (m_watchedWindow != None)
        XSelectInput(m_display, m_watchedWindow, NoEventMask);
    m_watchedWindow = active;
    if (active != None)
        XSelectInput(m_display, active, StructureNotifyMask);
    XFlush(m_display);
}

void X11Windows::reportSoon()
{
    // One activation changes several properties at once: one report for all of them.
    if (m_reportPending)
        return;
    m_reportPending = true;
    // The settle timer's second look reads the window afresh.
    m_frontDescription.reset();
    QTimer::singleShot(0, this, [this] {
        m_reportPending = false;
        if (m_foregroundChanged)
            m_foregroundChanged();
    });
}
