#include "StagedFileSet.h"

#include "FileSystemCalls.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cstring>

using namespace FileSystemCalls;

namespace {

StagedFileSet::StepObserver stepObserver = nullptr;

void stepDone()
{
    if (stepObserver)
        stepObserver();
}

const QByteArray FileLine = "file ";
const QByteArray CommitLine = "commit ";
const QByteArray UndoLine = "undo ";
const QByteArray NoLink = "-";

QString workName(const QString &target, const QString &kind, const QString &tag)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + StagedSetRecord::ownWord()
           + QLatin1Char('-') + kind + QLatin1Char('-') + tag;
}

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The folder of a clean absolute path.
QString folderOf(const QString &path)
{
    return QFileInfo(path).path();
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
    return cleanAbsolute(current);
}

bool isCleanAbsolute(const QString &path)
{
    return QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path;
}

QByteArray encoded(const QString &path)
{
    return QUrl::toPercentEncoding(path);
}

bool onlyOf(const QByteArray &states, const char *allowed)
{
    return std::all_of(states.begin(), states.end(), [&](char c) { return c && std::strchr(allowed, c); });
}

// Whether a file is the very file noted with that identity.
bool shows(const Status &file, const QByteArray &identity)
{
    return file.isRegularFile() && file.identity.toText() == identity;
}

// A work file's name on something that is no regular file (a link, a
// folder, a FIFO) was not made by a set.
bool removeWorkFile(const QString &path)
{
    return statusOf(path).isRegularFile() && QFile::remove(path);
}

} // namespace

// What one repair may act on: sets whose every target lies in one of the
// folders, or is the file a link standing in one of them leads to (and,
// for the sets of one file, is that file).
struct StagedFileSet::Scope {
    QStringList folders;
    QString onlyTarget;

    bool allows(const QString &target, const QString &link) const
    {
        if (!onlyTarget.isEmpty() && target != onlyTarget)
            return false;
        if (folders.contains(folderOf(target)))
            return true;
        return !link.isEmpty() && folders.contains(folderOf(link)) && resolved(link) == target;
    }
};

StagedFileSet::StagedFileSet(const QStringList &recordFolders)
{
    for (const QString &folder : recordFolders)
        this->recordFolders << cleanAbsolute(folder);
}

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

bool StagedFileSet::appendLine(StagedSetRecord &record, const QByteArray &line)
{
    if (!record.append(line))
        return false;
    stepDone();
    return true;
}

void StagedFileSet::removeRecord(StagedSetRecord &record)
{
    if (record.remove())
        stepDone();
}

// The record goes where the repair looks for it: into the first record
// folder that takes a file, or beside the name the caller uses, or, where
// that folder takes no file (a link in a read-only folder), beside the file
// that is replaced. Its folder stays locked while the set runs.
bool StagedFileSet::openRecord(const QString &path, const QString &target)
{
    QStringList candidates = recordFolders;
    if (candidates.isEmpty())
        candidates << folderOf(cleanAbsolute(path)) << folderOf(target);
    candidates.removeDuplicates();
    for (const QString &folder : qAsConst(candidates)) {
        bool waited = false;
        if (folderLock.lock(folder, FolderLock::defaultWaitMs(), &waited) == FolderLock::Busy)
            return false;
        // Another set ran here meanwhile; if it was cut off, it is settled
        // before this one begins.
        if (waited) {
            if (recordFolders.isEmpty())
                recoverFile(path);
            else
                recover(recordFolders);
        }
        if (record.create(folder)) {
            stepDone();
            syncFolder(folder);
            return true;
        }
        folderLock.release();
    }
    return false;
}

bool StagedFileSet::stage(const QString &path, const QByteArray &bytes)
{
    failed.clear();
    if (!isReplaceable(path))
        return fail(path);
    const QString target = resolved(path);
    if (!record.isOpen() && !openRecord(path, target))
        return fail(path);
    Entry entry = entryFor(target, record.tag());
    entry.path = path;
    if (QFileInfo(path).isSymLink())
        entry.link = cleanAbsolute(path);
    return writeStaged(entry, bytes) || fail(path);
}

bool StagedFileSet::writeStaged(Entry &entry, const QByteArray &bytes)
{
    const bool replaces = statusOf(entry.target).isRegularFile();
    auto line = [&entry]() {
        return FileLine + encoded(entry.target) + ' ' + entry.stagedIdentity + ' '
               + (entry.link.isEmpty() ? NoLink : encoded(entry.link));
    };
    QFile content;
    if (createUnnamed(content, folderOf(entry.target))) {
        if (!writeAndSync(content, bytes) || (replaces && !copyPermissions(content, entry.target)))
            return false;   // a file without a name leaves nothing behind
        entry.stagedIdentity = statusOf(content).identity.toText();
        // Listed with its identity before it has a name, so that a repair
        // finds it and knows it for the set's own.
        if (!appendLine(record, line()))
            return false;
        entry.dropped = true;
        entries << entry;
        if (!giveName(content, entry.staged))
            return false;
        entries.last().dropped = false;
        stepDone();
        return true;
    }

    // Where a file cannot be named after it is written, it is listed as
    // soon as it is complete.
    content.setFileName(entry.staged);
    if (!content.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    stepDone();
    entry.stagedIdentity = statusOf(content).identity.toText();
    bool written = writeAndSync(content, bytes) && (!replaces || copyPermissions(content, entry.target));
    content.close();
    if (written)
        written = appendLine(record, line());
    if (!written) {
        QFile::remove(entry.staged);
        return false;
    }
    entries << entry;
    return true;
}

bool StagedFileSet::commit()
{
    failed.clear();
    if (!record.isOpen())
        return true;
    struct LockRelease {
        FolderLock &lock;
        ~LockRelease() { lock.release(); }
    } releaseAtEnd{folderLock};
    // The earlier files are kept before anything changes; whatever took the
    // place of a file since it was staged (a folder, say) is left alone.
    QByteArray states = CommitLine;
    QSet<QString> folders;
    for (Entry &entry : entries) {
        if (entry.dropped) {
            states += '-';
            continue;
        }
        folders << folderOf(entry.target);
        const Status target = statusOf(entry.target);
        if (!target.isMissing()) {
            if (!target.isRegularFile() || !linkOrCopy(entry.target, entry.earlier)) {
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
    if (!appendLine(record, states)) {
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

// A file that did not exist before the set takes only a free name, so a
// file that appeared there meanwhile is never replaced.
bool StagedFileSet::placeAll(QVector<Entry> &entries, int *failedAt)
{
    QSet<QString> folders;
    for (int i = 0; i < entries.size(); ++i) {
        Entry &entry = entries[i];
        if (entry.dropped || entry.placed)
            continue;
        if (!(entry.kept ? renameOver(entry.staged, entry.target) : renameToFreeName(entry.staged, entry.target))) {
            *failedAt = i;
            return false;
        }
        entry.placed = true;
        folders << folderOf(entry.target);
        stepDone();
    }
    for (const QString &folder : qAsConst(folders))
        syncFolder(folder);
    return true;
}

void StagedFileSet::takeBack(QVector<Entry> &entries, StagedSetRecord &record, bool logged)
{
    // Which files were put in place is written down first: a repair that
    // finds the undo cut off repeats it without guessing.
    if (!logged) {
        QByteArray placed = UndoLine;
        for (const Entry &entry : qAsConst(entries))
            placed += entry.dropped ? '-' : entry.placed ? '1' : '0';
        appendLine(record, placed);
    }
    QSet<QString> folders;
    for (const Entry &entry : qAsConst(entries)) {
        if (entry.dropped || !entry.placed)
            continue;
        // Only the very file the set placed is taken back.
        if (!shows(statusOf(entry.target), entry.stagedIdentity))
            continue;
        if (entry.kept) {
            if (statusOf(entry.earlier).isRegularFile() && renameOver(entry.earlier, entry.target))
                stepDone();
        } else if (QFile::remove(entry.target)) {
            stepDone();
        }
        folders << folderOf(entry.target);
    }
    for (const QString &folder : qAsConst(folders))
        syncFolder(folder);
    discard(entries, record);
}

void StagedFileSet::discard(const QVector<Entry> &entries, StagedSetRecord &record)
{
    for (const Entry &entry : entries) {
        if (!entry.placed && isOwnStaged(entry) && QFile::remove(entry.staged))
            stepDone();
        if (removeWorkFile(entry.earlier))
            stepDone();
    }
    // Last, so that a repair cut off in turn still finds the set.
    removeRecord(record);
}

void StagedFileSet::finish(const QVector<Entry> &entries, StagedSetRecord &record)
{
    for (const Entry &entry : entries) {
        // A second name of placed content, where a file system without the
        // kernel's guard against replacing was cut off between two steps.
        if (isOwnStaged(entry) && QFile::remove(entry.staged))
            stepDone();
        if (entry.kept && removeWorkFile(entry.earlier))
            stepDone();
    }
    removeRecord(record);
}

bool StagedFileSet::isOwnStaged(const Entry &entry)
{
    return shows(statusOf(entry.staged), entry.stagedIdentity);
}

void StagedFileSet::recover(const QStringList &folders)
{
    Scope scope;
    for (const QString &folder : folders)
        scope.folders << cleanAbsolute(folder);
    scope.folders.removeDuplicates();
    recoverIn(scope.folders, scope);
}

void StagedFileSet::recoverFile(const QString &path)
{
    Scope scope;
    scope.onlyTarget = resolved(path);
    scope.folders << folderOf(cleanAbsolute(path)) << folderOf(scope.onlyTarget);
    scope.folders.removeDuplicates();
    recoverIn(scope.folders, scope);
}

void StagedFileSet::recoverIn(const QStringList &recordFolders, const Scope &scope)
{
    for (const QString &folder : recordFolders) {
        const QDir dir(folder);
        // Regular files only: a FIFO or a device of a record's name is
        // never opened.
        const QStringList names = dir.entryList({StagedSetRecord::namePrefix() + QLatin1Char('*')},
                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QString &name : names) {
            if (StagedSetRecord::isRecordName(name))
                settle(dir.filePath(name), scope);
        }
    }
}

// What a record says of its set.
struct StagedFileSet::RecordState {
    QVector<Entry> entries;
    bool hasCommit = false;
    bool hasUndo = false;
    QByteArray committed;   // a state for each entry: "o", "n" or "-"
    QByteArray undone;      // "1" where the entry was put in place, "0", "-"
};

// Only whole lines count: a line is written in full before what it
// announces is done. Reading stops at the first line that does not read as
// a record's or names a file outside the scope: the set is then left alone.
bool StagedFileSet::readRecord(StagedSetRecord &record, const Scope &scope, RecordState &state)
{
    for (const QByteArray &line : record.readLines()) {
        if (line.startsWith(FileLine) && !state.hasCommit) {
            const QList<QByteArray> fields = line.mid(FileLine.size()).split(' ');
            if (fields.size() != 3 || fields.at(1).isEmpty())
                return false;
            const QString target = QUrl::fromPercentEncoding(fields.at(0));
            const QString link = fields.at(2) == NoLink ? QString() : QUrl::fromPercentEncoding(fields.at(2));
            if (!isCleanAbsolute(target) || (!link.isEmpty() && !isCleanAbsolute(link)) || !scope.allows(target, link))
                return false;
            Entry entry = entryFor(target, record.tag());
            entry.link = link;
            entry.stagedIdentity = fields.at(1);
            state.entries << entry;
        } else if (line.startsWith(CommitLine) && !state.hasCommit) {
            state.committed = line.mid(CommitLine.size());
            state.hasCommit = true;
            if (state.committed.size() != state.entries.size() || !onlyOf(state.committed, "on-"))
                return false;
        } else if (line.startsWith(UndoLine) && state.hasCommit && !state.hasUndo) {
            state.undone = line.mid(UndoLine.size());
            state.hasUndo = true;
            if (state.undone.size() != state.entries.size() || !onlyOf(state.undone, "10-"))
                return false;
        } else {
            return false;
        }
    }
    for (int i = 0; state.hasCommit && i < state.entries.size(); ++i) {
        Entry &entry = state.entries[i];
        entry.dropped = state.committed.at(i) == '-';
        entry.kept = state.committed.at(i) == 'o';
        entry.placed = state.hasUndo && state.undone.at(i) == '1';
    }
    return true;
}

// A committed set is completed only where every file it has still to put
// in place is its own new content and every target it replaces is still
// the file it found there (or free, for a file that was new).
bool StagedFileSet::mayComplete(QVector<Entry> &entries)
{
    for (Entry &entry : entries) {
        if (entry.dropped)
            continue;
        const Status staged = statusOf(entry.staged);
        const Status target = statusOf(entry.target);
        entry.placed = staged.isMissing() || shows(target, entry.stagedIdentity);
        if (entry.placed)
            continue;
        if (!shows(staged, entry.stagedIdentity))
            return false;
        if (entry.kept) {
            const Status earlier = statusOf(entry.earlier);
            if (!earlier.isRegularFile() || !target.isRegularFile()
                || (target.identity.inode != earlier.identity.inode && !sameBytes(entry.target, entry.earlier)))
                return false;
        } else if (!target.isMissing()) {
            return false;
        }
    }
    return true;
}

// An undo that was cut off is repeated only where each target it has still
// to take back is the very file the set placed, with its earlier file
// there to put back; a target something else took the place of since is
// not the set's to touch, nor is the earlier file kept for it.
bool StagedFileSet::mayUndo(QVector<Entry> &entries)
{
    for (Entry &entry : entries) {
        if (entry.dropped || !entry.placed)
            continue;
        const bool own = shows(statusOf(entry.target), entry.stagedIdentity);
        const Status earlier = statusOf(entry.earlier);
        if (entry.kept && (own ? !earlier.isRegularFile() : !earlier.isMissing()))
            return false;
        entry.placed = own;
    }
    return true;
}

void StagedFileSet::settle(const QString &recordPath, const Scope &scope)
{
    StagedSetRecord record;
    RecordState state;
    if (!record.openExisting(recordPath) || !readRecord(record, scope, state))
        return;
    QVector<Entry> &entries = state.entries;
    // Cut off before the commit: the targets are untouched, and only the
    // set's own work files go.
    if (!state.hasCommit) {
        discard(entries, record);
        return;
    }
    if (state.hasUndo) {
        if (mayUndo(entries))
            takeBack(entries, record, true);
        return;
    }
    if (!mayComplete(entries))
        return;
    int failedAt = -1;
    if (placeAll(entries, &failedAt))
        finish(entries, record);
    else
        takeBack(entries, record, false);
}
