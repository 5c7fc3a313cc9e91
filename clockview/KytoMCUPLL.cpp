#include "KytoMCUPLL.h"

#include "ClockTreeModel.h"
#include "ControlLayerProxy.h"
#include "CustomComboBox1.h"
#include "CustomListView.h"
#include "PageDrawing.h"
#include "PinGraphicsView.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

const char *const verticalScrollBarSheet =
    "QScrollBar{background:rgb(217, 233, 246); width: 12px;}"
    "QScrollBar::handle{background:rgb(36, 183, 181); border:2px solid transparent; border-radius:5px;}"
    "QScrollBar::handle:hover{background:rgb(36, 183, 181);}"
    "QScrollBar::sub-line{background:transparent;}"
    "QScrollBar::add-line{background:transparent;}";

QFont arial(int pointSize, int weight)
{
    return QFont(QStringLiteral("Arial"), pointSize, weight);
}

// The frame of one control on the scene. It lives as a plain child of the
// page's control layer: as a window of its own, each control would cost a
// platform window. What a dialog does when it is shown (default button,
// focus hand-over, ending a modal loop) belongs to windows and stays out,
// and so do its keys: Escape in a control would "reject" the holder and
// take the control off the page.
class ControlHolder : public QDialog
{
public:
    explicit ControlHolder(QWidget *page)
        : QDialog(page, Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    {
    }

    void setVisible(bool visible) override
    {
        QWidget::setVisible(visible);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QWidget::keyPressEvent(event);
    }
};

// A page leaves a few MB of freed heap behind, scattered among what lives
// on, and the C library keeps it: after some New cycles the program holds
// far more memory than it uses. Hand it back once the new page is built
// (the trim takes a few ms, so it waits for the event loop).
void returnFreedMemoryLater()
{
#if defined(Q_OS_LINUX) && defined(__GLIBC__)
    static bool pending = false;
    if (pending || !QCoreApplication::instance())
        return;
    pending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        pending = false;
        malloc_trim(0);
    });
#endif
}

} // namespace

QString KytoMCUPLL::bitmapResource(int seriesIndex)
{
    switch (seriesIndex) {
    case 2: return QStringLiteral(":/image/620PLL.bmp");
    case 4: return QStringLiteral(":/image/710PLL.bmp");
    case 5: return QStringLiteral(":/image/720PLL.bmp");
    case 7: return QStringLiteral(":/image/620APLL.bmp");
    case 8: return QStringLiteral(":/image/650PLL.bmp");
    case 9: return QStringLiteral(":/image/730PLL.bmp");
    case 13: return QStringLiteral(":/image/810PLL.bmp");
    case 14: return QStringLiteral(":/image/820PLL.bmp");
    case 15: return QStringLiteral(":/image/750PLL.bmp");
    case 16: return QStringLiteral(":/image/E105PLL.bmp");
    case 17: return QStringLiteral(":/image/NS720PLL.bmp");
    case 18: return QStringLiteral(":/image/740PLL.bmp");
    case 19: return QStringLiteral(":/image/640PLL.bmp");
    case 20: return QStringLiteral(":/image/610PLL.bmp");
    case 21: return QStringLiteral(":/image/910PLL.bmp");
    case 22: return QStringLiteral(":/image/920PLL.bmp");
    case 23: return QStringLiteral(":/image/930PLL.bmp");
    case 24: return QStringLiteral(":/image/H620APLL.bmp");
    case 25:
    case 26: return QStringLiteral(":/image/D515_525PLL.bmp");
    case 29: return QStringLiteral(":/image/H740PLL.bmp");
    case 30: return QStringLiteral(":/image/960PLL.bmp");
    default: return QString();
    }
}

KytoMCUPLL::KytoMCUPLL(int seriesIndex, QWidget *parent)
    : QWidget(parent)
{
    hextEnabled = false;
    model = new ClockTreeModel(seriesIndex);

    scene = new QGraphicsScene();
    scene->setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));

    view = new PinGraphicsView();
    view->setRenderHint(QPainter::Antialiasing);
    view->setScene(scene);
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255); border: none;"));

    const QString verticalSheet = QLatin1String(verticalScrollBarSheet);
    QString horizontalSheet = verticalSheet;
    horizontalSheet.replace(QLatin1String("width: 12px;"), QLatin1String("height: 12px;"));
    view->verticalScrollBar()->setStyleSheet(verticalSheet);
    view->horizontalScrollBar()->setStyleSheet(horizontalSheet);

    // The drawing decodes while the series class builds its controls.
    const QString bitmap = bitmapResource(seriesIndex);
    if (!bitmap.isEmpty())
        pendingDrawing.reset(new PageDrawing(bitmap));
    drawingItem = new QGraphicsPixmapItem();
    drawingItem->setTransformationMode(Qt::SmoothTransformation);
    scene->addItem(drawingItem);
    view->setPixmapItem(drawingItem);

    // The one window embedded in the scene: every control holder becomes its
    // child and still gets a proxy of its own (position, z value, hiding).
    // It lies under the drawing and neither shows nor takes clicks; its proxy
    // carries the keyboard focus of the controls and hands what they repaint
    // on to the view.
    controlLayer = new QWidget(this, Qt::Window);
    controlLayer->setObjectName(QStringLiteral("controlLayer"));
    controlLayer->setAttribute(Qt::WA_NoSystemBackground);
    controlLayer->setGeometry(0, 0, 1, 1);
    // A caption or value on the drawing shows the drawing around its text:
    // a background the window's sheet hands down to every widget put a
    // white box over mux outlines and the PLL frame's fill.
    controlLayer->setStyleSheet(QStringLiteral("QLabel{background: transparent;}"));
    controlLayerProxy = new ControlLayerProxy();
    controlLayerProxy->setWidget(controlLayer);
    scene->addItem(controlLayerProxy);

    QVBoxLayout *layout = new QVBoxLayout();
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setLayout(layout);
}

KytoMCUPLL::~KytoMCUPLL()
{
    // The scene takes the control holders with it; the view, a child, goes
    // afterwards with the widget.
    delete scene;
    delete model;
    returnFreedMemoryLater();
}

void KytoMCUPLL::showDrawing()
{
    if (!pendingDrawing)
        return;
    drawingItem->setPixmap(pendingDrawing->pixmap());
    pendingDrawing.reset();
    // The page is built: its scene is the drawing and every control,
    // hidden pop-out lists included. Fixed now, it does not grow when a
    // list or a combo's drop-down opens, so the drawing never moves.
    scene->setSceneRect(scene->itemsBoundingRect());
}

bool KytoMCUPLL::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        showDrawing();
    return QWidget::event(event);
}

QDialog *KytoMCUPLL::newHolder()
{
    // The control is made inside its holder: moving a styled control into
    // a holder afterwards would polish it (and a combo's list) once more.
    QDialog *holder = new ControlHolder(this);
    holder->setContentsMargins(0, 0, 0, 0);
    // Nothing may fill the holder: the drawing shows wherever the control
    // paints no background of its own (labels, an empty label).
    holder->setAttribute(Qt::WA_NoSystemBackground);
    QVBoxLayout *layout = new QVBoxLayout();
    holder->setLayout(layout);
    layout->setContentsMargins(0, 0, 0, 0);
    return holder;
}

QGraphicsProxyWidget *KytoMCUPLL::placeOnScene(QDialog *holder, QWidget *control, int x, int y)
{
    holder->layout()->addWidget(control);

    // Sized while it is still a (never shown) window, by the rules a window
    // gets; afterwards it grows with its control as a window would.
    holder->adjustSize();
    holder->layout()->setSizeConstraint(QLayout::SetMinimumSize);
    holder->setParent(controlLayer, holder->windowFlags() & ~Qt::WindowType_Mask);

    QGraphicsProxyWidget *proxy = scene->addWidget(holder);
    proxy->setPos(QPointF(x, y));
    controlLayerProxy->follow(proxy);
    return proxy;
}

CustomComboBox1 *KytoMCUPLL::addComboBox(int x, int y, int width, int z)
{
    return addComboBoxWithProxy(x, y, width, z, nullptr);
}

CustomComboBox1 *KytoMCUPLL::addComboBoxWithProxy(int x, int y, int width, int z, QGraphicsProxyWidget **proxyOut)
{
    QDialog *holder = newHolder();
    CustomComboBox1 *combo = new CustomComboBox1(holder);
    combo->setFont(arial(10, 0));
    combo->setFixedWidth(width);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(combo->listView, SIGNAL(focusInThis(bool)), view, SLOT(Focus_InControl_Slot(bool)));

    QGraphicsProxyWidget *proxy = placeOnScene(holder, combo, x, y);
    proxy->setZValue(z);
    if (proxyOut)
        *proxyOut = proxy;
    return combo;
}

QLineEdit *KytoMCUPLL::addLineEdit(QString text, int x, int y, int maxWidth)
{
    QDialog *holder = newHolder();
    QLineEdit *edit = new QLineEdit(text, holder);
    edit->setFont(arial(10, 0));
    edit->setMaximumWidth(maxWidth);
    edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    placeOnScene(holder, edit, x, y);
    return edit;
}

QLineEdit *KytoMCUPLL::addLineEditWithProxy(QString text, int x, int y, QGraphicsProxyWidget **proxyOut)
{
    QLineEdit *edit = addLineEdit(text, x, y, 60);
    if (proxyOut)
        *proxyOut = edit->parentWidget()->graphicsProxyWidget();
    return edit;
}

QLabel *KytoMCUPLL::addLabel(QString text, int x, int y, int pointSize, int weight)
{
    return addLabelWithProxy(text, x, y, pointSize, weight, nullptr);
}

QLabel *KytoMCUPLL::addLabelWithProxy(QString text, int x, int y, int pointSize, int weight, QGraphicsProxyWidget **proxyOut)
{
    QDialog *holder = newHolder();
    QLabel *label = new QLabel(text, holder);
    label->setFont(arial(pointSize, weight));
    QGraphicsProxyWidget *proxy = placeOnScene(holder, label, x, y);
    if (proxyOut)
        *proxyOut = proxy;
    return label;
}

QRadioButton *KytoMCUPLL::addRadioButton(int x, int y)
{
    QDialog *holder = newHolder();
    QRadioButton *radio = new QRadioButton(holder);
    radio->setStyleSheet(QStringLiteral(
        "QRadioButton{background-color:rgb(222, 235, 246); spacing: 0px; spacing: 0px;}"
        "QRadioButton::indicator:checked {width:12px; height:12px; border-radius:6px; background-color:rgb(0, 176, 240);}"
        "QRadioButton::indicator:unchecked {width:10px; height:10px; border-radius:6px; border: 1px solid rgb(0, 176, 240); }"));
    placeOnScene(holder, radio, x, y);
    return radio;
}

QLineEdit *KytoMCUPLL::addReadOnlyLineEdit(int x, int y, int pointSize)
{
    Q_UNUSED(pointSize);
    QLineEdit *edit = addLineEdit(QString(), x, y, 60);
    edit->setReadOnly(true);
    edit->setFixedHeight(25);
    edit->setFixedWidth(80);
    return edit;
}

QLineEdit *KytoMCUPLL::addLabeledReadOnlyLineEdit(QString label, int x, int y, int pointSize)
{
    addLabel(label, x + 85, y + 3, pointSize, 0);
    return addReadOnlyLineEdit(x, y, pointSize);
}

QPushButton *KytoMCUPLL::addListButton(int x, int y, int pointSize)
{
    Q_UNUSED(pointSize);
    QDialog *holder = newHolder();
    QPushButton *button = new QPushButton(QIcon(QStringLiteral(":/image/btn_right_slider_hover.png")), tr("List"), holder);
    button->setFont(arial(10, 75));
    button->setStyleSheet(QStringLiteral("border-style: none;"));
    placeOnScene(holder, button, x, y)->setZValue(0);
    return button;
}

QDialog *KytoMCUPLL::addLabelList(QStringList names, int x, int y, int listNumber, int spacing)
{
    Q_UNUSED(listNumber);
    QDialog *holder = newHolder();
    QGroupBox *group = new QGroupBox(holder);
    QVBoxLayout *layout = new QVBoxLayout();
    layout->setSpacing(spacing);
    for (const QString &name : names) {
        QLabel *label = new QLabel(name);
        label->setFont(arial(9, 0));
        layout->addWidget(label);
    }
    group->setLayout(layout);
    group->setStyleSheet(QStringLiteral(
        "background: rgb(153, 217, 234); border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:2px;padding:1px 2px;"));

    placeOnScene(holder, group, x, y)->setZValue(2);
    return holder;
}

void KytoMCUPLL::setTextColor(QWidget *w, QColor c)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(c, Qt::SolidPattern));
    w->setPalette(palette);
}

void KytoMCUPLL::setEditTextColor(QWidget *w, QColor c)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(c, Qt::SolidPattern));
    w->setPalette(palette);
}

void KytoMCUPLL::zoomIn()
{
    view->zoomIn();
}

void KytoMCUPLL::zoomOut()
{
    view->zoomOut();
}

void KytoMCUPLL::zoomReset()
{
    view->zoomReset();
}

QString KytoMCUPLL::readConfigValue(QString file, QString key)
{
    return DesignFileReader::valuesOf(file).value(key);
}

QHash<QString, QString> KytoMCUPLL::readConfigValues(QString file)
{
    return DesignFileReader::valuesOf(file);
}
