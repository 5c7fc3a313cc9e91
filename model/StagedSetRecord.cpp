#include "StagedSetRecord.h"

#include "FileSystemCalls.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace FileSystemCalls;

namespace {

const QByteArray FirstLineWords = "KytoClockConfig staged file set 2 ";
// A record lists a handful of files; anything far larger is not one.
const qint64 MaxRecordSize = 64 << 10;
const qint64 MaxFirstLine = 160;

QString freshTag()
{
    return QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

QString StagedSetRecord::ownWord()
{
    return QStringLiteral("kytoclockconfig");
}

QString StagedSetRecord::namePrefix()
{
    return QLatin1Char('.') + ownWord() + QStringLiteral("-set-");
}

bool StagedSetRecord::isRecordName(const QString &fileName, QString *tag)
{
    static const QRegularExpression recordName(QStringLiteral("^\\.%1-set-([0-9a-f]{8})$").arg(ownWord()));
    const QRegularExpressionMatch match = recordName.match(fileName);
    if (match.hasMatch() && tag)
        *tag = match.captured(1);
    return match.hasMatch();
}

QByteArray StagedSetRecord::firstLine() const
{
    return FirstLineWords + statusOf(file).identity.toText() + '\n';
}

bool StagedSetRecord::create(const QString &folder)
{
    close();
    if (createUnnamed(file, folder)) {
        const QByteArray first = firstLine();
        if (tryLock(file) && writeAndSync(file, first)) {
            for (int attempt = 0; attempt < 16; ++attempt) {
                recordTag = freshTag();
                recordPath = folder + QLatin1Char('/') + namePrefix() + recordTag;
                if (giveName(file, recordPath)) {
                    wholeLinesEnd = first.size();
                    return true;
                }
                // A name that is taken is never written over; any other
                // refusal means this file system names no file afterwards.
                if (statusOf(recordPath).isMissing())
                    break;
            }
        }
        close();
    }
    return openNamed(folder);
}

// Where a file cannot be named after it is written, the record is made
// under its name and its first line follows at once.
bool StagedSetRecord::openNamed(const QString &folder)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        recordTag = freshTag();
        recordPath = folder + QLatin1Char('/') + namePrefix() + recordTag;
        file.setFileName(recordPath);
        // NewOnly: a name that is taken is never written over.
        if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
            const QByteArray first = firstLine();
            if (tryLock(file) && writeAndSync(file, first)) {
                wholeLinesEnd = first.size();
                return true;
            }
            remove();
            return false;
        }
        if (statusOf(recordPath).isMissing())
            return false;
    }
    return false;
}

bool StagedSetRecord::openExisting(const QString &path)
{
    close();
    QString tag;
    if (!isRecordName(path.section(QLatin1Char('/'), -1), &tag))
        return false;
    const Status named = statusOf(path);
    if (!named.isRegularFile() || named.links != 1 || !named.ownedByUser || named.size > MaxRecordSize
        || !named.identity.isKnown())
        return false;
#ifdef Q_OS_UNIX
    // Never waits: not for a FIFO that took the name since, nor for a lock.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const Status opened = statusOf(file);
    // Locked first, then looked at again: a repair that settled and
    // removed the record meanwhile leaves it with no name.
    if (!opened.isRegularFile() || opened.identity.inode != named.identity.inode || !tryLock(file)
        || statusOf(file).links != 1) {
        close();
        return false;
    }
    const QByteArray head = file.read(MaxFirstLine);
    const int end = head.indexOf('\n') + 1;
    if (end == 0 || head.left(end) != firstLine() || !file.seek(end)) {
        close();
        return false;
    }
    recordTag = tag;
    recordPath = path;
    wholeLinesEnd = end;
    return true;
#else
    // No identity to prove a record by: nothing is taken up.
    return false;
#endif
}

QList<QByteArray> StagedSetRecord::readLines()
{
    if (!file.seek(wholeLinesEnd))
        return {};
    const QByteArray rest = file.read(MaxRecordSize - wholeLinesEnd);
    const int complete = rest.lastIndexOf('\n') + 1;
    QList<QByteArray> lines = rest.left(complete).split('\n');
    lines.removeLast();   // what follows the last line end
    wholeLinesEnd += complete;
    return lines;
}

bool StagedSetRecord::append(const QByteArray &line)
{
    if (file.size() != wholeLinesEnd && !file.resize(wholeLinesEnd))
        return false;
    if (!file.seek(wholeLinesEnd) || !writeAndSync(file, line + '\n'))
        return false;
    wholeLinesEnd += line.size() + 1;
    return true;
}

bool StagedSetRecord::remove()
{
#ifdef Q_OS_WIN
    close();   // an open file cannot be removed there
#endif
    const bool removed = QFile::remove(recordPath);
    close();
    return removed;
}
