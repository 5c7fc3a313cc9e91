#ifndef KYTOR9X0CONTROLS_H
#define KYTOR9X0CONTROLS_H

#include "KytoMCUPLL.h"
#include "../common/PeripheralClockGroup.h"
#include "../common/PeripheralLists.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class DividerTable;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class CustomComboBox1;

// What one read-out of the right-hand column shows.
enum class R9x0ReadoutKind { Sclk, Systick, Ahb, Apb1, Apb1Timer, Apb2, Apb2Timer, Apb3 };

struct R9x0Readout {
    QString label;
    int y;
    R9x0ReadoutKind kind;
};

// One APB divider: its caption, its "max" note and its combo box.
struct R9x0ApbDivider {
    QPoint label, maxLabel, combo;
    int z;
};

// Everything in which the R910, R920 and R930 pages differ: the series and
// the right-hand column (read-outs, APB dividers, factor boxes, lists). The
// member defaults are those of the R910/R920 page.
struct R9x0SeriesTable {
    int seriesIndex = 21;
    QVector<R9x0Readout> readouts{
        {"i2s (MHz)", 40, R9x0ReadoutKind::Sclk},
        {"systick(MHz)", 77, R9x0ReadoutKind::Systick},
        {"sdio (MHz)", 113, R9x0ReadoutKind::Ahb},
        {"dma (MHz)", 150, R9x0ReadoutKind::Ahb},
        {"xmc (MHz)", 186, R9x0ReadoutKind::Ahb},
        {"gpio (MHz)", 223, R9x0ReadoutKind::Ahb},
        {"aes (MHz)", 259, R9x0ReadoutKind::Ahb},
        {"trng (MHz)", 296, R9x0ReadoutKind::Ahb},
        {"qspi (MHz)", 333, R9x0ReadoutKind::Ahb},
        {"adc (MHz)", 371, R9x0ReadoutKind::Ahb},
        {"apb1 peripheral (MHz)", 423, R9x0ReadoutKind::Apb1},
        {"apb1 tmr (MHz)", 493, R9x0ReadoutKind::Apb1Timer},
        {"apb2 peripheral (MHz)", 546, R9x0ReadoutKind::Apb2},
        {"apb2 tmr (MHz)", 614, R9x0ReadoutKind::Apb2Timer},
        {"apb3 peripheral (MHz)", 666, R9x0ReadoutKind::Apb3},
    };
    R9x0ApbDivider apb1{{1042, 408}, {1092, 418}, {1034, 425}, 2};
    R9x0ApbDivider apb2{{1042, 528}, {1092, 538}, {1034, 545}, 1};
    R9x0ApbDivider apb3{{1042, 647}, {1092, 657}, {1034, 664}, 1};
    // SysTick divider, APB1 and APB2 timer multipliers (x 1090).
    int systickBoxY = 76, apb1TimerBoxY = 458, apb2TimerBoxY = 578;
    // APB1 peripheral, APB1 timer, APB2 peripheral, APB2 timer (x 1267).
    QVector<int> listButtonY{448, 518, 571, 639};
    QVector<int> listY{468, 538, 591, 659};
    QVector<int> listSpacing{3, 4, 4, 2};
};

// The controls of the R910, R920 and R930 pages on their drawing: what each
// is, where it stands, its items and first state, and its connection to the
// series class's slot. KytoR9x0PLL gives them their behaviour.
class KytoR9x0Controls : public KytoMCUPLL
{
protected:
    KytoR9x0Controls(const R9x0SeriesTable &table, QWidget *parent);
    ~KytoR9x0Controls() override;

    // Every control in creation order (which is also the stacking order).
    void buildPage();
    // The connections of the concrete class, whose slots they name.
    void connectSignals();

    // Clock-out radios, CAN and I2SF5 sources, in radio order.
    enum ClkoutRadio { ClkSclk, ClkHext, ClkPll, ClkUsb, ClkAdc, ClkHick, ClkLick, ClkLext };
    enum CanSource { CanHext, CanPllu, CanPclk };
    enum I2sf5Source { I2sPllp, I2sSclk, I2sHick, I2sExternal };
    // The model's clock-out source code of a radio.
    static int clkoutCode(int radio);

    // Items of the family's own divider combo boxes.
    static const DividerTable &hextDividers();
    static const DividerTable &hickDividers();
    static const DividerTable &clockOutDiv1();
    static const DividerTable &pllFpDividers();
    static const DividerTable &pllFuDividers();
    static const DividerTable &rtcDividers();

    static const double sclkMax;

    const R9x0SeriesTable table;
    PeripheralLists lists{true};

    // Controls, as the page's drawing names them.
    QLabel *lickLabel = nullptr;
    QLineEdit *lickReadout = nullptr;
    QLineEdit *wdtReadout = nullptr;
    CustomComboBox1 *rtcswitchComboBox = nullptr;
    QLineEdit *rtcReadout = nullptr;
    QLabel *rtcLabel = nullptr;
    QLabel *lextLabel = nullptr;
    QLineEdit *lextReadout = nullptr;
    QLabel *lextBypassLabel = nullptr;
    CustomComboBox1 *lextbypassComboBox = nullptr;
    QLabel *lextInLabel = nullptr;
    QLabel *lextOutLabel = nullptr;
    QLabel *rtcselLabel = nullptr;
    QVector<QRadioButton *> rtcselRadios;
    QLabel *rtcdivLabel = nullptr;
    CustomComboBox1 *rtcdivComboBox = nullptr;
    QLabel *hextLabel = nullptr;
    QLineEdit *hextLineEdit = nullptr;
    QLabel *hextBypassLabel = nullptr;
    CustomComboBox1 *hextbypassComboBox = nullptr;
    QLabel *hextInLabel = nullptr;
    QLabel *hextOutLabel = nullptr;
    QLabel *hextdivLabel = nullptr;
    CustomComboBox1 *hextdivComboBox = nullptr;
    QLabel *pllrcsLabel = nullptr;
    QVector<QRadioButton *> pllrcsRadios;
    QLabel *pllmsLabel = nullptr;
    QLineEdit *pllmsLineEdit = nullptr;
    QLabel *pllmsRangeLabel = nullptr;
    QLabel *pllnsLabel = nullptr;
    QLineEdit *pllnsLineEdit = nullptr;
    QLabel *pllnsRangeLabel = nullptr;
    QLabel *pllfpLabel = nullptr;
    CustomComboBox1 *pllfpComboBox = nullptr;
    QLabel *pllOutputLabel = nullptr;
    QLabel *pllcfgLabel = nullptr;
    QLineEdit *pllcfgReadout = nullptr;
    QLabel *sclkselectLabel = nullptr;
    QVector<QRadioButton *> sclkselectRadios;
    QLabel *ahbdivLabel = nullptr;
    CustomComboBox1 *ahbdivComboBox = nullptr;
    QLabel *apb1divLabel = nullptr;
    QLabel *apb1MaxLabel = nullptr;
    CustomComboBox1 *apb1divComboBox = nullptr;
    QLabel *apb2divLabel = nullptr;
    QLabel *apb2MaxLabel = nullptr;
    CustomComboBox1 *apb2divComboBox = nullptr;
    QLabel *apb3divLabel = nullptr;
    QLabel *apb3MaxLabel = nullptr;
    CustomComboBox1 *apb3divComboBox = nullptr;
    QLabel *pllfuLabel = nullptr;
    CustomComboBox1 *pllfuComboBox = nullptr;
    QLabel *hicktousbLabel = nullptr;
    QVector<QRadioButton *> hicktousbRadios;
    QLabel *usbswitchLabel = nullptr;
    CustomComboBox1 *usbswitchComboBox = nullptr;
    QLabel *usbFreqLabel = nullptr;
    QLabel *hicktosclkLabel = nullptr;
    QVector<QRadioButton *> hicktosclkRadios;
    QLabel *hickLabel = nullptr;
    QLineEdit *hickReadout = nullptr;
    QLabel *hickdivLabel = nullptr;
    CustomComboBox1 *hickdivComboBox = nullptr;
    QLabel *clockoutdiv1Label = nullptr;
    CustomComboBox1 *clockoutdiv1ComboBox = nullptr;
    QLabel *clockoutdiv2Label = nullptr;
    CustomComboBox1 *clockoutdiv2ComboBox = nullptr;
    QLabel *clkoutFreqLabel = nullptr;
    QLabel *pinLabel = nullptr;
    CustomComboBox1 *clockoutPinSelectComboBox = nullptr;
    QVector<QRadioButton *> clkoutRadios;      // SCLK, HEXT, PLL, USB, ADC, HICK, LICK, LEXT
    QVector<QLabel *> clkoutNameLabels;
    QVector<QLabel *> clkoutValueLabels;
    QLabel *clkoutTitleLabel = nullptr;
    QLabel *sclkLabel = nullptr;
    QLineEdit *sclkLineEdit = nullptr;
    QVector<QLineEdit *> readouts;             // in the order of table.readouts
    QLineEdit *systickBox = nullptr;
    QLineEdit *apb1TimerBox = nullptr;
    QLineEdit *apb2TimerBox = nullptr;
    PeripheralClockGroup canGroups[3];
    PeripheralClockGroup i2sf5Group;

private:
    void buildLickReadout();
    void buildWdtReadout();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildErtcSelGroup();
    void buildErtcDivCombo();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildHextDivCombo();
    void buildPllRcsGroup();
    void buildPllMsEdit();
    void buildPllNsEdit();
    void buildPllFpCombo();
    void buildPllCfgReadout();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApbDivCombo(const R9x0ApbDivider &place, const QString &node, const QString &max,
                          QLabel *&label, QLabel *&maxLabel, CustomComboBox1 *&combo);
    void buildPllFuCombo();
    void buildHickToUsbGroup();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildHickDivCombo();
    void buildClockoutDiv1Combo();
    void buildClockoutDiv2Combo();
    void buildClkoutPinCombo();
    void buildClkoutSourceGroup();
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildFactorBoxes();
    void buildCanClockSelGroup(int can);
    void buildI2sf5ClockSelGroup();

    CustomComboBox1 *makeCombo(int x, int y, int width, int z, const QStringList &items, const QString &node);
    QLabel *makeLabel(const QString &text, int x, int y, int pointSize = 10, int weight = 0);
    QButtonGroup *makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                                 const QString &name);
};

#endif // KYTOR9X0CONTROLS_H
