#ifndef KYTOMULTIPLIERVIEW_H
#define KYTOMULTIPLIERVIEW_H

#include "KytoMCUPLL.h"
#include "MultiplierClockOut.h"
#include "MultiplierSeriesTable.h"
#include "../common/ClickUndo.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"

#include <QVector>

class CustomComboBox1;
class DividerTable;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The controls of a multiplier-PLL page placed on its drawing, as the
// series table lays them out; KytoMultiplierPLL gives them their behaviour.
class KytoMultiplierView : public KytoMCUPLL
{
public:
    ~KytoMultiplierView() override;

protected:
    KytoMultiplierView(const MultiplierSeriesTable &table, QWidget *parent);

    // Every control of the page, placed and styled, not yet connected.
    void buildControls();

    static const DividerTable &hextDividers();
    static const DividerTable &usbDividers();

    const MultiplierSeriesTable table;
    // Boxes translated in the context of the concrete class; quiet while a
    // design file is applied.
    PageMessages messages{this};
    // Every click applied whole or taken back whole.
    ClickUndo undo{this, messages};

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
    QButtonGroup *rtcselGroup = nullptr;
    QLabel *hextLabel = nullptr;
    QLineEdit *hextLineEdit = nullptr;
    QLabel *hextBypassLabel = nullptr;
    CustomComboBox1 *hextbypassComboBox = nullptr;
    QLabel *hextInLabel = nullptr;
    QLabel *hextOutLabel = nullptr;
    QLabel *hextdivLabel = nullptr;
    CustomComboBox1 *hextdivComboBox = nullptr;
    QLabel *pllhextdivLabel = nullptr;
    QVector<QRadioButton *> pllhextdivRadios;
    QButtonGroup *pllhextdivGroup = nullptr;
    QLabel *pllrcsLabel = nullptr;
    QVector<QRadioButton *> pllrcsRadios;
    QButtonGroup *pllrcsGroup = nullptr;
    QLabel *pllmultLabel = nullptr;
    CustomComboBox1 *pllmultComboBox = nullptr;
    QLabel *pllOutputLabel = nullptr;
    QLabel *sclkselectLabel = nullptr;
    QVector<QRadioButton *> sclkselectRadios;
    QButtonGroup *sclkselectGroup = nullptr;
    QLabel *sclkLabel = nullptr;
    QLineEdit *sclkLineEdit = nullptr;
    QLabel *sclkRangeLabel = nullptr;
    QLabel *ahbdivLabel = nullptr;
    CustomComboBox1 *ahbdivComboBox = nullptr;
    QLabel *apb1divLabel = nullptr;
    CustomComboBox1 *apb1divComboBox = nullptr;
    QLabel *apb2divLabel = nullptr;
    CustomComboBox1 *apb2divComboBox = nullptr;
    QLabel *usbdivLabel = nullptr;
    CustomComboBox1 *usbdivComboBox = nullptr;
    QLabel *usbswitchLabel = nullptr;
    CustomComboBox1 *usbswitchComboBox = nullptr;
    QLabel *usbFreqLabel = nullptr;
    QLabel *hicktousbLabel = nullptr;
    QVector<QRadioButton *> hicktousbRadios;
    QButtonGroup *hicktousbGroup = nullptr;
    QLabel *hicktosclkLabel = nullptr;
    QVector<QRadioButton *> hicktosclkRadios;
    QButtonGroup *hicktosclkGroup = nullptr;
    QLabel *hickLabel = nullptr;
    QLineEdit *hickReadout = nullptr;
    MultiplierClockOut clockOut;
    QVector<QLineEdit *> readouts;              // in the order of table.layout.readouts
    QLineEdit *adcReadout = nullptr;
    QLabel *adcLabel = nullptr;
    // toapb1peripheral, toapb1tmr, toapb2peripheral, toapb2tmr
    PeripheralLists lists{true};
    QLineEdit *systickBox = nullptr;
    QLineEdit *apb1TimerBox = nullptr;
    QLineEdit *apb2TimerBox = nullptr;
    QLabel *adcdivLabel = nullptr;
    CustomComboBox1 *toadcdivComboBox = nullptr;
    CustomComboBox1 *toadcswitchComboBox = nullptr;

private:
    void buildLickReadout();
    void buildWdtLabel();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildRtcSelGroup();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildHextDivCombo();
    void buildPllHextDivGroup();
    void buildPllRcsGroup();
    void buildPllMultCombo();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildUsbDivCombo();
    void buildUsbSwitchCombo();
    void buildHickToUsbGroup();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildReadOnlyFreqEdits();
    void buildAdcDivCombo();
};

#endif // KYTOMULTIPLIERVIEW_H
