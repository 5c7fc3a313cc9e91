// Read-outs that follow the model on every road: a USB clock that re-tunes
// the PLL moves the buses with it, a new page shows the RTC as any edit
// would, a refused check still shows what the page holds, a clock-out
// that falls back from a stopped clock holds the clock it shows, and the
// RTC shows the HEXT the model holds, never a HEXT typed and not taken.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<KytoMCUPLL> newPage(const QString &cls)
{
    return std::unique_ptr<KytoMCUPLL>(SeriesPages::createPage(cls));
}

// "name=text" for each read-out named in the list, as the page shows it.
QStringList readouts(QWidget *page, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names) {
        const QString node = name.section(QLatin1Char('='), 0, 0);
        auto *box = page->findChild<QLineEdit *>(node);
        shown << node + QLatin1Char('=') + (box ? box->text() : QStringLiteral("<none>"));
    }
    return shown;
}

// The RTC read-out: "ertc_ReadOut" or "rtc_ReadOut" as the family names it.
QLineEdit *rtcReadout(QWidget *page)
{
    if (auto *rtc = page->findChild<QLineEdit *>(QStringLiteral("ertc_ReadOut")))
        return rtc;
    return page->findChild<QLineEdit *>(QStringLiteral("rtc_ReadOut"));
}

QString writeDesign(const QTemporaryDir &dir, const QString &series, const QString &keys)
{
    const QString path = dir.filePath(QStringLiteral("design.ZKCF"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n    <MCU>%1</MCU>\n%2"
                              "</Configuration>")
                   .arg(series, keys)
                   .toUtf8());
    return path;
}

} // namespace

class TestPageReadouts : public QObject
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

    void usbRetuneMovesTheBuses_data();
    void usbRetuneMovesTheBuses();
    void newPageShowsTheRtcAsAnEditWould_data();
    void newPageShowsTheRtcAsAnEditWould();
    void refusedCheckStillShowsTheModel_data();
    void refusedCheckStillShowsTheModel();
    void clockOutFallsBackWithTheModel_data();
    void clockOutFallsBackWithTheModel();
    void rtcReadoutFollowsTheModel_data();
    void rtcReadoutFollowsTheModel();
};

void TestPageReadouts::usbRetuneMovesTheBuses_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");      // PendingEdits::setUp
    QTest::addColumn<QStringList>("expected");   // read-out=text

    // With the PLL as system clock, switching USB on re-tunes the PLL for
    // 48 MHz USB; SCLK follows the PLL, and so does everything behind it.
    QTest::newRow("R810, SCLK 200 then USB on")
        << "KytoR810PLL" << QStringList{"sclk=200", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=288.000", "gpio_ReadOut=288.000", "apb1_peripheral_ReadOut=144.000",
                       "systick_ReadOut=36.000"};
    QTest::newRow("R820, SCLK 200 then USB on")
        << "KytoR820PLL" << QStringList{"sclk=200", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=288.000", "gpio_ReadOut=288.000", "apb1_peripheral_ReadOut=144.000",
                       "systick_ReadOut=36.000"};
    QTest::newRow("R750 flexible, SCLK 72 then USB on")
        << "KytoR750PLL" << QStringList{"pllmode=1", "sclk=72", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=96.000", "gpio_ReadOut=96.000", "dma_ReadOut=96.000",
                       "apb1peripheral_ReadOut=96.000"};
    QTest::newRow("R720 flexible, SCLK 72 then USB on")
        << "KytoR720PLL" << QStringList{"pllmode=1", "sclk=72", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=144.000", "gpio_ReadOut=144.000", "apb1peripheral_ReadOut=72.000"};
    QTest::newRow("NS720 flexible, SCLK 72 then USB on")
        << "KytoNS720PLL" << QStringList{"pllmode=1", "sclk=72", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=144.000", "gpio_ReadOut=144.000", "apb1peripheral_ReadOut=72.000"};
    QTest::newRow("R740, SCLK 100 then USB on")
        << "KytoR740PLL" << QStringList{"sclk=100", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=144.000", "gpio_ReadOut=144.000", "apb1peripheral_ReadOut=72.000"};
    QTest::newRow("H740, SCLK 100 then USB on")
        << "KytoH740PLL" << QStringList{"sclk=100", "usbswitch=0"}
        << QStringList{"sclk_LineEdit=144.000", "gpio_ReadOut=144.000", "apb1peripheral_ReadOut=72.000"};
}

void TestPageReadouts::usbRetuneMovesTheBuses()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    auto page = newPage(cls);
    QVERIFY(page);
    PendingEdits::setUp(page.get(), steps);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(SeriesPages::boxTexts().join(QLatin1Char('\n'))));
    QCOMPARE(readouts(page.get(), expected), expected);
}

void TestPageReadouts::newPageShowsTheRtcAsAnEditWould_data()
{
    QTest::addColumn<QString>("cls");
    for (int index : SeriesPages::registeredIndices()) {
        const QString cls = KytoPLLConfig::seriesClassName(index);
        QTest::newRow(qPrintable(cls)) << cls;
    }
}

void TestPageReadouts::newPageShowsTheRtcAsAnEditWould()
{
    QFETCH(QString, cls);

    auto page = newPage(cls);
    QVERIFY(page);
    QLineEdit *rtc = rtcReadout(page.get());
    auto *rtcSwitch = page->findChild<CustomComboBox1 *>(QStringLiteral("rtcswitch_ComboBox"));
    if (!rtc || !rtcSwitch)
        QSKIP("no RTC read-out on this page");

    const QString onNew = rtc->text();
    rtcSwitch->setCurrentIndex(1);
    rtcSwitch->setCurrentIndex(0);
    QCOMPARE(onNew, rtc->text());
    QCOMPARE(onNew, QStringLiteral("0"));

    // A reset after the RTC was on ends the same way.
    rtcSwitch->setCurrentIndex(1);
    KytoPLLConfig::registeredOperations(page->model->seriesIndex).resetDefaults(page.get());
    QCOMPARE(rtc->text(), onNew);
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestPageReadouts::refusedCheckStillShowsTheModel_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("design");       // keys of a design file to open; empty: none
    QTest::addColumn<QStringList>("steps");    // then these (PendingEdits::setUp)
    QTest::addColumn<QString>("answer");       // to the questions on the way: Yes or Cancel
    QTest::addColumn<QStringList>("boxes");    // the boxes they show
    QTest::addColumn<QStringList>("expected"); // read-out=text afterwards

    // R810 questions a VCO over 1200 MHz, R740 one over 1000 MHz.
    const QString nsQuestion1000 = PendingEdits::nsQuestion(1000);
    const QString nsQuestion1200 = PendingEdits::nsQuestion(1200);
    QTest::newRow("R810 file with pll_ns 501, question cancelled")
        << "KytoR810PLL"
        << "    <hext>8</hext>\n    <pllms>1</pllms>\n    <pllns>501</pllns>\n    <pllfr>32</pllfr>\n    <sclkselect>1</sclkselect>\n"
        << QStringList() << "Cancel" << QStringList{"Error: pll_ns input error!", nsQuestion1200}
        << QStringList{"sclk_LineEdit=7.750", "gpio_ReadOut=7.750", "pllns_LineEdit=*31"};
    // /3 *144 /4 from 8 MHz: a 384 MHz VCO, so pll_ns is questioned. Cancel
    // takes the Return back: the typed pll_ms stays, nothing of /3 is in use.
    QTest::newRow("R810 pll_ms 3 with the pll_ns question cancelled")
        << "KytoR810PLL" << QString() << QStringList{"pllms=3"} << "Cancel" << QStringList{nsQuestion1200}
        << QStringList{"pllms_LineEdit=/3", "sclk_LineEdit=288.000", "gpio_ReadOut=288.000"};
    QTest::newRow("R740 pll_ms 2 with the pll_ns question cancelled")
        << "KytoR740PLL" << QString() << QStringList{"pllms=2"} << "Cancel"
        << QStringList{nsQuestion1000}
        << QStringList{"pllms_LineEdit=/2", "sclk_LineEdit=150.000", "gpio_ReadOut=150.000"};
}

void TestPageReadouts::refusedCheckStillShowsTheModel()
{
    QFETCH(QString, cls);
    QFETCH(QString, design);
    QFETCH(QStringList, steps);
    QFETCH(QString, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);

    auto page = newPage(cls);
    QVERIFY(page);
    for (int i = 0; i < 4; ++i)
        UserDialogs::answerNextBox(answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::Cancel);
    if (!design.isEmpty()) {
        QTemporaryDir dir;
        const QString path = writeDesign(dir, KytoPLLConfig::seriesName(page->model->seriesIndex), design);
        QVERIFY(!path.isEmpty());
        KytoPLLConfig::registeredOperations(page->model->seriesIndex).loadConfig(page.get(), path);
    }
    PendingEdits::setUp(page.get(), steps);
    QCOMPARE(SeriesPages::boxTexts(), boxes);
    QCOMPARE(readouts(page.get(), expected), expected);
}

void TestPageReadouts::clockOutFallsBackWithTheModel_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("usbCode");

    QTest::newRow("R610") << "KytoR610PLL" << 11;
    QTest::newRow("R640") << "KytoR640PLL" << 11;
    QTest::newRow("R960") << "KytoR960PLL" << 11;
    QTest::newRow("R740") << "KytoR740PLL" << 6;
    QTest::newRow("H740") << "KytoH740PLL" << 6;
}

void TestPageReadouts::clockOutFallsBackWithTheModel()
{
    QFETCH(QString, cls);
    QFETCH(int, usbCode);

    auto page = newPage(cls);
    QVERIFY(page);
    const KytoPLLConfig::SeriesOperations ops = KytoPLLConfig::registeredOperations(page->model->seriesIndex);
    QTemporaryDir dir;
    const QString path = writeDesign(dir, KytoPLLConfig::seriesName(page->model->seriesIndex),
                                     QStringLiteral("    <hext>8</hext>\n    <tousbswitch>1</tousbswitch>\n"
                                                    "    <clkoutpinselect>1</clkoutpinselect>\n"
                                                    "    <clkout>%1</clkout>\n").arg(usbCode));
    ops.loadConfig(page.get(), path);

    // USB is off, so the clock-out shows the system clock, and holds it.
    QVERIFY(SeriesPages::radio(page.get(), QStringLiteral("clkout"), QStringLiteral("sclk"))->isChecked());
    QCOMPARE(page->model->clkoutSource, 5);

    UserDialogs::answerNextBox(QMessageBox::Yes);   // R640: the PHY is not asked about here
    UserDialogs::answerNextFileDialog(dir.filePath(QStringLiteral("saved.ZKCF")));
    ops.saveConfig(page.get(), KytoPLLConfig::seriesName(page->model->seriesIndex));
    const QString saved = PendingEdits::readFile(dir.filePath(QStringLiteral("saved.ZKCF")));
    QVERIFY2(saved.contains(QLatin1String("<clkout>5</clkout>")), qPrintable(saved + SeriesPages::boxTexts().join(QLatin1Char('\n'))));
}

void TestPageReadouts::rtcReadoutFollowsTheModel_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");   // before the RTC goes on (PendingEdits::setUp)
    QTest::addColumn<QString>("typed");       // into HEXT, without Return
    QTest::addColumn<QString>("expected");    // the RTC read-out of what the model holds

    // 25 MHz is a crystal, but no pll_ms takes it to the PLL's 2-16 MHz: the
    // question is answered Cancel and the click taken back. 30 MHz is no
    // crystal: the HEXT is refused. Either way the radio's click is taken back
    // whole, and the RTC shows the LICK's 40 kHz the model still holds, not
    // the HEXT typed.
    QTest::newRow("R720 flexible, 25 cancelled") << "KytoR720PLL" << QStringList{"pllmode=1"} << "25" << "40";
    QTest::newRow("R750 flexible, 25 cancelled") << "KytoR750PLL" << QStringList{"pllmode=1"} << "25" << "40";
    QTest::newRow("E105 flexible, 30 refused") << "KytoE105PLL" << QStringList{"pllmode=1"} << "30" << "40";
    QTest::newRow("R610, 25 cancelled") << "KytoR610PLL" << QStringList() << "25" << "40";
    QTest::newRow("R740, 25 cancelled") << "KytoR740PLL" << QStringList() << "25" << "40";
    QTest::newRow("R960, 30 refused") << "KytoR960PLL" << QStringList() << "30" << "40";
    QTest::newRow("R810, 25 cancelled") << "KytoR810PLL" << QStringList() << "25" << "40";
    QTest::newRow("R910, 30 refused") << "KytoR910PLL" << QStringList() << "30" << "40";
    QTest::newRow("D515, 25 cancelled") << "KytoD515PLL" << QStringList() << "25" << "40";
    QTest::newRow("R620, 30 refused") << "KytoR620PLL" << QStringList() << "30" << "40";
    QTest::newRow("R650, 30 refused") << "KytoR650PLL" << QStringList() << "30" << "40";
}

// The RTC on: a HEXT typed without Return, then a click on the RTC's HEXT
// radio, stopped by a check (a question answered Cancel, or the HEXT's
// own error). The model keeps its HEXT, and so does the RTC read-out.
void TestPageReadouts::rtcReadoutFollowsTheModel()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    auto page = newPage(cls);
    QVERIFY(page);
    PendingEdits::setUp(page.get(), steps);
    page->findChild<CustomComboBox1 *>(QStringLiteral("rtcswitch_ComboBox"))->setCurrentIndex(1);
    QLineEdit *rtc = rtcReadout(page.get());
    QVERIFY(rtc);
    auto *hextRadio = page->findChild<QRadioButton *>(QStringLiteral("rtcsel_RadioButton_hext"));
    if (!hextRadio)
        hextRadio = page->findChild<QRadioButton *>(QStringLiteral("rtcsel_RadioButton_2"));
    QVERIFY(hextRadio && hextRadio->isEnabled());
    const double hext = page->model->hextMhz;

    PendingEdits::typeOnly(SeriesPages::edit(page.get(), QStringLiteral("hext")), typed);
    UserDialogs::reset();
    for (int i = 0; i < 4; ++i)
        UserDialogs::answerNextBox(QMessageBox::Cancel);
    hextRadio->click();

    QCOMPARE(SeriesPages::boxTexts().size(), 1);
    QCOMPARE(page->model->hextMhz, hext);
    QVERIFY(!hextRadio->isChecked());
    QCOMPARE(rtc->text(), expected);
}

QTEST_MAIN(TestPageReadouts)
#include "tst_pagereadouts.moc"
