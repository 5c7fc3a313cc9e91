#include "KytoMultiplierPLL.h"

#include "../common/ClickUndo.h"
#include "../common/CodeGeneration.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"
#include "ClockTreeModel.h"
#include "CustomComboBox1.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The family's own messages, translated in the context of each page class.
const char *const kHextInputError = QT_TRANSLATE_NOOP("KytoMultiplierPLL", "hext input error!");
const char *const kSclkInputError = QT_TRANSLATE_NOOP("KytoMultiplierPLL", "sclk input error!");
const char *const kPllInputError = QT_TRANSLATE_NOOP("KytoMultiplierPLL", "pll input clock source range 2-16MHz!");

// What a new page shows, and what a design file's HEXT that is no crystal
// opens as.
const double kHextDefaultMhz = 8.0;

} // namespace

KytoMultiplierPLL::KytoMultiplierPLL(const MultiplierSeriesTable &seriesTable, QWidget *parent)
    : KytoMultiplierView(seriesTable, parent)
{
    undo.keep(hextEnabled);
    // A HEXT typed without Return that the click put into use is applied now.
    undo.setAfterClick([this] {
        if (hextEnabled)
            onHextTextChanged(hextLineEdit->text());
    });
    undo.setTypedEdits([this] { return typedEdits(); });
}

KytoMultiplierPLL::~KytoMultiplierPLL() = default;

// ---------------------------------------------------------------- wiring

void KytoMultiplierPLL::buildUi()
{
    buildControls();
    buildDesignKeys();
}

void KytoMultiplierPLL::connectSignals()
{
    for (QRadioButton *r : rtcselRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(rtcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(lextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    connect(hextLineEdit, SIGNAL(returnPressed()), this, SLOT(hext_LineEdit_returnPressed()));
    connect(hextLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(hext_LineEdit_textChanged(const QString &)));
    connect(hextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    if (hextdivComboBox)
        connect(hextdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextdiv_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : pllhextdivRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllhextdiv_RadioButton_checkSlot(bool)));
    connect(pllmultComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllmult_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : pllrcsRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[0], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[1], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[2], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ahbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(apb1divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(apb2divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    auto connectUsb = [this]() {
        connect(usbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbdiv_ComboBox_currentIndexChanged(int)));
        connect(usbswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    };
    auto connectAdc = [this]() {
        connect(toadcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(toadcswitch_ComboBox_currentIndexChanged(int)));
        connect(toadcdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(toadcdiv_ComboBox_currentIndexChanged(int)));
    };
    if (table.hasHick48Branches) {
        connectAdc();
        connectUsb();
        for (QRadioButton *r : hicktousbRadios)
            connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
        for (QRadioButton *r : hicktosclkRadios)
            connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    } else {
        connectUsb();
        connectAdc();
    }
    for (QRadioButton *r : clockOut.radios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(clkout_RadioButton_checkSlot(bool)));
    if (clockOut.divCombo)
        connect(clockOut.divCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutdiv_ComboBox_currentIndexChanged(int)));
    connect(clockOut.pinCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
    connect(sclkLineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(sclkLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
}

// ---------------------------------------------------------------- defaults

void KytoMultiplierPLL::resetDefaults()
{
    // The rows below run their slots, which check what the page showed
    // before (a system clock beyond the limit once the pre-divider is back
    // at /2, say) against values the reset is replacing: only the defaults
    // it ends on are checked aloud.
    ClickUndo::Reset reset(undo, messages, typedEdits());
    rtcselRadios[0]->setChecked(true);
    model->rtcSource = 0;
    rtcswitchComboBox->setCurrentIndex(0);
    model->rtcEnabled = false;
    lextbypassComboBox->setCurrentIndex(0);
    model->lextBypass = false;
    model->pllFlexibleMode = 0;
    hextbypassComboBox->setCurrentIndex(0);
    model->hextBypass = false;
    hextLineEdit->setText(QStringLiteral("8"));
    model->hextMhz = kHextDefaultMhz;
    if (hextdivComboBox)
        hextdivComboBox->setCurrentIndex(0);
    model->hextDiv = 2;
    pllhextdivRadios[0]->setChecked(true);
    model->pllHextDivEnabled = 0;
    pllrcsRadios[0]->setChecked(true);
    model->pllSource = 0;
    pllmultComboBox->setCurrentIndex(table.defaultPllMultIndex);
    model->pllMult = table.defaultPllMultIndex + 2;
    sclkselectRadios[1]->setChecked(true);
    model->sclkSource = 1;
    sclkLineEdit->setEnabled(true);
    ahbdivComboBox->setCurrentIndex(0);
    model->ahbDiv = 1;
    apb1divComboBox->setCurrentIndex(0);
    model->apb1Div = 1;
    auto resetApb2 = [this]() {
        apb2divComboBox->setCurrentIndex(0);
        model->apb2Div = 1;
    };
    if (!table.hasHick48Branches)
        resetApb2();
    systickBox->setText(QStringLiteral("/ 8"));
    apb1TimerBox->setText(QStringLiteral("* 1"));
    model->apb1TimerMult = 1;
    apb2TimerBox->setText(QStringLiteral("* 1"));
    model->apb2TimerMult = 1;
    if (table.hasHick48Branches)
        resetApb2();
    toadcswitchComboBox->setCurrentIndex(0);
    model->adcEnabled = false;
    toadcdivComboBox->setCurrentIndex(0);
    model->adcDiv = 2;
    usbdivComboBox->setCurrentIndex(6);
    model->usbDiv = 4.0;
    if (table.hasHick48Branches)
        hicktousbRadios[0]->setChecked(true);
    model->usbFromHick = 0;
    usbswitchComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    if (table.hasHick48Branches) {
        hicktosclkRadios[0]->setChecked(true);
        model->sclkHick48 = 0;
    } else {
        model->sclkHick48 = 1;
    }
    clockOut.radios[0]->setChecked(true);
    model->clkoutSource = 0;
    if (clockOut.divCombo)
        clockOut.divCombo->setCurrentIndex(0);
    model->clkoutDiv = 1;
    clockOut.pinCombo->setCurrentIndex(0);
    model->clkoutPin = 0;

    // Once connected, the slots run by the steps above may re-tune the PLL
    // (for the old system clock target or for the USB clock) or pick another
    // USB divider before USB is switched off; a reset must still end on the
    // series' defaults, with the APB dividers raised afresh by the recompute.
    {
        const QSignalBlocker multBlocker(pllmultComboBox);
        const QSignalBlocker usbBlocker(usbdivComboBox);
        pllmultComboBox->setCurrentIndex(table.defaultPllMultIndex);
        usbdivComboBox->setCurrentIndex(6);
    }
    model->pllMult = table.defaultPllMultIndex + 2;
    model->usbDiv = 4.0;
    model->apb1Div = 1;
    model->apb2Div = 1;
    reset.speak();

    highlightClockPaths();
    if (checkHextInput()) {
        model->recompute();
        refreshFrequencies();
    }
    // A switched-off RTC reads the same after every reset as after Open.
    updateErtcDisplay();
}

// ---------------------------------------------------------------- predicates

bool KytoMultiplierPLL::usbOn() const
{
    return usbswitchComboBox->currentIndex() == 0;
}

bool KytoMultiplierPLL::usbFromPll() const
{
    if (!table.hasHick48Branches)
        return usbOn();
    return usbOn() && hicktousbRadios[0]->isChecked();
}

bool KytoMultiplierPLL::pllInUse() const
{
    return sclkselectRadios[1]->isChecked() || usbFromPll()
           || (clockOut.inUse() && (clockOut.isChecked(MultiplierClockOut::PllHalfOut) || clockOut.isChecked(MultiplierClockOut::PllQuarterOut)));
}

bool KytoMultiplierPLL::hextInUse() const
{
    if (sclkselectRadios[0]->isChecked())
        return true;
    if (rtcswitchComboBox->currentIndex() == 1 && rtcselRadios[2]->isChecked())
        return true;
    if (clockOut.inUse() && clockOut.isChecked(MultiplierClockOut::HextOut))
        return true;
    return pllInUse() && pllrcsRadios[0]->isChecked();
}

bool KytoMultiplierPLL::lextInUse() const
{
    return rtcswitchComboBox->currentIndex() != 0 && rtcselRadios[1]->isChecked();
}

// ---------------------------------------------------------------- highlighting

void KytoMultiplierPLL::highlightClockPaths()
{
    updateLextBypassStyle(lextInUse());
    updateRtcSwitchEnables();
    updateAdcEnables();
    updateHextEnables();
    hickLabel->setEnabled(true);
    hickReadout->setEnabled(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
    updatePllEnables();
    if (table.hasHick48Branches)
        updateHickToSclkStyle(sclkselectRadios[2]->isChecked());
    updateClkoutGroupStyles();
    updateUsbSwitchEnables();
}

void KytoMultiplierPLL::updateLextBypassStyle(bool flag)
{
    lextReadout->setStyleSheet(PageStyles::frame(flag));
    lextLabel->setEnabled(flag);
    lextReadout->setEnabled(flag);
    lextBypassLabel->setEnabled(flag);
    lextbypassComboBox->setComboBoxEnabled(flag);
    PageStyles::applyPin(lextInLabel, flag);
    PageStyles::applyPin(lextOutLabel, flag && lextbypassComboBox->currentIndex() == 0);
}

void KytoMultiplierPLL::setHextEditEnabled(bool flag)
{
    hextEnabled = flag;
    if (flag) {
        hextLineEdit->setStyleSheet(PageStyles::editApplied());
        onHextTextChanged(hextLineEdit->text());
    } else {
        hextLineEdit->setStyleSheet(PageStyles::editGreyed());
    }
    hextLabel->setEnabled(flag);
    hextLineEdit->setEnabled(flag);
    hextBypassLabel->setEnabled(flag);
    hextbypassComboBox->setComboBoxEnabled(flag);
    PageStyles::applyPin(hextInLabel, flag);
    PageStyles::applyPin(hextOutLabel, flag && hextbypassComboBox->currentIndex() == 0);
}

void KytoMultiplierPLL::updateRtcSwitchEnables()
{
    const bool on = rtcswitchComboBox->currentIndex() != 0;
    updateRtcSelStyle(on);
    rtcLabel->setEnabled(on);
    rtcReadout->setEnabled(on);
    Readouts::setEditColour(rtcReadout, on ? Qt::darkGreen : Qt::gray);
}

void KytoMultiplierPLL::updateRtcSelStyle(bool flag)
{
    PageStyles::applyRadioGroup(rtcselLabel, rtcselRadios, flag);
}

void KytoMultiplierPLL::updatePllRcsStyle(bool flag)
{
    PageStyles::applyRadioGroup(pllrcsLabel, pllrcsRadios, flag);
}

void KytoMultiplierPLL::updatePllHextDivStyle(bool flag)
{
    PageStyles::applyRadioGroup(pllhextdivLabel, pllhextdivRadios, flag);
}

void KytoMultiplierPLL::updateHickToSclkStyle(bool flag)
{
    PageStyles::applyRadioGroup(hicktosclkLabel, hicktosclkRadios, flag);
}

void KytoMultiplierPLL::updateHickToUsbStyle(bool flag)
{
    PageStyles::applyRadioGroup(hicktousbLabel, hicktousbRadios, flag);
}

void KytoMultiplierPLL::updateAdcEnables()
{
    const bool on = toadcswitchComboBox->currentIndex() != 0;
    adcdivLabel->setEnabled(on);
    toadcdivComboBox->setComboBoxEnabled(on);
    adcLabel->setEnabled(on);
    Readouts::setReadoutInUse(adcReadout, on);
    updateToAdcSwitchStyle(on && clockOut.inUse());
}

void KytoMultiplierPLL::updateHextEnables()
{
    setHextEditEnabled(hextInUse());
}

void KytoMultiplierPLL::updatePllEnables()
{
    const bool inUse = pllInUse();
    updatePllRcsStyle(inUse);
    pllmultLabel->setEnabled(inUse);
    pllmultComboBox->setComboBoxEnabled(inUse);
    pllOutputLabel->setEnabled(inUse);
    if (!inUse) {
        if (hextdivComboBox) {
            hextdivLabel->setEnabled(false);
            hextdivComboBox->setComboBoxEnabled(false);
        }
        updatePllHextDivStyle(false);
        return;
    }
    const bool fromHext = pllrcsRadios[0]->isChecked();
    updatePllHextDivStyle(fromHext);
    if (hextdivComboBox) {
        const bool divided = fromHext && pllhextdivRadios[1]->isChecked();
        hextdivLabel->setEnabled(divided);
        hextdivComboBox->setComboBoxEnabled(divided);
    }
}

void KytoMultiplierPLL::updateClkoutGroupStyles()
{
    if (!clockOut.inUse()) {
        clockOut.setGroupEnabled(false);
        return;
    }
    clockOut.setGroupEnabled(true);
    updateUsbSwitchStyle(usbOn());
    updateToAdcSwitchStyle(toadcswitchComboBox->currentIndex() == 1);
}

void KytoMultiplierPLL::updateUsbSwitchStyle(bool flag)
{
    clockOut.setSourceEnabled(MultiplierClockOut::UsbOut, flag, usbswitchComboBox->currentIndex() != 0);
}

void KytoMultiplierPLL::updateToAdcSwitchStyle(bool flag)
{
    clockOut.setSourceEnabled(MultiplierClockOut::AdcOut, flag, toadcswitchComboBox->currentIndex() != 1);
}

void KytoMultiplierPLL::updateUsbSwitchEnables()
{
    if (usbOn()) {
        if (table.hasHick48Branches)
            updateHickToUsbStyle(true);
        updateUsbSwitchStyle(clockOut.inUse());
        usbFreqLabel->setVisible(true);
        const bool divEnabled = !table.hasHick48Branches || hicktousbRadios[0]->isChecked();
        usbdivLabel->setEnabled(divEnabled);
        usbdivComboBox->setComboBoxEnabled(divEnabled);
    } else {
        usbdivLabel->setEnabled(false);
        usbdivComboBox->setComboBoxEnabled(false);
        if (table.hasHick48Branches)
            updateHickToUsbStyle(false);
        updateUsbSwitchStyle(false);
        usbFreqLabel->setVisible(false);
    }
}

// ---------------------------------------------------------------- read-outs

void KytoMultiplierPLL::updateSourceLabels()
{
    const bool lextRunning = rtcswitchComboBox->currentIndex() != 0 && rtcselRadios[1]->isChecked();
    clockOut.showFrequencies(double(model->clkoutDiv), lextRunning, [this](int code) {
        switch (code) {
        case MultiplierClockOut::HickOut:
            return hickClockOutMhz();
        case MultiplierClockOut::HextOut:
            return model->hextMhz;
        case MultiplierClockOut::SclkOut:
            return model->sclkMhz;
        case MultiplierClockOut::UsbOut:
            return model->usbMhz;
        case MultiplierClockOut::AdcOut:
            return model->adcMhz;
        case MultiplierClockOut::PllHalfOut:
            return model->pllMhz * 0.5;
        default:
            return model->pllMhz * 0.25;
        }
    });
}

// HICK reaches the clock output at 48 MHz once a 48 MHz branch takes it.
double KytoMultiplierPLL::hickClockOutMhz() const
{
    if (!table.hasHick48Branches)
        return 8.0;
    const bool hick48 = (usbswitchComboBox->currentIndex() == 0 && hicktousbRadios[1]->isChecked())
                        || (sclkselectRadios[2]->isChecked() && hicktosclkRadios[1]->isChecked())
                        || (sclkselectRadios[1]->isChecked() && pllrcsRadios[1]->isChecked());
    return hick48 ? 48.0 : 8.0;
}

void KytoMultiplierPLL::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    if (!checkPllInput())
        return;
    const double sclkLimit = model->maxSclk();
    const double apbLimit = table.apbMax;

    Readouts::show(sclkLineEdit, model->sclkMhz, sclkLimit);
    for (int i = 0; i < readouts.size(); ++i) {
        QLineEdit *box = readouts[i];
        switch (table.layout.readouts[i].kind) {
        case ReadoutKind::Sclk:
            Readouts::show(box, model->sclkMhz, sclkLimit);
            break;
        case ReadoutKind::Systick:
            // SysTick runs at AHB / 8 and is within its limit while AHB is.
            Readouts::show(box, model->ahbMhz * 0.125, sclkLimit * 0.125);
            break;
        case ReadoutKind::Ahb:
            Readouts::show(box, model->ahbMhz, sclkLimit);
            break;
        case ReadoutKind::Apb1:
            Readouts::show(box, model->apb1Mhz, apbLimit);
            break;
        case ReadoutKind::Apb1Timer:
            Readouts::show(box, model->apb1TimerMhz, sclkLimit);
            break;
        case ReadoutKind::Apb2:
            Readouts::show(box, model->apb2Mhz, apbLimit);
            break;
        case ReadoutKind::Apb2Timer:
            Readouts::show(box, model->apb2TimerMhz, sclkLimit);
            break;
        case ReadoutKind::Adc:
            Readouts::show(box, model->adcMhz, 28.0, toadcswitchComboBox->currentIndex() != 0);
            break;
        }
    }
    syncApbDividersFromModel();

    Readouts::setLabelColour(usbFreqLabel, model->usbMhz == 48.0 ? QColor(Qt::darkGreen) : QColor(Qt::red));
    usbFreqLabel->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));
    syncUsbDividerFromModel();

    if (pllOutputLabel->isEnabled()) {
        pllOutputLabel->setText(Readouts::mhz(model->pllMhz) + QStringLiteral("MHz"));
        Readouts::setLabelColour(pllOutputLabel, Readouts::limitColour(model->pllMhz, sclkLimit));
    } else {
        pllOutputLabel->setText(QString());
    }
    // Always rewritten, so that pin "none" empties the clock-out label at once.
    updateSourceLabels();
}

void KytoMultiplierPLL::syncApbDividersFromModel()
{
    apb1divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb1TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}

void KytoMultiplierPLL::syncUsbDividerFromModel()
{
    usbdivComboBox->setCurrentIndex(usbDividers().indexOrFirst(model->usbDiv));
}

void KytoMultiplierPLL::syncPllMultFromModel()
{
    const int index = model->pllMult - 2;
    pllmultComboBox->setCurrentIndex(index >= 0 && index < pllmultComboBox->count() ? index : 0);
}

void KytoMultiplierPLL::recomputeAndRefresh()
{
    if (sclkselectRadios[1]->isChecked()) {
        model->recomputeFromPll();
    } else {
        // A USB search re-tunes the PLL, and whatever the PLL drives follows it.
        if (usbFromPll())
            model->recomputeUsb();
        model->recompute();
    }
    syncPllMultFromModel();
    refreshFrequencies();
}

void KytoMultiplierPLL::updateErtcDisplay()
{
    rtcReadout->setText(Readouts::rtcKhz(rtcswitchComboBox->currentIndex() != 0, rtcselRadios[0], rtcselRadios[1],
                                         model->hextMhz, 128));
}

void KytoMultiplierPLL::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------- input checks

bool KytoMultiplierPLL::validateHextLineEdit(double *value)
{
    *value = 0;
    double v = 0;
    if (!FiniteNumber::inRange(hextLineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &v)) {
        messages.showError(messages.text(kHextInputError));
        return false;
    }
    *value = v;
    return true;
}

bool KytoMultiplierPLL::checkSclkInput(double *value)
{
    *value = 0;
    double v = 0;
    if (!FiniteNumber::inRange(sclkLineEdit->text(), 4, model->maxSclk(), &v)) {
        messages.showError(messages.text(kSclkInputError));
        return false;
    }
    *value = v;
    return true;
}

bool KytoMultiplierPLL::checkHextInput()
{
    const bool pllFromHext = pllrcsRadios[0]->isChecked();
    const bool pinOn = clockOut.inUse();
    bool inUse = sclkselectRadios[0]->isChecked();
    if (!inUse) {
        // USB from the PLL counts only while the USB clock is switched on:
        // a greyed HEXT edit must never block a recompute.
        if (table.hasHick48Branches)
            inUse = hicktousbRadios[0]->isChecked() && pllFromHext && usbOn();
        else
            inUse = pllFromHext && usbOn();
    }
    if (!inUse)
        inUse = pinOn && clockOut.isChecked(MultiplierClockOut::PllHalfOut) && pllFromHext;
    if (!inUse)
        inUse = pinOn && clockOut.isChecked(MultiplierClockOut::PllQuarterOut) && pllFromHext;
    if (!inUse)
        inUse = pinOn && clockOut.isChecked(MultiplierClockOut::HextOut);
    if (!inUse)
        inUse = sclkselectRadios[1]->isChecked() && pllFromHext;
    if (!inUse)
        return true;
    double v = 0;
    if (!FiniteNumber::inRange(hextLineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &v)) {
        messages.showError(messages.text(kHextInputError));
        return false;
    }
    model->hextMhz = v;
    return true;
}

bool KytoMultiplierPLL::pllInputInRange(const ClockTreeModel &design) const
{
    if (!design.isPllUsed() || design.pllSource != 0)
        return true;
    const double in = design.pllInputFrequency();
    return in >= 2 && in <= 16;
}

// HEXT is the crystal on the board: nothing that takes the PLL input out of
// 2..16 MHz stores another crystal in its place. In a click the box takes
// the click back whole; an opened design has nothing earlier to go back to,
// so the HEXT divider's /2 is used where it brings the input back, and
// otherwise the design shows as the file holds it, after the box. Returns
// false when it took over the refresh.
bool KytoMultiplierPLL::checkPllInput()
{
    // Half-applied designs pass through states the file never held (SCLK still
    // on the PLL while its HEXT is 20 MHz); only the complete design is checked.
    if (messages.isQuiet() || pllInputInRange(*model))
        return true;
    if (undo.refused())
        return false;
    messages.showError(messages.text(kPllInputError));
    if (undo.inClick())
        return false;
    return !takeHextDivider();
}

bool KytoMultiplierPLL::takeHextDivider()
{
    ClockTreeModel divided = *model;
    divided.pllHextDivEnabled = 1;
    if (model->pllHextDivEnabled != 0 || !pllInputInRange(divided))
        return false;
    {
        const QSignalBlocker held(pllhextdivRadios[1]);
        pllhextdivRadios[1]->setChecked(true);
    }
    model->pllHextDivEnabled = 1;
    // Aimed at the system clock the page shows (or the one just typed).
    double target = 0;
    if (FiniteNumber::inRange(sclkLineEdit->text(), 4, model->maxSclk(), &target))
        model->sclkMhz = target;
    highlightClockPaths();
    recomputeAndRefresh();
    return true;
}

bool KytoMultiplierPLL::validateLineEdits()
{
    if (hextEnabled
        && !FiniteNumber::inRange(hextLineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz)) {
        messages.showError(messages.text(kHextInputError));
        return false;
    }
    if (!FiniteNumber::inRange(sclkLineEdit->text(), 4, model->maxSclk())) {
        messages.showError(messages.text(kSclkInputError));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- slot steps

bool KytoMultiplierPLL::takeOverHext()
{
    if (!pllrcsRadios[0]->isChecked())
        return true;
    double value = 0;
    if (!validateHextLineEdit(&value))
        return false;
    model->hextMhz = value;
    return true;
}

void KytoMultiplierPLL::plainRecompute()
{
    if (!checkHextInput())
        return;
    model->recompute();
    refreshFrequencies();
}

void KytoMultiplierPLL::retarget()
{
    double value = 0;
    if (!checkSclkInput(&value))
        return;
    model->sclkMhz = value;
    recomputeAndRefresh();
}

void KytoMultiplierPLL::usbTuning()
{
    model->recomputeUsb();
    model->recompute();
    syncPllMultFromModel();
}

// ---------------------------------------------------------------- slots

void KytoMultiplierPLL::onRtcSelClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->rtcSource = rtcselRadios[0]->isChecked() ? 0 : rtcselRadios[1]->isChecked() ? 1 : 2;
    if (model->rtcSource == 2)
        onHextReturnPressed();
    updateErtcDisplay();
    if (table.hasHick48Branches)
        refreshFrequencies();
}

void KytoMultiplierPLL::onRtcSwitchChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (rtcswitchComboBox->currentIndex() != 0) {
        model->rtcEnabled = true;
        if (rtcselRadios[2]->isChecked())
            onHextReturnPressed();
    } else {
        model->rtcEnabled = false;
    }
    updateErtcDisplay();
    if (table.hasHick48Branches)
        refreshFrequencies();
}

void KytoMultiplierPLL::onLextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    PageStyles::applyPin(lextOutLabel, index == 0);
    model->lextBypass = index != 0;
}

void KytoMultiplierPLL::onHextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    PageStyles::applyPin(hextOutLabel, index == 0);
    model->hextBypass = index != 0;
}

void KytoMultiplierPLL::onHextReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    double value = 0;
    if (!validateHextLineEdit(&value))
        return;
    model->hextMhz = value;
    if (!sclkselectRadios[1]->isChecked() && usbFromPll())
        usbTuning();
    plainRecompute();
    updateErtcDisplay();
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoMultiplierPLL::onHextTextChanged(const QString &text)
{
    // A greyed edit keeps the greyed look whatever its text.
    if (!hextEnabled)
        return;
    Readouts::showTypedEdit(hextLineEdit, Readouts::typedState(text, model->hextMhz, 5),
                            FiniteNumber::inRange(text, FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz), Qt::black);
}

void KytoMultiplierPLL::onHextDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->hextDiv = hextDividers().intAt(index);
    if (!takeOverHext())
        return;
    retarget();
}

void KytoMultiplierPLL::onPllHextDivClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllHextDivEnabled = pllhextdivRadios[0]->isChecked() ? 0 : 1;
    if (!takeOverHext())
        return;
    retarget();
}

void KytoMultiplierPLL::onPllMultChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    // The factor is stored before the HEXT check, so that the combo box and
    // the model never disagree.
    model->pllMult = pllmultComboBox->currentIndex() + 2;
    if (!takeOverHext())
        return;
    plainRecompute();
}

void KytoMultiplierPLL::onPllRcsClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllSource = pllrcsRadios[0]->isChecked() ? 0 : 1;
    if (!takeOverHext())
        return;
    retarget();
}

void KytoMultiplierPLL::onSclkSelectHextToggled(bool checked)
{
    // A switch emits toggled for the radio left (false) and for the one
    // chosen (true); acting once, on the chosen one, keeps one click to at
    // most one box.
    if (!checked)
        return;
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselectRadios[0]->isChecked()) {
        model->sclkSource = 0;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        double value = 0;
        if (!validateHextLineEdit(&value))
            return;
        model->hextMhz = value;
        plainRecompute();
    }
    recomputeAndRefresh();
}

void KytoMultiplierPLL::onSclkSelectPllToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselectRadios[1]->isChecked()) {
        model->sclkSource = 1;
        sclkLineEdit->setEnabled(true);
        sclkLineEdit->setStyleSheet(PageStyles::editApplied());
        if (!takeOverHext())
            return;
        plainRecompute();
    }
    recomputeAndRefresh();
}

void KytoMultiplierPLL::onSclkSelectHickToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkselectRadios[2]->isChecked()) {
        model->sclkSource = 2;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        plainRecompute();
    }
    recomputeAndRefresh();
}

void KytoMultiplierPLL::onAhbDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->ahbDiv = DividerTable::ahb().intAt(ahbdivComboBox->currentIndex());
    plainRecompute();
}

void KytoMultiplierPLL::onApb1DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb1Div = DividerTable::apb().intAt(apb1divComboBox->currentIndex());
    plainRecompute();
}

void KytoMultiplierPLL::onApb2DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb2Div = DividerTable::apb().intAt(apb2divComboBox->currentIndex());
    plainRecompute();
}

void KytoMultiplierPLL::onClockoutDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv = DividerTable::clockOut().intAt(clockOut.divCombo->currentIndex());
    plainRecompute();
}

void KytoMultiplierPLL::onToAdcSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->adcEnabled = index != 0;
    updateAdcEnables();
    plainRecompute();
}

void KytoMultiplierPLL::onToAdcDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->adcDiv = DividerTable::adc().intAt(index);
    plainRecompute();
}

void KytoMultiplierPLL::onUsbDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    const int index = usbdivComboBox->currentIndex();
    model->usbDiv = index >= 0 && index <= 12 ? 1.0 + 0.5 * index : 1.0;
    if (sclkselectRadios[1]->isChecked() || !usbFromPll()) {
        if (!checkHextInput())
            return;
        model->recompute();
    } else {
        if (!takeOverHext())
            return;
        usbTuning();
    }
    refreshFrequencies();
}

void KytoMultiplierPLL::onUsbSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDisabled = index;
    highlightClockPaths();
    if (index != 0) {
        recomputeAndRefresh();
    } else {
        const bool tune = table.hasHick48Branches ? hicktousbRadios[0]->isChecked()
                                                  : !sclkselectRadios[1]->isChecked();
        if (tune) {
            if (!takeOverHext())
                return;
            usbTuning();
        } else {
            if (!checkHextInput())
                return;
            model->recompute();
        }
    }
    refreshFrequencies();
}

void KytoMultiplierPLL::onHickToUsbToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (hicktousbRadios[0]->isChecked()) {
        model->usbFromHick = 0;
        if (!takeOverHext())
            return;
        usbTuning();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        recomputeAndRefresh();
    }
    refreshFrequencies();
}

void KytoMultiplierPLL::onHickToSclkToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    model->sclkHick48 = hicktosclkRadios[0]->isChecked() ? 0 : 1;
    plainRecompute();
}

void KytoMultiplierPLL::onClkoutToggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutSource = clockOut.checkedCode();
    plainRecompute();
}

void KytoMultiplierPLL::onClockoutPinChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutPin = clockOut.pinCombo->currentIndex();
    plainRecompute();
}

void KytoMultiplierPLL::onSclkReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!sclkselectRadios[1]->isChecked())
        return;
    double value = 0;
    if (!checkSclkInput(&value))
        return;
    model->sclkMhz = value;
    if (!takeOverHext())
        return;
    model->recomputeFromPll();
    syncPllMultFromModel();
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoMultiplierPLL::onSclkTextChanged(const QString &text)
{
    Readouts::showTypedEdit(sclkLineEdit, Readouts::typedState(text, model->sclkMhz, 3, sclkLineEdit->isEnabled()),
                            FiniteNumber::inRange(text, 4, model->maxSclk()), Qt::darkGreen);
}

void KytoMultiplierPLL::onListButtonClicked(int list)
{
    const ClickUndo::Guard click(undo, sender());
    lists.toggle(list);
}

// ---------------------------------------------------------------- generation

bool KytoMultiplierPLL::runLimitChecks()
{
    const double sclkLimit = model->maxSclk();
    const double apbLimit = table.apbMax;
    QVector<LimitRow> limits{
        {model->sclkMhz, sclkLimit, QT_TRANSLATE_NOOP("KytoMultiplierPLL", "Can not support sclk greater than")},
        {model->apb1Mhz, apbLimit, QT_TRANSLATE_NOOP("KytoMultiplierPLL", "Can not support apb1clk greater than")},
        {model->apb2Mhz, apbLimit, QT_TRANSLATE_NOOP("KytoMultiplierPLL", "Can not support apb2clk greater than")},
    };
    if (pllOutputLabel->isEnabled())
        limits.append({model->pllMhz, sclkLimit, QT_TRANSLATE_NOOP("KytoMultiplierPLL", "Can not support pll clock greater than")});
    const QVector<LimitQuestion> questions{
        {model->usbDisabled == 0 && model->usbMhz != 48.0,
         QT_TRANSLATE_NOOP("KytoMultiplierPLL", "USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?")},
        {model->adcEnabled && model->adcMhz > 28.0, table.adcQuestion},
    };
    return LimitChecks::pass(messages, limits, questions);
}

QVector<Readouts::TypedEdit> KytoMultiplierPLL::typedEdits()
{
    return {Readouts::typedEdit(hextLineEdit, model->hextMhz, 5), Readouts::typedEdit(sclkLineEdit, model->sclkMhz, 3)};
}

bool KytoMultiplierPLL::confirmPendingEdits()
{
    return Readouts::confirmPendingEdits(typedEdits());
}

bool KytoMultiplierPLL::generateCode()
{
    if (!confirmPendingEdits())
        return false;
    if (!validateLineEdits())
        return false;
    if (!runLimitChecks())
        return false;
    return CodeGeneration::writeSources(this, messages, model, table.templateStem);
}

// ---------------------------------------------------------------- design files

void KytoMultiplierPLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits())
        return;
    if (!runLimitChecks())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values());
}

// Written in row order; a row's read sets the control first and the model
// second for switches and radios, the model first for dividers, so that
// the slot a control runs sees the same model as it always did.
void KytoMultiplierPLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    const bool four = table.hasHick48Branches;
    designKeys.add(Keys::onOff(QStringLiteral("lextbypass"), [this] { return model->lextBypass; }, [this](bool on) {
        lextbypassComboBox->setCurrentIndex(on ? 1 : 0);
        model->lextBypass = on;
    }));
    designKeys.add(Keys::code(QStringLiteral("rtcsel"), [this] { return model->rtcSource; }, [this](int v) {
        rtcselRadios[v]->setChecked(true);
        model->rtcSource = v;
    }, {0, 1, 2}, 0));
    designKeys.add(Keys::onOff(QStringLiteral("rtcswitch"), [this] { return model->rtcEnabled; }, [this](bool on) {
        rtcswitchComboBox->setCurrentIndex(on ? 1 : 0);
        model->rtcEnabled = on;
    }));
    // The edit shows the held crystal as after New ("8.000", not the file's
    // "8.000000").
    designKeys.add(Keys::told(Keys::number(QStringLiteral("hext"), [this] { return model->hextMhz; },
                                           [](double mhz) { return QString::number(mhz, 'f', 6); },
                                           [this](double mhz, const QString &) {
        model->hextMhz = mhz;
        hextLineEdit->setText(Readouts::typedValueText(mhz));
    }, FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, kHextDefaultMhz), kHextInputError));
    designKeys.add(Keys::onOff(QStringLiteral("hextbypass"), [this] { return model->hextBypass; }, [this](bool on) {
        hextbypassComboBox->setCurrentIndex(on ? 1 : 0);
        model->hextBypass = on;
    }));
    if (table.hasHextDivCombo) {
        designKeys.add(Keys::code(QStringLiteral("hextdiv"), [this] { return model->hextDiv; }, [this](int v) {
            model->hextDiv = v;
            hextdivComboBox->setCurrentIndex(hextDividers().indexOrFirst(v));
        }, hextDividers().codes(), 2));
    }
    designKeys.add(Keys::onOff(QStringLiteral("pllhextdiv"), [this] { return model->pllHextDivEnabled != 0; }, [this](bool on) {
        pllhextdivRadios[on ? 1 : 0]->setChecked(true);
        model->pllHextDivEnabled = on ? 1 : 0;
    }));
    designKeys.add(Keys::onOff(QStringLiteral("pllrcs"), [this] { return model->pllSource != 0; }, [this](bool on) {
        pllrcsRadios[on ? 1 : 0]->setChecked(true);
        model->pllSource = on ? 1 : 0;
    }));
    // The model follows the factor through the combo box's slot.
    QVector<int> factors;
    for (int factor = 2; factor <= 64; ++factor)
        factors << factor;
    designKeys.add(Keys::code(QStringLiteral("pllmult"), [this] { return model->pllMult; }, [this](int v) {
        pllmultComboBox->setCurrentIndex(v - 2);
    }, factors, 2));
    designKeys.add(Keys::code(QStringLiteral("sclkselect"), [this] { return model->sclkSource; }, [this](int v) {
        sclkselectRadios[v]->setChecked(true);
        model->sclkSource = v;
    }, {0, 1, 2}, 0));
    auto dividerRow = [this](const QString &key, const DividerTable &dividers, int ClockTreeModel::*field,
                             CustomComboBox1 *combo) {
        designKeys.add(DesignKeyTable::code(key, [this, field] { return model->*field; }, [this, field, combo, &dividers](int v) {
            model->*field = v;
            combo->setCurrentIndex(dividers.indexOrFirst(v));
        }, dividers.codes(), dividers.intAt(0)));
    };
    dividerRow(QStringLiteral("ahbdiv"), DividerTable::ahb(), &ClockTreeModel::ahbDiv, ahbdivComboBox);
    dividerRow(QStringLiteral("apb1div"), DividerTable::apb(), &ClockTreeModel::apb1Div, apb1divComboBox);
    dividerRow(QStringLiteral("apb2div"), DividerTable::apb(), &ClockTreeModel::apb2Div, apb2divComboBox);
    designKeys.add(Keys::text(QStringLiteral("usbdiv"), [this] { return QString::number(model->usbDiv, 'f', 1); },
                              [this](const QString &text) {
        const int index = usbDividers().indexOrFirst(FiniteNumber::orZero(text));
        model->usbDiv = usbDividers().valueAt(index);
        usbdivComboBox->setCurrentIndex(index);
    }));
    if (four) {
        designKeys.add(Keys::code(QStringLiteral("hicktousb"), [this] { return model->usbFromHick; }, [this](int v) {
            hicktousbRadios[v]->setChecked(true);
            model->usbFromHick = v;
        }, {0, 1}, 0));
    }
    // Only the two codes the switch offers; any other number leaves USB off.
    designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; }, [this](int v) {
        model->usbDisabled = v;
        usbswitchComboBox->setCurrentIndex(v);
    }, {0, 1}, 1));
    if (four) {
        designKeys.add(Keys::code(QStringLiteral("hicktosclk"), [this] { return model->sclkHick48; }, [this](int v) {
            hicktosclkRadios[v]->setChecked(true);
            model->sclkHick48 = v;
        }, {0, 1}, 0));
    }
    // A source that is off (USB, ADC) gives way to "no clk" as it arrives,
    // and the model holds that.
    designKeys.add(Keys::radios(QStringLiteral("clkout"), [this] { return model->clkoutSource; },
                                [this](int v) { model->clkoutSource = v; }, clockOut.codes(),
                                [this](int v) { return clockOut.radio(v); }, MultiplierClockOut::NoClk));
    if (four)
        dividerRow(QStringLiteral("clkoutdiv"), DividerTable::clockOut(), &ClockTreeModel::clkoutDiv,
                   clockOut.divCombo);
    // Only "none" and "PA8" exist; an unknown pin means no clock-out.
    designKeys.add(Keys::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; }, [this](int v) {
        model->clkoutPin = v;
        clockOut.pinCombo->setCurrentIndex(v);
    }, {0, 1}, 0));
    designKeys.add(Keys::onOff(QStringLiteral("adcswitch"), [this] { return model->adcEnabled; }, [this](bool on) {
        toadcswitchComboBox->setCurrentIndex(on ? 1 : 0);
        model->adcEnabled = on;
    }));
    dividerRow(QStringLiteral("adcdiv"), DividerTable::adc(), &ClockTreeModel::adcDiv, toadcdivComboBox);
}

void KytoMultiplierPLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    resetDefaults();
    const QHash<QString, QString> texts = designKeys.load(path, table.designLoadOrder(), messages);

    // Slots run while the keys are applied may re-tune the PLL for the USB
    // clock, pick another USB divider and raise the APB dividers for the
    // re-tuned clock. Put back what the file holds, so that opening gives
    // back the saved design.
    syncDesignFromFile(texts);

    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // An opened design that breaks the PLL input has no earlier one to go
    // back to.
    if (checkHextInput()) {
        model->recompute();
        refreshFrequencies();
        return;
    }
    // A refused HEXT still leaves the page showing the design it holds; the
    // one box about it is enough.
    const PageMessages::QuietScope quiet(messages);
    model->recompute();
    refreshFrequencies();
}

void KytoMultiplierPLL::syncDesignFromFile(const QHash<QString, QString> &texts)
{
    const QSignalBlocker multBlocker(pllmultComboBox);
    const QSignalBlocker usbBlocker(usbdivComboBox);
    const QSignalBlocker apb1Blocker(apb1divComboBox);
    const QSignalBlocker apb2Blocker(apb2divComboBox);
    // A factor the file does not hold takes the key's fallback, as the
    // key's row gave it before a slot re-tuned it.
    bool ok = false;
    int mult = texts.value(QStringLiteral("pllmult")).toInt(&ok, 10);
    if (!ok || mult < 2 || mult > 64)
        mult = 2;
    pllmultComboBox->setCurrentIndex(mult - 2);
    model->pllMult = mult;
    for (const QString &key : {QStringLiteral("usbdiv"), QStringLiteral("apb1div"), QStringLiteral("apb2div")})
        designKeys.apply(key, texts.value(key));
}
