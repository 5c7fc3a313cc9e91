#ifndef KYTOFLEXIBLEVIEW_H
#define KYTOFLEXIBLEVIEW_H

#include "KytoMCUPLL.h"
#include "FlexibleSeriesTable.h"
#include "../common/ClickUndo.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"
#include "../common/PllFactorEdits.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QRadioButton;
class CustomComboBox1;

// The controls of a flexible-PLL page on its drawing, their wiring, and the
// display: which branches are in use, and every derived frequency. The
// behaviour (defaults, checks, slots, files) is KytoFlexiblePLL's. Neither
// class has a meta-object of its own: texts are translated in the context of
// the concrete series class, whose signature-string connections resolve
// against its own slots.
class KytoFlexibleView : public KytoMCUPLL
{
public:
    ~KytoFlexibleView() override;

protected:
    KytoFlexibleView(const FlexibleSeriesTable &table, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;
    // A language switch reaches the one translated text of the drawing, the
    // I2SF5 "Actual value", at once.
    void changeEvent(QEvent *event) override;

    // The series constructor calls these after the base is built, so that
    // the connections resolve against the series' own meta-object.
    void buildUi();
    void connectSignals();

    // The HEXT edit's own slot, which the highlighting runs when the edit
    // comes into use.
    virtual void onHextTextChanged(const QString &text) = 0;

    void highlightClockPaths();
    void refreshFrequencies();
    void updateErtcDisplay();
    void setHextEditEnabled(bool on);
    void updateSourceLabels();
    void setGroupVisible(bool visible);
    double hickOutputFrequency() const;
    QString formatPllCfgValue() const;
    void showPllParams();
    void syncApbDividersFromModel();
    void onListButtonClicked(int list);
    void setBypass(QLabel *out, bool &field, int index);

    // Branch predicates, read from the controls.
    bool usbOn() const;
    bool usbFromPll() const;
    bool pinSet() const;
    bool pllInUse() const;
    bool hextFeedsClockTree() const;
    bool lextInUse() const;

    QString trText(const char *sourceText) const;

private:
    // Builders, one per node of the clock tree, in the order of creation
    // (which decides the stacking of controls with equal z-values).
    void buildLickReadout();
    void buildWdtLabel();
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
    void buildPllOutDivCombo();
    void buildPllCfgReadout();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildUsbDivCombo();
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
    void buildReadOnlyFreqEdits();
    void buildI2sf5ClockSelGroup();
    void buildFixedDivReadout();

    // One kernel-clock selection: row captions, caption, radios, group and
    // switch, in this order of creation.
    struct KernelGroupPlaces {
        const char *node;          // "usart1clocksel", ...
        const char *caption;
        QPoint captionAt;
        QStringList choices;
        int radioX;
        QVector<int> radioY;
        int rowCaptionX;
        QVector<int> rowCaptionY;
        const char *switchName;
        QPoint switchAt;
    };
    void buildKernelGroup(const KernelGroupPlaces &places, QButtonGroup *&group, QLabel *&caption,
                          const QVector<QRadioButton **> &radios, const QVector<QLabel **> &rowCaptions,
                          CustomComboBox1 *&switchCombo);

    CustomComboBox1 *makeCombo(const char *name, const QPoint &at, int width, int z, const QStringList &items);
    QLabel *makeLabel(const char *name, const QString &text, const QPoint &at, int pointSize, int weight = 0);
    QLineEdit *makeOscillatorReadout(const char *name, const QString &text, const QPoint &at);
    QLineEdit *makeSmallBox(const char *name, const QPoint &at, const QString &text);
    QRadioButton *makeRadio(const char *name, const QPoint &at);
    QButtonGroup *makeGroup(const char *name, const QVector<QRadioButton *> &radios);

    // Branch styles of the highlighting.
    void updateLextEnables();
    void updateLextBypassStyle(bool on);
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool on);
    void updateHextEnables();
    void updateHickEnables();
    void updatePllEnables();
    void updatePllRcsStyle(bool on);
    void updateHickToSclkStyle(bool on);
    void updateClkoutStyle(bool on);
    void updateClkoutUsbStyle(bool on);
    void updateUsbSwitchEnables();
    void updateHickToUsbStyle(bool on);
    void updateI2sf5ClockSelStyle(bool on);
    void updateKernelGroupStyle(bool on, QLabel *caption, const QVector<QRadioButton *> &radios,
                                const QVector<QLabel *> &rowCaptions, QLineEdit *readout, QLabel *unit);
    void setPinLabels(QLabel *in, QLabel *out, CustomComboBox1 *bypass, bool on);

    // Read-outs.
    void showFrequency(QLineEdit *readout, double value, double limit);
    void refreshKernelClocks();
    void refreshUsbHsPhy();
    void syncUsbDividerFromModel();

protected:
    const FlexibleSeriesTable table;
    // Boxes translated in the concrete class's context; quiet while a design
    // file is applied key by key.
    PageMessages messages{this};
    PllFactorEdits factors{this, messages};
    // Every click applied whole or taken back whole.
    ClickUndo undo{this, messages};

    // Controls, named after their clock-tree node; each object name equals
    // its member name. A name of only one family stays null in the other.
    QLabel *lick_Label = nullptr;
    QLineEdit *lick_ReadOut = nullptr;
    QLineEdit *wdt_ReadOut = nullptr;
    CustomComboBox1 *rtcswitch_ComboBox = nullptr;
    QLabel *ertc_Label = nullptr;
    QLineEdit *ertc_ReadOut = nullptr;
    QLabel *lext_Label = nullptr;
    QLineEdit *lext_ReadOut = nullptr;
    QLabel *lextbypass_Label = nullptr;
    CustomComboBox1 *lextbypass_ComboBox = nullptr;
    QLabel *lextbypassin_Label = nullptr;
    QLabel *lextbypassout_Label = nullptr;
    QButtonGroup *rtcsel_ButtonGroup = nullptr;
    QLabel *rtcsel_Label = nullptr;
    QRadioButton *rtcsel_RadioButton_lick = nullptr;
    QRadioButton *rtcsel_RadioButton_lext = nullptr;
    QRadioButton *rtcsel_RadioButton_hext = nullptr;
    QLabel *rtcdiv_Label = nullptr;
    CustomComboBox1 *rtcdiv_ComboBox = nullptr;
    QLabel *hext_Label = nullptr;
    QLineEdit *hext_LineEdit = nullptr;
    QLabel *hextdiv_Label = nullptr;
    CustomComboBox1 *hextdiv_ComboBox = nullptr;
    QLabel *hextbypass_Label = nullptr;
    CustomComboBox1 *hextbypass_ComboBox = nullptr;
    QLabel *hextbypassin_Label = nullptr;
    QLabel *hextbypassout_Label = nullptr;
    QButtonGroup *pllrcs_ButtonGroup = nullptr;
    QLabel *pllrcs_Label = nullptr;
    QRadioButton *pllrcs_RadioButton_hext = nullptr;
    QRadioButton *pllrcs_RadioButton_hick = nullptr;
    QLabel *pllms_Label = nullptr;
    QLineEdit *pllms_LineEdit = nullptr;
    QLabel *pllmsrange_Label = nullptr;
    QLabel *pllns_Label = nullptr;
    QLineEdit *pllns_LineEdit = nullptr;
    QLabel *pllnsrange_Label = nullptr;
    QLabel *pllfp_Label = nullptr;
    QLabel *pllfr_Label = nullptr;
    CustomComboBox1 *pllfp_ComboBox = nullptr;
    CustomComboBox1 *pllfr_ComboBox = nullptr;
    QLabel *pllcfg_Label = nullptr;
    QLineEdit *pllcfg_ReadOut = nullptr;
    QLabel *pll_Label = nullptr;
    QLabel *sclkselect_Label = nullptr;
    QButtonGroup *sclkselect_ButtonGroup = nullptr;
    QRadioButton *sclkselect_RadioButton_hext = nullptr;
    QRadioButton *sclkselect_RadioButton_pll = nullptr;
    QRadioButton *sclkselect_RadioButton_hick = nullptr;
    CustomComboBox1 *ahbdiv_ComboBox = nullptr;
    CustomComboBox1 *apb1div_ComboBox = nullptr;
    CustomComboBox1 *apb2div_ComboBox = nullptr;
    QLabel *pllfu_Label = nullptr;
    QLabel *usbdiv_Label = nullptr;
    CustomComboBox1 *pllfu_ComboBox = nullptr;
    CustomComboBox1 *usbdiv_ComboBox = nullptr;
    QLabel *hicktousb_Label = nullptr;
    QButtonGroup *hicktousb_ButtonGroup = nullptr;
    QRadioButton *hicktousb_RadioButton_pll = nullptr;
    QRadioButton *hicktousb_RadioButton_hick = nullptr;
    CustomComboBox1 *usbswitch_ComboBox = nullptr;
    QLabel *usb_Label = nullptr;
    QLabel *hicktosclk_Label = nullptr;
    QButtonGroup *hicktosclk_ButtonGroup = nullptr;
    QRadioButton *hicktosclk_RadioButton_8m = nullptr;
    QRadioButton *hicktosclk_RadioButton_48m = nullptr;
    QLabel *hick_Label = nullptr;
    QLineEdit *hick_ReadOut = nullptr;
    QLabel *hickdiv_Label = nullptr;
    CustomComboBox1 *hickdiv_ComboBox = nullptr;
    QLabel *clockoutdiv1_Label = nullptr;
    CustomComboBox1 *clockoutdiv1_ComboBox = nullptr;
    QLabel *clockoutdiv2_Label = nullptr;
    CustomComboBox1 *clockoutdiv2_ComboBox = nullptr;
    CustomComboBox1 *clockoutPinSelectComboBox = nullptr;
    QButtonGroup *clkout_ButtonGroup = nullptr;
    // The clock-out rows; the fr drawings swap the hick and adc rows.
    QRadioButton *clkout_RadioButton_sclk = nullptr;
    QRadioButton *clkout_RadioButton_hext = nullptr;
    QRadioButton *clkout_RadioButton_pll = nullptr;
    QRadioButton *clkout_RadioButton_usb = nullptr;
    QRadioButton *clkout_RadioButton_adc = nullptr;
    QRadioButton *clkout_RadioButton_hick = nullptr;
    QRadioButton *clkout_RadioButton_lick = nullptr;
    QRadioButton *clkout_RadioButton_lext = nullptr;
    QLabel *clkoutsrcfreq_Label_sclk = nullptr;
    QLabel *clkoutsrc_Label_sclk = nullptr;
    QLabel *clkoutsrcfreq_Label_hext = nullptr;
    QLabel *clkoutsrc_Label_hext = nullptr;
    QLabel *clkoutsrcfreq_Label_pll = nullptr;
    QLabel *clkoutsrc_Label_pll = nullptr;
    QLabel *clkoutsrcfreq_Label_usb = nullptr;
    QLabel *clkoutsrc_Label_usb = nullptr;
    QLabel *clkoutsrcfreq_Label_adc = nullptr;
    QLabel *clkoutsrc_Label_adc = nullptr;
    QLabel *clkoutsrcfreq_Label_hick = nullptr;
    QLabel *clkoutsrc_Label_hick = nullptr;
    QLabel *clkoutsrcfreq_Label_lick = nullptr;
    QLabel *clkoutsrc_Label_lick = nullptr;
    QLabel *clkoutsrcfreq_Label_lext = nullptr;
    QLabel *clkoutsrc_Label_lext = nullptr;
    QLabel *clkoutfreq_Label = nullptr;
    QLabel *clkout_Label = nullptr;
    QLineEdit *sclk_LineEdit = nullptr;
    QLineEdit *systickdiv_ReadOut = nullptr;
    QLineEdit *apb1tmrmult_ReadOut = nullptr;
    QLineEdit *apb2tmrmult_ReadOut = nullptr;
    QLineEdit *pllhalfdiv_ReadOut = nullptr;
    QLineEdit *i2s_ReadOut = nullptr;
    QLineEdit *systick_ReadOut = nullptr;
    QLineEdit *dma_ReadOut = nullptr;
    QLineEdit *xmc_ReadOut = nullptr;
    QLineEdit *gpio_ReadOut = nullptr;
    QLineEdit *apb1peripheral_ReadOut = nullptr;
    QLineEdit *apb1tmr_ReadOut = nullptr;
    QLineEdit *apb2peripheral_ReadOut = nullptr;
    QLineEdit *apb2tmr_ReadOut = nullptr;

    // fp/fu family.
    QLineEdit *i2sf5_ReadOut = nullptr;
    QLabel *i2sf5_Label = nullptr;
    QLabel *usbhsphysrc_Label = nullptr;
    QLineEdit *usbhsphy_ReadOut = nullptr;
    QLabel *usbhsphy_Label = nullptr;
    // fr family.
    QLineEdit *usart1_ReadOut = nullptr;
    QLabel *usart1_Label = nullptr;
    QLineEdit *usart2_ReadOut = nullptr;
    QLabel *usart2_Label = nullptr;
    QLineEdit *usart3_ReadOut = nullptr;
    QLabel *usart3_Label = nullptr;
    QLineEdit *i2c1_ReadOut = nullptr;
    QLabel *i2c1_Label = nullptr;
    QLineEdit *adc_ReadOut = nullptr;
    QLabel *adc_Label = nullptr;

    QPushButton *toapb1peripheral_List_Button = nullptr;
    QWidget *toapb1peripheral_List = nullptr;
    QPushButton *toapb1tmr_List_Button = nullptr;
    QWidget *toapb1tmr_List = nullptr;
    QPushButton *toapb2peripheral_List_Button = nullptr;
    QWidget *toapb2peripheral_List = nullptr;
    QPushButton *toapb2tmr_List_Button = nullptr;
    QWidget *toapb2tmr_List = nullptr;

    // fp/fu family.
    QButtonGroup *i2sf5clocksel_ButtonGroup = nullptr;
    QLabel *i2sf5clocksel_Label = nullptr;
    QRadioButton *i2sf5clocksel_RadioButton_pllp = nullptr;
    QRadioButton *i2sf5clocksel_RadioButton_sclk = nullptr;
    QRadioButton *i2sf5clocksel_RadioButton_hick = nullptr;
    QRadioButton *i2sf5clocksel_RadioButton_external = nullptr;
    QLabel *i2sf5clocksel_Label_pllp = nullptr;
    QLabel *i2sf5clocksel_Label_sclk = nullptr;
    QLabel *i2sf5clocksel_Label_hick = nullptr;
    QLabel *i2sf5clocksel_Label_external = nullptr;
    CustomComboBox1 *i2sf5switch_ComboBox = nullptr;

    // fr family.
    QButtonGroup *usart1clocksel_ButtonGroup = nullptr;
    QLabel *usart1clocksel_Label = nullptr;
    QRadioButton *usart1clocksel_RadioButton_pclk = nullptr;
    QRadioButton *usart1clocksel_RadioButton_sclk = nullptr;
    QRadioButton *usart1clocksel_RadioButton_hick = nullptr;
    QRadioButton *usart1clocksel_RadioButton_lext = nullptr;
    QLabel *usart1clocksel_Label_pclk = nullptr;
    QLabel *usart1clocksel_Label_sclk = nullptr;
    QLabel *usart1clocksel_Label_hick = nullptr;
    QLabel *usart1clocksel_Label_lext = nullptr;
    CustomComboBox1 *usart1switch_ComboBox = nullptr;
    QButtonGroup *usart2clocksel_ButtonGroup = nullptr;
    QLabel *usart2clocksel_Label = nullptr;
    QRadioButton *usart2clocksel_RadioButton_pclk = nullptr;
    QRadioButton *usart2clocksel_RadioButton_sclk = nullptr;
    QRadioButton *usart2clocksel_RadioButton_hick = nullptr;
    QRadioButton *usart2clocksel_RadioButton_lext = nullptr;
    QLabel *usart2clocksel_Label_pclk = nullptr;
    QLabel *usart2clocksel_Label_sclk = nullptr;
    QLabel *usart2clocksel_Label_hick = nullptr;
    QLabel *usart2clocksel_Label_lext = nullptr;
    CustomComboBox1 *usart2switch_ComboBox = nullptr;
    QButtonGroup *usart3clocksel_ButtonGroup = nullptr;
    QLabel *usart3clocksel_Label = nullptr;
    QRadioButton *usart3clocksel_RadioButton_pclk = nullptr;
    QRadioButton *usart3clocksel_RadioButton_sclk = nullptr;
    QRadioButton *usart3clocksel_RadioButton_hick = nullptr;
    QRadioButton *usart3clocksel_RadioButton_lext = nullptr;
    QLabel *usart3clocksel_Label_pclk = nullptr;
    QLabel *usart3clocksel_Label_sclk = nullptr;
    QLabel *usart3clocksel_Label_hick = nullptr;
    QLabel *usart3clocksel_Label_lext = nullptr;
    CustomComboBox1 *usart3switch_ComboBox = nullptr;
    QButtonGroup *i2c1clocksel_ButtonGroup = nullptr;
    QLabel *i2c1clocksel_Label = nullptr;
    QRadioButton *i2c1clocksel_RadioButton_pclk = nullptr;
    QRadioButton *i2c1clocksel_RadioButton_sclk = nullptr;
    QRadioButton *i2c1clocksel_RadioButton_hick = nullptr;
    QLabel *i2c1clocksel_Label_pclk = nullptr;
    QLabel *i2c1clocksel_Label_sclk = nullptr;
    QLabel *i2c1clocksel_Label_hick = nullptr;
    CustomComboBox1 *i2c1switch_ComboBox = nullptr;
    QButtonGroup *adcclocksel_ButtonGroup = nullptr;
    QLabel *adcclocksel_Label = nullptr;
    QRadioButton *adcclocksel_RadioButton_hclk = nullptr;
    QRadioButton *adcclocksel_RadioButton_pllclk = nullptr;
    QLabel *adcclocksel_Label_hclk = nullptr;
    QLabel *adcclocksel_Label_pllclk = nullptr;
    CustomComboBox1 *adcswitch_ComboBox = nullptr;

private:
    // The clock-out rows in the drawing's order, and the four lists.
    QVector<QRadioButton *> clkoutRows;
    QVector<QLabel *> clkoutValueLabels;
    PeripheralLists peripheralLists{true};
};

#endif // KYTOFLEXIBLEVIEW_H
