#ifndef FILESYSTEMCALLS_H
#define FILESYSTEMCALLS_H

#include <QByteArray>
#include <QFile>
#include <QString>

// The few calls of the operating system that staged file sets are built
// from, each in the one form they need: nothing here follows a link unless
// it says so, and nothing writes over a name that is taken unless it says so.
namespace FileSystemCalls {

// What the file system shows of one file and no other: its inode number
// and, where the file system keeps it, the moment it was made. Neither
// can be set by a copy or an archive, so a file that still shows the
// identity noted when it was made is that very file.
struct Identity {
    quint64 inode = 0;
    qint64 bornSeconds = -1;   // -1: the file system keeps no such time
    quint32 bornNanoseconds = 0;

    bool isKnown() const { return inode != 0; }
    // "123456" or "123456@1797003828.123456789"
    QByteArray toText() const;
};

enum class Kind { Missing, RegularFile, Other };

struct Status {
    Kind kind = Kind::Missing;
    Identity identity;
    quint64 links = 0;
    bool ownedByUser = false;
    qint64 size = 0;

    bool isRegularFile() const { return kind == Kind::RegularFile; }
    bool isMissing() const { return kind == Kind::Missing; }
};

// The name itself: a link is not followed.
Status statusOf(const QString &path);
Status statusOf(const QFile &open);

// A file in folder that has no name yet, open for writing; false where
// the file system cannot make one.
bool createUnnamed(QFile &file, const QString &folder);
// Gives an unnamed file its name; false when the name is taken.
bool giveName(QFile &file, const QString &path);

// Gives an open file the permissions of the file at model.
bool copyPermissions(QFile &file, const QString &model);

// Writes everything and waits until it is on the disk.
bool writeAndSync(QFile &file, const QByteArray &bytes);
// Renames and removals in a folder reach the disk in the order they are made.
void syncFolder(const QString &folder);

// Replaces to in one step: the name never stands empty.
bool renameOver(const QString &from, const QString &to);
// Gives from the name to only while to names nothing.
bool renameToFreeName(const QString &from, const QString &to);
// A second name for a file, or a complete copy where the file system has
// no links; never written over a name that is taken.
bool linkOrCopy(const QString &existing, const QString &newName);
// Whether two regular files of at most a few megabytes hold the same bytes.
bool sameBytes(const QString &a, const QString &b);

// Exclusive lock of an open file, not waited for; false while another
// holds it (in this process or another).
bool tryLock(QFile &file);

} // namespace FileSystemCalls

#endif // FILESYSTEMCALLS_H
