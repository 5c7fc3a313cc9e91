#ifndef KYTOR740PLL_H
#define KYTOR740PLL_H

#include "KytoFlexiblePLL.h"

class KytoPLLConfig;

class KytoR740PLL : public KytoFlexiblePLL
{
    Q_OBJECT
public:
    explicit KytoR740PLL(KytoPLLConfig *parent);
    ~KytoR740PLL() override;

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
    void pllfr_ComboBox_currentIndexChanged(int index) { onPllOutDivChanged(index); }
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
    void usart1clocksel_RadioButton_checkSlot(bool Flag) { onUsart1ClockSelToggled(Flag); }
    void usart1switch_ComboBox_currentIndexChanged(int index) { onUsart1SwitchChanged(index); }
    void usart2clocksel_RadioButton_checkSlot(bool Flag) { onUsart2ClockSelToggled(Flag); }
    void usart2switch_ComboBox_currentIndexChanged(int index) { onUsart2SwitchChanged(index); }
    void usart3clocksel_RadioButton_checkSlot(bool Flag) { onUsart3ClockSelToggled(Flag); }
    void usart3switch_ComboBox_currentIndexChanged(int index) { onUsart3SwitchChanged(index); }
    void i2c1clocksel_RadioButton_checkSlot(bool Flag) { onI2c1ClockSelToggled(Flag); }
    void i2c1switch_ComboBox_currentIndexChanged(int index) { onI2c1SwitchChanged(index); }
    void adcclocksel_RadioButton_checkSlot(bool Flag) { onAdcClockSelToggled(Flag); }
    void adcswitch_ComboBox_currentIndexChanged(int index) { onAdcSwitchChanged(index); }
};

#endif // KYTOR740PLL_H
