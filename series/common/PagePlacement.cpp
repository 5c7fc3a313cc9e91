#include "PagePlacement.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QLabel>
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
