#include "ClickUndo.h"

#include "PageMessages.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <vector>

ClickUndo::ClickUndo(ClockTreeModel *pageModel, const PageMessages &pageMessages, const QVector<QLineEdit *> &shown)
    : model(pageModel)
    , messages(pageMessages)
    , saved(*pageModel)
{
    for (QLineEdit *edit : shown)
        edits.append({edit, edit->text(), edit->isEnabled(), edit->styleSheet()});
}

bool ClickUndo::takeBack(QRadioButton *previous, const std::function<void()> &redraw) const
{
    if (messages.isQuiet())
        return false;
    *model = saved;
    if (previous && !previous->isChecked()) {
        QList<QAbstractButton *> group{previous};
        if (previous->group())
            group = previous->group()->buttons();
        std::vector<QSignalBlocker> held;
        held.reserve(static_cast<size_t>(group.size()));
        for (QAbstractButton *button : group)
            held.emplace_back(button);
        previous->setChecked(true);
    }
    if (redraw)
        redraw();
    // The text first: its text-changed slot restyles it, and the look it
    // had is put back after that.
    for (const EditLook &look : edits) {
        if (look.edit->text() != look.text)
            look.edit->setText(look.text);
        look.edit->setEnabled(look.enabled);
        look.edit->setStyleSheet(look.style);
    }
    return true;
}
