#ifndef KYTOR960PLL_H
#define KYTOR960PLL_H

#include "KytoFlexiblePLL.h"

class KytoPLLConfig;

class KytoR960PLL : public KytoFlexiblePLL
{
    Q_OBJECT
public:
    explicit KytoR960PLL(KytoPLLConfig *parent);
    ~KytoR960PLL() override;

public slots:
    void rtcsel_RadioButton_checkSlot(bool Flag) { onRtcSelClicked(Flag); }
    void rtcswitch_ComboBox_currentIndexChanged(int index) { onRtcSwitchChanged(index); }
    void rtcdiv_ComboBox_currentIndexChanged(int index) { onRtcDivChanged(index); }
    void lextbypass_ComboBox_currentIndexChanged(int index) { onLextBypassChanged(index); }
    void hextdiv_ComboBox_currentIndexChanged(int index) { onHextDivChanged(index); }
    void hickdiv_ComboBox_currentIndexChanged(int index) { onHickDivChanged(index); }
    void hext_LineEdit_returnPressed() { onHextReturnPressed(); }
    void hext_LineEdit_textChanged(const QString &text) { onHextTextChanged(text); }
    void hextbypass_ComboBox_currentIndexChanged(int index) { onHextBypassChanged(index); }
    void pllms_LineEdit_returnPressed() { onPllMsReturnPressed(); }
    void pllms_LineEdit_textChanged(const QString &text) { onPllMsTextChanged(text); }
    void pllns_LineEdit_returnPressed() { onPllNsReturnPressed(); }
    void pllns_LineEdit_textChanged(const QString &text) { onPllNsTextChanged(text); }
    void pllfp_ComboBox_currentIndexChanged(int index) { onPllOutDivChanged(index); }
    void pllrcs_RadioButton_checkSlot(bool Flag) { onPllRcsClicked(Flag); }
    void sclkselecthext_RadioButton_checkSlot(bool Flag) { onSclkSelectHextToggled(Flag); }
    void sclkselectpll_RadioButton_checkSlot(bool Flag) { onSclkSelectPllToggled(Flag); }
    void sclkselecthick_RadioButton_checkSlot(bool Flag) { onSclkSelectHickToggled(Flag); }
    void ahbdiv_ComboBox_currentIndexChanged(int index) { onAhbDivChanged(index); }
    void apb1div_ComboBox_currentIndexChanged(int index) { onApb1DivChanged(index); }
    void apb2div_ComboBox_currentIndexChanged(int index) { onApb2DivChanged(index); }
    void pllfu_ComboBox_currentIndexChanged(int index) { onPllFuChanged(index); }
    void usbswitch_ComboBox_currentIndexChanged(int index) { onUsbSwitchChanged(index); }
    void hicktousb_RadioButton_checkSlot(bool Flag) { onHickToUsbToggled(Flag); }
    void hicktosclk_RadioButton_checkSlot(bool Flag) { onHickToSclkToggled(Flag); }
    void clkout_RadioButton_checkSlot(bool Flag) { onClkoutToggled(Flag); }
    void clockoutdiv1_ComboBox_currentIndexChanged(int index) { onClockoutDiv1Changed(index); }
    void clockoutdiv2_ComboBox_currentIndexChanged(int index) { onClockoutDiv2Changed(index); }
    void clockoutPinSelectComboBox_currentIndexChanged(int index) { onClockoutPinChanged(index); }
    void sclk_LineEdit_returnPressed() { onSclkReturnPressed(); }
    void sclk_LineEdit_textChanged(const QString &text) { onSclkTextChanged(text); }
    void toapb1peripheral_List_Button_checkSlot() { onListButtonClicked(0); }
    void toapb1tmr_List_Button_checkSlot() { onListButtonClicked(1); }
    void toapb2peripheral_List_Button_checkSlot() { onListButtonClicked(2); }
    void toapb2tmr_List_Button_checkSlot() { onListButtonClicked(3); }
    void i2sf5clocksel_RadioButton_checkSlot(bool Flag) { onI2sf5ClockSelToggled(Flag); }
    void i2sf5switch_ComboBox_currentIndexChanged(int index) { onI2sf5SwitchChanged(index); }
};

#endif // KYTOR960PLL_H
