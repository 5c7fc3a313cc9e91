#include "PageStyles.h"

#include <QLabel>
#include <QRadioButton>

#include <QFont>
#include <QFontMetrics>

namespace PageStyles {

QString radio(bool inUse)
{
    return inUse ? QStringLiteral(
               "QRadioButton{background-color:rgb(222, 235, 246); spacing: 0px;}"
               "QRadioButton::indicator:checked {width:12px; height:12px; border-radius:6px; background-color:rgb(0, 176, 240);}"
               "QRadioButton::indicator:unchecked {width:10px; height:10px; border-radius:6px; border: 1px solid rgb(0, 176, 240); }")
                 : QStringLiteral(
               "QRadioButton{background-color:rgb(222, 235, 246); spacing: 0px;}"
               "QRadioButton::indicator:checked {width:12px; height:12px; border-radius:6px; background-color:gray;}"
               "QRadioButton::indicator:unchecked {width:10px; height:10px; border-radius:6px; border: 1px solid gray; }");
}

QString frame(bool inUse)
{
    return inUse ? QStringLiteral("border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;")
                 : QStringLiteral("border-style: outset; border-width: 2px; border-color: gray;border-radius:1px;padding:1px 2px;");
}

QString editApplied()
{
    return QStringLiteral("background: rgb(152, 251, 152); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;");
}

QString editPending()
{
    return QStringLiteral("background: rgb(255, 255, 225); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;");
}

QString editIdle()
{
    return QStringLiteral("background: rgb(255, 255, 255); border-style: outset; border-width: 2px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;");
}

QString editGreyed()
{
    return QStringLiteral("background: rgb(255, 255, 255); border-style: outset; border-width: 2px; border-color: gray;border-radius:1px;padding:1px 2px;");
}

QString pinText(bool on)
{
    return on ? QStringLiteral("color: blue") : QStringLiteral("color: gray");
}

QString fixedBox()
{
    return QStringLiteral("border-style: outset; border-width: 1px; border-color: rgb(10, 78, 121);border-radius:2px;padding:1px 2px;");
}

QString listClosedIcon()
{
    return QStringLiteral(":/image/btn_right_slider_hover.png");
}

QString listOpenIcon()
{
    return QStringLiteral(":/image/btn_down_slider_hover.png");
}

int comboWidthFor(const QStringList &items, int minimum)
{
    // The drawing's combos use Arial 10; the sheet gives them a 20 px arrow,
    // a 1 px frame and 2 px padding each side, and the style a small margin.
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 10));
    int widest = 0;
    for (const QString &item : items)
        widest = qMax(widest, metrics.horizontalAdvance(item));
    return qMax(minimum, widest + 20 + 2 * (1 + 2) + 8);
}

void set(QWidget *control, const QString &styleSheet)
{
    if (control->styleSheet() != styleSheet)
        control->setStyleSheet(styleSheet);
}

void applyRadioGroup(QLabel *caption, const QVector<QRadioButton *> &radios, bool inUse)
{
    for (QRadioButton *button : radios) {
        set(button, radio(inUse));
        button->setEnabled(inUse);
    }
    if (caption)
        caption->setEnabled(inUse);
}

void applyPin(QLabel *pin, bool on)
{
    pin->setEnabled(on);
    set(pin, pinText(on));
}

} // namespace PageStyles
