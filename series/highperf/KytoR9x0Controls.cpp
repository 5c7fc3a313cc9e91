#include "KytoR9x0Controls.h"

#include "CustomComboBox1.h"
#include "../common/PllFactorEdits.h"
#include "../common/DividerTable.h"
#include "../common/PageStyles.h"

#include <QButtonGroup>
#include <QFont>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

const char *const kClkoutNames[] = {"sclk", "hext", "pll", "usb", "adc", "hick", "lick", "lext"};
const int kClkoutNameY[] = {590, 611, 633, 654, 675, 696, 717, 738};

} // namespace

const double KytoR9x0Controls::sclkMax = 192.0;

int KytoR9x0Controls::clkoutCode(int radio)
{
    static const int codes[] = {5, 4, 10, 6, 7, 3, 1, 2};
    return codes[radio];
}

const DividerTable &KytoR9x0Controls::hextDividers()
{
    static const DividerTable t({1, 2, 4, 8, 16, 32});
    return t;
}

const DividerTable &KytoR9x0Controls::hickDividers()
{
    return DividerTable::apb();
}

const DividerTable &KytoR9x0Controls::clockOutDiv1()
{
    static const DividerTable t({1, 2, 3, 4, 5});
    return t;
}

const DividerTable &KytoR9x0Controls::pllFpDividers()
{
    static const DividerTable t({1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30});
    return t;
}

// The register's order of the USB divider codes.
const DividerTable &KytoR9x0Controls::pllFuDividers()
{
    static const DividerTable t({11, 13, 12, 14, 16, 18, 20});
    return t;
}

const DividerTable &KytoR9x0Controls::rtcDividers()
{
    static const DividerTable t({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                 24, 25, 26, 27, 28, 29, 30, 31});
    return t;
}

KytoR9x0Controls::KytoR9x0Controls(const R9x0SeriesTable &seriesTable, QWidget *parent)
    : KytoMCUPLL(seriesTable.seriesIndex, parent)
    , table(seriesTable)
{
}

KytoR9x0Controls::~KytoR9x0Controls() = default;

CustomComboBox1 *KytoR9x0Controls::makeCombo(int x, int y, int width, int z, const QStringList &items, const QString &node)
{
    CustomComboBox1 *combo = addComboBox(x, y, width, z);
    combo->insertItems(0, items);
    combo->setFixedHeight(25);
    combo->setObjectName(node + QStringLiteral("_ComboBox"));
    return combo;
}

QLabel *KytoR9x0Controls::makeLabel(const QString &text, int x, int y, int pointSize, int weight)
{
    return addLabel(text, x, y, pointSize, weight);
}

QButtonGroup *KytoR9x0Controls::makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                                          const QString &name)
{
    QButtonGroup *group = new QButtonGroup(this);
    group->setObjectName(name + QStringLiteral("_ButtonGroup"));
    for (int i = 0; i < places.size(); ++i) {
        QRadioButton *radio = addRadioButton(places[i].x(), places[i].y());
        radio->setObjectName(QStringLiteral("%1_RadioButton_%2").arg(name).arg(i));
        group->addButton(radio);
        radios << radio;
    }
    return group;
}

void KytoR9x0Controls::buildPage()
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
    buildPllFpCombo();
    buildPllCfgReadout();
    buildSclkSelectGroup();
    buildAhbDivCombo();
    buildApbDivCombo(table.apb1, QStringLiteral("apb1div"), QStringLiteral("192MHz max"), apb1divLabel, apb1MaxLabel,
                     apb1divComboBox);
    buildApbDivCombo(table.apb2, QStringLiteral("apb2div"), QStringLiteral("192MHz max"), apb2divLabel, apb2MaxLabel,
                     apb2divComboBox);
    buildApbDivCombo(table.apb3, QStringLiteral("apb3div"), QStringLiteral("90MHz max"), apb3divLabel, apb3MaxLabel,
                     apb3divComboBox);
    buildPllFuCombo();
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
    buildFactorBoxes();
    for (int can = 0; can < 3; ++can)
        buildCanClockSelGroup(can);
    buildI2sf5ClockSelGroup();
}

void KytoR9x0Controls::buildLickReadout()
{
    lickLabel = makeLabel(QStringLiteral("lick(kHz)"), 80, 43);
    lickReadout = addLineEdit(QStringLiteral("40"), 65, 60, 80);
    lickReadout->setObjectName(QStringLiteral("lick_ReadOut"));
    lickReadout->setFixedHeight(25);
    lickReadout->setReadOnly(true);
    lickReadout->setStyleSheet(PageStyles::frame(true));
}

void KytoR9x0Controls::buildWdtReadout()
{
    wdtReadout = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), 508, 12, 9);
    wdtReadout->setObjectName(QStringLiteral("wdt_ReadOut"));
    wdtReadout->setText(QStringLiteral("40"));
    setEditTextColor(wdtReadout, Qt::darkGreen);
}

void KytoR9x0Controls::buildRtcSwitchCombo()
{
    rtcswitchComboBox = makeCombo(400, 106, 70, 0, {QStringLiteral("disable"), QStringLiteral("enable")},
                                  QStringLiteral("rtcswitch"));
    rtcReadout = addReadOnlyLineEdit(510, 106, 9);
    rtcReadout->setObjectName(QStringLiteral("rtc_ReadOut"));
    rtcReadout->setText(QStringLiteral("40"));
    rtcLabel = makeLabel(QStringLiteral("to ertc(kHz)"), 593, 109, 9);
}

void KytoR9x0Controls::buildLextReadout()
{
    lextLabel = makeLabel(QStringLiteral("lext(kHz)"), 80, 87);
    lextReadout = addLineEdit(QStringLiteral("32.768"), 65, 102, 80);
    lextReadout->setObjectName(QStringLiteral("lext_ReadOut"));
    lextReadout->setFixedHeight(25);
    lextReadout->setReadOnly(true);
    lextReadout->setStyleSheet(PageStyles::frame(true));
}

void KytoR9x0Controls::buildLextBypassCombo()
{
    lextBypassLabel = makeLabel(QStringLiteral("bypass"), 83, 135);
    lextbypassComboBox = makeCombo(65, 152, 80, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                                   QStringLiteral("lextbypass"));
    lextbypassComboBox->setFixedWidth(80);
    lextInLabel = makeLabel(QStringLiteral("IN"), 18, 103, 8);
    lextInLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel = makeLabel(QStringLiteral("OUT"), 6, 114, 8);
    lextOutLabel->setStyleSheet(PageStyles::pinText(true));
    lextOutLabel->setObjectName(QStringLiteral("lextOut_Label"));
}

void KytoR9x0Controls::buildErtcSelGroup()
{
    rtcselLabel = makeLabel(QStringLiteral("ertcsel"), 340, 34);
    makeRadioGroup({{352, 66}, {352, 108}, {352, 154}}, rtcselRadios, QStringLiteral("rtcsel"));
    rtcselRadios[0]->setChecked(true);
}

void KytoR9x0Controls::buildErtcDivCombo()
{
    rtcdivLabel = makeLabel(QStringLiteral("ertcdiv"), 250, 135);
    rtcdivComboBox = makeCombo(240, 149, 60, 1, rtcDividers().items(), QStringLiteral("rtcdiv"));
}

void KytoR9x0Controls::buildHextEdit()
{
    hextLabel = makeLabel(QStringLiteral("hext(4-25MHz)"), 65, 228);
    hextLineEdit = addLineEdit(QStringLiteral("8"), 65, 248, 80);
    hextLineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hextLineEdit->setFixedHeight(30);
    hextLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hextLineEdit->setMaxLength(8);
    hextLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoR9x0Controls::buildHextBypassCombo()
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

void KytoR9x0Controls::buildHextDivCombo()
{
    hextdivLabel = makeLabel(QStringLiteral("hextdiv"), 500, 183);
    hextdivComboBox = makeCombo(490, 201, 60, 2, hextDividers().items(), QStringLiteral("hextdiv"));
}

void KytoR9x0Controls::buildPllRcsGroup()
{
    pllrcsLabel = makeLabel(QStringLiteral("pllrcs"), 332, 222);
    makeRadioGroup({{342, 256}, {342, 316}}, pllrcsRadios, QStringLiteral("pllrcs"));
    pllrcsRadios[0]->setChecked(true);
}

void KytoR9x0Controls::buildPllMsEdit()
{
    pllmsLabel = makeLabel(QStringLiteral("pll_ms"), 390, 263);
    pllmsLineEdit = addLineEdit(QStringLiteral("1"), 375, 283, 60);
    PllFactorEdits::configure(pllmsLineEdit, PllFactorEdits::Ms);
    pllmsRangeLabel = makeLabel(QStringLiteral("(1-15)"), 390, 311);
}

void KytoR9x0Controls::buildPllNsEdit()
{
    pllnsLabel = makeLabel(QStringLiteral("pll_ns"), 480, 263);
    pllnsLineEdit = addLineEdit(QStringLiteral("1"), 465, 283, 60);
    PllFactorEdits::configure(pllnsLineEdit, PllFactorEdits::Ns);
    pllnsRangeLabel = makeLabel(QStringLiteral("(31-500)"), 470, 311);
}

void KytoR9x0Controls::buildPllFpCombo()
{
    pllfpLabel = makeLabel(QStringLiteral("pll_fp"), 582, 263);
    pllfpComboBox = makeCombo(567, 283, 60, 1, pllFpDividers().items(), QStringLiteral("pllfp"));
    pllOutputLabel = makeLabel(QString(), 645, 274, 10, 75);
    pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
}

void KytoR9x0Controls::buildPllCfgReadout()
{
    pllcfgLabel = makeLabel(QStringLiteral("CRM_PLLCFG : "), 420, 230, 10, 75);
    pllcfgLabel->setObjectName(QStringLiteral("pllcfg_Label"));
    pllcfgReadout = addLineEdit(QStringLiteral("0x08000000"), 510, 227, 100);
    pllcfgReadout->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    pllcfgReadout->setFixedSize(100, 20);
    pllcfgReadout->setReadOnly(true);
    pllcfgReadout->setStyleSheet(QStringLiteral("border:  0px;"));
    // The read-out's box starts under the end of the caption; the caption
    // stays on top, where the read-out's centred text never reaches.
    pllcfgLabel->parentWidget()->graphicsProxyWidget()->setZValue(1);
}

void KytoR9x0Controls::buildSclkSelectGroup()
{
    sclkselectLabel = makeLabel(QStringLiteral("sclk select"), 712, 171);
    makeRadioGroup({{738, 233}, {738, 291}, {738, 349}}, sclkselectRadios, QStringLiteral("sclkselect"));
}

void KytoR9x0Controls::buildAhbDivCombo()
{
    ahbdivLabel = makeLabel(QStringLiteral("ahbdiv"), 935, 265);
    ahbdivComboBox = makeCombo(925, 285, 60, 1, DividerTable::ahb().items(), QStringLiteral("ahbdiv"));
}

void KytoR9x0Controls::buildApbDivCombo(const R9x0ApbDivider &place, const QString &node, const QString &max,
                                   QLabel *&label, QLabel *&maxLabel, CustomComboBox1 *&combo)
{
    label = makeLabel(node, place.label.x(), place.label.y());
    maxLabel = makeLabel(max, place.maxLabel.x(), place.maxLabel.y());
    combo = makeCombo(place.combo.x(), place.combo.y(), 55, place.z, DividerTable::apb().items(), node);
}

void KytoR9x0Controls::buildPllFuCombo()
{
    pllfuLabel = makeLabel(QStringLiteral("pll_fu"), 716, 436);
    pllfuComboBox = makeCombo(706, 411, 60, 2, pllFuDividers().items(), QStringLiteral("pllfu"));
}

void KytoR9x0Controls::buildHickToUsbGroup()
{
    hicktousbLabel = makeLabel(QStringLiteral("hick to usb"), 768, 490);
    makeRadioGroup({{795, 417}, {795, 457}}, hicktousbRadios, QStringLiteral("hicktousb"));
    usbswitchLabel = makeLabel(QStringLiteral("to usb"), 850, 412);
    usbswitchComboBox = makeCombo(840, 432, 70, 0, {QStringLiteral("enable"), QStringLiteral("disable")},
                                  QStringLiteral("usbswitch"));
    usbFreqLabel = makeLabel(QString(), 920, 460, 10, 70);
    usbFreqLabel->setObjectName(QStringLiteral("usbFreq_Label"));
}

void KytoR9x0Controls::buildHickToSclkGroup()
{
    hicktosclkLabel = makeLabel(QStringLiteral("hick to sclk"), 267, 441);
    makeRadioGroup({{287, 358}, {287, 408}}, hicktosclkRadios, QStringLiteral("hicktosclk"));
}

void KytoR9x0Controls::buildHickReadout()
{
    hickLabel = makeLabel(QStringLiteral("hick(MHz)"), 80, 355);
    hickReadout = addLineEdit(QStringLiteral("48"), 65, 373, 80);
    hickReadout->setObjectName(QStringLiteral("hick_ReadOut"));
    hickReadout->setFixedHeight(25);
    hickReadout->setReadOnly(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
}

void KytoR9x0Controls::buildHickDivCombo()
{
    hickdivLabel = makeLabel(QStringLiteral("hickdiv"), 430, 357);
    hickdivComboBox = makeCombo(420, 375, 60, 0, hickDividers().items(), QStringLiteral("hickdiv"));
}

void KytoR9x0Controls::buildClockoutDiv1Combo()
{
    clockoutdiv1Label = makeLabel(QStringLiteral("clockoutdiv1"), 287, 642);
    clockoutdiv1ComboBox = makeCombo(285, 662, 80, 0, clockOutDiv1().items(), QStringLiteral("clockoutdiv1"));
    clockoutdiv1ComboBox->setFixedWidth(80);
}

void KytoR9x0Controls::buildClockoutDiv2Combo()
{
    clockoutdiv2Label = makeLabel(QStringLiteral("clockoutdiv2"), 175, 642);
    clockoutdiv2ComboBox = makeCombo(173, 662, 80, 0, DividerTable::clockOut().items(), QStringLiteral("clockoutdiv2"));
    clockoutdiv2ComboBox->setMaxVisibleItems(5);
    clkoutFreqLabel = makeLabel(QString(), 50, 701, 10, 70);
    clkoutFreqLabel->setObjectName(QStringLiteral("clkoutFreq_Label"));
    setTextColor(clkoutFreqLabel, Qt::darkGreen);
}

void KytoR9x0Controls::buildClkoutPinCombo()
{
    pinLabel = makeLabel(QStringLiteral("select pin"), 75, 642);
    clockoutPinSelectComboBox = makeCombo(73, 662, 80, 1,
                                          {QStringLiteral("none"), QStringLiteral("PA8"), QStringLiteral("PA9"),
                                           QStringLiteral("PB13"), QStringLiteral("PC9"), QStringLiteral("PE4")},
                                          QStringLiteral("clockoutPinSelect"));
}

void KytoR9x0Controls::buildClkoutSourceGroup()
{
    QVector<QPoint> places;
    for (int k = 0; k < 8; ++k)
        places << QPoint(387, 594 + 21 * k);
    makeRadioGroup(places, clkoutRadios, QStringLiteral("clkout"));
    for (int k = 0; k < 8; ++k) {
        QLabel *name = makeLabel(QString::fromLatin1(kClkoutNames[k]), 443, kClkoutNameY[k]);
        name->setObjectName(QStringLiteral("clkoutName_Label_%1").arg(k));
        clkoutNameLabels << name;
        QLabel *value = makeLabel(QString(), 483, kClkoutNameY[k]);
        value->setObjectName(QStringLiteral("clkoutSourceFreq_Label_%1").arg(k));
        clkoutValueLabels << value;
    }
    clkoutTitleLabel = makeLabel(QStringLiteral("clkout"), 386, 778);
}

void KytoR9x0Controls::buildSclkEdit()
{
    sclkLabel = makeLabel(QStringLiteral("sclk(") + QString::number(int(sclkMax)) + QStringLiteral("MHz max)"), 775,
                          264, 9);
    sclkLineEdit = addLineEdit(QString(), 783, 284, 80);
    sclkLineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclkLineEdit->setFixedSize(80, 28);
    sclkLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclkLineEdit->setMaxLength(9);
    sclkLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoR9x0Controls::buildPeripheralReadouts()
{
    static const char *const listNames[] = {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"};
    const QStringList listContents[] = {
        {"SPI2", "SPI3", "USART2", "USART3", "USART4", "USART5", "USART7", "USART8", "I2C1", "I2C2", "I2C3", "CAN1",
         "CAN2", "CAN3", "DAC"},
        {"TMR2", "TMR3", "TMR4", "TMR5", "TMR6", "TMR7", "TMR12", "TMR13", "TMR14"},
        {"SPI1", "SPI4", "USART1", "USART6", "SCFG"},
        {"TMR1", "TMR8", "TMR9", "TMR10", "TMR11"},
    };
    auto addList = [&](int which) {
        lists.add(this, QString::fromLatin1(listNames[which]), listContents[which],
                  QPoint(1267, table.listButtonY[which]), QPoint(1267, table.listY[which]), which + 1,
                  table.listSpacing[which]);
    };

    for (const R9x0Readout &r : table.readouts) {
        QLineEdit *box = addLabeledReadOnlyLineEdit(r.label, 1182, r.y, 9);
        QString name = r.label;
        name = name.left(name.indexOf(QLatin1Char('('))).trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
        box->setObjectName(name + QStringLiteral("_ReadOut"));
        readouts << box;
        // Each bus's List button and list follow its read-out.
        if (r.kind == R9x0ReadoutKind::Apb1)
            addList(0);
        else if (r.kind == R9x0ReadoutKind::Apb1Timer)
            addList(1);
        else if (r.kind == R9x0ReadoutKind::Apb2)
            addList(2);
        else if (r.kind == R9x0ReadoutKind::Apb2Timer)
            addList(3);
    }

    canGroups[0].placeReadout(this, QStringLiteral("can1"), QPoint(838, 555));
    canGroups[1].placeReadout(this, QStringLiteral("can2"), QPoint(838, 658));
    canGroups[2].placeReadout(this, QStringLiteral("can3"), QPoint(838, 765));
    i2sf5Group.placeReadout(this, QStringLiteral("i2sf5"), QPoint(1222, 764));
}

void KytoR9x0Controls::buildFactorBoxes()
{
    auto makeBox = [this](int y, const char *name) {
        QLineEdit *box = addLineEdit(QString(), 1090, y, 30);
        box->setReadOnly(true);
        box->setFixedSize(30, 30);
        box->setStyleSheet(PageStyles::fixedBox());
        box->setObjectName(QString::fromLatin1(name));
        box->parentWidget()->adjustSize();
        return box;
    };
    systickBox = makeBox(table.systickBoxY, "systickDiv_Box");
    apb1TimerBox = makeBox(table.apb1TimerBoxY, "apb1TimerMult_Box");
    apb2TimerBox = makeBox(table.apb2TimerBoxY, "apb2TimerMult_Box");
}

void KytoR9x0Controls::buildCanClockSelGroup(int can)
{
    // The three CAN groups stand one below the other.
    static const int titleY[] = {511, 614, 720};
    static const int captionY[] = {542, 645, 751};
    static const int radioY[] = {545, 648, 754};
    static const int switchY[] = {557, 660, 766};
    const QString n = QString::number(can + 1);
    QVector<QPoint> captionPlaces, radioPlaces;
    for (int k = 0; k < 3; ++k) {
        captionPlaces << QPoint(606, captionY[can] + 16 * k);
        radioPlaces << QPoint(697, radioY[can] + 16 * k);
    }
    PeripheralClockGroup &g = canGroups[can];
    g.placeSelection(this, QStringLiteral("can%1clocksel").arg(n), QStringLiteral("can%1 clock sel").arg(n),
                     QPoint(653, titleY[can]), {QStringLiteral("hext"), QStringLiteral("pllu"), QStringLiteral("pclk")},
                     captionPlaces, radioPlaces);
    g.placeSwitch(this, QStringLiteral("can%1switch").arg(n), QPoint(736, switchY[can]), 70, 1);
}

void KytoR9x0Controls::buildI2sf5ClockSelGroup()
{
    QVector<QPoint> captionPlaces, radioPlaces;
    for (int k = 0; k < 4; ++k) {
        captionPlaces << QPoint(984, 746 + 16 * k);
        radioPlaces << QPoint(1081, 746 + 16 * k);
    }
    i2sf5Group.placeSelection(this, QStringLiteral("i2sf5clocksel"), QStringLiteral("i2sf5 clock sel"),
                              QPoint(1038, 715),
                              {QStringLiteral("pllp"), QStringLiteral("sclk"), QStringLiteral("hick"),
                               QStringLiteral("external")},
                              captionPlaces, radioPlaces);
    i2sf5Group.placeSwitch(this, QStringLiteral("i2sf5switch"), QPoint(1120, 766), 70, 1);
}

void KytoR9x0Controls::connectSignals()
{
    for (QRadioButton *radio : rtcselRadios)
        connect(radio, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(rtcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(rtcdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcdiv_ComboBox_currentIndexChanged(int)));
    connect(lextbypassComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
    connect(hextdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextdiv_ComboBox_currentIndexChanged(int)));
    connect(hickdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hickdiv_ComboBox_currentIndexChanged(int)));
    connect(hextLineEdit, SIGNAL(returnPressed()), this, SLOT(hext_LineEdit_returnPressed()));
    connect(hextLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(hext_LineEdit_textChanged(const QString &)));
    connect(hextbypassComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(hextbypass_ComboBox_currentIndexChanged(int)));
    connect(pllmsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllms_LineEdit_returnPressed()));
    connect(pllmsLineEdit, SIGNAL(textChanged(const QString &)), this,
            SLOT(pllms_LineEdit_textChanged(const QString &)));
    connect(pllnsLineEdit, SIGNAL(returnPressed()), this, SLOT(pllns_LineEdit_returnPressed()));
    connect(pllnsLineEdit, SIGNAL(textChanged(const QString &)), this,
            SLOT(pllns_LineEdit_textChanged(const QString &)));
    connect(pllfpComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfp_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : pllrcsRadios)
        connect(radio, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[0], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[1], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[2], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ahbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(apb1divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(apb2divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    connect(apb3divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb3div_ComboBox_currentIndexChanged(int)));
    connect(pllfuComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfu_ComboBox_currentIndexChanged(int)));
    connect(usbswitchComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : hicktousbRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
    for (QRadioButton *radio : hicktosclkRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    for (QRadioButton *radio : clkoutRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(clkout_RadioButton_checkSlot(bool)));
    connect(clockoutdiv1ComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutdiv1_ComboBox_currentIndexChanged(int)));
    connect(clockoutdiv2ComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutdiv2_ComboBox_currentIndexChanged(int)));
    connect(clockoutPinSelectComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
    connect(sclkLineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(sclkLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
    for (QRadioButton *radio : canGroups[0].radios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(can1clocksel_RadioButton_checkSlot(bool)));
    connect(canGroups[0].switchCombo, SIGNAL(currentIndexChanged(int)), this,
            SLOT(can1switch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : canGroups[1].radios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(can2clocksel_RadioButton_checkSlot(bool)));
    connect(canGroups[1].switchCombo, SIGNAL(currentIndexChanged(int)), this,
            SLOT(can2switch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : canGroups[2].radios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(can3clocksel_RadioButton_checkSlot(bool)));
    connect(canGroups[2].switchCombo, SIGNAL(currentIndexChanged(int)), this,
            SLOT(can3switch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : i2sf5Group.radios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(i2sf5clocksel_RadioButton_checkSlot(bool)));
    connect(i2sf5Group.switchCombo, SIGNAL(currentIndexChanged(int)), this,
            SLOT(i2sf5switch_ComboBox_currentIndexChanged(int)));
}
