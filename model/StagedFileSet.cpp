#include "StagedFileSet.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

StagedFileSet::StepObserver stepObserver = nullptr;

void stepDone()
{
    if (stepObserver)
        stepObserver();
}

// The program's own word: only names that carry it are ever the set's.
const QString OwnWord = QStringLiteral("kytoclockconfig");
const QByteArray RecordHeader = "KytoClockConfig staged file set 1\n";
// A record lists a handful of files; anything far larger is not one.
const qint64 MaxRecordSize = 1 << 20;

const QByteArray FileLine = "file ";
const QByteArray CommitLine = "commit ";
const QByteArray UndoLine = "undo ";

QString recordPrefix()
{
    return QLatin1Char('.') + OwnWord + QStringLiteral("-set-");
}

QString workName(const QString &target, const QString &kind, const QString &tag)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + OwnWord + QLatin1Char('-') + kind
           + QLatin1Char('-') + tag;
}

// A link is followed to the file it names, which is what gets replaced.
QString resolved(const QString &path)
{
    QString current = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo link(current);
        if (!link.isSymLink())
            break;
        current = link.symLinkTarget();
    }
    return QDir::cleanPath(QFileInfo(current).absoluteFilePath());
}

// The content reaches the disk before the file is put in place, so a power
// loss cannot put an empty file where the old one was.
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

// Renames and removals in a folder reach the disk in the order they are made.
void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder)
#endif
}

// Replaces to in one step: the name never stands empty.
bool renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// A second name for the file about to be replaced, or a copy where the file
// system has no links: what an undo puts back.
bool keepEarlier(const QString &target, const QString &earlier)
{
#ifdef Q_OS_WIN
    if (CreateHardLinkW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(earlier).utf16()),
                        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()), nullptr))
        return true;
#else
    if (::link(QFile::encodeName(target).constData(), QFile::encodeName(earlier).constData()) == 0)
        return true;
#endif
    QFile from(target);
    QFile copy(earlier);
    if (!from.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool copied = writeAndSync(copy, from.readAll()) && from.error() == QFileDevice::NoError;
    copy.close();
    if (!copied)
        QFile::remove(earlier);
    return copied;
}

// A running set holds its record locked; a repair leaves such a set alone,
// and one that another repair has just settled and removed, too.
bool lockRecord(QFile &record)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::flock(record.handle(), LOCK_EX | LOCK_NB) == 0 && ::fstat(record.handle(), &status) == 0
           && status.st_nlink > 0;
#else
    Q_UNUSED(record)
    return true;
#endif
}

// Unlinked while still open and locked, so no repair can take it up between.
void removeRecord(QFile &record)
{
#ifdef Q_OS_WIN
    record.close();   // an open file cannot be removed there
#endif
    if (QFile::remove(record.fileName()))
        stepDone();
    record.close();
}

} // namespace

StagedFileSet::~StagedFileSet()
{
    if (record.isOpen())
        discard(entries, record);
}

void StagedFileSet::setStepObserver(StepObserver observer)
{
    stepObserver = observer;
}

bool StagedFileSet::isReplaceable(const QString &path)
{
    const QFileInfo target(resolved(path));
    if (target.exists() && (!target.isFile() || !target.isWritable()))
        return false;
    const QFileInfo folder(target.absolutePath());
    return folder.isDir() && folder.isWritable();
}

bool StagedFileSet::fail(const QString &path)
{
    failed = path;
    return false;
}

StagedFileSet::Entry StagedFileSet::entryFor(const QString &target, const QString &tag)
{
    Entry entry;
    entry.target = target;
    entry.staged = workName(target, QStringLiteral("new"), tag);
    entry.earlier = workName(target, QStringLiteral("old"), tag);
    return entry;
}

bool StagedFileSet::appendLine(QFile &record, const QByteArray &line)
{
    if (!writeAndSync(record, line))
        return false;
    stepDone();
    return true;
}

bool StagedFileSet::openRecord(const QString &folder)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        tag = QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        record.setFileName(folder + QLatin1Char('/') + recordPrefix() + tag);
        // NewOnly: a name that is taken is never written over.
        if (record.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            stepDone();
            if (lockRecord(record) && appendLine(record, RecordHeader)) {
                syncFolder(folder);
                return true;
            }
            removeRecord(record);
            return false;
        }
        if (!QFileInfo::exists(record.fileName()))
            return false;
    }
    return false;
}

bool StagedFileSet::stage(const QString &path, const QByteArray &bytes)
{
    failed.clear();
    if (!isReplaceable(path))
        return fail(path);
    // The record goes where the repair looks for it: beside the name the
    // caller uses, or, where that folder takes no file (a link in a read-only
    // folder), beside the file that is replaced.
    const QString target = resolved(path);
    if (!record.isOpen() && !openRecord(QFileInfo(path).absolutePath())
        && !openRecord(QFileInfo(target).absolutePath()))
        return fail(path);
    Entry entry = entryFor(target, tag);
    entry.path = path;
    // Listed before its first byte exists, so that a repair finds it.
    if (!appendLine(record, FileLine + QUrl::toPercentEncoding(entry.target) + '\n'))
        return fail(path);
    entry.dropped = true;
    entries << entry;
    QFile file(entry.staged);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(path);
    stepDone();
    bool written = writeAndSync(file, bytes);
    file.close();
    const QFileInfo existing(target);
    if (written && existing.exists())
        written = QFile::setPermissions(entry.staged, existing.permissions());
    if (!written) {
        QFile::remove(entry.staged);
        return fail(path);
    }
    entries.last().dropped = false;
    stepDone();
    return true;
}

bool StagedFileSet::commit()
{
    failed.clear();
    if (!record.isOpen())
        return true;
    // The earlier files are kept before anything changes; whatever took the
    // place of a file since it was staged (a folder, say) is left alone.
    QByteArray states = CommitLine;
    QSet<QString> folders;
    for (Entry &entry : entries) {
        if (entry.dropped) {
            states += '-';
            continue;
        }
        folders << QFileInfo(entry.target).path();
        const QFileInfo target(entry.target);
        if (target.exists()) {
            if (!target.isFile() || !keepEarlier(entry.target, entry.earlier)) {
                const QString path = entry.path;
                discard(entries, record);
                entries.clear();
                return fail(path);
            }
            entry.kept = true;
            stepDone();
        }
        states += entry.kept ? 'o' : 'n';
    }
    // The work files' names reach the disk before the line that relies on
    // them; from this line on a repair completes the set instead of undoing it.
    for (const QString &folder : qAsConst(folders))
        syncFolder(folder);
    if (!appendLine(record, states + '\n')) {
        discard(entries, record);
        entries.clear();
        return fail(QString());
    }
    int failedAt = -1;
    if (!placeAll(entries, &failedAt)) {
        const QString path = entries.at(failedAt).path;
        takeBack(entries, record, false);
        entries.clear();
        return fail(path);
    }
    finish(entries, record);
    entries.clear();
    return true;
}

bool StagedFileSet::placeAll(QVector<Entry> &entries, int *failedAt)
{
    QSet<QString> folders;
    for (int i = 0; i < entries.size(); ++i) {
        Entry &entry = entries[i];
        if (entry.dropped || entry.placed)
            continue;
        if (!renameOver(entry.staged, entry.target)) {
            *failedAt = i;
            return false;
        }
        entry.placed = true;
        folders << QFileInfo(entry.target).path();
        stepDone();
    }
    for (const QString &folder : qAsConst(folders))
        syncFolder(folder);
    return true;
}

void StagedFileSet::takeBack(QVector<Entry> &entries, QFile &record, bool logged)
{
    // Which files were put in place is written down first: a repair that
    // finds the undo cut off repeats it without guessing.
    if (!logged) {
        QByteArray placed = UndoLine;
        for (const Entry &entry : qAsConst(entries))
            placed += entry.dropped ? '-' : entry.placed ? '1' : '0';
        appendLine(record, placed + '\n');
    }
    QSet<QString> folders;
    for (const Entry &entry : qAsConst(entries)) {
        if (entry.dropped || !entry.placed)
            continue;
        if (entry.kept) {
            if (QFileInfo::exists(entry.earlier) && renameOver(entry.earlier, entry.target))
                stepDone();
        } else if (QFile::remove(entry.target)) {
            stepDone();
        }
        folders << QFileInfo(entry.target).path();
    }
    for (const QString &folder : qAsConst(folders))
        syncFolder(folder);
    discard(entries, record);
}

void StagedFileSet::discard(const QVector<Entry> &entries, QFile &record)
{
    for (const Entry &entry : entries) {
        if (!entry.placed && QFile::remove(entry.staged))
            stepDone();
        if (QFile::remove(entry.earlier))
            stepDone();
    }
    // Last, so that a repair cut off in turn still finds the set.
    removeRecord(record);
}

void StagedFileSet::finish(const QVector<Entry> &entries, QFile &record)
{
    for (const Entry &entry : entries) {
        if (entry.kept && QFile::remove(entry.earlier))
            stepDone();
    }
    removeRecord(record);
}

void StagedFileSet::recover(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({recordPrefix() + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System))
            settle(dir.filePath(name), QString());
    }
}

void StagedFileSet::recoverFile(const QString &path)
{
    const QString target = resolved(path);
    QStringList folders{QFileInfo(path).absolutePath()};
    if (QFileInfo(target).absolutePath() != folders.first())
        folders << QFileInfo(target).absolutePath();
    for (const QString &folder : qAsConst(folders)) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({recordPrefix() + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System))
            settle(dir.filePath(name), target);
    }
}

void StagedFileSet::settle(const QString &recordPath, const QString &onlyTarget)
{
    static const QRegularExpression recordName(QStringLiteral("^\\.%1-set-([0-9a-f]{8})$").arg(OwnWord));
    const QRegularExpressionMatch match = recordName.match(QFileInfo(recordPath).fileName());
    if (!match.hasMatch())
        return;
    const QString tag = match.captured(1);
    QFile record(recordPath);
    if (QFileInfo(recordPath).isSymLink() || !record.open(QIODevice::ReadWrite) || record.size() > MaxRecordSize
        || !lockRecord(record))
        return;
    const QByteArray text = record.readAll();
    if (!text.startsWith(RecordHeader)) {
        // Cut off while its first line was written: nothing else exists yet.
        if (RecordHeader.startsWith(text))
            removeRecord(record);
        return;
    }

    // Only whole lines count: a line is written in full before what it
    // announces is done. Anything that does not read as a record is not one.
    QVector<Entry> entries;
    QByteArray committed, undone;
    bool hasCommit = false, hasUndo = false;
    auto onlyOf = [](const QByteArray &states, const char *allowed) {
        return std::all_of(states.begin(), states.end(), [&](char c) { return c && std::strchr(allowed, c); });
    };
    const int complete = text.lastIndexOf('\n') + 1;
    const QList<QByteArray> lines = text.mid(RecordHeader.size(), complete - RecordHeader.size()).split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.startsWith(FileLine) && !hasCommit) {
            const QString target = QUrl::fromPercentEncoding(line.mid(FileLine.size()));
            if (!QDir::isAbsolutePath(target) || QDir::cleanPath(target) != target)
                return;
            entries << entryFor(target, tag);
        } else if (line.startsWith(CommitLine) && !hasCommit) {
            committed = line.mid(CommitLine.size());
            hasCommit = true;
            if (committed.size() != entries.size() || !onlyOf(committed, "on-"))
                return;
        } else if (line.startsWith(UndoLine) && hasCommit && !hasUndo) {
            undone = line.mid(UndoLine.size());
            hasUndo = true;
            if (undone.size() != entries.size() || !onlyOf(undone, "10-"))
                return;
        } else {
            return;
        }
    }
    // A record that names no file yet belongs to no other file either.
    if (!onlyTarget.isEmpty() && !entries.isEmpty()
        && std::none_of(entries.begin(), entries.end(), [&](const Entry &entry) { return entry.target == onlyTarget; }))
        return;

    record.resize(complete);
    record.seek(complete);
    if (!hasCommit) {
        discard(entries, record);
        return;
    }
    for (int i = 0; i < entries.size(); ++i) {
        Entry &entry = entries[i];
        entry.dropped = committed.at(i) == '-';
        entry.kept = committed.at(i) == 'o';
        entry.placed = hasUndo ? undone.at(i) == '1' : !entry.dropped && !QFileInfo::exists(entry.staged);
    }
    int failedAt = -1;
    if (!hasUndo && placeAll(entries, &failedAt)) {
        finish(entries, record);
        return;
    }
    takeBack(entries, record, hasUndo);
}
