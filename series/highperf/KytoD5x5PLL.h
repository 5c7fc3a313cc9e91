#ifndef KYTOD5X5PLL_H
#define KYTOD5X5PLL_H

#include "KytoHighPerfControls.h"

#include <QVector>

class CustomComboBox1;
class QLabel;
class QLineEdit;
class QRadioButton;

// The page of the D515 and D525 series: one design for both, a flexible PLL
// (pll_ms, pll_ns, pll_fr) from HEXT or HICK/6, HEXT and HICK system clock
// dividers, APB3, one clock output with two dividers and one CAN clock.
// The two series classes derive from it, declare their own slots and forward
// them here. This class has no meta-object of its own, so its texts are
// translated in the context of the concrete series class.
class KytoD5x5PLL : public KytoHighPerfControls
{
public:
    ~KytoD5x5PLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoD5x5PLL(int seriesIndex, QWidget *parent);

    // The series constructor calls these after the base is built, so that
    // the connections use the series' own meta-object.
    void buildUi();
    void connectSignals();

    // The family's own slot bodies; each series class forwards its slots
    // here and to the shared ones.
    void onPllFrChanged(int index);
    void onCanClockSelToggled(bool flag);
    void onCanSwitchChanged(int index);

private:
    void buildPllFrCombo();
    void buildPeripheralReadouts();
    void buildCanGroup();
    void buildDesignKeys();

    // Highlighting and read-outs.
    void highlightClockPaths() override;
    void updateHextEnables();
    void updatePllEnables();
    void updateCanClockSelStyle(bool flag);
    void refreshFrequencies() override;
    void showPllParams() override;
    void updateSourceLabels();
    QString formatPllCfgValue() const;

    // Branch predicates on the controls.
    bool hextInUse() const override;
    bool pllInUse() const override;
    bool clkoutChecked(int code) const;
    int checkedClkoutCode() const;
    bool hextFeedsSomething() const;
    bool pllFeedsSomething() const;
    bool lextInUse() const;

    bool pllOutputChecked() const;
    bool runLimitChecks(bool generating);

    // The family's own controls.
    QLabel *pllfrLabel = nullptr;
    CustomComboBox1 *pllfrComboBox = nullptr;
    QLineEdit *i2sReadout = nullptr;
    QLineEdit *systickReadout = nullptr;
    QLineEdit *dmaReadout = nullptr;
    QLineEdit *gpioReadout = nullptr;
    QLineEdit *apb1Readout = nullptr;
    QLineEdit *apb1TimerReadout = nullptr;
    QLineEdit *apb2Readout = nullptr;
    QLineEdit *apb2TimerReadout = nullptr;
    QLineEdit *apb3Readout = nullptr;
    QLabel *canClockSelLabel = nullptr;
    QVector<QLabel *> canSourceLabels;
    QVector<QRadioButton *> canclockselRadios;
    CustomComboBox1 *canswitchComboBox = nullptr;
    QLineEdit *canReadout = nullptr;
    QLabel *canUnitLabel = nullptr;
};

#endif // KYTOD5X5PLL_H
