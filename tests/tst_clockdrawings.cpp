// Every series drawing that has an SVG source is built into its bitmap
// resource at the source's size, a size that fits the controls' coordinates.
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "SeriesPages.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsProxyWidget>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// A selector (mux) of a drawing: a four-cornered outline in the pale fill.
struct Mux {
    QPolygonF outline;
};

// The texts of a drawing by the box they take, and its muxes.
struct DrawingText {
    QString text;
    QRectF box;
};

void readDrawing(const QString &path, QVector<Mux> &muxes, QVector<DrawingText> &texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QStringList fontSizes{QStringLiteral("10")};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g"))
            fontSizes.removeLast();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("g")) {
            fontSizes << (a.hasAttribute("font-size") ? a.value("font-size").toString() : fontSizes.last());
        } else if (xml.name() == QLatin1String("polygon") && a.value("fill") == QLatin1String("rgb(232,241,249)")) {
            QPolygonF outline;
            for (const QString &point : a.value("points").toString().split(' ', QString::SkipEmptyParts)) {
                const QStringList xy = point.split(',');
                outline << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
            }
            if (outline.size() == 4)
                muxes << Mux{outline};
        } else if (xml.name() == QLatin1String("text")) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(qRound((a.hasAttribute("font-size") ? a.value("font-size").toString() : fontSizes.last()).toDouble()));
            font.setBold(a.value("font-weight") == QLatin1String("bold"));
            const QString anchor = a.value("text-anchor").toString();
            const double x = a.value("x").toDouble(), y = a.value("y").toDouble();
            const QString text = xml.readElementText();
            const QFontMetricsF metrics(font);
            const double width = metrics.horizontalAdvance(text);
            const double left = anchor == QLatin1String("end") ? x - width : anchor == QLatin1String("middle") ? x - width / 2 : x;
            texts << DrawingText{text, QRectF(left, y - metrics.ascent(), width, metrics.ascent() + metrics.descent())};
        }
    }
}

} // namespace

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

    // A caption of the drawing ends a little before the mux it names an
    // input of: run into the outline, "HICK/6" or "LICK" lost its last letter.
    void captionsClearTheMuxes_data() { drawingsLoadAtTheirSize_data(); }
    void captionsClearTheMuxes()
    {
        QFETCH(int, index);
        const QString source = SeriesPages::drawingSource(index);
        if (!QFile::exists(source))
            QSKIP("this series has no drawing yet");
        QVector<Mux> muxes;
        QVector<DrawingText> texts;
        readDrawing(source, muxes, texts);
        QVERIFY(!muxes.isEmpty() && !texts.isEmpty());
        QStringList touching;
        for (const DrawingText &text : texts) {
            for (const Mux &mux : muxes) {
                // A pixel's gap at least on the left and right; the glyphs'
                // own side bearings do the rest.
                if (mux.outline.boundingRect().intersects(text.box.adjusted(-1, 1, 1, -2)))
                    touching << QString("%1 at %2,%3").arg(text.text).arg(text.box.right()).arg(text.box.bottom());
            }
        }
        QVERIFY2(touching.isEmpty(), qPrintable(touching.join(", ")));
    }

    // A caption of the drawing keeps a pixel's gap to the combos of the
    // page: "PLLU" touched the pll_fu combo.
    void captionsClearTheCombos_data() { drawingsLoadAtTheirSize_data(); }
    void captionsClearTheCombos()
    {
        QFETCH(int, index);
        const QString source = SeriesPages::drawingSource(index);
        if (!QFile::exists(source))
            QSKIP("this series has no drawing yet");
        QVector<Mux> muxes;
        QVector<DrawingText> texts;
        readDrawing(source, muxes, texts);
        QScopedPointer<KytoMCUPLL> page(SeriesPages::createPage(KytoPLLConfig::seriesClassName(index)));
        QVERIFY(page);
        QStringList touching;
        for (CustomComboBox1 *combo : page->findChildren<CustomComboBox1 *>()) {
            const QGraphicsProxyWidget *holder = combo->parentWidget()->graphicsProxyWidget();
            if (!holder)
                continue;
            const QRectF box = holder->mapRectToScene(QRectF(combo->mapTo(combo->parentWidget(), QPoint(0, 0)), combo->size()));
            for (const DrawingText &text : texts) {
                if (box.intersects(text.box.adjusted(-1, -1, 1, 1)))
                    touching << QString("%1 and %2").arg(text.text, combo->objectName());
            }
        }
        QVERIFY2(touching.isEmpty(), qPrintable(touching.join(", ")));
    }
};

QTEST_MAIN(TestClockDrawings)
#include "tst_clockdrawings.moc"
