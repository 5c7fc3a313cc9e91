#ifndef KYTODUALMODEPLL_H
#define KYTODUALMODEPLL_H

#include "KytoDualModeView.h"
#include "../common/ClickUndo.h"
#include "../common/DesignKeyTable.h"

#include <QHash>


// The page of a series whose PLL runs either as a multiplier ("normal") or
// on the pll_ms / pll_ns / pll_fr factors ("flexible"). The series classes
// derive from it, declare their own slots in the order of their connections
// and forward them to the handlers here; buildUi, resetDefaults and
// connectSignals are called from the series constructor, so that the
// connections and the translations use the series' own meta-object.
class KytoDualModePLL : public KytoDualModeView
{
public:
    ~KytoDualModePLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoDualModePLL(const DualModeSeriesTable &table, QWidget *parent);

    void connectSignals();

    // ---- checks ----
    bool checkPllSettings();
    bool checkSclkInput(double *value);
    bool validateLineEdits();
    void recomputeAndRefresh();

    // ---- slot bodies; each series class forwards its slots here ----
    void onRtcSelClicked(bool flag);
    void onRtcSwitchChanged(int index);
    void onLextBypassChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text);
    void onHextBypassChanged(int index);
    void onPllHextDivClicked(bool flag);
    void onPllModeChanged(int index);
    void onPllMultChanged(int index);
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
    void onToAdcSwitchChanged(int index);
    void onToAdcDivChanged(int index);
    void onUsbDivChanged(int index);
    void onUsbSwitchChanged(int index);
    void onHickToUsbToggled(bool flag);
    void onHickToSclkToggled(bool flag);
    void onClkoutToggled(bool flag);
    void onClockoutDivChanged(int index);
    void onClockoutPinChanged(int index);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onListButtonClicked(int list);
    void onKernelClockToggled(int block, bool flag);
    void onKernelSwitchChanged(int block, int index);

private:
    // The HEXT text into hextMhz while the PLL runs from HEXT; false after
    // the error box.
    bool takeOverHext();
    // checkPllSettings, then recompute and refresh when it passes.
    void checkAndRecompute();
    bool checkSclkSelect();
    // Re-tunes the PLL for a 48 MHz USB clock; false when the HEXT text
    // stopped it.
    bool usbFromPll();
    void showFactors();
    void setSclkEditStyle(bool enabled);

    // Typed texts left without Return are confirmed as Return would, in the
    // order of the drawing; false when one of them was refused.
    bool confirmPendingEdits();

    // The checks Generate and Save share: the typed factors first, so that
    // neither runs on values a failed check left behind, then the limits.
    bool runLimitChecks();

    void buildDesignKeys();
    QStringList loadOrder() const;
    // What the slots re-derived while the keys were applied, back as the
    // file has it.
    void restoreDesignValues(const QHash<QString, QString> &texts);

    DesignKeyTable designKeys;
    // Every click applied whole or taken back whole.
    ClickUndo undo{this, messages};
};

#endif // KYTODUALMODEPLL_H
