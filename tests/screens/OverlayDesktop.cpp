#include "OverlayDesktop.h"

#include "platform/x11/X11Connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {
template <typename Condition> bool waitFor(Condition condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > OverlayDesktop::kWait)
            return false;
        QTest::qWait(50);
    }
    return true;
}
} // namespace

OverlayDesktop::OverlayDesktop() = default;

OverlayDesktop::~OverlayDesktop()
{
    for (QProcess* process : {m_kavo.get(), &m_window, &m_compositor, &m_openbox}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(10000)) {
                process->kill();
                process->waitForFinished(10000);
            }
        }
    }
    m_ramps.reset();
    if (m_display)
        XCloseDisplay(m_display);
}

bool OverlayDesktop::start(bool compositing, const QString& colour)
{
    if (!m_xvfb.start(QStringLiteral("1024x768x24")))
        return fail("Xvfb does not start");
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("DISPLAY", m_xvfb.display());
    m_environment.insert("QT_QPA_PLATFORM", "xcb");
    m_environment.remove("KAVO_PLATFORM");
    m_environment.remove("DBUS_SESSION_BUS_ADDRESS");
    m_display = XOpenDisplay(qPrintable(m_xvfb.display()));
    qputenv("DISPLAY", m_xvfb.display().toLatin1());
    m_ramps = X11Connection::open();
    if (!m_display || !m_ramps)
        return fail("no connection to Xvfb");
    m_openbox.setProcessEnvironment(m_environment);
    m_openbox.start("openbox", {"--sm-disable"});
    if (!m_openbox.waitForStarted(kWait) || !waitFor([this] { return selectionOwned("WM_S0"); }))
        return fail("openbox does not run the desktop");
    if (compositing) {
        m_compositor.setProcessEnvironment(m_environment);
        m_compositor.start("xcompmgr", QStringList());
        if (!m_compositor.waitForStarted(kWait) ||
            !waitFor([this] { return selectionOwned("_NET_WM_CM_S0"); }))
            return fail("xcompmgr does not start");
    }
    // Once openbox runs the desktop, so that the window is managed.
    m_window.setProcessEnvironment(m_environment);
    m_window.start(TEST_WINDOW_BINARY, {"Witness", colour});
    if (!m_window.waitForStarted(kWait) ||
        !waitFor([this] { return m_window.canReadLine() || m_window.waitForReadyRead(500); }))
        return fail("the test window does not show");
    m_windowId = QString::fromLatin1(m_window.readLine().trimmed().mid(6));
    // The window's middle once openbox has placed it and it is drawn.
    return waitFor([this, colour] {
               m_centre = windowCentre();
               return !m_centre.isNull() && near(pixel(m_centre), QColor(colour), 2);
           }) ||
           fail("the test window is not drawn");
}

bool OverlayDesktop::fail(const QString& problem)
{
    m_problem = problem;
    return false;
}

void OverlayDesktop::launchKavo(const QVariantMap& settings)
{
    writeSettings(settings);
    m_kavo = std::make_unique<QProcess>();
    m_kavo->setProcessEnvironment(kavoEnvironment());
    m_kavo->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_kavo->start(KAVO_BINARY, QStringList());
}

QProcessEnvironment OverlayDesktop::kavoEnvironment() const
{
    QProcessEnvironment environment = m_environment;
    environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", m_dir.path());
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return environment;
}

void OverlayDesktop::writeSettings(const QVariantMap& settings) const
{
    QSettings store(m_dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
    const QVariantMap neutral{
        {"SaveVersion", "6"},      {"IsFirstStart", false},          {"KavoType", 0},
        {"KavoMode", 2},           {"UseManualColorSettings", true}, {"UseManualBrightness", true},
        {"DayTemperature", 6500},  {"NightTemperature", 6500},       {"SleepLight", 6500},
        {"DayBrightness", 100},    {"NightBrightness", 100},         {"SleepBrightness", 100},
        {"UseSleepLight", false},  {"PreserveGamma", false},         {"TimerPaused", true},
        {"CheckForUpdates", false}};
    for (const QVariantMap& values : {neutral, settings}) {
        for (auto it = values.begin(); it != values.end(); ++it)
            store.setValue(it.key(), it.value());
    }
    store.sync();
}

QString OverlayDesktop::log()
{
    if (m_kavo)
        m_log += QString::fromLocal8Bit(m_kavo->readAllStandardOutput());
    return m_log;
}

int OverlayDesktop::presses()
{
    m_windowOutput += m_window.readAllStandardOutput();
    return m_windowOutput.count("press");
}

QColor OverlayDesktop::pixel(const QPoint& point)
{
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), point.x(), point.y(), 1, 1,
                              AllPlanes, ZPixmap);
    if (!image)
        return {};
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}

GammaRamp OverlayDesktop::crtcRamp()
{
    GammaRamp ramp;
    m_ramps->displays().readRamp(0, ramp);
    return ramp;
}

bool OverlayDesktop::windowShown(const QString& title)
{
    return !xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty();
}

QString OverlayDesktop::xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(m_environment);
    tool.start("xdotool", arguments);
    tool.waitForFinished(kWait);
    return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
}

bool OverlayDesktop::near(const QColor& shown, const QColor& expected, int tolerance)
{
    return shown.isValid() && qAbs(shown.red() - expected.red()) <= tolerance &&
           qAbs(shown.green() - expected.green()) <= tolerance &&
           qAbs(shown.blue() - expected.blue()) <= tolerance;
}

bool OverlayDesktop::selectionOwned(const char* name)
{
    return XGetSelectionOwner(m_display, XInternAtom(m_display, name, False)) != None;
}

QPoint OverlayDesktop::windowCentre()
{
    int x = -1;
    int y = -1;
    int width = 0;
    int height = 0;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", m_windowId}).split('\n')) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X="))
            x = value.toInt();
        else if (line.startsWith("Y="))
            y = value.toInt();
        else if (line.startsWith("WIDTH="))
            width = value.toInt();
        else if (line.startsWith("HEIGHT="))
            height = value.toInt();
    }
    if (x < 0 || y < 0 || width == 0 || height == 0)
        return {};
    return QPoint(x + width / 2, y + height / 2);
}
