// The dual-mode PLL pages (R720, NS720, R730, R750, E105) as the user sees
// them: what a new page shows, how each selection re-highlights the tree
// and its read-outs, and the peripheral lists. Pages are built through the
// series registry and their controls found by object name.
#include "series/dualmode/KytoDualModePLL.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include <functional>
#include <memory>

using SeriesPages::boxTexts;
using SeriesPages::find;
using SeriesPages::typeAndReturn;

namespace {

KytoMCUPLL *makePage(int index)
{
    return KytoPLLConfig::registeredOperations(index).create(nullptr);
}

CustomComboBox1 *combo(QWidget *page, const QString &name)
{
    return find<CustomComboBox1>(page, name);
}

QRadioButton *radio(QWidget *page, const QString &name)
{
    return find<QRadioButton>(page, name);
}

QLineEdit *lineEdit(QWidget *page, const QString &name)
{
    return find<QLineEdit>(page, name);
}

QLabel *label(QWidget *page, const QString &name)
{
    return find<QLabel>(page, name);
}

QString text(QWidget *page, const QString &name)
{
    if (QLineEdit *e = page->findChild<QLineEdit *>(name))
        return e->text();
    if (QLabel *l = page->findChild<QLabel *>(name))
        return l->text();
    if (QComboBox *c = page->findChild<QComboBox *>(name))
        return c->currentText();
    return QStringLiteral("<missing %1>").arg(name);
}

QColor editColour(QWidget *page, const QString &name)
{
    return lineEdit(page, name)->palette().color(QPalette::Text);
}

QColor labelColour(QWidget *page, const QString &name)
{
    return label(page, name)->palette().color(QPalette::WindowText);
}

QSet<QString> slotsOf(const QMetaObject *meta)
{
    QSet<QString> result;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            result << QString::fromLatin1(meta->method(i).methodSignature());
    }
    return result;
}

using Action = std::function<void(KytoMCUPLL *)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestDualModeUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<KytoMCUPLL> page;

    void build(int index)
    {
        page.reset(makePage(index));
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
    }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }
    void cleanup()
    {
        page.reset();
    }

    void newPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("ownSlots");
        QTest::addColumn<int>("clkoutRadios");
        QTest::addColumn<QString>("sclk");
        QTest::addColumn<QString>("apbItem");
        QTest::addColumn<QString>("apb1");
        QTest::addColumn<QString>("timerMult");
        QTest::addColumn<QString>("systick");
        QTest::addColumn<QString>("pllcfg");
        QTest::addColumn<QStringList>("factors");   // mult, ns, fr
        QTest::addColumn<QString>("range");
        const QStringList usb{"usbdiv_ComboBox_currentIndexChanged(int)", "usbswitch_ComboBox_currentIndexChanged(int)"};
        QTest::newRow("R720") << 5 << usb << 10 << "144.000" << "  /2" << "72.000" << "* 2" << "18.000"
                              << "0x00421201" << QStringList{"  * 18", "*72", "  /4"} << "(4 - 150)";
        QTest::newRow("NS720") << 17 << usb << 10 << "144.000" << "  /2" << "72.000" << "* 2" << "18.000"
                               << "0x00421201" << QStringList{"  * 18", "*72", "  /4"} << "(4 - 150)";
        QTest::newRow("R730") << 9 << QStringList() << 9 << "120.000" << "  /1" << "120.000" << "* 1" << "15.000"
                              << "0x00431e01" << QStringList{"  * 15", "*120", "  /8"} << "(4 - 120)";
        QTest::newRow("R750") << 15 << usb + QStringList{"hicktousb_RadioButton_checkSlot(bool)"} << 10 << "96.000"
                              << "  /1" << "96.000" << "* 1" << "12.000" << "0x00431801"
                              << QStringList{"  * 12", "*96", "  /8"} << "(4 - 96)";
        QTest::newRow("E105") << 16
                              << QStringList{"usart1clocksel_RadioButton_checkSlot(bool)",
                                             "usart1switch_ComboBox_currentIndexChanged(int)",
                                             "usart2clocksel_RadioButton_checkSlot(bool)",
                                             "usart2switch_ComboBox_currentIndexChanged(int)",
                                             "i2c1clocksel_RadioButton_checkSlot(bool)",
                                             "i2c1switch_ComboBox_currentIndexChanged(int)"}
                              << 9 << "80.000" << "  /1" << "80.000" << "* 1" << "10.000" << "0x00431401"
                              << QStringList{"  * 10", "*80", "  /8"} << "(4 - 80)";
    }
    void newPage()
    {
        QFETCH(int, index);
        QFETCH(QStringList, ownSlots);
        QFETCH(int, clkoutRadios);
        QFETCH(QString, sclk);
        QFETCH(QString, apbItem);
        QFETCH(QString, apb1);
        QFETCH(QString, timerMult);
        QFETCH(QString, systick);
        QFETCH(QString, pllcfg);
        QFETCH(QStringList, factors);
        QFETCH(QString, range);
        build(index);
        KytoMCUPLL *p = page.get();

        // The slots every page of the family has, and the class's own.
        QSet<QString> common = slotsOf(page->metaObject());
        for (int other : {5, 9, 15, 16, 17}) {
            std::unique_ptr<KytoMCUPLL> o(makePage(other));
            common &= slotsOf(o->metaObject());
        }
        QSet<QString> own = slotsOf(page->metaObject()) - common;
        QCOMPARE(own, QSet<QString>(ownSlots.begin(), ownSlots.end()));
        QVERIFY(common.contains("pllmode_ComboBox_currentIndexChanged(int)"));
        QVERIFY(common.contains("toapb2tmr_List_Button_checkSlot()"));
        QCOMPARE(p->findChildren<QRadioButton *>(QRegularExpression("^clkout_RadioButton_")).size(), clkoutRadios);

        QCOMPARE(text(p, "sclk_LineEdit"), sclk);
        QCOMPARE(text(p, "pll_Label"), sclk + "MHz");
        QCOMPARE(text(p, "apb1div_ComboBox"), apbItem);
        QCOMPARE(text(p, "apb2div_ComboBox"), apbItem);
        QCOMPARE(text(p, "apb1peripheral_ReadOut"), apb1);
        QCOMPARE(text(p, "apb2peripheral_ReadOut"), apb1);
        QCOMPARE(text(p, "apb1tmrmult_ReadOut"), timerMult);
        QCOMPARE(text(p, "systick_ReadOut"), systick);
        QCOMPARE(text(p, "systickdiv_ReadOut"), QString("/ 8"));
        QCOMPARE(text(p, "pllcfg_ReadOut"), pllcfg);
        QCOMPARE(text(p, "pllcfg_Label"), QString("CRM_PLLCFG: "));
        QCOMPARE(text(p, "pllmult_ComboBox"), factors[0]);
        QCOMPARE(text(p, "pllms_LineEdit"), QString("/1"));
        QCOMPARE(text(p, "pllns_LineEdit"), factors[1]);
        QCOMPARE(text(p, "pllfr_ComboBox"), factors[2]);
        QCOMPARE(text(p, "sclkrange_Label"), range);
        QCOMPARE(text(p, "hick_ReadOut"), QString("48"));
        QCOMPARE(text(p, "ertc_ReadOut"), QString("0"));
        QCOMPARE(text(p, "pllmode_ComboBox"), QString("normal"));

        for (const char *name : {"sclk_LineEdit", "apb1peripheral_ReadOut", "apb2tmr_ReadOut", "systick_ReadOut"})
            QCOMPARE(editColour(p, name), QColor(Qt::darkGreen));
        QCOMPARE(editColour(p, "adc_ReadOut"), QColor(Qt::gray));
        QCOMPARE(editColour(p, "ertc_ReadOut"), QColor(Qt::gray));
        QCOMPARE(labelColour(p, "pll_Label"), QColor(Qt::darkGreen));

        // The "normal" layout: the multiplier shows, the flexible factors not.
        QVERIFY(!combo(p, "pllmult_ComboBox")->isHidden());
        for (const char *name : {"pllms_LineEdit", "pllns_LineEdit", "pllcfg_ReadOut"})
            QVERIFY2(lineEdit(p, name)->isHidden(), name);
        QVERIFY(combo(p, "pllfr_ComboBox")->isHidden());
        QVERIFY(label(p, "pllcfg_Label")->isHidden());

        // In use: HEXT and the PLL; greyed: LEXT, RTC, ADC, USB and clock-out.
        QVERIFY(lineEdit(p, "hext_LineEdit")->isEnabled());
        QVERIFY(p->model->hextMhz == 8.0 && p->hextEnabled);
        QVERIFY(combo(p, "pllmult_ComboBox")->isEnabled());
        QVERIFY(!lineEdit(p, "lext_ReadOut")->isEnabled());
        QVERIFY(!radio(p, "rtcsel_RadioButton_lick")->isEnabled());
        QVERIFY(!combo(p, "toadcdiv_ComboBox")->isEnabled());
        QVERIFY(!radio(p, "clkout_RadioButton_noclk")->isEnabled());
        QVERIFY(!combo(p, "clockoutdiv_ComboBox")->isEnabled());
        QVERIFY(combo(p, "clockoutPinSelectComboBox")->isEnabled());
        if (QLabel *usb = p->findChild<QLabel *>("usb_Label"))
            QVERIFY(usb->isHidden());

        const bool e105 = index == 16;
        QCOMPARE(combo(p, "toadcdiv_ComboBox")->count(), e105 ? 8 : 6);
        QCOMPARE(combo(p, "clockoutPinSelectComboBox")->count(), e105 ? 4 : 2);
        QCOMPARE(combo(p, "pllmult_ComboBox")->count(), 63);
        QCOMPARE(p->findChild<QLineEdit *>("i2s_ReadOut") != nullptr, index != 17);
        QCOMPARE(p->findChild<QLineEdit *>("sdio_ReadOut") != nullptr, index == 5);
        QCOMPARE(p->findChild<QRadioButton *>("clkout_RadioButton_usb") != nullptr, index != 9 && !e105);
        if (e105) {
            QCOMPARE(text(p, "clkoutsrc_Label_hick"), QString("hick48"));
            QCOMPARE(text(p, "usart1_ReadOut"), QString("0"));
            QVERIFY(!radio(p, "usart1clocksel_RadioButton_pclk")->isEnabled());
        }
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void newInTheContainer_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("className");
        QTest::newRow("R720") << 5 << "KytoR720PLL";
        QTest::newRow("NS720") << 17 << "KytoNS720PLL";
        QTest::newRow("R730") << 9 << "KytoR730PLL";
        QTest::newRow("R750") << 15 << "KytoR750PLL";
        QTest::newRow("E105") << 16 << "KytoE105PLL";
    }
    void newInTheContainer()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        KytoPLLConfig config;
        config.selectMcu(index);
        KytoMCUPLL *shown = config.currentSeriesWidget();
        QVERIFY(shown);
        QCOMPARE(QString(shown->metaObject()->className()), className);
        QCOMPARE(shown->parentWidget(), static_cast<QWidget *>(&config));
        QCOMPARE(text(shown, "pllmode_ComboBox"), QString("normal"));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void highlightsAndReadouts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("act");
        QTest::addColumn<Action>("check");

        QTest::newRow("SCLK from HICK alone greys HEXT and the PLL") << 5 << Action([](KytoMCUPLL *p) {
            radio(p, "sclkselect_RadioButton_hick")->click();
        }) << Action([](KytoMCUPLL *p) {
            QVERIFY(!lineEdit(p, "hext_LineEdit")->isEnabled());
            QVERIFY(!combo(p, "pllmult_ComboBox")->isEnabled());
            QVERIFY(!radio(p, "pllrcs_RadioButton_hext")->isEnabled());
            QCOMPARE(text(p, "pll_Label"), QString());
            QCOMPARE(text(p, "pllcfg_Label"), QString());
            QCOMPARE(text(p, "pllcfg_ReadOut"), QString());
            QCOMPARE(text(p, "sclk_LineEdit"), QString("8.000"));
            QVERIFY(!lineEdit(p, "sclk_LineEdit")->isEnabled());
        });
        QTest::newRow("R720 USB on") << 5 << Action([](KytoMCUPLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
        }) << Action([](KytoMCUPLL *p) {
            QVERIFY(combo(p, "usbdiv_ComboBox")->isEnabled());
            QVERIFY(!label(p, "usb_Label")->isHidden());
            QCOMPARE(text(p, "usb_Label"), QString("48.000 MHz"));
            QCOMPARE(labelColour(p, "usb_Label"), QColor(Qt::darkGreen));
            // With the system clock on the PLL the divider only divides.
            combo(p, "usbdiv_ComboBox")->setCurrentIndex(2);
            QCOMPARE(text(p, "usb_Label"), QString("72.000 MHz"));
            QCOMPARE(labelColour(p, "usb_Label"), QColor(Qt::red));
            QCOMPARE(text(p, "pllmult_ComboBox"), QString("  * 18"));
        });
        QTest::newRow("R750 USB from HICK greys its divider") << 15 << Action([](KytoMCUPLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            radio(p, "hicktousb_RadioButton_hick")->click();
        }) << Action([](KytoMCUPLL *p) {
            QVERIFY(!combo(p, "usbdiv_ComboBox")->isEnabled());
            QVERIFY(radio(p, "hicktousb_RadioButton_hick")->isEnabled());
            QCOMPARE(text(p, "usb_Label"), QString("48.000 MHz"));
        });
        QTest::newRow("normal mode below 16 MHz") << 5 << Action([](KytoMCUPLL *p) {
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "4");
            combo(p, "pllmult_ComboBox")->setCurrentIndex(0);
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(text(p, "pll_Label"), QString("8.000MHz"));
            QCOMPARE(labelColour(p, "pll_Label"), QColor(Qt::red));
            // Below 16 MHz is fine for the flexible PLL (its slowest is
            // 500 MHz / 32).
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            typeAndReturn(lineEdit(p, "sclk_LineEdit"), "8");
            QCOMPARE(text(p, "pll_Label"), QString("15.625MHz"));
            QCOMPARE(labelColour(p, "pll_Label"), QColor(Qt::darkGreen));
        });
        for (int index : {5, 9}) {
            QTest::newRow(qPrintable(QString("RTC sources, index %1").arg(index))) << index << Action([](KytoMCUPLL *p) {
                combo(p, "rtcswitch_ComboBox")->setCurrentIndex(1);
            }) << Action([index](KytoMCUPLL *p) {
                QCOMPARE(text(p, "ertc_ReadOut"), QString("40"));
                QCOMPARE(editColour(p, "ertc_ReadOut"), QColor(Qt::darkGreen));
                radio(p, "rtcsel_RadioButton_lext")->click();
                QCOMPARE(text(p, "ertc_ReadOut"), QString("32.768"));
                QVERIFY(lineEdit(p, "lext_ReadOut")->isEnabled());
                radio(p, "rtcsel_RadioButton_hext")->click();
                QCOMPARE(text(p, "ertc_ReadOut"), QString(index == 5 ? "62.500" : "250.000"));
            });
        }
        QTest::newRow("clock-out HICK/6 and its divider") << 5 << Action([](KytoMCUPLL *p) {
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_hick")->click();
            radio(p, "sclkselect_RadioButton_hick")->click();
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(text(p, "clkoutsrcfreq_Label_hick"), QString("(8.000 MHz)"));
            QCOMPARE(text(p, "clkoutfreq_Label"), QString("(8.000 MHz)"));
            combo(p, "clockoutdiv_ComboBox")->setCurrentIndex(2);
            QCOMPARE(text(p, "clkoutfreq_Label"), QString("(2.000 MHz)"));
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(0);
            QCOMPARE(text(p, "clkoutfreq_Label"), QString());
        });
        QTest::newRow("E105 clock-out HICK is 48 MHz") << 16 << Action([](KytoMCUPLL *p) {
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(3);
            radio(p, "clkout_RadioButton_hick")->click();
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(text(p, "clkoutsrcfreq_Label_hick"), QString("(48.000 MHz)"));
        });
        QTest::newRow("clock-out pll/2 and lext") << 5 << Action([](KytoMCUPLL *p) {
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_pll2")->click();
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(text(p, "clkoutfreq_Label"), QString("(72.000 MHz)"));
            QCOMPARE(p->model->clkoutSource, 8);
            combo(p, "rtcswitch_ComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_lext")->click();
            QCOMPARE(text(p, "clkoutsrcfreq_Label_lext"), QString());
            QCOMPARE(text(p, "clkoutfreq_Label"), QString());
        });
        QTest::newRow("USB off moves the clock-out off usb") << 5 << Action([](KytoMCUPLL *p) {
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            radio(p, "clkout_RadioButton_usb")->click();
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(p->model->clkoutSource, 6);
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(1);
            QVERIFY(radio(p, "clkout_RadioButton_noclk")->isChecked());
            QCOMPARE(p->model->clkoutSource, 0);
            QVERIFY(!radio(p, "clkout_RadioButton_usb")->isEnabled());
        });
        QTest::newRow("E105 kernel clocks") << 16 << Action([](KytoMCUPLL *p) {
            combo(p, "usart2switch_ComboBox")->setCurrentIndex(1);
        }) << Action([](KytoMCUPLL *p) {
            QCOMPARE(text(p, "usart2_ReadOut"), QString("80.000"));
            QCOMPARE(editColour(p, "usart2_ReadOut"), QColor(Qt::darkGreen));
            QVERIFY(!lineEdit(p, "lext_ReadOut")->isEnabled());
            combo(p, "usart1switch_ComboBox")->setCurrentIndex(1);
            radio(p, "usart1clocksel_RadioButton_lext")->click();
            QCOMPARE(text(p, "usart1_ReadOut"), QString("32.768"));
            QCOMPARE(text(p, "usart1_Label"), QString("(kHz)"));
            QCOMPARE(p->model->usart1ClockSource, 3);
            // LEXT runs for the USART although the RTC is off.
            QVERIFY(lineEdit(p, "lext_ReadOut")->isEnabled());
            QVERIFY(!combo(p, "rtcswitch_ComboBox")->currentIndex());
        });
    }
    void highlightsAndReadouts()
    {
        QFETCH(int, index);
        QFETCH(Action, act);
        QFETCH(Action, check);
        build(index);
        act(page.get());
        check(page.get());
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    }

    void listContents_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("apb1");
        QTest::addColumn<QStringList>("apb1tmr");
        QTest::addColumn<QStringList>("apb2");
        QTest::addColumn<QStringList>("apb2tmr");
        QTest::addColumn<int>("apb2tmrAbove");   // how far the timer list opens above its button
        QTest::newRow("R720") << 5 << QStringList{"SPI2", "USART2", "USART3", "UART4", "UART5", "I2C1", "I2C2", "CAN1", "CMP"}
                              << QStringList{"TMR2", "TMR3", "TMR4", "TMR5"} << QStringList{"SPI1", "USART1"}
                              << QStringList{"TMR1", "TMR9", "TMR10", "TMR11"} << 113;
        QTest::newRow("NS720") << 17 << QStringList{"SPI2", "USART2", "USART3", "UART5", "I2C1", "CAN1", "CMP"}
                               << QStringList{"TMR2", "TMR3", "TMR4", "TMR5"} << QStringList{"USART1"}
                               << QStringList{"TMR1", "TMR9", "TMR10", "TMR11"} << 116;
        QTest::newRow("R730") << 9 << QStringList{"SPI2", "USART2", "I2C1", "I2C2"} << QStringList{"TMR3", "TMR6", "TMR14"}
                              << QStringList{"SPI1", "USART1", "SCFG", "CMP"}
                              << QStringList{"TMR1", "TMR15", "TMR16", "TMR17"} << 116;
        QTest::newRow("R750") << 15 << QStringList{"SPI2", "SPI3", "USART2", "USART3", "USART4", "I2C1", "I2C2", "CAN1"}
                              << QStringList{"TMR2", "TMR3", "TMR6", "TMR7", "TMR13", "TMR14"}
                              << QStringList{"SPI1", "USART1", "SCFG"}
                              << QStringList{"TMR1", "TMR15", "TMR16", "TMR17"} << 116;
        QTest::newRow("E105") << 16 << QStringList{"SPI2", "USART3", "USART4", "I2C2", "CAN1"}
                              << QStringList{"TMR3", "TMR6", "TMR14"} << QStringList{"SCFG", "ADC1", "SPI1"}
                              << QStringList{"TMR1", "TMR15", "TMR16", "TMR17"} << -20;
    }
    void listContents()
    {
        QFETCH(int, index);
        QFETCH(QStringList, apb1);
        QFETCH(QStringList, apb1tmr);
        QFETCH(QStringList, apb2);
        QFETCH(QStringList, apb2tmr);
        QFETCH(int, apb2tmrAbove);
        build(index);
        const QStringList expected[4] = {apb1, apb1tmr, apb2, apb2tmr};
        const char *names[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
        for (int i = 0; i < 4; ++i) {
            QWidget *list = find<QWidget>(page.get(), QString(names[i]) + "_List");
            QVERIFY(list->isHidden());
            QStringList texts;
            for (QLabel *l : list->findChildren<QLabel *>())
                texts << l->text();
            QCOMPARE(texts, expected[i]);
        }
        QPushButton *button = find<QPushButton>(page.get(), "toapb2tmr_List_Button");
        QWidget *list = find<QWidget>(page.get(), "toapb2tmr_List");
        const qreal buttonY = button->parentWidget()->graphicsProxyWidget()->pos().y();
        const qreal listY = list->graphicsProxyWidget()->pos().y();
        QCOMPARE(int(buttonY - listY), apb2tmrAbove);
    }

    void listsOpenOneAtATime_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("focusMoves");
        QTest::newRow("R720") << 5 << true;
        QTest::newRow("NS720") << 17 << false;
    }
    void listsOpenOneAtATime()
    {
        QFETCH(int, index);
        QFETCH(bool, focusMoves);
        build(index);
        page->resize(1420, 860);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        QPushButton *apb1 = find<QPushButton>(page.get(), "toapb1peripheral_List_Button");
        QPushButton *apb2tmr = find<QPushButton>(page.get(), "toapb2tmr_List_Button");
        QWidget *apb1List = find<QWidget>(page.get(), "toapb1peripheral_List");
        QWidget *apb2tmrList = find<QWidget>(page.get(), "toapb2tmr_List");
        const QImage closed = QImage(":/image/btn_right_slider_hover.png");
        auto icon = [](QPushButton *b) { return b->icon().pixmap(16).toImage(); };

        apb1->click();
        QVERIFY(!apb1List->isHidden());
        QCOMPARE(icon(apb1), QIcon(":/image/btn_down_slider_hover.png").pixmap(16).toImage());
        apb2tmr->click();
        QVERIFY(apb1List->isHidden());
        QVERIFY(!apb2tmrList->isHidden());
        QCOMPARE(icon(apb1), QIcon(":/image/btn_right_slider_hover.png").pixmap(16).toImage());
        apb2tmr->click();
        QVERIFY(apb2tmrList->isHidden());
        QCOMPARE(icon(apb2tmr), QIcon(":/image/btn_right_slider_hover.png").pixmap(16).toImage());
        Q_UNUSED(closed);

        // A press on the page closes the open list.
        QLineEdit *hext = lineEdit(page.get(), "hext_LineEdit");
        apb2tmr->click();
        hext->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(hext->hasFocus());
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page.get(), &press);
        QVERIFY(apb2tmrList->isHidden());
        QCOMPARE(icon(apb2tmr), QIcon(":/image/btn_right_slider_hover.png").pixmap(16).toImage());
        QCOMPARE(apb2tmr->hasFocus(), focusMoves);
        QCOMPARE(hext->hasFocus(), !focusMoves);
    }
};

QTEST_MAIN(TestDualModeUi)
#include "tst_dualmode_ui.moc"
