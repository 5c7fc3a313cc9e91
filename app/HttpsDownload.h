#ifndef HTTPSDOWNLOAD_H
#define HTTPSDOWNLOAD_H

#include <QAuthenticator>
#include <QDialog>
#include <QEventLoop>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <QTimer>
#include <QUrl>

class ProgressDialog;
class QSaveFile;

// Fetches one HTTPS address into one local file and waits for it in a nested
// event loop, so that the caller can use it like a blocking call. The dialog
// itself is never shown; it receives the network signals.
class HttpsDownload : public QDialog
{
    Q_OBJECT

public:
    explicit HttpsDownload(QWidget *progressParent = nullptr);
    ~HttpsDownload() override;

    // Downloads `address` into `folder`. The file is named after the last
    // path segment of the address; a non-empty `version` is inserted before
    // its suffix as "_V<version>". On success `folder` is overwritten with the
    // full path of the written file. An `expectedSize` above 0 is the size
    // the file must come to: a transfer that passes it is stopped, and one
    // that ends at another size fails and keeps nothing.
    bool downloadFile(QString address, QString &folder, QString version, qint64 expectedSize);
    void startRequest(const QUrl &requestedUrl, qint64 expectedSize);
    // Opens the partial file for `path`: a temporary file beside it that
    // takes the final name only when committed.
    QSaveFile *openFileForWrite(const QString &path);

    // The bare file name a download would be saved under, or "" when the
    // address or version cannot give a safe one.
    static QString localFileName(const QUrl &address, const QString &version);

    // Tests only: certificates trusted in addition to the system's by every
    // downloader constructed afterwards. The program never sets any.
    static void setAdditionalCaCertificates(const QList<QSslCertificate> &certificates);

    static const int maximumRedirects = 10;

    // How long a request may wait. A server that accepts the connection and
    // then says nothing would otherwise keep the wait open for ever.
    struct Timeouts {
        int indexRequestMs = 30000;   // the whole update-index request
        int stallMs = 60000;          // a running transfer without a byte
    };
    // The values every downloader uses; tests shorten them.
    static Timeouts &timeouts();

    // Limit for the whole request, redirects included; 0 for none.
    int requestTimeoutMs = 0;
    // A transfer that passes this many bytes is stopped and fails; 0 for no
    // cap. An expected size given to downloadFile caps it as well.
    qint64 sizeLimit = 0;

    // When true, an existing file is asked about before it is replaced,
    // failures are reported in message boxes and a progress dialog is shown.
    bool showDialogs = false;

    // After a failed download: whether the server could not be reached at
    // all (no connection, no answer in time), as opposed to an answer that
    // was an error.
    bool serverUnreachable() const { return unreachable; }

public slots:
    void cancelDownload();
    void httpFinished();
    void httpReadyRead();
    void slotAuthenticationRequired(QNetworkReply *, QAuthenticator *authenticator);
    void ProgressDlgHide();
    void sslErrors(QNetworkReply *sslReply, const QList<QSslError> &errors);

private:
    void writeReceivedData(QNetworkReply *from);
    void finishDownload(bool success, const QString &error = QString());
    // The smaller of sizeLimit and the expected size, of those set; 0 for none.
    qint64 byteCap() const;
    QString sizeMismatchError() const;
    void showError(const QString &text);
    void timedOut();

    QEventLoop eventLoop;
    QWidget *progressParent = nullptr;
    // Closed with the window's own button it deletes itself, hence the guard.
    QPointer<ProgressDialog> progressDialog;
    QUrl url;
    QNetworkAccessManager manager;
    QNetworkReply *reply = nullptr;
    QNetworkRequest request;
    QSaveFile *file = nullptr;
    QString targetPath;
    bool requestAborted = false;
    bool writeFailed = false;
    bool succeeded = false;
    bool running = false;
    bool finished = false;
    int redirectCount = 0;
    bool timeoutHit = false;
    bool unreachable = false;
    bool receivedAnything = false;
    // What the index promised (0 for unknown) and what this request brought.
    qint64 expectedBytes = 0;
    qint64 receivedBytes = 0;
    bool overCap = false;
    QTimer requestTimer;
    QTimer stallTimer;
};

#endif // HTTPSDOWNLOAD_H
