#include "StagedFileSet.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

// A name beside path that nothing uses yet; empty when none was found.
QString freeNameBeside(const QString &path, const char *kind)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QStringLiteral("%1.%2-%3")
                                 .arg(path, QLatin1String(kind))
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
    return QString();
}

} // namespace

StagedFileSet::~StagedFileSet()
{
    discardStaged();
}

bool StagedFileSet::stage(const QString &path, const QByteArray &bytes)
{
    Entry entry;
    const QFileInfo link(path);
    entry.target = link.isSymLink() ? link.symLinkTarget() : path;
    const QFileInfo target(entry.target);
    if (target.exists() && (!target.isFile() || !target.isWritable()))
        return false;

    entry.staged = freeNameBeside(entry.target, "new");
    if (entry.staged.isEmpty())
        return false;
    // QSaveFile: the staged file appears only complete and synced, with the
    // permissions a new file gets.
    QSaveFile file(entry.staged);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The explicit flush reports a short write that commit() alone would
    // let pass; an uncommitted file is discarded with the object.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return false;
    if (target.exists() && !QFile::setPermissions(entry.staged, target.permissions())) {
        QFile::remove(entry.staged);
        return false;
    }
    entries << entry;
    return true;
}

bool StagedFileSet::commit()
{
    for (Entry &entry : entries) {
        // Moved aside rather than overwritten: a later failure puts it back.
        // Whatever took the place of a file since it was staged (a folder,
        // say) is left alone.
        const QFileInfo target(entry.target);
        if (target.exists()) {
            const QString backup = target.isFile() ? freeNameBeside(entry.target, "old") : QString();
            if (backup.isEmpty() || !QFile::rename(entry.target, backup)) {
                rollBack();
                return false;
            }
            entry.backup = backup;
        }
        if (!QFile::rename(entry.staged, entry.target)) {
            rollBack();
            return false;
        }
        entry.placed = true;
    }
    for (const Entry &entry : qAsConst(entries)) {
        if (!entry.backup.isEmpty())
            QFile::remove(entry.backup);
    }
    entries.clear();
    return true;
}

void StagedFileSet::rollBack()
{
    for (int i = entries.size() - 1; i >= 0; --i) {
        Entry &entry = entries[i];
        if (entry.placed) {
            QFile::remove(entry.target);
            entry.placed = false;
        }
        if (!entry.backup.isEmpty() && QFile::rename(entry.backup, entry.target))
            entry.backup.clear();
    }
    discardStaged();
}

void StagedFileSet::discardStaged()
{
    for (const Entry &entry : qAsConst(entries)) {
        if (!entry.placed)
            QFile::remove(entry.staged);
    }
    entries.clear();
}
