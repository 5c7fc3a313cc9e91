// What the eye sees: the menus of the menu bar and the current item of a
// combo popup must draw their text in a colour that stands out from the
// background behind it. Offscreen tests never notice white on white, so
// these grab the real widgets.

#include "CustomComboBox1.h"
#include "FormConfiguration.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Pixels of `area` that differ clearly from its most common colour: the
// strokes of the text drawn on that background.
int contrastingPixels(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int best = -1;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.value() > best) {
            best = it.value();
            background = it.key();
        }
    }
    int strokes = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAbs(luminance(image.pixel(x, y)) - luminance(background)) > 90)
                ++strokes;
    return strokes;
}

} // namespace

class TestLegibility : public QObject
{
    Q_OBJECT

private slots:
    void menuTextStandsOut_data();
    void menuTextStandsOut();
    void currentComboItemStandsOut();
};

void TestLegibility::menuTextStandsOut_data()
{
    QTest::addColumn<QString>("menuName");
    for (const char *name : {"projectMenu", "languageMenu", "generateCodeMenu", "helpMenu"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLegibility::menuTextStandsOut()
{
    QFETCH(QString, menuName);
    FormConfiguration window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *menu = window.findChild<QMenu *>(menuName);
    QVERIFY(menu);

    menu->popup(window.mapToGlobal(QPoint(200, 60)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QImage image = menu->grab().toImage();
    const auto actions = menu->actions();
    QVERIFY(!actions.isEmpty());
    for (QAction *action : actions) {
        const QRect item = menu->actionGeometry(action).adjusted(2, 2, -2, -2);
        QVERIFY2(contrastingPixels(image, item) > 15,
                 qPrintable(QStringLiteral("\"%1\" does not stand out").arg(action->text())));
    }
    menu->hide();
}

void TestLegibility::currentComboItemStandsOut()
{
    CustomComboBox1 combo;
    combo.addItems({QStringLiteral("  /1"), QStringLiteral("  /2"), QStringLiteral("  /4")});
    combo.setCurrentIndex(1);
    combo.resize(80, 25);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QCOMPARE(view->currentIndex().row(), 1);

    const QImage image = view->viewport()->grab().toImage();
    const QRect current = view->visualRect(view->currentIndex()).adjusted(1, 1, -1, -1);
    QVERIFY2(contrastingPixels(image, current) > 10, "the current item's text does not stand out");
    combo.hidePopup();
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
