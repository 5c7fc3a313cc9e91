#ifndef KYTOR9X0PLL_H
#define KYTOR9X0PLL_H

#include "KytoR9x0Controls.h"
#include "../common/DesignKeyTable.h"
#include "../common/PageMessages.h"
#include "../common/PllFactorEdits.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class CustomComboBox1;

// The page of the R910, R920 and R930 series: a flexible PLL with the P
// output (system clock, clock-out, I2SF5) and the U output (USB, CAN), three
// APB buses, three CAN clocks and the I2SF5 clock. The series classes derive
// from it, declare their own slots (in the order their meta-object lists
// them) and forward them here. It has no meta-object of its own, so every
// message is translated in the context of the concrete series class.
class KytoR9x0PLL : public KytoR9x0Controls
{
public:
    ~KytoR9x0PLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoR9x0PLL(const R9x0SeriesTable &table, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The series constructor calls buildUi, resetDefaults and then
    // connectSignals, so that the connections reach the series' own slots.
    void buildUi();

    // Slot bodies; each series class forwards its slots here.
    void onRtcSelClicked(bool flag);
    void onPllRcsClicked(bool flag);
    void onSclkSelectHextToggled(bool flag);
    void onSclkSelectPllToggled(bool flag);
    void onSclkSelectHickToggled(bool flag);
    void onHickToUsbToggled(bool flag);
    void onHickToSclkToggled(bool flag);
    void onClkoutToggled(bool flag);
    void onCanClockSelToggled(int can, bool flag);
    void onI2sf5ClockSelToggled(bool flag);
    void onRtcSwitchChanged(int index);
    void onRtcDivChanged(int index);
    void onLextBypassChanged(int index);
    void onHextDivChanged(int index);
    void onHickDivChanged(int index);
    void onHextBypassChanged(int index);
    void onPllFpChanged(int index);
    void onAhbDivChanged(int index);
    void onApb1DivChanged(int index);
    void onApb2DivChanged(int index);
    void onApb3DivChanged(int index);
    void onPllFuChanged(int index);
    void onUsbSwitchChanged(int index);
    void onClockoutDiv1Changed(int index);
    void onClockoutDiv2Changed(int index);
    void onClockoutPinChanged(int index);
    void onCanSwitchChanged(int can, int index);
    void onI2sf5SwitchChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text);
    void onPllMsReturnPressed();
    void onPllMsTextChanged(const QString &text);
    void onPllNsReturnPressed();
    void onPllNsTextChanged(const QString &text);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onListButtonClicked(int list);

private:
    void buildDesignKeys();

    // Branch predicates, read from the controls (the CAN and I2SF5 switches
    // from the model, as their slots store them before they highlight).
    bool rtcOn() const;
    bool sclkFromHext() const;
    bool sclkFromPll() const;
    bool sclkFromHick() const;
    bool pllFromHext() const;
    bool usbOn() const;
    bool usbFromPll() const;
    bool clkoutOn() const;
    bool clkoutFrom(int code) const;
    bool canOn(int can, int source) const;
    bool anyCanOn(int source) const;
    bool i2sf5OnPllp() const;
    bool pllFeedsCorePaths() const;
    bool pllInUse() const;
    bool hextInUse() const;
    bool usbFromPllInUse() const;

    // Path highlighting.
    void highlightClockPaths();
    void updateLextBypassStyle(bool flag);
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool flag);
    void updateHextEnables();
    void setHextEditEnabled(bool flag);
    void updateHextDivStyle(bool flag);
    void updateHickEnables();
    void updatePllEnables();
    void updatePllRcsStyle(bool flag);
    void updatePllFpStyle(bool flag);
    void updateHickToSclkStyle(bool flag);
    void updateHickToUsbStyle(bool flag);
    void updateClkoutStyle(bool flag);
    void updateClkoutUsbStyle(bool flag);
    void updateUsbSwitchEnables();
    void updatePllFuEnables();
    void setPinLabels(QLabel *in, QLabel *out, bool flag, CustomComboBox1 *bypass);
    void updateErtcDisplay();
    void updateSourceLabels();

    // Editing steps shared by the slots.
    bool checkPllSettings();
    void pllTail();
    bool hextRefresh();
    void usbSearch();
    void recomputeAndRefresh();
    void refreshFrequencies();
    void showPllParams();
    void syncApbFieldsFromModel();
    QString formatPllCfgValue() const;
    void setBypass(QLabel *out, int index, bool &field);
    // The PLL factors of a design (a file's or the defaults) back into the
    // model and the controls, after slots on the way searched new ones.
    void restorePllFactors(int ms, int ns, int fp, int fu);

    // Input checks.
    bool validateLineEdits();
    bool validateHextLineEdit(double &value);
    bool checkSclkInput(double &value);
    bool apb3WithinLimit();

    // Before a design is generated or saved: the typed factors taken and the
    // clocks derived from them; then the limits and the USB question.
    bool takeTypedDesign();
    bool passLimits();

    PageMessages messages{this};
    PllFactorEdits factors{this, messages};
    DesignKeyTable designKeys;
    QStringList loadOrder;
    // pllms, pllns, pllfp, pllfu: put back after a design is applied.
    QVector<DesignKeyTable::Row> factorRows;

};

#endif // KYTOR9X0PLL_H
