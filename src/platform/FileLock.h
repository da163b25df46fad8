#pragma once

#include <QString>

// An advisory lock on a file, held by this process until it lets go or ends, however it ends:
// the system releases the lock of a process that died. The file itself stays unless removed,
// so its presence and its lock tell apart "someone is here" and "someone was here".
class FileLock
{
public:
    explicit FileLock(const QString& path);
    // Releases the lock; the file stays.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, creating the file when it is missing, trying again for up to `waitMs`
    // while another process holds it; false when that process still holds it then, or the
    // file cannot be created.
    bool tryLock(int waitMs = 0);
    bool isLocked() const { return m_fd >= 0; }
    // Whether the file was there before this lock created it.
    bool existedBefore() const { return m_existed; }
    // After a failed tryLock: whether another process holds the lock (rather than the file
    // being impossible to open or create).
    bool heldElsewhere() const { return m_heldElsewhere; }
    // After a failed tryLock that is not heldElsewhere(): why the file could not be opened.
    const QString& error() const { return m_error; }

    // Writes this process's id into the locked file, for messages of those who find it held.
    void writeHolder();
    // The process id the holder wrote into the file; 0 when there is none.
    qint64 holder() const;

    // Lets go of the lock; the file stays.
    void unlock();
    // Removes the file while the lock is still held, then lets go.
    void removeAndUnlock();

    const QString& path() const { return m_path; }

private:
    bool lockOnce();

    QString m_path;
    int m_fd = -1;
    bool m_existed = false;
    bool m_heldElsewhere = false;
    QString m_error;
};
