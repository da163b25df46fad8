#include "platform/linux/LauncherTaskbar.h"

#include "InstallLocation.h"
#include "KavoLog.h"
#include "platform/linux/DesktopEntryExec.h"

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
const QString kEntryName = QLatin1String(InstallLocation::kDesktopEntryName);

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

void LauncherTaskbar::setTitle(QWidget& window, const QString& title)
{
    window.setWindowTitle(title);
}

void LauncherTaskbar::setProgress(const Progress& progress)
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

QString LauncherTaskbar::desktopEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications/") + kEntryName;
}

std::optional<QString> LauncherTaskbar::desktopEntry(const QString& program,
                                                     const QList<Action>& actions)
{
    const std::optional<QString> exec = DesktopEntryExec::quoted(program);
    if (!exec)
        return std::nullopt;
    QStringList ids;
    for (const Action& action : actions)
        ids << action.id;
    // The same entry as make install writes, with the actions in the user's language.
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Kavo\n"
                                  "GenericName=Eye protection\n"
                                  "Comment=Screen colours that follow the sun, and reminders to "
                                  "rest\n");
    text += QStringLiteral("Exec=") + *exec + QStringLiteral(" --show_ui\n");
    text += QStringLiteral("Icon=kavo\nTerminal=false\nCategories=Utility;\nStartupWMClass=kavo\n");
    if (!ids.isEmpty())
        text += QStringLiteral("Actions=") + ids.join(QLatin1Char(';')) + QStringLiteral(";\n");
    for (const Action& action : actions) {
        const std::optional<QString> command = DesktopEntryExec::quoted(action.command);
        if (!command)
            return std::nullopt;
        text += QStringLiteral("\n[Desktop Action ") + action.id + QStringLiteral("]\nName=") +
                action.name + QStringLiteral("\nExec=") + *exec + QLatin1Char(' ') + *command +
                QLatin1Char('\n');
    }
    return text;
}

bool LauncherTaskbar::writeDesktopEntry(const QString& path, const QString& program,
                                        const QList<Action>& actions)
{
    const std::optional<QString> entry = desktopEntry(program, actions);
    if (!entry) {
        log_line(DesktopEntryExec::refusal(QStringLiteral("The menu entry"), program));
        return false;
    }
    if (!write_if_changed(path, entry->toUtf8())) {
        log_line(QStringLiteral("Desktop entry not writable: ") + path);
        return false;
    }
    return true;
}

void LauncherTaskbar::setActions(const QList<Action>& actions)
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!InstallLocation::is_installed(program)) {
        log_line(InstallLocation::not_installed_reason(QStringLiteral("the menu entry")));
        return;
    }
    writeDesktopEntry(desktopEntryPath(), program, actions);
}
