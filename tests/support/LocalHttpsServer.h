#ifndef LOCALHTTPSSERVER_H
#define LOCALHTTPSSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

class QSslSocket;

// A minimal HTTPS/1.1 server on 127.0.0.1 for the download tests. It serves
// canned answers per request path, each connection closed after one answer,
// and shuts itself down after its lifetime so that no test can wait on it
// for ever. Unknown paths get 404.
class LocalHttpsServer : public QTcpServer
{
    Q_OBJECT

public:
    enum Behaviour {
        Complete,        // the whole body, then close
        HalfThenClose,   // half the announced body, then close
        HalfThenStall,   // half the body, then nothing until the server stops
        WithoutLength,   // no Content-Length: the whole body, then close
        Endless          // no Content-Length: the body over and over until the client leaves
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray location;   // sent as "Location" when not empty
        Behaviour behaviour = Complete;
    };

    explicit LocalHttpsServer(QObject *parent = nullptr);
    ~LocalHttpsServer() override;

    // Loads server.pem/server.key from `tlsDir` and listens on a free
    // loopback port.
    bool start(const QString &tlsDir, int lifetimeMs = 30000);
    void stop();

    void setResponse(const QString &path, const Response &response);
    void setResponse(const QString &path, const QByteArray &body);
    QUrl url(const QString &path) const;
    QStringList requestedPaths() const { return requested; }

    // The test authority that signed the server certificate.
    static QSslCertificate caCertificate(const QString &tlsDir);
    // A loopback port on which nothing listens (for connection-refused).
    static quint16 unusedPort();

signals:
    void bodyStalled(const QString &path);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readRequest(QSslSocket *socket);
    void sendForEver(QSslSocket *socket, const QByteArray &chunk);

    QSslCertificate certificate;
    QSslKey key;
    QHash<QString, Response> responses;
    QHash<QSslSocket *, QByteArray> buffers;
    QList<QPointer<QSslSocket>> sockets;
    QStringList requested;
    QTimer lifetime;
};

#endif // LOCALHTTPSSERVER_H
