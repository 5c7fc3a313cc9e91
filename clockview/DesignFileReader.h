#ifndef DESIGNFILEREADER_H
#define DESIGNFILEREADER_H

#include <QHash>
#include <QString>

// The keys of one design file, read in one pass: for each direct child of
// the root element, its name and its text (the text of anything nested in
// it included; of two equal names the first counts). A file that is no
// regular file, is larger than maximumFileSize, is no well-formed XML,
// nests elements deeper than maximumDepth or declares entities (a design
// never needs one, and a few used often would expand without bound) has no
// keys at all, so Open
// refuses it before the open page is touched. A byte that is no UTF-8 in a
// file read as UTF-8 is read as U+FFFD, and the rest of the file still is.
//
// While a reader lives, every further read of the same file is answered
// from it: the container holds one through Open, so the page's load gets
// the keys the container read, without a second parse.
//
//   const DesignFileReader design(path);
//   const QString series = design.value(QStringLiteral("MCU"));
//   page->loadConfig(path);   // its keys come from design
class DesignFileReader
{
public:
    explicit DesignFileReader(const QString &path);
    ~DesignFileReader();
    DesignFileReader(const DesignFileReader &) = delete;
    DesignFileReader &operator=(const DesignFileReader &) = delete;

    // Null when the file has no such key.
    QString value(const QString &key) const { return keys.value(key); }
    const QHash<QString, QString> &values() const { return keys; }

    // The keys of the file: those of a live reader of it, else one parse.
    static QHash<QString, QString> valuesOf(const QString &path);

    static constexpr qint64 maximumFileSize = 1024 * 1024;
    // A design is two levels deep; the limit leaves room for hand-made
    // additions and bounds what a crafted file can make anyone walk.
    static constexpr int maximumDepth = 256;

private:
    static QHash<QString, QString> parse(const QString &path);
    // False when the content is no well-formed XML, nests too deep or
    // declares entities.
    template <typename Content>
    static bool readKeys(const Content &content, QHash<QString, QString> &found);

    QString absolutePath;
    QHash<QString, QString> keys;
    // The reader that was live before this one (Open inside Open is not
    // expected, but costs nothing to allow).
    const DesignFileReader *outer;
};

#endif // DESIGNFILEREADER_H
