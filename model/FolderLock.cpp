#include "FolderLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
// A set puts its files in place within milliseconds; a holder that takes
// seconds is stuck, and the waiting set gives up with an error instead of
// freezing the window.
int waitLimitMs = 5000;
} // namespace

int FolderLock::defaultWaitMs()
{
    return waitLimitMs;
}

void FolderLock::setDefaultWaitMs(int ms)
{
    waitLimitMs = ms;
}

FolderLock::Result FolderLock::lock(const QString &folder, int waitMs, bool *waited)
{
    release();
    if (waited)
        *waited = false;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Unsupported;
    QElapsedTimer clock;
    clock.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            return Unsupported;
        }
        if (clock.elapsed() >= waitMs) {
            ::close(fd);
            return Busy;
        }
        if (waited)
            *waited = true;
        QThread::msleep(10);
    }
    handle = fd;
    return Locked;
#else
    Q_UNUSED(folder)
    Q_UNUSED(waitMs)
    return Unsupported;
#endif
}

void FolderLock::release()
{
#ifdef Q_OS_UNIX
    if (handle >= 0)
        ::close(handle);
#endif
    handle = -1;
}
