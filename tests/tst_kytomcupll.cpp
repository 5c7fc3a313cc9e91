// The series page base: the design-key reader, the control factories and
// the drawing chosen by series index.
#include "CustomComboBox1.h"
#include "CustomListView.h"
#include "DesignFileReader.h"
#include "KytoMCUPLL.h"
#include "PinGraphicsView.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(KYTO_FIXTURES_DIR "/readconfig/") + name;
}

// The proxy that carries a factory-made control: control -> holder -> proxy.
QGraphicsProxyWidget *proxyOf(QWidget *control)
{
    return control->parentWidget()->graphicsProxyWidget();
}

QGraphicsPixmapItem *drawingOf(const KytoMCUPLL &page)
{
    for (QGraphicsItem *item : page.scene->items()) {
        if (auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item))
            return pixmap;
    }
    return nullptr;
}

} // namespace

class TestKytoMCUPLL : public QObject
{
    Q_OBJECT
private slots:
    void readConfigValue_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("series name") << fixture("design.ZKCF") << "MCU" << "KytoR620";
        QTest::newRow("first of two equal tags") << fixture("design.ZKCF") << "hext" << "8";
        QTest::newRow("attributes ignored") << fixture("design.ZKCF") << "apb1div" << "2";
        QTest::newRow("nested element not found") << fixture("design.ZKCF") << "pllmult" << "";
        QTest::newRow("key is case-sensitive") << fixture("design.ZKCF") << "mcu" << "";
        QTest::newRow("empty element") << fixture("design.ZKCF") << "ahbdiv" << "";
        QTest::newRow("missing key") << fixture("design.ZKCF") << "usbdiv" << "";
        QTest::newRow("no such file") << fixture("absent.ZKCF") << "MCU" << "";
        QTest::newRow("a folder") << QStringLiteral(KYTO_FIXTURES_DIR "/readconfig") << "MCU" << "";
        QTest::newRow("not XML") << fixture("notxml.ZKCF") << "MCU" << "";
        QTest::newRow("truncated XML") << fixture("truncated.ZKCF") << "MCU" << "";
    }
    void readConfigValue()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString value = KytoMCUPLL::readConfigValue(file, key);
        QCOMPARE(value, expected);
        QVERIFY(!value.isNull() || expected.isEmpty());
    }

    // Nesting is read up to the limit and refused beyond it, at any depth
    // without running out of stack.
    void nestingLimit_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("expected");
        QTest::newRow("at the limit") << DesignFileReader::maximumDepth << "KytoR620";
        QTest::newRow("one deeper") << DesignFileReader::maximumDepth + 1 << "";
        QTest::newRow("25,000 deep") << 25000 << "";
    }
    void nestingLimit()
    {
        QFETCH(int, depth);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("nested.ZKCF");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // The root is the first level.
        file.write("<Configuration><MCU>KytoR620</MCU>" + QByteArray("<a>").repeated(depth - 1)
                   + QByteArray("</a>").repeated(depth - 1) + "</Configuration>");
        file.close();
        QCOMPARE(KytoMCUPLL::readConfigValue(path, "MCU"), expected);
    }

    // While a reader of a file lives, every read of that file comes from it:
    // the container's reading serves the page's load, with no second parse.
    void liveReaderAnswersForItsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("design.ZKCF");
        auto write = [&](const QByteArray &mcu) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("<Configuration><MCU>" + mcu + "</MCU><hext>8</hext></Configuration>");
        };
        write("KytoR620");
        {
            const DesignFileReader design(path);
            QCOMPARE(design.value("MCU"), QString("KytoR620"));
            write("KytoR710");
            QCOMPARE(KytoMCUPLL::readConfigValue(path, "MCU"), QString("KytoR620"));
            const QString cwd = QDir::currentPath();
            QDir::setCurrent(dir.path());
            const QString relative = KytoMCUPLL::readConfigValues("design.ZKCF").value("MCU");
            QDir::setCurrent(cwd);
            QCOMPARE(relative, QString("KytoR620"));
            QCOMPARE(KytoMCUPLL::readConfigValue(fixture("design.ZKCF"), "MCU"), QString("KytoR620"));
        }
        QCOMPARE(KytoMCUPLL::readConfigValue(path, "MCU"), QString("KytoR710"));
    }

    void constructionBuildsSceneViewAndModel()
    {
        QWidget container;
        KytoMCUPLL page(2, &container);
        QVERIFY(page.model);
        QVERIFY(!page.hextEnabled);
        QCOMPARE(page.view->scene(), page.scene);
        QCOMPARE(page.view->parentWidget(), static_cast<QWidget *>(&page));
        QCOMPARE(page.scene->backgroundBrush().color(), QColor(Qt::white));
        QVERIFY(drawingOf(page));
        QCOMPARE(drawingOf(page)->pos(), QPointF(0, 0));
        QCOMPARE(drawingOf(page)->transformationMode(), Qt::SmoothTransformation);
    }

    void drawingChosenBySeriesIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("resource");
        QTest::newRow("R620") << 2 << ":/image/620PLL.bmp";
        QTest::newRow("E105") << 16 << ":/image/E105PLL.bmp";
        QTest::newRow("D515") << 25 << ":/image/D515_525PLL.bmp";
        QTest::newRow("D525 shares D515's drawing") << 26 << ":/image/D515_525PLL.bmp";
        QTest::newRow("R960") << 30 << ":/image/960PLL.bmp";
        QTest::newRow("no series 3") << 3 << "";
        QTest::newRow("no series 27") << 27 << "";
    }
    void drawingChosenBySeriesIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, resource);
        QCOMPARE(KytoMCUPLL::bitmapResource(index), resource);
        KytoMCUPLL page(index, nullptr);
        page.showDrawing();
        const QPixmap expected = resource.isEmpty() ? QPixmap() : QPixmap(resource);
        QCOMPARE(drawingOf(page)->pixmap().size(), expected.size());
    }

    // The drawing decodes in the background while the page is built: a page
    // polished before anyone asked for its drawing shows it, pixel for pixel
    // the resource, and a page dropped before that waits for its decode.
    void drawingDecodedInBackground()
    {
        QPixmapCache::clear();
        { KytoMCUPLL dropped(4, nullptr); }
        QPixmapCache::clear();
        KytoMCUPLL page(2, nullptr);
        page.ensurePolished();
        const QImage shown = drawingOf(page)->pixmap().toImage();
        const QImage expected = QImage(KytoMCUPLL::bitmapResource(2)).convertToFormat(shown.format());
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, expected);
    }

    // Switching among series keeps the recent drawings decoded: after two
    // other series, the first one's drawing is the same pixmap again.
    void recentDrawingsStayDecoded()
    {
        auto drawingKey = [](int index) {
            KytoMCUPLL page(index, nullptr);
            page.showDrawing();
            return drawingOf(page)->pixmap().cacheKey();
        };
        const qint64 first = drawingKey(2);
        drawingKey(4);
        drawingKey(7);
        QCOMPARE(drawingKey(2), first);
    }

    void factoriesPlaceControls()
    {
        KytoMCUPLL page(2, nullptr);

        QGraphicsProxyWidget *comboProxy = nullptr;
        CustomComboBox1 *combo = page.addComboBoxWithProxy(300, 120, 70, 3, &comboProxy);
        QCOMPARE(proxyOf(combo), comboProxy);
        QCOMPARE(comboProxy->pos(), QPointF(300, 120));
        QCOMPARE(comboProxy->zValue(), 3.0);
        QCOMPARE(combo->width(), 70);
        QCOMPARE(combo->minimumWidth(), 70);
        QCOMPARE(combo->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(combo->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(combo->font().family(), QString("Arial"));
        QCOMPARE(combo->font().pointSize(), 10);

        QLineEdit *edit = page.addLineEdit("8.000", 40, 50, 55);
        QCOMPARE(proxyOf(edit)->pos(), QPointF(40, 50));
        QCOMPARE(proxyOf(edit)->zValue(), 0.0);
        QCOMPARE(edit->text(), QString("8.000"));
        QCOMPARE(edit->maximumWidth(), 55);
        QCOMPARE(edit->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);

        QGraphicsProxyWidget *editProxy = nullptr;
        QLineEdit *proxiedEdit = page.addLineEditWithProxy("", 41, 51, &editProxy);
        QCOMPARE(proxyOf(proxiedEdit), editProxy);
        QCOMPARE(proxiedEdit->maximumWidth(), 60);

        QGraphicsProxyWidget *labelProxy = nullptr;
        QLabel *label = page.addLabelWithProxy("HEXT", 10, 20, 12, 75, &labelProxy);
        QCOMPARE(proxyOf(label), labelProxy);
        QCOMPARE(labelProxy->pos(), QPointF(10, 20));
        QCOMPARE(label->font().pointSize(), 12);
        QCOMPARE(label->font().weight(), 75);

        QRadioButton *radio = page.addRadioButton(500, 600);
        QCOMPARE(proxyOf(radio)->pos(), QPointF(500, 600));
        QVERIFY(radio->text().isEmpty());
        QVERIFY(radio->styleSheet().startsWith("QRadioButton{background-color:rgb(222, 235, 246);"));

        // Every control sits in its own holder owned by the page, which is
        // no window of its own.
        QDialog *holder = qobject_cast<QDialog *>(combo->parentWidget());
        QVERIFY(holder);
        QVERIFY(page.findChildren<QDialog *>().contains(holder));
        QVERIFY(!holder->isWindow());
        QCOMPARE(holder->layout()->contentsMargins(), QMargins());
    }

    void labeledReadOnlyBox()
    {
        KytoMCUPLL page(2, nullptr);
        QLineEdit *box = page.addLabeledReadOnlyLineEdit("MHz", 100, 200, 9);
        QCOMPARE(proxyOf(box)->pos(), QPointF(100, 200));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->size(), QSize(80, 25));

        QLabel *label = nullptr;
        for (QLabel *candidate : page.findChildren<QLabel *>()) {
            if (candidate->text() == "MHz")
                label = candidate;
        }
        QVERIFY(label);
        QCOMPARE(proxyOf(label)->pos(), QPointF(185, 203));
        QCOMPARE(label->font().pointSize(), 9);
    }

    void listButtonAndLabelList()
    {
        KytoMCUPLL page(2, nullptr);
        QPushButton *button = page.addListButton(700, 400, 9);
        QCOMPARE(button->text(), QString("List"));
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->icon().pixmap(16, 16).isNull());
        QCOMPARE(button->font().weight(), 75);
        QCOMPARE(button->font().pointSize(), 10);
        QCOMPARE(button->styleSheet(), QString("border-style: none;"));
        QCOMPARE(proxyOf(button)->zValue(), 0.0);

        QDialog *list = page.addLabelList({"TMR2", "TMR3", "TMR4"}, 720, 420, 2, 5);
        QCOMPARE(list->graphicsProxyWidget()->pos(), QPointF(720, 420));
        QCOMPARE(list->graphicsProxyWidget()->zValue(), 2.0);
        QGroupBox *group = list->findChild<QGroupBox *>();
        QVERIFY(group);
        QCOMPARE(group->layout()->spacing(), 5);
        QStringList names;
        for (QLabel *l : group->findChildren<QLabel *>()) {
            names << l->text();
            QCOMPARE(l->font().pointSize(), 9);
        }
        QCOMPARE(names, QStringList({"TMR2", "TMR3", "TMR4"}));
    }

    void holdersLeaveTheDrawingVisible()
    {
        KytoMCUPLL page(3, nullptr);   // no picture: the scene's white shows
        QLabel *empty = page.addLabel("", 100, 100, 10, 0);
        QLabel *disabled = page.addLabel("rtcsel", 200, 100, 10, 0);
        disabled->setEnabled(false);
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        QImage image(400, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.scene->render(&painter, QRectF(0, 0, 400, 200), QRectF(0, 0, 400, 200));
        painter.end();
        for (QLabel *label : {empty, disabled}) {
            const QPoint corner = proxyOf(label)->pos().toPoint() + QPoint(1, 1);
            QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
        }
    }

    void comboPopupFocusReachesTheView()
    {
        KytoMCUPLL page(2, nullptr);
        CustomComboBox1 *combo = page.addComboBox(10, 10, 60, 1);
        QCOMPARE(proxyOf(combo)->zValue(), 1.0);
        QVERIFY(QObject::disconnect(combo->listView, SIGNAL(focusInThis(bool)),
                                    page.view, SLOT(Focus_InControl_Slot(bool))));
    }

    void zoomForwardersDriveTheView()
    {
        KytoMCUPLL page(2, nullptr);
        page.zoomIn();
        QVERIFY(page.view->transform().m11() > 1.0);
        page.zoomReset();
        QCOMPARE(page.view->transform().m11(), 1.0);
        page.zoomOut();
        QVERIFY(page.view->transform().m11() < 1.0);
    }

    void colourSetters()
    {
        KytoMCUPLL page(2, nullptr);
        QLabel *label = page.addLabel("0.000", 0, 0, 10, 0);
        page.setTextColor(label, Qt::red);
        QCOMPARE(label->palette().brush(QPalette::Active, QPalette::WindowText).color(), QColor(Qt::red));
        QCOMPARE(label->palette().brush(QPalette::Disabled, QPalette::WindowText).color(), QColor(Qt::red));
        QLineEdit *edit = page.addReadOnlyLineEdit(0, 40, 10);
        page.setEditTextColor(edit, Qt::darkGreen);
        QCOMPARE(edit->palette().brush(QPalette::Inactive, QPalette::Text).color(), QColor(Qt::darkGreen));
    }
};

QTEST_MAIN(TestKytoMCUPLL)
#include "tst_kytomcupll.moc"
