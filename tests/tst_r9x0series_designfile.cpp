// Design files of the R910, R920 and R930 pages: the exact default file,
// save -> open round trips, fall-backs for values a control does not offer,
// and a failed save.
#include "R9x0Pages.h"
#include "SeriesPages.h"
#include "series/highperf/KytoR9x0PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

// A step on a page: setting up a design, or checking what a page shows.
using PageStep = std::function<void(KytoR9x0PLL *)>;
Q_DECLARE_METATYPE(PageStep)

using SeriesPages::boxTexts;
using SeriesPages::combo;
using SeriesPages::radio;
using SeriesPages::typeAndReturn;
using R9x0Pages::edit;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeDesign(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(body);
    return path;
}

// The default design of the R910 page with the series name of the class.
QByteArray defaultDesign(const QString &className)
{
    QByteArray bytes = readAll(QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/r9x0_default.ZKCF"));
    bytes.replace("KytoR910", R9x0Pages::seriesName(className).toLatin1());
    return bytes;
}

// The default design with keys set to other values ("key=value", several
// separated by ";"); a key without "=" is removed.
QByteArray designWith(const QString &changes)
{
    QString text = QString::fromUtf8(defaultDesign(QStringLiteral("KytoR910PLL")));
    for (const QString &change : changes.split(QLatin1Char(';'))) {
        const QString key = change.section(QLatin1Char('='), 0, 0);
        const QRegularExpression element(QStringLiteral("\\n *<%1>[^<]*</%1>").arg(key));
        Q_ASSERT(text.contains(element));
        text.replace(element, change.contains(QLatin1Char('='))
                                  ? QStringLiteral("\n    <%1>%2</%1>").arg(key, change.section(QLatin1Char('='), 1))
                                  : QString());
    }
    return text.toUtf8();
}

} // namespace

class TestR9x0SeriesDesignFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SeriesPages::silenceOffscreenSizeHints(); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void defaultFileBytes_data();
    void defaultFileBytes();
    void roundTrip_data();
    void roundTrip();
    void loadingFallbacks_data();
    void loadingFallbacks();
    void failedSave();
};

void TestR9x0SeriesDesignFile::defaultFileBytes_data()
{
    QTest::addColumn<QString>("cls");
    for (const QString &cls : R9x0Pages::classNames())
        QTest::newRow(qPrintable(cls)) << cls;
}

void TestR9x0SeriesDesignFile::defaultFileBytes()
{
    QFETCH(QString, cls);
    QTemporaryDir dir;
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    QVERIFY(R9x0Pages::save(page.get(), cls, dir.filePath("d.ZKCF")));
    QCOMPARE(readAll(dir.filePath("d.ZKCF")), defaultDesign(cls));
    // The dialog starts without a preset name.
    QCOMPARE(UserDialogs::fileQuestions().first().directory, QString());
}

void TestR9x0SeriesDesignFile::roundTrip_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<PageStep>("setup");

    const QList<QPair<QString, PageStep>> designs{
        // Reopening must not re-solve the PLL for the default 192 MHz.
        {"SCLK 160, USB from HICK", [](KytoR9x0PLL *p) {
             combo(p, "usbswitch")->setCurrentIndex(0);
             radio(p, "hicktousb", 1)->setChecked(true);
             typeAndReturn(edit(p, "sclk"), "160");
             QCOMPARE(p->model->pllNs, 120);
         }},
        {"USB from PLL, typed factors", [](KytoR9x0PLL *p) {
             combo(p, "usbswitch")->setCurrentIndex(0);
             combo(p, "pllfu")->setCurrentIndex(3);
             typeAndReturn(edit(p, "pllns"), "84");
             QCOMPARE(p->model->sclkMhz, 168.0);
             QCOMPARE(p->model->usbMhz, 48.0);
         }},
        {"clock-out usb on PA8", [](KytoR9x0PLL *p) {
             combo(p, "usbswitch")->setCurrentIndex(0);
             combo(p, "clockoutPinSelect")->setCurrentIndex(1);
             radio(p, "clkout", 3)->setChecked(true);
             QCOMPARE(p->model->clkoutSource, 6);
         }},
        {"CAN, I2SF5, ERTC", [](KytoR9x0PLL *p) {
             typeAndReturn(edit(p, "hext"), "4.5");
             combo(p, "rtcswitch")->setCurrentIndex(1);
             radio(p, "rtcsel", 2)->click();
             combo(p, "rtcdiv")->setCurrentIndex(3);
             radio(p, "can1clocksel", 2)->setChecked(true);
             combo(p, "can1switch")->setCurrentIndex(1);
             radio(p, "can2clocksel", 1)->setChecked(true);
             combo(p, "can2switch")->setCurrentIndex(1);
             radio(p, "can3clocksel", 1)->setChecked(true);
             radio(p, "i2sf5clocksel", 3)->setChecked(true);
             combo(p, "i2sf5switch")->setCurrentIndex(1);
             combo(p, "ahbdiv")->setCurrentIndex(1);
             combo(p, "lextbypass")->setCurrentIndex(1);
         }},
        {"SCLK from HICK 48 / 2, PLL from HICK for CAN", [](KytoR9x0PLL *p) {
             radio(p, "sclkselect", 2)->setChecked(true);
             radio(p, "hicktosclk", 1)->setChecked(true);
             combo(p, "hickdiv")->setCurrentIndex(1);
             radio(p, "pllrcs", 1)->click();
             radio(p, "can3clocksel", 1)->setChecked(true);
             combo(p, "can3switch")->setCurrentIndex(1);
             combo(p, "clockoutPinSelect")->setCurrentIndex(5);
             radio(p, "clkout", 5)->setChecked(true);
             combo(p, "clockoutdiv1")->setCurrentIndex(2);
             combo(p, "clockoutdiv2")->setCurrentIndex(4);
         }},
    };
    for (const QString &cls : R9x0Pages::classNames()) {
        for (const auto &design : designs)
            QTest::newRow(qPrintable(cls + ": " + design.first)) << cls << design.second;
    }
}

void TestR9x0SeriesDesignFile::roundTrip()
{
    QFETCH(QString, cls);
    QFETCH(PageStep, setup);
    QTemporaryDir dir;
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass(cls)());
    setup(page.get());
    QVERIFY2(boxTexts().isEmpty(), qPrintable(boxTexts().join('|')));
    QVERIFY(R9x0Pages::save(page.get(), cls, dir.filePath("first.ZKCF")));

    std::unique_ptr<KytoR9x0PLL> opened(R9x0Pages::forClass(cls)());
    UserDialogs::reset();
    opened->loadConfig(dir.filePath("first.ZKCF"));
    QVERIFY2(boxTexts().isEmpty(), qPrintable(boxTexts().join('|')));
    QCOMPARE(R9x0Pages::pageDump(opened.get()), R9x0Pages::pageDump(page.get()));

    QVERIFY(R9x0Pages::save(opened.get(), cls, dir.filePath("second.ZKCF")));
    QCOMPARE(readAll(dir.filePath("second.ZKCF")), readAll(dir.filePath("first.ZKCF")));
    QCOMPARE(R9x0Pages::generated(opened.get(), dir.filePath("gen2")), R9x0Pages::generated(page.get(), dir.filePath("gen1")));
}

void TestR9x0SeriesDesignFile::loadingFallbacks_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<PageStep>("check");

    auto comboAt = [](const char *node, int index) {
        return [node, index](KytoR9x0PLL *p) { QCOMPARE(combo(p, node)->currentIndex(), index); };
    };
    QTest::newRow("apb3div 4") << "apb3div=4" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "apb3div")->currentIndex(), 2);
        QCOMPARE(p->model->apb3Div, 4);
    });
    QTest::newRow("apb3div 0") << "apb3div=0" << PageStep(comboAt("apb3div", 2));
    QTest::newRow("apb3div 3") << "apb3div=3" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "apb3div")->currentIndex(), 2);
        QCOMPARE(p->model->apb3Div, 4);
    });
    QTest::newRow("pllfu 13") << "pllfu=13" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "pllfu")->currentIndex(), 1);
        QCOMPARE(p->model->pllFu, 13);
    });
    QTest::newRow("pllfu 12") << "pllfu=12" << PageStep(comboAt("pllfu", 2));
    QTest::newRow("pllfp 7") << "pllfp=7" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "pllfp")->currentIndex(), 0);
        QCOMPARE(p->model->pllFp, 1);
    });
    QTest::newRow("pllfp 30") << "pllfp=30" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "pllfp")->currentIndex(), 15);
        QCOMPARE(p->model->pllFp, 30);
    });
    auto clkoutSclk = [](KytoR9x0PLL *p) {
        QVERIFY(radio(p, "clkout", 0)->isChecked());
        QCOMPARE(p->model->clkoutSource, 5);
    };
    QTest::newRow("clkout missing") << "clkout" << PageStep(clkoutSclk);
    QTest::newRow("clkout 0") << "clkout=0" << PageStep(clkoutSclk);
    // (with USB on: a clock-out on USB moves to SCLK while USB is off)
    QTest::newRow("clkout 11 is the usb radio") << "clkout=11;tousbswitch=0;clkoutpinselect=1" << PageStep([](KytoR9x0PLL *p) {
        QVERIFY(radio(p, "clkout", 3)->isChecked());
        QCOMPARE(p->model->clkoutSource, 6);
    });
    QTest::newRow("can2clocksel 7") << "can2clocksel=7" << PageStep([](KytoR9x0PLL *p) {
        QVERIFY(radio(p, "can2clocksel", 0)->isChecked());
        QCOMPARE(p->model->can2ClockSource, 0);
    });
    QTest::newRow("pllms 16") << "pllms=16" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(edit(p, "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(p->model->pllMs, 1);
        QCOMPARE(boxTexts(), QStringList{"Error: pll_ms input error!"});
    });
    // The replaced factor is told first; 31 is a valid factor that the
    // closing check then questions (8 x 31 MHz is below the VCO window),
    // once, after loading.
    QTest::newRow("pllns 30") << "pllns=30" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*31"));
        QCOMPARE(p->model->pllNs, 31);
        QCOMPARE(UserDialogs::shownBoxes().size(), 2);
        QCOMPARE(UserDialogs::shownBoxes().first().text, QStringLiteral("pll_ns input error!"));
        QVERIFY(UserDialogs::shownBoxes().last().text.startsWith("pll_ns input error, is it adjusted"));
    });
    QTest::newRow("clkoutpinselect 5") << "clkoutpinselect=5" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "clockoutPinSelect")->currentIndex(), 0);
        QCOMPARE(p->model->clkoutPin, 0);
    });
    QTest::newRow("clkoutpinselect 6") << "clkoutpinselect=6" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "clockoutPinSelect")->currentText(), QStringLiteral("PE4"));
        QCOMPARE(p->model->clkoutPin, 6);
    });
    QTest::newRow("tousbswitch 5") << "tousbswitch=5" << PageStep([](KytoR9x0PLL *p) {
        QCOMPARE(combo(p, "usbswitch")->currentIndex(), 1);
        QCOMPARE(p->model->usbDisabled, 1);
    });
}

void TestR9x0SeriesDesignFile::loadingFallbacks()
{
    QFETCH(QString, changes);
    QFETCH(PageStep, check);
    QTemporaryDir dir;
    const QString path = writeDesign(dir, "d.ZKCF", designWith(changes));
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR910PLL")());
    page->loadConfig(path);
    check(page.get());
}

void TestR9x0SeriesDesignFile::failedSave()
{
    QTemporaryDir dir;
    std::unique_ptr<KytoR9x0PLL> page(R9x0Pages::forClass("KytoR930PLL")());
    // A target that cannot be replaced (a folder of that name) keeps what is there.
    const QString blocked = dir.filePath("blocked.ZKCF");
    QVERIFY(QDir().mkpath(blocked + "/keep"));
    QVERIFY(!R9x0Pages::save(page.get(), "KytoR930PLL", blocked));
    QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
    QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Critical);
    QVERIFY(QFileInfo(blocked + "/keep").isDir());
}

QTEST_MAIN(TestR9x0SeriesDesignFile)
#include "tst_r9x0series_designfile.moc"
