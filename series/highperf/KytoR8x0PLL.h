#ifndef KYTOR8X0PLL_H
#define KYTOR8X0PLL_H

#include "KytoHighPerfControls.h"
#include "R8x0Controls.h"

#include <QHash>
#include <QString>

class QLabel;

// Everything in which R810 and R820 differ.
struct R8x0SeriesTable {
    int seriesIndex = 13;
    R8x0PageLayout layout;
};

// The page of the R810 and R820 series: a PLL of pll_ms, pll_ns and pll_fr,
// the USB divider from the PLL or the HICK at 48 MHz, and two clock outputs.
// The series classes derive from it, declare their own slots (in the order
// their meta-objects list them) and forward them to the handlers here and
// in the shared base. This class has no meta-object of its own, so every
// text is translated in the context of the concrete series class.
class KytoR8x0PLL : public KytoHighPerfControls
{
public:
    ~KytoR8x0PLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoR8x0PLL(const R8x0SeriesTable &table, QWidget *parent);

    // A language switch reaches the usage notes, the translated texts of
    // the drawing, at once.
    void changeEvent(QEvent *event) override;

    // The series constructor calls these after the base is built, so that
    // the connections use the series' own meta-object.
    void buildUi();
    void connectSignals();

    // The family's own slot bodies; each series class forwards its slots
    // here and to the shared ones.
    void onPllFrChanged(int index);
    void onUsbDivChanged(int index);
    void onUsbSwitchChanged(int index);
    void onHickToUsbToggled(bool flag);
    void onClkout1Toggled(bool flag);
    void onClkout2Toggled(bool flag);
    void onClockout1Div1Changed(int index);
    void onClockout1Div2Changed(int index);
    void onClockout1PinChanged(int index);
    void onClockout2Div1Changed(int index);
    void onClockout2Div2Changed(int index);
    void onClockout2PinChanged(int index);

private:
    // Builds the controls into this page's members and its own.
    friend class R8x0Controls;

    void buildDesignKeys();

    // Path highlighting.
    void highlightClockPaths() override;
    void updatePllEnables();
    void updateClockOutputStyle(int output, bool on);
    void updateClkout2UsbStyle(bool on);
    void updateUsbSwitchEnables();

    // Recompute and read-outs.
    bool usbRetunesPll() const override;
    void hextTaken() override;
    void refreshFrequencies() override;
    void showPllParams() override;
    QString formatPllCfgValue() const;
    void updateClkout1SourceLabels();
    void updateClkout2SourceLabels();
    void setGroupVisible(bool visible);

    bool runLimitChecks();
    // The PLL factors, dividers and USB divider of a design, put back into
    // the model and the controls after the slots that ran on the way have
    // re-tuned them.
    void restorePllSettings(const QHash<QString, QString> &texts);

    // Conditions on the controls (never the model).
    bool usbOn() const;
    bool usbFromPllRadio() const;
    bool clkout1PinSet() const;
    bool clkout2PinSet() const;
    bool pllInUse() const override;
    // HEXT as a clock the PLL check reads: in use, leaving out the RTC,
    // whose own display checks the text.
    bool hextInUse() const override;
    // HEXT in use anywhere, the RTC included: its edit is enabled.
    bool hextEditInUse() const;
    double hickSourceMhz() const;

protected:
    const R8x0SeriesTable table;
    R8x0Controls ui;
};

#endif // KYTOR8X0PLL_H
