#ifndef CONTROLLAYERPROXY_H
#define CONTROLLAYERPROXY_H

#include <QGraphicsProxyWidget>
#include <QPainterPath>
#include <QRectF>

// The proxy of a page's control layer: the one window embedded in the scene,
// whose children are the control holders, each shown by a proxy of its own.
//
// Qt collects what a holder repaints in the layer, clipped to the layer's
// size, and hands it to this proxy in layer coordinates (which are scene
// coordinates); the proxy passes it on to the view. So the layer spans the
// area its children are in, or their changes would never reach the screen.
// The layer itself shows nothing and takes no input: its children are
// painted and reached through their own proxies.
class ControlLayerProxy : public QGraphicsProxyWidget
{
public:
    ControlLayerProxy();

    // Keeps the layer over the proxy of one of its children, wherever that
    // moves or grows.
    void follow(QGraphicsProxyWidget *childProxy);

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    // Widens the layer to `area` (scene coordinates).
    void cover(const QRectF &area);
};

#endif // CONTROLLAYERPROXY_H
