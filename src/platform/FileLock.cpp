#include "platform/FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FileLock::FileLock(const QString &target)
{
    // No file, no lock (and never a lock file in the current directory).
    if (!target.isEmpty())
        m_path = QFileInfo(target).absolutePath() + QLatin1Char('/') + lockFileName(QFileInfo(target).fileName());
}

FileLock::~FileLock()
{
    unlock();
}

QString FileLock::lockFileName(const QString &targetName)
{
    return QLatin1Char('.') + targetName + QStringLiteral(".lock");
}

int &FileLock::defaultWaitMs()
{
    static int ms = 5000;
    return ms;
}

int FileLock::openLockFile(const QString &lockPath, bool create)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(lockPath);
    // Every account that saves into the directory must be able to lock: a
    // new lock file is made writable for all. One that another account made
    // read-only is still locked through a read-only handle.
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && create) {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::fchmod(fd, 0666);
        else if (errno == EEXIST)
            fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    }
    if (fd < 0 && errno != ENOENT)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    return fd;
#else
    Q_UNUSED(lockPath);
    Q_UNUSED(create);
    return -1;
#endif
}

bool FileLock::lock(int waitMs)
{
    if (waitMs < 0)
        waitMs = defaultWaitMs();
#ifdef Q_OS_UNIX
    if (m_fd >= 0 || m_path.isEmpty())
        return true;
    m_fd = openLockFile(m_path);
    if (m_fd < 0)
        return true;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            closeLockFile(m_fd); // a file system without locks
            return true;
        }
        if (waited.elapsed() >= waitMs) {
            closeLockFile(m_fd);
            return false;
        }
        QThread::msleep(5);
    }
#else
    Q_UNUSED(waitMs);
    return true;
#endif
}

void FileLock::closeLockFile(int &fd)
{
#ifdef Q_OS_UNIX
    if (fd >= 0) {
        ::flock(fd, LOCK_UN);
        ::close(fd);
        fd = -1;
    }
#else
    fd = -1;
#endif
}

void FileLock::unlock()
{
    closeLockFile(m_fd);
}
