// The user manual: both PDFs are built into "Documents" beside the program's
// folder, and the Help menu opens the one of the interface language there.
#include "FormConfiguration.h"
#include "UserDialogs.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

class TestManual : public QObject
{
    Q_OBJECT
public slots:
    void openUrl(const QUrl &url) { opened << url; }

private:
    QList<QUrl> opened;

private slots:
    void init()
    {
        opened.clear();
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void pdfsAreBuilt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << "UM_Kyto_Tessaly_EN.pdf";
        QTest::newRow("Chinese") << "UM_Kyto_Tessaly.pdf";
    }

    void pdfsAreBuilt()
    {
        QFETCH(QString, name);
        QFile pdf(QStringLiteral(KYTO_BINARY_DIR "/Documents/") + name);
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
        const QByteArray data = pdf.readAll();
        QVERIFY(data.startsWith("%PDF-"));
        QVERIFY(data.trimmed().endsWith("%%EOF"));
        // A real manual, not an empty page: several pages of text.
        QVERIFY2(data.count("/Type /Page\n") + data.count("/Type /Page ") + data.count("/Type/Page") >= 2,
                 "fewer than two pages");
        QVERIFY(data.size() > 10000);
    }

    void helpMenuOpensManualBesideProgram_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << 0 << "UM_Kyto_Tessaly_EN.pdf";
        QTest::newRow("Chinese") << 1 << "UM_Kyto_Tessaly.pdf";
    }

    void helpMenuOpensManualBesideProgram()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        // The tests' folder and the program's folder are siblings of "Documents".
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        FormConfiguration window;
        window.setLanguageFlag(language);
        window.findChild<QAction *>("openManualAction")->trigger();
        QDesktopServices::unsetUrlHandler("file");

        QCOMPARE(opened.size(), 1);
        const QString expected = QCoreApplication::applicationDirPath() + "/../Documents/" + name;
        QCOMPARE(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
        QVERIFY(QFileInfo::exists(opened[0].toLocalFile()));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
