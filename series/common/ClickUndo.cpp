#include "ClickUndo.h"

#include "KytoMCUPLL.h"
#include "PageMessages.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <vector>

ClickUndo::ClickUndo(KytoMCUPLL *ownerPage, PageMessages &pageMessages)
    : page(ownerPage)
    , messages(pageMessages)
    , modelBefore(*ownerPage->model)
{
}

// The controls and their holders (a List pop-out's visibility is its
// holder's); a combo's own drop-down parts are no part of the design.
QVector<QWidget *> ClickUndo::controls() const
{
    QVector<QWidget *> found;
    QWidget *layer = page->findChild<QWidget *>(QStringLiteral("controlLayer"), Qt::FindDirectChildrenOnly);
    if (!layer)
        return found;
    const QList<QWidget *> all = layer->findChildren<QWidget *>();
    found.reserve(all.size());
    for (QWidget *w : all) {
        if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QLabel *>(w) && !qobject_cast<QComboBox *>(w)
            && !qobject_cast<QAbstractButton *>(w) && !qobject_cast<QDialog *>(w))
            continue;
        bool inCombo = false;
        for (QWidget *up = w->parentWidget(); up && up != layer && !inCombo; up = up->parentWidget())
            inCombo = qobject_cast<QComboBox *>(up) != nullptr;
        if (!inCombo)
            found << w;
    }
    return found;
}

QVector<ClickUndo::Look> ClickUndo::capture() const
{
    const QVector<QWidget *> widgets = controls();
    QVector<Look> looks;
    looks.reserve(widgets.size());
    for (QWidget *w : widgets) {
        Look look;
        look.widget = w;
        look.enabled = !w->testAttribute(Qt::WA_ForceDisabled);
        look.hidden = w->isHidden();
        look.style = w->styleSheet();
        look.ownPalette = w->testAttribute(Qt::WA_SetPalette);
        if (look.ownPalette)
            look.palette = w->palette();
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            look.text = e->text();
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            look.text = l->text();
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            look.index = c->currentIndex();
            look.items.reserve(c->count());
            for (int i = 0; i < c->count(); ++i)
                look.items << c->itemText(i);
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            look.checked = b->isChecked();
        }
        looks << look;
    }
    return looks;
}

void ClickUndo::settle()
{
    settled.clear();
    for (QWidget *w : controls()) {
        if (auto *c = qobject_cast<QComboBox *>(w))
            settled.insert(c, c->currentIndex());
        else if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable())
            settled.insert(b, b->isChecked() ? 1 : 0);
    }
}

// The clicked combo or radio group shows its new choice already; before the
// click it showed what the last click left.
void ClickUndo::takeTriggerFromSettled(QVector<Look> &looks, QObject *clicked) const
{
    QList<QObject *> changed;
    if (qobject_cast<QComboBox *>(clicked)) {
        changed << clicked;
    } else if (auto *b = qobject_cast<QAbstractButton *>(clicked); b && b->isCheckable()) {
        if (b->group()) {
            for (QAbstractButton *member : b->group()->buttons())
                changed << member;
        } else {
            changed << b;
        }
    }
    for (QObject *c : changed) {
        const auto was = settled.constFind(c);
        if (was == settled.constEnd())
            continue;
        for (Look &look : looks) {
            if (look.widget != c)
                continue;
            if (qobject_cast<QComboBox *>(c))
                look.index = *was;
            else
                look.checked = *was != 0;
        }
    }
}

void ClickUndo::restore(const QVector<Look> &looks) const
{
    // Held for the whole: a radio checked again unchecks its neighbour,
    // which must not run that neighbour's slot either.
    std::vector<QSignalBlocker> held;
    held.reserve(static_cast<size_t>(looks.size()));
    for (const Look &look : looks) {
        if (look.widget)
            held.emplace_back(look.widget.data());
    }
    for (const Look &look : looks) {
        QWidget *w = look.widget;
        if (!w)
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (e->text() != look.text)
                e->setText(look.text);
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->text() != look.text)
                l->setText(look.text);
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            QStringList items;
            for (int i = 0; i < c->count(); ++i)
                items << c->itemText(i);
            if (items != look.items) {
                c->clear();
                c->addItems(look.items);
            }
            if (c->currentIndex() != look.index)
                c->setCurrentIndex(look.index);
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            // The one checked before goes back in; an exclusive group
            // unchecks the rest with it.
            if (look.checked && !b->isChecked())
                b->setChecked(true);
        }
        if (w->testAttribute(Qt::WA_ForceDisabled) == look.enabled)
            w->setEnabled(look.enabled);
        if (w->isHidden() != look.hidden)
            w->setHidden(look.hidden);
        if (w->styleSheet() != look.style)
            w->setStyleSheet(look.style);
        if (look.ownPalette && (!w->testAttribute(Qt::WA_SetPalette) || w->palette() != look.palette
                                || w->palette().resolve() != look.palette.resolve()))
            w->setPalette(look.palette);
    }
    // Buttons outside an exclusive group (and one left unchecked) follow
    // once the checked ones are in.
    for (const Look &look : looks) {
        auto *b = qobject_cast<QAbstractButton *>(look.widget.data());
        if (b && b->isChecked() != look.checked) {
            const bool exclusive = b->group() && b->group()->exclusive();
            if (exclusive && !look.checked) {
                b->group()->setExclusive(false);
                b->setChecked(false);
                b->group()->setExclusive(true);
            } else {
                b->setChecked(look.checked);
            }
        }
    }
}

bool ClickUndo::refused() const
{
    return clicking && messages.refusals() != refusalsBefore;
}

void ClickUndo::begin(QObject *clicked)
{
    trigger = clicked;
    clicking = true;
    messages.beginClick();
    refusalsBefore = messages.refusals();
    modelBefore = *page->model;
    looksBefore = capture();
    takeTriggerFromSettled(looksBefore, clicked);
    keptBefore.clear();
    for (const auto &keeper : keepers)
        keptBefore << keeper();
}

void ClickUndo::dropTextOfUnreachableEdits() const
{
    if (!typedEdits)
        return;
    for (const Readouts::TypedEdit &typed : typedEdits()) {
        if ((!typed.edit->isEnabled() || typed.edit->isHidden()) && typed.pending())
            typed.showModel();
    }
}

void ClickUndo::end()
{
    if (messages.refusals() != refusalsBefore) {
        *page->model = modelBefore;
        for (const auto &put : keptBefore)
            put();
        restore(looksBefore);
    } else {
        dropTextOfUnreachableEdits();
        if (afterClick)
            afterClick();
    }
    looksBefore.clear();
    keptBefore.clear();
    // The radio left by a switch reports first; its group settles once the
    // chosen radio has had its slot.
    auto *left = qobject_cast<QAbstractButton *>(trigger);
    if (!(left && left->isCheckable() && !left->isChecked()))
        settle();
    trigger = nullptr;
    clicking = false;
    messages.endClick();
}

ClickUndo::Guard::Guard(ClickUndo &pageUndo, QObject *trigger)
    : undo(pageUndo)
{
    outermost = undo.depth == 0 && !undo.messages.isQuiet();
    ++undo.depth;
    if (outermost)
        undo.begin(trigger);
}

ClickUndo::Guard::~Guard()
{
    if (outermost)
        undo.end();
    --undo.depth;
}

ClickUndo::Batch::Batch(ClickUndo &pageUndo)
    : undo(pageUndo)
{
    ++undo.depth;
}

ClickUndo::Batch::~Batch()
{
    if (--undo.depth == 0)
        undo.settle();
}

ClickUndo::Reset::Reset(ClickUndo &pageUndo, PageMessages &messages, const QVector<Readouts::TypedEdit> &typed)
    : batch(pageUndo)
    , quiet(std::in_place, messages)
{
    Readouts::discardPendingEdits(typed);
}
