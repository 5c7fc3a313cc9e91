#include "KytoHighPerfControls.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "../common/ClickUndo.h"
#include "../common/DividerTable.h"
#include "../common/FiniteNumber.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/PllCfgReadout.h"
#include "../common/PllResolve.h"
#include "../common/Readouts.h"

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

const double kHextMin = FiniteNumber::hextMinMhz;
const double kHextMax = FiniteNumber::hextMaxMhz;
// What a new page holds, and what a design file's HEXT that is no crystal
// opens as.
const double kHextDefaultMhz = 8.0;

QString maxNote(double limit)
{
    return QString::number(int(limit)) + QStringLiteral("MHz max");
}

} // namespace

KytoHighPerfControls::KytoHighPerfControls(int seriesIndex, const HighPerfLayout &pageLayout, QWidget *parent)
    : KytoMCUPLL(seriesIndex, parent)
    , layout(pageLayout)
{
    undo.keep(hextEnabled);
    // A HEXT typed without Return that the click put into use is applied now.
    undo.setAfterClick([this] {
        if (hextEnabled)
            onHextTextChanged(hextLineEdit->text());
        factors.restyle(PllFactorEdits::Ms);
        factors.restyle(PllFactorEdits::Ns);
    });
    undo.setTypedEdits([this] { return factors.pageEditsAsShown(hextLineEdit, sclkLineEdit); });
}

KytoHighPerfControls::~KytoHighPerfControls() = default;

const DividerTable &KytoHighPerfControls::hextDividers()
{
    static const DividerTable t({1, 2, 4, 8, 16, 32});
    return t;
}

const DividerTable &KytoHighPerfControls::hickDividers()
{
    return DividerTable::apb();
}

const DividerTable &KytoHighPerfControls::clockOutDiv1()
{
    static const DividerTable t({1, 2, 3, 4, 5});
    return t;
}

const DividerTable &KytoHighPerfControls::rtcDividers()
{
    static const DividerTable t({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                 24, 25, 26, 27, 28, 29, 30, 31});
    return t;
}

int KytoHighPerfControls::valueOr(const DividerTable &table, int index, int other)
{
    return index >= 0 && index < table.count() ? table.intAt(index) : other;
}

// ---------------------------------------------------------------- building

CustomComboBox1 *KytoHighPerfControls::makeCombo(int x, int y, int width, int z, const QStringList &items,
                                                 const QString &node)
{
    CustomComboBox1 *combo = addComboBox(x, y, width, z);
    combo->insertItems(0, items);
    combo->setFixedHeight(25);
    combo->setObjectName(node + QStringLiteral("_ComboBox"));
    return combo;
}

QLabel *KytoHighPerfControls::makeLabel(const QString &text, int x, int y, int pointSize, int weight)
{
    return addLabel(text, x, y, pointSize, weight);
}

QButtonGroup *KytoHighPerfControls::makeRadioGroup(const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
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

void KytoHighPerfControls::buildOscillatorReadout(QLabel *&label, QLineEdit *&readout, const QString &caption,
                                                  const QString &text, const QPoint &labelAt, const QPoint &at,
                                                  const QString &name)
{
    label = makeLabel(caption, labelAt.x(), labelAt.y());
    readout = addLineEdit(text, at.x(), at.y(), 80);
    readout->setObjectName(name);
    readout->setFixedHeight(25);
    readout->setReadOnly(true);
    readout->setStyleSheet(PageStyles::frame(true));
}

// places: the caption, the combo box, the IN and the OUT label.
void KytoHighPerfControls::buildBypassCombo(const QVector<QPoint> &places, const QString &node, QLabel *&label,
                                            CustomComboBox1 *&combo, QLabel *&in, QLabel *&out)
{
    label = makeLabel(QStringLiteral("bypass"), places[0].x(), places[0].y());
    combo = makeCombo(places[1].x(), places[1].y(), 80, 1, {QStringLiteral("disable"), QStringLiteral("enable")},
                      node + QStringLiteral("bypass"));
    combo->setFixedWidth(80);
    in = makeLabel(QStringLiteral("IN"), places[2].x(), places[2].y(), 8);
    in->setStyleSheet(PageStyles::pinText(true));
    out = makeLabel(QStringLiteral("OUT"), places[3].x(), places[3].y(), 8);
    out->setStyleSheet(PageStyles::pinText(true));
    out->setObjectName(node + QStringLiteral("Out_Label"));
}

void KytoHighPerfControls::buildApbDivCombo(const HighPerfApbDivider &place, const QString &node, double max,
                                            CustomComboBox1 *&combo)
{
    QLabel *caption = makeLabel(node, place.label.x(), place.label.y());
    const QPoint note = PagePlacement::besideCaption(caption, place.maxLabel);
    makeLabel(maxNote(max), note.x(), note.y());
    combo = makeCombo(place.combo.x(), place.combo.y(), 55, place.z, DividerTable::apb().items(), node);
}

void KytoHighPerfControls::buildOscillators()
{
    const HighPerfLayout &l = layout;
    buildOscillatorReadout(lickLabel, lickReadout, QStringLiteral("lick(kHz)"), QStringLiteral("40"), l.lickLabel,
                           l.lick, QStringLiteral("lick_ReadOut"));

    wdtReadout = addLabeledReadOnlyLineEdit(QStringLiteral("to wdt(kHz)"), 508, 12, 9);
    wdtReadout->setObjectName(QStringLiteral("wdt_ReadOut"));
    wdtReadout->setText(QStringLiteral("40"));
    setEditTextColor(wdtReadout, Qt::darkGreen);

    rtcswitchComboBox = makeCombo(400, 106, 70, 0, {QStringLiteral("disable"), QStringLiteral("enable")},
                                  QStringLiteral("rtcswitch"));
    rtcReadout = addReadOnlyLineEdit(510, 106, 9);
    rtcReadout->setObjectName(QStringLiteral("rtc_ReadOut"));
    rtcReadout->setText(QStringLiteral("40"));
    rtcLabel = makeLabel(QStringLiteral("to ertc(kHz)"), 593, 109, 9);

    buildOscillatorReadout(lextLabel, lextReadout, QStringLiteral("lext(kHz)"), QStringLiteral("32.768"),
                           l.lextLabel, l.lext, QStringLiteral("lext_ReadOut"));
    buildBypassCombo({{83, 135}, {65, 152}, {18, 103}, {6, 114}}, QStringLiteral("lext"), lextBypassLabel,
                     lextbypassComboBox, lextInLabel, lextOutLabel);

    rtcselLabel = makeLabel(QStringLiteral("ertcsel"), l.rtcSelLabel.x(), l.rtcSelLabel.y());
    makeRadioGroup(l.rtcSel, rtcselRadios, QStringLiteral("rtcsel"));
    rtcselRadios[0]->setChecked(true);
    rtcdivLabel = makeLabel(QStringLiteral("ertcdiv"), l.rtcDivLabel.x(), l.rtcDivLabel.y());
    rtcdivComboBox = makeCombo(l.rtcDiv.x(), l.rtcDiv.y(), 60, 1, rtcDividers().items(), QStringLiteral("rtcdiv"));

    hextLabel = makeLabel(QStringLiteral("hext(4-25MHz)"), 65, 228);
    hextLineEdit = addLineEdit(QStringLiteral("8"), 65, 248, 80);
    hextLineEdit->setObjectName(QStringLiteral("hext_LineEdit"));
    hextLineEdit->setFixedHeight(30);
    hextLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    hextLineEdit->setMaxLength(8);
    hextLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
    buildBypassCombo({{83, 282}, {65, 300}, {18, 252}, {6, 263}}, QStringLiteral("hext"), hextBypassLabel,
                     hextbypassComboBox, hextInLabel, hextOutLabel);
    hextdivLabel = makeLabel(QStringLiteral("hextdiv"), 500, 183);
    hextdivComboBox = makeCombo(490, 201, 60, 2, hextDividers().items(), QStringLiteral("hextdiv"));

    pllrcsLabel = makeLabel(QStringLiteral("pllrcs"), l.pllRcsLabel.x(), l.pllRcsLabel.y());
    makeRadioGroup(l.pllRcs, pllrcsRadios, QStringLiteral("pllrcs"));
    pllrcsRadios[0]->setChecked(true);
    pllmsLabel = makeLabel(QStringLiteral("pll_ms"), l.pllMsLabel.x(), l.pllMsLabel.y());
    pllmsLineEdit = addLineEdit(QStringLiteral("1"), l.pllMs.x(), l.pllMs.y(), 60);
    PllFactorEdits::configure(pllmsLineEdit, PllFactorEdits::Ms);
    pllmsRangeLabel = makeLabel(QStringLiteral("(1-15)"), l.pllMsRange.x(), l.pllMsRange.y());
    pllnsLabel = makeLabel(QStringLiteral("pll_ns"), l.pllNsLabel.x(), l.pllNsLabel.y());
    pllnsLineEdit = addLineEdit(QStringLiteral("1"), l.pllNs.x(), l.pllNs.y(), 60);
    PllFactorEdits::configure(pllnsLineEdit, PllFactorEdits::Ns);
    factors.attach(pllmsLineEdit, pllnsLineEdit);
    pllnsRangeLabel = makeLabel(QStringLiteral("(31-500)"), l.pllNsRange.x(), l.pllNsRange.y());
}

void KytoHighPerfControls::buildSystemClock()
{
    pllcfgLabel = makeLabel(QStringLiteral("CRM_PLLCFG : "), 420, 230, 10, 75);
    pllcfgLabel->setObjectName(QStringLiteral("pllcfg_Label"));
    pllcfgReadout = addLineEdit(QStringLiteral("0x08000000"), 510, 227, 100);
    pllcfgReadout->setObjectName(QStringLiteral("pllcfg_ReadOut"));
    pllcfgReadout->setFixedSize(100, 20);
    pllcfgReadout->setReadOnly(true);
    pllcfgReadout->setStyleSheet(QStringLiteral("border:  0px;"));
    PllCfgReadout::placeBesideCaption(pllcfgLabel, pllcfgReadout);

    sclkselectLabel = makeLabel(QStringLiteral("sclk select"), 712, 171);
    makeRadioGroup({{738, 233}, {738, 291}, {738, 349}}, sclkselectRadios, QStringLiteral("sclkselect"));

    ahbdivLabel = makeLabel(QStringLiteral("ahbdiv"), layout.ahbLabel.x(), layout.ahbLabel.y());
    ahbdivComboBox = makeCombo(925, 285, 60, 1, DividerTable::ahb().items(), QStringLiteral("ahbdiv"));
    buildApbDivCombo(layout.apb1, QStringLiteral("apb1div"), layout.sclkMax, apb1divComboBox);
    buildApbDivCombo(layout.apb2, QStringLiteral("apb2div"), layout.sclkMax, apb2divComboBox);
    buildApbDivCombo(layout.apb3, QStringLiteral("apb3div"), layout.apb3Max, apb3divComboBox);
}

void KytoHighPerfControls::buildClockOut()
{
    const HighPerfLayout &l = layout;
    hicktosclkLabel = makeLabel(QStringLiteral("hick to sclk"), 267, 441);
    makeRadioGroup({{287, 358}, {287, 408}}, hicktosclkRadios, QStringLiteral("hicktosclk"));
    buildOscillatorReadout(hickLabel, hickReadout, QStringLiteral("hick(MHz)"), QStringLiteral("48"), {80, 355},
                           {65, 373}, QStringLiteral("hick_ReadOut"));
    hickdivLabel = makeLabel(QStringLiteral("hickdiv"), l.hickDivLabel.x(), l.hickDivLabel.y());
    hickdivComboBox = makeCombo(l.hickDiv.x(), l.hickDiv.y(), 60, 0, hickDividers().items(), QStringLiteral("hickdiv"));

    clockoutdiv1Label = makeLabel(QStringLiteral("clockoutdiv1"), l.clockoutDiv1Label.x(), l.clockoutDiv1Label.y());
    clockoutdiv1ComboBox = makeCombo(l.clockoutDiv1.x(), l.clockoutDiv1.y(), 80, 0, clockOutDiv1().items(),
                                     QStringLiteral("clockoutdiv1"));
    clockoutdiv1ComboBox->setFixedWidth(80);
    clockoutdiv2Label = makeLabel(QStringLiteral("clockoutdiv2"), l.clockoutDiv2Label.x(), l.clockoutDiv2Label.y());
    clockoutdiv2ComboBox = makeCombo(l.clockoutDiv2.x(), l.clockoutDiv2.y(), 80, 0, DividerTable::clockOut().items(),
                                     QStringLiteral("clockoutdiv2"));
    clockoutdiv2ComboBox->setMaxVisibleItems(5);
    clkoutFreqLabel = makeLabel(QString(), 50, 701, 10, 70);
    clkoutFreqLabel->setObjectName(QStringLiteral("clkoutFreq_Label"));
    setTextColor(clkoutFreqLabel, Qt::darkGreen);

    pinLabel = makeLabel(QStringLiteral("select pin"), l.pinLabel.x(), l.pinLabel.y());
    clockoutPinSelectComboBox = makeCombo(l.pin.x(), l.pin.y(), 80, 1, l.pins, QStringLiteral("clockoutPinSelect"));

    makeRadioGroup(l.clkoutRadios, clkoutRadios, QStringLiteral("clkout"));
    for (int k = 0; k < l.clkoutNames.size(); ++k) {
        const QPoint at = l.clkoutNamePlaces[k];
        QLabel *name = makeLabel(l.clkoutNames[k], at.x(), at.y());
        name->setObjectName(QStringLiteral("clkoutName_Label_%1").arg(k));
        clkoutNameLabels << name;
        QLabel *value = makeLabel(QString(), l.clkoutValueX, at.y());
        value->setObjectName(QStringLiteral("clkoutSourceFreq_Label_%1").arg(k));
        clkoutValueLabels << value;
    }
    clkoutTitleLabel = makeLabel(QStringLiteral("clkout"), l.clkoutTitle.x(), l.clkoutTitle.y());

    sclkLabel = makeLabel(QStringLiteral("sclk(") + maxNote(l.sclkMax) + QStringLiteral(")"), 775, 264, 9);
    sclkLineEdit = addLineEdit(QString(), 783, 284, 80);
    sclkLineEdit->setObjectName(QStringLiteral("sclk_LineEdit"));
    sclkLineEdit->setFixedSize(80, 28);
    sclkLineEdit->setFont(QFont(QStringLiteral("Arial"), 10, 75));
    sclkLineEdit->setMaxLength(9);
    sclkLineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9\\.]+$")), this));
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoHighPerfControls::buildFactorBoxes()
{
    systickBox = PagePlacement::factorBox(this, layout.systickBox, QStringLiteral("systickDiv_Box"));
    apb1TimerBox = PagePlacement::factorBox(this, layout.apb1TimerBox, QStringLiteral("apb1TimerMult_Box"));
    apb2TimerBox = PagePlacement::factorBox(this, layout.apb2TimerBox, QStringLiteral("apb2TimerMult_Box"));
}

// The slots named here are the concrete class's; its meta-object finds them.
void KytoHighPerfControls::connectSharedSignals()
{
    connectOscillatorSignals();
    connect(hextdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hextdiv_ComboBox_currentIndexChanged(int)));
    connect(hickdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(hickdiv_ComboBox_currentIndexChanged(int)));
    connectBusSignals();
    connect(apb3divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb3div_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : clkoutRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(clkout_RadioButton_checkSlot(bool)));
    connect(clockoutdiv1ComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutdiv1_ComboBox_currentIndexChanged(int)));
    connect(clockoutdiv2ComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutdiv2_ComboBox_currentIndexChanged(int)));
    connect(clockoutPinSelectComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(clockoutPinSelectComboBox_currentIndexChanged(int)));
}

void KytoHighPerfControls::connectOscillatorSignals()
{
    for (QRadioButton *radio : rtcselRadios)
        connect(radio, SIGNAL(clicked(bool)), this, SLOT(rtcsel_RadioButton_checkSlot(bool)));
    connect(rtcswitchComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcswitch_ComboBox_currentIndexChanged(int)));
    connect(rtcdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(rtcdiv_ComboBox_currentIndexChanged(int)));
    connect(lextbypassComboBox, SIGNAL(currentIndexChanged(int)), this,
            SLOT(lextbypass_ComboBox_currentIndexChanged(int)));
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
    for (QRadioButton *radio : pllrcsRadios)
        connect(radio, SIGNAL(clicked(bool)), this, SLOT(pllrcs_RadioButton_checkSlot(bool)));
}

void KytoHighPerfControls::connectBusSignals()
{
    connect(sclkselectRadios[0], SIGNAL(toggled(bool)), this, SLOT(sclkselecthext_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[1], SIGNAL(toggled(bool)), this, SLOT(sclkselectpll_RadioButton_checkSlot(bool)));
    connect(sclkselectRadios[2], SIGNAL(toggled(bool)), this, SLOT(sclkselecthick_RadioButton_checkSlot(bool)));
    connect(ahbdivComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(ahbdiv_ComboBox_currentIndexChanged(int)));
    connect(apb1divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb1div_ComboBox_currentIndexChanged(int)));
    connect(apb2divComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(apb2div_ComboBox_currentIndexChanged(int)));
    for (QRadioButton *radio : hicktosclkRadios)
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(hicktosclk_RadioButton_checkSlot(bool)));
    connect(sclkLineEdit, SIGNAL(returnPressed()), this, SLOT(sclk_LineEdit_returnPressed()));
    connect(sclkLineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(sclk_LineEdit_textChanged(const QString &)));
    connect(lists.button(0), SIGNAL(clicked()), this, SLOT(toapb1peripheral_List_Button_checkSlot()));
    connect(lists.button(1), SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
    connect(lists.button(2), SIGNAL(clicked()), this, SLOT(toapb2peripheral_List_Button_checkSlot()));
    connect(lists.button(3), SIGNAL(clicked()), this, SLOT(toapb2tmr_List_Button_checkSlot()));
}

// ---------------------------------------------------------------- design file

void KytoHighPerfControls::addOnOffKey(const QString &key, CustomComboBox1 *combo, bool *field)
{
    designKeys.add(DesignKeyTable::onOff(key, [field] { return *field; }, [combo, field](bool on) {
        combo->setCurrentIndex(on ? 1 : 0);
        *field = on;
    }));
}

DesignKeyTable::Row KytoHighPerfControls::addDividerKey(const QString &key, CustomComboBox1 *combo, int *field,
                                                        const DividerTable &items, int fallback)
{
    const DesignKeyTable::Row row = DesignKeyTable::code(key, [field] { return *field; },
                                                         [combo, field, &items](int v) {
                                                             *field = v;
                                                             combo->setCurrentIndex(items.indexOrFirst(v));
                                                         },
                                                         items.codes(), fallback);
    designKeys.add(row);
    return row;
}

void KytoHighPerfControls::addRadioKey(const QString &key, const QVector<QRadioButton *> &group, int *field,
                                       int fallback)
{
    QVector<int> codes;
    for (int i = 0; i < group.size(); ++i)
        codes << i;
    designKeys.add(DesignKeyTable::code(key, [field] { return *field; },
                                        [group, field](int v) {
                                            group[v]->setChecked(true);
                                            *field = v;
                                        },
                                        codes, fallback));
}

void KytoHighPerfControls::addFactorKey(const QString &key, int *field, PllFactorEdits::Factor factor, int first,
                                        int last)
{
    QVector<int> codes;
    for (int v = first; v <= last; ++v)
        codes << v;
    const DesignKeyTable::Row row = DesignKeyTable::told(
        DesignKeyTable::code(key, [field] { return *field; },
                             [this, field, factor](int v) {
                                 *field = v;
                                 factors.edit(factor)->setText(PllFactorEdits::factorText(v, factor));
                             },
                             codes, first),
        factor == PllFactorEdits::Ms ? PllFactorEdits::msInputError : PllFactorEdits::nsInputError);
    designKeys.add(row);
    factorRows << row;
}

void KytoHighPerfControls::addOscillatorKeys()
{
    addClockSourceKeys();
    addDividerKey(QStringLiteral("hextdiv"), hextdivComboBox, &model->hextDiv, hextDividers(), 1);
    addDividerKey(QStringLiteral("hickdiv"), hickdivComboBox, &model->hickDiv, hickDividers(), 1);
    addPllSourceKey();
    addFactorKey(QStringLiteral("pllms"), &model->pllMs, PllFactorEdits::Ms, 1, 15);
    addFactorKey(QStringLiteral("pllns"), &model->pllNs, PllFactorEdits::Ns, 31, 500);
}

void KytoHighPerfControls::addClockSourceKeys()
{
    addOnOffKey(QStringLiteral("lextbypass"), lextbypassComboBox, &model->lextBypass);
    addRadioKey(QStringLiteral("rtcsel"), rtcselRadios, &model->rtcSource, 0);
    addOnOffKey(QStringLiteral("rtcswitch"), rtcswitchComboBox, &model->rtcEnabled);
    addDividerKey(QStringLiteral("rtcdiv"), rtcdivComboBox, &model->rtcHextDiv, rtcDividers(), 2);
    // A HEXT that is no crystal opens as the default would, so the edit never
    // shows a value the model does not hold.
    // The edit shows the held crystal as after New ("8.000", not the file's
    // "8.000000").
    designKeys.add(DesignKeyTable::told(DesignKeyTable::number(QStringLiteral("hext"), [this] { return model->hextMhz; },
                                                               [](double mhz) { return QString::number(mhz, 'f', 6); },
                                                               [this](double mhz, const QString &) {
                                                                   model->hextMhz = mhz;
                                                                   hextLineEdit->setText(Readouts::typedValueText(mhz));
                                                               },
                                                               kHextMin, kHextMax, kHextDefaultMhz),
                                        layout.hextError));
    addOnOffKey(QStringLiteral("hextbypass"), hextbypassComboBox, &model->hextBypass);
}

void KytoHighPerfControls::addPllSourceKey()
{
    designKeys.add(DesignKeyTable::onOff(QStringLiteral("pllrcs"), [this] { return model->pllSource != 0; },
                                         [this](bool hick) {
                                             pllrcsRadios[hick ? 1 : 0]->setChecked(true);
                                             model->pllSource = hick ? 1 : 0;
                                         }));
}

void KytoHighPerfControls::addSystemClockKeys()
{
    addBusKeys();
    // APB3 falls back to its default /4, not to the first item.
    addDividerKey(QStringLiteral("apb3div"), apb3divComboBox, &model->apb3Div, DividerTable::apb(), 4);
}

void KytoHighPerfControls::addBusKeys()
{
    addRadioKey(QStringLiteral("sclkselect"), sclkselectRadios, &model->sclkSource, 0);
    addDividerKey(QStringLiteral("ahbdiv"), ahbdivComboBox, &model->ahbDiv, DividerTable::ahb(), 1);
    addDividerKey(QStringLiteral("apb1div"), apb1divComboBox, &model->apb1Div, DividerTable::apb(), 1);
    addDividerKey(QStringLiteral("apb2div"), apb2divComboBox, &model->apb2Div, DividerTable::apb(), 1);
}

void KytoHighPerfControls::addClockOutDividerKeys()
{
    addDividerKey(QStringLiteral("clkoutdiv1"), clockoutdiv1ComboBox, &model->clkoutDiv1, clockOutDiv1(), 1);
    addDividerKey(QStringLiteral("clkoutdiv2"), clockoutdiv2ComboBox, &model->clkoutDiv2, DividerTable::clockOut(),
                  1);
}

// ---------------------------------------------------------------- defaults

void KytoHighPerfControls::resetOscillators()
{
    resetClockSources();
    hextdivComboBox->setCurrentIndex(0);
    model->hextDiv = 1;
    hickdivComboBox->setCurrentIndex(0);
    model->hickDiv = 1;
    resetPllSource();
}

void KytoHighPerfControls::resetClockSources()
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
    model->hextMhz = kHextDefaultMhz;
}

void KytoHighPerfControls::resetPllSource()
{
    pllrcsRadios[0]->setChecked(true);
    model->pllSource = 0;
}

void KytoHighPerfControls::resetSystemClock()
{
    resetBuses();
    apb3divComboBox->setCurrentIndex(2);
    model->apb3Div = 4;
}

void KytoHighPerfControls::resetBuses()
{
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
}

void KytoHighPerfControls::resetClockOut()
{
    hicktosclkRadios[0]->setChecked(true);
    model->sclkHick48 = 0;
    clkoutRadios[0]->setChecked(true);
    model->clkoutSource = layout.clkoutCodes[0];
    clockoutdiv1ComboBox->setCurrentIndex(0);
    model->clkoutDiv1 = 1;
    clockoutdiv2ComboBox->setCurrentIndex(0);
    model->clkoutDiv2 = 1;
    clockoutPinSelectComboBox->setCurrentIndex(0);
    model->clkoutPin = 0;
}

void KytoHighPerfControls::mousePressEvent(QMouseEvent *event)
{
    lists.closeAll();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------- branch predicates

bool KytoHighPerfControls::rtcOn() const
{
    return rtcswitchComboBox->currentIndex() != 0;
}

bool KytoHighPerfControls::sclkFromHext() const
{
    return sclkselectRadios[0]->isChecked();
}

bool KytoHighPerfControls::sclkFromPll() const
{
    return sclkselectRadios[1]->isChecked();
}

bool KytoHighPerfControls::sclkFromHick() const
{
    return sclkselectRadios[2]->isChecked();
}

bool KytoHighPerfControls::pllFromHext() const
{
    return pllrcsRadios[0]->isChecked();
}

bool KytoHighPerfControls::clkoutOn() const
{
    return clockoutPinSelectComboBox->currentIndex() != 0;
}

// ---------------------------------------------------------------- highlighting

void KytoHighPerfControls::styleRadios(QLabel *label, const QVector<QRadioButton *> &radios, bool flag)
{
    for (QRadioButton *radio : radios) {
        radio->setStyleSheet(PageStyles::radio(flag));
        radio->setEnabled(flag);
    }
    label->setEnabled(flag);
}

void KytoHighPerfControls::setPinLabels(QLabel *in, QLabel *out, bool flag, CustomComboBox1 *bypass)
{
    in->setEnabled(flag);
    in->setStyleSheet(PageStyles::pinText(flag));
    const bool outOn = flag && bypass->currentIndex() == 0;
    out->setStyleSheet(PageStyles::pinText(outOn));
    out->setEnabled(outOn);
}

// LEXT, the RTC switch and selection, and the RTC's HEXT divider.
void KytoHighPerfControls::updateOscillatorEnables(bool lextInUse)
{
    lextReadout->setStyleSheet(PageStyles::frame(lextInUse));
    lextLabel->setEnabled(lextInUse);
    lextReadout->setEnabled(lextInUse);
    lextBypassLabel->setEnabled(lextInUse);
    lextbypassComboBox->setComboBoxEnabled(lextInUse);
    setPinLabels(lextInLabel, lextOutLabel, lextInUse, lextbypassComboBox);

    const bool on = rtcOn();
    styleRadios(rtcselLabel, rtcselRadios, on);
    rtcLabel->setEnabled(on);
    rtcReadout->setEnabled(on);
    setEditTextColor(rtcReadout, on ? Qt::darkGreen : Qt::gray);

    const bool ertcDiv = on && rtcselRadios[2]->isChecked();
    rtcdivLabel->setEnabled(ertcDiv);
    rtcdivComboBox->setComboBoxEnabled(ertcDiv);
}

void KytoHighPerfControls::setHextEditEnabled(bool flag)
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

void KytoHighPerfControls::updateHextDivStyle(bool flag)
{
    hextdivLabel->setEnabled(flag);
    hextdivComboBox->setComboBoxEnabled(flag);
}

void KytoHighPerfControls::updateHickEnables()
{
    const bool flag = sclkFromHick();
    hickdivLabel->setEnabled(flag);
    hickdivComboBox->setComboBoxEnabled(flag);
    hickLabel->setEnabled(true);
    hickReadout->setEnabled(true);
    hickReadout->setStyleSheet(PageStyles::frame(true));
}

// The PLL block but the family's output divider.
void KytoHighPerfControls::setPllInUse(bool flag)
{
    styleRadios(pllrcsLabel, pllrcsRadios, flag);
    factors.setInUse(flag);
    for (QWidget *w : {static_cast<QWidget *>(pllmsLabel), static_cast<QWidget *>(pllmsRangeLabel),
                       static_cast<QWidget *>(pllnsLabel), static_cast<QWidget *>(pllnsRangeLabel),
                       static_cast<QWidget *>(pllOutputLabel), static_cast<QWidget *>(pllcfgLabel),
                       static_cast<QWidget *>(pllcfgReadout)})
        w->setEnabled(flag);
}

void KytoHighPerfControls::updateClkoutStyle(bool flag)
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

void KytoHighPerfControls::updateErtcDisplay()
{
    rtcReadout->setText(Readouts::rtcKhz(rtcOn(), rtcselRadios[0], rtcselRadios[1], model->hextMhz, model->rtcHextDiv));
}

void KytoHighPerfControls::syncApbFieldsFromModel()
{
    apb1divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb1Div));
    apb2divComboBox->setCurrentIndex(DividerTable::apb().indexOrFirst(model->apb2Div));
    apb1TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb1TimerMult));
    apb2TimerBox->setText(QStringLiteral("* ") + QString::number(model->apb2TimerMult));
}

// ---------------------------------------------------------------- editing steps

bool KytoHighPerfControls::checkPllSettings()
{
    if (hextInUse()) {
        double hext = 0.0;
        if (!FiniteNumber::inRange(hextLineEdit->text(), kHextMin, kHextMax, &hext)) {
            messages.showError(messages.text(layout.hextError));
            return false;
        }
        model->hextMhz = hext;
    }
    if (!pllInUse())
        return true;
    return factors.checkTyped();
}

void KytoHighPerfControls::checkAndRefresh()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
    }
}

bool KytoHighPerfControls::takeOverHext()
{
    double hext = 0.0;
    if (!validateHextLineEdit(hext))
        return false;
    model->hextMhz = hext;
    return true;
}

// The check and recompute of a system-clock radio. A factor question it
// raises answered Cancel stops the click, which is then taken back whole,
// radio included, so the PLL is not re-solved for a target nobody confirmed.
// A design being applied goes on as before.
bool KytoHighPerfControls::checkSclkSelect()
{
    if (checkPllSettings()) {
        model->recompute();
        refreshFrequencies();
        return true;
    }
    return messages.isQuiet();
}

bool KytoHighPerfControls::takeHextForPll()
{
    return !pllFromHext() || takeOverHext();
}

void KytoHighPerfControls::resolvePll()
{
    if (!PllResolve::resolve(model, messages, {sclkFromPll(), usbRetunesPll(), pllInUse()},
                             [this] { return checkPllSettings(); }))
        return;
    showPllParams();
    refreshFrequencies();
}

void KytoHighPerfControls::setBypass(QLabel *out, int index, bool &field)
{
    const bool crystal = index == 0;
    out->setStyleSheet(PageStyles::pinText(crystal));
    out->setEnabled(crystal);
    field = !crystal;
}

// ---------------------------------------------------------------- input checks

bool KytoHighPerfControls::validateHextLineEdit(double &value)
{
    value = 0.0;
    double hext = 0.0;
    if (!FiniteNumber::inRange(hextLineEdit->text(), kHextMin, kHextMax, &hext)) {
        messages.showError(messages.text(layout.hextError));
        return false;
    }
    value = hext;
    return true;
}

bool KytoHighPerfControls::checkSclkInput(double &value)
{
    value = 0.0;
    double sclk = 0.0;
    if (!FiniteNumber::inRange(sclkLineEdit->text(), layout.sclkMin, layout.sclkMax, &sclk)) {
        messages.showError(messages.text(layout.sclkError));
        return false;
    }
    value = sclk;
    return true;
}

bool KytoHighPerfControls::apb3WithinLimit()
{
    if (!apb3divComboBox)
        return true;   // a family without an APB3 bus
    if (model->ahbMhz / model->apb3Div > layout.apb3Max) {
        messages.showError(messages.text(layout.apb3Error));
        return false;
    }
    return true;
}

bool KytoHighPerfControls::validateLineEdits()
{
    if (hextEnabled && !FiniteNumber::inRange(hextLineEdit->text(), kHextMin, kHextMax)) {
        messages.showError(messages.text(layout.hextError));
        return false;
    }
    double sclk = 0.0;
    return checkSclkInput(sclk) && apb3WithinLimit();
}

// Greyed edits (HEXT unused, PLL unused, SCLK not from the PLL) are not
// confirmed.
bool KytoHighPerfControls::confirmPendingEdits()
{
    return Readouts::confirmPendingEdits(factors.pageEdits(hextLineEdit, sclkLineEdit));
}

// ---------------------------------------------------------------- slot bodies

void KytoHighPerfControls::onRtcSelClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
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

void KytoHighPerfControls::onRtcSwitchChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->rtcEnabled = index != 0;
    if (model->rtcEnabled && rtcselRadios[2]->isChecked())
        onHextReturnPressed();
    updateErtcDisplay();
    refreshFrequencies();
}

void KytoHighPerfControls::onRtcDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->rtcHextDiv = valueOr(rtcDividers(), rtcdivComboBox->currentIndex(), 2);
    updateErtcDisplay();
}

void KytoHighPerfControls::onLextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    setBypass(lextOutLabel, index, model->lextBypass);
}

void KytoHighPerfControls::onHextBypassChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    setBypass(hextOutLabel, index, model->hextBypass);
}

void KytoHighPerfControls::onHextDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->hextDiv = valueOr(hextDividers(), index, 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onHickDivChanged(int index)
{
    const ClickUndo::Guard click(undo, sender());
    model->hickDiv = valueOr(hickDividers(), index, 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onHextReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!takeOverHext())
        return;
    hextTaken();
    // A factor question about the new HEXT answered Cancel takes the HEXT
    // back: it stays pending, and the read-outs keep the HEXT they show.
    const bool checked = checkPllSettings();
    if (!checked && !messages.isQuiet())
        return;
    if (checked) {
        model->recompute();
        refreshFrequencies();
    }
    updateErtcDisplay();
    hextLineEdit->setStyleSheet(PageStyles::editApplied());
}

void KytoHighPerfControls::onHextTextChanged(const QString &text)
{
    // A greyed edit keeps the greyed look whatever its text.
    if (!hextEnabled)
        return;
    Readouts::showTypedEdit(hextLineEdit, Readouts::typedState(text, model->hextMhz, 5),
                            FiniteNumber::inRange(text, kHextMin, kHextMax), Qt::black);
}

void KytoHighPerfControls::onPllMsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ms) || !takeHextForPll())
        return;
    // A pll_ns question answered Cancel leaves the pll_ms just taken in the
    // model; the read-outs show what the model holds either way.
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ms);
}

void KytoHighPerfControls::onPllMsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ms, text);
}

void KytoHighPerfControls::onPllNsReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!factors.acceptTyped(PllFactorEdits::Ns) || !takeHextForPll())
        return;
    checkPllSettings();
    model->recompute();
    refreshFrequencies();
    factors.restyle(PllFactorEdits::Ns);
}

void KytoHighPerfControls::onPllNsTextChanged(const QString &text)
{
    factors.restyle(PllFactorEdits::Ns, text);
}

void KytoHighPerfControls::onPllRcsClicked(bool)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->pllSource = pllFromHext() ? 0 : 1;
    if (!takeHextForPll())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    model->sclkMhz = sclk;
    resolvePll();
}

void KytoHighPerfControls::onSclkSelectHextToggled(bool checked)
{
    // A switch emits toggled for the radio left (false) and for the one
    // chosen (true); acting once, on the chosen one, keeps one click to at
    // most one box.
    if (!checked)
        return;
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkFromHext()) {
        model->sclkSource = 0;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        if (!takeOverHext())
            return;
        if (!checkSclkSelect())
            return;
    }
    resolvePll();
}

void KytoHighPerfControls::onSclkSelectPllToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkFromPll()) {
        model->sclkSource = 1;
        sclkLineEdit->setEnabled(true);
        sclkLineEdit->setStyleSheet(PageStyles::editApplied());
        if (!takeHextForPll())
            return;
        if (!checkSclkSelect())
            return;
    }
    resolvePll();
}

void KytoHighPerfControls::onSclkSelectHickToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    if (sclkFromHick()) {
        model->sclkSource = 2;
        sclkLineEdit->setEnabled(false);
        sclkLineEdit->setStyleSheet(PageStyles::editIdle());
        if (!checkSclkSelect())
            return;
    }
    resolvePll();
}

void KytoHighPerfControls::onAhbDivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->ahbDiv = valueOr(DividerTable::ahb(), ahbdivComboBox->currentIndex(), 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onApb1DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb1Div = valueOr(DividerTable::apb(), apb1divComboBox->currentIndex(), 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onApb2DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->apb2Div = valueOr(DividerTable::apb(), apb2divComboBox->currentIndex(), 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onApb3DivChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    // /4 is the fall-back, as in the design file.
    model->apb3Div = valueOr(DividerTable::apb(), apb3divComboBox->currentIndex(), 4);
    checkAndRefresh();
}

void KytoHighPerfControls::onHickToSclkToggled(bool checked)
{
    if (!checked)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    model->sclkHick48 = hicktosclkRadios[0]->isChecked() ? 0 : 1;
    checkAndRefresh();
}

void KytoHighPerfControls::onClkoutToggled(bool flag)
{
    if (!flag)
        return;   // the radio left; the chosen one follows
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    int code = layout.clkoutCodes[0];
    for (int k = 0; k < clkoutRadios.size(); ++k) {
        if (clkoutRadios[k]->isChecked()) {
            code = layout.clkoutCodes[k];
            break;
        }
    }
    model->clkoutSource = code;
    checkAndRefresh();
}

void KytoHighPerfControls::onClockoutDiv1Changed(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv1 = valueOr(clockOutDiv1(), clockoutdiv1ComboBox->currentIndex(), 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onClockoutDiv2Changed(int)
{
    const ClickUndo::Guard click(undo, sender());
    model->clkoutDiv2 = valueOr(DividerTable::clockOut(), clockoutdiv2ComboBox->currentIndex(), 1);
    checkAndRefresh();
}

void KytoHighPerfControls::onClockoutPinChanged(int)
{
    const ClickUndo::Guard click(undo, sender());
    highlightClockPaths();
    model->clkoutPin = ClockTreeModel::pinIndexFromName(clockoutPinSelectComboBox->currentText());
    checkAndRefresh();
}

void KytoHighPerfControls::onSclkReturnPressed()
{
    const ClickUndo::Guard click(undo, sender());
    if (!sclkFromPll())
        return;
    double sclk = 0.0;
    if (!checkSclkInput(sclk))
        return;
    // A refused HEXT leaves the typed SCLK pending, so Generate stops at
    // this one box instead of going on to check HEXT again.
    if (!takeHextForPll())
        return;
    model->sclkMhz = sclk;
    model->recomputeFromPll();
    showPllParams();
    sclkLineEdit->setStyleSheet(PageStyles::editApplied());
    refreshFrequencies();
}

void KytoHighPerfControls::onSclkTextChanged(const QString &text)
{
    Readouts::showTypedEdit(sclkLineEdit, Readouts::typedState(text, model->sclkMhz, 3, sclkLineEdit->isEnabled()),
                            FiniteNumber::inRange(text, layout.sclkMin, layout.sclkMax),
                            Qt::darkGreen);
}

void KytoHighPerfControls::onListButtonClicked(int list)
{
    const ClickUndo::Guard click(undo, sender());
    lists.toggle(list);
}
