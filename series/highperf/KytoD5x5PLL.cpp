#include "KytoD5x5PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "PllConfigWord.h"
#include "../common/CodeGeneration.h"
#include "../common/DesignFile.h"
#include "../common/DividerTable.h"
#include "../common/LimitChecks.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"

#include <QButtonGroup>
#include <QFont>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

// The series' limits: system clock and every bus but APB3, and APB3.
const double kSclkMax = 180.0;
const double kApb3Max = 90.0;
const char *const kStem = "kytod515_525";

const DividerTable &hextDividers()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

const DividerTable &hickDividers()
{
    static const DividerTable table{1, 2, 4, 8, 16};
    return table;
}

const DividerTable &pllFrDividers()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

const DividerTable &clockOutFirstDividers()
{
    static const DividerTable table{1, 2, 3, 4, 5};
    return table;
}

// Clock-out source codes of the model, in the order of the page's radios.
enum { LickOut = 1, LextOut = 2, HickOut = 3, HextOut = 4, SclkOut = 5, AdcOut = 7, PllOut = 10 };
const QVector<int> kClkoutCodes{SclkOut, HextOut, PllOut, HickOut, AdcOut, LickOut, LextOut};

enum { CanFromHext = 0, CanFromPll = 1, CanFromPclk = 2 };

// The pins the pin combo offers, as model codes.
const QVector<int> kPinCodes{0, 1, 2, 3, 5};

// Page-kit texts that these series word in their own way in Chinese, marked
// in the family's context so that its catalogue keeps that wording.
const char *const kOwnWordings[] = {
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Creating \"inc\" folder error!"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Creating \"src\" folder error!"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Generate code finished!  Files:"),
    QT_TRANSLATE_NOOP("KytoD5x5PLL", "Generate code failed!"),
};

double toDoubleOrZero(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace

KytoD5x5PLL::KytoD5x5PLL(int seriesIndex, QWidget *parent)
    : KytoMCUPLL(seriesIndex, parent)
{
}

KytoD5x5PLL::~KytoD5x5PLL() = default;

// ---------------------------------------------------------------- building

CustomComboBox1 *KytoD5x5PLL::makeCombo(int x, int y, int width, int z, const QStringList &items,
                                        const QString &node)
{
    CustomComboBox1 *combo = addComboBox(x, y, width, z);
    combo->insertItems(0, items);
    combo->setFixedHeight(25);
    combo->setObjectName(node + QStringLiteral("_ComboBox"));
    return combo;
}

QLabel *KytoD5x5PLL::makeLabel(const QString &text, int x, int y, int pointSize, int weight)
{
    return addLabel(text, x, y, pointSize, weight);
}

QButtonGroup *KytoD5x5PLL::makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                                          const QString &node)
{
    QButtonGroup *group = new QButtonGroup(this);
    group->setObjectName(node + QStringLiteral("_ButtonGroup"));
    for (int i = 0; i < places.size(); ++i) {
        QRadioButton *radio = addRadioButton(places[i].x(), places[i].y());
        radio->setObjectName(QStringLiteral("%1_RadioButton_%2").arg(node).arg(i));
        group->addButton(radio);
        radios << radio;
    }
    return group;
}

QLineEdit *KytoD5x5PLL::makeFixedReadout(const QString &text, int x, int y, const QString &name)
{
    QLineEdit *edit = addLineEdit(text, x, y, 80);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFixedHeight(25);
    edit->setStyleSheet(PageStyles::frame(true));
    return edit;
}

void KytoD5x5PLL::buildUi()
{
    buildLickReadout();
    buildWdtReadout();
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
    buildPllFrCombo();
    buildPllCfgReadout();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApb1DivCombo();
    buildApb2DivCombo();
    buildApb3DivCombo();
    buildHickToSclkGroup();
    buildHickReadout();
    buildHickDivCombo();
    buildClockoutDiv1Combo();
    buildClockoutDiv2Combo();
    buildClkoutPinCombo();
    buildClkoutSourceGroup();
    buildSclkEdit();
    buildPeripheralReadouts();
    buildFactorBoxes();
    buildCanGroup();
    buildDesignKeys();
}

void KytoD5x5PLL::buildLickReadout()
{
    lickLabel = makeLabel(QStringLiteral("lick(kHz)"), 80, 44);
    lickReadout = makeFixedReadout(QStringLiteral("40"), 65, 61, QStringLiteral("lick_ReadOut"));
}

void KytoD5x5PLL::buildWdtReadout()
{
    wdtReadout = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), 508, 12, 9);
    wdtReadout->setObjectName(QStringLiteral("wdt_ReadOut"));
    setEditTextColor(wdtReadout, Qt::darkGreen);
    wdtReadout->setText(QStringLiteral("40"));
}

void KytoD5x5PLL::buildRtcSwitchCombo()
{
    rtcswitchComboBox = makeCombo(400, 106, 70, 0, {QStringLiteral("disable"), QStringLiteral("enable")},
                                  QStringLiteral("rtcswitch"));
    rtcReadout = addReadOnlyLineEdit(510, 106, 9);
    rtcReadout->setObjectName(QStringLiteral("rtc_ReadOut"));
    rtcReadout->setText(QStringLiteral("40"));
    rtcLabel = makeLabel(QStringLiteral("to ertc(kHz)"), 593, 109, 9);
}

void KytoD5x5PLL::buildLextReadout()
{
    lextLabel = makeLabel(QStringLiteral("lext(kHz)"), 80, 88);
    lextReadout = makeFixedReadout(QStringLiteral("32.768"), 65, 103, QStringLiteral("lext_ReadOut"));
}

void KytoD5x5PLL::buildLextBypassCombo()
{
    lextBypassLabel = makeLabel(QStringLiteral("bypass"), 83, 135);
    lextbypassComboBox = makeCombo(65, 152, 80, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                                   QStringLiteral("lextbypass"));
    lextbypassComboBox->setFixedWidth(80);
    lextbypassComboBox->raise();
    lextInLabel = makeLabel(QStringLiteral("IN"), 18, 103, 8);
    lextInLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel = makeLabel(QStringLiteral("OUT"), 6, 114, 8);
    lextOutLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel->setObjectName(QStringLiteral("lextOut_Label"));
}

void KytoD5x5PLL::buildErtcSelGroup()
{
    rtcselLabel = makeLabel(QStringLiteral("ertcsel"), 340, 35);
    makeRadioGroup({{352, 67}, {352, 109}, {352, 155}}, rtcselRadios, QStringLiteral("rtcsel"));
    rtcselRadios[0]->setChecked(true);
}

void KytoD5x5PLL::buildErtcDivCombo()
{
    rtcdivLabel = makeLabel(QStringLiteral("ertcdiv"), 250, 136);
    QStringList items;
    for (int divider = 2; divider <= 31; ++divider)
        items << QStringLiteral("  /%1").arg(divider);
    rtcdivComboBox = makeCombo(240, 150, 60, 1, items, QStringLiteral("rtcdiv"));
}

void KytoD5x5PLL::buildHextEdit()
{
    hextLabel = makeLabel(QStringLiteral("hext(4-25MHz)"), 65, 228);
    hextLineEdit = addLineEdit(QStringLiteral("8"), 65, 248, 80);
    hextLineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hextLineEdit->setFixedHeight(30);
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
    hextLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hextLineEdit->setMaxLength(8);
    hextLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoD5x5PLL::buildHextBypassCombo()
{
    hextBypassLabel = makeLabel(QStringLiteral("bypass"), 83, 282);
    hextbypassComboBox = makeCombo(65, 300, 80, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                                   QStringLiteral("hextbypass"));
    hextbypassComboBox->setFixedWidth(80);
    hextInLabel = makeLabel(QStringLiteral("IN"), 18, 252, 8);
    hextInLabel->setStyleSheet(PageStyles::pinText(true));
    hextOutLabel = makeLabel(QStringLiteral("OUT"), 6, 263, 8);
    hextOutLabel->setStyleSheet(PageStyles::pinText(true));
    hextOutLabel->setObjectName(QStringLiteral("hextOut_Label"));
}

void KytoD5x5PLL::buildHextDivCombo()
{
    hextdivLabel = makeLabel(QStringLiteral("hextdiv"), 500, 183);
    hextdivComboBox = makeCombo(490, 201, 60, 2, hextDividers().items(), QStringLiteral("hextdiv"));
}

void KytoD5x5PLL::buildPllRcsGroup()
{
    pllrcsLabel = makeLabel(QStringLiteral("pllrcs"), 332, 223);
    makeRadioGroup({{342, 257}, {342, 316}}, pllrcsRadios, QStringLiteral("pllrcs"));
    pllrcsRadios[0]->setChecked(true);
}

void KytoD5x5PLL::buildPllMsEdit()
{
    pllmsLabel = makeLabel(QStringLiteral("pll_ms"), 410, 264);
    pllmsLineEdit = addLineEdit(QStringLiteral("1"), 395, 284, 60);
    PllFactorEdits::configure(pllmsLineEdit, PllFactorEdits::Ms);
    pllmsRangeLabel = makeLabel(QStringLiteral("(1-15)"), 405, 312);
}

void KytoD5x5PLL::buildPllNsEdit()
{
    pllnsLabel = makeLabel(QStringLiteral("pll_ns"), 497, 264);
    pllnsLineEdit = addLineEdit(QStringLiteral("1"), 482, 284, 60);
    PllFactorEdits::configure(pllnsLineEdit, PllFactorEdits::Ns);
    factors.attach(pllmsLineEdit, pllnsLineEdit);
    pllnsRangeLabel = makeLabel(QStringLiteral("(31-500)"), 487, 312);
}

void KytoD5x5PLL::buildPllFrCombo()
{
    pllfrLabel = makeLabel(QStringLiteral("pll_fr"), 585, 264);
    pllfrComboBox = makeCombo(570, 284, 60, 1, pllFrDividers().items(), QStringLiteral("pllfr"));
    pllOutputLabel = makeLabel(QString(), 650, 274, 10, 75);
    pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
}

void KytoD5x5PLL::buildPllCfgReadout()
{
    pllcfgLabel = makeLabel(QStringLiteral("CRM_PLLCFG : "), 420, 230, 10, 75);
    pllcfgLabel->setObjectName(QStringLiteral("pllcfg_Label"));
    pllcfgReadout = addLineEdit(QStringLiteral("0x08000000"), 510, 227, 100);
    pllcfgReadout->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    pllcfgReadout->setFixedHeight(20);
    pllcfgReadout->setFixedWidth(100);
    pllcfgReadout->setReadOnly(true);
    pllcfgReadout->setStyleSheet(QStringLiteral("border:  0px;"));
    // The read-out's box starts under the end of the caption; the caption
    // stays on top, where the read-out's centred text never reaches.
    pllcfgLabel->parentWidget()->graphicsProxyWidget()->setZValue(1);
}

void KytoD5x5PLL::buildSclkSelectGroup()
{
    sclkselectLabel = makeLabel(QStringLiteral("sclk select"), 712, 171);
    makeRadioGroup({{738, 233}, {738, 291}, {738, 349}}, sclkselectRadios, QStringLiteral("sclkselect"));
}

void KytoD5x5PLL::buildAhbDivCombo()
{
    ahbdivLabel = makeLabel(QStringLiteral("ahbdiv"), 937, 264);
    ahbdivComboBox = makeCombo(925, 285, 60, 1, DividerTable::ahb().items(), QStringLiteral("ahbdiv"));
}

void KytoD5x5PLL::buildApb1DivCombo()
{
    makeLabel(QStringLiteral("apb1div"), 1040, 234);
    makeLabel(QStringLiteral("180MHz max"), 1090, 244);
    apb1divComboBox = makeCombo(1034, 251, 55, 2, DividerTable::apb().items(), QStringLiteral("apb1div"));
}

void KytoD5x5PLL::buildApb2DivCombo()
{
    makeLabel(QStringLiteral("apb2div"), 1040, 400);
    makeLabel(QStringLiteral("180MHz max"), 1090, 411);
    apb2divComboBox = makeCombo(1034, 419, 55, 1, DividerTable::apb().items(), QStringLiteral("apb2div"));
}

void KytoD5x5PLL::buildApb3DivCombo()
{
    makeLabel(QStringLiteral("apb3div"), 1040, 542);
    makeLabel(QStringLiteral("90MHz max"), 1090, 552);
    apb3divComboBox = makeCombo(1034, 561, 55, 1, DividerTable::apb().items(), QStringLiteral("apb3div"));
}

void KytoD5x5PLL::buildHickToSclkGroup()
{
    hicktosclkLabel = makeLabel(QStringLiteral("hick to sclk"), 267, 441);
    makeRadioGroup({{287, 358}, {287, 408}}, hicktosclkRadios, QStringLiteral("hicktosclk"));
}

void KytoD5x5PLL::buildHickReadout()
{
    hickLabel = makeLabel(QStringLiteral("hick(MHz)"), 80, 355);
    hickReadout = makeFixedReadout(QStringLiteral("48"), 65, 373, QStringLiteral("hick_ReadOut"));
}

void KytoD5x5PLL::buildHickDivCombo()
{
    hickdivLabel = makeLabel(QStringLiteral("hickdiv"), 500, 357);
    hickdivComboBox = makeCombo(490, 375, 60, 0, hickDividers().items(), QStringLiteral("hickdiv"));
}

void KytoD5x5PLL::buildClockoutDiv1Combo()
{
    clockoutdiv1Label = makeLabel(QStringLiteral("clockoutdiv1"), 295, 644);
    clockoutdiv1ComboBox = makeCombo(291, 664, 80, 0, clockOutFirstDividers().items(),
                                     QStringLiteral("clockoutdiv1"));
    clockoutdiv1ComboBox->setFixedWidth(80);
}

void KytoD5x5PLL::buildClockoutDiv2Combo()
{
    clockoutdiv2Label = makeLabel(QStringLiteral("clockoutdiv2"), 187, 644);
    clockoutdiv2ComboBox = makeCombo(183, 664, 80, 0, DividerTable::clockOut().items(),
                                     QStringLiteral("clockoutdiv2"));
    clockoutdiv2ComboBox->setMaxVisibleItems(5);
    clkoutFreqLabel = makeLabel(QString(), 50, 701, 10, 70);
    clkoutFreqLabel->setObjectName(QStringLiteral("clkoutFreq_Label"));
    setTextColor(clkoutFreqLabel, Qt::darkGreen);
}

void KytoD5x5PLL::buildClkoutPinCombo()
{
    pinLabel = makeLabel(QStringLiteral("select pin"), 78, 644);
    clockoutPinSelectComboBox = makeCombo(73, 664, 80, 1,
                                          {QStringLiteral("none"), QStringLiteral("PA8"), QStringLiteral("PA9"),
                                           QStringLiteral("PB13"), QStringLiteral("PF2")},
                                          QStringLiteral("clockoutPinSelect"));
}

void KytoD5x5PLL::buildClkoutSourceGroup()
{
    static const char *const names[] = {"sclk", "hext", "pll", "hick", "adcclk", "lick", "lext"};
    QVector<QPoint> places;
    for (int i = 0; i < kClkoutCodes.size(); ++i)
        places << QPoint(385, 607 + 21 * i);
    makeRadioGroup(places, clkoutRadios, QStringLiteral("clkout"));
    for (int i = 0; i < kClkoutCodes.size(); ++i) {
        const int y = 601 + 21 * i;
        QLabel *name = makeLabel(QString::fromLatin1(names[i]), 441, y);
        name->setObjectName(QStringLiteral("clkoutName_Label_%1").arg(i));
        clkoutNameLabels << name;
        QLabel *freq = makeLabel(QString(), 481, y);
        freq->setObjectName(QStringLiteral("clkoutSourceFreq_Label_%1").arg(i));
        clkoutSourceFreqLabels << freq;
    }
    clkoutTitleLabel = makeLabel(QStringLiteral("clkout"), 380, 767);
}

void KytoD5x5PLL::buildSclkEdit()
{
    sclkLabel = makeLabel(QStringLiteral("sclk(") + QString::number(kSclkMax) + QStringLiteral("MHz max)"), 775, 264, 9);
    sclkLineEdit = addLineEdit(QString(), 783, 284, 80);
    sclkLineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclkLineEdit->setFixedHeight(28);
    sclkLineEdit->setFixedWidth(80);
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    sclkLineEdit->setMaxLength(9);
    sclkLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclkLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
}

void KytoD5x5PLL::buildPeripheralReadouts()
{
    auto readout = [this](const char *label, int y, const char *name) {
        QLineEdit *box = addLabeledReadOnlyLineEdit(QString::fromLatin1(label), 1181, y, 9);
        box->setObjectName(QString::fromLatin1(name) + QStringLiteral("_ReadOut"));
        return box;
    };
    static const char *const listNames[4] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    static const int buttonY[4] = {272, 360, 440, 525};
    static const int listY[4] = {292, 380, 460, 545};
    const QStringList contents[4] = {
        {"DAC", "SPI2", "USART2", "I2C1", "I2C2", "CAN1"},
        {"TMR3", "TMR4", "TMR6", "TMR7"},
        {"SPI1", "SCFG", "ADC", "USART1", "OP", "CMP"},
        {"TMR1", "TMR9", "TMR10", "TMR11"},
    };
    auto addList = [&](int which) {
        lists.add(this, QString::fromLatin1(listNames[which]), contents[which], QPoint(1266, buttonY[which]),
                  QPoint(1266, listY[which]), 4 - which);
    };

    i2sReadout = readout("i2s (MHz)", 87, "i2s");
    systickReadout = readout("systick(MHz)", 135, "systick");
    dmaReadout = readout("dma (MHz)", 177, "dma");
    gpioReadout = readout("gpio (MHz)", 211, "gpio");
    apb1Readout = readout("apb1 peripheral (MHz)", 247, "apb1_peripheral");
    addList(0);
    apb1TimerReadout = readout("apb1 tmr (MHz)", 335, "apb1_tmr");
    addList(1);
    apb2Readout = readout("apb2 peripheral (MHz)", 415, "apb2_peripheral");
    addList(2);
    apb2TimerReadout = readout("apb2 tmr (MHz)", 500, "apb2_tmr");
    addList(3);
    apb3Readout = readout("apb3 peripheral (MHz)", 561, "apb3_peripheral");

    canReadout = addReadOnlyLineEdit(1180, 691, 9);
    canReadout->setObjectName(QStringLiteral("can_ReadOut"));
    canReadout->setText(QStringLiteral("0"));
    canUnitLabel = makeLabel(QStringLiteral("(MHz)"), 1265, 694, 9);
    canUnitLabel->setObjectName(QStringLiteral("canUnit_Label"));
}

void KytoD5x5PLL::buildFactorBoxes()
{
    auto makeBox = [this](int x, int y, const char *name) {
        QLineEdit *box = addLineEdit(QString(), x, y, 30);
        box->setReadOnly(true);
        box->setFixedSize(30, 30);
        box->setStyleSheet(PageStyles::fixedBox());
        box->setObjectName(QString::fromLatin1(name));
        box->parentWidget()->adjustSize();
        return box;
    };
    systickBox = makeBox(1092, 134, "systickDiv_Box");
    apb1TimerBox = makeBox(1092, 297, "apb1TimerMult_Box");
    apb2TimerBox = makeBox(1092, 467, "apb2TimerMult_Box");
}

void KytoD5x5PLL::buildCanGroup()
{
    static const char *const sources[] = {"hext", "pll", "pclk"};
    for (int i = 0; i < 3; ++i)
        canSourceLabels << makeLabel(QString::fromLatin1(sources[i]), 964, 676 + 16 * i);
    canClockSelLabel = makeLabel(QStringLiteral("can clock sel"), 1008, 643);
    makeRadioGroup({{1047, 679}, {1047, 696}, {1047, 713}}, canclockselRadios, QStringLiteral("canclocksel"));
    canclockselRadios[CanFromHext]->setChecked(true);
    canswitchComboBox = makeCombo(1086, 691, 70, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                                  QStringLiteral("canswitch"));
}

// ---------------------------------------------------------------- wiring

void KytoD5x5PLL::connectSignals()
{
    for (QRadioButton *r : rtcselRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(rtcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(rtcdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcdiv_ComboBox_currentIndexChanged(int)));
    connect(lextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    connect(hextdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextdiv_ComboBox_currentIndexChanged(int)));
    connect(hickdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hickdiv_ComboBox_currentIndexChanged(int)));
    connect(hextLineEdit, SIGNAL(returnPressed()), this, SLOT(hext_LineEdit_returnPressed()));
    connect(hextLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(hext_LineEdit_textChanged(const QString &)));
    connect(hextbypassComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    connect(pllmsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllms_LineEdit_returnPressed()));
    connect(pllmsLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllms_LineEdit_textChanged(const QString &)));
    connect(pllnsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllns_LineEdit_returnPressed()));
    connect(pllnsLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(pllns_LineEdit_textChanged(const QString &)));
    connect(pllfrComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfr_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : pllrcsRadios)
        connect(r, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[0], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[1], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[2], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ahbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(apb1divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(apb2divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    connect(apb3divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb3div_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *r : hicktosclkRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    for (QRadioButton *r : clkoutRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(clkout_RadioButton_checkSlot(bool)));
    connect(clockoutdiv1ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutdiv1_ComboBox_currentIndexChanged(int)));
    connect(clockoutdiv2ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutdiv2_ComboBox_currentIndexChanged(int)));
    connect(clockoutPinSelectComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
    connect(sclkLineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(sclkLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
    for (QRadioButton *r : canclockselRadios)
        connect(r, SIGNAL(toggled(bool)), this, SLOT(canclocksel_RadioButton_checkSlot(bool)));
    connect(canswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(canswitch_ComboBox_currentIndexChanged(int)));
}

// ---------------------------------------------------------------- defaults

void KytoD5x5PLL::resetDefaults()
{
    // The slots that run on the way see half-reset pages; the check at the
    // end speaks about the defaults.
    {
    const PageMessages::QuietScope quiet(messages);
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
    auto resetPll = [this]() {
        pllmsLineEdit->setText(QStringLiteral("/1"));
        model->pllMs = 1;
        pllnsLineEdit->setText(QStringLiteral("*90"));
        model->pllNs = 90;
        pllfrComboBox->setCurrentIndex(2);
        model->pllFr = 4;
    };
    resetPll();
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
    hicktosclkRadios[0]->setChecked(true);
    model->sclkHick48 = 0;
    clkoutRadios[kClkoutCodes.indexOf(SclkOut)]->setChecked(true);
    model->clkoutSource = SclkOut;
    clockoutdiv1ComboBox->setCurrentIndex(0);
    model->clkoutDiv1 = 1;
    clockoutdiv2ComboBox->setCurrentIndex(0);
    model->clkoutDiv2 = 1;
    clockoutPinSelectComboBox->setCurrentIndex(0);
    model->clkoutPin = 0;
    canclockselRadios[CanFromHext]->setChecked(true);
    model->can1ClockSource = CanFromHext;
    canswitchComboBox->setCurrentIndex(0);
    model->can1Enabled = false;

    // With the slots connected, choosing the PLL as system clock above
    // re-solves the PLL for the target the page had before; a reset still
    // ends on the series' factors and their 180 MHz.
    resetPll();
    model->sclkMhz = kSclkMax;
    }

    highlightClockPaths();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

// ---------------------------------------------------------------- predicates

bool KytoD5x5PLL::pinChosen() const
{
    return clockoutPinSelectComboBox->currentIndex() != 0;
}

bool KytoD5x5PLL::clkoutChecked(int code) const
{
    const int i = kClkoutCodes.indexOf(code);
    return i >= 0 && clkoutRadios[i]->isChecked();
}

int KytoD5x5PLL::checkedClkoutCode() const
{
    for (int i = 0; i < clkoutRadios.size(); ++i) {
        if (clkoutRadios[i]->isChecked())
            return kClkoutCodes[i];
    }
    return 0;
}

bool KytoD5x5PLL::lextInUse() const
{
    return (rtcswitchComboBox->currentIndex() != 0 && rtcselRadios[1]->isChecked())
           || (pinChosen() && clkoutChecked(LextOut));
}

// The PLL as the system clock, the clock output or the CAN clock, read from
// the controls.
bool KytoD5x5PLL::pllFeedsSomething() const
{
    return sclkselectRadios[1]->isChecked()
           || (pinChosen() && clkoutChecked(PllOut))
           || (canswitchComboBox->currentIndex() != 0 && canclockselRadios[CanFromPll]->isChecked());
}

// Everything that needs the HEXT oscillator, read from the controls: the
// system clock, the RTC, the clock output, the CAN clock, and a PLL from
// HEXT that feeds any of them.
bool KytoD5x5PLL::hextFeedsSomething() const
{
    return sclkselectRadios[0]->isChecked()
           || (rtcswitchComboBox->currentIndex() != 0 && rtcselRadios[2]->isChecked())
           || (pinChosen() && clkoutChecked(HextOut))
           || (canswitchComboBox->currentIndex() != 0 && canclockselRadios[CanFromHext]->isChecked())
           || (pllrcsRadios[0]->isChecked() && pllFeedsSomething());
}

// ---------------------------------------------------------------- messages

void KytoD5x5PLL::showError(const char *sourceText)
{
    messages.showError(messages.text(sourceText));
}

// ---------------------------------------------------------------- input checks

bool KytoD5x5PLL::validateLineEdits()
{
    if (hextEnabled) {
        const double hext = hextLineEdit->text().toDouble();
        if (hext < 4.0 || hext > 25.0) {
            showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "hext input error!"));
            return false;
        }
    }
    if (sclkLineEdit->text().toDouble() > kSclkMax) {
        showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "sclk input error!"));
        return false;
    }
    if (model->ahbMhz / double(model->apb3Div) > kApb3Max) {
        showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "apb3div input error!"));
        return false;
    }
    return true;
}

bool KytoD5x5PLL::validateHextLineEdit(double &value)
{
    value = 0.0;
    const double v = hextLineEdit->text().toDouble();
    if (v < 4.0 || v > 25.0) {
        showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "hext input error!"));
        return false;
    }
    value = v;
    return true;
}

bool KytoD5x5PLL::checkSclkInput(double &value)
{
    value = 0.0;
    const double v = sclkLineEdit->text().toDouble();
    if (v > kSclkMax) {
        showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "sclk input error!"));
        return false;
    }
    value = v;
    return true;
}

bool KytoD5x5PLL::takeOverHext()
{
    double value = 0.0;
    if (!validateHextLineEdit(value))
        return false;
    model->hextMhz = value;
    return true;
}

// ---------------------------------------------------------------- PLL check

bool KytoD5x5PLL::checkPllSettings()
{
    const bool pllFromHext = pllrcsRadios[0]->isChecked();
    const bool canOn = canswitchComboBox->currentIndex() != 0;
    const bool hextInUse = sclkselectRadios[0]->isChecked()
                           || (pinChosen() && clkoutChecked(PllOut) && pllFromHext)
                           || (pinChosen() && clkoutChecked(HextOut))
                           || (sclkselectRadios[1]->isChecked() && pllFromHext)
                           || (canOn && canclockselRadios[CanFromHext]->isChecked())
                           || (canOn && canclockselRadios[CanFromPll]->isChecked() && pllFromHext);
    if (hextInUse) {
        const double hext = hextLineEdit->text().toDouble();
        if (hext < 4.0 || hext > 25.0) {
            showError(QT_TRANSLATE_NOOP("KytoD5x5PLL", "hext input error!"));
            return false;
        }
        model->hextMhz = hext;
    }

    const bool pllInUse = sclkselectRadios[1]->isChecked()
                          || (pinChosen() && clkoutChecked(PllOut))
                          || (canswitchComboBox->currentIndex() == 1 && canclockselRadios[CanFromPll]->isChecked());
    if (!pllInUse)
        return true;

    return factors.checkTyped();
}

void KytoD5x5PLL::checkAndRefresh()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

void KytoD5x5PLL::resolvePll()
{
    if (sclkselectRadios[1]->isChecked())
        model->recomputeFromPll();
    else
        model->recompute();
    showPllParams();
    refreshFrequencies();
}

// ---------------------------------------------------------------- slots

void KytoD5x5PLL::onRtcSelClicked(bool)
{
    highlightClockPaths();
    for (int i = 0; i < rtcselRadios.size(); ++i) {
        if (rtcselRadios[i]->isChecked())
            model->rtcSource = i;
    }
    if (rtcselRadios[2]->isChecked())
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoD5x5PLL::onRtcSwitchChanged(int index)
{
    highlightClockPaths();
    model->rtcEnabled = index != 0;
    if (model->rtcEnabled && rtcselRadios[2]->isChecked())
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoD5x5PLL::onRtcDivChanged(int)
{
    model->rtcHextDiv = rtcdivComboBox->currentIndex() + 2;
    updateErtcDisplay();
}

static void setBypassOut(QLabel *out, int index)
{
    if (index == 0) {
        out->setEnabled(true);
        out->setStyleSheet(PageStyles::pinText(true));
    } else {
        out->setStyleSheet(PageStyles::pinText(false));
        out->setEnabled(false);
    }
}

void KytoD5x5PLL::onLextBypassChanged(int index)
{
    setBypassOut(lextOutLabel, index);
    model->lextBypass = index != 0;
}

void KytoD5x5PLL::onHextBypassChanged(int index)
{
    setBypassOut(hextOutLabel, index);
    model->hextBypass = index != 0;
}

void KytoD5x5PLL::onHextDivChanged(int index)
{
    model->hextDiv = hextDividers().intAt(index);
    checkAndRefresh();
}

void KytoD5x5PLL::onHickDivChanged(int index)
{
    model->hickDiv = hickDividers().intAt(index);
    checkAndRefresh();
}

void KytoD5x5PLL::onAhbDivChanged(int)
{
    model->ahbDiv = DividerTable::ahb().intAt(ahbdivComboBox->currentIndex());
    checkAndRefresh();
}

void KytoD5x5PLL::onApb1DivChanged(int)
{
    model->apb1Div = DividerTable::apb().intAt(apb1divComboBox->currentIndex());
    checkAndRefresh();
}

void KytoD5x5PLL::onApb2DivChanged(int)
{
    model->apb2Div = DividerTable::apb().intAt(apb2divComboBox->currentIndex());
    checkAndRefresh();
}

void KytoD5x5PLL::onApb3DivChanged(int)
{
    // Index 2 (/4) is the fall-back, as in the design file.
    switch (apb3divComboBox->currentIndex()) {
    case 0: model->apb3Div = 1; break;
    case 1: model->apb3Div = 2; break;
    case 3: model->apb3Div = 8; break;
    case 4: model->apb3Div = 16; break;
    default: model->apb3Div = 4; break;
    }
    checkAndRefresh();
}

void KytoD5x5PLL::onClockoutDiv1Changed(int)
{
    model->clkoutDiv1 = clockOutFirstDividers().intAt(clockoutdiv1ComboBox->currentIndex());
    checkAndRefresh();
}

void KytoD5x5PLL::onClockoutDiv2Changed(int)
{
    model->clkoutDiv2 = DividerTable::clockOut().intAt(clockoutdiv2ComboBox->currentIndex());
    checkAndRefresh();
}

void KytoD5x5PLL::onHextReturnPressed()
{
    if (!takeOverHext())
        return;
    checkAndRefresh();
    updateErtcDisplay();
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoD5x5PLL::onHextTextChanged(const QString &text)
{
    const double v = toDoubleOrZero(text);
    Readouts::showTypedEdit(hextLineEdit, Readouts::typedState(text, model->hextMhz, 5), v >= 4.0 && v <= 25.0,
                            Qt::black);
}

void KytoD5x5PLL::onPllMsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ms))
        return;
    if (pllrcsRadios[0]->isChecked() && !takeOverHext())
        return;
    checkAndRefresh();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoD5x5PLL::onPllNsReturnPressed()
{
    if (!factors.acceptTyped(PllFactorEdits::Ns))
        return;
    if (pllrcsRadios[0]->isChecked() && !takeOverHext())
        return;
    checkAndRefresh();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoD5x5PLL::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoD5x5PLL::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoD5x5PLL::onPllFrChanged(int index)
{
    // Stored first, so that the page and the model never disagree about the
    // divider the combo shows.
    model->pllFr = pllFrDividers().intAt(index);
    if (pllrcsRadios[0]->isChecked() && !takeOverHext())
        return;
    checkAndRefresh();
}

void KytoD5x5PLL::onPllRcsClicked(bool)
{
    highlightClockPaths();
    const bool fromHext = pllrcsRadios[0]->isChecked();
    model->pllSource = fromHext ? 0 : 1;
    if (fromHext && !takeOverHext())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    resolvePll();
}

void KytoD5x5PLL::onSclkSelectHextToggled(bool)
{
    highlightClockPaths();
    if (sclkselectRadios[0]->isChecked()) {
        model->sclkSource = 0;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        if (!takeOverHext())
            return;
        checkAndRefresh();
    }
    resolvePll();
}

void KytoD5x5PLL::onSclkSelectPllToggled(bool)
{
    highlightClockPaths();
    if (sclkselectRadios[1]->isChecked()) {
        model->sclkSource = 1;
        sclkLineEdit->setEnabled(true);
        sclkLineEdit->setStyleSheet(PageStyles::editApplied());
        if (pllrcsRadios[0]->isChecked() && !takeOverHext())
            return;
        checkAndRefresh();
    }
    resolvePll();
}

void KytoD5x5PLL::onSclkSelectHickToggled(bool)
{
    highlightClockPaths();
    if (sclkselectRadios[2]->isChecked()) {
        model->sclkSource = 2;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        checkAndRefresh();
    }
    resolvePll();
}

void KytoD5x5PLL::onHickToSclkToggled(bool)
{
    model->sclkHick48 = hicktosclkRadios[0]->isChecked() ? 0 : 1;
    checkAndRefresh();
}

void KytoD5x5PLL::onClkoutToggled(bool flag)
{
    highlightClockPaths();
    if (!flag)
        return;
    const int code = checkedClkoutCode();
    model->clkoutSource = code != 0 ? code : SclkOut;
    checkAndRefresh();
}

void KytoD5x5PLL::onClockoutPinChanged(int)
{
    highlightClockPaths();
    model->clkoutPin = ClockTreeModel::pinIndexFromName(clockoutPinSelectComboBox->currentText());
    checkAndRefresh();
}

void KytoD5x5PLL::onSclkReturnPressed()
{
    if (!sclkselectRadios[1]->isChecked())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    if (pllrcsRadios[0]->isChecked() && !takeOverHext())
        return;
    model->recomputeFromPll();
    showPllParams();
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoD5x5PLL::onSclkTextChanged(const QString &text)
{
    Readouts::showTypedEdit(sclkLineEdit, Readouts::typedState(text, model->sclkMhz, 3, sclkLineEdit->isEnabled()),
                            toDoubleOrZero(text) <= kSclkMax, Qt::darkGreen);
}

void KytoD5x5PLL::onCanClockSelToggled(bool)
{
    highlightClockPaths();
    model->can1ClockSource = CanFromHext;
    for (int i = 0; i < canclockselRadios.size(); ++i) {
        if (canclockselRadios[i]->isChecked())
            model->can1ClockSource = i;
    }
    checkAndRefresh();
}

void KytoD5x5PLL::onCanSwitchChanged(int index)
{
    model->can1Enabled = index != 0;
    highlightClockPaths();
    onCanClockSelToggled(true);
}

void KytoD5x5PLL::onListButtonClicked(int list)
{
    lists.toggle(list);
}

void KytoD5x5PLL::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------- highlighting

void KytoD5x5PLL::highlightClockPaths()
{
    updateLextBypassStyle(lextInUse());
    updateRtcSwitchEnables();
    const bool ertcFromHext = rtcswitchComboBox->currentIndex() == 1 && rtcselRadios[2]->isChecked();
    rtcdivLabel->setEnabled(ertcFromHext);
    rtcdivComboBox->setComboBoxEnabled(ertcFromHext);
    updateHextEnables();
    updateHickEnables();
    updatePllEnables();
    updateHickToSclkStyle(sclkselectRadios[2]->isChecked());
    updateClkoutStyle(pinChosen());
    updateCanClockSelStyle(canswitchComboBox->currentIndex() != 0);
}

static void styleInOut(QLabel *in, QLabel *out, bool active, int bypassIndex)
{
    if (active) {
        in->setStyleSheet(PageStyles::pinText(true));
        setBypassOut(out, bypassIndex);
    } else {
        in->setStyleSheet(PageStyles::pinText(false));
        out->setStyleSheet(PageStyles::pinText(false));
        out->setEnabled(false);
    }
}

static void styleRadios(QLabel *label, const QVector<QRadioButton *> &radios, bool active)
{
    for (QRadioButton *radio : radios) {
        radio->setStyleSheet(PageStyles::radio(active));
        radio->setEnabled(active);
    }
    label->setEnabled(active);
}

void KytoD5x5PLL::updateLextBypassStyle(bool flag)
{
    lextReadout->setStyleSheet(PageStyles::frame(flag));
    lextLabel->setEnabled(flag);
    lextReadout->setEnabled(flag);
    lextBypassLabel->setEnabled(flag);
    lextbypassComboBox->setComboBoxEnabled(flag);
    lextInLabel->setEnabled(flag);
    styleInOut(lextInLabel, lextOutLabel, flag, lextbypassComboBox->currentIndex());
}

void KytoD5x5PLL::updateRtcSwitchEnables()
{
    const bool on = rtcswitchComboBox->currentIndex() != 0;
    updateRtcSelStyle(on);
    rtcLabel->setEnabled(on);
    rtcReadout->setEnabled(on);
    setEditTextColor(rtcReadout, on ? Qt::darkGreen : Qt::gray);
}

void KytoD5x5PLL::updateRtcSelStyle(bool flag)
{
    styleRadios(rtcselLabel, rtcselRadios, flag);
}

void KytoD5x5PLL::updateHextEnables()
{
    const bool sclkFromHext = sclkselectRadios[0]->isChecked();
    setHextEditEnabled(sclkFromHext || hextFeedsSomething());
    hextdivLabel->setEnabled(sclkFromHext);
    hextdivComboBox->setComboBoxEnabled(sclkFromHext);
}

void KytoD5x5PLL::setHextEditEnabled(bool flag)
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
    hextInLabel->setEnabled(flag);
    styleInOut(hextInLabel, hextOutLabel, flag, hextbypassComboBox->currentIndex());
}

void KytoD5x5PLL::updateHickEnables()
{
    const bool sclkFromHick = sclkselectRadios[2]->isChecked();
    hickdivLabel->setEnabled(sclkFromHick);
    hickdivComboBox->setComboBoxEnabled(sclkFromHick);
    hickLabel->setEnabled(true);
    hickReadout->setEnabled(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
}

void KytoD5x5PLL::updatePllEnables()
{
    const bool inUse = sclkselectRadios[1]->isChecked()
                       || (pinChosen() && clkoutChecked(PllOut))
                       || (model->can1Enabled && canclockselRadios[CanFromPll]->isChecked());
    updatePllRcsStyle(inUse);
    factors.setInUse(inUse);
    for (QWidget *w : {static_cast<QWidget *>(pllmsLabel), static_cast<QWidget *>(pllmsRangeLabel),
                       static_cast<QWidget *>(pllnsLabel), static_cast<QWidget *>(pllnsRangeLabel),
                       static_cast<QWidget *>(pllfrLabel), static_cast<QWidget *>(pllOutputLabel),
                       static_cast<QWidget *>(pllcfgLabel), static_cast<QWidget *>(pllcfgReadout)})
        w->setEnabled(inUse);
    pllfrComboBox->setComboBoxEnabled(inUse);
}

void KytoD5x5PLL::updatePllRcsStyle(bool flag)
{
    styleRadios(pllrcsLabel, pllrcsRadios, flag);
}

void KytoD5x5PLL::updateHickToSclkStyle(bool flag)
{
    styleRadios(hicktosclkLabel, hicktosclkRadios, flag);
}

void KytoD5x5PLL::updateClkoutStyle(bool flag)
{
    clockoutdiv1Label->setEnabled(flag);
    clockoutdiv1ComboBox->setComboBoxEnabled(flag);
    clockoutdiv2Label->setEnabled(flag);
    clockoutdiv2ComboBox->setComboBoxEnabled(flag);
    for (QRadioButton *radio : clkoutRadios) {
        radio->setEnabled(flag);
        radio->setStyleSheet(PageStyles::radio(flag));
    }
    for (QLabel *label : clkoutNameLabels)
        label->setEnabled(flag);
    for (QLabel *label : clkoutSourceFreqLabels)
        label->setEnabled(flag);
    clkoutFreqLabel->setEnabled(flag);
    clkoutTitleLabel->setEnabled(flag);
}

void KytoD5x5PLL::updateCanClockSelStyle(bool flag)
{
    styleRadios(canClockSelLabel, canclockselRadios, flag);
    for (QLabel *label : canSourceLabels)
        label->setEnabled(flag);
    canReadout->setEnabled(flag);
    canUnitLabel->setEnabled(flag);
    setEditTextColor(canReadout, flag ? Qt::darkGreen : Qt::gray);
}

// ---------------------------------------------------------------- read-outs

void KytoD5x5PLL::refreshFrequencies()
{
    // The edit's new text restyles it through its text slot first.
    Readouts::show(sclkLineEdit, model->sclkMhz, kSclkMax);
    Readouts::show(i2sReadout, model->sclkMhz, kSclkMax);
    systickReadout->setText(Readouts::mhz(model->ahbMhz * 0.125));
    Readouts::setEditColour(systickReadout, Readouts::limitColour(model->ahbMhz, kSclkMax));
    Readouts::show(dmaReadout, model->ahbMhz, kSclkMax);
    Readouts::show(gpioReadout, model->ahbMhz, kSclkMax);
    Readouts::show(apb1Readout, model->apb1Mhz, kSclkMax);
    Readouts::show(apb1TimerReadout, model->apb1TimerMhz, kSclkMax);
    Readouts::show(apb2Readout, model->apb2Mhz, kSclkMax);
    Readouts::show(apb2TimerReadout, model->apb2TimerMhz, kSclkMax);
    Readouts::show(apb3Readout, model->apb3Mhz, kApb3Max);
    syncApbFieldsFromModel();

    pllOutputLabel->setText(pllOutputLabel->isEnabled() ? Readouts::mhz(model->pllMhz) + QStringLiteral("MHz") : QString());
    if (pllcfgLabel->isEnabled()) {
        pllcfgLabel->setText(QStringLiteral("CRM_PLLCFG: "));
        pllcfgReadout->setText(formatPllCfgValue());
    } else {
        pllcfgLabel->setText(QString());
        pllcfgReadout->setText(QString());
    }
    if (pinChosen())
        updateSourceLabels();

    if (model->can1Enabled) {
        if (canclockselRadios[CanFromHext]->isChecked())
            Readouts::show(canReadout, model->hextMhz, kSclkMax);
        else if (canclockselRadios[CanFromPll]->isChecked())
            Readouts::show(canReadout, model->pllMhz, kSclkMax);
        else if (canclockselRadios[CanFromPclk]->isChecked())
            Readouts::show(canReadout, model->apb1Mhz, kSclkMax);
        canUnitLabel->setText(QStringLiteral("(MHz)"));
    }
}

void KytoD5x5PLL::syncApbFieldsFromModel()
{
    apb1divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb3divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb3Div));
    apb1TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}

void KytoD5x5PLL::showPllParams()
{
    factors.showModel();
    pllfrComboBox->setCurrentIndex(pllFrDividers().indexOrFirst(model->pllFr));
}

QString KytoD5x5PLL::formatPllCfgValue() const
{
    return PllConfigWord::text(PllConfigWord::withFrDivider(*model));
}

void KytoD5x5PLL::updateSourceLabels()
{
    for (QLabel *label : clkoutSourceFreqLabels)
        label->setVisible(false);
    const int code = checkedClkoutCode();
    const int i = kClkoutCodes.indexOf(code);
    if (i < 0) {
        clkoutFreqLabel->setText(QString());
        return;
    }
    QLabel *source = clkoutSourceFreqLabels[i];
    source->setVisible(true);
    auto show = [&](double f, const char *unit) {
        const QString u = QString::fromLatin1(unit);
        source->setText(QStringLiteral("(") + Readouts::mhz(f) + u + QStringLiteral(")"));
        clkoutFreqLabel->setText(QStringLiteral("(") + Readouts::mhz(f / double(model->clkoutDiv1) / double(model->clkoutDiv2)) + u
                                 + QStringLiteral(")"));
    };
    switch (code) {
    case LickOut: show(40.0, " kHz"); break;
    case LextOut: show(32.768, " kHz"); break;
    // The clock output takes the HICK at 48 MHz whatever the system clock does.
    case HickOut: show(48.0, " MHz"); break;
    case HextOut: show(model->hextMhz, " MHz"); break;
    case SclkOut: show(model->sclkMhz, " MHz"); break;
    case PllOut: show(model->pllMhz, " MHz"); break;
    default:
        source->setText(QString());
        clkoutFreqLabel->setText(QString());
        break;
    }
}

void KytoD5x5PLL::updateErtcDisplay()
{
    if (rtcswitchComboBox->currentIndex() == 0) {
        rtcReadout->setText(QStringLiteral("0"));
    } else if (rtcselRadios[0]->isChecked()) {
        rtcReadout->setText(QStringLiteral("40"));
    } else if (rtcselRadios[1]->isChecked()) {
        rtcReadout->setText(QStringLiteral("32.768"));
    } else {
        double value = 0.0;
        if (validateHextLineEdit(value))
            rtcReadout->setText(Readouts::mhz(value * 1000.0 / double(model->rtcHextDiv)));
        else
            rtcReadout->setText(QStringLiteral("0"));
    }
}

// ---------------------------------------------------------------- generate, save, open

bool KytoD5x5PLL::pllOutputChecked() const
{
    // The PLL output label is enabled exactly while the PLL feeds something.
    return pllOutputLabel->isEnabled();
}

bool KytoD5x5PLL::runLimitChecks(bool generating)
{
    QVector<LimitRow> limits{
        {model->sclkMhz, kSclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support sclk greater than")},
        {model->apb1Mhz, kSclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb1clk greater than")},
    };
    if (generating)
        limits.append({model->apb3Mhz, kApb3Max, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb3clk greater than")});
    else
        limits.append({model->apb2Mhz, kSclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support apb2clk greater than")});
    if (pllOutputChecked())
        limits.append({model->pllMhz, kSclkMax, QT_TRANSLATE_NOOP("KytoD5x5PLL", "Can not support pll clock greater than")});
    return LimitChecks::pass(messages, limits);
}

bool KytoD5x5PLL::generateCode()
{
    if (!validateLineEdits())
        return false;
    // Typed values that were never taken over (a question cancelled, a
    // factor left pending) must not reach the files: take them over now,
    // and check the clocks they give.
    if (!checkPllSettings())
        return false;
    model->recompute();
    refreshFrequencies();
    if (!runLimitChecks(true))
        return false;
    return CodeGeneration::writeSources(this, messages, model, QString::fromLatin1(kStem));
}

void KytoD5x5PLL::saveConfig(QString seriesName)
{
    if (!checkPllSettings())
        return;
    model->recompute();
    refreshFrequencies();
    if (!runLimitChecks(false))
        return;
    if (seriesName.isEmpty())
        return;
    DesignFile::save(this, messages, seriesName, designKeys.values(), QString());
}

// Rows in write order. Each read sets the model and the control; a control
// whose state changes runs its slot as a user's choice would.
void KytoD5x5PLL::buildDesignKeys()
{
    using Keys = DesignKeyTable;
    // A divider combo: the model first, then the item of the divider.
    auto divider = [this](const QString &key, int ClockTreeModel::*field, CustomComboBox1 *combo,
                          const DividerTable &table, int fallback) {
        designKeys.add(Keys::code(key, [this, field] { return model->*field; }, [this, field, combo, &table](int v) {
            model->*field = v;
            combo->setCurrentIndex(table.indexOrFirst(v));
        }, table.codes(), fallback));
    };
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
    QVector<int> rtcDividers;
    for (int divider = 2; divider <= 31; ++divider)
        rtcDividers << divider;
    designKeys.add(Keys::code(QStringLiteral("rtcdiv"), [this] { return model->rtcHextDiv; }, [this](int v) {
        model->rtcHextDiv = v;
        rtcdivComboBox->setCurrentIndex(v - 2);
    }, rtcDividers, 2));
    designKeys.add(Keys::text(QStringLiteral("hext"), [this] { return QString::number(model->hextMhz, 'f', 6); },
                              [this](const QString &text) {
        hextLineEdit->setText(text);
        model->hextMhz = toDoubleOrZero(text);
    }));
    designKeys.add(Keys::onOff(QStringLiteral("hextbypass"), [this] { return model->hextBypass; }, [this](bool on) {
        hextbypassComboBox->setCurrentIndex(on ? 1 : 0);
        model->hextBypass = on;
    }));
    divider(QStringLiteral("hextdiv"), &ClockTreeModel::hextDiv, hextdivComboBox, hextDividers(), 1);
    divider(QStringLiteral("hickdiv"), &ClockTreeModel::hickDiv, hickdivComboBox, hickDividers(), 1);
    designKeys.add(Keys::onOff(QStringLiteral("pllrcs"), [this] { return model->pllSource != 0; }, [this](bool hick) {
        pllrcsRadios[hick ? 1 : 0]->setChecked(true);
        model->pllSource = hick ? 1 : 0;
    }));
    QVector<int> msRange, nsRange;
    for (int v = 1; v <= 15; ++v)
        msRange << v;
    for (int v = 31; v <= 500; ++v)
        nsRange << v;
    designKeys.add(Keys::code(QStringLiteral("pllms"), [this] { return model->pllMs; }, [this](int v) {
        model->pllMs = v;
        pllmsLineEdit->setText(PllFactorEdits::factorText(v, PllFactorEdits::Ms));
    }, msRange, 1));
    designKeys.add(Keys::code(QStringLiteral("pllns"), [this] { return model->pllNs; }, [this](int v) {
        model->pllNs = v;
        pllnsLineEdit->setText(PllFactorEdits::factorText(v, PllFactorEdits::Ns));
    }, nsRange, 31));
    divider(QStringLiteral("pllfr"), &ClockTreeModel::pllFr, pllfrComboBox, pllFrDividers(), 1);
    designKeys.add(Keys::code(QStringLiteral("sclkselect"), [this] { return model->sclkSource; }, [this](int v) {
        sclkselectRadios[v]->setChecked(true);
        model->sclkSource = v;
    }, {0, 1, 2}, 0));
    divider(QStringLiteral("ahbdiv"), &ClockTreeModel::ahbDiv, ahbdivComboBox, DividerTable::ahb(), 1);
    divider(QStringLiteral("apb1div"), &ClockTreeModel::apb1Div, apb1divComboBox, DividerTable::apb(), 1);
    divider(QStringLiteral("apb2div"), &ClockTreeModel::apb2Div, apb2divComboBox, DividerTable::apb(), 1);
    // APB3 falls back to its default /4, not to the first item.
    divider(QStringLiteral("apb3div"), &ClockTreeModel::apb3Div, apb3divComboBox, DividerTable::apb(), 4);
    designKeys.add(Keys::code(QStringLiteral("hicktosclk"), [this] { return model->sclkHick48; }, [this](int v) {
        hicktosclkRadios[v]->setChecked(true);
        model->sclkHick48 = v;
    }, {0, 1}, 0));
    designKeys.add(Keys::code(QStringLiteral("clkout"), [this] { return model->clkoutSource; }, [this](int v) {
        clkoutRadios[kClkoutCodes.indexOf(v)]->setChecked(true);
        model->clkoutSource = v;
    }, kClkoutCodes, SclkOut));
    divider(QStringLiteral("clkoutdiv1"), &ClockTreeModel::clkoutDiv1, clockoutdiv1ComboBox, clockOutFirstDividers(), 1);
    divider(QStringLiteral("clkoutdiv2"), &ClockTreeModel::clkoutDiv2, clockoutdiv2ComboBox, DividerTable::clockOut(), 1);
    // Only the pins the combo offers: any other code would drive a pin the
    // page cannot show.
    designKeys.add(Keys::code(QStringLiteral("clkoutpinselect"), [this] { return model->clkoutPin; }, [this](int v) {
        model->clkoutPin = v;
        if (v == 0)
            clockoutPinSelectComboBox->setCurrentIndex(0);
        else
            clockoutPinSelectComboBox->setCurrentText(ClockTreeModel::pinNameFromIndex(v));
    }, kPinCodes, 0));
    // A CAN source outside the three leaves the page's own.
    designKeys.add(Keys::code(QStringLiteral("canclocksel"), [this] { return model->can1ClockSource; }, [this](int v) {
        if (v < 0)
            return;
        canclockselRadios[v]->setChecked(true);
        model->can1ClockSource = v;
    }, {CanFromHext, CanFromPll, CanFromPclk}, -1));
    designKeys.add(Keys::onOff(QStringLiteral("canswitch"), [this] { return model->can1Enabled; }, [this](bool on) {
        canswitchComboBox->setCurrentIndex(on ? 1 : 0);
        model->can1Enabled = on;
    }));
}

void KytoD5x5PLL::loadConfig(QString path)
{
    // Write order, but the pin before the clock-out source.
    QStringList order;
    for (const auto &value : designKeys.values())
        order << value.first;
    order.move(order.indexOf(QStringLiteral("clkoutpinselect")), order.indexOf(QStringLiteral("clkout")));
    const QHash<QString, QString> texts = designKeys.load(path, order, messages);

    // A slot run on the way may re-solve the PLL for the system clock it
    // saw; opening must give back the factors the file holds.
    {
        const PageMessages::QuietScope quiet(messages);
        for (const QString &key : {QStringLiteral("pllms"), QStringLiteral("pllns"), QStringLiteral("pllfr")})
            designKeys.apply(key, texts.value(key));
    }

    highlightClockPaths();
    updateErtcDisplay();
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}
