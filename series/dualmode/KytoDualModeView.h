#ifndef KYTODUALMODEVIEW_H
#define KYTODUALMODEVIEW_H

#include "KytoMCUPLL.h"
#include "DualModeSeriesTable.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"
#include "../common/PllFactorEdits.h"

#include <QVector>

class CustomComboBox1;
class QButtonGroup;
class QGraphicsProxyWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The display side of the dual-mode PLL pages: every control on the drawing,
// the two PLL layouts, which branches of the tree are in use
// (highlightClockPaths) and every read-out (refreshFrequencies). The slots
// live in KytoDualModePLL; neither class has a meta-object of its own, so
// every text is translated in the context of the concrete series class.
class KytoDualModeView : public KytoMCUPLL
{
public:
    ~KytoDualModeView() override;

protected:
    KytoDualModeView(const DualModeSeriesTable &table, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    void buildUi();

    // ---- highlighting ----
    void highlightClockPaths();
    void updateLextBypassStyle(bool used);
    void updateLextEnables();
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool flag);
    void updateAdcEnables();
    void updateToAdcSwitchStyle(bool flag);
    void updateHextEnables();
    void setHextEditEnabled(bool enabled);
    void updatePllEnables();
    void updatePllRcsStyle(bool flag);
    void updatePllHextDivStyle(bool flag);
    // The pll_ms and pll_ns edits with their captions and ranges.
    void updatePllFactorStyle(bool flag);
    void updateHickToSclkStyle(bool flag);
    void updateHickToUsbStyle(bool flag);
    void updateClkoutGroupStyles();
    void updateClkoutStyle(bool flag);
    void updateClkoutUsbStyle(bool flag);
    void updateUsbSwitchEnables();
    void updateKernelClockStyle(int block, bool flag);

    // ---- read-outs ----
    void refreshFrequencies();
    void updateSourceLabels();
    void setGroupVisible(bool visible);
    void updateErtcDisplay();
    QString formatPllCfgValue() const;
    void syncApbDividersFromModel();
    void syncPllMultFromModel();
    void showPllParams();
    // The "normal" (multiplier) or "flexible" (ms, ns, fr) PLL controls;
    // moveModeCombo also places the mode combo and its caption.
    void applyPllLayout(bool flexible, bool moveModeCombo);

    // ---- input checks shared with the slots ----
    bool validateHextLineEdit(double *value);
    // Background and text colour of the HEXT edit for a typed text.
    void styleHextEdit(const QString &text);

    // ---- branch predicates on the controls ----
    bool usbOn() const;
    bool usbTakesPll() const;   // USB on and fed by the PLL
    bool pinSet() const;
    bool pllInUse() const;
    bool hextInUse() const;
    bool clkoutChecked(int code) const;
    int checkedClkoutCode() const;
    QRadioButton *clkoutRadio(int code) const;
    int checkedIndex(const QVector<QRadioButton *> &radios) const;

    const DualModeSeriesTable table;
    // Quiet while loadConfig applies the keys of a design one by one: the
    // slots then keep their boxes to themselves.
    PageMessages messages;
    PeripheralLists lists;
    PllFactorEdits factors;

    // ---- controls, in the order of the page's nodes ----
    QLabel *lick_Label = nullptr;
    QLineEdit *lick_ReadOut = nullptr;
    QLineEdit *wdt_ReadOut = nullptr;
    CustomComboBox1 *rtcswitch_ComboBox = nullptr;
    QLineEdit *ertc_ReadOut = nullptr;
    QLabel *ertc_Label = nullptr;
    QLabel *lext_Label = nullptr;
    QLineEdit *lext_ReadOut = nullptr;
    QLabel *lextbypass_Label = nullptr;
    CustomComboBox1 *lextbypass_ComboBox = nullptr;
    QLabel *lextbypassin_Label = nullptr;
    QLabel *lextbypassout_Label = nullptr;
    QButtonGroup *rtcsel_ButtonGroup = nullptr;
    QLabel *rtcsel_Label = nullptr;
    QVector<QRadioButton *> rtcsel;             // lick, lext, hext
    QLabel *hext_Label = nullptr;
    QLineEdit *hext_LineEdit = nullptr;
    QLabel *hextbypass_Label = nullptr;
    CustomComboBox1 *hextbypass_ComboBox = nullptr;
    QLabel *hextbypassin_Label = nullptr;
    QLabel *hextbypassout_Label = nullptr;
    QButtonGroup *pllhextdiv_ButtonGroup = nullptr;
    QLabel *pllhextdiv_Label = nullptr;
    QVector<QRadioButton *> pllhextdiv;         // undivided, divided
    QButtonGroup *pllrcs_ButtonGroup = nullptr;
    QLabel *pllrcs_Label = nullptr;
    QVector<QRadioButton *> pllrcs;             // hext, hick
    QLabel *pllmode_Label = nullptr;
    QGraphicsProxyWidget *pllmode_LabelProxy = nullptr;
    CustomComboBox1 *pllmode_ComboBox = nullptr;
    QGraphicsProxyWidget *pllmode_ComboBoxProxy = nullptr;
    QLabel *pllmult_Label = nullptr;
    QGraphicsProxyWidget *pllmult_LabelProxy = nullptr;
    CustomComboBox1 *pllmult_ComboBox = nullptr;
    QGraphicsProxyWidget *pllmult_ComboBoxProxy = nullptr;
    QLabel *pllms_Label = nullptr;
    QLineEdit *pllms_LineEdit = nullptr;
    QGraphicsProxyWidget *pllms_LineEditProxy = nullptr;
    QLabel *pllmsrange_Label = nullptr;
    QLabel *pllns_Label = nullptr;
    QLineEdit *pllns_LineEdit = nullptr;
    QGraphicsProxyWidget *pllns_LineEditProxy = nullptr;
    QLabel *pllnsrange_Label = nullptr;
    QLabel *pllfr_Label = nullptr;
    CustomComboBox1 *pllfr_ComboBox = nullptr;
    QGraphicsProxyWidget *pllfr_ComboBoxProxy = nullptr;
    QLabel *pllcfg_Label = nullptr;
    QLineEdit *pllcfg_ReadOut = nullptr;
    QLabel *pll_Label = nullptr;
    QLabel *sclkselect_Label = nullptr;
    QButtonGroup *sclkselect_ButtonGroup = nullptr;
    QVector<QRadioButton *> sclkselect;         // hext, pll, hick
    CustomComboBox1 *ahbdiv_ComboBox = nullptr;
    CustomComboBox1 *apb1div_ComboBox = nullptr;
    CustomComboBox1 *apb2div_ComboBox = nullptr;
    QLabel *usbdiv_Label = nullptr;
    CustomComboBox1 *usbdiv_ComboBox = nullptr;
    QLabel *hicktousb_Label = nullptr;
    QButtonGroup *hicktousb_ButtonGroup = nullptr;
    QVector<QRadioButton *> hicktousb;          // pll, hick
    CustomComboBox1 *usbswitch_ComboBox = nullptr;
    QLabel *usb_Label = nullptr;
    QLabel *hicktosclk_Label = nullptr;
    QButtonGroup *hicktosclk_ButtonGroup = nullptr;
    QVector<QRadioButton *> hicktosclk;         // 8m, 48m
    QLabel *hick_Label = nullptr;
    QLineEdit *hick_ReadOut = nullptr;
    QLabel *clockoutdiv_Label = nullptr;
    CustomComboBox1 *clockoutdiv_ComboBox = nullptr;
    QLabel *clkoutfreq_Label = nullptr;
    CustomComboBox1 *clockoutPinSelectComboBox = nullptr;
    QButtonGroup *clkout_ButtonGroup = nullptr;
    QVector<QRadioButton *> clkoutRadios;
    QVector<int> clkoutCodes;                   // the model's source code of each radio
    QVector<QLabel *> clkoutsrcLabels;
    QVector<QLabel *> clkoutsrcfreqLabels;      // null for "no clk"
    QLabel *clkout_Label = nullptr;
    QLineEdit *sclk_LineEdit = nullptr;
    QLabel *toadcdiv_Label = nullptr;
    CustomComboBox1 *toadcdiv_ComboBox = nullptr;
    CustomComboBox1 *toadcswitch_ComboBox = nullptr;
    QLineEdit *systickdiv_ReadOut = nullptr;
    QLineEdit *apb1tmrmult_ReadOut = nullptr;
    QLineEdit *apb2tmrmult_ReadOut = nullptr;
    QVector<QLineEdit *> readouts;              // in the order of table.layout.readouts
    QLineEdit *adc_ReadOut = nullptr;
    QLabel *adc_Label = nullptr;

    // The peripheral-clock selections (usart1, usart2, i2c1), where the
    // series has them.
    struct KernelClockControls {
        QLabel *caption = nullptr;
        QButtonGroup *group = nullptr;
        QVector<QRadioButton *> radios;         // pclk, sclk, hick[, lext]
        QVector<QLabel *> names;
        CustomComboBox1 *enable = nullptr;
        QLineEdit *readout = nullptr;
        QLabel *unit = nullptr;
    };
    QVector<KernelClockControls> kernelClocks;

private:
    void buildLickReadout();
    void buildWdtLabel();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildErtcSelGroup();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildPllHextDivGroup();
    void buildPllRcsGroup();
    void buildPllModeCombo();
    void buildPllMultCombo();
    void buildPllMsEdit();
    void buildPllNsEdit();
    void buildPllFrCombo();
    void buildPllCfgReadout();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildUsbDivCombo();
    void buildUsbSwitchCombo();
    void buildHickToUsbGroup();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildClockoutDivCombo();
    void buildClkoutPinCombo();
    void buildClkoutSourceGroup();
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildReadOnlyFreqEdits();
    void buildAdcDivCombo();
    void buildKernelClockGroup(const DualModeKernelClock &block);

    CustomComboBox1 *makeCombo(const QPoint &at, int width, int z, const QStringList &items, const QString &name);
    QLabel *makeLabel(const QString &text, const QPoint &at, int pointSize, int weight, const QString &name = QString());
    QButtonGroup *makeRadioGroup(const QString &node, const QStringList &choices, const QVector<QPoint> &places,
                                 QVector<QRadioButton *> &radios);
};

#endif // KYTODUALMODEVIEW_H
