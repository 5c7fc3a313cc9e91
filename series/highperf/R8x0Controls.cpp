#include "R8x0Controls.h"

#include "KytoR8x0PLL.h"

#include "../common/DividerTable.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"

#include "CustomComboBox1.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

using namespace R8x0;

namespace {

// The looks the controls are built with; the running page switches them
// through PageStyles.
const char *const kHextBuiltStyle =
    "background: rgb(152, 251, 152);  border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;";
const char *const kBorderlessStyle = "border:  0px;";

// The only texts of the drawing that follow the interface language.
const char *const kUsageNotes[3] = {
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Useage limited:"),
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "Temperature range - 40~85 degree. "),
    QT_TRANSLATE_NOOP("KytoR8x0PLL", "VDD must over 3.0V. "),
};

} // namespace

namespace R8x0 {

const DividerTable &pllFrDividers()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

const DividerTable &usbDividers()
{
    static const DividerTable table{1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7};
    return table;
}

} // namespace R8x0

// The page's own helpers, in the argument order of this family's builders.
CustomComboBox1 *R8x0Controls::makeCombo(const QString &name, const QPoint &at, int width, int z,
                                        const QStringList &items)
{
    return page->makeCombo(at.x(), at.y(), width, z, items, name);
}

QLabel *R8x0Controls::makeLabel(const QString &text, const QPoint &at, int pointSize, int weight)
{
    return page->makeLabel(text, at.x(), at.y(), pointSize, weight);
}

void R8x0Controls::makeRadioGroup(const QString &name, const QVector<QPoint> &places, QVector<QRadioButton *> &radios)
{
    page->makeRadioGroup(places, radios, name);
}

QLineEdit *R8x0Controls::makeOscillatorReadout(const QString &name, const QString &text, const QPoint &at)
{
    QLineEdit *box = page->addLineEdit(text, at.x(), at.y(), 80);
    box->setObjectName(name + QStringLiteral("_ReadOut"));
    box->setFixedHeight(25);
    box->setStyleSheet(PageStyles::frame(true));
    box->setReadOnly(true);
    return box;
}

void R8x0Controls::build(KytoR8x0PLL *ownerPage, const R8x0PageLayout &pageLayout)
{
    page = ownerPage;
    layout = &pageLayout;
    buildLickReadout();
    buildWdtReadout();
    buildRtcSwitchCombo();
    buildLextReadout();
    buildLextBypassCombo();
    buildErtcSelGroup();
    buildErtcDivCombo();
    buildHextEdit();
    buildHextBypassCombo();
    buildPllRcsGroup();
    buildPllMsEdit();
    buildPllNsEdit();
    buildPllFrCombo();
    buildPllCfgReadout();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApb1DivCombo();
    buildApb2DivCombo();
    buildUsbDivCombo();
    buildHickToUsbGroup();
    buildHickToSclkGroup();
    buildHickReadout();
    buildClockout1Div1Combo();
    buildClockout1Div2Combo();
    buildClkoutPinCombo();
    buildClockout2Div1Combo();
    buildClockout2Div2Combo();
    buildClkout2PinCombo();
    const R8x0PageLayout &l = *layout;
    buildClkoutSourceGroup(QStringLiteral("clkout1"),
                           {QStringLiteral("hick"), QStringLiteral("lext"), QStringLiteral("hext"),
                            QStringLiteral("pll")},
                           l.clkout1RadioY, l.clkout1NameY, l.clkout1Title, clkout1Radios, clkout1NameLabels,
                           clkout1SourceFreqLabels, clkout1TitleLabel);
    buildClkoutSourceGroup(QStringLiteral("clkout2"),
                           {QStringLiteral("sclk"), QStringLiteral("hext"), QStringLiteral("pll"),
                            QStringLiteral("usb"), QStringLiteral("hick"), QStringLiteral("adcclk"),
                            QStringLiteral("lick"), QStringLiteral("lext")},
                           l.clkout2RadioY, l.clkout2NameY, l.clkout2Title, clkout2Radios, clkout2NameLabels,
                           clkout2SourceFreqLabels, clkout2TitleLabel);
    buildSclkEdit();
    buildPeripheralReadouts();
    buildFactorBoxes();
}

void R8x0Controls::buildLickReadout()
{
    const R8x0PageLayout &l = *layout;
    page->lickLabel = makeLabel(QStringLiteral("lick(kHz)"), l.lickLabel);
    page->lickReadout = makeOscillatorReadout(QStringLiteral("lick"), QStringLiteral("40"), l.lick);
}

void R8x0Controls::buildWdtReadout()
{
    const QPoint &p = layout->wdt;
    QLineEdit *wdt = page->addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), p.x(), p.y(), 9);
    wdt->setObjectName(QStringLiteral("wdt_ReadOut"));
    page->setEditTextColor(wdt, Qt::darkGreen);
    wdt->setText(QStringLiteral("40"));
    page->wdtReadout = wdt;
}

void R8x0Controls::buildRtcSwitchCombo()
{
    const R8x0PageLayout &l = *layout;
    page->rtcswitchComboBox = makeCombo(QStringLiteral("rtcswitch"), l.rtcSwitch, 70, 0,
                                        {QStringLiteral("disable"), QStringLiteral("enable")});
    QLineEdit *ertc = page->addReadOnlyLineEdit(l.ertc.x(), l.ertc.y(), 9);
    ertc->setObjectName(QStringLiteral("ertc_ReadOut"));
    ertc->setText(QStringLiteral("40"));
    page->rtcReadout = ertc;
    page->rtcLabel = makeLabel(QStringLiteral("to ertc(kHz)"), l.ertcLabel, 9);
}

void R8x0Controls::buildLextReadout()
{
    const R8x0PageLayout &l = *layout;
    page->lextLabel = makeLabel(QStringLiteral("lext(kHz)"), l.lextLabel);
    page->lextReadout = makeOscillatorReadout(QStringLiteral("lext"), QStringLiteral("32.768"), l.lext);
}

void R8x0Controls::buildLextBypassCombo()
{
    const R8x0PageLayout &l = *layout;
    buildBypassCombo(QStringLiteral("lext"), 0, {l.lextBypass, l.lextBypassLabel, l.lextIn, l.lextOut},
                     page->lextbypassComboBox, page->lextBypassLabel, page->lextInLabel, page->lextOutLabel);
}

// places: the combo box, its caption, the IN and the OUT label.
void R8x0Controls::buildBypassCombo(const QString &node, int z, const QVector<QPoint> &places,
                                    CustomComboBox1 *&combo, QLabel *&label, QLabel *&in, QLabel *&out)
{
    combo = makeCombo(node + QStringLiteral("bypass"), places[0], 80, z,
                      {QStringLiteral("disable"), QStringLiteral("enable")});
    label = makeLabel(QStringLiteral("bypass"), places[1]);
    in = makeLabel(QStringLiteral("IN"), places[2], 8);
    in->setStyleSheet(PageStyles::pinText(true));
    out = makeLabel(QStringLiteral("OUT"), places[3], 8);
    out->setStyleSheet(PageStyles::pinText(true));
    out->setObjectName(node + QStringLiteral("Out_Label"));
}

void R8x0Controls::buildErtcSelGroup()
{
    const R8x0PageLayout &l = *layout;
    makeRadioGroup(QStringLiteral("rtcsel"), l.rtcSel, page->rtcselRadios);
    page->rtcselRadios[RtcLick]->setChecked(true);
    page->rtcselLabel = makeLabel(QStringLiteral("ertcsel"), l.rtcSelLabel);
}

void R8x0Controls::buildErtcDivCombo()
{
    const R8x0PageLayout &l = *layout;
    page->rtcdivComboBox = makeCombo(QStringLiteral("rtcdiv"), l.rtcDiv, 60, 1, page->rtcDividers().items());
    page->rtcdivLabel = makeLabel(QStringLiteral("ertcdiv"), l.rtcDivLabel);
}

void R8x0Controls::buildHextEdit()
{
    const R8x0PageLayout &l = *layout;
    QLineEdit *hext = page->addLineEdit(QStringLiteral("8"), l.hext.x(), l.hext.y(), 80);
    hext->setObjectName(QStringLiteral("hext_LineEdit"));
    hext->setFixedHeight(30);
    hext->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hext->setStyleSheet(QString::fromLatin1(kHextBuiltStyle));
    hext->setMaxLength(8);
    hext->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), hext));
    page->hextLineEdit = hext;
    page->hextLabel = makeLabel(QStringLiteral("hext(4-25MHz)"), l.hextLabel);
}

void R8x0Controls::buildHextBypassCombo()
{
    const R8x0PageLayout &l = *layout;
    buildBypassCombo(QStringLiteral("hext"), 1, {l.hextBypass, l.hextBypassLabel, l.hextIn, l.hextOut},
                     page->hextbypassComboBox, page->hextBypassLabel, page->hextInLabel, page->hextOutLabel);
}

void R8x0Controls::buildPllRcsGroup()
{
    const R8x0PageLayout &l = *layout;
    makeRadioGroup(QStringLiteral("pllrcs"), l.pllRcs, page->pllrcsRadios);
    page->pllrcsRadios[RcsHext]->setChecked(true);
    page->pllrcsLabel = makeLabel(QStringLiteral("pllrcs"), l.pllRcsLabel);
}

void R8x0Controls::buildPllMsEdit()
{
    const R8x0PageLayout &l = *layout;
    page->pllmsLineEdit = page->addLineEdit(QStringLiteral("1"), l.pllMs.x(), l.pllMs.y(), 60);
    PllFactorEdits::configure(page->pllmsLineEdit, PllFactorEdits::Ms);
    page->pllmsLabel = makeLabel(QStringLiteral("pll_ms"), l.pllMsLabel);
    page->pllmsRangeLabel = makeLabel(QStringLiteral("(1-15)"), l.pllMsRange);
}

void R8x0Controls::buildPllNsEdit()
{
    const R8x0PageLayout &l = *layout;
    page->pllnsLineEdit = page->addLineEdit(QStringLiteral("1"), l.pllNs.x(), l.pllNs.y(), 60);
    PllFactorEdits::configure(page->pllnsLineEdit, PllFactorEdits::Ns);
    page->pllnsLabel = makeLabel(QStringLiteral("pll_ns"), l.pllNsLabel);
    page->pllnsRangeLabel = makeLabel(QStringLiteral("(31-500)"), l.pllNsRange);
}

void R8x0Controls::buildPllFrCombo()
{
    const R8x0PageLayout &l = *layout;
    pllfrComboBox = makeCombo(QStringLiteral("pllfr"), l.pllFr, 60, 0, pllFrDividers().items());
    pllfrLabel = makeLabel(QStringLiteral("pll_fr"), l.pllFrLabel);
    page->pllOutputLabel = makeLabel(QString(), l.pllOutput, 10, 75);
    page->pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
}

void R8x0Controls::buildPllCfgReadout()
{
    const R8x0PageLayout &l = *layout;
    QLineEdit *cfg = page->addLineEdit(QStringLiteral("0x08000000"), l.pllCfg.x(), l.pllCfg.y(), 100);
    cfg->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    cfg->setFixedSize(100, 20);
    cfg->setStyleSheet(QString::fromLatin1(kBorderlessStyle));
    cfg->setReadOnly(true);
    page->pllcfgReadout = cfg;
    page->pllcfgLabel = makeLabel(QStringLiteral("CRM_PLLCFG : "), l.pllCfgLabel, 10, 75);
    page->pllcfgLabel->setObjectName(QStringLiteral("pllcfg_Label"));
    PllCfgReadout::placeBesideCaption(page->pllcfgLabel, cfg);
}

void R8x0Controls::buildSclkSelectGroup()
{
    const R8x0PageLayout &l = *layout;
    makeRadioGroup(QStringLiteral("sclkselect"), l.sclkSelect, page->sclkselectRadios);
    page->sclkselectLabel = makeLabel(QStringLiteral("sclk select"), l.sclkSelectLabel);
}

void R8x0Controls::buildAhbDivCombo()
{
    const R8x0PageLayout &l = *layout;
    page->ahbdivComboBox = makeCombo(QStringLiteral("ahbdiv"), l.ahb, 60, 1, DividerTable::ahb().items());
    page->ahbdivLabel = makeLabel(QStringLiteral("ahbdiv"), l.ahbLabel);
}

void R8x0Controls::buildApb1DivCombo()
{
    const R8x0PageLayout &l = *layout;
    page->apb1divComboBox = makeCombo(QStringLiteral("apb1div"), l.apb1, 55, 2, DividerTable::apb().items());
    QLabel *caption = makeLabel(QStringLiteral("apb1div"), l.apb1Label);
    makeLabel(QStringLiteral("144MHz max"), PagePlacement::besideCaption(caption, l.apb1MaxLabel));
}

void R8x0Controls::buildApb2DivCombo()
{
    const R8x0PageLayout &l = *layout;
    page->apb2divComboBox = makeCombo(QStringLiteral("apb2div"), l.apb2, 55, 1, DividerTable::apb().items());
    QLabel *caption = makeLabel(QStringLiteral("apb2div"), l.apb2Label);
    makeLabel(QStringLiteral("144MHz max"), PagePlacement::besideCaption(caption, l.apb2MaxLabel));
}

void R8x0Controls::buildUsbDivCombo()
{
    const R8x0PageLayout &l = *layout;
    usbdivComboBox = makeCombo(QStringLiteral("usbdiv"), l.usbDiv, 60, 0, usbDividers().items());
    usbdivLabel = makeLabel(QStringLiteral("usbdiv"), l.usbDivLabel);
}

void R8x0Controls::buildHickToUsbGroup()
{
    const R8x0PageLayout &l = *layout;
    makeRadioGroup(QStringLiteral("hicktousb"), l.hickToUsb, hicktousbRadios);
    hicktousbLabel = makeLabel(QStringLiteral("hick to usb"), l.hickToUsbLabel);
    usbswitchComboBox = makeCombo(QStringLiteral("usbswitch"), l.usbSwitch, 70, 0,
                                  {QStringLiteral("enable"), QStringLiteral("disable")});
    makeLabel(QStringLiteral("to usb"), l.usbSwitchLabel);
    usbFreqLabel = makeLabel(QString(), l.usbFreq, 10, 70);
    usbFreqLabel->setObjectName(QStringLiteral("usbFreq_Label"));
}

void R8x0Controls::buildHickToSclkGroup()
{
    const R8x0PageLayout &l = *layout;
    makeRadioGroup(QStringLiteral("hicktosclk"), l.hickToSclk, page->hicktosclkRadios);
    page->hicktosclkLabel = makeLabel(QStringLiteral("hick to sclk"), l.hickToSclkLabel);
}

void R8x0Controls::buildHickReadout()
{
    const R8x0PageLayout &l = *layout;
    page->hickReadout = makeOscillatorReadout(QStringLiteral("hick"), QStringLiteral("48"), l.hick);
    page->hickLabel = makeLabel(QStringLiteral("hick(MHz)"), l.hickLabel);
}

void R8x0Controls::buildClockout1Div1Combo()
{
    const R8x0PageLayout &l = *layout;
    clockout1div1ComboBox = makeCombo(QStringLiteral("clockout1div1"), l.clockout1Div1, 80, 0,
                                      page->clockOutDiv1().items());
    clockout1div1Label = makeLabel(QStringLiteral("clockout1div1"), l.clockout1Div1Label);
}

void R8x0Controls::buildClockout1Div2Combo()
{
    const R8x0PageLayout &l = *layout;
    clockout1div2ComboBox = makeCombo(QStringLiteral("clockout1div2"), l.clockout1Div2, 80, 0,
                                      DividerTable::clockOut().items());
    clockout1div2ComboBox->setMaxVisibleItems(5);
    clockout1div2Label = makeLabel(QStringLiteral("clockout1div2"), l.clockout1Div2Label);
    clkout1FreqLabel = makeLabel(QString(), l.clkout1Freq, 10, 70);
    clkout1FreqLabel->setObjectName(QStringLiteral("clkout1Freq_Label"));
    page->setTextColor(clkout1FreqLabel, Qt::darkGreen);
}

void R8x0Controls::buildClkoutPinCombo()
{
    const R8x0PageLayout &l = *layout;
    clockout1PinSelectComboBox = makeCombo(QStringLiteral("clockout1PinSelect"), l.clkout1Pin, 80, 0,
                                           {QStringLiteral("none"), QStringLiteral("PA8"), QStringLiteral("PE4")});
    makeLabel(QStringLiteral("select pin"), l.clkout1PinLabel);
}

void R8x0Controls::buildClockout2Div1Combo()
{
    const R8x0PageLayout &l = *layout;
    clockout2div1ComboBox = makeCombo(QStringLiteral("clockout2div1"), l.clockout2Div1, 80, 0,
                                      page->clockOutDiv1().items());
    clockout2div1Label = makeLabel(QStringLiteral("clockout2div1"), l.clockout2Div1Label);
}

void R8x0Controls::buildClockout2Div2Combo()
{
    const R8x0PageLayout &l = *layout;
    clockout2div2ComboBox = makeCombo(QStringLiteral("clockout2div2"), l.clockout2Div2, 80, 0,
                                      DividerTable::clockOut().items());
    clockout2div2ComboBox->setMaxVisibleItems(5);
    clockout2div2Label = makeLabel(QStringLiteral("clockout2div2"), l.clockout2Div2Label);
    clkout2FreqLabel = makeLabel(QString(), l.clkout2Freq, 10, 70);
    clkout2FreqLabel->setObjectName(QStringLiteral("clkout2Freq_Label"));
    page->setTextColor(clkout2FreqLabel, Qt::darkGreen);
}

void R8x0Controls::buildClkout2PinCombo()
{
    const R8x0PageLayout &l = *layout;
    clockout2PinSelectComboBox = makeCombo(QStringLiteral("clockout2PinSelect"), l.clkout2Pin, 80, 1,
                                           {QStringLiteral("none"), QStringLiteral("PC9")});
    makeLabel(QStringLiteral("select pin"), l.clkout2PinLabel);
}

// One clock output's source radios, each with its name and the value shown
// beside it, and the output's title.
void R8x0Controls::buildClkoutSourceGroup(const QString &node, const QStringList &names, const QVector<int> &radioY,
                                          const QVector<int> &nameY, const QPoint &title,
                                          QVector<QRadioButton *> &radios, QVector<QLabel *> &nameLabels,
                                          QVector<QLabel *> &valueLabels, QLabel *&titleLabel)
{
    const R8x0PageLayout &l = *layout;
    QVector<QPoint> places;
    for (int y : radioY)
        places << QPoint(l.clkoutRadioX, y);
    makeRadioGroup(node, places, radios);
    for (int i = 0; i < names.size(); ++i) {
        QLabel *name = makeLabel(names[i], QPoint(l.clkoutNameX, nameY[i]));
        name->setObjectName(QStringLiteral("%1Name_Label_%2").arg(node).arg(i));
        nameLabels << name;
        QLabel *value = makeLabel(QString(), QPoint(l.clkoutValueX, nameY[i]));
        value->setObjectName(QStringLiteral("%1SourceFreq_Label_%2").arg(node).arg(i));
        valueLabels << value;
    }
    titleLabel = makeLabel(node, title);
}
void R8x0Controls::buildSclkEdit()
{
    const R8x0PageLayout &l = *layout;
    QLineEdit *sclk = page->addLineEdit(QString(), l.sclk.x(), l.sclk.y(), 80);
    sclk->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclk->setFixedSize(80, 28);
    sclk->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclk->setStyleSheet(PageStyles::editApplied());
    sclk->setMaxLength(9);
    sclk->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), sclk));
    page->sclkLineEdit = sclk;
    page->sclkLabel = makeLabel(QStringLiteral("sclk(4 - ") + QString::number(sclkMax) + QStringLiteral(" MHz)"), l.sclkLabel, 9);
    for (int i = 0; i < 3; ++i) {
        QLabel *note = makeLabel(page->messages.text(kUsageNotes[i]), l.notes[i], 9, i == 0 ? 75 : 0);
        note->setObjectName(QStringLiteral("usageNote_Label_%1").arg(i));
        noteLabels << note;
    }
}

void R8x0Controls::retranslateNotes()
{
    for (int i = 0; i < noteLabels.size(); ++i)
        noteLabels[i]->setText(page->messages.text(kUsageNotes[i]));
}

void R8x0Controls::buildPeripheralReadouts()
{
    const R8x0PageLayout &l = *layout;
    static const char *const listNames[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    static const QStringList contents[4] = {
        {"SPI2", "SPI3", "USART2", "USART3", "UART4", "UART5", "UART7", "UART8", "I2C1", "I2C2", "I2C3", "CAN1",
         "CAN2", "DAC"},
        {"TMR2", "TMR3", "TMR4", "TMR5", "TMR6", "TMR7", "TMR12", "TMR13", "TMR14"},
        {"SPI1", "SPI4", "USART1", "USART6", "SCFG"},
        {"TMR1", "TMR8", "TMR9", "TMR10", "TMR11", "TMR20"},
    };
    auto addList = [&](int which) {
        page->lists.add(page, QString::fromLatin1(listNames[which]), contents[which], QPoint(l.listX, l.listButtonY[which]),
                  QPoint(l.listX, l.listY[which]), 4 - which, 4);
    };
    for (const R8x0Readout &r : l.readouts) {
        QLineEdit *box = nullptr;
        if (r.kind == R8x0ReadoutKind::Adc) {
            box = page->addReadOnlyLineEdit(l.readoutX, r.y, 9);
            adcLabel = makeLabel(r.label, QPoint(l.readoutX + 85, r.y + 3), 9);
        } else {
            box = page->addLabeledReadOnlyLineEdit(r.label, l.readoutX, r.y, 9);
        }
        QString name = r.label.left(r.label.indexOf(QLatin1Char('('))).trimmed();
        box->setObjectName(name.replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral("_ReadOut"));
        readouts << box;
        // Each bus's List button and list go below its read-out.
        if (r.kind == R8x0ReadoutKind::Apb1)
            addList(0);
        else if (r.kind == R8x0ReadoutKind::Apb1Timer)
            addList(1);
        else if (r.kind == R8x0ReadoutKind::Apb2)
            addList(2);
        else if (r.kind == R8x0ReadoutKind::Apb2Timer)
            addList(3);
    }
}

void R8x0Controls::buildFactorBoxes()
{
    const R8x0PageLayout &l = *layout;
    page->systickBox = PagePlacement::factorBox(page, l.systickBox, QStringLiteral("systickdiv_ReadOut"));
    page->apb1TimerBox = PagePlacement::factorBox(page, l.apb1TimerBox, QStringLiteral("apb1tmrmult_ReadOut"));
    page->apb2TimerBox = PagePlacement::factorBox(page, l.apb2TimerBox, QStringLiteral("apb2tmrmult_ReadOut"));
}
