#include "CustomComboBox1.h"

#include "CustomListView.h"

#include <QMouseEvent>
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

} // namespace

QString CustomComboBox1::normalStyleSheet()
{
    return QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:black;border-radius:2px;padding:1px 2px;}")
        + QLatin1String(sharedRules);
}

QString CustomComboBox1::activeStyleSheet()
{
    return QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);color:rgb(51,51,51);border-radius:2px;padding:1px 2px;}")
        + QLatin1String(sharedRules);
}

QString CustomComboBox1::disabledStyleSheet()
{
    return QStringLiteral("QComboBox{border-style: outset; border-width: 1px; border-color: gray;color:gray;border-radius:2px;padding:1px 2px;}")
        + QLatin1String(sharedRules);
}

CustomComboBox1::CustomComboBox1(QWidget *parent)
    : QComboBox(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setFont(QFont(QStringLiteral("Arial"), 10, 0));
    listView = new CustomListView(this);
    setView(listView);
    setStyleSheet(normalStyleSheet());
    // The sheets are written for the plain Windows style's frame and arrow.
    // The style is parented to the combo so that it goes with it.
    if (QStyle *windowsStyle = QStyleFactory::create(QStringLiteral("Windows"))) {
        windowsStyle->setParent(this);
        setStyle(windowsStyle);
    }
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CustomComboBox1::setComboBoxEnabled(bool enabled)
{
    setEnabled(enabled);
    setStyleSheet(enabled ? activeStyleSheet() : disabledStyleSheet());
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
    setStyleSheet(activeStyleSheet());
    QComboBox::focusInEvent(event);
}

void CustomComboBox1::focusOutEvent(QFocusEvent *event)
{
    setStyleSheet(normalStyleSheet());
    QComboBox::focusOutEvent(event);
}
