#ifndef STAGEDFILESET_H
#define STAGEDFILESET_H

#include <QByteArray>
#include <QString>
#include <QVector>

// Files that belong together, written aside first and put in place as one:
// either every target gets its new content, or every target stays exactly
// as it was and no new file remains.
//
//   StagedFileSet files;
//   for (const Output &out : outputs)
//       if (!files.stage(out.path, out.bytes))
//           return false;          // the set removes what it staged
//   return files.commit();
class StagedFileSet
{
public:
    StagedFileSet() = default;
    // Removes whatever was staged and not put in place.
    ~StagedFileSet();
    StagedFileSet(const StagedFileSet &) = delete;
    StagedFileSet &operator=(const StagedFileSet &) = delete;

    // Writes the bytes completely beside path (a link is followed to its
    // target). False when path is there but is no writable regular file, or
    // the write fails; nothing of this file stays staged then.
    bool stage(const QString &path, const QByteArray &bytes);

    // Puts every staged file in place. A file it replaces is moved aside
    // first and removed only once all of them are in place; on any failure
    // the earlier ones are taken back and the old files restored.
    bool commit();

private:
    struct Entry {
        QString target;
        QString staged;
        QString backup;     // the replaced file while the commit runs
        bool placed = false;
    };
    void rollBack();
    void discardStaged();

    QVector<Entry> entries;
};

#endif // STAGEDFILESET_H
