#ifndef KYTOR8X0PLL_H
#define KYTOR8X0PLL_H

#include "KytoMCUPLL.h"
#include "../common/DesignKeyTable.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"
#include "../common/PllFactorEdits.h"
#include "R8x0Controls.h"

#include <QHash>
#include <QString>

class QLabel;
class CustomComboBox1;

// Everything in which R810 and R820 differ.
struct R8x0SeriesTable {
    int seriesIndex = 13;
    R8x0PageLayout layout;
};

// The page of the R810 and R820 series: a PLL of pll_ms, pll_ns and pll_fr,
// the USB divider from the PLL or the HICK at 48 MHz, and two clock outputs.
// The series classes derive from it, declare their own slots (in the order
// their meta-objects list them) and forward them to the handlers here. This
// class has no meta-object of its own, so every text is translated in the
// context of the concrete series class.
class KytoR8x0PLL : public KytoMCUPLL
{
public:
    ~KytoR8x0PLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoR8x0PLL(const R8x0SeriesTable &table, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The series constructor calls these after the base is built, so that
    // the connections use the series' own meta-object.
    void buildUi();
    void connectSignals();

    // Slot bodies; each series class forwards its slots here.
    void onRtcSelClicked(bool flag);
    void onRtcSwitchChanged(int index);
    void onRtcDivChanged(int index);
    void onLextBypassChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text);
    void onHextBypassChanged(int index);
    void onPllMsReturnPressed();
    void onPllMsTextChanged(const QString &text);
    void onPllNsReturnPressed();
    void onPllNsTextChanged(const QString &text);
    void onPllFrChanged(int index);
    void onPllRcsClicked(bool flag);
    void onSclkSelectHextToggled(bool flag);
    void onSclkSelectPllToggled(bool flag);
    void onSclkSelectHickToggled(bool flag);
    void onAhbDivChanged(int index);
    void onApb1DivChanged(int index);
    void onApb2DivChanged(int index);
    void onUsbDivChanged(int index);
    void onUsbSwitchChanged(int index);
    void onHickToUsbToggled(bool flag);
    void onHickToSclkToggled(bool flag);
    void onClkout1Toggled(bool flag);
    void onClkout2Toggled(bool flag);
    void onClockout1Div1Changed(int index);
    void onClockout1Div2Changed(int index);
    void onClockout1PinChanged(int index);
    void onClockout2Div1Changed(int index);
    void onClockout2Div2Changed(int index);
    void onClockout2PinChanged(int index);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onListButtonClicked(int list);

private:
    void buildDesignKeys();

    // Input checks.
    bool validateLineEdits();
    bool validateHextLineEdit(double &value);
    bool checkSclkInput(double &value);
    bool checkPllSettings();

    // Path highlighting.
    void highlightClockPaths();
    void updateLextBypassStyle(bool on);
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool on);
    void updateHextEnables();
    void setHextEditEnabled(bool on);
    void updatePllEnables();
    void updatePllRcsStyle(bool on);
    void updateHickToSclkStyle(bool on);
    void updateClkout1Style(bool on);
    void updateClkout2Style(bool on);
    void updateClkout2UsbStyle(bool on);
    void updateUsbSwitchEnables();
    void updateHickToUsbStyle(bool on);
    void setPinLabels(QLabel *in, QLabel *out, bool on, CustomComboBox1 *bypass);

    // Recompute and read-outs.
    void recomputeAndRefresh();
    void refreshFrequencies();
    void syncApbFieldsFromModel();
    QString formatPllCfgValue() const;
    void updateClkout1SourceLabels();
    void updateClkout2SourceLabels();
    void setGroupVisible(bool visible);
    void showPllParams();
    void updateErtcDisplay();

    // Shared steps of the slots.
    bool takeHext();
    void checkAndRecompute();
    void setBypassOut(QLabel *out, int index);
    bool runLimitChecks();
    bool confirmPendingEdits();
    // The PLL factors, dividers and USB divider of a design, put back into
    // the model and the controls after the slots that ran on the way have
    // re-tuned them.
    void restorePllSettings(const QHash<QString, QString> &texts);

    // Conditions on the controls (never the model).
    bool usbOn() const;
    bool usbFromPllRadio() const;
    bool clkout1PinSet() const;
    bool clkout2PinSet() const;
    bool pllInUse() const;
    bool hextInUse() const;
    bool hextTextToCheck() const;
    double hickSourceMhz() const;

protected:
    const R8x0SeriesTable table;
    PageMessages messages;
    PllFactorEdits factors;
    PeripheralLists lists{true};
    DesignKeyTable designKeys;

    R8x0Controls ui;
};

#endif // KYTOR8X0PLL_H
