// The keys that pan and zoom a page's drawing do the same before and after
// one of its drop-down lists was open. Run on an X server of the test's own
// with the page in a real window: the list is a popup embedded in the
// scene, and only real focus handling shows whether the view still knows
// that the list is gone. Clicks and keys go to the window, as a user's do.
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "PinGraphicsView.h"
#include "ScratchDisplay.h"
#include "SeriesPages.h"
#include "UserDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <iterator>

namespace {

QPoint scrolled(const PinGraphicsView *view)
{
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

// A point of the window over the bare drawing, as near the middle of the
// view as there is one: a click there leaves the focus with the view.
bool bareDrawing(PinGraphicsView *view, QPoint *inWindow)
{
    const QRect area = view->viewport()->rect();
    for (int ring = 0; ring < area.height() / 2; ring += 5) {
        for (const QPoint offset : {QPoint(0, ring), QPoint(0, -ring), QPoint(ring, 0), QPoint(-ring, 0)}) {
            const QPoint at = area.center() + offset;
            QGraphicsItem *item = view->scene()->itemAt(view->mapToScene(at), view->transform());
            if (item && qgraphicsitem_cast<QGraphicsPixmapItem *>(item)) {
                *inWindow = view->viewport()->mapTo(view->window(), at);
                return true;
            }
        }
    }
    return false;
}

void click(QWidget *window, QPoint at)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// The arrows, in the order they are pressed, and the way each pans the
// drawing.
const struct Arrow {
    Qt::Key key;
    QPoint way;
} arrows[] = {{Qt::Key_Left, {-1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Down, {0, 1}}};

// What the keys do to the view once the user has clicked the drawing: how
// far three presses of each arrow move the drawing on the screen, and the
// scale after a '+' and after a '-'.
struct KeyEffect {
    QList<QPoint> moves;
    double zoomedIn = 0;
    double zoomedOut = 0;
};

KeyEffect keysAfterClickOnDrawing(QWidget *window, PinGraphicsView *view)
{
    KeyEffect effect;
    QPoint drawing;
    if (!bareDrawing(view, &drawing)) {
        qWarning("no bare drawing in the view");
        return effect;
    }
    click(window, drawing);
    QCoreApplication::processEvents();
    for (const Arrow &arrow : arrows) {
        const QPoint before = scrolled(view);
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(window->windowHandle(), arrow.key);
        // The drawing moves against the scroll bars.
        effect.moves << before - scrolled(view);
    }
    const double scale = view->transform().m11();
    QTest::keyClick(window->windowHandle(), Qt::Key_Plus);
    effect.zoomedIn = view->transform().m11() / scale;
    QTest::keyClick(window->windowHandle(), Qt::Key_Minus);
    effect.zoomedOut = view->transform().m11() / scale;
    return effect;
}

// Each arrow moved the drawing its own way; across it, the view's whole
// pixels may round by one.
bool pansAlongTheArrows(const KeyEffect &effect)
{
    if (effect.moves.size() != int(std::size(arrows)))
        return false;
    for (int i = 0; i < effect.moves.size(); ++i) {
        const QPoint move = effect.moves[i];
        const QPoint way = arrows[i].way;
        const int along = way.x() * move.x() + way.y() * move.y();
        const int across = way.y() * move.x() + way.x() * move.y();
        if (along <= 1 || qAbs(across) > 1)
            return false;
    }
    return true;
}

QString describe(const KeyEffect &effect)
{
    QStringList moves;
    for (const QPoint &move : effect.moves)
        moves << QStringLiteral("(%1, %2)").arg(move.x()).arg(move.y());
    return QStringLiteral("Left, Up, Right, Down x3 moved the drawing %1; + and - scaled by %2, %3")
        .arg(moves.join(QStringLiteral(" ")))
        .arg(effect.zoomedIn)
        .arg(effect.zoomedOut);
}

} // namespace

class TestKeyPanning : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        UserDialogs::setTestMode(true);
        UserDialogs::reset();
    }

    void keysPanAsBeforeOnceTheListClosed_data()
    {
        QTest::addColumn<QString>("className");
        QTest::newRow("multiplier R620") << QStringLiteral("KytoR620PLL");
        QTest::newRow("high-performance R810") << QStringLiteral("KytoR810PLL");
        QTest::newRow("high-performance R910") << QStringLiteral("KytoR910PLL");
    }

    void keysPanAsBeforeOnceTheListClosed()
    {
        QFETCH(QString, className);
        KytoPLLConfig config;
        config.resize(1200, 800);
        config.selectMcu(SeriesPages::indexOfClass(className));
        KytoMCUPLL *page = config.currentSeriesWidget();
        QVERIFY(page);
        QCOMPARE(page->metaObject()->className(), qPrintable(className));
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        // No window manager hands the focus out: the window asks for it.
        config.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&config));
        PinGraphicsView *view = page->view;
        // Zoomed in 15 steps at one place: the view rounds each pan to whole
        // pixels, so only from the same zoom and place do the same keys move
        // it exactly as far.
        const auto zoomedInAt = [&](QPoint place) {
            config.ZoomReset();
            for (int step = 0; step < 15; ++step)
                config.ZoomIn();
            view->horizontalScrollBar()->setValue(place.x());
            view->verticalScrollBar()->setValue(place.y());
        };
        zoomedInAt(scrolled(view));
        const QPoint start = scrolled(view);

        const KeyEffect before = keysAfterClickOnDrawing(&config, view);
        QVERIFY2(pansAlongTheArrows(before), qPrintable(describe(before)));
        QVERIFY2(qAbs(before.zoomedIn - double(1.03f)) < 1e-6 && qAbs(before.zoomedOut - double(1.03f) * double(0.97f)) < 1e-6,
                 qPrintable(describe(before)));

        CustomComboBox1 *combo = SeriesPages::combo(page, QStringLiteral("ahbdiv"));
        QVERIFY(combo);
        QGraphicsProxyWidget *holder = combo->parentWidget()->graphicsProxyWidget();
        QVERIFY(holder);
        const auto openList = [&] {
            view->ensureVisible(holder);
            const QRectF onScene = holder->mapRectToScene(
                QRectF(combo->mapTo(combo->parentWidget(), QPoint(0, 0)), combo->size()));
            click(&config, view->viewport()->mapTo(&config, view->mapFromScene(onScene.center())));
        };
        openList();
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(config.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!combo->view()->isVisible());

        zoomedInAt(start);
        const KeyEffect after = keysAfterClickOnDrawing(&config, view);
        QVERIFY2(after.moves == before.moves && after.zoomedIn == before.zoomedIn && after.zoomedOut == before.zoomedOut,
                 qPrintable(QStringLiteral("before the list: %1\nafter the list: %2").arg(describe(before), describe(after))));

        // Opened again, the list still keeps the arrows to itself.
        openList();
        QTRY_VERIFY(combo->view()->isVisible());
        const QPoint listOpenedAt = scrolled(view);
        const int row = combo->view()->currentIndex().row();
        QTest::keyClick(config.windowHandle(), Qt::Key_Down);
        QTest::keyClick(config.windowHandle(), Qt::Key_Left);
        QCOMPARE(combo->view()->currentIndex().row(), row + 1);
        QCOMPARE(scrolled(view), listOpenedAt);
        QTest::keyClick(config.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!combo->view()->isVisible());
    }
};

int main(int argc, char *argv[])
{
    ScratchDisplay display;
    if (!display.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(display.errorString()));
        return 1;
    }
    QApplication app(argc, argv);
    TestKeyPanning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keypanning.moc"
