#ifndef KYTOFLEXIBLEPLL_H
#define KYTOFLEXIBLEPLL_H

#include "KytoFlexibleView.h"
#include "../common/DesignKeyTable.h"

#include <QHash>


// The page of a series whose PLL runs on pll_ms, pll_ns and an output
// divider only. The series classes derive from it, declare their own slots
// (each class's meta-object lists them in that class's order) and forward
// them to the handlers here.
class KytoFlexiblePLL : public KytoFlexibleView
{
public:
    ~KytoFlexiblePLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoFlexiblePLL(const FlexibleSeriesTable &table, QWidget *parent);

    bool validateHextLineEdit(double &hext);
    bool checkSclkInput(double &sclk);
    bool checkPllSettings();
    void recomputeAndRefresh();
    bool validateLineEdits();

    // Slot bodies; each series class forwards its slots here.
    void onRtcSelClicked(bool flag);
    void onRtcSwitchChanged(int index);
    void onRtcDivChanged(int index);
    void onLextBypassChanged(int index);
    void onHextDivChanged(int index);
    void onHickDivChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text) override;
    void onHextBypassChanged(int index);
    void onPllMsReturnPressed();
    void onPllMsTextChanged(const QString &text);
    void onPllNsReturnPressed();
    void onPllNsTextChanged(const QString &text);
    void onPllOutDivChanged(int index);
    void onPllRcsClicked(bool flag);
    void onSclkSelectHextToggled(bool flag);
    void onSclkSelectPllToggled(bool flag);
    void onSclkSelectHickToggled(bool flag);
    void onAhbDivChanged(int index);
    void onApb1DivChanged(int index);
    void onApb2DivChanged(int index);
    void onPllFuChanged(int index);
    void onUsbDivChanged(int index);
    void onUsbSwitchChanged(int index);
    void onHickToUsbToggled(bool flag);
    void onHickToSclkToggled(bool flag);
    void onClkoutToggled(bool flag);
    void onClockoutDiv1Changed(int index);
    void onClockoutDiv2Changed(int index);
    void onClockoutPinChanged(int index);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onI2sf5ClockSelToggled(bool flag);
    void onI2sf5SwitchChanged(int index);
    void onUsart1ClockSelToggled(bool flag);
    void onUsart1SwitchChanged(int index);
    void onUsart2ClockSelToggled(bool flag);
    void onUsart2SwitchChanged(int index);
    void onUsart3ClockSelToggled(bool flag);
    void onUsart3SwitchChanged(int index);
    void onI2c1ClockSelToggled(bool flag);
    void onI2c1SwitchChanged(int index);
    void onAdcClockSelToggled(bool flag);
    void onAdcSwitchChanged(int index);

private:
    // Shared steps of the slots.
    bool takeOverHextIfReference();
    void checkAndRecompute();
    bool checkSclkSelect();
    int clkoutCode() const;

    // Messages, translated in the context of the concrete series class.
    void showError(const char *text);
    bool runLimitChecks();
    bool confirmPendingEdits();

    // Design file: one row per key, in write order, and the read order.
    void buildDesignKeys();
    QStringList loadOrder() const;
    void putBackLoadedFactors(const QHash<QString, QString> &texts);

    DesignKeyTable designKeys;
};

#endif // KYTOFLEXIBLEPLL_H
