// Where the main window sits on a 1366x768 desktop whose window manager
// frames it: maximised, restored as a double click on its title does, and
// at its minimum size, the window with its whole frame stays inside the
// screen's available area, so the drawing's scroll bars stay in reach. The
// window manager is the tests' own (scratchwm), on an X server of the
// test's own; like many desktops it frames a maximised window thinner.
#include "FormConfiguration.h"
#include "ScratchDisplay.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <cstdio>

namespace {

QMargins marginsFrom(const QString &leftRightTopBottom)
{
    const QStringList parts = leftRightTopBottom.split(',');
    return QMargins(parts.value(0).toInt(), parts.value(2).toInt(), parts.value(1).toInt(), parts.value(3).toInt());
}

QSize sizeOf(const QMargins &frame)
{
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

class WindowManager
{
public:
    ~WindowManager()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.closeWriteChannel();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    bool start(const QString &normalFrame, const QString &maximisedFrame, bool stateAfterSize)
    {
        QStringList arguments{normalFrame, maximisedFrame};
        if (stateAfterSize)
            arguments << QStringLiteral("late");
        process.start(QStringLiteral(KYTO_BINARY_DIR "/tests/scratchwm"), arguments);
        return process.waitForStarted(5000) && answered("ready");
    }

    // What a double click on the title does to every window.
    bool tell(const QByteArray &command)
    {
        process.write(command + '\n');
        return answered("done");
    }

private:
    bool answered(const QByteArray &word)
    {
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(5000))
                return false;
        }
        return process.readLine().trimmed() == word;
    }

    QProcess process;
};

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void restoredWindowFitsTheScreen_data()
    {
        QTest::addColumn<QString>("normalFrame");
        QTest::addColumn<QString>("maximisedFrame");
        QTest::addColumn<bool>("stateAfterSize");
        QTest::newRow("borders dropped when maximised") << QStringLiteral("6,6,19,6") << QStringLiteral("0,0,19,0") << false;
        QTest::newRow("one frame in both states") << QStringLiteral("4,4,24,4") << QStringLiteral("4,4,24,4") << false;
        // Maximised, the window has its full size before it hears that it
        // is maximised and has a thinner frame: it must not be shrunk then.
        QTest::newRow("state and frame after the size") << QStringLiteral("6,6,19,6") << QStringLiteral("0,0,19,0") << true;
    }

    void restoredWindowFitsTheScreen()
    {
        QFETCH(QString, normalFrame);
        QFETCH(QString, maximisedFrame);
        QFETCH(bool, stateAfterSize);
        WindowManager manager;
        QVERIFY(manager.start(normalFrame, maximisedFrame, stateAfterSize));

        FormConfiguration window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.windowHandle()->screen()->availableGeometry();
        QCOMPARE(available, QRect(0, 0, 1366, 768));
        QTRY_VERIFY(window.isMaximized());
        QTRY_COMPARE(window.frameGeometry(), available);

        for (int round = 0; round < 2; ++round) {
            const QSize maximised = window.size();
            QVERIFY(manager.tell("restore"));
            QTRY_VERIFY(!window.isMaximized() && window.size() != maximised);
            // The frame of the restored window arrives, and the window may
            // be put right after it.
            const QMargins frame = marginsFrom(normalFrame);
            QTRY_COMPARE(window.frameGeometry().size() - window.size(), sizeOf(frame));
            QTest::qWait(300);
            QVERIFY2(available.contains(window.frameGeometry()),
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                    .arg(window.frameGeometry().x()).arg(window.frameGeometry().y())
                                    .arg(window.frameGeometry().width()).arg(window.frameGeometry().height())));
            QVERIFY(window.minimumHeight() + frame.top() + frame.bottom() <= available.height());
            QCOMPARE(window.minimumSize(), FormConfiguration::preferredMinimumSize.boundedTo(available.size() - sizeOf(frame)));

            QVERIFY(manager.tell("maximise"));
            QTRY_VERIFY(window.isMaximized());
            QTRY_COMPARE(window.frameGeometry(), available);
            QTest::qWait(300);
            QCOMPARE(window.frameGeometry(), available);
        }
    }

    void clientWithin_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("fits: stays") << QRect(10, 10, 1012, 700) << QRect(16, 29, 1000, 675) << QRect(16, 29, 1000, 675);
        QTest::newRow("too tall: shortened, moved up") << QRect(-6, -19, 1012, 793) << QRect(0, 0, 1000, 768)
                                                       << QRect(6, 19, 1000, 743);
        QTest::newRow("off the right: moved left") << QRect(400, 0, 1012, 700) << QRect(406, 19, 1000, 675)
                                                   << QRect(360, 19, 1000, 675);
        QTest::newRow("wider than the screen: narrowed") << QRect(0, 0, 1500, 700) << QRect(6, 19, 1488, 675)
                                                         << QRect(6, 19, 1354, 675);
    }
    void clientWithin()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, client);
        QFETCH(QRect, expected);
        QCOMPARE(FormConfiguration::clientWithin(frame, client, QRect(0, 0, 1366, 768)), expected);
    }
};

int main(int argc, char *argv[])
{
    ScratchDisplay display;
    if (!display.start(QStringLiteral("1366x768x24"))) {
        std::fprintf(stderr, "%s\n", qPrintable(display.errorString()));
        return 1;
    }
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowplacement.moc"
