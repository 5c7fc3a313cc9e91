#ifndef PINGRAPHICSVIEW_H
#define PINGRAPHICSVIEW_H

#include <QGraphicsView>
#include <QPoint>

class QGraphicsPixmapItem;

// The view of a clock-tree page: zoom in fixed steps within limits, pan by
// dragging the bare drawing or with the arrow keys, and a zoom reset.
class PinGraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit PinGraphicsView(QWidget *parent = nullptr);

    // The drawing item: only a press on it starts a drag.
    void setPixmapItem(QGraphicsPixmapItem *item);

    double currentScaleFactor() const { return scaleFactor; }
    bool isDragging() const { return dragging; }

    static constexpr double minimumScale = 0.2;
    static constexpr double maximumScale = 5.0;

public slots:
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void zoom(float scaleFactor);
    void translate(QPointF delta);
    void Focus_InControl_Slot(bool flag);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Qt::MouseButton dragButton;
    double panSpeed;
    double zoomDelta;
    bool dragging;
    QPoint lastMousePos;
    double scaleFactor;
    bool controlFocused;
    QGraphicsPixmapItem *pixmapItem;
};

#endif // PINGRAPHICSVIEW_H
