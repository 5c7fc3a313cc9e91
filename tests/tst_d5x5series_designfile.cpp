// The D515 and D525 pages: checks before generating and saving, the four
// generated files, design files (exact format, round trips, fall-backs, safe
// saving) and the Chinese boxes. Every test runs over both classes.
#include "series/highperf/KytoD515PLL.h"
#include "series/highperf/KytoD525PLL.h"
#include "MultiplierPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FormCodeView.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using PageFactory = std::function<KytoD5x5PLL *()>;
Q_DECLARE_METATYPE(PageFactory)

using MultiplierPages::boxTexts;
using MultiplierPages::combo;
using MultiplierPages::radio;
using MultiplierPages::typeAndReturn;

namespace {

QLineEdit *edit(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(name) + "_LineEdit");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void resetDialogs()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

struct Series {
    const char *name;       // design name
    PageFactory make;
};

const Series kSeries[] = {
    {"KytoD515", [] { return new KytoD515PLL(nullptr); }},
    {"KytoD525", [] { return new KytoD525PLL(nullptr); }},
};

void addSeriesRows(const char *what = "")
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<PageFactory>("make");
    for (const Series &s : kSeries)
        QTest::newRow(qPrintable(QString(s.name) + what)) << QString(s.name) << s.make;
}

bool save(KytoD5x5PLL *page, const QString &series, const QString &path)
{
    UserDialogs::answerNextFileDialog(path);
    page->saveConfig(series);
    return boxTexts().contains(QStringLiteral("Information: Save file succeed!"));
}

// The generated files, each as its name and content.
QStringList generated(KytoD5x5PLL *page, const QString &dir)
{
    page->model->interactiveGenerate = 1;
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

// Every control and the model's inputs, as lines.
QStringList pageDump(KytoD5x5PLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        if (e->objectName() == QLatin1String("hext_LineEdit"))
            lines << QStringLiteral("hext %1").arg(e->text().toDouble());
        else if (e->isEnabled())
            lines << QStringLiteral("%1 '%2'").arg(e->objectName(), e->text());
    }
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("rtc %1 %2 %3 bypass %4 %5 hext %6 div %7 %8")
                 .arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv).arg(m.lextBypass).arg(m.hextBypass)
                 .arg(m.hextMhz).arg(m.hextDiv).arg(m.hickDiv)
          << QStringLiteral("pll %1 %2 %3 %4 sclk %5 hick48 %6")
                 .arg(m.pllSource).arg(m.pllMs).arg(m.pllNs).arg(m.pllFr).arg(m.sclkSource).arg(m.sclkHick48)
          << QStringLiteral("buses %1 %2 %3 %4").arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div).arg(m.apb3Div)
          << QStringLiteral("clkout %1 %2 %3 pin %4 can %5 %6")
                 .arg(m.clkoutSource).arg(m.clkoutDiv1).arg(m.clkoutDiv2).arg(m.clkoutPin)
                 .arg(m.can1ClockSource).arg(m.can1Enabled)
          << QStringLiteral("clocks %1 %2 %3 %4 %5 %6")
                 .arg(m.pllMhz).arg(m.sclkMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz).arg(m.apb3Mhz);
    return lines;
}

QString writeDesign(const QTemporaryDir &dir, const QString &series, const QString &keys)
{
    const QString path = dir.filePath("design.ZKCF");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n    <MCU>%1</MCU>\n%2</Configuration>")
                .arg(series, keys).toUtf8());
    return path;
}

} // namespace

class TestD5x5SeriesDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MultiplierPages::silenceOffscreenSizeHints(); }
    void init() { resetDialogs(); }

    void defaultFileBytes_data() { addSeriesRows(); }
    void defaultFileBytes()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTemporaryDir dir;
        std::unique_ptr<KytoD5x5PLL> page(make());
        const QString path = dir.filePath("default.ZKCF");
        QVERIFY2(save(page.get(), series, path), qPrintable(boxTexts().join('\n')));
        const UserDialogs::FileQuestion question = UserDialogs::fileQuestions().first();
        QCOMPARE(question.caption, QStringLiteral("Save"));
        QCOMPARE(question.directory, QString());
        QCOMPARE(question.filter, QStringLiteral("Config file (*.ZKCF)"));
        QCOMPARE(UserDialogs::shownBoxes().last().buttons, QStringList{"Ok"});
        QCOMPARE(readAll(path), readAll(QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/") + series + "_default.ZKCF"));

        // No name, no question.
        resetDialogs();
        page->saveConfig(QString());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
    }

    void roundTrip_data() { addSeriesRows(); }
    void roundTrip()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTemporaryDir dir;
        std::unique_ptr<KytoD5x5PLL> page(make());
        KytoD5x5PLL *p = page.get();
        UserDialogs::answerNextBox(QMessageBox::Yes);   // 12 MHz * 90: pll_ns becomes 83
        typeAndReturn(edit(p, "hext"), "12");
        combo(p, "hextdiv")->setCurrentIndex(2);
        typeAndReturn(edit(p, "sclk"), "150");
        combo(p, "clockoutPinSelect")->setCurrentIndex(4);
        radio(p, "clkout", 2)->setChecked(true);
        combo(p, "clockoutdiv1")->setCurrentIndex(2);
        combo(p, "clockoutdiv2")->setCurrentIndex(2);
        radio(p, "canclocksel", 2)->setChecked(true);
        combo(p, "canswitch")->setCurrentIndex(1);
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 1)->click();
        QCOMPARE(boxTexts().size(), 1);
        QCOMPARE(p->model->sclkMhz, 150.0);
        QCOMPARE(p->model->clkoutPin, 5);
        const QString path = dir.filePath("design.ZKCF");
        QVERIFY2(save(p, series, path), qPrintable(boxTexts().join('\n')));
        const QStringList dump = pageDump(p);
        const QStringList files = generated(p, dir.filePath("first"));
        QCOMPARE(files.size(), 4);

        resetDialogs();
        std::unique_ptr<KytoD5x5PLL> opened(make());
        opened->loadConfig(path);
        QCOMPARE(boxTexts(), QStringList());
        QCOMPARE(pageDump(opened.get()), dump);
        QCOMPARE(generated(opened.get(), dir.filePath("second")), files);
        const QString again = dir.filePath("again.ZKCF");
        QVERIFY(save(opened.get(), series, again));
        QCOMPARE(readAll(again), readAll(path));
    }

    void onlyMcu_data() { addSeriesRows(); }
    void onlyMcu()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTemporaryDir dir;
        const QString path = writeDesign(dir, series, QString());
        std::unique_ptr<KytoD5x5PLL> page(make());
        page->loadConfig(path);
        QCOMPARE(boxTexts(), QStringList());
        const ClockTreeModel &m = *page->model;
        QCOMPARE(m.rtcHextDiv, 2);
        QCOMPARE(m.hextDiv, 1);
        QCOMPARE(m.hickDiv, 1);
        QCOMPARE(m.pllFr, 1);
        QCOMPARE(m.apb3Div, 4);
        QCOMPARE(m.ahbDiv, 1);
        QCOMPARE(m.apb1Div, 1);
        QCOMPARE(m.apb2Div, 1);
        QCOMPARE(m.clkoutDiv1, 1);
        QCOMPARE(m.clkoutDiv2, 1);
        // A missing HEXT opens as a new page's crystal, shown as held.
        QCOMPARE(edit(page.get(), "hext")->text(), QStringLiteral("8.000"));
        QCOMPARE(m.hextMhz, 8.0);
        QCOMPARE(m.pllMs, 1);
        QCOMPARE(edit(page.get(), "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(m.pllNs, 31);
        QCOMPARE(edit(page.get(), "pllns")->text(), QStringLiteral("*31"));
        QCOMPARE(m.rtcSource, 0);
        QCOMPARE(m.pllSource, 0);
        QCOMPARE(m.sclkSource, 0);
        QVERIFY(radio(page.get(), "sclkselect", 0)->isChecked());
        QCOMPARE(m.sclkHick48, 0);
        QCOMPARE(m.can1ClockSource, 0);
        QCOMPARE(m.clkoutSource, 5);
        QVERIFY(radio(page.get(), "clkout", 0)->isChecked());
        QCOMPARE(m.clkoutPin, 0);
        QCOMPARE(combo(page.get(), "clockoutPinSelect")->currentIndex(), 0);
        QVERIFY(!m.lextBypass && !m.rtcEnabled && !m.hextBypass && !m.can1Enabled);
    }

    void loadedValues_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<PageFactory>("make");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("control");   // object name
        QTest::addColumn<QString>("shown");     // its item text, or its text
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        struct Case { const char *name, *keys, *control, *shown, *field; int value; };
        const Case cases[] = {
            {"apb3div 4", "<apb3div>4</apb3div>", "apb3div_ComboBox", "  /4", "apb3Div", 4},
            {"apb3div 32", "<apb3div>32</apb3div>", "apb3div_ComboBox", "  /4", "apb3Div", 4},
            {"apb3div 8", "<apb3div>8</apb3div>", "apb3div_ComboBox", "  /8", "apb3Div", 8},
            {"pin 5", "<clkoutpinselect>5</clkoutpinselect>", "clockoutPinSelect_ComboBox", "PF2", "clkoutPin", 5},
            {"pin 9", "<clkoutpinselect>9</clkoutpinselect>", "clockoutPinSelect_ComboBox", "none", "clkoutPin", 0},
            {"pin 4", "<clkoutpinselect>4</clkoutpinselect>", "clockoutPinSelect_ComboBox", "none", "clkoutPin", 0},
            {"pin 6", "<clkoutpinselect>6</clkoutpinselect>", "clockoutPinSelect_ComboBox", "none", "clkoutPin", 0},
            {"canclocksel 5", "<canclocksel>5</canclocksel>", "canclocksel_RadioButton_0", "", "can1ClockSource", 0},
            {"canclocksel 2", "<canclocksel>2</canclocksel>", "canclocksel_RadioButton_2", "", "can1ClockSource", 2},
            {"pllms 0", "<pllms>0</pllms>", "pllms_LineEdit", "/1", "pllMs", 1},
            {"pllns 501", "<pllns>501</pllns>", "pllns_LineEdit", "*31", "pllNs", 31},
            {"clkout 6", "<clkout>6</clkout>", "clkout_RadioButton_0", "", "clkoutSource", 5},
            {"clkout 10", "<clkout>10</clkout>", "clkout_RadioButton_2", "", "clkoutSource", 10},
            {"hicktosclk 2", "<hicktosclk>2</hicktosclk>", "hicktosclk_RadioButton_0", "", "sclkHick48", 0},
        };
        for (const Series &s : kSeries) {
            for (const Case &c : cases)
                QTest::newRow(qPrintable(QString("%1 %2").arg(s.name, c.name)))
                    << QString(s.name) << s.make << QString(c.keys) << QString(c.control) << QString(c.shown)
                    << QString(c.field) << c.value;
        }
    }
    void loadedValues()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QFETCH(QString, keys);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        QFETCH(QString, field);
        QFETCH(int, value);
        QTemporaryDir dir;
        // A complete default design with the one key changed.
        std::unique_ptr<KytoD5x5PLL> source(make());
        const QString base = dir.filePath("base.ZKCF");
        QVERIFY(save(source.get(), series, base));
        QString text = QString::fromUtf8(readAll(base));
        const QString key = keys.mid(1, keys.indexOf('>') - 1);
        const int from = text.indexOf("<" + key + ">");
        const int to = text.indexOf("</" + key + ">") + key.size() + 3;
        text.replace(from, to - from, keys);
        const QString path = dir.filePath("changed.ZKCF");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
        f.close();

        resetDialogs();
        std::unique_ptr<KytoD5x5PLL> page(make());
        if (key == QLatin1String("canclocksel"))
            radio(page.get(), "canclocksel", 0)->setChecked(true);
        page->loadConfig(path);
        QWidget *w = page->findChild<QWidget *>(control);
        QVERIFY(w);
        if (auto *c = qobject_cast<QComboBox *>(w))
            QCOMPARE(c->currentText(), shown);
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            QCOMPARE(e->text(), shown);
        else
            QVERIFY(qobject_cast<QRadioButton *>(w)->isChecked());
        const ClockTreeModel &m = *page->model;
        const QHash<QString, int> fields{{"apb3Div", m.apb3Div}, {"clkoutPin", m.clkoutPin},
                                         {"can1ClockSource", m.can1ClockSource}, {"pllMs", m.pllMs},
                                         {"pllNs", m.pllNs}, {"clkoutSource", m.clkoutSource},
                                         {"sclkHick48", m.sclkHick48}};
        QCOMPARE(fields.value(field, -100), value);
    }

    // A design whose CAN keeps the PCLK source it had when the file's
    // source is unknown.
    void unknownCanSourceKeepsThePagesOwn()
    {
        QTemporaryDir dir;
        const QString path = writeDesign(dir, "KytoD515", "    <hext>8.000000</hext>\n    <sclkselect>1</sclkselect>\n"
                                                          "    <pllns>90</pllns>\n    <pllfr>4</pllfr>\n"
                                                          "    <canclocksel>5</canclocksel>\n    <canswitch>1</canswitch>\n");
        KytoD515PLL page(nullptr);
        radio(&page, "canclocksel", 2)->setChecked(true);
        page.loadConfig(path);
        QVERIFY(radio(&page, "canclocksel", 2)->isChecked());
        QCOMPARE(page.model->can1ClockSource, 2);
        QVERIFY(page.model->can1Enabled);
    }

    void failedSaveKeepsWhatIsThere()
    {
        QTemporaryDir dir;
        KytoD525PLL page(nullptr);
        // A target that cannot be replaced: a folder of that name.
        const QString blocked = dir.filePath("blocked.ZKCF");
        QVERIFY(QDir().mkpath(blocked + "/keep"));
        QVERIFY(!save(&page, "KytoD525", blocked));
        QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
        QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Critical);
        QVERIFY(QFileInfo(blocked + "/keep").isDir());
    }

    void generateChecks_data() { addSeriesRows(); }
    void generateChecks()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTemporaryDir dir;
        std::unique_ptr<KytoD5x5PLL> page(make());
        KytoD5x5PLL *p = page.get();

        // APB3 at 180 MHz: no generation, but the design saves.
        combo(p, "apb3div")->setCurrentIndex(0);
        p->model->interactiveGenerate = 1;
        QVERIFY(!p->generateCode());
        QCOMPARE(boxTexts(), QStringList{"Error: apb3div input error!"});
        QVERIFY(save(p, series, dir.filePath("apb3.ZKCF")));
        combo(p, "apb3div")->setCurrentIndex(2);

        // A 200 MHz PLL stops generation while the CAN uses it, not after.
        resetDialogs();
        radio(p, "sclkselect", 2)->setChecked(true);
        radio(p, "canclocksel", 1)->setChecked(true);
        combo(p, "canswitch")->setCurrentIndex(1);
        typeAndReturn(edit(p, "pllns"), "100");
        QCOMPARE(p->model->pllMhz, 200.0);
        QVERIFY(!p->generateCode());
        QCOMPARE(boxTexts(), QStringList{"Error: Can not support pll clock greater than 180MHz"});
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
        combo(p, "canswitch")->setCurrentIndex(0);
        resetDialogs();
        const QStringList files = generated(p, dir.path());
        QCOMPARE(files.size(), 4);
        QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Select directory"));
        const UserDialogs::ShownBox result = UserDialogs::shownBoxes().last();
        QCOMPARE(result.title, QStringLiteral("Information"));
        QCOMPARE(result.text, QStringLiteral("Generate code finished!  Files:\n\nsrc/main.c\nsrc/kytod515_525_clock.c\n"
                                             "inc/kytod515_525_clock.h\ninc/kytod515_525_conf.h\n"));
        QCOMPARE(result.buttons, (QStringList{" Open Folder  ", "OK"}));
        for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
            QVERIFY2(box.title != QLatin1String("Warning"), qPrintable(box.text));
    }

    // A value whose question was cancelled stays pending and is asked about
    // afresh.
    void staleValuesAreCheckedAgain_data() { addSeriesRows(); }
    void staleValuesAreCheckedAgain()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTemporaryDir dir;
        std::unique_ptr<KytoD5x5PLL> page(make());
        KytoD5x5PLL *p = page.get();
        const QString nsQuestion = "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition "
                                   "must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz";
        typeAndReturn(edit(p, "hext"), "16");   // VCO 1440 MHz: the question is cancelled
        QCOMPARE(boxTexts(), QStringList{nsQuestion});
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("180.000"));

        resetDialogs();
        p->model->interactiveGenerate = 1;
        QVERIFY(!p->generateCode());
        QCOMPARE(boxTexts(), QStringList{nsQuestion});
        QVERIFY(UserDialogs::fileQuestions().isEmpty());

        resetDialogs();
        UserDialogs::answerNextBox(QMessageBox::Yes);
        QVERIFY(!p->generateCode());
        QCOMPARE(boxTexts(), (QStringList{nsQuestion, "Error: sclk input error!"}));
        QCOMPARE(p->model->pllNs, 62);
        QCOMPARE(edit(p, "sclk")->text(), QStringLiteral("248.000"));
        QVERIFY(UserDialogs::fileQuestions().isEmpty());

        resetDialogs();
        UserDialogs::answerNextFileDialog(dir.filePath("never.ZKCF"));
        p->saveConfig(series);
        QCOMPARE(boxTexts(), QStringList{"Error: Can not support sclk greater than 180MHz"});
        QVERIFY(!QFile::exists(dir.filePath("never.ZKCF")));
    }

    void codeView_data() { addSeriesRows(); }
    void codeView()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        std::unique_ptr<KytoD5x5PLL> page(make());
        const QString folder = QCoreApplication::applicationDirPath() + "/Code_Sample";
        QDir(folder).removeRecursively();
        page->model->interactiveGenerate = 0;
        QVERIFY(page->generateCode());
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
        for (const char *f : {"src/main.c", "src/kytod515_525_clock.c", "inc/kytod515_525_clock.h", "inc/kytod515_525_conf.h"})
            QVERIFY2(QFile::exists(folder + "/" + f), f);

        // A generator failure still says so, with "OK", and names main.c,
        // which cannot be written where a folder of that name stands.
        resetDialogs();
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + "/src/main.c"));
        QVERIFY(!page->generateCode());
        QDir(folder).removeRecursively();
        QCOMPARE(boxTexts(), QStringList{"Error: Generate code failed!\nCannot write "
                                         + QDir::toNativeSeparators(folder + "/src/main.c")});
        QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{"OK"});
    }

    // New, Save and Open through the container: the series name in the file
    // and the page class it opens.
    void throughTheContainer()
    {
        QTemporaryDir dir;
        KytoPLLConfig config;
        config.selectMcu(26);
        QVERIFY(qobject_cast<KytoD525PLL *>(config.currentSeriesWidget()));
        QCOMPARE(boxTexts(), QStringList());
        combo(config.currentSeriesWidget(), "apb2div")->setCurrentIndex(2);
        const QString path = dir.filePath("d525.ZKCF");
        UserDialogs::answerNextFileDialog(path);
        config.saveConfigFile();
        QVERIFY(readAll(path).contains("<MCU>KytoD525</MCU>"));

        config.selectMcu(25);
        QVERIFY(qobject_cast<KytoD515PLL *>(config.currentSeriesWidget()));
        resetDialogs();
        QString name;
        config.openConfigFile(path, name);
        QCOMPARE(boxTexts(), QStringList());
        auto *opened = qobject_cast<KytoD525PLL *>(config.currentSeriesWidget());
        QVERIFY(opened);
        QCOMPARE(config.currentSeriesIndex(), 26);
        QCOMPARE(opened->model->apb2Div, 4);
    }

    void chineseBoxes_data() { addSeriesRows(); }
    void chineseBoxes()
    {
        QFETCH(QString, series);
        QFETCH(PageFactory, make);
        QTranslator zh;
        QVERIFY(zh.load(":/image/tr_zh.qm"));
        QCoreApplication::installTranslator(&zh);
        std::unique_ptr<KytoD5x5PLL> page(make());
        typeAndReturn(edit(page.get(), "sclk"), "200");
        QCoreApplication::removeTranslator(&zh);
        QCOMPARE(boxTexts(), QStringList{"错误: sclk 输入错误！"});
        QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{"确定"});

        // These series word some of the shared generate boxes their own way.
        const QByteArray context = page->metaObject()->className();
        QCOMPARE(zh.translate(context, "Generate code failed!"), QStringLiteral("代码产生失败！"));
        QCOMPARE(zh.translate(context, "Creating \"inc\" folder error!"), QStringLiteral("创建inc文件夹失败!"));
        QCOMPARE(zh.translate(context, "Can not support apb3clk greater than"), QStringLiteral("不支持apb3clk大于"));
        QCOMPARE(zh.translate(context, "Save file succeed!"), QStringLiteral("文件保存成功!"));
    }
};

QTEST_MAIN(TestD5x5SeriesDesignFile)
#include "tst_d5x5series_designfile.moc"
