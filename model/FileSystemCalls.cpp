#include "FileSystemCalls.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#endif

namespace FileSystemCalls {

namespace {

// Files compared byte for byte are the program's own outputs and designs.
const qint64 MaxComparedSize = 16 << 20;

#ifdef Q_OS_UNIX
Status fromStat(const struct stat &st)
{
    Status status;
    status.kind = S_ISREG(st.st_mode) ? Kind::RegularFile : Kind::Other;
    status.identity.inode = quint64(st.st_ino);
    status.links = quint64(st.st_nlink);
    status.ownedByUser = st.st_uid == ::geteuid();
    status.size = qint64(st.st_size);
    return status;
}

#ifdef Q_OS_LINUX
// The birth time, where the file system keeps one.
void addBirth(Status &status, int dirfd, const char *path, int flags)
{
    struct statx sx;
    if (::statx(dirfd, path, flags, STATX_INO | STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME)
        && quint64(sx.stx_ino) == status.identity.inode) {
        status.identity.bornSeconds = qint64(sx.stx_btime.tv_sec);
        status.identity.bornNanoseconds = quint32(sx.stx_btime.tv_nsec);
    }
}
#endif
#endif

#ifdef Q_OS_WIN
std::wstring nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

bool moveFile(const QString &from, const QString &to, DWORD flags)
{
    return MoveFileExW(nativeName(from).c_str(), nativeName(to).c_str(), flags | MOVEFILE_WRITE_THROUGH);
}
#endif

} // namespace

QByteArray Identity::toText() const
{
    QByteArray text = QByteArray::number(inode);
    if (bornSeconds >= 0)
        text += '@' + QByteArray::number(bornSeconds) + '.' + QByteArray::number(bornNanoseconds);
    return text;
}

Status statusOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return Status();
    Status status = fromStat(st);
#ifdef Q_OS_LINUX
    addBirth(status, AT_FDCWD, name.constData(), AT_SYMLINK_NOFOLLOW);
#endif
    return status;
#else
    // No identity here: nothing is ever taken for a set's own from it.
    const QFileInfo info(path);
    Status status;
    if (info.isSymLink() || info.exists())
        status.kind = info.isFile() && !info.isSymLink() ? Kind::RegularFile : Kind::Other;
    status.size = info.size();
    status.links = 1;
    status.ownedByUser = true;
    return status;
#endif
}

Status statusOf(const QFile &open)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (open.handle() < 0 || ::fstat(open.handle(), &st) != 0)
        return Status();
    Status status = fromStat(st);
#ifdef Q_OS_LINUX
    addBirth(status, open.handle(), "", AT_EMPTY_PATH);
#endif
    return status;
#else
    return statusOf(open.fileName());
#endif
}

bool createUnnamed(QFile &file, const QString &folder)
{
#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
    // The name is given through the process's own view of its files.
    static const bool canName = QFileInfo(QStringLiteral("/proc/self/fd")).isDir();
    if (!canName)
        return false;
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    Q_UNUSED(file)
    Q_UNUSED(folder)
    return false;
#endif
}

bool giveName(QFile &file, const QString &path)
{
#ifdef Q_OS_LINUX
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", file.handle());
    return ::linkat(AT_FDCWD, self, AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_FOLLOW) == 0;
#else
    Q_UNUSED(file)
    Q_UNUSED(path)
    return false;
#endif
}

bool copyPermissions(QFile &file, const QString &model)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::stat(QFile::encodeName(model).constData(), &st) == 0 && ::fchmod(file.handle(), st.st_mode & 07777) == 0;
#else
    return file.setPermissions(QFileInfo(model).permissions());
#endif
}

// A power loss after the rename cannot then put an empty file in place.
bool writeAndSync(QFile &file, const QByteArray &bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return false;
#endif
    return true;
}

void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder)
#endif
}

bool renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return moveFile(from, to, MOVEFILE_REPLACE_EXISTING);
#else
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

bool renameToFreeName(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return moveFile(from, to, 0);
#else
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // Without the kernel's guard: a link never replaces a name; where the
    // file system has no links, the name is checked just before.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return true;
    }
    struct stat st;
    if (errno == EEXIST || ::lstat(target.constData(), &st) == 0 || errno != ENOENT)
        return false;
    return ::rename(source.constData(), target.constData()) == 0;
#endif
}

bool linkOrCopy(const QString &existing, const QString &newName)
{
#ifdef Q_OS_WIN
    if (CreateHardLinkW(nativeName(newName).c_str(), nativeName(existing).c_str(), nullptr))
        return true;
#else
    if (::link(QFile::encodeName(existing).constData(), QFile::encodeName(newName).constData()) == 0)
        return true;
#endif
    QFile from(existing);
    QFile copy(newName);
    if (!from.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool copied = writeAndSync(copy, from.readAll()) && from.error() == QFileDevice::NoError;
    copy.close();
    if (!copied)
        QFile::remove(newName);
    return copied;
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile first(a), second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) || first.size() != second.size()
        || first.size() > MaxComparedSize)
        return false;
    return first.readAll() == second.readAll();
}

bool tryLock(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
#else
    Q_UNUSED(file)
    return true;
#endif
}

} // namespace FileSystemCalls
