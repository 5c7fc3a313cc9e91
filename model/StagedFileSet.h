#ifndef STAGEDFILESET_H
#define STAGEDFILESET_H

#include "FolderLock.h"
#include "StagedSetRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Files that belong together, written aside first and put in place as one:
// either every target gets its new content, or every target stays exactly
// as it was and no file of the set remains.
//
//   StagedFileSet::recover({incDir, srcDir});   // what a killed run left
//   StagedFileSet files({srcDir, incDir});
//   for (const Output &out : outputs)
//       if (!files.stage(out.path, out.bytes))
//           return false;          // the set removes what it staged
//   return files.commit();
//
// A target is only ever changed by renaming its new content over it, so at
// every moment its name holds the whole old or the whole new file.
//
// The set keeps a record (see StagedSetRecord) in the first of the record
// folders that takes a file, or, without them, beside the first target as
// the caller named it (beside the file a link leads to where that folder
// takes no file). It lists every target, with the identity of its new
// content, before that content has a name, and says when the set was
// committed. Work files sit beside each target (a link is followed) and
// carry the program's word and the set's tag:
// ".main.c.kytoclockconfig-new-1a2b3c4d" (the new content),
// ".main.c.kytoclockconfig-old-1a2b3c4d" (the earlier file, linked or copied
// before anything changes).
//
// A set that is cut off (a crash, a kill) is settled by the next repair of
// its folders: undone while it was not yet committed, completed once it
// was, undone if its own undo had begun. The repair acts only on what the
// file system shows the set itself left there: a record that is provably
// the program's own (see StagedSetRecord), targets in the folders being
// repaired or reached through a link standing in them, new content that
// still shows the identity noted for it, and a target that is still the
// file the set found or placed there. Wherever that cannot be shown, the
// set is left exactly as it is, its record included; and a record still in
// use by a running set (another instance of the program) is left to it.
class StagedFileSet
{
public:
    explicit StagedFileSet(const QStringList &recordFolders = QStringList());
    // Removes whatever was staged and not put in place.
    ~StagedFileSet();
    StagedFileSet(const StagedFileSet &) = delete;
    StagedFileSet &operator=(const StagedFileSet &) = delete;

    // Writes the bytes completely beside path (a link is followed to its
    // target). False when path cannot be replaced (see isReplaceable), the
    // write fails, or another set in the record's folder kept running for
    // the whole wait; nothing of this file stays staged then.
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

    // Settles every set whose record is in one of these folders and whose
    // targets all lie in them or are reached through links standing in them.
    static void recover(const QStringList &folders);
    // The same for the sets of path alone, recorded beside path or beside
    // the file its link leads to.
    static void recoverFile(const QString &path);

    // Called after every change a set makes on disk, so that a test can
    // end a process at each of them; null (the default) for none.
    using StepObserver = void (*)();
    static void setStepObserver(StepObserver observer);

private:
    struct Entry {
        QString path;       // as the caller named it
        QString link;       // the caller's name where it is a link, else empty
        QString target;     // the file that is replaced (a link followed)
        QString staged;     // the new content, until it is put in place
        QString earlier;    // the earlier file, while it may be needed
        QByteArray stagedIdentity;   // of the new content, as noted in the record
        bool dropped = false;   // listed, but its staging failed
        bool kept = false;      // earlier holds the file it replaces
        bool placed = false;    // the new content is in place
    };
    struct Scope;
    struct RecordState;

    bool openRecord(const QString &path, const QString &target);
    bool writeStaged(Entry &entry, const QByteArray &bytes);
    bool fail(const QString &path);

    static Entry entryFor(const QString &target, const QString &tag);
    static bool appendLine(StagedSetRecord &record, const QByteArray &line);
    static void recoverIn(const QStringList &recordFolders, const Scope &scope);
    static void settle(const QString &recordPath, const Scope &scope);
    static bool readRecord(StagedSetRecord &record, const Scope &scope, RecordState &state);
    static bool isOwnStaged(const Entry &entry);
    static bool mayComplete(QVector<Entry> &entries);
    static bool mayUndo(QVector<Entry> &entries);
    static bool placeAll(QVector<Entry> &entries, int *failedAt);
    static void takeBack(QVector<Entry> &entries, StagedSetRecord &record, bool logged);
    static void discard(const QVector<Entry> &entries, StagedSetRecord &record);
    static void finish(const QVector<Entry> &entries, StagedSetRecord &record);
    static void removeRecord(StagedSetRecord &record);

    QStringList recordFolders;
    QVector<Entry> entries;
    StagedSetRecord record;
    FolderLock folderLock;
    QString failed;
};

#endif // STAGEDFILESET_H
