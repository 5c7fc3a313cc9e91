// The R910, R920 and R930 pages as built and highlighted: what a new page
// shows, Config Reset, which paths the HEXT edit follows, and the peripheral
// and clock-out read-outs. Every table runs over the three classes.
#include "R9x0Pages.h"
#include "MultiplierPages.h"
#include "series/highperf/KytoR9x0PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using PageStep = std::function<void(KytoR9x0PLL *)>;
Q_DECLARE_METATYPE(PageStep)

using MultiplierPages::boxTexts;
using MultiplierPages::combo;
using MultiplierPages::radio;
using MultiplierPages::typeAndReturn;
using R9x0Pages::edit;
using R9x0Pages::labelText;
using R9x0Pages::readout;
using R9x0Pages::readoutBox;

namespace {

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

QPoint scenePos(QWidget *control)
{
    return control->parentWidget()->graphicsProxyWidget()->pos().toPoint();
}

void addClassRows()
{
    QTest::addColumn<QString>("cls");
    for (const QString &cls : R9x0Pages::classNames())
        QTest::newRow(qPrintable(cls)) << cls;
}

} // namespace

class TestR9x0SeriesUi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { MultiplierPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void slotsAndLayout_data() { addClassRows(); }
    void slotsAndLayout();
    void newPage_data() { addClassRows(); }
    void newPage();
    void configResetEqualsNewPage_data();
    void configResetEqualsNewPage();
    void hextEditFollowsItsUsers_data();
    void hextEditFollowsItsUsers();
    void peripheralReadouts_data() { addClassRows(); }
    void peripheralReadouts();
    void clockOutLabels();
    void boxesInChinese_data() { addClassRows(); }
    void boxesInChinese();
};

void TestR9x0SeriesUi::slotsAndLayout()
{
    QFETCH(QString, cls);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());

    QStringList slotNames;
    const QMetaObject *meta = page->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            slotNames << QString::fromLatin1(meta->method(i).name());
    }
    QCOMPARE(slotNames.size(), 44);
    QCOMPARE(slotNames.first(), QStringLiteral("rtcsel_RadioButton_checkSlot"));
    QCOMPARE(slotNames.at(12), QStringLiteral("rtcswitch_ComboBox_currentIndexChanged"));
    QCOMPARE(slotNames.at(32), QStringLiteral("hext_LineEdit_returnPressed"));
    QCOMPARE(slotNames.last(), QStringLiteral("toapb2tmr_List_Button_checkSlot"));

    const bool r930 = cls == QLatin1String("KytoR930PLL");
    QCOMPARE(bool(page->findChild<QLineEdit *>("emac_ReadOut")), r930);
    QCOMPARE(scenePos(readoutBox(page.get(), "apb3_peripheral")), r930 ? QPoint(1182, 662) : QPoint(1182, 666));
    QCOMPARE(scenePos(combo(page.get(), "apb1div")), r930 ? QPoint(1034, 447) : QPoint(1034, 425));
    QCOMPARE(scenePos(page->findChild<QPushButton *>("toapb1peripheral_List_Button")),
             r930 ? QPoint(1267, 471) : QPoint(1267, 448));

    // The R920 page shows the R910 picture.
    const QImage picture = QPixmap(KytoMCUPLL::bitmapResource(page->model->seriesIndex)).toImage();
    QCOMPARE(picture, QPixmap(r930 ? ":/image/930PLL.bmp" : ":/image/910PLL.bmp").toImage());
}

void TestR9x0SeriesUi::newPage()
{
    QFETCH(QString, cls);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    QWidget *p = page.get();

    QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("192.000"));
    QCOMPARE(readout(p, "i2s"), QStringLiteral("192.000"));
    for (const char *bus : {"apb1_peripheral", "apb2_peripheral"}) {
        QCOMPARE(readout(p, bus), QStringLiteral("192.000"));
        QCOMPARE(textColour(readoutBox(p, bus)), QColor(Qt::darkGreen));
    }
    QCOMPARE(p->findChild<QLineEdit *>("apb1TimerMult_Box")->text(), QStringLiteral("* 1"));
    QCOMPARE(p->findChild<QLineEdit *>("apb2TimerMult_Box")->text(), QStringLiteral("* 1"));
    QCOMPARE(p->findChild<QLineEdit *>("systickDiv_Box")->text(), QStringLiteral("/ 8"));
    QCOMPARE(readout(p, "apb3_peripheral"), QStringLiteral("48.000"));
    QCOMPARE(readout(p, "systick"), QStringLiteral("24.000"));

    QCOMPARE(edit(p, "pllms")->text(), QStringLiteral("/1"));
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*144"));
    QCOMPARE(combo(p, "pllfp")->currentText(), QStringLiteral("  /6"));
    QCOMPARE(combo(p, "pllfu")->currentText(), QStringLiteral("  /16"));
    QVERIFY(!combo(p, "pllfu")->isEnabled());
    QCOMPARE(combo(p, "apb3div")->currentText(), QStringLiteral("  /4"));
    QCOMPARE(labelText(p, "pllOutput"), QStringLiteral("192.000MHz"));
    QCOMPARE(readout(p, "pllcfg"), QStringLiteral("0x40432401"));

    for (const char *clock : {"can1", "can2", "can3", "i2sf5"}) {
        QCOMPARE(readout(p, clock), QStringLiteral("0"));
        QVERIFY(!readoutBox(p, clock)->isEnabled());
    }
    QVERIFY(edit(p, "hext")->isEnabled());
    QVERIFY(page->hextEnabled);
    QVERIFY(!combo(p, "hextdiv")->isEnabled());
    QVERIFY(!combo(p, "hickdiv")->isEnabled());
    QVERIFY(!radio(p, "rtcsel", 0)->isEnabled());
    QVERIFY(readoutBox(p, "lext")->styleSheet().contains("border-color: gray"));
    QVERIFY(p->findChild<QLabel *>("usbFreq_Label")->isHidden());
    for (const char *list : {"toapb1peripheral_List", "toapb1tmr_List", "toapb2peripheral_List", "toapb2tmr_List"})
        QVERIFY(p->findChild<QWidget *>(list)->isHidden());
    QVERIFY(boxTexts().isEmpty());
}

void TestR9x0SeriesUi::configResetEqualsNewPage_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("edits");
    const QList<QPair<QString, PageStep>> designs{
        {"many edits", [](KytoR9x0PLL *p) {
             radio(p, "pllrcs", 1)->click();
             combo(p, "usbswitch")->setCurrentIndex(0);
             combo(p, "ahbdiv")->setCurrentIndex(1);
             combo(p, "apb3div")->setCurrentIndex(0);
             combo(p, "clockoutPinSelect")->setCurrentIndex(2);
             radio(p, "clkout", 2)->setChecked(true);
             combo(p, "can2switch")->setCurrentIndex(1);
             radio(p, "can2clocksel", 1)->setChecked(true);
             combo(p, "i2sf5switch")->setCurrentIndex(1);
             radio(p, "i2sf5clocksel", 3)->setChecked(true);
             combo(p, "rtcswitch")->setCurrentIndex(1);
             radio(p, "rtcsel", 1)->click();
             combo(p, "hextbypass")->setCurrentIndex(1);
             typeAndReturn(edit(p, "sclk"), "150");
         }},
        {"CAN1 and I2SF5 on", [](KytoR9x0PLL *p) {
             combo(p, "can1switch")->setCurrentIndex(1);
             combo(p, "i2sf5switch")->setCurrentIndex(1);
         }},
        // A slot that runs during the reset searches the PLL for the old
        // design's 160 MHz; the reset still ends at the defaults.
        {"USB from HICK at 160 MHz", [](KytoR9x0PLL *p) {
             combo(p, "usbswitch")->setCurrentIndex(0);
             radio(p, "hicktousb", 1)->setChecked(true);
             typeAndReturn(edit(p, "sclk"), "160");
         }},
    };
    for (const QString &cls : R9x0Pages::classNames()) {
        for (const auto &design : designs)
            QTest::newRow(qPrintable(cls + ": " + design.first)) << cls << design.second;
    }
}

void TestR9x0SeriesUi::configResetEqualsNewPage()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, edits);
    std::unique_ptr<KytoR9x0PLL> fresh(R9x0Pages::forClass(cls)());
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    edits(page.get());
    UserDialogs::reset();
    page->resetDefaults();
    QVERIFY2(boxTexts().isEmpty(), qPrintable(boxTexts().join('|')));
    QCOMPARE(R9x0Pages::pageDump(page.get()), R9x0Pages::pageDump(fresh.get()));
    // Switched off, a peripheral clock keeps the value it last showed; a
    // reset starts from the new page's look all the same.
    for (const QString &clock : {"can1", "can2", "can3", "i2sf5"}) {
        QCOMPARE(R9x0Pages::readout(page.get(), clock), R9x0Pages::readout(fresh.get(), clock));
        QCOMPARE(R9x0Pages::labelText(page.get(), clock + "Unit"), R9x0Pages::labelText(fresh.get(), clock + "Unit"));
    }
}

void TestR9x0SeriesUi::hextEditFollowsItsUsers_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("setup");
    QTest::addColumn<bool>("enabled");
    auto sclkFromHick = [](KytoR9x0PLL *p) { radio(p, "sclkselect", 2)->setChecked(true); };
    auto canOn = [](KytoR9x0PLL *p, int source) {
        radio(p, "can1clocksel", source)->setChecked(true);
        combo(p, "can1switch")->setCurrentIndex(1);
    };
    const QList<std::tuple<QString, PageStep, bool>> rows{
        {"defaults", [](KytoR9x0PLL *) {}, true},
        {"SCLK from PLL from HICK, CAN1 on HEXT", [=](KytoR9x0PLL *p) {
             radio(p, "pllrcs", 1)->click();
             canOn(p, 0);
         }, true},
        {"SCLK and PLL from HICK, CAN1 on PLLU", [=](KytoR9x0PLL *p) {
             sclkFromHick(p);
             radio(p, "pllrcs", 1)->click();
             canOn(p, 1);
         }, true},
        {"SCLK from HICK, PLL from HEXT, CAN1 on PCLK", [=](KytoR9x0PLL *p) {
             sclkFromHick(p);
             canOn(p, 2);
         }, true},
        {"SCLK from HICK alone", sclkFromHick, false},
    };
    for (const QString &cls : R9x0Pages::classNames()) {
        for (const auto &row : rows)
            QTest::newRow(qPrintable(cls + ": " + std::get<0>(row))) << cls << std::get<1>(row) << std::get<2>(row);
    }
}

void TestR9x0SeriesUi::hextEditFollowsItsUsers()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, setup);
    QFETCH(bool, enabled);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    setup(page.get());
    QLineEdit *hext = edit(page.get(), "hext");
    QCOMPARE(hext->isEnabled(), enabled);
    QCOMPARE(page->hextEnabled, enabled);
    if (page->model->isHextUsed())
        QVERIFY(enabled);
    // The PLL factors are open to editing exactly when the generated code
    // starts the PLL.
    QCOMPARE(edit(page.get(), "pllms")->isEnabled(), page->model->isPllUsed());

    // Wherever the generated code starts HEXT, its typed value is checked.
    if (enabled) {
        UserDialogs::reset();
        hext->setText("3");
        page->model->interactiveGenerate = 0;
        QVERIFY(!page->generateCode());
        QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    }
}

void TestR9x0SeriesUi::peripheralReadouts()
{
    QFETCH(QString, cls);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    KytoR9x0PLL *p = page.get();

    // APB3 has its own, lower limit.
    combo(p, "apb3div")->setCurrentIndex(1);
    QCOMPARE(readout(p, "apb3_peripheral"), QStringLiteral("96.000"));
    QCOMPARE(textColour(readoutBox(p, "apb3_peripheral")), QColor(Qt::red));
    QCOMPARE(textColour(readoutBox(p, "apb1_peripheral")), QColor(Qt::darkGreen));

    combo(p, "apb1div")->setCurrentIndex(1);
    radio(p, "can1clocksel", 2)->setChecked(true);
    combo(p, "can1switch")->setCurrentIndex(1);
    QCOMPARE(readout(p, "can1"), QStringLiteral("96.000"));
    QVERIFY(readoutBox(p, "can1")->isEnabled());

    // Switched off, a CAN clock keeps what it showed last.
    combo(p, "can2switch")->setCurrentIndex(1);
    QCOMPARE(readout(p, "can2"), QStringLiteral("8.000"));
    combo(p, "can2switch")->setCurrentIndex(0);
    typeAndReturn(edit(p, "hext"), "4");
    QCOMPARE(readout(p, "can2"), QStringLiteral("8.000"));
    QVERIFY(!readoutBox(p, "can2")->isEnabled());

    radio(p, "i2sf5clocksel", 3)->setChecked(true);
    combo(p, "i2sf5switch")->setCurrentIndex(1);
    QCOMPARE(readout(p, "i2sf5"), QStringLiteral("Actual value"));
    QCOMPARE(labelText(p, "i2sf5Unit"), QString());
    // A language switch at run time reaches it at once, both ways.
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&chinese);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(readout(p, "i2sf5"), QString::fromUtf8("实际值"));
    QCoreApplication::removeTranslator(&chinese);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(readout(p, "i2sf5"), QStringLiteral("Actual value"));
    radio(p, "i2sf5clocksel", 2)->setChecked(true);
    QCOMPARE(readout(p, "i2sf5"), QStringLiteral("48.000"));
    QCOMPARE(labelText(p, "i2sf5Unit"), QStringLiteral("(MHz)"));

    QVERIFY(boxTexts().isEmpty());
}

void TestR9x0SeriesUi::clockOutLabels()
{
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR910PLL")());
    KytoR9x0PLL *p = page.get();
    combo(p, "clockoutPinSelect")->setCurrentIndex(1);
    radio(p, "clkout", 6)->setChecked(true);   // lick
    const auto value = [p](int k) { return p->findChild<QLabel *>(QStringLiteral("clkoutSourceFreq_Label_%1").arg(k)); };
    QCOMPARE(value(6)->text(), QStringLiteral("(40.000 kHz)"));
    QVERIFY(!value(6)->isHidden());
    QCOMPARE(labelText(p, "clkoutFreq"), QStringLiteral("(40.000 kHz)"));
    combo(p, "clockoutdiv1")->setCurrentIndex(4);
    combo(p, "clockoutdiv2")->setCurrentIndex(1);
    QCOMPARE(labelText(p, "clkoutFreq"), QStringLiteral("(4.000 kHz)"));

    // No pin: no frequency leaves the chip, the source still shows its own.
    combo(p, "clockoutPinSelect")->setCurrentIndex(0);
    QCOMPARE(labelText(p, "clkoutFreq"), QString());
    QCOMPARE(value(6)->text(), QStringLiteral("(40.000 kHz)"));
}

void TestR9x0SeriesUi::boxesInChinese()
{
    QFETCH(QString, cls);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&translator);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    typeAndReturn(edit(page.get(), "sclk"), "200");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("错误: sclk 输入错误！")});
    QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{QStringLiteral("确定")});
}

QTEST_MAIN(TestR9x0SeriesUi)
#include "tst_r9x0series_ui.moc"
