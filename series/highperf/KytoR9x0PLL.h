#ifndef KYTOR9X0PLL_H
#define KYTOR9X0PLL_H

#include "KytoR9x0Controls.h"
#include "../common/DesignKeyTable.h"

#include <QString>
#include <QStringList>
#include <QVector>

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

    // A language switch reaches the one translated text of the drawing, the
    // I2SF5 "Actual value", at once.
    void changeEvent(QEvent *event) override;

    // The series constructor calls buildUi, resetDefaults and then
    // connectSignals, so that the connections reach the series' own slots.
    void buildUi();

    // The family's own slot bodies; each series class forwards its slots
    // here and to the shared ones.
    void onHickToUsbToggled(bool flag);
    void onCanClockSelToggled(int can, bool flag);
    void onI2sf5ClockSelToggled(bool flag);
    void onPllFpChanged(int index);
    void onPllFuChanged(int index);
    void onUsbSwitchChanged(int index);
    void onCanSwitchChanged(int can, int index);
    void onI2sf5SwitchChanged(int index);

private:
    void buildDesignKeys();

    // Branch predicates, read from the controls (the CAN and I2SF5 switches
    // from the model, as their slots store them before they highlight).
    bool usbOn() const;
    bool usbFromPll() const;
    bool clkoutFrom(int code) const;
    bool canOn(int can, int source) const;
    bool anyCanOn(int source) const;
    bool i2sf5OnPllp() const;
    bool pllFeedsCorePaths() const;
    bool pllInUse() const override;
    bool hextInUse() const override;
    bool usbFromPllInUse() const;

    // Path highlighting.
    void highlightClockPaths() override;
    void updateHextEnables();
    void updatePllEnables();
    void updateClkoutUsbStyle(bool flag);
    void updateUsbSwitchEnables();
    void updatePllFuEnables();
    void updateSourceLabels();

    // Editing steps shared by the slots.
    void usbSearch();
    bool usbRetunesPll() const override;
    void hextTaken() override;
    void refreshFrequencies() override;
    void showPllParams() override;
    QString formatPllCfgValue() const;
    // The PLL factors of a design (a file's or the defaults) back into the
    // model and the controls, after slots on the way searched new ones.
    void restorePllFactors(int ms, int ns, int fp, int fu);

    // Before a design is generated or saved: the typed factors taken and the
    // clocks derived from them; then the limits and the USB question.
    bool takeTypedDesign();
    bool passLimits();

    QStringList loadOrder;
};

#endif // KYTOR9X0PLL_H
