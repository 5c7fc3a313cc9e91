#ifndef KYTOD525PLL_H
#define KYTOD525PLL_H

#include "KytoD5x5PLL.h"

class KytoD525PLL : public KytoD5x5PLL
{
    Q_OBJECT
public:
    explicit KytoD525PLL(QWidget *parent);
    ~KytoD525PLL() override;

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
    void pllfr_ComboBox_currentIndexChanged(int index) { onPllFrChanged(index); }
    void pllrcs_RadioButton_checkSlot(bool Flag) { onPllRcsClicked(Flag); }
    void sclkselecthext_RadioButton_checkSlot(bool Flag) { onSclkSelectHextToggled(Flag); }
    void sclkselectpll_RadioButton_checkSlot(bool Flag) { onSclkSelectPllToggled(Flag); }
    void sclkselecthick_RadioButton_checkSlot(bool Flag) { onSclkSelectHickToggled(Flag); }
    void ahbdiv_ComboBox_currentIndexChanged(int index) { onAhbDivChanged(index); }
    void apb1div_ComboBox_currentIndexChanged(int index) { onApb1DivChanged(index); }
    void apb2div_ComboBox_currentIndexChanged(int index) { onApb2DivChanged(index); }
    void apb3div_ComboBox_currentIndexChanged(int index) { onApb3DivChanged(index); }
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
    void canclocksel_RadioButton_checkSlot(bool Flag) { onCanClockSelToggled(Flag); }
    void canswitch_ComboBox_currentIndexChanged(int index) { onCanSwitchChanged(index); }
};

#endif // KYTOD525PLL_H
