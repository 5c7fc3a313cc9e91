#include "KytoR9x0PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"
#include "../common/UsbClock.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const double kApb3Max = 90.0;
const double kHextMin = 4.0;
const double kHextMax = 25.0;

// Messages of the family, translated in the context of each series class.
const char *const kHextError = QT_TRANSLATE_NOOP("KytoR9x0PLL", "hext input error!");
const char *const kSclkError = QT_TRANSLATE_NOOP("KytoR9x0PLL", "sclk input error!");
const char *const kApb3Error = QT_TRANSLATE_NOOP("KytoR9x0PLL", "apb3div input error!");
const char *const kSclkLimit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support sclk greater than");
const char *const kApb1Limit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support apb1clk greater than");
const char *const kApb2Limit = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Can not support apb2clk greater than");
const char *const kUsbQuestion = QT_TRANSLATE_NOOP(
    "KytoR9x0PLL",
    "USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?");
const char *const kActualValue = QT_TRANSLATE_NOOP("KytoR9x0PLL", "Actual value");

const char *const kTemplateStem = "kytor9x0";

// The divisor of an item; `other` while the combo box has no current item.
int valueOr(const DividerTable &table, int index, int other)
{
    return index >= 0 && index < table.count() ? table.intAt(index) : other;
}

double toDoubleOrZero(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace

KytoR9x0PLL::KytoR9x0PLL(const R9x0SeriesTable &seriesTable, QWidget *parent)
    : KytoR9x0Controls(seriesTable, parent)
{
}

KytoR9x0PLL::~KytoR9x0PLL() = default;

void KytoR9x0PLL::buildUi()
{
    buildPage();
    factors.attach(pllmsLineEdit, pllnsLineEdit);
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
    rtcselRadios[0]->setChecked(true);
    model->rtcSource = 0;
    rtcswitchComboBox->setCurrentIndex(0);
    model->rtcEnabled = false;
    rtcdivComboBox->setCurrentIndex(0);
    model->rtcHextDiv = 2;
    lextbypassComboBox->setCurrentIndex(0);
    model->lextBypass = false;
    model->pllFlexibleMode = 1;
    hextbypassComboBox->setCurrentIndex(0);
    model->hextBypass = false;
    hextLineEdit->setText(QStringLiteral("8"));
    model->hextMhz = 8.0;
    hextdivComboBox->setCurrentIndex(0);
    model->hextDiv = 1;
    hickdivComboBox->setCurrentIndex(0);
    model->hickDiv = 1;
    pllrcsRadios[0]->setChecked(true);
    model->pllSource = 0;
    pllmsLineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    pllnsLineEdit->setText(QStringLiteral("*144"));
    model->pllNs = 144;
    pllfpComboBox->setCurrentIndex(3);
    model->pllFp = 6;
    sclkselectRadios[1]->setChecked(true);
    model->sclkSource = 1;
    sclkLineEdit->setEnabled(true);
    systickBox->setText(QStringLiteral("/ 8"));
    ahbdivComboBox->setCurrentIndex(0);
    model->ahbDiv = 1;
    apb1divComboBox->setCurrentIndex(0);
    model->apb1Div = 1;
    apb2divComboBox->setCurrentIndex(0);
    model->apb2Div = 1;
    apb3divComboBox->setCurrentIndex(2);
    model->apb3Div = 4;
    pllfuComboBox->setCurrentIndex(4);
    model->pllFu = 16;
    hicktousbRadios[0]->setChecked(true);
    model->usbFromHick = 0;
    usbswitchComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    hicktosclkRadios[0]->setChecked(true);
    model->sclkHick48 = 0;
    clkoutRadios[ClkSclk]->setChecked(true);
    model->clkoutSource = clkoutCode(ClkSclk);
    clockoutdiv1ComboBox->setCurrentIndex(0);
    model->clkoutDiv1 = 1;
    clockoutdiv2ComboBox->setCurrentIndex(0);
    model->clkoutDiv2 = 1;
    clockoutPinSelectComboBox->setCurrentIndex(0);
    model->clkoutPin = 0;
    for (int can = 0; can < 3; ++can) {
        canGroups[can].check(CanHext);
        canSourceField(model, can) = CanHext;
        canGroups[can].switchCombo->setCurrentIndex(0);
        canEnabledField(model, can) = false;
    }
    i2sf5Group.check(I2sPllp);
    model->i2sf5ClockSource = I2sPllp;
    i2sf5Group.switchCombo->setCurrentIndex(0);
    model->i2sf5Enabled = false;

    // With the slots live (New, Config Reset) the steps above may search
    // PLL factors for the previous design's system clock on the way.
    restorePllFactors(1, 144, 6, 16);
    highlightClockPaths();
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

void KytoR9x0PLL::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}

void KytoR9x0PLL::onListButtonClicked(int list)
{
    lists.toggle(list);
}

// ---------------------------------------------------------------- branch predicates

bool KytoR9x0PLL::rtcOn() const
{
    return rtcswitchComboBox->currentIndex() != 0;
}

bool KytoR9x0PLL::sclkFromHext() const
{
    return sclkselectRadios[0]->isChecked();
}

bool KytoR9x0PLL::sclkFromPll() const
{
    return sclkselectRadios[1]->isChecked();
}

bool KytoR9x0PLL::sclkFromHick() const
{
    return sclkselectRadios[2]->isChecked();
}

bool KytoR9x0PLL::pllFromHext() const
{
    return pllrcsRadios[0]->isChecked();
}

bool KytoR9x0PLL::usbOn() const
{
    return usbswitchComboBox->currentIndex() == 0;
}

bool KytoR9x0PLL::usbFromPll() const
{
    return hicktousbRadios[0]->isChecked();
}

bool KytoR9x0PLL::clkoutOn() const
{
    return clockoutPinSelectComboBox->currentIndex() != 0;
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
    updateLextBypassStyle((rtcOn() && rtcselRadios[1]->isChecked()) || (clkoutOn() && clkoutFrom(ClkLext)));
    updateRtcSwitchEnables();
    const bool ertcDiv = rtcOn() && rtcselRadios[2]->isChecked();
    rtcdivLabel->setEnabled(ertcDiv);
    rtcdivComboBox->setComboBoxEnabled(ertcDiv);
    updateHextEnables();
    updateHickEnables();
    updatePllEnables();
    updateHickToSclkStyle(sclkFromHick());
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

void KytoR9x0PLL::setPinLabels(QLabel *in, QLabel *out, bool flag, CustomComboBox1 *bypass)
{
    in->setEnabled(flag);
    in->setStyleSheet(PageStyles::pinText(flag));
    const bool outOn = flag && bypass->currentIndex() == 0;
    out->setStyleSheet(PageStyles::pinText(outOn));
    out->setEnabled(outOn);
}

void KytoR9x0PLL::updateLextBypassStyle(bool flag)
{
    lextReadout->setStyleSheet(PageStyles::frame(flag));
    lextLabel->setEnabled(flag);
    lextReadout->setEnabled(flag);
    lextBypassLabel->setEnabled(flag);
    lextbypassComboBox->setComboBoxEnabled(flag);
    setPinLabels(lextInLabel, lextOutLabel, flag, lextbypassComboBox);
}

void KytoR9x0PLL::updateRtcSwitchEnables()
{
    const bool flag = rtcOn();
    updateRtcSelStyle(flag);
    rtcLabel->setEnabled(flag);
    rtcReadout->setEnabled(flag);
    setEditTextColor(rtcReadout, flag ? Qt::darkGreen : Qt::gray);
}

void KytoR9x0PLL::updateRtcSelStyle(bool flag)
{
    for (QRadioButton *radio : rtcselRadios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    rtcselLabel->setEnabled(flag);
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

void KytoR9x0PLL::setHextEditEnabled(bool flag)
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
    setPinLabels(hextInLabel, hextOutLabel, flag, hextbypassComboBox);
}

void KytoR9x0PLL::updateHextDivStyle(bool flag)
{
    hextdivLabel->setEnabled(flag);
    hextdivComboBox->setComboBoxEnabled(flag);
}

void KytoR9x0PLL::updateHickEnables()
{
    const bool flag = sclkFromHick();
    hickdivLabel->setEnabled(flag);
    hickdivComboBox->setComboBoxEnabled(flag);
    hickLabel->setEnabled(true);
    hickReadout->setEnabled(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
}

void KytoR9x0PLL::updatePllEnables()
{
    const bool flag = pllInUse();
    updatePllRcsStyle(flag);
    factors.setInUse(flag);
    for (QLabel *label : {pllmsLabel, pllmsRangeLabel, pllnsLabel, pllnsRangeLabel})
        label->setEnabled(flag);
    updatePllFpStyle(flag);
    pllcfgLabel->setEnabled(flag);
    pllcfgReadout->setEnabled(flag);
}

void KytoR9x0PLL::updatePllRcsStyle(bool flag)
{
    for (QRadioButton *radio : pllrcsRadios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    pllrcsLabel->setEnabled(flag);
}

void KytoR9x0PLL::updatePllFpStyle(bool flag)
{
    pllfpLabel->setEnabled(flag);
    pllfpComboBox->setComboBoxEnabled(flag);
    pllOutputLabel->setEnabled(flag);
}

void KytoR9x0PLL::updateHickToSclkStyle(bool flag)
{
    for (QRadioButton *radio : hicktosclkRadios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    hicktosclkLabel->setEnabled(flag);
}

void KytoR9x0PLL::updateHickToUsbStyle(bool flag)
{
    for (QRadioButton *radio : hicktousbRadios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    hicktousbLabel->setEnabled(flag);
}

void KytoR9x0PLL::updateClkoutStyle(bool flag)
{
    for (QRadioButton *radio : clkoutRadios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    clockoutdiv1Label->setEnabled(flag);
    clockoutdiv1ComboBox->setComboBoxEnabled(flag);
    clockoutdiv2Label->setEnabled(flag);
    clockoutdiv2ComboBox->setComboBoxEnabled(flag);
    for (QLabel *label : clkoutNameLabels)
        label->setEnabled(flag);
    for (QLabel *label : clkoutValueLabels)
        label->setEnabled(flag);
    clkoutFreqLabel->setEnabled(flag);
    clkoutTitleLabel->setEnabled(flag);
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
        updateHickToUsbStyle(true);
        updateClkoutUsbStyle(clkoutOn());
        usbFreqLabel->show();
        pllfuLabel->setEnabled(usbFromPll());
        pllfuComboBox->setComboBoxEnabled(usbFromPll());
    } else {
        pllfuLabel->setEnabled(false);
        pllfuComboBox->setComboBoxEnabled(false);
        updateHickToUsbStyle(false);
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

void KytoR9x0PLL::updateErtcDisplay()
{
    QString text;
    if (!rtcOn()) {
        text = QStringLiteral("0");
    } else if (rtcselRadios[0]->isChecked()) {
        text = QStringLiteral("40");
    } else if (rtcselRadios[1]->isChecked()) {
        text = QStringLiteral("32.768");
    } else {
        double hext = 0.0;
        text = validateHextLineEdit(hext) ? QString::number(hext * 1000.0 / model->rtcHextDiv, 'f', 3)
                                          : QStringLiteral("0");
    }
    rtcReadout->setText(text);
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

bool KytoR9x0PLL::checkPllSettings()
{
    if (hextInUse()) {
        const double hext = toDoubleOrZero(hextLineEdit->text());
        if (hext < kHextMin || hext > kHextMax) {
            messages.showError(messages.text(kHextError));
            return false;
        }
        model->hextMhz = hext;
    }
    if (!pllInUse())
        return true;
    return factors.checkTyped();
}

void KytoR9x0PLL::pllTail()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

bool KytoR9x0PLL::hextRefresh()
{
    if (!pllFromHext())
        return true;
    double hext = 0.0;
    if (!validateHextLineEdit(hext))
        return false;
    model->hextMhz = hext;
    return true;
}

void KytoR9x0PLL::usbSearch()
{
    model->recomputeUsb();
    showPllParams();
    refreshFrequencies();
}

void KytoR9x0PLL::recomputeAndRefresh()
{
    if (sclkFromPll())
        model->recomputeFromPll();
    else if (usbFromPll() && usbOn())
        model->recomputeUsb();
    else
        // The USB search does nothing while USB is off; the clocks still
        // follow the new selection.
        model->recompute();
    showPllParams();
    refreshFrequencies();
}

void KytoR9x0PLL::showPllParams()
{
    factors.showModel();
    pllfpComboBox->setCurrentIndex(pllFpDividers().indexOrFirst(model->pllFp));
}

void KytoR9x0PLL::syncApbFieldsFromModel()
{
    apb1divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb1TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}

QString KytoR9x0PLL::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFpFuDividers(*model));
}

void KytoR9x0PLL::refreshFrequencies()
{
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
            Readouts::show(box, model->apb3Mhz, kApb3Max);
            break;
        }
    }
    syncApbFieldsFromModel();

    setTextColor(usbFreqLabel, UsbClock::is48(model->usbMhz) ? Qt::darkGreen : Qt::red);
    usbFreqLabel->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));

    pllfuComboBox->setCurrentIndex(pllFuDividers().indexOrFirst(model->pllFu));
    pllOutputLabel->setText(pllOutputLabel->isEnabled() ? Readouts::mhz(model->pllMhz) + QStringLiteral("MHz")
                                                        : QString());
    if (pllcfgLabel->isEnabled()) {
        pllcfgLabel->setText(QStringLiteral("CRM_PLLCFG: "));
        pllcfgReadout->setText(formatPllCfgValue());
    } else {
        pllcfgLabel->setText(QString());
        pllcfgReadout->setText(QString());
    }
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

void KytoR9x0PLL::setBypass(QLabel *out, int index, bool &field)
{
    const bool crystal = index == 0;
    out->setStyleSheet(PageStyles::pinText(crystal));
    out->setEnabled(crystal);
    field = !crystal;
}

// ---------------------------------------------------------------- slot bodies

void KytoR9x0PLL::onRtcSelClicked(bool)
{
    highlightClockPaths();
    if (rtcselRadios[0]->isChecked()) {
        model->rtcSource = 0;
    } else if (rtcselRadios[1]->isChecked()) {
        model->rtcSource = 1;
    } else {
        model->rtcSource = 2;
        onHextReturnPressed();
    }
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoR9x0PLL::onPllRcsClicked(bool)
{
    highlightClockPaths();
    model->pllSource = pllFromHext() ? 0 : 1;
    if (!hextRefresh())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    recomputeAndRefresh();
}

void KytoR9x0PLL::onSclkSelectHextToggled(bool)
{
    highlightClockPaths();
    if (sclkFromHext()) {
        model->sclkSource = 0;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        double hext = 0.0;
        if (!validateHextLineEdit(hext))
            return;
        model->hextMhz = hext;
        pllTail();
    }
    recomputeAndRefresh();
}

void KytoR9x0PLL::onSclkSelectPllToggled(bool)
{
    highlightClockPaths();
    if (sclkFromPll()) {
        model->sclkSource = 1;
        sclkLineEdit->setEnabled(true);
        sclkLineEdit->setStyleSheet(PageStyles::editApplied());
        if (!hextRefresh())
            return;
        pllTail();
    }
    recomputeAndRefresh();
}

void KytoR9x0PLL::onSclkSelectHickToggled(bool)
{
    highlightClockPaths();
    if (sclkFromHick()) {
        model->sclkSource = 2;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        pllTail();
    }
    recomputeAndRefresh();
}

void KytoR9x0PLL::onHickToUsbToggled(bool)
{
    highlightClockPaths();
    if (usbFromPll()) {
        model->usbFromHick = 0;
        if (!hextRefresh())
            return;
        usbSearch();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        recomputeAndRefresh();
        refreshFrequencies();
    }
}

void KytoR9x0PLL::onHickToSclkToggled(bool)
{
    model->sclkHick48 = hicktosclkRadios[0]->isChecked() ? 0 : 1;
    pllTail();
}

void KytoR9x0PLL::onClkoutToggled(bool flag)
{
    highlightClockPaths();
    if (!flag)
        return;
    int code = clkoutCode(ClkSclk);
    for (int k = 0; k < clkoutRadios.size(); ++k) {
        if (clkoutRadios[k]->isChecked()) {
            code = clkoutCode(k);
            break;
        }
    }
    model->clkoutSource = code;
    pllTail();
}

void KytoR9x0PLL::onCanClockSelToggled(int can, bool)
{
    highlightClockPaths();
    const int source = canGroups[can].checkedSource();
    canSourceField(model, can) = source < 0 ? CanHext : source;
    pllTail();
}

void KytoR9x0PLL::onI2sf5ClockSelToggled(bool)
{
    highlightClockPaths();
    const int source = i2sf5Group.checkedSource();
    model->i2sf5ClockSource = source < 0 ? I2sPllp : source;
    pllTail();
}

void KytoR9x0PLL::onRtcSwitchChanged(int index)
{
    highlightClockPaths();
    if (index == 0) {
        model->rtcEnabled = false;
    } else {
        model->rtcEnabled = true;
        if (rtcselRadios[2]->isChecked())
            onHextReturnPressed();
    }
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoR9x0PLL::onRtcDivChanged(int)
{
    model->rtcHextDiv = valueOr(rtcDividers(), rtcdivComboBox->currentIndex(), 2);
    updateErtcDisplay();
}

void KytoR9x0PLL::onLextBypassChanged(int index)
{
    setBypass(lextOutLabel, index, model->lextBypass);
}

void KytoR9x0PLL::onHextBypassChanged(int index)
{
    setBypass(hextOutLabel, index, model->hextBypass);
}

void KytoR9x0PLL::onHextDivChanged(int index)
{
    model->hextDiv = valueOr(hextDividers(), index, 1);
    pllTail();
}

void KytoR9x0PLL::onHickDivChanged(int index)
{
    model->hickDiv = valueOr(hickDividers(), index, 1);
    pllTail();
}

void KytoR9x0PLL::onPllFpChanged(int)
{
    // Stored first, so the model never keeps an older divider than the
    // combo box shows when the HEXT text stops the slot.
    model->pllFp = valueOr(pllFpDividers(), pllfpComboBox->currentIndex(), 1);
    if (!hextRefresh())
        return;
    pllTail();
}

void KytoR9x0PLL::onAhbDivChanged(int)
{
    model->ahbDiv = valueOr(DividerTable::ahb(), ahbdivComboBox->currentIndex(), 1);
    pllTail();
}

void KytoR9x0PLL::onApb1DivChanged(int)
{
    model->apb1Div = valueOr(DividerTable::apb(), apb1divComboBox->currentIndex(), 1);
    pllTail();
}

void KytoR9x0PLL::onApb2DivChanged(int)
{
    model->apb2Div = valueOr(DividerTable::apb(), apb2divComboBox->currentIndex(), 1);
    pllTail();
}

void KytoR9x0PLL::onApb3DivChanged(int)
{
    model->apb3Div = valueOr(DividerTable::apb(), apb3divComboBox->currentIndex(), 4);
    pllTail();
}

void KytoR9x0PLL::onPllFuChanged(int)
{
    model->pllFu = valueOr(pllFuDividers(), pllfuComboBox->currentIndex(), 1);
    if (usbFromPllInUse()) {
        if (!hextRefresh())
            return;
        usbSearch();
    } else {
        pllTail();
    }
}

void KytoR9x0PLL::onUsbSwitchChanged(int index)
{
    model->usbDisabled = index;
    highlightClockPaths();
    if (index == 0 && usbFromPll()) {
        if (!hextRefresh())
            return;
        usbSearch();
    } else if (index == 0) {
        pllTail();
    } else {
        recomputeAndRefresh();
        refreshFrequencies();
    }
}

void KytoR9x0PLL::onClockoutDiv1Changed(int)
{
    model->clkoutDiv1 = valueOr(clockOutDiv1(), clockoutdiv1ComboBox->currentIndex(), 1);
    pllTail();
}

void KytoR9x0PLL::onClockoutDiv2Changed(int)
{
    model->clkoutDiv2 = valueOr(DividerTable::clockOut(), clockoutdiv2ComboBox->currentIndex(), 1);
    pllTail();
}

void KytoR9x0PLL::onClockoutPinChanged(int)
{
    highlightClockPaths();
    model->clkoutPin = ClockTreeModel::pinIndexFromName(clockoutPinSelectComboBox->currentText());
    pllTail();
}

void KytoR9x0PLL::onCanSwitchChanged(int can, int index)
{
    canEnabledField(model, can) = index != 0;
    highlightClockPaths();
    onCanClockSelToggled(can, true);
}

void KytoR9x0PLL::onI2sf5SwitchChanged(int index)
{
    model->i2sf5Enabled = index != 0;
    highlightClockPaths();
    onI2sf5ClockSelToggled(true);
}

void KytoR9x0PLL::onHextReturnPressed()
{
    double hext = 0.0;
    if (!validateHextLineEdit(hext))
        return;
    model->hextMhz = hext;
    if (usbFromPllInUse()) {
        model->recomputeUsb();
        showPllParams();
    }
    pllTail();
    updateErtcDisplay();
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoR9x0PLL::onHextTextChanged(const QString &text)
{
    const double v = toDoubleOrZero(text);
    Readouts::showTypedEdit(hextLineEdit, Readouts::typedState(text, model->hextMhz, 5), v >= kHextMin && v <= kHextMax,
                            Qt::black);
}

void KytoR9x0PLL::onPllMsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ms) || !hextRefresh())
        return;
    pllTail();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoR9x0PLL::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoR9x0PLL::onPllNsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ns) || !hextRefresh())
        return;
    pllTail();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoR9x0PLL::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoR9x0PLL::onSclkReturnPressed()
{
    if (!sclkFromPll())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    if (!hextRefresh())
        return;
    model->recomputeFromPll();
    showPllParams();
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoR9x0PLL::onSclkTextChanged(const QString &text)
{
    Readouts::showTypedEdit(sclkLineEdit, Readouts::typedState(text, model->sclkMhz, 3, sclkLineEdit->isEnabled()),
                            toDoubleOrZero(text) <= sclkMax, Qt::darkGreen);
}

// ---------------------------------------------------------------- input checks

bool KytoR9x0PLL::validateHextLineEdit(double &value)
{
    value = 0.0;
    const double hext = toDoubleOrZero(hextLineEdit->text());
    if (hext < kHextMin || hext > kHextMax) {
        messages.showError(messages.text(kHextError));
        return false;
    }
    value = hext;
    return true;
}

bool KytoR9x0PLL::checkSclkInput(double &value)
{
    value = 0.0;
    const double sclk = toDoubleOrZero(sclkLineEdit->text());
    if (sclk > sclkMax) {
        messages.showError(messages.text(kSclkError));
        return false;
    }
    value = sclk;
    return true;
}

bool KytoR9x0PLL::apb3WithinLimit()
{
    if (model->ahbMhz / model->apb3Div > kApb3Max) {
        messages.showError(messages.text(kApb3Error));
        return false;
    }
    return true;
}

bool KytoR9x0PLL::validateLineEdits()
{
    if (hextEnabled) {
        const double hext = toDoubleOrZero(hextLineEdit->text());
        if (hext < kHextMin || hext > kHextMax) {
            messages.showError(messages.text(kHextError));
            return false;
        }
    }
    double sclk = 0.0;
    return checkSclkInput(sclk) && apb3WithinLimit();
}

// ---------------------------------------------------------------- generate, save, open

void KytoR9x0PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    auto onOffCombo = [this](const QString &key, CustomComboBox1 *combo, bool *field) {
        designKeys.add(Keys::onOff(key, [field] { return *field; }, [combo, field](bool on) {
            combo->setCurrentIndex(on ? 1 : 0);
            *field = on;
        }));
    };
    // Divider combo boxes take the model's value first, then show it.
    auto divider = [this](const QString &key, CustomComboBox1 *combo, int *field, const DividerTable &items,
                          int fallback) {
        const Keys::Row row = Keys::code(key, [field] { return *field; },
                                         [combo, field, &items](int v) {
                                             *field = v;
                                             combo->setCurrentIndex(items.indexOrFirst(v));
                                         },
                                         items.codes(), fallback);
        designKeys.add(row);
        return row;
    };
    auto radios = [this](const QString &key, const QVector<QRadioButton *> &group, int *field, int fallback) {
        QVector<int> codes;
        for (int i = 0; i < group.size(); ++i)
            codes << i;
        designKeys.add(Keys::code(key, [field] { return *field; },
                                  [group, field](int v) {
                                      group[v]->setChecked(true);
                                      *field = v;
                                  },
                                  codes, fallback));
    };
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
    auto factorRow = [this](const QString &key, int *field, PllFactorEdits::Factor f, int first, int last) {
        QVector<int> codes;
        for (int v = first; v <= last; ++v)
            codes << v;
        const Keys::Row row = Keys::code(key, [field] { return *field; },
                                         [this, field, f](int v) {
                                             *field = v;
                                             factors.edit(f)->setText(PllFactorEdits::factorText(v, f));
                                         },
                                         codes, first);
        designKeys.add(row);
        factorRows << row;
    };

    onOffCombo(QStringLiteral("lextbypass"), lextbypassComboBox, &model->lextBypass);
    radios(QStringLiteral("rtcsel"), rtcselRadios, &model->rtcSource, 0);
    onOffCombo(QStringLiteral("rtcswitch"), rtcswitchComboBox, &model->rtcEnabled);
    divider(QStringLiteral("rtcdiv"), rtcdivComboBox, &model->rtcHextDiv, rtcDividers(), 2);
    designKeys.add(Keys::text(QStringLiteral("hext"), [this] { return QString::number(model->hextMhz, 'f', 6); },
                              [this](const QString &text) {
                                  hextLineEdit->setText(text);
                                  model->hextMhz = toDoubleOrZero(text);
                              }));
    onOffCombo(QStringLiteral("hextbypass"), hextbypassComboBox, &model->hextBypass);
    divider(QStringLiteral("hextdiv"), hextdivComboBox, &model->hextDiv, hextDividers(), 1);
    divider(QStringLiteral("hickdiv"), hickdivComboBox, &model->hickDiv, hickDividers(), 1);
    designKeys.add(Keys::onOff(QStringLiteral("pllrcs"), [this] { return model->pllSource != 0; }, [this](bool hick) {
        pllrcsRadios[hick ? 1 : 0]->setChecked(true);
        model->pllSource = hick ? 1 : 0;
    }));
    factorRow(QStringLiteral("pllms"), &model->pllMs, PllFactorEdits::Ms, 1, 15);
    factorRow(QStringLiteral("pllns"), &model->pllNs, PllFactorEdits::Ns, 31, 500);
    factorRows << divider(QStringLiteral("pllfp"), pllfpComboBox, &model->pllFp, pllFpDividers(), 1);
    radios(QStringLiteral("sclkselect"), sclkselectRadios, &model->sclkSource, 0);
    divider(QStringLiteral("ahbdiv"), ahbdivComboBox, &model->ahbDiv, DividerTable::ahb(), 1);
    divider(QStringLiteral("apb1div"), apb1divComboBox, &model->apb1Div, DividerTable::apb(), 1);
    divider(QStringLiteral("apb2div"), apb2divComboBox, &model->apb2Div, DividerTable::apb(), 1);
    divider(QStringLiteral("apb3div"), apb3divComboBox, &model->apb3Div, DividerTable::apb(), 4);
    factorRows << divider(QStringLiteral("pllfu"), pllfuComboBox, &model->pllFu, pllFuDividers(), 11);
    radios(QStringLiteral("hicktousb"), hicktousbRadios, &model->usbFromHick, 0);
    // Any other value switches USB off, on the switch and in the model.
    designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [this] { return model->usbDisabled; },
                              [this](int v) {
                                  model->usbDisabled = v;
                                  usbswitchComboBox->setCurrentIndex(v);
                              },
                              {0, 1}, 1));
    radios(QStringLiteral("hicktosclk"), hicktosclkRadios, &model->sclkHick48, 0);
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
    divider(QStringLiteral("clkoutdiv1"), clockoutdiv1ComboBox, &model->clkoutDiv1, clockOutDiv1(), 1);
    divider(QStringLiteral("clkoutdiv2"), clockoutdiv2ComboBox, &model->clkoutDiv2, DividerTable::clockOut(), 1);
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
        onOffCombo(QStringLiteral("can%1switch").arg(n), canGroups[can].switchCombo, &canEnabledField(model, can));
    }
    peripheralSource(QStringLiteral("i2sf5clocksel"), &i2sf5Group, &model->i2sf5ClockSource);
    onOffCombo(QStringLiteral("i2sf5switch"), i2sf5Group.switchCombo, &model->i2sf5Enabled);

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
    if (!validateLineEdits() || !takeTypedDesign() || !apb3WithinLimit() || !passLimits())
        return false;
    return CodeGeneration::writeSources(this, messages, model, QString::fromLatin1(kTemplateStem));
}

void KytoR9x0PLL::saveConfig(QString seriesName)
{
    if (!takeTypedDesign() || !passLimits())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

void KytoR9x0PLL::loadConfig(QString path)
{
    const QHash<QString, QString> texts = designKeys.load(path, loadOrder, messages);
    // The slots run on the way may have searched factors for a half-loaded
    // design; the design's own factors are what it was saved with.
    auto factor = [&](int row) {
        return DesignKeyTable::codeOf(factorRows[row], texts.value(factorRows[row].key));
    };
    restorePllFactors(factor(0), factor(1), factor(2), factor(3));
    highlightClockPaths();
    updateErtcDisplay();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}
