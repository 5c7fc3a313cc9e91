// A click that a check stops is taken back whole on every page family, so
// that what the page shows, the design it saves and the code it generates
// agree; a click that stands leaves every typed edit styled as what the
// model holds.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace SeriesPages;

namespace {

const char *const kPendingBackground = "rgb(255, 255, 225)";

// "type:node=text" types without Return, "return:node=text" with it,
// "combo:node=item" picks the item shown as item, "radio:group=choice"
// clicks, "answer:Yes" queues the answer to the next question.
void run(KytoMCUPLL *page, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        const QString name = step.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (verb == QLatin1String("type")) {
            PendingEdits::typeOnly(edit(page, name), value);
        } else if (verb == QLatin1String("return")) {
            typeAndReturn(edit(page, name), value);
        } else if (verb == QLatin1String("combo")) {
            // A node's combo, or one named in full (the clock-out pin).
            auto *c = page->findChild<CustomComboBox1 *>(name);
            if (!c)
                c = combo(page, name);
            QVERIFY2(c, qPrintable(step));
            int item = -1;
            for (int i = 0; i < c->count() && item < 0; ++i) {
                if (c->itemText(i).simplified() == value)
                    item = i;
            }
            QVERIFY2(item >= 0, qPrintable(step));
            c->setCurrentIndex(item);
        } else if (verb == QLatin1String("radio")) {
            QRadioButton *r = radio(page, name, value);
            QVERIFY2(r && r->isEnabled(), qPrintable(step));
            r->click();
        } else if (verb == QLatin1String("answer")) {
            UserDialogs::answerNextBox(value == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::Cancel);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

// Every choice and read-out a design decides, by object name.
QStringList choicesAndReadouts(QWidget *page)
{
    QStringList lines;
    for (CustomComboBox1 *c : page->findChildren<CustomComboBox1 *>())
        lines << c->objectName() + QStringLiteral(" = ") + c->currentText();
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << r->objectName() + (r->isChecked() ? QStringLiteral(" checked") : QStringLiteral(" unchecked"));
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        if (e->isReadOnly() && e->isEnabled())
            lines << e->objectName() + QStringLiteral(" = ") + e->text();
    }
    return lines;
}

bool generateInto(KytoMCUPLL *page, const QString &dir, int questions)
{
    for (int i = 0; i < questions; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    page->model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(dir);
    UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
    return SeriesPages::operationsOf(QString::fromLatin1(page->metaObject()->className())).generateCode(page);
}

QStringList filesOf(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << QDir(dir).relativeFilePath(path) + QLatin1Char('\n') + PendingEdits::readFile(path);
    }
    files.sort();
    return files;
}

} // namespace

class TestClickTakeBack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        silenceOffscreenSizeHints();
        UserDialogs::setTestMode(true);
    }
    void cleanup() { UserDialogs::reset(); }

    void refusedClickKeepsPageDesignAndCodeAgreeing_data();
    void refusedClickKeepsPageDesignAndCodeAgreeing();
    void hextPutIntoUseLooksApplied_data();
    void hextPutIntoUseLooksApplied();
    void limitColourSurvivesACancelledAction();
    void greyedTextRefusesNoLaterClick_data();
    void greyedTextRefusesNoLaterClick();
    void oneRefusalShowsOneBox_data();
    void oneRefusalShowsOneBox();
};

void TestClickTakeBack::refusedClickKeepsPageDesignAndCodeAgreeing_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("boxes");   // shown by the steps
    QTest::addColumn<int>("questions");       // answered Yes before Generate and Save write

    const QStringList hextError{"Error: hext input error!"};
    // The factor or divider chosen while a HEXT of 30 waits, then a HEXT
    // that equals the model's typed: Generate confirms nothing more.
    QTest::newRow("R620 * 7") << "KytoR620PLL" << QStringList{"type:hext=30", "combo:pllmult=* 7", "type:hext=8"}
                              << hextError << 0;
    QTest::newRow("R650 PLL HEXT /2") << "KytoR650PLL"
                                      << QStringList{"type:hext=30", "radio:pllhextdiv=1", "type:hext=8"} << hextError << 0;
    QTest::newRow("R620A HEXT divider") << "KytoR620APLL"
                                        << QStringList{"radio:pllhextdiv=1", "type:hext=30", "combo:hextdiv=/3",
                                                       "type:hext=8"} << hextError << 0;
    for (const char *cls : {"KytoR610PLL", "KytoR640PLL", "KytoR960PLL"})
        QTest::newRow(QByteArray(cls + 4).append(" pll_fp /6").constData())
            << cls << QStringList{"type:hext=30", "combo:pllfp=/6", "type:hext=8"} << hextError
            << (QByteArray(cls) == "KytoR640PLL" ? 1 : 0);   // R640: the USBHS PHY clock
    QTest::newRow("D515 pll_fr") << "KytoD515PLL" << QStringList{"type:hext=3", "combo:pllfr=/2", "type:hext=8"}
                                 << hextError << 0;
}

// After the refused click the page equals a fresh page opening the design
// it saves, and both generate the same files.
void TestClickTakeBack::refusedClickKeepsPageDesignAndCodeAgreeing()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, boxes);
    QFETCH(int, questions);

    std::unique_ptr<KytoMCUPLL> page(createPage(cls));
    QVERIFY(page);
    run(page.get(), steps);
    QCOMPARE(boxTexts(), boxes);
    UserDialogs::reset();

    QTemporaryDir dir;
    const QString code = dir.filePath("page");
    const QString freshCode = dir.filePath("fresh");
    QVERIFY(QDir().mkpath(code) && QDir().mkpath(freshCode));
    QVERIFY2(generateInto(page.get(), code, questions), qPrintable(boxTexts().join(" | ")));
    const QString design = dir.filePath("design.ZKCF");
    for (int i = 0; i < questions; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(design);
    operationsOf(cls).saveConfig(page.get(), KytoPLLConfig::seriesName(page->model->seriesIndex));
    QVERIFY(QFile::exists(design));

    std::unique_ptr<KytoMCUPLL> fresh(createPage(cls));
    operationsOf(cls).loadConfig(fresh.get(), design);
    QCOMPARE(choicesAndReadouts(page.get()), choicesAndReadouts(fresh.get()));
    QVERIFY2(generateInto(fresh.get(), freshCode, questions), qPrintable(boxTexts().join(" | ")));
    QCOMPARE(filesOf(code), filesOf(freshCode));
}

void TestClickTakeBack::hextPutIntoUseLooksApplied_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");   // HEXT 12 typed first, without Return

    QTest::newRow("R620 PLL factor") << "KytoR620PLL" << QStringList{"combo:pllmult=* 12"};
    QTest::newRow("R620 SCLK + Return") << "KytoR620PLL" << QStringList{"return:sclk=144"};
    QTest::newRow("R720 AHB divider") << "KytoR720PLL" << QStringList{"combo:ahbdiv=/2"};
    QTest::newRow("R720 pll_mode") << "KytoR720PLL" << QStringList{"combo:pllmode=flexible"};
    QTest::newRow("R610 SCLK + Return") << "KytoR610PLL" << QStringList{"return:sclk=144"};
    QTest::newRow("R740 system clock from HEXT") << "KytoR740PLL" << QStringList{"radio:sclkselect=hext"};
    QTest::newRow("R810 system clock from HEXT") << "KytoR810PLL" << QStringList{"radio:sclkselect=0"};
    QTest::newRow("R930 APB1 divider") << "KytoR930PLL" << QStringList{"combo:apb1div=/2"};
}

// A HEXT typed without Return that another click puts into use is what the
// model holds, and its edit no longer looks typed and unapplied.
void TestClickTakeBack::hextPutIntoUseLooksApplied()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);

    std::unique_ptr<KytoMCUPLL> page(createPage(cls));
    QVERIFY(page);
    QLineEdit *hext = edit(page.get(), "hext");
    PendingEdits::typeOnly(hext, "12");
    QVERIFY(hext->styleSheet().contains(kPendingBackground));
    for (int i = 0; i < 3; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    run(page.get(), steps);
    QCOMPARE(page->model->hextMhz, 12.0);
    QVERIFY2(!hext->styleSheet().contains(kPendingBackground), qPrintable(hext->styleSheet()));
}

// An SCLK over the limit stays red after a Code View stopped by Cancel.
void TestClickTakeBack::limitColourSurvivesACancelledAction()
{
    std::unique_ptr<KytoMCUPLL> page(createPage("KytoR810PLL"));
    UserDialogs::answerNextBox(QMessageBox::Yes);   // the pll_ns HEXT 12 needs
    typeAndReturn(edit(page.get(), "hext"), "12");
    QLineEdit *sclk = edit(page.get(), "sclk");
    QCOMPARE(sclk->text(), QStringLiteral("300.000"));
    QCOMPARE(sclk->palette().color(QPalette::Text), QColor(Qt::red));
    const QStringList before = PendingEdits::pageState(page.get());

    PendingEdits::typeOnly(edit(page.get(), "hext"), "20");
    UserDialogs::reset();
    QTemporaryDir dir;
    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(page.get(), operationsOf("KytoR810PLL"), "preview", dir.path(), "src/main.c");
    QVERIFY(!outcome.generated);
    QVERIFY(!boxTexts().isEmpty());
    QCOMPARE(sclk->text(), QStringLiteral("300.000"));
    QCOMPARE(sclk->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(page->model->hextMhz, 12.0);
    PendingEdits::typeOnly(edit(page.get(), "hext"), "12");
    QCOMPARE(PendingEdits::pageState(page.get()), before);
}

void TestClickTakeBack::greyedTextRefusesNoLaterClick_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");   // the last is a radio click that must stand
    QTest::addColumn<QStringList>("boxes");   // shown by all the steps

    const QStringList hextError{"Error: hext input error!"};
    // A HEXT refused on Return, then greyed by a system clock from the HICK:
    // the clicks that bring the HEXT back may not be refused for that text.
    QTest::newRow("R720 HEXT") << "KytoR720PLL"
                               << QStringList{"return:hext=30", "radio:sclkselect=hick", "radio:sclkselect=hext"}
                               << hextError;
    QTest::newRow("R720 PLL") << "KytoR720PLL"
                              << QStringList{"return:hext=30", "radio:sclkselect=hick", "radio:sclkselect=pll"}
                              << hextError;
    QTest::newRow("R620 HEXT") << "KytoR620PLL"
                               << QStringList{"return:hext=30", "radio:sclkselect=2", "radio:sclkselect=0"} << hextError;
    QTest::newRow("R610 PLL") << "KytoR610PLL"
                              << QStringList{"return:hext=30", "radio:sclkselect=hick", "radio:sclkselect=pll"}
                              << hextError;
    QTest::newRow("R810 HEXT") << "KytoR810PLL"
                               << QStringList{"return:hext=30", "radio:sclkselect=2", "radio:sclkselect=0"} << hextError;
    QTest::newRow("R910 PLL") << "KytoR910PLL"
                              << QStringList{"return:hext=30", "radio:sclkselect=2", "radio:sclkselect=1"} << hextError;
    QTest::newRow("D515 HEXT") << "KytoD515PLL"
                               << QStringList{"return:hext=3", "radio:sclkselect=2", "radio:sclkselect=0"} << hextError;
}

// Once a click greys an edit, the edit shows what the model holds again,
// so a later click is decided by the design, not by a text nobody can mend.
void TestClickTakeBack::greyedTextRefusesNoLaterClick()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, boxes);

    std::unique_ptr<KytoMCUPLL> page(createPage(cls));
    QVERIFY(page);
    run(page.get(), steps);
    QCOMPARE(boxTexts(), boxes);
    const QString last = steps.last().section(QLatin1Char(':'), 1);
    QVERIFY2(radio(page.get(), last.section('=', 0, 0), last.section('=', 1))->isChecked(), qPrintable(last));
    QCOMPARE(edit(page.get(), "hext")->text().toDouble(), page->model->hextMhz);
}

void TestClickTakeBack::oneRefusalShowsOneBox_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");   // the last is refused with one box

    // The USB switch reaches the HEXT check by two roads.
    QTest::newRow("R610 USB off") << "KytoR610PLL"
                                  << QStringList{"combo:clockoutPinSelectComboBox=PB13", "combo:i2sf5switch=enable",
                                                 "combo:usbswitch=enable", "radio:clkout=usb", "radio:sclkselect=hick",
                                                 "type:hext=2.5", "combo:usbswitch=disable"};
}

void TestClickTakeBack::oneRefusalShowsOneBox()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);

    std::unique_ptr<KytoMCUPLL> page(createPage(cls));
    QVERIFY(page);
    run(page.get(), steps.mid(0, steps.size() - 1));
    QCOMPARE(boxTexts(), QStringList{});
    const QStringList before = PendingEdits::pageState(page.get());
    run(page.get(), {steps.last()});
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    QCOMPARE(PendingEdits::pageState(page.get()), before);
}

QTEST_MAIN(TestClickTakeBack)
#include "tst_clicktakeback.moc"
