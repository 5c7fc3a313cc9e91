#ifndef KYTOMULTIPLIERPLL_H
#define KYTOMULTIPLIERPLL_H

#include "ClockTreeModel.h"
#include "KytoMultiplierView.h"
#include "../common/DesignKeyTable.h"
#include "../common/Readouts.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>


class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class CustomComboBox1;

// The page of a series whose PLL is a plain multiplier. The series classes
// derive from it, declare their own slots (the meta-object of each class
// lists them in that class's order) and forward them to the handlers here.
// This class deliberately has no meta-object of its own, so message texts are
// translated in the context of the concrete series class.
class KytoMultiplierPLL : public KytoMultiplierView
{
public:
    ~KytoMultiplierPLL() override;

    bool generateCode();
    void resetDefaults();
    void loadConfig(QString path);
    void saveConfig(QString seriesName);

protected:
    KytoMultiplierPLL(const MultiplierSeriesTable &table, QWidget *parent);

    void mousePressEvent(QMouseEvent *event) override;

    // The series constructor calls these two after the base is built, so
    // that the connections use the series' own meta-object.
    void buildUi();
    void connectSignals();

    void updateSourceLabels();
    double hickClockOutMhz() const;

    void highlightClockPaths();
    void updateLextBypassStyle(bool flag);
    void updateRtcSwitchEnables();
    void updateRtcSelStyle(bool flag);
    void updateAdcEnables();
    void updateToAdcSwitchStyle(bool flag);
    void updateHextEnables();
    void setHextEditEnabled(bool flag);
    void updatePllEnables();
    void updatePllRcsStyle(bool flag);
    void updatePllHextDivStyle(bool flag);
    void updateHickToSclkStyle(bool flag);
    void updateHickToUsbStyle(bool flag);
    void updateClkoutGroupStyles();
    void updateUsbSwitchStyle(bool flag);
    void updateUsbSwitchEnables();

    void refreshFrequencies();
    void recomputeAndRefresh();
    void updateErtcDisplay();
    void syncApbDividersFromModel();
    void syncPllMultFromModel();
    void syncUsbDividerFromModel();

    bool validateLineEdits();
    bool validateHextLineEdit(double *value);
    bool checkSclkInput(double *value);
    bool checkHextInput();
    bool checkPllInput();
    bool pllInputInRange(const ClockTreeModel &design) const;
    bool takeHextDivider();

    // Slot bodies; each series class forwards its slots here.
    void onRtcSelClicked(bool flag);
    void onRtcSwitchChanged(int index);
    void onLextBypassChanged(int index);
    void onHextReturnPressed();
    void onHextTextChanged(const QString &text);
    void onHextBypassChanged(int index);
    void onHextDivChanged(int index);
    void onPllHextDivClicked(bool flag);
    void onPllMultChanged(int index);
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

private:

    bool runLimitChecks();
    // A HEXT or SCLK text typed without Return is applied now, as Return
    // would; false when it was refused.
    bool confirmPendingEdits();
    // HEXT and SCLK, for confirming before an action or discarding in a reset.
    QVector<Readouts::TypedEdit> typedEdits();

    // Branch predicates on the controls.
    bool usbOn() const;
    bool usbFromPll() const;
    bool pllInUse() const;
    bool hextInUse() const;
    bool lextInUse() const;

    // Shared steps of the slots.
    bool takeOverHext();
    void plainRecompute();
    void retarget();
    void usbTuning();

    void buildDesignKeys();
    void syncDesignFromFile(const QHash<QString, QString> &texts);

    DesignKeyTable designKeys;

};

#endif // KYTOMULTIPLIERPLL_H
