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

    void missingManualShowsErrorBox_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::newRow("English") << 0 << "UM_Kyto_Tessaly_EN.pdf" << "Error" << "Can't open user manual!" << "Ok";
        QTest::newRow("Chinese") << 1 << "UM_Kyto_Tessaly.pdf" << "错误" << "无法打开使用手册！" << "确定";
    }

    void missingManualShowsErrorBox()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, button);
        // The manual is moved aside for the test and put back however it ends.
        const QString pdf = QStringLiteral(KYTO_BINARY_DIR "/Documents/") + name;
        const QString aside = pdf + QStringLiteral(".aside");
        QFile::remove(aside);
        QVERIFY(QFile::rename(pdf, aside));
        struct Restore {
            QString from, to;
            ~Restore() { QFile::rename(from, to); }
        } restore{aside, pdf};

        QTranslator translator;
        QVERIFY(translator.load(language ? ":/image/tr_zh.qm" : ":/image/tr_en.qm"));
        QCoreApplication::installTranslator(&translator);
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        FormConfiguration window;
        window.setLanguageFlag(language);
        window.findChild<QAction *>("openManualAction")->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCoreApplication::removeTranslator(&translator);

        QVERIFY(opened.isEmpty());
        const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(boxes[0].buttons, QStringList{button});
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
