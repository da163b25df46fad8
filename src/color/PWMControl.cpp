#include "color/PWMControl.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <limits>

const char* const PWMControl::kReadProgram = "kavo_get_pwm_frequency";
const char* const PWMControl::kSetProgram = "kavo_pwm_control";

PWMControl::PWMControl(QStringList folders, int time_limit_ms)
    : m_folders(std::move(folders)), m_time_limit_ms(time_limit_ms)
{
}

QStringList PWMControl::default_folders()
{
    QStringList folders{QCoreApplication::applicationDirPath()};
    for (const QString& folder : qEnvironmentVariable("PATH").split(QLatin1Char(':'))) {
        if (!folder.isEmpty())
            folders.append(folder);
    }
    return folders;
}

QString PWMControl::find(const char* program)
{
    for (const QString& folder : m_folders) {
        const QFileInfo file(QDir(folder).filePath(QLatin1String(program)));
        if (file.isFile() && file.isExecutable())
            return file.absoluteFilePath();
    }
    if (!m_reported.contains(QLatin1String(program))) {
        m_reported.insert(QLatin1String(program));
        log_line(QStringLiteral("No PWM companion ") + QLatin1String(program) +
                 QStringLiteral(" beside Kavo or on PATH"));
    }
    return {};
}

PWMControl::Outcome PWMControl::run(const char* program, const QStringList& arguments)
{
    Outcome outcome;
    const QString path = find(program);
    if (path.isEmpty() || m_hung.contains(path))
        return outcome;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(m_time_limit_ms)) {
        log_line(path + QStringLiteral(" could not be started: ") + process.errorString());
        return outcome;
    }
    if (!process.waitForFinished(m_time_limit_ms)) {
        process.kill();
        process.waitForFinished(m_time_limit_ms);
        m_hung.insert(path);
        log_line(path + QStringLiteral(" did not answer within %1 ms and was ended; it is not "
                                       "run again")
                            .arg(m_time_limit_ms));
        return outcome;
    }
    outcome.finished = process.exitStatus() == QProcess::NormalExit;
    outcome.exit_code = outcome.finished ? process.exitCode() : -1;
    outcome.output = process.readAllStandardOutput().trimmed();
    return outcome;
}

int PWMControl::read_frequency()
{
    const Outcome outcome = run(kReadProgram, {});
    if (!outcome.finished)
        return -1;
    if (outcome.output.isEmpty())
        return outcome.exit_code;
    bool ok = false;
    const qlonglong hz = outcome.output.toLongLong(&ok, 10);
    if (!ok || hz > std::numeric_limits<int>::max() || hz < std::numeric_limits<int>::min()) {
        log_line(QLatin1String(kReadProgram) + QStringLiteral(" printed no frequency: ") +
                 QString::fromUtf8(outcome.output.left(80)));
        return -1;
    }
    return static_cast<int>(hz);
}

bool PWMControl::is_supported()
{
    return read_frequency() > 0;
}

int PWMControl::set_frequency(int hz)
{
    const Outcome outcome = run(kSetProgram, {QString::number(hz)});
    return outcome.finished ? outcome.exit_code : -1;
}
