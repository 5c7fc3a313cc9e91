#ifndef KYTOMULTIPLIERPLL_H
#define KYTOMULTIPLIERPLL_H

#include "KytoMCUPLL.h"
#include "MultiplierClockOut.h"
#include "../common/DesignKeyTable.h"
#include "../common/PageMessages.h"
#include "../common/PeripheralLists.h"

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

// What one read-out of the right-hand column shows.
enum class ReadoutKind { Sclk, Systick, Ahb, Apb1, Apb1Timer, Adc, Apb2, Apb2Timer };

struct MultiplierReadout {
    QString label;   // empty for the adc read-out, whose label is placed on its own
    int y;
    ReadoutKind kind;
};

// Scene positions of every control of a multiplier-PLL page.
struct MultiplierPageLayout {
    QPoint lickLabel{80, 48}, lick{65, 65};
    QPoint wdt{415, 17};
    QPoint rtcLabel{500, 145}, rtcSwitch{305, 142}, rtcReadout{415, 142};
    QPoint lextLabel{80, 121}, lext{65, 138};
    QPoint lextBypassLabel{83, 168}, lextIn{18, 140}, lextOut{6, 151}, lextBypass{65, 186};
    QPoint rtcSelLabel{248, 32};
    QVector<QPoint> rtcSel{{257, 75}, {257, 148}, {257, 214}};
    QPoint hextLabel{65, 279}, hext{65, 297};
    QPoint hextBypassLabel{83, 329}, hextIn{18, 299}, hextOut{6, 310}, hextBypass{65, 347};
    QPoint hextDivLabel{224, 320}, hextDiv{220, 340};
    QPoint pllHextDivLabel{323, 263};
    QVector<QPoint> pllHextDiv{{345, 305}, {345, 346}};
    QPoint pllRcsLabel{461, 290};
    QVector<QPoint> pllRcs{{472, 327}, {472, 380}};
    QPoint pllMultLabel{560, 327}, pllMult{555, 347}, pllOutput{650, 335};
    QPoint sclkSelectLabel{712, 237};
    QVector<QPoint> sclkSelect{{740, 297}, {740, 355}, {740, 412}};
    QPoint sclkLabel{793, 327}, sclk{783, 347}, sclkRange{798, 376};
    QPoint ahbLabel{936, 327}, ahb{926, 347};
    QPoint apb1Label{1041, 352}, apb1{1036, 372};
    QPoint apb2Label{1041, 582}, apb2{1036, 602};
    QPoint usbDivLabel{717, 482}, usbDiv{707, 502};
    QPoint usbSwitchLabel{820, 482}, usbSwitch{810, 502}, usbFreq{900, 525};
    QPoint hickToUsbLabel{772, 450};
    QVector<QPoint> hickToUsb{{796, 488}, {796, 527}};
    QPoint hickToSclkLabel{380, 510};
    QVector<QPoint> hickToSclk{{400, 427}, {400, 479}};
    QPoint hickLabel{80, 425}, hick{65, 443};
    QPoint clockoutDivLabel{235, 634}, clockoutDiv{233, 654};
    QPoint pinLabel{140, 634}, pin{133, 654}, clkoutFreq{48, 672};
    int clkoutRadioX = 339;
    QVector<int> clkoutRadioY{565, 590, 617, 645, 672, 699, 727, 755};
    QVector<int> clkoutNameY{560, 585, 612, 640, 667, 694, 722, 750};
    int clkoutNameX = 400, clkoutFreqX = 440, clkoutFreqXAfterAdc = 450;
    QPoint clkoutTitle{326, 786};
    QPoint systickBox{1092, 142}, apb1TimerBox{1092, 412}, apb2TimerBox{1092, 650};
    int readoutX = 1180;
    QVector<MultiplierReadout> readouts;
    QPoint adcLabel{1265, 516};
    int listX = 1265;
    QVector<int> listButtonY{397, 481, 627, 712};
    QVector<int> listY{417, 501, 397, 551};
    QPoint adcDivLabel{1119, 498}, adcDiv{1115, 514}, adcSwitch{1075, 550};

    // The places of the series with the HICK 48 MHz branches (USB and SCLK
    // from HICK, clock-out divider, ten clock-out sources); the member
    // defaults above are those of the eight-source page.
    static MultiplierPageLayout tenSourceLayout();
};

// Everything in which the five multiplier-PLL series differ.
struct MultiplierSeriesTable {
    int seriesIndex = 0;
    QString templateStem;
    bool hasHextDivCombo = false;    // selectable PLL pre-divider
    bool hasHick48Branches = false;  // hicktousb, hicktosclk, clockoutdiv and ten clock-out sources
    int apbMax = 100;
    int defaultPllMultIndex = 22;
    const char *adcQuestion = nullptr;
    QStringList apb1PeripheralList, apb1TimerList, apb2PeripheralList, apb2TimerList;
    MultiplierPageLayout layout;
};

// The page of a series whose PLL is a plain multiplier. The series classes
// derive from it, declare their own slots (the meta-object of each class
// lists them in that class's order) and forward them to the handlers here.
// This class deliberately has no meta-object of its own, so message texts are
// translated in the context of the concrete series class.
class KytoMultiplierPLL : public KytoMCUPLL
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

    // The series constructor calls these three after the base is built, so
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
    void buildLickReadout();
    void buildWdtLabel();
    void buildRtcSwitchCombo();
    void buildLextReadout();
    void buildLextBypassCombo();
    void buildRtcSelGroup();
    void buildHextEdit();
    void buildHextBypassCombo();
    void buildHextDivCombo();
    void buildPllHextDivGroup();
    void buildPllRcsGroup();
    void buildPllMultCombo();
    void buildSclkSelectGroup();
    void buildAhbDivCombo();
    void buildApb1DivCombo();
    void buildApb2DivCombo();
    void buildUsbDivCombo();
    void buildUsbSwitchCombo();
    void buildHickToUsbGroup();
    void buildHickToSclkGroup();
    void buildHickReadout();
    void buildSclkEdit();
    void buildPeripheralReadouts();
    void buildReadOnlyFreqEdits();
    void buildAdcDivCombo();

    bool runLimitChecks();
    // A HEXT or SCLK text typed without Return is applied now, as Return
    // would; false when it was refused.
    bool confirmPendingEdits();

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
    QStringList loadOrder() const;
    void syncDesignFromFile(const QHash<QString, QString> &texts);

    DesignKeyTable designKeys;

protected:
    const MultiplierSeriesTable table;
    // Boxes translated in the context of the concrete class; quiet while a
    // design file is applied.
    PageMessages messages{this};

    // Controls, as the page's drawing names them.
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
    QButtonGroup *rtcselGroup = nullptr;
    QLabel *hextLabel = nullptr;
    QLineEdit *hextLineEdit = nullptr;
    QLabel *hextBypassLabel = nullptr;
    CustomComboBox1 *hextbypassComboBox = nullptr;
    QLabel *hextInLabel = nullptr;
    QLabel *hextOutLabel = nullptr;
    QLabel *hextdivLabel = nullptr;
    CustomComboBox1 *hextdivComboBox = nullptr;
    QLabel *pllhextdivLabel = nullptr;
    QVector<QRadioButton *> pllhextdivRadios;
    QButtonGroup *pllhextdivGroup = nullptr;
    QLabel *pllrcsLabel = nullptr;
    QVector<QRadioButton *> pllrcsRadios;
    QButtonGroup *pllrcsGroup = nullptr;
    QLabel *pllmultLabel = nullptr;
    CustomComboBox1 *pllmultComboBox = nullptr;
    QLabel *pllOutputLabel = nullptr;
    QLabel *sclkselectLabel = nullptr;
    QVector<QRadioButton *> sclkselectRadios;
    QButtonGroup *sclkselectGroup = nullptr;
    QLabel *sclkLabel = nullptr;
    QLineEdit *sclkLineEdit = nullptr;
    QLabel *sclkRangeLabel = nullptr;
    QLabel *ahbdivLabel = nullptr;
    CustomComboBox1 *ahbdivComboBox = nullptr;
    QLabel *apb1divLabel = nullptr;
    CustomComboBox1 *apb1divComboBox = nullptr;
    QLabel *apb2divLabel = nullptr;
    CustomComboBox1 *apb2divComboBox = nullptr;
    QLabel *usbdivLabel = nullptr;
    CustomComboBox1 *usbdivComboBox = nullptr;
    QLabel *usbswitchLabel = nullptr;
    CustomComboBox1 *usbswitchComboBox = nullptr;
    QLabel *usbFreqLabel = nullptr;
    QLabel *hicktousbLabel = nullptr;
    QVector<QRadioButton *> hicktousbRadios;
    QButtonGroup *hicktousbGroup = nullptr;
    QLabel *hicktosclkLabel = nullptr;
    QVector<QRadioButton *> hicktosclkRadios;
    QButtonGroup *hicktosclkGroup = nullptr;
    QLabel *hickLabel = nullptr;
    QLineEdit *hickReadout = nullptr;
    MultiplierClockOut clockOut;
    QVector<QLineEdit *> readouts;              // in the order of table.layout.readouts
    QLineEdit *adcReadout = nullptr;
    QLabel *adcLabel = nullptr;
    // toapb1peripheral, toapb1tmr, toapb2peripheral, toapb2tmr
    PeripheralLists lists{true};
    QLineEdit *systickBox = nullptr;
    QLineEdit *apb1TimerBox = nullptr;
    QLineEdit *apb2TimerBox = nullptr;
    QLabel *adcdivLabel = nullptr;
    CustomComboBox1 *toadcdivComboBox = nullptr;
    CustomComboBox1 *toadcswitchComboBox = nullptr;
};

#endif // KYTOMULTIPLIERPLL_H
