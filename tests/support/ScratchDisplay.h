#ifndef SCRATCHDISPLAY_H
#define SCRATCHDISPLAY_H

#include <QByteArray>
#include <QString>

class QProcess;

// An X server of the test's own (Xvfb on a free display), for tests about
// what the screen really holds: offscreen rendering and QWidget::grab()
// paint the widgets anew and never see a window that was not repainted.
// Start it before the QApplication exists; the server stops with this
// object.
class ScratchDisplay
{
public:
    ScratchDisplay();
    ~ScratchDisplay();

    // Starts the server and points DISPLAY and the Qt platform at it.
    // Returns false (with why in errorString()) when it cannot start.
    bool start(const QString &screenGeometry = QStringLiteral("1600x1000x24"));
    QString errorString() const { return error; }

private:
    QProcess *server;
    QString error;
};

#endif // SCRATCHDISPLAY_H
