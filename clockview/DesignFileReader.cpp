#include "DesignFileReader.h"

#include "BoundedXmlReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {

const DesignFileReader *innermostReader = nullptr;

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

DesignFileReader::DesignFileReader(const QString &path)
    : absolutePath(absolute(path))
    , keys(parse(path))
    , outer(innermostReader)
{
    innermostReader = this;
}

DesignFileReader::~DesignFileReader()
{
    // Readers live in nested scopes, so this one is the innermost.
    innermostReader = outer;
}

QHash<QString, QString> DesignFileReader::valuesOf(const QString &path)
{
    const QString wanted = absolute(path);
    for (const DesignFileReader *reader = innermostReader; reader; reader = reader->outer) {
        if (reader->absolutePath == wanted)
            return reader->keys;
    }
    return parse(path);
}

QHash<QString, QString> DesignFileReader::parse(const QString &path)
{
    // A device or a huge file would be read until memory runs out; a design
    // file is a few kilobytes.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maximumFileSize)
        return {};
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = input.read(maximumFileSize + 1);
    if (content.size() > maximumFileSize)
        return {};
    input.close();

    QHash<QString, QString> found;
    if (readKeys(content, found))
        return found;
    // A byte that is no UTF-8 (a comment written in a legacy code page, say)
    // is read as the replacement character, as designs were always read: the
    // file still opens, and a value holding one is invalid like any other.
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForMib(106)->toUnicode(content.constData(), content.size(), &state);
    if (state.invalidChars == 0 || !readKeys(text, found))
        return {};
    return found;
}

template <typename Content>
bool DesignFileReader::readKeys(const Content &content, QHash<QString, QString> &found)
{
    found.clear();
    BoundedXmlReader xml(content, maximumDepth, 2);
    while (xml.readNextElement()) {
        if (!xml.isStartElement() && xml.depth() == 2 && !found.contains(xml.name()))
            found.insert(xml.name(), xml.text());
    }
    return !xml.failed();
}
