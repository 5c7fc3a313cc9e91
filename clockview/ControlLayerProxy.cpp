#include "ControlLayerProxy.h"

#include <QWidget>

ControlLayerProxy::ControlLayerProxy()
{
    setZValue(-1);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
}

void ControlLayerProxy::follow(QGraphicsProxyWidget *childProxy)
{
    cover(childProxy->geometry());
    connect(childProxy, &QGraphicsWidget::geometryChanged, this, [this, childProxy] { cover(childProxy->geometry()); });
}

void ControlLayerProxy::cover(const QRectF &area)
{
    QWidget *layer = widget();
    const QRect wanted = area.toAlignedRect();
    if (!layer || layer->rect().contains(wanted))
        return;
    layer->resize(layer->rect().united(wanted).size());
}

QPainterPath ControlLayerProxy::shape() const
{
    return QPainterPath();
}

void ControlLayerProxy::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *)
{
}
