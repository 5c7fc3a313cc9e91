// A design opened with a HEXT out of range opens with the page's own crystal,
// shown as the model holds it. A HEXT out of range typed afterwards without
// Return, and a system clock behind it, must not carry Generate or Save
// past the HEXT check, and the HEXT box comes once per click.
#include "PendingEdits.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using SeriesPages::boxTexts;

class TestHighPerfLoadedHext : public QObject
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

    void pendingSclkStopsAtOneHextBox_data();
    void pendingSclkStopsAtOneHextBox();
};

void TestHighPerfLoadedHext::pendingSclkStopsAtOneHextBox_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("action");   // generate, save
    QTest::newRow("R810 generate") << "KytoR810PLL" << "generate";
    QTest::newRow("R820 save") << "KytoR820PLL" << "save";
    QTest::newRow("R910 generate") << "KytoR910PLL" << "generate";
    QTest::newRow("D525 save") << "KytoD525PLL" << "save";
}

void TestHighPerfLoadedHext::pendingSclkStopsAtOneHextBox()
{
    QFETCH(QString, cls);
    QFETCH(QString, action);
    const KytoPLLConfig::SeriesOperations ops = SeriesPages::operationsOf(cls);
    QTemporaryDir dir;
    const QString path = dir.filePath("design.ZKCF");

    std::unique_ptr<KytoMCUPLL> saved(SeriesPages::create(cls));
    PendingEdits::runAction(saved.get(), ops, "save", dir.path(), "design.ZKCF", "design.ZKCF");
    QString text = PendingEdits::readFile(path);
    QVERIFY(text.contains("<hext>"));
    text.replace(QRegularExpression("<hext>[^<]*</hext>"), "<hext>30</hext>");
    QFile design(path);
    QVERIFY(design.open(QIODevice::WriteOnly | QIODevice::Truncate));
    design.write(text.toUtf8());
    design.close();

    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    UserDialogs::reset();
    ops.loadConfig(page.get(), path);
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    QCOMPARE(SeriesPages::edit(page.get(), "hext")->text(), QStringLiteral("8.000"));
    QCOMPARE(page->model->hextMhz, 8.0);
    PendingEdits::typeOnly(SeriesPages::edit(page.get(), "hext"), "30");
    PendingEdits::typeOnly(SeriesPages::edit(page.get(), "sclk"), "100");
    const double sclkBefore = page->model->sclkMhz;

    UserDialogs::reset();
    const QString written = action == "save" ? "again.ZKCF" : "src";
    const PendingEdits::Outcome outcome =
        PendingEdits::runAction(page.get(), ops, action, dir.path(), written, written);
    QVERIFY2(boxTexts() == QStringList{"Error: hext input error!"}, qPrintable(boxTexts().join(" | ")));
    QVERIFY(!outcome.generated);
    // The typed values stay pending for mending, the model untouched.
    const QString fault = PendingEdits::outputFault(page.get(), outcome, written, QString(), "hext,sclk", "30,100");
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(page->model->sclkMhz, sclkBefore);
    QCOMPARE(page->model->hextMhz, 8.0);
}

QTEST_MAIN(TestHighPerfLoadedHext)
#include "tst_highperf_loadedhext.moc"
