// Design files of the five multiplier-PLL pages: exact format, key lists,
// round trips, fall-backs for bad values and safe saving.
#include "series/multiplier/KytoH620APLL.h"
#include "series/multiplier/KytoR620APLL.h"
#include "series/multiplier/KytoR620PLL.h"
#include "series/multiplier/KytoR650PLL.h"
#include "series/multiplier/KytoR710PLL.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using PageSetup = std::function<void(KytoMultiplierPLL *)>;
Q_DECLARE_METATYPE(PageSetup)

using SeriesPages::combo;
using SeriesPages::radio;
using SeriesPages::boxTexts;

namespace {

void typeHext(QWidget *page, const QString &text)
{
    SeriesPages::typeAndReturn(page->findChild<QLineEdit *>("hext_LineEdit"), text);
}

QString seriesNameOf(const QString &cls)
{
    QString name = cls;
    name.chop(3);   // "PLL"
    return name;
}

void resetDialogs()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

// Every control's state as text lines. The hext edit shows the file's text
// cut to its 8 characters after a load, so its number is compared instead.
QStringList controlDump(QWidget *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 index %2 enabled %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 checked %2 enabled %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        // A new page shows the disabled RTC read-out as "40", an opened one as "0".
        if (e->objectName() == QLatin1String("rtc_ReadOut") && !e->isEnabled())
            continue;
        if (e->objectName() == QLatin1String("hext_LineEdit"))
            lines << QStringLiteral("hext value %1").arg(e->text().toDouble(), 0, 'f', 5);
        else
            lines << QStringLiteral("%1 '%2' enabled %3").arg(e->objectName(), e->text()).arg(e->isEnabled());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2' hidden %3").arg(l->objectName(), l->text()).arg(l->isHidden());
    }
    return lines;
}

QStringList modelDump(const ClockTreeModel &m)
{
    return QStringList{
        QStringLiteral("lext bypass %1 hext %2 bypass %3").arg(m.lextBypass).arg(m.hextMhz).arg(m.hextBypass),
        QStringLiteral("rtc %1 on %2").arg(m.rtcSource).arg(m.rtcEnabled),
        QStringLiteral("hextdiv %1 pllhextdiv %2 pllrcs %3 mult %4 mode %5")
            .arg(m.hextDiv).arg(m.pllHextDivEnabled).arg(m.pllSource).arg(m.pllMult).arg(m.pllFlexibleMode),
        QStringLiteral("sclk src %1 ahb %2 apb1 %3 apb2 %4").arg(m.sclkSource).arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div),
        QStringLiteral("usb div %1 off %2 hick %3 sclk48 %4").arg(m.usbDiv).arg(m.usbDisabled).arg(m.usbFromHick).arg(m.sclkHick48),
        QStringLiteral("clkout %1 div %2 pin %3 adc %4 div %5")
            .arg(m.clkoutSource).arg(m.clkoutDiv).arg(m.clkoutPin).arg(m.adcEnabled).arg(m.adcDiv),
        // The model keeps a stale PLL or USB clock while that branch is idle.
        QStringLiteral("derived pll %1 sclk %2 ahb %3 apb1 %4 apb2 %5 usb %6 adc %7")
            .arg(m.isPllUsed() ? m.pllMhz : -1).arg(m.sclkMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz)
            .arg(m.usbDisabled == 0 ? m.usbMhz : -1).arg(m.adcMhz),
    };
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool save(KytoMultiplierPLL *page, const QString &cls, const QString &path, int yesAnswers = 0)
{
    for (int i = 0; i < yesAnswers; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(path);
    page->saveConfig(seriesNameOf(cls));
    return boxTexts().contains(QStringLiteral("Information: Save file succeed!"));
}

QStringList generated(KytoMultiplierPLL *page, const QString &dir, int yesAnswers)
{
    page->model->interactiveGenerate = 1;
    for (int i = 0; i < yesAnswers; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(dir);
    UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
    if (!page->generateCode())
        return QStringList{QStringLiteral("generation failed: ") + boxTexts().join('|')};
    QStringList files;
    for (const QString &sub : {QStringLiteral("inc"), QStringLiteral("src")}) {
        QDir d(dir + "/" + sub);
        for (const QString &f : d.entryList(QDir::Files, QDir::Name))
            files << sub + "/" + f + "\n" + QString::fromUtf8(readAll(d.filePath(f)));
    }
    return files;
}

QString writeDesign(const QTemporaryDir &dir, const QString &name, const QString &body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(body.toUtf8());
    return path;
}

} // namespace

class TestMultiplierSeriesDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SeriesPages::silenceOffscreenSizeHints(); }
    void init() { resetDialogs(); }

    void r620DefaultFileBytes();
    void keyLists_data();
    void keyLists();
    void roundTrip_data();
    void roundTrip();
    void fallbacks();
    void pllInputBroughtInRangeOnceAfterLoading();
    void onlyMcu_data();
    void onlyMcu();
    void failedSaveKeepsOldFile();
    void limitErrorBlocksSave();
    void openThroughContainer();
};

void TestMultiplierSeriesDesignFile::r620DefaultFileBytes()
{
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    const QString path = dir.filePath("r620.ZKCF");
    QVERIFY(save(&page, "KytoR620PLL", path));
    QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Save"));
    QCOMPARE(UserDialogs::fileQuestions().first().directory, QStringLiteral("KytoR620_Clock"));
    QCOMPARE(UserDialogs::fileQuestions().first().filter, QStringLiteral("Config file (*.ZKCF)"));
    QCOMPARE(UserDialogs::shownBoxes().last().icon, QMessageBox::Information);
    QCOMPARE(UserDialogs::shownBoxes().last().buttons, QStringList{"Ok"});
    QCOMPARE(readAll(path), readAll(QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/KytoR620_default.ZKCF")));

    // Saving again replaces the content.
    QCOMPARE(page.findChild<QComboBox *>("usbdiv_ComboBox")->currentIndex(), 6);
    combo(&page, "ahbdiv")->setCurrentIndex(1);
    resetDialogs();
    QVERIFY(save(&page, "KytoR620PLL", path));
    QVERIFY(readAll(path).contains("<ahbdiv>2</ahbdiv>"));
    QVERIFY(readAll(path).endsWith("</Configuration>"));
}

void TestMultiplierSeriesDesignFile::keyLists_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("keys");
    const QStringList head{"MCU", "lextbypass", "rtcsel", "rtcswitch", "hext", "hextbypass"};
    const QStringList pll{"pllhextdiv", "pllrcs", "pllmult", "sclkselect", "ahbdiv", "apb1div", "apb2div", "usbdiv"};
    const QStringList tail{"clkoutpinselect", "adcswitch", "adcdiv"};
    const QStringList four = head + QStringList{"hextdiv"} + pll
                             + QStringList{"hicktousb", "tousbswitch", "hicktosclk", "clkout", "clkoutdiv"} + tail;
    QTest::newRow("R620") << "KytoR620PLL" << head + pll + QStringList{"tousbswitch", "clkout"} + tail;
    QTest::newRow("R620A") << "KytoR620APLL" << four;
    QTest::newRow("R650") << "KytoR650PLL" << four;
    QTest::newRow("H620A") << "KytoH620APLL" << four;
    QStringList r710 = four;
    r710.removeOne("hextdiv");
    QTest::newRow("R710") << "KytoR710PLL" << r710;
}

void TestMultiplierSeriesDesignFile::keyLists()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, keys);
    QTemporaryDir dir;
    std::unique_ptr<KytoMultiplierPLL> page(SeriesPages::create<KytoMultiplierPLL>(cls));
    const QString path = dir.filePath("design.ZKCF");
    QVERIFY2(save(page.get(), cls, path), qPrintable(boxTexts().join('\n')));

    QDomDocument doc;
    QVERIFY(doc.setContent(readAll(path)));
    QCOMPARE(doc.documentElement().tagName(), QStringLiteral("Configuration"));
    QStringList found;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        found << e.tagName();
    QCOMPARE(found, keys);
    QCOMPARE(found.size() - 1, cls == "KytoR620PLL" ? 18 : cls == "KytoR710PLL" ? 21 : 22);
    QCOMPARE(KytoMCUPLL::readConfigValue(path, "MCU"), seriesNameOf(cls));
}

void TestMultiplierSeriesDesignFile::roundTrip_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageSetup>("setup");
    QTest::addColumn<int>("questions");   // limit questions answered Yes on save and generate

    QTest::newRow("R620 HEXT 12, RTC on LEXT, ADC, clock-out, USB") << "KytoR620PLL" << PageSetup([](KytoMultiplierPLL *p) {
        typeHext(p, "12");
        combo(p, "pllmult")->setCurrentIndex(14);   // x16 = 192 MHz
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 1)->click();
        combo(p, "toadcswitch")->setCurrentIndex(1);
        combo(p, "toadcdiv")->setCurrentIndex(1);
        combo(p, "usbswitch")->setCurrentIndex(0);
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 3)->click();               // sclk
        combo(p, "lextbypass")->setCurrentIndex(1);
    }) << 0;
    QTest::newRow("R620A x30 with USB on at /4") << "KytoR620APLL" << PageSetup([](KytoMultiplierPLL *p) {
        combo(p, "usbswitch")->setCurrentIndex(0);    // re-tunes to x24
        combo(p, "pllmult")->setCurrentIndex(28);     // back to x30: USB 60 MHz
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 8)->click();
        combo(p, "clockoutdiv")->setCurrentIndex(2);
    }) << 1;
    // Opening re-tunes the PLL to x24 for the USB clock on the way, which
    // needs /2 on both APB buses; the file's /1 must come back.
    QTest::newRow("R620A x10, APB /1, USB on at /4") << "KytoR620APLL" << PageSetup([](KytoMultiplierPLL *p) {
        combo(p, "usbswitch")->setCurrentIndex(0);
        combo(p, "pllmult")->setCurrentIndex(8);      // x10 = 80 MHz, USB 20 MHz
        combo(p, "apb1div")->setCurrentIndex(0);
        combo(p, "apb2div")->setCurrentIndex(0);
    }) << 1;
    QTest::newRow("R650 HEXT 12, USB from HICK, clock-out LEXT") << "KytoR650PLL" << PageSetup([](KytoMultiplierPLL *p) {
        typeHext(p, "12");
        combo(p, "pllmult")->setCurrentIndex(18);     // x20 = 240 MHz
        combo(p, "usbswitch")->setCurrentIndex(0);
        radio(p, "hicktousb", 1)->click();
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 1)->click();
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 2)->click();
        combo(p, "toadcswitch")->setCurrentIndex(1);
        combo(p, "toadcdiv")->setCurrentIndex(2);
    }) << 0;
    QTest::newRow("H620A SCLK from HICK 48, pre-divider /3") << "KytoH620APLL" << PageSetup([](KytoMultiplierPLL *p) {
        combo(p, "pllmult")->setCurrentIndex(14);     // x16
        typeHext(p, "12");                            // 192 MHz
        radio(p, "pllhextdiv", 1)->click();
        combo(p, "hextdiv")->setCurrentIndex(1);
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 9)->click();               // pll/4 keeps the PLL in use
        radio(p, "sclkselect", 2)->click();
        radio(p, "hicktosclk", 1)->click();
        combo(p, "hextbypass")->setCurrentIndex(1);
    }) << 0;
    QTest::newRow("R710 PLL from HICK, RTC on HEXT, USB from HICK") << "KytoR710PLL" << PageSetup([](KytoMultiplierPLL *p) {
        radio(p, "pllrcs", 1)->click();
        combo(p, "ahbdiv")->setCurrentIndex(1);
        combo(p, "usbswitch")->setCurrentIndex(0);
        radio(p, "hicktousb", 1)->click();
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 2)->click();
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 3)->click();
    }) << 0;
    QTest::newRow("R620A SCLK from HEXT 20, ADC over its limit") << "KytoR620APLL" << PageSetup([](KytoMultiplierPLL *p) {
        radio(p, "sclkselect", 0)->click();
        typeHext(p, "20");
        combo(p, "apb2div")->setCurrentIndex(0);
        combo(p, "toadcswitch")->setCurrentIndex(1);   // 20 / 2 = 10 MHz
        combo(p, "lextbypass")->setCurrentIndex(1);
        combo(p, "clockoutPinSelect")->setCurrentIndex(1);
        radio(p, "clkout", 4)->click();                // hext
        combo(p, "clockoutdiv")->setCurrentIndex(8);   // /512
    }) << 0;
    // 8 / 3 MHz behind the pre-divider: the multiplier is fitted to the
    // input in whole kHz, but the page and the code must show what the chip
    // makes of the exact input, however often the fit runs.
    QTest::newRow("R620A pre-divider /3, SCLK 100 typed twice") << "KytoR620APLL" << PageSetup([](KytoMultiplierPLL *p) {
        radio(p, "pllhextdiv", 1)->click();
        combo(p, "hextdiv")->setCurrentIndex(1);
        for (int i = 0; i < 2; ++i)
            SeriesPages::typeAndReturn(p->findChild<QLineEdit *>("sclk_LineEdit"), "100");
    }) << 0;
    QTest::newRow("R650 HEXT 25 /3, SCLK to HICK and back to the PLL") << "KytoR650PLL" << PageSetup([](KytoMultiplierPLL *p) {
        // 25 MHz straight into the PLL is refused; the pre-divider then
        // takes the typed crystal over.
        typeHext(p, "25");
        resetDialogs();
        radio(p, "pllhextdiv", 1)->click();
        combo(p, "hextdiv")->setCurrentIndex(1);
        radio(p, "sclkselect", 2)->click();
        radio(p, "sclkselect", 1)->click();
    }) << 0;
}

void TestMultiplierSeriesDesignFile::roundTrip()
{
    QFETCH(QString, cls);
    QFETCH(PageSetup, setup);
    QFETCH(int, questions);

    QTemporaryDir dir;
    std::unique_ptr<KytoMultiplierPLL> original(SeriesPages::create<KytoMultiplierPLL>(cls));
    setup(original.get());
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));
    const QString path = dir.filePath("design.ZKCF");
    QVERIFY2(save(original.get(), cls, path, questions), qPrintable(boxTexts().join('\n')));

    resetDialogs();
    std::unique_ptr<KytoMultiplierPLL> loaded(SeriesPages::create<KytoMultiplierPLL>(cls));
    loaded->loadConfig(path);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));

    QCOMPARE(modelDump(*loaded->model), modelDump(*original->model));
    QCOMPARE(controlDump(loaded.get()), controlDump(original.get()));

    resetDialogs();
    const QStringList before = generated(original.get(), dir.filePath("before"), questions);
    const QStringList after = generated(loaded.get(), dir.filePath("after"), questions);
    QCOMPARE(before.size(), 4);
    QCOMPARE(after, before);
}

void TestMultiplierSeriesDesignFile::fallbacks()
{
    QTemporaryDir dir;
    const QString path = writeDesign(dir, "bad.ZKCF", QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n"
        "<MCU>KytoR620</MCU><hext>8</hext><pllmult>65</pllmult><pllrcs>2</pllrcs><sclkselect>1</sclkselect>"
        "<usbdiv>1.25</usbdiv><clkout>1</clkout><clkoutpinselect>5</clkoutpinselect><tousbswitch>7</tousbswitch>"
        "<ahbdiv>32</ahbdiv><adcdiv>5</adcdiv><Ahbdiv>2</Ahbdiv><hicktousb>1</hicktousb>\n</Configuration>"));
    KytoR620PLL page(nullptr);
    page.loadConfig(path);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('\n')));
    QCOMPARE(combo(&page, "pllmult")->currentIndex(), 0);
    QCOMPARE(page.model->pllMult, 2);
    QVERIFY(radio(&page, "pllrcs", 1)->isChecked());
    QCOMPARE(page.model->pllSource, 1);
    QCOMPARE(combo(&page, "usbdiv")->currentIndex(), 0);
    QCOMPARE(page.model->usbDiv, 1.0);
    QVERIFY(radio(&page, "clkout", 0)->isChecked());
    QCOMPARE(page.model->clkoutSource, 0);
    QCOMPARE(combo(&page, "ahbdiv")->currentIndex(), 0);
    QCOMPARE(page.model->ahbDiv, 1);
    QCOMPARE(page.model->adcDiv, 2);
    // Codes the page does not offer: no clock-out, USB off.
    QCOMPARE(combo(&page, "clockoutPinSelect")->currentIndex(), 0);
    QCOMPARE(page.model->clkoutPin, 0);
    QCOMPARE(combo(&page, "usbswitch")->currentIndex(), 1);
    QCOMPARE(page.model->usbDisabled, 1);
    // HICK/2 x 2 = 8 MHz.
    QCOMPARE(page.findChild<QLineEdit *>("sclk_LineEdit")->text(), QStringLiteral("8.000"));

    // The ten-source classes take 1 and 2 as LICK and LEXT; hicktousb only
    // counts an exact 1.
    const QString other = writeDesign(dir, "r620a.ZKCF", QStringLiteral(
        "<Configuration><MCU>KytoR620A</MCU><hext>8</hext><sclkselect>1</sclkselect><pllmult>30</pllmult>"
        "<clkout>2</clkout><clkoutpinselect>1</clkoutpinselect><hicktousb>2</hicktousb><hextdiv>6</hextdiv>"
        "<tousbswitch>1</tousbswitch></Configuration>"));
    KytoR620APLL r620a(nullptr);
    r620a.loadConfig(other);
    QVERIFY(radio(&r620a, "clkout", 2)->isChecked());
    QCOMPARE(r620a.model->clkoutSource, 2);
    QVERIFY(radio(&r620a, "hicktousb", 0)->isChecked());
    QCOMPARE(r620a.model->hextDiv, 2);
    QCOMPARE(r620a.model->pllMult, 30);

    // A clock-out whose source is off gives way to "no clk", in the model too.
    for (const char *keys : {"<tousbswitch>1</tousbswitch><clkout>6</clkout>", "<adcswitch>0</adcswitch><clkout>7</clkout>"}) {
        const QString stopped = writeDesign(dir, "stopped.ZKCF", QStringLiteral(
            "<Configuration><MCU>KytoR620</MCU><hext>8</hext><clkoutpinselect>1</clkoutpinselect>%1</Configuration>")
            .arg(QLatin1String(keys)));
        KytoR620PLL r620(nullptr);
        r620.loadConfig(stopped);
        QVERIFY2(radio(&r620, "clkout", 0)->isChecked(), keys);
        QCOMPARE(r620.model->clkoutSource, 0);
    }
}

void TestMultiplierSeriesDesignFile::pllInputBroughtInRangeOnceAfterLoading()
{
    QTemporaryDir dir;
    const QString path = writeDesign(dir, "hext20.ZKCF", QStringLiteral(
        "<Configuration><MCU>KytoR620</MCU><hext>20.000000</hext><pllmult>10</pllmult><sclkselect>1</sclkselect>"
        "<ahbdiv>2</ahbdiv><adcdiv>4</adcdiv><usbdiv>2.0</usbdiv><tousbswitch>1</tousbswitch></Configuration>"));
    KytoR620PLL page(nullptr);
    page.loadConfig(path);
    QCOMPARE(boxTexts(), QStringList{"Error: pll input clock source range 2-16MHz!"});
    // The crystal stays; the HEXT divider's /2 brings the PLL input to
    // 10 MHz, and the design's 200 MHz system clock is kept.
    QCOMPARE(page.findChild<QLineEdit *>("hext_LineEdit")->text(), QStringLiteral("20.000"));
    QCOMPARE(page.model->hextMhz, 20.0);
    QCOMPARE(page.model->pllHextDivEnabled, 1);
    QVERIFY(radio(&page, "pllhextdiv", 1)->isChecked());
    QCOMPARE(page.model->pllMult, 20);
    QCOMPARE(page.findChild<QLineEdit *>("sclk_LineEdit")->text(), QStringLiteral("200.000"));
}

void TestMultiplierSeriesDesignFile::onlyMcu_data()
{
    QTest::addColumn<QString>("content");
    QTest::newRow("only MCU") << "<?xml version=\"1.0\"?><Configuration><MCU>KytoR620</MCU></Configuration>";
    QTest::newRow("not XML") << "this is no design file";
    QTest::newRow("truncated") << "<?xml version=\"1.0\"?><Configuration><MCU>KytoR620</MCU><pllmult>24</pll";
}

void TestMultiplierSeriesDesignFile::onlyMcu()
{
    QFETCH(QString, content);
    QTemporaryDir dir;
    const QString path = writeDesign(dir, "design.ZKCF", content);
    KytoR620PLL page(nullptr);
    page.loadConfig(path);
    // Every key falls back: a new page's 8 MHz crystal, shown as the model
    // holds it, factor 2, SCLK from HEXT; the complete design passes its check.
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(page.findChild<QLineEdit *>("hext_LineEdit")->text(), QStringLiteral("8.000"));
    QCOMPARE(page.model->hextMhz, 8.0);
    QCOMPARE(page.model->sclkMhz, 8.0);
    QVERIFY(radio(&page, "sclkselect", 0)->isChecked());
    QCOMPARE(page.model->sclkSource, 0);
    QCOMPARE(combo(&page, "pllmult")->currentIndex(), 0);
    QCOMPARE(combo(&page, "toadcdiv")->currentIndex(), 0);
    QCOMPARE(page.model->usbDiv, 1.0);
    // A missing switch reads as 0: USB enabled.
    QCOMPARE(combo(&page, "usbswitch")->currentIndex(), 0);
    QCOMPARE(page.model->usbDisabled, 0);
}

void TestMultiplierSeriesDesignFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);

    // A folder that does not exist.
    QVERIFY(!save(&page, "KytoR620PLL", dir.filePath("missing/design.ZKCF")));
    QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
    QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Critical);

    // A target that cannot be replaced (a folder of that name) keeps what is there.
    const QString blocked = dir.filePath("blocked.ZKCF");
    QVERIFY(QDir().mkpath(blocked + "/keep"));
    resetDialogs();
    QVERIFY(!save(&page, "KytoR620PLL", blocked));
    QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
    QVERIFY(QFileInfo(blocked + "/keep").isDir());

    // A cancelled dialog writes nothing and says nothing.
    resetDialogs();
    UserDialogs::answerNextFileDialog(QString());
    page.saveConfig("KytoR620");
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

void TestMultiplierSeriesDesignFile::limitErrorBlocksSave()
{
    QTemporaryDir dir;
    KytoR620PLL page(nullptr);
    typeHext(&page, "16");   // 16 x 24 = 384 MHz
    resetDialogs();
    const QString path = dir.filePath("design.ZKCF");
    QVERIFY(!save(&page, "KytoR620PLL", path));
    QCOMPARE(boxTexts(), QStringList{"Error: Can not support sclk greater than 200MHz"});
    QVERIFY(UserDialogs::fileQuestions().isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestMultiplierSeriesDesignFile::openThroughContainer()
{
    QTemporaryDir dir;
    KytoPLLConfig config;
    config.selectMcu(7);
    auto *page = qobject_cast<KytoR620APLL *>(config.currentSeriesWidget());
    QVERIFY(page);
    combo(page, "ahbdiv")->setCurrentIndex(1);
    const QString path = dir.filePath("r620a.ZKCF");
    UserDialogs::answerNextFileDialog(path);
    config.saveConfigFile();
    QVERIFY(readAll(path).contains("<MCU>KytoR620A</MCU>"));

    // A lower-case series name is no series: the open page stays as it was.
    const QString foreign = writeDesign(dir, "lower.ZKCF", QStringLiteral(
        "<Configuration><MCU>kytor620</MCU><ahbdiv>4</ahbdiv></Configuration>"));
    resetDialogs();
    QString name;
    config.openConfigFile(foreign, name);
    QCOMPARE(boxTexts(), QStringList{"Warning: MCU in file not supported."});
    QCOMPARE(name, QString());
    QCOMPARE(config.currentSeriesWidget(), page);
    QCOMPARE(page->model->ahbDiv, 2);

    // Opening a design of another series replaces the page.
    std::unique_ptr<KytoMultiplierPLL> h620a(new KytoH620APLL(nullptr));
    combo(h620a.get(), "apb2div")->setCurrentIndex(2);
    const QString h620aPath = dir.filePath("h620a.ZKCF");
    resetDialogs();
    QVERIFY(save(h620a.get(), "KytoH620APLL", h620aPath));
    resetDialogs();
    config.openConfigFile(h620aPath, name);
    QCOMPARE(name, QStringLiteral("KytoH620A"));
    auto *opened = qobject_cast<KytoH620APLL *>(config.currentSeriesWidget());
    QVERIFY(opened);
    QCOMPARE(opened->model->apb2Div, 4);
    QCOMPARE(controlDump(opened), controlDump(h620a.get()));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
}

QTEST_MAIN(TestMultiplierSeriesDesignFile)
#include "tst_multiplier_designfile.moc"
