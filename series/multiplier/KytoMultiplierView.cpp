#include "KytoMultiplierView.h"

#include "../common/DividerTable.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"
#include "CustomComboBox1.h"

#include <QButtonGroup>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

KytoMultiplierView::KytoMultiplierView(const MultiplierSeriesTable &seriesTable, QWidget *parent)
    : KytoMCUPLL(seriesTable.seriesIndex, parent)
    , table(seriesTable)
{
}

KytoMultiplierView::~KytoMultiplierView() = default;

const DividerTable &KytoMultiplierView::hextDividers()
{
    static const DividerTable dividers{2, 3, 4, 5};
    return dividers;
}

const DividerTable &KytoMultiplierView::usbDividers()
{
    static const DividerTable dividers{1, 1.5, 2, 2.5, 3, 3.5, 4};
    return dividers;
}

// ---------------------------------------------------------------- building

void KytoMultiplierView::buildControls()
{
    buildLickReadout();
    buildWdtLabel();
    buildRtcSwitchCombo();
    buildLextReadout();
    buildLextBypassCombo();
    buildRtcSelGroup();
    buildHextEdit();
    buildHextBypassCombo();
    if (table.hasHextDivCombo)
        buildHextDivCombo();
    buildPllHextDivGroup();
    buildPllRcsGroup();
    buildPllMultCombo();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApb1DivCombo();
    buildApb2DivCombo();
    buildUsbDivCombo();
    if (table.hasHick48Branches) {
        buildHickToUsbGroup();
        buildHickToSclkGroup();
    } else {
        buildUsbSwitchCombo();
    }
    buildHickReadout();
    clockOut.build(this, table.layout, table.hasHick48Branches);
    buildSclkEdit();
    buildPeripheralReadouts();
    buildReadOnlyFreqEdits();
    buildAdcDivCombo();
}

void KytoMultiplierView::buildLickReadout()
{
    const MultiplierPageLayout &l = table.layout;
    lickLabel = PagePlacement::label(this, QStringLiteral("lick(kHz)"), l.lickLabel, 10);
    lickReadout = addLineEdit(QStringLiteral("40"), l.lick.x(), l.lick.y(), 80);
    lickReadout->setObjectName(QStringLiteral("lick_ReadOut"));
    lickReadout->setStyleSheet(PageStyles::frame(true));
    lickReadout->setReadOnly(true);
    lickReadout->setFixedHeight(30);
}

void KytoMultiplierView::buildWdtLabel()
{
    const QPoint &p = table.layout.wdt;
    wdtReadout = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), p.x(), p.y(), 9);
    wdtReadout->setObjectName(QStringLiteral("wdt_ReadOut"));
    Readouts::setEditColour(wdtReadout, Qt::darkGreen);
    wdtReadout->setText(QStringLiteral("40"));
}

void KytoMultiplierView::buildRtcSwitchCombo()
{
    const MultiplierPageLayout &l = table.layout;
    rtcLabel = PagePlacement::label(this, QStringLiteral("to rtc(kHz)"), l.rtcLabel, 9);
    rtcswitchComboBox = PagePlacement::combo(this, l.rtcSwitch, 80, 0, {QStringLiteral("disable"), QStringLiteral("enable")});
    rtcswitchComboBox->setFixedWidth(80);
    rtcswitchComboBox->setObjectName(QStringLiteral("rtcswitch_ComboBox"));
    rtcReadout = addReadOnlyLineEdit(l.rtcReadout.x(), l.rtcReadout.y(), 9);
    rtcReadout->setObjectName(QStringLiteral("rtc_ReadOut"));
    rtcReadout->setText(QStringLiteral("40"));
}

void KytoMultiplierView::buildLextReadout()
{
    const MultiplierPageLayout &l = table.layout;
    lextLabel = PagePlacement::label(this, QStringLiteral("lext(kHz)"), l.lextLabel, 10);
    lextReadout = addLineEdit(QStringLiteral("32.768"), l.lext.x(), l.lext.y(), 80);
    lextReadout->setObjectName(QStringLiteral("lext_ReadOut"));
    lextReadout->setStyleSheet(PageStyles::frame(true));
    lextReadout->setFixedHeight(30);
    lextReadout->setReadOnly(true);
}

void KytoMultiplierView::buildLextBypassCombo()
{
    const MultiplierPageLayout &l = table.layout;
    lextBypassLabel = PagePlacement::label(this, QStringLiteral("bypass"), l.lextBypassLabel, 10);
    lextbypassComboBox = PagePlacement::combo(this, l.lextBypass, 80, 0, {QStringLiteral("disable"), QStringLiteral("enable")});
    lextbypassComboBox->setFixedWidth(80);
    lextbypassComboBox->setObjectName(QStringLiteral("lextbypass_ComboBox"));
    lextInLabel = PagePlacement::label(this, QStringLiteral("IN"), l.lextIn, 8);
    lextInLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel = PagePlacement::label(this, QStringLiteral("OUT"), l.lextOut, 8);
    lextOutLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel->setObjectName(QStringLiteral("lextOut_Label"));
}

void KytoMultiplierView::buildRtcSelGroup()
{
    const MultiplierPageLayout &l = table.layout;
    rtcselLabel = PagePlacement::label(this, QStringLiteral("rtcsel"), l.rtcSelLabel, 10);
    rtcselGroup = PagePlacement::radioGroup(this, l.rtcSel, rtcselRadios, QStringLiteral("rtcsel"));
    rtcselRadios[0]->setChecked(true);
}

void KytoMultiplierView::buildHextEdit()
{
    const MultiplierPageLayout &l = table.layout;
    hextLabel = PagePlacement::label(this, QStringLiteral("hext(4-25MHz)"), l.hextLabel, 10);
    hextLineEdit = addLineEdit(QStringLiteral("8"), l.hext.x(), l.hext.y(), 80);
    hextLineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
    hextLineEdit->setFixedHeight(30);
    hextLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hextLineEdit->setMaxLength(8);
    hextLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoMultiplierView::buildHextBypassCombo()
{
    const MultiplierPageLayout &l = table.layout;
    hextBypassLabel = PagePlacement::label(this, QStringLiteral("bypass"), l.hextBypassLabel, 10);
    hextbypassComboBox = PagePlacement::combo(this, l.hextBypass, 80, 0, {QStringLiteral("disable"), QStringLiteral("enable")});
    hextbypassComboBox->setFixedWidth(80);
    hextbypassComboBox->setObjectName(QStringLiteral("hextbypass_ComboBox"));
    hextInLabel = PagePlacement::label(this, QStringLiteral("IN"), l.hextIn, 8);
    hextInLabel->setStyleSheet(PageStyles::pinText(true));
    hextOutLabel = PagePlacement::label(this, QStringLiteral("OUT"), l.hextOut, 8);
    hextOutLabel->setStyleSheet(PageStyles::pinText(true));
    hextOutLabel->setObjectName(QStringLiteral("hextOut_Label"));
}

void KytoMultiplierView::buildHextDivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    hextdivLabel = PagePlacement::label(this, QStringLiteral("hextdiv"), l.hextDivLabel, 10);
    hextdivComboBox = PagePlacement::combo(this, l.hextDiv, 50, 0, hextDividers().items());
    hextdivComboBox->setObjectName(QStringLiteral("hextdiv_ComboBox"));
}

void KytoMultiplierView::buildPllHextDivGroup()
{
    const MultiplierPageLayout &l = table.layout;
    pllhextdivLabel = PagePlacement::label(this, QStringLiteral("pllhextdiv"), l.pllHextDivLabel, 10);
    pllhextdivGroup = PagePlacement::radioGroup(this, l.pllHextDiv, pllhextdivRadios, QStringLiteral("pllhextdiv"));
    pllhextdivRadios[0]->setChecked(true);
}

void KytoMultiplierView::buildPllRcsGroup()
{
    const MultiplierPageLayout &l = table.layout;
    pllrcsLabel = PagePlacement::label(this, QStringLiteral("pllrcs"), l.pllRcsLabel, 10);
    pllrcsGroup = PagePlacement::radioGroup(this, l.pllRcs, pllrcsRadios, QStringLiteral("pllrcs"));
    pllrcsRadios[0]->setChecked(true);
}

void KytoMultiplierView::buildPllMultCombo()
{
    const MultiplierPageLayout &l = table.layout;
    pllmultLabel = PagePlacement::label(this, QStringLiteral("pll_mult"), l.pllMultLabel, 10);
    QStringList items;
    for (int factor = 2; factor <= 64; ++factor)
        items << QStringLiteral("  * %1").arg(factor);
    pllmultComboBox = PagePlacement::combo(this, l.pllMult, 60, 0, items);
    pllmultComboBox->setObjectName(QStringLiteral("pllmult_ComboBox"));
    pllOutputLabel = PagePlacement::label(this, QString(), l.pllOutput, 9, 75);
    pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
}

void KytoMultiplierView::buildSclkSelectGroup()
{
    const MultiplierPageLayout &l = table.layout;
    sclkselectLabel = PagePlacement::label(this, QStringLiteral("sclk select"), l.sclkSelectLabel, 10);
    sclkselectGroup = PagePlacement::radioGroup(this, l.sclkSelect, sclkselectRadios, QStringLiteral("sclkselect"));
}

void KytoMultiplierView::buildAhbDivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    ahbdivLabel = PagePlacement::label(this, QStringLiteral("ahbdiv"), l.ahbLabel, 10);
    ahbdivComboBox = PagePlacement::combo(this, l.ahb, 60, 1, DividerTable::ahb().items());
    ahbdivComboBox->setObjectName(QStringLiteral("ahbdiv_ComboBox"));
}

void KytoMultiplierView::buildApb1DivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    apb1divLabel = PagePlacement::label(this, QStringLiteral("apb1div"), l.apb1Label, 9);
    apb1divComboBox = PagePlacement::combo(this, l.apb1, 55, 2, DividerTable::apb().items());
    apb1divComboBox->setObjectName(QStringLiteral("apb1div_ComboBox"));
}

void KytoMultiplierView::buildApb2DivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    apb2divLabel = PagePlacement::label(this, QStringLiteral("apb2div"), l.apb2Label, 9);
    apb2divComboBox = PagePlacement::combo(this, l.apb2, 55, 1, DividerTable::apb().items());
    apb2divComboBox->setObjectName(QStringLiteral("apb2div_ComboBox"));
}

void KytoMultiplierView::buildUsbDivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    usbdivLabel = PagePlacement::label(this, QStringLiteral("usbdiv"), l.usbDivLabel, 10);
    usbdivComboBox = PagePlacement::combo(this, l.usbDiv, 60, 0, usbDividers().items());
    usbdivComboBox->setObjectName(QStringLiteral("usbdiv_ComboBox"));
}

void KytoMultiplierView::buildUsbSwitchCombo()
{
    const MultiplierPageLayout &l = table.layout;
    usbswitchLabel = PagePlacement::label(this, QStringLiteral("to usb"), l.usbSwitchLabel, 10);
    usbswitchComboBox = PagePlacement::combo(this, l.usbSwitch, 70, 0, {QStringLiteral("enable"), QStringLiteral("disable")});
    usbswitchComboBox->setObjectName(QStringLiteral("usbswitch_ComboBox"));
    usbFreqLabel = PagePlacement::label(this, QString(), l.usbFreq, 9, 70);
    usbFreqLabel->setObjectName(QStringLiteral("usbFreq_Label"));
}

void KytoMultiplierView::buildHickToUsbGroup()
{
    const MultiplierPageLayout &l = table.layout;
    hicktousbLabel = PagePlacement::label(this, QStringLiteral("hick to usb"), l.hickToUsbLabel, 10);
    hicktousbGroup = PagePlacement::radioGroup(this, l.hickToUsb, hicktousbRadios, QStringLiteral("hicktousb"));
    buildUsbSwitchCombo();
}

void KytoMultiplierView::buildHickToSclkGroup()
{
    const MultiplierPageLayout &l = table.layout;
    hicktosclkLabel = PagePlacement::label(this, QStringLiteral("hick to sclk"), l.hickToSclkLabel, 10);
    hicktosclkGroup = PagePlacement::radioGroup(this, l.hickToSclk, hicktosclkRadios, QStringLiteral("hicktosclk"));
}

void KytoMultiplierView::buildHickReadout()
{
    const MultiplierPageLayout &l = table.layout;
    hickLabel = PagePlacement::label(this, QStringLiteral("hick(MHz)"), l.hickLabel, 10);
    hickReadout = addLineEdit(QString::number(model->hickMhz), l.hick.x(), l.hick.y(), 80);
    hickReadout->setObjectName(QStringLiteral("hick_ReadOut"));
    hickReadout->setStyleSheet(PageStyles::frame(true));
    hickReadout->setReadOnly(true);
    hickReadout->setFixedHeight(30);
}

void KytoMultiplierView::buildSclkEdit()
{
    const MultiplierPageLayout &l = table.layout;
    sclkLabel = PagePlacement::label(this, QStringLiteral("sclk(MHz)"), l.sclkLabel, 9);
    sclkLineEdit = addLineEdit(QString(), l.sclk.x(), l.sclk.y(), 80);
    sclkLineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclkLineEdit->setFixedHeight(28);
    sclkLineEdit->setFixedWidth(80);
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    sclkLineEdit->setMaxLength(9);
    sclkLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclkLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
    sclkRangeLabel = PagePlacement::label(this, QStringLiteral("(4 - %1)").arg(model->maxSclk()), l.sclkRange, 9, 70);
    sclkRangeLabel->setObjectName(QStringLiteral("sclkRange_Label"));
}

void KytoMultiplierView::buildPeripheralReadouts()
{
    const MultiplierPageLayout &l = table.layout;
    static const char *const listNames[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    const QStringList *contents[4] = {&table.apb1PeripheralList, &table.apb1TimerList,
                                      &table.apb2PeripheralList, &table.apb2TimerList};
    // Lists are numbered in the order added, which is the bus order below.
    auto addList = [&](int which) {
        lists.add(this, QString::fromLatin1(listNames[which]), *contents[which], QPoint(l.listX, l.listButtonY[which]),
                  QPoint(l.listX, l.listY[which]), 4 - which);
    };

    for (const MultiplierReadout &r : l.readouts) {
        QLineEdit *box = nullptr;
        if (r.kind == ReadoutKind::Adc) {
            box = addReadOnlyLineEdit(l.readoutX, r.y, 9);
            adcReadout = box;
            adcLabel = PagePlacement::label(this, QStringLiteral("adc (MHz)"), l.adcLabel, 9);
        } else {
            box = addLabeledReadOnlyLineEdit(r.label, l.readoutX, r.y, 9);
        }
        QString name = r.label;
        name = name.left(name.indexOf(QLatin1Char('('))).trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
        box->setObjectName((r.kind == ReadoutKind::Adc ? QStringLiteral("adc") : name) + QStringLiteral("_ReadOut"));
        readouts << box;
        // Each bus's List button and list follow its last read-out.
        if (r.kind == ReadoutKind::Apb1)
            addList(0);
        else if (r.kind == ReadoutKind::Apb1Timer)
            addList(1);
        else if (r.kind == ReadoutKind::Apb2)
            addList(2);
        else if (r.kind == ReadoutKind::Apb2Timer)
            addList(3);
    }
}

void KytoMultiplierView::buildReadOnlyFreqEdits()
{
    const MultiplierPageLayout &l = table.layout;
    systickBox = PagePlacement::factorBox(this, l.systickBox, QStringLiteral("systickDiv_Box"));
    apb1TimerBox = PagePlacement::factorBox(this, l.apb1TimerBox, QStringLiteral("apb1TimerMult_Box"));
    apb2TimerBox = PagePlacement::factorBox(this, l.apb2TimerBox, QStringLiteral("apb2TimerMult_Box"));
}

void KytoMultiplierView::buildAdcDivCombo()
{
    const MultiplierPageLayout &l = table.layout;
    adcdivLabel = PagePlacement::label(this, QStringLiteral("adcdiv"), l.adcDivLabel, 9);
    toadcdivComboBox = PagePlacement::combo(this, l.adcDiv, 50, 3, DividerTable::adc().items());
    toadcdivComboBox->setObjectName(QStringLiteral("toadcdiv_ComboBox"));
    const QStringList adcSwitchItems{QStringLiteral("disable"), QStringLiteral("enable")};
    toadcswitchComboBox = PagePlacement::combo(this, l.adcSwitch, PageStyles::comboWidthFor(adcSwitchItems, 68), 2, adcSwitchItems);
    toadcswitchComboBox->setObjectName(QStringLiteral("toadcswitch_ComboBox"));
}
