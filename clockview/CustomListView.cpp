#include "CustomListView.h"

#include <QKeyEvent>

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

// A list closing inside the scene never gets its focus-out: the view would
// go on handing it the arrow keys, and they scrolled the drawing instead of
// panning it.
void CustomListView::hideEvent(QHideEvent *event)
{
    emit focusInThis(false);
    QListView::hideEvent(event);
}

void CustomListView::keyPressEvent(QKeyEvent *event)
{
    QListView::keyPressEvent(event);
    // A key that cannot move past the first or last row is ignored by the
    // list and went on to the page's view, which scrolled the drawing.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        event->accept();
        break;
    default:
        break;
    }
}
