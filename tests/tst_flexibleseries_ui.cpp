// The flexible-PLL pages as a user first sees them: their controls, wiring,
// defaults, lists, and the branches and read-outs that follow the choices.
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

using namespace SeriesPages;

namespace {

// A new page of the class, owned by the test; a radio clicked as a user does.
std::unique_ptr<KytoMCUPLL> newPage(const QString &cls)
{
    return std::unique_ptr<KytoMCUPLL>(SeriesPages::create(cls));
}

void click(QRadioButton *radio)
{
    radio->click();
}

const QStringList fpFuClasses{"KytoR610PLL", "KytoR640PLL", "KytoR960PLL"};
const QStringList frClasses{"KytoR740PLL", "KytoH740PLL"};

bool isFr(const QString &cls)
{
    return frClasses.contains(cls);
}

QColor textColour(QWidget *w)
{
    return w->palette().color(qobject_cast<QLabel *>(w) ? QPalette::WindowText : QPalette::Text);
}

QPointF scenePos(QWidget *control)
{
    return control->parentWidget()->graphicsProxyWidget()->pos();
}

QStringList itemsOf(CustomComboBox1 *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QLabel *label(QWidget *page, const QString &name)
{
    return find<QLabel>(page, name);
}

} // namespace

class TestFlexibleSeriesUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaults_data();
    void defaults();
    void slotsMembersAndItems_data();
    void slotsMembersAndItems();
    void peripheralLists_data();
    void peripheralLists();

    void pllUnusedGreysThePllGroup();
    void hextAndHickDividersFollowTheirSource();
    void pllConfigWordBits_data();
    void pllConfigWordBits();
    void ertcReadout();
    void clockOutFrequencies();
    void clockOutOnUsbFallsBackToSclkWhenUsbGoesOff();
    void i2sf5External();
    void usbHsPhyFollowsModelHext_data();
    void usbHsPhyFollowsModelHext();
    void usartOnLextUsesLext();
};

void TestFlexibleSeriesUi::initTestCase()
{
    silenceOffscreenSizeHints();
}

void TestFlexibleSeriesUi::init()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

void TestFlexibleSeriesUi::defaults_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<bool>("viaContainer");
    QTest::addColumn<QStringList>("texts");   // hext, ms, ns, output divider, sclk, pll label, word
    QTest::addColumn<QStringList>("buses");   // apb1, apb1 timer, apb2, systick, usb divider
    const QStringList r610{"8", "/1", "*108", "  /4", "216.000", "216.000MHz", "0x40521b01"};
    const QStringList r640{"12", "/1", "*72", "  /4", "216.000", "216.000MHz", "0x40521201"};
    const QStringList r740{"8", "/1", "*75", "  /2", "150.000", "300.000MHz", "0x004112c1"};
    const QStringList fpBuses{"108.000", "216.000", "216.000", "27.000", "  /18"};
    const QStringList frBuses{"75.000", "150.000", "150.000", "18.750", "  /6"};
    for (bool container : {false, true}) {
        const char *how = container ? "New" : "built";
        QTest::newRow(qPrintable(QString("R610 %1").arg(how))) << "KytoR610PLL" << container << r610 << fpBuses;
        QTest::newRow(qPrintable(QString("R960 %1").arg(how))) << "KytoR960PLL" << container << r610 << fpBuses;
        QTest::newRow(qPrintable(QString("R640 %1").arg(how))) << "KytoR640PLL" << container << r640 << fpBuses;
        QTest::newRow(qPrintable(QString("R740 %1").arg(how))) << "KytoR740PLL" << container << r740 << frBuses;
        QTest::newRow(qPrintable(QString("H740 %1").arg(how))) << "KytoH740PLL" << container << r740 << frBuses;
    }
}

// After construction, and after New (a second reset, with every slot
// connected), the page shows the series' defaults; APB1 is raised to /2 by
// the recompute since AHB runs above 120 MHz.
void TestFlexibleSeriesUi::defaults()
{
    QFETCH(QString, cls);
    QFETCH(bool, viaContainer);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, buses);

    std::unique_ptr<KytoMCUPLL> built;
    KytoPLLConfig config;
    QWidget *p = nullptr;
    if (viaContainer) {
        config.selectMcu(indexOfClass(cls));
        p = config.currentSeriesWidget();
    } else {
        built = newPage(cls);
        p = built.get();
    }
    QVERIFY(p);
    const bool fr = isFr(cls);
    QCOMPARE(edit(p, "hext")->text(), texts[0]);
    QCOMPARE(edit(p, "pllms")->text(), texts[1]);
    QCOMPARE(edit(p, "pllns")->text(), texts[2]);
    QCOMPARE(combo(p, fr ? "pllfr" : "pllfp")->currentText(), texts[3]);
    QCOMPARE(edit(p, "sclk")->text(), texts[4]);
    QCOMPARE(textColour(edit(p, "sclk")), QColor(Qt::darkGreen));
    QCOMPARE(label(p, "pll_Label")->text(), texts[5]);
    QCOMPARE(readout(p, "pllcfg")->text(), texts[6]);
    QCOMPARE(label(p, "pllcfg_Label")->text(), QStringLiteral("CRM_PLLCFG: "));

    QCOMPARE(combo(p, "apb1div")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(readout(p, "apb1tmrmult")->text(), QStringLiteral("* 2"));
    QCOMPARE(readout(p, "apb1peripheral")->text(), buses[0]);
    QCOMPARE(readout(p, "apb1tmr")->text(), buses[1]);
    QCOMPARE(readout(p, "apb2peripheral")->text(), buses[2]);
    QCOMPARE(readout(p, "systick")->text(), buses[3]);
    QCOMPARE(readout(p, "systickdiv")->text(), QStringLiteral("/ 8"));
    QCOMPARE(combo(p, fr ? "usbdiv" : "pllfu")->currentText(), buses[4]);
    for (const char *name : {"apb1peripheral", "apb1tmr", "apb2peripheral", "apb2tmr", "i2s", "dma"})
        QCOMPARE(textColour(readout(p, name)), QColor(Qt::darkGreen));

    // USB off, no clock-out pin, ERTC off, kernel clocks off.
    QVERIFY(label(p, "usb_Label")->isHidden());
    QVERIFY(!combo(p, fr ? "usbdiv" : "pllfu")->isEnabled());
    QVERIFY(!combo(p, "clockoutdiv1")->isEnabled());
    QVERIFY(!radio(p, "clkout", "sclk")->isEnabled());
    QVERIFY(!radio(p, "rtcsel", "lick")->isEnabled());
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("0"));
    QCOMPARE(textColour(readout(p, "ertc")), QColor(Qt::gray));
    const QStringList kernelRadios = fr ? QStringList{"usart1clocksel_RadioButton_pclk", "usart2clocksel_RadioButton_pclk",
                                                      "usart3clocksel_RadioButton_pclk", "i2c1clocksel_RadioButton_pclk",
                                                      "adcclocksel_RadioButton_hclk"}
                                        : QStringList{"i2sf5clocksel_RadioButton_pllp"};
    for (const QString &name : kernelRadios) {
        QVERIFY2(find<QRadioButton>(p, name)->isChecked(), qPrintable(name));
        QVERIFY2(!find<QRadioButton>(p, name)->isEnabled(), qPrintable(name));
    }
    // The PLL drives SCLK: its group is live.
    QVERIFY(edit(p, "pllms")->isEnabled());
    QVERIFY(radio(p, "pllrcs", "hext")->isEnabled());
    if (cls == QLatin1String("KytoR640PLL")) {
        QCOMPARE(readout(p, "usbhsphy")->text(), QStringLiteral("12.000"));
        QCOMPARE(textColour(readout(p, "usbhsphy")), QColor(Qt::darkGreen));
    }
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestFlexibleSeriesUi::slotsMembersAndItems_data()
{
    QTest::addColumn<QString>("cls");
    for (const QString &cls : fpFuClasses + frClasses)
        QTest::newRow(qPrintable(cls)) << cls;
}

// Each class declares its own slots in the drawing's order; the family's
// members, items and clock-out captions stand where the drawing has them.
void TestFlexibleSeriesUi::slotsMembersAndItems()
{
    QFETCH(QString, cls);
    const bool fr = isFr(cls);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();

    QStringList expected{
        "rtcsel_RadioButton_checkSlot(bool)", "rtcswitch_ComboBox_currentIndexChanged(int)",
        "rtcdiv_ComboBox_currentIndexChanged(int)", "lextbypass_ComboBox_currentIndexChanged(int)",
        "hextdiv_ComboBox_currentIndexChanged(int)", "hickdiv_ComboBox_currentIndexChanged(int)",
        "hext_LineEdit_returnPressed()", "hext_LineEdit_textChanged(QString)",
        "hextbypass_ComboBox_currentIndexChanged(int)", "pllms_LineEdit_returnPressed()",
        "pllms_LineEdit_textChanged(QString)", "pllns_LineEdit_returnPressed()", "pllns_LineEdit_textChanged(QString)",
        fr ? "pllfr_ComboBox_currentIndexChanged(int)" : "pllfp_ComboBox_currentIndexChanged(int)",
        "pllrcs_RadioButton_checkSlot(bool)", "sclkselecthext_RadioButton_checkSlot(bool)",
        "sclkselectpll_RadioButton_checkSlot(bool)", "sclkselecthick_RadioButton_checkSlot(bool)",
        "ahbdiv_ComboBox_currentIndexChanged(int)", "apb1div_ComboBox_currentIndexChanged(int)",
        "apb2div_ComboBox_currentIndexChanged(int)",
        fr ? "usbdiv_ComboBox_currentIndexChanged(int)" : "pllfu_ComboBox_currentIndexChanged(int)",
        "usbswitch_ComboBox_currentIndexChanged(int)", "hicktousb_RadioButton_checkSlot(bool)",
        "hicktosclk_RadioButton_checkSlot(bool)", "clkout_RadioButton_checkSlot(bool)",
        "clockoutdiv1_ComboBox_currentIndexChanged(int)", "clockoutdiv2_ComboBox_currentIndexChanged(int)",
        "clockoutPinSelectComboBox_currentIndexChanged(int)", "sclk_LineEdit_returnPressed()",
        "sclk_LineEdit_textChanged(QString)", "toapb1peripheral_List_Button_checkSlot()",
        "toapb1tmr_List_Button_checkSlot()", "toapb2peripheral_List_Button_checkSlot()",
        "toapb2tmr_List_Button_checkSlot()"};
    if (fr) {
        for (const char *node : {"usart1", "usart2", "usart3", "i2c1", "adc"})
            expected << QString("%1clocksel_RadioButton_checkSlot(bool)").arg(node)
                     << QString("%1switch_ComboBox_currentIndexChanged(int)").arg(node);
    } else {
        expected << "i2sf5clocksel_RadioButton_checkSlot(bool)" << "i2sf5switch_ComboBox_currentIndexChanged(int)";
    }
    const QMetaObject *mo = page->metaObject();
    QCOMPARE(QString::fromLatin1(mo->className()), cls);
    QStringList found;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        QCOMPARE(mo->method(i).methodType(), QMetaMethod::Slot);
        found << QString::fromLatin1(mo->method(i).methodSignature());
    }
    QCOMPARE(found, expected);

    const bool r640 = cls == QLatin1String("KytoR640PLL");
    QCOMPARE(p->findChild<QLineEdit *>("usbhsphy_ReadOut") != nullptr, r640);
    QCOMPARE(p->findChild<QLabel *>("usbhsphysrc_Label") != nullptr, r640);
    QCOMPARE(p->findChild<QLabel *>("usbhsphy_Label") != nullptr, r640);
    QCOMPARE(p->findChild<QLineEdit *>("pllhalfdiv_ReadOut") != nullptr, fr);
    QCOMPARE(p->findChild<QWidget *>("i2sf5switch_ComboBox") != nullptr, !fr);
    QCOMPARE(p->findChild<QWidget *>("usart2switch_ComboBox") != nullptr, fr);

    QStringList rtcdiv;
    for (int n = 2; n <= 31; ++n)
        rtcdiv << QString("  /%1").arg(n);
    QCOMPARE(itemsOf(combo(p, "rtcdiv")), rtcdiv);
    QCOMPARE(itemsOf(combo(p, "usbswitch")), (QStringList{"enable", "disable"}));
    if (fr) {
        QCOMPARE(itemsOf(combo(p, "pllfr")), (QStringList{"  /1", "  /2", "  /4", "  /8", "  /16", "  /32"}));
        QCOMPARE(itemsOf(combo(p, "usbdiv")), (QStringList{"  /2", "  /3", "  /4", "  /5", "  /6", "  /7", "  /8"}));
    } else {
        QCOMPARE(itemsOf(combo(p, "pllfp")),
                 (QStringList{"  /1", "  /2", "  /4", "  /6", "  /8", "  /10", "  /12", "  /14", "  /16", "  /18",
                              "  /20", "  /22", "  /24", "  /26", "  /28", "  /30"}));
        QCOMPARE(itemsOf(combo(p, "pllfu")), (QStringList{"  /11", "  /13", "  /12", "  /14", "  /16", "  /18", "  /20"}));
    }
    // The fr drawing swaps the hick and adc rows of the clock-out.
    QCOMPARE(label(p, "clkoutsrc_Label_usb")->text(), fr ? QStringLiteral("usb") : QStringLiteral("usbfs"));
    QCOMPARE(label(p, "clkoutsrc_Label_adc")->text(), fr ? QStringLiteral("adcclk") : QStringLiteral("adc"));
    const double hickY = scenePos(radio(p, "clkout", "hick")).y();
    const double adcY = scenePos(radio(p, "clkout", "adc")).y();
    QCOMPARE(hickY < adcY, fr);
    QCOMPARE(scenePos(radio(p, "clkout", "sclk")), fr ? QPointF(406, 605) : QPointF(387, 583));
}

void TestFlexibleSeriesUi::peripheralLists_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("x");
    QTest::addColumn<QStringList>("apb1Peripherals");
    QTest::addColumn<QStringList>("apb2Peripherals");
    const QStringList fpApb1{"SPI2", "SPI3", "USART2", "USART3", "USART4", "USART5", "USART7", "USART8",
                             "I2C1", "I2C2", "I2C3", "CAN1"};
    const QStringList frApb1{"SPI2", "SPI3", "USART2", "USART3", "UART4", "UART5", "UART7", "UART8",
                             "I2C1", "I2C2", "I2C3", "CAN1", "CAN2", "DAC"};
    QTest::newRow("R610") << "KytoR610PLL" << 1267 << fpApb1
                          << QStringList{"ACC", "I2SF5", "SPI1", "SCFG", "ADC1", "USART1", "USART6"};
    QTest::newRow("R740") << "KytoR740PLL" << 1264 << frApb1 << QStringList{"SPI1", "USART1", "USART6", "SCFG"};
}

// One list open at a time, the icon following its list, and a press on the
// page closing the open list and focusing its button.
void TestFlexibleSeriesUi::peripheralLists()
{
    QFETCH(QString, cls);
    QFETCH(int, x);
    QFETCH(QStringList, apb1Peripherals);
    QFETCH(QStringList, apb2Peripherals);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();
    p->show();
    QVERIFY(QTest::qWaitForWindowActive(p));

    const QStringList names{"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    const int buttonY[] = {281, 364, 446, 531};
    QList<QWidget *> lists;
    QList<QPushButton *> buttons;
    for (int k = 0; k < 4; ++k) {
        buttons << find<QPushButton>(p, names[k] + "_List_Button");
        lists << find<QWidget>(p, names[k] + "_List");
        QVERIFY(lists[k]->isHidden());
        QCOMPARE(scenePos(buttons[k]), QPointF(x, buttonY[k]));
        QCOMPARE(lists[k]->graphicsProxyWidget()->pos(), QPointF(x, buttonY[k] + 20));
    }
    auto texts = [](QWidget *list) {
        QStringList shown;
        for (QLabel *l : list->findChildren<QLabel *>())
            shown << l->text();
        return shown;
    };
    QCOMPARE(texts(lists[0]), apb1Peripherals);
    QCOMPARE(texts(lists[2]), apb2Peripherals);
    QCOMPARE(texts(lists[3]), (QStringList{"TMR1", "TMR9", "TMR10", "TMR11"}));

    const QImage closedIcon = QIcon(":/image/btn_right_slider_hover.png").pixmap(16).toImage();
    const QImage openIcon = QIcon(":/image/btn_down_slider_hover.png").pixmap(16).toImage();
    auto iconsFollowLists = [&] {
        for (int k = 0; k < 4; ++k) {
            if (buttons[k]->icon().pixmap(16).toImage() != (lists[k]->isHidden() ? closedIcon : openIcon))
                return false;
        }
        return true;
    };
    buttons[1]->click();
    QVERIFY(!lists[1]->isHidden());
    buttons[2]->click();
    QVERIFY(lists[1]->isHidden());
    QVERIFY(!lists[2]->isHidden());
    QVERIFY(iconsFollowLists());
    buttons[2]->click();
    QVERIFY(lists[2]->isHidden());
    QVERIFY(iconsFollowLists());

    buttons[3]->click();
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QVERIFY(lists[3]->isHidden());
    QVERIFY(iconsFollowLists());
    QVERIFY(buttons[3]->hasFocus());
}

// SCLK from HEXT with nothing else on the PLL leaves the PLL group grey (the
// output divider looking as greyed as the rest) and its read-outs empty; the
// emptied register word and caption are hidden. On the I2SF5 pages the same
// holds with the I2SF5 on an external clock, after SCLK went to the PLL first.
void TestFlexibleSeriesUi::pllUnusedGreysThePllGroup()
{
    for (const QString &cls : {QStringLiteral("KytoR610PLL"), QStringLiteral("KytoR960PLL"), QStringLiteral("KytoR740PLL")}) {
        std::unique_ptr<KytoMCUPLL> page = newPage(cls);
        QWidget *p = page.get();
        if (!isFr(cls)) {
            combo(p, "i2sf5switch")->setCurrentIndex(1);
            click(radio(p, "i2sf5clocksel", "external"));
            click(radio(p, "sclkselect", "hick"));
            click(radio(p, "sclkselect", "pll"));
        }
        click(radio(p, "sclkselect", "hext"));
        QVERIFY(!edit(p, "pllms")->isEnabled());
        QVERIFY(!radio(p, "pllrcs", "hext")->isEnabled());
        CustomComboBox1 *outDiv = combo(p, isFr(cls) ? "pllfr" : "pllfp");
        QVERIFY(!outDiv->isEnabled());
        QCOMPARE(outDiv->styleSheet(), CustomComboBox1::disabledStyleSheet());
        QCOMPARE(label(p, "pll_Label")->text(), QString());
        QCOMPARE(label(p, "pllcfg_Label")->text(), QString());
        QCOMPARE(readout(p, "pllcfg")->text(), QString());
        QVERIFY(label(p, "pllcfg_Label")->isHidden() && readout(p, "pllcfg")->isHidden());
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("8.000"));
    }
}

void TestFlexibleSeriesUi::hextAndHickDividersFollowTheirSource()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    QVERIFY(!combo(p, "hextdiv")->isEnabled());
    QVERIFY(!combo(p, "hickdiv")->isEnabled());
    click(radio(p, "sclkselect", "hext"));
    QVERIFY(combo(p, "hextdiv")->isEnabled());
    QVERIFY(!combo(p, "hickdiv")->isEnabled());
    click(radio(p, "sclkselect", "hick"));
    QVERIFY(!combo(p, "hextdiv")->isEnabled());
    QVERIFY(combo(p, "hickdiv")->isEnabled());
    QVERIFY(find<QLineEdit>(p, "hick_ReadOut")->isEnabled());
}

void TestFlexibleSeriesUi::pllConfigWordBits_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<bool>("usbFromPll");
    QTest::addColumn<bool>("pllFromHick");
    QTest::addColumn<QString>("word");
    QTest::newRow("R610 USB on from the PLL") << "KytoR610PLL" << true << false << "0x60521b01";
    QTest::newRow("R610 PLL from HICK") << "KytoR610PLL" << false << true << "0x00521b01";
    QTest::newRow("R740 PLL from HICK") << "KytoR740PLL" << false << true << "0x000112c1";
}

void TestFlexibleSeriesUi::pllConfigWordBits()
{
    QFETCH(QString, cls);
    QFETCH(bool, usbFromPll);
    QFETCH(bool, pllFromHick);
    QFETCH(QString, word);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();
    if (usbFromPll)
        combo(p, "usbswitch")->setCurrentIndex(0);
    if (pllFromHick)
        click(radio(p, "pllrcs", "hick"));
    QCOMPARE(readout(p, "pllcfg")->text(), word);
}

void TestFlexibleSeriesUi::ertcReadout()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    combo(p, "rtcswitch")->setCurrentIndex(1);
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("40"));
    QCOMPARE(textColour(readout(p, "ertc")), QColor(Qt::darkGreen));
    click(radio(p, "rtcsel", "hext"));
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("4000.000"));
    QVERIFY(combo(p, "rtcdiv")->isEnabled());
    combo(p, "rtcswitch")->setCurrentIndex(0);
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("0"));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

// Only the chosen source's label shows, and the output is divided by both
// clock-out dividers; LICK is the constant 40 kHz.
void TestFlexibleSeriesUi::clockOutFrequencies()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    find<CustomComboBox1>(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
    click(radio(p, "clkout", "lick"));
    combo(p, "clockoutdiv1")->setCurrentIndex(4);
    combo(p, "clockoutdiv2")->setCurrentIndex(1);
    QCOMPARE(label(p, "clkoutsrcfreq_Label_lick")->text(), QStringLiteral("(40.000 kHz)"));
    QCOMPARE(label(p, "clkoutfreq_Label")->text(), QStringLiteral("(4.000 kHz)"));
    for (const char *choice : {"sclk", "hext", "pll", "usb", "adc", "hick", "lext"})
        QVERIFY(label(p, QString("clkoutsrcfreq_Label_%1").arg(choice))->isHidden());

    combo(p, "clockoutdiv1")->setCurrentIndex(0);
    combo(p, "clockoutdiv2")->setCurrentIndex(0);
    click(radio(p, "clkout", "hick"));
    QCOMPARE(label(p, "clkoutsrcfreq_Label_hick")->text(), QStringLiteral("(8.000 MHz)"));
    click(radio(p, "sclkselect", "hick"));
    click(radio(p, "hicktosclk", "48m"));
    QCOMPARE(label(p, "clkoutsrcfreq_Label_hick")->text(), QStringLiteral("(48.000 MHz)"));
    QCOMPARE(label(p, "clkoutfreq_Label")->text(), QStringLiteral("(48.000 MHz)"));
}

void TestFlexibleSeriesUi::clockOutOnUsbFallsBackToSclkWhenUsbGoesOff()
{
    for (const QString &cls : {QStringLiteral("KytoR610PLL"), QStringLiteral("KytoR740PLL")}) {
        std::unique_ptr<KytoMCUPLL> page = newPage(cls);
        QWidget *p = page.get();
        find<CustomComboBox1>(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
        combo(p, "usbswitch")->setCurrentIndex(0);
        click(radio(p, "clkout", "usb"));
        QCOMPARE(page->model->clkoutSource, isFr(cls) ? 6 : 11);
        combo(p, "usbswitch")->setCurrentIndex(1);
        QVERIFY(radio(p, "clkout", "sclk")->isChecked());
        QCOMPARE(page->model->clkoutSource, 5);
        QVERIFY(!radio(p, "clkout", "usb")->isEnabled());
    }
}

void TestFlexibleSeriesUi::i2sf5External()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR960PLL");
    QWidget *p = page.get();
    combo(p, "i2sf5switch")->setCurrentIndex(1);
    QCOMPARE(readout(p, "i2sf5")->text(), QStringLiteral("216.000"));
    click(radio(p, "i2sf5clocksel", "external"));
    QCOMPARE(readout(p, "i2sf5")->text(), QStringLiteral("Actual value"));
    QCOMPARE(label(p, "i2sf5_Label")->text(), QString());
    // A language switch at run time reaches it at once, both ways.
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&chinese);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(readout(p, "i2sf5")->text(), QString::fromUtf8("实际值"));
    QCoreApplication::removeTranslator(&chinese);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(readout(p, "i2sf5")->text(), QStringLiteral("Actual value"));
    click(radio(p, "i2sf5clocksel", "hick"));
    QCOMPARE(readout(p, "i2sf5")->text(), QStringLiteral("8.000"));
    QCOMPARE(label(p, "i2sf5_Label")->text(), QStringLiteral("(MHz)"));
}

void TestFlexibleSeriesUi::usbHsPhyFollowsModelHext_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("12.5 pending") << "12.5" << false << "12.000" << QColor(Qt::darkGreen);
    QTest::newRow("empty pending") << "" << false << "12.000" << QColor(Qt::darkGreen);
    QTest::newRow("6 with Return") << "6" << true << "6.000" << QColor(Qt::red);
}

// The PHY read-out shows the HEXT the model holds: a HEXT typed without
// Return does not count while it is pending (here while pll_ms is typed
// into next, which refreshes the read-outs), and counts once it is taken.
void TestFlexibleSeriesUi::usbHsPhyFollowsModelHext()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirmed);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR640PLL");
    QWidget *p = page.get();
    for (int i = 0; i < 4; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    if (confirmed)
        typeAndReturn(edit(p, "hext"), typed);
    else
        edit(p, "hext")->setText(typed);
    edit(p, "pllms")->setText(QStringLiteral("/2"));
    QCOMPARE(readout(p, "usbhsphy")->text(), shown);
    QCOMPARE(textColour(readout(p, "usbhsphy")), colour);
    QCOMPARE(page->model->hextMhz, shown.toDouble());
}

// In the fr family a USART on LEXT takes LEXT into use, with the ERTC off.
void TestFlexibleSeriesUi::usartOnLextUsesLext()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR740PLL");
    QWidget *p = page.get();
    QVERIFY(!find<QLineEdit>(p, "lext_ReadOut")->isEnabled());
    combo(p, "usart2switch")->setCurrentIndex(1);
    click(radio(p, "usart2clocksel", "lext"));
    QCOMPARE(readout(p, "usart2")->text(), QStringLiteral("32.768"));
    QCOMPARE(label(p, "usart2_Label")->text(), QStringLiteral("(kHz)"));
    QVERIFY(find<QLineEdit>(p, "lext_ReadOut")->isEnabled());
    QVERIFY(combo(p, "lextbypass")->isEnabled());
    QCOMPARE(page->model->usart2ClockSource, 3);
}

QTEST_MAIN(TestFlexibleSeriesUi)
#include "tst_flexibleseries_ui.moc"
