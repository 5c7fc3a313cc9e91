#ifndef CLICKUNDO_H
#define CLICKUNDO_H

#include "ClockTreeModel.h"

#include <QStringList>
#include <QVector>

#include <functional>

class PageMessages;
class QLineEdit;
class QRadioButton;

// What a page held before one click, so that the click can be taken back
// whole when a check it runs stops it (a question answered Cancel, a typed
// factor refused): the model returns to its earlier state, a radio that
// the click checked gives way to the one checked before without running any
// slot, the page redraws its paths from the controls, and the edits named
// show their earlier text, enabled state and style again.
//
//   const ClickUndo undo(model, messages, {pllmsEdit, pllnsEdit, sclkEdit});
//   ... store the choice, take HEXT ...
//   if (!checkPllSettings()) {
//       undo.takeBack(radioOfSource(undo.before().sclkSource), [this] { highlightClockPaths(); });
//       return;
//   }
//
// A design file applied key by key passes through states it never holds
// and is checked once at its end; while the page's messages are quiet
// nothing is taken back.
class ClickUndo
{
public:
    ClickUndo(ClockTreeModel *model, const PageMessages &messages, const QVector<QLineEdit *> &edits = {});

    const ClockTreeModel &before() const { return saved; }

    // False, with nothing changed, while the messages are quiet.
    bool takeBack(QRadioButton *previous = nullptr, const std::function<void()> &redraw = {}) const;

private:
    struct EditLook {
        QLineEdit *edit;
        QString text;
        bool enabled;
        QString style;
    };

    ClockTreeModel *model;
    const PageMessages &messages;
    ClockTreeModel saved;
    QVector<EditLook> edits;
};

#endif // CLICKUNDO_H
