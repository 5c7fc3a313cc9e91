// The update check of the main window: index lookup, version packing and the
// whole check against a local HTTPS server, with verification on.

#include "FormConfiguration.h"
#include "HttpsDownload.h"
#include "LocalHttpsServer.h"
#include "UserDialogs.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QFile>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(LocalHttpsServer::Response)

namespace {

const QString tlsDir = QStringLiteral(KYTO_FIXTURES_DIR "/tls");
const QString indexName = QStringLiteral("OrvaneDownloadResource.xml");

QByteArray indexWith(const QString &tool)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Resources>\n"
                          "  <Other><Tool><Name>Kyto Tessaly</Name><Version>9.9.9</Version></Tool></Other>\n"
                          "  <OrvaneTool>\n"
                          "    <Tool><Name>Kyto Other</Name><Version>9.9.9</Version><URLEN>/x/Other.exe</URLEN></Tool>\n"
                          "    <Tool>%1</Tool>\n"
                          "  </OrvaneTool>\n"
                          "  <OrvaneTool><Tool><Name>Kyto Tessaly</Name><Size>1</Size></Tool></OrvaneTool>\n"
                          "</Resources>\n").arg(tool).toUtf8();
}

QByteArray indexFor(const QString &version, const QString &url = "/files/cn/Setup.exe",
                    const QString &urlEn = "/files/en/Setup.exe")
{
    return indexWith(QStringLiteral("<Name>Kyto Tessaly</Name><Version>%1</Version><Size>4000</Size>"
                                    "<URL>%2</URL><URLEN>%3</URLEN>").arg(version, url, urlEn));
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

LocalHttpsServer::Response answer(const QByteArray &body, LocalHttpsServer::Behaviour behaviour)
{
    LocalHttpsServer::Response response;
    response.body = body;
    response.behaviour = behaviour;
    return response;
}

QStringList titles()
{
    QStringList result;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
        result.append(box.title);
    return result;
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

public slots:
    void recordOpenedUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionNumber_data();
    void versionNumber();
    void readIndexValue_data();
    void readIndexValue();
    void readIndexValueOfUnreadableFile();

    void updateCheck_data();
    void updateCheck();
    void boxesOfASuccessfulCheck();
    void latestVersionBox();
    void secondCheckWhileRunningIsIgnored();
    void unreachableServerIsReported_data();
    void unreachableServerIsReported();
    void stalledInstallerDownloadFails();
    void hostileIndexEndsTheCheckSilently_data();
    void hostileIndexEndsTheCheckSilently();
    void installerOfAnotherSizeFails_data();
    void installerOfAnotherSizeFails();
    void chineseCatalogue_data();
    void chineseCatalogue();

private:
    // One check in a fresh window with the English interface; its time in ms.
    qint64 runEnglishCheck();
    // Server addresses are written with this placeholder for the port.
    QString local(const QString &path) const { return server->url(path).toString(); }

    QTemporaryDir *work = nullptr;        // the working folder the index lands in
    QTemporaryDir *downloads = nullptr;   // the folder the user picks
    LocalHttpsServer *server = nullptr;
    QString previousCurrent;
    QList<QUrl> openedUrls;
    QByteArray installer;
};

void TestUpdateCheck::initTestCase()
{
    QVERIFY(QSslSocket::supportsSsl());
    // Whatever the environment says, nothing may leave the loopback range.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "recordOpenedUrl");
    installer = QByteArray(4000, 'i');
    previousCurrent = QDir::currentPath();
}

void TestUpdateCheck::init()
{
    UserDialogs::setTestMode(true);
    UserDialogs::reset();
    openedUrls.clear();
    HttpsDownload::setAdditionalCaCertificates({LocalHttpsServer::caCertificate(tlsDir)});
    work = new QTemporaryDir;
    downloads = new QTemporaryDir;
    QVERIFY(work->isValid() && downloads->isValid());
    QVERIFY(QDir::setCurrent(work->path()));
    server = new LocalHttpsServer;
    QVERIFY(server->start(tlsDir, 20000));
    server->setResponse("/files/en/Setup.exe", installer);
    server->setResponse("/files/cn/Setup.exe", installer);
    server->setResponse("/files/en/Kyto_V3.0.17.exe", installer);
}

void TestUpdateCheck::cleanup()
{
    QDir::setCurrent(previousCurrent);
    delete server;
    server = nullptr;
    delete work;
    work = nullptr;
    delete downloads;
    downloads = nullptr;
    HttpsDownload::setAdditionalCaCertificates({});
    HttpsDownload::timeouts() = HttpsDownload::Timeouts();
    UserDialogs::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint64 TestUpdateCheck::runEnglishCheck()
{
    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    QElapsedTimer clock;
    clock.start();
    window.NewVersionDownload_Slot();
    return clock.elapsed();
}

void TestUpdateCheck::versionNumber_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("packed");
    QTest::addColumn<bool>("newer");
    QTest::addColumn<bool>("readable");

    QTest::newRow("own version") << "3.0.16" << 0x030016 << false << true;
    QTest::newRow("next patch") << "3.0.17" << 0x030017 << true << true;
    QTest::newRow("next minor") << "3.1.0" << 0x030100 << true << true;
    QTest::newRow("hex digit") << "3.0.1A" << 0x03001A << true << true;
    QTest::newRow("bare 4 repeats") << "4" << 0x040404 << true << true;
    QTest::newRow("two parts") << "3.2" << 0x030202 << true << true;
    QTest::newRow("3.0.9") << "3.0.9" << 0x030009 << false << true;
    QTest::newRow("2.99.99") << "2.99.99" << 0x029999 << false << true;
    QTest::newRow("zero reads as a version") << "0.0.0" << 0 << false << true;
    QTest::newRow("empty") << "" << 0 << false << false;
    QTest::newRow("not a number") << "3.0.x" << 0 << false << false;
    QTest::newRow("four parts") << "3.0.1.7" << 0 << false << false;
    QTest::newRow("beyond int") << "8000.0.0" << 0 << false << false;
}

void TestUpdateCheck::versionNumber()
{
    QFETCH(QString, version);
    QFETCH(int, packed);
    QFETCH(bool, newer);
    QFETCH(bool, readable);
    bool ok = !readable;
    QCOMPARE(FormConfiguration::versionNumber(version, &ok), packed);
    QCOMPARE(ok, readable);
    QCOMPARE(FormConfiguration::versionNumber(version) > 0x030016, newer);
}

void TestUpdateCheck::readIndexValue_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray full = indexFor("3.0.17", "https://cn/Setup.exe", "https://en/Setup.exe");
    QTest::newRow("Version") << full << "Version" << "3.0.17";
    QTest::newRow("Size") << full << "Size" << "4000";
    QTest::newRow("URL") << full << "URL" << "https://cn/Setup.exe";
    QTest::newRow("URLEN") << full << "URLEN" << "https://en/Setup.exe";
    QTest::newRow("the name element itself") << full << "Name" << "Kyto Tessaly";
    QTest::newRow("missing key") << full << "Notes" << "";
    QTest::newRow("key before the name is not read")
        << indexWith("<Version>3.0.20</Version><Name>Kyto Tessaly</Name><Size>7</Size>") << "Version" << "";
    QTest::newRow("name from nested text")
        << indexWith("<Name><b>Kyto</b> Tessaly</Name><Version>3.0.18</Version>") << "Version" << "3.0.18";
    QTest::newRow("name compared exactly")
        << indexWith("<Name>kyto tessaly</Name><Version>3.0.18</Version>") << "Version" << "";
    QTest::newRow("only the first group")
        << indexWith("<Name>Kyto Other</Name>") << "Size" << "";
    QTest::newRow("not XML") << QByteArray("Version=3.0.17\n") << "Version" << "";
    // An index never needs entities; one that declares them is not read.
    QTest::newRow("entity declared")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY v \"3.0.17\">]>"
                      "<R><OrvaneTool><T><Name>Kyto Tessaly</Name><Version>&v;</Version></T></OrvaneTool></R>")
        << "Version" << "";
}

void TestUpdateCheck::readIndexValue()
{
    QFETCH(QByteArray, index);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const QString path = work->filePath(indexName);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(index);
    f.close();
    QCOMPARE(FormConfiguration::readIndexValue(path, "OrvaneTool", "Kyto Tessaly", key), expected);
}

void TestUpdateCheck::readIndexValueOfUnreadableFile()
{
    QCOMPARE(FormConfiguration::readIndexValue(work->filePath("absent.xml"), "OrvaneTool", "Kyto Tessaly", "Version"),
             QString());
}

void TestUpdateCheck::updateCheck_data()
{
    QTest::addColumn<int>("languageFlag");
    QTest::addColumn<QByteArray>("index");      // empty: the index is not on the server
    QTest::addColumn<int>("questionAnswer");    // -1: no question expected
    QTest::addColumn<bool>("chooseFolder");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("savedAs");

    const QStringList asked{"Information"};
    const QStringList downloaded{"Information", "Information"};
    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;

    QTest::newRow("newer, English interface")
        << 0 << indexFor("3.0.17") << ok << true << downloaded << "Setup_V3.0.17.exe";
    QTest::newRow("newer, Chinese interface reads URL")
        << 1 << indexFor("3.1.0") << ok << true << downloaded << "Setup_V3.1.0.exe";
    QTest::newRow("version in the address keeps its name")
        << 0 << indexFor("3.0.17", "", "/files/en/Kyto_V3.0.17.exe") << ok << true << downloaded << "Kyto_V3.0.17.exe";
    QTest::newRow("question declined")
        << 0 << indexFor("3.0.17") << cancel << false << asked << "";
    QTest::newRow("folder dialog cancelled")
        << 0 << indexFor("3.0.17") << ok << false << asked << "";
    QTest::newRow("installer address ends with slash")
        << 0 << indexFor("3.0.17", "", "/files/en/") << ok << true << QStringList{"Information", "Error"} << "";
    QTest::newRow("same version") << 0 << indexFor("3.0.16") << -1 << false << QStringList{"Information"} << "";
    QTest::newRow("older version") << 0 << indexFor("2.99.99") << -1 << false << QStringList{"Information"} << "";
    QTest::newRow("zero version") << 0 << indexFor("0.0.0") << -1 << false << QStringList{"Information"} << "";
    QTest::newRow("no Version: silent") << 0 << indexWith("<Name>Kyto Tessaly</Name><Size>1</Size>") << -1 << false
                                        << QStringList() << "";
    QTest::newRow("not XML: silent") << 0 << QByteArray("<html>busy</html") << -1 << false << QStringList() << "";
    QTest::newRow("index missing: silent") << 0 << QByteArray() << -1 << false << QStringList() << "";
}

void TestUpdateCheck::updateCheck()
{
    QFETCH(int, languageFlag);
    QFETCH(QByteArray, index);
    QFETCH(int, questionAnswer);
    QFETCH(bool, chooseFolder);
    QFETCH(QStringList, boxes);
    QFETCH(QString, savedAs);

    // Installer addresses in the index are written as paths on the server.
    index.replace("<URL>/", QByteArray("<URL>") + local("/").toUtf8());
    index.replace("<URLEN>/", QByteArray("<URLEN>") + local("/").toUtf8());
    const QString indexPath = languageFlag == 0 ? "/en/" + indexName : "/cn/" + indexName;
    if (!index.isEmpty())
        server->setResponse(indexPath, index);
    // A stale index in the working folder must not be read.
    QFile stale(work->filePath(indexName));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(indexFor("9.0.0"));
    stale.close();

    if (questionAnswer >= 0)
        UserDialogs::answerNextBox(QMessageBox::StandardButton(questionAnswer));
    if (questionAnswer == QMessageBox::Ok)
        UserDialogs::answerNextFileDialog(chooseFolder ? downloads->path() : QString());
    if (boxes.size() == 2 && boxes.last() == "Information")
        UserDialogs::answerNextBoxWithText("OK");

    FormConfiguration window;
    window.setLanguageFlag(languageFlag);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    window.NewVersionDownload_Slot();

    QCOMPARE(titles(), boxes);
    QCOMPARE(UserDialogs::pendingAnswers(), 0);
    QCOMPARE(server->requestedPaths().value(0), indexPath);
    QCOMPARE(entries(work->path()), QStringList());   // the index never stays behind
    QCOMPARE(entries(downloads->path()), savedAs.isEmpty() ? QStringList() : QStringList{savedAs});
    if (!savedAs.isEmpty()) {
        QFile saved(downloads->filePath(savedAs));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), installer);
        QCOMPARE(server->requestedPaths().value(1).section('/', 2, 2), languageFlag == 0 ? "en" : "cn");
    }
    QVERIFY(openedUrls.isEmpty());
}

void TestUpdateCheck::boxesOfASuccessfulCheck()
{
    // The index is reached through a redirect, which is followed silently.
    LocalHttpsServer::Response moved;
    moved.status = 301;
    moved.location = "/current/" + indexName.toUtf8();
    server->setResponse("/en/" + indexName, moved);
    QByteArray index = indexFor("3.0.17");
    index.replace("<URLEN>/", QByteArray("<URLEN>") + local("/").toUtf8());
    server->setResponse("/current/" + indexName, index);

    UserDialogs::answerNextBox(QMessageBox::Ok);
    UserDialogs::answerNextFileDialog(downloads->path());
    UserDialogs::answerNextBoxWithText(" Open Folder  ");

    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    window.NewVersionDownload_Slot();

    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Question);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Information"));
    QCOMPARE(boxes.at(0).text,
             QStringLiteral("A new version of \"Kyto Tessaly\" has been detected, do you want to download it?"));
    QCOMPARE(boxes.at(0).buttons, (QStringList{"Ok", "Cancel"}));
    QCOMPARE(boxes.at(1).icon, QMessageBox::Information);
    QCOMPARE(boxes.at(1).title, QStringLiteral("Information"));
    QCOMPARE(boxes.at(1).text, "Download succeeded, storage location: \n" + downloads->filePath("Setup_V3.0.17.exe"));
    QCOMPARE(boxes.at(1).buttons, (QStringList{" Open Folder  ", "OK"}));
    QCOMPARE(boxes.at(1).defaultButton, QStringLiteral("OK"));
    QCOMPARE(boxes.at(1).escapeButton, QStringLiteral("OK"));

    const QList<UserDialogs::FileQuestion> questions = UserDialogs::fileQuestions();
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.at(0).kind, QStringLiteral("directory"));
    QCOMPARE(questions.at(0).caption, QStringLiteral("Select directory"));

    QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(downloads->path() + "/")});
    QCOMPARE(server->requestedPaths(),
             (QStringList{"/en/" + indexName, "/current/" + indexName, "/files/en/Setup.exe"}));
    QCOMPARE(entries(work->path()), QStringList());
}

void TestUpdateCheck::latestVersionBox()
{
    server->setResponse("/cn/" + indexName, indexFor("3.0.16"));
    FormConfiguration window;
    window.setLanguageFlag(1);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    window.NewVersionDownload_Slot();

    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Information"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("The current tool is the latest version."));
    QCOMPARE(boxes.at(0).buttons, QStringList{"Ok"});
    QCOMPARE(entries(work->path()), QStringList());
}

void TestUpdateCheck::secondCheckWhileRunningIsIgnored()
{
    LocalHttpsServer::Response stalling;
    stalling.body = indexFor("3.0.17").repeated(50);
    stalling.behaviour = LocalHttpsServer::HalfThenStall;
    server->setResponse("/en/" + indexName, stalling);

    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    auto *entry = window.findChild<QAction *>(QStringLiteral("newVersionDownloadAction"));
    QVERIFY(entry);

    bool disabledWhileRunning = false;
    int requestsAfterSecondCheck = -1;
    connect(server, &LocalHttpsServer::bodyStalled, this, [&] {
        QTimer::singleShot(100, this, [&] {
            disabledWhileRunning = !entry->isEnabled();
            window.NewVersionDownload_Slot();   // must return at once
            requestsAfterSecondCheck = server->requestedPaths().size();
            server->stop();                     // the first check then fails silently
        });
    });
    window.NewVersionDownload_Slot();

    QVERIFY(disabledWhileRunning);
    QCOMPARE(requestsAfterSecondCheck, 1);
    QVERIFY(entry->isEnabled());
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QCOMPARE(entries(work->path()), QStringList());
}

void TestUpdateCheck::unreachableServerIsReported_data()
{
    QTest::addColumn<bool>("listening");
    QTest::newRow("nothing listens") << false;
    QTest::newRow("accepts and never answers") << true;
}

// A check the user asked for ends in a box, never in silence, and leaves the
// menu entry usable.
void TestUpdateCheck::unreachableServerIsReported()
{
    QFETCH(bool, listening);
    HttpsDownload::timeouts().indexRequestMs = 300;
    QTcpServer silent;   // accepts connections and never says a word
    quint16 port = LocalHttpsServer::unusedPort();
    if (listening) {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        port = silent.serverPort();
    }
    const QString base = QStringLiteral("https://127.0.0.1:%1/en/").arg(port);

    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setDownloadBaseUrls(base, base);
    QElapsedTimer clock;
    clock.start();
    window.NewVersionDownload_Slot();

    QVERIFY(clock.elapsed() < 10000);
    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("Can't connect to the update server."));
    QCOMPARE(boxes.at(0).buttons, QStringList{"Ok"});
    QVERIFY(window.findChild<QAction *>(QStringLiteral("newVersionDownloadAction"))->isEnabled());
    QCOMPARE(entries(work->path()), QStringList());
}

void TestUpdateCheck::stalledInstallerDownloadFails()
{
    HttpsDownload::timeouts().stallMs = 500;
    LocalHttpsServer::Response stalling;
    stalling.body = installer;
    stalling.behaviour = LocalHttpsServer::HalfThenStall;
    server->setResponse("/files/en/Setup.exe", stalling);
    QByteArray index = indexFor("3.0.17");
    index.replace("<URLEN>/", QByteArray("<URLEN>") + local("/").toUtf8());
    server->setResponse("/en/" + indexName, index);
    UserDialogs::answerNextBox(QMessageBox::Ok);
    UserDialogs::answerNextFileDialog(downloads->path());

    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setDownloadBaseUrls(local("/en/"), local("/cn/"));
    window.NewVersionDownload_Slot();

    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(1).title, QStringLiteral("Error"));
    QCOMPARE(boxes.at(1).text, QStringLiteral("Download failed: The server did not answer in time."));
    QCOMPARE(entries(downloads->path()), QStringList());   // no partial installer
    QVERIFY(window.findChild<QAction *>(QStringLiteral("newVersionDownloadAction"))->isEnabled());
}

void TestUpdateCheck::hostileIndexEndsTheCheckSilently_data()
{
    QTest::addColumn<LocalHttpsServer::Response>("index");

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    QTest::newRow("nested 25,000 levels")
        << answer(head + QByteArray("<a>").repeated(25000) + QByteArray("</a>").repeated(25000),
                  LocalHttpsServer::Complete);
    // Each expansion stays below Qt's own limit per entity; together they
    // come to 160 million characters.
    QTest::newRow("one entity used 40,000 times")
        << answer(head + "<!DOCTYPE Resources [<!ENTITY e \"" + QByteArray(4000, '3') + "\">]>\n"
                      + indexFor(QStringLiteral("&e;").repeated(40000)).mid(head.size()),
                  LocalHttpsServer::Complete);
    QByteArray oversized = indexFor("3.0.17");
    oversized.insert(oversized.indexOf("</Resources>"), QByteArray("<Pad/>\n").repeated(300000));
    QTest::newRow("2 MiB, a newer version first") << answer(oversized, LocalHttpsServer::Complete);
    QTest::newRow("endless") << answer("<Pad>" + QByteArray(4000, 'p') + "</Pad>\n", LocalHttpsServer::Endless);
}

// Whatever the index answer, the program goes on, shows nothing, and leaves
// nothing behind; a body past the cap is stopped, not waited for.
void TestUpdateCheck::hostileIndexEndsTheCheckSilently()
{
    QFETCH(LocalHttpsServer::Response, index);
    // Without the cap an endless index would run into this and be reported.
    HttpsDownload::timeouts().indexRequestMs = 8000;
    server->setResponse("/en/" + indexName, index);

    const qint64 elapsed = runEnglishCheck();
    QVERIFY2(elapsed < 8000, qPrintable(QString::number(elapsed)));
    QCOMPARE(titles(), QStringList());
    QCOMPARE(server->requestedPaths(), QStringList{"/en/" + indexName});
    QCOMPARE(entries(work->path()), QStringList());
    QCOMPARE(entries(downloads->path()), QStringList());
}

void TestUpdateCheck::installerOfAnotherSizeFails_data()
{
    QTest::addColumn<LocalHttpsServer::Response>("installer");   // the index says 4000 bytes

    QTest::newRow("cut short without a length, 2000")
        << answer(QByteArray(2000, 'i'), LocalHttpsServer::WithoutLength);
    QTest::newRow("one byte short, with its length") << answer(QByteArray(3999, 'i'), LocalHttpsServer::Complete);
    QTest::newRow("one byte over") << answer(QByteArray(4001, 'i'), LocalHttpsServer::Complete);
    QTest::newRow("HTML page") << answer("<html><body>Not here</body></html>\n", LocalHttpsServer::Complete);
    QTest::newRow("long, 4 MB") << answer(QByteArray(4000000, 'i'), LocalHttpsServer::Complete);
    QTest::newRow("endless") << answer(QByteArray(16384, 'i'), LocalHttpsServer::Endless);
}

void TestUpdateCheck::installerOfAnotherSizeFails()
{
    QFETCH(LocalHttpsServer::Response, installer);
    server->setResponse("/files/en/Setup.exe", installer);
    QByteArray index = indexFor("3.0.17");
    index.replace("<URLEN>/", QByteArray("<URLEN>") + local("/").toUtf8());
    server->setResponse("/en/" + indexName, index);
    // A file of the same name is only ever replaced by a complete one.
    QFile existing(downloads->filePath("Setup_V3.0.17.exe"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("the user's own file");
    existing.close();
    UserDialogs::answerNextBox(QMessageBox::Ok);
    UserDialogs::answerNextFileDialog(downloads->path());
    UserDialogs::answerNextBox(QMessageBox::Ok);

    const qint64 elapsed = runEnglishCheck();
    QVERIFY2(elapsed < 8000, qPrintable(QString::number(elapsed)));
    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(titles(), (QStringList{"Information", "Overwrite Existing File", "Error"}));
    QCOMPARE(boxes.at(2).icon, QMessageBox::Critical);
    QCOMPARE(boxes.at(2).text, QStringLiteral("Download failed: The file received is not the size expected."));
    QCOMPARE(boxes.at(2).buttons, QStringList{"Ok"});
    QCOMPARE(entries(downloads->path()), QStringList{"Setup_V3.0.17.exe"});
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("the user's own file"));
    QCOMPARE(entries(work->path()), QStringList());
}

void TestUpdateCheck::chineseCatalogue_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("chinese");

    const QList<QStringList> rows = {
        {"FormConfiguration", "Can't connect to the update server.", "无法连接到更新服务器。"},
        {"HttpsDownload", "The server did not answer in time.", "服务器未及时响应。"},
        {"FormConfiguration", "A new version of \"Kyto Tessaly\" has been detected, do you want to download it?",
         "检测到新版本\"Kyto Tessaly\"，是否下载？"},
        {"FormConfiguration", "Select directory", "选择目录"},
        {"FormConfiguration", "Download succeeded, storage location: ", "下载成功，位于： "},
        {"FormConfiguration", " Open Folder  ", " 打开文件夹  "},
        {"FormConfiguration", "OK", "确定"},
        {"FormConfiguration", "Information", "信息"},
        {"FormConfiguration", "The current tool is the latest version.", "当前软件已是最新版本。"},
        {"FormConfiguration", "Ok", "确定"},
        {"FormConfiguration", "Cancel", "取消"},
        {"HttpsDownload", "Invalid URL : ", "无效的URL : "},
        {"HttpsDownload", "Error", "错误"},
        {"HttpsDownload", "Ok", "确定"},
        {"HttpsDownload", "Cancel", "取消"},
        {"HttpsDownload", " already exists in the current directory. Overwrite?", " 文件已经存在，是否覆盖？"},
        {"HttpsDownload", "Overwrite Existing File", "覆盖文件"},
        {"HttpsDownload", "Unable to save the file ", "无法保存文件 "},
        {"HttpsDownload", "Download failed: ", "下载失败： "},
        {"HttpsDownload", "Too many redirects", "重定向次数过多"},
        {"HttpsDownload", "Redirect to an address that is not HTTPS refused", "已拒绝重定向到非HTTPS地址"},
        {"HttpsDownload", "The file received is not the size expected.", "收到的文件大小与预期不符。"},
        {"HttpsDownload", "One or more SSL errors has occurred: ", "发生SSL错误： "},
        {"HttpsDownload", "\n%1", "\n%1"},
        {"HttpsDownload", "SSL Errors", "SSL错误"},
        {"HttpsDownload", "Ignore", "忽略"},
        {"HttpsDownload", "Abort", "放弃"},
        {"ProgressDialog", "Download Progress", "下载进度"},
        {"ProgressDialog", "Downloading ", "正在下载 "},
        {"ProgressDialog", "%1.", "%1."},
        {"QProgressDialog", "Cancel", "取消"},
    };
    for (const QStringList &row : rows)
        QTest::newRow(qPrintable(row[0] + ": " + row[1].left(40))) << row[0] << row[1] << row[2];
}

// The English catalogue shows these texts as they are.
void TestUpdateCheck::chineseCatalogue()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, chinese);
    QTranslator zh;
    QTranslator en;
    QVERIFY(zh.load(QStringLiteral(":/image/tr_zh.qm")));
    QVERIFY(en.load(QStringLiteral(":/image/tr_en.qm")));
    const QByteArray ctx = context.toUtf8();
    const QByteArray src = source.toUtf8();
    QCOMPARE(zh.translate(ctx, src), chinese);
    const QString english = en.translate(ctx, src);
    QVERIFY2(english.isEmpty() || english == source, qPrintable(english));
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
