#ifndef KYTOMCUPLL_H
#define KYTOMCUPLL_H

#include "DesignFileReader.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class ClockTreeModel;
class ControlLayerProxy;
class CustomComboBox1;
class PageDrawing;
class PinGraphicsView;
class QDialog;
class QGraphicsPixmapItem;
class QGraphicsProxyWidget;
class QGraphicsScene;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Base of every series page: the series' clock model, the scene with its
// clock-tree drawing, the zoomable view, and the factories that place the
// controls over the drawing at scene (= drawing pixel) coordinates, so that
// every control on every page has the same look.
class KytoMCUPLL : public QWidget
{
    Q_OBJECT
public:
    KytoMCUPLL(int seriesIndex, QWidget *parent);
    ~KytoMCUPLL() override;

    CustomComboBox1 *addComboBox(int x, int y, int width, int z);
    CustomComboBox1 *addComboBoxWithProxy(int x, int y, int width, int z, QGraphicsProxyWidget **proxyOut);
    QLineEdit *addLineEdit(QString text, int x, int y, int maxWidth);
    QLineEdit *addLineEditWithProxy(QString text, int x, int y, QGraphicsProxyWidget **proxyOut);
    QLabel *addLabel(QString text, int x, int y, int pointSize, int weight);
    QLabel *addLabelWithProxy(QString text, int x, int y, int pointSize, int weight, QGraphicsProxyWidget **proxyOut);
    QRadioButton *addRadioButton(int x, int y);
    QLineEdit *addReadOnlyLineEdit(int x, int y, int pointSize);
    QLineEdit *addLabeledReadOnlyLineEdit(QString label, int x, int y, int pointSize);
    QPushButton *addListButton(int x, int y, int pointSize);
    // Returns the holder of the pop-out list, which the page shows and hides.
    QDialog *addLabelList(QStringList names, int x, int y, int listNumber, int spacing);

    // Puts the drawing on the scene, waiting for its decode if it still runs.
    // Whoever creates a page calls it once the page is built; a page that is
    // shown or polished first does it itself.
    void showDrawing();

    void setTextColor(QWidget *w, QColor c);
    void setEditTextColor(QWidget *w, QColor c);

    void zoomIn();
    void zoomOut();
    void zoomReset();

    // One value of a design file: the text of the first direct child of the
    // root element named exactly key; empty when the file cannot be read or
    // parsed or has no such element. Only regular files up to
    // maximumDesignFileSize bytes are read (see DesignFileReader).
    static QString readConfigValue(QString file, QString key);
    // Every value of a design file by key, read in one pass; a page's load
    // takes its keys from here.
    static QHash<QString, QString> readConfigValues(QString file);
    static const qint64 maximumDesignFileSize = DesignFileReader::maximumFileSize;

    // The drawing resource of a series index; empty for an index without one.
    static QString bitmapResource(int seriesIndex);

    PinGraphicsView *view;
    QGraphicsScene *scene;
    ClockTreeModel *model;
    bool hextEnabled;

protected:
    bool event(QEvent *event) override;

private:
    // The common frame of every factory: a holder for one control, made
    // first, then put on the scene at (x, y) with the control in it.
    QDialog *newHolder();
    QGraphicsProxyWidget *placeOnScene(QDialog *holder, QWidget *control, int x, int y);

    // The parent of every control holder, and its proxy; see the constructor.
    QWidget *controlLayer;
    ControlLayerProxy *controlLayerProxy;

    QGraphicsPixmapItem *drawingItem;
    // Until showDrawing(): the drawing being decoded.
    std::unique_ptr<PageDrawing> pendingDrawing;
};

#endif // KYTOMCUPLL_H
