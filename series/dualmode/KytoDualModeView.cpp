#include "KytoDualModeView.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"
#include "../common/Readouts.h"

#include <QButtonGroup>
#include <QFont>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

// The CRM_PLLCFG word reads as text on the PLL block, without a frame.
const char *const kPllCfgStyle = "border:  0px;";

const char *const kHextInputError = QT_TRANSLATE_NOOP("KytoDualModePLL", "hext input error!");

const int kPllFrDivisors[] = {1, 2, 4, 8, 16, 32};

// In the flexible mode the pll_mode combo stands left of the pll_ms edit, in
// a PLL frame that leaves it no more room than up to a small gap before it.
const int kPllMsX = 450;
const int kFlexibleModeComboX = 375;
const int kFlexibleModeComboRoom = kPllMsX - 5 - kFlexibleModeComboX;

// Clock-out source codes of the model.
enum { NoClk = 0, LickOut = 1, LextOut = 2, HickOut = 3, HextOut = 4, SclkOut = 5,
       UsbOut = 6, AdcOut = 7, PllHalfOut = 8, PllQuarterOut = 9 };

template <int N>
int indexOf(const int (&values)[N], int value)
{
    for (int i = 0; i < N; ++i) {
        if (values[i] == value)
            return i;
    }
    return -1;
}

QStringList dividerItems(const QVector<int> &values, const QString &prefix)
{
    QStringList items;
    for (int v : values)
        items << prefix + QString::number(v);
    return items;
}

const QStringList &switchItems()
{
    static const QStringList items{QStringLiteral("disable"), QStringLiteral("enable")};
    return items;
}

} // namespace

QVector<DualModeReadout> DualModePageLayout::column(int x, int i2sY, int sdioY, int dmaY)
{
    using K = DualModeReadoutKind;
    QVector<DualModeReadout> r;
    if (i2sY)
        r << DualModeReadout{QStringLiteral("i2s"), QStringLiteral("i2s (MHz)"), {x, i2sY}, K::Sclk};
    r << DualModeReadout{QStringLiteral("systick"), QStringLiteral("systick(MHz)"), {x, 144}, K::Systick};
    if (sdioY)
        r << DualModeReadout{QStringLiteral("sdio"), QStringLiteral("sdio (MHz)"), {x, sdioY}, K::Ahb};
    r << DualModeReadout{QStringLiteral("dma"), QStringLiteral("dma (MHz)"), {x, dmaY}, K::Ahb}
      << DualModeReadout{QStringLiteral("gpio"), QStringLiteral("gpio (MHz)"), {x, 274}, K::Ahb}
      << DualModeReadout{QStringLiteral("apb1peripheral"), QStringLiteral("apb1 peripheral (MHz)"), {x, 372}, K::Apb1}
      << DualModeReadout{QStringLiteral("apb1tmr"), QStringLiteral("apb1 tmr (MHz)"), {x, 456}, K::Apb1Timer}
      << DualModeReadout{QStringLiteral("adc"), QString(), {x, 513}, K::Adc}
      << DualModeReadout{QStringLiteral("apb2peripheral"), QStringLiteral("apb2 peripheral (MHz)"), {x, 602}, K::Apb2}
      << DualModeReadout{QStringLiteral("apb2tmr"), QStringLiteral("apb2 tmr (MHz)"), {x, 687}, K::Apb2Timer};
    return r;
}

KytoDualModeView::KytoDualModeView(const DualModeSeriesTable &seriesTable, QWidget *parent)
    : KytoMCUPLL(seriesTable.seriesIndex, parent)
    , table(seriesTable)
    , messages(this)
    , lists(seriesTable.listCloseMovesFocus)
    , factors(this, messages)
{
}

KytoDualModeView::~KytoDualModeView() = default;

// ---------------------------------------------------------------- building

CustomComboBox1 *KytoDualModeView::makeCombo(const QPoint &at, int width, int z, const QStringList &items,
                                             const QString &name)
{
    CustomComboBox1 *combo = addComboBox(at.x(), at.y(), width, z);
    combo->insertItems(combo->count(), items);
    combo->setFixedHeight(25);
    combo->setObjectName(name);
    return combo;
}

QLabel *KytoDualModeView::makeLabel(const QString &text, const QPoint &at, int pointSize, int weight,
                                    const QString &name)
{
    QLabel *label = addLabel(text, at.x(), at.y(), pointSize, weight);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QButtonGroup *KytoDualModeView::makeRadioGroup(const QString &node, const QStringList &choices,
                                               const QVector<QPoint> &places, QVector<QRadioButton *> &radios)
{
    QButtonGroup *group = new QButtonGroup(this);
    group->setObjectName(node + QStringLiteral("_ButtonGroup"));
    radios.clear();
    for (int i = 0; i < places.size(); ++i) {
        QRadioButton *radio = addRadioButton(places[i].x(), places[i].y());
        radio->setObjectName(node + QStringLiteral("_RadioButton_") + choices.value(i));
        group->addButton(radio);
        radios << radio;
    }
    return group;
}

void KytoDualModeView::buildUi()
{
    buildLickReadout();
    buildWdtLabel();
    buildRtcSwitchCombo();
    buildLextReadout();
    buildLextBypassCombo();
    buildErtcSelGroup();
    buildHextEdit();
    buildHextBypassCombo();
    buildPllHextDivGroup();
    buildPllRcsGroup();
    buildPllModeCombo();
    buildPllMultCombo();
    buildPllMsEdit();
    buildPllNsEdit();
    buildPllFrCombo();
    buildPllCfgReadout();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApb1DivCombo();
    buildApb2DivCombo();
    if (table.usb != DualModeUsb::None) {
        buildUsbDivCombo();
        if (table.usb == DualModeUsb::PllOrHick)
            buildHickToUsbGroup();
        else
            buildUsbSwitchCombo();
    }
    buildHickToSclkGroup();
    buildHickReadout();
    buildClockoutDivCombo();
    buildClkoutPinCombo();
    buildClkoutSourceGroup();
    buildSclkEdit();
    buildPeripheralReadouts();
    buildReadOnlyFreqEdits();
    buildAdcDivCombo();
    for (const DualModeKernelClock &block : table.layout.kernelClocks)
        buildKernelClockGroup(block);
}

void KytoDualModeView::buildLickReadout()
{
    const DualModePageLayout &l = table.layout;
    lick_Label = makeLabel(QStringLiteral("lick(kHz)"), l.lickLabel, 10, 0, QStringLiteral("lick_Label"));
    lick_ReadOut = addLineEdit(QStringLiteral("40"), l.lick.x(), l.lick.y(), 60);
    lick_ReadOut->setObjectName(QStringLiteral("lick_ReadOut"));
    lick_ReadOut->setStyleSheet(PageStyles::frame(true));
    lick_ReadOut->setMaximumWidth(80);
    lick_ReadOut->setFixedHeight(30);
    lick_ReadOut->setReadOnly(true);
}

void KytoDualModeView::buildWdtLabel()
{
    const QPoint &p = table.layout.wdt;
    wdt_ReadOut = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), p.x(), p.y(), 9);
    wdt_ReadOut->setObjectName(QStringLiteral("wdt_ReadOut"));
    setEditTextColor(wdt_ReadOut, Qt::darkGreen);
    wdt_ReadOut->setText(QStringLiteral("40"));
}

void KytoDualModeView::buildRtcSwitchCombo()
{
    const DualModePageLayout &l = table.layout;
    rtcswitch_ComboBox = makeCombo(l.rtcSwitch, 80, 0, switchItems(), QStringLiteral("rtcswitch_ComboBox"));
    rtcswitch_ComboBox->setFixedWidth(80);
    ertc_Label = makeLabel(QStringLiteral("to ertc(kHz)"), l.ertcLabel, 9, 0, QStringLiteral("ertc_Label"));
    ertc_ReadOut = addReadOnlyLineEdit(l.ertc.x(), l.ertc.y(), 9);
    ertc_ReadOut->setObjectName(QStringLiteral("ertc_ReadOut"));
    ertc_ReadOut->setText(QStringLiteral("40"));
}

void KytoDualModeView::buildLextReadout()
{
    const DualModePageLayout &l = table.layout;
    lext_Label = makeLabel(QStringLiteral("lext(kHz)"), l.lextLabel, 10, 0, QStringLiteral("lext_Label"));
    lext_ReadOut = addLineEdit(QStringLiteral("32.768"), l.lext.x(), l.lext.y(), 60);
    lext_ReadOut->setObjectName(QStringLiteral("lext_ReadOut"));
    lext_ReadOut->setStyleSheet(PageStyles::frame(true));
    lext_ReadOut->setMaximumWidth(80);
    lext_ReadOut->setFixedHeight(30);
    lext_ReadOut->setReadOnly(true);
}

void KytoDualModeView::buildLextBypassCombo()
{
    const DualModePageLayout &l = table.layout;
    lextbypass_Label = makeLabel(QStringLiteral("bypass"), l.lextBypassLabel, 10, 0, QStringLiteral("lextbypass_Label"));
    lextbypass_ComboBox = makeCombo(l.lextBypass, 80, 0, switchItems(), QStringLiteral("lextbypass_ComboBox"));
    lextbypass_ComboBox->setFixedWidth(80);
    lextbypassin_Label = makeLabel(QStringLiteral("IN"), l.lextIn, 8, 0, QStringLiteral("lextbypassin_Label"));
    lextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
    lextbypassout_Label = makeLabel(QStringLiteral("OUT"), l.lextOut, 8, 0, QStringLiteral("lextbypassout_Label"));
    lextbypassout_Label->setStyleSheet(PageStyles::pinText(true));
}

void KytoDualModeView::buildErtcSelGroup()
{
    const DualModePageLayout &l = table.layout;
    rtcsel_Label = makeLabel(QStringLiteral("ertcsel"), l.rtcselLabel, 10, 0, QStringLiteral("rtcsel_Label"));
    rtcsel_ButtonGroup = makeRadioGroup(QStringLiteral("rtcsel"),
                                        {QStringLiteral("lick"), QStringLiteral("lext"), QStringLiteral("hext")},
                                        l.rtcsel, rtcsel);
    rtcsel[0]->setChecked(true);
}

void KytoDualModeView::buildHextEdit()
{
    const DualModePageLayout &l = table.layout;
    hext_Label = makeLabel(QStringLiteral("hext(4-25MHz)"), l.hextLabel, 10, 0, QStringLiteral("hext_Label"));
    hext_LineEdit = addLineEdit(QStringLiteral("8"), l.hext.x(), l.hext.y(), 60);
    hext_LineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hext_LineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hext_LineEdit->setStyleSheet(PageStyles::editApplied());
    hext_LineEdit->setMaximumWidth(80);
    hext_LineEdit->setFixedHeight(30);
    hext_LineEdit->setMaxLength(8);
    hext_LineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoDualModeView::buildHextBypassCombo()
{
    const DualModePageLayout &l = table.layout;
    hextbypass_Label = makeLabel(QStringLiteral("bypass"), l.hextBypassLabel, 10, 0, QStringLiteral("hextbypass_Label"));
    hextbypass_ComboBox = makeCombo(l.hextBypass, 80, 0, switchItems(), QStringLiteral("hextbypass_ComboBox"));
    hextbypass_ComboBox->setFixedWidth(80);
    hextbypassin_Label = makeLabel(QStringLiteral("IN"), l.hextIn, 8, 0, QStringLiteral("hextbypassin_Label"));
    hextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
    hextbypassout_Label = makeLabel(QStringLiteral("OUT"), l.hextOut, 8, 0, QStringLiteral("hextbypassout_Label"));
    hextbypassout_Label->setStyleSheet(PageStyles::pinText(true));
}

void KytoDualModeView::buildPllHextDivGroup()
{
    const DualModePageLayout &l = table.layout;
    pllhextdiv_ButtonGroup = makeRadioGroup(QStringLiteral("pllhextdiv"),
                                            {QStringLiteral("undivided"), QStringLiteral("divided")},
                                            l.pllhextdiv, pllhextdiv);
    pllhextdiv_Label = makeLabel(QStringLiteral("pllhextdiv"), l.pllhextdivLabel, 10, 0, QStringLiteral("pllhextdiv_Label"));
    pllhextdiv[0]->setChecked(true);
}

void KytoDualModeView::buildPllRcsGroup()
{
    const DualModePageLayout &l = table.layout;
    pllrcs_ButtonGroup = makeRadioGroup(QStringLiteral("pllrcs"), {QStringLiteral("hext"), QStringLiteral("hick")},
                                        l.pllrcs, pllrcs);
    pllrcs_Label = makeLabel(QStringLiteral("pllrcs"), l.pllrcsLabel, 10, 0, QStringLiteral("pllrcs_Label"));
    pllrcs[0]->setChecked(true);
}

// The PLL block is the same on every drawing of the family.
void KytoDualModeView::buildPllModeCombo()
{
    pllmode_Label = addLabelWithProxy(QStringLiteral("pll_mode"), 430, 327, 10, 0, &pllmode_LabelProxy);
    pllmode_Label->setObjectName(QStringLiteral("pllmode_Label"));
    pllmode_LabelProxy->setZValue(1);
    const QStringList modes{QStringLiteral("normal"), QStringLiteral("flexible")};
    const int width = qMin(PageStyles::comboWidthFor(modes, 65), kFlexibleModeComboRoom);
    pllmode_ComboBox = addComboBoxWithProxy(425, 347, width, 1, &pllmode_ComboBoxProxy);
    pllmode_ComboBox->insertItems(0, modes);
    pllmode_ComboBox->setFixedHeight(25);
    pllmode_ComboBox->setObjectName(QStringLiteral("pllmode_ComboBox"));
    pll_Label = makeLabel(QString(), table.layout.pllOutput, 9, 75, QStringLiteral("pll_Label"));
    PagePlacement::fitBetween(pll_Label, table.layout.pllOutputLeft, table.layout.pllOutputRight,
                              QStringLiteral("000.000MHz"));
}

void KytoDualModeView::buildPllMultCombo()
{
    pllmult_Label = addLabelWithProxy(QStringLiteral("pll_mult"), 567, 327, 10, 0, &pllmult_LabelProxy);
    pllmult_Label->setObjectName(QStringLiteral("pllmult_Label"));
    pllmult_LabelProxy->setZValue(1);
    pllmult_ComboBox = addComboBoxWithProxy(562, 347, 60, 1, &pllmult_ComboBoxProxy);
    QStringList items;
    for (int factor = 2; factor <= 64; ++factor)
        items << QStringLiteral("  * %1").arg(factor);
    pllmult_ComboBox->insertItems(0, items);
    pllmult_ComboBox->setFixedHeight(25);
    pllmult_ComboBox->setObjectName(QStringLiteral("pllmult_ComboBox"));
}

void KytoDualModeView::buildPllMsEdit()
{
    pllms_Label = makeLabel(QStringLiteral("pll_ms"), {462, 327}, 10, 0, QStringLiteral("pllms_Label"));
    pllms_LineEdit = addLineEditWithProxy(QStringLiteral("1"), kPllMsX, 347, &pllms_LineEditProxy);
    PllFactorEdits::configure(pllms_LineEdit, PllFactorEdits::Ms);
    pllms_LineEdit->setFixedWidth(60);
    pllmsrange_Label = makeLabel(QStringLiteral("(1-15)"), {460, 377}, 10, 0, QStringLiteral("pllmsrange_Label"));
}

void KytoDualModeView::buildPllNsEdit()
{
    pllns_Label = makeLabel(QStringLiteral("pll_ns"), {533, 327}, 10, 0, QStringLiteral("pllns_Label"));
    pllns_LineEdit = addLineEditWithProxy(QStringLiteral("1"), 520, 347, &pllns_LineEditProxy);
    PllFactorEdits::configure(pllns_LineEdit, PllFactorEdits::Ns);
    pllns_LineEdit->setFixedWidth(60);
    pllnsrange_Label = makeLabel(QStringLiteral("(31-500)"), {525, 377}, 10, 0, QStringLiteral("pllnsrange_Label"));
    factors.attach(pllms_LineEdit, pllns_LineEdit);
}

void KytoDualModeView::buildPllFrCombo()
{
    pllfr_Label = makeLabel(QStringLiteral("pll_fr"), {605, 327}, 10, 0, QStringLiteral("pllfr_Label"));
    pllfr_ComboBox = addComboBoxWithProxy(590, 347, 60, 0, &pllfr_ComboBoxProxy);
    pllfr_ComboBox->insertItems(0, dividerItems({1, 2, 4, 8, 16, 32}, QStringLiteral("  /")));
    pllfr_ComboBox->setFixedHeight(25);
    pllfr_ComboBox->setObjectName(QStringLiteral("pllfr_ComboBox"));
}

void KytoDualModeView::buildPllCfgReadout()
{
    pllcfg_Label = addLabelWithProxy(QStringLiteral("CRM_PLLCFG : "), 420, 293, 10, 75, nullptr);
    pllcfg_Label->setObjectName(QStringLiteral("pllcfg_Label"));
    pllcfg_ReadOut = addLineEdit(QStringLiteral("0x08000000"), 510, 290, 60);
    pllcfg_ReadOut->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    pllcfg_ReadOut->setFixedHeight(20);
    pllcfg_ReadOut->setFixedWidth(100);
    pllcfg_ReadOut->setReadOnly(true);
    pllcfg_ReadOut->setStyleSheet(QString::fromLatin1(kPllCfgStyle));
    PllCfgReadout::placeBesideCaption(pllcfg_Label, pllcfg_ReadOut);
}

void KytoDualModeView::buildSclkSelectGroup()
{
    const DualModePageLayout &l = table.layout;
    sclkselect_Label = makeLabel(QStringLiteral("sclk select"), l.sclkselectLabel, 10, 0, QStringLiteral("sclkselect_Label"));
    sclkselect_ButtonGroup = makeRadioGroup(QStringLiteral("sclkselect"),
                                            {QStringLiteral("hext"), QStringLiteral("pll"), QStringLiteral("hick")},
                                            l.sclkselect, sclkselect);
}

void KytoDualModeView::buildAhbDivCombo()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("ahbdiv"), l.ahbLabel, 10, 0);
    ahbdiv_ComboBox = makeCombo(l.ahb, 60, 1, dividerItems({1, 2, 4, 8, 16, 64, 128, 256, 512}, QStringLiteral("  /")),
                                QStringLiteral("ahbdiv_ComboBox"));
}

void KytoDualModeView::buildApb1DivCombo()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("apb1div"), l.apb1Label, 9, 0);
    apb1div_ComboBox = makeCombo(l.apb1, 55, 2, dividerItems({1, 2, 4, 8, 16}, QStringLiteral("  /")),
                                 QStringLiteral("apb1div_ComboBox"));
}

void KytoDualModeView::buildApb2DivCombo()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("apb2div"), l.apb2Label, 9, 0);
    apb2div_ComboBox = makeCombo(l.apb2, 55, 1, dividerItems({1, 2, 4, 8, 16}, QStringLiteral("  /")),
                                 QStringLiteral("apb2div_ComboBox"));
}

void KytoDualModeView::buildUsbDivCombo()
{
    const DualModePageLayout &l = table.layout;
    usbdiv_Label = makeLabel(QStringLiteral("usbdiv"), l.usbdivLabel, 10, 0, QStringLiteral("usbdiv_Label"));
    usbdiv_ComboBox = makeCombo(l.usbdiv, 60, 0,
                                {QStringLiteral("  /1"), QStringLiteral("  /1.5"), QStringLiteral("  /2"),
                                 QStringLiteral("  /2.5"), QStringLiteral("  /3"), QStringLiteral("  /3.5"),
                                 QStringLiteral("  /4")},
                                QStringLiteral("usbdiv_ComboBox"));
}

void KytoDualModeView::buildUsbSwitchCombo()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("to usb"), l.usbswitchLabel, 10, 0);
    // Index 0 is "enable": the combo's index is the model's usbDisabled.
    usbswitch_ComboBox = makeCombo(l.usbswitch, 70, 0, {QStringLiteral("enable"), QStringLiteral("disable")},
                                   QStringLiteral("usbswitch_ComboBox"));
    usb_Label = makeLabel(QString(), l.usbFreq, 9, 70, QStringLiteral("usb_Label"));
}

void KytoDualModeView::buildHickToUsbGroup()
{
    const DualModePageLayout &l = table.layout;
    hicktousb_Label = makeLabel(QStringLiteral("hick to usb"), l.hicktousbLabel, 10, 0, QStringLiteral("hicktousb_Label"));
    hicktousb_ButtonGroup = makeRadioGroup(QStringLiteral("hicktousb"), {QStringLiteral("pll"), QStringLiteral("hick")},
                                           l.hicktousb, hicktousb);
    buildUsbSwitchCombo();
}

void KytoDualModeView::buildHickToSclkGroup()
{
    const DualModePageLayout &l = table.layout;
    hicktosclk_Label = makeLabel(QStringLiteral("hick to sclk"), l.hicktosclkLabel, 10, 0, QStringLiteral("hicktosclk_Label"));
    hicktosclk_ButtonGroup = makeRadioGroup(QStringLiteral("hicktosclk"), {QStringLiteral("8m"), QStringLiteral("48m")},
                                            l.hicktosclk, hicktosclk);
}

void KytoDualModeView::buildHickReadout()
{
    const DualModePageLayout &l = table.layout;
    hick_Label = makeLabel(QStringLiteral("hick(MHz)"), l.hickLabel, 10, 0, QStringLiteral("hick_Label"));
    hick_ReadOut = addLineEdit(QStringLiteral("48"), l.hick.x(), l.hick.y(), 60);
    hick_ReadOut->setObjectName(QStringLiteral("hick_ReadOut"));
    hick_ReadOut->setStyleSheet(PageStyles::frame(true));
    hick_ReadOut->setMaximumWidth(80);
    hick_ReadOut->setFixedHeight(30);
    hick_ReadOut->setReadOnly(true);
}

void KytoDualModeView::buildClockoutDivCombo()
{
    const DualModePageLayout &l = table.layout;
    clockoutdiv_Label = makeLabel(QStringLiteral("clockoutdiv"), l.clockoutdivLabel, 10, 0, QStringLiteral("clockoutdiv_Label"));
    clockoutdiv_ComboBox = makeCombo(l.clockoutdiv, 70, 0,
                                     dividerItems({1, 2, 4, 8, 16, 64, 128, 256, 512}, QStringLiteral("  /")),
                                     QStringLiteral("clockoutdiv_ComboBox"));
    clockoutdiv_ComboBox->setMaxVisibleItems(5);
    clkoutfreq_Label = makeLabel(QString(), l.clkoutFreq, 9, 70, QStringLiteral("clkoutfreq_Label"));
    setTextColor(clkoutfreq_Label, Qt::darkGreen);
}

void KytoDualModeView::buildClkoutPinCombo()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("select pin"), l.pinLabel, 10, 0);
    clockoutPinSelectComboBox = makeCombo(l.pin, 70, 1, table.pins, QStringLiteral("clockoutPinSelectComboBox"));
}

void KytoDualModeView::buildClkoutSourceGroup()
{
    const DualModePageLayout &l = table.layout;
    struct Row {
        const char *choice;
        const char *caption;
        int code;
    };
    QVector<Row> rows{{"noclk", "no clk", NoClk}, {"lick", "lick", LickOut}, {"lext", "lext", LextOut},
                      {"hick", table.hickAlways48 ? "hick48" : "hick", HickOut}, {"hext", "hext", HextOut},
                      {"sclk", "sclk", SclkOut}, {"usb", "usb", UsbOut}, {"adc", "adcclk", AdcOut},
                      {"pll2", "pll/2", PllHalfOut}, {"pll4", "pll/4", PllQuarterOut}};
    if (table.usb == DualModeUsb::None)
        rows.remove(6);

    QStringList choices;
    QVector<QPoint> places;
    clkoutCodes.clear();
    for (int i = 0; i < rows.size(); ++i) {
        choices << QString::fromLatin1(rows[i].choice);
        places << QPoint(l.clkoutRadioX, l.clkoutRadioY[i]);
        clkoutCodes << rows[i].code;
    }
    clkout_ButtonGroup = makeRadioGroup(QStringLiteral("clkout"), choices, places, clkoutRadios);
    for (int i = 0; i < rows.size(); ++i) {
        const QString choice = choices[i];
        const int y = l.clkoutNameY[i];
        QLabel *caption = makeLabel(QString::fromLatin1(rows[i].caption), {l.clkoutNameX, y}, 10, 0,
                                    QStringLiteral("clkoutsrc_Label_") + choice);
        QLabel *freq = nullptr;
        if (i > 0) {
            // A longer caption ("hick48") pushes its value right.
            const QPoint at(rows[i].code == AdcOut ? l.clkoutAdcFreqX : l.clkoutFreqX, y);
            freq = makeLabel(QString(), PagePlacement::besideCaption(caption, at), 10, 0,
                             QStringLiteral("clkoutsrcfreq_Label_") + choice);
        }
        clkoutsrcfreqLabels << freq;
        clkoutsrcLabels << caption;
    }
    clkout_Label = makeLabel(QStringLiteral("clkout"), l.clkoutTitle, 10, 0, QStringLiteral("clkout_Label"));
}

void KytoDualModeView::buildSclkEdit()
{
    const DualModePageLayout &l = table.layout;
    makeLabel(QStringLiteral("sclk(MHz)"), l.sclkLabel, 9, 0);
    makeLabel(QStringLiteral("(4 - %1)").arg(table.sclkMax), l.sclkRange, 9, 70, QStringLiteral("sclkrange_Label"));
    sclk_LineEdit = addLineEdit(QString(), l.sclk.x(), l.sclk.y(), 60);
    sclk_LineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclk_LineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclk_LineEdit->setFixedHeight(28);
    sclk_LineEdit->setFixedWidth(80);
    sclk_LineEdit->setStyleSheet(PageStyles::editApplied());
    sclk_LineEdit->setMaxLength(9);
    sclk_LineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoDualModeView::buildPeripheralReadouts()
{
    const DualModePageLayout &l = table.layout;
    for (const DualModeReadout &r : l.readouts) {
        QLineEdit *box = nullptr;
        if (r.kind == DualModeReadoutKind::Adc) {
            box = addReadOnlyLineEdit(r.at.x(), r.at.y(), 9);
            adc_ReadOut = box;
            adc_Label = makeLabel(QStringLiteral("adc (MHz)"), l.adcLabel, 9, 0, QStringLiteral("adc_Label"));
        } else {
            box = addLabeledReadOnlyLineEdit(r.caption, r.at.x(), r.at.y(), 9);
        }
        box->setObjectName(r.node + QStringLiteral("_ReadOut"));
        readouts << box;
    }
    static const char *const names[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    for (int i = 0; i < 4; ++i)
        lists.add(this, QString::fromLatin1(names[i]), table.lists[i], l.listButtons[i], l.lists[i], 4 - i);
}

void KytoDualModeView::buildReadOnlyFreqEdits()
{
    const DualModePageLayout &l = table.layout;
    systickdiv_ReadOut = PagePlacement::factorBox(this, l.systickBox, QStringLiteral("systickdiv_ReadOut"));
    apb1tmrmult_ReadOut = PagePlacement::factorBox(this, l.apb1TimerBox, QStringLiteral("apb1tmrmult_ReadOut"));
    apb2tmrmult_ReadOut = PagePlacement::factorBox(this, l.apb2TimerBox, QStringLiteral("apb2tmrmult_ReadOut"));
}

void KytoDualModeView::buildAdcDivCombo()
{
    const DualModePageLayout &l = table.layout;
    toadcdiv_Label = makeLabel(QStringLiteral("adcdiv"), l.adcdivLabel, 9, 0, QStringLiteral("toadcdiv_Label"));
    toadcdiv_ComboBox = makeCombo(l.adcdiv, 50, 3, dividerItems(table.adcDivisors, QStringLiteral(" /")),
                                  QStringLiteral("toadcdiv_ComboBox"));
    toadcswitch_ComboBox = makeCombo(l.adcSwitch, PageStyles::comboWidthFor(switchItems(), 68), 2, switchItems(),
                                     QStringLiteral("toadcswitch_ComboBox"));
}

void KytoDualModeView::buildKernelClockGroup(const DualModeKernelClock &block)
{
    static const char *const choices[4] = {"pclk", "sclk", "hick", "lext"};
    static const char *const names[4] = {"pclk", "sclk", "hick48", "lext"};
    const QString group = block.node + QStringLiteral("clocksel");
    KernelClockControls c;
    c.caption = makeLabel(block.caption, block.captionAt, 10, 0, group + QStringLiteral("_Label"));
    QStringList choiceList;
    QVector<QPoint> places;
    for (int i = 0; i < block.radioY.size(); ++i) {
        choiceList << QString::fromLatin1(choices[i]);
        places << QPoint(1022, block.radioY[i]);
    }
    c.group = makeRadioGroup(group, choiceList, places, c.radios);
    for (int i = 0; i < block.radioY.size(); ++i) {
        c.names << makeLabel(QString::fromLatin1(names[i]), {930, block.nameY[i]}, 9, 0,
                             group + QStringLiteral("_Label_") + choiceList[i]);
    }
    c.radios[0]->setChecked(true);
    c.enable = makeCombo(block.switchAt, 70, 1, switchItems(), block.node + QStringLiteral("switch_ComboBox"));
    c.readout = addReadOnlyLineEdit(block.readoutAt.x(), block.readoutAt.y(), 9);
    c.readout->setObjectName(block.node + QStringLiteral("_ReadOut"));
    c.readout->setText(QStringLiteral("0"));
    c.unit = makeLabel(QStringLiteral("(MHz)"), block.unitAt, 9, 0, block.node + QStringLiteral("_Label"));
    kernelClocks << c;
}

// ---------------------------------------------------------------- PLL layouts

void KytoDualModeView::applyPllLayout(bool flexible, bool moveModeCombo)
{
    auto raise = [](QGraphicsProxyWidget *proxy, bool up) { proxy->setZValue(up ? 1 : 0); };
    pllmult_Label->setVisible(!flexible);
    pllmult_ComboBox->setVisible(!flexible);
    pllmult_ComboBoxProxy->setPos(562, flexible ? 397 : 347);
    raise(pllmult_ComboBoxProxy, !flexible);
    raise(pllmult_LabelProxy, !flexible);
    if (moveModeCombo) {
        pllmode_ComboBoxProxy->setPos(flexible ? kFlexibleModeComboX : 425, 347);
        pllmode_LabelProxy->setPos(flexible ? 380 : 430, 327);
    }
    pllms_Label->setVisible(flexible);
    pllms_LineEdit->setVisible(flexible);
    pllms_LineEditProxy->setPos(kPllMsX, flexible ? 347 : 397);
    raise(pllms_LineEditProxy, flexible);
    pllmsrange_Label->setVisible(flexible);
    pllns_Label->setVisible(flexible);
    pllns_LineEdit->setVisible(flexible);
    pllns_LineEditProxy->setPos(520, flexible ? 347 : 397);
    raise(pllns_LineEditProxy, flexible);
    pllnsrange_Label->setVisible(flexible);
    pllfr_Label->setVisible(flexible);
    pllfr_ComboBox->setVisible(flexible);
    pllfr_ComboBoxProxy->setPos(590, flexible ? 347 : 387);
    raise(pllfr_ComboBoxProxy, flexible);
    // Shown only while the PLL is in use as well.
    pllcfg_Label->setVisible(flexible && pllcfg_Label->isEnabled());
    pllcfg_ReadOut->setVisible(flexible && pllcfg_Label->isEnabled());
}

// ---------------------------------------------------------------- predicates

QRadioButton *KytoDualModeView::clkoutRadio(int code) const
{
    const int i = clkoutCodes.indexOf(code);
    return i < 0 ? nullptr : clkoutRadios.value(i);
}

bool KytoDualModeView::clkoutChecked(int code) const
{
    QRadioButton *radio = clkoutRadio(code);
    return radio && radio->isChecked();
}

int KytoDualModeView::checkedClkoutCode() const
{
    const int i = checkedIndex(clkoutRadios);
    return i < 0 ? NoClk : clkoutCodes[i];
}

int KytoDualModeView::checkedIndex(const QVector<QRadioButton *> &radios) const
{
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return -1;
}

bool KytoDualModeView::usbOn() const
{
    return usbswitch_ComboBox && usbswitch_ComboBox->currentIndex() == 0;
}

bool KytoDualModeView::usbTakesPll() const
{
    if (table.usb == DualModeUsb::PllOrHick)
        return usbOn() && hicktousb[0]->isChecked();
    return usbOn();
}

bool KytoDualModeView::pinSet() const
{
    return clockoutPinSelectComboBox->currentIndex() != 0;
}

bool KytoDualModeView::pllInUse() const
{
    return sclkselect[1]->isChecked() || usbTakesPll()
           || (pinSet() && (clkoutChecked(PllHalfOut) || clkoutChecked(PllQuarterOut)));
}

bool KytoDualModeView::hextInUse() const
{
    return sclkselect[0]->isChecked()
           || (rtcswitch_ComboBox->currentIndex() == 1 && rtcsel[2]->isChecked())
           || (pinSet() && clkoutChecked(HextOut))
           || (pllInUse() && pllrcs[0]->isChecked());
}

// ---------------------------------------------------------------- highlighting

void KytoDualModeView::highlightClockPaths()
{
    if (table.hasKernelClocks)
        updateLextEnables();
    else
        updateLextBypassStyle(rtcswitch_ComboBox->currentIndex() == 1 && rtcsel[1]->isChecked());
    updateRtcSwitchEnables();
    updateAdcEnables();
    updateHextEnables();
    hick_Label->setEnabled(true);
    hick_ReadOut->setEnabled(true);
    hick_ReadOut->setStyleSheet(PageStyles::frame(true));
    updatePllEnables();
    updateHickToSclkStyle(sclkselect[2]->isChecked());
    updateClkoutGroupStyles();
    if (table.usb != DualModeUsb::None)
        updateUsbSwitchEnables();
    for (int i = 0; i < kernelClocks.size(); ++i)
        updateKernelClockStyle(i, kernelClocks[i].enable->currentIndex() != 0);
}

void KytoDualModeView::updateLextEnables()
{
    bool used = rtcswitch_ComboBox->currentIndex() == 1 && rtcsel[1]->isChecked();
    // A USART on LEXT keeps the crystal running too.
    const bool enabled[2] = {model->usart1Enabled, model->usart2Enabled};
    for (int i = 0; i < 2 && i < kernelClocks.size(); ++i) {
        if (kernelClocks[i].radios.size() > 3 && kernelClocks[i].radios[3]->isChecked() && enabled[i])
            used = true;
    }
    updateLextBypassStyle(used);
}

static void setBypassOut(QLabel *out, bool bypassed)
{
    out->setEnabled(!bypassed);
    out->setStyleSheet(PageStyles::pinText(!bypassed));
}

void KytoDualModeView::updateLextBypassStyle(bool used)
{
    lext_ReadOut->setStyleSheet(PageStyles::frame(used));
    lext_Label->setEnabled(used);
    lext_ReadOut->setEnabled(used);
    lextbypass_Label->setEnabled(used);
    lextbypassin_Label->setEnabled(used);
    lextbypass_ComboBox->setComboBoxEnabled(used);
    if (used) {
        lextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
        setBypassOut(lextbypassout_Label, lextbypass_ComboBox->currentIndex() != 0);
    } else {
        lextbypassin_Label->setStyleSheet(PageStyles::pinText(false));
        setBypassOut(lextbypassout_Label, true);
    }
}

void KytoDualModeView::setHextEditEnabled(bool enabled)
{
    hextEnabled = enabled;
    if (enabled) {
        hext_LineEdit->setStyleSheet(PageStyles::editApplied());
        styleHextEdit(hext_LineEdit->text());
    } else {
        hext_LineEdit->setStyleSheet(PageStyles::editGreyed());
    }
    hext_Label->setEnabled(enabled);
    hext_LineEdit->setEnabled(enabled);
    hextbypass_Label->setEnabled(enabled);
    hextbypassin_Label->setEnabled(enabled);
    hextbypass_ComboBox->setComboBoxEnabled(enabled);
    if (enabled) {
        hextbypassin_Label->setStyleSheet(PageStyles::pinText(true));
        setBypassOut(hextbypassout_Label, hextbypass_ComboBox->currentIndex() != 0);
    } else {
        hextbypassin_Label->setStyleSheet(PageStyles::pinText(false));
        setBypassOut(hextbypassout_Label, true);
    }
}

void KytoDualModeView::styleHextEdit(const QString &text)
{
    // A greyed edit keeps the greyed look whatever its text.
    if (!hextEnabled)
        return;
    const double v = FiniteNumber::orZero(text);
    const bool applied = QString::number(v, 'f', 5) == QString::number(model->hextMhz, 'f', 5);
    hext_LineEdit->setStyleSheet(applied ? PageStyles::editApplied() : PageStyles::editPending());
    const bool crystal = FiniteNumber::inRange(text, FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz);
    setEditTextColor(hext_LineEdit, crystal ? Qt::black : Qt::red);
}

void KytoDualModeView::updateRtcSwitchEnables()
{
    const bool on = rtcswitch_ComboBox->currentIndex() != 0;
    updateRtcSelStyle(on);
    ertc_Label->setEnabled(on);
    ertc_ReadOut->setEnabled(on);
    setEditTextColor(ertc_ReadOut, on ? Qt::darkGreen : Qt::gray);
}

static void styleRadioGroup(QLabel *label, const QVector<QRadioButton *> &radios, bool flag)
{
    for (QRadioButton *radio : radios)
        radio->setStyleSheet(PageStyles::radio(flag));
    if (label)
        label->setEnabled(flag);
    for (QRadioButton *radio : radios)
        radio->setEnabled(flag);
}

void KytoDualModeView::updateRtcSelStyle(bool flag)
{
    styleRadioGroup(rtcsel_Label, rtcsel, flag);
}

void KytoDualModeView::updatePllRcsStyle(bool flag)
{
    styleRadioGroup(pllrcs_Label, pllrcs, flag);
}

void KytoDualModeView::updatePllHextDivStyle(bool flag)
{
    styleRadioGroup(pllhextdiv_Label, pllhextdiv, flag);
}

void KytoDualModeView::updateHickToSclkStyle(bool flag)
{
    styleRadioGroup(hicktosclk_Label, hicktosclk, flag);
}

void KytoDualModeView::updateHickToUsbStyle(bool flag)
{
    styleRadioGroup(hicktousb_Label, hicktousb, flag);
}

void KytoDualModeView::updatePllFactorStyle(bool flag)
{
    factors.setInUse(flag);
    for (QLabel *label : {pllms_Label, pllmsrange_Label, pllns_Label, pllnsrange_Label})
        label->setEnabled(flag);
}

void KytoDualModeView::updateAdcEnables()
{
    const bool on = toadcswitch_ComboBox->currentIndex() != 0;
    toadcdiv_Label->setEnabled(on);
    toadcdiv_ComboBox->setComboBoxEnabled(on);
    adc_Label->setEnabled(on);
    Readouts::setReadoutInUse(adc_ReadOut, on);
    updateToAdcSwitchStyle(on && pinSet());
}

void KytoDualModeView::updateHextEnables()
{
    setHextEditEnabled(hextInUse());
}

void KytoDualModeView::updatePllEnables()
{
    const bool used = pllInUse();
    if (!used) {
        updatePllHextDivStyle(false);
        updatePllRcsStyle(false);
    } else {
        updatePllRcsStyle(true);
    }
    pllmode_Label->setEnabled(used);
    pllmode_ComboBox->setComboBoxEnabled(used);
    pllmult_Label->setEnabled(used);
    pllmult_ComboBox->setComboBoxEnabled(used);
    pll_Label->setEnabled(used);
    updatePllFactorStyle(used);
    pllfr_Label->setEnabled(used);
    pllfr_ComboBox->setComboBoxEnabled(used);
    pllcfg_Label->setEnabled(used);
    pllcfg_ReadOut->setEnabled(used);
    if (used)
        updatePllHextDivStyle(pllrcs[0]->isChecked());
}

void KytoDualModeView::updateClkoutGroupStyles()
{
    if (!pinSet()) {
        updateClkoutStyle(false);
        return;
    }
    updateClkoutStyle(true);
    if (table.usb != DualModeUsb::None)
        updateClkoutUsbStyle(usbOn());
    updateToAdcSwitchStyle(toadcswitch_ComboBox->currentIndex() == 1);
}

void KytoDualModeView::updateClkoutStyle(bool flag)
{
    clockoutdiv_Label->setEnabled(flag);
    clockoutdiv_ComboBox->setComboBoxEnabled(flag);
    for (QRadioButton *radio : clkoutRadios) {
        radio->setEnabled(flag);
        radio->setStyleSheet(PageStyles::radio(flag));
    }
    for (QLabel *label : clkoutsrcLabels)
        label->setEnabled(flag);
    for (QLabel *label : clkoutsrcfreqLabels) {
        if (label)
            label->setEnabled(flag);
    }
    clkoutfreq_Label->setEnabled(flag);
    clkout_Label->setEnabled(flag);
}

void KytoDualModeView::updateClkoutUsbStyle(bool flag)
{
    const int i = clkoutCodes.indexOf(UsbOut);
    if (i < 0)
        return;
    QRadioButton *radio = clkoutRadios[i];
    radio->setStyleSheet(PageStyles::radio(flag));
    if (!flag && radio->isChecked() && !usbOn())
        clkoutRadios[0]->setChecked(true);
    clkoutsrcLabels[i]->setEnabled(flag);
    radio->setEnabled(flag);
    clkoutsrcfreqLabels[i]->setEnabled(flag);
}

void KytoDualModeView::updateToAdcSwitchStyle(bool flag)
{
    const int i = clkoutCodes.indexOf(AdcOut);
    QRadioButton *radio = clkoutRadios[i];
    radio->setStyleSheet(PageStyles::radio(flag));
    if (!flag && radio->isChecked() && toadcswitch_ComboBox->currentIndex() != 1)
        clkoutRadios[0]->setChecked(true);
    clkoutsrcLabels[i]->setEnabled(flag);
    radio->setEnabled(flag);
    clkoutsrcfreqLabels[i]->setEnabled(flag);
}

void KytoDualModeView::updateUsbSwitchEnables()
{
    if (usbOn()) {
        if (table.usb == DualModeUsb::PllOrHick)
            updateHickToUsbStyle(true);
        updateClkoutUsbStyle(pinSet());
        usb_Label->setVisible(true);
        const bool divider = table.usb != DualModeUsb::PllOrHick || hicktousb[0]->isChecked();
        usbdiv_Label->setEnabled(divider);
        usbdiv_ComboBox->setComboBoxEnabled(divider);
    } else {
        usbdiv_Label->setEnabled(false);
        usbdiv_ComboBox->setComboBoxEnabled(false);
        if (table.usb == DualModeUsb::PllOrHick)
            updateHickToUsbStyle(false);
        updateClkoutUsbStyle(false);
        usb_Label->setVisible(false);
    }
}

void KytoDualModeView::updateKernelClockStyle(int block, bool flag)
{
    const KernelClockControls &c = kernelClocks[block];
    c.caption->setEnabled(flag);
    for (QRadioButton *radio : c.radios) {
        radio->setEnabled(flag);
        radio->setStyleSheet(PageStyles::radio(flag));
    }
    for (QLabel *name : c.names)
        name->setEnabled(flag);
    c.unit->setEnabled(flag);
    c.readout->setEnabled(flag);
    setEditTextColor(c.readout, flag ? Qt::darkGreen : Qt::gray);
}

// ---------------------------------------------------------------- read-outs

void KytoDualModeView::refreshFrequencies()
{
    // The RTC read-out follows the model's HEXT, whichever step stored it.
    updateErtcDisplay();
    const double sclkLimit = table.sclkMax;
    const double apbLimit = table.apbMax;
    const QColor sclkColour = Readouts::limitColour(model->sclkMhz, sclkLimit);
    const QColor ahbColour = Readouts::limitColour(model->ahbMhz, sclkLimit);

    sclk_LineEdit->setText(Readouts::mhz(model->sclkMhz));
    setEditTextColor(sclk_LineEdit, sclkColour);
    for (int i = 0; i < readouts.size(); ++i) {
        QLineEdit *box = readouts[i];
        switch (table.layout.readouts[i].kind) {
        case DualModeReadoutKind::Sclk:
            box->setText(Readouts::mhz(model->sclkMhz));
            setEditTextColor(box, sclkColour);
            break;
        case DualModeReadoutKind::Systick:
            box->setText(Readouts::mhz(model->ahbMhz * 0.125));
            setEditTextColor(box, ahbColour);
            break;
        case DualModeReadoutKind::Ahb:
            box->setText(Readouts::mhz(model->ahbMhz));
            setEditTextColor(box, ahbColour);
            break;
        case DualModeReadoutKind::Apb1:
            box->setText(Readouts::mhz(model->apb1Mhz));
            setEditTextColor(box, Readouts::limitColour(model->apb1Mhz, apbLimit));
            break;
        case DualModeReadoutKind::Apb1Timer:
            box->setText(Readouts::mhz(model->apb1TimerMhz));
            setEditTextColor(box, Readouts::limitColour(model->apb1TimerMhz, sclkLimit));
            break;
        case DualModeReadoutKind::Apb2:
            box->setText(Readouts::mhz(model->apb2Mhz));
            setEditTextColor(box, Readouts::limitColour(model->apb2Mhz, apbLimit));
            break;
        case DualModeReadoutKind::Apb2Timer:
            box->setText(Readouts::mhz(model->apb2TimerMhz));
            setEditTextColor(box, Readouts::limitColour(model->apb2TimerMhz, sclkLimit));
            break;
        case DualModeReadoutKind::Adc:
            box->setText(Readouts::mhz(model->adcMhz));
            if (toadcswitch_ComboBox->currentIndex() == 0)
                setEditTextColor(box, Qt::gray);
            else
                setEditTextColor(box, Readouts::limitColour(model->adcMhz, 28.0));
            break;
        }
    }

    // Kernel clocks change only while their switch is on; the highlight
    // greys a switched-off one.
    const bool blockOn[3] = {model->usart1Enabled, model->usart2Enabled, model->i2c1Enabled};
    const double pclk[3] = {model->apb2Mhz, model->apb1Mhz, model->apb1Mhz};
    for (int b = 0; b < kernelClocks.size() && b < 3; ++b) {
        if (!blockOn[b])
            continue;
        const KernelClockControls &c = kernelClocks[b];
        switch (checkedIndex(c.radios)) {
        case 0:
            c.readout->setText(Readouts::mhz(pclk[b]));
            setEditTextColor(c.readout, Readouts::limitColour(pclk[b], sclkLimit));
            c.unit->setText(QStringLiteral("(MHz)"));
            break;
        case 1:
            c.readout->setText(Readouts::mhz(model->sclkMhz));
            setEditTextColor(c.readout, sclkColour);
            c.unit->setText(QStringLiteral("(MHz)"));
            break;
        case 2:
            c.readout->setText(QStringLiteral("48.000"));
            setEditTextColor(c.readout, Qt::darkGreen);
            c.unit->setText(QStringLiteral("(MHz)"));
            break;
        case 3:
            c.readout->setText(Readouts::mhz(model->lextKhz));
            setEditTextColor(c.readout, Qt::darkGreen);
            c.unit->setText(QStringLiteral("(kHz)"));
            break;
        default:
            break;
        }
    }

    syncApbDividersFromModel();

    if (usb_Label) {
        setTextColor(usb_Label, model->usbMhz == 48.0 ? QColor(Qt::darkGreen) : QColor(Qt::red));
        usb_Label->setText(Readouts::mhz(model->usbMhz) + QStringLiteral(" MHz"));
        int index = 0;
        for (int i = 0; i < usbdiv_ComboBox->count(); ++i) {
            if (model->usbDiv == 1.0 + 0.5 * i)
                index = i;
        }
        // Fires the USB divider slot only when the model picked another one.
        usbdiv_ComboBox->setCurrentIndex(index);
    }

    if (pll_Label->isEnabled()) {
        pll_Label->setText(Readouts::mhz(model->pllMhz) + QStringLiteral("MHz"));
        const bool tooSlow = pllmode_ComboBox->currentIndex() == 0 && model->pllMhz < 16.0;
        setTextColor(pll_Label, model->pllMhz > sclkLimit || tooSlow ? QColor(Qt::red) : QColor(Qt::darkGreen));
    } else {
        pll_Label->setText(QString());
    }
    pll_Label->setVisible(pll_Label->isEnabled());
    const bool inUse = pllcfg_Label->isEnabled();
    PllCfgReadout::show(pllcfg_Label, pllcfg_ReadOut, inUse, inUse ? formatPllCfgValue() : QString(),
                        pllmode_ComboBox->currentIndex() == 1);
    // Always rewritten, so that pin "none" empties the clock-out label at once.
    updateSourceLabels();
}

QString KytoDualModeView::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFrDivider(*model));
}

void KytoDualModeView::setGroupVisible(bool visible)
{
    for (QLabel *label : clkoutsrcfreqLabels) {
        if (label)
            label->setVisible(visible);
    }
}

void KytoDualModeView::updateSourceLabels()
{
    setGroupVisible(false);
    const double div = double(model->clkoutDiv);
    const int code = checkedClkoutCode();
    QLabel *source = code == NoClk ? nullptr : clkoutsrcfreqLabels.value(clkoutCodes.indexOf(code));
    if (source)
        source->setVisible(true);
    auto show = [&](double value, const char *unit) {
        source->setText(QStringLiteral("(") + Readouts::mhz(value) + QLatin1String(unit) + QStringLiteral(")"));
        clkoutfreq_Label->setText(QStringLiteral("(") + Readouts::mhz(value / div) + QLatin1String(unit) + QStringLiteral(")"));
    };
    switch (code) {
    case LickOut:
        show(40.0, " kHz");
        break;
    case LextOut:
        if (rtcswitch_ComboBox->currentIndex() == 1 && rtcsel[1]->isChecked()) {
            show(32.768, " kHz");
        } else {
            source->setText(QString());
            clkoutfreq_Label->setText(QString());
        }
        break;
    case HickOut: {
        bool hick48 = table.hickAlways48;
        if (!hick48 && table.usb == DualModeUsb::PllOrHick)
            hick48 = usbOn() && hicktousb[1]->isChecked();
        if (!hick48) {
            hick48 = (sclkselect[2]->isChecked() && hicktosclk[1]->isChecked())
                     || (sclkselect[1]->isChecked() && pllrcs[1]->isChecked());
        }
        show(hick48 ? 48.0 : 8.0, " MHz");
        break;
    }
    case HextOut:
        show(model->hextMhz, " MHz");
        break;
    case SclkOut:
        show(model->sclkMhz, " MHz");
        break;
    case UsbOut:
        show(model->usbMhz, " MHz");
        break;
    case AdcOut:
        show(model->adcMhz, " MHz");
        break;
    case PllHalfOut:
        show(model->pllMhz * 0.5, " MHz");
        break;
    case PllQuarterOut:
        show(model->pllMhz * 0.25, " MHz");
        break;
    default:
        clkoutfreq_Label->setText(QString());
        break;
    }
    if (!pinSet())
        clkoutfreq_Label->setText(QString());
}

void KytoDualModeView::updateErtcDisplay()
{
    ertc_ReadOut->setText(Readouts::rtcKhz(rtcswitch_ComboBox->currentIndex() != 0, rtcsel[0], rtcsel[1],
                                           model->hextMhz, 1.0 / table.rtcHextFactor));
}

void KytoDualModeView::syncApbDividersFromModel()
{
    apb1div_ComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2div_ComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb1tmrmult_ReadOut->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2tmrmult_ReadOut->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}

void KytoDualModeView::syncPllMultFromModel()
{
    const int index = model->pllMult - 2;
    pllmult_ComboBox->setCurrentIndex(index >= 0 && index < pllmult_ComboBox->count() ? index : 0);
}

void KytoDualModeView::showPllParams()
{
    factors.showModel();
    pllfr_ComboBox->setCurrentIndex(qMax(0, indexOf(kPllFrDivisors, model->pllFr)));
}

bool KytoDualModeView::validateHextLineEdit(double *value)
{
    double v = 0;
    if (!FiniteNumber::inRange(hext_LineEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &v)) {
        messages.showError(messages.text(kHextInputError));
        return false;
    }
    *value = v;
    return true;
}

// ---------------------------------------------------------------- lists

void KytoDualModeView::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}
