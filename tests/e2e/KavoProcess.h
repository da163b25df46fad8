#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A desktop for end-to-end runs: its own settings, per-user configuration, runtime folder and
// simulated-desktop files, shared by every kavo launched on it.
class KavoDesktop
{
public:
    KavoDesktop();

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return path(QStringLiteral("settings/kavo_settings.ini")); }
    QString serverSocket() const { return path(QStringLiteral("runtime/VelmoraKavo")); }

    // Starts kavo with `arguments` on this desktop.
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {}) const;

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};
