#include "PeripheralLists.h"

#include "KytoMCUPLL.h"
#include "PageStyles.h"

#include <QDialog>
#include <QIcon>
#include <QPushButton>

PeripheralLists::PeripheralLists(bool giveFocusOnClose)
    : giveFocus(giveFocusOnClose)
{
}

QPushButton *PeripheralLists::add(KytoMCUPLL *page, const QString &name, const QStringList &contents,
                                  const QPoint &buttonAt, const QPoint &listAt, int listNumber, int spacing)
{
    QPushButton *button = page->addListButton(buttonAt.x(), buttonAt.y(), 9);
    button->setObjectName(name + QStringLiteral("_List_Button"));
    QWidget *list = page->addLabelList(contents, listAt.x(), listAt.y(), listNumber, spacing);
    list->setObjectName(name + QStringLiteral("_List"));
    list->hide();
    buttons << button;
    lists << list;
    return button;
}

void PeripheralLists::close(int which)
{
    lists[which]->hide();
    buttons[which]->setIcon(QIcon(PageStyles::listClosedIcon()));
}

void PeripheralLists::toggle(int which)
{
    if (which < 0 || which >= lists.size())
        return;
    if (!lists[which]->isHidden()) {
        close(which);
    } else {
        lists[which]->show();
        buttons[which]->setIcon(QIcon(PageStyles::listOpenIcon()));
    }
    for (int i = 0; i < lists.size(); ++i) {
        if (i != which && !lists[i]->isHidden())
            close(i);
    }
}

void PeripheralLists::closeAll()
{
    for (int i = 0; i < lists.size(); ++i) {
        if (lists[i]->isHidden())
            continue;
        close(i);
        if (giveFocus)
            buttons[i]->setFocus(Qt::MouseFocusReason);
    }
}
