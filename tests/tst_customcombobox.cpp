// The styled combo box: a wheel that never changes the selection, clicked()
// for the left button only, and the look that follows focus and enabling.
#include "CustomComboBox1.h"
#include "CustomListView.h"
#include "PinGraphicsView.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

void turnWheel(QWidget *w, int delta)
{
    const QPoint centre = w->rect().center();
    QWheelEvent event(QPointF(centre), QPointF(w->mapToGlobal(centre)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

void fillCombo(CustomComboBox1 &combo)
{
    combo.addItems({"  /1", " /2", " /4", " /8"});
    combo.setCurrentIndex(1);
}

// A combo with a long list on a drawing seen at a large zoom, as on a page:
// the combo in a holder that the scene shows through a proxy.
struct ZoomedCombo {
    QGraphicsScene scene;
    PinGraphicsView view;
    CustomComboBox1 *combo = nullptr;
    QGraphicsProxyWidget *holder = nullptr;

    ZoomedCombo(int current, qreal comboY)
    {
        scene.setSceneRect(0, 0, 1400, 800);
        auto *dialog = new QDialog;
        combo = new CustomComboBox1(dialog);
        for (int divider = 1; divider <= 30; ++divider)
            combo->addItem(QStringLiteral("  /%1").arg(divider));
        combo->setCurrentIndex(current);
        combo->setFixedSize(60, 25);
        QObject::connect(combo->listView, SIGNAL(focusInThis(bool)), &view, SLOT(Focus_InControl_Slot(bool)));
        dialog->adjustSize();
        holder = scene.addWidget(dialog);
        holder->setPos(700, 400);
        view.setScene(&scene);
        view.resize(900, 600);
        view.scale(5, 5);
        view.show();
        // The combo where the user scrolled it: comboY of the way down.
        const QRectF visible = view.mapToScene(view.viewport()->rect()).boundingRect();
        view.centerOn(QPointF(730, 412 + visible.height() * (0.5 - comboY)));
    }
    QRectF comboOnScene() const { return holder->mapRectToScene(QRectF(QPointF(0, 0), combo->size())); }
    QRectF listOnScene() const { return combo->view()->window()->graphicsProxyWidget()->sceneBoundingRect(); }
    QRectF visible() const { return view.mapToScene(view.viewport()->rect()).boundingRect(); }
    void clickCombo()
    {
        const QPoint centre = view.mapFromScene(comboOnScene().center());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        // The hand stays on the combo and moves a little, as a hand does.
        QTest::mouseMove(view.viewport(), centre + QPoint(3, 2));
    }
};

} // namespace

class TestCustomComboBox : public QObject
{
    Q_OBJECT
private slots:
    void constructionSetsTheLook()
    {
        CustomComboBox1 combo(nullptr);
        QCOMPARE(combo.view(), static_cast<QAbstractItemView *>(combo.listView));
        QVERIFY(combo.styleSheet().startsWith("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:black;"));
        QVERIFY(combo.styleSheet().contains("image:url(:/image/downArrow4.png)"));
        QCOMPARE(combo.font().family(), QString("Arial"));
        QCOMPARE(combo.font().pointSize(), 10);
        QCOMPARE(combo.view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(!QPixmap(":/image/downArrow4.png").isNull());
    }

    void wheelLeavesTheIndex_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<int>("delta");
        QTest::newRow("unfocused, up") << false << 120;
        QTest::newRow("unfocused, down") << false << -120;
        QTest::newRow("focused, up") << true << 120;
        QTest::newRow("focused, down") << true << -120;
    }
    void wheelLeavesTheIndex()
    {
        QFETCH(bool, focused);
        QFETCH(int, delta);
        CustomComboBox1 combo(nullptr);
        fillCombo(combo);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        if (focused) {
            combo.activateWindow();
            combo.setFocus();
        }
        QSignalSpy changed(&combo, SIGNAL(currentIndexChanged(int)));
        turnWheel(&combo, delta);
        turnWheel(&combo, delta);
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(changed.count(), 0);
    }

    void leftPressAloneEmitsClicked_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << int(Qt::LeftButton) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << 0;
        QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
    }
    void leftPressAloneEmitsClicked()
    {
        QFETCH(int, button);
        QFETCH(int, clicks);
        CustomComboBox1 combo(nullptr);
        fillCombo(combo);
        QSignalSpy clicked(&combo, SIGNAL(clicked()));
        const QPoint pos = combo.rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, pos, combo.mapToGlobal(pos), Qt::MouseButton(button),
                          Qt::MouseButton(button), Qt::NoModifier);
        QApplication::sendEvent(&combo, &press);
        QCOMPARE(clicked.count(), clicks);
        combo.hidePopup();
    }

    void enablingFollowsTheStyle()
    {
        CustomComboBox1 combo(nullptr);
        combo.setComboBoxEnabled(false);
        QVERIFY(!combo.isEnabled());
        // Greyed like the page's other greyed controls: their disabled text
        // colour and a grey arrow.
        const QString greyText = QPalette().color(QPalette::Disabled, QPalette::Text).name();
        QVERIFY(combo.styleSheet().startsWith("QComboBox{border-style: outset; border-width: 1px; border-color: gray;color:" + greyText + ";"));
        QVERIFY(combo.styleSheet().endsWith("QComboBox::down-arrow{image:url(:/image/downArrow4Grey.png);}"));
        QVERIFY(!QPixmap(":/image/downArrow4Grey.png").isNull());
        combo.setComboBoxEnabled(true);
        QVERIFY(combo.isEnabled());
        QVERIFY(combo.styleSheet().startsWith("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:rgb(51,51,51);"));
    }

    void focusSwitchesActiveAndNormal()
    {
        CustomComboBox1 combo(nullptr);
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&combo, &in);
        QVERIFY(combo.styleSheet().startsWith("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:rgb(51,51,51);"));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&combo, &out);
        QVERIFY(combo.styleSheet().startsWith("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:black;"));
    }

    // Greyed while it has the focus, a combo loses the focus afterwards and
    // must not take the black look of an idle combo with it.
    void greyedWithFocusStaysGrey()
    {
        CustomComboBox1 combo(nullptr);
        combo.setComboBoxEnabled(false);
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(&combo, &out);
        QCOMPARE(combo.styleSheet(), CustomComboBox1::disabledStyleSheet());
    }

    // At a large zoom a long list fits neither below nor above its combo:
    // it is shortened to the larger side instead of being moved over the
    // combo, where it hid the value and the pointer picked the row under it.
    void longListOpensBesideItsCombo_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<qreal>("comboY");
        QTest::newRow("combo high, /1") << 0 << 0.2;
        QTest::newRow("combo in the middle, /2") << 1 << 0.5;
        QTest::newRow("combo low, /20") << 19 << 0.8;
    }
    void longListOpensBesideItsCombo()
    {
        QFETCH(int, current);
        QFETCH(qreal, comboY);
        ZoomedCombo zoomed(current, comboY);
        QVERIFY(QTest::qWaitForWindowExposed(&zoomed.view));
        zoomed.clickCombo();
        QTRY_VERIFY(zoomed.combo->view()->isVisible());
        const QRectF list = zoomed.listOnScene();
        QVERIFY2(!list.intersects(zoomed.comboOnScene()), qPrintable(QStringLiteral("list top %1, combo top %2")
                                                                         .arg(list.top()).arg(zoomed.comboOnScene().top())));
        QVERIFY(zoomed.visible().adjusted(-0.5, -0.5, 0.5, 0.5).contains(list));
        QCOMPARE(zoomed.combo->view()->currentIndex().row(), current);
        const QRect currentRow = zoomed.combo->view()->visualRect(zoomed.combo->view()->currentIndex());
        QVERIFY(zoomed.combo->view()->viewport()->rect().contains(currentRow));
        zoomed.combo->hidePopup();
        QCOMPARE(zoomed.combo->currentIndex(), current);
    }

    // With a list open the arrow keys move in the list alone: past its last
    // row Down scrolled the drawing under it.
    void keysMoveOnlyTheList()
    {
        ZoomedCombo zoomed(27, 0.5);
        QVERIFY(QTest::qWaitForWindowExposed(&zoomed.view));
        zoomed.clickCombo();
        QTRY_VERIFY(zoomed.combo->view()->isVisible());
        const QPoint scrolled(zoomed.view.horizontalScrollBar()->value(), zoomed.view.verticalScrollBar()->value());
        QWidget *keys = QApplication::focusWidget() ? QApplication::focusWidget() : &zoomed.view;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_End})
            QTest::keyClick(keys, key);
        QCOMPARE(zoomed.combo->view()->currentIndex().row(), 29);
        QCOMPARE(QPoint(zoomed.view.horizontalScrollBar()->value(), zoomed.view.verticalScrollBar()->value()), scrolled);
        for (int press = 0; press < 31; ++press)
            QTest::keyClick(keys, Qt::Key_Up);
        QCOMPARE(zoomed.combo->view()->currentIndex().row(), 0);
        QTest::keyClick(keys, Qt::Key_Left);
        QTest::keyClick(keys, Qt::Key_Home);
        QCOMPARE(QPoint(zoomed.view.horizontalScrollBar()->value(), zoomed.view.verticalScrollBar()->value()), scrolled);
        QVERIFY(zoomed.combo->view()->isVisible());
        zoomed.combo->hidePopup();
    }

    void popupReportsItsFocus()
    {
        CustomListView list;
        QSignalSpy spy(&list, SIGNAL(focusInThis(bool)));
        QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(&list, &in);
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(&list, &out);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    }
};

QTEST_MAIN(TestCustomComboBox)
#include "tst_customcombobox.moc"
