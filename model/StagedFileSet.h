#ifndef STAGEDFILESET_H
#define STAGEDFILESET_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Files that belong together, written aside first and put in place as one:
// either every target gets its new content, or every target stays exactly
// as it was and no new file remains.
//
//   StagedFileSet::recover({incDir, srcDir});   // what a killed run left
//   StagedFileSet files;
//   for (const Output &out : outputs)
//       if (!files.stage(out.path, out.bytes))
//           return false;          // the set removes what it staged
//   return files.commit();
//
// Everything a set keeps on disk while it works is hidden beside its target
// and carries one tag for the whole set: ".main.c.new-1a2b3c4d" (the new
// content), ".main.c.old-1a2b3c4d" (the file it replaces) or
// ".main.c.none-1a2b3c4d" (an empty mark: there was no such file). A set
// that is cut off (a crash, a kill) is completed or undone by recover():
// while any new content of a set is still staged, the set had not been put
// in place whole, and every target is restored; once none is, every target
// is new and only the earlier copies are left to remove.
class StagedFileSet
{
public:
    StagedFileSet() = default;
    // Removes whatever was staged and not put in place.
    ~StagedFileSet();
    StagedFileSet(const StagedFileSet &) = delete;
    StagedFileSet &operator=(const StagedFileSet &) = delete;

    // Writes the bytes completely beside path (a link is followed to its
    // target). False when path cannot be replaced (see isReplaceable) or
    // the write fails; nothing of this file stays staged then.
    bool stage(const QString &path, const QByteArray &bytes);

    // Puts every staged file in place. A file it replaces is moved aside
    // first and removed only once all of them are in place; on any failure
    // the earlier ones are taken back and the old files restored.
    bool commit();

    // After stage() or commit() failed: the target that could not be
    // written (empty when the failure had nothing to do with one target).
    QString failedPath() const { return failed; }

    // Whether path can take new content: it is absent or a writable regular
    // file (a link counts as its target), in a folder that is writable.
    static bool isReplaceable(const QString &path);

    // Completes or undoes every set a crash cut off in these folders, and
    // removes its hidden files. Sets that span folders need all of them.
    static void recover(const QStringList &folders);
    // The same for the sets of this one file only (a link is followed).
    static void recoverFile(const QString &path);

    // Called after every change a set makes on disk, so that a test can
    // end a process at each of them; null (the default) for none.
    using StepObserver = void (*)();
    static void setStepObserver(StepObserver observer);

private:
    struct Entry {
        QString target;
        QString staged;     // the new content, until it is put in place
        QString earlier;    // the replaced file or the mark that there was none
        bool replaced = false;  // earlier is the replaced file
    };

    static void recoverIn(const QStringList &folders, const QString &onlyName);
    static void rollBack(const QVector<Entry> &entries);
    bool fail(const QString &path);

    QVector<Entry> entries;
    QString tag;
    QString failed;
};

#endif // STAGEDFILESET_H
