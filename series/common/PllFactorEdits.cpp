#include "PllFactorEdits.h"

#include "ClockTreeModel.h"
#include "KytoMCUPLL.h"
#include "PageMessages.h"
#include "PageStyles.h"
#include "Readouts.h"
#include "SeriesGroups.h"

#include <QColor>
#include <QLineEdit>
#include <QRegExp>
#include <QRegExpValidator>
#include <QScopedValueRollback>

namespace {

const int kMsFirst = 1, kMsLast = 15;
const int kNsFirst = 31, kNsLast = 500;

const char *const kBuiltStyle =
    "border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kInUseStyle =
    "border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;";
const char *const kUnusedStyle =
    "border-style: outset; border-width: 1px; border-color: gray;border-radius:1px;padding:1px 2px;";
const char *const kAppliedStyle =
    "background: rgb(255, 255, 255); border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kPendingStyle =
    "background: rgb(255, 255, 225); border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";

QChar prefixOf(PllFactorEdits::Factor factor)
{
    return factor == PllFactorEdits::Ms ? QLatin1Char('/') : QLatin1Char('*');
}

} // namespace

const char *const PllFactorEdits::msInputError = QT_TRANSLATE_NOOP("PllFactorEdits", "pll_ms input error!");
const char *const PllFactorEdits::nsInputError = QT_TRANSLATE_NOOP("PllFactorEdits", "pll_ns input error!");
const char *const PllFactorEdits::msQuestion = QT_TRANSLATE_NOOP(
    "PllFactorEdits",
    "pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n"
    "2MHz <= pll_input / pll_ms <= 16MHz");
const char *const PllFactorEdits::nsQuestionTo1200 = QT_TRANSLATE_NOOP(
    "PllFactorEdits",
    "pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n"
    "500MHz <= pll_input * pll_ns / pll_ms <= 1200MHz");
const char *const PllFactorEdits::nsQuestionTo1000 = QT_TRANSLATE_NOOP(
    "PllFactorEdits",
    "pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n"
    "500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz");

PllFactorEdits::PllFactorEdits(KytoMCUPLL *ownerPage, PageMessages &pageMessages)
    : page(ownerPage)
    , messages(pageMessages)
{
}

void PllFactorEdits::configure(QLineEdit *edit, Factor factor)
{
    edit->setObjectName(factor == Ms ? QStringLiteral("pllms_LineEdit") : QStringLiteral("pllns_LineEdit"));
    edit->setFixedHeight(25);
    edit->setStyleSheet(QString::fromLatin1(kBuiltStyle));
    const QString pattern = factor == Ms ? QStringLiteral("[\\/]?[0-9]+$") : QStringLiteral("[*]?[0-9]+$");
    edit->setValidator(new QRegExpValidator(QRegExp(pattern), edit));
}

void PllFactorEdits::attach(QLineEdit *ms, QLineEdit *ns)
{
    msEdit = ms;
    nsEdit = ns;
}

int PllFactorEdits::readFactor(const QString &text, Factor factor)
{
    const QString digits = text.startsWith(prefixOf(factor)) ? text.mid(1) : text;
    bool ok = false;
    const int value = digits.toInt(&ok, 10);
    return ok ? value : 0;
}

QString PllFactorEdits::factorText(int value, Factor factor)
{
    return QString(prefixOf(factor)) + QString::number(value);
}

bool PllFactorEdits::inRange(int value, Factor factor)
{
    return factor == Ms ? value >= kMsFirst && value <= kMsLast : value >= kNsFirst && value <= kNsLast;
}

DesignKeyTable::Row PllFactorEdits::designKey(const QString &key, Factor factor, int *field) const
{
    const int lowest = factor == Ms ? kMsFirst : kNsFirst;
    auto accepts = [factor](const QString &text) {
        bool ok = false;
        const int value = text.toInt(&ok, 10);
        return ok && inRange(value, factor);
    };
    const DesignKeyTable::Row row = DesignKeyTable::text(key, [field] { return QString::number(*field); },
                                                         [this, factor, field, lowest, accepts](const QString &text) {
        const bool valid = accepts(text);
        *field = valid ? text.toInt(nullptr, 10) : lowest;
        edit(factor)->setText(QString(prefixOf(factor)) + (valid ? text : QString::number(lowest)));
    });
    return DesignKeyTable::told(row, factor == Ms ? msInputError : nsInputError, accepts);
}

int PllFactorEdits::typed(Factor factor) const
{
    return readFactor(edit(factor)->text(), factor);
}

int PllFactorEdits::modelValue(Factor factor) const
{
    return factor == Ms ? page->model->pllMs : page->model->pllNs;
}

void PllFactorEdits::store(Factor factor, int value)
{
    if (factor == Ms)
        page->model->pllMs = value;
    else
        page->model->pllNs = value;
}

void PllFactorEdits::restyle(Factor factor, const QString &text)
{
    QLineEdit *e = edit(factor);
    if (!e->isEnabled())
        return;
    if (!text.startsWith(prefixOf(factor)))
        e->setText(QString(prefixOf(factor)) + text);
    const int n = readFactor(text, factor);
    const bool applied = QString::number(n) == QString::number(modelValue(factor));
    PageStyles::set(e, QString::fromLatin1(applied ? kAppliedStyle : kPendingStyle));
    page->setEditTextColor(e, inRange(n, factor) ? QColor(Qt::black) : QColor(Qt::red));
}

void PllFactorEdits::restyle(Factor factor)
{
    restyle(factor, edit(factor)->text());
}

bool PllFactorEdits::acceptTyped(Factor factor) const
{
    if (inRange(typed(factor), factor))
        return true;
    messages.showError(messages.text(factor == Ms ? msInputError : nsInputError));
    return false;
}

const char *PllFactorEdits::nsQuestion() const
{
    return SeriesGroups::Vco1200Group.contains(page->model->seriesIndex) ? nsQuestionTo1200 : nsQuestionTo1000;
}

bool PllFactorEdits::checkTyped()
{
    ClockTreeModel *model = page->model;
    const int msBefore = model->pllMs;
    int ms = typed(Ms);
    if (!acceptTyped(Ms))
        return false;
    int suggested = 0;
    if (model->fixPllMs(ms, suggested)) {
        store(Ms, ms);
    } else {
        // A design being applied key by key is not asked about: its closing
        // check asks once about the whole design.
        if (messages.isQuiet() || !messages.askFactor(messages.text(msQuestion)))
            return false;
        store(Ms, suggested);
        msEdit->setText(factorText(suggested, Ms));
        ms = suggested;
    }

    const int ns = typed(Ns);
    if (!acceptTyped(Ns)) {
        takeBackMs(msBefore);
        return false;
    }
    if (model->fixPllNs(ns, ms, suggested)) {
        store(Ns, ns);
    } else {
        if (messages.isQuiet() || !messages.askFactor(messages.text(nsQuestion()))) {
            takeBackMs(msBefore);
            return false;
        }
        store(Ns, suggested);
        nsEdit->setText(factorText(suggested, Ns));
    }
    if (const std::shared_ptr<ActionFactors> confirming = action.lock())
        confirming->taken = true;
    return true;
}

void PllFactorEdits::takeBackMs(int msBefore)
{
    if (confirmingForAction)
        store(Ms, msBefore);
}

Readouts::TypedEdit PllFactorEdits::shownEdit(Factor factor)
{
    Readouts::TypedEdit typed;
    typed.edit = edit(factor);
    typed.pending = [this, factor] { return pending(factor); };
    typed.showModel = [this, factor] { edit(factor)->setText(factorText(modelValue(factor), factor)); };
    return typed;
}

QVector<Readouts::TypedEdit> PllFactorEdits::typedEdits()
{
    const auto taken = std::make_shared<ActionFactors>();
    action = taken;
    QVector<Readouts::TypedEdit> edits;
    for (Factor factor : {Ms, Ns}) {
        Readouts::TypedEdit typed = shownEdit(factor);
        typed.settled = [taken] { return taken->taken; };
        // Confirming for an action, a refused pll_ns takes back the pll_ms
        // stored with it: the typed pll_ms stays pending, the action stops
        // there, and nothing after it asks the same question again.
        typed.confirm = [this, factor] {
            const QScopedValueRollback<bool> confirming(confirmingForAction, true);
            emit edit(factor)->returnPressed();
        };
        edits << typed;
    }
    return edits;
}

QVector<Readouts::TypedEdit> PllFactorEdits::pageEdits(QLineEdit *hextEdit, QLineEdit *sclkEdit)
{
    const ClockTreeModel *model = page->model;
    return QVector<Readouts::TypedEdit>{Readouts::typedEdit(hextEdit, model->hextMhz, 5)}
           << typedEdits() << Readouts::typedEdit(sclkEdit, model->sclkMhz, 3);
}

QVector<Readouts::TypedEdit> PllFactorEdits::pageEditsAsShown(QLineEdit *hextEdit, QLineEdit *sclkEdit)
{
    const ClockTreeModel *model = page->model;
    return {Readouts::typedEdit(hextEdit, model->hextMhz, 5), shownEdit(Ms), shownEdit(Ns),
            Readouts::typedEdit(sclkEdit, model->sclkMhz, 3)};
}

void PllFactorEdits::showModel()
{
    msEdit->setText(factorText(page->model->pllMs, Ms));
    nsEdit->setText(factorText(page->model->pllNs, Ns));
}

void PllFactorEdits::setInUse(bool on)
{
    for (QLineEdit *e : {msEdit, nsEdit}) {
        PageStyles::set(e, QString::fromLatin1(on ? kInUseStyle : kUnusedStyle));
        e->setEnabled(on);
    }
}
