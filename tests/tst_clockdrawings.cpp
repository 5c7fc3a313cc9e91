// Every series drawing that has an SVG source is built into its bitmap
// resource at the source's size, a size that fits the controls' coordinates.
#include "KytoMCUPLL.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The width and height the SVG declares for itself (in pixels).
QSize declaredSize(const QString &svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg")) {
            auto number = [&](const char *name) {
                QString value = xml.attributes().value(QLatin1String(name)).toString().trimmed();
                if (value.endsWith(QLatin1String("px")))
                    value.chop(2);
                return qRound(value.toDouble());
            };
            return QSize(number("width"), number("height"));
        }
    }
    return QSize();
}

} // namespace

class TestClockDrawings : public QObject
{
    Q_OBJECT
private slots:
    void drawingsLoadAtTheirSize_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("source");
        const QList<int> indices = {2, 4, 5, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30};
        for (int index : indices) {
            const QString resource = KytoMCUPLL::bitmapResource(index);
            QString drawing = QFileInfo(resource).completeBaseName();
            // One picture serves both series: the build aliases it.
            if (drawing == QLatin1String("920PLL"))
                drawing = QStringLiteral("910PLL");
            const QString source = QStringLiteral(KYTO_SOURCE_DIR "/image/drawings/") + drawing + QStringLiteral(".svg");
            QTest::newRow(qPrintable(QString("%1 %2").arg(index).arg(resource))) << resource << source;
        }
    }
    void drawingsLoadAtTheirSize()
    {
        QFETCH(QString, resource);
        QFETCH(QString, source);
        if (!QFile::exists(source))
            QSKIP("this series has no drawing yet");
        const QSize expected = declaredSize(source);
        QVERIFY2(expected.width() >= 1404 && expected.width() <= 1408
                     && expected.height() >= 828 && expected.height() <= 833,
                 qPrintable(QString("%1 declares %2 x %3").arg(source).arg(expected.width()).arg(expected.height())));
        const QPixmap pixmap(resource);
        QVERIFY2(!pixmap.isNull(), qPrintable(resource));
        QCOMPARE(pixmap.size(), expected);
    }
};

QTEST_MAIN(TestClockDrawings)
#include "tst_clockdrawings.moc"
