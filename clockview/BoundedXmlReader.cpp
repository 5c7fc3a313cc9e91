#include "BoundedXmlReader.h"

#include <QFile>
#include <QFileInfo>

BoundedXmlReader::BoundedXmlReader(const QString &path, qint64 maximumSize, int maximumDepth, int textDepth)
    : maximumDepth(maximumDepth)
    , textDepth(textDepth)
{
    // A device or a huge file would be read until memory runs out.
    const QFileInfo info(path);
    QFile input(path);
    if (!info.isFile() || info.size() > maximumSize || !input.open(QIODevice::ReadOnly)) {
        refused = true;
        return;
    }
    const QByteArray content = input.read(maximumSize + 1);
    if (content.size() > maximumSize) {
        refused = true;
        return;
    }
    xml.addData(content);
    // Element names are taken as written.
    xml.setNamespaceProcessing(false);
}

BoundedXmlReader::BoundedXmlReader(const QByteArray &content, int maximumDepth, int textDepth)
    : maximumDepth(maximumDepth)
    , textDepth(textDepth)
{
    xml.addData(content);
    xml.setNamespaceProcessing(false);
}

BoundedXmlReader::BoundedXmlReader(const QString &content, int maximumDepth, int textDepth)
    : maximumDepth(maximumDepth)
    , textDepth(textDepth)
{
    xml.addData(content);
    xml.setNamespaceProcessing(false);
}

bool BoundedXmlReader::readNextElement()
{
    if (failed())
        return false;
    if (leaving) {
        leaving = false;
        --currentDepth;
    }
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Qt bounds what one entity expands to, not how often it is
            // used, and joins all of a text's expansions before reporting
            // any: a few kilobytes referenced from a 1 MiB file would be
            // gigabytes before a check could see them. Nothing read here
            // needs entities, so a document that declares one is refused.
            if (!xml.entityDeclarations().isEmpty()) {
                refused = true;
                return false;
            }
            break;
        case QXmlStreamReader::StartElement:
            if (++currentDepth > maximumDepth) {
                refused = true;
                return false;
            }
            if (currentDepth == textDepth)
                collected = QLatin1String("");
            atStart = true;
            return true;
        case QXmlStreamReader::EndElement:
            atStart = false;
            leaving = true;
            return true;
        case QXmlStreamReader::Characters:
            if (currentDepth >= textDepth && !xml.isWhitespace())
                collected += xml.text();
            break;
        case QXmlStreamReader::EntityReference:
            if (currentDepth >= textDepth)
                collected += xml.text();
            break;
        default:
            break;
        }
    }
    return false;
}
