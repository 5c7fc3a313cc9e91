#include "KytoDualModePLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "../common/ClickUndo.h"
#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/PllResolve.h"
#include "../common/Readouts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The sclk edit of the series that frame it with a plain solid border.
const char *const kSclkSolidOnStyle = "background: rgb(152, 251, 152); border:  2px solid rgb(0, 176, 240);";
const char *const kSclkSolidOffStyle = "background: rgb(255, 255, 255); border:  2px solid rgb(0, 176, 240);";

const char *const kHextInputError = QT_TRANSLATE_NOOP("KytoDualModePLL", "hext input error!");
// What a new page holds, and what a design file's HEXT that is no crystal
// opens as.
const double kHextDefaultMhz = 8.0;
const char *const kSclkInputError = QT_TRANSLATE_NOOP("KytoDualModePLL", "sclk input error!");
const char *const kPllLowError = QT_TRANSLATE_NOOP("KytoDualModePLL", "Can not support pll clock less than");
const char *const kUsbQuestion = QT_TRANSLATE_NOOP(
    "KytoDualModePLL",
    "USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?");
const char *const kAdcQuestion = QT_TRANSLATE_NOOP(
    "KytoDualModePLL",
    "The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong, please confirm whether to continue?");

const DividerTable &pllFrDividers()
{
    static const DividerTable table({1, 2, 4, 8, 16, 32});
    return table;
}

const DividerTable &usbDividers()
{
    static const DividerTable table({1, 1.5, 2, 2.5, 3, 3.5, 4});
    return table;
}

// Clock-out source codes of the model that the checks look at.
enum { NoClk = 0, HextOut = 4, UsbOut = 6, PllHalfOut = 8, PllQuarterOut = 9 };

} // namespace

KytoDualModePLL::KytoDualModePLL(const DualModeSeriesTable &seriesTable, QWidget *parent)
    : KytoDualModeView(seriesTable, parent)
{
    buildDesignKeys();
    undo.keep(hextEnabled);
    // A HEXT typed without Return that the click put into use is applied now.
    undo.setAfterClick([this] {
        if (hextEnabled)
            styleHextEdit(hext_LineEdit->text());
        factors.restyle(PllFactorEdits::Ms);
        factors.restyle(PllFactorEdits::Ns);
    });
    undo.setTypedEdits([this] { return factors.pageEditsAsShown(hext_LineEdit, sclk_LineEdit); });
}

KytoDualModePLL::~KytoDualModePLL() = default;

// ---------------------------------------------------------------- wiring

void KytoDualModePLL::connectSignals()
{
    for (QRadioButton *r : rtcsel)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(rtcswitch_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(lextbypass_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    connect(hext_LineEdit, SIGNAL(returnPressed()), this, SLOT(hext_LineEdit_returnPressed()));
    connect(hext_LineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(hext_LineEdit_textChanged(const QString &)));
    connect(hextbypass_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : pllhextdiv)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllhextdiv_RadioButton_checkSlot(bool)));
    connect(pllmode_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllmode_ComboBox_currentIndexChanged(int)));
    connect(pllmult_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllmult_ComboBox_currentIndexChanged(int)));
    connect(pllms_LineEdit, SIGNAL(returnPressed()), this, SLOT(pllms_LineEdit_returnPressed()));
    connect(pllms_LineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllms_LineEdit_textChanged(const QString &)));
    connect(pllns_LineEdit, SIGNAL(returnPressed()), this, SLOT(pllns_LineEdit_returnPressed()));
    connect(pllns_LineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllns_LineEdit_textChanged(const QString &)));
    connect(pllfr_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : pllrcs)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(sclkselect[0], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselect[1], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselect[2], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ahbdiv_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(apb1div_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(apb2div_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    auto connectAdc = [this]() {
        connect(toadcswitch_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(toadcswitch_ComboBox_currentIndexChanged(int)));
        connect(toadcdiv_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(toadcdiv_ComboBox_currentIndexChanged(int)));
    };
    // The R720 twins wire the ADC before USB; the others after the sclk edit.
    if (table.usb == DualModeUsb::Pll)
        connectAdc();
    if (table.usb != DualModeUsb::None) {
        connect(usbdiv_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbdiv_ComboBox_currentIndexChanged(int)));
        connect(usbswitch_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    }
    for (QRadioButton *r : hicktousb)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
    for (QRadioButton *r : hicktosclk)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    for (QRadioButton *r : clkoutRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(clkout_RadioButton_checkSlot(bool)));
    connect(clockoutdiv_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutdiv_ComboBox_currentIndexChanged(int)));
    connect(clockoutPinSelectComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
    connect(sclk_LineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(sclk_LineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    if (table.usb != DualModeUsb::Pll)
        connectAdc();
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
    static const char *const selectSlots[3] = {SLOT(usart1clocksel_RadioButton_checkSlot(bool)),
                                               SLOT(usart2clocksel_RadioButton_checkSlot(bool)),
                                               SLOT(i2c1clocksel_RadioButton_checkSlot(bool))};
    static const char *const switchSlots[3] = {SLOT(usart1switch_ComboBox_currentIndexChanged(int)),
                                               SLOT(usart2switch_ComboBox_currentIndexChanged(int)),
                                               SLOT(i2c1switch_ComboBox_currentIndexChanged(int))};
    for (int b = 0; b < kernelClocks.size() && b < 3; ++b) {
        for (QRadioButton *r : kernelClocks[b].radios)
            connect(r, SIGNAL(toggled(bool)), this, selectSlots[b]);
        connect(kernelClocks[b].enable, SIGNAL(currentIndexChanged(int)), this, switchSlots[b]);
    }
}

// ---------------------------------------------------------------- defaults

void KytoDualModePLL::resetDefaults()
{
    // The rows below run their slots, which check what the page showed
    // before (a system clock out of range, say) against values the reset is
    // replacing: only the defaults it ends on are checked aloud.
    ClickUndo::Reset reset(undo, messages, factors.pageEdits(hext_LineEdit, sclk_LineEdit));
    const bool twin = table.twinResetOrder;
    rtcsel[0]->setChecked(true);
    model->rtcSource = 0;
    rtcswitch_ComboBox->setCurrentIndex(0);
    model->rtcEnabled = false;
    lextbypass_ComboBox->setCurrentIndex(0);
    model->lextBypass = false;
    if (twin)
        model->pllFlexibleMode = 0;
    hextbypass_ComboBox->setCurrentIndex(0);
    model->hextBypass = false;
    hext_LineEdit->setText(QStringLiteral("8"));
    model->hextMhz = kHextDefaultMhz;
    model->hextDiv = 2;
    pllhextdiv[0]->setChecked(true);
    model->pllHextDivEnabled = 0;
    pllrcs[0]->setChecked(true);
    model->pllSource = 0;
    pllmode_ComboBox->setCurrentIndex(0);
    model->pllFlexibleMode = 0;
    applyPllLayout(false, false);
    pllmult_ComboBox->setCurrentIndex(table.defaultPllMult - 2);
    model->pllMult = table.defaultPllMult;
    pllms_LineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    pllns_LineEdit->setText(QStringLiteral("*") + QString::number(table.defaultPllNs));
    model->pllNs = table.defaultPllNs;
    pllfr_ComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(table.defaultPllFr));
    model->pllFr = table.defaultPllFr;
    sclkselect[1]->setChecked(true);
    model->sclkSource = 1;
    sclk_LineEdit->setEnabled(true);
    ahbdiv_ComboBox->setCurrentIndex(0);
    model->ahbDiv = 1;
    apb1div_ComboBox->setCurrentIndex(0);
    model->apb1Div = 1;
    auto resetApb2 = [this]() {
        apb2div_ComboBox->setCurrentIndex(0);
        model->apb2Div = 1;
    };
    auto resetUsbDiv = [this]() {
        usbdiv_ComboBox->setCurrentIndex(usbDividers().indexOrFirst(table.defaultUsbDiv));
        model->usbDiv = table.defaultUsbDiv;
    };
    if (!twin)
        resetApb2();
    systickdiv_ReadOut->setText(QStringLiteral("/ 8"));
    apb1tmrmult_ReadOut->setText(QStringLiteral("* 1"));
    model->apb1TimerMult = 1;
    apb2tmrmult_ReadOut->setText(QStringLiteral("* 1"));
    model->apb2TimerMult = 1;
    if (twin)
        resetApb2();
    else if (usbdiv_ComboBox)
        resetUsbDiv();
    toadcswitch_ComboBox->setCurrentIndex(0);
    model->adcEnabled = false;
    toadcdiv_ComboBox->setCurrentIndex(0);
    model->adcDiv = 2;
    if (twin) {
        resetUsbDiv();
        model->usbFromHick = 0;
    }
    if (!hicktousb.isEmpty()) {
        hicktousb[0]->setChecked(true);
        model->usbFromHick = 0;
    }
    if (usbswitch_ComboBox) {
        usbswitch_ComboBox->setCurrentIndex(1);
        model->usbDisabled = 1;
    }
    hicktosclk[0]->setChecked(true);
    model->sclkHick48 = 0;
    clkoutRadios[0]->setChecked(true);
    model->clkoutSource = 0;
    clockoutdiv_ComboBox->setCurrentIndex(0);
    model->clkoutDiv = 1;
    clockoutPinSelectComboBox->setCurrentIndex(0);
    model->clkoutPin = 0;
    for (const KernelClockControls &c : kernelClocks)
        c.radios[0]->setChecked(true);
    model->usart1ClockSource = 0;
    model->usart2ClockSource = 0;
    model->i2c1ClockSource = 0;
    for (const KernelClockControls &c : kernelClocks)
        c.enable->setCurrentIndex(0);
    model->usart1Enabled = false;
    model->usart2Enabled = false;
    model->i2c1Enabled = false;

    // Once connected, the slots run by the rows above may re-tune the PLL
    // (for the old system clock target or for the USB clock) or pick another
    // USB divider before USB is switched off; a reset must still end on the
    // series' defaults, with the APB dividers raised afresh by the recompute.
    {
        const QSignalBlocker multBlocker(pllmult_ComboBox);
        const QSignalBlocker msBlocker(pllms_LineEdit);
        const QSignalBlocker nsBlocker(pllns_LineEdit);
        const QSignalBlocker frBlocker(pllfr_ComboBox);
        pllmult_ComboBox->setCurrentIndex(table.defaultPllMult - 2);
        pllms_LineEdit->setText(QStringLiteral("/1"));
        pllns_LineEdit->setText(QStringLiteral("*") + QString::number(table.defaultPllNs));
        pllfr_ComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(table.defaultPllFr));
        if (usbdiv_ComboBox) {
            const QSignalBlocker usbBlocker(usbdiv_ComboBox);
            usbdiv_ComboBox->setCurrentIndex(usbDividers().indexOrFirst(table.defaultUsbDiv));
        }
    }
    model->pllMult = table.defaultPllMult;
    model->pllMs = 1;
    model->pllNs = table.defaultPllNs;
    model->pllFr = table.defaultPllFr;
    if (usbdiv_ComboBox)
        model->usbDiv = table.defaultUsbDiv;
    model->hextMhz = kHextDefaultMhz;
    model->apb1Div = 1;
    model->apb2Div = 1;
    reset.speak();

    highlightClockPaths();
    // The RTC is off now, so its read-out shows "0" whatever it showed before.
    updateErtcDisplay();
    if (!checkPllSettings())
        return;
    model->recompute();
    refreshFrequencies();
}

// ---------------------------------------------------------------- checks

bool KytoDualModePLL::checkPllSettings()
{
    const bool pllFromHext = pllrcs[0]->isChecked();
    const bool pllOut = pinSet() && (clkoutChecked(PllHalfOut) || clkoutChecked(PllQuarterOut));
    // Not the highlight's rule: the RTC on HEXT does not count here, and USB
    // counts only while it is switched on, so that a greyed HEXT edit never
    // blocks a recompute.
    const bool hextUsed = sclkselect[0]->isChecked() || (sclkselect[1]->isChecked() && pllFromHext)
                          || (pinSet() && clkoutChecked(HextOut)) || (pllOut && pllFromHext)
                          || (usbTakesPll() && pllFromHext);
    if (hextUsed) {
        double v = 0;
        if (!FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &v)) {
            messages.showError(messages.text(kHextInputError));
            return false;
        }
        model->hextMhz = v;
    }
    const bool pllUsed = sclkselect[1]->isChecked() || pllOut || usbTakesPll();
    if (pllmode_ComboBox->currentIndex() != 1 || !pllUsed)
        return true;
    return factors.checkTyped();
}

bool KytoDualModePLL::checkSclkInput(double *value)
{
    double v = 0;
    if (!FiniteNumber::inRange(sclk_LineEdit->text(), 4, table.sclkMax, &v)) {
        messages.showError(messages.text(kSclkInputError));
        return false;
    }
    *value = v;
    return true;
}

bool KytoDualModePLL::validateLineEdits()
{
    if (hextEnabled
        && !FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz)) {
        messages.showError(messages.text(kHextInputError));
        return false;
    }
    if (!FiniteNumber::inRange(sclk_LineEdit->text(), 4, table.sclkMax)) {
        messages.showError(messages.text(kSclkInputError));
        return false;
    }
    return true;
}

void KytoDualModePLL::showFactors()
{
    if (pllmode_ComboBox->currentIndex() == 1)
        showPllParams();
    else
        syncPllMultFromModel();
}

void KytoDualModePLL::recomputeAndRefresh()
{
    // Normal mode has no factors to check: checkPllSettings passes it.
    if (!PllResolve::resolve(model, messages, {sclkselect[1]->isChecked(), usbTakesPll(), pllInUse()},
                             [this] { return checkPllSettings(); }))
        return;
    showFactors();
    refreshFrequencies();
}

// ---------------------------------------------------------------- slot steps

bool KytoDualModePLL::takeOverHext()
{
    if (!pllrcs[0]->isChecked())
        return true;
    double value = 0;
    if (!validateHextLineEdit(&value))
        return false;
    model->hextMhz = value;
    return true;
}

// The check and recompute of a system-clock radio. A factor question it
// raises answered Cancel stops the click, which is then taken back whole,
// radio included, so the PLL is not re-solved for a target nobody confirmed.
// A design being applied goes on as before.
bool KytoDualModePLL::checkSclkSelect()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
        return true;
    }
    return messages.isQuiet();
}

void KytoDualModePLL::checkAndRecompute()
{
    if (!checkPllSettings())
        return;
    model->recompute();
    refreshFrequencies();
}

bool KytoDualModePLL::usbFromPll()
{
    if (!takeOverHext())
        return false;
    model->recomputeUsb();
    model->recompute();
    showFactors();
    return true;
}

void KytoDualModePLL::setSclkEditStyle(bool enabled)
{
    sclk_LineEdit->setEnabled(enabled);
    if (table.outsetSclkFrame)
        sclk_LineEdit->setStyleSheet(enabled ? PageStyles::editApplied() : PageStyles::editIdle());
    else
        sclk_LineEdit->setStyleSheet(QString::fromLatin1(enabled ? kSclkSolidOnStyle : kSclkSolidOffStyle));
}

// ---------------------------------------------------------------- PLL slots

void KytoDualModePLL::onPllModeChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->pllFlexibleMode = index != 0 ? 1 : 0;
    applyPllLayout(index != 0, true);
    if (!takeOverHext())
        return;
    double target = 0;
    if (!checkSclkInput(&target))
        return;
    model->sclkMhz = target;
    recomputeAndRefresh();
}

void KytoDualModePLL::onPllMultChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    // The factor is stored before the HEXT check, so that the combo box and
    // the model never disagree.
    model->pllMult = index + 2;
    if (!takeOverHext())
        return;
    checkAndRecompute();
}

void KytoDualModePLL::onPllFrChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->pllFr = pllFrDividers().intAt(index);
    if (!takeOverHext())
        return;
    checkAndRecompute();
}

void KytoDualModePLL::onPllMsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ms) || !takeOverHext())
        return;
    // A pll_ns question answered Cancel leaves the pll_ms just taken in the
    // model; the read-outs show what the model holds either way.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoDualModePLL::onPllNsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ns) || !takeOverHext())
        return;
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoDualModePLL::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoDualModePLL::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoDualModePLL::onPllRcsClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllSource = pllrcs[0]->isChecked() ? 0 : 1;
    if (!takeOverHext())
        return;
    double target = 0;
    if (!checkSclkInput(&target))
        return;
    model->sclkMhz = target;
    recomputeAndRefresh();
}

void KytoDualModePLL::onPllHextDivClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllHextDivEnabled = pllhextdiv[0]->isChecked() ? 0 : 1;
    if (!takeOverHext())
        return;
    double target = 0;
    if (!checkSclkInput(&target))
        return;
    model->sclkMhz = target;
    recomputeAndRefresh();
}

void KytoDualModePLL::onHextReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    double value = 0;
    if (!validateHextLineEdit(&value))
        return;
    model->hextMhz = value;
    if (!sclkselect[1]->isChecked() && usbTakesPll()) {
        model->recomputeUsb();
        model->recompute();
        showFactors();
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
    hext_LineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoDualModePLL::onHextTextChanged(const QString &text)
{
    styleHextEdit(text);
}

void KytoDualModePLL::onSclkReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!sclkselect[1]->isChecked())
        return;
    double target = 0;
    if (!checkSclkInput(&target))
        return;
    model->sclkMhz = target;
    if (!takeOverHext())
        return;
    model->recomputeFromPll();
    showFactors();
    sclk_LineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoDualModePLL::onSclkTextChanged(const QString &text)
{
    Readouts::showTypedEdit(sclk_LineEdit, Readouts::typedState(text, model->sclkMhz, 3, sclk_LineEdit->isEnabled()),
                            FiniteNumber::inRange(text, 4, table.sclkMax), Qt::darkGreen);
}

// ---------------------------------------------------------------- selection slots

void KytoDualModePLL::onSclkSelectHextToggled(bool checked)
{
    // A switch emits toggled for the radio left (false) and for the one
    // chosen (true); acting once, on the chosen one, keeps one click to at
    // most one box.
    if (!checked)
        return;
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect[0]->isChecked()) {
        model->sclkSource = 0;
        setSclkEditStyle(false);
        double value = 0;
        if (!validateHextLineEdit(&value))
            return;
        model->hextMhz = value;
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoDualModePLL::onSclkSelectPllToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect[1]->isChecked()) {
        model->sclkSource = 1;
        setSclkEditStyle(true);
        if (!takeOverHext())
            return;
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoDualModePLL::onSclkSelectHickToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselect[2]->isChecked()) {
        model->sclkSource = 2;
        setSclkEditStyle(false);
        if (!checkSclkSelect())
            return;
    }
    recomputeAndRefresh();
}

void KytoDualModePLL::onAhbDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->ahbDiv = DividerTable::ahb().intAt(index);
    checkAndRecompute();
}

void KytoDualModePLL::onApb1DivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb1Div = DividerTable::apb().intAt(index);
    checkAndRecompute();
}

void KytoDualModePLL::onApb2DivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb2Div = DividerTable::apb().intAt(index);
    checkAndRecompute();
}

void KytoDualModePLL::onClockoutDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv = DividerTable::clockOut().intAt(index);
    checkAndRecompute();
}

void KytoDualModePLL::onToAdcDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->adcDiv = index >= 0 && index < table.adcDivisors.size() ? table.adcDivisors[index] : 2;
    checkAndRecompute();
}

void KytoDualModePLL::onToAdcSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->adcEnabled = index != 0;
    updateAdcEnables();
    checkAndRecompute();
}

void KytoDualModePLL::onHickToSclkToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    model->sclkHick48 = hicktosclk[0]->isChecked() ? 0 : 1;
    checkAndRecompute();
}

void KytoDualModePLL::onClockoutPinChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutPin = index;
    checkAndRecompute();
}

void KytoDualModePLL::onClkoutToggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutSource = checkedClkoutCode();
    checkAndRecompute();
}

void KytoDualModePLL::onRtcSelClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->rtcSource = rtcsel[0]->isChecked() ? 0 : rtcsel[1]->isChecked() ? 1 : 2;
    if (model->rtcSource == 2)
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoDualModePLL::onRtcSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->rtcEnabled = index != 0;
    if (model->rtcEnabled && rtcsel[2]->isChecked())
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoDualModePLL::onLextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->lextBypass = index != 0;
    lextbypassout_Label->setStyleSheet(PageStyles::pinText(index == 0));
    lextbypassout_Label->setEnabled(index == 0);
}

void KytoDualModePLL::onHextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->hextBypass = index != 0;
    hextbypassout_Label->setStyleSheet(PageStyles::pinText(index == 0));
    hextbypassout_Label->setEnabled(index == 0);
}

void KytoDualModePLL::onUsbSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDisabled = index;
    highlightClockPaths();
    if (index != 0) {
        recomputeAndRefresh();
    } else if (table.usb == DualModeUsb::PllOrHick && !hicktousb[0]->isChecked()) {
        if (!checkPllSettings())
            return;
        model->recompute();
    } else if (!usbFromPll()) {
        return;
    }
    refreshFrequencies();
}

void KytoDualModePLL::onUsbDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDiv = index >= 0 && index <= 12 ? 1.0 + 0.5 * index : 1.0;
    if (sclkselect[1]->isChecked() || !usbTakesPll()) {
        // With the system clock on the PLL the divider only divides.
        if (!checkPllSettings())
            return;
        model->recompute();
    } else if (!usbFromPll()) {
        return;
    }
    refreshFrequencies();
}

void KytoDualModePLL::onHickToUsbToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (hicktousb[0]->isChecked()) {
        model->usbFromHick = 0;
        if (!usbFromPll())
            return;
    } else {
        model->usbFromHick = 1;
        // The model derives no USB clock from HICK.
        model->usbMhz = 48.0;
        recomputeAndRefresh();
    }
    refreshFrequencies();
}

void KytoDualModePLL::onKernelClockToggled(int block, bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    const int source = qMax(0, checkedIndex(kernelClocks[block].radios));
    int *fields[3] = {&model->usart1ClockSource, &model->usart2ClockSource, &model->i2c1ClockSource};
    *fields[block] = source;
    checkAndRecompute();
}

void KytoDualModePLL::onKernelSwitchChanged(int block, int index)
{
    const ClickUndo::Guard click(undo, sender());
    bool *fields[3] = {&model->usart1Enabled, &model->usart2Enabled, &model->i2c1Enabled};
    *fields[block] = index != 0;
    highlightClockPaths();
    onKernelClockToggled(block, true);
}

void KytoDualModePLL::onListButtonClicked(int list)
{
    const ClickUndo::Guard click(undo, sender());
    lists.toggle(list);
}

// ---------------------------------------------------------------- generation and design files

bool KytoDualModePLL::runLimitChecks()
{
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();

    const double sclkLimit = table.sclkMax;
    const double apbLimit = table.apbMax;
    QVector<LimitRow> limits{
        {model->sclkMhz, sclkLimit, QT_TRANSLATE_NOOP("KytoDualModePLL", "Can not support sclk greater than")},
        {model->apb1Mhz, apbLimit, QT_TRANSLATE_NOOP("KytoDualModePLL", "Can not support apb1clk greater than")},
        {model->apb2Mhz, apbLimit, QT_TRANSLATE_NOOP("KytoDualModePLL", "Can not support apb2clk greater than")},
    };
    const bool pllShown = pll_Label->isEnabled();
    if (pllShown)
        limits.append({model->pllMhz, sclkLimit, QT_TRANSLATE_NOOP("KytoDualModePLL", "Can not support pll clock greater than")});
    if (!LimitChecks::pass(messages, limits))
        return false;
    // The multiplier cannot run below 16 MHz; the flexible factors are
    // bounded by their own checks.
    if (pllShown && pllmode_ComboBox->currentIndex() == 0 && model->pllMhz < 16.0) {
        messages.showError(messages.text(kPllLowError) + QStringLiteral(" ") + QStringLiteral("16") + QStringLiteral("MHz"));
        return false;
    }
    const QVector<LimitQuestion> questions{
        {table.usb != DualModeUsb::None && model->usbDisabled == 0 && model->usbMhz != 48.0, kUsbQuestion},
        {model->adcEnabled && model->adcMhz > 28.0, kAdcQuestion},
    };
    return LimitChecks::pass(messages, {}, questions);
}

bool KytoDualModePLL::confirmPendingEdits()
{
    // The factor edits are hidden in normal mode and greyed while the PLL is
    // not in use; their Return takes the model's factors otherwise.
    return Readouts::confirmPendingEdits(factors.pageEdits(hext_LineEdit, sclk_LineEdit));
}

bool KytoDualModePLL::generateCode()
{
    if (!confirmPendingEdits() || !validateLineEdits() || !runLimitChecks())
        return false;
    return CodeGeneration::writeSources(this, messages, model, table.templateStem);
}

void KytoDualModePLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits() || !runLimitChecks() || seriesName.isEmpty())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

// Rows in write order. A row sets its control first, so that the control's
// slot runs as for a user's edit, then stores the model field itself.
void KytoDualModePLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    auto onOffCombo = [this](const char *key, bool ClockTreeModel::*field, CustomComboBox1 *KytoDualModeView::*combo) {
        designKeys.add(Keys::onOff(QString::fromLatin1(key), [this, field] { return model->*field; },
                                   [this, field, combo](bool on) {
            (this->*combo)->setCurrentIndex(on ? 1 : 0);
            model->*field = on;
        }));
    };
    auto radioRow = [this](const char *key, int ClockTreeModel::*field, QVector<QRadioButton *> KytoDualModeView::*radios,
                           const QVector<int> &codes, int fallback) {
        designKeys.add(Keys::radios(QString::fromLatin1(key), [this, field] { return model->*field; },
                                    [this, field](int v) { model->*field = v; }, codes,
                                    [this, radios](int v) { return (this->*radios)[v]; }, fallback));
    };
    auto dividerRow = [this](const char *key, const DividerTable &dividers, int ClockTreeModel::*field,
                             CustomComboBox1 *KytoDualModeView::*combo) {
        designKeys.add(Keys::code(QString::fromLatin1(key), [this, field] { return model->*field; },
                                  [this, field, combo, &dividers](int v) {
            (this->*combo)->setCurrentIndex(dividers.indexOrFirst(v));
            model->*field = v;
        }, dividers.codes(), dividers.intAt(0)));
    };

    onOffCombo("lextbypass", &ClockTreeModel::lextBypass, &KytoDualModePLL::lextbypass_ComboBox);
    radioRow("rtcsel", &ClockTreeModel::rtcSource, &KytoDualModePLL::rtcsel, {0, 1, 2}, 0);
    onOffCombo("rtcswitch", &ClockTreeModel::rtcEnabled, &KytoDualModePLL::rtcswitch_ComboBox);
    // A HEXT that is no crystal opens as the default would, so the edit
    // never shows a value the model does not hold.
    designKeys.add(Keys::told(Keys::number(QStringLiteral("hext"), [this] { return model->hextMhz; },
                                           [](double mhz) { return QString::number(mhz, 'f', 6); },
                                           [this](double mhz, const QString &text) {
        hext_LineEdit->setText(text);
        model->hextMhz = mhz;
    }, FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, kHextDefaultMhz), kHextInputError));
    onOffCombo("hextbypass", &ClockTreeModel::hextBypass, &KytoDualModePLL::hextbypass_ComboBox);
    radioRow("pllhextdiv", &ClockTreeModel::pllHextDivEnabled, &KytoDualModePLL::pllhextdiv, {0, 1}, 0);
    radioRow("pllrcs", &ClockTreeModel::pllSource, &KytoDualModePLL::pllrcs, {0, 1}, 0);
    designKeys.add(Keys::code(QStringLiteral("pllmode"), [this] { return model->pllFlexibleMode; }, [this](int v) {
        pllmode_ComboBox->setCurrentIndex(v);
        model->pllFlexibleMode = v;
    }, {0, 1}, 0));
    QVector<int> multipliers;
    for (int factor = 2; factor <= 64; ++factor)
        multipliers << factor;
    // Stored here too: the combo's slot stops on a missing HEXT before it
    // would store the factor.
    designKeys.add(Keys::code(QStringLiteral("pllmult"), [this] { return model->pllMult; }, [this](int v) {
        pllmult_ComboBox->setCurrentIndex(v - 2);
        model->pllMult = v;
    }, multipliers, 2));
    designKeys.add(factors.designKey(QStringLiteral("pllms"), PllFactorEdits::Ms, &model->pllMs));
    designKeys.add(factors.designKey(QStringLiteral("pllns"), PllFactorEdits::Ns, &model->pllNs));
    dividerRow("pllfr", pllFrDividers(), &ClockTreeModel::pllFr, &KytoDualModePLL::pllfr_ComboBox);
    radioRow("sclkselect", &ClockTreeModel::sclkSource, &KytoDualModePLL::sclkselect, {0, 1, 2}, 0);
    dividerRow("ahbdiv", DividerTable::ahb(), &ClockTreeModel::ahbDiv, &KytoDualModePLL::ahbdiv_ComboBox);
    dividerRow("apb1div", DividerTable::apb(), &ClockTreeModel::apb1Div, &KytoDualModePLL::apb1div_ComboBox);
    dividerRow("apb2div", DividerTable::apb(), &ClockTreeModel::apb2Div, &KytoDualModePLL::apb2div_ComboBox);
    if (table.usb != DualModeUsb::None) {
        designKeys.add(Keys::text(QStringLiteral("usbdiv"), [this] { return QString::number(model->usbDiv, 'f', 1); },
                                  [this](const QString &text) {
            const int index = usbDividers().indexOrFirst(FiniteNumber::orZero(text));
            usbdiv_ComboBox->setCurrentIndex(index);
            model->usbDiv = usbDividers().valueAt(index);
        }));
    }
    if (table.usb == DualModeUsb::PllOrHick)
        radioRow("hicktousb", &ClockTreeModel::usbFromHick, &KytoDualModePLL::hicktousb, {0, 1}, 0);
    if (table.usb != DualModeUsb::None) {
        // Only the two codes the switch offers; anything else leaves USB
        // off, as a new design has it.
        designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; }, [this](int v) {
            usbswitch_ComboBox->setCurrentIndex(v);
            model->usbDisabled = v;
        }, {0, 1}, 1));
    }
    radioRow("hicktosclk", &ClockTreeModel::sclkHick48, &KytoDualModePLL::hicktosclk, {0, 1}, 0);
    QVector<int> clkoutSources{NoClk, 1, 2, 3, 4, 5, UsbOut, 7, PllHalfOut, PllQuarterOut};
    if (table.usb == DualModeUsb::None)
        clkoutSources.removeAll(UsbOut);
    // A source that is off (USB, ADC) moves the check to "no clk" as it
    // arrives, and the model holds that.
    designKeys.add(Keys::radios(QStringLiteral("clkout"), [this] { return model->clkoutSource; },
                                [this](int v) { model->clkoutSource = v; }, clkoutSources,
                                [this](int v) { return clkoutRadio(v); }, NoClk));
    dividerRow("clkoutdiv", DividerTable::clockOut(), &ClockTreeModel::clkoutDiv, &KytoDualModePLL::clockoutdiv_ComboBox);
    // Only the pins the page offers; an unknown pin means no clock-out.
    QVector<int> pins;
    for (int i = 0; i < table.pins.size(); ++i)
        pins << i;
    designKeys.add(Keys::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; }, [this](int v) {
        clockoutPinSelectComboBox->setCurrentIndex(v);
        model->clkoutPin = v;
    }, pins, 0));
    onOffCombo("adcswitch", &ClockTreeModel::adcEnabled, &KytoDualModePLL::toadcswitch_ComboBox);
    designKeys.add(Keys::code(QStringLiteral("adcdiv"), [this] { return model->adcDiv; }, [this](int v) {
        toadcdiv_ComboBox->setCurrentIndex(qMax(0, table.adcDivisors.indexOf(v)));
        model->adcDiv = v;
    }, table.adcDivisors, table.adcDivisors.value(0)));
    if (table.hasKernelClocks) {
        int ClockTreeModel::*sources[3] = {&ClockTreeModel::usart1ClockSource, &ClockTreeModel::usart2ClockSource,
                                           &ClockTreeModel::i2c1ClockSource};
        bool ClockTreeModel::*switches[3] = {&ClockTreeModel::usart1Enabled, &ClockTreeModel::usart2Enabled,
                                             &ClockTreeModel::i2c1Enabled};
        for (int b = 0; b < 3; ++b) {
            // An unknown source takes the last radio of the group.
            const int last = table.layout.kernelClocks[b].radioY.size() - 1;
            QVector<int> codes;
            for (int i = 0; i <= last; ++i)
                codes << i;
            int ClockTreeModel::*field = sources[b];
            designKeys.add(Keys::code(table.layout.kernelClocks[b].node + QStringLiteral("clocksel"),
                                      [this, field] { return model->*field; }, [this, b, field](int v) {
                kernelClocks[b].radios[v]->setChecked(true);
                model->*field = v;
            }, codes, last));
        }
        for (int b = 0; b < 3; ++b) {
            bool ClockTreeModel::*field = switches[b];
            designKeys.add(Keys::onOff(table.layout.kernelClocks[b].node + QStringLiteral("switch"),
                                       [this, field] { return model->*field; }, [this, b, field](bool on) {
                kernelClocks[b].enable->setCurrentIndex(on ? 1 : 0);
                model->*field = on;
            }));
        }
    }
}

QStringList KytoDualModePLL::loadOrder() const
{
    QStringList keys{QStringLiteral("lextbypass"), QStringLiteral("rtcsel"), QStringLiteral("rtcswitch"),
                     QStringLiteral("hext"), QStringLiteral("hextbypass"), QStringLiteral("pllhextdiv"),
                     QStringLiteral("pllrcs"), QStringLiteral("pllmode"), QStringLiteral("pllmult"),
                     QStringLiteral("pllms"), QStringLiteral("pllns"), QStringLiteral("pllfr"),
                     QStringLiteral("sclkselect"), QStringLiteral("ahbdiv"), QStringLiteral("apb1div"),
                     QStringLiteral("apb2div")};
    if (table.usb == DualModeUsb::PllOrHick)
        keys << QStringLiteral("hicktousb");
    if (table.usb != DualModeUsb::None)
        keys << QStringLiteral("usbdiv") << QStringLiteral("tousbswitch");
    keys << QStringLiteral("hicktosclk") << QStringLiteral("adcswitch") << QStringLiteral("adcdiv")
         << QStringLiteral("clkoutpinselect") << QStringLiteral("clkoutdiv") << QStringLiteral("clkout");
    if (table.hasKernelClocks) {
        for (const char *key : {"usart1clocksel", "usart2clocksel", "i2c1clocksel", "usart1switch", "usart2switch",
                                "i2c1switch"})
            keys << QString::fromLatin1(key);
    }
    return keys;
}

void KytoDualModePLL::restoreDesignValues(const QHash<QString, QString> &texts)
{
    const QSignalBlocker multBlocker(pllmult_ComboBox);
    const QSignalBlocker msBlocker(pllms_LineEdit);
    const QSignalBlocker nsBlocker(pllns_LineEdit);
    const QSignalBlocker frBlocker(pllfr_ComboBox);
    const QSignalBlocker apb1Blocker(apb1div_ComboBox);
    const QSignalBlocker apb2Blocker(apb2div_ComboBox);
    QStringList keys{QStringLiteral("pllmult"), QStringLiteral("pllms"), QStringLiteral("pllns"),
                     QStringLiteral("pllfr"), QStringLiteral("apb1div"), QStringLiteral("apb2div")};
    if (usbdiv_ComboBox) {
        const QSignalBlocker usbBlocker(usbdiv_ComboBox);
        designKeys.apply(QStringLiteral("usbdiv"), texts.value(QStringLiteral("usbdiv")));
    }
    for (const QString &key : keys)
        designKeys.apply(key, texts.value(key));
}

void KytoDualModePLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    resetDefaults();
    const QHash<QString, QString> texts = designKeys.load(path, loadOrder(), messages);
    // The USB switch and the PLL source re-tune the PLL for the USB clock
    // as their keys arrive, and the recomputes raise APB dividers for clocks
    // the design never had: put back what the file holds.
    restoreDesignValues(texts);

    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // A refused check (a bad value, a question answered Cancel) still leaves
    // the page showing the design it holds.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
}
