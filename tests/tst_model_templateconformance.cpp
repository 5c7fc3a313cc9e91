// Conformance of the code templates with the generator: every series index,
// over a matrix of clock states, must generate four complete files whose C
// sources compile against a stand-in of the chip firmware library.

#include "ClockTreeModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QSet<int> multiplierOnlySeries{2, 4, 7, 8, 24};
const QSet<int> dualModeSeries{5, 9, 15, 16, 17};
const QSet<int> flexibleDividerSeries{18, 19, 20, 21, 22, 23, 25, 26, 29, 30};
const QSet<int> directPllInputSeries = QSet<int>{13, 14} + flexibleDividerSeries;
const QSet<int> twelveMhzTemplateSeries{19, 20, 30};

struct ClockState {
    QString name;
    std::function<bool(int)> appliesTo;
    std::function<void(ClockTreeModel &)> setUp;
};

bool everySeries(int) { return true; }

// A HEXT value that differs from the template's own, so the rewrite shows.
double otherHext(int index)
{
    return twelveMhzTemplateSeries.contains(index) ? 8.0 : 12.0;
}

void pllAt(ClockTreeModel &m, double mhz)
{
    m.sclkSource = 1;
    m.sclkMhz = qMin(mhz, double(m.maxSclk()));
    m.recomputeFromPll();
}

// Every optional feature on, with non-default dividers and sources, the PLL
// at the series' maximum and USB from the PLL.
void everythingOn(ClockTreeModel &m, int rtcSource, bool bypass)
{
    const int index = m.seriesIndex;
    m.hextMhz = otherHext(index);
    m.hextBypass = bypass;
    m.lextBypass = bypass;
    m.rtcEnabled = true;
    m.rtcSource = rtcSource;
    m.rtcHextDiv = 31;
    m.usbDisabled = 0;
    m.usbFromHick = 0;
    m.usbDiv = 4.5;
    m.adcEnabled = true;
    m.adcDiv = 16;
    m.adcClockSource = 1;
    m.i2c1Enabled = true;
    m.i2c1ClockSource = 2;
    m.usart1Enabled = m.usart2Enabled = m.usart3Enabled = true;
    m.usart1ClockSource = 3;
    m.usart2ClockSource = 1;
    m.usart3ClockSource = 4;
    m.i2sf5Enabled = true;
    m.i2sf5ClockSource = 3;
    m.can1Enabled = m.can2Enabled = m.can3Enabled = true;
    m.can1ClockSource = 1;
    m.can2ClockSource = 0;
    m.can3ClockSource = 2;
    m.clkoutPin = 3;
    m.clkoutSource = 5;
    m.clkoutDiv = 512;
    m.clkoutDiv1 = 5;
    m.clkoutDiv2 = 512;
    m.clkout1Pin = 2;
    m.clkout1Source = 3;
    m.clkout1Div1 = 3;
    m.clkout1Div2 = 64;
    m.clkout2Pin = 1;
    m.clkout2Source = 2;
    m.clkout2Div1 = 5;
    m.clkout2Div2 = 2;
    m.apb3Div = 4;
    pllAt(m, m.maxSclk());
}

// The PLL runs from HEXT but clocks no SCLK: only a peripheral uses it.
void pllOnlyForPeripheral(ClockTreeModel &m, bool viaClockOut)
{
    const int index = m.seriesIndex;
    m.sclkSource = 2;
    m.usbDisabled = 1;
    m.pllSource = 0;
    if (viaClockOut) {
        m.clkoutPin = 1;
        m.clkoutSource = 10;
    } else if (index == 18 || index == 29) {
        m.adcEnabled = true;
        m.adcClockSource = 1;
    } else if (QSet<int>{19, 20, 30}.contains(index)) {
        m.i2sf5Enabled = true;
        m.i2sf5ClockSource = 0;
    } else {
        m.can1Enabled = true;
        m.can1ClockSource = 1;
    }
    m.recompute();
}

QList<ClockState> clockStates()
{
    QList<ClockState> s;
    s << ClockState{"construction defaults", everySeries, [](ClockTreeModel &m) { m.recompute(); }};
    s << ClockState{"sclk from hext 8.5, all off", everySeries, [](ClockTreeModel &m) {
                        m.hextMhz = 8.5;
                        m.sclkSource = 0;
                        m.usbDisabled = 1;
                        m.hextDiv = flexibleDividerSeries.contains(m.seriesIndex) ? 4 : 1;
                        m.recompute();
                    }};
    for (int hick48 : {0, 1}) {
        s << ClockState{hick48 ? "sclk from hick 48" : "sclk from hick 8", everySeries, [hick48](ClockTreeModel &m) {
                            m.hextMhz = otherHext(m.seriesIndex);
                            m.sclkSource = 2;
                            m.sclkHick48 = hick48;
                            m.hickDiv = hick48 ? 2 : 1;
                            m.usbDisabled = 1;
                            m.recompute();
                        }};
    }
    const char *rtcNames[] = {"lick", "lext", "hext"};
    for (int rtc = 0; rtc < 3; ++rtc) {
        for (bool bypass : {false, true}) {
            s << ClockState{QString("pll at maximum, everything on, rtc on %1, bypass %2")
                                .arg(rtcNames[rtc]).arg(bypass ? "on" : "off"),
                            everySeries, [rtc, bypass](ClockTreeModel &m) { everythingOn(m, rtc, bypass); }};
        }
    }
    s << ClockState{"pll at maximum in multiplier mode, everything on",
                    [](int i) { return dualModeSeries.contains(i); }, [](ClockTreeModel &m) {
                        m.pllFlexibleMode = 0;
                        everythingOn(m, 2, true);
                    }};
    s << ClockState{"pll from hext divided", [](int i) { return !directPllInputSeries.contains(i); },
                    [](ClockTreeModel &m) {
                        m.pllHextDivEnabled = 1;
                        m.hextDiv = 2;
                        m.usbDisabled = 1;
                        pllAt(m, m.maxSclk());
                    }};
    s << ClockState{"pll from hick at 120, usb from hick", everySeries, [](ClockTreeModel &m) {
                        m.pllSource = 1;
                        m.usbDisabled = 0;
                        m.usbFromHick = 1;
                        pllAt(m, 120.0);
                    }};
    s << ClockState{"pll at 108", everySeries, [](ClockTreeModel &m) {
                        m.usbDisabled = 1;
                        pllAt(m, 108.0);
                    }};
    s << ClockState{"sclk from hick, usb from pll", everySeries, [](ClockTreeModel &m) {
                        m.sclkSource = 2;
                        m.usbDisabled = 0;
                        m.usbFromHick = 0;
                        m.recompute();
                        m.recomputeUsb();
                    }};
    for (double mhz : {160.0, 168.0}) {
        s << ClockState{QString("pll at %1").arg(mhz), [](int i) { return i == 2; }, [mhz](ClockTreeModel &m) {
                            m.usbDisabled = 0;
                            pllAt(m, mhz);
                        }};
    }
    s << ClockState{"pll from hext only for the clock-out", [](int i) { return flexibleDividerSeries.contains(i); },
                    [](ClockTreeModel &m) { pllOnlyForPeripheral(m, true); }};
    s << ClockState{"pll from hext only for a peripheral", [](int i) { return flexibleDividerSeries.contains(i); },
                    [](ClockTreeModel &m) { pllOnlyForPeripheral(m, false); }};
    return s;
}

QString readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Semantic checks the compiler cannot make: a clock that is switched to or
// feeds the PLL must have been started by the same code.
QStringList clockSourceFaults(const QString &clockC)
{
    QStringList faults;
    const QRegularExpression pllSource("crm_pll_config2?\\((CRM_PLL_SOURCE_\\w+)");
    const QString pllFrom = pllSource.match(clockC).captured(1);
    for (const QString &osc : QStringList{"HEXT", "HICK"}) {
        const bool needed = clockC.contains("crm_sysclk_switch(CRM_SCLK_" + osc + ")")
            || pllFrom.startsWith("CRM_PLL_SOURCE_" + osc);
        if (needed && !clockC.contains("crm_clock_source_enable(CRM_CLOCK_SOURCE_" + osc + ", TRUE)"))
            faults << osc + " is used but never enabled";
    }
    if (clockC.contains("crm_sysclk_switch(CRM_SCLK_PLL)")
        && !clockC.contains("crm_clock_source_enable(CRM_CLOCK_SOURCE_PLL, TRUE)"))
        faults << "the PLL clocks SCLK but is never enabled";
    return faults;
}

QStringList lineEndFaults(const QString &text)
{
    QStringList faults;
    if (text.contains("\r\r") || text.contains(QRegularExpression("\r(?!\n)")))
        faults << "stray CR";
    if (text.contains(QRegularExpression("(?<!\r)\n")))
        faults << "LF without CR";
    if (!text.endsWith("\r\n"))
        faults << "no line end at the end of the file";
    return faults;
}

struct Compilation {
    QString what;
    QStringList arguments;
    std::unique_ptr<QProcess> process;
};

} // namespace

class TemplateConformanceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySeriesGeneratesCompilableCode_data();
    void everySeriesGeneratesCompilableCode();

private:
    QString m_compiler;
    QString m_stubDir;
};

void TemplateConformanceTest::initTestCase()
{
    m_compiler = QStandardPaths::findExecutable("cc");
    QVERIFY2(!m_compiler.isEmpty(), "the host C compiler \"cc\" is needed to check the generated code");
    m_stubDir = QStringLiteral(KYTO_FIXTURES_DIR "/firmware_stub");
    QVERIFY(QFile::exists(m_stubDir + "/kyto_firmware_stub.h"));
}

void TemplateConformanceTest::everySeriesGeneratesCompilableCode_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stem");
    const QList<QPair<int, QString>> series{
        {2, "kytor620"},      {4, "kytor710"},      {5, "kytor720"},      {7, "kytor620a_650"},
        {8, "kytor620a_650"}, {9, "kytor730"},      {13, "kytor810_820"}, {14, "kytor810_820"},
        {15, "kytor750"},     {16, "kytoe105"},     {17, "kytons720"},    {18, "kytor740"},
        {19, "kytor610_640"}, {20, "kytor610_640"}, {21, "kytor9x0"},     {22, "kytor9x0"},
        {23, "kytor9x0"},     {24, "kytoh620a"},    {25, "kytod515_525"}, {26, "kytod515_525"},
        {29, "kytoh740"},     {30, "kytor960"}};
    for (const auto &s : series)
        QTest::newRow(qPrintable(QString("index %1, %2").arg(s.first).arg(s.second))) << s.first << s.second;
}

void TemplateConformanceTest::everySeriesGeneratesCompilableCode()
{
    QFETCH(int, index);
    QFETCH(QString, stem);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QStringList faults;
    std::vector<Compilation> compilations;

    int stateNo = 0;
    for (const ClockState &state : clockStates()) {
        if (!state.appliesTo(index))
            continue;
        const QString dir = root.path() + QString("/state%1").arg(++stateNo);
        const QString inc = dir + "/inc";
        const QString src = dir + "/src";
        QVERIFY(QDir().mkpath(inc) && QDir().mkpath(src));

        ClockTreeModel model(index);
        if (multiplierOnlySeries.contains(index))
            model.pllFlexibleMode = 0;
        state.setUp(model);
        model.interactiveGenerate = 0;

        auto fault = [&](const QString &what) { faults << state.name + ": " + what; };
        if (!model.writeSourceFiles(inc, src, stem)) {
            fault("generation failed");
            continue;
        }
        const QStringList files{inc + "/" + stem + "_clock.h", inc + "/" + stem + "_conf.h",
                                src + "/" + stem + "_clock.c", src + "/main.c"};
        for (const QString &path : files) {
            const QString name = QFileInfo(path).fileName();
            const QString text = readFile(path);
            if (text.isEmpty()) {
                fault(name + " missing or empty");
                continue;
            }
            if (text.contains("[#") || text.contains("[/#"))
                fault(name + " keeps mark-up");
            for (const QString &f : lineEndFaults(text))
                fault(name + ": " + f);
        }

        if (readFile(files[0]) != readFile(":/image/" + stem + "_clock.h"))
            fault(stem + "_clock.h differs from its template");

        const QString conf = readFile(files[1]);
        const QString hextLiteral = QString("((uint32_t)%1)").arg(qRound64(model.hextMhz * 1e6));
        const QRegularExpression hextLine("#define\\s+HEXT_VALUE\\s+(\\S+)");
        const QString written = hextLine.match(conf).captured(1);
        if (written != hextLiteral)
            fault(QString("HEXT_VALUE is %1, expected %2").arg(written, hextLiteral));

        const QString clockC = readFile(files[2]);
        if (!clockC.contains("  *         system clock (sclk)   = "))
            fault(stem + "_clock.c: the configuration comment was not written");
        for (const QString &f : clockSourceFaults(clockC))
            fault(stem + "_clock.c: " + f);

        for (const QString &path : {files[2], files[3]}) {
            Compilation c;
            c.what = state.name + ": " + QFileInfo(path).fileName();
            c.arguments = QStringList{"-std=c11", "-Wall", "-Werror", "-fsyntax-only",
                                      "-Werror=implicit-function-declaration",
                                      "-I" + m_stubDir, "-I" + inc, path};
            compilations.push_back(std::move(c));
        }
    }

    // The compilations run a few at a time; each is bounded.
    const int parallel = qMax(2, QThread::idealThreadCount());
    std::deque<Compilation *> running;
    auto finish = [&](Compilation *c) {
        if (c->process->error() == QProcess::FailedToStart) {
            faults << c->what + ": the compiler did not start";
            return;
        }
        if (!c->process->waitForFinished(60000)) {
            c->process->kill();
            c->process->waitForFinished(1000);
            faults << c->what + ": compiler timed out";
            return;
        }
        if (c->process->exitStatus() != QProcess::NormalExit || c->process->exitCode() != 0)
            faults << c->what + " does not compile:\n" + QString::fromLocal8Bit(c->process->readAll());
    };
    for (Compilation &c : compilations) {
        c.process.reset(new QProcess);
        c.process->setProcessChannelMode(QProcess::MergedChannels);
        c.process->start(m_compiler, c.arguments);
        running.push_back(&c);
        if (int(running.size()) >= parallel) {
            finish(running.front());
            running.pop_front();
        }
    }
    for (Compilation *c : running)
        finish(c);

    if (!faults.isEmpty())
        root.setAutoRemove(false);
    QVERIFY2(faults.isEmpty(), qPrintable(QString("index %1 (%2), output kept in %3:\n")
                                              .arg(index).arg(stem, root.path())
                                          + faults.join("\n")));
}

QTEST_GUILESS_MAIN(TemplateConformanceTest)
#include "tst_model_templateconformance.moc"
