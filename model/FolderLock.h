#ifndef FOLDERLOCK_H
#define FOLDERLOCK_H

#include <QString>

// An exclusive lock of a folder, held until release() or destruction. Sets
// of files written into one folder take it, so that a second set (another
// instance of the program) waits for the first instead of mixing with it.
class FolderLock
{
public:
    FolderLock() = default;
    ~FolderLock() { release(); }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    enum Result {
        Locked,
        Busy,          // another holder kept it for the whole wait
        Unsupported,   // the folder or its file system offers no lock
    };
    // Waits up to waitMs for another holder; waited tells whether it had to.
    Result lock(const QString &folder, int waitMs, bool *waited = nullptr);
    void release();

    // How long a set waits for another one; a test shortens it.
    static int defaultWaitMs();
    static void setDefaultWaitMs(int ms);

private:
    int handle = -1;
};

#endif // FOLDERLOCK_H
