#include "KytoR9x0Controls.h"

#include "CustomComboBox1.h"
#include "../common/DividerTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <iterator>

namespace {

// Messages of the family, translated in the context of each series class.
const char *const kHextError = QT_TRANSLATE_NOOP("KytoR9x0PLL", "hext input error!");
const char *const kSclkError = QT_TRANSLATE_NOOP("KytoR9x0PLL", "sclk input error!");
const char *const kApb3Error = QT_TRANSLATE_NOOP("KytoR9x0PLL", "apb3div input error!");

// The model's clock-out source codes, in radio order.
const int kClkoutCodes[] = {5, 4, 10, 6, 7, 3, 1, 2};

// The shared controls on the family's drawing; the APB area moves with the
// series' read-outs.
HighPerfLayout layoutOf(const R9x0SeriesTable &table)
{
    HighPerfLayout l;
    l.lickLabel = {80, 43};
    l.lick = {65, 60};
    l.lextLabel = {80, 87};
    l.lext = {65, 102};
    l.rtcSelLabel = {340, 34};
    l.rtcSel = {{352, 66}, {352, 108}, {352, 154}};
    l.rtcDivLabel = {250, 135};
    l.rtcDiv = {240, 149};
    l.pllRcsLabel = {332, 222};
    l.pllRcs = {{342, 256}, {342, 316}};
    l.pllMsLabel = {390, 263};
    l.pllMs = {375, 283};
    l.pllMsRange = {390, 311};
    l.pllNsLabel = {480, 263};
    l.pllNs = {465, 283};
    l.pllNsRange = {470, 311};
    l.ahbLabel = {935, 265};
    l.apb1 = table.apb1;
    l.apb2 = table.apb2;
    l.apb3 = table.apb3;
    l.hickDivLabel = {430, 357};
    l.hickDiv = {420, 375};
    l.clockoutDiv1Label = {287, 642};
    l.clockoutDiv1 = {285, 662};
    l.clockoutDiv2Label = {175, 642};
    l.clockoutDiv2 = {173, 662};
    l.pinLabel = {75, 642};
    l.pin = {73, 662};
    l.pins = QStringList{"none", "PA8", "PA9", "PB13", "PC9", "PE4"};
    l.clkoutNames = QStringList{"sclk", "hext", "pll", "usb", "adc", "hick", "lick", "lext"};
    const int nameY[] = {590, 611, 633, 654, 675, 696, 717, 738};
    for (int k = 0; k < 8; ++k) {
        l.clkoutRadios << QPoint(387, 594 + 21 * k);
        l.clkoutNamePlaces << QPoint(443, nameY[k]);
    }
    l.clkoutValueX = 483;
    l.clkoutTitle = {386, 778};
    l.clkoutCodes = QVector<int>(std::begin(kClkoutCodes), std::end(kClkoutCodes));
    l.systickBox = {1090, table.systickBoxY};
    l.apb1TimerBox = {1090, table.apb1TimerBoxY};
    l.apb2TimerBox = {1090, table.apb2TimerBoxY};
    l.sclkMax = 192.0;
    l.apb3Max = 90.0;
    l.hextError = kHextError;
    l.sclkError = kSclkError;
    l.apb3Error = kApb3Error;
    return l;
}

} // namespace

const double KytoR9x0Controls::sclkMax = 192.0;

int KytoR9x0Controls::clkoutCode(int radio)
{
    return kClkoutCodes[radio];
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

KytoR9x0Controls::KytoR9x0Controls(const R9x0SeriesTable &seriesTable, QWidget *parent)
    : KytoHighPerfControls(seriesTable.seriesIndex, layoutOf(seriesTable), parent)
    , table(seriesTable)
{
}

KytoR9x0Controls::~KytoR9x0Controls() = default;

void KytoR9x0Controls::buildPage()
{
    buildOscillators();
    buildPllFpCombo();
    buildSystemClock();
    buildPllFuCombo();
    buildHickToUsbGroup();
    buildClockOut();
    buildPeripheralReadouts();
    buildFactorBoxes();
    for (int can = 0; can < 3; ++can)
        buildCanClockSelGroup(can);
    buildI2sf5ClockSelGroup();
}

void KytoR9x0Controls::buildPllFpCombo()
{
    pllfpLabel = makeLabel(QStringLiteral("pll_fp"), 582, 263);
    pllfpComboBox = makeCombo(567, 283, 60, 1, pllFpDividers().items(), QStringLiteral("pllfp"));
    pllOutputLabel = makeLabel(QString(), 645, 274, 10, 75);
    pllOutputLabel->setObjectName(QStringLiteral("pllOutput_Label"));
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
    connectSharedSignals();
    connect(pllfpComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfp_ComboBox_currentIndexChanged(int)));
    connect(pllfuComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(pllfu_ComboBox_currentIndexChanged(int)));
    connect(usbswitchComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(usbswitch_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : hicktousbRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(hicktousb_RadioButton_checkSlot(bool)));
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
