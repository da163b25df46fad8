#include "platform/RuntimeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString fallback_folder()
{
    return QDir::tempPath() + QStringLiteral("/kavo-runtime-") + QString::number(::geteuid());
}
} // namespace

namespace RuntimeFolder {

QString problem_with(const QString& folder)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return QStringLiteral("no absolute folder is named");
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return folder + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return folder + QStringLiteral(" is not a folder");
    if (info.st_uid != ::geteuid())
        return folder + QStringLiteral(" belongs to another user");
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return folder + QStringLiteral(" is open to other users");
    return {};
}

QString path(QString* problem)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (problem_with(runtime).isEmpty())
        return runtime;
    const QString fallback = fallback_folder();
    // Made for the user alone; one that is there already must pass the same checks, since
    // anyone may have made it first.
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    const QString fallback_problem = problem_with(fallback);
    if (fallback_problem.isEmpty())
        return fallback;
    if (problem) {
        *problem = QStringLiteral("no private runtime folder (%1; %2)")
                       .arg(runtime.isEmpty() ? QStringLiteral("XDG_RUNTIME_DIR is not set")
                                              : problem_with(runtime),
                            fallback_problem);
    }
    return {};
}

QString file(const QString& suffix)
{
    const QString folder = path();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QCoreApplication::organizationName() +
                                 QCoreApplication::applicationName() + suffix);
}

} // namespace RuntimeFolder
