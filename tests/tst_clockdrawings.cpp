// Every series drawing that has an SVG source is built into its bitmap
// resource at the source's size, a size that fits the controls' coordinates.
#include "KytoMCUPLL.h"
#include "SeriesPages.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QXmlStreamReader>
#include <QtTest>

class TestClockDrawings : public QObject
{
    Q_OBJECT
private slots:
    void drawingsLoadAtTheirSize_data()
    {
        QTest::addColumn<int>("index");
        const QList<int> indices = {2, 4, 5, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30};
        for (int index : indices)
            QTest::newRow(qPrintable(QString("%1 %2").arg(index).arg(KytoMCUPLL::bitmapResource(index)))) << index;
    }
    void drawingsLoadAtTheirSize()
    {
        QFETCH(int, index);
        const QString resource = KytoMCUPLL::bitmapResource(index);
        const QString source = SeriesPages::drawingSource(index);
        if (!QFile::exists(source))
            QSKIP("this series has no drawing yet");
        const QSize expected = SeriesPages::declaredDrawingSize(index);
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
