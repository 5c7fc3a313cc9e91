#include "KytoR8x0PLL.h"

#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"
#include "../common/UsbClock.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "UserDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
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

double toDoubleOrZero(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0.0;
}

int toIntOrZero(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

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

} // namespace

KytoR8x0PLL::KytoR8x0PLL(const R8x0SeriesTable &seriesTable, QWidget *parent)
    : KytoMCUPLL(seriesTable.seriesIndex, parent)
    , table(seriesTable)
    , messages(this)
    , factors(this, messages)
{
}

KytoR8x0PLL::~KytoR8x0PLL() = default;

// ---------------------------------------------------------------- building

void KytoR8x0PLL::buildUi()
{
    ui.build(this, table.layout, messages, lists);
    factors.attach(ui.pllmsLineEdit, ui.pllnsLineEdit);
    buildDesignKeys();
}

void KytoR8x0PLL::connectSignals()
{
    for (QRadioButton *r : ui.rtcselRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(ui.rtcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(ui.rtcdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcdiv_ComboBox_currentIndexChanged(int)));
    connect(ui.lextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    connect(ui.hextLineEdit, SIGNAL(returnPressed()), this, SLOT(hext_LineEdit_returnPressed()));
    connect(ui.hextLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(hext_LineEdit_textChanged(const QString &)));
    connect(ui.hextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    connect(ui.pllmsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllms_LineEdit_returnPressed()));
    connect(ui.pllmsLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllms_LineEdit_textChanged(const QString &)));
    connect(ui.pllnsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllns_LineEdit_returnPressed()));
    connect(ui.pllnsLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllns_LineEdit_textChanged(const QString &)));
    connect(ui.pllfrComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : ui.pllrcsRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(ui.sclkselectRadios[SclkHext], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(ui.sclkselectRadios[SclkPll], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(ui.sclkselectRadios[SclkHick], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ui.ahbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(ui.apb1divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(ui.apb2divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    connect(ui.usbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbdiv_ComboBox_currentIndexChanged(int)));
    connect(ui.usbswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : ui.hicktousbRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
    for (QRadioButton *r : ui.hicktosclkRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
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
    connect(ui.sclkLineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(ui.sclkLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
}

// ---------------------------------------------------------------- defaults

void KytoR8x0PLL::resetDefaults()
{
    ui.rtcselRadios[RtcLick]->setChecked(true);
    model->rtcSource = 0;
    ui.rtcswitchComboBox->setCurrentIndex(0);
    model->rtcEnabled = false;
    ui.rtcdivComboBox->setCurrentIndex(0);
    model->rtcHextDiv = 2;
    ui.lextbypassComboBox->setCurrentIndex(0);
    model->lextBypass = false;
    model->pllFlexibleMode = 1;
    ui.hextbypassComboBox->setCurrentIndex(0);
    model->hextBypass = false;
    ui.hextLineEdit->setText(QStringLiteral("8"));
    model->hextMhz = 8.0;
    ui.pllrcsRadios[RcsHext]->setChecked(true);
    model->pllSource = 0;
    ui.pllmsLineEdit->setText(QStringLiteral("/1"));
    model->pllMs = 1;
    ui.pllnsLineEdit->setText(QStringLiteral("*144"));
    model->pllNs = 144;
    ui.pllfrComboBox->setCurrentIndex(2);
    model->pllFr = 4;
    ui.sclkselectRadios[SclkPll]->setChecked(true);
    model->sclkSource = 1;
    ui.sclkLineEdit->setEnabled(true);
    ui.systickBox->setText(QStringLiteral("/ 8"));
    ui.ahbdivComboBox->setCurrentIndex(0);
    model->ahbDiv = 1;
    ui.apb1divComboBox->setCurrentIndex(0);
    model->apb1Div = 1;
    ui.apb2divComboBox->setCurrentIndex(0);
    model->apb2Div = 1;
    ui.usbdivComboBox->setCurrentIndex(10);
    model->usbDiv = 6.0;
    ui.hicktousbRadios[UsbFromPll]->setChecked(true);
    model->usbFromHick = 0;
    ui.usbswitchComboBox->setCurrentIndex(1);
    model->usbDisabled = 1;
    ui.hicktosclkRadios[HickSixth]->setChecked(true);
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

    highlightClockPaths();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

void KytoR8x0PLL::restorePllSettings(const QHash<QString, QString> &texts)
{
    const QSignalBlocker frBlocker(ui.pllfrComboBox);
    const QSignalBlocker usbBlocker(ui.usbdivComboBox);
    const QSignalBlocker apb1Blocker(ui.apb1divComboBox);
    const QSignalBlocker apb2Blocker(ui.apb2divComboBox);
    for (const char *key : {"pllms", "pllns", "pllfr", "usbdiv", "apb1div", "apb2div"})
        designKeys.apply(QString::fromLatin1(key), texts.value(QString::fromLatin1(key)));
}

void KytoR8x0PLL::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}

void KytoR8x0PLL::onListButtonClicked(int list)
{
    lists.toggle(list);
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
    return ui.sclkselectRadios[SclkPll]->isChecked() || (usbOn() && usbFromPllRadio())
        || (clkout1PinSet() && ui.clkout1Radios[C1Pll]->isChecked())
        || (clkout2PinSet() && ui.clkout2Radios[C2Pll]->isChecked());
}

bool KytoR8x0PLL::hextInUse() const
{
    return ui.sclkselectRadios[SclkHext]->isChecked()
        || (ui.rtcswitchComboBox->currentIndex() == 1 && ui.rtcselRadios[RtcHext]->isChecked())
        || (clkout1PinSet() && ui.clkout1Radios[C1Hext]->isChecked())
        || (clkout2PinSet() && ui.clkout2Radios[C2Hext]->isChecked())
        || (ui.pllrcsRadios[RcsHext]->isChecked() && pllInUse());
}

// The HEXT text that the factor check reads first: HEXT in use, leaving out
// the RTC, whose own display checks the text.
bool KytoR8x0PLL::hextTextToCheck() const
{
    return ui.sclkselectRadios[SclkHext]->isChecked()
        || (clkout1PinSet() && ui.clkout1Radios[C1Hext]->isChecked())
        || (clkout2PinSet() && ui.clkout2Radios[C2Hext]->isChecked())
        || (ui.pllrcsRadios[RcsHext]->isChecked() && pllInUse());
}

double KytoR8x0PLL::hickSourceMhz() const
{
    const bool at48 = (usbOn() && ui.hicktousbRadios[UsbFromHick]->isChecked())
        || (ui.sclkselectRadios[SclkHick]->isChecked() && ui.hicktosclkRadios[Hick48]->isChecked())
        || (ui.sclkselectRadios[SclkPll]->isChecked() && ui.pllrcsRadios[RcsHick]->isChecked());
    return at48 ? 48.0 : 8.0;
}

// ---------------------------------------------------------------- input checks

bool KytoR8x0PLL::validateHextLineEdit(double &value)
{
    value = 0.0;
    const double v = toDoubleOrZero(ui.hextLineEdit->text());
    if (v < 4.0 || v > 25.0) {
        messages.showError(messages.text(QT_TRANSLATE_NOOP("KytoR8x0PLL", "hext input error!")));
        return false;
    }
    value = v;
    return true;
}

bool KytoR8x0PLL::checkSclkInput(double &value)
{
    value = 0.0;
    const double v = toDoubleOrZero(ui.sclkLineEdit->text());
    if (v < 4.0 || v > sclkMax) {
        messages.showError(messages.text(QT_TRANSLATE_NOOP("KytoR8x0PLL", "sclk input error!")));
        return false;
    }
    value = v;
    return true;
}

bool KytoR8x0PLL::validateLineEdits()
{
    double value = 0.0;
    if (hextEnabled && !validateHextLineEdit(value))
        return false;
    return checkSclkInput(value);
}

bool KytoR8x0PLL::checkPllSettings()
{
    if (hextTextToCheck()) {
        double value = 0.0;
        if (!validateHextLineEdit(value))
            return false;
        model->hextMhz = value;
    }
    if (!pllInUse())
        return true;
    return factors.checkTyped();
}

bool KytoR8x0PLL::takeHext()
{
    double value = 0.0;
    if (!validateHextLineEdit(value))
        return false;
    model->hextMhz = value;
    return true;
}

void KytoR8x0PLL::checkAndRecompute()
{
    if (!checkPllSettings())
        return;
    model->recompute();
    refreshFrequencies();
}

// ---------------------------------------------------------------- slots

void KytoR8x0PLL::onRtcSelClicked(bool)
{
    highlightClockPaths();
    if (ui.rtcselRadios[RtcLick]->isChecked()) {
        model->rtcSource = 0;
    } else if (ui.rtcselRadios[RtcLext]->isChecked()) {
        model->rtcSource = 1;
    } else {
        model->rtcSource = 2;
        onHextReturnPressed();
    }
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoR8x0PLL::onRtcSwitchChanged(int index)
{
    highlightClockPaths();
    if (index == 0) {
        model->rtcEnabled = false;
    } else {
        model->rtcEnabled = true;
        if (ui.rtcselRadios[RtcHext]->isChecked())
            onHextReturnPressed();
    }
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoR8x0PLL::onRtcDivChanged(int index)
{
    model->rtcHextDiv = index + rtcDivFirst;
    updateErtcDisplay();
}

void KytoR8x0PLL::setBypassOut(QLabel *out, int index)
{
    if (index != 0) {
        out->setStyleSheet(PageStyles::pinText(false));
        out->setEnabled(false);
    } else {
        out->setEnabled(true);
        out->setStyleSheet(PageStyles::pinText(true));
    }
}

void KytoR8x0PLL::onLextBypassChanged(int index)
{
    setBypassOut(ui.lextOutLabel, index);
    model->lextBypass = index != 0;
}

void KytoR8x0PLL::onHextBypassChanged(int index)
{
    setBypassOut(ui.hextOutLabel, index);
    model->hextBypass = index != 0;
}

void KytoR8x0PLL::onHextReturnPressed()
{
    if (!takeHext())
        return;
    if (!ui.sclkselectRadios[SclkPll]->isChecked() && usbOn() && usbFromPllRadio()) {
        model->recomputeUsb();
        showPllParams();
    }
    checkAndRecompute();
    updateErtcDisplay();
    ui.hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoR8x0PLL::onHextTextChanged(const QString &text)
{
    const double v = toDoubleOrZero(text);
    Readouts::showTypedEdit(ui.hextLineEdit, Readouts::typedState(text, model->hextMhz, 5), v >= 4.0 && v <= 25.0,
                            Qt::black);
}

void KytoR8x0PLL::onPllMsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ms))
        return;
    if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
        return;
    checkAndRecompute();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoR8x0PLL::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoR8x0PLL::onPllNsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ns))
        return;
    if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
        return;
    checkAndRecompute();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoR8x0PLL::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoR8x0PLL::onPllFrChanged(int index)
{
    // The choice is stored before the HEXT check, so that a bad HEXT text
    // cannot leave the combo showing a divider the model does not hold.
    model->pllFr = pllFrDividers().intAt(index);
    if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
        return;
    checkAndRecompute();
}

void KytoR8x0PLL::onPllRcsClicked(bool)
{
    highlightClockPaths();
    const bool fromHext = ui.pllrcsRadios[RcsHext]->isChecked();
    model->pllSource = fromHext ? 0 : 1;
    if (fromHext && !takeHext())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    recomputeAndRefresh();
}

void KytoR8x0PLL::onSclkSelectHextToggled(bool checked)
{
    // A switch emits toggled for the radio left (false) and for the one
    // chosen (true); acting once, on the chosen one, keeps one click to at
    // most one box.
    if (!checked)
        return;
    highlightClockPaths();
    if (ui.sclkselectRadios[SclkHext]->isChecked()) {
        model->sclkSource = 0;
        ui.sclkLineEdit->setEnabled(false);
        ui.sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        if (!takeHext())
            return;
        if (checkPllSettings()) {
            model->recompute();
            refreshFrequencies();
        }
    }
    recomputeAndRefresh();
}

void KytoR8x0PLL::onSclkSelectPllToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    highlightClockPaths();
    if (ui.sclkselectRadios[SclkPll]->isChecked()) {
        model->sclkSource = 1;
        ui.sclkLineEdit->setEnabled(true);
        ui.sclkLineEdit->setStyleSheet(PageStyles::editApplied());
        if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
            return;
        if (checkPllSettings()) {
            model->recompute();
            refreshFrequencies();
        }
    }
    recomputeAndRefresh();
}

void KytoR8x0PLL::onSclkSelectHickToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    highlightClockPaths();
    if (ui.sclkselectRadios[SclkHick]->isChecked()) {
        model->sclkSource = 2;
        ui.sclkLineEdit->setEnabled(false);
        ui.sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        if (checkPllSettings()) {
            model->recompute();
            refreshFrequencies();
        }
    }
    recomputeAndRefresh();
}

void KytoR8x0PLL::onAhbDivChanged(int index)
{
    model->ahbDiv = DividerTable::ahb().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onApb1DivChanged(int index)
{
    model->apb1Div = DividerTable::apb().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onApb2DivChanged(int index)
{
    model->apb2Div = DividerTable::apb().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onUsbDivChanged(int index)
{
    model->usbDiv = usbDividers().valueAt(index);
    if (ui.sclkselectRadios[SclkPll]->isChecked() || !usbOn() || !usbFromPllRadio()) {
        if (!checkPllSettings())
            return;
        model->recompute();
    } else {
        if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
            return;
        model->recomputeUsb();
        showPllParams();
    }
    refreshFrequencies();
}

void KytoR8x0PLL::onUsbSwitchChanged(int index)
{
    model->usbDisabled = index;
    highlightClockPaths();
    if (index != 0) {
        recomputeAndRefresh();
    } else if (usbFromPllRadio()) {
        if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
            return;
        model->recomputeUsb();
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
    highlightClockPaths();
    if (usbFromPllRadio()) {
        model->usbFromHick = 0;
        if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
            return;
        model->recomputeUsb();
        showPllParams();
    } else {
        model->usbFromHick = 1;
        model->usbMhz = 48.0;
        recomputeAndRefresh();
    }
    refreshFrequencies();
}

void KytoR8x0PLL::onHickToSclkToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    model->sclkHick48 = ui.hicktosclkRadios[HickSixth]->isChecked() ? 0 : 1;
    checkAndRecompute();
}

void KytoR8x0PLL::onClkout1Toggled(bool flag)
{
    highlightClockPaths();
    if (!flag)
        return;
    model->clkout1Source = qMax(0, firstChecked(ui.clkout1Radios));
    checkAndRecompute();
}

void KytoR8x0PLL::onClkout2Toggled(bool flag)
{
    highlightClockPaths();
    if (!flag)
        return;
    model->clkout2Source = qMax(0, firstChecked(ui.clkout2Radios));
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout1Div1Changed(int index)
{
    model->clkout1Div1 = clockoutDiv1Dividers().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout1Div2Changed(int index)
{
    model->clkout1Div2 = DividerTable::clockOut().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout1PinChanged(int index)
{
    highlightClockPaths();
    model->clkout1Pin = index;
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout2Div1Changed(int index)
{
    model->clkout2Div1 = clockoutDiv1Dividers().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout2Div2Changed(int index)
{
    model->clkout2Div2 = DividerTable::clockOut().intAt(index);
    checkAndRecompute();
}

void KytoR8x0PLL::onClockout2PinChanged(int index)
{
    highlightClockPaths();
    model->clkout2Pin = index;
    checkAndRecompute();
}

void KytoR8x0PLL::onSclkReturnPressed()
{
    if (!ui.sclkselectRadios[SclkPll]->isChecked())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    if (ui.pllrcsRadios[RcsHext]->isChecked() && !takeHext())
        return;
    model->recomputeFromPll();
    showPllParams();
    ui.sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoR8x0PLL::onSclkTextChanged(const QString &text)
{
    const double v = toDoubleOrZero(text);
    Readouts::showTypedEdit(ui.sclkLineEdit, Readouts::typedState(text, model->sclkMhz, 3, ui.sclkLineEdit->isEnabled()),
                            v >= 4.0 && v <= sclkMax, Qt::darkGreen);
}

// ---------------------------------------------------------------- path highlighting

void KytoR8x0PLL::highlightClockPaths()
{
    updateLextBypassStyle(ui.rtcswitchComboBox->currentIndex() != 0 && ui.rtcselRadios[RtcLext]->isChecked());
    updateRtcSwitchEnables();
    const bool ertcDivOn = ui.rtcswitchComboBox->currentIndex() == 1 && ui.rtcselRadios[RtcHext]->isChecked();
    ui.rtcdivLabel->setEnabled(ertcDivOn);
    ui.rtcdivComboBox->setComboBoxEnabled(ertcDivOn);
    updateHextEnables();
    ui.hickLabel->setEnabled(true);
    ui.hickReadout->setEnabled(true);
    ui.hickReadout->setStyleSheet(PageStyles::frame(true));
    updatePllEnables();
    updateHickToSclkStyle(ui.sclkselectRadios[SclkHick]->isChecked());
    updateClkout1Style(clkout1PinSet());
    if (clkout2PinSet()) {
        updateClkout2Style(true);
        updateClkout2UsbStyle(usbOn());
    } else {
        updateClkout2Style(false);
    }
    updateUsbSwitchEnables();
}

void KytoR8x0PLL::setPinLabels(QLabel *in, QLabel *out, bool on, CustomComboBox1 *bypass)
{
    if (on) {
        in->setStyleSheet(PageStyles::pinText(true));
        if (bypass->currentIndex() == 0) {
            out->setEnabled(true);
            out->setStyleSheet(PageStyles::pinText(true));
        } else {
            out->setStyleSheet(PageStyles::pinText(false));
            out->setEnabled(false);
        }
    } else {
        in->setStyleSheet(PageStyles::pinText(false));
        out->setStyleSheet(PageStyles::pinText(false));
        out->setEnabled(false);
    }
}

void KytoR8x0PLL::updateLextBypassStyle(bool on)
{
    ui.lextReadout->setStyleSheet(PageStyles::frame(on));
    ui.lextLabel->setEnabled(on);
    ui.lextReadout->setEnabled(on);
    ui.lextBypassLabel->setEnabled(on);
    ui.lextbypassComboBox->setComboBoxEnabled(on);
    ui.lextInLabel->setEnabled(on);
    setPinLabels(ui.lextInLabel, ui.lextOutLabel, on, ui.lextbypassComboBox);
}

void KytoR8x0PLL::updateRtcSwitchEnables()
{
    const bool on = ui.rtcswitchComboBox->currentIndex() != 0;
    updateRtcSelStyle(on);
    ui.ertcLabel->setEnabled(on);
    ui.ertcReadout->setEnabled(on);
    setEditTextColor(ui.ertcReadout, on ? Qt::darkGreen : Qt::gray);
}

void KytoR8x0PLL::updateRtcSelStyle(bool on)
{
    for (QRadioButton *r : ui.rtcselRadios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    ui.rtcselLabel->setEnabled(on);
}

void KytoR8x0PLL::updateHextEnables()
{
    setHextEditEnabled(hextInUse());
}

void KytoR8x0PLL::setHextEditEnabled(bool on)
{
    hextEnabled = on;
    if (on) {
        ui.hextLineEdit->setStyleSheet(PageStyles::editApplied());
        onHextTextChanged(ui.hextLineEdit->text());
    } else {
        ui.hextLineEdit->setStyleSheet(PageStyles::editGreyed());
    }
    ui.hextLabel->setEnabled(on);
    ui.hextLineEdit->setEnabled(on);
    ui.hextBypassLabel->setEnabled(on);
    ui.hextbypassComboBox->setComboBoxEnabled(on);
    ui.hextInLabel->setEnabled(on);
    setPinLabels(ui.hextInLabel, ui.hextOutLabel, on, ui.hextbypassComboBox);
}

void KytoR8x0PLL::updatePllEnables()
{
    const bool on = pllInUse();
    updatePllRcsStyle(on);
    factors.setInUse(on);
    for (QWidget *w : {static_cast<QWidget *>(ui.pllmsLabel), static_cast<QWidget *>(ui.pllmsRangeLabel),
                       static_cast<QWidget *>(ui.pllnsLabel), static_cast<QWidget *>(ui.pllnsRangeLabel),
                       static_cast<QWidget *>(ui.pllfrLabel), static_cast<QWidget *>(ui.pllOutputLabel),
                       static_cast<QWidget *>(ui.pllcfgLabel), static_cast<QWidget *>(ui.pllcfgReadout)})
        w->setEnabled(on);
    ui.pllfrComboBox->setComboBoxEnabled(on);
}

void KytoR8x0PLL::updatePllRcsStyle(bool on)
{
    for (QRadioButton *r : ui.pllrcsRadios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    ui.pllrcsLabel->setEnabled(on);
}

void KytoR8x0PLL::updateHickToSclkStyle(bool on)
{
    for (QRadioButton *r : ui.hicktosclkRadios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    ui.hicktosclkLabel->setEnabled(on);
}

void KytoR8x0PLL::updateClkout1Style(bool on)
{
    ui.clockout1div1Label->setEnabled(on);
    ui.clockout1div1ComboBox->setComboBoxEnabled(on);
    ui.clockout1div2Label->setEnabled(on);
    ui.clockout1div2ComboBox->setComboBoxEnabled(on);
    for (QRadioButton *r : ui.clkout1Radios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    for (QLabel *label : ui.clkout1NameLabels + ui.clkout1SourceFreqLabels)
        label->setEnabled(on);
    ui.clkout1FreqLabel->setEnabled(on);
    ui.clkout1TitleLabel->setEnabled(on);
}

void KytoR8x0PLL::updateClkout2Style(bool on)
{
    ui.clockout2div1Label->setEnabled(on);
    ui.clockout2div1ComboBox->setComboBoxEnabled(on);
    ui.clockout2div2Label->setEnabled(on);
    ui.clockout2div2ComboBox->setComboBoxEnabled(on);
    for (QRadioButton *r : ui.clkout2Radios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    for (QLabel *label : ui.clkout2NameLabels + ui.clkout2SourceFreqLabels)
        label->setEnabled(on);
    ui.clkout2FreqLabel->setEnabled(on);
    ui.clkout2TitleLabel->setEnabled(on);
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
        updateHickToUsbStyle(false);
        updateClkout2UsbStyle(false);
        ui.usbFreqLabel->hide();
        return;
    }
    updateHickToUsbStyle(true);
    updateClkout2UsbStyle(clkout2PinSet());
    ui.usbFreqLabel->show();
    const bool fromPll = usbFromPllRadio();
    ui.usbdivLabel->setEnabled(fromPll);
    ui.usbdivComboBox->setComboBoxEnabled(fromPll);
}

void KytoR8x0PLL::updateHickToUsbStyle(bool on)
{
    for (QRadioButton *r : ui.hicktousbRadios) {
        r->setStyleSheet(PageStyles::radio(on));
        r->setEnabled(on);
    }
    ui.hicktousbLabel->setEnabled(on);
}

// ---------------------------------------------------------------- read-outs

void KytoR8x0PLL::recomputeAndRefresh()
{
    if (ui.sclkselectRadios[SclkPll]->isChecked())
        model->recomputeFromPll();
    else if (usbFromPllRadio())
        model->recomputeUsb();
    else
        model->recompute();
    showPllParams();
    refreshFrequencies();
}

void KytoR8x0PLL::showPllParams()
{
    factors.showModel();
    ui.pllfrComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(model->pllFr));
}

void KytoR8x0PLL::refreshFrequencies()
{
    const double sclk = model->sclkMhz;
    ui.sclkLineEdit->setText(Readouts::mhz(sclk));
    setEditTextColor(ui.sclkLineEdit, Readouts::limitColour(sclk, sclkMax));
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

    if (ui.pllOutputLabel->isEnabled()) {
        setTextColor(ui.pllOutputLabel, Readouts::limitColour(model->pllMhz, sclkMax));
        ui.pllOutputLabel->setText(Readouts::mhz(model->pllMhz) + QStringLiteral("MHz"));
    } else {
        ui.pllOutputLabel->setText(QString());
    }
    if (ui.pllcfgLabel->isEnabled()) {
        ui.pllcfgLabel->setText(QStringLiteral("CRM_PLLCFG: "));
        ui.pllcfgReadout->setText(formatPllCfgValue());
    } else {
        ui.pllcfgLabel->setText(QString());
        ui.pllcfgReadout->setText(QString());
    }

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

void KytoR8x0PLL::syncApbFieldsFromModel()
{
    ui.apb1divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    ui.apb2divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    ui.apb1TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    ui.apb2TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
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

void KytoR8x0PLL::updateErtcDisplay()
{
    QString text = QStringLiteral("0");
    if (ui.rtcswitchComboBox->currentIndex() != 0) {
        double hext = 0.0;
        if (ui.rtcselRadios[RtcLick]->isChecked())
            text = QStringLiteral("40");
        else if (ui.rtcselRadios[RtcLext]->isChecked())
            text = QStringLiteral("32.768");
        else if (validateHextLineEdit(hext))
            text = QString::number(hext * 1000.0 / model->rtcHextDiv, 'f', 3);
    }
    ui.ertcReadout->setText(text);
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
    if (ui.pllOutputLabel->isEnabled())
        limits.append({model->pllMhz, double(sclkMax),
                       QT_TRANSLATE_NOOP("KytoR8x0PLL", "Can not support pll clock greater than")});
    const QVector<LimitQuestion> questions{
        {model->usbDisabled == 0 && !UsbClock::is48(model->usbMhz),
         QT_TRANSLATE_NOOP("KytoR8x0PLL", "USB clock must be 48MHz. But the USB clock of current config is wrong.  "
                                          "please confirm whether to continue?")},
    };
    return LimitChecks::pass(messages, limits, questions);
}

// Greyed edits (HEXT unused, PLL unused, SCLK not from the PLL) are not
// confirmed.
bool KytoR8x0PLL::confirmPendingEdits()
{
    return Readouts::confirmPendingEdit(ui.hextLineEdit, model->hextMhz, 5)
           && Readouts::confirmPendingEdit(ui.pllmsLineEdit, [this] { return factors.pending(PllFactorEdits::Ms); })
           && Readouts::confirmPendingEdit(ui.pllnsLineEdit, [this] { return factors.pending(PllFactorEdits::Ns); })
           && Readouts::confirmPendingEdit(ui.sclkLineEdit, model->sclkMhz, 3);
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
    const QString path = UserDialogs::getSaveFileName(this, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save")),
                                                      QString(),
                                                      messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Config file (*.ZKCF)")));
    if (path.isNull())
        return;
    if (!DesignFile::write(path, seriesName, designKeys.values())) {
        messages.showError(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save file failed!")));
        return;
    }
    messages.showInformation(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save file succeed!")));
}

void KytoR8x0PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    ClockTreeModel *m = model;
    auto radioRow = [](const QString &key, std::function<int()> value, QVector<QRadioButton *> *radios,
                       std::function<void(int)> store, const QVector<int> &codes) {
        return Keys::code(key, value, [radios, store](int code) {
            (*radios)[code]->setChecked(true);
            store(code);
        }, codes, 0);
    };
    auto dividerRow = [](const QString &key, std::function<int()> value, CustomComboBox1 **combo,
                         const DividerTable &dividers, std::function<void(int)> store) {
        return Keys::code(key, value, [combo, &dividers, store](int divider) {
            store(divider);
            (*combo)->setCurrentIndex(dividers.indexOrFirst(divider));
        }, dividers.codes(), dividers.intAt(0));
    };
    auto factorRow = [this](const QString &key, PllFactorEdits::Factor factor, int fallback) {
        return Keys::text(key, [this, factor] { return QString::number(factor == PllFactorEdits::Ms ? model->pllMs : model->pllNs); },
                          [this, factor, fallback](const QString &text) {
            int value = toIntOrZero(text);
            QString shown = text;
            if (!PllFactorEdits::inRange(value, factor)) {
                value = fallback;
                shown = QString::number(fallback);
            }
            if (factor == PllFactorEdits::Ms)
                model->pllMs = value;
            else
                model->pllNs = value;
            // As the file has it: "07" shows as "/07".
            factors.edit(factor)->setText(PllFactorEdits::factorText(0, factor).left(1) + shown);
        });
    };

    designKeys.add(Keys::onOff(QStringLiteral("lextbypass"), [m] { return m->lextBypass; }, [this](bool on) {
        ui.lextbypassComboBox->setCurrentIndex(on ? 1 : 0);
        model->lextBypass = on;
    }));
    designKeys.add(radioRow(QStringLiteral("rtcsel"), [m] { return m->rtcSource; }, &ui.rtcselRadios,
                            [m](int code) { m->rtcSource = code; }, {0, 1, 2}));
    designKeys.add(Keys::onOff(QStringLiteral("rtcswitch"), [m] { return m->rtcEnabled; }, [this](bool on) {
        ui.rtcswitchComboBox->setCurrentIndex(on ? 1 : 0);
        model->rtcEnabled = on;
    }));
    QVector<int> rtcDividers;
    for (int d = rtcDivFirst; d <= rtcDivLast; ++d)
        rtcDividers << d;
    designKeys.add(Keys::code(QStringLiteral("rtcdiv"), [m] { return m->rtcHextDiv; }, [this](int divider) {
        model->rtcHextDiv = divider;
        ui.rtcdivComboBox->setCurrentIndex(divider - rtcDivFirst);
    }, rtcDividers, rtcDivFirst));
    designKeys.add(Keys::text(QStringLiteral("hext"), [m] { return QString::number(m->hextMhz, 'f', 6); },
                              [this](const QString &text) {
        ui.hextLineEdit->setText(text);
        model->hextMhz = toDoubleOrZero(text);
    }));
    designKeys.add(Keys::onOff(QStringLiteral("hextbypass"), [m] { return m->hextBypass; }, [this](bool on) {
        ui.hextbypassComboBox->setCurrentIndex(on ? 1 : 0);
        model->hextBypass = on;
    }));
    designKeys.add(Keys::onOff(QStringLiteral("pllrcs"), [m] { return m->pllSource != 0; }, [this](bool hick) {
        ui.pllrcsRadios[hick ? RcsHick : RcsHext]->setChecked(true);
        model->pllSource = hick ? 1 : 0;
    }));
    designKeys.add(factorRow(QStringLiteral("pllms"), PllFactorEdits::Ms, 1));
    designKeys.add(factorRow(QStringLiteral("pllns"), PllFactorEdits::Ns, 31));
    designKeys.add(dividerRow(QStringLiteral("pllfr"), [m] { return m->pllFr; }, &ui.pllfrComboBox, pllFrDividers(),
                              [m](int d) { m->pllFr = d; }));
    designKeys.add(radioRow(QStringLiteral("sclkselect"), [m] { return m->sclkSource; }, &ui.sclkselectRadios,
                            [m](int code) { m->sclkSource = code; }, {0, 1, 2}));
    designKeys.add(dividerRow(QStringLiteral("ahbdiv"), [m] { return m->ahbDiv; }, &ui.ahbdivComboBox,
                              DividerTable::ahb(), [m](int d) { m->ahbDiv = d; }));
    designKeys.add(dividerRow(QStringLiteral("apb1div"), [m] { return m->apb1Div; }, &ui.apb1divComboBox,
                              DividerTable::apb(), [m](int d) { m->apb1Div = d; }));
    designKeys.add(dividerRow(QStringLiteral("apb2div"), [m] { return m->apb2Div; }, &ui.apb2divComboBox,
                              DividerTable::apb(), [m](int d) { m->apb2Div = d; }));
    designKeys.add(Keys::text(QStringLiteral("usbdiv"), [m] { return QString::number(m->usbDiv, 'f', 1); },
                              [this](const QString &text) {
        const int index = usbDividers().indexOrFirst(toDoubleOrZero(text));
        model->usbDiv = usbDividers().valueAt(index);
        ui.usbdivComboBox->setCurrentIndex(index);
    }));
    designKeys.add(radioRow(QStringLiteral("hicktousb"), [m] { return m->usbFromHick; }, &ui.hicktousbRadios,
                            [m](int code) { m->usbFromHick = code; }, {0, 1}));
    // Only the switch's two codes; anything else leaves USB off.
    designKeys.add(Keys::code(QStringLiteral("tousbswitch"), [m] { return m->usbDisabled; }, [this](int code) {
        model->usbDisabled = code;
        ui.usbswitchComboBox->setCurrentIndex(code);
    }, {0, 1}, 1));
    designKeys.add(radioRow(QStringLiteral("hicktosclk"), [m] { return m->sclkHick48; }, &ui.hicktosclkRadios,
                            [m](int code) { m->sclkHick48 = code; }, {0, 1}));
    designKeys.add(radioRow(QStringLiteral("clkout1"), [m] { return m->clkout1Source; }, &ui.clkout1Radios,
                            [m](int code) { m->clkout1Source = code; }, {0, 1, 2, 3}));
    designKeys.add(dividerRow(QStringLiteral("clkout1div1"), [m] { return m->clkout1Div1; }, &ui.clockout1div1ComboBox,
                              clockoutDiv1Dividers(), [m](int d) { m->clkout1Div1 = d; }));
    designKeys.add(dividerRow(QStringLiteral("clkout1div2"), [m] { return m->clkout1Div2; }, &ui.clockout1div2ComboBox,
                              DividerTable::clockOut(), [m](int d) { m->clkout1Div2 = d; }));
    // Only the offered pins; an unknown one means no clock output.
    designKeys.add(Keys::code(QStringLiteral("clkout1pinselect"), [m] { return m->clkout1Pin; }, [this](int code) {
        model->clkout1Pin = code;
        ui.clockout1PinSelectComboBox->setCurrentIndex(code);
    }, {0, 1, 2}, 0));
    designKeys.add(radioRow(QStringLiteral("clkout2"), [m] { return m->clkout2Source; }, &ui.clkout2Radios,
                            [m](int code) { m->clkout2Source = code; }, {0, 1, 2, 3, 4, 5, 6, 7}));
    designKeys.add(dividerRow(QStringLiteral("clkout2div1"), [m] { return m->clkout2Div1; }, &ui.clockout2div1ComboBox,
                              clockoutDiv1Dividers(), [m](int d) { m->clkout2Div1 = d; }));
    designKeys.add(dividerRow(QStringLiteral("clkout2div2"), [m] { return m->clkout2Div2; }, &ui.clockout2div2ComboBox,
                              DividerTable::clockOut(), [m](int d) { m->clkout2Div2 = d; }));
    designKeys.add(Keys::code(QStringLiteral("clkout2pinselect"), [m] { return m->clkout2Pin; }, [this](int code) {
        model->clkout2Pin = code;
        ui.clockout2PinSelectComboBox->setCurrentIndex(code);
    }, {0, 1}, 0));
}

void KytoR8x0PLL::loadConfig(QString path)
{
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
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}
