// The downloader against a real HTTPS server on 127.0.0.1 with TLS
// verification on: naming rules, failures, redirects, partial files,
// cancelling and certificate errors.

#include "HttpsDownload.h"
#include "LocalHttpsServer.h"
#include "ProgressDialog.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QString tlsDir = QStringLiteral(KYTO_FIXTURES_DIR "/tls");

QByteArray fileContents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QList<ProgressDialog *> visibleProgressDialogs()
{
    QList<ProgressDialog *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ProgressDialog *>(w)) {
            if (dialog->isVisible())
                found.append(dialog);
        }
    }
    return found;
}

LocalHttpsServer::Response redirectTo(const QByteArray &location, int status = 302)
{
    LocalHttpsServer::Response r;
    r.status = status;
    r.location = location;
    return r;
}

} // namespace

class TestHttpsDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void localFileName_data();
    void localFileName();
    void invalidAddressIsRefusedBeforeAnyRequest_data();
    void invalidAddressIsRefusedBeforeAnyRequest();
    void download_data();
    void download();
    void connectionRefusedIsReported();
    void existingFile_data();
    void existingFile();
    void unwritableFolderIsReported();
    void failedWriteAbortsTheTransfer();
    void cancelDuringSlowTransferAfterRedirect_data();
    void cancelDuringSlowTransferAfterRedirect();
    void untrustedCertificate_data();
    void untrustedCertificate();
    void untrustedCertificateRealBoxDefaultsToAbort();
    void progressBeyondIntRange_data();
    void progressBeyondIntRange();

private:
    QTemporaryDir *folder = nullptr;
    LocalHttpsServer *server = nullptr;
    QByteArray payload;
};

void TestHttpsDownload::initTestCase()
{
    QVERIFY(QSslSocket::supportsSsl());
    // Whatever the environment says, nothing may leave the loopback range.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(!LocalHttpsServer::caCertificate(tlsDir).isNull());
    for (int i = 0; i < 40000; ++i)
        payload.append(char('A' + i % 23));
}

void TestHttpsDownload::init()
{
    UserDialogs::setTestMode(true);
    UserDialogs::reset();
    HttpsDownload::setAdditionalCaCertificates({LocalHttpsServer::caCertificate(tlsDir)});
    folder = new QTemporaryDir;
    QVERIFY(folder->isValid());
    server = new LocalHttpsServer;
    QVERIFY(server->start(tlsDir, 20000));
}

void TestHttpsDownload::cleanup()
{
    delete server;
    server = nullptr;
    delete folder;
    folder = nullptr;
    HttpsDownload::setAdditionalCaCertificates({});
    UserDialogs::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestHttpsDownload::localFileName_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");

    QTest::newRow("version inserted before suffix") << "https://h/a/Setup.exe" << "3.0.17" << "Setup_V3.0.17.exe";
    QTest::newRow("no suffix gives trailing dot") << "https://h/a/Setup" << "3.0.17" << "Setup_V3.0.17.";
    QTest::newRow("only last dot is the suffix") << "https://h/Kyto.Tool.zip" << "3.1.0" << "Kyto.Tool_V3.1.0.zip";
    QTest::newRow("no version keeps the name") << "https://h/Kyto_V3.0.17.exe" << "" << "Kyto_V3.0.17.exe";
    QTest::newRow("percent-encoded blank decoded") << "https://h/Kyto%20Setup.exe" << "" << "Kyto Setup.exe";
    QTest::newRow("trailing slash") << "https://h/dir/" << "" << "";
    QTest::newRow("encoded slash traversal") << "https://h/..%2F..%2Fx.exe" << "" << "";
    QTest::newRow("encoded backslash") << "https://h/..%5Cx.exe" << "" << "";
    QTest::newRow("dot dot") << "https://h/a/.." << "" << "";
    QTest::newRow("colon") << "https://h/C%3Ax.exe" << "" << "";
    QTest::newRow("control character") << "https://h/a%0Ab.exe" << "" << "";
    QTest::newRow("version with slash") << "https://h/Setup.exe" << "../../x" << "";
    QTest::newRow("version with wildcard") << "https://h/Setup.exe" << "3.*" << "";
}

void TestHttpsDownload::localFileName()
{
    QFETCH(QString, address);
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(HttpsDownload::localFileName(QUrl(address), version), expected);
}

void TestHttpsDownload::invalidAddressIsRefusedBeforeAnyRequest_data()
{
    QTest::addColumn<QString>("path");     // appended to the server's https address unless "raw:"
    QTest::addColumn<QString>("version");

    QTest::newRow("ends with slash") << "/dir/" << "";
    QTest::newRow("encoded traversal") << "/..%2F..%2Fx.exe" << "";
    QTest::newRow("unsafe version") << "/Setup.exe" << "3/../../x";
    QTest::newRow("plain http") << "raw:http://127.0.0.1:1/Setup.exe" << "";
    QTest::newRow("no scheme, taken as http") << "raw:127.0.0.1/Setup.exe" << "";
    QTest::newRow("empty") << "raw:" << "";
    QTest::newRow("blank") << "raw:   " << "";
}

void TestHttpsDownload::invalidAddressIsRefusedBeforeAnyRequest()
{
    QFETCH(QString, path);
    QFETCH(QString, version);
    const QString address = path.startsWith("raw:") ? path.mid(4) : server->url(QString()).toString() + path;

    HttpsDownload download;
    download.showDialogs = true;
    QString target = folder->path();
    QVERIFY(!download.downloadFile(address, target, version, 0));

    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error"));
    QCOMPARE(boxes.at(0).text, QStringLiteral("Invalid URL : ") + address);
    QCOMPARE(boxes.at(0).buttons, QStringList{"Ok"});
    QVERIFY(server->requestedPaths().isEmpty());
    QVERIFY(entries(folder->path()).isEmpty());
    QCOMPARE(target, folder->path());
}

void TestHttpsDownload::download_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("savedAs");       // "" when nothing may be left in the folder
    QTest::addColumn<QString>("boxText");       // prefix of the one error box, "" for none
    QTest::addColumn<int>("requests");

    QTest::newRow("complete") << "/Setup.exe" << "" << true << "Setup.exe" << "" << 1;
    QTest::newRow("version suffix") << "/Setup.exe" << "3.0.17" << true << "Setup_V3.0.17.exe" << "" << 1;
    QTest::newRow("redirect followed silently") << "/moved/Setup.exe" << "" << true << "Setup.exe" << "" << 2;
    QTest::newRow("relative redirect") << "/relative/Setup.exe" << "" << true << "Setup.exe" << "" << 2;
    QTest::newRow("not found") << "/missing.exe" << "" << false << "" << "Download failed: " << 1;
    QTest::newRow("redirect loop stopped") << "/loop.exe" << "" << false << "" << "Download failed: " << 11;
    QTest::newRow("redirect to http refused") << "/downgrade.exe" << "" << false << "" << "Download failed: " << 1;
    QTest::newRow("half body then close") << "/half.exe" << "" << false << "" << "Download failed: " << 1;
}

void TestHttpsDownload::download()
{
    QFETCH(QString, path);
    QFETCH(QString, version);
    QFETCH(bool, ok);
    QFETCH(QString, savedAs);
    QFETCH(QString, boxText);
    QFETCH(int, requests);

    server->setResponse("/Setup.exe", payload);
    server->setResponse("/moved/Setup.exe", redirectTo(server->url("/Setup.exe").toEncoded(), 301));
    server->setResponse("/relative/Setup.exe", redirectTo("../Setup.exe", 307));
    server->setResponse("/loop.exe", redirectTo("/loop.exe"));
    server->setResponse("/downgrade.exe", redirectTo("http://127.0.0.1:1/Setup.exe"));
    LocalHttpsServer::Response half;
    half.body = payload;
    half.behaviour = LocalHttpsServer::HalfThenClose;
    server->setResponse("/half.exe", half);

    HttpsDownload download;
    download.showDialogs = true;
    QString target = folder->path();
    QCOMPARE(download.downloadFile(server->url(path).toString(), target, version, payload.size()), ok);

    QCOMPARE(server->requestedPaths().size(), requests);
    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    if (boxText.isEmpty()) {
        QVERIFY(boxes.isEmpty());
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).title, QStringLiteral("Error"));
        QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
        QVERIFY2(boxes.at(0).text.startsWith(boxText), qPrintable(boxes.at(0).text));
        QVERIFY(boxes.at(0).text.size() > boxText.size());
    }
    if (savedAs.isEmpty()) {
        QCOMPARE(entries(folder->path()), QStringList());
    } else {
        QCOMPARE(entries(folder->path()), QStringList{savedAs});
        QCOMPARE(target, folder->path() + "/" + savedAs);
        QCOMPARE(fileContents(target), payload);
    }
    QVERIFY(visibleProgressDialogs().isEmpty());
}

void TestHttpsDownload::connectionRefusedIsReported()
{
    const quint16 port = LocalHttpsServer::unusedPort();
    QVERIFY(port != 0);
    HttpsDownload download;
    download.showDialogs = true;
    QString target = folder->path();
    QVERIFY(!download.downloadFile(QStringLiteral("https://127.0.0.1:%1/Setup.exe").arg(port), target, "", 0));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QCOMPARE(UserDialogs::shownBoxes().at(0).text, QStringLiteral("Download failed: Connection refused"));
    QVERIFY(entries(folder->path()).isEmpty());
}

void TestHttpsDownload::existingFile_data()
{
    QTest::addColumn<bool>("showDialogs");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("requests");

    QTest::newRow("Cancel keeps the file, nothing fetched") << true << int(QMessageBox::Cancel) << "/Setup.exe" << false << false << 0;
    QTest::newRow("Ok replaces it") << true << int(QMessageBox::Ok) << "/Setup.exe" << true << true << 1;
    QTest::newRow("Ok but the download fails") << true << int(QMessageBox::Ok) << "/gone/Setup.exe" << false << false << 1;
    QTest::newRow("silent replaces without asking") << false << -1 << "/Setup.exe" << true << true << 1;
    QTest::newRow("silent failure keeps it") << false << -1 << "/gone/Setup.exe" << false << false << 1;
}

void TestHttpsDownload::existingFile()
{
    QFETCH(bool, showDialogs);
    QFETCH(int, answer);
    QFETCH(QString, path);
    QFETCH(bool, ok);
    QFETCH(bool, replaced);
    QFETCH(int, requests);

    server->setResponse("/Setup.exe", payload);
    const QString existing = folder->path() + "/Setup.exe";
    writeFile(existing, "the user's own file");
    if (answer >= 0)
        UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));

    HttpsDownload download;
    download.showDialogs = showDialogs;
    QString target = folder->path();
    QCOMPARE(download.downloadFile(server->url(path).toString(), target, "", 0), ok);

    QCOMPARE(server->requestedPaths().size(), requests);
    QCOMPARE(fileContents(existing), replaced ? payload : QByteArray("the user's own file"));
    QCOMPARE(entries(folder->path()), QStringList{"Setup.exe"});
    if (showDialogs) {
        const UserDialogs::ShownBox question = UserDialogs::shownBoxes().value(0);
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.title, QStringLiteral("Overwrite Existing File"));
        QCOMPARE(question.text, existing + " already exists in the current directory. Overwrite?");
        QCOMPARE(question.buttons, (QStringList{"Ok", "Cancel"}));
    } else {
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }
}

void TestHttpsDownload::unwritableFolderIsReported()
{
    // A plain file where the folder should be: nothing can be created in it.
    const QString notAFolder = folder->path() + "/plain";
    writeFile(notAFolder, "x");
    server->setResponse("/Setup.exe", payload);

    HttpsDownload download;
    download.showDialogs = true;
    QString target = notAFolder;
    QVERIFY(!download.downloadFile(server->url("/Setup.exe").toString(), target, "", 0));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QCOMPARE(UserDialogs::shownBoxes().at(0).text, "Unable to save the file " + notAFolder + "/Setup.exe");
    QVERIFY(server->requestedPaths().isEmpty());
}

void TestHttpsDownload::failedWriteAbortsTheTransfer()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the disk refuse the data part way through.
    server->setResponse("/Setup.exe", payload.repeated(10));
    const QString existing = folder->path() + "/Setup.exe";
    writeFile(existing, "old");
    UserDialogs::answerNextBox(QMessageBox::Ok);

    HttpsDownload download;
    download.showDialogs = true;
    QString target = folder->path();
    struct rlimit previous;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    struct rlimit limited = previous;
    limited.rlim_cur = 64 * 1024;
    const sighandler_t previousHandler = signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool ok = download.downloadFile(server->url("/Setup.exe").toString(), target, "", 0);
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, previousHandler);

    QVERIFY(!ok);
    QCOMPARE(UserDialogs::shownBoxes().size(), 2);
    QCOMPARE(UserDialogs::shownBoxes().at(1).title, QStringLiteral("Error"));
    QCOMPARE(UserDialogs::shownBoxes().at(1).text, "Unable to save the file " + existing);
    QCOMPARE(entries(folder->path()), QStringList{"Setup.exe"});
    QCOMPARE(fileContents(existing), QByteArray("old"));
#else
    QSKIP("needs a file-size limit");
#endif
}

void TestHttpsDownload::cancelDuringSlowTransferAfterRedirect_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("Escape key") << "escape";
    QTest::newRow("window closed") << "close";
}

void TestHttpsDownload::cancelDuringSlowTransferAfterRedirect()
{
    QFETCH(QString, how);
    LocalHttpsServer::Response slow;
    slow.body = payload.repeated(25);   // about 1 MB, half of it sent
    slow.behaviour = LocalHttpsServer::HalfThenStall;
    server->setResponse("/slow/Setup.exe", slow);
    server->setResponse("/Setup.exe", redirectTo("/slow/Setup.exe"));
    const QString existing = folder->path() + "/Setup.exe";
    writeFile(existing, "old");
    UserDialogs::answerNextBox(QMessageBox::Ok);

    HttpsDownload download;
    download.showDialogs = true;
    int dialogsWhileRunning = -1;
    bool secondDownloadRefused = false;
    connect(server, &LocalHttpsServer::bodyStalled, this, [&] {
        QTimer::singleShot(300, this, [&] {
            const QList<ProgressDialog *> dialogs = visibleProgressDialogs();
            dialogsWhileRunning = dialogs.size();
            QString other = folder->path();
            secondDownloadRefused = !download.downloadFile(server->url("/other.exe").toString(), other, "", 0);
            if (dialogs.size() != 1)
                return;
            if (how == "button") {
                if (QPushButton *cancel = dialogs.at(0)->findChild<QPushButton *>())
                    cancel->click();
            } else if (how == "escape") {
                QTest::keyClick(dialogs.at(0), Qt::Key_Escape);
            } else {
                dialogs.at(0)->close();
            }
        });
    });

    QString target = folder->path();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!download.downloadFile(server->url("/Setup.exe").toString(), target, "", slow.body.size()));
    QVERIFY2(clock.elapsed() < 15000, "ended by the server's lifetime, not by Cancel");

    QCOMPARE(dialogsWhileRunning, 1);
    QVERIFY(secondDownloadRefused);
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);   // the overwrite question only
    QCOMPARE(entries(folder->path()), QStringList{"Setup.exe"});
    QCOMPARE(fileContents(existing), QByteArray("old"));
    QVERIFY(visibleProgressDialogs().isEmpty());
    QCOMPARE(server->requestedPaths(), (QStringList{"/Setup.exe", "/slow/Setup.exe"}));

    download.cancelDownload();   // nothing running: harmless
}

void TestHttpsDownload::untrustedCertificate_data()
{
    QTest::addColumn<bool>("showDialogs");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("Abort, dialogs on") << true << int(QMessageBox::Abort) << false << QStringList{"SSL Errors", "Error"};
    QTest::newRow("Abort, silent") << false << int(QMessageBox::Abort) << false << QStringList{"SSL Errors"};
    QTest::newRow("unanswered takes Abort") << true << -1 << false << QStringList{"SSL Errors", "Error"};
    QTest::newRow("Ignore") << true << int(QMessageBox::Ignore) << true << QStringList{"SSL Errors"};
}

void TestHttpsDownload::untrustedCertificate()
{
    QFETCH(bool, showDialogs);
    QFETCH(int, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, titles);

    HttpsDownload::setAdditionalCaCertificates({});
    server->setResponse("/Setup.exe", payload);
    if (answer >= 0)
        UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));

    HttpsDownload download;
    download.showDialogs = showDialogs;
    QString target = folder->path();
    QCOMPARE(download.downloadFile(server->url("/Setup.exe").toString(), target, "", 0), ok);

    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QStringList shownTitles;
    for (const UserDialogs::ShownBox &box : boxes)
        shownTitles.append(box.title);
    QCOMPARE(shownTitles, titles);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
    QVERIFY2(boxes.at(0).text.startsWith("One or more SSL errors has occurred: \n"), qPrintable(boxes.at(0).text));
    QVERIFY(boxes.at(0).text.size() > 40);
    QCOMPARE(boxes.at(0).buttons, (QStringList{"Ignore", "Abort"}));
    QCOMPARE(entries(folder->path()), ok ? QStringList{"Setup.exe"} : QStringList());
}

void TestHttpsDownload::untrustedCertificateRealBoxDefaultsToAbort()
{
    UserDialogs::setTestMode(false);
    HttpsDownload::setAdditionalCaCertificates({});
    server->setResponse("/Setup.exe", payload);

    QString title, text;
    QStringList buttons;
    bool abortIsDefault = false, abortIsEscape = false;
    int polls = 0;
    std::function<void()> inspect = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++polls < 200)
                QTimer::singleShot(50, this, inspect);
            return;
        }
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton *b : box->buttons())
            buttons.append(b->text());
        abortIsDefault = box->defaultButton() == box->button(QMessageBox::Abort);
        abortIsEscape = box->escapeButton() == box->button(QMessageBox::Abort);
        QTest::keyClick(box, Qt::Key_Escape);
    };
    QTimer::singleShot(50, this, inspect);

    HttpsDownload download;
    QString target = folder->path();
    QVERIFY(!download.downloadFile(server->url("/Setup.exe").toString(), target, "", 0));
    UserDialogs::setTestMode(true);

    QCOMPARE(title, QStringLiteral("SSL Errors"));
    QVERIFY(text.startsWith("One or more SSL errors has occurred: \n"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Abort", "Ignore"}));
    QVERIFY(abortIsDefault);
    QVERIFY(abortIsEscape);
    QVERIFY(entries(folder->path()).isEmpty());
}

void TestHttpsDownload::progressBeyondIntRange_data()
{
    QTest::addColumn<qint64>("expectedSize");
    QTest::addColumn<qint64>("bytesRead");
    QTest::addColumn<qint64>("totalBytes");
    QTest::addColumn<double>("fraction");

    const qint64 GiB = qint64(1) << 30;
    QTest::newRow("small, total known") << qint64(0) << qint64(250) << qint64(1000) << 0.25;
    QTest::newRow("no total: expected size") << qint64(1000) << qint64(500) << qint64(-1) << 0.5;
    QTest::newRow("3 of 6 GiB") << qint64(0) << 3 * GiB << 6 * GiB << 0.5;
    QTest::newRow("1 of 5 GiB expected") << 5 * GiB << GiB << qint64(-1) << 0.2;
    QTest::newRow("just past 2 GiB") << qint64(0) << GiB << 2 * GiB + 2 << 0.5;
    // The size the file must have, not what the server claims, is the whole.
    QTest::newRow("expected size over the server's total") << qint64(4000) << qint64(1000) << qint64(50000000) << 0.25;
}

void TestHttpsDownload::progressBeyondIntRange()
{
    QFETCH(qint64, expectedSize);
    QFETCH(qint64, bytesRead);
    QFETCH(qint64, totalBytes);
    QFETCH(double, fraction);

    ProgressDialog dialog(QUrl("https://127.0.0.1/Setup.exe"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Download Progress"));
    QCOMPARE(dialog.labelText(), QStringLiteral("Downloading https://127.0.0.1/Setup.exe."));
    dialog.expectedSize = expectedSize;
    dialog.networkReplyProgress(bytesRead, totalBytes);
    QVERIFY(dialog.maximum() > 0);
    QVERIFY(dialog.value() >= 0);
    QVERIFY(qAbs(double(dialog.value()) / dialog.maximum() - fraction) < 1e-6);
    dialog.hide();
}

QTEST_MAIN(TestHttpsDownload)
#include "tst_httpsdownload.moc"
