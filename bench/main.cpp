// KytoBench: how long the everyday operations take on every clock-tree page,
// how long the program takes to its first paint, and how much memory it holds.
//
// It drives the real main window through its container, the way a user's
// actions do, and waits for the paint that shows each result. It prints
// figures and asserts nothing: times depend on the machine. Run it under the
// platform you want to measure (X11, e.g. under Xvfb, or offscreen).
//
//   KytoBench [--quick] [--runs N] [--cycles N]
//
// --quick takes one run of everything and a few New cycles, so that a CI run
// finishes in seconds and only proves that the benchmark still works.

#include "FormConfiguration.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "PinGraphicsView.h"
#include "PlatformStartup.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// ---------------------------------------------------------------- figures

struct Sample {
    QVector<double> values;
    // Runs whose result never reached the screen.
    int timeouts = 0;
    void add(double v) { values << v; }
    QString text(int precision = 1) const
    {
        if (values.isEmpty())
            return timeouts ? QStringLiteral("time-out") : QStringLiteral("-");
        const QString missed = timeouts ? QStringLiteral(" +%1 time-out").arg(timeouts) : QString();
        return measured(precision) + missed;
    }
    QString measured(int precision) const
    {
        QVector<double> v = values;
        std::sort(v.begin(), v.end());
        const int n = v.size();
        const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        if (n == 1)
            return QString::number(median, 'f', precision);
        return QStringLiteral("%1 [%2-%3]").arg(median, 0, 'f', precision)
            .arg(v.first(), 0, 'f', precision).arg(v.last(), 0, 'f', precision);
    }
};

double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Processor time of this thread in ms: on a busy machine the wall-clock
// figures grow with the load, this one much less (it leaves out the
// display server's share).
double threadCpuMs()
{
#ifdef Q_OS_LINUX
    timespec ts;
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts) == 0)
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
#endif
    return 0;
}

// Resident and peak resident memory in MB, from the kernel's view of this
// process; 0 where the platform has no /proc.
double statusMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double residentMb() { return statusMb("VmRSS"); }
double peakResidentMb() { return statusMb("VmHWM"); }

// ---------------------------------------------------------------- painting

// Runs the event loop until `widget` has been painted after an action, so a
// figure covers the work and the paint that shows it. Nothing here asks for
// the paint: an action whose result does not repaint by itself is a
// time-out, as it is a screen that lags for the user.
class PaintWatcher : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    bool painted = false;
};

bool waitForPaint(QWidget *widget, int timeoutMs = 5000)
{
    if (!widget)
        return false;
    PaintWatcher watcher;
    widget->installEventFilter(&watcher);
    QElapsedTimer timer;
    timer.start();
    while (!watcher.painted && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    widget->removeEventFilter(&watcher);
    return watcher.painted;
}

// Lets the window settle (deferred deletes, layout, late paints) between
// measurements, so one figure does not pay for the previous one.
// The window system is synchronised too: on X11 the server may still be
// busy with what the program sent (the first paint of the started window,
// for one), and the next figure would wait for it at its first round trip.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QGuiApplication::sync();
    QCoreApplication::processEvents();
}

QWidget *pageViewport(KytoPLLConfig *config)
{
    KytoMCUPLL *page = config->currentSeriesWidget();
    return page ? page->view->viewport() : nullptr;
}

// ---------------------------------------------------------------- the window

struct Shell {
    FormConfiguration window;
    KytoPLLConfig *config = nullptr;

    Shell()
    {
        window.resize(1600, 1000);
        window.show();
        config = window.findChild<KytoPLLConfig *>();
        waitForPaint(&window);
    }

    // New: the container builds the page of `index`; false for an index
    // without a page.
    bool newPage(int index)
    {
        config->selectMcu(index);
        return config->hasSeriesWidget() && waitForPaint(pageViewport(config));
    }
};

// Every series index whose page exists, found through the container the way
// New finds it.
QVector<int> registeredPages(Shell &shell)
{
    QVector<int> indices;
    for (int index = 0; index <= 40; ++index) {
        if (KytoPLLConfig::seriesName(index).isEmpty())
            continue;
        shell.config->selectMcu(index);
        if (shell.config->hasSeriesWidget())
            indices << index;
        settle();
    }
    return indices;
}

// ---------------------------------------------------------------- child runs

// Start-up: the program's own start sequence (as in app/main.cpp, English)
// up to the first paint of the main window; the parent measures from process start to the printed line.
int childStartup(int argc, char **argv)
{
    PlatformStartup::chooseGlIntegration();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QTranslator translator;
    const bool loaded = translator.load(QStringLiteral(":/image/tr_en.qm"));
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/image/Kyto_tool_CRM.png")));
    const bool installed = loaded && QCoreApplication::installTranslator(&translator);
    FormConfiguration window;
    window.setLanguageFlag(0);
    window.setTranslator(&translator, installed);
    window.show();
    PlatformStartup::restoreEnvironment();
    waitForPaint(&window);
    std::printf("painted\n");
    std::fflush(stdout);
    settle();
    std::printf("rss %.1f\n", residentMb());
    std::fflush(stdout);
    return 0;
}

// Memory: after start, with one page, after many New cycles over all pages.
int childMemory(int argc, char **argv, int cycles)
{
    PlatformStartup::chooseGlIntegration();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    UserDialogs::setTestMode(true);
    Shell shell;
    PlatformStartup::restoreEnvironment();
    settle();
    const double idle = residentMb();

    // The pages, found without building them: the first New of the session
    // is measured on the first registered page.
    QVector<int> candidates;
    for (int index = 0; index <= 40; ++index) {
        if (!KytoPLLConfig::seriesName(index).isEmpty())
            candidates << index;
    }
    QElapsedTimer timer;
    int first = 0;
    double firstNew = 0;
    for (int index : candidates) {
        timer.start();
        if (shell.newPage(index)) {
            firstNew = elapsedMs(timer);
            first = index;
            break;
        }
    }
    settle();
    const double onePage = residentMb();

    QVector<int> pages;
    for (int index : candidates) {
        shell.config->selectMcu(index);
        if (shell.config->hasSeriesWidget())
            pages << index;
    }
    if (pages.isEmpty())
        pages << first;
    for (int i = 0; i < cycles; ++i) {
        shell.newPage(pages[i % pages.size()]);
        settle();
    }
    std::printf("idle %.1f\nfirstnew %.1f\nonepage %.1f\ncycled %.1f\npeak %.1f\n",
                idle, firstNew, onePage, residentMb(), peakResidentMb());
    std::fflush(stdout);
    return 0;
}

QMap<QString, double> runChild(const QStringList &arguments, double *startToPaintMs = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QMap<QString, double> values;
    while (child.state() != QProcess::NotRunning || child.canReadLine()) {
        if (!child.canReadLine() && !child.waitForReadyRead(60000))
            break;
        while (child.canReadLine()) {
            const QList<QByteArray> words = child.readLine().trimmed().split(' ');
            if (words.value(0) == "painted" && startToPaintMs)
                *startToPaintMs = elapsedMs(timer);
            else if (words.size() == 2)
                values.insert(QString::fromLatin1(words[0]), words[1].toDouble());
        }
    }
    child.waitForFinished(60000);
    return values;
}

// ---------------------------------------------------------------- page runs

struct PageFigures {
    Sample newPage, open, sclk, combo, generate, codeView;
    Sample newCpu, openCpu;
};

QLineEdit *sclkEdit(KytoMCUPLL *page)
{
    for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
        if (edit->objectName().startsWith(QLatin1String("sclk")) && !edit->isReadOnly())
            return edit;
    }
    return nullptr;
}

QComboBox *someCombo(KytoMCUPLL *page)
{
    if (QComboBox *ahb = page->findChild<QComboBox *>(QStringLiteral("ahbdiv_ComboBox")))
        return ahb;
    for (QComboBox *combo : page->findChildren<QComboBox *>()) {
        if (combo->isEnabled() && combo->count() > 1)
            return combo;
    }
    return nullptr;
}

PageFigures measurePage(Shell &shell, int index, int runs, const QString &scratch)
{
    PageFigures f;
    KytoPLLConfig *config = shell.config;
    QElapsedTimer timer;

    for (int i = 0; i < runs; ++i) {
        settle();
        const double cpu = threadCpuMs();
        timer.start();
        if (shell.newPage(index)) {
            f.newPage.add(elapsedMs(timer));
            f.newCpu.add(threadCpuMs() - cpu);
        } else {
            ++f.newPage.timeouts;
        }
    }

    // The design the page saves by default, opened again and again.
    const QString design = scratch + QStringLiteral("/design_%1.ZKCF").arg(index);
    UserDialogs::reset();
    UserDialogs::answerNextFileDialog(design);
    config->saveConfigFile();
    for (int i = 0; QFile::exists(design) && i < runs; ++i) {
        settle();
        QString name;
        const double cpu = threadCpuMs();
        timer.start();
        config->openConfigFile(design, name);
        if (waitForPaint(pageViewport(config))) {
            f.open.add(elapsedMs(timer));
            f.openCpu.add(threadCpuMs() - cpu);
        } else {
            ++f.open.timeouts;
        }
    }

    KytoMCUPLL *page = config->currentSeriesWidget();
    if (QLineEdit *sclk = page ? sclkEdit(page) : nullptr) {
        const QString values[2] = {QStringLiteral("48"), sclk->text().isEmpty() ? QStringLiteral("72") : sclk->text()};
        for (int i = 0; i < runs; ++i) {
            settle();
            UserDialogs::reset();
            sclk->setFocus();
            timer.start();
            sclk->clear();
            QTest::keyClicks(sclk, values[i % 2]);
            QTest::keyClick(sclk, Qt::Key_Return);
            if (waitForPaint(pageViewport(config)))
                f.sclk.add(elapsedMs(timer));
            else
                ++f.sclk.timeouts;
        }
    }

    // Reopen the saved design so combo, Generate and Code View start from
    // the page's defaults whatever the typed values did.
    QString name;
    config->openConfigFile(design, name);
    page = config->currentSeriesWidget();
    if (QComboBox *combo = page ? someCombo(page) : nullptr) {
        const int start = combo->currentIndex();
        for (int i = 0; i < runs; ++i) {
            settle();
            UserDialogs::reset();
            timer.start();
            combo->setCurrentIndex(i % 2 ? start : (start + 1) % combo->count());
            if (waitForPaint(pageViewport(config)))
                f.combo.add(elapsedMs(timer));
            else
                ++f.combo.timeouts;
        }
        combo->setCurrentIndex(start);
    }

    for (int i = 0; i < runs; ++i) {
        settle();
        UserDialogs::reset();
        const QString folder = scratch + QStringLiteral("/gen_%1_%2").arg(index).arg(i);
        QDir().mkpath(folder);
        UserDialogs::answerNextFileDialog(folder);
        UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
        timer.start();
        if (config->generateCode(1))
            f.generate.add(elapsedMs(timer));
    }

    QWidget *codeView = shell.window.findChild<QWidget *>(QStringLiteral("codeView"));
    for (int i = 0; codeView && i < runs; ++i) {
        settle();
        UserDialogs::reset();
        timer.start();
        shell.window.CodeView_PushButton_Clicked();
        if (!codeView->isHidden() && waitForPaint(codeView))
            f.codeView.add(elapsedMs(timer));
        else
            ++f.codeView.timeouts;
        shell.window.ClockConfig_PushButton_Slot();
        waitForPaint(&shell.window);
    }
    return f;
}

int intOption(const QStringList &args, const QString &name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    // The generator's debug trace would bury the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool quick = args.contains(QStringLiteral("--quick"));
    const int runs = qMax(1, intOption(args, QStringLiteral("--runs"), quick ? 1 : 9));
    const int cycles = qMax(1, intOption(args, QStringLiteral("--cycles"), quick ? 5 : 100));
    const int startups = quick ? 1 : 5;

    if (args.contains(QStringLiteral("--child-startup")))
        return childStartup(argc, argv);
    if (args.contains(QStringLiteral("--child-memory")))
        return childMemory(argc, argv, cycles);

    PlatformStartup::chooseGlIntegration();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    out() << "KytoBench: platform " << QGuiApplication::platformName()
          << ", " << runs << (runs == 1 ? " run" : " runs") << " per figure"
          << (quick ? " (quick)" : "") << "\n"
          << "Times in ms as median [min-max], wall clock unless marked CPU (this\n"
          << "thread's processor time); memory in MB resident.\n\n";
    out().flush();

    Sample startup, startRss;
    for (int i = 0; i < startups; ++i) {
        double ms = 0;
        const QMap<QString, double> v = runChild({QStringLiteral("--child-startup")}, &ms);
        if (ms > 0)
            startup.add(ms);
        if (v.contains(QStringLiteral("rss")))
            startRss.add(v.value(QStringLiteral("rss")));
    }
    out() << "start-up to first paint   " << startup.text() << "\n";
    out() << "memory after start        " << startRss.text() << "\n";
    out().flush();

    const QMap<QString, double> memory =
        runChild({QStringLiteral("--child-memory"), QStringLiteral("--cycles"), QString::number(cycles)});
    out() << "first New of a session    " << QString::number(memory.value(QStringLiteral("firstnew")), 'f', 1) << "\n"
          << "memory with one page      " << QString::number(memory.value(QStringLiteral("onepage")), 'f', 1) << "\n"
          << QStringLiteral("%1").arg(QStringLiteral("memory after %1 News").arg(cycles), -26)
          << QString::number(memory.value(QStringLiteral("cycled")), 'f', 1) << "\n"
          << "peak memory               " << QString::number(memory.value(QStringLiteral("peak")), 'f', 1) << "\n\n";
    out().flush();

    UserDialogs::setTestMode(true);
    QTemporaryDir scratch;
    Shell shell;
    PlatformStartup::restoreEnvironment();
    const QVector<int> pages = registeredPages(shell);

    const int w = 22;
    out() << QStringLiteral("%1").arg(QStringLiteral("page"), -11)
          << QStringLiteral("%1").arg(QStringLiteral("New"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("Open"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("SCLK+Return"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("combo"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("Generate"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("Code View"), -w)
          << QStringLiteral("%1").arg(QStringLiteral("New, CPU"), -w)
          << QStringLiteral("Open, CPU") << "\n";
    for (int index : pages) {
        const PageFigures f = measurePage(shell, index, runs, scratch.path());
        out() << QStringLiteral("%1").arg(KytoPLLConfig::seriesName(index), -11)
              << QStringLiteral("%1").arg(f.newPage.text(), -w)
              << QStringLiteral("%1").arg(f.open.text(), -w)
              << QStringLiteral("%1").arg(f.sclk.text(), -w)
              << QStringLiteral("%1").arg(f.combo.text(), -w)
              << QStringLiteral("%1").arg(f.generate.text(), -w)
              << QStringLiteral("%1").arg(f.codeView.text(), -w)
              << QStringLiteral("%1").arg(f.newCpu.text(), -w)
              << f.openCpu.text() << "\n";
        out().flush();
    }
    if (pages.isEmpty())
        out() << "no registered page\n";
    return 0;
}
