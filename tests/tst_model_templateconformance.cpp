// Conformance of the code templates with the generator: every series index,
// over a matrix of clock states, must generate four complete files whose C
// sources compile against a stand-in of the chip firmware library and, run
// against its recording implementation (a simulated clock controller), never
// clock the flash faster than its wait cycles allow, start every oscillator
// they route before routing it, and end on the clocks the model shows.

#include "ClockTreeModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QSet<int> multiplierOnlySeries{2, 4, 7, 8, 24};
const QSet<int> dualModeSeries{5, 9, 15, 16, 17};
const QSet<int> flexibleDividerSeries{18, 19, 20, 21, 22, 23, 25, 26, 29, 30};
const QSet<int> directPllInputSeries = QSet<int>{13, 14} + flexibleDividerSeries;
const QSet<int> twelveMhzTemplateSeries{19, 20, 30};
const QSet<int> dualClockOutSeries{13, 14};
const QSet<int> apb3Series{21, 22, 23, 25, 26};
const QSet<int> flexiblePageSeries{18, 19, 20, 29, 30};
const QSet<int> halfSclkSeries{18, 29};

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

// The clock output (both on series 13 and 14) on LICK or LEXT.
void clockOutFromLowSpeed(ClockTreeModel &m, bool lext)
{
    if (dualClockOutSeries.contains(m.seriesIndex)) {
        m.clkout1Pin = lext ? 1 : 0;
        m.clkout1Source = 1;
        m.clkout2Pin = 1;
        m.clkout2Source = lext ? 7 : 6;
    } else {
        m.clkoutPin = 1;
        m.clkoutSource = lext ? 2 : 1;
    }
    m.usbDisabled = 1;
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
    s << ClockState{"clock-out on lick, rtc off", everySeries,
                    [](ClockTreeModel &m) { clockOutFromLowSpeed(m, false); }};
    s << ClockState{"clock-out on lext with bypass, rtc off", everySeries, [](ClockTreeModel &m) {
                        m.lextBypass = true;
                        clockOutFromLowSpeed(m, true);
                    }};
    s << ClockState{"clock-out, rtc and usart1 on lext", everySeries, [](ClockTreeModel &m) {
                        m.rtcEnabled = true;
                        m.rtcSource = 1;
                        m.usart1Enabled = true;
                        m.usart1ClockSource = 3;
                        clockOutFromLowSpeed(m, true);
                    }};
    s << ClockState{"clock-out and rtc on lick", everySeries, [](ClockTreeModel &m) {
                        m.rtcEnabled = true;
                        m.rtcSource = 0;
                        clockOutFromLowSpeed(m, false);
                    }};
    // What only the flexible-PLL pages store: the clock-out on the USB clock
    // (USBFS 11 or USB 6, by register layout), and a USART on HICK48, which
    // a design file can hold.
    s << ClockState{"clock-out from usb on PC9", [](int i) { return flexiblePageSeries.contains(i); },
                    [](ClockTreeModel &m) {
                        m.usbDisabled = 0;
                        m.usbFromHick = 0;
                        m.clkoutPin = 4;
                        m.clkoutSource = halfSclkSeries.contains(m.seriesIndex) ? 6 : 11;
                        pllAt(m, m.maxSclk());
                    }};
    s << ClockState{"usart1 on hick48", [](int i) { return halfSclkSeries.contains(i); }, [](ClockTreeModel &m) {
                        m.usart1Enabled = true;
                        m.usart1ClockSource = 2;
                        m.recompute();
                    }};
    return s;
}

QString readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
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

// One generated state of a series, as the batch that runs them needs it.
struct GeneratedState {
    int number = 0;
    QString name;
    QString inc;
    QString src;
    QStringList functions;   // defined in stem_clock.c and main.c
    QStringList initCalls;   // what main calls after the system clock, in order
    QString hextValue;       // HEXT_VALUE as written
    QString sclkSource;      // the model's, named as the recorder names it
    double sclkHz = 0;
    double ahbHz = 0;
    double apb1Hz = 0;
    double apb2Hz = 0;
    double apb3Hz = 0;
};

QStringList definedFunctions(const QString &text)
{
    QStringList names;
    QRegularExpressionMatchIterator it =
        QRegularExpression("(?m)^(?:void|int)\\s+(\\w+)\\s*\\([^)]*\\)\\s*\\n\\{").globalMatch(text);
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

QStringList callsInMain(const QString &mainC)
{
    QStringList calls;
    const QString body = QRegularExpression("(?s)int main\\(void\\)\\s*\\{(.*)\\n\\}").match(mainC).captured(1);
    QRegularExpressionMatchIterator it = QRegularExpression("\\b(\\w+)\\(\\);").globalMatch(body);
    while (it.hasNext()) {
        const QString call = it.next().captured(1);
        if (call != "system_clock_config")
            calls << call;
    }
    return calls;
}

// All states of a series in one translation unit, so one compiler run checks
// and builds them: each state's two files are included with their functions
// renamed, followed by what runs them against the recorder.
QString batchSource(const QList<GeneratedState> &states, const QString &stem)
{
    QString c = "#include \"kyto_firmware_recorder.h\"\n\n";
    for (const GeneratedState &s : states) {
        const QString n = QString::number(s.number);
        for (const QString &f : s.functions)
            c += "#define " + f + " kyto_state" + n + "_" + f + "\n";
        c += "#include \"" + s.src + "/" + stem + "_clock.c\"\n";
        c += "#include \"" + s.src + "/main.c\"\n";
        c += "static void kyto_start_up" + n + "(void)\n{\n  system_clock_config();\n}\n";
        c += "static void kyto_features" + n + "(void)\n{\n";
        for (const QString &call : s.initCalls)
            c += "  " + call + "();\n";
        c += "}\n";
        for (const QString &f : s.functions)
            c += "#undef " + f + "\n";
        c += "\n";
    }
    c += "int main(void)\n{\n";
    for (const GeneratedState &s : states) {
        const QString n = QString::number(s.number);
        c += "  kyto_recorder_run(" + n + ", (double)" + s.hextValue + ", kyto_start_up" + n + ", kyto_features" + n
             + ");\n";
    }
    c += "  return 0;\n}\n";
    return c;
}

bool closeTo(double actual, double expected)
{
    return qAbs(actual - expected) <= 1e-3 + 1e-9 * qAbs(expected);
}

// The recorder's report of every state: its faults (with the call trace) and
// final clocks against the model.
QStringList recorderFaults(const QString &output, const QList<GeneratedState> &states, int index)
{
    QStringList faults;
    const GeneratedState *state = nullptr;
    QStringList stateFaults;
    QString trace;
    bool clockSeen = false;
    for (const QString &line : output.split('\n', Qt::SkipEmptyParts)) {
        const QString kind = line.section(' ', 0, 0);
        const QString rest = line.section(' ', 1);
        if (kind == "state") {
            state = nullptr;
            for (const GeneratedState &s : states) {
                if (s.number == rest.toInt())
                    state = &s;
            }
            stateFaults.clear();
            trace.clear();
            clockSeen = false;
        } else if (!state) {
            faults << "recorder output outside a state: " + line;
        } else if (kind == "fault") {
            stateFaults << rest;
        } else if (kind == "trace") {
            trace += "\n      " + rest;
        } else if (kind == "clock") {
            clockSeen = true;
            const QStringList v = rest.split(' ');
            if (v.size() != 6) {
                stateFaults << "malformed clock report: " + rest;
                continue;
            }
            if (v[0] != state->sclkSource)
                stateFaults << QString("ends on %1, the model on %2").arg(v[0], state->sclkSource);
            const QList<QPair<QString, double>> expected{{"sclk", state->sclkHz},
                                                         {"ahb", state->ahbHz},
                                                         {"apb1", state->apb1Hz},
                                                         {"apb2", state->apb2Hz},
                                                         {"apb3", state->apb3Hz}};
            for (int i = 0; i < expected.size(); ++i) {
                if (expected[i].first == "apb3" && !apb3Series.contains(index))
                    continue;
                const double actual = v[i + 1].toDouble();
                if (!closeTo(actual, expected[i].second))
                    stateFaults << QString("%1 is %2 Hz, the model shows %3 Hz")
                                       .arg(expected[i].first)
                                       .arg(actual, 0, 'f', 3)
                                       .arg(expected[i].second, 0, 'f', 3);
            }
        } else if (kind == "end") {
            if (!clockSeen)
                stateFaults << "system_clock_config did not finish";
            for (const QString &f : stateFaults)
                faults << state->name + ": " + f;
            if (!stateFaults.isEmpty())
                faults.last() += "\n    calls:" + trace;
            state = nullptr;
        }
    }
    return faults;
}

} // namespace

class TemplateConformanceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySeriesGeneratesSoundCode_data();
    void everySeriesGeneratesSoundCode();

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

void TemplateConformanceTest::everySeriesGeneratesSoundCode_data()
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

void TemplateConformanceTest::everySeriesGeneratesSoundCode()
{
    QFETCH(int, index);
    QFETCH(QString, stem);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QStringList faults;
    QList<GeneratedState> generated;

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
        const QString mainC = readFile(files[3]);
        if (!clockC.contains("  *         system clock (sclk)   = "))
            fault(stem + "_clock.c: the configuration comment was not written");

        GeneratedState g;
        g.number = stateNo;
        g.name = state.name;
        g.inc = inc;
        g.src = src;
        g.functions = definedFunctions(clockC) + definedFunctions(mainC);
        g.initCalls = callsInMain(mainC);
        g.hextValue = written.isEmpty() ? hextLiteral : written;
        g.sclkSource = model.sclkSource == 0 ? "HEXT" : model.sclkSource == 1 ? "PLL" : "HICK";
        g.sclkHz = model.sclkMhz * 1e6;
        g.ahbHz = model.ahbMhz * 1e6;
        g.apb1Hz = model.apb1Mhz * 1e6;
        g.apb2Hz = model.apb2Mhz * 1e6;
        g.apb3Hz = model.apb3Mhz * 1e6;
        generated << g;
    }
    QVERIFY(!generated.isEmpty());

    // One compiler run checks every state's files and builds them, with the
    // recorder, into one program that runs them all.
    const QString batch = root.path() + "/states.c";
    const QString program = root.path() + "/states";
    {
        QFile file(batch);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(batchSource(generated, stem).toUtf8());
    }
    QProcess compiler;
    compiler.setProcessChannelMode(QProcess::MergedChannels);
    compiler.start(m_compiler, QStringList{"-std=c11", "-Wall", "-Werror", "-Werror=implicit-function-declaration",
                                           QString("-DKYTO_SERIES=%1").arg(index),
                                           "-DKYTO_CHIP_HEADER=\"" + stem + ".h\"", "-I" + m_stubDir,
                                           "-I" + generated.first().inc, "-o", program,
                                           m_stubDir + "/kyto_firmware_recorder.c", batch});
    QVERIFY2(compiler.waitForFinished(120000), "the compiler did not finish");
    if (compiler.exitStatus() != QProcess::NormalExit || compiler.exitCode() != 0) {
        faults << "the generated code does not compile:\n" + QString::fromLocal8Bit(compiler.readAll());
    } else {
        QProcess run;
        run.start(program, QStringList());
        if (!run.waitForFinished(60000)) {
            run.kill();
            run.waitForFinished(1000);
            faults << "the generated code did not finish on the recorder";
        } else {
            faults << recorderFaults(QString::fromLocal8Bit(run.readAllStandardOutput()), generated, index);
            if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
                faults << "the recorder run ended abnormally";
        }
    }

    if (!faults.isEmpty()) {
        // The messages of QtTest are cut short; each fault gets a line of its
        // own, and the report with the calls that led to it stays on disk.
        root.setAutoRemove(false);
        const QString report = root.path() + "/report.txt";
        QFile file(report);
        if (file.open(QIODevice::WriteOnly))
            file.write(faults.join("\n").toUtf8());
        for (const QString &f : faults)
            qWarning("%s", qPrintable(f.section("\n    calls:", 0, 0)));
        QFAIL(qPrintable(QString("index %1 (%2): %3 faults, reported with their calls in %4")
                             .arg(index)
                             .arg(stem)
                             .arg(faults.size())
                             .arg(report)));
    }
}

QTEST_GUILESS_MAIN(TemplateConformanceTest)
#include "tst_model_templateconformance.moc"
