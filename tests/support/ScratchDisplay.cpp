#include "ScratchDisplay.h"

#include <QProcess>

ScratchDisplay::ScratchDisplay()
    : server(new QProcess)
{
}

ScratchDisplay::~ScratchDisplay()
{
    if (server->state() != QProcess::NotRunning) {
        server->terminate();
        if (!server->waitForFinished(3000)) {
            server->kill();
            server->waitForFinished(3000);
        }
    }
    delete server;
}

bool ScratchDisplay::start(const QString &screenGeometry)
{
    // -displayfd: the server picks a free display itself and writes its
    // number to our end of its standard output once it accepts clients.
    server->setProgram(QStringLiteral("Xvfb"));
    server->setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                          QStringLiteral("-screen"), QStringLiteral("0"), screenGeometry,
                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    server->setProcessChannelMode(QProcess::SeparateChannels);
    server->start();
    if (!server->waitForStarted(5000)) {
        error = QStringLiteral("Xvfb did not start: %1").arg(server->errorString());
        return false;
    }
    QByteArray number;
    while (!number.contains('\n') && server->waitForReadyRead(10000))
        number += server->readAllStandardOutput();
    number = number.trimmed();
    bool ok = false;
    number.toInt(&ok);
    if (!ok) {
        error = QStringLiteral("Xvfb gave no display number: %1")
                    .arg(QString::fromLocal8Bit(server->readAllStandardError()));
        return false;
    }
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}
