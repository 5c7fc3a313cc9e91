// What reaches the code and the design file on a multiplier-PLL page: a
// value typed without Return, a saved name without extension, one box per
// click, and the read-outs a user compares after reset and Open.
#include "series/multiplier/KytoH620APLL.h"
#include "series/multiplier/KytoR620APLL.h"
#include "series/multiplier/KytoR620PLL.h"
#include "series/multiplier/KytoR650PLL.h"
#include "series/multiplier/KytoR710PLL.h"
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using PendingEdits::readFile;
using PendingEdits::typeOnly;
using SeriesPages::boxTexts;
using SeriesPages::combo;
using SeriesPages::radio;

namespace {

QLineEdit *edit(QWidget *page, const char *node)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(node) + "_LineEdit");
}

} // namespace

class TestMultiplierTypedValues : public QObject
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
    void savedNameGetsTheExtension_data();
    void savedNameGetsTheExtension();
    void realSaveDialogAddsTheExtension();
    void oneBoxPerRadioClick_data();
    void oneBoxPerRadioClick();
    void readoutsAfterResetAndOpen();
};

void TestMultiplierTypedValues::pendingTextReachesTheOutput_data()
{
    QTest::addColumn<QString>("node");       // edits, comma separated
    QTest::addColumn<QString>("typed");      // their texts, likewise
    QTest::addColumn<QString>("action");     // generate, preview, save
    QTest::addColumn<QString>("file");       // relative to the output folder
    QTest::addColumn<QString>("expected");   // text in that file; empty: nothing written
    QTest::addColumn<QStringList>("boxes");

    const QString conf = "inc/kytor620_conf.h";
    const QString clock = "src/kytor620_clock.c";
    const QStringList finished{"Information: Generate code finished!  Files:\n\nsrc/main.c\nsrc/kytor620_clock.c\n"
                               "inc/kytor620_clock.h\ninc/kytor620_conf.h\n"};
    QTest::newRow("hext, generate") << "hext" << "6" << "generate" << conf << "HEXT_VALUE               ((uint32_t)6000000)" << finished;
    QTest::newRow("sclk, generate") << "sclk" << "144" << "generate" << clock << "- sclk                = 144000000" << finished;
    QTest::newRow("hext, code view") << "hext" << "6" << "preview" << conf << "HEXT_VALUE               ((uint32_t)6000000)" << QStringList();
    QTest::newRow("sclk, code view") << "sclk" << "144" << "preview" << clock << "- sclk                = 144000000" << QStringList();
    QTest::newRow("hext, save") << "hext" << "6" << "save" << "design.ZKCF" << "<hext>6.000000</hext>"
                                << QStringList{"Information: Save file succeed!"};
    QTest::newRow("sclk, save") << "sclk" << "144" << "save" << "design.ZKCF" << "<pllmult>18</pllmult>"
                                << QStringList{"Information: Save file succeed!"};
    QTest::newRow("refused hext stops generate") << "hext" << "30" << "generate" << conf << ""
                                                 << QStringList{"Error: hext input error!"};
    QTest::newRow("refused sclk stops save") << "sclk" << "500" << "save" << "design.ZKCF" << ""
                                             << QStringList{"Error: sclk input error!"};
    // HEXT applied first re-fits the PLL and refreshes the page; the SCLK
    // typed beside it is still the one confirmed, or refused, after it.
    QTest::newRow("hext and sclk, generate") << "hext,sclk" << "12,144" << "generate" << clock
                                             << "- sclk                = 144000000" << finished;
    QTest::newRow("hext and sclk, code view") << "hext,sclk" << "12,144" << "preview" << conf
                                              << "HEXT_VALUE               ((uint32_t)12000000)" << QStringList();
    QTest::newRow("hext beside a refused sclk, save") << "hext,sclk" << "12,500" << "save" << "design.ZKCF" << ""
                                                      << QStringList{"Error: sclk input error!"};
}

// A value on screen is the value in the output: a text typed without Return
// is applied, with its checks, before Generate, Code View and Save.
void TestMultiplierTypedValues::pendingTextReachesTheOutput()
{
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    PendingEdits::typeInto(&page, node, typed);
    QVERIFY(UserDialogs::shownBoxes().isEmpty());

    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(&page, SeriesPages::operationsOf("KytoR620PLL"), action, dir.path(), file);
    QCOMPARE(boxTexts(), boxes);
    if (action != "save")
        QCOMPARE(outcome.generated, !expected.isEmpty());
    const QString fault = PendingEdits::outputFault(&page, outcome, file, expected, node, typed);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (action == "generate" && !expected.isEmpty()) {
        // Enter and Escape close the result box; the folder opens on a click only.
        QCOMPARE(UserDialogs::shownBoxes().last().defaultButton, QStringLiteral("OK"));
        QCOMPARE(UserDialogs::shownBoxes().last().escapeButton, QStringLiteral("OK"));
    }
}

void TestMultiplierTypedValues::savedNameGetsTheExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("proposed name") << "KytoR620_Clock" << "KytoR620_Clock.ZKCF";
    QTest::newRow("typed extension kept") << "mine.xml" << "mine.xml";
    QTest::newRow("extension already there") << "mine.ZKCF" << "mine.ZKCF";
}

void TestMultiplierTypedValues::savedNameGetsTheExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    UserDialogs::answerNextFileDialog(dir.filePath(chosen));
    page.saveConfig(QStringLiteral("KytoR620"));
    QCOMPARE(UserDialogs::fileQuestions().at(0).defaultSuffix, QStringLiteral("ZKCF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
}

// The real dialog, driven by a timer, does what the seam stands in for.
void TestMultiplierTypedValues::realSaveDialogAddsTheExtension()
{
    QTemporaryDir dir;
    UserDialogs::setTestMode(false);
    bool driven = false;
    QTimer driver;
    driver.setInterval(20);
    connect(&driver, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driver.stop();
        driven = true;
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    driver.start();
    const QString path = UserDialogs::getSaveFileName(nullptr, "Save", dir.filePath("KytoR620_Clock"),
                                                      "Config file (*.ZKCF)", "ZKCF");
    UserDialogs::setTestMode(true);
    QVERIFY(driven);
    QCOMPARE(path, dir.filePath("KytoR620_Clock.ZKCF"));   // the proposed name, accepted
}

void TestMultiplierTypedValues::oneBoxPerRadioClick_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("group");
    for (const char *cls : {"KytoR620APLL", "KytoR650PLL", "KytoH620APLL", "KytoR710PLL"}) {
        for (const char *group : {"hicktousb", "hicktosclk", "sclkselect"}) {
            if (QByteArray(group) != "sclkselect" && QByteArray(cls) == "KytoR710PLL")
                continue;   // R710 has no HICK 48 branches
            QTest::newRow(qPrintable(QString("%1 %2").arg(cls, group))) << QString(cls) << QString(group);
        }
    }
}

// A switch emits toggled for the radio left and the one chosen; with a bad
// HEXT text pending, one click still says so at most once.
void TestMultiplierTypedValues::oneBoxPerRadioClick()
{
    QFETCH(QString, className);
    QFETCH(QString, group);
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(className));
    QWidget *p = page.get();
    // USB on from the PLL keeps HEXT in use while SCLK runs from HICK, so
    // every radio below is enabled and every one of them checks HEXT.
    combo(p, "usbswitch")->setCurrentIndex(0);
    if (group != "sclkselect")
        radio(p, "sclkselect", 2)->click();
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    typeOnly(edit(p, "hext"), "30");

    int boxes = 0;
    bool greyed = false;
    for (int n : {1, 0, 1, 0}) {
        QRadioButton *r = radio(p, group, n);
        QVERIFY(r && r->isEnabled());
        if (r->isChecked())
            continue;
        UserDialogs::reset();
        r->click();
        QVERIFY2(UserDialogs::shownBoxes().size() <= 1,
                 qPrintable(QStringLiteral("radio %1: ").arg(n) + boxTexts().join(" | ")));
        boxes += UserDialogs::shownBoxes().size();
        greyed = greyed || !edit(p, "hext")->isEnabled();
    }
    // The bad text is still reported, unless a click greyed its edit: that
    // drops the text for the model's HEXT.
    if (greyed)
        QCOMPARE(edit(p, "hext")->text().toDouble(), page->model->hextMhz);
    else
        QVERIFY(boxes > 0);
}

void TestMultiplierTypedValues::readoutsAfterResetAndOpen()
{
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    QWidget *p = &page;

    // A switched-off RTC reads the same on a new page, after a reset and after Open.
    auto rtc = [p] { return p->findChild<QLineEdit *>("rtc_ReadOut")->text(); };
    QCOMPARE(rtc(), QStringLiteral("0"));
    page.resetDefaults();
    QCOMPARE(rtc(), QStringLiteral("0"));

    // The clock-out divider's caption greys with its combo.
    KytoR620APLL withDivider(nullptr);
    p = &withDivider;
    QLabel *caption = nullptr;
    for (QLabel *l : p->findChildren<QLabel *>())
        if (l->text() == "clockoutdiv")
            caption = l;
    QVERIFY(caption);
    QVERIFY(!combo(p, "clockoutdiv")->isEnabled());
    QVERIFY(!caption->isEnabled());
    combo(p, "clockoutPinSelect")->setCurrentIndex(1);
    QVERIFY(combo(p, "clockoutdiv")->isEnabled());
    QVERIFY(caption->isEnabled());

    p = &page;
    // The ADC switch shows "disable" whole.
    CustomComboBox1 *adcSwitch = combo(p, "toadcswitch");
    QVERIFY(adcSwitch->width() >= QFontMetrics(adcSwitch->font()).horizontalAdvance("disable") + 20 + 6);

    // A HEXT of 16 MHz opens as "16.000", not cut to "16.00000".
    QString design = readFile(QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/KytoR620_default.ZKCF"));
    design.replace("<hext>8.000000</hext>", "<hext>16.000000</hext>").replace("<pllmult>24</pllmult>", "<pllmult>12</pllmult>");
    QFile file(dir.filePath("hext16.ZKCF"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(design.toUtf8());
    file.close();
    KytoR620PLL opened(nullptr);
    opened.loadConfig(file.fileName());
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));
    QCOMPARE(edit(&opened, "hext")->text(), QStringLiteral("16.000"));
    QCOMPARE(opened.model->hextMhz, 16.0);
    QCOMPARE(opened.findChild<QLineEdit *>("rtc_ReadOut")->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestMultiplierTypedValues)
#include "tst_multiplier_typedvalues.moc"
