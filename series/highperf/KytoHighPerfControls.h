#ifndef KYTOHIGHPERFCONTROLS_H
#define KYTOHIGHPERFCONTROLS_H

#include "KytoMCUPLL.h"
#include "../common/ClickUndo.h"
#include "../common/DesignKeyTable.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"
#include "../common/PllFactorEdits.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class DividerTable;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class CustomComboBox1;

// One APB divider: its caption, its "max" note and its combo box.
struct HighPerfApbDivider {
    QPoint label, maxLabel, combo;
    int z;
};

// Where a family's drawing puts the controls every high-performance page
// has, and the limits and marked messages that go with them. A family that
// builds the controls itself fills in the limits and messages alone.
struct HighPerfLayout {
    QPoint lickLabel, lick;
    QPoint lextLabel, lext;
    QPoint rtcSelLabel;
    QVector<QPoint> rtcSel;
    QPoint rtcDivLabel, rtcDiv;
    QPoint pllRcsLabel;
    QVector<QPoint> pllRcs;
    QPoint pllMsLabel, pllMs, pllMsRange;
    QPoint pllNsLabel, pllNs, pllNsRange;
    QPoint ahbLabel;
    HighPerfApbDivider apb1, apb2, apb3;
    QPoint hickDivLabel, hickDiv;
    QPoint clockoutDiv1Label, clockoutDiv1, clockoutDiv2Label, clockoutDiv2;
    QPoint pinLabel, pin;
    QStringList pins;
    // The clock-out sources in radio order: caption, radio, the caption's
    // place (the value label stands beside it) and the model's code.
    QStringList clkoutNames;
    QVector<QPoint> clkoutRadios, clkoutNamePlaces;
    int clkoutValueX = 0;
    QPoint clkoutTitle;
    QVector<int> clkoutCodes;
    QPoint systickBox, apb1TimerBox, apb2TimerBox;
    // The system clock and every bus but APB3, and APB3.
    double sclkMax = 0.0, apb3Max = 0.0;
    // The lowest system clock the sclk edit takes (none below 0).
    double sclkMin = 0.0;
    const char *hextError = nullptr;
    const char *sclkError = nullptr;
    const char *apb3Error = nullptr;
};

// What the D515/D525, R910/R920/R930 and R810/R820 pages share: the
// oscillators, RTC, PLL factors, system clock selection, bus dividers and the
// clock output, with their building, reset steps, highlighting helpers and
// slot bodies. A family base derives from it, builds its own controls in
// between and supplies the hooks; it has no meta-object, so its slots stay
// in the concrete classes and its texts are translated in their context.
// R810/R820 place the shared controls in a drawing of their own and have two
// clock outputs: they build every control themselves into these members, and
// use the runs below but the single clock output and the HEXT, HICK and APB3
// dividers, which stay null there.
class KytoHighPerfControls : public KytoMCUPLL
{
public:
    ~KytoHighPerfControls() override;

    // Input checks; each shows the family's error box when it fails.
    bool validateLineEdits();
    bool validateHextLineEdit(double &value);
    bool checkSclkInput(double &value);
    // A typed value left without Return is confirmed as Return would; false
    // when one was refused and Generate or Save must stop.
    bool confirmPendingEdits();

protected:
    KytoHighPerfControls(int seriesIndex, const HighPerfLayout &layout, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The shared controls, in three runs of the drawing's creation order
    // (which is also the stacking order); the family builds its own between.
    void buildOscillators();   // lick to pll_ns
    void buildSystemClock();   // PLL word, sclk select, AHB and APB dividers
    void buildClockOut();      // HICK branch, clock output, sclk edit
    void buildFactorBoxes();
    void connectSharedSignals();
    // Its runs a family with other clock outputs connects on its own:
    // RTC, LEXT, HEXT and the PLL source and factors; then SCLK, AHB, APB1,
    // APB2, the HICK branch, the sclk edit and the List buttons.
    void connectOscillatorSignals();
    void connectBusSignals();

    // Reset steps of the shared controls, in the same runs.
    void resetOscillators();
    void resetSystemClock();
    void resetClockOut();
    // Parts of the runs above: RTC, LEXT and HEXT; the PLL source; SCLK,
    // AHB, APB1 and APB2.
    void resetClockSources();
    void resetPllSource();
    void resetBuses();

    // Design-file rows of the shared controls, in the runs of the write
    // order that the families share; pllms and pllns also go to factorRows.
    void addOscillatorKeys();      // lextbypass to pllns
    void addSystemClockKeys();     // sclkselect, AHB and APB dividers
    void addClockOutDividerKeys(); // clkoutdiv1, clkoutdiv2
    void addClockSourceKeys();     // lextbypass to hextbypass
    void addPllSourceKey();        // pllrcs
    void addBusKeys();             // sclkselect to apb2div
    // One row: a bypass or switch combo box (disable, enable), a divider
    // combo box (the model's value first, then the item that shows it), or a
    // radio group whose radio index is the stored code.
    void addOnOffKey(const QString &key, CustomComboBox1 *combo, bool *field);
    DesignKeyTable::Row addDividerKey(const QString &key, CustomComboBox1 *combo, int *field,
                                      const DividerTable &items, int fallback);
    void addRadioKey(const QString &key, const QVector<QRadioButton *> &group, int *field, int fallback);

    // Family hooks.
    virtual void highlightClockPaths() = 0;
    virtual void refreshFrequencies() = 0;
    virtual void showPllParams() = 0;
    // What makes the generated code start HEXT and the PLL.
    virtual bool hextInUse() const = 0;
    virtual bool pllInUse() const = 0;
    // The PLL solved for what the selection asks of it, then shown.
    void resolvePll();
    // Whether a USB clock switched on and running from the PLL while SCLK
    // does not has the PLL searched for it (families with a USB divider on
    // the PLL).
    virtual bool usbRetunesPll() const { return false; }
    // A newly taken HEXT value, before the clocks are derived from it.
    virtual void hextTaken() {}

    // Slot bodies; each series class forwards its slots here.
    void onRtcSelClicked(bool flag);
    void onRtcSwitchChanged(int index);
    void onRtcDivChanged(int index);
    void onLextBypassChanged(int index);
    void onHextBypassChanged(int index);
    void onHextDivChanged(int index);
    void onHickDivChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text);
    void onPllMsReturnPressed();
    void onPllMsTextChanged(const QString &text);
    void onPllNsReturnPressed();
    void onPllNsTextChanged(const QString &text);
    void onPllRcsClicked(bool flag);
    void onSclkSelectHextToggled(bool flag);
    void onSclkSelectPllToggled(bool flag);
    void onSclkSelectHickToggled(bool flag);
    void onAhbDivChanged(int index);
    void onApb1DivChanged(int index);
    void onApb2DivChanged(int index);
    void onApb3DivChanged(int index);
    void onHickToSclkToggled(bool flag);
    void onClkoutToggled(bool flag);
    void onClockoutDiv1Changed(int index);
    void onClockoutDiv2Changed(int index);
    void onClockoutPinChanged(int index);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onListButtonClicked(int list);

    // Branch predicates, read from the controls.
    bool rtcOn() const;
    bool sclkFromHext() const;
    bool sclkFromPll() const;
    bool sclkFromHick() const;
    bool pllFromHext() const;
    bool clkoutOn() const;

    // Highlighting of the shared controls.
    void updateOscillatorEnables(bool lextInUse);
    void setHextEditEnabled(bool flag);
    void updateHextDivStyle(bool flag);
    void updateHickEnables();
    void setPllInUse(bool flag);
    void updateClkoutStyle(bool flag);
    static void styleRadios(QLabel *label, const QVector<QRadioButton *> &radios, bool flag);
    void updateErtcDisplay();
    void syncApbFieldsFromModel();

    // Editing steps shared by the slots.
    bool checkPllSettings();
    void checkAndRefresh();
    // Takes the HEXT text as the model's HEXT; false after its box.
    bool takeOverHext();
    // The same while the PLL runs from HEXT; true otherwise.
    bool takeHextForPll();
    // The check and recompute of a system-clock radio; false when it stops the click.
    bool checkSclkSelect();
    bool apb3WithinLimit();

    // The divisor of an item; `other` while the combo box has no current item.
    static int valueOr(const DividerTable &table, int index, int other);

    static const DividerTable &hextDividers();
    static const DividerTable &hickDividers();
    static const DividerTable &clockOutDiv1();
    static const DividerTable &rtcDividers();

    CustomComboBox1 *makeCombo(int x, int y, int width, int z, const QStringList &items, const QString &node);
    QLabel *makeLabel(const QString &text, int x, int y, int pointSize = 10, int weight = 0);
    QButtonGroup *makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                                 const QString &node);

    const HighPerfLayout layout;
    PageMessages messages{this};
    PllFactorEdits factors{this, messages};
    // Every click applied whole or taken back whole.
    ClickUndo undo{this, messages};
    PeripheralLists lists{true};
    DesignKeyTable designKeys;
    // pllms, pllns and the family's PLL dividers, which a loaded design puts
    // back after the slots on the way searched factors of their own.
    QVector<DesignKeyTable::Row> factorRows;

    // Controls, named after the clock-tree nodes.
    QLabel *lickLabel = nullptr;
    QLineEdit *lickReadout = nullptr;
    QLineEdit *wdtReadout = nullptr;
    CustomComboBox1 *rtcswitchComboBox = nullptr;
    QLineEdit *rtcReadout = nullptr;
    QLabel *rtcLabel = nullptr;
    QLabel *lextLabel = nullptr;
    QLineEdit *lextReadout = nullptr;
    QLabel *lextBypassLabel = nullptr;
    CustomComboBox1 *lextbypassComboBox = nullptr;
    QLabel *lextInLabel = nullptr;
    QLabel *lextOutLabel = nullptr;
    QLabel *rtcselLabel = nullptr;
    QVector<QRadioButton *> rtcselRadios;
    QLabel *rtcdivLabel = nullptr;
    CustomComboBox1 *rtcdivComboBox = nullptr;
    QLabel *hextLabel = nullptr;
    QLineEdit *hextLineEdit = nullptr;
    QLabel *hextBypassLabel = nullptr;
    CustomComboBox1 *hextbypassComboBox = nullptr;
    QLabel *hextInLabel = nullptr;
    QLabel *hextOutLabel = nullptr;
    QLabel *hextdivLabel = nullptr;
    CustomComboBox1 *hextdivComboBox = nullptr;
    QLabel *pllrcsLabel = nullptr;
    QVector<QRadioButton *> pllrcsRadios;
    QLabel *pllmsLabel = nullptr;
    QLineEdit *pllmsLineEdit = nullptr;
    QLabel *pllmsRangeLabel = nullptr;
    QLabel *pllnsLabel = nullptr;
    QLineEdit *pllnsLineEdit = nullptr;
    QLabel *pllnsRangeLabel = nullptr;
    QLabel *pllOutputLabel = nullptr;
    QLabel *pllcfgLabel = nullptr;
    QLineEdit *pllcfgReadout = nullptr;
    QLabel *sclkselectLabel = nullptr;
    QVector<QRadioButton *> sclkselectRadios;   // HEXT, PLL, HICK
    QLabel *ahbdivLabel = nullptr;
    CustomComboBox1 *ahbdivComboBox = nullptr;
    CustomComboBox1 *apb1divComboBox = nullptr;
    CustomComboBox1 *apb2divComboBox = nullptr;
    CustomComboBox1 *apb3divComboBox = nullptr;
    QLabel *hicktosclkLabel = nullptr;
    QVector<QRadioButton *> hicktosclkRadios;
    QLabel *hickLabel = nullptr;
    QLineEdit *hickReadout = nullptr;
    QLabel *hickdivLabel = nullptr;
    CustomComboBox1 *hickdivComboBox = nullptr;
    QLabel *clockoutdiv1Label = nullptr;
    CustomComboBox1 *clockoutdiv1ComboBox = nullptr;
    QLabel *clockoutdiv2Label = nullptr;
    CustomComboBox1 *clockoutdiv2ComboBox = nullptr;
    QLabel *clkoutFreqLabel = nullptr;
    QLabel *pinLabel = nullptr;
    CustomComboBox1 *clockoutPinSelectComboBox = nullptr;
    QVector<QRadioButton *> clkoutRadios;      // in the order of layout.clkoutCodes
    QVector<QLabel *> clkoutNameLabels;
    QVector<QLabel *> clkoutValueLabels;
    QLabel *clkoutTitleLabel = nullptr;
    QLabel *sclkLabel = nullptr;
    QLineEdit *sclkLineEdit = nullptr;
    QLineEdit *systickBox = nullptr;
    QLineEdit *apb1TimerBox = nullptr;
    QLineEdit *apb2TimerBox = nullptr;

private:
    void buildOscillatorReadout(QLabel *&label, QLineEdit *&readout, const QString &caption, const QString &text,
                                const QPoint &labelAt, const QPoint &at, const QString &name);
    void buildBypassCombo(const QVector<QPoint> &places, const QString &node, QLabel *&label,
                          CustomComboBox1 *&combo, QLabel *&in, QLabel *&out);
    void buildApbDivCombo(const HighPerfApbDivider &place, const QString &node, double max,
                          CustomComboBox1 *&combo);
    void setPinLabels(QLabel *in, QLabel *out, bool flag, CustomComboBox1 *bypass);
    void setBypass(QLabel *out, int index, bool &field);
    void addFactorKey(const QString &key, int *field, PllFactorEdits::Factor factor, int first, int last);
};

#endif // KYTOHIGHPERFCONTROLS_H
