#include "StagedFileSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

StagedFileSet::StepObserver stepObserver = nullptr;

void stepDone()
{
    if (stepObserver)
        stepObserver();
}

const QString NewKind = QStringLiteral("new");
const QString OldKind = QStringLiteral("old");
const QString NoneKind = QStringLiteral("none");

QString hiddenName(const QString &target, const QString &kind, const QString &tag)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + kind + QLatin1Char('-') + tag;
}

// A link is followed to the file it names, which is what gets replaced.
QString resolved(const QString &path)
{
    const QFileInfo link(path);
    return link.isSymLink() ? link.symLinkTarget() : path;
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

} // namespace

StagedFileSet::~StagedFileSet()
{
    rollBack(entries);
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

bool StagedFileSet::stage(const QString &path, const QByteArray &bytes)
{
    failed.clear();
    if (!isReplaceable(path))
        return fail(path);
    if (tag.isEmpty())
        tag = QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    Entry entry;
    entry.target = resolved(path);
    entry.staged = hiddenName(entry.target, NewKind, tag);
    // NewOnly: a name that is taken is never written over.
    QFile file(entry.staged);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(path);
    stepDone();
    bool written = writeAndSync(file, bytes);
    file.close();
    const QFileInfo target(entry.target);
    if (written && target.exists())
        written = QFile::setPermissions(entry.staged, target.permissions());
    if (!written) {
        QFile::remove(entry.staged);
        return fail(path);
    }
    entries << entry;
    stepDone();
    return true;
}

bool StagedFileSet::commit()
{
    failed.clear();
    for (Entry &entry : entries) {
        // Moved aside rather than overwritten: a later failure puts it back.
        // Whatever took the place of a file since it was staged (a folder,
        // say) is left alone.
        const QFileInfo target(entry.target);
        bool aside = false;
        if (target.exists()) {
            entry.earlier = hiddenName(entry.target, OldKind, tag);
            entry.replaced = true;
            aside = target.isFile() && QFile::rename(entry.target, entry.earlier);
        } else {
            entry.earlier = hiddenName(entry.target, NoneKind, tag);
            QFile mark(entry.earlier);
            aside = mark.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        }
        if (!aside)
            entry.earlier.clear();
        else
            stepDone();
        if (!aside || !QFile::rename(entry.staged, entry.target)) {
            const QString target = entry.target;
            rollBack(entries);
            entries.clear();
            return fail(target);
        }
        stepDone();
    }
    for (const Entry &entry : qAsConst(entries)) {
        QFile::remove(entry.earlier);
        stepDone();
    }
    entries.clear();
    return true;
}

void StagedFileSet::rollBack(const QVector<Entry> &entries)
{
    for (const Entry &entry : entries) {
        if (entry.earlier.isEmpty())
            continue;
        // Put in place exactly when the new content is no longer staged.
        if (!QFileInfo::exists(entry.staged))
            QFile::remove(entry.target);
        if (entry.replaced)
            QFile::rename(entry.earlier, entry.target);
        else
            QFile::remove(entry.earlier);
    }
    // Last, so that a recovery cut off in turn still finds the set unplaced.
    for (const Entry &entry : entries)
        QFile::remove(entry.staged);
}

void StagedFileSet::recover(const QStringList &folders)
{
    recoverIn(folders, QString());
}

void StagedFileSet::recoverFile(const QString &path)
{
    const QFileInfo target(resolved(path));
    recoverIn({target.path()}, target.fileName());
}

void StagedFileSet::recoverIn(const QStringList &folders, const QString &onlyName)
{
    static const QRegularExpression ownName(QStringLiteral("^\\.(.+)\\.(new|old|none)-([0-9a-f]{8})$"));
    // Tag, then target: the entries of each set found.
    QMap<QString, QMap<QString, Entry>> sets;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QRegularExpressionMatch match = ownName.match(name);
            if (!match.hasMatch() || (!onlyName.isEmpty() && match.captured(1) != onlyName))
                continue;
            Entry &entry = sets[match.captured(3)][dir.filePath(match.captured(1))];
            entry.target = dir.filePath(match.captured(1));
            const QString kind = match.captured(2);
            if (kind == NewKind) {
                entry.staged = dir.filePath(name);
            } else {
                entry.earlier = dir.filePath(name);
                entry.replaced = kind == OldKind;
            }
        }
    }
    for (const QMap<QString, Entry> &set : qAsConst(sets)) {
        const QVector<Entry> found = set.values().toVector();
        const bool placedWhole = std::none_of(found.begin(), found.end(), [](const Entry &entry) {
            return !entry.staged.isEmpty();
        });
        if (!placedWhole) {
            rollBack(found);
            continue;
        }
        for (const Entry &entry : found)
            QFile::remove(entry.earlier);
    }
}
