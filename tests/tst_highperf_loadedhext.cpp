// A design opened with a HEXT out of range keeps that text in its edit; a
// system clock typed afterwards without Return must not carry Generate or
// Save past the HEXT check, and the HEXT box comes once per click.
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
using SeriesPages::edit;

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
    UserDialogs::answerNextFileDialog(path);
    ops.saveConfig(saved.get(), KytoPLLConfig::seriesName(saved->model->seriesIndex));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression("<hext>[^<]*</hext>"), "<hext>30</hext>");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();

    std::unique_ptr<KytoMCUPLL> page(SeriesPages::create(cls));
    UserDialogs::reset();
    ops.loadConfig(page.get(), path);
    QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
    QLineEdit *sclk = edit(page.get(), "sclk");
    sclk->clear();
    QTest::keyClicks(sclk, "100");
    const double sclkBefore = page->model->sclkMhz;

    UserDialogs::reset();
    UserDialogs::answerNextFileDialog(action == "save" ? dir.filePath("again.ZKCF") : dir.path());
    bool generated = false;
    if (action == "save") {
        ops.saveConfig(page.get(), KytoPLLConfig::seriesName(page->model->seriesIndex));
    } else {
        page->model->interactiveGenerate = 1;
        generated = ops.generateCode(page.get());
    }

    QVERIFY2(boxTexts() == QStringList{"Error: hext input error!"}, qPrintable(boxTexts().join(" | ")));
    QVERIFY(!generated);
    QVERIFY(!QFile::exists(dir.filePath("again.ZKCF")));
    QVERIFY(!QFile::exists(dir.filePath("src")));
    // The typed clock stays pending for mending, the model untouched.
    QCOMPARE(sclk->text(), QStringLiteral("100"));
    QCOMPARE(page->model->sclkMhz, sclkBefore);
}

QTEST_MAIN(TestHighPerfLoadedHext)
#include "tst_highperf_loadedhext.moc"
