#ifndef MULTIPLIERSERIESTABLE_H
#define MULTIPLIERSERIESTABLE_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

// What one read-out of the right-hand column shows.
enum class ReadoutKind { Sclk, Systick, Ahb, Apb1, Apb1Timer, Adc, Apb2, Apb2Timer };

struct MultiplierReadout {
    QString label;   // empty for the adc read-out, whose label is placed on its own
    int y;
    ReadoutKind kind;
};

// Scene positions of every control of a multiplier-PLL page.
struct MultiplierPageLayout {
    QPoint lickLabel{80, 48}, lick{65, 65};
    QPoint wdt{415, 17};
    QPoint rtcLabel{500, 145}, rtcSwitch{305, 142}, rtcReadout{415, 142};
    QPoint lextLabel{80, 121}, lext{65, 138};
    QPoint lextBypassLabel{83, 168}, lextIn{18, 140}, lextOut{6, 151}, lextBypass{65, 186};
    QPoint rtcSelLabel{248, 32};
    QVector<QPoint> rtcSel{{257, 75}, {257, 148}, {257, 214}};
    QPoint hextLabel{65, 279}, hext{65, 297};
    QPoint hextBypassLabel{83, 329}, hextIn{18, 299}, hextOut{6, 310}, hextBypass{65, 347};
    QPoint hextDivLabel{224, 320}, hextDiv{220, 340};
    QPoint pllHextDivLabel{323, 263};
    QVector<QPoint> pllHextDiv{{345, 305}, {345, 346}};
    QPoint pllRcsLabel{461, 290};
    QVector<QPoint> pllRcs{{472, 327}, {472, 380}};
    QPoint pllMultLabel{560, 327}, pllMult{555, 347}, pllOutput{650, 335};
    QPoint sclkSelectLabel{712, 237};
    QVector<QPoint> sclkSelect{{740, 297}, {740, 355}, {740, 412}};
    QPoint sclkLabel{793, 327}, sclk{783, 347}, sclkRange{798, 376};
    QPoint ahbLabel{936, 327}, ahb{926, 347};
    QPoint apb1Label{1041, 352}, apb1{1036, 372};
    QPoint apb2Label{1041, 582}, apb2{1036, 602};
    QPoint usbDivLabel{717, 482}, usbDiv{707, 502};
    QPoint usbSwitchLabel{820, 482}, usbSwitch{810, 502}, usbFreq{900, 525};
    QPoint hickToUsbLabel{772, 450};
    QVector<QPoint> hickToUsb{{796, 488}, {796, 527}};
    QPoint hickToSclkLabel{380, 510};
    QVector<QPoint> hickToSclk{{400, 427}, {400, 479}};
    QPoint hickLabel{80, 425}, hick{65, 443};
    QPoint clockoutDivLabel{235, 634}, clockoutDiv{233, 654};
    QPoint pinLabel{140, 634}, pin{133, 654}, clkoutFreq{48, 672};
    int clkoutRadioX = 339;
    QVector<int> clkoutRadioY{565, 590, 617, 645, 672, 699, 727, 755};
    QVector<int> clkoutNameY{560, 585, 612, 640, 667, 694, 722, 750};
    int clkoutNameX = 400, clkoutFreqX = 440, clkoutFreqXAfterAdc = 450;
    QPoint clkoutTitle{326, 786};
    QPoint systickBox{1092, 142}, apb1TimerBox{1092, 412}, apb2TimerBox{1092, 650};
    int readoutX = 1180;
    QVector<MultiplierReadout> readouts;
    QPoint adcLabel{1265, 516};
    int listX = 1265;
    QVector<int> listButtonY{397, 481, 627, 712};
    QVector<int> listY{417, 501, 397, 551};
    QPoint adcDivLabel{1119, 498}, adcDiv{1115, 514}, adcSwitch{1075, 550};

    // The places of the series with the HICK 48 MHz branches (USB and SCLK
    // from HICK, clock-out divider, ten clock-out sources); the member
    // defaults above are those of the eight-source page.
    static MultiplierPageLayout tenSourceLayout();
};

// Everything in which the five multiplier-PLL series differ.
struct MultiplierSeriesTable {
    int seriesIndex = 0;
    QString templateStem;
    bool hasHextDivCombo = false;    // selectable PLL pre-divider
    bool hasHick48Branches = false;  // hicktousb, hicktosclk, clockoutdiv and ten clock-out sources
    int apbMax = 100;
    int defaultPllMultIndex = 22;
    const char *adcQuestion = nullptr;
    QStringList apb1PeripheralList, apb1TimerList, apb2PeripheralList, apb2TimerList;
    MultiplierPageLayout layout;

    // The design-file keys in the order a design is applied on Open.
    QStringList designLoadOrder() const;
};

#endif // MULTIPLIERSERIESTABLE_H
