#include "KytoFlexiblePLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FlexibleTables.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "UserDialogs.h"
#include "../common/ClickUndo.h"
#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/LimitChecks.h"
#include "../common/PllResolve.h"
#include "../common/Readouts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace FlexibleTables;

namespace {

// Typed values: applied, pending (typed, not yet applied) and idle, thick for
// the HEXT and system-clock edits.
const char *const kAppliedThick =
    "background: rgb(152, 251, 152); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kPendingThick =
    "background: rgb(255, 255, 225); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kIdleThick =
    "background: rgb(255, 255, 255); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";

} // namespace

KytoFlexiblePLL::KytoFlexiblePLL(const FlexibleSeriesTable &seriesTable, QWidget *parent)
    : KytoFlexibleView(seriesTable, parent)
{
    undo.keep(hextEnabled);
    // A HEXT typed without Return that the click put into use is applied now.
    undo.setAfterClick([this] {
        if (hextEnabled)
            onHextTextChanged(hext_LineEdit->text());
        factors.restyle(PllFactorEdits::Ms);
        factors.restyle(PllFactorEdits::Ns);
    });
    undo.setTypedEdits([this] { return factors.pageEditsAsShown(hext_LineEdit, sclk_LineEdit); });
}

KytoFlexiblePLL::~KytoFlexiblePLL() = default;

// ---------------------------------------------------------------- defaults

void KytoFlexiblePLL::resetDefaults()
{
    ClickUndo::Reset reset(undo, messages, factors.pageEdits(hext_LineEdit, sclk_LineEdit));
    const bool fr = table.fr();
    rtcsel_RadioButton_lick->setChecked(true);
    model->rtcSource = 0;
    rtcswitch_ComboBox->setCurrentIndex(0);
    model->rtcEnabled = false;
    rtcdiv_ComboBox->setCurrentIndex(0);
    model->rtcHextDiv = 2;
    lextbypass_ComboBox->setCurrentIndex(0);
    model->lextBypass = false;
    model->pllFlexibleMode = 1;
    hextbypass_ComboBox->setCurrentIndex(0);
    model->hextBypass = false;
    hext_LineEdit->setText(table.hextDefaultText);
    model->hextMhz = table.hextDefault;
    hextdiv_ComboBox->setCurrentIndex(0);
    model->hextDiv = 1;
    hickdiv_ComboBox->setCurrentIndex(0);
    model->hickDiv = 1;
    pllrcs_RadioButton_hext->setChecked(true);
    model->pllSource = 0;
    pllms_LineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    pllns_LineEdit->setText(QStringLiteral("*%1").arg(table.pllNsDefault));
    model->pllNs = table.pllNsDefault;
    if (fr) {
        pllfr_ComboBox->setCurrentIndex(1);
        model->pllFr = 2;
    } else {
        pllfp_ComboBox->setCurrentIndex(2);
        model->pllFp = 4;
    }
    sclkselect_RadioButton_pll->setChecked(true);
    model->sclkSource = 1;
    sclk_LineEdit->setEnabled(true);
    systickdiv_ReadOut->setText(QStringLiteral("/ 8"));
    ahbdiv_ComboBox->setCurrentIndex(0);
    model->ahbDiv = 1;
    apb1div_ComboBox->setCurrentIndex(0);
    model->apb1Div = 1;
    apb2div_ComboBox->setCurrentIndex(0);
    model->apb2Div = 1;
    if (fr) {
        usbdiv_ComboBox->setCurrentIndex(4);
        model->usbDiv = 6.0;
    } else {
        pllfu_ComboBox->setCurrentIndex(5);
        model->pllFu = 18;
    }
    hicktousb_RadioButton_pll->setChecked(true);
    model->usbFromHick = 0;
    usbswitch_ComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    hicktosclk_RadioButton_8m->setChecked(true);
    model->sclkHick48 = 0;
    clkout_RadioButton_sclk->setChecked(true);
    model->clkoutSource = ClkoutSclk;
    clockoutdiv1_ComboBox->setCurrentIndex(0);
    model->clkoutDiv1 = 1;
    clockoutdiv2_ComboBox->setCurrentIndex(0);
    model->clkoutDiv2 = 1;
    clockoutPinSelectComboBox->setCurrentIndex(0);
    model->clkoutPin = 0;
    if (!fr) {
        i2sf5clocksel_RadioButton_pllp->setChecked(true);
        model->i2sf5ClockSource = 0;
        i2sf5switch_ComboBox->setCurrentIndex(0);
        model->i2sf5Enabled = false;
        if (table.hasUsbHsPhy)
            usbhsphy_ReadOut->setText(QStringLiteral("12"));
    } else {
        usart1clocksel_RadioButton_pclk->setChecked(true);
        model->usart1ClockSource = 0;
        usart2clocksel_RadioButton_pclk->setChecked(true);
        model->usart2ClockSource = 0;
        usart3clocksel_RadioButton_pclk->setChecked(true);
        model->usart3ClockSource = 0;
        i2c1clocksel_RadioButton_pclk->setChecked(true);
        model->i2c1ClockSource = 0;
        adcclocksel_RadioButton_hclk->setChecked(true);
        model->adcClockSource = 0;
        usart1switch_ComboBox->setCurrentIndex(0);
        model->usart1Enabled = false;
        usart2switch_ComboBox->setCurrentIndex(0);
        model->usart2Enabled = false;
        usart3switch_ComboBox->setCurrentIndex(0);
        model->usart3Enabled = false;
        i2c1switch_ComboBox->setCurrentIndex(0);
        model->i2c1Enabled = false;
        adcswitch_ComboBox->setCurrentIndex(0);
        model->adcEnabled = false;
    }

    // Once connected, the slots that the steps above run can re-tune the PLL
    // (for the old target or for a USB that is still on) before USB goes off;
    // a reset must still end on the series' defaults.
    {
        const QSignalBlocker ms(pllms_LineEdit);
        const QSignalBlocker ns(pllns_LineEdit);
        const QSignalBlocker outDiv(fr ? pllfr_ComboBox : pllfp_ComboBox);
        const QSignalBlocker usbDiv(fr ? usbdiv_ComboBox : pllfu_ComboBox);
        const QSignalBlocker apb1(apb1div_ComboBox);
        const QSignalBlocker apb2(apb2div_ComboBox);
        pllms_LineEdit->setText(QStringLiteral("/1"));
        pllns_LineEdit->setText(QStringLiteral("*%1").arg(table.pllNsDefault));
        if (fr) {
            pllfr_ComboBox->setCurrentIndex(1);
            usbdiv_ComboBox->setCurrentIndex(4);
        } else {
            pllfp_ComboBox->setCurrentIndex(2);
            pllfu_ComboBox->setCurrentIndex(5);
        }
        apb1div_ComboBox->setCurrentIndex(0);
        apb2div_ComboBox->setCurrentIndex(0);
    }
    model->pllMs = 1;
    model->pllNs = table.pllNsDefault;
    if (fr) {
        model->pllFr = 2;
        model->usbDiv = 6.0;
    } else {
        model->pllFp = 4;
        model->pllFu = 18;
    }
    model->apb1Div = 1;
    model->apb2Div = 1;

    reset.speak();
    highlightClockPaths();
    updateErtcDisplay();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

// ---------------------------------------------------------------- messages

void KytoFlexiblePLL::showError(const char *text)
{
    messages.showError(messages.text(text));
}

// ---------------------------------------------------------------- checks

bool KytoFlexiblePLL::validateHextLineEdit(double &hext)
{
    hext = 0.0;
    double value = 0.0;
    if (FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &value)) {
        hext = value;
        return true;
    }
    showError(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "hext input error!"));
    return false;
}

bool KytoFlexiblePLL::checkSclkInput(double &sclk)
{
    sclk = 0.0;
    double value = 0.0;
    if (FiniteNumber::readOrZero(sclk_LineEdit->text(), &value) && value <= table.sclkMax) {
        sclk = value;
        return true;
    }
    showError(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "sclk input error!"));
    return false;
}

bool KytoFlexiblePLL::checkPllSettings()
{
    if (hextFeedsClockTree()) {
        double value = 0.0;
        if (!FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &value)) {
            showError(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "hext input error!"));
            return false;
        }
        model->hextMhz = value;
    }
    // The typed factors only count while the PLL feeds something.
    return !pllInUse() || factors.checkTyped();
}

void KytoFlexiblePLL::checkAndRecompute()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

// The check and recompute of a system-clock radio. A factor question it
// raises answered Cancel stops the click, which is then taken back whole,
// radio included, so the PLL is not re-solved for a target nobody confirmed.
// A design being applied goes on as before.
bool KytoFlexiblePLL::checkSclkSelect()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
        return true;
    }
    return messages.isQuiet();
}

bool KytoFlexiblePLL::takeOverHextIfReference()
{
    if (!pllrcs_RadioButton_hext->isChecked())
        return true;
    double hext = 0.0;
    if (!validateHextLineEdit(hext))
        return false;
    model->hextMhz = hext;
    return true;
}

void KytoFlexiblePLL::recomputeAndRefresh()
{
    if (!PllResolve::resolve(model, messages, {sclkselect_RadioButton_pll->isChecked(), usbFromPll(), pllInUse()},
                             [this] { return checkPllSettings(); }))
        return;
    showPllParams();
    refreshFrequencies();
}

bool KytoFlexiblePLL::validateLineEdits()
{
    if (hextEnabled
        && !FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz)) {
        showError(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "hext input error!"));
        return false;
    }
    double sclk = 0.0;
    if (!FiniteNumber::readOrZero(sclk_LineEdit->text(), &sclk) || sclk > table.sclkMax) {
        showError(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "sclk input error!"));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- typed values

void KytoFlexiblePLL::onHextReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    double hext = 0.0;
    if (!validateHextLineEdit(hext))
        return;
    model->hextMhz = hext;
    if (!sclkselect_RadioButton_pll->isChecked() && usbFromPll()) {
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
    // A factor question about the new HEXT answered Cancel takes the HEXT
    // back: it stays pending, and the read-outs keep the HEXT they show.
    const bool checked = checkPllSettings();
    if (!checked && !messages.isQuiet())
        return;
    if (checked) {
        model->recompute();
        refreshFrequencies();
    }
    updateErtcDisplay();
    hext_LineEdit->setStyleSheet(QString::fromLatin1(kAppliedThick));
}

void KytoFlexiblePLL::onHextTextChanged(const QString &text)
{
    // A greyed edit keeps the greyed look whatever its text.
    if (!hextEnabled)
        return;
    const double value = FiniteNumber::orZero(text);
    const bool applied = QString::number(value, 'f', 5) == QString::number(model->hextMhz, 'f', 5);
    hext_LineEdit->setStyleSheet(QString::fromLatin1(applied ? kAppliedThick : kPendingThick));
    const bool crystal = FiniteNumber::inRange(text, FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz);
    setEditTextColor(hext_LineEdit, crystal ? Qt::black : Qt::red);
}

void KytoFlexiblePLL::onPllMsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ms) || !takeOverHextIfReference())
        return;
    // A pll_ns question answered Cancel leaves the pll_ms just taken in the
    // model; the read-outs show what the model holds either way.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoFlexiblePLL::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoFlexiblePLL::onPllNsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ns) || !takeOverHextIfReference())
        return;
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoFlexiblePLL::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoFlexiblePLL::onSclkReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!sclkselect_RadioButton_pll->isChecked())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    // A refused HEXT leaves the typed SCLK pending, so the checks before
    // Generate and Save stop here instead of refusing HEXT once more.
    if (!takeOverHextIfReference())
        return;
    model->sclkMhz = sclk;
    model->recomputeFromPll();
    showPllParams();
    sclk_LineEdit->setStyleSheet(QString::fromLatin1(kAppliedThick));
    refreshFrequencies();
}

void KytoFlexiblePLL::onSclkTextChanged(const QString &text)
{
    double value = 0.0;
    const bool finite = FiniteNumber::readOrZero(text, &value);
    const char *style = kPendingThick;
    if (finite && QString::number(value, 'f', 3) == QString::number(model->sclkMhz, 'f', 3))
        style = sclk_LineEdit->isEnabled() ? kAppliedThick : kIdleThick;
    sclk_LineEdit->setStyleSheet(QString::fromLatin1(style));
    setEditTextColor(sclk_LineEdit, !finite || value > table.sclkMax ? Qt::red : Qt::darkGreen);
}

// ---------------------------------------------------------------- PLL

void KytoFlexiblePLL::onPllOutDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    if (!takeOverHextIfReference())
        return;
    if (table.fr())
        model->pllFr = pllFr().intAt(pllfr_ComboBox->currentIndex());
    else
        model->pllFp = pllFp().intAt(pllfp_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onPllFuChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->pllFu = pllFu().intAt(pllfu_ComboBox->currentIndex());
    if (sclkselect_RadioButton_pll->isChecked() || !usbFromPll()) {
        if (!checkPllSettings())
            return;
        model->recompute();
    } else {
        if (!takeOverHextIfReference())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
    refreshFrequencies();
}

void KytoFlexiblePLL::onUsbDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDiv = usbdiv_ComboBox->currentIndex() + 2.0;
    if (sclkselect_RadioButton_pll->isChecked() || !usbFromPll()) {
        if (!checkPllSettings())
            return;
        model->recompute();
    } else {
        if (!takeOverHextIfReference())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
    refreshFrequencies();
}

void KytoFlexiblePLL::onPllRcsClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllSource = pllrcs_RadioButton_hext->isChecked() ? 0 : 1;
    if (!takeOverHextIfReference())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    recomputeAndRefresh();
}

// ---------------------------------------------------------------- system clock

void KytoFlexiblePLL::onSclkSelectHextToggled(bool checked)
{
    // A switch emits toggled for the radio left (false) and for the one
    // chosen (true); acting once, on the chosen one, keeps one click to at
    // most one box.
    if (!checked)
        return;
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect_RadioButton_hext->isChecked()) {
        model->sclkSource = 0;
        sclk_LineEdit->setEnabled(false);
        sclk_LineEdit->setStyleSheet(QString::fromLatin1(kIdleThick));
        double hext = 0.0;
        if (!validateHextLineEdit(hext))
            return;
        model->hextMhz = hext;
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoFlexiblePLL::onSclkSelectPllToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect_RadioButton_pll->isChecked()) {
        model->sclkSource = 1;
        sclk_LineEdit->setEnabled(true);
        sclk_LineEdit->setStyleSheet(QString::fromLatin1(kAppliedThick));
        if (!takeOverHextIfReference())
            return;
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoFlexiblePLL::onSclkSelectHickToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect_RadioButton_hick->isChecked()) {
        model->sclkSource = 2;
        sclk_LineEdit->setEnabled(false);
        sclk_LineEdit->setStyleSheet(QString::fromLatin1(kIdleThick));
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoFlexiblePLL::onHickToSclkToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    model->sclkHick48 = hicktosclk_RadioButton_8m->isChecked() ? 0 : 1;
    checkAndRecompute();
}

// ---------------------------------------------------------------- dividers

void KytoFlexiblePLL::onHextDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->hextDiv = hextDiv().intAt(hextdiv_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onHickDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->hickDiv = hickDiv().intAt(hickdiv_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onAhbDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->ahbDiv = DividerTable::ahb().intAt(ahbdiv_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onApb1DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb1Div = DividerTable::apb().intAt(apb1div_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onApb2DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb2Div = DividerTable::apb().intAt(apb2div_ComboBox->currentIndex());
    checkAndRecompute();
}

// ---------------------------------------------------------------- ERTC and oscillators

void KytoFlexiblePLL::onRtcSelClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    int code = 2;
    if (rtcsel_RadioButton_lick->isChecked())
        code = 0;
    else if (rtcsel_RadioButton_lext->isChecked())
        code = 1;
    model->rtcSource = code;
    if (code == 2)
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoFlexiblePLL::onRtcSwitchChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->rtcEnabled = rtcswitch_ComboBox->currentIndex() != 0;
    if (model->rtcEnabled && rtcsel_RadioButton_hext->isChecked())
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoFlexiblePLL::onRtcDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->rtcHextDiv = rtcdiv_ComboBox->currentIndex() + 2;
    updateErtcDisplay();
}

void KytoFlexiblePLL::onLextBypassChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    setBypass(lextbypassout_Label, model->lextBypass, lextbypass_ComboBox->currentIndex());
}

void KytoFlexiblePLL::onHextBypassChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    setBypass(hextbypassout_Label, model->hextBypass, hextbypass_ComboBox->currentIndex());
}

// ---------------------------------------------------------------- USB

void KytoFlexiblePLL::onUsbSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDisabled = index;
    highlightClockPaths();
    if (index != 0) {
        recomputeAndRefresh();
    } else if (hicktousb_RadioButton_pll->isChecked()) {
        if (!takeOverHextIfReference())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    } else {
        if (!checkPllSettings())
            return;
        model->recompute();
    }
    refreshFrequencies();
}

void KytoFlexiblePLL::onHickToUsbToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (hicktousb_RadioButton_pll->isChecked()) {
        model->usbFromHick = 0;
        if (!takeOverHextIfReference())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        recomputeAndRefresh();
    }
    refreshFrequencies();
}

// ---------------------------------------------------------------- clock-out

int KytoFlexiblePLL::clkoutCode() const
{
    const int usbCode = table.fr() ? ClkoutUsb : ClkoutUsbFs;
    const QPair<QRadioButton *, int> codes[] = {
        {clkout_RadioButton_sclk, ClkoutSclk}, {clkout_RadioButton_hext, ClkoutHext},
        {clkout_RadioButton_pll, ClkoutPll},   {clkout_RadioButton_usb, usbCode},
        {clkout_RadioButton_adc, ClkoutAdc},   {clkout_RadioButton_hick, ClkoutHick},
        {clkout_RadioButton_lick, ClkoutLick}, {clkout_RadioButton_lext, ClkoutLext},
    };
    for (const auto &c : codes) {
        if (c.first->isChecked())
            return c.second;
    }
    return ClkoutSclk;
}

void KytoFlexiblePLL::onClkoutToggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutSource = clkoutCode();
    checkAndRecompute();
}

void KytoFlexiblePLL::onClockoutDiv1Changed(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv1 = clkoutDiv1().intAt(clockoutdiv1_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onClockoutDiv2Changed(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv2 = DividerTable::ahb().intAt(clockoutdiv2_ComboBox->currentIndex());
    checkAndRecompute();
}

void KytoFlexiblePLL::onClockoutPinChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutPin = index;
    checkAndRecompute();
}

// ---------------------------------------------------------------- kernel clocks

namespace {

// The source code of the first checked radio, or the group's code for none.
int checkedCode(const QVector<QPair<QRadioButton *, int>> &radios, int none)
{
    for (const auto &r : radios) {
        if (r.first->isChecked())
            return r.second;
    }
    return none;
}

} // namespace

void KytoFlexiblePLL::onI2sf5ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->i2sf5ClockSource = checkedCode({{i2sf5clocksel_RadioButton_pllp, 0}, {i2sf5clocksel_RadioButton_sclk, 1},
                                           {i2sf5clocksel_RadioButton_hick, 2},
                                           {i2sf5clocksel_RadioButton_external, 3}},
                                          0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onI2sf5SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->i2sf5Enabled = index != 0;
    highlightClockPaths();
    onI2sf5ClockSelToggled(true);
}

void KytoFlexiblePLL::onUsart1ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->usart1ClockSource = checkedCode({{usart1clocksel_RadioButton_pclk, 0}, {usart1clocksel_RadioButton_sclk, 1},
                                            {usart1clocksel_RadioButton_hick, 4}, {usart1clocksel_RadioButton_lext, 3}},
                                           0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onUsart1SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usart1Enabled = index != 0;
    highlightClockPaths();
    onUsart1ClockSelToggled(true);
}

void KytoFlexiblePLL::onUsart2ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->usart2ClockSource = checkedCode({{usart2clocksel_RadioButton_pclk, 0}, {usart2clocksel_RadioButton_sclk, 1},
                                            {usart2clocksel_RadioButton_hick, 4}, {usart2clocksel_RadioButton_lext, 3}},
                                           0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onUsart2SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usart2Enabled = index != 0;
    highlightClockPaths();
    onUsart2ClockSelToggled(true);
}

void KytoFlexiblePLL::onUsart3ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->usart3ClockSource = checkedCode({{usart3clocksel_RadioButton_pclk, 0}, {usart3clocksel_RadioButton_sclk, 1},
                                            {usart3clocksel_RadioButton_hick, 4}, {usart3clocksel_RadioButton_lext, 3}},
                                           0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onUsart3SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usart3Enabled = index != 0;
    highlightClockPaths();
    onUsart3ClockSelToggled(true);
}

void KytoFlexiblePLL::onI2c1ClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->i2c1ClockSource = checkedCode({{i2c1clocksel_RadioButton_pclk, 0}, {i2c1clocksel_RadioButton_sclk, 1},
                                          {i2c1clocksel_RadioButton_hick, 3}},
                                         0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onI2c1SwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->i2c1Enabled = index != 0;
    highlightClockPaths();
    onI2c1ClockSelToggled(true);
}

void KytoFlexiblePLL::onAdcClockSelToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->adcClockSource = checkedCode({{adcclocksel_RadioButton_hclk, 0}, {adcclocksel_RadioButton_pllclk, 1}}, 0);
    checkAndRecompute();
}

void KytoFlexiblePLL::onAdcSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->adcEnabled = index != 0;
    highlightClockPaths();
    onAdcClockSelToggled(true);
}

// ---------------------------------------------------------------- limits and generation

// The checks before a design is generated or saved. A pending HEXT or PLL
// factor, or a choice whose check was cancelled, is checked and applied
// first, so that neither works on values the read-outs do not show.
bool KytoFlexiblePLL::runLimitChecks()
{
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();
    const double sclkMax = table.sclkMax;
    const QVector<LimitRow> limits{
        {model->sclkMhz, sclkMax, QT_TRANSLATE_NOOP("KytoFlexiblePLL", "Can not support sclk greater than")},
        {model->apb1Mhz, double(table.apb1Max), QT_TRANSLATE_NOOP("KytoFlexiblePLL", "Can not support apb1clk greater than")},
        {model->apb2Mhz, sclkMax, QT_TRANSLATE_NOOP("KytoFlexiblePLL", "Can not support apb2clk greater than")},
    };
    QVector<LimitQuestion> questions{
        {model->usbDisabled == 0 && model->usbMhz != 48.0,
         QT_TRANSLATE_NOOP("KytoFlexiblePLL", "USB clock must be 48MHz. But the USB clock of current config is wrong.  "
                                              "please confirm whether to continue?")},
    };
    // The PHY takes the crystal as typed, whatever HEXT otherwise feeds.
    if (table.hasUsbHsPhy)
        questions.append({usbhsphy_ReadOut->text().toDouble() != 12.0,
                          QT_TRANSLATE_NOOP("KytoFlexiblePLL",
                                            "USBHS PHY clock must be 12MHz. But the PHY clock of current config is "
                                            "wrong.  please confirm whether to continue?")});
    return LimitChecks::pass(messages, limits, questions);
}

// The factor edits are greyed while the PLL feeds nothing, the HEXT edit
// while nothing uses the crystal and the SCLK edit unless the PLL drives
// SCLK; a greyed edit is not confirmed.
bool KytoFlexiblePLL::confirmPendingEdits()
{
    return Readouts::confirmPendingEdits(factors.pageEdits(hext_LineEdit, sclk_LineEdit));
}

bool KytoFlexiblePLL::generateCode()
{
    if (!confirmPendingEdits() || !validateLineEdits() || !runLimitChecks())
        return false;
    return CodeGeneration::writeSources(this, messages, model, table.templateStem);
}

// ---------------------------------------------------------------- design file

void KytoFlexiblePLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits() || !runLimitChecks() || seriesName.isEmpty())
        return;
    if (!designKeys.contains(QStringLiteral("hext")))
        buildDesignKeys();
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

void KytoFlexiblePLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    if (!designKeys.contains(QStringLiteral("hext")))
        buildDesignKeys();
    const QHash<QString, QString> texts = designKeys.load(path, loadOrder(), messages);
    putBackLoadedFactors(texts);
    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // A refused check (a bad value, a question answered Cancel) still leaves
    // the page showing the design it holds.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
}

QStringList KytoFlexiblePLL::loadOrder() const
{
    QStringList order{"lextbypass", "rtcsel", "rtcswitch", "rtcdiv", "hext", "hextbypass", "hextdiv", "hickdiv",
                      "pllrcs", "pllms", "pllns", table.fr() ? "pllfr" : "pllfp", "sclkselect", "ahbdiv",
                      "apb1div", "apb2div", table.fr() ? "usbdiv" : "pllfu", "hicktosclk", "hicktousb",
                      "tousbswitch", "clkoutpinselect", "clkout", "clkoutdiv1", "clkoutdiv2"};
    if (table.fr())
        order << "usart1clocksel" << "usart2clocksel" << "usart3clocksel" << "i2c1clocksel" << "adcclocksel"
              << "usart1switch" << "usart2switch" << "usart3switch" << "i2c1switch" << "adcswitch";
    else
        order << "i2sf5clocksel" << "i2sf5switch";
    return order;
}

// The slots that ran while the keys were applied may have re-tuned the PLL
// (for the fresh page's target, or for a USB clock) or moved a divider; the
// design must open as it was saved.
void KytoFlexiblePLL::putBackLoadedFactors(const QHash<QString, QString> &texts)
{
    const QStringList keys{"pllms", "pllns", table.fr() ? "pllfr" : "pllfp", table.fr() ? "usbdiv" : "pllfu",
                           "apb1div", "apb2div"};
    {
        const QSignalBlocker ms(pllms_LineEdit);
        const QSignalBlocker ns(pllns_LineEdit);
        const QSignalBlocker outDiv(table.fr() ? pllfr_ComboBox : pllfp_ComboBox);
        const QSignalBlocker usbDivider(table.fr() ? usbdiv_ComboBox : pllfu_ComboBox);
        const QSignalBlocker apb1(apb1div_ComboBox);
        const QSignalBlocker apb2(apb2div_ComboBox);
        for (const QString &key : keys)
            designKeys.apply(key, texts.value(key));
    }
    // HEXT: the file's value when it is a crystal, else the page's own, as
    // its edit shows.
    model->hextMhz = DesignKeyTable::shownText(texts.value(QStringLiteral("hext")), FiniteNumber::hextMinMhz,
                                               FiniteNumber::hextMaxMhz, QString::number(table.hextDefault, 'f', 6))
                         .toDouble();
}

void KytoFlexiblePLL::buildDesignKeys()
{
    using Row = DesignKeyTable;
    DesignKeyTable &k = designKeys;
    auto onOff = [&](const char *key, CustomComboBox1 *combo, bool *field) {
        k.add(Row::onOff(QString::fromLatin1(key), [field] { return *field; }, [combo, field](bool on) {
            combo->setCurrentIndex(on ? 1 : 0);
            *field = on;
        }));
    };
    auto divider = [&](const char *key, CustomComboBox1 *combo, int *field, const DividerTable &divisors) {
        k.add(Row::code(QString::fromLatin1(key), [field] { return *field; },
                        [combo, field, &divisors](int v) {
                            combo->setCurrentIndex(divisors.indexOrFirst(v));
                            *field = v;
                        },
                        divisors.codes(), divisors.intAt(0)));
    };
    auto radios = [&](const char *key, int *field, QVector<QPair<int, QRadioButton *>> choices, int fallback) {
        QVector<int> codes;
        for (const auto &c : choices)
            codes << c.first;
        k.add(Row::radios(QString::fromLatin1(key), [field] { return *field; }, [field](int v) { *field = v; }, codes,
                          [choices](int v) {
                              for (const auto &c : choices) {
                                  if (c.first == v)
                                      return c.second;
                              }
                              return static_cast<QRadioButton *>(nullptr);
                          },
                          fallback));
    };
    auto factor = [&](const char *key, PllFactorEdits::Factor f, int *field) {
        k.add(factors.designKey(QString::fromLatin1(key), f, field));
    };
    // A source whose unknown codes change nothing; several codes may share a radio.
    auto source = [&](const char *key, int *field, QVector<QPair<int, QRadioButton *>> choices) {
        k.add(Row::text(QString::fromLatin1(key), [field] { return QString::number(*field); },
                        [field, choices](const QString &text) {
                            const int v = text.toInt();
                            for (const auto &c : choices) {
                                if (c.first == v) {
                                    c.second->setChecked(true);
                                    *field = v;
                                    return;
                                }
                            }
                        }));
    };

    onOff("lextbypass", lextbypass_ComboBox, &model->lextBypass);
    radios("rtcsel", &model->rtcSource,
           {{0, rtcsel_RadioButton_lick}, {1, rtcsel_RadioButton_lext}, {2, rtcsel_RadioButton_hext}}, 0);
    onOff("rtcswitch", rtcswitch_ComboBox, &model->rtcEnabled);
    divider("rtcdiv", rtcdiv_ComboBox, &model->rtcHextDiv, rtcDiv());
    // The edit shows the text as read, or the page's own HEXT for a text that
    // is no crystal; the model follows once every key is in
    // (putBackLoadedFactors).
    k.add(Row::told(Row::number(QStringLiteral("hext"), [this] { return model->hextMhz; },
                                [](double mhz) { return QString::number(mhz, 'f', 6); },
                                [this](double, const QString &text) { hext_LineEdit->setText(text); },
                                FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, table.hextDefault),
                    QT_TRANSLATE_NOOP("KytoFlexiblePLL", "hext input error!")));
    onOff("hextbypass", hextbypass_ComboBox, &model->hextBypass);
    divider("hextdiv", hextdiv_ComboBox, &model->hextDiv, hextDiv());
    divider("hickdiv", hickdiv_ComboBox, &model->hickDiv, hickDiv());
    k.add(Row::onOff(QStringLiteral("pllrcs"), [this] { return model->pllSource != 0; }, [this](bool hick) {
        (hick ? pllrcs_RadioButton_hick : pllrcs_RadioButton_hext)->setChecked(true);
        model->pllSource = hick ? 1 : 0;
    }));
    factor("pllms", PllFactorEdits::Ms, &model->pllMs);
    factor("pllns", PllFactorEdits::Ns, &model->pllNs);
    if (table.fr())
        divider("pllfr", pllfr_ComboBox, &model->pllFr, pllFr());
    else
        divider("pllfp", pllfp_ComboBox, &model->pllFp, pllFp());
    radios("sclkselect", &model->sclkSource,
           {{0, sclkselect_RadioButton_hext}, {1, sclkselect_RadioButton_pll}, {2, sclkselect_RadioButton_hick}}, 0);
    divider("ahbdiv", ahbdiv_ComboBox, &model->ahbDiv, DividerTable::ahb());
    divider("apb1div", apb1div_ComboBox, &model->apb1Div, DividerTable::apb());
    divider("apb2div", apb2div_ComboBox, &model->apb2Div, DividerTable::apb());
    if (table.fr()) {
        k.add(Row::text(QStringLiteral("usbdiv"), [this] { return QString::number(model->usbDiv, 'f', 1); },
                        [this](const QString &text) {
                            const double v = FiniteNumber::orZero(text);
                            const bool offered = usbDiv().indexOf(v) >= 0;
                            usbdiv_ComboBox->setCurrentIndex(offered ? usbDiv().indexOf(v) : 0);
                            model->usbDiv = offered ? v : 2.0;
                        }));
    } else {
        divider("pllfu", pllfu_ComboBox, &model->pllFu, pllFu());
    }
    radios("hicktousb", &model->usbFromHick, {{0, hicktousb_RadioButton_pll}, {1, hicktousb_RadioButton_hick}}, 0);
    // A switch code the combo does not offer opens as a new page has it: off.
    k.add(Row::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; },
                    [this](int v) {
                        usbswitch_ComboBox->setCurrentIndex(v);
                        model->usbDisabled = v;
                    },
                    {0, 1}, 1));
    radios("hicktosclk", &model->sclkHick48, {{0, hicktosclk_RadioButton_8m}, {1, hicktosclk_RadioButton_48m}}, 0);
    radios("clkout", &model->clkoutSource,
           {{ClkoutSclk, clkout_RadioButton_sclk}, {ClkoutLick, clkout_RadioButton_lick},
            {ClkoutLext, clkout_RadioButton_lext}, {ClkoutHick, clkout_RadioButton_hick},
            {ClkoutHext, clkout_RadioButton_hext}, {ClkoutAdc, clkout_RadioButton_adc},
            {ClkoutPll, clkout_RadioButton_pll}, {table.fr() ? ClkoutUsb : ClkoutUsbFs, clkout_RadioButton_usb}},
           ClkoutSclk);
    divider("clkoutdiv1", clockoutdiv1_ComboBox, &model->clkoutDiv1, clkoutDiv1());
    divider("clkoutdiv2", clockoutdiv2_ComboBox, &model->clkoutDiv2, DividerTable::clockOut());
    k.add(Row::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; },
                    [this](int v) {
                        clockoutPinSelectComboBox->setCurrentIndex(v);
                        model->clkoutPin = v;
                    },
                    {0, 1, 2, 3, 4}, 0));
    if (!table.fr()) {
        source("i2sf5clocksel", &model->i2sf5ClockSource,
               {{0, i2sf5clocksel_RadioButton_pllp}, {1, i2sf5clocksel_RadioButton_sclk},
                {2, i2sf5clocksel_RadioButton_hick}, {3, i2sf5clocksel_RadioButton_external}});
        onOff("i2sf5switch", i2sf5switch_ComboBox, &model->i2sf5Enabled);
        return;
    }
    // A USART or I2C1 on HICK48 (2) checks the hick radio and keeps its code.
    source("usart1clocksel", &model->usart1ClockSource,
           {{0, usart1clocksel_RadioButton_pclk}, {1, usart1clocksel_RadioButton_sclk},
            {2, usart1clocksel_RadioButton_hick}, {4, usart1clocksel_RadioButton_hick},
            {3, usart1clocksel_RadioButton_lext}});
    source("usart2clocksel", &model->usart2ClockSource,
           {{0, usart2clocksel_RadioButton_pclk}, {1, usart2clocksel_RadioButton_sclk},
            {2, usart2clocksel_RadioButton_hick}, {4, usart2clocksel_RadioButton_hick},
            {3, usart2clocksel_RadioButton_lext}});
    source("usart3clocksel", &model->usart3ClockSource,
           {{0, usart3clocksel_RadioButton_pclk}, {1, usart3clocksel_RadioButton_sclk},
            {2, usart3clocksel_RadioButton_hick}, {4, usart3clocksel_RadioButton_hick},
            {3, usart3clocksel_RadioButton_lext}});
    source("i2c1clocksel", &model->i2c1ClockSource,
           {{0, i2c1clocksel_RadioButton_pclk}, {1, i2c1clocksel_RadioButton_sclk},
            {2, i2c1clocksel_RadioButton_hick}, {3, i2c1clocksel_RadioButton_hick}});
    k.add(Row::onOff(QStringLiteral("adcclocksel"), [this] { return model->adcClockSource != 0; }, [this](bool pll) {
        (pll ? adcclocksel_RadioButton_pllclk : adcclocksel_RadioButton_hclk)->setChecked(true);
        model->adcClockSource = pll ? 1 : 0;
    }));
    onOff("usart1switch", usart1switch_ComboBox, &model->usart1Enabled);
    onOff("usart2switch", usart2switch_ComboBox, &model->usart2Enabled);
    onOff("usart3switch", usart3switch_ComboBox, &model->usart3Enabled);
    onOff("i2c1switch", i2c1switch_ComboBox, &model->i2c1Enabled);
    onOff("adcswitch", adcswitch_ComboBox, &model->adcEnabled);
}
