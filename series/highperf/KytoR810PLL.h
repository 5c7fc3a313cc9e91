#ifndef KYTOR810PLL_H
#define KYTOR810PLL_H

#include "KytoR8x0PLL.h"

class KytoPLLConfig;

class KytoR810PLL : public KytoR8x0PLL
{
    Q_OBJECT
public:
    explicit KytoR810PLL(KytoPLLConfig *parent);
    ~KytoR810PLL() override;

public slots:
    void rtcsel_RadioButton_checkSlot(bool Flag) { onRtcSelClicked(Flag); }
    void rtcswitch_ComboBox_currentIndexChanged(int index) { onRtcSwitchChanged(index); }
    void rtcdiv_ComboBox_currentIndexChanged(int index) { onRtcDivChanged(index); }
    void lextbypass_ComboBox_currentIndexChanged(int index) { onLextBypassChanged(index); }
    void hext_LineEdit_returnPressed() { onHextReturnPressed(); }
    void hext_LineEdit_textChanged(const QString &text) { onHextTextChanged(text); }
    void hextbypass_ComboBox_currentIndexChanged(int index) { onHextBypassChanged(index); }
    void pllms_LineEdit_returnPressed() { onPllMsReturnPressed(); }
    void pllms_LineEdit_textChanged(const QString &text) { onPllMsTextChanged(text); }
    void pllns_LineEdit_returnPressed() { onPllNsReturnPressed(); }
    void pllns_LineEdit_textChanged(const QString &text) { onPllNsTextChanged(text); }
    void pllfr_ComboBox_currentIndexChanged(int index) { onPllFrChanged(index); }
    void pllrcs_RadioButton_checkSlot(bool Flag) { onPllRcsClicked(Flag); }
    void sclkselecthext_RadioButton_checkSlot(bool Flag) { onSclkSelectHextToggled(Flag); }
    void sclkselectpll_RadioButton_checkSlot(bool Flag) { onSclkSelectPllToggled(Flag); }
    void sclkselecthick_RadioButton_checkSlot(bool Flag) { onSclkSelectHickToggled(Flag); }
    void ahbdiv_ComboBox_currentIndexChanged(int index) { onAhbDivChanged(index); }
    void apb1div_ComboBox_currentIndexChanged(int index) { onApb1DivChanged(index); }
    void apb2div_ComboBox_currentIndexChanged(int index) { onApb2DivChanged(index); }
    void usbdiv_ComboBox_currentIndexChanged(int index) { onUsbDivChanged(index); }
    void usbswitch_ComboBox_currentIndexChanged(int index) { onUsbSwitchChanged(index); }
    void hicktousb_RadioButton_checkSlot(bool Flag) { onHickToUsbToggled(Flag); }
    void hicktosclk_RadioButton_checkSlot(bool Flag) { onHickToSclkToggled(Flag); }
    void clkout1_RadioButton_checkSlot(bool Flag) { onClkout1Toggled(Flag); }
    void clkout2_RadioButton_checkSlot(bool Flag) { onClkout2Toggled(Flag); }
    void clockout1div1_ComboBox_currentIndexChanged(int index) { onClockout1Div1Changed(index); }
    void clockout1div2_ComboBox_currentIndexChanged(int index) { onClockout1Div2Changed(index); }
    void clockout1PinSelectComboBox_currentIndexChanged(int index) { onClockout1PinChanged(index); }
    void clockout2div1_ComboBox_currentIndexChanged(int index) { onClockout2Div1Changed(index); }
    void clockout2div2_ComboBox_currentIndexChanged(int index) { onClockout2Div2Changed(index); }
    void clockout2PinSelectComboBox_currentIndexChanged(int index) { onClockout2PinChanged(index); }
    void sclk_LineEdit_returnPressed() { onSclkReturnPressed(); }
    void sclk_LineEdit_textChanged(const QString &text) { onSclkTextChanged(text); }
    void toapb1peripheral_List_Button_checkSlot() { onListButtonClicked(0); }
    void toapb1tmr_List_Button_checkSlot() { onListButtonClicked(1); }
    void toapb2peripheral_List_Button_checkSlot() { onListButtonClicked(2); }
    void toapb2tmr_List_Button_checkSlot() { onListButtonClicked(3); }
};

#endif // KYTOR810PLL_H
