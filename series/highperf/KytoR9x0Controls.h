#ifndef KYTOR9X0CONTROLS_H
#define KYTOR9X0CONTROLS_H

#include "KytoHighPerfControls.h"
#include "../common/PeripheralClockGroup.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class DividerTable;
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
    HighPerfApbDivider apb1{{1042, 408}, {1092, 418}, {1034, 425}, 2};
    HighPerfApbDivider apb2{{1042, 528}, {1092, 538}, {1034, 545}, 1};
    HighPerfApbDivider apb3{{1042, 647}, {1092, 657}, {1034, 664}, 1};
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
class KytoR9x0Controls : public KytoHighPerfControls
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
    static const DividerTable &pllFpDividers();
    static const DividerTable &pllFuDividers();

    static const double sclkMax;

    const R9x0SeriesTable table;

    // Controls, as the page's drawing names them.
    QLabel *pllfpLabel = nullptr;
    CustomComboBox1 *pllfpComboBox = nullptr;
    QLabel *pllfuLabel = nullptr;
    CustomComboBox1 *pllfuComboBox = nullptr;
    QLabel *hicktousbLabel = nullptr;
    QVector<QRadioButton *> hicktousbRadios;
    QLabel *usbswitchLabel = nullptr;
    CustomComboBox1 *usbswitchComboBox = nullptr;
    QLabel *usbFreqLabel = nullptr;
    QVector<QLineEdit *> readouts;             // in the order of table.readouts
    PeripheralClockGroup canGroups[3];
    PeripheralClockGroup i2sf5Group;

private:
    void buildPllFpCombo();
    void buildPllFuCombo();
    void buildHickToUsbGroup();
    void buildPeripheralReadouts();
    void buildCanClockSelGroup(int can);
    void buildI2sf5ClockSelGroup();
};

#endif // KYTOR9X0CONTROLS_H
