#ifndef KYTOD5X5PLL_H
#define KYTOD5X5PLL_H

#include "KytoMCUPLL.h"
#include "../common/DesignKeyTable.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"
#include "../common/PllFactorEdits.h"

#include <QVector>

class CustomComboBox1;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The page of the D515 and D525 series: one design for both, a flexible PLL
// (pll_ms, pll_ns, pll_fr) from HEXT or HICK/6, HEXT and HICK system clock
// dividers, APB3, one clock output with two dividers and one CAN clock.
// The two series classes derive from it, declare their own slots and forward
// them here. This class has no meta-object of its own, so its texts are
// translated in the context of the concrete series class.
class KytoD5x5PLL : public KytoMCUPLL
{
public:
    ~KytoD5x5PLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

    bool validateLineEdits();
    bool validateHextLineEdit(double &value);
    bool checkSclkInput(double &value);

protected:
    KytoD5x5PLL(int seriesIndex, QWidget *parent);

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
    void onHextDivChanged(int index);
    void onHickDivChanged(int index);
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
    void onApb3DivChanged(int index);
    void onHickToSclkToggled(bool flag);
    void onClkoutToggled(bool flag);
    void onClockoutDiv1Changed(int index);
    void onClockoutDiv2Changed(int index);
    void onClockoutPinChanged(int index);
    void onSclkReturnPressed();
    void onSclkTextChanged(const QString &text);
    void onListButtonClicked(int list);
    void onCanClockSelToggled(bool flag);
    void onCanSwitchChanged(int index);

private:
    void buildLickReadout();
    void buildWdtReadout();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildErtcSelGroup();
    void buildErtcDivCombo();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildHextDivCombo();
    void buildPllRcsGroup();
    void buildPllMsEdit();
    void buildPllNsEdit();
    void buildPllFrCombo();
    void buildPllCfgReadout();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildApb3DivCombo();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildHickDivCombo();
    void buildClockoutDiv1Combo();
    void buildClockoutDiv2Combo();
    void buildClkoutPinCombo();
    void buildClkoutSourceGroup();
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildFactorBoxes();
    void buildCanGroup();

    void buildDesignKeys();

    CustomComboBox1 *makeCombo(int x, int y, int width, int z, const QStringList &items, const QString &node);
    QLabel *makeLabel(const QString &text, int x, int y, int pointSize = 10, int weight = 0);
    QButtonGroup *makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                                 const QString &node);
    QLineEdit *makeFixedReadout(const QString &text, int x, int y, const QString &name);

    // Highlighting and read-outs.
    void highlightClockPaths();
    void updateLextBypassStyle(bool flag);
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool flag);
    void updateHextEnables();
    void setHextEditEnabled(bool flag);
    void updateHickEnables();
    void updatePllEnables();
    void updatePllRcsStyle(bool flag);
    void updateHickToSclkStyle(bool flag);
    void updateClkoutStyle(bool flag);
    void updateCanClockSelStyle(bool flag);
    void refreshFrequencies();
    void syncApbFieldsFromModel();
    void showPllParams();
    void updateSourceLabels();
    void updateErtcDisplay();
    QString formatPllCfgValue() const;

    // The PLL factor check with its adjustment questions.
    bool checkPllSettings();
    // The two endings of most slots.
    void checkAndRefresh();
    void resolvePll();

    // Branch predicates on the controls.
    bool pinChosen() const;
    bool clkoutChecked(int code) const;
    int checkedClkoutCode() const;
    bool hextFeedsSomething() const;
    bool pllFeedsSomething() const;
    bool lextInUse() const;
    // Takes over the HEXT text as the model's HEXT; false after its box.
    bool takeOverHext();

    // Messages, translated in the concrete class's context; quiet while a
    // reset or a design file applies its values one by one, and then a
    // check that would need a box or a question fails.
    PageMessages messages{this};
    void showError(const char *sourceText);
    PllFactorEdits factors{this, messages};

    bool pllOutputChecked() const;
    bool runLimitChecks(bool generating);

    DesignKeyTable designKeys;

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
    QLabel *pllfrLabel = nullptr;
    CustomComboBox1 *pllfrComboBox = nullptr;
    QLabel *pllOutputLabel = nullptr;
    QLabel *pllcfgLabel = nullptr;
    QLineEdit *pllcfgReadout = nullptr;
    QLabel *sclkselectLabel = nullptr;
    QVector<QRadioButton *> sclkselectRadios;
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
    QVector<QRadioButton *> clkoutRadios;
    QVector<QLabel *> clkoutNameLabels;
    QVector<QLabel *> clkoutSourceFreqLabels;
    QLabel *clkoutTitleLabel = nullptr;
    QLabel *sclkLabel = nullptr;
    QLineEdit *sclkLineEdit = nullptr;
    QLineEdit *i2sReadout = nullptr;
    QLineEdit *systickReadout = nullptr;
    QLineEdit *dmaReadout = nullptr;
    QLineEdit *gpioReadout = nullptr;
    QLineEdit *apb1Readout = nullptr;
    QLineEdit *apb1TimerReadout = nullptr;
    QLineEdit *apb2Readout = nullptr;
    QLineEdit *apb2TimerReadout = nullptr;
    QLineEdit *apb3Readout = nullptr;
    PeripheralLists lists{true};
    QLineEdit *systickBox = nullptr;
    QLineEdit *apb1TimerBox = nullptr;
    QLineEdit *apb2TimerBox = nullptr;
    QLabel *canClockSelLabel = nullptr;
    QVector<QLabel *> canSourceLabels;
    QVector<QRadioButton *> canclockselRadios;
    CustomComboBox1 *canswitchComboBox = nullptr;
    QLineEdit *canReadout = nullptr;
    QLabel *canUnitLabel = nullptr;
};

#endif // KYTOD5X5PLL_H
