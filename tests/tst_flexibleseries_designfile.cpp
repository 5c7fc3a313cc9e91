// Design files of the flexible-PLL pages: the exact bytes, a save -> open
// round trip per class that restores every control, model input and the
// generated code, the read fall-backs, and a save that fails.
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
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

KytoPLLConfig::SeriesOperations opsOf(KytoMCUPLL *page)
{
    return KytoPLLConfig::registeredOperations(page->model->seriesIndex);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Saves through the page's own road, answering its questions with Yes.
void save(KytoMCUPLL *page, const QString &path, int yesAnswers = 0)
{
    for (int i = 0; i < yesAnswers; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(path);
    opsOf(page).saveConfig(page, KytoPLLConfig::seriesName(page->model->seriesIndex));
}

std::unique_ptr<KytoMCUPLL> open(const QString &cls, const QString &path)
{
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    UserDialogs::reset();
    opsOf(page.get()).loadConfig(page.get(), path);
    return page;
}

// Every control's state. The HEXT edit shows the file's six decimals after
// opening, so its text is left to the model's value; an ERTC that is off
// shows "0" once a design has been opened.
QStringList controlDump(QWidget *page)
{
    QStringList lines;
    for (CustomComboBox1 *c : page->findChildren<CustomComboBox1 *>())
        lines << QStringLiteral("%1 %2 enabled %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 enabled %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        if (e->objectName() == QLatin1String("ertc_ReadOut") && !e->isEnabled())
            continue;
        if (!e->objectName().isEmpty() && e->objectName() != QLatin1String("hext_LineEdit"))
            lines << QStringLiteral("%1 '%2' enabled %3").arg(e->objectName(), e->text()).arg(e->isEnabled());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2' hidden %3").arg(l->objectName(), l->text()).arg(l->isHidden());
    }
    return lines;
}

// The model's inputs; the output divider and USB divider of the other
// family are no input of a page and are left out.
QStringList modelInputs(const ClockTreeModel &m)
{
    const bool fr = m.seriesIndex == 18 || m.seriesIndex == 29;
    return QStringList{
        QStringLiteral("osc %1 %2 %3 rtc %4 %5 %6").arg(m.hextMhz).arg(m.hextBypass).arg(m.lextBypass)
            .arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv),
        QStringLiteral("divs %1 %2 pll %3 %4 %5 %6 %7").arg(m.hextDiv).arg(m.hickDiv).arg(m.pllSource)
            .arg(m.pllMs).arg(m.pllNs).arg(fr ? m.pllFr : m.pllFp).arg(fr ? m.usbDiv : m.pllFu),
        QStringLiteral("sclk %1 %2 buses %3 %4 %5").arg(m.sclkSource).arg(m.sclkHick48).arg(m.ahbDiv)
            .arg(m.apb1Div).arg(m.apb2Div),
        QStringLiteral("usb %1 %2 clkout %3 %4 %5 %6").arg(m.usbDisabled).arg(m.usbFromHick)
            .arg(m.clkoutSource).arg(m.clkoutDiv1).arg(m.clkoutDiv2).arg(m.clkoutPin),
        QStringLiteral("kernel %1 %2 %3 %4 %5 %6").arg(m.i2sf5Enabled).arg(m.i2sf5ClockSource)
            .arg(m.usart1Enabled).arg(m.usart1ClockSource).arg(m.usart2Enabled).arg(m.usart2ClockSource),
        QStringLiteral("kernel %1 %2 %3 %4 %5 %6").arg(m.usart3Enabled).arg(m.usart3ClockSource)
            .arg(m.i2c1Enabled).arg(m.i2c1ClockSource).arg(m.adcEnabled).arg(m.adcClockSource),
        QStringLiteral("derived sclk %1 usb %2").arg(m.sclkMhz).arg(m.usbMhz),
    };
}

// The four generated files, by name, with its limit questions answered Yes.
QMap<QString, QByteArray> generated(KytoMCUPLL *page, int yesAnswers)
{
    QTemporaryDir folder;
    page->model->interactiveGenerate = 1;
    for (int i = 0; i < yesAnswers; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(folder.path());
    UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
    QMap<QString, QByteArray> files;
    if (!opsOf(page).generateCode(page))
        return files;
    for (const QString &sub : {QStringLiteral("/inc"), QStringLiteral("/src")}) {
        for (const QFileInfo &info : QDir(folder.path() + sub).entryInfoList(QDir::Files))
            files.insert(sub + "/" + info.fileName(), readAll(info.filePath()));
    }
    return files;
}

// The text of a saved file with some keys changed; "key=" followed by
// nothing removes the key.
QByteArray withKeys(QByteArray file, const QString &changes)
{
    for (const QString &change : changes.split(';', Qt::SkipEmptyParts)) {
        const QString key = change.section('=', 0, 0);
        const QString value = change.section('=', 1);
        QRegularExpression element(QStringLiteral("\\n *<%1>[^<]*</%1>").arg(key));
        QString text = QString::fromUtf8(file);
        if (value == QLatin1String("<absent>"))
            text.replace(element, QString());
        else
            text.replace(element, QStringLiteral("\n    <%1>%2</%1>").arg(key, value));
        file = text.toUtf8();
    }
    return file;
}

enum Design { R610At200WithUsb, R640PllFromHick, R960FromHext, R740At100WithUsb, H740FromHick };

// Builds a design as a user would; returns the Yes answers its save needs.
int buildDesign(QWidget *p, Design design)
{
    auto pin = [p](int index) { find<CustomComboBox1>(p, "clockoutPinSelectComboBox")->setCurrentIndex(index); };
    switch (design) {
    case R610At200WithUsb:
        combo(p, "usbswitch")->setCurrentIndex(0);
        combo(p, "pllfp")->setCurrentIndex(2);
        edit(p, "pllms")->setText("/1");
        typeAndReturn(edit(p, "pllns"), "100");
        return 1;
    case R640PllFromHick:
        click(radio(p, "pllrcs", "hick"));
        combo(p, "i2sf5switch")->setCurrentIndex(1);
        click(radio(p, "i2sf5clocksel", "external"));
        pin(4);
        click(radio(p, "clkout", "pll"));
        combo(p, "clockoutdiv1")->setCurrentIndex(2);
        combo(p, "clockoutdiv2")->setCurrentIndex(2);
        return 0;
    case R960FromHext:
        click(radio(p, "sclkselect", "hext"));
        typeAndReturn(edit(p, "hext"), "12");
        combo(p, "hextdiv")->setCurrentIndex(1);
        combo(p, "rtcswitch")->setCurrentIndex(1);
        click(radio(p, "rtcsel", "hext"));
        combo(p, "rtcdiv")->setCurrentIndex(29);
        return 0;
    case R740At100WithUsb:
        combo(p, "usbswitch")->setCurrentIndex(0);
        typeAndReturn(edit(p, "sclk"), "100");
        combo(p, "usart1switch")->setCurrentIndex(1);
        click(radio(p, "usart1clocksel", "lext"));
        combo(p, "adcswitch")->setCurrentIndex(1);
        click(radio(p, "adcclocksel", "pllclk"));
        return 1;
    case H740FromHick:
        click(radio(p, "sclkselect", "hick"));
        click(radio(p, "hicktosclk", "48m"));
        combo(p, "hickdiv")->setCurrentIndex(1);
        combo(p, "usbswitch")->setCurrentIndex(0);
        click(radio(p, "hicktousb", "hick"));
        for (const char *node : {"usart2", "usart3", "i2c1"}) {
            combo(p, QString("%1switch").arg(node))->setCurrentIndex(1);
            click(radio(p, QString("%1clocksel").arg(node), "hick"));
        }
        combo(p, "lextbypass")->setCurrentIndex(1);
        return 0;
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Design)

class TestFlexibleSeriesDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaultFileBytes_data();
    void defaultFileBytes();
    void keysOfEveryClass_data();
    void keysOfEveryClass();
    void roundTrip_data();
    void roundTrip();
    void loadFallbacks_data();
    void loadFallbacks();
    void hextFromTheFile_data();
    void hextFromTheFile();
    void elementsFoundByName();
    void failedSaveKeepsTheFolder();
    void openThroughTheContainer_data();
    void openThroughTheContainer();

private:
    QTemporaryDir dir;
};

void TestFlexibleSeriesDesignFile::initTestCase()
{
    silenceOffscreenSizeHints();
    QVERIFY(dir.isValid());
}

void TestFlexibleSeriesDesignFile::init()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

void TestFlexibleSeriesDesignFile::defaultFileBytes_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("fixture");
    QTest::newRow("R610") << "KytoR610PLL" << "KytoR610_default.ZKCF";
    QTest::newRow("R740") << "KytoR740PLL" << "KytoR740_default.ZKCF";
}

void TestFlexibleSeriesDesignFile::defaultFileBytes()
{
    QFETCH(QString, cls);
    QFETCH(QString, fixture);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    const QString path = dir.filePath(fixture);
    save(page.get(), path);
    QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Save"));
    QCOMPARE(UserDialogs::fileQuestions().first().directory, QString());
    QCOMPARE(UserDialogs::fileQuestions().first().filter, QStringLiteral("Config file (*.ZKCF)"));
    QCOMPARE(UserDialogs::shownBoxes().last().text, QStringLiteral("Save file succeed!"));
    QCOMPARE(readAll(path), readAll(QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/") + fixture));
}

void TestFlexibleSeriesDesignFile::keysOfEveryClass_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("keys");
    QTest::newRow("R610") << "KytoR610PLL" << 26;
    QTest::newRow("R640") << "KytoR640PLL" << 26;
    QTest::newRow("R960") << "KytoR960PLL" << 26;
    QTest::newRow("R740") << "KytoR740PLL" << 34;
    QTest::newRow("H740") << "KytoH740PLL" << 34;
}

void TestFlexibleSeriesDesignFile::keysOfEveryClass()
{
    QFETCH(QString, cls);
    QFETCH(int, keys);
    std::unique_ptr<KytoMCUPLL> page = newPage(cls);
    const QString path = dir.filePath(cls + ".ZKCF");
    save(page.get(), path);
    const QString text = QString::fromUtf8(readAll(path));
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("\\n    <"))), keys + 1);
    QCOMPARE(KytoMCUPLL::readConfigValue(path, "MCU"), KytoPLLConfig::seriesName(indexOfClass(cls)));
}

void TestFlexibleSeriesDesignFile::roundTrip_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<Design>("design");
    QTest::newRow("R610 at 200 MHz, USB at 44.444 MHz") << "KytoR610PLL" << R610At200WithUsb;
    QTest::newRow("R640 PLL from HICK, I2SF5 external, clock-out") << "KytoR640PLL" << R640PllFromHick;
    QTest::newRow("R960 SCLK from HEXT 12, ERTC on HEXT") << "KytoR960PLL" << R960FromHext;
    QTest::newRow("R740 at 100 MHz, USB at 33.333 MHz") << "KytoR740PLL" << R740At100WithUsb;
    QTest::newRow("H740 from HICK 48, kernel clocks on HICK") << "KytoH740PLL" << H740FromHick;
}

// Opening a saved design shows it as it was saved, with no box, and
// generates the same code; saving it again writes the same bytes.
void TestFlexibleSeriesDesignFile::roundTrip()
{
    QFETCH(QString, cls);
    QFETCH(Design, design);
    std::unique_ptr<KytoMCUPLL> original = newPage(cls);
    const int yes = buildDesign(original.get(), design);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(SeriesPages::boxTexts().join('\n')));
    const QString path = dir.filePath(QString("%1_%2.ZKCF").arg(cls).arg(int(design)));
    save(original.get(), path, yes);
    QCOMPARE(UserDialogs::shownBoxes().last().text, QStringLiteral("Save file succeed!"));

    std::unique_ptr<KytoMCUPLL> loaded = open(cls, path);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(SeriesPages::boxTexts().join('\n')));
    QCOMPARE(controlDump(loaded.get()), controlDump(original.get()));
    QCOMPARE(modelInputs(*loaded->model), modelInputs(*original->model));
    const QMap<QString, QByteArray> before = generated(original.get(), yes);
    QVERIFY(!before.isEmpty());
    QCOMPARE(generated(loaded.get(), yes), before);

    UserDialogs::reset();
    const QString again = dir.filePath(QString("%1_%2_again.ZKCF").arg(cls).arg(int(design)));
    save(loaded.get(), again, yes);
    QCOMPARE(QString::fromUtf8(readAll(again)), QString::fromUtf8(readAll(path)));
}

void TestFlexibleSeriesDesignFile::loadFallbacks_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("control");   // object name
    QTest::addColumn<QString>("shown");     // combo index, radio "checked", or edit text
    QTest::addColumn<QString>("field");     // model field and value
    QTest::newRow("rtcdiv 40") << "KytoR610PLL" << "rtcdiv=40" << "rtcdiv_ComboBox" << "0" << "rtcHextDiv=2";
    QTest::newRow("pllms 0") << "KytoR610PLL" << "pllms=0" << "pllms_LineEdit" << "/1" << "pllMs=1";
    QTest::newRow("pllms 05") << "KytoR640PLL" << "pllms=05;pllns=300" << "pllms_LineEdit" << "/05" << "pllMs=5";
    QTest::newRow("pllns 600") << "KytoR610PLL" << "pllns=600;sclkselect=0" << "pllns_LineEdit" << "*31" << "pllNs=31";
    QTest::newRow("pllfu 12") << "KytoR610PLL" << "pllfu=12" << "pllfu_ComboBox" << "2" << "pllFu=12";
    QTest::newRow("pllfu 13") << "KytoR610PLL" << "pllfu=13" << "pllfu_ComboBox" << "1" << "pllFu=13";
    QTest::newRow("usbdiv 4.0") << "KytoR740PLL" << "usbdiv=4.0" << "usbdiv_ComboBox" << "2" << "usbDiv=4";
    QTest::newRow("usbdiv 4.5") << "KytoR740PLL" << "usbdiv=4.5" << "usbdiv_ComboBox" << "0" << "usbDiv=2";
    QTest::newRow("usbdiv 9.0") << "KytoR740PLL" << "usbdiv=9.0" << "usbdiv_ComboBox" << "0" << "usbDiv=2";
    QTest::newRow("clkout 0") << "KytoR610PLL" << "clkout=0" << "clkout_RadioButton_sclk" << "checked" << "clkoutSource=5";
    QTest::newRow("clkout 8") << "KytoR740PLL" << "clkout=8" << "clkout_RadioButton_sclk" << "checked" << "clkoutSource=5";
    QTest::newRow("sclkselect 7") << "KytoR960PLL" << "sclkselect=7" << "sclkselect_RadioButton_hext" << "checked"
                                  << "sclkSource=0";
    QTest::newRow("usart2clocksel 3") << "KytoR740PLL" << "usart2clocksel=3" << "usart2clocksel_RadioButton_lext"
                                      << "checked" << "usart2ClockSource=3";
    QTest::newRow("usart2clocksel 7") << "KytoR740PLL" << "usart2clocksel=7" << "usart2clocksel_RadioButton_pclk"
                                      << "checked" << "usart2ClockSource=0";
    QTest::newRow("usart1clocksel 2") << "KytoH740PLL" << "usart1clocksel=2" << "usart1clocksel_RadioButton_hick"
                                      << "checked" << "usart1ClockSource=2";
    QTest::newRow("i2sf5clocksel 5") << "KytoR640PLL" << "i2sf5clocksel=5" << "i2sf5clocksel_RadioButton_pllp"
                                     << "checked" << "i2sf5ClockSource=0";
    QTest::newRow("tousbswitch 2") << "KytoR610PLL" << "tousbswitch=2" << "usbswitch_ComboBox" << "1" << "usbDisabled=1";
    QTest::newRow("clkoutpinselect 7") << "KytoR740PLL" << "clkoutpinselect=7" << "clockoutPinSelectComboBox" << "0"
                                       << "clkoutPin=0";
    QTest::newRow("rtcswitch absent") << "KytoR610PLL" << "rtcswitch=<absent>" << "rtcswitch_ComboBox" << "0"
                                      << "rtcEnabled=0";
}

// A value the page does not offer opens as its fall-back; no control is
// ever left without an item.
void TestFlexibleSeriesDesignFile::loadFallbacks()
{
    QFETCH(QString, cls);
    QFETCH(QString, keys);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(QString, field);
    std::unique_ptr<KytoMCUPLL> source = newPage(cls);
    const QString base = dir.filePath(cls + "_base.ZKCF");
    save(source.get(), base);
    const QString path = dir.filePath(cls + "_changed.ZKCF");
    writeAll(path, withKeys(readAll(base), keys));
    std::unique_ptr<KytoMCUPLL> page = open(cls, path);
    // Only a typed factor that Open replaced is told, once.
    const QHash<QString, QStringList> told{{"pllms=0", {"Error: pll_ms input error!"}},
                                           {"pllns=600;sclkselect=0", {"Error: pll_ns input error!"}}};
    QCOMPARE(SeriesPages::boxTexts(), told.value(keys));

    QObject *c = page->findChild<QObject *>(control);
    QVERIFY2(c, qPrintable(control));
    if (auto *combo = qobject_cast<QComboBox *>(c))
        QCOMPARE(QString::number(combo->currentIndex()), shown);
    else if (auto *radio = qobject_cast<QRadioButton *>(c))
        QVERIFY(radio->isChecked());
    else
        QCOMPARE(qobject_cast<QLineEdit *>(c)->text(), shown);
    const ClockTreeModel &m = *page->model;
    const QHash<QString, double> fields{
        {"rtcHextDiv", m.rtcHextDiv}, {"pllMs", m.pllMs}, {"pllNs", m.pllNs}, {"pllFu", m.pllFu},
        {"usbDiv", m.usbDiv}, {"clkoutSource", m.clkoutSource}, {"sclkSource", m.sclkSource},
        {"usart2ClockSource", m.usart2ClockSource}, {"usart1ClockSource", m.usart1ClockSource},
        {"i2sf5ClockSource", m.i2sf5ClockSource}, {"usbDisabled", m.usbDisabled}, {"clkoutPin", m.clkoutPin},
        {"rtcEnabled", m.rtcEnabled}};
    QCOMPARE(fields.value(field.section('=', 0, 0), -1), field.section('=', 1).toDouble());
    if (control == QLatin1String("clockoutPinSelectComboBox")) {
        UserDialogs::reset();
        QTemporaryDir out;
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(out.path());
        UserDialogs::answerNextBoxWithText("OK");
        QVERIFY(opsOf(page.get()).generateCode(page.get()));
        QVERIFY(!readAll(out.path() + "/src/main.c").contains("mx_clkout_init();"));
    }
}

void TestFlexibleSeriesDesignFile::hextFromTheFile_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("hextValue");   // in the generated conf.h; empty: not generated
    // The fall-back factors cannot run the USB clock's PLL from 8 MHz.
    const QStringList nsQuestion{"Warning: pll_ns input error, is it adjusted automatically?\n\nThe following "
                                 "condition must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz"};
    const QStringList hextError{"Error: hext input error!"};
    QTest::newRow("12.000000 rounded to fit") << "KytoR640PLL" << "hext=12.000000" << "12.000" << QStringList() << "";
    QTest::newRow("12.3456789 rounded to fit") << "KytoR640PLL" << "hext=12.3456789" << "12.34568" << QStringList()
                                               << "";
    QTest::newRow("absent, HEXT in use") << "KytoR610PLL" << "hext=<absent>" << "8.000000" << QStringList() << "";
    QTest::newRow("abc, HEXT in use") << "KytoR740PLL" << "hext=abc" << "8.000000" << hextError << "";
    QTest::newRow("30, HEXT unused") << "KytoR610PLL" << "hext=30;sclkselect=2;pllrcs=1" << "8.000000" << hextError
                                     << "((uint32_t)8000000)";
    QTest::newRow("R640 30, HEXT unused") << "KytoR640PLL" << "hext=30;sclkselect=2;pllrcs=1" << "12.000" << hextError
                                          << "((uint32_t)12000000)";
    QTest::newRow("only MCU") << "KytoR960PLL" << "*" << "8.000000" << nsQuestion << "";
}

// The model takes a crystal from the file only when it is one (4..25 MHz),
// else the page's own, and the edit shows what the model holds, whole.
void TestFlexibleSeriesDesignFile::hextFromTheFile()
{
    QFETCH(QString, cls);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QStringList, boxes);
    QFETCH(QString, hextValue);
    std::unique_ptr<KytoMCUPLL> source = newPage(cls);
    const QString base = dir.filePath(cls + "_hextbase.ZKCF");
    save(source.get(), base);
    const QString path = dir.filePath(cls + "_hext.ZKCF");
    if (keys == QLatin1String("*"))
        writeAll(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n    <MCU>"
                           + KytoPLLConfig::seriesName(indexOfClass(cls)).toUtf8() + "</MCU>\n</Configuration>");
    else
        writeAll(path, withKeys(readAll(base), keys));
    std::unique_ptr<KytoMCUPLL> page = open(cls, path);
    QCOMPARE(edit(page.get(), "hext")->text(), shown);
    QVERIFY2(SeriesPages::boxTexts() == boxes, qPrintable(SeriesPages::boxTexts().join(" | ")));
    QCOMPARE(page->model->hextMhz, shown.toDouble());
    if (hextValue.isEmpty())
        return;
    UserDialogs::reset();
    QTemporaryDir out;
    page->model->interactiveGenerate = 1;
    if (cls == QLatin1String("KytoR640PLL"))
        UserDialogs::answerNextBox(QMessageBox::Yes);   // the PHY question
    UserDialogs::answerNextFileDialog(out.path());
    UserDialogs::answerNextBoxWithText("OK");
    QVERIFY(opsOf(page.get()).generateCode(page.get()));
    const QString conf = QString::fromUtf8(readAll(out.path() + "/inc/kytor610_640_conf.h"));
    QVERIFY2(conf.contains(hextValue), qPrintable(hextValue));
}

// Keys are found by name among the root's children, in any order; one level
// deeper is not found.
void TestFlexibleSeriesDesignFile::elementsFoundByName()
{
    std::unique_ptr<KytoMCUPLL> original = newPage("KytoH740PLL");
    buildDesign(original.get(), H740FromHick);
    const QString path = dir.filePath("ordered.ZKCF");
    save(original.get(), path);
    QStringList lines = QString::fromUtf8(readAll(path)).split('\n');
    QStringList keys = lines.mid(3, lines.size() - 4);
    std::reverse(keys.begin(), keys.end());
    keys.insert(5, QStringLiteral("    <colour>blue</colour>"));
    const QString reordered = dir.filePath("reordered.ZKCF");
    writeAll(reordered, (lines.mid(0, 3) + keys + lines.mid(lines.size() - 1)).join('\n').toUtf8());
    std::unique_ptr<KytoMCUPLL> a = open("KytoH740PLL", path);
    std::unique_ptr<KytoMCUPLL> b = open("KytoH740PLL", reordered);
    QCOMPARE(controlDump(b.get()), controlDump(a.get()));
    QCOMPARE(modelInputs(*b->model), modelInputs(*a->model));

    QString nested = QString::fromUtf8(readAll(path));
    nested.replace(QStringLiteral("<hickdiv>2</hickdiv>"), QStringLiteral("<group><hickdiv>2</hickdiv></group>"));
    const QString deeper = dir.filePath("deeper.ZKCF");
    writeAll(deeper, nested.toUtf8());
    std::unique_ptr<KytoMCUPLL> c = open("KytoH740PLL", deeper);
    QCOMPARE(c->model->hickDiv, 1);
    QCOMPARE(combo(c.get(), "hickdiv")->currentIndex(), 0);
}

void TestFlexibleSeriesDesignFile::failedSaveKeepsTheFolder()
{
    std::unique_ptr<KytoMCUPLL> page = newPage("KytoR960PLL");
    const QString folder = dir.filePath("a folder.ZKCF");
    QVERIFY(QDir().mkpath(folder));
    for (const QString &path : {dir.filePath("missing/x.ZKCF"), folder}) {
        UserDialogs::reset();
        save(page.get(), path);
        const UserDialogs::ShownBox box = UserDialogs::shownBoxes().last();
        QCOMPARE(box.title + ": " + box.text, QStringLiteral("Error: Save file failed!"));
        QCOMPARE(box.buttons, QStringList{"Ok"});
    }
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
}

void TestFlexibleSeriesDesignFile::openThroughTheContainer_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<Design>("design");
    QTest::newRow("R640") << "KytoR640PLL" << R640PllFromHick;
    QTest::newRow("H740") << "KytoH740PLL" << H740FromHick;
}

void TestFlexibleSeriesDesignFile::openThroughTheContainer()
{
    QFETCH(QString, cls);
    QFETCH(Design, design);
    std::unique_ptr<KytoMCUPLL> original = newPage(cls);
    const int yes = buildDesign(original.get(), design);
    const QString path = dir.filePath(cls + "_container.ZKCF");
    save(original.get(), path, yes);
    UserDialogs::reset();
    KytoPLLConfig config;
    QString name;
    config.openConfigFile(path, name);
    QCOMPARE(name, KytoPLLConfig::seriesName(indexOfClass(cls)));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QCOMPARE(controlDump(config.currentSeriesWidget()), controlDump(original.get()));
}

QTEST_MAIN(TestFlexibleSeriesDesignFile)
#include "tst_flexibleseries_designfile.moc"
