#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A desktop for end-to-end runs: its own settings, per-user configuration, runtime folder and
// simulated-desktop files, shared by every kavo launched on it.
class KavoDesktop
{
public:
    explicit KavoDesktop(const QByteArray& config = kOneMonitor);

    static const QByteArray kOneMonitor;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return path(QStringLiteral("settings/kavo_settings.ini")); }
    QString serverSocket() const { return path(QStringLiteral("runtime/VelmoraKavo")); }
    QString statusSocket() const { return serverSocket() + QStringLiteral(".status"); }

    // Starts kavo with `arguments` on this desktop.
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {}) const;

    // Runs kavoctl on this desktop to its end.
    std::unique_ptr<QProcess> kavoctl(const QStringList& arguments) const;
    // Starts kavoctl on this desktop and leaves it running.
    std::unique_ptr<QProcess> startKavoctl(const QStringList& arguments) const;
    // The kavoctl executable under test.
    static QString kavoctlProgram();

    // The environment every process started on this desktop gets.
    QProcessEnvironment environment() const { return m_environment; }

    // Stores `settings` in the settings file before Kavo starts.
    void writeSettings(const QVariantMap& settings) const;

    // Starts every program launched from now on in `folder`.
    void setWorkingDirectory(const QString& folder) { m_workingDirectory = folder; }

    // Sets an environment variable for every program launched from now on.
    void setEnvironment(const QString& name, const QString& value)
    {
        m_environment.insert(name, value);
    }

private:
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
    QString m_workingDirectory;
};

// The output lines a process wrote so far, gathered as they are read.
class OutputLines
{
public:
    explicit OutputLines(QProcess& process) : m_process(process) {}

    // Every line read so far, after reading what has arrived.
    const QStringList& read();
    int count(const QString& line) { return read().count(line); }
    bool contains(const QString& text);

private:
    QProcess& m_process;
    QByteArray m_pending;
    QStringList m_lines;
};
