// Editing the R910, R920 and R930 pages: typed system clocks and the PLL
// searches, the PLL factor questions, the USB clock, and code generation
// with its checks. Every table runs over the three classes.
#include "R9x0Pages.h"
#include "MultiplierPages.h"
#include "series/highperf/KytoR9x0PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
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

namespace {

void usbOn(KytoR9x0PLL *p)
{
    combo(p, "usbswitch")->setCurrentIndex(0);
}

QColor labelColour(QWidget *page, const char *name)
{
    return page->findChild<QLabel *>(QString::fromLatin1(name) + "_Label")->palette().color(QPalette::WindowText);
}

// Rows of a test over the three classes.
template <class... Columns>
void rowsForEveryClass(const QString &name, Columns... values)
{
    for (const QString &cls : R9x0Pages::classNames())
        ((QTest::newRow(qPrintable(cls + ": " + name)) << cls) << ... << values);
}

} // namespace

class TestR9x0SeriesEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { MultiplierPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void typedSystemClock_data();
    void typedSystemClock();
    void usbFromThePll();
    void factorQuestions_data();
    void factorQuestions();
    void usbClockOf48Rounded();
    void generateChecks_data();
    void generateChecks();
    void generatedFiles();
    void editsApplyWhatTheyShow();
    void pllSourceMovesAPllKeptForCan_data();
    void pllSourceMovesAPllKeptForCan();
};

void TestR9x0SeriesEdit::typedSystemClock_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("setup");
    QTest::addColumn<QString>("sclk");
    QTest::addColumn<QStringList>("expected");   // ms ns fp fu usb pllcfg, or the box

    rowsForEveryClass("120 MHz", PageStep([](KytoR9x0PLL *) {}), QString("120"),
                      QStringList{"/1", "*150", "  /10", "  /16", "", "0x40452581"});
    // With USB on the PLL the VCO stays at 960 MHz or below.
    rowsForEveryClass("120 MHz, USB from the PLL", PageStep(usbOn), QString("120"),
                      QStringList{"/1", "*120", "  /8", "  /20", "48.000 MHz", "0x60641e01"});
    rowsForEveryClass("192.5 MHz", PageStep([](KytoR9x0PLL *) {}), QString("192.5"),
                      QStringList{"Error: sclk input error!"});
}

void TestR9x0SeriesEdit::typedSystemClock()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, setup);
    QFETCH(QString, sclk);
    QFETCH(QStringList, expected);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    KytoR9x0PLL *p = page.get();
    setup(p);
    UserDialogs::reset();
    typeAndReturn(edit(p, "sclk"), sclk);
    if (expected.size() == 1) {
        QCOMPARE(boxTexts(), expected);
        QCOMPARE(p->model->sclkMhz, 192.0);
        return;
    }
    QVERIFY(boxTexts().isEmpty());
    QCOMPARE(edit(p, "sclk")->text(), QString::number(sclk.toDouble(), 'f', 3));
    const QStringList shown{edit(p, "pllms")->text(), edit(p, "pllns")->text(), combo(p, "pllfp")->currentText(),
                            combo(p, "pllfu")->currentText(),
                            p->model->usbDisabled == 0 ? labelText(p, "usbFreq") : QString(), readout(p, "pllcfg")};
    QCOMPARE(shown, expected);
    if (p->model->usbDisabled == 0)
        QCOMPARE(labelColour(p, "usbFreq"), QColor(Qt::darkGreen));
}

void TestR9x0SeriesEdit::usbFromThePll()
{
    for (const QString &cls : R9x0Pages::classNames()) {
        std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
        KytoR9x0PLL *p = page.get();
        usbOn(p);
        QCOMPARE(edit(p, "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*96"));
        QCOMPARE(combo(p, "pllfp")->currentText(), QStringLiteral("  /4"));
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("192.000"));
        QCOMPARE(labelText(p, "usbFreq"), QStringLiteral("48.000 MHz"));
        QVERIFY(combo(p, "pllfu")->isEnabled());

        // A clock-out on USB moves to SCLK once USB is switched off.
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 3)->setChecked(true);
        QCOMPARE(p->model->clkoutSource, 6);
        combo(p, "usbswitch")->setCurrentIndex(1);
        QVERIFY(radio(p, "clkout", 0)->isChecked());
        QCOMPARE(p->model->clkoutSource, 5);
        QVERIFY(!radio(p, "clkout", 3)->isEnabled());
        QVERIFY(boxTexts().isEmpty());
    }
}

void TestR9x0SeriesEdit::factorQuestions_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("setup");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    const PageStep defaults = [](KytoR9x0PLL *) {};
    // 8 MHz / 5 is below the 2 MHz the PLL needs.
    // /4 taken on Yes leaves a VCO of 288 MHz; the pll_ns question that
    // follows, cancelled, takes the whole Return back.
    rowsForEveryClass("pll_ms 5, Yes", defaults, QString("pllms"), QString("5"), true, QString("/5"), 1);
    rowsForEveryClass("pll_ms 5, Cancel", defaults, QString("pllms"), QString("5"), false, QString("/5"), 1);
    rowsForEveryClass("pll_ns 160, Yes", defaults, QString("pllns"), QString("160"), true, QString("*150"), 150);
    rowsForEveryClass("pll_ns 62, Yes", defaults, QString("pllns"), QString("62"), true, QString("*63"), 63);
    rowsForEveryClass("pll_ns 62, Cancel", defaults, QString("pllns"), QString("62"), false, QString("*62"), 144);
    // A CAN on PLLU runs the PLL, so its factors are checked as well.
    rowsForEveryClass("CAN1 on PLLU alone, pll_ms 5", PageStep([](KytoR9x0PLL *p) {
                          radio(p, "sclkselect", 2)->setChecked(true);
                          radio(p, "can1clocksel", 1)->setChecked(true);
                          combo(p, "can1switch")->setCurrentIndex(1);
                      }),
                      QString("pllms"), QString("5"), true, QString("/5"), 1);
}

void TestR9x0SeriesEdit::factorQuestions()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, setup);
    QFETCH(QString, factor);
    QFETCH(QString, typed);
    QFETCH(bool, yes);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    KytoR9x0PLL *p = page.get();
    setup(p);
    QVERIFY(edit(p, factor)->isEnabled());
    UserDialogs::reset();
    UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
    typeAndReturn(edit(p, factor), typed);

    // (pll_ms 4 then leaves the VCO at 288 MHz, which pll_ns is asked about.)
    QVERIFY(!UserDialogs::shownBoxes().isEmpty());
    const UserDialogs::ShownBox box = UserDialogs::shownBoxes().first();
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.title, QStringLiteral("Warning"));
    QStringList buttons = box.buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Cancel", "Yes"}));
    QVERIFY(box.text.startsWith(factor == "pllms" ? "pll_ms input error, is it adjusted automatically?\n"
                                                  : "pll_ns input error, is it adjusted automatically?\n\n"));
    QCOMPARE(edit(p, factor)->text(), shown);
    QCOMPARE(factor == "pllms" ? p->model->pllMs : p->model->pllNs, stored);
}

void TestR9x0SeriesEdit::usbClockOf48Rounded()
{
    QTemporaryDir dir;
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR920PLL")());
    KytoR9x0PLL *p = page.get();
    usbOn(p);
    combo(p, "pllfu")->setCurrentIndex(6);    // /20
    combo(p, "pllfp")->setCurrentIndex(11);   // /22
    typeAndReturn(edit(p, "pllns"), "120");
    // 960 MHz / 22 * 22 / 20 comes out a hair below 48.
    QVERIFY(p->model->usbMhz != 48.0);
    QCOMPARE(labelText(p, "usbFreq"), QStringLiteral("48.000 MHz"));
    QCOMPARE(labelColour(p, "usbFreq"), QColor(Qt::darkGreen));
    QVERIFY(R9x0Pages::save(p, "KytoR920PLL", dir.filePath("a.ZKCF")));
    QCOMPARE(boxTexts(), QStringList{"Information: Save file succeed!"});

    UserDialogs::reset();
    typeAndReturn(edit(p, "pllns"), "121");
    QCOMPARE(labelText(p, "usbFreq"), QStringLiteral("48.400 MHz"));
    QCOMPARE(labelColour(p, "usbFreq"), QColor(Qt::red));
    QVERIFY(!R9x0Pages::save(p, "KytoR920PLL", dir.filePath("b.ZKCF")));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QCOMPARE(UserDialogs::shownBoxes().first().title, QStringLiteral("Warning"));
    QVERIFY(UserDialogs::shownBoxes().first().text.startsWith("USB clock must be 48MHz."));
    QVERIFY(!QFile::exists(dir.filePath("b.ZKCF")));
}

void TestR9x0SeriesEdit::generateChecks_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("setup");
    QTest::addColumn<QStringList>("boxes");   // empty: generated

    rowsForEveryClass("defaults", PageStep([](KytoR9x0PLL *) {}), QStringList());
    // The system clock edit shows the 200 MHz the factors give.
    rowsForEveryClass("SCLK 200 from pll_ns 150", PageStep([](KytoR9x0PLL *p) {
                          typeAndReturn(edit(p, "pllns"), "150");
                      }),
                      QStringList{"Error: sclk input error!"});
    rowsForEveryClass("APB3 96 MHz", PageStep([](KytoR9x0PLL *p) { combo(p, "apb3div")->setCurrentIndex(1); }),
                      QStringList{"Error: apb3div input error!"});
    // A refused factor question leaves the page at 192 MHz and the typed
    // HEXT pending: Generate asks again and, adjusted, the SCLK the new
    // factors give breaks the limit.
    rowsForEveryClass("HEXT 16 with the factor question refused", PageStep([](KytoR9x0PLL *p) {
                          UserDialogs::answerNextBox(QMessageBox::Cancel);
                          typeAndReturn(edit(p, "hext"), "16");
                          QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("192.000"));
                          UserDialogs::reset();
                          UserDialogs::setTestMode(true);
                          UserDialogs::answerNextBox(QMessageBox::Yes);
                      }),
                      QStringList{"Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition "
                                  "must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1200MHz",
                                  "Error: sclk input error!"});
}

void TestR9x0SeriesEdit::generateChecks()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, setup);
    QFETCH(QStringList, boxes);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    KytoR9x0PLL *p = page.get();
    setup(p);
    if (boxes.isEmpty() || !boxes.first().startsWith("Warning"))
        UserDialogs::reset();
    UserDialogs::setTestMode(true);
    p->model->interactiveGenerate = 0;
    QCOMPARE(p->generateCode(), boxes.isEmpty());
    QCOMPARE(boxTexts(), boxes);
    if (boxes.isEmpty()) {
        const QString sample = QCoreApplication::applicationDirPath() + QStringLiteral("/Code_Sample/");
        for (const char *file : {"src/main.c", "src/kytor9x0_clock.c", "inc/kytor9x0_clock.h", "inc/kytor9x0_conf.h"})
            QVERIFY2(QFile::exists(sample + QLatin1String(file)), file);
    }
}

void TestR9x0SeriesEdit::generatedFiles()
{
    QTemporaryDir dir;
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR930PLL")());
    KytoR9x0PLL *p = page.get();
    usbOn(p);
    combo(p, "clockoutPinSelect")->setCurrentIndex(1);
    radio(p, "clkout", 3)->setChecked(true);
    const QStringList files = R9x0Pages::generated(p, dir.path());
    QCOMPARE(files.size(), 4);
    QCOMPARE(files.at(3).section('\n', 0, 0), QStringLiteral("src/main.c"));
    QVERIFY(files.at(3).contains("crm_clock_out_set(CRM_CLKOUT_USB);"));

    const UserDialogs::ShownBox result = UserDialogs::shownBoxes().last();
    QCOMPARE(result.title, QStringLiteral("Information"));
    QCOMPARE(result.text, QStringLiteral("Generate code finished!  Files:\n\nsrc/main.c\nsrc/kytor9x0_clock.c\n"
                                         "inc/kytor9x0_clock.h\ninc/kytor9x0_conf.h\n"));
    QCOMPARE(result.buttons, (QStringList{" Open Folder  ", "OK"}));
}

// What a control shows is what the model holds and what gets generated,
// also when a pending HEXT text stops the click: the combo goes back.
void TestR9x0SeriesEdit::editsApplyWhatTheyShow()
{
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR910PLL")());
    KytoR9x0PLL *p = page.get();
    const int fpIndex = combo(p, "pllfp")->currentIndex();
    const int fp = p->model->pllFp;
    edit(p, "hext")->setText("3");
    combo(p, "pllfp")->setCurrentIndex(4);
    QCOMPARE(combo(p, "pllfp")->currentIndex(), fpIndex);
    QCOMPARE(p->model->pllFp, fp);
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});

    // USB off: HEXT feeds nothing once SCLK runs from HICK, whatever the
    // USB source radio says, so its pending text stops no recompute.
    typeAndReturn(edit(p, "hext"), "8");
    radio(p, "sclkselect", 2)->setChecked(true);
    QVERIFY(!edit(p, "hext")->isEnabled());
    edit(p, "hext")->setText("3");
    UserDialogs::reset();
    combo(p, "ahbdiv")->setCurrentIndex(1);
    QVERIFY(boxTexts().isEmpty());
    QCOMPARE(readout(p, "sdio"), QStringLiteral("4.000"));
}

void TestR9x0SeriesEdit::pllSourceMovesAPllKeptForCan_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<bool>("yes");
    rowsForEveryClass("Cancel", false);
    rowsForEveryClass("Yes", true);
}

// SCLK from HICK, the PLL kept running for a CAN: moving the PLL from a
// 24 MHz crystal (/2) to HICK/6 leaves the VCO under its range. The click
// asks; Cancel takes it back whole, Yes keeps it with a VCO in range.
void TestR9x0SeriesEdit::pllSourceMovesAPllKeptForCan()
{
    QFETCH(QString, cls);
    QFETCH(bool, yes);
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    KytoR9x0PLL *p = page.get();
    UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextBox(QMessageBox::Yes);
    typeAndReturn(edit(p, "hext"), "24");
    radio(p, "sclkselect", 2)->click();
    radio(p, "can1clocksel", 1)->setChecked(true);
    combo(p, "can1switch")->setCurrentIndex(1);
    QCOMPARE(p->model->hextMhz, 24.0);
    const int ms = p->model->pllMs;
    const int ns = p->model->pllNs;
    const QString nsShown = edit(p, "pllns")->text();

    UserDialogs::reset();
    UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
    radio(p, "pllrcs", 1)->click();
    QCOMPARE(boxTexts().size(), 1);
    QVERIFY(boxTexts().first().startsWith("Warning: pll_ns input error, is it adjusted automatically?"));
    if (!yes) {
        QVERIFY(radio(p, "pllrcs", 0)->isChecked());
        QCOMPARE(p->model->pllSource, 0);
        QCOMPARE(p->model->pllNs, ns);
        QCOMPARE(edit(p, "pllns")->text(), nsShown);
        return;
    }
    QVERIFY(radio(p, "pllrcs", 1)->isChecked());
    QCOMPARE(p->model->pllSource, 1);
    const double vco = p->model->hickMhz / 6 / ms * p->model->pllNs;
    QVERIFY2(vco >= 500 && vco <= 1200, qPrintable(QString::number(vco)));
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*%1").arg(p->model->pllNs));
}

QTEST_MAIN(TestR9x0SeriesEdit)
#include "tst_r9x0series_edit.moc"
