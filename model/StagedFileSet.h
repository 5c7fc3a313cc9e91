#ifndef STAGEDFILESET_H
#define STAGEDFILESET_H

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QVector>

// Files that belong together, written aside first and put in place as one:
// either every target gets its new content, or every target stays exactly
// as it was and no file of the set remains.
//
//   StagedFileSet::recover({incDir, srcDir});   // what a killed run left
//   StagedFileSet files;
//   for (const Output &out : outputs)
//       if (!files.stage(out.path, out.bytes))
//           return false;          // the set removes what it staged
//   return files.commit();
//
// A target is only ever changed by renaming its new content over it, so at
// every moment its name holds the whole old or the whole new file.
//
// The set keeps a record, ".kytoclockconfig-set-1a2b3c4d" beside the first
// target as the caller named it (beside the file a link leads to where that
// folder takes no file), that lists every target before any of its
// work files exists and says when the set was committed. Work files sit
// beside each target (a link is followed) and carry the program's word and
// the set's tag: ".main.c.kytoclockconfig-new-1a2b3c4d" (the new content),
// ".main.c.kytoclockconfig-old-1a2b3c4d" (the earlier file, linked or copied
// before anything changes). A set that is cut off (a crash, a kill) is
// settled from its record alone: undone while it was not yet committed,
// completed once it was, undone if its own undo had begun. Nothing a record
// does not name is ever touched, and a record still in use by a running set
// (another instance of the program) is left to it.
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

    // Puts every staged file in place. On any failure the files already put
    // in place are taken back and the earlier ones restored.
    bool commit();

    // After stage() or commit() failed: the target that could not be
    // written (empty when the failure had nothing to do with one target).
    QString failedPath() const { return failed; }

    // Whether path can take new content: it is absent or a writable regular
    // file (a link counts as its target), in a folder that is writable.
    static bool isReplaceable(const QString &path);

    // Settles every set whose record is in one of these folders.
    static void recover(const QStringList &folders);
    // The same for the sets recorded beside path (or the file a link leads
    // to) that include it.
    static void recoverFile(const QString &path);

    // Called after every change a set makes on disk, so that a test can
    // end a process at each of them; null (the default) for none.
    using StepObserver = void (*)();
    static void setStepObserver(StepObserver observer);

private:
    struct Entry {
        QString path;       // as the caller named it
        QString target;     // the file that is replaced (a link followed)
        QString staged;     // the new content, until it is put in place
        QString earlier;    // the earlier file, while it may be needed
        bool dropped = false;   // listed, but its staging failed
        bool kept = false;      // earlier holds the file it replaces
        bool placed = false;    // the new content is in place
    };

    bool openRecord(const QString &folder);
    bool fail(const QString &path);

    static Entry entryFor(const QString &target, const QString &tag);
    static bool appendLine(QFile &record, const QByteArray &line);
    static void settle(const QString &recordPath, const QString &onlyTarget);
    static bool placeAll(QVector<Entry> &entries, int *failedAt);
    static void takeBack(QVector<Entry> &entries, QFile &record, bool logged);
    static void discard(const QVector<Entry> &entries, QFile &record);
    static void finish(const QVector<Entry> &entries, QFile &record);

    QVector<Entry> entries;
    QString tag;
    QFile record;
    QString failed;
};

#endif // STAGEDFILESET_H
