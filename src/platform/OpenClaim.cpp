#include "platform/OpenClaim.h"

#include "platform/FileLock.h"

#include <QElapsedTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

// A taker or a checker holds the marker alone only for a moment.
constexpr int ShareWaitMs = 2000;

} // namespace

OpenClaim::OpenClaim(const QString &marker)
    : m_marker(marker)
{
}

OpenClaim::~OpenClaim()
{
    release();
}

bool OpenClaim::take()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0 || m_marker.isEmpty())
        return false;
    m_fd = FileLock::openLockFile(m_marker);
    if (m_fd < 0)
        return false;
    // Alone for a moment: nobody else holds it. Then shared, so that a
    // second holder can join and a checker sees it.
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(m_fd, LOCK_SH);
        return false;
    }
    if (errno != EWOULDBLOCK) {
        FileLock::closeLockFile(m_fd); // a file system without locks
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(m_fd, LOCK_SH | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() >= ShareWaitMs) {
            FileLock::closeLockFile(m_fd);
            break;
        }
        QThread::msleep(5);
    }
    return true;
#else
    return false;
#endif
}

void OpenClaim::release()
{
    FileLock::closeLockFile(m_fd);
}

bool OpenClaim::isClaimed(const QString &marker)
{
#ifdef Q_OS_UNIX
    if (marker.isEmpty())
        return false;
    int probe = FileLock::openLockFile(marker, false);
    if (probe < 0)
        return false; // no marker: never claimed
    const bool claimed = ::flock(probe, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    FileLock::closeLockFile(probe);
    return claimed;
#else
    Q_UNUSED(marker);
    return false;
#endif
}
