#ifndef UPDATEINDEX_H
#define UPDATEINDEX_H

#include <QPair>
#include <QString>
#include <QVector>

// One tool's entry in the update index the server sent, read once. In the
// first `group` element below the root, an entry is the tool's when one of
// its children has `toolName` as its text; its values are that child and the
// children after it, by element name. A file that cannot be opened, is not
// well-formed, is larger than maximumSize, nests deeper than maximumDepth or
// declares entities has no values at all.
class UpdateIndex
{
public:
    UpdateIndex(const QString &path, const QString &group, const QString &toolName);

    // "" when the entry or the key is missing; the first of two counts.
    QString value(const QString &key) const;

    // The index is a few hundred bytes and four levels deep.
    static constexpr qint64 maximumSize = 1024 * 1024;
    static constexpr int maximumDepth = 32;

private:
    // Name and text, in file order; a tool listed twice contributes both.
    QVector<QPair<QString, QString>> values;
};

#endif // UPDATEINDEX_H
