#include "CustomListView.h"

CustomListView::CustomListView(QWidget *parent)
    : QListView(parent)
{
}

void CustomListView::focusInEvent(QFocusEvent *event)
{
    emit focusInThis(true);
    QAbstractItemView::focusInEvent(event);
}

void CustomListView::focusOutEvent(QFocusEvent *event)
{
    emit focusInThis(false);
    QAbstractItemView::focusOutEvent(event);
}
