#include "CustomComboBox1.h"

#include "CustomListView.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QStyleFactory>
#include <QWheelEvent>

namespace {

// Rules shared by the three states; each state sheet is its own QComboBox
// rule followed directly by these.
const char *const sharedRules =
    "QAbstractItemView{border: 1px solid black; selection-background-color: lightgray; selection-color: black; padding-top: 4px;padding-bottom:4px;}"
    "QComboBox::drop-down{border-left-width: 1px;border-left-color: blue;border-left-style: none; border-top-right-radius: 3px;border-bottom-right-radius: 3px;subcontrol-origin: padding;subcontrol-position: top right; width:20px;}"
    "QComboBox::down-arrow{image:url(:/image/downArrow4.png); height:20px; width:10px}"
    "QComboBox QAbstractScrollArea QScrollBar::vertical{background-color:rgb(217, 233, 246); width: 12px;}"
    "QComboBox QAbstractScrollArea QScrollBar::handle{background:rgb(36, 183, 181); border:2px solid transparent; border-radius:5px;}"
    "QComboBox QAbstractScrollArea QScrollBar::handle:hover{background:rgb(36, 183, 181);}"
    "QComboBox QAbstractScrollArea QScrollBar::sub-line{background:transparent;}"
    "QComboBox QAbstractScrollArea QScrollBar::add-line{background:transparent;}";

// The plain Windows style the sheets are written for (frame and arrow). One
// instance serves every combo; it lives as long as the application.
QStyle *sharedWindowsStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

QString CustomComboBox1::normalStyleSheet()
{
    static const QString sheet =
        QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:black;border-radius:2px;padding:1px 2px;}")
        + QLatin1String(sharedRules);
    return sheet;
}

QString CustomComboBox1::activeStyleSheet()
{
    static const QString sheet =
        QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:rgb(51,51,51);border-radius:2px;padding:1px 2px;}")
        + QLatin1String(sharedRules);
    return sheet;
}

QString CustomComboBox1::disabledStyleSheet()
{
    // Text and arrow as grey as every other greyed control on the page (the
    // disabled text of the palette): in mid grey with its blue arrow, a
    // greyed combo looked like the one control of its branch still in use.
    static const QString sheet =
        QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: gray;color:%1;border-radius:2px;padding:1px 2px;}")
            .arg(QPalette().color(QPalette::Disabled, QPalette::Text).name())
        + QLatin1String(sharedRules)
        + QLatin1String("QComboBox::down-arrow{image:url(:/image/downArrow4Grey.png);}");
    return sheet;
}

CustomComboBox1::CustomComboBox1(QWidget *parent)
    : QComboBox(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setFont(QFont(QStringLiteral("Arial"), 10, 0));
    listView = new CustomListView(this);
    setView(listView);
    // The style first: set after the sheet, it would make Qt polish the
    // combo and its list a second time.
    if (QStyle *windowsStyle = sharedWindowsStyle())
        setStyle(windowsStyle);
    setStyleSheet(normalStyleSheet());
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CustomComboBox1::setComboBoxEnabled(bool enabled)
{
    setEnabled(enabled);
    applyStyleSheet(enabled ? activeStyleSheet() : disabledStyleSheet());
}

// A new sheet makes Qt polish the combo and its list again; the pages set
// the same state over and over, so only a change is passed on.
void CustomComboBox1::applyStyleSheet(const QString &sheet)
{
    if (styleSheet() != sheet)
        setStyleSheet(sheet);
}

void CustomComboBox1::showPopup()
{
    QComboBox::showPopup();
    QGraphicsProxyWidget *holder = parentWidget() ? parentWidget()->graphicsProxyWidget() : nullptr;
    if (!holder)
        return;
    // An open list lies above every caption of the drawing ("usbdiv" was
    // painted over the list of its own combo).
    if (!raisedForPopup) {
        zBeforePopup = holder->zValue();
        raisedForPopup = true;
    }
    qreal top = zBeforePopup;
    for (QGraphicsItem *item : holder->scene()->items())
        top = qMax(top, item->zValue());
    holder->setZValue(top + 1);
    placePopupInView();
}

void CustomComboBox1::hidePopup()
{
    QComboBox::hidePopup();
    QGraphicsProxyWidget *holder = parentWidget() ? parentWidget()->graphicsProxyWidget() : nullptr;
    if (holder && raisedForPopup)
        holder->setZValue(zBeforePopup);
    raisedForPopup = false;
}

// On the scene the list opens below the combo whatever the zoom, and at a
// large zoom it ran off the bottom of the view, where no scrolling reaches
// it. It goes above the combo where it fits there; a list that fits on
// neither side is shortened to the larger side and scrolls. It never lies
// over its combo: there it hid the value, and the pointer, still over the
// combo, picked the row under it as the current one.
void CustomComboBox1::placePopupInView()
{
    QWidget *popup = view()->window();
    QGraphicsProxyWidget *popupProxy = popup->graphicsProxyWidget();
    QGraphicsProxyWidget *holder = parentWidget()->graphicsProxyWidget();
    if (!popupProxy || !holder->scene() || holder->scene()->views().isEmpty())
        return;
    QGraphicsView *sceneView = holder->scene()->views().first();
    const QRectF visible = sceneView->mapToScene(sceneView->viewport()->rect()).boundingRect();
    const QRectF combo = mapRectToScene(holder, rect());
    QRectF list = popupProxy->sceneBoundingRect();
    if (list.bottom() <= visible.bottom())
        return;
    const qreal below = visible.bottom() - combo.bottom();
    const qreal above = combo.top() - visible.top();
    const bool goesBelow = list.height() <= below || (list.height() > above && below >= above);
    const qreal room = qMax<qreal>(goesBelow ? below : above, 0);
    if (list.height() > room) {
        const qreal scale = list.height() / popup->height();
        popup->resize(popup->width(), qMax(1, int(room / scale)));
        list = popupProxy->sceneBoundingRect();
        view()->scrollTo(view()->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    const qreal listTop = goesBelow ? combo.bottom() : combo.top() - list.height();
    const QPointF shift(0, listTop - list.top());
    QGraphicsItem *parent = popupProxy->parentItem();
    const QPointF target = popupProxy->scenePos() + shift;
    popupProxy->setPos(parent ? parent->mapFromScene(target) : target);
}

QRectF CustomComboBox1::mapRectToScene(const QGraphicsProxyWidget *holder, const QRect &area) const
{
    return holder->mapRectToScene(QRectF(mapTo(parentWidget(), area.topLeft()), area.size()));
}

void CustomComboBox1::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QComboBox::mousePressEvent(event);
}

void CustomComboBox1::wheelEvent(QWheelEvent *event)
{
    // Deliberately empty: the wheel must never change the selection.
    Q_UNUSED(event);
}

void CustomComboBox1::focusInEvent(QFocusEvent *event)
{
    applyStyleSheet(isEnabled() ? activeStyleSheet() : disabledStyleSheet());
    QComboBox::focusInEvent(event);
}

void CustomComboBox1::focusOutEvent(QFocusEvent *event)
{
    // A combo greyed while it had the focus loses it afterwards; it stays grey.
    applyStyleSheet(isEnabled() ? normalStyleSheet() : disabledStyleSheet());
    QComboBox::focusOutEvent(event);
}
