#ifndef READONLYFOLDER_H
#define READONLYFOLDER_H

// Header only: the model tests, which link no test support library, use it too.

#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

// A folder that takes no file for as long as this object lives, also for a
// user whom permissions do not stop (root, as in CI): its write permission
// is taken away and, where that is not enough, it is marked immutable.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path)
        : path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
#ifdef Q_OS_LINUX
        if (QFileInfo(path).isWritable())
            setImmutable(true);
#endif
    }
    // Writable again, so that the test's temporary folder can be removed.
    ~ReadOnlyFolder()
    {
#ifdef Q_OS_LINUX
        if (immutable)
            setImmutable(false);
#endif
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return !QFileInfo(path).isWritable(); }

private:
#ifdef Q_OS_LINUX
    void setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0)
                immutable = on;
        }
        ::close(fd);
    }
    bool immutable = false;
#endif
    QString path;
};

#endif // READONLYFOLDER_H
