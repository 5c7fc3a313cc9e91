// Editing a flexible-PLL page: typed values and the PLL factor questions,
// the selections, the limit checks, code generation and reset, as a user
// drives them; every box is answered through UserDialogs.
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FormCodeView.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
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

const char *const kMsQuestion = "pll_ms input error, is it adjusted automatically?\nThe following condition must be met: "
                                "\n2MHz <= pll_input / pll_ms <= 16MHz";
const char *const kNsQuestion = "pll_ns input error, is it adjusted automatically?\n\nThe following condition must be "
                                "met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz";
const char *const kUsbQuestion = "USB clock must be 48MHz. But the USB clock of current config is wrong.  please "
                                 "confirm whether to continue?";

bool isStyled(QLineEdit *edit, const char *background)
{
    return edit->styleSheet().startsWith(QStringLiteral("background: %1;").arg(QLatin1String(background)));
}

QColor textColour(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Text);
}

// Return on an edit whatever its validator thinks of the text.
void pressReturn(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    QMetaObject::invokeMethod(edit, "returnPressed");
}

KytoPLLConfig::SeriesOperations opsOf(KytoMCUPLL *page)
{
    return KytoPLLConfig::registeredOperations(page->model->seriesIndex);
}

// Interactive generation into the folder, answering the result box with "OK".
bool generateInto(KytoMCUPLL *page, const QString &folder)
{
    page->model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(folder);
    UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
    return opsOf(page).generateCode(page);
}

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString generatedCode(const QString &folder, const QString &stem)
{
    return readAll(folder + "/src/main.c") + readAll(folder + "/src/" + stem + "_clock.c")
           + readAll(folder + "/inc/" + stem + "_clock.h") + readAll(folder + "/inc/" + stem + "_conf.h");
}

} // namespace

class TestFlexibleSeriesEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void factorQuestions_data();
    void factorQuestions();
    void typedErrors_data();
    void typedErrors();
    void sclkTarget();
    void pllRadioSearchesFactors_data();
    void pllRadioSearchesFactors();
    void hextWhileItDrivesSclk_data();
    void hextWhileItDrivesSclk();
    void editStyles();

    void clockOutOnUsbGenerates_data();
    void clockOutOnUsbGenerates();
    void dividerAndSwitchSlots();
    void usbFromHickAndUsbDivider();
    void kernelClockCodes();
    void sclkToHextWithBadHext();
    void i2sf5OnPllpNeedsThePll();
    void unusedHextIsNotChecked();
    void choiceWithACancelledFactorIsTakenBack();

    void generationAtDefaults_data();
    void generationAtDefaults();
    void generationStops();
    void targetThatIsAFolderIsNamed_data();
    void targetThatIsAFolderIsNamed();
    void usbQuestionInPreview();
    void previewAndCodeView_data();
    void previewAndCodeView();

    void resetEndsOnTheDefaults();
    void boxInChinese();
    void realFactorQuestion();
};

void TestFlexibleSeriesEdit::initTestCase()
{
    silenceOffscreenSizeHints();
}

void TestFlexibleSeriesEdit::init()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

void TestFlexibleSeriesEdit::factorQuestions_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hext");
    QTest::addColumn<QList<int>>("answers");     // QMessageBox::StandardButton per question
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QString>("msAfter");
    QTest::addColumn<QString>("nsAfter");
    const int yes = QMessageBox::Yes, cancel = QMessageBox::Cancel;
    QTest::newRow("ms /5, Yes") << "pllms" << "/5" << "8" << QList<int>{yes, yes}
                                << QStringList{kMsQuestion, kNsQuestion} << "/4" << "*250";
    QTest::newRow("ms /5, Cancel") << "pllms" << "/5" << "8" << QList<int>{cancel} << QStringList{kMsQuestion}
                                   << "/5" << "*108";
    QTest::newRow("ns *50") << "pllns" << "*50" << "8" << QList<int>{yes} << QStringList{kNsQuestion} << "/1" << "*63";
    QTest::newRow("ns *200") << "pllns" << "*200" << "8" << QList<int>{yes} << QStringList{kNsQuestion} << "/1"
                             << "*125";
    // Cancel on the second question takes the whole Return back, the
    // pll_ms taken on the first included; HEXT 25 stays pending.
    QTest::newRow("HEXT 25") << "" << "" << "25" << QList<int>{yes, cancel} << QStringList{kMsQuestion, kNsQuestion}
                             << "/1" << "*108";
}

// Yes takes the model's suggestion into the edit and the model; Cancel
// stores nothing for that factor and recomputes nothing.
void TestFlexibleSeriesEdit::factorQuestions()
{
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QString, hext);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, questions);
    QFETCH(QString, msAfter);
    QFETCH(QString, nsAfter);
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    for (int answer : answers)
        UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));
    if (node.isEmpty())
        typeAndReturn(edit(p, "hext"), hext);
    else
        typeAndReturn(edit(p, node), typed);

    QStringList asked;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes()) {
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QStringList buttons = box.buttons;
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Yes"}));
        asked << box.text;
    }
    QCOMPARE(asked, questions);
    QCOMPARE(edit(p, "pllms")->text(), msAfter);
    QCOMPARE(edit(p, "pllns")->text(), nsAfter);
    QCOMPARE(page->model->pllMs, msAfter.mid(1).toInt() == 5 ? 1 : msAfter.mid(1).toInt());
    if (answers.last() == QMessageBox::Cancel && answers.size() == 1)
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("216.000"));
    if (answers.last() == QMessageBox::Yes)
        QCOMPARE(page->model->pllNs, nsAfter.mid(1).toInt());
    if (node.isEmpty() && answers.last() == QMessageBox::Cancel)
        QCOMPARE(page->model->hextMhz, 8.0);
}

void TestFlexibleSeriesEdit::typedErrors_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("ms /0") << "KytoR610PLL" << "pllms" << "/0" << "pll_ms input error!";
    QTest::newRow("ms /16") << "KytoR610PLL" << "pllms" << "/16" << "pll_ms input error!";
    QTest::newRow("ms /") << "KytoR610PLL" << "pllms" << "/" << "pll_ms input error!";
    QTest::newRow("ns *30") << "KytoR610PLL" << "pllns" << "*30" << "pll_ns input error!";
    QTest::newRow("ns *501") << "KytoR740PLL" << "pllns" << "*501" << "pll_ns input error!";
    QTest::newRow("sclk 216.001") << "KytoR610PLL" << "sclk" << "216.001" << "sclk input error!";
    QTest::newRow("R740 sclk 150.001") << "KytoR740PLL" << "sclk" << "150.001" << "sclk input error!";
}

void TestFlexibleSeriesEdit::typedErrors()
{
    QFETCH(QString, cls);
    QFETCH(QString, node);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();
    const double pll = page->model->pllMhz;
    pressReturn(edit(p, node), typed);
    QCOMPARE(boxTexts(), QStringList{"Error: " + error});
    const UserDialogs::ShownBox box = UserDialogs::shownBoxes().first();
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QStringList{"Ok"});
    QCOMPARE(page->model->pllMhz, pll);
    QCOMPARE(page->model->pllMs, 1);
}

// The fr family aims the PLL at twice the typed system clock.
void TestFlexibleSeriesEdit::sclkTarget()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR740PLL");
    QWidget *p = page.get();
    typeAndReturn(edit(p, "sclk"), "120");
    QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("120.000"));
    typeAndReturn(edit(p, "sclk"), "150");
    QCOMPARE(edit(p, "pllms")->text(), QStringLiteral("/1"));
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*75"));
    QCOMPARE(combo(p, "pllfr")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(find<QLabel>(p, "pll_Label")->text(), QStringLiteral("300.000MHz"));
    QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("150.000"));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestFlexibleSeriesEdit::pllRadioSearchesFactors_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("hext");       // applied while HEXT drives SCLK
    QTest::addColumn<QString>("divider");    // the PLL output divider combo
    QTest::addColumn<QStringList>("shown");  // pll_ms, pll_ns, the divider, SCLK
    // The search aims at what the factors give with the HEXT now in force,
    // within the series' limit; at the HEXT they were made for it finds
    // them again.
    QTest::newRow("R610, same HEXT") << "KytoR610PLL" << "8" << "pllfp" << QStringList{"/1", "*108", "  /4", "216.000"};
    QTest::newRow("R610, HEXT 6") << "KytoR610PLL" << "6" << "pllfp" << QStringList{"/1", "*162", "  /6", "162.000"};
    QTest::newRow("R960, HEXT 9 above the limit") << "KytoR960PLL" << "9" << "pllfp"
                                                  << QStringList{"/1", "*96", "  /4", "216.000"};
    QTest::newRow("R740, HEXT 12 above the limit") << "KytoR740PLL" << "12" << "pllfr"
                                                   << QStringList{"/1", "*50", "  /2", "150.000"};
}

// Choosing the PLL as system clock searches the factors anew and shows them.
void TestFlexibleSeriesEdit::pllRadioSearchesFactors()
{
    QFETCH(QString, cls);
    QFETCH(QString, hext);
    QFETCH(QString, divider);
    QFETCH(QStringList, shown);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();
    click(radio(p, "sclkselect", "hext"));
    typeAndReturn(edit(p, "hext"), hext);
    click(radio(p, "sclkselect", "pll"));
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    QCOMPARE((QStringList{edit(p, "pllms")->text(), edit(p, "pllns")->text(), combo(p, divider)->currentText(),
                          edit(p, "sclk")->text()}),
             shown);
    QCOMPARE(page->model->pllNs, shown[1].mid(1).toInt());
}

void TestFlexibleSeriesEdit::hextWhileItDrivesSclk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sclk");   // empty: refused
    QTest::newRow("4") << "4" << "4.000";
    QTest::newRow("25") << "25" << "25.000";
    QTest::newRow("3.999") << "3.999" << "";
    QTest::newRow("25.001") << "25.001" << "";
    QTest::newRow("abc") << "abc" << "";
}

void TestFlexibleSeriesEdit::hextWhileItDrivesSclk()
{
    QFETCH(QString, typed);
    QFETCH(QString, sclk);
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    click(radio(p, "sclkselect", "hext"));
    pressReturn(edit(p, "hext"), typed);
    if (sclk.isEmpty()) {
        QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
        QCOMPARE(page->model->hextMhz, 8.0);
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("8.000"));
    } else {
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QCOMPARE(edit(p, "sclk")->text(), sclk);
    }
}

// HEXT counts as applied at five decimals; a factor edit puts its own prefix
// in front of what is typed and shows an empty factor in red.
void TestFlexibleSeriesEdit::editStyles()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    QLineEdit *hext = edit(p, "hext");
    hext->setText("8.00001");
    QVERIFY(isStyled(hext, "rgb(255, 255, 225)"));
    hext->setText("8.000001");
    QVERIFY(isStyled(hext, "rgb(152, 251, 152)"));
    hext->setText("30");
    QCOMPARE(textColour(hext), QColor(Qt::red));

    QLineEdit *ms = edit(p, "pllms");
    ms->clear();
    QCOMPARE(ms->text(), QStringLiteral("/"));
    QCOMPARE(textColour(ms), QColor(Qt::red));
    QTest::keyClicks(ms, "12");
    QCOMPARE(ms->text(), QStringLiteral("/12"));
    QVERIFY(isStyled(ms, "rgb(255, 255, 225)"));
    QCOMPARE(textColour(ms), QColor(Qt::black));
    ms->setText("/1");
    QVERIFY(isStyled(ms, "rgb(255, 255, 255)"));
}

void TestFlexibleSeriesEdit::clockOutOnUsbGenerates_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("call");
    QTest::newRow("R610") << "KytoR610PLL" << 11 << "kytor610_640" << "crm_clock_out_set(CRM_CLKOUT_USBFS);";
    QTest::newRow("R740") << "KytoR740PLL" << 6 << "kytor740" << "crm_clock_out_set(CRM_CLKOUT_USB);";
}

void TestFlexibleSeriesEdit::clockOutOnUsbGenerates()
{
    QFETCH(QString, cls);
    QFETCH(int, code);
    QFETCH(QString, stem);
    QFETCH(QString, call);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QWidget *p = page.get();
    combo(p, "usbswitch")->setCurrentIndex(0);
    click(radio(p, "hicktousb", "hick"));
    find<CustomComboBox1>(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
    click(radio(p, "clkout", "usb"));
    QCOMPARE(page->model->clkoutSource, code);
    QTemporaryDir dir;
    QVERIFY(generateInto(page.get(), dir.path()));
    QVERIFY2(readAll(dir.path() + "/src/main.c").contains(call), qPrintable(call));
}

// Each divider stores the value its item stands for; the ERTC divider only
// refreshes the ERTC, and a bypass only its OUT label.
void TestFlexibleSeriesEdit::dividerAndSwitchSlots()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    ClockTreeModel *m = page->model;
    combo(p, "usbswitch")->setCurrentIndex(0);
    combo(p, "pllfu")->setCurrentIndex(1);
    QCOMPARE(m->pllFu, 13);
    combo(p, "pllfu")->setCurrentIndex(2);
    QCOMPARE(m->pllFu, 12);

    combo(p, "rtcswitch")->setCurrentIndex(1);
    click(radio(p, "rtcsel", "hext"));
    const QString sclkBefore = edit(p, "sclk")->text();
    const QString usbBefore = find<QLabel>(p, "usb_Label")->text();
    combo(p, "rtcdiv")->setCurrentIndex(29);
    QCOMPARE(m->rtcHextDiv, 31);
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("258.065"));
    QCOMPARE(edit(p, "sclk")->text(), sclkBefore);
    QCOMPARE(find<QLabel>(p, "usb_Label")->text(), usbBefore);

    combo(p, "hextbypass")->setCurrentIndex(1);
    QVERIFY(m->hextBypass);
    QLabel *out = find<QLabel>(p, "hextbypassout_Label");
    QVERIFY(!out->isEnabled());
    QCOMPARE(out->styleSheet(), QStringLiteral("color: gray"));
    QCOMPARE(readout(p, "ertc")->text(), QStringLiteral("258.065"));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestFlexibleSeriesEdit::usbFromHickAndUsbDivider()
{
    std::unique_ptr<KytoMCUPLL> r610 = newPage("KytoR610PLL");
    combo(r610.get(), "usbswitch")->setCurrentIndex(0);
    const int ns = r610->model->pllNs, ms = r610->model->pllMs;
    click(radio(r610.get(), "hicktousb", "hick"));
    QLabel *usb = find<QLabel>(r610.get(), "usb_Label");
    QCOMPARE(usb->text(), QStringLiteral("48.000 MHz"));
    QCOMPARE(usb->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    QCOMPARE(r610->model->pllNs, ns);
    QCOMPARE(r610->model->pllMs, ms);

    // With SCLK off the PLL, a new USB divider re-tunes the PLL for 48 MHz.
    std::unique_ptr<KytoMCUPLL> r740 = newPage("KytoR740PLL");
    QWidget *p = r740.get();
    click(radio(p, "sclkselect", "hick"));
    combo(p, "usbswitch")->setCurrentIndex(0);
    combo(p, "usbdiv")->setCurrentIndex(1);
    QCOMPARE(r740->model->usbDiv, 3.0);
    QCOMPARE(r740->model->usbMhz, 48.0);
    QCOMPARE(r740->model->pllMhz, 144.0);
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

// USART "hick" is code 4 and I2C "hick" code 3; an ADC on the PLL keeps the
// PLL group in use with SCLK elsewhere.
void TestFlexibleSeriesEdit::kernelClockCodes()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoH740PLL");
    QWidget *p = page.get();
    ClockTreeModel *m = page->model;
    radio(p, "usart2clocksel", "hick")->setChecked(true);
    combo(p, "usart2switch")->setCurrentIndex(1);
    QVERIFY(m->usart2Enabled);
    QCOMPARE(m->usart2ClockSource, 4);
    QCOMPARE(readout(p, "usart2")->text(), QStringLiteral("8.000"));
    combo(p, "i2c1switch")->setCurrentIndex(1);
    click(radio(p, "i2c1clocksel", "hick"));
    QCOMPARE(m->i2c1ClockSource, 3);

    click(radio(p, "sclkselect", "hext"));
    QVERIFY(!edit(p, "pllms")->isEnabled());
    combo(p, "adcswitch")->setCurrentIndex(1);
    click(radio(p, "adcclocksel", "pllclk"));
    QCOMPARE(m->adcClockSource, 1);
    QVERIFY(edit(p, "pllms")->isEnabled());
    QCOMPARE(readout(p, "adc")->text(), QStringLiteral("300.000"));
}

void TestFlexibleSeriesEdit::sclkToHextWithBadHext()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR960PLL");
    QWidget *p = page.get();
    edit(p, "hext")->setText("30");
    click(radio(p, "sclkselect", "hext"));
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    // The click is taken back: the system clock stays on the PLL.
    QVERIFY(radio(p, "sclkselect", "pll")->isChecked());
    QCOMPARE(page->model->sclkSource, 1);
    QCOMPARE(page->model->hextMhz, 8.0);
}

// I2SF5 on PLLP takes the PLL into use: its typed factors are then checked.
void TestFlexibleSeriesEdit::i2sf5OnPllpNeedsThePll()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    click(radio(p, "sclkselect", "hick"));
    combo(p, "i2sf5switch")->setCurrentIndex(1);
    QVERIFY(edit(p, "pllns")->isEnabled());
    UserDialogs::answerNextBox(QMessageBox::Yes);
    typeAndReturn(edit(p, "pllns"), "50");
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Warning: ") + kNsQuestion});
    QCOMPARE(page->model->pllNs, 63);
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*63"));
}

// A HEXT that feeds nothing (USB off, the PLL idle) is not checked, even
// with the PLL reference on HEXT.
void TestFlexibleSeriesEdit::unusedHextIsNotChecked()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR640PLL");
    QWidget *p = page.get();
    click(radio(p, "sclkselect", "hick"));
    QVERIFY(!edit(p, "hext")->isEnabled());
    edit(p, "hext")->setText("3");
    combo(p, "ahbdiv")->setCurrentIndex(1);
    QCOMPARE(readout(p, "dma")->text(), QStringLiteral("4.000"));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    UserDialogs::answerNextBox(QMessageBox::Yes);   // the PHY question
    QTemporaryDir dir;
    QVERIFY(generateInto(page.get(), dir.path()));
}

// A choice whose factor question was cancelled is taken back whole: the
// combo shows the divider the model holds, and the typed factor stays
// pending, to be asked about once more before generation.
void TestFlexibleSeriesEdit::choiceWithACancelledFactorIsTakenBack()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    QWidget *p = page.get();
    const double sclkBefore = page->model->sclkMhz;
    const int fpBefore = combo(p, "pllfp")->currentIndex();
    edit(p, "pllns")->setText("*50");
    combo(p, "pllfp")->setCurrentIndex(1);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Warning: ") + kNsQuestion});
    QCOMPARE(combo(p, "pllfp")->currentIndex(), fpBefore);
    QCOMPARE(page->model->pllFp, 4);
    QCOMPARE(page->model->sclkMhz, sclkBefore);
    QCOMPARE(edit(p, "sclk")->text(), QString::number(sclkBefore, 'f', 3));
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*50"));
    UserDialogs::reset();
    page->model->interactiveGenerate = 1;
    QVERIFY(!opsOf(page.get()).generateCode(page.get()));
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Warning: ") + kNsQuestion});
    QCOMPARE(page->model->pllFp, 4);
}

void TestFlexibleSeriesEdit::generationAtDefaults_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("expected");
    QTest::newRow("R610") << "KytoR610PLL" << "kytor610_640" << "((uint32_t)8000000)";
    QTest::newRow("R640") << "KytoR640PLL" << "kytor610_640" << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 72, 1, CRM_PLL_FP_4);";
    QTest::newRow("R960") << "KytoR960PLL" << "kytor960" << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 108, 1, CRM_PLL_FP_4);";
    QTest::newRow("R740") << "KytoR740PLL" << "kytor740" << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 75, 1, CRM_PLL_FR_2);";
    QTest::newRow("H740") << "KytoH740PLL" << "kytoh740" << "crm_pll_config(CRM_PLL_SOURCE_HEXT, 75, 1, CRM_PLL_FR_2);";
}

void TestFlexibleSeriesEdit::generationAtDefaults()
{
    QFETCH(QString, cls);
    QFETCH(QString, stem);
    QFETCH(QString, expected);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    QTemporaryDir dir;
    QVERIFY(generateInto(page.get(), dir.path()));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    const UserDialogs::ShownBox box = UserDialogs::shownBoxes().first();
    QCOMPARE(box.title, QStringLiteral("Information"));
    QCOMPARE(box.text, QStringLiteral("Generate code finished!  Files:\n\nsrc/main.c\nsrc/%1_clock.c\ninc/%1_clock.h\n"
                                      "inc/%1_conf.h\n").arg(stem));
    QCOMPARE(box.buttons, (QStringList{" Open Folder  ", "OK"}));
    for (const QString &file : QStringList{"/src/main.c", "/src/" + stem + "_clock.c", "/inc/" + stem + "_clock.h",
                                           "/inc/" + stem + "_conf.h"})
        QVERIFY2(QFile::exists(dir.path() + file), qPrintable(file));
    QVERIFY2(generatedCode(dir.path(), stem).contains(expected), qPrintable(expected));
}

void TestFlexibleSeriesEdit::generationStops()
{
    // R640 with an 8 MHz crystal: the PHY question; Cancel writes nothing.
    {
        std::unique_ptr<KytoMCUPLL> page = newPage("KytoR640PLL");
        typeAndReturn(edit(page.get(), "hext"), "8");
        UserDialogs::reset();
        QTemporaryDir dir;
        page->model->interactiveGenerate = 1;
        QVERIFY(!opsOf(page.get()).generateCode(page.get()));
        QCOMPARE(boxTexts(), QStringList{"Warning: USBHS PHY clock must be 12MHz. But the PHY clock of current config "
                                         "is wrong.  please confirm whether to continue?"});
        QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Warning);
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
    }
    // SCLK above its limit: the system-clock edit shows it, and generation
    // stops there; saving stops at the limit itself.
    {
        UserDialogs::reset();
        std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
        combo(page.get(), "pllfp")->setCurrentIndex(1);
        QCOMPARE(page->model->pllMhz, 432.0);
        page->model->interactiveGenerate = 1;
        QVERIFY(!opsOf(page.get()).generateCode(page.get()));
        QCOMPARE(boxTexts(), QStringList{"Error: sclk input error!"});
        UserDialogs::reset();
        opsOf(page.get()).saveConfig(page.get(), "KytoR610");
        QCOMPARE(boxTexts(), QStringList{"Error: Can not support sclk greater than 216MHz"});
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
    }
    // The folder question cancelled: no box, nothing made.
    {
        UserDialogs::reset();
        std::unique_ptr<KytoMCUPLL> page = newPage("KytoR960PLL");
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(QString());
        QVERIFY(!opsOf(page.get()).generateCode(page.get()));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }
    // An overwrite question cancelled.
    {
        UserDialogs::reset();
        std::unique_ptr<KytoMCUPLL> page = newPage("KytoH740PLL");
        QTemporaryDir dir;
        QVERIFY(generateInto(page.get(), dir.path()));
        UserDialogs::reset();
        UserDialogs::answerNextFileDialog(dir.path());
        QVERIFY(!opsOf(page.get()).generateCode(page.get()));
        const UserDialogs::ShownBox failure = UserDialogs::shownBoxes().last();
        QCOMPARE(failure.text, QStringLiteral("Generate code failed!"));
        QCOMPARE(failure.buttons, QStringList{"OK"});
    }
}

// USB at 44.444 MHz: the question comes in preview too, and Cancel keeps the
// code view closed.
void TestFlexibleSeriesEdit::usbQuestionInPreview()
{
    KytoPLLConfig config;
    config.selectMcu(indexOfClass("KytoR610PLL"));
    QWidget *p = config.currentSeriesWidget();
    combo(p, "usbswitch")->setCurrentIndex(0);
    combo(p, "pllfp")->setCurrentIndex(2);
    edit(p, "pllms")->setText("/1");
    pressReturn(edit(p, "pllns"), "*100");
    QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("200.000"));
    QCOMPARE(find<QLabel>(p, "usb_Label")->text(), QStringLiteral("44.444 MHz"));
    UserDialogs::reset();
    QVERIFY(!config.generateCode(0));
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Warning: ") + kUsbQuestion});
}

void TestFlexibleSeriesEdit::previewAndCodeView_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("stem");
    QTest::newRow("R640") << "KytoR640PLL" << "kytor610_640";
    QTest::newRow("R960") << "KytoR960PLL" << "kytor960";
}

void TestFlexibleSeriesEdit::previewAndCodeView()
{
    QFETCH(QString, cls);
    QFETCH(QString, stem);
    KytoPLLConfig config;
    config.selectMcu(indexOfClass(cls));
    QVERIFY(config.generateCode(0));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QVERIFY(UserDialogs::fileQuestions().isEmpty());
    const QString folder = QCoreApplication::applicationDirPath() + "/Code_Sample";
    QVERIFY(QFile::exists(folder + "/src/" + stem + "_clock.c"));
    FormCodeView view;
    view.ShowCode(KytoPLLConfig::seriesName(indexOfClass(cls)), folder);
    QStringList tabs;
    for (QLabel *l : view.findChildren<QLabel *>()) {
        if (l->text().endsWith(".c") || l->text().endsWith(".h"))
            tabs << l->text();
    }
    tabs.sort();
    QCOMPARE(tabs, (QStringList{stem + "_clock.c", stem + "_clock.h", stem + "_conf.h", "main.c"}));
}

// A reset ends on the defaults, whatever the slots it runs re-tune on the way.
void TestFlexibleSeriesEdit::resetEndsOnTheDefaults()
{
    KytoPLLConfig config;
    config.selectMcu(indexOfClass("KytoR740PLL"));
    QWidget *p = config.currentSeriesWidget();
    combo(p, "usbswitch")->setCurrentIndex(0);
    click(radio(p, "hicktousb", "hick"));
    opsOf(config.currentSeriesWidget()).resetDefaults(config.currentSeriesWidget());
    QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("150.000"));
    QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*75"));
    QCOMPARE(combo(p, "pllfr")->currentText(), QStringLiteral("  /2"));
    QCOMPARE(combo(p, "usbdiv")->currentText(), QStringLiteral("  /6"));
    QCOMPARE(config.currentSeriesWidget()->model->usbDiv, 6.0);
    QVERIFY(radio(p, "hicktousb", "pll")->isChecked());
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

// A target that is a folder is not offered for replacement: the one box is
// the failure, naming what could not be written, and nothing is written.
void TestFlexibleSeriesEdit::targetThatIsAFolderIsNamed_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::newRow("English") << false << "Error" << "Generate code failed!\nCannot write %1" << "OK";
    QTest::newRow("Chinese") << true << QStringLiteral("错误") << QStringLiteral("代码生成失败！\n无法写入 %1")
                             << QStringLiteral("确定");
}

void TestFlexibleSeriesEdit::targetThatIsAFolderIsNamed()
{
    QFETCH(bool, chinese);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QTemporaryDir dir;
    const QString main = dir.filePath(QStringLiteral("src/main.c"));
    QVERIFY(QDir().mkpath(main));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/image/tr_zh.qm")));
    if (chinese)
        QCoreApplication::installTranslator(&translator);
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    page->model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(dir.path());
    const bool generated = opsOf(page.get()).generateCode(page.get());
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(!generated);
    const QList<UserDialogs::ShownBox> shown = UserDialogs::shownBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, title);
    QCOMPARE(shown[0].text, text.arg(QDir::toNativeSeparators(main)));
    QCOMPARE(shown[0].buttons, QStringList{button});
    QVERIFY(QFileInfo(main).isDir());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("src"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"main.c"});
    QCOMPARE(QDir(dir.filePath(QStringLiteral("inc"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestFlexibleSeriesEdit::boxInChinese()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&translator);
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoH740PLL");
    typeAndReturn(edit(page.get(), "hext"), "30");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("错误: hext 输入错误！")});
    QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{QStringLiteral("确定")});
}

void TestFlexibleSeriesEdit::realFactorQuestion()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR610PLL");
    UserDialogs::setTestMode(false);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->button(QMessageBox::Cancel)->click();
    });
    typeAndReturn(edit(page.get(), "pllms"), "5");
    UserDialogs::setTestMode(true);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(title, QStringLiteral("Warning"));
    QCOMPARE(text, QString::fromLatin1(kMsQuestion));
    QCOMPARE(buttons.size(), 2);
    QVERIFY(buttons.contains("Yes"));
    QVERIFY(buttons.contains("Cancel"));
    QCOMPARE(page->model->pllMs, 1);
}

QTEST_MAIN(TestFlexibleSeriesEdit)
#include "tst_flexibleseries_edit.moc"
