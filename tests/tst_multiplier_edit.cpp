// Editing a multiplier-PLL page: typed values and their checks, the USB
// branch, and code generation with its limit questions.
#include "series/multiplier/KytoH620APLL.h"
#include "series/multiplier/KytoR620APLL.h"
#include "series/multiplier/KytoR620PLL.h"
#include "series/multiplier/KytoR650PLL.h"
#include "series/multiplier/KytoR710PLL.h"
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FormCodeView.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>


using SeriesPages::combo;
using SeriesPages::radio;
using SeriesPages::boxTexts;
using SeriesPages::typeAndReturn;

namespace {

QLineEdit *edit(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(name) + "_LineEdit");
}

QString readout(QWidget *page, const char *name)
{
    QLineEdit *e = page->findChild<QLineEdit *>(QString::fromLatin1(name) + "_ReadOut");
    return e ? e->text() : QStringLiteral("<missing>");
}

QString label(QWidget *page, const char *name)
{
    QLabel *l = page->findChild<QLabel *>(QString::fromLatin1(name) + "_Label");
    return l ? l->text() : QStringLiteral("<missing>");
}

QString readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

using PageSteps = std::function<void(QWidget *page)>;
Q_DECLARE_METATYPE(PageSteps)

class TestMultiplierSeriesEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SeriesPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void sclkTyped_data();
    void sclkTyped();
    void hextTyped_data();
    void hextTyped();
    void pllInputOutOfRangeIsTakenBack();
    void usbOnR620();
    void usbOnR620ARetunes();
    void pllFactorTakenBackWithBadHext();
    void greyedHextNeverBlocks_data();
    void greyedHextNeverBlocks();
    void generateR620Defaults();
    void generateR620AClockOut();
    void limitErrorsStopGeneration();
    void codeViewOfR650();
    void boxesInChinese();
    void realErrorBox();
};

void TestMultiplierSeriesEdit::sclkTyped_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("sclk");
    QTest::addColumn<int>("pllMult");

    QTest::newRow("R620 150") << "KytoR620PLL" << "150" << true << "152.000" << 19;
    QTest::newRow("R620 200") << "KytoR620PLL" << "200" << true << "200.000" << 25;
    QTest::newRow("R620 201") << "KytoR620PLL" << "201" << false << "192.000" << 24;
    QTest::newRow("R620 3.9") << "KytoR620PLL" << "3.9" << false << "192.000" << 24;
    QTest::newRow("R620A 240") << "KytoR620APLL" << "240" << true << "240.000" << 30;
    // 100 / 8 = 12.5 rounds up to 13.
    QTest::newRow("R620A 100") << "KytoR620APLL" << "100" << true << "104.000" << 13;
    QTest::newRow("R620A 240.5") << "KytoR620APLL" << "240.5" << false << "240.000" << 30;
    QTest::newRow("H620A 201") << "KytoH620APLL" << "201" << false << "200.000" << 25;
    QTest::newRow("R710 201") << "KytoR710PLL" << "201" << false << "200.000" << 25;
}

void TestMultiplierSeriesEdit::sclkTyped()
{
    QFETCH(QString, cls);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, sclk);
    QFETCH(int, pllMult);

    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QLineEdit *sclkEdit = edit(page.get(), "sclk");
    sclkEdit->clear();
    QTest::keyClicks(sclkEdit, typed);
    QTest::keyClick(sclkEdit, Qt::Key_Return);

    if (accepted) {
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QCOMPARE(sclkEdit->text(), sclk);
        QCOMPARE(readout(page.get(), "i2s"), sclk);
    } else {
        QCOMPARE(boxTexts(), QStringList{"Error: sclk input error!"});
        QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Critical);
        QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{"Ok"});
        QCOMPARE(sclkEdit->text(), typed);   // the rejected text stays
        QCOMPARE(readout(page.get(), "i2s"), sclk);
    }
    QCOMPARE(combo(page.get(), "pllmult")->currentText(), QStringLiteral("  * %1").arg(pllMult));
    QCOMPARE(page->model->pllMult, pllMult);
}

void TestMultiplierSeriesEdit::hextTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("4") << "4" << true;
    QTest::newRow("12.5") << "12.5" << true;
    QTest::newRow("3.999") << "3.999" << false;
    QTest::newRow("25.001") << "25.001" << false;
    QTest::newRow("30") << "30" << false;
}

void TestMultiplierSeriesEdit::hextTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    KytoR620PLL page(nullptr);
    QLineEdit *hext = edit(&page, "hext");
    hext->clear();
    QTest::keyClicks(hext, typed);
    // Pending until Return: yellow background, red text when out of range.
    QVERIFY(hext->styleSheet().contains("rgb(255, 255, 225)"));
    QCOMPARE(hext->palette().color(QPalette::Text), accepted ? QColor(Qt::black) : QColor(Qt::red));
    QCOMPARE(page.model->hextMhz, 8.0);
    QTest::keyClick(hext, Qt::Key_Return);
    if (accepted) {
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));
        QCOMPARE(page.model->hextMhz, typed.toDouble());
        QCOMPARE(edit(&page, "sclk")->text(), QString::number(typed.toDouble() * 24, 'f', 3));
        QVERIFY(hext->styleSheet().contains("rgb(152, 251, 152)"));
    } else {
        QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
        QCOMPARE(page.model->hextMhz, 8.0);
        QCOMPARE(edit(&page, "sclk")->text(), QStringLiteral("192.000"));
    }
}

// A PLL input outside 2-16 MHz is refused, and the crystal typed is never
// replaced by another number: the click is taken back.
void TestMultiplierSeriesEdit::pllInputOutOfRangeIsTakenBack()
{
    KytoR620PLL page(nullptr);
    typeAndReturn(edit(&page, "hext"), "20");
    QCOMPARE(boxTexts(), QStringList{"Error: pll input clock source range 2-16MHz!"});
    QCOMPARE(edit(&page, "hext")->text(), QStringLiteral("20"));
    QVERIFY(edit(&page, "hext")->styleSheet().contains("rgb(255, 255, 225)"));
    QCOMPARE(page.model->hextMhz, 8.0);
    QCOMPARE(edit(&page, "sclk")->text(), QStringLiteral("192.000"));
    QCOMPARE(edit(&page, "sclk")->palette().color(QPalette::Text), QColor(Qt::darkGreen));

    // Below 2 MHz behind the pre-divider: the divider goes back.
    KytoR620APLL r620a(nullptr);
    typeAndReturn(edit(&r620a, "hext"), "5");
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
    radio(&r620a, "pllhextdiv", 1)->click();
    QCOMPARE(r620a.model->pllInputFrequency(), 2.5);
    combo(&r620a, "hextdiv")->setCurrentIndex(1);
    QCOMPARE(boxTexts(), QStringList{"Error: pll input clock source range 2-16MHz!"});
    QCOMPARE(combo(&r620a, "hextdiv")->currentIndex(), 0);
    QCOMPARE(edit(&r620a, "hext")->text(), QStringLiteral("5"));
    QCOMPARE(r620a.model->pllInputFrequency(), 2.5);
}

void TestMultiplierSeriesEdit::usbOnR620()
{
    KytoR620PLL page(nullptr);
    combo(&page, "usbswitch")->setCurrentIndex(0);
    QLabel *usb = page.findChild<QLabel *>("usbFreq_Label");
    QCOMPARE(usb->text(), QStringLiteral("48.000 MHz"));
    QCOMPARE(usb->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    combo(&page, "usbdiv")->setCurrentIndex(4);   // /3 of 192 MHz
    QCOMPARE(usb->text(), QStringLiteral("64.000 MHz"));
    QCOMPARE(usb->palette().color(QPalette::WindowText), QColor(Qt::red));

    QTemporaryDir dir;
    page.model->interactiveGenerate = 1;
    UserDialogs::answerNextBox(QMessageBox::Cancel);
    QVERIFY(!page.generateCode());
    QCOMPARE(boxTexts(), QStringList{"Warning: USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?"});
    QStringList buttons = UserDialogs::shownBoxes().first().buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Cancel", "Yes"}));
    QVERIFY(UserDialogs::fileQuestions().isEmpty());
}

void TestMultiplierSeriesEdit::usbOnR620ARetunes()
{
    KytoR620APLL page(nullptr);
    combo(&page, "usbswitch")->setCurrentIndex(0);
    // USB from the PLL at /4 needs 192 MHz: the multiplier follows.
    QCOMPARE(combo(&page, "pllmult")->currentText(), QStringLiteral("  * 24"));
    QCOMPARE(edit(&page, "sclk")->text(), QStringLiteral("192.000"));
    QCOMPARE(label(&page, "usbFreq"), QStringLiteral("48.000 MHz"));

    // SCLK comes from the PLL, so a new USB divider leaves the factor alone.
    combo(&page, "usbdiv")->setCurrentIndex(0);
    QCOMPARE(page.model->pllMult, 24);
    QCOMPARE(label(&page, "usbFreq"), QStringLiteral("192.000 MHz"));
    // With SCLK from HICK the PLL is tuned for the USB clock alone.
    radio(&page, "sclkselect", 2)->click();
    combo(&page, "usbdiv")->setCurrentIndex(2);
    QCOMPARE(page.model->pllMult, 12);
    QCOMPARE(label(&page, "usbFreq"), QStringLiteral("48.000 MHz"));
    radio(&page, "hicktousb", 1)->click();
    QCOMPARE(label(&page, "usbFreq"), QStringLiteral("48.000 MHz"));
    QVERIFY(!combo(&page, "usbdiv")->isEnabled());
    QCOMPARE(page.model->usbFromHick, 1);
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestMultiplierSeriesEdit::pllFactorTakenBackWithBadHext()
{
    KytoR620PLL page(nullptr);
    QLineEdit *hext = edit(&page, "hext");
    hext->clear();
    QTest::keyClicks(hext, "30");
    combo(&page, "pllmult")->setCurrentIndex(10);
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    // The combo goes back with the model, and the HEXT typed stays typed.
    QCOMPARE(combo(&page, "pllmult")->currentIndex(), 22);
    QCOMPARE(page.model->pllMult, 24);
    QCOMPARE(page.model->hextMhz, 8.0);
    QCOMPARE(hext->text(), QStringLiteral("30"));
}

void TestMultiplierSeriesEdit::greyedHextNeverBlocks_data()
{
    QTest::addColumn<QString>("cls");
    for (const char *cls : {"KytoR620PLL", "KytoR620APLL", "KytoR650PLL", "KytoH620APLL", "KytoR710PLL"})
        QTest::newRow(cls) << QString::fromLatin1(cls);
}

void TestMultiplierSeriesEdit::greyedHextNeverBlocks()
{
    QFETCH(QString, cls);
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    QWidget *p = page.get();
    QLineEdit *hext = edit(p, "hext");
    hext->clear();
    QTest::keyClicks(hext, "30");
    radio(p, "sclkselect", 2)->click();
    QVERIFY(!hext->isEnabled());
    combo(p, "ahbdiv")->setCurrentIndex(1);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));
    QCOMPARE(readout(p, "dma"), QStringLiteral("4.000"));
}

void TestMultiplierSeriesEdit::generateR620Defaults()
{
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    page.model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(dir.path());
    UserDialogs::answerNextBoxWithText("OK");
    QVERIFY(page.generateCode());

    QCOMPARE(UserDialogs::fileQuestions().size(), 1);
    QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Select directory"));
    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QStringLiteral("Information"));
    QCOMPARE(boxes.first().text, QStringLiteral("Generate code finished!  Files:\n\nsrc/main.c\nsrc/kytor620_clock.c\n"
                                                "inc/kytor620_clock.h\ninc/kytor620_conf.h\n"));
    QCOMPARE(boxes.first().buttons, (QStringList{" Open Folder  ", "OK"}));
    for (const char *f : {"src/main.c", "src/kytor620_clock.c", "inc/kytor620_clock.h", "inc/kytor620_conf.h"})
        QVERIFY2(QFile::exists(dir.filePath(f)), f);
    const QString clock = readFile(dir.filePath("src/kytor620_clock.c"));
    QVERIFY(clock.contains("CRM_PLL_MULT_24"));
    // The ">= 168" branch: the AHB clock is raised in steps.
    QVERIFY(clock.contains("crm_ahb_div_set(CRM_AHB_DIV_8);"));
    QVERIFY(!clock.contains("[#sysclock"));
    for (const char *line : {"  *         system clock (sclk)   = hext * pll_mult\r\n",
                             "  *         - sclk                = 192000000\r\n",
                             "  *         - apb1div             = 2\r\n",
                             "  *         - apb1clk             = 96000000\r\n",
                             "  *         - pll_mult            = 24\r\n"})
        QVERIFY2(clock.contains(QLatin1String(line)), line);
    QVERIFY(clock.contains("\r\n"));
}

void TestMultiplierSeriesEdit::generateR620AClockOut()
{
    QTemporaryDir dir;
    KytoR620APLL page(nullptr);
    radio(&page, "pllhextdiv", 1)->click();
    combo(&page, "clockoutPinSelect")->setCurrentIndex(1);
    radio(&page, "clkout", 8)->click();            // pll/2
    combo(&page, "clockoutdiv")->setCurrentIndex(2); // /4
    QCOMPARE(page.model->hextDiv, 2);
    QCOMPARE(page.model->clkoutSource, 8);
    QCOMPARE(page.model->clkoutDiv, 4);

    page.model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(dir.path());
    UserDialogs::answerNextBoxWithText("OK");
    QVERIFY2(page.generateCode(), qPrintable(boxTexts().join('\n')));
    const QString clock = readFile(dir.filePath("src/kytor620a_650_clock.c")) + readFile(dir.filePath("src/main.c"));
    for (const char *expected : {"CRM_PLL_SOURCE_HEXT_DIV", "crm_hext_clock_div_set(CRM_HEXT_DIV_2)",
                                 "CRM_CLKOUT_PLL_DIV_2", "CRM_CLKOUT_DIV_4"})
        QVERIFY2(clock.contains(QLatin1String(expected)), expected);
}

void TestMultiplierSeriesEdit::limitErrorsStopGeneration()
{
    // HEXT 16 x 24 = 384 MHz: the SCLK limit error, with the limit as a whole number.
    KytoR620PLL page(nullptr);
    typeAndReturn(edit(&page, "hext"), "16");
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
    page.model->interactiveGenerate = 0;
    QVERIFY(!page.generateCode());
    QCOMPARE(boxTexts(), QStringList{"Error: sclk input error!"});

    // With the edit in range, the model's limit is what counts.
    combo(&page, "pllmult")->setCurrentIndex(10);   // 16 x 12 = 192
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
    page.model->sclkMhz = 200.0004;
    edit(&page, "sclk")->setText(QStringLiteral("200.000"));   // nothing pending
    QVERIFY(!page.generateCode());
    QCOMPARE(boxTexts(), QStringList{"Error: Can not support sclk greater than 200MHz"});

    // A sub-folder that cannot be made.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("src"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
    UserDialogs::answerNextFileDialog(dir.path());
    KytoR620PLL fresh(nullptr);
    fresh.model->interactiveGenerate = 1;
    QVERIFY(!fresh.generateCode());
    QCOMPARE(boxTexts(), QStringList{"Error: Creating \"src\" folder error!"});
    QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(dir.filePath("inc/kytor620_clock.h")));

    // The folder dialog cancelled: nothing is said.
    KytoR650PLL r650(nullptr);
    r650.model->interactiveGenerate = 1;
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
    QVERIFY(!r650.generateCode());
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QCOMPARE(UserDialogs::fileQuestions().size(), 1);
}

void TestMultiplierSeriesEdit::codeViewOfR650()
{
    KytoPLLConfig config;
    config.selectMcu(8);
    QVERIFY(config.generateCode(0));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QVERIFY(UserDialogs::fileQuestions().isEmpty());
    const QString folder = QCoreApplication::applicationDirPath() + "/Code_Sample";
    QVERIFY(QFile::exists(folder + "/src/kytor620a_650_clock.c"));

    FormCodeView view;
    view.ShowCode(QStringLiteral("KytoR650"), folder);
    QStringList tabs;
    for (QLabel *l : view.findChildren<QLabel *>()) {
        if (l->text().endsWith(".c") || l->text().endsWith(".h"))
            tabs << l->text();
    }
    tabs.sort();
    QCOMPARE(tabs, (QStringList{"kytor620a_650_clock.c", "kytor620a_650_clock.h", "kytor620a_650_conf.h", "main.c"}));
    QDir(folder).removeRecursively();
}

void TestMultiplierSeriesEdit::boxesInChinese()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&translator);
    for (const QString &cls : {QStringLiteral("KytoR620PLL"), QStringLiteral("KytoR710PLL")}) {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
        typeAndReturn(edit(page.get(), "sclk"), "300");
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("错误: sclk 输入错误！")});
        QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{QStringLiteral("确定")});
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestMultiplierSeriesEdit::realErrorBox()
{
    UserDialogs::setTestMode(false);
    KytoR620PLL page(nullptr);
    QString title, text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->button(QMessageBox::Ok)->click();
    });
    typeAndReturn(edit(&page, "hext"), "30");
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("hext input error!"));
    QCOMPARE(buttons, QStringList{"Ok"});
}

QTEST_MAIN(TestMultiplierSeriesEdit)
#include "tst_multiplier_edit.moc"
