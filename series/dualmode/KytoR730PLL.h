#ifndef KYTOR730PLL_H
#define KYTOR730PLL_H

#include "KytoDualModePLL.h"

class KytoPLLConfig;

class KytoR730PLL : public KytoDualModePLL
{
    Q_OBJECT
public:
    explicit KytoR730PLL(KytoPLLConfig *parent);
    ~KytoR730PLL() override;

public slots:
    // In the order of their connections.
    void rtcsel_RadioButton_checkSlot(bool Flag) { onRtcSelClicked(Flag); }
    void rtcswitch_ComboBox_currentIndexChanged(int index) { onRtcSwitchChanged(index); }
    void lextbypass_ComboBox_currentIndexChanged(int index) { onLextBypassChanged(index); }
    void hext_LineEdit_returnPressed() { onHextReturnPressed(); }
    void hext_LineEdit_textChanged(const QString &text) { onHextTextChanged(text); }
    void hextbypass_ComboBox_currentIndexChanged(int index) { onHextBypassChanged(index); }
    void pllhextdiv_RadioButton_checkSlot(bool Flag) { onPllHextDivClicked(Flag); }
    void pllmode_ComboBox_currentIndexChanged(int index) { onPllModeChanged(index); }
    void pllmult_ComboBox_currentIndexChanged(int index) { onPllMultChanged(index); }
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
    void hicktosclk_RadioButton_checkSlot(bool Flag) { onHickToSclkToggled(Flag); }
    void clkout_RadioButton_checkSlot(bool Flag) { onClkoutToggled(Flag); }
    void clockoutdiv_ComboBox_currentIndexChanged(int index) { onClockoutDivChanged(index); }
    void clockoutPinSelectComboBox_currentIndexChanged(int index) { onClockoutPinChanged(index); }
    void sclk_LineEdit_returnPressed() { onSclkReturnPressed(); }
    void sclk_LineEdit_textChanged(const QString &text) { onSclkTextChanged(text); }
    void toadcswitch_ComboBox_currentIndexChanged(int index) { onToAdcSwitchChanged(index); }
    void toadcdiv_ComboBox_currentIndexChanged(int index) { onToAdcDivChanged(index); }
    void toapb1peripheral_List_Button_checkSlot() { onListButtonClicked(0); }
    void toapb1tmr_List_Button_checkSlot() { onListButtonClicked(1); }
    void toapb2peripheral_List_Button_checkSlot() { onListButtonClicked(2); }
    void toapb2tmr_List_Button_checkSlot() { onListButtonClicked(3); }
};

#endif // KYTOR730PLL_H
