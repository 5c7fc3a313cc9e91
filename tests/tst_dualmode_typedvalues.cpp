// What reaches the code and the design file on a dual-mode PLL page when a
// value was typed without Return: it is applied, with its checks, before
// Generate, Code View and Save, and a refused text stops the action. And
// how many boxes one radio click shows.
#include "series/dualmode/KytoDualModePLL.h"
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using PendingEdits::finished;
using SeriesPages::boxTexts;

class TestDualModeTypedValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SeriesPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::setTestMode(true);
        UserDialogs::reset();
    }
    void cleanup() { UserDialogs::reset(); }

    void pendingTextReachesTheOutput_data();
    void pendingTextReachesTheOutput();
    void oneBoxPerRadioClick_data();
    void oneBoxPerRadioClick();
    void adcSwitchShowsItsItems();
    void cancelLeavesThePageAsItWas_data();
    void cancelLeavesThePageAsItWas();
};

void TestDualModeTypedValues::pendingTextReachesTheOutput_data()
{
    QTest::addColumn<int>("index");          // registered series
    QTest::addColumn<QString>("mode");       // normal, flexible, or flexible typed then normal
    QTest::addColumn<QString>("node");       // edits, comma separated
    QTest::addColumn<QString>("typed");      // their texts, likewise
    QTest::addColumn<QString>("action");     // generate, preview, save
    QTest::addColumn<QString>("file");       // relative to the output folder
    QTest::addColumn<QString>("expected");   // text in that file; empty: nothing written
    QTest::addColumn<QStringList>("boxes");

    const int r720 = 5;
    const int e105 = 16;
    const QStringList saved{"Information: Save file succeed!"};
    const QString r720Conf = "inc/kytor720_conf.h";
    const QString r720Clock = "src/kytor720_clock.c";
    const QString e105Clock = "src/kytoe105_clock.c";

    QTest::newRow("R720 hext, generate") << r720 << "normal" << "hext" << "4" << "generate" << r720Conf
                                         << "HEXT_VALUE               ((uint32_t)4000000)" << finished("kytor720");
    QTest::newRow("R720 sclk, code view") << r720 << "normal" << "sclk" << "96" << "preview" << r720Clock
                                          << "- sclk                = 96000000" << QStringList();
    QTest::newRow("R720 sclk, save") << r720 << "normal" << "sclk" << "96" << "save" << "design.ZKCF"
                                     << "<pllmult>12</pllmult>" << saved;
    QTest::newRow("R720 pll_ns, generate") << r720 << "flexible" << "pllns" << "64" << "generate" << r720Clock
                                           << "crm_pll_config2(CRM_PLL_SOURCE_HEXT, 64, 1," << finished("kytor720");
    QTest::newRow("E105 pll_ns, code view") << e105 << "flexible" << "pllns" << "64" << "preview" << e105Clock
                                            << "crm_pll_config2(CRM_PLL_SOURCE_HEXT, 64, 1," << QStringList();
    // pll_ms 2 fits only with pll_ns 125: confirming one takes both.
    QTest::newRow("R720 pll_ms and pll_ns, save") << r720 << "flexible" << "pllms,pllns" << "2,125" << "save"
                                                  << "design.ZKCF" << "<pllms>2</pllms>" << saved;
    QTest::newRow("E105 hext, save") << e105 << "flexible" << "hext" << "7" << "save" << "design.ZKCF"
                                     << "<hext>7.000000</hext>" << saved;
    // A factor typed in flexible mode and left behind when the mode went
    // back to normal is hidden: nothing asks about it.
    QTest::newRow("E105 hidden pll_ns ignored") << e105 << "hidden" << "pllns" << "600" << "generate" << e105Clock
                                                << "crm_pll_config(" << finished("kytoe105");

    QTest::newRow("refused hext stops generate") << r720 << "normal" << "hext" << "30" << "generate" << r720Conf
                                                 << "" << QStringList{"Error: hext input error!"};
    QTest::newRow("refused sclk stops save") << e105 << "normal" << "sclk" << "500" << "save" << "design.ZKCF"
                                             << "" << QStringList{"Error: sclk input error!"};
    QTest::newRow("refused pll_ns stops code view") << r720 << "flexible" << "pllns" << "600" << "preview" << r720Clock
                                                    << "" << QStringList{"Error: pll_ns input error!"};
    QTest::newRow("refused pll_ms stops save") << e105 << "flexible" << "pllms" << "20" << "save" << "design.ZKCF"
                                               << "" << QStringList{"Error: pll_ms input error!"};
    QTest::newRow("R720 pll_ms needing pll_ns, cancelled code view") << r720 << "flexible" << "pllms" << "3" << "preview"
                                                                    << r720Clock << "" << QStringList{PendingEdits::nsQuestion(1000)};
    QTest::newRow("E105 pll_ms needing pll_ns, generate") << e105 << "flexible" << "pllms" << "3" << "generate" << e105Clock
                                                         << "crm_pll_config2(CRM_PLL_SOURCE_HEXT, 188, 3,"
                                                         << (QStringList{PendingEdits::nsQuestion(1000)} + finished("kytoe105"));
}

void TestDualModeTypedValues::pendingTextReachesTheOutput()
{
    QFETCH(int, index);
    QFETCH(QString, mode);
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoDualModePLL> page(
        static_cast<KytoDualModePLL *>(KytoPLLConfig::registeredOperations(index).create(nullptr)));
    CustomComboBox1 *pllMode = page->findChild<CustomComboBox1 *>("pllmode_ComboBox");
    pllMode->setCurrentIndex(mode == "normal" ? 0 : 1);
    PendingEdits::typeInto(page.get(), node, typed);
    if (mode == "hidden")
        pllMode->setCurrentIndex(0);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));

    PendingEdits::answerQuestions(boxes, !expected.isEmpty());
    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(page.get(), KytoPLLConfig::registeredOperations(index), action, dir.path(), file);
    QCOMPARE(boxTexts(), boxes);
    if (action != "save")
        QCOMPARE(outcome.generated, !expected.isEmpty());
    const QString fault = PendingEdits::outputFault(page.get(), outcome, file, expected, node, typed);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestDualModeTypedValues::oneBoxPerRadioClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("choices");   // clicked in turn, each from another one
    QTest::addColumn<QString>("enable");        // switch combo that brings the group in use

    const int r750 = 15;
    const int e105 = 16;
    const QStringList kernel{"sclk", "pclk", "hick", "pclk"};
    QTest::newRow("R750 sclkselect") << r750 << "sclkselect" << QStringList{"hick", "hext", "pll", "hick"} << QString();
    QTest::newRow("R750 hicktousb") << r750 << "hicktousb" << QStringList{"hick", "pll", "hick", "pll"} << QString();
    QTest::newRow("R750 hicktosclk") << r750 << "hicktosclk" << QStringList{"48m", "8m", "48m", "8m"} << QString();
    QTest::newRow("E105 usart1clocksel") << e105 << "usart1clocksel" << kernel << "usart1switch";
    QTest::newRow("E105 usart2clocksel") << e105 << "usart2clocksel" << kernel << "usart2switch";
    QTest::newRow("E105 i2c1clocksel") << e105 << "i2c1clocksel" << kernel << "i2c1switch";
}

// A switch emits toggled for the radio left and the one chosen; with a bad
// HEXT text pending, one click still says so at most once.
void TestDualModeTypedValues::oneBoxPerRadioClick()
{
    QFETCH(int, index);
    QFETCH(QString, group);
    QFETCH(QStringList, choices);
    QFETCH(QString, enable);
    std::unique_ptr<QWidget> page(KytoPLLConfig::registeredOperations(index).create(nullptr));
    QWidget *p = page.get();
    // USB on from the PLL keeps HEXT in use while SCLK runs from HICK, so
    // every radio below is enabled and every one of them checks HEXT.
    if (auto *usb = p->findChild<CustomComboBox1 *>("usbswitch_ComboBox"))
        usb->setCurrentIndex(0);
    if (group == "hicktosclk")
        SeriesPages::radio(p, "sclkselect", "hick")->click();
    if (!enable.isEmpty())
        SeriesPages::combo(p, enable)->setCurrentIndex(1);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), "30");
    const QString fault = PendingEdits::oneBoxPerClickFault(p, group, choices);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// The ADC switch is wide enough for "disable", the PLL mode for "flexible".
void TestDualModeTypedValues::adcSwitchShowsItsItems()
{
    const QFontMetrics arial10(QFont("Arial", 10));
    for (int index : {5, 9, 15, 16, 17}) {
        std::unique_ptr<QWidget> page(KytoPLLConfig::registeredOperations(index).create(nullptr));
        auto *adcSwitch = page->findChild<CustomComboBox1 *>("toadcswitch_ComboBox");
        QVERIFY(adcSwitch);
        QVERIFY(adcSwitch->width() >= arial10.horizontalAdvance("disable") + 20 + 6);
        auto *pllMode = page->findChild<CustomComboBox1 *>("pllmode_ComboBox");
        QVERIFY(pllMode->width() >= arial10.horizontalAdvance("flexible") + 20 + 6);
        // ... and in the flexible mode it stands clear of the pll_ms edit.
        pllMode->setCurrentIndex(1);
        auto *pllMs = page->findChild<QLineEdit *>("pllms_LineEdit");
        QVERIFY(pllMode->parentWidget()->graphicsProxyWidget()->pos().x() + pllMode->width()
                < pllMs->parentWidget()->graphicsProxyWidget()->pos().x());
    }
}

void TestDualModeTypedValues::cancelLeavesThePageAsItWas_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("before");   // steps taken before typing (setUp)
    QTest::addColumn<QString>("hext");         // typed without Return
    QTest::addColumn<QString>("act");          // "group=choice" clicked, or generate, preview, save
    QTest::addColumn<QStringList>("boxes");    // each question answered Cancel

    const QStringList ns{PendingEdits::nsQuestion(1000)};
    const QStringList ms{"Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be "
                         "met: \n2MHz <= pll_input / pll_ms <= 16MHz"};
    // HEXT 6 takes the VCO of the default factors below 500 MHz, HEXT 25 the
    // PLL input above 16 MHz.
    QTest::newRow("R720 PLL radio") << "KytoR720PLL" << QStringList{"pllmode=1", "sclkselect=hext"} << "6"
                                    << "sclkselect=pll" << ns;
    QTest::newRow("R750 PLL radio") << "KytoR750PLL" << QStringList{"pllmode=1", "sclkselect=hext"} << "25"
                                    << "sclkselect=pll" << ms;
    QTest::newRow("NS720 generate") << "KytoNS720PLL" << QStringList{"pllmode=1"} << "6" << "generate" << ns;
    QTest::newRow("R730 code view") << "KytoR730PLL" << QStringList{"pllmode=1"} << "25" << "preview" << ms;
    QTest::newRow("E105 save") << "KytoE105PLL" << QStringList{"pllmode=1"} << "6" << "save" << ns;
}

// A question answered Cancel leaves the page as it was before the click:
// radios, edits, read-outs and model; one question per click.
void TestDualModeTypedValues::cancelLeavesThePageAsItWas()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, before);
    QFETCH(QString, hext);
    QFETCH(QString, act);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    QWidget *p = page.get();
    PendingEdits::setUp(p, before);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), hext);
    const QString fault = PendingEdits::cancelledClickFault(page.get(), SeriesPages::operationsOf(cls), act, boxes,
                                                            dir.path());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_MAIN(TestDualModeTypedValues)
#include "tst_dualmode_typedvalues.moc"
