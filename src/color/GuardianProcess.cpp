#include "color/GuardianProcess.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
constexpr int kStartMs = 10000;
constexpr int kWriteMs = 2000;
} // namespace

GuardianProcess::GuardianProcess(QObject* parent) : QObject(parent)
{
}

GuardianProcess::~GuardianProcess()
{
    if (m_process)
        m_process->disconnect(this);
}

QString GuardianProcess::default_program()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kavo-guardian"));
}

bool GuardianProcess::start(const QString& program, const QString& record_path,
                            const QString& marker_path, bool restore_first)
{
    if (!QFileInfo(program).isExecutable()) {
        log_line(QStringLiteral("Kavo's guardian is missing (%1): a crash would leave Kavo's "
                                "colours on the screen")
                     .arg(program));
        return false;
    }
    m_process = new QProcess;
    // Its messages go where Kavo's errors go; its output only answers "restored".
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral("--record"), record_path, QStringLiteral("--marker"),
                          marker_path};
    if (restore_first)
        arguments.append(QStringLiteral("--restore-now"));
    m_process->start(program, arguments);
    if (!m_process->waitForStarted(kStartMs)) {
        log_line(QStringLiteral("Kavo's guardian did not start: ") + m_process->errorString());
        delete m_process;
        m_process = nullptr;
        return false;
    }
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &GuardianProcess::report_end);
    log_line(QStringLiteral("Kavo's guardian runs as process %1").arg(m_process->processId()));
    return !restore_first || wait_for_restore();
}

bool GuardianProcess::wait_for_restore()
{
    while (!m_process->canReadLine() && m_process->waitForReadyRead(kStartMs)) {
    }
    if (m_process->readLine() == "restored\n")
        return true;
    log_line(QStringLiteral("Kavo's guardian did not restore the recorded calibration"));
    return false;
}

void GuardianProcess::reload()
{
    if (!is_running())
        return;
    m_process->write("reload\n");
    m_process->waitForBytesWritten(kWriteMs);
}

bool GuardianProcess::is_running() const
{
    return m_process && m_process->state() == QProcess::Running;
}

qint64 GuardianProcess::pid() const
{
    return is_running() ? m_process->processId() : 0;
}

void GuardianProcess::report_end()
{
    log_line(QStringLiteral("Kavo's guardian ended: a crash would now leave Kavo's colours on "
                            "the screen until the next start"));
}
