// Start-up: the real program binary runs headless, and the program's own
// main() (compiled into this test) builds the window in the locale's language
// and returns cleanly when the window closes.
#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The program's entry, under another name, so this test can run it in-process
// and look at the window it builds.
#define main kytoProgramMain
#include "../app/main.cpp"
#undef main

namespace {

struct Probe {
    bool active = false;
    bool seenWindow = false;
    QString title;
    QStringList menus;
    bool englishChecked = false;
    bool chineseChecked = false;
    QString codeViewButton;
    QString manualEntry;
};
Probe &probe()
{
    static Probe p;
    return p;
}

// Runs from the event loop of the program's main(): records the window and
// closes it, which must end the event loop.
void inspectAndClose()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<FormConfiguration *>(top);
        if (!window || !window->isVisible())
            continue;
        Probe &p = probe();
        p.seenWindow = true;
        p.title = window->windowTitle();
        for (QAction *menu : window->findChild<QMenuBar *>("menuBar")->actions())
            p.menus << menu->text();
        p.englishChecked = window->findChild<QAction *>("englishAction")->isChecked();
        p.chineseChecked = window->findChild<QAction *>("chineseAction")->isChecked();
        p.codeViewButton = window->findChild<QPushButton *>("codeViewButton")->text();
        p.manualEntry = window->findChild<QAction *>("openManualAction")->text();
        window->close();
        return;
    }
}

void scheduleProbe()
{
    if (!probe().active || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QTimer::singleShot(0, inspectAndClose);
    // Bounded: a window that would not close must not hang the test.
    QTimer::singleShot(20000, QCoreApplication::instance(), &QCoreApplication::quit);
}

} // namespace

class TestShellStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qAddPreRoutine(scheduleProbe); }

    void mainFollowsLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("codeView");
        QTest::addColumn<QString>("manual");
        const QStringList english{"Project", "Language", "Generate code", "Help"};
        QTest::newRow("C") << QLocale::c() << english << false << "Code View" << "Open Manual";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << english << false
                                << "Code View" << "Open Manual";
        QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China)
                                 << QStringList{"项目", "语言", "生成代码", "帮助"} << true
                                 << "代码预览" << "打开手册";
        QTest::newRow("Chinese, Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan)
                                         << QStringList{"项目", "语言", "生成代码", "帮助"} << true
                                         << "代码预览" << "打开手册";
    }

    void mainFollowsLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, menus);
        QFETCH(bool, chinese);
        QFETCH(QString, codeView);
        QFETCH(QString, manual);

        QLocale::setDefault(locale);
        probe() = Probe();
        probe().active = true;
        static int argc = 1;
        static char name[] = "KytoClockConfig";
        static char *argv[] = {name, nullptr};
        const int result = kytoProgramMain(argc, argv);
        probe().active = false;
        QLocale::setDefault(QLocale::c());

        QCOMPARE(result, 0);
        QVERIFY(probe().seenWindow);
        QCOMPARE(probe().title, QString("Orvane Tessaly V3.0.16"));
        QCOMPARE(probe().menus, menus);
        QCOMPARE(probe().chineseChecked, chinese);
        QCOMPARE(probe().englishChecked, !chinese);
        QCOMPARE(probe().codeViewButton, codeView);
        QCOMPARE(probe().manualEntry, manual);
    }

    void realBinaryRunsHeadless_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("English") << "C.UTF-8";
        QTest::newRow("Chinese") << "zh_CN.UTF-8";
    }

    void realBinaryRunsHeadless()
    {
        QFETCH(QString, lang);
        static int argc = 1;
        static char name[] = "tst_shell_startup";
        static char *argv[] = {name, nullptr};
        QCoreApplication app(argc, argv);

        const QString program = QStringLiteral(KYTO_BINARY_DIR "/bin/KytoClockConfig");
        QVERIFY2(QFileInfo::exists(program), "build the program target first");
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", lang);
        env.insert("LANG", lang);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, QStringList());
        QVERIFY(process.waitForStarted(10000));
        // The window is up and the event loop runs: the program is still
        // there after a while, and said nothing on the way.
        QVERIFY(!process.waitForFinished(3000));
        QCOMPARE(process.state(), QProcess::Running);
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        for (const char *marker : {"QObject::", "No such slot", "No such signal", "QPixmap",
                                   "QLayout", "QWidget::", "Cannot", "cannot"})
            QVERIFY2(!errors.contains(QLatin1String(marker)), qPrintable(errors));
        process.kill();
        QVERIFY(process.waitForFinished(10000));
    }
};

QTEST_APPLESS_MAIN(TestShellStartup)
#include "tst_shell_startup.moc"
