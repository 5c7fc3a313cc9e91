#ifndef PERIPHERALCLOCKGROUP_H
#define PERIPHERALCLOCKGROUP_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class CustomComboBox1;
class KytoMCUPLL;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

// The clock of one peripheral (a CAN controller, I2SF5): a titled source
// selection (one caption and one radio per source), the on/off switch that
// gates it, and the read-out of the clock with "(MHz)" beside it. The page
// places the selection and the read-out where its drawing has them, wires
// the radios and the switch to its own slots, and decides the values.
//
//   PeripheralClockGroup can;                                   // a page member
//   can.placeSelection(this, "can1clocksel", "can1 clock sel", {653, 511},
//                      {"hext", "pllu", "pclk"}, captionPlaces, radioPlaces);
//   can.placeSwitch(this, "can1switch", {736, 557}, 70, 1);
//   can.placeReadout(this, "can1", {838, 555});
//   can.setInUse(model->can1Enabled);                           // highlighting
//   can.showClock(model->apb1Mhz, model->apb1Mhz > 192.0);      // refresh
class PeripheralClockGroup
{
public:
    // Radios "<name>_RadioButton_<i>" in the group "<name>_ButtonGroup";
    // the first is checked.
    void placeSelection(KytoMCUPLL *page, const QString &name, const QString &title, const QPoint &titleAt,
                        const QStringList &captions, const QVector<QPoint> &captionPlaces,
                        const QVector<QPoint> &radioPlaces);
    // "disable", "enable", named "<name>_ComboBox".
    void placeSwitch(KytoMCUPLL *page, const QString &name, const QPoint &at, int width, int z);
    // A box showing "0" until the clock is first shown, named "<name>_ReadOut",
    // with "(MHz)" at (x + 85, y + 3).
    void placeReadout(KytoMCUPLL *page, const QString &name, const QPoint &at);

    // Index of the checked source radio, -1 when none is checked.
    int checkedSource() const;
    bool isChecked(int source) const;
    void check(int source);
    bool switchOn() const;

    // Title, captions, radios and read-out enabled and blue (dark green
    // read-out text) or disabled and grey. The switch stays enabled: it is
    // how the clock is switched on.
    void setInUse(bool on);

    // The clock in MHz (three decimals), red when tooHigh, with "(MHz)".
    void showClock(double mhz, bool tooHigh);
    // A text instead of a frequency (an external clock), without a unit.
    void showText(const QString &text);
    // The read-out as placed: "0" with "(MHz)". A switched-off clock keeps
    // the last value it showed; a reset starts from the new page's look.
    void showPlaced();

    QLabel *title = nullptr;
    QVector<QLabel *> captions;
    QVector<QRadioButton *> radios;
    QButtonGroup *group = nullptr;
    CustomComboBox1 *switchCombo = nullptr;
    QLineEdit *readout = nullptr;
    QLabel *unit = nullptr;

private:
    static QString placedText();
    static QString placedUnit();
};

#endif // PERIPHERALCLOCKGROUP_H
