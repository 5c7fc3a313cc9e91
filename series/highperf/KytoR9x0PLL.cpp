#include "KytoR9x0PLL.h"

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
#include "../common/UsbClock.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Messages of the family, translated in the context of each series class.
const char *const kSclkLimit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support sclk greater than");
const char *const kApb1Limit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support apb1clk greater than");
const char *const kApb2Limit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support apb2clk greater than");
const char *const kUsbQuestion = QT_TRANSLATE_NOOP(
    "KytoR9x0PLL",
    "USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?");
const char *const kActualValue = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Actual value");

const char *const kTemplateStem = "kytor9x0";

} // namespace

KytoR9x0PLL::KytoR9x0PLL(const R9x0SeriesTable &seriesTable, QWidget *parent)
    : KytoR9x0Controls(seriesTable, parent)
{
}

KytoR9x0PLL::~KytoR9x0PLL() = default;

void KytoR9x0PLL::buildUi()
{
    buildPage();
    buildDesignKeys();
}

// ---------------------------------------------------------------- defaults

namespace {
int &canSourceField(ClockTreeModel *model, int can)
{
    return can == 0 ? model->can1ClockSource : can == 1 ? model->can2ClockSource : model->can3ClockSource;
}

bool &canEnabledField(ClockTreeModel *model, int can)
{
    return can == 0 ? model->can1Enabled : can == 1 ? model->can2Enabled : model->can3Enabled;
}
} // namespace

void KytoR9x0PLL::resetDefaults()
{
    ClickUndo::Reset reset(undo, messages, factors.pageEdits(hextLineEdit, sclkLineEdit));
    resetOscillators();
    pllmsLineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    pllnsLineEdit->setText(QStringLiteral("*144"));
    model->pllNs = 144;
    pllfpComboBox->setCurrentIndex(3);
    model->pllFp = 6;
    resetSystemClock();
    pllfuComboBox->setCurrentIndex(4);
    model->pllFu = 16;
    hicktousbRadios[0]->setChecked(true);
    model->usbFromHick = 0;
    usbswitchComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    resetClockOut();
    for (int can = 0; can < 3; ++can) {
        canGroups[can].check(CanHext);
        canSourceField(model, can) = CanHext;
        canGroups[can].switchCombo->setCurrentIndex(0);
        canEnabledField(model, can) = false;
        canGroups[can].showPlaced();
    }
    i2sf5Group.check(I2sPllp);
    model->i2sf5ClockSource = I2sPllp;
    i2sf5Group.switchCombo->setCurrentIndex(0);
    model->i2sf5Enabled = false;
    i2sf5Group.showPlaced();

    // With the slots live (New, Config Reset) the steps above may search
    // PLL factors for the previous design's system clock on the way.
    restorePllFactors(1, 144, 6, 16);
    reset.speak();
    highlightClockPaths();
    updateErtcDisplay();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

void KytoR9x0PLL::restorePllFactors(int ms, int ns, int fp, int fu)
{
    model->pllMs = ms;
    model->pllNs = ns;
    model->pllFp = fp;
    model->pllFu = fu;
    factors.showModel();
    const QSignalBlocker fpBlocker(pllfpComboBox);
    const QSignalBlocker fuBlocker(pllfuComboBox);
    pllfpComboBox->setCurrentIndex(pllFpDividers().indexOrFirst(fp));
    pllfuComboBox->setCurrentIndex(pllFuDividers().indexOrFirst(fu));
}

// ---------------------------------------------------------------- branch predicates

bool KytoR9x0PLL::usbOn() const
{
    return usbswitchComboBox->currentIndex() == 0;
}

bool KytoR9x0PLL::usbFromPll() const
{
    return hicktousbRadios[0]->isChecked();
}

bool KytoR9x0PLL::clkoutFrom(int radio) const
{
    return clkoutRadios[radio]->isChecked();
}

bool KytoR9x0PLL::canOn(int can, int source) const
{
    return canEnabledField(model, can) && canGroups[can].isChecked(source);
}

bool KytoR9x0PLL::anyCanOn(int source) const
{
    return canOn(0, source) || canOn(1, source) || canOn(2, source);
}

bool KytoR9x0PLL::i2sf5OnPllp() const
{
    return model->i2sf5Enabled && i2sf5Group.isChecked(I2sPllp);
}

bool KytoR9x0PLL::pllFeedsCorePaths() const
{
    return sclkFromPll() || (usbOn() && usbFromPll()) || (clkoutOn() && clkoutFrom(ClkPll)) || i2sf5OnPllp();
}

// Whatever makes the generated code start the PLL: a CAN on PCLK counts too,
// as the clock model counts it on these series.
bool KytoR9x0PLL::pllInUse() const
{
    return pllFeedsCorePaths() || anyCanOn(CanPllu) || anyCanOn(CanPclk);
}

// Whatever makes the generated code start HEXT.
bool KytoR9x0PLL::hextInUse() const
{
    return sclkFromHext() || (clkoutOn() && clkoutFrom(ClkHext)) || anyCanOn(CanHext) || (pllFromHext() && pllInUse());
}

bool KytoR9x0PLL::usbFromPllInUse() const
{
    return !sclkFromPll() && usbOn() && usbFromPll();
}

// ---------------------------------------------------------------- highlighting

void KytoR9x0PLL::highlightClockPaths()
{
    updateOscillatorEnables((rtcOn() && rtcselRadios[1]->isChecked()) || (clkoutOn() && clkoutFrom(ClkLext)));
    updateHextEnables();
    updateHickEnables();
    updatePllEnables();
    styleRadios(hicktosclkLabel, hicktosclkRadios, sclkFromHick());
    if (clkoutOn()) {
        updateClkoutStyle(true);
        updateClkoutUsbStyle(usbOn());
    } else {
        updateClkoutStyle(false);
    }
    updateUsbSwitchEnables();
    updatePllFuEnables();
    for (PeripheralClockGroup &g : canGroups)
        g.setInUse(g.switchOn());
    i2sf5Group.setInUse(i2sf5Group.switchOn());
}

void KytoR9x0PLL::updateHextEnables()
{
    if (sclkFromHext()) {
        setHextEditEnabled(true);
        updateHextDivStyle(true);
        return;
    }
    bool flag = false;
    if ((rtcOn() && rtcselRadios[2]->isChecked()) || (clkoutOn() && clkoutFrom(ClkHext)))
        flag = true;
    else if (pllFeedsCorePaths())
        flag = pllFromHext() || anyCanOn(CanHext);
    else
        // A CAN on PLLU asks for HEXT whatever the PLL reference is.
        flag = anyCanOn(CanHext) || anyCanOn(CanPllu) || (pllFromHext() && pllInUse());
    setHextEditEnabled(flag);
    updateHextDivStyle(false);
}

void KytoR9x0PLL::updatePllEnables()
{
    const bool flag = pllInUse();
    setPllInUse(flag);
    pllfpLabel->setEnabled(flag);
    pllfpComboBox->setComboBoxEnabled(flag);
}

void KytoR9x0PLL::updateClkoutUsbStyle(bool flag)
{
    clkoutRadios[ClkUsb]->setStyleSheet(PageStyles::radio(flag));
    clkoutRadios[ClkUsb]->setEnabled(flag);
    clkoutNameLabels[ClkUsb]->setEnabled(flag);
    clkoutValueLabels[ClkUsb]->setEnabled(flag);
    // A clock-out that shows USB moves to SCLK once USB is switched off.
    if (!flag && clkoutRadios[ClkUsb]->isChecked() && usbswitchComboBox->currentIndex() != 0)
        clkoutRadios[ClkSclk]->setChecked(true);
}

void KytoR9x0PLL::updateUsbSwitchEnables()
{
    if (usbOn()) {
        styleRadios(hicktousbLabel, hicktousbRadios, true);
        updateClkoutUsbStyle(clkoutOn());
        usbFreqLabel->show();
        pllfuLabel->setEnabled(usbFromPll());
        pllfuComboBox->setComboBoxEnabled(usbFromPll());
    } else {
        pllfuLabel->setEnabled(false);
        pllfuComboBox->setComboBoxEnabled(false);
        styleRadios(hicktousbLabel, hicktousbRadios, false);
        updateClkoutUsbStyle(false);
        usbFreqLabel->hide();
    }
}

void KytoR9x0PLL::updatePllFuEnables()
{
    const bool flag = (usbOn() && usbFromPll()) || anyCanOn(CanPllu);
    pllfuLabel->setEnabled(flag);
    pllfuComboBox->setComboBoxEnabled(flag);
}

void KytoR9x0PLL::updateSourceLabels()
{
    for (QLabel *label : clkoutValueLabels)
        label->hide();

    auto f3 = [](double v) { return QString::number(v, 'f', 3); };
    auto show = [&](int radio, const QString &value, const QString &frequency) {
        clkoutValueLabels[radio]->setText(value);
        clkoutValueLabels[radio]->show();
        clkoutFreqLabel->setText(frequency);
    };
    auto showMhz = [&](int radio, double mhz) {
        show(radio, QStringLiteral("(") + f3(mhz) + QStringLiteral(" MHz)"),
             QStringLiteral("(") + f3(mhz / model->clkoutDiv1 / model->clkoutDiv2) + QStringLiteral(" MHz)"));
    };

    if (clkoutFrom(ClkLick)) {
        show(ClkLick, QStringLiteral("(40.000 kHz)"),
             QStringLiteral("(") + f3(40.0 / model->clkoutDiv1 / model->clkoutDiv2) + QStringLiteral(" kHz)"));
    } else if (clkoutFrom(ClkLext)) {
        show(ClkLext, QStringLiteral("(32.768 kHz)"),
             QStringLiteral("(") + f3(32.768 / model->clkoutDiv1 / model->clkoutDiv2) + QStringLiteral(" kHz)"));
    } else if (clkoutFrom(ClkHick)) {
        const bool at48 = (usbOn() && hicktousbRadios[1]->isChecked())
            || (sclkFromHick() && hicktosclkRadios[1]->isChecked()) || (sclkFromPll() && pllrcsRadios[1]->isChecked());
        showMhz(ClkHick, at48 ? 48.0 : 8.0);
    } else if (clkoutFrom(ClkHext)) {
        showMhz(ClkHext, model->hextMhz);
    } else if (clkoutFrom(ClkSclk)) {
        showMhz(ClkSclk, model->sclkMhz);
    } else if (clkoutFrom(ClkUsb)) {
        showMhz(ClkUsb, model->usbMhz);
    } else if (clkoutFrom(ClkAdc)) {
        show(ClkAdc, QString(), QString());
    } else if (clkoutFrom(ClkPll)) {
        showMhz(ClkPll, model->pllMhz);
    } else {
        clkoutFreqLabel->setText(QString());
    }
    if (!clkoutOn())
        clkoutFreqLabel->setText(QString());
}

// ---------------------------------------------------------------- editing steps

void KytoR9x0PLL::usbSearch()
{
    model->recomputeUsb();
    model->recompute();
    showPllParams();
    refreshFrequencies();
}

bool KytoR9x0PLL::usbRetunesPll() const
{
    return usbFromPll() && usbOn();
}

void KytoR9x0PLL::showPllParams()
{
    factors.showModel();
    pllfpComboBox->setCurrentIndex(pllFpDividers().indexOrFirst(model->pllFp));
}

QString KytoR9x0PLL::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFpFuDividers(*model));
}

void KytoR9x0PLL::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    Readouts::show(sclkLineEdit, model->sclkMhz, sclkMax);
    for (int i = 0; i < readouts.size(); ++i) {
        QLineEdit *box = readouts[i];
        switch (table.readouts[i].kind) {
        case R9x0ReadoutKind::Sclk:
            Readouts::show(box, model->sclkMhz, sclkMax);
            break;
        case R9x0ReadoutKind::Systick:
            box->setText(Readouts::mhz(model->ahbMhz * 0.125));
            setEditTextColor(box, Readouts::limitColour(model->ahbMhz, sclkMax));
            break;
        case R9x0ReadoutKind::Ahb:
            Readouts::show(box, model->ahbMhz, sclkMax);
            break;
        case R9x0ReadoutKind::Apb1:
            Readouts::show(box, model->apb1Mhz, sclkMax);
            break;
        case R9x0ReadoutKind::Apb1Timer:
            Readouts::show(box, model->apb1TimerMhz, sclkMax);
            break;
        case R9x0ReadoutKind::Apb2:
            Readouts::show(box, model->apb2Mhz, sclkMax);
            break;
        case R9x0ReadoutKind::Apb2Timer:
            Readouts::show(box, model->apb2TimerMhz, sclkMax);
            break;
        case R9x0ReadoutKind::Apb3:
            Readouts::show(box, model->apb3Mhz, layout.apb3Max);
            break;
        }
    }
    syncApbFieldsFromModel();

    setTextColor(usbFreqLabel, UsbClock::is48(model->usbMhz) ? Qt::darkGreen : Qt::red);
    usbFreqLabel->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));

    pllfuComboBox->setCurrentIndex(pllFuDividers().indexOrFirst(model->pllFu));
    pllOutputLabel->setText(pllOutputLabel->isEnabled() ? Readouts::mhz(model->pllMhz) + QStringLiteral("MHz")
                                                        : QString());
    const bool inUse = pllcfgLabel->isEnabled();
    PllCfgReadout::show(pllcfgLabel, pllcfgReadout, inUse, inUse ? formatPllCfgValue() : QString());
    // Also without a pin, so that the labels always follow the selection:
    // the source keeps showing its value, the output frequency is empty.
    updateSourceLabels();

    for (int can = 0; can < 3; ++can) {
        if (!canEnabledField(model, can))
            continue;
        PeripheralClockGroup &g = canGroups[can];
        switch (g.checkedSource()) {
        case CanHext:
            g.showClock(model->hextMhz, model->hextMhz > sclkMax);
            break;
        case CanPllu:
            // The U output, coloured by the system clock as the page always has.
            g.showClock(model->pllFp * model->pllMhz / model->pllFu, model->sclkMhz > sclkMax);
            break;
        case CanPclk:
            g.showClock(model->apb1Mhz, model->apb1Mhz > sclkMax);
            break;
        default:
            break;
        }
    }
    if (model->i2sf5Enabled) {
        switch (i2sf5Group.checkedSource()) {
        case I2sPllp:
            i2sf5Group.showClock(model->pllMhz, model->pllMhz > sclkMax);
            break;
        case I2sSclk:
            i2sf5Group.showClock(model->sclkMhz, model->sclkMhz > sclkMax);
            break;
        case I2sHick:
            i2sf5Group.showClock(48.0, false);
            break;
        case I2sExternal:
            i2sf5Group.showText(messages.text(kActualValue));
            break;
        default:
            break;
        }
    }
}

// ---------------------------------------------------------------- slot bodies

void KytoR9x0PLL::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && model->i2sf5Enabled && i2sf5Group.checkedSource() == I2sExternal)
        i2sf5Group.showText(messages.text(kActualValue));
    KytoHighPerfControls::changeEvent(event);
}

void KytoR9x0PLL::onHickToUsbToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (usbFromPll()) {
        model->usbFromHick = 0;
        if (!takeHextForPll())
            return;
        usbSearch();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        resolvePll();
        refreshFrequencies();
    }
}

void KytoR9x0PLL::onCanClockSelToggled(int can, bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    const int source = canGroups[can].checkedSource();
    canSourceField(model, can) = source < 0 ? CanHext : source;
    checkAndRefresh();
}

void KytoR9x0PLL::onI2sf5ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    const int source = i2sf5Group.checkedSource();
    model->i2sf5ClockSource = source < 0 ? I2sPllp : source;
    checkAndRefresh();
}

void KytoR9x0PLL::onPllFpChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    // Stored first, so the model never keeps an older divider than the
    // combo box shows when the HEXT text stops the slot.
    model->pllFp = valueOr(pllFpDividers(), pllfpComboBox->currentIndex(), 1);
    if (!takeHextForPll())
        return;
    checkAndRefresh();
}

void KytoR9x0PLL::onPllFuChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->pllFu = valueOr(pllFuDividers(), pllfuComboBox->currentIndex(), 1);
    if (usbFromPllInUse()) {
        if (!takeHextForPll())
            return;
        usbSearch();
    } else {
        checkAndRefresh();
    }
}

void KytoR9x0PLL::onUsbSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDisabled = index;
    highlightClockPaths();
    if (index == 0 && usbFromPll()) {
        if (!takeHextForPll())
            return;
        usbSearch();
    } else if (index == 0) {
        checkAndRefresh();
    } else {
        resolvePll();
        refreshFrequencies();
    }
}

void KytoR9x0PLL::onCanSwitchChanged(int can, int index)
{
    const ClickUndo::Guard click(undo, sender());
    canEnabledField(model, can) = index != 0;
    highlightClockPaths();
    onCanClockSelToggled(can, true);
}

void KytoR9x0PLL::onI2sf5SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->i2sf5Enabled = index != 0;
    highlightClockPaths();
    onI2sf5ClockSelToggled(true);
}

// A USB clock from the PLL is searched again for the new HEXT.
void KytoR9x0PLL::hextTaken()
{
    if (usbFromPllInUse()) {
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
}

// ---------------------------------------------------------------- input checks

// ---------------------------------------------------------------- generate, save, open

void KytoR9x0PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    // A source a peripheral clock does not offer leaves it as it is.
    auto peripheralSource = [this](const QString &key, PeripheralClockGroup *g, int *field) {
        designKeys.add(Keys::code(key, [field] { return *field; },
                                  [g, field](int v) {
                                      if (v < 0 || v >= g->radios.size())
                                          return;
                                      g->check(v);
                                      *field = v;
                                  },
                                  {}, 0));
    };

    addOscillatorKeys();
    factorRows << addDividerKey(QStringLiteral("pllfp"), pllfpComboBox, &model->pllFp, pllFpDividers(), 1);
    addSystemClockKeys();
    factorRows << addDividerKey(QStringLiteral("pllfu"), pllfuComboBox, &model->pllFu, pllFuDividers(), 11);
    addRadioKey(QStringLiteral("hicktousb"), hicktousbRadios, &model->usbFromHick, 0);
    // Any other value switches USB off, on the switch and in the model.
    designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; },
                              [this](int v) {
                                  model->usbDisabled = v;
                                  usbswitchComboBox->setCurrentIndex(v);
                              },
                              {0, 1}, 1));
    addRadioKey(QStringLiteral("hicktosclk"), hicktosclkRadios, &model->sclkHick48, 0);
    // The radio labelled "usb" stores 6; a file may name it 11 as well.
    designKeys.add(Keys::code(QStringLiteral("clkout"), [this] { return model->clkoutSource; },
                              [this](int v) {
                                  const int code = v == 11 ? clkoutCode(ClkUsb) : v;
                                  for (int k = 0; k < clkoutRadios.size(); ++k) {
                                      if (clkoutCode(k) == code)
                                          clkoutRadios[k]->setChecked(true);
                                  }
                                  model->clkoutSource = code;
                              },
                              {1, 2, 3, 4, 5, 6, 7, 10, 11}, clkoutCode(ClkSclk)));
    addClockOutDividerKeys();
    // Only the pins the combo box offers; anything else is no pin at all.
    designKeys.add(Keys::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; },
                              [this](int v) {
                                  model->clkoutPin = v;
                                  const int item =
                                      clockoutPinSelectComboBox->findText(ClockTreeModel::pinNameFromIndex(v));
                                  clockoutPinSelectComboBox->setCurrentIndex(item < 0 ? 0 : item);
                              },
                              {0, 1, 2, 3, 4, 6}, 0));
    for (int can = 0; can < 3; ++can) {
        const QString n = QString::number(can + 1);
        peripheralSource(QStringLiteral("can%1clocksel").arg(n), &canGroups[can], &canSourceField(model, can));
        addOnOffKey(QStringLiteral("can%1switch").arg(n), canGroups[can].switchCombo, &canEnabledField(model, can));
    }
    peripheralSource(QStringLiteral("i2sf5clocksel"), &i2sf5Group, &model->i2sf5ClockSource);
    addOnOffKey(QStringLiteral("i2sf5switch"), i2sf5Group.switchCombo, &model->i2sf5Enabled);

    // Read in another order than written: the system clock's HICK branch
    // before USB, the pin before the clock-out source.
    loadOrder = QStringList{"lextbypass", "rtcsel", "rtcswitch", "rtcdiv", "hext", "hextbypass", "hextdiv",
                            "hickdiv", "pllrcs", "pllms", "pllns", "pllfp", "sclkselect", "ahbdiv", "apb1div",
                            "apb2div", "apb3div", "pllfu", "hicktosclk", "hicktousb", "tousbswitch",
                            "clkoutpinselect", "clkout", "clkoutdiv1", "clkoutdiv2", "can1clocksel", "can1switch",
                            "can2clocksel", "can2switch", "can3clocksel", "can3switch", "i2sf5clocksel",
                            "i2sf5switch"};
}

bool KytoR9x0PLL::takeTypedDesign()
{
    // The texts typed into the factor and HEXT edits are what gets generated
    // or saved, so they are taken and the clocks derived from them before
    // anything is checked against a limit.
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();
    return true;
}

bool KytoR9x0PLL::passLimits()
{
    const QVector<LimitRow> limits{
        {model->sclkMhz, sclkMax, kSclkLimit},
        {model->apb1Mhz, sclkMax, kApb1Limit},
        {model->apb2Mhz, sclkMax, kApb2Limit},
    };
    const QVector<LimitQuestion> questions{{model->usbDisabled == 0 && !UsbClock::is48(model->usbMhz), kUsbQuestion}};
    return LimitChecks::pass(messages, limits, questions);
}

bool KytoR9x0PLL::generateCode()
{
    // The APB3 test runs again on the recomputed clocks: the input checks
    // saw the clocks of the last applied edit.
    if (!confirmPendingEdits() || !validateLineEdits() || !takeTypedDesign() || !apb3WithinLimit() || !passLimits())
        return false;
    return CodeGeneration::writeSources(this, messages, model, QString::fromLatin1(kTemplateStem));
}

void KytoR9x0PLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits() || !takeTypedDesign() || !passLimits())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

void KytoR9x0PLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    const QHash<QString, QString> texts = designKeys.load(path, loadOrder, messages);
    // The slots run on the way may have searched factors for a half-loaded
    // design; the design's own factors are what it was saved with.
    auto factor = [&](int row) {
        return DesignKeyTable::codeOf(factorRows[row], texts.value(factorRows[row].key));
    };
    restorePllFactors(factor(0), factor(1), factor(2), factor(3));
    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // A refused check (a bad value, a question answered Cancel) still leaves
    // the page showing the design it holds.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
}
