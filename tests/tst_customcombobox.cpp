// The styled combo box: a wheel that never changes the selection, clicked()
// for the left button only, and the look that follows focus and enabling.
#include "CustomComboBox1.h"
#include "CustomListView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest>

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
