#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include <QString>
#include <QXmlStreamReader>

// Walks the elements of an XML file that comes from outside the program at a
// cost its caller bounds, whatever the file's shape: the file is read only up
// to maximumSize, elements may nest maximumDepth deep, and a document that
// declares entities is refused (see the constructor). The stream reader keeps
// no call per open element, so deep nesting cannot exhaust the stack.
//
//   BoundedXmlReader xml(path, 1024 * 1024, 32, 2);
//   while (xml.readNextElement()) {
//       if (!xml.isStartElement() && xml.depth() == 2)
//           keys.insert(xml.name(), xml.text());
//   }
//   if (xml.failed())
//       keys.clear();
class BoundedXmlReader
{
public:
    // Elements at `textDepth` (the root is 1) collect their text.
    BoundedXmlReader(const QString &path, qint64 maximumSize, int maximumDepth, int textDepth);
    // Content already read (and size-checked) by the caller.
    BoundedXmlReader(const QByteArray &content, int maximumDepth, int textDepth);
    BoundedXmlReader(const QString &content, int maximumDepth, int textDepth);

    // Moves to the next start or end of an element. False at the end of the
    // document and at the first fault, which failed() then tells.
    bool readNextElement();
    bool isStartElement() const { return atStart; }
    // Of the element just started or ended.
    int depth() const { return currentDepth; }
    // As written, prefix and all.
    QString name() const { return xml.qualifiedName().toString(); }
    // At the end of an element at the text depth: its text and that of
    // anything nested in it, leaving out pieces that are only whitespace
    // (the indentation between nested elements). Empty, not null, when none.
    const QString &text() const { return collected; }

    // The file could not be read, is larger than the limit, is not
    // well-formed XML, nests too deep or declares entities. What was walked
    // before the fault is not to be used.
    bool failed() const { return refused || xml.hasError(); }

private:
    QXmlStreamReader xml;
    const int maximumDepth;
    const int textDepth;
    int currentDepth = 0;
    bool atStart = false;
    bool leaving = false;   // the last element reported was an end
    bool refused = false;
    QString collected;
};

#endif // BOUNDEDXMLREADER_H
