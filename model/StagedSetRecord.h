#ifndef STAGEDSETRECORD_H
#define STAGEDSETRECORD_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// The record of one staged file set, ".kytoclockconfig-set-1a2b3c4d": a
// text file whose first line names the record's own identity on the disk.
// A copy, an archive or a link of it shows another identity, so only a
// record this program made where it lies is ever taken up again. While a
// set runs, its record stays locked.
class StagedSetRecord
{
public:
    // Creates a record with a fresh tag in folder, locked, whose first line
    // is on the disk before its name appears (where the file system allows
    // a file to be named after it is written).
    bool create(const QString &folder);

    // Opens the record at path only where the file system shows it to be
    // one this program made: a regular file of the user's with one name,
    // that nobody holds locked and whose first line names its identity.
    // Anything else is left as it is, unread beyond that line.
    bool openExisting(const QString &path);

    bool isOpen() const { return file.isOpen(); }
    QString tag() const { return recordTag; }
    QString fileName() const { return recordPath; }

    // The whole lines after the first; a last line cut short is not one.
    QList<QByteArray> readLines();
    // Appends a whole line (after a line cut short, if any) and waits
    // until it is on the disk.
    bool append(const QByteArray &line);
    // Unlinked while still open and locked, so that no repair can take it
    // up in between; closes it.
    bool remove();
    void close() { file.close(); }

    // ".kytoclockconfig-set-"
    static QString namePrefix();
    // Whether fileName is a record's name; its tag if so.
    static bool isRecordName(const QString &fileName, QString *tag = nullptr);
    // The program's own word, carried by every file of a set.
    static QString ownWord();

private:
    QByteArray firstLine() const;
    bool openNamed(const QString &folder);

    QFile file;
    QString recordTag;
    QString recordPath;
    qint64 wholeLinesEnd = 0;
};

#endif // STAGEDSETRECORD_H
