// Questions about typed PLL factors: before Generate, Code View or Save each
// factor is asked about at most once, an answer given is kept, and Cancel
// stops the action with nothing applied that the page does not show. Config
// Reset discards typed values without asking about them.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using SeriesPages::boxTexts;

namespace {

const QString kMsQuestion = QStringLiteral(
    "Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n"
    "2MHz <= pll_input / pll_ms <= 16MHz");

// The pending look of a typed edit has a pale yellow background.
bool looksPending(const QLineEdit *edit)
{
    return edit->styleSheet().contains(QLatin1String("255, 255, 225"));
}

int factorOf(const QLineEdit *edit)
{
    return edit->text().mid(1).toInt();
}

// Empty when each factor edit either shows the model's factor in the applied
// look, or keeps a typed text in the pending look while the model still
// holds the factor it had before the action.
QString factorEditFault(QWidget *page, int msBefore, int nsBefore)
{
    const ClockTreeModel *model = qobject_cast<KytoMCUPLL *>(page)->model;
    const struct {
        const char *node;
        int held;
        int before;
    } factors[] = {{"pllms", model->pllMs, msBefore}, {"pllns", model->pllNs, nsBefore}};
    for (const auto &f : factors) {
        const QLineEdit *edit = SeriesPages::edit(page, QString::fromLatin1(f.node));
        const QString seen = QStringLiteral("%1 shows '%2' (%3) with the model at %4 (before: %5)")
                                 .arg(QLatin1String(f.node), edit->text(),
                                      looksPending(edit) ? QStringLiteral("pending") : QStringLiteral("applied"))
                                 .arg(f.held)
                                 .arg(f.before);
        if (factorOf(edit) == f.held ? looksPending(edit) : (!looksPending(edit) || f.held != f.before))
            return seen;
    }
    return QString();
}

} // namespace

class TestFactorQuestions : public QObject
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

    void eachFactorAskedOnce_data();
    void eachFactorAskedOnce();
    void resetAsksNothing_data();
    void resetAsksNothing();
};

void TestFactorQuestions::eachFactorAskedOnce_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("before");    // steps before typing (setUp)
    QTest::addColumn<QString>("nodes");         // typed without Return, comma separated
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("action");        // generate, preview, save
    QTest::addColumn<QStringList>("answers");   // Yes or Cancel, one per question in turn
    QTest::addColumn<QStringList>("questions"); // the questions asked, in turn
    QTest::addColumn<bool>("done");             // the action went through
    QTest::addColumn<QString>("factors");       // "/ms *ns" the model holds after; empty: as before

    const QString ns1200 = PendingEdits::nsQuestion(1200);
    const QString ns1000 = PendingEdits::nsQuestion(1000);
    const QStringList yesYes{"Yes", "Yes"};
    const QStringList yesCancel{"Yes", "Cancel"};
    const QStringList noSteps;
    const QStringList flexibleMode{"pllmode=1"};

    // pll_ms 6 leaves 1.33 MHz at the PLL input, pll_ns 40 too little VCO:
    // the first question's answer writes into the second typed edit.
    const struct {
        const char *cls;
        QStringList before;
        QString ns;
        const char *action;
        const char *agreed;
    } both[] = {
        {"KytoR810PLL", noSteps, ns1200, "preview", "/4 *250"},
        {"KytoR820PLL", noSteps, ns1200, "generate", "/4 *250"},
        {"KytoR910PLL", noSteps, ns1200, "save", "/4 *250"},
        {"KytoR920PLL", noSteps, ns1200, "preview", "/4 *250"},
        {"KytoR930PLL", noSteps, ns1200, "generate", "/4 *250"},
        {"KytoD515PLL", noSteps, ns1000, "preview", "/4 *250"},
        {"KytoD525PLL", noSteps, ns1000, "save", "/4 *250"},
        {"KytoR720PLL", flexibleMode, ns1000, "preview", "/4 *250"},
        {"KytoE105PLL", flexibleMode, ns1000, "generate", "/4 *250"},
        {"KytoR610PLL", noSteps, ns1000, "preview", "/4 *250"},
        {"KytoH740PLL", noSteps, ns1000, "save", "/4 *250"},
    };
    for (const auto &row : both) {
        const QString name = QString::fromLatin1(row.cls).mid(4, 4) + QLatin1Char(' ') + row.action;
        const QStringList asked{kMsQuestion, row.ns};
        QTest::newRow(qPrintable(name + ", both Yes")) << row.cls << row.before << "pllms,pllns" << "6,40"
                                                      << row.action << yesYes << asked << true << row.agreed;
        QTest::newRow(qPrintable(name + ", pll_ns Cancel")) << row.cls << row.before << "pllms,pllns" << "6,40"
                                                           << row.action << yesCancel << asked << false << "";
    }
    QTest::newRow("R810 generate, pll_ms Cancel") << "KytoR810PLL" << noSteps << "pllms,pllns" << "6,40" << "generate"
                                                  << QStringList{"Cancel"} << QStringList{kMsQuestion} << false
                                                  << "";
    // The HEXT's own check takes the typed factors with it; they are not
    // asked about again in their own turn.
    QTest::newRow("R910 hext and pll_ms, generate") << "KytoR910PLL" << noSteps << "hext,pllms" << "4,6" << "generate"
                                                    << yesYes << QStringList{kMsQuestion, ns1200} << true << "/2 *250";
    QTest::newRow("R720 hext and pll_ms, save") << "KytoR720PLL" << flexibleMode << "hext,pllms" << "4,6" << "save"
                                                << yesYes << QStringList{kMsQuestion, ns1000} << true << "/2 *250";
}

void TestFactorQuestions::eachFactorAskedOnce()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, before);
    QFETCH(QString, nodes);
    QFETCH(QString, texts);
    QFETCH(QString, action);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, done);
    QFETCH(QString, factors);

    QTemporaryDir dir;
    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    QVERIFY(page);
    QWidget *p = page.get();
    PendingEdits::setUp(p, before);
    PendingEdits::typeInto(p, nodes, texts);
    QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));

    for (const QString &answer : answers)
        UserDialogs::answerNextBox(answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::Cancel);
    const QString file = action == QLatin1String("save") ? QStringLiteral("design.ZKCF") : QStringLiteral("src/main.c");
    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(page.get(), SeriesPages::operationsOf(cls), action, dir.path(), file, "design.ZKCF");

    QStringList asked = boxTexts();
    asked.erase(std::remove_if(asked.begin(), asked.end(),
                               [](const QString &box) { return !box.contains(QLatin1String("adjusted automatically")); }),
                asked.end());
    QCOMPARE(asked, questions);
    QCOMPARE(QFile::exists(outcome.folder + QLatin1Char('/') + file), done);
    const ClockTreeModel *model = page->model;
    if (factors.isEmpty())
        factors = QStringLiteral("/%1 *%2").arg(outcome.pllMsBefore).arg(outcome.pllNsBefore);
    QCOMPARE(QStringLiteral("/%1 *%2").arg(model->pllMs).arg(model->pllNs), factors);
    const QString fault = factorEditFault(p, outcome.pllMsBefore, outcome.pllNsBefore);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (done) {
        for (const char *node : {"hext", "pllms", "pllns", "sclk"})
            QVERIFY2(!looksPending(SeriesPages::edit(p, node)), node);
    }
}

void TestFactorQuestions::resetAsksNothing_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QStringList>("before");   // steps before typing (setUp)
    QTest::addColumn<QString>("nodes");        // typed without Return, comma separated
    QTest::addColumn<QString>("texts");

    const QStringList hextQuarter{"hextdiv=2"};
    for (const char *cls : {"KytoR910PLL", "KytoR920PLL", "KytoR930PLL"}) {
        const QString name = QString::fromLatin1(cls).mid(4, 4);
        QTest::newRow(qPrintable(name + " pll_ns 40")) << cls << hextQuarter << "pllns" << "40";
        QTest::newRow(qPrintable(name + " pll_ns 501")) << cls << hextQuarter << "pllns" << "501";
    }
    const QString all = QStringLiteral("hext,pllms,pllns,sclk");
    // The /4 asked for a new pll_ns (answered Yes); the reset's own steps
    // pass /1 with that pll_ns on the way.
    QTest::newRow("R910 after /4, nothing typed") << "KytoR910PLL" << hextQuarter << "" << "";
    // HEXT 4 asked for a new pll_ns; the reset's HEXT 8 meets it on the way.
    const QStringList hext4{"hext=4"};
    QTest::newRow("R810 after HEXT 4, pll_ms typed") << "KytoR810PLL" << hext4 << "pllms" << "6";
    QTest::newRow("D525 after HEXT 4, pll_ns typed") << "KytoD525PLL" << hext4 << "pllns" << "40";
    QTest::newRow("R720 flexible after HEXT 4, pll_ns typed") << "KytoR720PLL" << QStringList{"pllmode=1", "hext=4"}
                                                              << "pllns" << "40";
    QTest::newRow("R640 after HEXT 4, pll_ns typed") << "KytoR640PLL" << hext4 << "pllns" << "40";
    QTest::newRow("R810 all typed") << "KytoR810PLL" << QStringList() << all << "4,6,40,300";
    QTest::newRow("R820 out of range") << "KytoR820PLL" << QStringList() << all << "30,16,501,500";
    QTest::newRow("D515 all typed") << "KytoD515PLL" << QStringList() << all << "4,6,40,300";
    QTest::newRow("R930 out of range") << "KytoR930PLL" << QStringList() << all << "30,16,501,500";
    QTest::newRow("R720 flexible, all typed") << "KytoR720PLL" << QStringList{"pllmode=1"} << all << "4,6,40,300";
    QTest::newRow("NS720 flexible, out of range") << "KytoNS720PLL" << QStringList{"pllmode=1"} << all
                                                  << "30,16,501,500";
    QTest::newRow("R610 all typed") << "KytoR610PLL" << QStringList() << all << "4,6,40,300";
    QTest::newRow("R740 out of range") << "KytoR740PLL" << QStringList() << all << "30,16,501,500";
    QTest::newRow("R620 hext and sclk") << "KytoR620PLL" << QStringList() << "hext,sclk" << "4,300";
    QTest::newRow("R650 out of range") << "KytoR650PLL" << QStringList() << "hext,sclk" << "30,500";
}

// Reset discards typed values: it asks nothing about them and ends as the
// same page reset with nothing typed, every edit showing what the model
// holds. (That a reset gives a new page is the families' own tests' case.)
void TestFactorQuestions::resetAsksNothing()
{
    QFETCH(QString, cls);
    QFETCH(QStringList, before);
    QFETCH(QString, nodes);
    QFETCH(QString, texts);

    auto resetPage = [&](bool typing) {
        KytoMCUPLL *page = SeriesPages::create(cls);
        // Whatever setting up asks is answered Yes: the design before the
        // reset is one the user accepted.
        for (int i = 0; i < 4; ++i)
            UserDialogs::answerNextBox(QMessageBox::Yes);
        PendingEdits::setUp(page, before);
        if (typing && !nodes.isEmpty())
            PendingEdits::typeInto(page, nodes, texts);
        UserDialogs::reset();
        SeriesPages::operationsOf(cls).resetDefaults(page);
        return std::unique_ptr<KytoMCUPLL>(page);
    };
    const std::unique_ptr<KytoMCUPLL> untyped = resetPage(false);
    QVERIFY2(boxTexts().isEmpty(), qPrintable(boxTexts().join(" | ")));
    const std::unique_ptr<KytoMCUPLL> page = resetPage(true);
    QVERIFY2(boxTexts().isEmpty(), qPrintable(boxTexts().join(" | ")));

    // The flexible pages write the same look with or without a closing
    // empty declaration.
    auto state = [](QWidget *p) {
        return PendingEdits::pageState(p).replaceInStrings(QStringLiteral(";;"), QStringLiteral(";"));
    };
    QCOMPARE(state(page.get()), state(untyped.get()));
    for (const QLineEdit *edit : page->findChildren<QLineEdit *>())
        QVERIFY2(!looksPending(edit), qPrintable(edit->objectName() + " '" + edit->text() + "'"));
}

QTEST_MAIN(TestFactorQuestions)
#include "tst_factorquestions.moc"
