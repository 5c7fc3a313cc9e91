#include "KytoD5x5PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"
#include "../common/Readouts.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const kStem = "kytod515_525";

const DividerTable &pllFrDividers()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

// Clock-out source codes of the model, in the order of the page's radios.
enum { LickOut = 1, LextOut = 2, HickOut = 3, HextOut = 4, SclkOut = 5, AdcOut = 7, PllOut = 10 };
const QVector<int> kClkoutCodes{SclkOut, HextOut, PllOut, HickOut, AdcOut, LickOut, LextOut};

enum { CanFromHext = 0, CanFromPll = 1, CanFromPclk = 2 };

// The pins the pin combo offers, as model codes.
const QVector<int> kPinCodes{0, 1, 2, 3, 5};

// Page-kit texts that these series word in their own way in Chinese, marked
// in the family's context so that its catalogue keeps that wording.
const char *const kOwnWordings[] = {
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Creating \"inc\" folder error!"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Creating \"src\" folder error!"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Generate code finished!  Files:"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Generate code failed!"),
};

// The shared controls on the family's drawing, its limits (system clock and
// every bus but APB3, and APB3) and its input messages.
HighPerfLayout d5x5Layout()
{
    HighPerfLayout l;
    l.lickLabel = {80, 44};
    l.lick = {65, 61};
    l.lextLabel = {80, 88};
    l.lext = {65, 103};
    l.rtcSelLabel = {340, 35};
    l.rtcSel = {{352, 67}, {352, 109}, {352, 155}};
    l.rtcDivLabel = {250, 136};
    l.rtcDiv = {240, 150};
    l.pllRcsLabel = {332, 223};
    l.pllRcs = {{342, 257}, {342, 316}};
    l.pllMsLabel = {410, 264};
    l.pllMs = {395, 284};
    l.pllMsRange = {405, 312};
    l.pllNsLabel = {497, 264};
    l.pllNs = {482, 284};
    l.pllNsRange = {487, 312};
    l.ahbLabel = {937, 264};
    l.apb1 = {{1040, 234}, {1090, 244}, {1034, 251}, 2};
    l.apb2 = {{1040, 400}, {1090, 411}, {1034, 419}, 1};
    l.apb3 = {{1040, 542}, {1090, 552}, {1034, 561}, 1};
    l.hickDivLabel = {500, 357};
    l.hickDiv = {490, 375};
    l.clockoutDiv1Label = {295, 644};
    l.clockoutDiv1 = {291, 664};
    l.clockoutDiv2Label = {187, 644};
    l.clockoutDiv2 = {183, 664};
    l.pinLabel = {78, 644};
    l.pin = {73, 664};
    l.pins = QStringList{"none", "PA8", "PA9", "PB13", "PF2"};
    l.clkoutNames = QStringList{"sclk", "hext", "pll", "hick", "adcclk", "lick", "lext"};
    for (int i = 0; i < kClkoutCodes.size(); ++i) {
        l.clkoutRadios << QPoint(385, 607 + 21 * i);
        l.clkoutNamePlaces << QPoint(441, 601 + 21 * i);
    }
    l.clkoutValueX = 481;
    l.clkoutTitle = {380, 767};
    l.clkoutCodes = kClkoutCodes;
    l.systickBox = {1092, 134};
    l.apb1TimerBox = {1092, 297};
    l.apb2TimerBox = {1092, 467};
    l.sclkMax = 180.0;
    l.apb3Max = 90.0;
    l.hextError = QT_TRANSLATE_NOOP("KytoD5x5PLL", "hext input error!");
    l.sclkError = QT_TRANSLATE_NOOP("KytoD5x5PLL", "sclk input error!");
    l.apb3Error = QT_TRANSLATE_NOOP("KytoD5x5PLL", "apb3div input error!");
    return l;
}

} // namespace

KytoD5x5PLL::KytoD5x5PLL(int seriesIndex, QWidget *parent)
    : KytoHighPerfControls(seriesIndex, d5x5Layout(), parent)
{
}

KytoD5x5PLL::~KytoD5x5PLL() = default;

// ---------------------------------------------------------------- building

void KytoD5x5PLL::buildUi()
{
    buildOscillators();
    buildPllFrCombo();
    buildSystemClock();
    buildClockOut();
    buildPeripheralReadouts();
    buildFactorBoxes();
    buildCanGroup();
    buildDesignKeys();
}

void KytoD5x5PLL::buildPllFrCombo()
{
    pllfrLabel = makeLabel(QStringLiteral("pll_fr"), 585, 264);
    pllfrComboBox = makeCombo(570, 284, 60, 1, pllFrDividers().items(), QStringLiteral("pllfr"));
    pllOutputLabel = makeLabel(QString(), 650, 274, 10, 75);
    pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
}

void KytoD5x5PLL::buildPeripheralReadouts()
{
    auto readout = [this](const char *label, int y, const char *name) {
        QLineEdit *box = addLabeledReadOnlyLineEdit(QString::fromLatin1(label), 1181, y, 9);
        box->setObjectName(QString::fromLatin1(name) + QStringLiteral("_ReadOut"));
        return box;
    };
    static const char *const listNames[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    static const int buttonY[4] = {272, 360, 440, 525};
    static const int listY[4] = {292, 380, 460, 545};
    const QStringList contents[4] = {
        {"DAC", "SPI2", "USART2", "I2C1", "I2C2", "CAN1"},
        {"TMR3", "TMR4", "TMR6", "TMR7"},
        {"SPI1", "SCFG", "ADC", "USART1", "OP", "CMP"},
        {"TMR1", "TMR9", "TMR10", "TMR11"},
    };
    auto addList = [&](int which) {
        lists.add(this, QString::fromLatin1(listNames[which]), contents[which], QPoint(1266, buttonY[which]),
                  QPoint(1266, listY[which]), 4 - which);
    };

    i2sReadout = readout("i2s (MHz)", 87, "i2s");
    systickReadout = readout("systick(MHz)", 135, "systick");
    dmaReadout = readout("dma (MHz)", 177, "dma");
    gpioReadout = readout("gpio (MHz)", 211, "gpio");
    apb1Readout = readout("apb1 peripheral (MHz)", 247, "apb1_peripheral");
    addList(0);
    apb1TimerReadout = readout("apb1 tmr (MHz)", 335, "apb1_tmr");
    addList(1);
    apb2Readout = readout("apb2 peripheral (MHz)", 415, "apb2_peripheral");
    addList(2);
    apb2TimerReadout = readout("apb2 tmr (MHz)", 500, "apb2_tmr");
    addList(3);
    apb3Readout = readout("apb3 peripheral (MHz)", 561, "apb3_peripheral");

    canReadout = addReadOnlyLineEdit(1180, 691, 9);
    canReadout->setObjectName(QStringLiteral("can_ReadOut"));
    canReadout->setText(QStringLiteral("0"));
    canUnitLabel = makeLabel(QStringLiteral("(MHz)"), 1265, 694, 9);
    canUnitLabel->setObjectName(QStringLiteral("canUnit_Label"));
}

void KytoD5x5PLL::buildCanGroup()
{
    static const char *const sources[] = {"hext", "pll", "pclk"};
    for (int i = 0; i < 3; ++i)
        canSourceLabels << makeLabel(QString::fromLatin1(sources[i]), 964, 676 + 16 * i);
    canClockSelLabel = makeLabel(QStringLiteral("can clock sel"), 1008, 643);
    makeRadioGroup({{1047, 679}, {1047, 696}, {1047, 713}}, canclockselRadios, QStringLiteral("canclocksel"));
    canclockselRadios[CanFromHext]->setChecked(true);
    canswitchComboBox = makeCombo(1086, 691, 70, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                                  QStringLiteral("canswitch"));
}

// ---------------------------------------------------------------- wiring

void KytoD5x5PLL::connectSignals()
{
    connectSharedSignals();
    connect(pllfrComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : canclockselRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(canclocksel_RadioButton_checkSlot(bool)));
    connect(canswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(canswitch_ComboBox_currentIndexChanged(int)));
}

// ---------------------------------------------------------------- defaults

void KytoD5x5PLL::resetDefaults()
{
    ClickUndo::Reset reset(undo, messages, factors.pageEdits(hextLineEdit, sclkLineEdit));
    resetOscillators();
    auto resetPll = [this]() {
        pllmsLineEdit->setText(QStringLiteral("/1"));
        model->pllMs = 1;
        pllnsLineEdit->setText(QStringLiteral("*90"));
        model->pllNs = 90;
        pllfrComboBox->setCurrentIndex(2);
        model->pllFr = 4;
    };
    resetPll();
    resetSystemClock();
    resetClockOut();
    canclockselRadios[CanFromHext]->setChecked(true);
    model->can1ClockSource = CanFromHext;
    canswitchComboBox->setCurrentIndex(0);
    model->can1Enabled = false;

    // With the slots connected, choosing the PLL as system clock above
    // re-solves the PLL for the target the page had before; a reset still
    // ends on the series' factors and their 180 MHz.
    resetPll();
    model->sclkMhz = layout.sclkMax;

    reset.speak();
    highlightClockPaths();
    updateErtcDisplay();
    checkAndRefresh();
}

// ---------------------------------------------------------------- predicates

bool KytoD5x5PLL::clkoutChecked(int code) const
{
    const int i = kClkoutCodes.indexOf(code);
    return i >= 0 && clkoutRadios[i]->isChecked();
}

int KytoD5x5PLL::checkedClkoutCode() const
{
    for (int i = 0; i < clkoutRadios.size(); ++i) {
        if (clkoutRadios[i]->isChecked())
            return kClkoutCodes[i];
    }
    return 0;
}

bool KytoD5x5PLL::lextInUse() const
{
    return (rtcOn() && rtcselRadios[1]->isChecked()) || (clkoutOn() && clkoutChecked(LextOut));
}

// The PLL as the system clock, the clock output or the CAN clock, read from
// the controls.
bool KytoD5x5PLL::pllFeedsSomething() const
{
    return sclkFromPll() || (clkoutOn() && clkoutChecked(PllOut))
           || (canswitchComboBox->currentIndex() != 0 && canclockselRadios[CanFromPll]->isChecked());
}

// Everything that needs the HEXT oscillator, read from the controls: the
// system clock, the RTC, the clock output, the CAN clock, and a PLL from
// HEXT that feeds any of them.
bool KytoD5x5PLL::hextFeedsSomething() const
{
    return sclkFromHext() || (rtcOn() && rtcselRadios[2]->isChecked()) || (clkoutOn() && clkoutChecked(HextOut))
           || (canswitchComboBox->currentIndex() != 0 && canclockselRadios[CanFromHext]->isChecked())
           || (pllFromHext() && pllFeedsSomething());
}

// What the PLL check takes HEXT for: the system clock, the clock output and
// the CAN clock, directly or through a PLL from HEXT.
bool KytoD5x5PLL::hextInUse() const
{
    const bool canOn = canswitchComboBox->currentIndex() != 0;
    return sclkFromHext() || (clkoutOn() && clkoutChecked(PllOut) && pllFromHext())
           || (clkoutOn() && clkoutChecked(HextOut)) || (sclkFromPll() && pllFromHext())
           || (canOn && canclockselRadios[CanFromHext]->isChecked())
           || (canOn && canclockselRadios[CanFromPll]->isChecked() && pllFromHext());
}

bool KytoD5x5PLL::pllInUse() const
{
    return sclkFromPll() || (clkoutOn() && clkoutChecked(PllOut))
           || (canswitchComboBox->currentIndex() == 1 && canclockselRadios[CanFromPll]->isChecked());
}

// ---------------------------------------------------------------- slots

void KytoD5x5PLL::onPllFrChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    // Stored first, so that the page and the model never disagree about the
    // divider the combo shows.
    model->pllFr = pllFrDividers().intAt(index);
    if (!takeHextForPll())
        return;
    checkAndRefresh();
}

void KytoD5x5PLL::onCanClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->can1ClockSource = CanFromHext;
    for (int i = 0; i < canclockselRadios.size(); ++i) {
        if (canclockselRadios[i]->isChecked())
            model->can1ClockSource = i;
    }
    checkAndRefresh();
}

void KytoD5x5PLL::onCanSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->can1Enabled = index != 0;
    highlightClockPaths();
    onCanClockSelToggled(true);
}

// ---------------------------------------------------------------- highlighting

void KytoD5x5PLL::highlightClockPaths()
{
    updateOscillatorEnables(lextInUse());
    updateHextEnables();
    updateHickEnables();
    updatePllEnables();
    styleRadios(hicktosclkLabel, hicktosclkRadios, sclkFromHick());
    updateClkoutStyle(clkoutOn());
    updateCanClockSelStyle(canswitchComboBox->currentIndex() != 0);
}

void KytoD5x5PLL::updateHextEnables()
{
    setHextEditEnabled(sclkFromHext() || hextFeedsSomething());
    updateHextDivStyle(sclkFromHext());
}

void KytoD5x5PLL::updatePllEnables()
{
    const bool inUse = sclkFromPll() || (clkoutOn() && clkoutChecked(PllOut))
                       || (model->can1Enabled && canclockselRadios[CanFromPll]->isChecked());
    setPllInUse(inUse);
    pllfrLabel->setEnabled(inUse);
    pllfrComboBox->setComboBoxEnabled(inUse);
}

void KytoD5x5PLL::updateCanClockSelStyle(bool flag)
{
    styleRadios(canClockSelLabel, canclockselRadios, flag);
    for (QLabel *label : canSourceLabels)
        label->setEnabled(flag);
    canReadout->setEnabled(flag);
    canUnitLabel->setEnabled(flag);
    setEditTextColor(canReadout, flag ? Qt::darkGreen : Qt::gray);
}

// ---------------------------------------------------------------- read-outs

void KytoD5x5PLL::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    // The edit's new text restyles it through its text slot first.
    Readouts::show(sclkLineEdit, model->sclkMhz, layout.sclkMax);
    Readouts::show(i2sReadout, model->sclkMhz, layout.sclkMax);
    systickReadout->setText(Readouts::mhz(model->ahbMhz * 0.125));
    Readouts::setEditColour(systickReadout, Readouts::limitColour(model->ahbMhz, layout.sclkMax));
    Readouts::show(dmaReadout, model->ahbMhz, layout.sclkMax);
    Readouts::show(gpioReadout, model->ahbMhz, layout.sclkMax);
    Readouts::show(apb1Readout, model->apb1Mhz, layout.sclkMax);
    Readouts::show(apb1TimerReadout, model->apb1TimerMhz, layout.sclkMax);
    Readouts::show(apb2Readout, model->apb2Mhz, layout.sclkMax);
    Readouts::show(apb2TimerReadout, model->apb2TimerMhz, layout.sclkMax);
    Readouts::show(apb3Readout, model->apb3Mhz, layout.apb3Max);
    syncApbFieldsFromModel();
    apb3divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb3Div));

    pllOutputLabel->setText(pllOutputLabel->isEnabled() ? Readouts::mhz(model->pllMhz) + QStringLiteral("MHz") : QString());
    const bool inUse = pllcfgLabel->isEnabled();
    PllCfgReadout::show(pllcfgLabel, pllcfgReadout, inUse, inUse ? formatPllCfgValue() : QString());
    if (clkoutOn())
        updateSourceLabels();

    if (model->can1Enabled) {
        if (canclockselRadios[CanFromHext]->isChecked())
            Readouts::show(canReadout, model->hextMhz, layout.sclkMax);
        else if (canclockselRadios[CanFromPll]->isChecked())
            Readouts::show(canReadout, model->pllMhz, layout.sclkMax);
        else if (canclockselRadios[CanFromPclk]->isChecked())
            Readouts::show(canReadout, model->apb1Mhz, layout.sclkMax);
        canUnitLabel->setText(QStringLiteral("(MHz)"));
    }
}

void KytoD5x5PLL::showPllParams()
{
    factors.showModel();
    pllfrComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(model->pllFr));
}

QString KytoD5x5PLL::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFrDivider(*model));
}

void KytoD5x5PLL::updateSourceLabels()
{
    for (QLabel *label : clkoutValueLabels)
        label->setVisible(false);
    const int code = checkedClkoutCode();
    const int i = kClkoutCodes.indexOf(code);
    if (i < 0) {
        clkoutFreqLabel->setText(QString());
        return;
    }
    QLabel *source = clkoutValueLabels[i];
    source->setVisible(true);
    auto show = [&](double f, const char *unit) {
        const QString u = QString::fromLatin1(unit);
        source->setText(QStringLiteral("(") + Readouts::mhz(f) + u + QStringLiteral(")"));
        clkoutFreqLabel->setText(QStringLiteral("(") + Readouts::mhz(f / double(model->clkoutDiv1) / double(model->clkoutDiv2)) + u
                                 + QStringLiteral(")"));
    };
    switch (code) {
    case LickOut: show(40.0, " kHz"); break;
    case LextOut: show(32.768, " kHz"); break;
    // The clock output takes the HICK at 48 MHz whatever the system clock does.
    case HickOut: show(48.0, " MHz"); break;
    case HextOut: show(model->hextMhz, " MHz"); break;
    case SclkOut: show(model->sclkMhz, " MHz"); break;
    case PllOut: show(model->pllMhz, " MHz"); break;
    default:
        source->setText(QString());
        clkoutFreqLabel->setText(QString());
        break;
    }
}

// ---------------------------------------------------------------- generate, save, open

bool KytoD5x5PLL::pllOutputChecked() const
{
    // The PLL output label is enabled exactly while the PLL feeds something.
    return pllOutputLabel->isEnabled();
}

bool KytoD5x5PLL::runLimitChecks(bool generating)
{
    QVector<LimitRow> limits{
        {model->sclkMhz, layout.sclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support sclk greater than")},
        {model->apb1Mhz, layout.sclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb1clk greater than")},
    };
    if (generating)
        limits.append({model->apb3Mhz, layout.apb3Max, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb3clk greater than")});
    else
        limits.append({model->apb2Mhz, layout.sclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb2clk greater than")});
    if (pllOutputChecked())
        limits.append({model->pllMhz, layout.sclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support pll clock greater than")});
    return LimitChecks::pass(messages, limits);
}

bool KytoD5x5PLL::generateCode()
{
    if (!confirmPendingEdits() || !validateLineEdits())
        return false;
    // Typed values that were never taken over (a question cancelled, a
    // factor left pending) must not reach the files: take them over now,
    // and check the clocks they give.
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();
    if (!runLimitChecks(true))
        return false;
    return CodeGeneration::writeSources(this, messages, model, QString::fromLatin1(kStem));
}

void KytoD5x5PLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits() || !checkPllSettings())
        return;
    model->recompute();
    refreshFrequencies();
    if (!runLimitChecks(false))
        return;
    if (seriesName.isEmpty())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

// Rows in write order. Each read sets the model and the control; a control
// whose state changes runs its slot as a user's choice would.
void KytoD5x5PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    addOscillatorKeys();
    factorRows << addDividerKey(QStringLiteral("pllfr"), pllfrComboBox, &model->pllFr, pllFrDividers(), 1);
    addSystemClockKeys();
    addRadioKey(QStringLiteral("hicktosclk"), hicktosclkRadios, &model->sclkHick48, 0);
    designKeys.add(Keys::code(QStringLiteral("clkout"), [this] { return model->clkoutSource; }, [this](int v) {
        clkoutRadios[kClkoutCodes.indexOf(v)]->setChecked(true);
        model->clkoutSource = v;
    }, kClkoutCodes, SclkOut));
    addClockOutDividerKeys();
    // Only the pins the combo offers: any other code would drive a pin the
    // page cannot show.
    designKeys.add(Keys::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; }, [this](int v) {
        model->clkoutPin = v;
        if (v == 0)
            clockoutPinSelectComboBox->setCurrentIndex(0);
        else
            clockoutPinSelectComboBox->setCurrentText(ClockTreeModel::pinNameFromIndex(v));
    }, kPinCodes, 0));
    // A CAN source outside the three leaves the page's own.
    designKeys.add(Keys::code(QStringLiteral("canclocksel"), [this] { return model->can1ClockSource; }, [this](int v) {
        if (v < 0)
            return;
        canclockselRadios[v]->setChecked(true);
        model->can1ClockSource = v;
    }, {CanFromHext, CanFromPll, CanFromPclk}, -1));
    addOnOffKey(QStringLiteral("canswitch"), canswitchComboBox, &model->can1Enabled);
}

void KytoD5x5PLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    // Write order, but the pin before the clock-out source.
    QStringList order;
    for (const auto &value : designKeys.values())
        order << value.first;
    order.move(order.indexOf(QStringLiteral("clkoutpinselect")), order.indexOf(QStringLiteral("clkout")));
    const QHash<QString, QString> texts = designKeys.load(path, order, messages);

    // A slot run on the way may re-solve the PLL for the system clock it
    // saw; opening must give back the factors the file holds.
    {
        const PageMessages::QuietScope quiet(messages);
        for (const DesignKeyTable::Row &row : factorRows)
            designKeys.apply(row.key, texts.value(row.key));
    }

    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // A refused check (a bad value, a question answered Cancel) still leaves
    // the page showing the design it holds.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
}
