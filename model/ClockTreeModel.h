#ifndef CLOCKTREEMODEL_H
#define CLOCKTREEMODEL_H

#include <QString>

#include <array>

// The clock configuration of one chip of one series: the user's selections,
// the frequencies derived from them (MHz, LEXT in kHz) and the code
// generator's two flags. A plain object: the series widgets write the inputs
// directly, call the recompute operations and read the results back. Every
// rule that differs between series keys on seriesIndex (see SeriesGroups).
class ClockTreeModel
{
public:
    explicit ClockTreeModel(int seriesIndex);

    void setDefaults();

    // ---- frequency computation ----
    double pllInputFrequency() const;
    int maxSclk() const;
    void computePllOutput();
    void recompute();
    bool isPllUsed() const;
    bool isHextUsed() const;
    bool isHickUsed() const;
    bool isHextDivUsed() const;

    // ---- PLL factor search and factor checks ----
    void validMsRange(double in, int &maxMs, int &minMs) const;
    void validNsRange(double in, double ms, int &maxNs, int &minNs) const;
    void searchPllForSclk(double in);
    void searchPllForUsb(double in);
    void recomputeFromPll();
    void recomputeUsb();
    bool fixPllMs(int ms, int &suggested) const;
    bool fixPllNs(int ns, int ms, int &suggested) const;

    // ---- value-to-name mappers for the generated code ----
    // sources
    QString adcClockSourceName() const;
    QString canClockSourceName(int source) const;
    QString clkout1SourceName() const;
    QString clkout2SourceName() const;
    QString clkoutSourceName() const;
    QString i2cClockSourceName() const;
    QString i2sf5ClockSourceName() const;
    QString usart1ClockSourceName() const;
    QString usart2ClockSourceName() const;
    QString usart3ClockSourceName() const;
    // dividers
    QString adcDivName() const;
    QString ahbDivName() const;
    QString apb1DivName() const;
    QString apb2DivName() const;
    QString apb3DivName() const;
    QString clkoutDiv1Name(int div) const;
    QString clkoutDiv2Name(int div) const;
    QString clkoutDivName(int div) const;
    QString hextSclkDivName() const;
    QString hickSclkDivName() const;
    QString rtcHextDivName() const;
    QString usbDivName() const;
    // PLL
    QString pllSourceName() const;
    QString pllFpName() const;
    QString pllFrName() const;
    QString pllFuName() const;
    QString pllMsText() const;
    QString pllNsText() const;
    QString pllMultName() const;
    QString pllOutputRangeName() const;
    QString hextDivName() const;
    // flash and LDO, by sclkMhz
    QString flashWaitCycleName() const;
    QString flashClockDivName() const;
    QString ldoOutputName() const;
    // clock-out pins and GPIO
    QString clkoutPinName() const;
    QString clkoutPinSourceName() const;
    QString clkoutGpioPortName() const;
    QString clkoutGpioClockName() const;
    QString clkoutMuxName() const;
    QString clkout1PinName() const;
    QString clkout1PinSourceName() const;
    QString clkout1GpioPortName() const;
    QString clkout1GpioClockName() const;
    QString clkout1MuxName() const;
    QString clkoutIndexName(int n) const;

    // Clock-out pin list of the series widgets: "PA8" 1 ... "PE4" 6.
    static int pinIndexFromName(const QString &name);
    static QString pinNameFromIndex(int index);

    // ---- code generator (SourceGenerator) ----
    // failedPath: the target that could not be written, when one could not.
    bool writeSourceFiles(const QString &incDir, const QString &srcDir, const QString &stem,
                          QString *failedPath = nullptr);
    // True, with its name and MHz, when a clock the generated files state is
    // no frequency they can hold (nan, inf, 0, negative, beyond 32 bits of
    // Hz); writeSourceFiles then writes nothing.
    bool findUnwritableClock(QString *name, double *mhz) const;
    void askReplaceFile(const QString &fileName, bool &replace, bool &applyToAll);

    // ---- fields, in this order ----
    // Fields without a value of their own in setDefaults start here at the
    // neutral value: 0 for switches, sources, pins and flags, 1 (2 where 1 is
    // not allowed) for divisors and multipliers, so no rule ever reads an
    // indeterminate value or divides by a zero default.
    int seriesIndex;
    bool applyToAllConflicts = false;
    double lextKhz = 32.768;
    bool lextBypass = false;
    double hextMhz = 8.0;
    double hickMhz = 48.0;
    bool hextBypass = false;
    int rtcSource = 0;
    bool rtcEnabled = false;
    int rtcHextDiv = 2;
    int hextDiv = 1;
    int hickDiv = 1;
    int pllHextDivEnabled = 0;
    int pllSource = 0;
    int pllMs = 2;
    int pllNs = 192;
    int pllFr = 8;
    int pllFp = 2;
    int pllFu = 18;
    int sclkSource = 2;
    int ahbDiv = 1;
    int apb1Div = 1;
    int apb2Div = 1;
    int apb3Div = 1;
    double pllMhz = 0.0;
    double sclkMhz = 0.0;
    double ahbMhz = 0.0;
    double apb1Mhz = 0.0;
    int apb1TimerMult = 1;
    double apb1TimerMhz = 0.0;
    double apb2Mhz = 0.0;
    double apb3Mhz = 0.0;
    int apb2TimerMult = 1;
    double apb2TimerMhz = 0.0;
    bool adcEnabled = false;
    int adcDiv = 2;
    double adcMhz = 0.0;
    double usbDiv = 1.0;
    int usbDisabled = 0;
    double usbMhz = 0.0;
    int usbFromHick = 0;
    int sclkHick48 = 0;
    int clkout1Div1 = 1;
    int clkout1Div2 = 1;
    int clkout1Pin = 0;
    int clkout2Div1 = 1;
    int clkout2Div2 = 1;
    int clkout2Pin = 0;
    int clkout1Source = 0;
    int clkout2Source = 0;
    int clkoutDiv = 1;
    int clkoutPin = 0;
    int clkoutSource = 0;
    int clkoutDiv1 = 1;
    int clkoutDiv2 = 1;
    bool usart1Enabled = false;
    bool usart2Enabled = false;
    bool usart3Enabled = false;
    bool i2c1Enabled = false;
    bool i2sf5Enabled = false;
    bool can1Enabled = false;
    bool can2Enabled = false;
    bool can3Enabled = false;
    int pllFlexibleMode = 1;
    int pllMult = 2;
    int usart1ClockSource = 0;
    int usart2ClockSource = 0;
    int usart3ClockSource = 0;
    int i2c1ClockSource = 0;
    int adcClockSource = 0;
    int i2sf5ClockSource = 0;
    int can1ClockSource = 2;
    int can2ClockSource = 0;
    int can3ClockSource = 0;
    // The container sets it before every generation; until then the
    // generator asks, which is the safe choice.
    int interactiveGenerate = 1;

private:
    struct NsWindow {
        int minNs = 0;
        int maxNs = 0;
    };
    // Indexed by ms (1..15).
    using NsWindows = std::array<NsWindow, 16>;
    NsWindows nsWindows(double in, int minMs, int maxMs) const;
    void computeBuses();
    bool isUsbSkipped() const;
    int pllOutputDivider() const;
    // The highest PLL output whose SCLK stays within maxSclk.
    double pllOutputLimit() const;
    bool pllInFlexibleUse() const;
};

#endif // CLOCKTREEMODEL_H
