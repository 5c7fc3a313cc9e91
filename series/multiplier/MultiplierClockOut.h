#ifndef MULTIPLIERCLOCKOUT_H
#define MULTIPLIERCLOCKOUT_H

#include <QString>
#include <QVector>

#include <functional>

class CustomComboBox1;
class KytoMCUPLL;
class QButtonGroup;
class QLabel;
class QRadioButton;
struct MultiplierPageLayout;

// The clock output of a multiplier-PLL page: the pin, the divider (series
// with the HICK 48 MHz branches), the source radios with their names and
// frequencies, and the output frequency. The page connects the controls to
// its own slots and decides, from its other branches, what each source runs at.
class MultiplierClockOut
{
public:
    // The model's clock-out source codes.
    enum Source { NoClk = 0, LickOut = 1, LextOut = 2, HickOut = 3, HextOut = 4, SclkOut = 5,
                  UsbOut = 6, AdcOut = 7, PllHalfOut = 8, PllQuarterOut = 9 };

    // tenSources: LICK and LEXT among the sources, and the divider.
    void build(KytoMCUPLL *page, const MultiplierPageLayout &layout, bool tenSources);

    bool inUse() const;   // a pin other than "none"
    int checkedCode() const;
    QRadioButton *radio(int code) const;
    bool isChecked(int code) const;
    const QVector<int> &codes() const { return sourceCodes; }

    // The whole group in use or greyed.
    void setGroupEnabled(bool flag);
    // One source that follows its clock's switch (USB, ADC): greyed when
    // flag is false, and when its clock is off a checked one gives way to
    // "no clk".
    void setSourceEnabled(int code, bool flag, bool clockOff);

    // The checked source's frequency beside it and the output frequency
    // (divided by div); mhzOf gives a source's MHz, lextRunning whether the
    // LEXT oscillator runs. With the pin "none" the output shows nothing.
    void showFrequencies(double div, bool lextRunning, const std::function<double(int code)> &mhzOf);

    QLabel *pinLabel = nullptr;
    CustomComboBox1 *pinCombo = nullptr;
    QLabel *divLabel = nullptr;
    CustomComboBox1 *divCombo = nullptr;   // null without the divider
    QLabel *frequencyLabel = nullptr;
    QVector<QRadioButton *> radios;
    QButtonGroup *group = nullptr;

private:
    QVector<int> sourceCodes;                 // model source code of each radio
    QVector<QLabel *> nameLabels;
    QVector<QLabel *> sourceFrequencyLabels;  // null for "no clk"
    QLabel *titleLabel = nullptr;
};

#endif // MULTIPLIERCLOCKOUT_H
