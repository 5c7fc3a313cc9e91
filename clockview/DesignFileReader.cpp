#include "DesignFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

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

    // A stream reader, unlike a document parser, keeps no call per open
    // element, so deep nesting cannot exhaust the stack; the depth limit
    // ends such a file early all the same. Entity expansion is bounded by
    // the reader itself.
    QXmlStreamReader xml(content);
    // Element names are taken as written, prefix and all.
    xml.setNamespaceProcessing(false);
    QHash<QString, QString> found;
    QString key;
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maximumDepth)
                return {};
            if (depth == 2) {
                key = xml.qualifiedName().toString();
                text = QLatin1String("");
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2 && !found.contains(key))
                found.insert(key, text);
            --depth;
            break;
        case QXmlStreamReader::Characters:
            // Indentation between nested elements is no part of the value.
            if (depth >= 2 && !xml.isWhitespace())
                text += xml.text();
            break;
        case QXmlStreamReader::EntityReference:
            if (depth >= 2)
                text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return {};
    return found;
}
