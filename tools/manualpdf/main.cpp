// Renders one manual page (HTML) into a PDF with Qt's own text layout, so the
// build needs no office suite or converter.
// Usage: manualpdf input.html output.pdf
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: manualpdf input.html output.pdf\n");
        return 2;
    }

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "manualpdf: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    source.close();

    QPdfWriter writer(args.at(2));
    writer.setCreator(QStringLiteral("Kyto Tessaly"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));

    QTextDocument document;
    document.setHtml(html);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    // print() paginates by the writer's page size; page numbers go at the foot.
    document.print(&writer);

    if (!QFileInfo(args.at(2)).size()) {
        std::fprintf(stderr, "manualpdf: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
