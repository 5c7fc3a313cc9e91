// The zoomable view: zoom limits, reset, Ctrl+wheel, keys, and dragging the
// bare drawing only.
#include "PinGraphicsView.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A scene like a series page: a large drawing with one control over it.
struct Page {
    QGraphicsScene scene;
    PinGraphicsView view;
    QGraphicsPixmapItem *drawing;
    QGraphicsProxyWidget *control;

    Page()
    {
        QPixmap pixmap(1404, 830);
        pixmap.fill(QColor(240, 240, 240));
        drawing = scene.addPixmap(pixmap);
        control = scene.addWidget(new QLineEdit("8.000"));
        control->setPos(300, 200);
        view.setScene(&scene);
        view.setPixmapItem(drawing);
        view.resize(500, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    double scale() const { return view.transform().m11(); }
    QPoint scroll() const { return {view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()}; }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, pos, view.viewport()->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPoint pos = view.viewport()->rect().center();
        QWheelEvent event(QPointF(pos), QPointF(view.viewport()->mapToGlobal(pos)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }
};

} // namespace

class TestPinGraphicsView : public QObject
{
    Q_OBJECT
private slots:
    void zoomStopsAtItsLimits_data()
    {
        QTest::addColumn<bool>("in");
        QTest::addColumn<int>("accepted");
        QTest::newRow("in: 54 steps of 1.03") << true << 54;
        QTest::newRow("out: 52 steps of 0.97") << false << 52;
    }
    void zoomStopsAtItsLimits()
    {
        QFETCH(bool, in);
        QFETCH(int, accepted);
        PinGraphicsView view;
        const double step = in ? double(1.03f) : double(0.97f);
        for (int i = 0; i < accepted; ++i)
            in ? view.zoomIn() : view.zoomOut();
        const double limitScale = view.transform().m11();
        QVERIFY(qAbs(limitScale - std::pow(step, accepted)) < 1e-9);
        QVERIFY(qAbs(view.currentScaleFactor() - limitScale) < 1e-9);
        QVERIFY(limitScale >= 0.2 && limitScale <= 5.0);
        for (int i = 0; i < 6; ++i)
            in ? view.zoomIn() : view.zoomOut();
        QCOMPARE(view.transform().m11(), limitScale);
        QVERIFY(qAbs(view.currentScaleFactor() - limitScale) < 1e-9);
    }

    void resetReturnsToScaleOne()
    {
        PinGraphicsView view;
        for (int i = 0; i < 10; ++i)
            view.zoomIn();
        view.zoomReset();
        QCOMPARE(view.transform().m11(), 1.0);
        QCOMPARE(view.transform().m22(), 1.0);
        QCOMPARE(view.currentScaleFactor(), 1.0);
        QCOMPARE(view.transformationAnchor(), QGraphicsView::AnchorViewCenter);
    }

    void wheelZoomsWithCtrlAlone_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("direction");
        QTest::newRow("Ctrl, up: in") << int(Qt::ControlModifier) << 120 << 1;
        QTest::newRow("Ctrl, down: out") << int(Qt::ControlModifier) << -120 << -1;
        QTest::newRow("Ctrl+Shift: no zoom") << int(Qt::ControlModifier | Qt::ShiftModifier) << 120 << 0;
        QTest::newRow("Ctrl+Alt: no zoom") << int(Qt::ControlModifier | Qt::AltModifier) << 120 << 0;
        QTest::newRow("plain wheel: no zoom") << int(Qt::NoModifier) << 120 << 0;
    }
    void wheelZoomsWithCtrlAlone()
    {
        QFETCH(int, modifiers);
        QFETCH(int, delta);
        QFETCH(int, direction);
        Page page;
        page.wheel(delta, Qt::KeyboardModifiers(modifiers));
        const double scale = page.scale();
        if (direction > 0)
            QVERIFY(qAbs(scale - double(1.03f)) < 1e-9);
        else if (direction < 0)
            QVERIFY(qAbs(scale - double(0.97f)) < 1e-9);
        else
            QCOMPARE(scale, 1.0);
    }

    void plainWheelScrolls()
    {
        Page page;
        page.view.verticalScrollBar()->setValue(200);
        page.wheel(-120, Qt::NoModifier);
        QVERIFY(page.view.verticalScrollBar()->value() > 200);
    }

    void keysZoomAndPan_data()
    {
        QTest::addColumn<double>("zoomScale");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale about 1.34") << std::pow(double(1.03f), 10);
    }
    void keysZoomAndPan()
    {
        QFETCH(double, zoomScale);
        Page page;
        while (page.scale() < zoomScale - 1e-9)
            page.view.zoomIn();
        page.view.centerOn(700, 415);

        // Content moves by about 2 x scale pixels in the key's direction, so
        // the scroll bars move the other way; the view's whole-pixel centre
        // and scroll positions may each round by up to a pixel.
        const struct { Qt::Key key; QPoint sign; } arrows[] = {
            {Qt::Key_Right, {1, 0}}, {Qt::Key_Left, {-1, 0}}, {Qt::Key_Down, {0, 1}}, {Qt::Key_Up, {0, -1}}};
        for (const auto &arrow : arrows) {
            const QPoint before = page.scroll();
            QTest::keyClick(&page.view, arrow.key);
            const QPoint moved = before - page.scroll();
            const QPointF expected = QPointF(arrow.sign) * 2 * zoomScale;
            QVERIFY2(qAbs(moved.x() - expected.x()) < 2.0 && qAbs(moved.y() - expected.y()) < 2.0
                         && (moved.x() == 0) == (arrow.sign.x() == 0) && (moved.y() == 0) == (arrow.sign.y() == 0),
                     qPrintable(QString("key %1 moved (%2, %3)").arg(arrow.key).arg(moved.x()).arg(moved.y())));
        }

        const double s = page.scale();
        QTest::keyClick(&page.view, Qt::Key_Plus);
        QVERIFY(qAbs(page.scale() - s * double(1.03f)) < 1e-9);
        QTest::keyClick(&page.view, Qt::Key_Minus);
        QVERIFY(qAbs(page.scale() - s * double(1.03f) * double(0.97f)) < 1e-9);
    }

    void dragMovesTheDrawingWithThePointer()
    {
        Page page;
        for (int i = 0; i < 12; ++i)
            page.view.zoomIn();
        page.view.zoomReset();
        page.view.centerOn(700, 415);

        const QPoint start(60, 300);   // bare drawing, away from the control
        QVERIFY(page.view.itemAt(start) == page.drawing);
        const QPoint before = page.scroll();
        page.mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(page.view.isDragging());
        QCOMPARE(page.view.viewport()->cursor().shape(), Qt::OpenHandCursor);
        page.mouse(QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
        page.mouse(QEvent::MouseButtonRelease, start + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!page.view.isDragging());
        QCOMPARE(page.view.viewport()->cursor().shape(), Qt::ArrowCursor);
        const QPoint moved = before - page.scroll();
        QVERIFY2(qAbs(moved.x() - 30) <= 1 && qAbs(moved.y() - 20) <= 1,
                 qPrintable(QString("moved (%1, %2)").arg(moved.x()).arg(moved.y())));
    }

    void pressOnAControlNeverDrags()
    {
        Page page;
        page.view.centerOn(page.control->pos());
        const QPoint onControl = page.view.mapFromScene(page.control->sceneBoundingRect().center());
        QCOMPARE(page.view.itemAt(onControl), static_cast<QGraphicsItem *>(page.control));
        const Qt::CursorShape cursor = page.view.viewport()->cursor().shape();
        const QPoint before = page.scroll();
        page.mouse(QEvent::MouseButtonPress, onControl, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!page.view.isDragging());
        QCOMPARE(page.view.viewport()->cursor().shape(), cursor);
        page.mouse(QEvent::MouseMove, onControl + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(page.scroll(), before);
        page.mouse(QEvent::MouseButtonRelease, onControl + QPoint(40, 30), Qt::LeftButton, Qt::NoButton);
    }

    void rightButtonNeverDrags()
    {
        Page page;
        page.mouse(QEvent::MouseButtonPress, QPoint(60, 300), Qt::RightButton, Qt::RightButton);
        QVERIFY(!page.view.isDragging());
    }
};

QTEST_MAIN(TestPinGraphicsView)
#include "tst_pingraphicsview.moc"
