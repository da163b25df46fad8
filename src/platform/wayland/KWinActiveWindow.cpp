#include "platform/wayland/KWinActiveWindow.h"

#include "KavoLog.h"
#include "platform/wayland/ToplevelWindows.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("/Scripting");
const QString kScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
const QString kPath = QStringLiteral("/org/kavo/KWinActiveWindow");
// The one window the script tells of.
constexpr quint64 kActive = 1;
} // namespace

std::unique_ptr<KWinActiveWindow> KWinActiveWindow::find(const QDBusConnection& bus,
                                                         ToplevelWindows& windows)
{
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kKWin).value())
        return nullptr;
    QDBusMessage probe = QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface,
                                                        QStringLiteral("isScriptLoaded"));
    probe << QString::fromLatin1(kPluginName);
    const QDBusReply<bool> loaded = bus.call(probe);
    if (!loaded.isValid())
        return nullptr;
    return std::unique_ptr<KWinActiveWindow>(new KWinActiveWindow(bus, windows));
}

KWinActiveWindow::KWinActiveWindow(const QDBusConnection& bus, ToplevelWindows& windows)
    : m_bus(bus), m_windows(windows)
{
}

KWinActiveWindow::~KWinActiveWindow()
{
    setWatching(false);
}

QString KWinActiveWindow::scriptText(const QString& service)
{
    // Plain ES5: KWin's script engine on Plasma 5 knows nothing newer.
    return QStringLiteral(
               "var service = \"%1\";\n"
               "function tell(window) {\n"
               "    if (!window) {\n"
               "        callDBus(service, \"%2\", \"org.kavo.KWinActiveWindow\", \"activated\",\n"
               "                 \"\", 0, false);\n"
               "        return;\n"
               "    }\n"
               "    callDBus(service, \"%2\", \"org.kavo.KWinActiveWindow\", \"activated\",\n"
               "             String(window.resourceClass), window.pid, window.fullScreen);\n"
               "}\n"
               "function watch(window) {\n"
               "    if (window && window.fullScreenChanged)\n"
               "        window.fullScreenChanged.connect(function() {\n"
               "            if (window.active) tell(window);\n"
               "        });\n"
               "    tell(window);\n"
               "}\n"
               "if (workspace.windowActivated) {\n"
               "    workspace.windowActivated.connect(watch);\n"
               "    watch(workspace.activeWindow);\n"
               "} else {\n"
               "    workspace.clientActivated.connect(watch);\n"
               "    watch(workspace.activeClient);\n"
               "}\n")
        .arg(service, kPath);
}

bool KWinActiveWindow::setWatching(bool on)
{
    if (on == m_watching)
        return true;
    if (on) {
        m_watching = load();
        return m_watching;
    }
    unload();
    m_watching = false;
    return true;
}

void KWinActiveWindow::activated(const QString& resourceClass, int pid, bool fullScreen)
{
    if (!m_watching)
        return;
    m_windows.remove(kActive);
    if (!resourceClass.isEmpty()) {
        ToplevelWindows::Toplevel toplevel;
        toplevel.appId = resourceClass;
        toplevel.pid = pid > 0 ? pid : 0;
        toplevel.activated = true;
        toplevel.fullScreen = fullScreen;
        m_windows.update(kActive, toplevel);
    }
    m_windows.done();
}

QString KWinActiveWindow::scriptPath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(
        QStringLiteral("kavo-active-window-%1.js").arg(QCoreApplication::applicationPid()));
}

bool KWinActiveWindow::load()
{
    // One left behind by an earlier run that did not end well. Only now: merely finding KWin
    // (kavoctl, a second start handing over to the first) must not take the running Kavo's.
    unload();
    if (!m_bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots)) {
        log_line(QStringLiteral("KWin's window in front: the reporting object is taken"));
        return false;
    }
    QFile script(scriptPath());
    if (!script.open(QIODevice::WriteOnly) ||
        script.write(scriptText(m_bus.baseService()).toUtf8()) < 0) {
        log_line(QStringLiteral("KWin's window in front: cannot write %1").arg(script.fileName()));
        m_bus.unregisterObject(kPath);
        return false;
    }
    script.close();
    QDBusMessage call = QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface,
                                                       QStringLiteral("loadScript"));
    call << script.fileName() << QString::fromLatin1(kPluginName);
    const QDBusReply<int> id = m_bus.call(call);
    if (!id.isValid() || id.value() < 0) {
        log_line(QStringLiteral("KWin refused Kavo's script for the window in front: %1")
                     .arg(id.isValid() ? QStringLiteral("no id") : id.error().message()));
        QFile::remove(script.fileName());
        m_bus.unregisterObject(kPath);
        return false;
    }
    // Plasma 5.27 and 6 keep a loaded script at /Scripting/Script<id>, older ones at /<id>.
    for (const QString& path : {QStringLiteral("/Scripting/Script%1").arg(id.value()),
                                QStringLiteral("/%1").arg(id.value())}) {
        const QDBusMessage run = m_bus.call(QDBusMessage::createMethodCall(
            kKWin, path, QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run")));
        if (run.type() == QDBusMessage::ReplyMessage) {
            // KWin has read the file once the script runs.
            QFile::remove(script.fileName());
            return true;
        }
    }
    log_line(
        QStringLiteral("KWin loaded Kavo's script for the window in front but did not run it"));
    QFile::remove(script.fileName());
    unload();
    return false;
}

void KWinActiveWindow::unload()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface,
                                                       QStringLiteral("unloadScript"));
    call << QString::fromLatin1(kPluginName);
    m_bus.call(call);
    m_bus.unregisterObject(kPath);
}
