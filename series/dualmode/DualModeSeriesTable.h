#ifndef DUALMODESERIESTABLE_H
#define DUALMODESERIESTABLE_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

// What one read-out of the right-hand column shows.
enum class DualModeReadoutKind { Sclk, Systick, Ahb, Apb1, Apb1Timer, Adc, Apb2, Apb2Timer };

struct DualModeReadout {
    QString node;      // object name stem: "i2s" gives i2s_ReadOut
    QString caption;   // empty for the adc read-out, whose label stands on its own
    QPoint at;
    DualModeReadoutKind kind;
};

// One peripheral-clock selection of the series with kernel clocks.
struct DualModeKernelClock {
    QString node;                 // "usart1": usart1clocksel_..., usart1switch_ComboBox, usart1_ReadOut
    QString caption;
    QPoint captionAt;
    QVector<int> radioY;          // at x 1022, in the order pclk, sclk, hick, lext
    QVector<int> nameY;           // source names at x 930
    QPoint switchAt, readoutAt, unitAt;
};

// Scene positions of every control of a dual-mode page. The member defaults
// are the R720 page; each series overrides what its drawing places elsewhere.
struct DualModePageLayout {
    QPoint lickLabel{80, 48}, lick{65, 65};
    QPoint wdt{415, 17};
    QPoint rtcSwitch{305, 142}, ertcLabel{500, 145}, ertc{415, 142};
    QPoint lextLabel{80, 121}, lext{65, 138};
    QPoint lextBypassLabel{83, 168}, lextBypass{65, 186}, lextIn{18, 140}, lextOut{6, 151};
    QPoint rtcselLabel{248, 32};
    QVector<QPoint> rtcsel{{257, 75}, {257, 148}, {257, 214}};
    QPoint hextLabel{65, 279}, hext{65, 297};
    QPoint hextBypassLabel{83, 329}, hextBypass{65, 347}, hextIn{18, 299}, hextOut{6, 310};
    QPoint pllhextdivLabel{243, 263};
    QVector<QPoint> pllhextdiv{{265, 305}, {265, 346}};
    QPoint pllrcsLabel{331, 290};
    QVector<QPoint> pllrcs{{342, 327}, {342, 380}};
    QPoint pllOutput{660, 335};
    // The room of the PLL's output value: from the PLL frame's border to the
    // SCLK mux.
    int pllOutputLeft = 655, pllOutputRight = 730;
    QPoint sclkselectLabel{712, 237};
    QVector<QPoint> sclkselect{{738, 297}, {738, 355}, {738, 412}};
    QPoint ahbLabel{933, 327}, ahb{923, 347};
    QPoint apb1Label{1041, 352}, apb1{1036, 372};
    QPoint apb2Label{1041, 582}, apb2{1036, 602};
    QPoint usbdivLabel{717, 482}, usbdiv{707, 502};
    QPoint usbswitchLabel{850, 482}, usbswitch{840, 502}, usbFreq{930, 525};
    QPoint hicktousbLabel{772, 450};
    QVector<QPoint> hicktousb{{796, 488}, {796, 527}};
    QPoint hicktosclkLabel{380, 510};
    QVector<QPoint> hicktosclk{{400, 427}, {400, 479}};
    QPoint hickLabel{80, 425}, hick{65, 443};
    QPoint clockoutdivLabel{235, 632}, clockoutdiv{233, 652}, clkoutFreq{48, 672};
    QPoint pinLabel{140, 632}, pin{133, 652};
    int clkoutRadioX = 339, clkoutNameX = 400, clkoutFreqX = 440, clkoutAdcFreqX = 450;
    QVector<int> clkoutRadioY{565, 584, 604, 626, 648, 668, 689, 709, 730, 752};
    QVector<int> clkoutNameY{560, 581, 601, 623, 645, 665, 686, 706, 727, 749};
    QPoint clkoutTitle{326, 786};
    QPoint sclkLabel{793, 325}, sclkRange{798, 374}, sclk{783, 345};
    QPoint adcdivLabel{1117, 498}, adcdiv{1113, 514}, adcSwitch{1073, 550};
    QPoint systickBox{1090, 142}, apb1TimerBox{1090, 412}, apb2TimerBox{1090, 650};
    QVector<DualModeReadout> readouts;
    QPoint adcLabel{1263, 516};
    QVector<QPoint> listButtons{{1263, 397}, {1263, 481}, {1263, 627}, {1263, 712}};
    QVector<QPoint> lists{{1263, 417}, {1263, 501}, {1263, 647}, {1263, 599}};
    QVector<DualModeKernelClock> kernelClocks;

    // The right-hand column of the R720 page at x; an i2s or sdio y of 0
    // leaves that read-out out.
    static QVector<DualModeReadout> column(int x, int i2sY, int sdioY, int dmaY);
};

// Where USB takes its clock from.
enum class DualModeUsb { None, Pll, PllOrHick };

// Everything in which the five dual-mode series differ.
struct DualModeSeriesTable {
    int seriesIndex = 0;
    QString templateStem;
    int sclkMax = 150;            // also the AHB, timer and PLL limit
    int apbMax = 75;
    int defaultPllMult = 18;
    int defaultPllNs = 72;
    int defaultPllFr = 4;
    DualModeUsb usb = DualModeUsb::Pll;
    double defaultUsbDiv = 3.0;
    // The R720 twins reset APB2 after the timer multipliers and the USB
    // divider after the ADC.
    bool twinResetOrder = false;
    bool hasKernelClocks = false;
    double rtcHextFactor = 0.0078125;   // HEXT/128 or HEXT/32, in kHz per kHz
    bool listCloseMovesFocus = true;
    bool hickAlways48 = false;          // clock-out HICK row reads "hick48"
    QVector<int> adcDivisors{2, 4, 6, 8, 12, 16};
    QStringList pins{QStringLiteral("none"), QStringLiteral("PA8")};
    // The sclk edit framed like the HEXT edit, or with a plain solid border.
    bool outsetSclkFrame = true;
    QStringList lists[4];
    DualModePageLayout layout;
};

#endif // DUALMODESERIESTABLE_H
