#include "platform/x11/X11Taskbar.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace {
const QString kEntryName = QStringLiteral("kavo.desktop");

bool write_if_changed(const QString& path, const QByteArray& content)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
        return true;
    current.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}
} // namespace

void X11Taskbar::setTitle(QWidget& window, const QString& title)
{
    window.setWindowTitle(title);
}

void X11Taskbar::setProgress(const Progress& progress)
{
    if (m_progressSent && m_progress == progress)
        return;
    m_progressSent = true;
    m_progress = progress;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/com/velmora/Kavo/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    const double fraction =
        progress.maximum > 0 ? double(progress.value) / double(progress.maximum) : 0.0;
    const QVariantMap properties{
        {QStringLiteral("progress"), fraction},
        {QStringLiteral("progress-visible"), progress.visible},
        {QStringLiteral("urgent"), progress.visible && progress.state == ProgressState::Stopped}};
    update << QStringLiteral("application://") + kEntryName << properties;
    bus.send(update);
}

QString X11Taskbar::desktopEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications/") + kEntryName;
}

QString X11Taskbar::iconPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/icons/hicolor/128x128/apps/kavo.png");
}

QString X11Taskbar::quotedArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The desktop entry's own string escape doubles every backslash once more.
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString X11Taskbar::desktopEntry(const QString& program, const QString& icon,
                                 const QList<Action>& actions)
{
    QStringList ids;
    for (const Action& action : actions)
        ids << action.id;
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Kavo\n"
                                  "Comment=Eye protection: screen colours and breaks\n");
    text += QStringLiteral("Exec=") + quotedArgument(program) + QLatin1Char('\n');
    text += QStringLiteral("Icon=") + icon + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\nCategories=Utility;\nStartupWMClass=kavo\n");
    if (!ids.isEmpty())
        text += QStringLiteral("Actions=") + ids.join(QLatin1Char(';')) + QStringLiteral(";\n");
    for (const Action& action : actions) {
        text += QStringLiteral("\n[Desktop Action ") + action.id + QStringLiteral("]\nName=") +
                action.name + QStringLiteral("\nExec=") + quotedArgument(program) +
                QLatin1Char(' ') + quotedArgument(action.command) + QLatin1Char('\n');
    }
    return text;
}

void X11Taskbar::setActions(const QList<Action>& actions)
{
    QFile image(QStringLiteral(":/images/kavo_green.png"));
    if (image.open(QIODevice::ReadOnly))
        write_if_changed(iconPath(), image.readAll());
    const QString entry =
        desktopEntry(QCoreApplication::applicationFilePath(), iconPath(), actions);
    if (!write_if_changed(desktopEntryPath(), entry.toUtf8()))
        log_line(QStringLiteral("Desktop entry not writable: ") + desktopEntryPath());
}
