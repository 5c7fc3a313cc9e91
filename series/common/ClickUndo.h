#ifndef CLICKUNDO_H
#define CLICKUNDO_H

#include "ClockTreeModel.h"
#include "PageMessages.h"
#include "Readouts.h"

#include <QHash>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

class KytoMCUPLL;
class QObject;
class QWidget;

// One click on a page is applied whole or taken back whole. Every slot that
// acts on a click (a combo, a radio, a List button, Return in an edit)
// opens a Guard first; the outermost guard of a nesting (slots that change
// other controls run theirs inside it) keeps what the page held before the
// click: the model, every control's text, index, items, check, enabled and
// hidden state, style sheet and colours, and the page's own members named
// with keep(). When a check during the click stops it (an error box shown,
// a question answered Cancel: PageMessages counts them), the guard puts all
// of that back as it was, with signals held, so no slot runs; the paths
// drawn are control styles and come back with them. A click that stands
// ends with the page's after-click step (a typed edit's style follows
// whether its text is what the model now holds). A typed edit that such a
// click greys or hides shows the model's value again, as a reset would: the
// user can no longer mend its text, so no later click may be refused for it.
//
//   ClickUndo undo{this, messages};                      // a member of the page
//   undo.keep(hextEnabled);
//   undo.setAfterClick([this] { restyleTypedEdits(); });
//   undo.setTypedEdits([this] { return factors.pageEditsAsShown(hext, sclk); });
//
//   void Page::onPllMultChanged(int)
//   {
//       const ClickUndo::Guard click(undo, sender());
//       model->pllMult = ...;
//       if (!takeOverHext())      // "hext input error!": the combo goes back too
//           return;
//       ...
//   }
//
// A combo's index and a radio's check have changed before their slot runs;
// the guard takes the clicked control's earlier state from the page as it
// stood after the last click (settle()). Reset and Open run in a Batch, a
// scope that takes nothing back and ends settled (a Reset is one with what a
// reset needs besides). While the messages are
// quiet (a design file applied key by key) nothing is kept or taken back.
class ClickUndo
{
public:
    ClickUndo(KytoMCUPLL *page, PageMessages &messages);
    ClickUndo(const ClickUndo &) = delete;
    ClickUndo &operator=(const ClickUndo &) = delete;

    // A member of the page, not a widget, that a click may change.
    template <class T>
    void keep(T &member)
    {
        keepers.append([&member] {
            const T value = member;
            return std::function<void()>([&member, value] { member = value; });
        });
    }
    void setAfterClick(const std::function<void()> &step) { afterClick = step; }
    // The page's typed edits (pending and showModel are used).
    void setTypedEdits(const std::function<QVector<Readouts::TypedEdit>()> &edits) { typedEdits = edits; }

    // The combos' indexes and the radios' checks as they stand now are where
    // the next click starts from.
    void settle();

    // A click is under way: a refusal now takes it back whole.
    bool inClick() const { return clicking; }
    // A check has already stopped the click under way: it is taken back
    // whole, and a later check of it need not say so again.
    bool refused() const;

    class Guard
    {
    public:
        // trigger: the control whose signal runs the slot (the slot's
        // sender()); nullptr for a slot called directly.
        Guard(ClickUndo &undo, QObject *trigger);
        ~Guard();
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        ClickUndo &undo;
        bool outermost = false;
    };

    class Batch
    {
    public:
        explicit Batch(ClickUndo &undo);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        ClickUndo &undo;
    };

    // New and Config Reset: a Batch that throws the typed values away
    // unasked and keeps the page's messages quiet while the controls go back
    // one at a time, since the slots they run see designs that are neither
    // the old one nor the defaults. speak() before the one check of the
    // defaults the reset ends on.
    class Reset
    {
    public:
        Reset(ClickUndo &undo, PageMessages &messages, const QVector<Readouts::TypedEdit> &typed);
        void speak() { quiet.reset(); }

    private:
        Batch batch;
        std::optional<PageMessages::QuietScope> quiet;
    };

private:
    struct Look {
        QPointer<QWidget> widget;
        bool enabled = true;
        bool hidden = false;
        bool ownPalette = false;
        QString style;
        QPalette palette;
        QString text;
        QStringList items;
        int index = -1;
        bool checked = false;
    };

    QVector<QWidget *> controls() const;
    QVector<Look> capture() const;
    void takeTriggerFromSettled(QVector<Look> &looks, QObject *trigger) const;
    void restore(const QVector<Look> &looks) const;
    void dropTextOfUnreachableEdits() const;
    void begin(QObject *trigger);
    void end();

    KytoMCUPLL *page;
    PageMessages &messages;
    QVector<std::function<std::function<void()>()>> keepers;
    std::function<void()> afterClick;
    std::function<QVector<Readouts::TypedEdit>()> typedEdits;

    int depth = 0;
    QObject *trigger = nullptr;
    bool clicking = false;
    int refusalsBefore = 0;
    ClockTreeModel modelBefore;
    QVector<Look> looksBefore;
    QVector<std::function<void()>> keptBefore;

    // What the last click left: combo index or radio check by control.
    QHash<const QObject *, int> settled;
};

#endif // CLICKUNDO_H
