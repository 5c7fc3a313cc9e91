#ifndef R8X0CONTROLS_H
#define R8X0CONTROLS_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class CustomComboBox1;
class DividerTable;
class KytoR8x0PLL;
class QLabel;
class QLineEdit;
class QRadioButton;

// What the R810 and R820 pages share beside their controls: the clock
// limits, the order of each radio group and the dividers of the combos
// that no other family has.
namespace R8x0 {

const int sclkMax = 288;
const int apbMax = 144;

enum RtcSel { RtcLick, RtcLext, RtcHext };
enum PllRcs { RcsHext, RcsHick };
enum SclkSel { SclkHext, SclkPll, SclkHick };
enum HickToUsb { UsbFromPll, UsbFromHick };
enum HickToSclk { HickSixth, Hick48 };
enum Clkout1 { C1Hick, C1Lext, C1Hext, C1Pll };
enum Clkout2 { C2Sclk, C2Hext, C2Pll, C2Usb, C2Hick, C2Adc, C2Lick, C2Lext };

const DividerTable &pllFrDividers();         // 1, 2, 4, 8, 16, 32
const DividerTable &usbDividers();           // 1 to 7 in steps of 0.5

} // namespace R8x0

// What one read-out of the right-hand column shows.
enum class R8x0ReadoutKind { Sclk, Systick, Ahb, Adc, Apb1, Apb1Timer, Apb2, Apb2Timer };

struct R8x0Readout {
    QString label;
    int y;
    R8x0ReadoutKind kind;
};

// Scene positions of every control of an R810/R820 page; the defaults are
// R810's, R820 changes what its drawing moves.
struct R8x0PageLayout {
    QPoint lickLabel{80, 43}, lick{65, 60};
    QPoint wdt{506, 9};
    QPoint rtcSwitch{400, 101}, ertc{508, 102}, ertcLabel{593, 105};
    QPoint lextLabel{80, 88}, lext{65, 103};
    QPoint lextBypassLabel{83, 135}, lextBypass{65, 151}, lextIn{18, 103}, lextOut{6, 114};
    QPoint rtcSelLabel{340, 32};
    QVector<QPoint> rtcSel{{352, 67}, {352, 111}, {352, 154}};
    QPoint rtcDivLabel{250, 135}, rtcDiv{240, 150};
    QPoint hextLabel{65, 228}, hext{65, 248};
    QPoint hextBypassLabel{83, 282}, hextBypass{65, 300}, hextIn{18, 252}, hextOut{6, 263};
    QPoint pllRcsLabel{332, 220};
    QVector<QPoint> pllRcs{{342, 256}, {342, 316}};
    QPoint pllMsLabel{410, 262}, pllMs{395, 282}, pllMsRange{405, 313};
    QPoint pllNsLabel{497, 262}, pllNs{482, 282}, pllNsRange{487, 312};
    QPoint pllFrLabel{585, 262}, pllFr{570, 282}, pllOutput{650, 275};
    QPoint pllCfgLabel{420, 230}, pllCfg{510, 227};
    QPoint sclkSelectLabel{712, 170};
    QVector<QPoint> sclkSelect{{738, 232}, {738, 290}, {738, 347}};
    QPoint ahbLabel{934, 263}, ahb{924, 283};
    QPoint apb1Label{1040, 428}, apb1MaxLabel{1090, 438}, apb1{1035, 448};
    QPoint apb2Label{1040, 593}, apb2MaxLabel{1090, 603}, apb2{1035, 613};
    QPoint usbDivLabel{720, 433}, usbDiv{710, 408};
    QPoint hickToUsbLabel{768, 490};
    QVector<QPoint> hickToUsb{{795, 415}, {795, 455}};
    QPoint usbSwitchLabel{850, 410}, usbSwitch{840, 430}, usbFreq{920, 460};
    QPoint hickToSclkLabel{267, 440};
    QVector<QPoint> hickToSclk{{288, 357}, {288, 407}};
    QPoint hickLabel{80, 355}, hick{65, 373};
    QPoint clockout1Div1Label{384, 495}, clockout1Div1{383, 515};
    QPoint clockout1Div2Label{257, 495}, clockout1Div2{256, 515}, clkout1Freq{50, 545};
    QPoint clkout1PinLabel{136, 496}, clkout1Pin{125, 515};
    QPoint clockout2Div1Label{384, 674}, clockout2Div1{383, 694};
    QPoint clockout2Div2Label{257, 674}, clockout2Div2{256, 694}, clkout2Freq{50, 723};
    QPoint clkout2PinLabel{136, 674}, clkout2Pin{125, 694};
    int clkoutRadioX = 514, clkoutNameX = 572, clkoutValueX = 612;
    QVector<int> clkout1RadioY{490, 511, 532, 554};
    QVector<int> clkout1NameY{488, 510, 532, 551};
    QPoint clkout1Title{500, 585};
    QVector<int> clkout2RadioY{626, 646, 667, 688, 709, 730, 751, 771};
    QVector<int> clkout2NameY{622, 644, 665, 686, 707, 728, 749, 770};
    QPoint clkout2Title{500, 807};
    QPoint sclkLabel{775, 262}, sclk{783, 282};
    QVector<QPoint> notes{{775, 315}, {775, 332}, {775, 349}};
    int readoutX = 1177;
    QVector<R8x0Readout> readouts{
        {QStringLiteral("i2s (MHz)"), 41, R8x0ReadoutKind::Sclk},
        {QStringLiteral("systick(MHz)"), 92, R8x0ReadoutKind::Systick},
        {QStringLiteral("sdio (MHz)"), 134, R8x0ReadoutKind::Ahb},
        {QStringLiteral("dma (MHz)"), 179, R8x0ReadoutKind::Ahb},
        {QStringLiteral("xmc (MHz)"), 221, R8x0ReadoutKind::Ahb},
        {QStringLiteral("gpio (MHz)"), 263, R8x0ReadoutKind::Ahb},
        {QStringLiteral("dvp (MHz)"), 303, R8x0ReadoutKind::Ahb},
        {QStringLiteral("qspi (MHz)"), 345, R8x0ReadoutKind::Ahb},
        {QStringLiteral("adc (MHz)"), 389, R8x0ReadoutKind::Adc},
        {QStringLiteral("apb1 peripheral (MHz)"), 446, R8x0ReadoutKind::Apb1},
        {QStringLiteral("apb1 tmr (MHz)"), 530, R8x0ReadoutKind::Apb1Timer},
        {QStringLiteral("apb2 peripheral (MHz)"), 613, R8x0ReadoutKind::Apb2},
        {QStringLiteral("apb2 tmr (MHz)"), 698, R8x0ReadoutKind::Apb2Timer},
    };
    int listX = 1262;
    QVector<int> listButtonY{471, 555, 638, 723};
    // The apb2 tmr list opens above its button, every other one below.
    QVector<int> listY{491, 575, 658, 563};
    QPoint systickBox{1090, 89}, apb1TimerBox{1090, 495}, apb2TimerBox{1090, 660};
};

// The controls of an R810/R820 page over its drawing, each named after its
// clock-tree node. build() creates them in the order that fixes their
// stacking at equal z: those every high-performance page has go into the
// page's own members, those of this family alone stay here. The page reads
// and writes them, and connects them.
class R8x0Controls
{
public:
    void build(KytoR8x0PLL *page, const R8x0PageLayout &layout);

    QLabel *pllfrLabel = nullptr;
    CustomComboBox1 *pllfrComboBox = nullptr;
    QLabel *usbdivLabel = nullptr;
    CustomComboBox1 *usbdivComboBox = nullptr;
    QLabel *hicktousbLabel = nullptr;
    QVector<QRadioButton *> hicktousbRadios;    // PLL, HICK 48 MHz
    CustomComboBox1 *usbswitchComboBox = nullptr;
    QLabel *usbFreqLabel = nullptr;
    QLabel *clockout1div1Label = nullptr;
    CustomComboBox1 *clockout1div1ComboBox = nullptr;
    QLabel *clockout1div2Label = nullptr;
    CustomComboBox1 *clockout1div2ComboBox = nullptr;
    QLabel *clkout1FreqLabel = nullptr;
    CustomComboBox1 *clockout1PinSelectComboBox = nullptr;
    QLabel *clockout2div1Label = nullptr;
    CustomComboBox1 *clockout2div1ComboBox = nullptr;
    QLabel *clockout2div2Label = nullptr;
    CustomComboBox1 *clockout2div2ComboBox = nullptr;
    QLabel *clkout2FreqLabel = nullptr;
    CustomComboBox1 *clockout2PinSelectComboBox = nullptr;
    QVector<QRadioButton *> clkout1Radios;      // hick, lext, hext, pll
    QVector<QLabel *> clkout1NameLabels;
    QVector<QLabel *> clkout1SourceFreqLabels;
    QLabel *clkout1TitleLabel = nullptr;
    QVector<QRadioButton *> clkout2Radios;      // sclk, hext, pll, usb, hick, adcclk, lick, lext
    QVector<QLabel *> clkout2NameLabels;
    QVector<QLabel *> clkout2SourceFreqLabels;
    QLabel *clkout2TitleLabel = nullptr;
    QVector<QLabel *> noteLabels;
    QVector<QLineEdit *> readouts;              // in the order of table.layout.readouts
    QLabel *adcLabel = nullptr;

    // The usage notes under the sclk edit in the current language.
    void retranslateNotes();

private:
    void buildLickReadout();
    void buildWdtReadout();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildBypassCombo(const QString &node, int z, const QVector<QPoint> &places, CustomComboBox1 *&combo,
                          QLabel *&label, QLabel *&in, QLabel *&out);
    void buildErtcSelGroup();
    void buildErtcDivCombo();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildPllRcsGroup();
    void buildPllMsEdit();
    void buildPllNsEdit();
    void buildPllFrCombo();
    void buildPllCfgReadout();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildUsbDivCombo();
    void buildHickToUsbGroup();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildClockout1Div1Combo();
    void buildClockout1Div2Combo();
    void buildClkoutPinCombo();
    void buildClockout2Div1Combo();
    void buildClockout2Div2Combo();
    void buildClkout2PinCombo();
    void buildClkoutSourceGroup(const QString &node, const QStringList &names, const QVector<int> &radioY,
                                const QVector<int> &nameY, const QPoint &title, QVector<QRadioButton *> &radios,
                                QVector<QLabel *> &nameLabels, QVector<QLabel *> &valueLabels, QLabel *&titleLabel);
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildFactorBoxes();

    CustomComboBox1 *makeCombo(const QString &name, const QPoint &at, int width, int z, const QStringList &items);
    QLabel *makeLabel(const QString &text, const QPoint &at, int pointSize = 10, int weight = 0);
    QLineEdit *makeOscillatorReadout(const QString &name, const QString &text, const QPoint &at);
    void makeRadioGroup(const QString &name, const QVector<QPoint> &places, QVector<QRadioButton *> &radios);

    KytoR8x0PLL *page = nullptr;
    const R8x0PageLayout *layout = nullptr;
};

#endif // R8X0CONTROLS_H
