// A design file value that is no valid number for its key (nan, inf, -inf,
// 1e308, out of range, empty, a word) opens exactly as the key's fallback
// would: the same controls, the same saved file and the same generated
// code; a typed value (HEXT, a PLL factor) replaced so is told once. A
// crystal longer than its edit is shown whole, as the model holds it. A
// non-finite typed value gets the edit's error box, and a clock that is no
// frequency never reaches the code.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "series/common/CodeGeneration.h"
#include "series/common/PageMessages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtNumeric>
#include <QtTest>

#include <memory>

using SeriesPages::boxTexts;

namespace {

// One page class per family (the high-performance family in its three
// groups), with the fallback texts of the two decimal keys as each writes
// them; usbdiv only where the page has it.
struct FamilyPage {
    const char *cls;
    const char *usbdivFallback;
    bool factors;   // typed PLL factors pllms and pllns
};
const FamilyPage kPages[] = {
    {"KytoR620APLL", "1.0", false}, {"KytoR750PLL", "1.0", true}, {"KytoR740PLL", "2.0", true},
    {"KytoR810PLL", "1.0", true},   {"KytoR910PLL", nullptr, true}, {"KytoD515PLL", nullptr, true},
};

QString replaceKey(QString design, const QString &key, const QString &text)
{
    design.replace(QRegularExpression(QStringLiteral("<%1>[^<]*</%1>").arg(key)),
                   QStringLiteral("<%1>%2</%1>").arg(key, text));
    return design;
}

// The designs are ASCII; a Latin-1 letter in a value is written as the one
// byte an editor in a legacy code page writes, which is no UTF-8.
void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toLatin1());
}

// What the page shows: every edit's text, combo's index and radio's state.
QStringList shown(QWidget *page)
{
    QStringList lines;
    for (QLineEdit *e : page->findChildren<QLineEdit *>())
        lines << e->objectName() + QStringLiteral(" = ") + e->text();
    for (CustomComboBox1 *c : page->findChildren<CustomComboBox1 *>())
        lines << c->objectName() + QStringLiteral(" # ") + QString::number(c->currentIndex());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << r->objectName() + (r->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"));
    return lines;
}

// A page opened from path, what it showed on the way, its saved file and
// its generated files.
struct Opened {
    std::unique_ptr<KytoMCUPLL> page;
    QStringList boxes;
    QString saved;
    QString generated;
    QStringList generateBoxes;
};

Opened openSaveGenerate(const QString &cls, const QString &path, const QString &dir, const QString &name)
{
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);
    Opened out;
    out.page.reset(SeriesPages::create(cls));
    UserDialogs::reset();
    ops.loadConfig(out.page.get(), path);
    out.boxes = boxTexts();

    UserDialogs::reset();
    PendingEdits::runAction(out.page.get(), ops, QStringLiteral("save"), dir, QString(), name + QStringLiteral(".ZKCF"));
    out.saved = PendingEdits::readFile(dir + QLatin1Char('/') + name + QStringLiteral(".ZKCF"));

    UserDialogs::reset();
    const QString folder = dir + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    PendingEdits::runAction(out.page.get(), ops, QStringLiteral("generate"), folder, QString());
    out.generateBoxes = boxTexts();
    for (const QString &sub : {QStringLiteral("inc"), QStringLiteral("src")}) {
        const QDir files(folder + QLatin1Char('/') + sub);
        for (const QString &file : files.entryList(QDir::Files, QDir::Name))
            out.generated += file + QStringLiteral(":\n") + PendingEdits::readFile(files.filePath(file));
    }
    return out;
}

} // namespace

class TestDesignFileValues : public QObject
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

    void badValueOpensAsFallback_data();
    void badValueOpensAsFallback();
    void longHextIsShownWhole_data();
    void longHextIsShownWhole();
    void nonFiniteTypedValueIsRefused_data();
    void nonFiniteTypedValueIsRefused();
    void clockThatIsNoFrequencyIsNotGenerated_data();
    void clockThatIsNoFrequencyIsNotGenerated();
    void slowClockIsGeneratedAndSaved_data();
    void slowClockIsGeneratedAndSaved();
};

void TestDesignFileValues::badValueOpensAsFallback_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QStringList>("told");   // before the fallback's own boxes
    const QStringList badTexts{"nan", "inf", "-inf", "1e308", "", "abc"};
    const QStringList hextError{"Error: hext input error!"};
    for (const FamilyPage &p : kPages) {
        for (const QString &bad : badTexts)
            QTest::addRow("%s hext \"%s\"", p.cls, qPrintable(bad)) << p.cls << "hext" << bad << "8.000000" << hextError;
        QTest::addRow("%s hext out of range", p.cls) << p.cls << "hext" << "30" << "8.000000" << hextError;
        QTest::addRow("%s hext below range", p.cls) << p.cls << "hext" << "3.999" << "8.000000" << hextError;
        QTest::addRow("%s hext \"12\" and byte E9", p.cls) << p.cls << "hext" << QStringLiteral("12\u00e9") << "8.000000" << hextError;
        // (pll_ns falls back to 31, which the closing check questions, so
        // its rows are in the families' tests.)
        if (p.factors) {
            for (const char *bad : {"0", "16", "x"})
                QTest::addRow("%s pllms \"%s\"", p.cls, bad) << p.cls << "pllms" << bad << "1"
                                                             << QStringList{"Error: pll_ms input error!"};
        }
        if (!p.usbdivFallback)
            continue;
        // A divider no combo offers is replaced without a word.
        for (const QString &bad : badTexts)
            QTest::addRow("%s usbdiv \"%s\"", p.cls, qPrintable(bad)) << p.cls << "usbdiv" << bad << p.usbdivFallback
                                                                      << QStringList();
        QTest::addRow("%s usbdiv not offered", p.cls) << p.cls << "usbdiv" << "2.25" << p.usbdivFallback
                                                      << QStringList();
    }
}

void TestDesignFileValues::badValueOpensAsFallback()
{
    QFETCH(QString, cls);
    QFETCH(QString, key);
    QFETCH(QString, bad);
    QFETCH(QString, fallback);
    QFETCH(QStringList, told);
    QTemporaryDir dir;
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);

    std::unique_ptr<KytoMCUPLL> fresh(SeriesPages::create(cls));
    PendingEdits::runAction(fresh.get(), ops, QStringLiteral("save"), dir.path(), QString(), QStringLiteral("base.ZKCF"));
    const QString base = PendingEdits::readFile(dir.filePath("base.ZKCF"));
    QVERIFY2(base.contains("<" + key + ">"), qPrintable(base));
    writeFile(dir.filePath("bad.ZKCF"), replaceKey(base, key, bad));
    writeFile(dir.filePath("fallback.ZKCF"), replaceKey(base, key, fallback));

    const Opened expected = openSaveGenerate(cls, dir.filePath("fallback.ZKCF"), dir.path(), QStringLiteral("a"));
    const Opened opened = openSaveGenerate(cls, dir.filePath("bad.ZKCF"), dir.path(), QStringLiteral("b"));

    // The user is told once which value Open replaced; the fallback's
    // design then opens with its own boxes.
    QCOMPARE(opened.boxes, told + expected.boxes);
    QCOMPARE(shown(opened.page.get()), shown(expected.page.get()));
    QVERIFY(qIsFinite(opened.page->model->hextMhz) && qIsFinite(opened.page->model->usbDiv));
    QCOMPARE(opened.page->model->hextMhz, expected.page->model->hextMhz);
    QCOMPARE(opened.page->model->usbDiv, expected.page->model->usbDiv);
    // The bad text never reaches Save: the file is the fallback's.
    QVERIFY(!opened.saved.isEmpty());
    QCOMPARE(opened.saved, expected.saved);
    // Nor the code.
    QCOMPARE(opened.generateBoxes, expected.generateBoxes);
    QVERIFY2(opened.generateBoxes.join(' ').contains("Generate code finished!"),
             qPrintable(opened.generateBoxes.join(" | ")));
    QCOMPARE(opened.generated, expected.generated);
    QVERIFY(opened.generated.contains(QStringLiteral("HEXT_VALUE")));
}

void TestDesignFileValues::longHextIsShownWhole_data()
{
    QTest::addColumn<QString>("cls");
    for (const FamilyPage &p : kPages)
        QTest::newRow(p.cls) << p.cls;
}

// More decimals than the edit's eight characters hold: the edit shows the
// value rounded to fit, applied, and the model, the saved file and the code
// hold what it shows.
void TestDesignFileValues::longHextIsShownWhole()
{
    QFETCH(QString, cls);
    QTemporaryDir dir;
    std::unique_ptr<KytoMCUPLL> fresh(SeriesPages::create(cls));
    PendingEdits::runAction(fresh.get(), SeriesPages::operationsOf(cls), QStringLiteral("save"), dir.path(),
                            QString(), QStringLiteral("base.ZKCF"));
    const QString base = PendingEdits::readFile(dir.filePath("base.ZKCF"));
    // The system clock on HEXT, so no PLL window or limit gets in the way.
    writeFile(dir.filePath("long.ZKCF"), replaceKey(replaceKey(base, QStringLiteral("hext"), QStringLiteral("12.3456789")),
                                                    QStringLiteral("sclkselect"), QStringLiteral("0")));

    const Opened opened = openSaveGenerate(cls, dir.filePath("long.ZKCF"), dir.path(), QStringLiteral("again"));
    QLineEdit *hext = SeriesPages::edit(opened.page.get(), QStringLiteral("hext"));
    QCOMPARE(hext->text(), QStringLiteral("12.34568"));
    QVERIFY2(!hext->styleSheet().contains(QStringLiteral("rgb(255, 255, 225)")), qPrintable(hext->styleSheet()));
    QCOMPARE(opened.page->model->hextMhz, 12.34568);
    QVERIFY2(!opened.boxes.join(' ').contains(QStringLiteral("hext")), qPrintable(opened.boxes.join(" | ")));
    QVERIFY2(opened.saved.contains(QStringLiteral("<hext>12.345680</hext>")), qPrintable(opened.saved));
    QVERIFY2(opened.generated.contains(QStringLiteral("((uint32_t)12345680)")),
             qPrintable(opened.generateBoxes.join(" | ")));
}

void TestDesignFileValues::nonFiniteTypedValueIsRefused_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("text");
    for (const FamilyPage &p : kPages) {
        for (const char *text : {"nan", "inf", "-inf", "1e308"})
            QTest::addRow("%s %s", p.cls, text) << p.cls << text;
    }
}

// The edits' validators let no letters in, but a text that reaches an edit
// otherwise is checked all the same.
void TestDesignFileValues::nonFiniteTypedValueIsRefused()
{
    QFETCH(QString, cls);
    QFETCH(QString, text);
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    for (const QString &node : {QStringLiteral("hext"), QStringLiteral("sclk")}) {
        QLineEdit *edit = SeriesPages::edit(page.get(), node);
        QVERIFY(edit->isEnabled());
        const double hext = page->model->hextMhz;
        const double sclk = page->model->sclkMhz;
        UserDialogs::reset();
        edit->setText(text);
        emit edit->returnPressed();
        QCOMPARE(boxTexts(), QStringList{"Error: " + node + " input error!"});
        QCOMPARE(page->model->hextMhz, hext);
        QCOMPARE(page->model->sclkMhz, sclk);
        // Generate stops at the same box instead of writing the value.
        UserDialogs::reset();
        QTemporaryDir dir;
        const PendingEdits::Outcome outcome = PendingEdits::runAction(
            page.get(), SeriesPages::operationsOf(cls), QStringLiteral("generate"), dir.path(), QString());
        QVERIFY(!outcome.generated);
        QCOMPARE(boxTexts(), QStringList{"Error: " + node + " input error!"});
        UserDialogs::reset();
        edit->setText(node == QLatin1String("hext") ? QString::number(hext) : QString::number(sclk));
        emit edit->returnPressed();
    }
}

void TestDesignFileValues::clockThatIsNoFrequencyIsNotGenerated_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QString>("shownMhz");
    QTest::newRow("R620A ahbclk nan") << "KytoR620APLL" << "ahbclk" << qQNaN() << "nan";
    QTest::newRow("R750 apb1clk -inf") << "KytoR750PLL" << "apb1clk" << -qInf() << "-inf";
    QTest::newRow("R740 apb2clk 0") << "KytoR740PLL" << "apb2clk" << 0.0 << "0";
    QTest::newRow("R810 ahbclk 0") << "KytoR810PLL" << "ahbclk" << 0.0 << "0";
    QTest::newRow("D515 apb1clk nan") << "KytoD515PLL" << "apb1clk" << qQNaN() << "nan";
    QTest::newRow("R910 apb2clk -inf") << "KytoR910PLL" << "apb2clk" << -qInf() << "-inf";
}

// The last guard behind every page's checks, on the generate road they all
// take: a clock that slipped past them gets a clear error box, in Generate
// and in Code View, and no folder is asked for. (Pages recompute or confirm
// their edits before they get here, so the road is driven directly.)
void TestDesignFileValues::clockThatIsNoFrequencyIsNotGenerated()
{
    QFETCH(QString, cls);
    QFETCH(QString, clock);
    QFETCH(double, mhz);
    QFETCH(QString, shownMhz);
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    ClockTreeModel *m = page->model;
    double *field = clock == QLatin1String("hext") ? &m->hextMhz
                    : clock == QLatin1String("sclk") ? &m->sclkMhz
                    : clock == QLatin1String("ahbclk") ? &m->ahbMhz
                    : clock == QLatin1String("apb1clk") ? &m->apb1Mhz
                                                        : &m->apb2Mhz;
    *field = mhz;
    const QString box = QStringLiteral("Error: Generate code failed! The %1 clock of %2 MHz is not a valid frequency.")
                            .arg(clock, shownMhz);
    for (int interactive : {1, 0}) {
        UserDialogs::reset();
        m->interactiveGenerate = interactive;
        QVERIFY(!CodeGeneration::writeSources(page.get(), PageMessages(page.get()), m, QStringLiteral("kytor620")));
        QCOMPARE(boxTexts(), QStringList{box});
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
    }
}

void TestDesignFileValues::slowClockIsGeneratedAndSaved_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines");

    // HEXT 8 / 32 = 250 kHz, / 512 = 488.28 Hz.
    QTest::newRow("R930 HEXT /32, AHB /512")
        << "KytoR930PLL" << QStringList{"sclkselect=0", "hextdiv=/32", "ahbdiv=/512"}
        << QStringList{"(hext / 32)", "- sclk                = 250000", "- ahbclk              = 488",
                       "- apb1clk             = 488", "CRM_HEXT_SCLK_DIV_32", "CRM_AHB_DIV_512"};
    // HICK 8 / 16 = 500 kHz, / 512 = 976.56 Hz, / 16 = 61.04 Hz.
    QTest::newRow("R910 HICK /16, AHB /512, APB1 /16")
        << "KytoR910PLL" << QStringList{"sclkselect=2", "hickdiv=/16", "ahbdiv=/512", "apb1div=/16"}
        << QStringList{"- sclk                = 500000", "- ahbclk              = 977", "- apb1clk             = 61",
                       "- apb2clk             = 977", "CRM_HICK_SCLK_DIV_16", "CRM_APB1_DIV_16"};
    QTest::newRow("D515 HICK /16, AHB /512, APB1 /16")
        << "KytoD515PLL" << QStringList{"sclkselect=2", "hickdiv=/16", "ahbdiv=/512", "apb1div=/16"}
        << QStringList{"- ahbclk              = 977", "- apb1clk             = 61", "CRM_APB1_DIV_16"};
    QTest::newRow("H740 HEXT /32, AHB /512, APB1 /16")
        << "KytoH740PLL" << QStringList{"sclkselect=hext", "hextdiv=/32", "ahbdiv=/512", "apb1div=/16"}
        << QStringList{"- ahbclk              = 488", "- apb1clk             = 31", "CRM_APB1_DIV_16"};
}

// Every divider the page offers makes a clock the code can hold, however
// slow: Generate writes it to the Hz, and Save keeps the same design.
void TestDesignFileValues::slowClockIsGeneratedAndSaved()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (CustomComboBox1 *c = page->findChild<CustomComboBox1 *>(name + QStringLiteral("_ComboBox"))) {
            int index = c->count() - 1;
            while (index >= 0 && c->itemText(index).trimmed() != value)
                --index;
            QVERIFY2(index >= 0 && c->isEnabled(), qPrintable(step));
            c->setCurrentIndex(index);
        } else {
            QRadioButton *r = SeriesPages::radio(page.get(), name, value);
            QVERIFY2(r && r->isEnabled(), qPrintable(step));
            r->click();
        }
    }
    QTemporaryDir dir;
    UserDialogs::reset();
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);
    QVERIFY(PendingEdits::runAction(page.get(), ops, QStringLiteral("generate"), dir.path(), QString()).generated);
    QCOMPARE(boxTexts().size(), 1);
    QVERIFY2(boxTexts().first().startsWith(QLatin1String("Information: Generate code finished!")),
             qPrintable(boxTexts().join(QLatin1Char('\n'))));
    const QStringList clockFiles = QDir(dir.filePath(QStringLiteral("src"))).entryList({QStringLiteral("*_clock.c")});
    QCOMPARE(clockFiles.size(), 1);
    const QString code = PendingEdits::readFile(dir.filePath(QStringLiteral("src/") + clockFiles.first()));
    for (const QString &line : lines)
        QVERIFY2(code.contains(line), qPrintable(line));

    UserDialogs::reset();
    PendingEdits::runAction(page.get(), ops, QStringLiteral("save"), dir.path(), QString());
    QCOMPARE(boxTexts(), QStringList{QStringLiteral("Information: Save file succeed!")});
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("design.ZKCF"))));
}

QTEST_MAIN(TestDesignFileValues)
#include "tst_designfile_values.moc"
