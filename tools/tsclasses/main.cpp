// Copies the messages of a page family's catalogue into the context of each
// of its page classes. A family marks its texts once, with one context
// (QT_TRANSLATE_NOOP("KytoMultiplierPLL", ...)), so lupdate keeps them; the
// pages translate in their own class's context, which this tool fills.
//
// Usage: tsclasses classes-file output.ts input.ts...
//   classes-file  one class name per line; blank lines and lines starting
//                 with '#' are skipped
//   input.ts      the catalogue parts whose messages every class gets (the
//                 page kit's and the family's); obsolete and vanished
//                 entries are left out, the first entry of a source wins
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

struct Message {
    QString source;
    QString comment;
    QString translation;
    QString type;   // "" or "unfinished"
};

bool readClasses(const QString &path, QStringList &classes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            classes << line;
    }
    return !classes.isEmpty();
}

bool readMessages(const QString &path, QString &language, QVector<Message> &messages)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            if (language.isEmpty())
                language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("message")) {
            current = Message();
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = xml.readElementText();
            if (current.type != QLatin1String("obsolete") && current.type != QLatin1String("vanished"))
                messages << current;
        }
    }
    return !xml.hasError();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: tsclasses classes-file output.ts input.ts...\n");
        return 2;
    }
    QStringList classes;
    if (!readClasses(args.at(1), classes)) {
        std::fprintf(stderr, "tsclasses: no class names in %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QString language;
    QVector<Message> all;
    for (int i = 3; i < args.size(); ++i) {
        if (!readMessages(args.at(i), language, all)) {
            std::fprintf(stderr, "tsclasses: cannot read %s\n", qPrintable(args.at(i)));
            return 1;
        }
    }
    QVector<Message> messages;
    QSet<QString> seen;
    for (const Message &m : all) {
        const QString key = m.source + QChar(0) + m.comment;
        if (!seen.contains(key)) {
            seen.insert(key);
            messages << m;
        }
    }

    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "tsclasses: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (!language.isEmpty())
        xml.writeAttribute(QStringLiteral("language"), language);
    for (const QString &cls : classes) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), cls);
        for (const Message &m : messages) {
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), m.source);
            if (!m.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), m.comment);
            xml.writeStartElement(QStringLiteral("translation"));
            if (!m.type.isEmpty())
                xml.writeAttribute(QStringLiteral("type"), m.type);
            xml.writeCharacters(m.translation);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return xml.hasError() || !out.commit() ? 1 : 0;
}
