#include "PinGraphicsView.h"

#include <QGraphicsPixmapItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

PinGraphicsView::PinGraphicsView(QWidget *parent)
    : QGraphicsView(parent),
      dragButton(Qt::LeftButton),
      panSpeed(1.0),
      zoomDelta(0.03),
      dragging(false),
      lastMousePos(0, 0),
      scaleFactor(1.0),
      controlFocused(false),
      pixmapItem(nullptr)
{
    setRenderHint(QPainter::Antialiasing);
    centerOn(QPointF(0, 0));
}

void PinGraphicsView::setPixmapItem(QGraphicsPixmapItem *item)
{
    pixmapItem = item;
}

void PinGraphicsView::zoomIn()
{
    zoom(float(1 + zoomDelta));
}

void PinGraphicsView::zoomOut()
{
    zoom(float(1 - zoomDelta));
}

void PinGraphicsView::zoom(float f)
{
    const double prospective = transform().scale(f, f).mapRect(QRectF(0, 0, 1, 1)).width();
    if (prospective < minimumScale || prospective > maximumScale)
        return;
    scale(f, f);
    scaleFactor *= f;
}

void PinGraphicsView::translate(QPointF delta)
{
    const double dx = delta.x() * scaleFactor * panSpeed;
    const double dy = delta.y() * scaleFactor * panSpeed;

    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    const QRect area = viewport()->rect();
    const QPoint centre(int(area.width() / 2 - dx), int(area.height() / 2 - dy));
    centerOn(mapToScene(centre));
    setTransformationAnchor(QGraphicsView::AnchorViewCenter);
}

void PinGraphicsView::zoomReset()
{
    setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    const QTransform t = transform();
    setTransform(QTransform(1.0, t.m12(), t.m21(), 1.0, t.dx(), t.dy()));
    scaleFactor = 1.0;
}

void PinGraphicsView::Focus_InControl_Slot(bool flag)
{
    controlFocused = flag;
}

void PinGraphicsView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == dragButton && pixmapItem && scene()
        && scene()->itemAt(mapToScene(event->pos()), transform()) == pixmapItem) {
        dragging = true;
        viewport()->setCursor(Qt::OpenHandCursor);
        lastMousePos = event->pos();
    }
    QGraphicsView::mousePressEvent(event);
}

void PinGraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging) {
        const QPointF p0 = mapToScene(lastMousePos);
        const QPointF p1 = mapToScene(event->pos());
        translate(p1 - p0);
    }
    lastMousePos = event->pos();
    QGraphicsView::mouseMoveEvent(event);
}

void PinGraphicsView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == dragButton) {
        dragging = false;
        viewport()->setCursor(Qt::ArrowCursor);
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void PinGraphicsView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier) {
        if (event->angleDelta().y() > 0)
            zoom(float(1 + zoomDelta));
        else
            zoom(float(1 - zoomDelta));
    }
    QGraphicsView::wheelEvent(event);
}

void PinGraphicsView::keyPressEvent(QKeyEvent *event)
{
    // An open drop-down list takes the arrow keys as in any combo box.
    if (controlFocused) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Plus:
        zoom(float(1 + zoomDelta));
        break;
    case Qt::Key_Minus:
        zoom(float(1 - zoomDelta));
        break;
    case Qt::Key_Left:
        translate(QPointF(-2, 0));
        break;
    case Qt::Key_Up:
        translate(QPointF(0, -2));
        break;
    case Qt::Key_Right:
        translate(QPointF(2, 0));
        break;
    case Qt::Key_Down:
        translate(QPointF(0, 2));
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        break;
    }
}
