// Design files of the R810 and R820 pages: the exact file of a new page,
// save -> open -> save round trips, the fall-backs of every key and safe
// saving.
#include "series/highperf/KytoR810PLL.h"
#include "series/highperf/KytoR820PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using PageFactory = std::function<KytoR8x0PLL *()>;
using PageSetup = std::function<void(KytoR8x0PLL *)>;
Q_DECLARE_METATYPE(PageFactory)
Q_DECLARE_METATYPE(PageSetup)

namespace {

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        previousHandler(type, context, message);
}

void resetDialogs()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

CustomComboBox1 *combo(QWidget *page, const QString &node)
{
    return page->findChild<CustomComboBox1 *>(node + QStringLiteral("_ComboBox"));
}

QRadioButton *radio(QWidget *page, const QString &group, int n)
{
    return page->findChild<QRadioButton *>(QStringLiteral("%1_RadioButton_%2").arg(group).arg(n));
}

QLineEdit *edit(QWidget *page, const QString &node)
{
    return page->findChild<QLineEdit *>(node + QStringLiteral("_LineEdit"));
}

void typeAndReturn(QLineEdit *e, const QString &text)
{
    e->clear();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
}

QStringList boxTexts()
{
    QStringList texts;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
        texts << box.title + QStringLiteral(": ") + box.text;
    return texts;
}

QString seriesName(KytoR8x0PLL *page)
{
    QString name = QString::fromLatin1(page->metaObject()->className());
    name.chop(3);   // "PLL"
    return name;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool save(KytoR8x0PLL *page, const QString &path, int yesAnswers = 0)
{
    resetDialogs();
    for (int i = 0; i < yesAnswers; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes);
    UserDialogs::answerNextFileDialog(path);
    page->saveConfig(seriesName(page));
    return boxTexts().contains(QStringLiteral("Information: Save file succeed!"));
}

QStringList generated(KytoR8x0PLL *page, const QString &dir, int yesAnswers)
{
    resetDialogs();
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

// Every control and every model input. The hext edit shows at most eight
// characters of the file's text, so its number is compared.
QStringList dump(KytoR8x0PLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        if (e->objectName() == QLatin1String("hext_LineEdit"))
            lines << QStringLiteral("hext %1").arg(e->text().toDouble(), 0, 'f', 5);
        else if (e->objectName() != QLatin1String("ertc_ReadOut") || e->isEnabled())
            lines << QStringLiteral("%1 '%2' %3").arg(e->objectName(), e->text()).arg(e->isEnabled());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2' %3").arg(l->objectName(), l->isHidden() ? QString() : l->text()).arg(l->isHidden());
    }
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8 %9")
                 .arg(m.hextMhz).arg(m.pllSource).arg(m.pllMs).arg(m.pllNs).arg(m.pllFr).arg(m.sclkSource)
                 .arg(m.sclkMhz).arg(m.usbDiv).arg(m.usbDisabled)
          << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8 %9")
                 .arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div).arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv)
                 .arg(m.clkout1Source).arg(m.clkout2Source).arg(m.usbFromHick)
          << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8 %9")
                 .arg(m.clkout1Div1).arg(m.clkout1Div2).arg(m.clkout1Pin).arg(m.clkout2Div1).arg(m.clkout2Div2)
                 .arg(m.clkout2Pin).arg(m.sclkHick48).arg(m.lextBypass).arg(m.hextBypass)
          << QStringLiteral("derived %1 %2 %3 %4 %5").arg(m.pllMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz)
                 .arg(m.usbDisabled == 0 ? m.usbMhz : -1);
    return lines;
}

void addClassRows()
{
    QTest::addColumn<PageFactory>("factory");
    QTest::newRow("KytoR810PLL") << PageFactory([] { return new KytoR810PLL(nullptr); });
    QTest::newRow("KytoR820PLL") << PageFactory([] { return new KytoR820PLL(nullptr); });
}

// The file of a new page with one key's text replaced, or without it.
QString designWith(const QTemporaryDir &dir, KytoR8x0PLL *page, const QString &key, const QString &text)
{
    const QString base = dir.filePath("base.ZKCF");
    if (!QFile::exists(base))
        save(page, base);
    QString body = QString::fromUtf8(readAll(base));
    const QString open = "<" + key + ">", close = "</" + key + ">";
    const int from = body.indexOf(open), to = body.indexOf(close);
    body.replace(from + open.size(), to - from - open.size(), text);
    const QString path = dir.filePath(key + ".ZKCF");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(body.toUtf8());
    return path;
}

} // namespace

class TestR8x0SeriesDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void init() { resetDialogs(); }

    void newPageFile_data() { addClassRows(); }
    void newPageFile()
    {
        QFETCH(PageFactory, factory);
        std::unique_ptr<KytoR8x0PLL> page(factory());
        QTemporaryDir dir;
        const QString path = dir.filePath("design.ZKCF");
        QVERIFY(save(page.get(), path));
        const QString fixture = QStringLiteral(KYTO_FIXTURES_DIR "/designfiles/%1_default.ZKCF").arg(seriesName(page.get()));
        QCOMPARE(readAll(path), readAll(fixture));
        // An empty save path: no folder, no name preset.
        QCOMPARE(UserDialogs::fileQuestions().first().directory, QString());
        QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Save"));
        QCOMPARE(UserDialogs::fileQuestions().first().filter, QStringLiteral("Config file (*.ZKCF)"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<PageFactory>("factory");
        QTest::addColumn<PageSetup>("setup");
        QTest::addColumn<int>("yesAnswers");
        const PageSetup sclk240UsbFromHick = [](KytoR8x0PLL *p) {
            combo(p, "usbswitch")->setCurrentIndex(0);
            radio(p, "hicktousb", 1)->click();
            typeAndReturn(edit(p, "sclk"), "240");
        };
        const PageSetup sclk200UsbFromPll = [](KytoR8x0PLL *p) {
            combo(p, "usbswitch")->setCurrentIndex(0);
            typeAndReturn(edit(p, "sclk"), "200");
        };
        const PageSetup everyBranch = [](KytoR8x0PLL *p) {
            combo(p, "usbswitch")->setCurrentIndex(0);
            combo(p, "usbdiv")->setCurrentIndex(11);
            UserDialogs::answerNextBox(QMessageBox::Yes);   // pll_ns at 12.5 MHz
            typeAndReturn(edit(p, "hext"), "12.5");
            typeAndReturn(edit(p, "sclk"), "200");
            combo(p, "rtcswitch")->setCurrentIndex(1);
            radio(p, "rtcsel", 2)->click();
            combo(p, "rtcdiv")->setCurrentIndex(3);
            combo(p, "clockout1PinSelect")->setCurrentIndex(2);
            radio(p, "clkout1", 3)->click();
            combo(p, "clockout1div1")->setCurrentIndex(2);
            combo(p, "clockout1div2")->setCurrentIndex(2);
            combo(p, "clockout2PinSelect")->setCurrentIndex(1);
            radio(p, "clkout2", 1)->click();
            combo(p, "clockout2div2")->setCurrentIndex(3);
            combo(p, "lextbypass")->setCurrentIndex(1);
        };
        for (const char *cls : {"KytoR810PLL", "KytoR820PLL"}) {
            const PageFactory factory = QByteArray(cls) == "KytoR810PLL"
                ? PageFactory([] { return new KytoR810PLL(nullptr); })
                : PageFactory([] { return new KytoR820PLL(nullptr); });
            QTest::newRow(qPrintable(QString("%1 240 MHz, USB from HICK").arg(cls))) << factory << sclk240UsbFromHick << 0;
            QTest::newRow(qPrintable(QString("%1 200 MHz, USB from PLL").arg(cls))) << factory << sclk200UsbFromPll << 1;
            QTest::newRow(qPrintable(QString("%1 every branch").arg(cls))) << factory << everyBranch << 1;
        }
    }
    void roundTrip()
    {
        QFETCH(PageFactory, factory);
        QFETCH(PageSetup, setup);
        QFETCH(int, yesAnswers);
        QTemporaryDir dir;
        std::unique_ptr<KytoR8x0PLL> page(factory());
        setup(page.get());
        const QString first = dir.filePath("first.ZKCF");
        QVERIFY2(save(page.get(), first, yesAnswers), qPrintable(boxTexts().join('|')));

        resetDialogs();
        std::unique_ptr<KytoR8x0PLL> opened(factory());
        opened->loadConfig(first);
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('|')));
        QCOMPARE(dump(opened.get()), dump(page.get()));
        const QString second = dir.filePath("second.ZKCF");
        QVERIFY(save(opened.get(), second, yesAnswers));
        QCOMPARE(readAll(second), readAll(first));
        QCOMPARE(generated(opened.get(), dir.filePath("b"), yesAnswers), generated(page.get(), dir.filePath("a"), yesAnswers));
    }

    void everyBranchFileText()
    {
        KytoR810PLL page(nullptr);
        combo(&page, "usbswitch")->setCurrentIndex(0);
        combo(&page, "usbdiv")->setCurrentIndex(11);
        UserDialogs::answerNextBox(QMessageBox::Yes);
        typeAndReturn(edit(&page, "hext"), "12.5");
        typeAndReturn(edit(&page, "sclk"), "200");
        QTemporaryDir dir;
        QVERIFY(save(&page, dir.filePath("d.ZKCF"), 1));
        const QByteArray file = readAll(dir.filePath("d.ZKCF"));
        QVERIFY(file.contains("<hext>12.500000</hext>"));
        QVERIFY(file.contains("<usbdiv>6.5</usbdiv>"));
        QVERIFY(file.endsWith("</Configuration>"));

        KytoR810PLL opened(nullptr);
        opened.loadConfig(dir.filePath("d.ZKCF"));
        // Not the file's "12.500000" cut to the edit's eight characters.
        QCOMPARE(edit(&opened, "hext")->text(), QStringLiteral("12.500"));
        QCOMPARE(opened.model->hextMhz, 12.5);
    }

    void loadingFallbacks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pllfr 3") << "pllfr" << "3" << "pllfr" << "  /1";
        QTest::newRow("ahbdiv 32") << "ahbdiv" << "32" << "ahbdiv" << "  /1";
        QTest::newRow("usbdiv 2.50") << "usbdiv" << "2.50" << "usbdiv" << "  /2.5";
        QTest::newRow("usbdiv 7.5") << "usbdiv" << "7.5" << "usbdiv" << "  /1";
        QTest::newRow("pllms 0") << "pllms" << "0" << "pllms" << "/1";
        QTest::newRow("pllms 07") << "pllms" << "07" << "pllms" << "/07";
        QTest::newRow("pllns 501") << "pllns" << "501" << "pllns" << "*31";
        QTest::newRow("tousbswitch 5") << "tousbswitch" << "5" << "usbswitch" << "disable";
        QTest::newRow("clkout1pinselect 3") << "clkout1pinselect" << "3" << "clockout1PinSelect" << "none";
        QTest::newRow("clkout2pinselect 2") << "clkout2pinselect" << "2" << "clockout2PinSelect" << "none";
        QTest::newRow("rtcdiv 40") << "rtcdiv" << "40" << "rtcdiv" << "  /2";
    }
    void loadingFallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, control);
        QTemporaryDir dir;
        KytoR810PLL base(nullptr);
        const QString path = designWith(dir, &base, key, text);
        resetDialogs();
        KytoR810PLL page(nullptr);
        page.loadConfig(path);
        QLineEdit *e = edit(&page, control);
        QTEST(e ? e->text() : combo(&page, control)->currentText(), "shown");
        const ClockTreeModel &m = *page.model;
        if (key == QLatin1String("pllfr"))
            QCOMPARE(m.pllFr, 1);
        else if (key == QLatin1String("ahbdiv"))
            QCOMPARE(m.ahbDiv, 1);
        else if (key == QLatin1String("usbdiv"))
            QCOMPARE(m.usbDiv, text == QLatin1String("2.50") ? 2.5 : 1.0);
        else if (key == QLatin1String("pllms"))
            QCOMPARE(m.pllMs, text == QLatin1String("07") ? 7 : 1);
        else if (key == QLatin1String("pllns"))
            QCOMPARE(m.pllNs, 31);
        else if (key == QLatin1String("tousbswitch"))
            QCOMPARE(m.usbDisabled, 1);
        else if (key == QLatin1String("clkout1pinselect"))
            QCOMPARE(m.clkout1Pin, 0);
        else if (key == QLatin1String("clkout2pinselect"))
            QCOMPARE(m.clkout2Pin, 0);
        else if (key == QLatin1String("rtcdiv"))
            QCOMPARE(m.rtcHextDiv, 2);
    }

    // A design file with nothing but its series: every fall-back (HEXT a new
    // page's 8 MHz, shown as held), and the closing check asks once about
    // the fall-back factors, which the USB clock's PLL cannot run with.
    void onlyTheSeriesName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("empty.ZKCF");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n    <MCU>KytoR820</MCU>\n</Configuration>");
        f.close();
        KytoR820PLL page(nullptr);
        page.loadConfig(path);
        QCOMPARE(boxTexts(), QStringList{"Warning: pll_ns input error, is it adjusted automatically?\n\nThe following "
                                         "condition must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1200MHz"});
        QCOMPARE(edit(&page, "hext")->text(), QStringLiteral("8.000"));
        QCOMPARE(page.model->hextMhz, 8.0);
        QVERIFY(radio(&page, "sclkselect", 0)->isChecked());
        QVERIFY(radio(&page, "pllrcs", 0)->isChecked());
        QCOMPARE(edit(&page, "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(edit(&page, "pllns")->text(), QStringLiteral("*31"));
        QCOMPARE(combo(&page, "usbswitch")->currentIndex(), 0);
        QCOMPARE(combo(&page, "clockout1PinSelect")->currentIndex(), 0);
    }

    void failedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        KytoR810PLL page(nullptr);
        QVERIFY(!save(&page, dir.filePath("missing/design.ZKCF")));
        QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});

        const QString blocked = dir.filePath("blocked.ZKCF");
        QVERIFY(QDir().mkpath(blocked + "/keep"));
        QVERIFY(!save(&page, blocked));
        QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
        QVERIFY(QFileInfo(blocked + "/keep").isDir());

        // No series name: nothing is asked.
        resetDialogs();
        page.saveConfig(QString());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
    }
};

QTEST_MAIN(TestR8x0SeriesDesignFile)
#include "tst_r8x0series_designfile.moc"
