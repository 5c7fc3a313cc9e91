#include "SourceGenerator.h"

#include "ClockTreeModel.h"
#include "SeriesGroups.h"
#include "StagedFileSet.h"
#include "TemplateMarkup.h"
#include "UserDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QObject>
#include <QSpacerItem>

#include <cmath>
#include <functional>

// The intermediate texts of a generation, whole files among them: silent
// unless asked for, e.g. QT_LOGGING_RULES="kyto.generator.debug=true".
Q_LOGGING_CATEGORY(lcGenerator, "kyto.generator", QtInfoMsg)

namespace {

using Markup = TemplateMarkup;
using Groups = SeriesGroups;

// The generator's own per-series rules, beside the model's groups.

// crm_pll_config(source, multiplier, output range).
constexpr SeriesIndexSet MultiplierPllSeries{2, 4, 7, 8, 24};
// A choice between the "pll normal" and "pll flexible" sections.
constexpr SeriesIndexSet DualModePllSeries{5, 9, 15, 16, 17};
// "pll normal" is looked for (the templates of 18 and 29 have none; the
// enclosing processor ignores the result).
constexpr SeriesIndexSet PllNormalSectionSeries{5, 9, 15, 16, 17, 18, 29};
// Stepwise start-up from 168 MHz on; HICK reaches SCLK at 8 MHz only; USB
// is switched only on and off; no clock-out divider.
constexpr SeriesIndexSet R620Series{2};
constexpr SeriesIndexSet FlashClockDividerSeries{13, 14};
constexpr SeriesIndexSet ClockOutMuxSeries{9, 13, 14, 16, 18, 19, 20, 21, 22, 23, 25, 26, 29, 30};
constexpr SeriesIndexSet ErtcHextDivSeries{13, 14, 18, 19, 20, 21, 22, 23, 25, 26, 29, 30};
constexpr SeriesIndexSet I2cSeries{16, 18, 29};
constexpr SeriesIndexSet UsartSeries{16, 18, 29};
constexpr SeriesIndexSet ThreeUsartSeries{18, 29};
// Series whose main program has an ADC init call. Series 30 has no ADC
// controls, so asking its template for a call that is always removed would
// only force dead text into it.
constexpr SeriesIndexSet AdcInitCallSeries =
    SeriesIndexSet{13, 14, 19, 20, 21, 22, 23, 25, 26, 30}.complement();
// CAN source 1 feeds CAN from the PLL's U output (PLLU).
constexpr SeriesIndexSet PlluCanSeries = Groups::ThreeCanGroup;
// The configuration header template defines HEXT_VALUE as 12 MHz.
constexpr SeriesIndexSet Hext12MhzSeries{19, 20, 30};
// Comment: SCLK from HEXT through the HEXT-to-SCLK divider.
constexpr SeriesIndexSet CommentHextDivSeries{18, 19, 20, 21, 22, 23, 29, 30};
// Comment, multiplier mode: the HICK reaches the PLL as HICK/6 (else /12,
// series 2 /2).
constexpr SeriesIndexSet CommentMultiplierHickSixthSeries{13, 14};
// Comment: no PLL output range line (multiplier mode).
constexpr SeriesIndexSet NoPllRangeSeries{5, 9, 15, 16, 17, 18, 29};
// Comment: flash wait states (multiplier mode).
constexpr SeriesIndexSet FlashWaitCommentSeries{5, 9, 15, 16, 17};

const QString Word = QStringLiteral("(\\w+)");
const QString SpacedWord = QStringLiteral("(\\s*\\w+)");

// Far beyond any clock, and far below where the Hz would overflow qRound64;
// also false for nan and inf.
bool convertibleMhz(double mhz)
{
    return qAbs(mhz) <= 1.0e9;
}

// Line ends go out as CR LF on every platform.
QByteArray toCrLf(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toUtf8();
}

// "mx_xxx_init();" with all line ends after it and the next line's indent.
bool removeInitCall(QString &text, const QString &function, bool remove)
{
    QRegExp rx(QRegExp::escape(function) + QStringLiteral("\\(\\s*\\);\n+\\s*"));
    if (rx.indexIn(text) < 0)
        return false;
    if (remove)
        Markup::replaceAll(text, rx, QString());
    return true;
}

} // namespace

SourceGenerator::SourceGenerator(ClockTreeModel &model)
    : m_model(model)
    , m_templatePrefix(QStringLiteral(":/image/"))
{
}

void SourceGenerator::setTemplatePrefix(const QString &prefix)
{
    m_templatePrefix = prefix;
}

// ---------------------------------------------------------------------------
// Files

bool SourceGenerator::writeSourceFiles(const QString &incDir, const QString &srcDir, const QString &stem,
                                       QString *failedPath)
{
    // Whatever the caller checked, no nan or inf reaches a file. (A zero
    // clock is refused by the pages' road, which names it; models that were
    // never computed still generate here.)
    const ClockTreeModel &m = m_model;
    for (double mhz : {m.hextMhz, m.sclkMhz, m.ahbMhz, m.apb1Mhz, m.apb2Mhz}) {
        if (!convertibleMhz(mhz))
            return false;
    }
    struct Output {
        QString templateName;
        QString folder;
        QString targetName;
        std::function<bool(QString &)> fill;   // empty: copied as read
        QString text;
    };
    const QString clockSource = stem + QStringLiteral("_clock.c");
    const QString clockHeader = stem + QStringLiteral("_clock.h");
    const QString confHeader = stem + QStringLiteral("_conf.h");
    QVector<Output> outputs{
        {clockSource, srcDir, clockSource, [this](QString &t) { return runChain(clockSourceChain(), t); }, {}},
        {clockHeader, incDir, clockHeader, nullptr, {}},
        {stem + QStringLiteral("_main.c"), srcDir, QStringLiteral("main.c"),
         [this](QString &t) { return runChain(mainChain(), t); }, {}},
        {confHeader, incDir, confHeader, [this](QString &t) { return fillHextValueDefine(t); }, {}},
    };

    // A run that was cut off is completed or undone first, so the questions
    // below see the files as they are meant to be.
    StagedFileSet::recover({incDir, srcDir});

    // Everything is read and filled before the first file is touched, so a
    // broken template never leaves a mix of new and old files behind.
    for (Output &out : outputs) {
        if (!readTemplate(out.templateName, out.text))
            return false;
        if (out.fill && !out.fill(out.text))
            return false;
    }

    // A target that nothing can replace (a folder, a read-only file) is named
    // instead of being offered for replacement.
    for (const Output &out : outputs) {
        const QString target = out.folder + QLatin1Char('/') + out.targetName;
        if (!StagedFileSet::isReplaceable(target)) {
            if (failedPath)
                *failedPath = target;
            return false;
        }
    }

    // Every question comes before the first write, so a No leaves the folder
    // as it was. The remembered "for the next conflicts" only pre-checks the
    // box; the questions are skipped only after a Yes with the box checked
    // in this run.
    bool replaceAllThisRun = false;
    for (const Output &out : outputs) {
        const QString target = out.folder + QLatin1Char('/') + out.targetName;
        if (m_model.interactiveGenerate == 1 && !replaceAllThisRun && QFileInfo::exists(target)) {
            bool replace = false;
            bool applyToAll = m_model.applyToAllConflicts;
            askReplaceFile(out.targetName, replace, applyToAll);
            m_model.applyToAllConflicts = applyToAll;
            if (!replace)
                return false;
            replaceAllThisRun = applyToAll;
        }
    }

    // The four files are one generation: written aside and put in place
    // together, so a target that cannot be written or a full disk leaves the
    // earlier generation whole, not a mix of new and old files.
    // The record goes where the repair above looks: src, or inc where src
    // takes no file (links standing in a read-only src).
    StagedFileSet files({srcDir, incDir});
    bool written = true;
    for (const Output &out : outputs) {
        written = files.stage(out.folder + QLatin1Char('/') + out.targetName, toCrLf(out.text));
        if (!written)
            break;
    }
    if (written)
        written = files.commit();
    if (!written && failedPath)
        *failedPath = files.failedPath();
    return written;
}

bool SourceGenerator::readTemplate(const QString &name, QString &text) const
{
    QFile file(m_templatePrefix + name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    file.close();
    // The templates are stored with CR LF; every pattern expects LF alone.
    text.remove(QLatin1Char('\r'));
    return true;
}

void SourceGenerator::askReplaceFile(const QString &fileName, bool &replace, bool &applyToAll)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QObject::tr("warning"));
    box.setText(QString());
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    QAbstractButton *yes = box.button(QMessageBox::Yes);
    QAbstractButton *cancel = box.button(QMessageBox::Cancel);
    yes->setText(QObject::tr("Yes"));
    cancel->setText(QObject::tr("Cancel"));

    auto *checkBox = new QCheckBox(QObject::tr("Do this for the next conflicts"));
    checkBox->setObjectName(QStringLiteral("applyToAllCheckBox"));
    checkBox->setChecked(applyToAll);
    // Hands the check box to the box (and so to the dialog seam); the box
    // rebuilds its layout here, so the own placement follows afterwards.
    box.setCheckBox(checkBox);

    auto *label = new QLabel(fileName + QObject::tr(" file already exists. Do you want to replace it? "), &box);
    label->setObjectName(QStringLiteral("replaceFileLabel"));

    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addWidget(label, 0, 1, 1, 4);
        grid->addItem(new QSpacerItem(30, 30, QSizePolicy::Fixed, QSizePolicy::Fixed), 1, 1, 1, 4);
        grid->addWidget(checkBox, 3, 0, 1, 4);
        grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 4, 1);
        grid->addWidget(yes, 4, 2);
        grid->addWidget(cancel, 4, 3);
    }

    const QMessageBox::StandardButton answer = UserDialogs::exec(box);
    if (answer == QMessageBox::Yes) {
        replace = true;
        applyToAll = checkBox->isChecked();
    } else {
        replace = false;
        applyToAll = false;
    }
}

// ---------------------------------------------------------------------------
// Chains

QVector<SourceGenerator::Processor> SourceGenerator::clockSourceChain() const
{
    using S = SourceGenerator;
    const QVector<Processor> base{
        &S::fillEnablePll, &S::fillAutoStepMode, &S::fillPllSysclock, &S::fillHextSysclock,
        &S::fillHickSysclock, &S::fillPllUsbclock, &S::fillHickUsbclock, &S::fillAhbDiv,
        &S::fillApb1Div, &S::fillApb2Div, &S::fillClockConfigComment,
    };
    auto without = [](QVector<Processor> chain, std::initializer_list<Processor> dropped) {
        for (Processor p : dropped)
            chain.removeAll(p);
        return chain;
    };
    // The extra divider processors run right before the configuration comment.
    auto withBeforeComment = [](QVector<Processor> chain, Processor extra) {
        chain.insert(chain.indexOf(&S::fillClockConfigComment), extra);
        return chain;
    };
    const QVector<Processor> flashLdoFront{&S::fillFlashPsr, &S::fillLdoVoltage, &S::fillHextBypass,
                                           &S::fillEnableHext, &S::fillEnableHick};

    switch (m_model.seriesIndex) {
    case 2:
        return QVector<Processor>{&S::fillEnableHext, &S::fillHextBypass, &S::fillEnableHick}
               + without(base, {&S::fillAutoStepMode, &S::fillHickUsbclock});
    case 4:
        return QVector<Processor>{&S::fillEnableHext, &S::fillHextBypass, &S::fillEnableHick} + base;
    case 5:
    case 15:
    case 17:
        return QVector<Processor>{&S::fillFlashPsr, &S::fillHextBypass, &S::fillEnableHext, &S::fillEnableHick}
               + base;
    case 7:
    case 8:
    case 24:
        return QVector<Processor>{&S::fillEnableHext, &S::fillHextBypass, &S::fillEnableHick,
                                  &S::fillEnableHextDiv}
               + base;
    case 9:
        return QVector<Processor>{&S::fillFlashPsr, &S::fillHextBypass, &S::fillEnableHext, &S::fillEnableHick}
               + without(base, {&S::fillPllUsbclock, &S::fillHickUsbclock});
    case 13:
    case 14:
        return QVector<Processor>{&S::fillLdoVoltage, &S::fillEnableHext, &S::fillHextBypass, &S::fillEnableHick}
               + withBeforeComment(base, &S::fillFlashClockDivider);
    case 16:
        return QVector<Processor>{&S::fillFlashPsr, &S::fillLdoVoltage, &S::fillHextBypass,
                                  &S::fillEnableHext, &S::fillEnableHick}
               + without(base, {&S::fillAutoStepMode, &S::fillPllUsbclock, &S::fillHickUsbclock});
    case 18:
    case 19:
    case 20:
    case 29:
    case 30:
        return flashLdoFront + base;
    case 21:
    case 22:
    case 23:
        return flashLdoFront + withBeforeComment(base, &S::fillApb3Div);
    case 25:
    case 26:
        return flashLdoFront
               + without(withBeforeComment(base, &S::fillApb3Div), {&S::fillPllUsbclock, &S::fillHickUsbclock});
    default:
        return {};
    }
}

QVector<SourceGenerator::Processor> SourceGenerator::mainChain() const
{
    using S = SourceGenerator;
    const QVector<Processor> oscillators{&S::fillLickFunction, &S::fillLextFunction};
    const QVector<Processor> front =
        oscillators + QVector<Processor>{&S::fillClkoutFunction, &S::removeUnusedInitCalls, &S::fillRtcFunction};

    switch (m_model.seriesIndex) {
    case 2:
    case 4:
    case 5:
    case 7:
    case 8:
    case 9:
    case 15:
    case 17:
    case 24:
        return front + QVector<Processor>{&S::fillAdcFunction};
    case 13:
    case 14:
        return oscillators
               + QVector<Processor>{&S::fillClkout1Function, &S::fillClkout2Function, &S::removeUnusedInitCalls,
                                    &S::fillRtcFunction};
    case 16:
    case 18:
    case 29:
        return front + QVector<Processor>{&S::fillAdcFunction, &S::fillI2cFunction, &S::fillUsartFunction};
    case 19:
    case 20:
    case 30:
        return front + QVector<Processor>{&S::fillI2sf5Function};
    case 21:
    case 22:
    case 23:
        return front + QVector<Processor>{&S::fillCanFunction, &S::fillI2sf5Function};
    case 25:
    case 26:
        return front + QVector<Processor>{&S::fillCanFunction};
    default:
        return {};
    }
}

bool SourceGenerator::runChain(const QVector<Processor> &chain, QString &text)
{
    for (Processor p : chain) {
        if (!(this->*p)(text))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Clock source file: oscillators and PLL

bool SourceGenerator::fillHextBypass(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("hext bypass"), m_model.isHextUsed() && m_model.hextBypass);
}

bool SourceGenerator::fillEnableHext(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("enable hext"), m_model.isHextUsed());
}

bool SourceGenerator::fillEnableHick(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("enable hick"), m_model.isHickUsed());
}

bool SourceGenerator::fillEnableHextDiv(QString &text)
{
    const bool used = m_model.isHextDivUsed();
    if (!Markup::keepOrDrop(text, QStringLiteral("enable hextdiv"), used))
        return false;
    if (!used)
        return true;
    return Markup::rewriteCall(text, QStringLiteral("crm_hext_clock_div_set"), SpacedWord,
                               {m_model.hextDivName()});
}

bool SourceGenerator::fillEnablePll(QString &text)
{
    const QString name = QStringLiteral("enable pll");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (!m_model.isPllUsed())
        return Markup::dropSection(text, name);
    // The three steps depend on the series; whichever has nothing to do
    // reports so, and the PLL block is kept all the same.
    fillPllNormal(body);
    fillPllFlexible(body);
    fillPlluDiv(body);
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillPllNormal(QString &text)
{
    const int series = m_model.seriesIndex;
    const QString config = QStringLiteral("crm_pll_config");
    if (MultiplierPllSeries.contains(series)) {
        return Markup::rewriteCall(text, config, QStringLiteral("(\\w+, \\s*\\w+, \\s*\\w+)"),
                                   {m_model.pllSourceName(), m_model.pllMultName(), m_model.pllOutputRangeName()});
    }
    if (!PllNormalSectionSeries.contains(series))
        return true;

    const QString name = QStringLiteral("pll normal");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.pllFlexibleMode != 0)
        return Markup::dropSection(text, name);
    if (!Markup::rewriteCall(body, config, QStringLiteral("(\\w+, \\s*\\w+)"),
                             {m_model.pllSourceName(), m_model.pllMultName()}))
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillPllFlexible(QString &text)
{
    const int series = m_model.seriesIndex;
    if (MultiplierPllSeries.contains(series))
        return true;

    const QString fourArgs = QStringLiteral("(\\w+, \\s*\\d+, \\s*\\d+,\\s*\\w+)");
    if (DualModePllSeries.contains(series)) {
        const QString name = QStringLiteral("pll flexible");
        QString body;
        if (!Markup::findSection(text, name, &body))
            return false;
        if (m_model.pllFlexibleMode != 1)
            return Markup::dropSection(text, name);
        if (!Markup::rewriteCall(body, QStringLiteral("crm_pll_config2"), fourArgs,
                                 {m_model.pllSourceName(), m_model.pllNsText(), m_model.pllMsText(),
                                  m_model.pllFrName()}))
            return false;
        return Markup::replaceSection(text, name, body);
    }

    const QString postDivider =
        Groups::PllFpFuGroup.contains(series) ? m_model.pllFpName() : m_model.pllFrName();
    return Markup::rewriteCall(text, QStringLiteral("crm_pll_config"), fourArgs,
                               {m_model.pllSourceName(), m_model.pllNsText(), m_model.pllMsText(), postDivider});
}

bool SourceGenerator::fillPlluDiv(QString &text)
{
    const int series = m_model.seriesIndex;
    if (!Groups::PllFpFuGroup.contains(series))
        return true;
    const QString function = QStringLiteral("crm_pllu_div_set");
    if (!Markup::containsCall(text, function, Word))
        return false;

    const bool usbFromPll = m_model.usbDisabled == 0 && m_model.usbFromHick == 0;
    const bool canFromPllu = PlluCanSeries.contains(series)
                             && (m_model.can1ClockSource == 1 || m_model.can2ClockSource == 1
                                 || m_model.can3ClockSource == 1);
    if (usbFromPll || canFromPllu)
        Markup::rewriteCall(text, function, Word, {m_model.pllFuName()});
    return true;
}

// ---------------------------------------------------------------------------
// Clock source file: system clock, USB, dividers

bool SourceGenerator::fillPllSysclock(QString &text)
{
    const QString name = QStringLiteral("pll sysclock");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.sclkSource != 1)
        return Markup::dropSection(text, name);

    if (R620Series.contains(m_model.seriesIndex)) {
        const QString below = QStringLiteral("sysclock < 168");
        const QString above = QStringLiteral("sysclock >= 168");
        if (!Markup::findSection(body, below) || !Markup::findSection(body, above))
            return false;
        const bool stepwise = !(m_model.sclkMhz < 168.0);
        Markup::keepOrDrop(body, below, !stepwise);
        Markup::keepOrDrop(body, above, stepwise);
    }
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillHextSysclock(QString &text)
{
    const QString name = QStringLiteral("hext sysclock");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.sclkSource != 0)
        return Markup::dropSection(text, name);
    if (Groups::FlexibleSclkDividerGroup.contains(m_model.seriesIndex))
        Markup::rewriteCall(body, QStringLiteral("crm_hext_sclk_div_set"), Word, {m_model.hextSclkDivName()});
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillHickSysclock(QString &text)
{
    const QString name = QStringLiteral("hick sysclock");
    QString body;
    QRegExp rx = Markup::sectionPattern(name);
    if (rx.indexIn(text) < 0)
        return false;
    body = rx.cap(1);
    qCDebug(lcGenerator) << "hick sysclock block:" << rx.cap(0);
    qCDebug(lcGenerator) << "hick sysclock body:" << body;
    if (m_model.sclkSource != 2)
        return Markup::dropSection(text, name);

    if (!R620Series.contains(m_model.seriesIndex)) {
        const QString hick48 = QStringLiteral("hick48");
        if (!Markup::findSection(body, hick48))
            return false;
        Markup::keepOrDrop(body, hick48, m_model.sclkHick48 == 1);
    }
    if (Groups::FlexibleSclkDividerGroup.contains(m_model.seriesIndex))
        Markup::rewriteCall(body, QStringLiteral("crm_hick_sclk_div_set"), Word, {m_model.hickSclkDivName()});
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillAutoStepMode(QString &text)
{
    const bool keep = m_model.sclkMhz > 108.0;
    return Markup::keepOrDrop(text, QStringLiteral("enable auto step mode"), keep)
           && Markup::keepOrDrop(text, QStringLiteral("disable auto step mode"), keep);
}

bool SourceGenerator::fillHickUsbclock(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("hick usbclock"),
                              m_model.usbDisabled == 0 && m_model.usbFromHick == 1);
}

bool SourceGenerator::fillPllUsbclock(QString &text)
{
    const int series = m_model.seriesIndex;
    const QString name = QStringLiteral("pll usbclock");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;

    const bool usbFromPll = m_model.usbDisabled == 0 && m_model.usbFromHick == 0;
    bool keep = usbFromPll;
    if (R620Series.contains(series)) {
        keep = m_model.usbDisabled == 0;
    } else if (Groups::ThreeCanGroup.contains(series)) {
        keep = usbFromPll || (m_model.can1Enabled && m_model.can1ClockSource == 1)
               || (m_model.can2Enabled && m_model.can2ClockSource == 1)
               || (m_model.can3Enabled && m_model.can3ClockSource == 1);
    }
    if (!keep)
        return Markup::dropSection(text, name);

    if (Groups::ThreeCanGroup.contains(series)) {
        const QString pllu = QStringLiteral("pllu usbclock");
        if (!Markup::findSection(body, pllu))
            return false;
        Markup::keepOrDrop(body, pllu, usbFromPll);
        return Markup::replaceSection(text, name, body);
    }
    Markup::replaceSection(text, name, body);
    if (Groups::PllFpFuGroup.contains(series))
        return true;
    return Markup::rewriteCall(text, QStringLiteral("crm_usb_clock_div_set"), SpacedWord, {m_model.usbDivName()});
}

bool SourceGenerator::fillAhbDiv(QString &text)
{
    const QString function = QStringLiteral("crm_ahb_div_set");
    QRegExp rx = Markup::callPattern(function, SpacedWord);
    const int last = rx.lastIndexIn(text);
    if (last < 0)
        return false;
    qCDebug(lcGenerator) << "ahb divider head:" << text.left(last);
    qCDebug(lcGenerator) << "ahb divider tail:" << text.mid(last);
    Markup::rewriteLastCall(text, function, SpacedWord, {m_model.ahbDivName()});
    qCDebug(lcGenerator) << "ahb divider result:" << text;
    return true;
}

bool SourceGenerator::fillApb1Div(QString &text)
{
    return Markup::rewriteCall(text, QStringLiteral("crm_apb1_div_set"), SpacedWord, {m_model.apb1DivName()});
}

bool SourceGenerator::fillApb2Div(QString &text)
{
    return Markup::rewriteCall(text, QStringLiteral("crm_apb2_div_set"), SpacedWord, {m_model.apb2DivName()});
}

bool SourceGenerator::fillApb3Div(QString &text)
{
    return Markup::rewriteCall(text, QStringLiteral("crm_apb3_div_set"), SpacedWord, {m_model.apb3DivName()});
}

bool SourceGenerator::fillLdoVoltage(QString &text)
{
    return Markup::rewriteCall(text, QStringLiteral("pwc_ldo_output_voltage_set"), SpacedWord,
                               {m_model.ldoOutputName()});
}

bool SourceGenerator::fillFlashClockDivider(QString &text)
{
    if (!FlashClockDividerSeries.contains(m_model.seriesIndex))
        return true;
    return Markup::rewriteCall(text, QStringLiteral("flash_clock_divider_set"), SpacedWord,
                               {m_model.flashClockDivName()});
}

bool SourceGenerator::fillFlashPsr(QString &text)
{
    if (!Markup::keepSection(text, QStringLiteral("flash psr")))
        return false;
    qCDebug(lcGenerator) << "flash psr text:" << text;
    return Markup::rewriteCall(text, QStringLiteral("flash_psr_set"), SpacedWord, {m_model.flashWaitCycleName()});
}

// ---------------------------------------------------------------------------
// Clock source file: the comment block describing the configuration

qint64 SourceGenerator::clockHz(double mhz)
{
    if (!convertibleMhz(mhz))
        return 0;
    // The six-decimal text fixes the value to a whole Hz; rounding (instead
    // of truncating) keeps binary fractions such as 1.001 from losing a Hz.
    // Whole Hz, not kHz: a legal slow bus (HEXT /32 /512 is under a kHz)
    // keeps its frequency instead of turning into 0.
    const double fixed = QString::number(mhz, 'f', 6).toDouble();
    return qRound64(fixed * 1000.0 * 1000.0);
}

bool SourceGenerator::findUnwritableClock(const ClockTreeModel &model, QString *name, double *mhz)
{
    // The library keeps a clock in 32 bits of Hz.
    const double largestHz = 4294967295.0;
    const struct {
        const char *name;
        double mhz;
    } clocks[] = {
        {"hext", model.hextMhz},
        {"sclk", model.sclkMhz},
        {"ahbclk", model.ahbMhz},
        {"apb1clk", model.apb1Mhz},
        {"apb2clk", model.apb2Mhz},
    };
    for (const auto &clock : clocks) {
        // Written rounded to the Hz, so half a Hz over the top still fits.
        if (std::isfinite(clock.mhz) && clock.mhz > 0.0 && clock.mhz * 1.0e6 < largestHz + 0.5)
            continue;
        *name = QString::fromLatin1(clock.name);
        *mhz = clock.mhz;
        return true;
    }
    return false;
}

QString SourceGenerator::formulaLines() const
{
    const int series = m_model.seriesIndex;
    const QString sclk = QStringLiteral("  *         system clock (sclk)   = ");
    const QString source = QStringLiteral("  *         system clock source   = ");
    const QString hextValue = source + QStringLiteral("HEXT_VALUE\n");
    const QString hickValue = source + QStringLiteral("HICK_VALUE\n");
    const QString hickSource = source + QStringLiteral("hick\n");
    const QString hextSource = source + QStringLiteral("hext\n");
    const bool pllFromHext = m_model.pllSource == 0;
    const QString hextDiv = QString::number(m_model.hextDiv);

    if (m_model.pllFlexibleMode == 1) {
        const bool fp = Groups::PllFpFuGroup.contains(series);
        const QString postDivider = fp ? QStringLiteral("pll_fp)") : QStringLiteral("pll_fr)");
        switch (m_model.sclkSource) {
        case 1:
            if (pllFromHext) {
                QString formula;
                if (m_model.isHextDivUsed())
                    formula = QStringLiteral("(hext / ") + hextDiv + QStringLiteral(" * pll_ns)/(pll_ms * ") + postDivider;
                else if (Groups::HalfSclkGroup.contains(series))
                    formula = QStringLiteral("(hext * pll_ns)/(pll_ms * pll_fr) / 2");
                else
                    formula = QStringLiteral("(hext * pll_ns)/(pll_ms * ") + postDivider;
                return sclk + formula + QLatin1Char('\n') + hextValue;
            } else {
                int d = 12;
                if (R620Series.contains(series))
                    d = 2;
                else if (Groups::DirectPllInputGroup.contains(series))
                    d = 6;
                return sclk + QStringLiteral("(hick / ") + QString::number(d) + QStringLiteral(" * pll_ns)/(pll_ms * ")
                       + postDivider + QLatin1Char('\n') + hickValue;
            }
        case 2: {
            const QString hick = m_model.sclkHick48 == 1 ? QStringLiteral("(hick 48") : QStringLiteral("(hick 8");
            if (Groups::FlexibleSclkDividerGroup.contains(series))
                return sclk + hick + QStringLiteral(" / ") + QString::number(m_model.hickDiv) + QStringLiteral(")\n")
                       + hickSource;
            return sclk + hick + QStringLiteral(")\n") + hickSource;
        }
        case 0:
            if (CommentHextDivSeries.contains(series))
                return sclk + QStringLiteral("(hext / ") + hextDiv + QStringLiteral(")\n") + hextSource;
            return sclk + QStringLiteral("(hext)\n") + hextSource;
        default:
            return QString();
        }
    }

    switch (m_model.sclkSource) {
    case 1:
        if (pllFromHext) {
            if (m_model.isHextDivUsed())
                return sclk + QStringLiteral("hext / ") + hextDiv + QStringLiteral(" * pll_mult\n") + hextValue;
            return sclk + QStringLiteral("hext * pll_mult\n") + hextValue;
        } else {
            int d = 12;
            if (R620Series.contains(series))
                d = 2;
            else if (CommentMultiplierHickSixthSeries.contains(series))
                d = 6;
            return sclk + QStringLiteral("hick / ") + QString::number(d) + QStringLiteral(" * pll_mult\n") + hickValue;
        }
    case 2:
        if (!R620Series.contains(series) && m_model.sclkHick48 == 1)
            return sclk + QStringLiteral("(hick 48)\n") + hickSource;
        return sclk + QStringLiteral("(hick 8)\n") + hickSource;
    case 0:
        return sclk + QStringLiteral("(hext)\n") + hextSource;
    default:
        return QString();
    }
}

QString SourceGenerator::pllLines() const
{
    const int series = m_model.seriesIndex;
    QString lines;
    if (m_model.pllFlexibleMode == 1) {
        if (m_model.isPllUsed()) {
            lines += QStringLiteral("  *         - pll_ns              = ") + QString::number(m_model.pllNs) + QLatin1Char('\n');
            lines += QStringLiteral("  *         - pll_ms              = ") + QString::number(m_model.pllMs) + QLatin1Char('\n');
            if (Groups::PllFpFuGroup.contains(series))
                lines += QStringLiteral("  *         - pll_fp              = ") + QString::number(m_model.pllFp) + QLatin1Char('\n');
            else
                lines += QStringLiteral("  *         - pll_fr              = ") + QString::number(m_model.pllFr) + QLatin1Char('\n');
        }
        return lines;
    }

    if (m_model.isPllUsed()) {
        lines += QStringLiteral("  *         - pll_mult            = ") + QString::number(m_model.pllMult) + QLatin1Char('\n');
        if (!NoPllRangeSeries.contains(series)) {
            if (m_model.pllMhz > 72.0)
                lines += QStringLiteral("  *         - pll_range           = GT72MHZ (greater than 72 mhz)\n");
            else
                lines += QStringLiteral("  *         - pll_range           = LE72MHZ (less than 72 mhz or equal to 72 mhz)\n");
        }
    }
    if (FlashWaitCommentSeries.contains(series)) {
        const double sclk = m_model.sclkMhz;
        int cycles = 4;
        if (sclk <= 32.0)
            cycles = 0;
        else if (sclk <= 64.0)
            cycles = 1;
        else if (sclk <= 96.0)
            cycles = 2;
        else if (sclk <= 128.0)
            cycles = 3;
        lines += QStringLiteral("  *         - flash_wtcyc         = ") + QString::number(cycles)
                 + QStringLiteral(" cycle\n");
    }
    return lines;
}

bool SourceGenerator::fillClockConfigComment(QString &text)
{
    QRegExp rx(QStringLiteral("\\* @brief  system clock config program(.+)\\* @retval none"));
    if (rx.indexIn(text) < 0)
        return false;

    auto hz = [](double mhz) { return QString::number(clockHz(mhz)); };
    QString comment = QStringLiteral("* @brief  system clock config program\n"
                                     "  * @note   the system clock is configured as follow:\n");
    comment += formulaLines();
    if (m_model.isHextUsed())
        comment += QStringLiteral("  *         - hext                = ") + QString::number(clockHz(m_model.hextMhz)) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - sclk                = ") + hz(m_model.sclkMhz) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - ahbdiv              = ") + QString::number(m_model.ahbDiv) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - ahbclk              = ") + hz(m_model.ahbMhz) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - apb1div             = ") + QString::number(m_model.apb1Div) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - apb1clk             = ") + hz(m_model.apb1Mhz) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - apb2div             = ") + QString::number(m_model.apb2Div) + QLatin1Char('\n');
    comment += QStringLiteral("  *         - apb2clk             = ") + hz(m_model.apb2Mhz) + QLatin1Char('\n');
    comment += pllLines();
    comment += QStringLiteral("  * @param  none\n"
                              "  * @retval none");
    Markup::replaceAll(text, rx, comment);
    return true;
}

// ---------------------------------------------------------------------------
// Main program

bool SourceGenerator::isLickUsed() const
{
    const ClockTreeModel &m = m_model;
    if (m.rtcEnabled && m.rtcSource == 0)
        return true;
    if (Groups::DualClockOutGroup.contains(m.seriesIndex))
        return m.clkout2Pin != 0 && m.clkout2Source == 6;
    return m.clkoutPin != 0 && m.clkoutSource == 1;
}

bool SourceGenerator::isLextUsed() const
{
    const ClockTreeModel &m = m_model;
    if (m.rtcEnabled && m.rtcSource == 1)
        return true;
    // The USART function asks for LEXT as soon as it is kept and any of the
    // sources names it.
    if (UsartSeries.contains(m.seriesIndex) && (m.usart1Enabled || m.usart2Enabled || m.usart3Enabled)
        && (m.usart1ClockSource == 3 || m.usart2ClockSource == 3 || m.usart3ClockSource == 3))
        return true;
    if (Groups::DualClockOutGroup.contains(m.seriesIndex))
        return (m.clkout1Pin != 0 && m.clkout1Source == 1) || (m.clkout2Pin != 0 && m.clkout2Source == 7);
    return m.clkoutPin != 0 && m.clkoutSource == 2;
}

bool SourceGenerator::fillLickFunction(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("lick function"), isLickUsed());
}

bool SourceGenerator::fillLextFunction(QString &text)
{
    const QString name = QStringLiteral("lext function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (!isLextUsed())
        return Markup::dropSection(text, name);
    if (!Markup::keepOrDrop(body, QStringLiteral("lext bypass"), m_model.lextBypass))
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillClkoutFunction(QString &text)
{
    const int series = m_model.seriesIndex;
    const QString name = QStringLiteral("clkout function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.clkoutPin == 0)
        return Markup::dropSection(text, name);

    const ClockOutPin pin{m_model.clkoutGpioClockName(), m_model.clkoutPinName(), m_model.clkoutGpioPortName(),
                          m_model.clkoutPinSourceName(), m_model.clkoutMuxName(),
                          ClockOutMuxSeries.contains(series)};
    if (!fillClockOutPin(text, body, pin)
        || !rewriteInBody(text, body, QStringLiteral("crm_clock_out_set"), Word, {m_model.clkoutSourceName()}))
        return false;

    const QString divider = QStringLiteral("crm_clkout_div_set");
    if (Groups::FlexibleSclkDividerGroup.contains(series)) {
        if (!rewriteInBody(text, body, divider, QStringLiteral("(\\w+,\\s*\\w+)"),
                           {m_model.clkoutDiv1Name(m_model.clkoutDiv1), m_model.clkoutDiv2Name(m_model.clkoutDiv2)}))
            return false;
    } else if (!R620Series.contains(series)) {
        if (!rewriteInBody(text, body, divider, Word, {m_model.clkoutDivName(m_model.clkoutDiv)}))
            return false;
    }
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillClkout1Function(QString &text)
{
    const QString name = QStringLiteral("clkout1 function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.clkout1Pin == 0)
        return Markup::dropSection(text, name);

    const ClockOutPin pin{m_model.clkout1GpioClockName(), m_model.clkout1PinName(), m_model.clkout1GpioPortName(),
                          m_model.clkout1PinSourceName(), m_model.clkout1MuxName(), true};
    if (!fillClockOutPin(text, body, pin)
        || !rewriteInBody(text, body, QStringLiteral("crm_clock_out1_set"), Word, {m_model.clkout1SourceName()})
        || !rewriteInBody(text, body, QStringLiteral("crm_clkout_div_set"),
                          QStringLiteral("(\\w+,\\s*\\w+,\\s*\\w+)"),
                          {m_model.clkoutIndexName(1), m_model.clkoutDiv1Name(m_model.clkout1Div1),
                           m_model.clkoutDiv2Name(m_model.clkout1Div2)}))
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillClkout2Function(QString &text)
{
    const QString name = QStringLiteral("clkout2 function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.clkout2Pin == 0)
        return Markup::dropSection(text, name);

    if (!rewriteInBody(text, body, QStringLiteral("crm_clock_out2_set"), Word, {m_model.clkout2SourceName()})
        || !rewriteInBody(text, body, QStringLiteral("crm_clkout_div_set"),
                          QStringLiteral("(\\w+,\\s*\\w+,\\s*\\w+)"),
                          {m_model.clkoutIndexName(2), m_model.clkoutDiv1Name(m_model.clkout2Div1),
                           m_model.clkoutDiv2Name(m_model.clkout2Div2)}))
        return false;
    return Markup::replaceSection(text, name, body);
}

// A clock-output call must stand somewhere in the file, but only its copy in
// the section body is rewritten.
bool SourceGenerator::rewriteInBody(const QString &text, QString &body, const QString &function,
                                    const QString &args, const QStringList &values)
{
    if (!Markup::containsCall(text, function, args))
        return false;
    Markup::rewriteCall(body, function, args, values);
    return true;
}

// The GPIO set-up of a clock-output pin: clock, pin, port and, where the
// series routes the pin through its multiplexer, the alternate function.
bool SourceGenerator::fillClockOutPin(const QString &text, QString &body, const ClockOutPin &pin)
{
    if (!rewriteInBody(text, body, QStringLiteral("crm_periph_clock_enable"), QStringLiteral("(\\w+,\\s*\\w+)"),
                       {pin.gpioClock, QStringLiteral("TRUE")}))
        return false;
    QRegExp pins(QStringLiteral("gpio_init_struct.gpio_pins\\s*=\\s*\\w+;{,1}"));
    if (pins.indexIn(text) < 0)
        return false;
    Markup::replaceAll(body, pins, QStringLiteral("gpio_init_struct.gpio_pins = ") + pin.pinName + QLatin1Char(';'));
    if (!rewriteInBody(text, body, QStringLiteral("gpio_init"), QStringLiteral("(\\w+,\\s*\\&\\w+)"),
                       {pin.port, QStringLiteral("&gpio_init_struct")}))
        return false;
    return !pin.multiplexed
           || rewriteInBody(text, body, QStringLiteral("gpio_pin_mux_config"),
                            QStringLiteral("(\\w+,\\s*\\w+,\\s*\\w+)"), {pin.port, pin.pinSource, pin.mux});
}

bool SourceGenerator::removeUnusedInitCalls(QString &text)
{
    const int series = m_model.seriesIndex;
    const ClockTreeModel &m = m_model;
    // Edited aside, so a missing call leaves the text as it was.
    QString calls = text;

    if (!removeInitCall(calls, QStringLiteral("mx_lick_init"), !isLickUsed())
        || !removeInitCall(calls, QStringLiteral("mx_lext_init"), !isLextUsed()))
        return false;
    if (Groups::DualClockOutGroup.contains(series)) {
        if (!removeInitCall(calls, QStringLiteral("mx_clkout1_init"), m.clkout1Pin == 0)
            || !removeInitCall(calls, QStringLiteral("mx_clkout2_init"), m.clkout2Pin == 0))
            return false;
    } else if (!removeInitCall(calls, QStringLiteral("mx_clkout_init"), m.clkoutPin == 0)) {
        return false;
    }
    if (!removeInitCall(calls, QStringLiteral("mx_rtc_clock_init"), !m.rtcEnabled))
        return false;
    if (AdcInitCallSeries.contains(series) && !removeInitCall(calls, QStringLiteral("mx_adc_clock_init"), !m.adcEnabled))
        return false;
    if (I2cSeries.contains(series) && !removeInitCall(calls, QStringLiteral("mx_i2c_clock_init"), !m.i2c1Enabled))
        return false;
    if (UsartSeries.contains(series)) {
        // Series 16 has no USART3 clock select of its own.
        bool anyUsart = m.usart1Enabled || m.usart2Enabled;
        if (ThreeUsartSeries.contains(series))
            anyUsart = anyUsart || m.usart3Enabled;
        if (!removeInitCall(calls, QStringLiteral("mx_usart_clock_init"), !anyUsart))
            return false;
    }
    if (Groups::I2sf5Group.contains(series)
        && !removeInitCall(calls, QStringLiteral("mx_i2sf5_clock_init"), !m.i2sf5Enabled))
        return false;
    if (Groups::SingleCanGroup.contains(series) && !removeInitCall(calls, QStringLiteral("mx_can_clock_init"), !m.can1Enabled))
        return false;
    if (Groups::ThreeCanGroup.contains(series)
        && !removeInitCall(calls, QStringLiteral("mx_can_clock_init"),
                           !(m.can1Enabled || m.can2Enabled || m.can3Enabled)))
        return false;
    text = calls;
    return true;
}

bool SourceGenerator::fillRtcFunction(QString &text)
{
    const QString name = QStringLiteral("rtc function");
    if (!Markup::findSection(text, name))
        return false;
    if (!m_model.rtcEnabled)
        return Markup::dropSection(text, name);
    Markup::keepSection(text, name);
    // Each source block reports a missing section of its own; the RTC
    // function stands without it.
    fillRtcLick(text);
    fillRtcLext(text);
    fillRtcHext(text);
    return true;
}

bool SourceGenerator::fillRtcLick(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("rtc lick"), m_model.rtcSource == 0, false);
}

bool SourceGenerator::fillRtcLext(QString &text)
{
    return Markup::keepOrDrop(text, QStringLiteral("rtc lext"), m_model.rtcSource == 1, false);
}

bool SourceGenerator::fillRtcHext(QString &text)
{
    const QString name = QStringLiteral("rtc hext");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (m_model.rtcSource != 2)
        return Markup::dropSection(text, name);
    if (!Markup::keepOrDrop(body, QStringLiteral("hext bypass"), m_model.hextBypass))
        return false;
    if (ErtcHextDivSeries.contains(m_model.seriesIndex))
        Markup::rewriteCall(body, QStringLiteral("crm_ertc_clock_select"), Word, {m_model.rtcHextDivName()});
    return Markup::replaceSection(text, name, body, false);
}

bool SourceGenerator::fillAdcFunction(QString &text)
{
    const QString name = QStringLiteral("adc function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (!m_model.adcEnabled)
        return Markup::dropSection(text, name);

    const bool sourceSelect = Groups::AdcFromPllGroup.contains(m_model.seriesIndex);
    const QString function = sourceSelect ? QStringLiteral("crm_adc_clock_select") : QStringLiteral("crm_adc_clock_div_set");
    const QString value = sourceSelect ? m_model.adcClockSourceName() : m_model.adcDivName();
    if (!Markup::containsCall(text, function, Word))
        return false;
    Markup::rewriteCall(body, function, Word, {value});
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillI2cFunction(QString &text)
{
    const QString name = QStringLiteral("i2c function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (!m_model.i2c1Enabled)
        return Markup::dropSection(text, name);
    if (!I2cSeries.contains(m_model.seriesIndex))
        return false;
    QRegExp rx(QStringLiteral("crm_i2c_clock_select\\(CRM_I2C1,(\\s*\\w+)\\);{,1}"));
    if (Markup::replaceAll(body, rx,
                           QStringLiteral("crm_i2c_clock_select(CRM_I2C1,") + m_model.i2cClockSourceName()
                               + QStringLiteral(");"))
        == 0)
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillUsartLine(QString &body, int usart, bool enabled, const QString &sourceName)
{
    const QString device = QStringLiteral("CRM_USART") + QString::number(usart);
    QRegExp rx(QStringLiteral("  crm_usart_clock_select\\(") + device + QStringLiteral(",(\\s*\\w+)\\);\n"));
    const QString line = enabled ? QStringLiteral("  crm_usart_clock_select(") + device + QStringLiteral(", ")
                                       + sourceName + QStringLiteral(");\n")
                                 : QString();
    return Markup::replaceAll(body, rx, line) > 0;
}

bool SourceGenerator::fillUsartFunction(QString &text)
{
    const QString name = QStringLiteral("usart function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    const ClockTreeModel &m = m_model;
    if (!(m.usart1Enabled || m.usart2Enabled || m.usart3Enabled))
        return Markup::dropSection(text, name);

    if (!fillUsartLine(body, 1, m.usart1Enabled, m.usart1ClockSourceName())
        || !fillUsartLine(body, 2, m.usart2Enabled, m.usart2ClockSourceName()))
        return false;
    if (ThreeUsartSeries.contains(m.seriesIndex) && !fillUsartLine(body, 3, m.usart3Enabled, m.usart3ClockSourceName()))
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillI2sf5Function(QString &text)
{
    const QString name = QStringLiteral("i2sf5 function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    if (!m_model.i2sf5Enabled)
        return Markup::dropSection(text, name);
    if (!Groups::I2sf5Group.contains(m_model.seriesIndex))
        return false;
    if (!Markup::rewriteCall(body, QStringLiteral("crm_i2sf5_clock_select"), SpacedWord,
                             {m_model.i2sf5ClockSourceName()}))
        return false;
    return Markup::replaceSection(text, name, body);
}

bool SourceGenerator::fillCanLine(QString &body, int can, bool enabled, int source)
{
    const QString device = QStringLiteral("CRM_CAN") + QString::number(can);
    QRegExp rx(QStringLiteral("  crm_can_clock_select\\(") + device + QStringLiteral(",(\\s*\\w+)\\);\n"));
    const QString line = enabled ? QStringLiteral("  crm_can_clock_select(") + device + QStringLiteral(", ")
                                       + m_model.canClockSourceName(source) + QStringLiteral(");\n")
                                 : QString();
    return Markup::replaceAll(body, rx, line) > 0;
}

bool SourceGenerator::fillCanFunction(QString &text)
{
    const QString name = QStringLiteral("can function");
    QString body;
    if (!Markup::findSection(text, name, &body))
        return false;
    const ClockTreeModel &m = m_model;
    if (!(m.can1Enabled || m.can2Enabled || m.can3Enabled))
        return Markup::dropSection(text, name);
    if (!fillCanLine(body, 1, m.can1Enabled, m.can1ClockSource))
        return false;
    if (Groups::ThreeCanGroup.contains(m.seriesIndex)
        && (!fillCanLine(body, 2, m.can2Enabled, m.can2ClockSource)
            || !fillCanLine(body, 3, m.can3Enabled, m.can3ClockSource)))
        return false;
    return Markup::replaceSection(text, name, body);
}

// ---------------------------------------------------------------------------
// Configuration header

bool SourceGenerator::fillHextValueDefine(QString &text)
{
    // Only the template's own default is recognised.
    const QString templateHz = Hext12MhzSeries.contains(m_model.seriesIndex) ? QStringLiteral("12000000")
                                                                             : QStringLiteral("8000000");
    QRegExp rx(QStringLiteral("(#define\\s*HEXT_VALUE\\s*)(\\(\\(uint32_t\\)") + templateHz + QStringLiteral("\\))"));
    int at = rx.indexIn(text);
    if (at < 0)
        return false;
    const QString value = QStringLiteral("((uint32_t)") + QString::number(clockHz(m_model.hextMhz)) + QLatin1Char(')');
    while (at >= 0) {
        qCDebug(lcGenerator) << "HEXT_VALUE match:" << rx.cap(0) << "define:" << rx.cap(1);
        const QString replacement = rx.cap(1) + value;
        text.replace(at, rx.matchedLength(), replacement);
        at = rx.indexIn(text, at + replacement.size());
    }
    return true;
}
