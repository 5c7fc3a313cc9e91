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
    , edits(shown)
{
    for (QLineEdit *edit : edits)
        texts << edit->text();
}

bool ClickUndo::takeBack(QRadioButton *previous) const
{
    if (messages.isQuiet())
        return false;
    *model = saved;
    // The model first: an edit's text-changed slot styles the text against it.
    for (int i = 0; i < edits.size(); ++i) {
        if (edits[i]->text() != texts[i])
            edits[i]->setText(texts[i]);
    }
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
    return true;
}
