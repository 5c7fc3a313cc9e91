#include "PagePlacement.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "PageStyles.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace PagePlacement {

CustomComboBox1 *combo(KytoMCUPLL *page, const QPoint &at, int width, int z, const QStringList &items)
{
    CustomComboBox1 *box = page->addComboBox(at.x(), at.y(), width, z);
    box->insertItems(box->count(), items);
    box->setFixedHeight(25);
    return box;
}

QLabel *label(KytoMCUPLL *page, const QString &text, const QPoint &at, int pointSize, int weight)
{
    return page->addLabel(text, at.x(), at.y(), pointSize, weight);
}

QPoint besideCaption(const QLabel *caption, const QPoint &at)
{
    const QGraphicsProxyWidget *proxy = caption->parentWidget() ? caption->parentWidget()->graphicsProxyWidget() : nullptr;
    if (!proxy)
        return at;
    // A blank's room, no more: the note ends just before the read-out box
    // to its right.
    const QFontMetrics metrics = caption->fontMetrics();
    const int captionEnd = int(proxy->pos().x()) + metrics.horizontalAdvance(caption->text());
    return QPoint(qMax(at.x(), captionEnd + metrics.horizontalAdvance(QLatin1Char(' '))), at.y());
}

void fitBetween(QLabel *value, int left, int right, const QString &widestText)
{
    QGraphicsProxyWidget *proxy = value->parentWidget() ? value->parentWidget()->graphicsProxyWidget() : nullptr;
    if (!proxy)
        return;
    const int gap = 3;
    QFont font = value->font();
    while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(widestText) > right - left - 2 * gap)
        font.setPointSize(font.pointSize() - 1);
    value->setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(widestText) + 1;
    value->setFixedWidth(width);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->parentWidget()->adjustSize();
    proxy->setPos(right - gap - width, proxy->pos().y());
}

void keepClearOf(QLabel *value, const QString &widestText, const QWidget *neighbour)
{
    auto proxyOf = [](const QWidget *control) {
        return control->parentWidget() ? control->parentWidget()->graphicsProxyWidget() : nullptr;
    };
    QGraphicsProxyWidget *valueProxy = proxyOf(value);
    const QGraphicsProxyWidget *neighbourProxy = proxyOf(neighbour);
    if (!valueProxy || !neighbourProxy)
        return;
    const int gap = 2;
    const QFontMetrics metrics(value->font());
    const QRectF valueBox(valueProxy->pos(), QSizeF(metrics.horizontalAdvance(widestText), value->sizeHint().height()));
    const QRectF neighbourBox(neighbourProxy->pos(), QSizeF(neighbour->size()));
    if (valueBox.intersects(neighbourBox.adjusted(-gap, -gap, gap, gap)))
        valueProxy->setPos(valueProxy->pos().x(), neighbourBox.bottom() + gap + 1);
}

QLineEdit *factorBox(KytoMCUPLL *page, const QPoint &at, const QString &name)
{
    QLineEdit *box = page->addLineEdit(QString(), at.x(), at.y(), 30);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFixedSize(30, 30);
    box->setStyleSheet(PageStyles::fixedBox());
    // The holder was sized for the box's maximum width; fit it to the box.
    box->parentWidget()->adjustSize();
    return box;
}

QButtonGroup *radioGroup(KytoMCUPLL *page, const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                         const QString &name)
{
    radios.clear();
    for (int i = 0; i < places.size(); ++i) {
        QRadioButton *radio = page->addRadioButton(places[i].x(), places[i].y());
        radio->setObjectName(QStringLiteral("%1_RadioButton_%2").arg(name).arg(i));
        radios << radio;
    }
    QButtonGroup *group = new QButtonGroup(page);
    group->setObjectName(name + QStringLiteral("_ButtonGroup"));
    for (QRadioButton *radio : radios)
        group->addButton(radio);
    return group;
}

} // namespace PagePlacement
