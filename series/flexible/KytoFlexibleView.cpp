#include "KytoFlexibleView.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FlexibleTables.h"
#include "PllConfigWord.h"
#include "../common/DividerTable.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"
#include "../common/Readouts.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QGraphicsProxyWidget>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

using namespace FlexibleTables;

namespace {

// Style sheets as the drawings' controls carry them.
const char *const kLextFrameOff =
    "border-style: outset; border-width: 2px; border-color: gray;border-radius:1px;padding:1px 2px;;";
const char *const kHextBuiltStyle =
    "background: rgb(152, 251, 152);  border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;";
const char *const kSclkBuiltStyle =
    "background: rgb(152, 251, 152); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;";
const char *const kSmallBoxStyle =
    "border-style: outset; border-width: 1px; border-color: rgb(10, 78, 121);border-radius:2px;padding:1px 2px;;";
const char *const kBorderless = "border:  0px;";

const char *const kHextEditOn =
    "background: rgb(152, 251, 152); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kHextEditOff =
    "background: rgb(255, 255, 255);border-style: outset; border-width: 2px; border-color: gray;border-radius:1px;padding:1px 2px;;";

QStringList switchItems()
{
    return {QStringLiteral("disable"), QStringLiteral("enable")};
}

void styleRadios(const QVector<QRadioButton *> &radios, bool on)
{
    for (QRadioButton *radio : radios)
        radio->setStyleSheet(PageStyles::radio(on));
}

void enableAll(const QVector<QWidget *> &widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}

} // namespace

KytoFlexibleView::KytoFlexibleView(const FlexibleSeriesTable &seriesTable, QWidget *parent)
    : KytoMCUPLL(seriesTable.seriesIndex, parent)
    , table(seriesTable)
{
}

KytoFlexibleView::~KytoFlexibleView() = default;

QString KytoFlexibleView::trText(const char *sourceText) const
{
    return QCoreApplication::translate(metaObject()->className(), sourceText);
}

// ---------------------------------------------------------------- building

CustomComboBox1 *KytoFlexibleView::makeCombo(const char *name, const QPoint &at, int width, int z,
                                            const QStringList &items)
{
    CustomComboBox1 *combo = addComboBox(at.x(), at.y(), width, z);
    combo->insertItems(combo->count(), items);
    combo->setFixedHeight(25);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

QLabel *KytoFlexibleView::makeLabel(const char *name, const QString &text, const QPoint &at, int pointSize,
                                   int weight)
{
    QLabel *label = addLabel(text, at.x(), at.y(), pointSize, weight);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit *KytoFlexibleView::makeOscillatorReadout(const char *name, const QString &text, const QPoint &at)
{
    QLineEdit *readout = addLineEdit(text, at.x(), at.y(), 80);
    readout->setObjectName(QString::fromLatin1(name));
    readout->setReadOnly(true);
    readout->setFixedHeight(25);
    readout->setStyleSheet(PageStyles::frame(true));
    return readout;
}

QLineEdit *KytoFlexibleView::makeSmallBox(const char *name, const QPoint &at, const QString &text)
{
    QLineEdit *box = addLineEdit(text, at.x(), at.y(), 60);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedSize(30, 30);
    box->setStyleSheet(QString::fromLatin1(kSmallBoxStyle));
    // The holder was laid out for the factory's wider edit; fit it to the box.
    box->parentWidget()->adjustSize();
    return box;
}

QRadioButton *KytoFlexibleView::makeRadio(const char *name, const QPoint &at)
{
    QRadioButton *radio = addRadioButton(at.x(), at.y());
    radio->setObjectName(QString::fromLatin1(name));
    return radio;
}

QButtonGroup *KytoFlexibleView::makeGroup(const char *name, const QVector<QRadioButton *> &radios)
{
    QButtonGroup *group = new QButtonGroup(this);
    group->setObjectName(QString::fromLatin1(name));
    for (QRadioButton *radio : radios)
        group->addButton(radio);
    return group;
}

void KytoFlexibleView::buildUi()
{
    buildLickReadout();
    buildWdtLabel();
    buildRtcSwitchCombo();
    buildLextReadout();
    buildLextBypassCombo();
    buildErtcSelGroup();
    buildErtcDivCombo();
    buildHextEdit();
    buildHextBypassCombo();
    buildHextDivCombo();
    buildPllRcsGroup();
    buildPllMsEdit();
    buildPllNsEdit();
    buildPllOutDivCombo();
    buildPllCfgReadout();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApb1DivCombo();
    buildApb2DivCombo();
    buildUsbDivCombo();
    buildHickToUsbGroup();
    buildHickToSclkGroup();
    buildHickReadout();
    buildHickDivCombo();
    buildClockoutDiv1Combo();
    buildClockoutDiv2Combo();
    buildClkoutPinCombo();
    buildClkoutSourceGroup();
    buildSclkEdit();
    buildPeripheralReadouts();
    buildReadOnlyFreqEdits();
    if (!table.fr()) {
        buildI2sf5ClockSelGroup();
        return;
    }
    buildFixedDivReadout();
    const QStringList usartChoices{QStringLiteral("pclk"), QStringLiteral("sclk"), QStringLiteral("hick"),
                                   QStringLiteral("lext")};
    buildKernelGroup({"usart1clocksel", "usart1 clock sel", {653, 529}, usartChoices, 694, {562, 578, 594, 610},
                      607, {560, 577, 594, 610}, "usart1switch_ComboBox", {730, 579}},
                     usart1clocksel_ButtonGroup, usart1clocksel_Label,
                     {&usart1clocksel_RadioButton_pclk, &usart1clocksel_RadioButton_sclk,
                      &usart1clocksel_RadioButton_hick, &usart1clocksel_RadioButton_lext},
                     {&usart1clocksel_Label_pclk, &usart1clocksel_Label_sclk, &usart1clocksel_Label_hick,
                      &usart1clocksel_Label_lext},
                     usart1switch_ComboBox);
    buildKernelGroup({"usart2clocksel", "usart2 clock sel", {1004, 530}, usartChoices, 1046, {563, 579, 595, 611},
                      959, {561, 577, 593, 609}, "usart2switch_ComboBox", {1084, 579}},
                     usart2clocksel_ButtonGroup, usart2clocksel_Label,
                     {&usart2clocksel_RadioButton_pclk, &usart2clocksel_RadioButton_sclk,
                      &usart2clocksel_RadioButton_hick, &usart2clocksel_RadioButton_lext},
                     {&usart2clocksel_Label_pclk, &usart2clocksel_Label_sclk, &usart2clocksel_Label_hick,
                      &usart2clocksel_Label_lext},
                     usart2switch_ComboBox);
    buildKernelGroup({"usart3clocksel", "usart3 clock sel", {653, 641}, usartChoices, 694, {672, 688, 704, 720},
                      607, {668, 685, 702, 718}, "usart3switch_ComboBox", {730, 689}},
                     usart3clocksel_ButtonGroup, usart3clocksel_Label,
                     {&usart3clocksel_RadioButton_pclk, &usart3clocksel_RadioButton_sclk,
                      &usart3clocksel_RadioButton_hick, &usart3clocksel_RadioButton_lext},
                     {&usart3clocksel_Label_pclk, &usart3clocksel_Label_sclk, &usart3clocksel_Label_hick,
                      &usart3clocksel_Label_lext},
                     usart3switch_ComboBox);
    buildKernelGroup({"i2c1clocksel", "i2c1 clock sel", {1004, 644},
                      {QStringLiteral("pclk"), QStringLiteral("sclk"), QStringLiteral("hick")}, 1046,
                      {679, 696, 713}, 959, {677, 693, 709}, "i2c1switch_ComboBox", {1084, 689}},
                     i2c1clocksel_ButtonGroup, i2c1clocksel_Label,
                     {&i2c1clocksel_RadioButton_pclk, &i2c1clocksel_RadioButton_sclk, &i2c1clocksel_RadioButton_hick},
                     {&i2c1clocksel_Label_pclk, &i2c1clocksel_Label_sclk, &i2c1clocksel_Label_hick},
                     i2c1switch_ComboBox);
    buildKernelGroup({"adcclocksel", "pllclk to ADC", {1004, 745}, {QStringLiteral("hclk"), QStringLiteral("pllclk")},
                      1046, {779, 795}, 959, {777, 793}, "adcswitch_ComboBox", {1084, 779}},
                     adcclocksel_ButtonGroup, adcclocksel_Label,
                     {&adcclocksel_RadioButton_hclk, &adcclocksel_RadioButton_pllclk},
                     {&adcclocksel_Label_hclk, &adcclocksel_Label_pllclk}, adcswitch_ComboBox);
}

void KytoFlexibleView::buildLickReadout()
{
    const FlexiblePageLayout &l = table.layout;
    lick_Label = makeLabel("lick_Label", QStringLiteral("lick(kHz)"), l.lickLabel, 10);
    lick_ReadOut = makeOscillatorReadout("lick_ReadOut", QStringLiteral("40"), l.lick);
}

void KytoFlexibleView::buildWdtLabel()
{
    const QPoint &p = table.layout.wdt;
    wdt_ReadOut = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), p.x(), p.y(), 9);
    wdt_ReadOut->setObjectName(QStringLiteral("wdt_ReadOut"));
    wdt_ReadOut->setText(QStringLiteral("40"));
    setEditTextColor(wdt_ReadOut, Qt::darkGreen);
}

void KytoFlexibleView::buildRtcSwitchCombo()
{
    const FlexiblePageLayout &l = table.layout;
    rtcswitch_ComboBox = makeCombo("rtcswitch_ComboBox", l.rtcSwitch, 70, 0, switchItems());
    ertc_ReadOut = addReadOnlyLineEdit(l.ertc.x(), l.ertc.y(), 9);
    ertc_ReadOut->setObjectName(QStringLiteral("ertc_ReadOut"));
    ertc_ReadOut->setText(QStringLiteral("40"));
    ertc_Label = makeLabel("ertc_Label", QStringLiteral("to ertc(kHz)"), l.ertcLabel, 9);
}

void KytoFlexibleView::buildLextReadout()
{
    const FlexiblePageLayout &l = table.layout;
    lext_Label = makeLabel("lext_Label", QStringLiteral("lext(kHz)"), l.lextLabel, 10);
    lext_ReadOut = makeOscillatorReadout("lext_ReadOut", QStringLiteral("32.768"), l.lext);
}

void KytoFlexibleView::buildLextBypassCombo()
{
    const FlexiblePageLayout &l = table.layout;
    lextbypass_Label = makeLabel("lextbypass_Label", QStringLiteral("bypass"), l.lextBypassLabel, 10);
    lextbypass_ComboBox = makeCombo("lextbypass_ComboBox", l.lextBypass, 80, 1, switchItems());
    lextbypassin_Label = makeLabel("lextbypassin_Label", QStringLiteral("IN"), l.lextIn, 8);
    lextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
    lextbypassout_Label = makeLabel("lextbypassout_Label", QStringLiteral("OUT"), l.lextOut, 8);
    lextbypassout_Label->setStyleSheet(PageStyles::pinText(true));
}

void KytoFlexibleView::buildErtcSelGroup()
{
    const FlexiblePageLayout &l = table.layout;
    rtcsel_Label = makeLabel("rtcsel_Label", QStringLiteral("ertcsel"), l.rtcselLabel, 10);
    rtcsel_RadioButton_lick = makeRadio("rtcsel_RadioButton_lick", l.rtcsel[0]);
    rtcsel_RadioButton_lext = makeRadio("rtcsel_RadioButton_lext", l.rtcsel[1]);
    rtcsel_RadioButton_hext = makeRadio("rtcsel_RadioButton_hext", l.rtcsel[2]);
    rtcsel_ButtonGroup = makeGroup("rtcsel_ButtonGroup",
                                   {rtcsel_RadioButton_lick, rtcsel_RadioButton_lext, rtcsel_RadioButton_hext});
    rtcsel_RadioButton_lick->setChecked(true);
}

void KytoFlexibleView::buildErtcDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    rtcdiv_Label = makeLabel("rtcdiv_Label", QStringLiteral("ertcdiv"), l.rtcdivLabel, 10);
    rtcdiv_ComboBox = makeCombo("rtcdiv_ComboBox", l.rtcdiv, 60, 1, rtcDiv().items());
}

void KytoFlexibleView::buildHextEdit()
{
    const FlexiblePageLayout &l = table.layout;
    hext_Label = makeLabel("hext_Label", QStringLiteral("hext(4-25MHz)"), l.hextLabel, 10);
    hext_LineEdit = addLineEdit(QStringLiteral("8"), l.hext.x(), l.hext.y(), 60);
    hext_LineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hext_LineEdit->setMaximumWidth(80);
    hext_LineEdit->setFixedHeight(30);
    hext_LineEdit->setStyleSheet(QString::fromLatin1(kHextBuiltStyle));
    hext_LineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hext_LineEdit->setMaxLength(8);
    hext_LineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoFlexibleView::buildHextBypassCombo()
{
    const FlexiblePageLayout &l = table.layout;
    hextbypass_Label = makeLabel("hextbypass_Label", QStringLiteral("bypass"), l.hextBypassLabel, 10);
    hextbypass_ComboBox = makeCombo("hextbypass_ComboBox", l.hextBypass, 80, 1, switchItems());
    hextbypassin_Label = makeLabel("hextbypassin_Label", QStringLiteral("IN"), l.hextIn, 8);
    hextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
    hextbypassout_Label = makeLabel("hextbypassout_Label", QStringLiteral("OUT"), l.hextOut, 8);
    hextbypassout_Label->setStyleSheet(PageStyles::pinText(true));
}

void KytoFlexibleView::buildHextDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    hextdiv_Label = makeLabel("hextdiv_Label", QStringLiteral("hextdiv"), l.hextdivLabel, 10);
    hextdiv_ComboBox = makeCombo("hextdiv_ComboBox", l.hextdiv, 60, 2, hextDiv().items());
}

void KytoFlexibleView::buildPllRcsGroup()
{
    const FlexiblePageLayout &l = table.layout;
    pllrcs_Label = makeLabel("pllrcs_Label", QStringLiteral("pllrcs"), l.pllrcsLabel, 10);
    pllrcs_RadioButton_hext = makeRadio("pllrcs_RadioButton_hext", l.pllrcs[0]);
    pllrcs_RadioButton_hick = makeRadio("pllrcs_RadioButton_hick", l.pllrcs[1]);
    pllrcs_ButtonGroup = makeGroup("pllrcs_ButtonGroup", {pllrcs_RadioButton_hext, pllrcs_RadioButton_hick});
    pllrcs_RadioButton_hext->setChecked(true);
}

void KytoFlexibleView::buildPllMsEdit()
{
    const FlexiblePageLayout &l = table.layout;
    pllms_Label = makeLabel("pllms_Label", QStringLiteral("pll_ms"), l.pllmsLabel, 10);
    pllms_LineEdit = addLineEdit(QStringLiteral("1"), l.pllms.x(), l.pllms.y(), 60);
    PllFactorEdits::configure(pllms_LineEdit, PllFactorEdits::Ms);
    pllmsrange_Label = makeLabel("pllmsrange_Label", QStringLiteral("(1-15)"), l.pllmsRange, 10);
}

void KytoFlexibleView::buildPllNsEdit()
{
    const FlexiblePageLayout &l = table.layout;
    pllns_Label = makeLabel("pllns_Label", QStringLiteral("pll_ns"), l.pllnsLabel, 10);
    pllns_LineEdit = addLineEdit(QStringLiteral("1"), l.pllns.x(), l.pllns.y(), 60);
    PllFactorEdits::configure(pllns_LineEdit, PllFactorEdits::Ns);
    factors.attach(pllms_LineEdit, pllns_LineEdit);
    pllnsrange_Label = makeLabel("pllnsrange_Label", QStringLiteral("(31-500)"), l.pllnsRange, 10);
}

void KytoFlexibleView::buildPllOutDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    if (table.fr()) {
        pllfr_Label = makeLabel("pllfr_Label", QStringLiteral("pll_fr"), l.pllOutDivLabel, 10);
        pllfr_ComboBox = makeCombo("pllfr_ComboBox", l.pllOutDiv, 60, 1, pllFr().items());
    } else {
        pllfp_Label = makeLabel("pllfp_Label", QStringLiteral("pll_fp"), l.pllOutDivLabel, 10);
        pllfp_ComboBox = makeCombo("pllfp_ComboBox", l.pllOutDiv, 60, 1, pllFp().items());
    }
    pll_Label = makeLabel("pll_Label", QString(), l.pllOutput, 10, 75);
    PagePlacement::fitBetween(pll_Label, l.pllOutputLeft, l.pllOutputRight, QStringLiteral("000.000MHz"));
}

void KytoFlexibleView::buildPllCfgReadout()
{
    const FlexiblePageLayout &l = table.layout;
    pllcfg_Label = makeLabel("pllcfg_Label", QStringLiteral("CRM_PLLCFG : "), l.pllcfgLabel, 10, 75);
    pllcfg_ReadOut = addLineEdit(QStringLiteral("0x08000000"), l.pllcfg.x(), l.pllcfg.y(), 60);
    pllcfg_ReadOut->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    pllcfg_ReadOut->setReadOnly(true);
    pllcfg_ReadOut->setFixedHeight(20);
    pllcfg_ReadOut->setFixedWidth(100);
    pllcfg_ReadOut->setStyleSheet(QString::fromLatin1(kBorderless));
    PllCfgReadout::placeBesideCaption(pllcfg_Label, pllcfg_ReadOut);
}

void KytoFlexibleView::buildSclkSelectGroup()
{
    const FlexiblePageLayout &l = table.layout;
    sclkselect_Label = makeLabel("sclkselect_Label", QStringLiteral("sclk select"), l.sclkselectLabel, 10);
    sclkselect_RadioButton_hext = makeRadio("sclkselect_RadioButton_hext", l.sclkselect[0]);
    sclkselect_RadioButton_pll = makeRadio("sclkselect_RadioButton_pll", l.sclkselect[1]);
    sclkselect_RadioButton_hick = makeRadio("sclkselect_RadioButton_hick", l.sclkselect[2]);
    sclkselect_ButtonGroup = makeGroup("sclkselect_ButtonGroup", {sclkselect_RadioButton_hext,
                                                                  sclkselect_RadioButton_pll,
                                                                  sclkselect_RadioButton_hick});
}

void KytoFlexibleView::buildAhbDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    makeLabel(nullptr, QStringLiteral("ahbdiv"), l.ahbdivLabel, 10);
    ahbdiv_ComboBox = makeCombo("ahbdiv_ComboBox", l.ahbdiv, 60, 1, DividerTable::ahb().items());
}

void KytoFlexibleView::buildApb1DivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    QLabel *caption = makeLabel(nullptr, QStringLiteral("apb1div"), l.apb1divLabel, 10);
    makeLabel(nullptr, QStringLiteral("%1MHz max").arg(table.apb1Max), PagePlacement::besideCaption(caption, l.apb1MaxLabel), 10);
    apb1div_ComboBox = makeCombo("apb1div_ComboBox", l.apb1div, 55, 2, DividerTable::apb().items());
}

void KytoFlexibleView::buildApb2DivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    QLabel *caption = makeLabel(nullptr, QStringLiteral("apb2div"), l.apb2divLabel, 10);
    makeLabel(nullptr, QStringLiteral("%1MHz max").arg(table.sclkMax), PagePlacement::besideCaption(caption, l.apb2MaxLabel), 10);
    apb2div_ComboBox = makeCombo("apb2div_ComboBox", l.apb2div, 55, 1, DividerTable::apb().items());
}

void KytoFlexibleView::buildUsbDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    if (table.fr()) {
        usbdiv_Label = makeLabel("usbdiv_Label", QStringLiteral("usbdiv"), l.usbDivLabel, 10);
        usbdiv_ComboBox = makeCombo("usbdiv_ComboBox", l.usbDiv, 60, 2, usbDiv().items());
    } else {
        pllfu_Label = makeLabel("pllfu_Label", QStringLiteral("pll_fu"), l.usbDivLabel, 10);
        pllfu_ComboBox = makeCombo("pllfu_ComboBox", l.usbDiv, 60, 2, pllFu().items());
    }
}

void KytoFlexibleView::buildHickToUsbGroup()
{
    const FlexiblePageLayout &l = table.layout;
    hicktousb_Label = makeLabel("hicktousb_Label", QStringLiteral("hick to usb"), l.hicktousbLabel, 10);
    hicktousb_RadioButton_pll = makeRadio("hicktousb_RadioButton_pll", l.hicktousb[0]);
    hicktousb_RadioButton_hick = makeRadio("hicktousb_RadioButton_hick", l.hicktousb[1]);
    hicktousb_ButtonGroup = makeGroup("hicktousb_ButtonGroup", {hicktousb_RadioButton_pll, hicktousb_RadioButton_hick});
    makeLabel(nullptr, QStringLiteral("to usb"), l.toUsbLabel, 10);
    usbswitch_ComboBox = makeCombo("usbswitch_ComboBox", l.usbswitch, 70, 0,
                                   {QStringLiteral("enable"), QStringLiteral("disable")});
    usb_Label = makeLabel("usb_Label", QString(), l.usbFreq, 10, 70);
}

void KytoFlexibleView::buildHickToSclkGroup()
{
    const FlexiblePageLayout &l = table.layout;
    hicktosclk_Label = makeLabel("hicktosclk_Label", QStringLiteral("hick to sclk"), l.hicktosclkLabel, 10);
    hicktosclk_RadioButton_8m = makeRadio("hicktosclk_RadioButton_8m", l.hicktosclk[0]);
    hicktosclk_RadioButton_48m = makeRadio("hicktosclk_RadioButton_48m", l.hicktosclk[1]);
    hicktosclk_ButtonGroup = makeGroup("hicktosclk_ButtonGroup",
                                       {hicktosclk_RadioButton_8m, hicktosclk_RadioButton_48m});
}

void KytoFlexibleView::buildHickReadout()
{
    const FlexiblePageLayout &l = table.layout;
    hick_Label = makeLabel("hick_Label", QStringLiteral("hick(MHz)"), l.hickLabel, 10);
    hick_ReadOut = makeOscillatorReadout("hick_ReadOut", QStringLiteral("48"), l.hick);
}

void KytoFlexibleView::buildHickDivCombo()
{
    const FlexiblePageLayout &l = table.layout;
    hickdiv_Label = makeLabel("hickdiv_Label", QStringLiteral("hickdiv"), l.hickdivLabel, 10);
    hickdiv_ComboBox = makeCombo("hickdiv_ComboBox", l.hickdiv, 60, 0, hickDiv().items());
}

void KytoFlexibleView::buildClockoutDiv1Combo()
{
    const FlexiblePageLayout &l = table.layout;
    clockoutdiv1_Label = makeLabel("clockoutdiv1_Label", QStringLiteral("clockoutdiv1"), l.clockoutdiv1Label, 10);
    clockoutdiv1_ComboBox = makeCombo("clockoutdiv1_ComboBox", l.clockoutdiv1, 80, 0, clkoutDiv1().items());
}

void KytoFlexibleView::buildClockoutDiv2Combo()
{
    const FlexiblePageLayout &l = table.layout;
    clockoutdiv2_Label = makeLabel("clockoutdiv2_Label", QStringLiteral("clockoutdiv2"), l.clockoutdiv2Label, 10);
    clockoutdiv2_ComboBox = makeCombo("clockoutdiv2_ComboBox", l.clockoutdiv2, 80, 0, DividerTable::ahb().items());
    clkoutfreq_Label = makeLabel("clkoutfreq_Label", QString(), l.clkoutFreq, 10, 70);
    setTextColor(clkoutfreq_Label, Qt::darkGreen);
}

void KytoFlexibleView::buildClkoutPinCombo()
{
    const FlexiblePageLayout &l = table.layout;
    makeLabel(nullptr, QStringLiteral("select pin"), l.pinLabel, 10);
    clockoutPinSelectComboBox = makeCombo("clockoutPinSelectComboBox", l.pin, 80, 1,
                                          {QStringLiteral("none"), QStringLiteral("PA8"), QStringLiteral("PA9"),
                                           QStringLiteral("PB13"), QStringLiteral("PC9")});
}

void KytoFlexibleView::buildClkoutSourceGroup()
{
    const FlexiblePageLayout &l = table.layout;
    struct Row {
        const char *choice;
        const char *caption;
        QRadioButton **radio;
        QLabel **captionLabel;
        QLabel **valueLabel;
    };
    QVector<Row> rows{
        {"sclk", "sclk", &clkout_RadioButton_sclk, &clkoutsrc_Label_sclk, &clkoutsrcfreq_Label_sclk},
        {"hext", "hext", &clkout_RadioButton_hext, &clkoutsrc_Label_hext, &clkoutsrcfreq_Label_hext},
        {"pll", "pll", &clkout_RadioButton_pll, &clkoutsrc_Label_pll, &clkoutsrcfreq_Label_pll},
        {"usb", table.fr() ? "usb" : "usbfs", &clkout_RadioButton_usb, &clkoutsrc_Label_usb, &clkoutsrcfreq_Label_usb},
        {"adc", table.fr() ? "adcclk" : "adc", &clkout_RadioButton_adc, &clkoutsrc_Label_adc, &clkoutsrcfreq_Label_adc},
        {"hick", "hick", &clkout_RadioButton_hick, &clkoutsrc_Label_hick, &clkoutsrcfreq_Label_hick},
        {"lick", "lick", &clkout_RadioButton_lick, &clkoutsrc_Label_lick, &clkoutsrcfreq_Label_lick},
        {"lext", "lext", &clkout_RadioButton_lext, &clkoutsrc_Label_lext, &clkoutsrcfreq_Label_lext},
    };
    // The fr drawings list hick above the ADC.
    if (table.fr())
        std::swap(rows[4], rows[5]);

    for (int i = 0; i < rows.size(); ++i) {
        *rows[i].radio = makeRadio(qPrintable(QStringLiteral("clkout_RadioButton_") + QLatin1String(rows[i].choice)),
                                   QPoint(l.clkoutRadioX, l.clkoutRadioY[i]));
        clkoutRows << *rows[i].radio;
    }
    clkout_ButtonGroup = makeGroup("clkout_ButtonGroup", clkoutRows);
    for (int i = 0; i < rows.size(); ++i) {
        const QString choice = QLatin1String(rows[i].choice);
        *rows[i].captionLabel = makeLabel(nullptr, QString::fromLatin1(rows[i].caption),
                                          QPoint(l.clkoutCaptionX, l.clkoutCaptionY[i]), 10);
        (*rows[i].captionLabel)->setObjectName(QStringLiteral("clkoutsrc_Label_") + choice);
        // A longer caption ("adcclk") pushes its value right.
        const QPoint valueAt = PagePlacement::besideCaption(*rows[i].captionLabel,
                                                            QPoint(l.clkoutValueX, l.clkoutCaptionY[i]));
        *rows[i].valueLabel = makeLabel(nullptr, QString(), valueAt, 10);
        (*rows[i].valueLabel)->setObjectName(QStringLiteral("clkoutsrcfreq_Label_") + choice);
        clkoutValueLabels << *rows[i].valueLabel;
    }
    clkout_Label = makeLabel("clkout_Label", QStringLiteral("clkout"), l.clkoutTitle, 10);
}

void KytoFlexibleView::buildSclkEdit()
{
    const FlexiblePageLayout &l = table.layout;
    makeLabel(nullptr, QStringLiteral("sclk(%1MHz max)").arg(table.sclkMax), l.sclkLabel, 9);
    sclk_LineEdit = addLineEdit(QString(), l.sclk.x(), l.sclk.y(), 60);
    sclk_LineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclk_LineEdit->setFixedHeight(28);
    sclk_LineEdit->setFixedWidth(80);
    sclk_LineEdit->setStyleSheet(QString::fromLatin1(kSclkBuiltStyle));
    sclk_LineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclk_LineEdit->setMaxLength(9);
    sclk_LineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoFlexibleView::buildPeripheralReadouts()
{
    const FlexiblePageLayout &l = table.layout;
    const int x = l.readoutX;
    auto readout = [&](QLineEdit *&member, const char *name, const char *caption, int y) {
        member = addLabeledReadOnlyLineEdit(QString::fromLatin1(caption), x, y, 9);
        member->setObjectName(QString::fromLatin1(name));
    };
    static const char *const listNames[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    static const int buttonY[4] = {281, 364, 446, 531};
    const QStringList *contents[4] = {&table.apb1PeripheralList, &table.apb1TimerList, &table.apb2PeripheralList,
                                      &table.apb2TimerList};
    QPushButton **buttonMembers[4] = {&toapb1peripheral_List_Button, &toapb1tmr_List_Button,
                                      &toapb2peripheral_List_Button, &toapb2tmr_List_Button};
    QWidget **listMembers[4] = {&toapb1peripheral_List, &toapb1tmr_List, &toapb2peripheral_List, &toapb2tmr_List};
    auto list = [&](int k) {
        *buttonMembers[k] = peripheralLists.add(this, QString::fromLatin1(listNames[k]), *contents[k],
                                                QPoint(l.listX, buttonY[k]), QPoint(l.listX, buttonY[k] + 20), k + 1);
        *listMembers[k] = peripheralLists.list(k);
    };

    readout(i2s_ReadOut, "i2s_ReadOut", "i2s (MHz)", 42);
    readout(systick_ReadOut, "systick_ReadOut", "systick(MHz)", 94);
    readout(dma_ReadOut, "dma_ReadOut", "dma (MHz)", 134);
    readout(xmc_ReadOut, "xmc_ReadOut", "xmc (MHz)", 176);
    readout(gpio_ReadOut, "gpio_ReadOut", "gpio (MHz)", 217);
    readout(apb1peripheral_ReadOut, "apb1peripheral_ReadOut", "apb1 peripheral (MHz)", 256);
    list(0);
    readout(apb1tmr_ReadOut, "apb1tmr_ReadOut", "apb1 tmr (MHz)", 339);
    list(1);
    readout(apb2peripheral_ReadOut, "apb2peripheral_ReadOut", "apb2 peripheral (MHz)", 421);
    list(2);
    readout(apb2tmr_ReadOut, "apb2tmr_ReadOut", "apb2 tmr (MHz)", 506);
    list(3);

    auto kernelReadout = [&](QLineEdit *&member, const char *name, const QPoint &at) {
        member = addReadOnlyLineEdit(at.x(), at.y(), 9);
        member->setObjectName(QString::fromLatin1(name));
        member->setText(QStringLiteral("0"));
        Readouts::fitToText(member);
    };
    if (!table.fr()) {
        kernelReadout(i2sf5_ReadOut, "i2sf5_ReadOut", {1182, 591});
        i2sf5_Label = makeLabel("i2sf5_Label", QStringLiteral("(MHz)"), {1267, 594}, 9);
        if (table.hasUsbHsPhy) {
            usbhsphysrc_Label = makeLabel("usbhsphysrc_Label", QStringLiteral("hext"), {1040, 711}, 9);
            kernelReadout(usbhsphy_ReadOut, "usbhsphy_ReadOut", {1180, 707});
            usbhsphy_Label = makeLabel("usbhsphy_Label", QStringLiteral("usbhs phy(MHz)"), {1265, 710}, 9);
        }
        return;
    }
    kernelReadout(usart1_ReadOut, "usart1_ReadOut", {825, 580});
    usart1_Label = makeLabel("usart1_Label", QStringLiteral("(MHz)"), {910, 583}, 9);
    kernelReadout(usart2_ReadOut, "usart2_ReadOut", {1178, 580});
    usart2_Label = makeLabel("usart2_Label", QStringLiteral("(MHz)"), {1263, 583}, 9);
    kernelReadout(usart3_ReadOut, "usart3_ReadOut", {825, 690});
    usart3_Label = makeLabel("usart3_Label", QStringLiteral("(MHz)"), {910, 693}, 9);
    kernelReadout(i2c1_ReadOut, "i2c1_ReadOut", {1178, 689});
    i2c1_Label = makeLabel("i2c1_Label", QStringLiteral("(MHz)"), {1263, 692}, 9);
    kernelReadout(adc_ReadOut, "adc_ReadOut", {1178, 780});
    adc_Label = makeLabel("adc_Label", QStringLiteral("(MHz)"), {1263, 783}, 9);
}

void KytoFlexibleView::buildReadOnlyFreqEdits()
{
    const FlexiblePageLayout &l = table.layout;
    systickdiv_ReadOut = makeSmallBox("systickdiv_ReadOut", l.systickDivBox, QString());
    apb1tmrmult_ReadOut = makeSmallBox("apb1tmrmult_ReadOut", l.apb1TimerBox, QString());
    apb2tmrmult_ReadOut = makeSmallBox("apb2tmrmult_ReadOut", l.apb2TimerBox, QString());
}

void KytoFlexibleView::buildI2sf5ClockSelGroup()
{
    i2sf5clocksel_Label_pllp = makeLabel("i2sf5clocksel_Label_pllp", QStringLiteral("pllp"), {947, 571}, 10);
    i2sf5clocksel_Label_sclk = makeLabel("i2sf5clocksel_Label_sclk", QStringLiteral("sclk"), {947, 587}, 10);
    i2sf5clocksel_Label_hick = makeLabel("i2sf5clocksel_Label_hick", QStringLiteral("hick"), {947, 603}, 10);
    i2sf5clocksel_Label_external = makeLabel("i2sf5clocksel_Label_external", QStringLiteral("external"),
                                             {947, 619}, 10);
    i2sf5clocksel_Label = makeLabel("i2sf5clocksel_Label", QStringLiteral("i2sf5 clock sel"), {1002, 540}, 10);
    i2sf5clocksel_RadioButton_pllp = makeRadio("i2sf5clocksel_RadioButton_pllp", {1047, 573});
    i2sf5clocksel_RadioButton_sclk = makeRadio("i2sf5clocksel_RadioButton_sclk", {1047, 589});
    i2sf5clocksel_RadioButton_hick = makeRadio("i2sf5clocksel_RadioButton_hick", {1047, 605});
    i2sf5clocksel_RadioButton_external = makeRadio("i2sf5clocksel_RadioButton_external", {1047, 621});
    i2sf5clocksel_ButtonGroup = makeGroup("i2sf5clocksel_ButtonGroup",
                                          {i2sf5clocksel_RadioButton_pllp, i2sf5clocksel_RadioButton_sclk,
                                           i2sf5clocksel_RadioButton_hick, i2sf5clocksel_RadioButton_external});
    i2sf5clocksel_RadioButton_pllp->setChecked(true);
    i2sf5switch_ComboBox = makeCombo("i2sf5switch_ComboBox", {1084, 591}, 70, 1, switchItems());
}

void KytoFlexibleView::buildFixedDivReadout()
{
    pllhalfdiv_ReadOut = makeSmallBox("pllhalfdiv_ReadOut", table.layout.pllHalfBox, QStringLiteral("/ 2"));
}

void KytoFlexibleView::buildKernelGroup(const KernelGroupPlaces &places, QButtonGroup *&group, QLabel *&caption,
                                       const QVector<QRadioButton **> &radios, const QVector<QLabel **> &rowCaptions,
                                       CustomComboBox1 *&switchCombo)
{
    const QString node = QString::fromLatin1(places.node);
    for (int i = 0; i < rowCaptions.size(); ++i) {
        *rowCaptions[i] = makeLabel(nullptr, places.choices[i], QPoint(places.rowCaptionX, places.rowCaptionY[i]), 10);
        (*rowCaptions[i])->setObjectName(node + QStringLiteral("_Label_") + places.choices[i]);
    }
    caption = makeLabel(nullptr, QString::fromLatin1(places.caption), places.captionAt, 10);
    caption->setObjectName(node + QStringLiteral("_Label"));
    QVector<QRadioButton *> made;
    for (int i = 0; i < radios.size(); ++i) {
        *radios[i] = addRadioButton(places.radioX, places.radioY[i]);
        (*radios[i])->setObjectName(node + QStringLiteral("_RadioButton_") + places.choices[i]);
        made << *radios[i];
    }
    group = new QButtonGroup(this);
    group->setObjectName(node + QStringLiteral("_ButtonGroup"));
    for (QRadioButton *radio : made)
        group->addButton(radio);
    made.first()->setChecked(true);
    switchCombo = makeCombo(places.switchName, places.switchAt, 70, 1, switchItems());
}

// ---------------------------------------------------------------- wiring

void KytoFlexibleView::connectSignals()
{
    auto radios = [this](const QVector<QRadioButton *> &group, const char *signal, const char *slot) {
        for (QRadioButton *r : group)
            connect(r, signal, this, slot);
    };
    auto combo = [this](CustomComboBox1 *c, const char *slot) {
        connect(c, SIGNAL(currentIndexChanged(int)), this, slot);
    };
    auto edit = [this](QLineEdit *e, const char *returnSlot, const char *textSlot) {
        connect(e, SIGNAL(returnPressed()), this, returnSlot);
        connect(e, SIGNAL(textChanged(const QString &)), this, textSlot);
    };

    radios({rtcsel_RadioButton_lick, rtcsel_RadioButton_lext, rtcsel_RadioButton_hext}, SIGNAL(clicked(bool)),
           SLOT(rtcsel_RadioButton_checkSlot(bool)));
    combo(rtcswitch_ComboBox, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    combo(rtcdiv_ComboBox, SLOT(rtcdiv_ComboBox_currentIndexChanged(int)));
    combo(lextbypass_ComboBox, SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    combo(hextdiv_ComboBox, SLOT(hextdiv_ComboBox_currentIndexChanged(int)));
    combo(hickdiv_ComboBox, SLOT(hickdiv_ComboBox_currentIndexChanged(int)));
    edit(hext_LineEdit, SLOT(hext_LineEdit_returnPressed()), SLOT(hext_LineEdit_textChanged(const QString &)));
    combo(hextbypass_ComboBox, SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    edit(pllms_LineEdit, SLOT(pllms_LineEdit_returnPressed()), SLOT(pllms_LineEdit_textChanged(const QString &)));
    edit(pllns_LineEdit, SLOT(pllns_LineEdit_returnPressed()), SLOT(pllns_LineEdit_textChanged(const QString &)));
    if (table.fr())
        combo(pllfr_ComboBox, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    else
        combo(pllfp_ComboBox, SLOT(pllfp_ComboBox_currentIndexChanged(int)));
    radios({pllrcs_RadioButton_hext, pllrcs_RadioButton_hick}, SIGNAL(clicked(bool)),
           SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(sclkselect_RadioButton_hext, SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselect_RadioButton_pll, SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselect_RadioButton_hick, SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    combo(ahbdiv_ComboBox, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    combo(apb1div_ComboBox, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    combo(apb2div_ComboBox, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    if (table.fr())
        combo(usbdiv_ComboBox, SLOT(usbdiv_ComboBox_currentIndexChanged(int)));
    else
        combo(pllfu_ComboBox, SLOT(pllfu_ComboBox_currentIndexChanged(int)));
    combo(usbswitch_ComboBox, SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    radios({hicktousb_RadioButton_pll, hicktousb_RadioButton_hick}, SIGNAL(toggled(bool)),
           SLOT(hicktousb_RadioButton_checkSlot(bool)));
    radios({hicktosclk_RadioButton_8m, hicktosclk_RadioButton_48m}, SIGNAL(toggled(bool)),
           SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    radios(clkoutRows, SIGNAL(toggled(bool)), SLOT(clkout_RadioButton_checkSlot(bool)));
    combo(clockoutdiv1_ComboBox, SLOT(clockoutdiv1_ComboBox_currentIndexChanged(int)));
    combo(clockoutdiv2_ComboBox, SLOT(clockoutdiv2_ComboBox_currentIndexChanged(int)));
    combo(clockoutPinSelectComboBox, SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
    edit(sclk_LineEdit, SLOT(sclk_LineEdit_returnPressed()), SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(toapb1peripheral_List_Button, SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(toapb1tmr_List_Button, SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(toapb2peripheral_List_Button, SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(toapb2tmr_List_Button, SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
    if (!table.fr()) {
        radios({i2sf5clocksel_RadioButton_pllp, i2sf5clocksel_RadioButton_sclk, i2sf5clocksel_RadioButton_hick,
                i2sf5clocksel_RadioButton_external},
               SIGNAL(toggled(bool)), SLOT(i2sf5clocksel_RadioButton_checkSlot(bool)));
        combo(i2sf5switch_ComboBox, SLOT(i2sf5switch_ComboBox_currentIndexChanged(int)));
        return;
    }
    radios({usart1clocksel_RadioButton_pclk, usart1clocksel_RadioButton_sclk, usart1clocksel_RadioButton_hick,
            usart1clocksel_RadioButton_lext},
           SIGNAL(toggled(bool)), SLOT(usart1clocksel_RadioButton_checkSlot(bool)));
    combo(usart1switch_ComboBox, SLOT(usart1switch_ComboBox_currentIndexChanged(int)));
    radios({usart2clocksel_RadioButton_pclk, usart2clocksel_RadioButton_sclk, usart2clocksel_RadioButton_hick,
            usart2clocksel_RadioButton_lext},
           SIGNAL(toggled(bool)), SLOT(usart2clocksel_RadioButton_checkSlot(bool)));
    combo(usart2switch_ComboBox, SLOT(usart2switch_ComboBox_currentIndexChanged(int)));
    radios({usart3clocksel_RadioButton_pclk, usart3clocksel_RadioButton_sclk, usart3clocksel_RadioButton_hick,
            usart3clocksel_RadioButton_lext},
           SIGNAL(toggled(bool)), SLOT(usart3clocksel_RadioButton_checkSlot(bool)));
    combo(usart3switch_ComboBox, SLOT(usart3switch_ComboBox_currentIndexChanged(int)));
    radios({i2c1clocksel_RadioButton_pclk, i2c1clocksel_RadioButton_sclk, i2c1clocksel_RadioButton_hick},
           SIGNAL(toggled(bool)), SLOT(i2c1clocksel_RadioButton_checkSlot(bool)));
    combo(i2c1switch_ComboBox, SLOT(i2c1switch_ComboBox_currentIndexChanged(int)));
    radios({adcclocksel_RadioButton_hclk, adcclocksel_RadioButton_pllclk}, SIGNAL(toggled(bool)),
           SLOT(adcclocksel_RadioButton_checkSlot(bool)));
    combo(adcswitch_ComboBox, SLOT(adcswitch_ComboBox_currentIndexChanged(int)));
}

// ---------------------------------------------------------------- lists

void KytoFlexibleView::onListButtonClicked(int list)
{
    const ClickUndo::Guard click(undo, sender());
    peripheralLists.toggle(list);
}

void KytoFlexibleView::mousePressEvent(QMouseEvent *event)
{
    peripheralLists.closeAll();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------- predicates

bool KytoFlexibleView::usbOn() const
{
    return usbswitch_ComboBox->currentIndex() == 0;
}

bool KytoFlexibleView::usbFromPll() const
{
    return usbOn() && hicktousb_RadioButton_pll->isChecked();
}

bool KytoFlexibleView::pinSet() const
{
    return clockoutPinSelectComboBox->currentIndex() != 0;
}

bool KytoFlexibleView::pllInUse() const
{
    if (sclkselect_RadioButton_pll->isChecked() || usbFromPll() || (pinSet() && clkout_RadioButton_pll->isChecked()))
        return true;
    if (table.fr())
        return model->adcEnabled && adcclocksel_RadioButton_pllclk->isChecked();
    return model->i2sf5Enabled && i2sf5clocksel_RadioButton_pllp->isChecked();
}

// HEXT drives the system clock, the clock-out pin or the PLL in use. The
// highlighting adds the ERTC; the checks leave it to the ERTC's own read-out.
bool KytoFlexibleView::hextFeedsClockTree() const
{
    return sclkselect_RadioButton_hext->isChecked() || (pinSet() && clkout_RadioButton_hext->isChecked())
           || (pllInUse() && pllrcs_RadioButton_hext->isChecked());
}

bool KytoFlexibleView::lextInUse() const
{
    if (rtcswitch_ComboBox->currentIndex() != 0 && rtcsel_RadioButton_lext->isChecked())
        return true;
    if (pinSet() && clkout_RadioButton_lext->isChecked())
        return true;
    if (!table.fr())
        return false;
    return (usart1clocksel_RadioButton_lext->isChecked() && model->usart1Enabled)
           || (usart2clocksel_RadioButton_lext->isChecked() && model->usart2Enabled)
           || (usart3clocksel_RadioButton_lext->isChecked() && model->usart3Enabled);
}

// ---------------------------------------------------------------- highlighting

void KytoFlexibleView::highlightClockPaths()
{
    if (table.fr())
        updateLextEnables();
    else
        updateLextBypassStyle(lextInUse());
    updateRtcSwitchEnables();
    const bool ertcFromHext = rtcswitch_ComboBox->currentIndex() == 1 && rtcsel_RadioButton_hext->isChecked();
    rtcdiv_Label->setEnabled(ertcFromHext);
    rtcdiv_ComboBox->setComboBoxEnabled(ertcFromHext);
    updateHextEnables();
    updateHickEnables();
    updatePllEnables();
    updateHickToSclkStyle(sclkselect_RadioButton_hick->isChecked());
    if (pinSet()) {
        updateClkoutStyle(true);
        updateClkoutUsbStyle(usbOn());
    } else {
        updateClkoutStyle(false);
    }
    updateUsbSwitchEnables();
    if (!table.fr()) {
        updateI2sf5ClockSelStyle(i2sf5switch_ComboBox->currentIndex() != 0);
        return;
    }
    updateKernelGroupStyle(usart1switch_ComboBox->currentIndex() != 0, usart1clocksel_Label,
                           {usart1clocksel_RadioButton_pclk, usart1clocksel_RadioButton_sclk,
                            usart1clocksel_RadioButton_hick, usart1clocksel_RadioButton_lext},
                           {usart1clocksel_Label_pclk, usart1clocksel_Label_sclk, usart1clocksel_Label_hick,
                            usart1clocksel_Label_lext},
                           usart1_ReadOut, usart1_Label);
    updateKernelGroupStyle(usart2switch_ComboBox->currentIndex() != 0, usart2clocksel_Label,
                           {usart2clocksel_RadioButton_pclk, usart2clocksel_RadioButton_sclk,
                            usart2clocksel_RadioButton_hick, usart2clocksel_RadioButton_lext},
                           {usart2clocksel_Label_pclk, usart2clocksel_Label_sclk, usart2clocksel_Label_hick,
                            usart2clocksel_Label_lext},
                           usart2_ReadOut, usart2_Label);
    updateKernelGroupStyle(usart3switch_ComboBox->currentIndex() != 0, usart3clocksel_Label,
                           {usart3clocksel_RadioButton_pclk, usart3clocksel_RadioButton_sclk,
                            usart3clocksel_RadioButton_hick, usart3clocksel_RadioButton_lext},
                           {usart3clocksel_Label_pclk, usart3clocksel_Label_sclk, usart3clocksel_Label_hick,
                            usart3clocksel_Label_lext},
                           usart3_ReadOut, usart3_Label);
    updateKernelGroupStyle(i2c1switch_ComboBox->currentIndex() != 0, i2c1clocksel_Label,
                           {i2c1clocksel_RadioButton_pclk, i2c1clocksel_RadioButton_sclk, i2c1clocksel_RadioButton_hick},
                           {i2c1clocksel_Label_pclk, i2c1clocksel_Label_sclk, i2c1clocksel_Label_hick}, i2c1_ReadOut,
                           i2c1_Label);
    updateKernelGroupStyle(adcswitch_ComboBox->currentIndex() != 0, adcclocksel_Label,
                           {adcclocksel_RadioButton_hclk, adcclocksel_RadioButton_pllclk},
                           {adcclocksel_Label_hclk, adcclocksel_Label_pllclk}, adc_ReadOut, adc_Label);
}

void KytoFlexibleView::updateLextEnables()
{
    updateLextBypassStyle(lextInUse());
}

// The crystal's pin labels: both blue while the oscillator runs on its
// crystal, OUT greyed while the bypass feeds an external clock into IN.
void KytoFlexibleView::setPinLabels(QLabel *in, QLabel *out, CustomComboBox1 *bypass, bool on)
{
    in->setStyleSheet(PageStyles::pinText(on));
    const bool outOn = on && bypass->currentIndex() == 0;
    if (outOn)
        out->setEnabled(true);
    out->setStyleSheet(PageStyles::pinText(outOn));
    if (!outOn)
        out->setEnabled(false);
}

void KytoFlexibleView::updateLextBypassStyle(bool on)
{
    lext_ReadOut->setStyleSheet(on ? PageStyles::frame(true) : QString::fromLatin1(kLextFrameOff));
    enableAll({lext_Label, lext_ReadOut, lextbypass_Label, lextbypassin_Label}, on);
    lextbypass_ComboBox->setComboBoxEnabled(on);
    setPinLabels(lextbypassin_Label, lextbypassout_Label, lextbypass_ComboBox, on);
}

void KytoFlexibleView::updateRtcSwitchEnables()
{
    const bool on = rtcswitch_ComboBox->currentIndex() != 0;
    updateRtcSelStyle(on);
    ertc_Label->setEnabled(on);
    ertc_ReadOut->setEnabled(on);
    setEditTextColor(ertc_ReadOut, on ? Qt::darkGreen : Qt::gray);
}

void KytoFlexibleView::updateRtcSelStyle(bool on)
{
    const QVector<QRadioButton *> radios{rtcsel_RadioButton_lick, rtcsel_RadioButton_lext, rtcsel_RadioButton_hext};
    styleRadios(radios, on);
    enableAll({rtcsel_Label, rtcsel_RadioButton_lick, rtcsel_RadioButton_lext, rtcsel_RadioButton_hext}, on);
}

void KytoFlexibleView::updateHextEnables()
{
    if (sclkselect_RadioButton_hext->isChecked()) {
        setHextEditEnabled(true);
        hextdiv_Label->setEnabled(true);
        hextdiv_ComboBox->setComboBoxEnabled(true);
        return;
    }
    const bool ertcFromHext = rtcswitch_ComboBox->currentIndex() == 1 && rtcsel_RadioButton_hext->isChecked();
    setHextEditEnabled(ertcFromHext || hextFeedsClockTree());
    hextdiv_Label->setEnabled(false);
    hextdiv_ComboBox->setComboBoxEnabled(false);
}

void KytoFlexibleView::setHextEditEnabled(bool on)
{
    hextEnabled = on;
    if (on) {
        hext_LineEdit->setStyleSheet(QString::fromLatin1(kHextEditOn));
        onHextTextChanged(hext_LineEdit->text());
    } else {
        hext_LineEdit->setStyleSheet(QString::fromLatin1(kHextEditOff));
    }
    enableAll({hext_Label, hext_LineEdit, hextbypass_Label, hextbypassin_Label}, on);
    hextbypass_ComboBox->setComboBoxEnabled(on);
    setPinLabels(hextbypassin_Label, hextbypassout_Label, hextbypass_ComboBox, on);
}

void KytoFlexibleView::updateHickEnables()
{
    const bool toSclk = sclkselect_RadioButton_hick->isChecked();
    hickdiv_Label->setEnabled(toSclk);
    hickdiv_ComboBox->setComboBoxEnabled(toSclk);
    hick_Label->setEnabled(true);
    hick_ReadOut->setEnabled(true);
    hick_ReadOut->setStyleSheet(PageStyles::frame(true));
}

void KytoFlexibleView::updatePllEnables()
{
    const bool on = pllInUse();
    updatePllRcsStyle(on);
    factors.setInUse(on);
    QLabel *outDivLabel = table.fr() ? pllfr_Label : pllfp_Label;
    enableAll({pllms_Label, pllms_LineEdit, pllmsrange_Label, pllns_Label, pllns_LineEdit, pllnsrange_Label,
               outDivLabel, pll_Label, pllcfg_Label, pllcfg_ReadOut},
              on);
    (table.fr() ? pllfr_ComboBox : pllfp_ComboBox)->setComboBoxEnabled(on);
}

void KytoFlexibleView::updatePllRcsStyle(bool on)
{
    styleRadios({pllrcs_RadioButton_hext, pllrcs_RadioButton_hick}, on);
    enableAll({pllrcs_Label, pllrcs_RadioButton_hext, pllrcs_RadioButton_hick}, on);
}

void KytoFlexibleView::updateHickToSclkStyle(bool on)
{
    styleRadios({hicktosclk_RadioButton_8m, hicktosclk_RadioButton_48m}, on);
    enableAll({hicktosclk_Label, hicktosclk_RadioButton_8m, hicktosclk_RadioButton_48m}, on);
}

void KytoFlexibleView::updateClkoutStyle(bool on)
{
    QVector<QWidget *> widgets{clockoutdiv1_Label, clockoutdiv2_Label, clkoutfreq_Label, clkout_Label};
    for (QRadioButton *radio : clkoutRows)
        widgets << radio;
    for (QLabel *label : {clkoutsrc_Label_sclk, clkoutsrc_Label_hext, clkoutsrc_Label_pll, clkoutsrc_Label_usb,
                          clkoutsrc_Label_adc, clkoutsrc_Label_hick, clkoutsrc_Label_lick, clkoutsrc_Label_lext})
        widgets << label;
    for (QLabel *label : clkoutValueLabels)
        widgets << label;
    enableAll(widgets, on);
    clockoutdiv1_ComboBox->setComboBoxEnabled(on);
    clockoutdiv2_ComboBox->setComboBoxEnabled(on);
    styleRadios(clkoutRows, on);
}

void KytoFlexibleView::updateClkoutUsbStyle(bool on)
{
    styleRadios({clkout_RadioButton_usb}, on);
    // A clock-out on a USB that is switched off falls back to the system clock.
    if (!on && clkout_RadioButton_usb->isChecked() && !usbOn())
        clkout_RadioButton_sclk->setChecked(true);
    enableAll({clkoutsrc_Label_usb, clkout_RadioButton_usb, clkoutsrcfreq_Label_usb}, on);
}

void KytoFlexibleView::updateUsbSwitchEnables()
{
    QLabel *divLabel = table.fr() ? usbdiv_Label : pllfu_Label;
    CustomComboBox1 *divCombo = table.fr() ? usbdiv_ComboBox : pllfu_ComboBox;
    if (!usbOn()) {
        divLabel->setEnabled(false);
        divCombo->setComboBoxEnabled(false);
        updateHickToUsbStyle(false);
        updateClkoutUsbStyle(false);
        usb_Label->hide();
        return;
    }
    updateHickToUsbStyle(true);
    updateClkoutUsbStyle(pinSet());
    usb_Label->show();
    const bool fromPll = hicktousb_RadioButton_pll->isChecked();
    divLabel->setEnabled(fromPll);
    divCombo->setComboBoxEnabled(fromPll);
}

void KytoFlexibleView::updateHickToUsbStyle(bool on)
{
    styleRadios({hicktousb_RadioButton_pll, hicktousb_RadioButton_hick}, on);
    enableAll({hicktousb_Label, hicktousb_RadioButton_pll, hicktousb_RadioButton_hick}, on);
}

void KytoFlexibleView::updateI2sf5ClockSelStyle(bool on)
{
    updateKernelGroupStyle(on, i2sf5clocksel_Label,
                           {i2sf5clocksel_RadioButton_pllp, i2sf5clocksel_RadioButton_sclk,
                            i2sf5clocksel_RadioButton_hick, i2sf5clocksel_RadioButton_external},
                           {i2sf5clocksel_Label_pllp, i2sf5clocksel_Label_sclk, i2sf5clocksel_Label_hick,
                            i2sf5clocksel_Label_external},
                           i2sf5_ReadOut, i2sf5_Label);
}

void KytoFlexibleView::updateKernelGroupStyle(bool on, QLabel *caption, const QVector<QRadioButton *> &radios,
                                             const QVector<QLabel *> &rowCaptions, QLineEdit *readout, QLabel *unit)
{
    caption->setEnabled(on);
    for (QRadioButton *radio : radios)
        radio->setEnabled(on);
    for (QLabel *label : rowCaptions)
        label->setEnabled(on);
    styleRadios(radios, on);
    unit->setEnabled(on);
    Readouts::setReadoutInUse(readout, on);
}

// ---------------------------------------------------------------- read-outs

void KytoFlexibleView::showFrequency(QLineEdit *readout, double value, double limit)
{
    Readouts::show(readout, value, limit);
}

void KytoFlexibleView::updateErtcDisplay()
{
    ertc_ReadOut->setText(Readouts::rtcKhz(rtcswitch_ComboBox->currentIndex() != 0, rtcsel_RadioButton_lick,
                                           rtcsel_RadioButton_lext, model->hextMhz, model->rtcHextDiv));
}

void KytoFlexibleView::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    const double sclkLimit = table.sclkMax;
    showFrequency(sclk_LineEdit, model->sclkMhz, sclkLimit);
    showFrequency(i2s_ReadOut, model->sclkMhz, sclkLimit);
    setEditTextColor(systick_ReadOut, model->ahbMhz > sclkLimit ? Qt::red : Qt::darkGreen);
    systick_ReadOut->setText(Readouts::mhz(model->ahbMhz * 0.125));
    showFrequency(dma_ReadOut, model->ahbMhz, sclkLimit);
    showFrequency(xmc_ReadOut, model->ahbMhz, sclkLimit);
    showFrequency(gpio_ReadOut, model->ahbMhz, sclkLimit);
    showFrequency(apb1peripheral_ReadOut, model->apb1Mhz, table.apb1Max);
    showFrequency(apb1tmr_ReadOut, model->apb1TimerMhz, sclkLimit);
    showFrequency(apb2peripheral_ReadOut, model->apb2Mhz, sclkLimit);
    showFrequency(apb2tmr_ReadOut, model->apb2TimerMhz, sclkLimit);
    syncApbDividersFromModel();

    setTextColor(usb_Label, model->usbMhz == 48.0 ? Qt::darkGreen : Qt::red);
    usb_Label->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));
    syncUsbDividerFromModel();

    pll_Label->setText(pll_Label->isEnabled() ? Readouts::mhz(model->pllMhz) + QStringLiteral("MHz") : QString());
    pll_Label->setVisible(pll_Label->isEnabled());
    const bool inUse = pllcfg_Label->isEnabled();
    PllCfgReadout::show(pllcfg_Label, pllcfg_ReadOut, inUse, inUse ? formatPllCfgValue() : QString());
    if (pinSet())
        updateSourceLabels();
    refreshKernelClocks();
    if (table.hasUsbHsPhy)
        refreshUsbHsPhy();
}

// A divider the combo does not offer (a fractional or a 9.0 usbDiv) shows
// the first item; the combo is never left without one.
void KytoFlexibleView::syncUsbDividerFromModel()
{
    if (table.fr())
        usbdiv_ComboBox->setCurrentIndex(usbDiv().indexOrFirst(model->usbDiv));
    else
        pllfu_ComboBox->setCurrentIndex(pllFu().indexOrFirst(model->pllFu));
}

void KytoFlexibleView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshKernelClocks();
    KytoMCUPLL::changeEvent(event);
}

void KytoFlexibleView::refreshKernelClocks()
{
    auto show = [this](QLineEdit *readout, QLabel *unit, double value, bool red, const QString &unitText) {
        setEditTextColor(readout, red ? Qt::red : Qt::darkGreen);
        readout->setText(Readouts::mhz(value));
        unit->setText(unitText);
    };
    const QString inMhz = QStringLiteral("(MHz)");
    if (!table.fr()) {
        if (!model->i2sf5Enabled)
            return;
        if (i2sf5clocksel_RadioButton_pllp->isChecked()) {
            show(i2sf5_ReadOut, i2sf5_Label, model->pllMhz, model->pllMhz > 216, inMhz);
        } else if (i2sf5clocksel_RadioButton_sclk->isChecked()) {
            show(i2sf5_ReadOut, i2sf5_Label, model->sclkMhz, model->sclkMhz > 216, inMhz);
        } else if (i2sf5clocksel_RadioButton_hick->isChecked()) {
            show(i2sf5_ReadOut, i2sf5_Label, hickOutputFrequency(), false, inMhz);
        } else if (i2sf5clocksel_RadioButton_external->isChecked()) {
            setEditTextColor(i2sf5_ReadOut, Qt::darkGreen);
            i2sf5_ReadOut->setText(trText(QT_TRANSLATE_NOOP("KytoFlexiblePLL", "Actual value")));
            i2sf5_Label->setText(QString());
        }
        return;
    }
    // USART1 runs on APB2, the other USARTs and I2C1 on APB1.
    auto usart = [&](bool enabled, double pclk, QRadioButton *pclkRadio, QRadioButton *sclkRadio,
                     QRadioButton *hickRadio, QRadioButton *lextRadio, QLineEdit *readout, QLabel *unit) {
        if (!enabled)
            return;
        if (pclkRadio->isChecked())
            show(readout, unit, pclk, pclk > 150, inMhz);
        else if (sclkRadio->isChecked())
            show(readout, unit, model->sclkMhz, model->sclkMhz > 150, inMhz);
        else if (hickRadio->isChecked())
            show(readout, unit, hickOutputFrequency(), false, inMhz);
        else if (lextRadio && lextRadio->isChecked())
            show(readout, unit, model->lextKhz, false, QStringLiteral("(kHz)"));
    };
    usart(model->usart1Enabled, model->apb2Mhz, usart1clocksel_RadioButton_pclk, usart1clocksel_RadioButton_sclk,
          usart1clocksel_RadioButton_hick, usart1clocksel_RadioButton_lext, usart1_ReadOut, usart1_Label);
    usart(model->usart2Enabled, model->apb1Mhz, usart2clocksel_RadioButton_pclk, usart2clocksel_RadioButton_sclk,
          usart2clocksel_RadioButton_hick, usart2clocksel_RadioButton_lext, usart2_ReadOut, usart2_Label);
    usart(model->usart3Enabled, model->apb1Mhz, usart3clocksel_RadioButton_pclk, usart3clocksel_RadioButton_sclk,
          usart3clocksel_RadioButton_hick, usart3clocksel_RadioButton_lext, usart3_ReadOut, usart3_Label);
    usart(model->i2c1Enabled, model->apb1Mhz, i2c1clocksel_RadioButton_pclk, i2c1clocksel_RadioButton_sclk,
          i2c1clocksel_RadioButton_hick, nullptr, i2c1_ReadOut, i2c1_Label);
    // The ADC read-out is coloured against APB1 and SCLK whatever it shows.
    if (model->adcEnabled) {
        if (adcclocksel_RadioButton_hclk->isChecked())
            show(adc_ReadOut, adc_Label, model->ahbMhz, model->apb1Mhz > 150, inMhz);
        else if (adcclocksel_RadioButton_pllclk->isChecked())
            show(adc_ReadOut, adc_Label, model->pllMhz, model->sclkMhz > 150, inMhz);
    }
}

// The PHY takes the crystal: the HEXT the model holds, whatever else HEXT
// feeds. A typed HEXT counts once it is applied.
void KytoFlexibleView::refreshUsbHsPhy()
{
    const double value = model->hextMhz;
    setEditTextColor(usbhsphy_ReadOut, value == 12.0 ? Qt::darkGreen : Qt::red);
    usbhsphy_ReadOut->setText(Readouts::mhz(value));
}

QString KytoFlexibleView::formatPllCfgValue() const
{
    return PllConfigWord::text(table.fr() ? PllConfigWord::withFrDivider(*model)
                                          : PllConfigWord::withFpFuDividers(*model));
}

double KytoFlexibleView::hickOutputFrequency() const
{
    const bool at48 = (usbOn() && hicktousb_RadioButton_hick->isChecked())
                      || (sclkselect_RadioButton_hick->isChecked() && hicktosclk_RadioButton_48m->isChecked())
                      || (sclkselect_RadioButton_pll->isChecked() && pllrcs_RadioButton_hick->isChecked());
    return at48 ? 48.0 : 8.0;
}

void KytoFlexibleView::setGroupVisible(bool visible)
{
    for (QLabel *label : clkoutValueLabels)
        label->setVisible(visible);
}

void KytoFlexibleView::updateSourceLabels()
{
    setGroupVisible(false);
    struct Source {
        QRadioButton *radio;
        QLabel *label;
        double f;
        bool khz;
    };
    const double hick = hickOutputFrequency();
    const Source sources[] = {
        {clkout_RadioButton_lick, clkoutsrcfreq_Label_lick, 40.0, true},
        {clkout_RadioButton_lext, clkoutsrcfreq_Label_lext, 32.768, true},
        {clkout_RadioButton_hick, clkoutsrcfreq_Label_hick, hick, false},
        {clkout_RadioButton_hext, clkoutsrcfreq_Label_hext, model->hextMhz, false},
        {clkout_RadioButton_sclk, clkoutsrcfreq_Label_sclk, model->sclkMhz, false},
        {clkout_RadioButton_usb, clkoutsrcfreq_Label_usb, model->usbMhz, false},
        {clkout_RadioButton_adc, clkoutsrcfreq_Label_adc, 0.0, false},
        {clkout_RadioButton_pll, clkoutsrcfreq_Label_pll, model->pllMhz, false},
    };
    for (const Source &s : sources) {
        if (!s.radio->isChecked())
            continue;
        s.label->setVisible(true);
        // The ADC clock is not a value these pages know.
        if (s.radio == clkout_RadioButton_adc) {
            s.label->setText(QString());
            clkoutfreq_Label->setText(QString());
            return;
        }
        const QString unit = s.khz ? QStringLiteral(" kHz)") : QStringLiteral(" MHz)");
        s.label->setText(QStringLiteral("(") + Readouts::mhz(s.f) + unit);
        clkoutfreq_Label->setText(QStringLiteral("(") + Readouts::mhz(s.f / model->clkoutDiv1 / model->clkoutDiv2) + unit);
        return;
    }
    clkoutfreq_Label->setText(QString());
}

void KytoFlexibleView::showPllParams()
{
    factors.showModel();
    if (table.fr())
        pllfr_ComboBox->setCurrentIndex(pllFr().indexOrFirst(model->pllFr));
    else
        pllfp_ComboBox->setCurrentIndex(pllFp().indexOrFirst(model->pllFp));
}

void KytoFlexibleView::syncApbDividersFromModel()
{
    apb1div_ComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2div_ComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb1tmrmult_ReadOut->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2tmrmult_ReadOut->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}


void KytoFlexibleView::setBypass(QLabel *out, bool &field, int index)
{
    field = index != 0;
    if (field) {
        out->setStyleSheet(PageStyles::pinText(false));
        out->setEnabled(false);
    } else {
        out->setEnabled(true);
        out->setStyleSheet(PageStyles::pinText(true));
    }
}

