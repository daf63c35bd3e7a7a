#pragma once
// An advisory lock that keeps several copies of the program (on one computer
// or on several that share the directory over the network) from saving the
// same file at once: each save locks ".<name>.lock" beside the file, reads
// the file again under the lock, changes only its own part and rewrites it.
// The lock is released when the object dies (or the process ends, however
// it ends). The lock file stays in the directory.

#include <QString>

class FileLock
{
public:
    // target is the shared file; the lock file lies beside it.
    explicit FileLock(const QString &target);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs (by default defaultWaitMs()) for the lock. False
    // only when another program holds it all that time. Where no lock can be
    // had at all (no lock file can be made, or the file system has no locks)
    // the save goes ahead unlocked: it fails by itself when the directory
    // cannot be written.
    bool lock(int waitMs = -1);
    void unlock();

    // How long a save waits for another program's save: 5 s (tests wait less).
    static int &defaultWaitMs();

    static QString lockFileName(const QString &targetName);

    // Opens a lock or marker file for locking; a new one is made writable
    // for every account that saves into the directory (when create is set).
    // -1 when it cannot be opened at all.
    static int openLockFile(const QString &path, bool create = true);
    // Releases the lock held on fd, closes it and sets it to -1.
    static void closeLockFile(int &fd);

private:
    QString m_path;
    int m_fd = -1;
};
