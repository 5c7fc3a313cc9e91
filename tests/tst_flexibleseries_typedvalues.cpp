// What reaches the code and the design file on a flexible-PLL page when a
// value was typed without Return, and how many boxes one radio click shows.
#include "series/flexible/KytoFlexiblePLL.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using SeriesPages::boxTexts;
using SeriesPages::combo;
using SeriesPages::edit;
using SeriesPages::radio;

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Types without confirming: the edit is left pending.
void typeOnly(QLineEdit *e, const QString &text)
{
    e->clear();
    QTest::keyClicks(e, text);
}

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
};

void TestFlexibleSeriesTypedValues::pendingTextReachesTheOutput_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("node");       // edits, comma separated
    QTest::addColumn<QString>("typed");      // their texts, likewise
    QTest::addColumn<QString>("action");     // generate, preview, save; "greyed": SCLK to HICK first, then generate
    QTest::addColumn<QString>("file");       // relative to the output folder
    QTest::addColumn<QString>("expected");   // text in that file; empty: nothing written
    QTest::addColumn<QStringList>("boxes");

    const QStringList saved{"Information: Save file succeed!"};
    auto finished = [](const QString &stem) {
        return QStringList{QString("Information: Generate code finished!  Files:\n\nsrc/main.c\nsrc/%1_clock.c\n"
                                   "inc/%1_clock.h\ninc/%1_conf.h\n").arg(stem)};
    };

    QTest::newRow("R610 hext, generate") << "KytoR610PLL" << "hext" << "6" << "generate" << "inc/kytor610_640_conf.h"
                                         << "HEXT_VALUE               ((uint32_t)6000000)" << finished("kytor610_640");
    QTest::newRow("R740 sclk, code view") << "KytoR740PLL" << "sclk" << "120" << "preview" << "src/kytor740_clock.c"
                                          << "- sclk                = 120000000" << QStringList();
    QTest::newRow("R960 sclk, save") << "KytoR960PLL" << "sclk" << "200" << "save" << "design.ZKCF"
                                     << "<pllns>100</pllns>" << saved;
    QTest::newRow("H740 pll_ns, generate") << "KytoH740PLL" << "pllns" << "70" << "generate" << "src/kytoh740_clock.c"
                                           << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 70, 1, CRM_PLL_FR_2);"
                                           << finished("kytoh740");
    QTest::newRow("R610 pll_ms and pll_ns, code view") << "KytoR610PLL" << "pllms,pllns" << "2,200" << "preview"
                                                       << "src/kytor610_640_clock.c"
                                                       << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 200, 2, CRM_PLL_FP_4);"
                                                       << QStringList();
    QTest::newRow("R740 hext, save") << "KytoR740PLL" << "hext" << "7.5" << "save" << "design.ZKCF"
                                     << "<hext>7.500000</hext>" << saved;
    // A factor typed while the PLL fed SCLK, left when SCLK went to HICK:
    // the edit is greyed and nothing asks about it.
    QTest::newRow("R960 greyed pll_ns ignored") << "KytoR960PLL" << "pllns" << "600" << "greyed"
                                                << "src/kytor960_clock.c" << "crm_sysclk_switch(CRM_SCLK_HICK);"
                                                << finished("kytor960");

    QTest::newRow("refused hext stops generate") << "KytoR610PLL" << "hext" << "30" << "generate"
                                                 << "inc/kytor610_640_conf.h" << ""
                                                 << QStringList{"Error: hext input error!"};
    QTest::newRow("refused sclk stops save") << "KytoH740PLL" << "sclk" << "500" << "save" << "design.ZKCF" << ""
                                             << QStringList{"Error: sclk input error!"};
    QTest::newRow("refused pll_ns stops code view") << "KytoR960PLL" << "pllns" << "600" << "preview"
                                                    << "src/kytor960_clock.c" << ""
                                                    << QStringList{"Error: pll_ns input error!"};
    QTest::newRow("refused pll_ms stops save") << "KytoR740PLL" << "pllms" << "20" << "save" << "design.ZKCF" << ""
                                               << QStringList{"Error: pll_ms input error!"};
}

// A value on screen is the value in the output: a text typed without Return
// is applied, with its checks, before Generate, Code View and Save.
void TestFlexibleSeriesTypedValues::pendingTextReachesTheOutput()
{
    QFETCH(QString, cls);
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    std::unique_ptr<KytoFlexiblePLL> page = newPage(cls);
    QVERIFY(page);
    QWidget *p = page.get();
    const QStringList nodes = node.split(',');
    const QStringList texts = typed.split(',');
    for (int i = 0; i < nodes.size(); ++i)
        typeOnly(edit(p, nodes[i]), texts[i]);
    if (action == "greyed") {
        radio(p, "sclkselect", "hick")->click();
        QVERIFY(!edit(p, node)->isEnabled());
    }
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));

    QString folder = dir.path();
    if (action == "save") {
        UserDialogs::answerNextFileDialog(dir.filePath("design"));
        page->saveConfig(KytoPLLConfig::seriesName(page->model->seriesIndex));
    } else if (action == "preview") {
        folder = QCoreApplication::applicationDirPath() + "/Code_Sample";
        QFile::remove(folder + "/" + file);
        page->model->interactiveGenerate = 0;
        QCOMPARE(page->generateCode(), !expected.isEmpty());
    } else {
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(dir.path());
        UserDialogs::answerNextBoxWithText("OK");
        QCOMPARE(page->generateCode(), !expected.isEmpty());
    }

    QCOMPARE(boxTexts(), boxes);
    if (expected.isEmpty()) {
        QVERIFY(!QFile::exists(folder + "/" + file));
        QVERIFY(edit(p, node)->text().endsWith(typed));   // the refused text stays for mending
    } else {
        const QString written = readFile(folder + "/" + file);
        QVERIFY2(written.contains(expected), qPrintable(written.left(3000)));
    }
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
    typeOnly(edit(p, "hext"), "30");

    int boxes = 0;
    for (const QString &choice : choices) {
        QRadioButton *r = radio(p, group, choice);
        QVERIFY(r && r->isEnabled() && !r->isChecked());
        UserDialogs::reset();
        r->click();
        QVERIFY2(UserDialogs::shownBoxes().size() <= 1, qPrintable(choice + ": " + boxTexts().join(" | ")));
        boxes += UserDialogs::shownBoxes().size();
    }
    QVERIFY(boxes > 0);   // the bad text is still reported
}

QTEST_MAIN(TestFlexibleSeriesTypedValues)
#include "tst_flexibleseries_typedvalues.moc"
