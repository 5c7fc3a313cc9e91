#include "KytoR8x0PLL.h"

#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"
#include "../common/Readouts.h"
#include "../common/UsbClock.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "UserDialogs.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace R8x0;

namespace {

const double kNotesAbove = 240.0;
const char *const kStem = "kytor810_820";

// In Chinese these series word four of the kit's generation texts their own
// way; marked here so that the family's catalogue keeps its entries, which
// take precedence over the kit's for these classes.
[[maybe_unused]] const char *const kOwnWordings[] = {
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Creating \"inc\" folder error!"),
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Creating \"src\" folder error!"),
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Generate code finished!  Files:"),
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Generate code failed!"),
};

int firstChecked(const QVector<QRadioButton *> &radios)
{
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return -1;
}

// The PLL settings the series starts from, in design-file form.
QHash<QString, QString> defaultPllTexts()
{
    return {{QStringLiteral("pllms"), QStringLiteral("1")},   {QStringLiteral("pllns"), QStringLiteral("144")},
            {QStringLiteral("pllfr"), QStringLiteral("4")},   {QStringLiteral("usbdiv"), QStringLiteral("6.0")},
            {QStringLiteral("apb1div"), QStringLiteral("1")}, {QStringLiteral("apb2div"), QStringLiteral("1")}};
}

// What the shared base reads of this family: its limits and messages.
HighPerfLayout sharedLayout()
{
    HighPerfLayout l;
    l.sclkMin = 4.0;
    l.sclkMax = sclkMax;
    l.hextError = QT_TRANSLATE_NOOP("KytoR8x0PLL", "hext input error!");
    l.sclkError = QT_TRANSLATE_NOOP("KytoR8x0PLL", "sclk input error!");
    return l;
}

} // namespace

KytoR8x0PLL::KytoR8x0PLL(const R8x0SeriesTable &seriesTable, QWidget *parent)
    : KytoHighPerfControls(seriesTable.seriesIndex, sharedLayout(), parent)
    , table(seriesTable)
{
}

KytoR8x0PLL::~KytoR8x0PLL() = default;

// ---------------------------------------------------------------- building

void KytoR8x0PLL::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui.retranslateNotes();
    KytoHighPerfControls::changeEvent(event);
}

void KytoR8x0PLL::buildUi()
{
    ui.build(this, table.layout);
    factors.attach(pllmsLineEdit, pllnsLineEdit);
    buildDesignKeys();
}

void KytoR8x0PLL::connectSignals()
{
    connectOscillatorSignals();
    connect(ui.pllfrComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    connectBusSignals();
    connect(ui.usbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbdiv_ComboBox_currentIndexChanged(int)));
    connect(ui.usbswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : ui.hicktousbRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
    for (QRadioButton *r : ui.clkout1Radios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(clkout1_RadioButton_checkSlot(bool)));
    connect(ui.clockout1div1ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockout1div1_ComboBox_currentIndexChanged(int)));
    connect(ui.clockout1div2ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockout1div2_ComboBox_currentIndexChanged(int)));
    connect(ui.clockout1PinSelectComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockout1PinSelectComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : ui.clkout2Radios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(clkout2_RadioButton_checkSlot(bool)));
    connect(ui.clockout2div1ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockout2div1_ComboBox_currentIndexChanged(int)));
    connect(ui.clockout2div2ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockout2div2_ComboBox_currentIndexChanged(int)));
    connect(ui.clockout2PinSelectComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockout2PinSelectComboBox_currentIndexChanged(int)));
}

// ---------------------------------------------------------------- defaults

void KytoR8x0PLL::resetDefaults()
{
    ClickUndo::Reset reset(undo, messages, factors.pageEdits(hextLineEdit, sclkLineEdit));
    resetClockSources();
    resetPllSource();
    pllmsLineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    pllnsLineEdit->setText(QStringLiteral("*144"));
    model->pllNs = 144;
    ui.pllfrComboBox->setCurrentIndex(2);
    model->pllFr = 4;
    resetBuses();
    ui.usbdivComboBox->setCurrentIndex(10);
    model->usbDiv = 6.0;
    ui.hicktousbRadios[UsbFromPll]->setChecked(true);
    model->usbFromHick = 0;
    ui.usbswitchComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    hicktosclkRadios[HickSixth]->setChecked(true);
    model->sclkHick48 = 0;
    ui.clkout1Radios[C1Hick]->setChecked(true);
    model->clkout1Source = 0;
    ui.clkout2Radios[C2Sclk]->setChecked(true);
    model->clkout2Source = 0;
    ui.clockout1div1ComboBox->setCurrentIndex(0);
    model->clkout1Div1 = 1;
    ui.clockout1div2ComboBox->setCurrentIndex(0);
    model->clkout1Div2 = 1;
    ui.clockout1PinSelectComboBox->setCurrentIndex(0);
    model->clkout1Pin = 0;
    ui.clockout2div1ComboBox->setCurrentIndex(0);
    model->clkout2Div1 = 1;
    ui.clockout2div2ComboBox->setCurrentIndex(0);
    model->clkout2Div2 = 1;
    ui.clockout2PinSelectComboBox->setCurrentIndex(0);
    model->clkout2Pin = 0;

    // On a connected page the steps above ran slots, which may have re-tuned
    // the PLL for the previous design's clocks.
    restorePllSettings(defaultPllTexts());

    reset.speak();
    highlightClockPaths();
    updateErtcDisplay();
    checkAndRefresh();
}

void KytoR8x0PLL::restorePllSettings(const QHash<QString, QString> &texts)
{
    const QSignalBlocker frBlocker(ui.pllfrComboBox);
    const QSignalBlocker usbBlocker(ui.usbdivComboBox);
    const QSignalBlocker apb1Blocker(apb1divComboBox);
    const QSignalBlocker apb2Blocker(apb2divComboBox);
    for (const char *key : {"pllms", "pllns", "pllfr", "usbdiv", "apb1div", "apb2div"})
        designKeys.apply(QString::fromLatin1(key), texts.value(QString::fromLatin1(key)));
}

// ---------------------------------------------------------------- conditions

bool KytoR8x0PLL::usbOn() const
{
    return ui.usbswitchComboBox->currentIndex() == 0;
}

bool KytoR8x0PLL::usbFromPllRadio() const
{
    return ui.hicktousbRadios[UsbFromPll]->isChecked();
}

bool KytoR8x0PLL::clkout1PinSet() const
{
    return ui.clockout1PinSelectComboBox->currentIndex() != 0;
}

bool KytoR8x0PLL::clkout2PinSet() const
{
    return ui.clockout2PinSelectComboBox->currentIndex() != 0;
}

bool KytoR8x0PLL::pllInUse() const
{
    return sclkFromPll() || (usbOn() && usbFromPllRadio())
        || (clkout1PinSet() && ui.clkout1Radios[C1Pll]->isChecked())
        || (clkout2PinSet() && ui.clkout2Radios[C2Pll]->isChecked());
}

bool KytoR8x0PLL::hextInUse() const
{
    return sclkFromHext() || (clkout1PinSet() && ui.clkout1Radios[C1Hext]->isChecked())
        || (clkout2PinSet() && ui.clkout2Radios[C2Hext]->isChecked()) || (pllFromHext() && pllInUse());
}

bool KytoR8x0PLL::hextEditInUse() const
{
    return hextInUse() || (rtcOn() && rtcselRadios[RtcHext]->isChecked());
}

double KytoR8x0PLL::hickSourceMhz() const
{
    const bool at48 = (usbOn() && ui.hicktousbRadios[UsbFromHick]->isChecked())
        || (sclkFromHick() && hicktosclkRadios[Hick48]->isChecked()) || (sclkFromPll() && !pllFromHext());
    return at48 ? 48.0 : 8.0;
}

// ---------------------------------------------------------------- slots

void KytoR8x0PLL::hextTaken()
{
    // USB from the PLL while SCLK is not: the PLL is solved for USB anew.
    if (!sclkFromPll() && usbOn() && usbFromPllRadio()) {
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
}

void KytoR8x0PLL::onPllFrChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    // The choice is stored before the HEXT check, so that a bad HEXT text
    // cannot leave the combo showing a divider the model does not hold.
    model->pllFr = pllFrDividers().intAt(index);
    if (!takeHextForPll())
        return;
    checkAndRefresh();
}

void KytoR8x0PLL::onUsbDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDiv = usbDividers().valueAt(index);
    if (sclkFromPll() || !usbOn() || !usbFromPllRadio()) {
        if (!checkPllSettings())
            return;
        model->recompute();
    } else {
        if (!takeHextForPll())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    }
    refreshFrequencies();
}

void KytoR8x0PLL::onUsbSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->usbDisabled = index;
    highlightClockPaths();
    if (index != 0) {
        resolvePll();
    } else if (usbFromPllRadio()) {
        if (!takeHextForPll())
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

void KytoR8x0PLL::onHickToUsbToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (usbFromPllRadio()) {
        model->usbFromHick = 0;
        if (!takeHextForPll())
            return;
        model->recomputeUsb();
        model->recompute();
        showPllParams();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        resolvePll();
    }
    refreshFrequencies();
}

void KytoR8x0PLL::onClkout1Toggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkout1Source = qMax(0, firstChecked(ui.clkout1Radios));
    checkAndRefresh();
}

void KytoR8x0PLL::onClkout2Toggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkout2Source = qMax(0, firstChecked(ui.clkout2Radios));
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout1Div1Changed(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkout1Div1 = clockOutDiv1().intAt(index);
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout1Div2Changed(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkout1Div2 = DividerTable::clockOut().intAt(index);
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout1PinChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkout1Pin = index;
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout2Div1Changed(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkout2Div1 = clockOutDiv1().intAt(index);
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout2Div2Changed(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkout2Div2 = DividerTable::clockOut().intAt(index);
    checkAndRefresh();
}

void KytoR8x0PLL::onClockout2PinChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkout2Pin = index;
    checkAndRefresh();
}

// ---------------------------------------------------------------- path highlighting

void KytoR8x0PLL::highlightClockPaths()
{
    updateOscillatorEnables(rtcOn() && rtcselRadios[RtcLext]->isChecked());
    setHextEditEnabled(hextEditInUse());
    hickLabel->setEnabled(true);
    hickReadout->setEnabled(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
    updatePllEnables();
    styleRadios(hicktosclkLabel, hicktosclkRadios, sclkFromHick());
    updateClockOutputStyle(1, clkout1PinSet());
    if (clkout2PinSet()) {
        updateClockOutputStyle(2, true);
        updateClkout2UsbStyle(usbOn());
    } else {
        updateClockOutputStyle(2, false);
    }
    updateUsbSwitchEnables();
}

void KytoR8x0PLL::updatePllEnables()
{
    const bool on = pllInUse();
    setPllInUse(on);
    ui.pllfrLabel->setEnabled(on);
    ui.pllfrComboBox->setComboBoxEnabled(on);
}

void KytoR8x0PLL::updateClockOutputStyle(int output, bool on)
{
    const bool first = output == 1;
    for (QLabel *label : first ? QVector<QLabel *>{ui.clockout1div1Label, ui.clockout1div2Label}
                               : QVector<QLabel *>{ui.clockout2div1Label, ui.clockout2div2Label})
        label->setEnabled(on);
    for (CustomComboBox1 *combo : first ? QVector<CustomComboBox1 *>{ui.clockout1div1ComboBox, ui.clockout1div2ComboBox}
                                        : QVector<CustomComboBox1 *>{ui.clockout2div1ComboBox, ui.clockout2div2ComboBox})
        combo->setComboBoxEnabled(on);
    for (QRadioButton *r : first ? ui.clkout1Radios : ui.clkout2Radios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    const QVector<QLabel *> labels = first ? ui.clkout1NameLabels + ui.clkout1SourceFreqLabels
                                           : ui.clkout2NameLabels + ui.clkout2SourceFreqLabels;
    for (QLabel *label : labels)
        label->setEnabled(on);
    (first ? ui.clkout1FreqLabel : ui.clkout2FreqLabel)->setEnabled(on);
    (first ? ui.clkout1TitleLabel : ui.clkout2TitleLabel)->setEnabled(on);
}

void KytoR8x0PLL::updateClkout2UsbStyle(bool on)
{
    QRadioButton *usb = ui.clkout2Radios[C2Usb];
    usb->setStyleSheet(PageStyles::radio(on));
    // A clock output cannot stay on a USB clock that is switched off.
    if (!on && usb->isChecked() && !usbOn())
        ui.clkout2Radios[C2Sclk]->setChecked(true);
    ui.clkout2NameLabels[C2Usb]->setEnabled(on);
    usb->setEnabled(on);
    ui.clkout2SourceFreqLabels[C2Usb]->setEnabled(on);
}

void KytoR8x0PLL::updateUsbSwitchEnables()
{
    if (!usbOn()) {
        ui.usbdivLabel->setEnabled(false);
        ui.usbdivComboBox->setComboBoxEnabled(false);
        styleRadios(ui.hicktousbLabel, ui.hicktousbRadios, false);
        updateClkout2UsbStyle(false);
        ui.usbFreqLabel->hide();
        return;
    }
    styleRadios(ui.hicktousbLabel, ui.hicktousbRadios, true);
    updateClkout2UsbStyle(clkout2PinSet());
    ui.usbFreqLabel->show();
    const bool fromPll = usbFromPllRadio();
    ui.usbdivLabel->setEnabled(fromPll);
    ui.usbdivComboBox->setComboBoxEnabled(fromPll);
}

// ---------------------------------------------------------------- read-outs

bool KytoR8x0PLL::usbRetunesPll() const
{
    // The radio keeps its choice while USB is off; only a USB that runs re-tunes.
    return usbOn() && usbFromPllRadio();
}

void KytoR8x0PLL::showPllParams()
{
    factors.showModel();
    ui.pllfrComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(model->pllFr));
}

void KytoR8x0PLL::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    const double sclk = model->sclkMhz;
    sclkLineEdit->setText(Readouts::mhz(sclk));
    setEditTextColor(sclkLineEdit, Readouts::limitColour(sclk, sclkMax));
    for (QLabel *note : ui.noteLabels)
        note->setVisible(sclk > kNotesAbove);

    const QVector<R8x0Readout> &rows = table.layout.readouts;
    for (int i = 0; i < rows.size(); ++i) {
        QLineEdit *box = ui.readouts[i];
        switch (rows[i].kind) {
        case R8x0ReadoutKind::Sclk:
            Readouts::show(box, sclk, sclkMax);
            break;
        case R8x0ReadoutKind::Systick:
            setEditTextColor(box, Readouts::limitColour(model->ahbMhz, sclkMax));
            box->setText(Readouts::mhz(model->ahbMhz * 0.125));
            break;
        case R8x0ReadoutKind::Ahb:
        case R8x0ReadoutKind::Adc:
            Readouts::show(box, model->ahbMhz, sclkMax);
            break;
        case R8x0ReadoutKind::Apb1:
            Readouts::show(box, model->apb1Mhz, apbMax);
            break;
        case R8x0ReadoutKind::Apb1Timer:
            Readouts::show(box, model->apb1TimerMhz, sclkMax);
            break;
        case R8x0ReadoutKind::Apb2:
            Readouts::show(box, model->apb2Mhz, apbMax);
            break;
        case R8x0ReadoutKind::Apb2Timer:
            Readouts::show(box, model->apb2TimerMhz, sclkMax);
            break;
        }
    }

    syncApbFieldsFromModel();

    setTextColor(ui.usbFreqLabel, UsbClock::is48(model->usbMhz) ? Qt::darkGreen : Qt::red);
    ui.usbFreqLabel->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));
    ui.usbdivComboBox->setCurrentIndex(usbDividers().indexOrFirst(model->usbDiv));

    if (pllOutputLabel->isEnabled()) {
        setTextColor(pllOutputLabel, Readouts::limitColour(model->pllMhz, sclkMax));
        pllOutputLabel->setText(Readouts::mhz(model->pllMhz) + QStringLiteral("MHz"));
    } else {
        pllOutputLabel->setText(QString());
    }
    const bool inUse = pllcfgLabel->isEnabled();
    PllCfgReadout::show(pllcfgLabel, pllcfgReadout, inUse, inUse ? formatPllCfgValue() : QString());

    // A clock output on no pin shows no frequencies.
    if (clkout1PinSet()) {
        updateClkout1SourceLabels();
    } else {
        for (QLabel *label : ui.clkout1SourceFreqLabels + QVector<QLabel *>{ui.clkout1FreqLabel})
            label->clear();
        for (QLabel *label : ui.clkout1SourceFreqLabels)
            label->hide();
    }
    if (clkout2PinSet()) {
        updateClkout2SourceLabels();
    } else {
        for (QLabel *label : ui.clkout2SourceFreqLabels + QVector<QLabel *>{ui.clkout2FreqLabel})
            label->clear();
        setGroupVisible(false);
    }
}

QString KytoR8x0PLL::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFrDivider(*model));
}

namespace {

// "(f MHz)" of a clock-output source, or "(f kHz)" for the slow ones.
QString sourceText(double value, bool khz)
{
    return QStringLiteral("(") + Readouts::mhz(value) + (khz ? QStringLiteral(" kHz)") : QStringLiteral(" MHz)"));
}

} // namespace

void KytoR8x0PLL::updateClkout1SourceLabels()
{
    for (QLabel *label : ui.clkout1SourceFreqLabels)
        label->hide();
    const double d1 = model->clkout1Div1, d2 = model->clkout1Div2;
    struct Source {
        int radio;
        double value;
        bool khz;
    };
    const Source order[] = {{C1Lext, model->lextKhz, true},
                            {C1Hick, hickSourceMhz(), false},
                            {C1Hext, model->hextMhz, false},
                            {C1Pll, model->pllMhz, false}};
    ui.clkout1FreqLabel->setText(QString());
    for (const Source &s : order) {
        if (!ui.clkout1Radios[s.radio]->isChecked())
            continue;
        ui.clkout1SourceFreqLabels[s.radio]->setText(sourceText(s.value, s.khz));
        ui.clkout1SourceFreqLabels[s.radio]->show();
        ui.clkout1FreqLabel->setText(sourceText(s.value / d1 / d2, s.khz));
        break;
    }
    if (!clkout1PinSet())
        ui.clkout1FreqLabel->setText(QString());
}

void KytoR8x0PLL::setGroupVisible(bool visible)
{
    for (QLabel *label : ui.clkout2SourceFreqLabels)
        label->setVisible(visible);
}

void KytoR8x0PLL::updateClkout2SourceLabels()
{
    setGroupVisible(false);
    const double d1 = model->clkout2Div1, d2 = model->clkout2Div2;
    struct Source {
        int radio;
        double value;
        bool khz;
    };
    const Source order[] = {{C2Lick, 40.0, true},
                            {C2Lext, model->lextKhz, true},
                            {C2Hick, hickSourceMhz(), false},
                            {C2Hext, model->hextMhz, false},
                            {C2Sclk, model->sclkMhz, false},
                            {C2Usb, model->usbMhz, false},
                            {C2Adc, 0.0, false},
                            {C2Pll, model->pllMhz, false}};
    ui.clkout2FreqLabel->setText(QString());
    for (const Source &s : order) {
        if (!ui.clkout2Radios[s.radio]->isChecked())
            continue;
        QLabel *label = ui.clkout2SourceFreqLabels[s.radio];
        if (s.radio == C2Adc) {
            // These series give no ADC clock to show.
            label->setText(QString());
        } else {
            label->setText(sourceText(s.value, s.khz));
            ui.clkout2FreqLabel->setText(sourceText(s.value / d1 / d2, s.khz));
        }
        label->show();
        break;
    }
    if (!clkout2PinSet())
        ui.clkout2FreqLabel->setText(QString());
}

// ---------------------------------------------------------------- generation and design files

bool KytoR8x0PLL::runLimitChecks()
{
    // The model is brought up to the typed settings first: a slot that
    // stopped at a failed check may have left new inputs beside stale
    // clocks, and the limits must judge what would be generated.
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();

    QVector<LimitRow> limits{
        {model->sclkMhz, double(sclkMax), QT_TRANSLATE_NOOP("KytoR8x0PLL", "Can not support sclk greater than")},
        {model->apb1Mhz, double(apbMax), QT_TRANSLATE_NOOP("KytoR8x0PLL", "Can not support apb1clk greater than")},
        {model->apb2Mhz, double(apbMax), QT_TRANSLATE_NOOP("KytoR8x0PLL", "Can not support apb2clk greater than")},
    };
    if (pllOutputLabel->isEnabled())
        limits.append({model->pllMhz, double(sclkMax),
                       QT_TRANSLATE_NOOP("KytoR8x0PLL", "Can not support pll clock greater than")});
    const QVector<LimitQuestion> questions{
        {model->usbDisabled == 0 && !UsbClock::is48(model->usbMhz),
         QT_TRANSLATE_NOOP("KytoR8x0PLL", "USB clock must be 48MHz. But the USB clock of current config is wrong.  "
                                          "please confirm whether to continue?")},
    };
    return LimitChecks::pass(messages, limits, questions);
}

bool KytoR8x0PLL::generateCode()
{
    if (!confirmPendingEdits())
        return false;
    if (!validateLineEdits())
        return false;
    if (!runLimitChecks())
        return false;
    return CodeGeneration::writeSources(this, messages, model, QString::fromLatin1(kStem));
}

void KytoR8x0PLL::saveConfig(QString seriesName)
{
    if (!confirmPendingEdits() || !runLimitChecks())
        return;
    if (seriesName.isEmpty())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

void KytoR8x0PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    addClockSourceKeys();
    addPllSourceKey();
    designKeys.add(factors.designKey(QStringLiteral("pllms"), PllFactorEdits::Ms, &model->pllMs));
    designKeys.add(factors.designKey(QStringLiteral("pllns"), PllFactorEdits::Ns, &model->pllNs));
    addDividerKey(QStringLiteral("pllfr"), ui.pllfrComboBox, &model->pllFr, pllFrDividers(), 1);
    addBusKeys();
    designKeys.add(Keys::text(QStringLiteral("usbdiv"), [this] { return QString::number(model->usbDiv, 'f', 1); },
                              [this](const QString &text) {
        const int index = usbDividers().indexOrFirst(FiniteNumber::orZero(text));
        model->usbDiv = usbDividers().valueAt(index);
        ui.usbdivComboBox->setCurrentIndex(index);
    }));
    addRadioKey(QStringLiteral("hicktousb"), ui.hicktousbRadios, &model->usbFromHick, 0);
    // Only the switch's two codes; anything else leaves USB off.
    designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; }, [this](int code) {
        model->usbDisabled = code;
        ui.usbswitchComboBox->setCurrentIndex(code);
    }, {0, 1}, 1));
    addRadioKey(QStringLiteral("hicktosclk"), hicktosclkRadios, &model->sclkHick48, 0);
    // Only the offered pins; an unknown one means no clock output.
    auto pinRow = [this](const QString &key, int *field, CustomComboBox1 *combo, const QVector<int> &codes) {
        designKeys.add(Keys::code(key, [field] { return *field; }, [field, combo](int code) {
            *field = code;
            combo->setCurrentIndex(code);
        }, codes, 0));
    };
    addRadioKey(QStringLiteral("clkout1"), ui.clkout1Radios, &model->clkout1Source, 0);
    addDividerKey(QStringLiteral("clkout1div1"), ui.clockout1div1ComboBox, &model->clkout1Div1, clockOutDiv1(), 1);
    addDividerKey(QStringLiteral("clkout1div2"), ui.clockout1div2ComboBox, &model->clkout1Div2,
                  DividerTable::clockOut(), 1);
    pinRow(QStringLiteral("clkout1pinselect"), &model->clkout1Pin, ui.clockout1PinSelectComboBox, {0, 1, 2});
    addRadioKey(QStringLiteral("clkout2"), ui.clkout2Radios, &model->clkout2Source, 0);
    addDividerKey(QStringLiteral("clkout2div1"), ui.clockout2div1ComboBox, &model->clkout2Div1, clockOutDiv1(), 1);
    addDividerKey(QStringLiteral("clkout2div2"), ui.clockout2div2ComboBox, &model->clkout2Div2,
                  DividerTable::clockOut(), 1);
    pinRow(QStringLiteral("clkout2pinselect"), &model->clkout2Pin, ui.clockout2PinSelectComboBox, {0, 1});
}

void KytoR8x0PLL::loadConfig(QString path)
{
    const ClickUndo::Batch batch(undo);
    // Read in another order than written: each key's slot runs as it is
    // applied, and the pin decides what its source slot highlights.
    static const QStringList order{
        "lextbypass", "rtcsel", "rtcswitch", "rtcdiv", "hext", "hextbypass", "pllrcs", "pllms", "pllns",
        "pllfr", "sclkselect", "ahbdiv", "apb1div", "apb2div", "usbdiv", "hicktosclk", "hicktousb",
        "tousbswitch", "clkout1pinselect", "clkout1", "clkout1div1", "clkout1div2", "clkout2pinselect",
        "clkout2", "clkout2div1", "clkout2div2"};
    const QHash<QString, QString> texts = designKeys.load(path, order, messages);
    // Slots run on the way may have re-tuned the PLL for the constructor's
    // clocks; put back what the file holds, so that opening gives back the
    // saved design.
    restorePllSettings(texts);

    highlightClockPaths();
    updateErtcDisplay();
    designKeys.tellReplacedValues(messages);
    // A refused check (a bad value, a question answered Cancel) still leaves
    // the page showing the design it holds.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
}
