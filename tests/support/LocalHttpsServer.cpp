#include "LocalHttpsServer.h"

#include <QFile>
#include <QHostAddress>
#include <QSslSocket>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 307: return "Temporary Redirect";
    case 404: return "Not Found";
    default: return "Status";
    }
}

} // namespace

LocalHttpsServer::LocalHttpsServer(QObject *parent)
    : QTcpServer(parent)
{
    lifetime.setSingleShot(true);
    connect(&lifetime, &QTimer::timeout, this, &LocalHttpsServer::stop);
}

LocalHttpsServer::~LocalHttpsServer()
{
    stop();
}

bool LocalHttpsServer::start(const QString &tlsDir, int lifetimeMs)
{
    certificate = QSslCertificate(readAll(tlsDir + QStringLiteral("/server.pem")), QSsl::Pem);
    key = QSslKey(readAll(tlsDir + QStringLiteral("/server.key")), QSsl::Ec, QSsl::Pem);
    if (certificate.isNull() || key.isNull())
        return false;
    if (!listen(QHostAddress::LocalHost, 0))
        return false;
    lifetime.start(lifetimeMs);
    return true;
}

void LocalHttpsServer::stop()
{
    lifetime.stop();
    close();
    for (const QPointer<QSslSocket> &socket : qAsConst(sockets)) {
        if (socket) {
            socket->abort();
            socket->deleteLater();
        }
    }
    sockets.clear();
    buffers.clear();
}

void LocalHttpsServer::setResponse(const QString &path, const Response &response)
{
    responses.insert(path, response);
}

void LocalHttpsServer::setResponse(const QString &path, const QByteArray &body)
{
    Response response;
    response.body = body;
    responses.insert(path, response);
}

QUrl LocalHttpsServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(serverPort()).arg(path));
}

QSslCertificate LocalHttpsServer::caCertificate(const QString &tlsDir)
{
    return QSslCertificate(readAll(tlsDir + QStringLiteral("/ca.pem")), QSsl::Pem);
}

quint16 LocalHttpsServer::unusedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpsServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    sockets.append(socket);
    socket->setLocalCertificate(certificate);
    socket->setPrivateKey(key);
    socket->setProtocol(QSsl::SecureProtocols);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { readRequest(socket); });
    connect(socket, &QSslSocket::disconnected, this, [this, socket] {
        buffers.remove(socket);
        socket->deleteLater();
    });
    socket->startServerEncryption();
}

void LocalHttpsServer::readRequest(QSslSocket *socket)
{
    QByteArray &buffer = buffers[socket];
    buffer += socket->readAll();
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    buffer.clear();
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine.at(1)) : QString();
    requested.append(path);

    Response response;
    if (responses.contains(path)) {
        response = responses.value(path);
    } else {
        response.status = 404;
        response.body = "not found";
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
            + reasonPhrase(response.status) + "\r\n";
    if (response.behaviour != WithoutLength && response.behaviour != Endless)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Content-Type: application/octet-stream\r\n";
    if (!response.location.isEmpty())
        head += "Location: " + response.location + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);

    switch (response.behaviour) {
    case Complete:
    case WithoutLength:
        socket->write(response.body);
        socket->disconnectFromHost();
        break;
    case HalfThenClose:
        socket->write(response.body.left(response.body.size() / 2));
        socket->disconnectFromHost();
        break;
    case HalfThenStall:
        socket->write(response.body.left(response.body.size() / 2));
        emit bodyStalled(path);
        break;
    case Endless:
        sendForEver(socket, response.body);
        break;
    }
}

void LocalHttpsServer::sendForEver(QSslSocket *socket, const QByteArray &chunk)
{
    if (chunk.isEmpty())
        return;
    // Only a little is queued at a time, so the client's pace sets the rate
    // and the server's memory stays small.
    auto topUp = [socket, chunk] {
        while (socket->state() == QAbstractSocket::ConnectedState
               && socket->bytesToWrite() + socket->encryptedBytesToWrite() < 256 * 1024)
            socket->write(chunk);
    };
    connect(socket, &QSslSocket::encryptedBytesWritten, socket, topUp);
    topUp();
}
