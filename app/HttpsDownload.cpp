#include "HttpsDownload.h"

#include "ProgressDialog.h"
#include "UserDialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkReply>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QStringList>

namespace {

QList<QSslCertificate> &additionalCaCertificates()
{
    static QList<QSslCertificate> certificates;
    return certificates;
}

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return false;
    }
    return true;
}

// No connection, or one that closed before the server said a word; an
// answer that is an error (404, a broken transfer) is not counted.
bool isConnectionFailure(QNetworkReply::NetworkError error, bool receivedAnything)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return true;
    case QNetworkReply::RemoteHostClosedError:
        return !receivedAnything;
    default:
        return error >= QNetworkReply::ProxyConnectionRefusedError && error <= QNetworkReply::UnknownProxyError;
    }
}

} // namespace

HttpsDownload::HttpsDownload(QWidget *progressParent)
    : QDialog(nullptr)
    , progressParent(progressParent)
{
    // Peer verification stays at Qt's default, so the server has to prove
    // who it is; only current protocol versions are offered.
    QSslConfiguration configuration = request.sslConfiguration();
    configuration.setProtocol(QSsl::SecureProtocols);
    if (!additionalCaCertificates().isEmpty())
        configuration.addCaCertificates(additionalCaCertificates());
    request.setSslConfiguration(configuration);
    // Redirects are followed by hand so that each hop can be checked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    connect(&manager, &QNetworkAccessManager::authenticationRequired,
            this, &HttpsDownload::slotAuthenticationRequired);
    connect(&manager, &QNetworkAccessManager::sslErrors, this, &HttpsDownload::sslErrors);

    requestTimer.setSingleShot(true);
    stallTimer.setSingleShot(true);
    connect(&requestTimer, &QTimer::timeout, this, &HttpsDownload::timedOut);
    connect(&stallTimer, &QTimer::timeout, this, &HttpsDownload::timedOut);
}

HttpsDownload::Timeouts &HttpsDownload::timeouts()
{
    static Timeouts values;
    return values;
}

HttpsDownload::~HttpsDownload()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply = nullptr;
    }
    delete file;   // never committed here: the partial file goes with it
    file = nullptr;
    delete progressDialog.data();
}

void HttpsDownload::setAdditionalCaCertificates(const QList<QSslCertificate> &certificates)
{
    additionalCaCertificates() = certificates;
}

QString HttpsDownload::localFileName(const QUrl &address, const QString &version)
{
    // The last segment is decoded on its own, so an encoded "/" or "\" in it
    // cannot smuggle a path past the checks below.
    const QString encodedPath = address.path(QUrl::FullyEncoded);
    const QString segment = encodedPath.mid(encodedPath.lastIndexOf(QLatin1Char('/')) + 1);
    QString name = QUrl::fromPercentEncoding(segment.toUtf8());
    if (name.isEmpty())
        return QString();
    if (!version.isEmpty()) {
        const QFileInfo info(name);
        name = info.completeBaseName() + QStringLiteral("_V") + version + QLatin1Char('.') + info.suffix();
    }
    return isSafeFileName(name) ? name : QString();
}

bool HttpsDownload::downloadFile(QString address, QString &folder, QString version, qint64 expectedSize)
{
    // The wait below is one nested loop; a second download may not share it.
    if (running)
        return false;

    const QString trimmed = address.trimmed();
    const QUrl newUrl = trimmed.isEmpty() ? QUrl() : QUrl::fromUserInput(trimmed);
    QString fileName;
    if (newUrl.isValid() && newUrl.scheme() == QLatin1String("https") && !newUrl.host().isEmpty())
        fileName = localFileName(newUrl, version);
    const QString path = folder + QLatin1Char('/') + fileName;
    const bool insideFolder = !folder.isEmpty()
            && QDir::cleanPath(QFileInfo(path).absolutePath()) == QDir::cleanPath(QDir(folder).absolutePath());
    if (fileName.isEmpty() || !insideFolder) {
        if (showDialogs) {
            QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Invalid URL : ") + address, QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(tr("Ok"));
            UserDialogs::exec(box);
        }
        return false;
    }

    // An existing file is only replaced once the new one is complete.
    if (QFileInfo::exists(path) && showDialogs) {
        QMessageBox box(QMessageBox::Question, tr("Overwrite Existing File"),
                        path + tr(" already exists in the current directory. Overwrite?"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Ok)->setText(tr("Ok"));
        box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
        if (UserDialogs::exec(box) == QMessageBox::Cancel)
            return false;
    }

    file = openFileForWrite(path);
    if (!file)
        return false;
    targetPath = path;
    folder = path;

    running = true;
    finished = false;
    succeeded = false;
    writeFailed = false;
    timeoutHit = false;
    unreachable = false;
    receivedAnything = false;
    expectedBytes = qMax<qint64>(expectedSize, 0);
    redirectCount = 0;
    if (requestTimeoutMs > 0)
        requestTimer.start(requestTimeoutMs);
    startRequest(newUrl, expectedSize);
    if (!finished)
        eventLoop.exec();
    running = false;
    return succeeded;
}

void HttpsDownload::startRequest(const QUrl &requestedUrl, qint64 expectedSize)
{
    url = requestedUrl;
    requestAborted = false;
    receivedBytes = 0;
    overCap = false;
    request.setUrl(url);
    reply = manager.get(request);
    connect(reply, &QNetworkReply::finished, this, &HttpsDownload::httpFinished);
    connect(reply, &QIODevice::readyRead, this, &HttpsDownload::httpReadyRead);
    // Any sign of life (handshake progress included) restarts the stall clock.
    connect(reply, &QNetworkReply::downloadProgress, this, [this]() { stallTimer.start(); });
    connect(reply, &QNetworkReply::encrypted, this, [this]() { stallTimer.start(); });
    stallTimer.start(timeouts().stallMs);

    if (!showDialogs)
        return;
    // One progress dialog per download: a redirect hands the same one on.
    if (!progressDialog) {
        progressDialog = new ProgressDialog(url, progressParent);
        progressDialog->setWindowModality(Qt::ApplicationModal);
        progressDialog->setAttribute(Qt::WA_DeleteOnClose);
        progressDialog->expectedSize = expectedSize;
        connect(progressDialog, &QProgressDialog::canceled, this, &HttpsDownload::cancelDownload);
        progressDialog->show();
    }
    connect(reply, &QNetworkReply::downloadProgress,
            progressDialog.data(), &ProgressDialog::networkReplyProgress);
}

QSaveFile *HttpsDownload::openFileForWrite(const QString &path)
{
    auto *saveFile = new QSaveFile(path);
    if (!saveFile->open(QIODevice::WriteOnly)) {
        if (showDialogs) {
            QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Unable to save the file ") + path,
                            QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(tr("Ok"));
            UserDialogs::exec(box);
        }
        delete saveFile;
        return nullptr;
    }
    return saveFile;
}

void HttpsDownload::cancelDownload()
{
    requestAborted = true;
    if (reply)
        reply->abort();
}

void HttpsDownload::httpReadyRead()
{
    if (reply && sender() == reply) {
        receivedAnything = true;
        stallTimer.start();
        writeReceivedData(reply);
    }
}

void HttpsDownload::timedOut()
{
    timeoutHit = true;
    if (reply)
        reply->abort();
}

void HttpsDownload::writeReceivedData(QNetworkReply *from)
{
    if (!file || writeFailed || requestAborted || overCap)
        return;
    const QByteArray data = from->readAll();
    receivedBytes += data.size();
    const qint64 cap = byteCap();
    if (cap > 0 && receivedBytes > cap) {
        // Whatever follows cannot be the file: stop before the disk fills.
        overCap = true;
        if (from == reply)
            reply->abort();
        return;
    }
    if (file->write(data) != data.size()) {
        writeFailed = true;
        // Nothing more can be kept, so a running transfer stops here.
        if (from == reply)
            reply->abort();
    }
}

void HttpsDownload::httpFinished()
{
    auto *done = qobject_cast<QNetworkReply *>(sender());
    if (!done || done != reply)
        return;
    reply = nullptr;
    if (done->bytesAvailable() > 0) {
        receivedAnything = true;
        writeReceivedData(done);
    }
    done->disconnect(this);
    done->deleteLater();

    if (timeoutHit) {
        unreachable = true;
        finishDownload(false, tr("Download failed: ") + tr("The server did not answer in time."));
        return;
    }
    if (requestAborted) {
        finishDownload(false);
        return;
    }
    if (writeFailed) {
        finishDownload(false, tr("Unable to save the file ") + targetPath);
        return;
    }
    if (overCap) {
        finishDownload(false, sizeMismatchError());
        return;
    }
    if (done->error() != QNetworkReply::NoError) {
        unreachable = isConnectionFailure(done->error(), receivedAnything);
        finishDownload(false, tr("Download failed: ") + done->errorString());
        return;
    }

    const QVariant target = done->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (!target.isNull()) {
        const QUrl next = url.resolved(target.toUrl());
        if (++redirectCount > maximumRedirects) {
            finishDownload(false, tr("Download failed: ") + tr("Too many redirects"));
            return;
        }
        if (next.scheme() != QLatin1String("https") || next.host().isEmpty()) {
            finishDownload(false, tr("Download failed: ") + tr("Redirect to an address that is not HTTPS refused"));
            return;
        }
        // Whatever the redirect answer carried is not the file: start afresh.
        delete file;
        file = openFileForWrite(targetPath);
        if (!file) {
            finishDownload(false);
            return;
        }
        startRequest(next, 0);
        return;
    }

    // A body cut short without a length, or another file, ends without an
    // error of its own; only its size tells.
    if (expectedBytes > 0 && receivedBytes != expectedBytes) {
        finishDownload(false, sizeMismatchError());
        return;
    }
    if (!file || !file->commit()) {
        finishDownload(false, tr("Unable to save the file ") + targetPath);
        return;
    }
    finishDownload(true);
}

void HttpsDownload::slotAuthenticationRequired(QNetworkReply *, QAuthenticator *)
{
    // No credentials are supplied; such a server fails the request.
}

void HttpsDownload::ProgressDlgHide()
{
    if (progressDialog) {
        progressDialog->hide();
        // It may be inside its own setValue, which runs events while modal.
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }
}

void HttpsDownload::sslErrors(QNetworkReply *sslReply, const QList<QSslError> &errors)
{
    QStringList texts;
    for (const QSslError &error : errors)
        texts.append(error.errorString());
    QMessageBox box(QMessageBox::Warning, tr("SSL Errors"),
                    tr("One or more SSL errors has occurred: ") + tr("\n%1").arg(texts.join(QLatin1Char('\n'))),
                    QMessageBox::Ignore | QMessageBox::Abort);
    box.button(QMessageBox::Ignore)->setText(tr("Ignore"));
    box.button(QMessageBox::Abort)->setText(tr("Abort"));
    box.setDefaultButton(QMessageBox::Abort);
    box.setEscapeButton(QMessageBox::Abort);
    if (UserDialogs::exec(box) == QMessageBox::Ignore && sslReply)
        sslReply->ignoreSslErrors();
}

void HttpsDownload::finishDownload(bool success, const QString &error)
{
    requestTimer.stop();
    stallTimer.stop();
    delete file;   // committed on success; otherwise its partial data is discarded
    file = nullptr;
    ProgressDlgHide();
    if (!error.isEmpty())
        showError(error);
    succeeded = success;
    finished = true;
    eventLoop.exit();
}

qint64 HttpsDownload::byteCap() const
{
    if (sizeLimit > 0 && expectedBytes > 0)
        return qMin(sizeLimit, expectedBytes);
    return qMax(sizeLimit, expectedBytes);
}

QString HttpsDownload::sizeMismatchError() const
{
    return tr("Download failed: ") + tr("The file received is not the size expected.");
}

void HttpsDownload::showError(const QString &text)
{
    if (!showDialogs)
        return;
    QMessageBox box(QMessageBox::Critical, tr("Error"), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(tr("Ok"));
    UserDialogs::exec(box);
}
