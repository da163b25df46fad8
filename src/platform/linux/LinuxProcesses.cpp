#include "platform/linux/LinuxProcesses.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The kernel keeps at most this many bytes of a process name.
constexpr int kCommLength = 15;

qint64 pidFromName(const char* name)
{
    qint64 pid = 0;
    for (const char* c = name; *c; ++c) {
        if (*c < '0' || *c > '9' || pid > (qint64(1) << 40))
            return 0;
        pid = pid * 10 + (*c - '0');
    }
    return pid;
}

QByteArray readSmallFile(int folder, const char* path)
{
    const int file = ::openat(folder, path, O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return {};
    char buffer[256];
    const ssize_t length = ::read(file, buffer, sizeof(buffer));
    ::close(file);
    return length > 0 ? QByteArray(buffer, static_cast<int>(length)) : QByteArray();
}

QByteArray readLink(int folder, const char* path)
{
    char buffer[4096];
    const ssize_t length = ::readlinkat(folder, path, buffer, sizeof(buffer));
    return length > 0 ? QByteArray(buffer, static_cast<int>(length)) : QByteArray();
}

QByteArray readComm(int folder, qint64 pid)
{
    char path[64];
    std::snprintf(path, sizeof(path), "%lld/comm", static_cast<long long>(pid));
    QByteArray comm = readSmallFile(folder, path);
    if (comm.endsWith('\n'))
        comm.chop(1);
    return comm;
}

// The name of the process whose /proc folder is `pid` below `folder`, its "comm" being `comm`.
QString nameFromComm(int folder, qint64 pid, const QByteArray& comm)
{
    // Only a name the kernel may have cut needs the executable's own.
    QByteArray exe;
    if (comm.size() == kCommLength) {
        char path[64];
        std::snprintf(path, sizeof(path), "%lld/exe", static_cast<long long>(pid));
        exe = readLink(folder, path);
    }
    return LinuxProcesses::programName(comm, exe);
}

QString readName(int folder, qint64 pid)
{
    return nameFromComm(folder, pid, readComm(folder, pid));
}

bool ownedByUser(int folder, qint64 pid)
{
    char path[32];
    std::snprintf(path, sizeof(path), "%lld", static_cast<long long>(pid));
    struct stat info = {};
    return ::fstatat(folder, path, &info, 0) == 0 && info.st_uid == ::getuid();
}

// The /proc folder, open for the *at() calls; closed with the object.
class Folder
{
public:
    explicit Folder(const QString& path) : m_dir(::opendir(QFile::encodeName(path).constData())) {}
    ~Folder()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    DIR* dir() const { return m_dir; }
    int fd() const { return m_dir ? ::dirfd(m_dir) : -1; }

private:
    DIR* m_dir;
};
} // namespace

LinuxProcesses::LinuxProcesses(QString root)
    : m_root(std::move(root)), m_rootPath(QFile::encodeName(m_root))
{
}

QString LinuxProcesses::programName(const QByteArray& comm, const QByteArray& exeTarget)
{
    QByteArray exe = exeTarget;
    const QByteArray deleted(" (deleted)");
    if (exe.endsWith(deleted))
        exe.chop(deleted.size());
    const QByteArray file = exe.mid(exe.lastIndexOf('/') + 1);
    if (!comm.isEmpty() && file.size() > comm.size() && file.startsWith(comm))
        return QString::fromUtf8(file);
    return QString::fromUtf8(comm);
}

// Reads the "comm" of `pid` (its folder `file`) into `known`; the owner and the executable
// are looked up again only when it changed. False when the process ended meanwhile.
bool LinuxProcesses::learn(int folder, const char* file, qint64 pid, Known& known)
{
    const QByteArray comm = readComm(folder, pid);
    if (!comm.isEmpty() && comm == known.comm)
        return true;
    // A new process, one that exec'd, or one whose name cannot be read. An owner known from
    // before only decides whether to ask terminate(), which looks again.
    struct stat info = {};
    if (::fstatat(folder, file, &info, 0) != 0)
        return false;
    known.comm = comm;
    known.name = nameFromComm(folder, pid, comm);
    known.own = info.st_uid == ::getuid();
    return true;
}

void LinuxProcesses::forgetEnded()
{
    for (auto it = m_known.begin(); it != m_known.end();) {
        if (it->seenIn != m_listing)
            it = m_known.erase(it);
        else
            ++it;
    }
}

// Linux counts the running processes in the link count of /proc (threads are not counted); a
// folder laid out like it counts its subfolders. One stat says whether to list again.
bool LinuxProcesses::snapshot(QVector<ProcessEntry>& entries)
{
    struct stat info = {};
    if (::stat(m_rootPath.constData(), &info) != 0) {
        entries.clear();
        return false;
    }
    const bool readAll = m_listing == 0 || m_sinceFullRead + 1 >= kFullReadEvery;
    if (!readAll && static_cast<qulonglong>(info.st_nlink) == m_links) {
        ++m_sinceFullRead;
        entries = m_entries;
        return true;
    }
    if (!list(readAll)) {
        entries.clear();
        return false;
    }
    m_links = static_cast<qulonglong>(info.st_nlink);
    m_sinceFullRead = readAll ? 0 : m_sinceFullRead + 1;
    entries = m_entries;
    return true;
}

bool LinuxProcesses::list(bool readAll)
{
    const Folder folder(m_root);
    if (!folder.dir())
        return false;
    ++m_listing;
    m_entries.clear();
    while (const dirent* item = ::readdir(folder.dir())) {
        const qint64 pid = pidFromName(item->d_name);
        if (pid <= 0)
            continue;
        const auto found = m_known.find(pid);
        const bool isNew = found == m_known.end();
        Known& known = isNew ? m_known[pid] : *found;
        if (readAll || isNew || known.young) {
            if (!learn(folder.fd(), item->d_name, pid, known)) {
                m_known.remove(pid); // ended meanwhile
                continue;
            }
            known.young = isNew;
        }
        known.seenIn = m_listing;
        m_entries.append(ProcessEntry{pid, known.name, known.own});
    }
    forgetEnded();
    return true;
}

QString LinuxProcesses::name(qint64 pid) const
{
    const Folder folder(m_root);
    return folder.dir() && pid > 0 ? readName(folder.fd(), pid) : QString();
}

bool LinuxProcesses::terminate(qint64 pid) const
{
    if (pid <= 1 || pid == ::getpid())
        return false;
    const Folder folder(m_root);
    if (!folder.dir() || !ownedByUser(folder.fd(), pid))
        return false;
    return ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}
