// What reaches the code and the design file on a high-performance page when
// a value was typed without Return, and how many boxes one radio click
// shows. The pages are built and driven through the series registry.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using PendingEdits::finished;
using SeriesPages::boxTexts;

class TestHighPerfTypedValues : public QObject
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

void TestHighPerfTypedValues::pendingTextReachesTheOutput_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("node");       // edits, comma separated
    QTest::addColumn<QString>("typed");      // their texts, likewise
    QTest::addColumn<QStringList>("after");  // steps taken after typing (setUp)
    QTest::addColumn<QString>("action");     // generate, preview, save
    QTest::addColumn<QString>("file");       // relative to the output folder
    QTest::addColumn<QString>("expected");   // text in that file; empty: nothing written
    QTest::addColumn<QStringList>("boxes");

    const QStringList saved{"Information: Save file succeed!"};
    const QStringList none;

    const QString r8Clock = "src/kytor810_820_clock.c";
    QTest::newRow("R810 hext, generate") << "KytoR810PLL" << "hext" << "6" << none << "generate"
                                         << "inc/kytor810_820_conf.h" << "HEXT_VALUE               ((uint32_t)6000000)"
                                         << finished("kytor810_820");
    QTest::newRow("R820 sclk, code view") << "KytoR820PLL" << "sclk" << "200" << none << "preview" << r8Clock
                                          << "- sclk                = 200000000" << none;
    QTest::newRow("R810 sclk, save") << "KytoR810PLL" << "sclk" << "200" << none << "save" << "design.ZKCF"
                                     << "<pllns>100</pllns>" << saved;
    QTest::newRow("R820 pll_ms and pll_ns, generate") << "KytoR820PLL" << "pllms,pllns" << "2,200" << none
                                                      << "generate" << r8Clock
                                                      << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 200, 2, CRM_PLL_FR_4);"
                                                      << finished("kytor810_820");
    // The refresh after HEXT writes SCLK into its edit; the typed SCLK is
    // the one confirmed next.
    QTest::newRow("R810 hext and sclk, generate") << "KytoR810PLL" << "hext,sclk" << "6,180" << none << "generate"
                                                  << r8Clock << "- sclk                = 180000000"
                                                  << finished("kytor810_820");
    QTest::newRow("R810 greyed pll_ns ignored") << "KytoR810PLL" << "pllns" << "600"
                                                << QStringList{QStringLiteral("sclkselect=2")} << "generate" << r8Clock
                                                << "crm_sysclk_switch(CRM_SCLK_HICK);" << finished("kytor810_820");
    QTest::newRow("R810 refused hext stops generate") << "KytoR810PLL" << "hext" << "30" << none << "generate"
                                                      << "inc/kytor810_820_conf.h" << ""
                                                      << QStringList{"Error: hext input error!"};
    QTest::newRow("R820 refused sclk stops save") << "KytoR820PLL" << "sclk" << "500" << none << "save"
                                                  << "design.ZKCF" << "" << QStringList{"Error: sclk input error!"};
    QTest::newRow("R810 refused pll_ns stops code view") << "KytoR810PLL" << "pllns" << "600" << none << "preview"
                                                         << r8Clock << "" << QStringList{"Error: pll_ns input error!"};

    const QString r9Clock = "src/kytor9x0_clock.c";
    QTest::newRow("R910 hext, generate") << "KytoR910PLL" << "hext" << "6" << none << "generate" << "inc/kytor9x0_conf.h"
                                         << "HEXT_VALUE               ((uint32_t)6000000)" << finished("kytor9x0");
    QTest::newRow("R920 sclk, code view") << "KytoR920PLL" << "sclk" << "144" << none << "preview" << r9Clock
                                          << "- sclk                = 144000000" << none;
    QTest::newRow("R930 pll_ms and pll_ns, save") << "KytoR930PLL" << "pllms,pllns" << "2,200" << none << "save"
                                                  << "design.ZKCF" << "<pllms>2</pllms>" << saved;
    QTest::newRow("R910 refused sclk stops save") << "KytoR910PLL" << "sclk" << "500" << none << "save"
                                                  << "design.ZKCF" << "" << QStringList{"Error: sclk input error!"};
    QTest::newRow("R930 refused pll_ns stops generate") << "KytoR930PLL" << "pllns" << "600" << none << "generate"
                                                        << r9Clock << "" << QStringList{"Error: pll_ns input error!"};

    const QString d5Clock = "src/kytod515_525_clock.c";
    QTest::newRow("D515 hext, save") << "KytoD515PLL" << "hext" << "6" << none << "save" << "design.ZKCF"
                                     << "<hext>6.000000</hext>" << saved;
    QTest::newRow("D525 sclk, generate") << "KytoD525PLL" << "sclk" << "144" << none << "generate" << d5Clock
                                         << "- sclk                = 144000000" << finished("kytod515_525");
    QTest::newRow("D515 pll_ns, code view") << "KytoD515PLL" << "pllns" << "80" << none << "preview" << d5Clock
                                            << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 80," << none;
    QTest::newRow("D525 refused hext stops generate") << "KytoD525PLL" << "hext" << "30" << none << "generate"
                                                      << "inc/kytod515_525_conf.h" << ""
                                                      << QStringList{"Error: hext input error!"};
    QTest::newRow("D515 refused pll_ms stops code view") << "KytoD515PLL" << "pllms" << "20" << none << "preview"
                                                         << d5Clock << "" << QStringList{"Error: pll_ms input error!"};
    QTest::newRow("R810 pll_ms needing pll_ns, cancelled save") << "KytoR810PLL" << "pllms" << "3" << none << "save"
                                                               << "design.ZKCF" << "" << QStringList{PendingEdits::nsQuestion(1200)};
    QTest::newRow("R930 pll_ms needing pll_ns, generate") << "KytoR930PLL" << "pllms" << "3" << none << "generate"
                                                         << r9Clock << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 188, 3,"
                                                         << (QStringList{PendingEdits::nsQuestion(1200)} + finished("kytor9x0"));
}

// A value on screen is the value in the output: a text typed without Return
// is applied, with its checks, before Generate, Code View and Save.
void TestHighPerfTypedValues::pendingTextReachesTheOutput()
{
    QFETCH(QString, cls);
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    QVERIFY(page);
    QWidget *p = page.get();
    PendingEdits::typeInto(p, node, typed);
    PendingEdits::setUp(p, after);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));

    PendingEdits::answerQuestions(boxes, !expected.isEmpty());
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);
    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(page.get(), ops, action, dir.path(), file, "design.ZKCF");
    QVERIFY2(boxTexts() == boxes, qPrintable(boxTexts().join(" | ")));
    if (action != "save")
        QCOMPARE(outcome.generated, !expected.isEmpty());
    const QString fault = PendingEdits::outputFault(p, outcome, file, expected, node, typed);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestHighPerfTypedValues::oneBoxPerRadioClick_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("choices");   // clicked in turn, each from another one
    QTest::addColumn<QStringList>("before");    // steps that bring the group in use (setUp)

    // USB on from the PLL keeps HEXT in use while SCLK runs from HICK, so
    // every radio below is enabled and every one of them checks HEXT.
    const QStringList usbOn{"usbswitch=0"};
    const QStringList flip{"1", "0", "1", "0"};
    for (const char *cls : {"KytoR810PLL", "KytoR820PLL", "KytoR910PLL"}) {
        const QString name = QString(cls).mid(4, 4);
        QTest::newRow(qPrintable(name + " sclkselect")) << cls << "sclkselect" << QStringList{"2", "0", "1", "2"}
                                                        << usbOn;
        QTest::newRow(qPrintable(name + " hicktousb")) << cls << "hicktousb" << flip << usbOn;
        QTest::newRow(qPrintable(name + " hicktosclk")) << cls << "hicktosclk" << flip
                                                        << QStringList{"usbswitch=0", "sclkselect=2"};
    }
    QTest::newRow("R920 can1clocksel") << "KytoR920PLL" << "can1clocksel" << QStringList{"1", "0", "1", "0"}
                                       << QStringList{"can1switch=1"};
    QTest::newRow("R930 can3clocksel") << "KytoR930PLL" << "can3clocksel" << QStringList{"1", "0", "1", "0"}
                                       << QStringList{"can3switch=1"};
    QTest::newRow("R920 i2sf5clocksel") << "KytoR920PLL" << "i2sf5clocksel" << QStringList{"1", "0", "1", "0"}
                                        << QStringList{"i2sf5switch=1"};
    // The CAN clock from HEXT keeps HEXT in use while SCLK runs from HICK.
    QTest::newRow("D515 sclkselect") << "KytoD515PLL" << "sclkselect" << QStringList{"2", "0", "1", "2"}
                                     << QStringList{"canswitch=1"};
    QTest::newRow("D525 hicktosclk") << "KytoD525PLL" << "hicktosclk" << flip
                                     << QStringList{"canswitch=1", "sclkselect=2"};
    QTest::newRow("D515 canclocksel") << "KytoD515PLL" << "canclocksel" << QStringList{"1", "2", "0", "1"}
                                      << QStringList{"canswitch=1"};
}

// A switch emits toggled for the radio left and the one chosen; with a bad
// HEXT text pending, one click still says so at most once.
void TestHighPerfTypedValues::oneBoxPerRadioClick()
{
    QFETCH(QString, cls);
    QFETCH(QString, group);
    QFETCH(QStringList, choices);
    QFETCH(QStringList, before);
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    QWidget *p = page.get();
    PendingEdits::setUp(p, before);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), "30");
    const QString fault = PendingEdits::oneBoxPerClickFault(p, group, choices);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestHighPerfTypedValues::cancelLeavesThePageAsItWas_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("before");   // steps taken before typing (setUp)
    QTest::addColumn<QString>("hext");         // typed without Return
    QTest::addColumn<QString>("act");          // "group=choice" clicked, or generate, preview, save
    QTest::addColumn<QStringList>("boxes");    // each question answered Cancel

    const QStringList onHext{"sclkselect=0"};
    const QStringList ns1200{PendingEdits::nsQuestion(1200)};
    const QStringList ns1000{PendingEdits::nsQuestion(1000)};
    // HEXT 12 breaks the VCO window of the default factors; the PLL radio
    // asks about it, and Cancel must not re-solve the PLL for a stale target.
    QTest::newRow("R810 PLL radio") << "KytoR810PLL" << onHext << "12" << "sclkselect=1" << ns1200;
    QTest::newRow("R820 PLL radio") << "KytoR820PLL" << onHext << "12" << "sclkselect=1" << ns1200;
    QTest::newRow("D515 PLL radio") << "KytoD515PLL" << onHext << "12" << "sclkselect=1" << ns1000;
    QTest::newRow("R910 PLL radio") << "KytoR910PLL" << onHext << "12" << "sclkselect=1" << ns1200;
    // Before an action the pending HEXT asks once; Cancel stops the action
    // and the HEXT stays pending.
    QTest::newRow("R810 code view") << "KytoR810PLL" << QStringList() << "12" << "preview" << ns1200;
    QTest::newRow("R820 generate") << "KytoR820PLL" << QStringList() << "12" << "generate" << ns1200;
    QTest::newRow("D525 save") << "KytoD525PLL" << QStringList() << "12" << "save" << ns1000;
}

// A question answered Cancel leaves the page as it was before the click:
// radios, edits, read-outs and model; one question per click.
void TestHighPerfTypedValues::cancelLeavesThePageAsItWas()
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
    PendingEdits::typeOnly(SeriesPages::edit(p, "hext"), hext);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    const QString fault = PendingEdits::cancelledClickFault(page.get(), SeriesPages::operationsOf(cls), act, boxes,
                                                            dir.path());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_MAIN(TestHighPerfTypedValues)
#include "tst_highperf_typedvalues.moc"
