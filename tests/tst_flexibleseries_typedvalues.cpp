// What reaches the code and the design file on a flexible-PLL page when a
// value was typed without Return, and how many boxes one radio click shows.
#include "series/flexible/KytoFlexiblePLL.h"
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using PendingEdits::finished;
using SeriesPages::boxTexts;
using SeriesPages::combo;
using SeriesPages::radio;

namespace {

std::unique_ptr<KytoFlexiblePLL> newPage(const QString &cls)
{
    return std::unique_ptr<KytoFlexiblePLL>(SeriesPages::create<KytoFlexiblePLL>(cls));
}

} // namespace

class TestFlexibleSeriesTypedValues : public QObject
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
    void cancelLeavesThePageAsItWas_data();
    void cancelLeavesThePageAsItWas();
};

void TestFlexibleSeriesTypedValues::pendingTextReachesTheOutput_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("node");       // edits, comma separated
    QTest::addColumn<QString>("typed");      // their texts, likewise
    QTest::addColumn<QStringList>("before"); // steps taken before typing (setUp)
    QTest::addColumn<QString>("action");     // generate, preview, save; "greyed": SCLK to HICK first, then generate
    QTest::addColumn<QString>("file");       // relative to the output folder
    QTest::addColumn<QString>("expected");   // text in that file; empty: nothing written
    QTest::addColumn<QStringList>("boxes");

    const QStringList saved{"Information: Save file succeed!"};
    const QStringList none;

    QTest::newRow("R610 hext, generate") << "KytoR610PLL" << "hext" << "6" << none << "generate"
                                         << "inc/kytor610_640_conf.h" << "HEXT_VALUE               ((uint32_t)6000000)"
                                         << finished("kytor610_640");
    QTest::newRow("R740 sclk, code view") << "KytoR740PLL" << "sclk" << "120" << none << "preview"
                                          << "src/kytor740_clock.c" << "- sclk                = 120000000"
                                          << QStringList();
    QTest::newRow("R960 sclk, save") << "KytoR960PLL" << "sclk" << "200" << none << "save" << "design.ZKCF"
                                     << "<pllns>100</pllns>" << saved;
    QTest::newRow("H740 pll_ns, generate") << "KytoH740PLL" << "pllns" << "70" << none << "generate"
                                           << "src/kytoh740_clock.c"
                                           << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 70, 1, CRM_PLL_FR_2);"
                                           << finished("kytoh740");
    QTest::newRow("R610 pll_ms and pll_ns, code view") << "KytoR610PLL" << "pllms,pllns" << "2,200" << none << "preview"
                                                       << "src/kytor610_640_clock.c"
                                                       << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 200, 2, CRM_PLL_FP_4);"
                                                       << QStringList();
    QTest::newRow("R740 hext, save") << "KytoR740PLL" << "hext" << "7.5" << none << "save" << "design.ZKCF"
                                     << "<hext>7.500000</hext>" << saved;
    // A factor typed while the PLL fed SCLK, left when SCLK went to HICK:
    // the edit is greyed and nothing asks about it.
    QTest::newRow("R960 greyed pll_ns ignored") << "KytoR960PLL" << "pllns" << "600" << none << "greyed"
                                                << "src/kytor960_clock.c" << "crm_sysclk_switch(CRM_SCLK_HICK);"
                                                << finished("kytor960");

    QTest::newRow("refused hext stops generate") << "KytoR610PLL" << "hext" << "30" << none << "generate"
                                                 << "inc/kytor610_640_conf.h" << ""
                                                 << QStringList{"Error: hext input error!"};
    // HEXT at its lowest, then a text just below it that reads as the
    // applied value at the edit's precision: the SCLK confirmation refuses
    // it, and nothing after that asks again.
    const QStringList hextAtFour{"hext=4"};
    QTest::newRow("refused hext beside sclk stops generate") << "KytoR610PLL" << "hext,sclk" << "3.999999,120"
                                                             << hextAtFour << "generate" << "inc/kytor610_640_conf.h"
                                                             << "" << QStringList{"Error: hext input error!"};
    QTest::newRow("refused hext beside sclk stops save") << "KytoR740PLL" << "hext,sclk" << "3.999999,120"
                                                         << hextAtFour << "save" << "design.ZKCF" << ""
                                                         << QStringList{"Error: hext input error!"};
    QTest::newRow("refused sclk stops save") << "KytoH740PLL" << "sclk" << "500" << none << "save"
                                             << "design.ZKCF" << "" << QStringList{"Error: sclk input error!"};
    QTest::newRow("refused pll_ns stops code view") << "KytoR960PLL" << "pllns" << "600" << none << "preview"
                                                    << "src/kytor960_clock.c" << ""
                                                    << QStringList{"Error: pll_ns input error!"};
    QTest::newRow("refused pll_ms stops save") << "KytoR740PLL" << "pllms" << "20" << none << "save"
                                               << "design.ZKCF" << "" << QStringList{"Error: pll_ms input error!"};
    // pll_ms 3 leaves the VCO below its window: one question, and Cancel
    // leaves the typed pll_ms pending.
    QTest::newRow("R610 pll_ms needing pll_ns, cancelled save") << "KytoR610PLL" << "pllms" << "3" << none << "save"
                                                               << "design.ZKCF" << "" << QStringList{PendingEdits::nsQuestion(1000)};
    QTest::newRow("R740 pll_ms beside a refused pll_ns, generate") << "KytoR740PLL" << "pllms,pllns" << "2,600" << none
                                                                   << "generate" << "src/kytor740_clock.c" << ""
                                                                   << QStringList{"Error: pll_ns input error!"};
    QTest::newRow("R610 pll_ms needing pll_ns, code view") << "KytoR610PLL" << "pllms" << "3" << none << "preview"
                                                          << "src/kytor610_640_clock.c" << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 188, 3,"
                                                          << QStringList{PendingEdits::nsQuestion(1000)};
}

// A value on screen is the value in the output: a text typed without Return
// is applied, with its checks, before Generate, Code View and Save.
void TestFlexibleSeriesTypedValues::pendingTextReachesTheOutput()
{
    QFETCH(QString, cls);
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QStringList, before);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoFlexiblePLL> page = newPage(cls);
    QVERIFY(page);
    QWidget *p = page.get();
    PendingEdits::setUp(p, before);
    UserDialogs::reset();   // what the set-up asked is not counted
    PendingEdits::typeInto(p, node, typed);
    if (action == "greyed") {
        radio(p, "sclkselect", "hick")->click();
        QVERIFY(!SeriesPages::edit(p, node)->isEnabled());
    }
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));

    PendingEdits::answerQuestions(boxes, !expected.isEmpty());
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);
    const PendingEdits::Outcome outcome = PendingEdits::runAction(page.get(), ops, action, dir.path(), file);
    QCOMPARE(boxTexts(), boxes);
    if (action != "save")
        QCOMPARE(outcome.generated, !expected.isEmpty());
    const QString fault = PendingEdits::outputFault(p, outcome, file, expected, node, typed);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestFlexibleSeriesTypedValues::oneBoxPerRadioClick_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("choices");   // clicked in turn, each from another one
    QTest::addColumn<QString>("enable");        // switch combo that brings the group in use

    const QStringList sclk{"hick", "hext", "pll", "hick"};
    const QStringList usb{"hick", "pll", "hick", "pll"};
    const QStringList hick{"48m", "8m", "48m", "8m"};
    for (const char *cls : {"KytoR610PLL", "KytoR740PLL"}) {   // one of each PLL divider set
        const QString name = QString(cls).mid(4, 4);
        QTest::newRow(qPrintable(name + " sclkselect")) << cls << "sclkselect" << sclk << QString();
        QTest::newRow(qPrintable(name + " hicktousb")) << cls << "hicktousb" << usb << QString();
        QTest::newRow(qPrintable(name + " hicktosclk")) << cls << "hicktosclk" << hick << QString();
    }
    QTest::newRow("R610 i2sf5clocksel") << "KytoR610PLL" << "i2sf5clocksel"
                                        << QStringList{"sclk", "pllp", "hick", "pllp"} << "i2sf5switch";
    const QStringList usart{"sclk", "pclk", "hick", "pclk"};
    for (const char *group : {"usart1clocksel", "usart2clocksel", "usart3clocksel"})
        QTest::newRow(qPrintable(QString("R740 %1").arg(group)))
            << "KytoR740PLL" << group << usart << QString(group).replace("clocksel", "switch");
    QTest::newRow("H740 i2c1clocksel") << "KytoH740PLL" << "i2c1clocksel" << usart << "i2c1switch";
    QTest::newRow("H740 adcclocksel") << "KytoH740PLL" << "adcclocksel"
                                      << QStringList{"pllclk", "hclk", "pllclk", "hclk"} << "adcswitch";
}

// A switch emits toggled for the radio left and the one chosen; with a bad
// HEXT text pending, one click still says so at most once.
void TestFlexibleSeriesTypedValues::oneBoxPerRadioClick()
{
    QFETCH(QString, cls);
    QFETCH(QString, group);
    QFETCH(QStringList, choices);
    QFETCH(QString, enable);
    std::unique_ptr<KytoFlexiblePLL> page = newPage(cls);
    QWidget *p = page.get();
    // USB on from the PLL keeps HEXT in use while SCLK runs from HICK, so
    // every radio below is enabled and every one of them checks HEXT.
    combo(p, "usbswitch")->setCurrentIndex(0);
    if (group == "hicktosclk")
        radio(p, "sclkselect", "hick")->click();
    if (!enable.isEmpty())
        combo(p, enable)->setCurrentIndex(1);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), "30");
    const QString fault = PendingEdits::oneBoxPerClickFault(p, group, choices);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestFlexibleSeriesTypedValues::cancelLeavesThePageAsItWas_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("before");   // steps taken before typing (setUp)
    QTest::addColumn<QString>("hext");         // typed without Return
    QTest::addColumn<QString>("act");          // "group=choice" clicked, or generate, preview, save
    QTest::addColumn<QStringList>("boxes");    // each question answered Cancel

    const QStringList ns{PendingEdits::nsQuestion(1000)};
    const QStringList ms{"Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be "
                         "met: \n2MHz <= pll_input / pll_ms <= 16MHz"};
    const QStringList onHext{"sclkselect=hext"};
    // HEXT 6 takes the VCO of R740's default factors below 500 MHz, HEXT 25
    // the PLL input of every page's above 16 MHz.
    QTest::newRow("R740 PLL radio") << "KytoR740PLL" << onHext << "6" << "sclkselect=pll" << ns;
    QTest::newRow("R610 PLL radio") << "KytoR610PLL" << onHext << "25" << "sclkselect=pll" << ms;
    QTest::newRow("R610 code view") << "KytoR610PLL" << QStringList() << "25" << "preview" << ms;
    QTest::newRow("R960 generate") << "KytoR960PLL" << QStringList() << "25" << "generate" << ms;
    QTest::newRow("H740 save") << "KytoH740PLL" << QStringList() << "6" << "save" << ns;
}

// A question answered Cancel leaves the page as it was before the click:
// radios, edits, read-outs and model; one question per click.
void TestFlexibleSeriesTypedValues::cancelLeavesThePageAsItWas()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, before);
    QFETCH(QString, hext);
    QFETCH(QString, act);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoFlexiblePLL> page = newPage(cls);
    QWidget *p = page.get();
    PendingEdits::setUp(p, before);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), hext);
    const QString fault = PendingEdits::cancelledClickFault(page.get(), SeriesPages::operationsOf(cls), act, boxes,
                                                            dir.path());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_MAIN(TestFlexibleSeriesTypedValues)
#include "tst_flexibleseries_typedvalues.moc"
