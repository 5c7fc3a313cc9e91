// The five multiplier-PLL pages after construction: controls, wiring,
// defaults, highlighting, read-outs and the peripheral lists.
#include "series/multiplier/KytoH620APLL.h"
#include "series/multiplier/KytoR620APLL.h"
#include "series/multiplier/KytoR620PLL.h"
#include "series/multiplier/KytoR650PLL.h"
#include "series/multiplier/KytoR710PLL.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>


using SeriesPages::combo;
using SeriesPages::find;
using SeriesPages::radio;

namespace {

QString text(QWidget *page, const QString &name)
{
    if (QLineEdit *e = page->findChild<QLineEdit *>(name))
        return e->text();
    if (QLabel *l = page->findChild<QLabel *>(name))
        return l->text();
    return QStringLiteral("<missing %1>").arg(name);
}

QColor textColour(QWidget *page, const QString &name)
{
    QLineEdit *e = find<QLineEdit>(page, name);
    return e ? e->palette().color(QPalette::Text) : QColor();
}

int clkoutCount(QWidget *page)
{
    int n = 0;
    while (page->findChild<QRadioButton *>(QStringLiteral("clkout_RadioButton_%1").arg(n)))
        ++n;
    return n;
}

// Radio position of a clock-out source name on the page.
int clkoutIndex(QWidget *page, const QString &source)
{
    for (int i = 0; i < clkoutCount(page); ++i) {
        if (text(page, QStringLiteral("clkoutName_Label_%1").arg(i)) == source)
            return i;
    }
    return -1;
}

} // namespace

using PageSteps = std::function<void(QWidget *page)>;
Q_DECLARE_METATYPE(PageSteps)

class TestMultiplierSeriesUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SeriesPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void slotsAndControls_data();
    void slotsAndControls();
    void defaults_data();
    void defaults();
    void resetRaisesApbDividers();
    void resetFromAnyStateGivesDefaults_data();
    void resetFromAnyStateGivesDefaults();
    void sclkFromHickGreysHextAndPll_data();
    void sclkFromHickGreysHextAndPll();
    void usbBranchFollowsSwitch();
    void clockoutPinNoneGreysDivider();
    void rtcAndWdtReadouts();
    void sourceLabels_data();
    void sourceLabels();
    void peripheralLists_data();
    void peripheralLists();
};

void TestMultiplierSeriesUi::slotsAndControls_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("slotNames");
    QTest::addColumn<int>("clkoutRadios");

    const QStringList head{"rtcsel_RadioButton_checkSlot(bool)", "rtcswitch_ComboBox_currentIndexChanged(int)",
                           "lextbypass_ComboBox_currentIndexChanged(int)", "hext_LineEdit_returnPressed()",
                           "hext_LineEdit_textChanged(QString)", "hextbypass_ComboBox_currentIndexChanged(int)"};
    const QString hextdiv = "hextdiv_ComboBox_currentIndexChanged(int)";
    const QStringList pll{"pllhextdiv_RadioButton_checkSlot(bool)", "pllmult_ComboBox_currentIndexChanged(int)",
                          "pllrcs_RadioButton_checkSlot(bool)", "sclkselecthext_RadioButton_checkSlot(bool)",
                          "sclkselectpll_RadioButton_checkSlot(bool)", "sclkselecthick_RadioButton_checkSlot(bool)",
                          "ahbdiv_ComboBox_currentIndexChanged(int)", "apb1div_ComboBox_currentIndexChanged(int)",
                          "apb2div_ComboBox_currentIndexChanged(int)"};
    const QStringList adc{"toadcswitch_ComboBox_currentIndexChanged(int)", "toadcdiv_ComboBox_currentIndexChanged(int)"};
    const QStringList usb{"usbdiv_ComboBox_currentIndexChanged(int)", "usbswitch_ComboBox_currentIndexChanged(int)"};
    const QStringList hick{"hicktousb_RadioButton_checkSlot(bool)", "hicktosclk_RadioButton_checkSlot(bool)"};
    const QString clkout = "clkout_RadioButton_checkSlot(bool)";
    const QString codiv = "clockoutdiv_ComboBox_currentIndexChanged(int)";
    const QString pin = "clockoutPinSelectComboBox_currentIndexChanged(int)";
    const QStringList sclk{"sclk_LineEdit_returnPressed()", "sclk_LineEdit_textChanged(QString)"};
    const QStringList lists{"toapb1peripheral_List_Button_checkSlot()", "toapb1tmr_List_Button_checkSlot()",
                            "toapb2peripheral_List_Button_checkSlot()", "toapb2tmr_List_Button_checkSlot()"};

    const QStringList r620 = head + pll + adc + usb + QStringList{clkout, pin} + sclk + lists;
    const QStringList r620a = head + QStringList{hextdiv} + pll + usb + hick + QStringList{clkout, codiv, pin} + sclk + adc + lists;
    const QStringList r650 = head + QStringList{hextdiv} + pll + adc + usb + hick + QStringList{clkout, codiv, pin} + sclk + lists;
    const QStringList r710 = head + pll + adc + usb + hick + QStringList{clkout, codiv, pin} + sclk + lists;

    QTest::newRow("R620") << "KytoR620PLL" << r620 << 8;
    QTest::newRow("R620A") << "KytoR620APLL" << r620a << 10;
    QTest::newRow("R650") << "KytoR650PLL" << r650 << 10;
    QTest::newRow("H620A") << "KytoH620APLL" << r620a << 10;
    QTest::newRow("R710") << "KytoR710PLL" << r710 << 10;
}

void TestMultiplierSeriesUi::slotsAndControls()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, slotNames);
    QFETCH(int, clkoutRadios);

    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    const QMetaObject *mo = page->metaObject();
    QCOMPARE(QString::fromLatin1(mo->className()), cls);
    QCOMPARE(QString::fromLatin1(mo->superClass()->className()), QStringLiteral("KytoMCUPLL"));

    QStringList found;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        QCOMPARE(mo->method(i).methodType(), QMetaMethod::Slot);
        QCOMPARE(mo->method(i).access(), QMetaMethod::Public);
        found << QString::fromLatin1(mo->method(i).methodSignature());
    }
    QCOMPARE(found, slotNames);
    QCOMPARE(mo->propertyCount(), mo->propertyOffset());
    QCOMPARE(mo->enumeratorCount(), mo->enumeratorOffset());

    QCOMPARE(clkoutCount(page.get()), clkoutRadios);
    CustomComboBox1 *mult = combo(page.get(), "pllmult");
    QCOMPARE(mult->count(), 63);
    QCOMPARE(mult->itemText(0), QStringLiteral("  * 2"));
    QCOMPARE(mult->itemText(62), QStringLiteral("  * 64"));
    QCOMPARE(combo(page.get(), "usbdiv")->itemText(1), QStringLiteral("  /1.5"));
    QCOMPARE(combo(page.get(), "toadcdiv")->itemText(0), QStringLiteral(" /2"));
    QCOMPARE(page->findChild<CustomComboBox1 *>("hextdiv_ComboBox") != nullptr,
             cls == "KytoR620APLL" || cls == "KytoR650PLL" || cls == "KytoH620APLL");
    QCOMPARE(page->findChild<CustomComboBox1 *>("clockoutdiv_ComboBox") != nullptr, cls != "KytoR620PLL");
    QCOMPARE(page->findChild<QRadioButton *>("hicktousb_RadioButton_1") != nullptr, cls != "KytoR620PLL");

    // Typed values: digits and points only, limited lengths.
    QLineEdit *hext = find<QLineEdit>(page.get(), "hext_LineEdit");
    QCOMPARE(hext->maxLength(), 8);
    QCOMPARE(find<QLineEdit>(page.get(), "sclk_LineEdit")->maxLength(), 9);
    QString probe = "12a";
    int pos = 0;
    QCOMPARE(hext->validator()->validate(probe, pos), QValidator::Invalid);
}

void TestMultiplierSeriesUi::defaults_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("hick");
    QTest::addColumn<QString>("sclk");
    QTest::addColumn<QString>("apb");
    QTest::addColumn<QColor>("apbColour");
    QTest::addColumn<QString>("timer");
    QTest::addColumn<int>("pllMult");

    // The APB dividers come up as /2: the model raises them above half the
    // maximum system clock.
    QTest::newRow("R620") << "KytoR620PLL" << "(4 - 200)" << "8" << "192.000" << "96.000" << QColor(Qt::darkGreen) << "* 2" << 24;
    QTest::newRow("R620A") << "KytoR620APLL" << "(4 - 240)" << "48" << "240.000" << "120.000" << QColor(Qt::darkGreen) << "* 2" << 30;
    QTest::newRow("R650") << "KytoR650PLL" << "(4 - 240)" << "48" << "240.000" << "120.000" << QColor(Qt::darkGreen) << "* 2" << 30;
    QTest::newRow("H620A") << "KytoH620APLL" << "(4 - 200)" << "48" << "200.000" << "100.000" << QColor(Qt::darkGreen) << "* 2" << 25;
    QTest::newRow("R710") << "KytoR710PLL" << "(4 - 200)" << "48" << "200.000" << "100.000" << QColor(Qt::darkGreen) << "* 2" << 25;
}

void TestMultiplierSeriesUi::defaults()
{
    QFETCH(QString, cls);
    QFETCH(QString, range);
    QFETCH(QString, hick);
    QFETCH(QString, sclk);
    QFETCH(QString, apb);
    QFETCH(QColor, apbColour);
    QFETCH(QString, timer);
    QFETCH(int, pllMult);

    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    QCOMPARE(text(p, "sclkRange_Label"), range);
    QCOMPARE(text(p, "hick_ReadOut"), hick);
    QCOMPARE(text(p, "sclk_LineEdit"), sclk);
    QCOMPARE(text(p, "i2s_ReadOut"), sclk);
    QCOMPARE(textColour(p, "i2s_ReadOut"), QColor(Qt::darkGreen));
    QCOMPARE(text(p, "dma_ReadOut"), sclk);
    QCOMPARE(text(p, "systick_ReadOut"), QString::number(sclk.toDouble() / 8, 'f', 3));
    QCOMPARE(text(p, "apb1_peripheral_ReadOut"), apb);
    QCOMPARE(text(p, "apb2_peripheral_ReadOut"), apb);
    QCOMPARE(textColour(p, "apb1_peripheral_ReadOut"), apbColour);
    QCOMPARE(text(p, "apb1_tmr_ReadOut"), sclk);
    QCOMPARE(text(p, "apb1TimerMult_Box"), timer);
    QCOMPARE(text(p, "apb2TimerMult_Box"), timer);
    QCOMPARE(text(p, "systickDiv_Box"), QStringLiteral("/ 8"));
    QCOMPARE(combo(p, "apb1div")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(combo(p, "apb2div")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(combo(p, "pllmult")->currentIndex(), pllMult - 2);
    QCOMPARE(page->model->pllMult, pllMult);
    QCOMPARE(page->model->sclkSource, 1);
    QCOMPARE(text(p, "adc_ReadOut"), QStringLiteral("0.000"));
    QCOMPARE(textColour(p, "adc_ReadOut"), QColor(Qt::gray));
    QCOMPARE(text(p, "pllOutput_Label"), sclk + "MHz");
    QCOMPARE(text(p, "rtc_ReadOut"), QStringLiteral("0"));   // switched off

    // Enabled branches: HEXT feeds the PLL feeding SCLK; LEXT, RTC, ADC, USB
    // and clock-out are off.
    QVERIFY(find<QLineEdit>(p, "hext_LineEdit")->isEnabled());
    QVERIFY(combo(p, "pllmult")->isEnabled());
    QVERIFY(radio(p, "pllrcs", 0)->isEnabled());
    QVERIFY(radio(p, "pllhextdiv", 0)->isEnabled());
    QVERIFY(!find<QLineEdit>(p, "lext_ReadOut")->isEnabled());
    QVERIFY(!radio(p, "rtcsel", 0)->isEnabled());
    QVERIFY(!combo(p, "toadcdiv")->isEnabled());
    QVERIFY(!combo(p, "usbdiv")->isEnabled());
    QVERIFY(find<QLabel>(p, "usbFreq_Label")->isHidden());
    QVERIFY(!radio(p, "clkout", 0)->isEnabled());
    QVERIFY(radio(p, "clkout", 0)->isChecked());
    if (CustomComboBox1 *hextdiv = p->findChild<CustomComboBox1 *>("hextdiv_ComboBox"))
        QVERIFY(!hextdiv->isEnabled());
    if (cls != "KytoR620PLL") {
        QVERIFY(!radio(p, "hicktosclk", 0)->isEnabled());
        QVERIFY(!radio(p, "hicktousb", 0)->isEnabled());
    }
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestMultiplierSeriesUi::resetRaisesApbDividers()
{
    KytoR620PLL page(nullptr);
    combo(&page, "ahbdiv")->setCurrentIndex(1);
    QCOMPARE(text(&page, "dma_ReadOut"), QStringLiteral("96.000"));
    page.resetDefaults();
    // The algorithm wins over "every bus divider /1": the model raises APB1/APB2.
    QCOMPARE(combo(&page, "apb1div")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(text(&page, "apb1_peripheral_ReadOut"), QStringLiteral("96.000"));
    QCOMPARE(text(&page, "apb2TimerMult_Box"), QStringLiteral("* 2"));
    QCOMPARE(text(&page, "dma_ReadOut"), QStringLiteral("192.000"));
    QCOMPARE(page.model->ahbDiv, 1);
}

void TestMultiplierSeriesUi::resetFromAnyStateGivesDefaults_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageSteps>("steps");
    const PageSteps everyBranch = [](QWidget *p) {
        combo(p, "usbswitch")->setCurrentIndex(0);
        if (p->findChild<QRadioButton *>("hicktousb_RadioButton_1"))
            radio(p, "hicktousb", 1)->click();
        combo(p, "usbdiv")->setCurrentIndex(2);
        radio(p, "sclkselect", 0)->click();
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", clkoutCount(p) - 1)->click();
        combo(p, "toadcswitch")->setCurrentIndex(1);
        combo(p, "rtcswitch")->setCurrentIndex(1);
    };
    for (const char *cls : {"KytoR620PLL", "KytoR620APLL", "KytoR650PLL", "KytoH620APLL", "KytoR710PLL"})
        QTest::newRow(cls) << QString::fromLatin1(cls) << everyBranch;
    // Designs whose factors give a system clock beyond the limit once the
    // reset has taken the pre-divider back to /2 on the way to the defaults.
    QTest::newRow("R620A /3, * 64") << "KytoR620APLL" << PageSteps([](QWidget *p) {
        combo(p, "hextdiv")->setCurrentIndex(1);
        combo(p, "pllmult")->setCurrentIndex(62);
    });
    QTest::newRow("R650 /3, HEXT 16") << "KytoR650PLL" << PageSteps([](QWidget *p) {
        radio(p, "pllhextdiv", 1)->click();
        combo(p, "hextdiv")->setCurrentIndex(1);
        SeriesPages::typeAndReturn(find<QLineEdit>(p, "hext_LineEdit"), "16");
    });
}

// Quiet until the defaults it ends on: nothing the reset passes through on
// the way is checked aloud.
void TestMultiplierSeriesUi::resetFromAnyStateGivesDefaults()
{
    QFETCH(QString, cls);
    QFETCH(PageSteps, steps);
    std::unique_ptr<KytoMultiplierPLL> fresh(SeriesPages::create<KytoMultiplierPLL>(cls));
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    steps(p);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(SeriesPages::boxTexts().join('\n')));
    page->resetDefaults();
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(SeriesPages::boxTexts().join('\n')));
    QCOMPARE(page->model->pllMult, fresh->model->pllMult);
    QCOMPARE(page->model->sclkMhz, fresh->model->sclkMhz);
    QCOMPARE(page->model->usbDiv, 4.0);
    QCOMPARE(text(p, "sclk_LineEdit"), text(fresh.get(), "sclk_LineEdit"));
    QCOMPARE(combo(p, "pllmult")->currentIndex(), combo(fresh.get(), "pllmult")->currentIndex());
    QCOMPARE(combo(p, "usbdiv")->currentIndex(), 6);
}

void TestMultiplierSeriesUi::sclkFromHickGreysHextAndPll_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("sclk");
    QTest::newRow("R620") << "KytoR620PLL" << "8.000";
    QTest::newRow("R620A") << "KytoR620APLL" << "8.000";
    QTest::newRow("R710") << "KytoR710PLL" << "8.000";
}

void TestMultiplierSeriesUi::sclkFromHickGreysHextAndPll()
{
    QFETCH(QString, cls);
    QFETCH(QString, sclk);
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    radio(p, "sclkselect", 2)->click();
    QCOMPARE(text(p, "sclk_LineEdit"), sclk);
    QVERIFY(!find<QLineEdit>(p, "sclk_LineEdit")->isEnabled());
    QVERIFY(!find<QLineEdit>(p, "hext_LineEdit")->isEnabled());
    QVERIFY(!combo(p, "hextbypass")->isEnabled());
    QVERIFY(!combo(p, "pllmult")->isEnabled());
    QVERIFY(!radio(p, "pllrcs", 0)->isEnabled());
    QCOMPARE(text(p, "pllOutput_Label"), QString());
    QVERIFY(find<QLineEdit>(p, "hick_ReadOut")->isEnabled());
    if (cls != "KytoR620PLL") {
        QVERIFY(radio(p, "hicktosclk", 0)->isEnabled());
        radio(p, "hicktosclk", 1)->click();
        QCOMPARE(text(p, "sclk_LineEdit"), QStringLiteral("48.000"));
    }
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestMultiplierSeriesUi::usbBranchFollowsSwitch()
{
    KytoR620PLL r620(nullptr);
    combo(&r620, "usbswitch")->setCurrentIndex(0);
    QVERIFY(combo(&r620, "usbdiv")->isEnabled());
    QVERIFY(!find<QLabel>(&r620, "usbFreq_Label")->isHidden());
    // 192 MHz / 4 = 48 MHz.
    QCOMPARE(text(&r620, "usbFreq_Label"), QStringLiteral("48.000 MHz"));
    QCOMPARE(find<QLabel>(&r620, "usbFreq_Label")->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));

    KytoR620APLL r620a(nullptr);
    combo(&r620a, "usbswitch")->setCurrentIndex(0);
    QVERIFY(radio(&r620a, "hicktousb", 0)->isEnabled());
    QVERIFY(combo(&r620a, "usbdiv")->isEnabled());
    radio(&r620a, "hicktousb", 1)->click();
    QVERIFY(!combo(&r620a, "usbdiv")->isEnabled());
    QCOMPARE(text(&r620a, "usbFreq_Label"), QStringLiteral("48.000 MHz"));
}

void TestMultiplierSeriesUi::clockoutPinNoneGreysDivider()
{
    KytoR620APLL page(nullptr);
    CustomComboBox1 *codiv = combo(&page, "clockoutdiv");
    QVERIFY(!codiv->isEnabled());
    combo(&page, "clockoutPinSelect")->setCurrentIndex(1);
    QVERIFY(codiv->isEnabled());
    QVERIFY(radio(&page, "clkout", 3)->isEnabled());
    combo(&page, "clockoutPinSelect")->setCurrentIndex(0);
    QVERIFY(!codiv->isEnabled());
    QVERIFY(!radio(&page, "clkout", 3)->isEnabled());
}

void TestMultiplierSeriesUi::rtcAndWdtReadouts()
{
    KytoR620PLL page(nullptr);
    QCOMPARE(text(&page, "wdt_ReadOut"), QStringLiteral("40"));
    QCOMPARE(textColour(&page, "wdt_ReadOut"), QColor(Qt::darkGreen));
    combo(&page, "rtcswitch")->setCurrentIndex(1);
    QCOMPARE(text(&page, "rtc_ReadOut"), QStringLiteral("40"));
    QCOMPARE(textColour(&page, "rtc_ReadOut"), QColor(Qt::darkGreen));
    radio(&page, "rtcsel", 1)->click();
    QCOMPARE(text(&page, "rtc_ReadOut"), QStringLiteral("32.768"));
    QVERIFY(find<QLineEdit>(&page, "lext_ReadOut")->isEnabled());
    radio(&page, "rtcsel", 2)->click();
    QCOMPARE(text(&page, "rtc_ReadOut"), QStringLiteral("62.500"));
    combo(&page, "rtcswitch")->setCurrentIndex(0);
    QCOMPARE(text(&page, "rtc_ReadOut"), QStringLiteral("0"));
    QCOMPARE(textColour(&page, "rtc_ReadOut"), QColor(Qt::gray));
}

void TestMultiplierSeriesUi::sourceLabels_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("clockoutDiv");   // combo index, -1: leave
    QTest::addColumn<bool>("rtcOnLext");
    QTest::addColumn<bool>("usbFromHick");
    QTest::addColumn<int>("pin");
    QTest::addColumn<QString>("sourceText");
    QTest::addColumn<QString>("outText");

    QTest::newRow("R620A hick") << "KytoR620APLL" << "hick" << -1 << false << false << 1 << "(8.000 MHz)" << "(8.000 MHz)";
    QTest::newRow("R620A hick /4") << "KytoR620APLL" << "hick" << 2 << false << false << 1 << "(8.000 MHz)" << "(2.000 MHz)";
    // HICK's 48 MHz output is in use once USB takes it.
    QTest::newRow("R620A hick, USB from HICK") << "KytoR620APLL" << "hick" << -1 << false << true << 1 << "(48.000 MHz)" << "(48.000 MHz)";
    QTest::newRow("R620A pll/2") << "KytoR620APLL" << "pll/2" << -1 << false << false << 1 << "(120.000 MHz)" << "(120.000 MHz)";
    QTest::newRow("R650 pll/4 /2") << "KytoR650PLL" << "pll/4" << 1 << false << false << 1 << "(60.000 MHz)" << "(30.000 MHz)";
    QTest::newRow("R620A lext, RTC off") << "KytoR620APLL" << "lext" << -1 << false << false << 1 << "" << "";
    QTest::newRow("R620A lext, RTC on LEXT") << "KytoR620APLL" << "lext" << -1 << true << false << 1 << "(32.768 kHz)" << "(32.768 kHz)";
    QTest::newRow("R710 lick /2") << "KytoR710PLL" << "lick" << 1 << false << false << 1 << "(40.000 kHz)" << "(20.000 kHz)";
    QTest::newRow("R620 sclk") << "KytoR620PLL" << "sclk" << -1 << false << false << 1 << "(192.000 MHz)" << "(192.000 MHz)";
    QTest::newRow("R620 hext, pin none") << "KytoR620PLL" << "hext" << -1 << false << false << 0 << "(8.000 MHz)" << "";
}

void TestMultiplierSeriesUi::sourceLabels()
{
    QFETCH(QString, cls);
    QFETCH(QString, source);
    QFETCH(int, clockoutDiv);
    QFETCH(bool, rtcOnLext);
    QFETCH(bool, usbFromHick);
    QFETCH(int, pin);
    QFETCH(QString, sourceText);
    QFETCH(QString, outText);

    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    if (rtcOnLext) {
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 1)->click();
    }
    combo(p, "clockoutPinSelect")->setCurrentIndex(1);
    const int i = clkoutIndex(p, source);
    QVERIFY(i > 0);
    radio(p, "clkout", i)->click();
    if (usbFromHick) {
        combo(p, "usbswitch")->setCurrentIndex(0);
        radio(p, "hicktousb", 1)->click();
    }
    if (clockoutDiv >= 0)
        combo(p, "clockoutdiv")->setCurrentIndex(clockoutDiv);
    combo(p, "clockoutPinSelect")->setCurrentIndex(pin);

    QLabel *sourceLabel = find<QLabel>(p, QStringLiteral("clkoutSourceFreq_Label_%1").arg(i));
    QVERIFY(!sourceLabel->isHidden());
    QCOMPARE(sourceLabel->text(), sourceText);
    QCOMPARE(text(p, "clkoutFreq_Label"), outText);
    // Only the selected source shows its frequency.
    for (int k = 1; k < clkoutCount(p); ++k) {
        if (k != i)
            QVERIFY(find<QLabel>(p, QStringLiteral("clkoutSourceFreq_Label_%1").arg(k))->isHidden());
    }
}

void TestMultiplierSeriesUi::peripheralLists_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("apb2Peripherals");
    QTest::newRow("R620") << "KytoR620PLL" << QStringList{"GPIOA", "GPIOB", "GPIOC", "GPIOD", "GPIOE", "GPIOF", "GPIOG", "SPI1", "USART1"};
    QTest::newRow("R650") << "KytoR650PLL" << QStringList{"I2C3", "SPI1", "USART1", "USART6", "UART7", "UART8"};
    QTest::newRow("R710") << "KytoR710PLL" << QStringList{"SPI1", "USART1"};
}

void TestMultiplierSeriesUi::peripheralLists()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, apb2Peripherals);
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    const QStringList names{"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    QList<QWidget *> lists;
    for (const QString &n : names) {
        QWidget *list = p->findChild<QWidget *>(n + "_List");
        QVERIFY(list);
        QVERIFY(list->isHidden());
        lists << list;
    }
    QStringList shown;
    for (QLabel *l : lists[2]->findChildren<QLabel *>())
        shown << l->text();
    QCOMPARE(shown, apb2Peripherals);

    find<QPushButton>(p, "toapb2peripheral_List_Button")->click();
    QVERIFY(!lists[2]->isHidden());
    find<QPushButton>(p, "toapb1tmr_List_Button")->click();
    QVERIFY(!lists[1]->isHidden());
    QVERIFY(lists[2]->isHidden());
    find<QPushButton>(p, "toapb1tmr_List_Button")->click();
    QVERIFY(lists[1]->isHidden());

    find<QPushButton>(p, "toapb1peripheral_List_Button")->click();
    QVERIFY(!lists[0]->isHidden());
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    for (QWidget *list : lists)
        QVERIFY(list->isHidden());
}

QTEST_MAIN(TestMultiplierSeriesUi)
#include "tst_multiplier_ui.moc"
