#include "PllCfgReadout.h"

#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>

namespace PllCfgReadout {

namespace {

QGraphicsProxyWidget *proxyOf(QWidget *control)
{
    return control->parentWidget() ? control->parentWidget()->graphicsProxyWidget() : nullptr;
}

// The widest word the box can show, digit by digit.
int widestWordAdvance(const QFontMetrics &metrics)
{
    int widestDigit = 0;
    for (const QChar digit : QStringLiteral("0123456789abcdef"))
        widestDigit = qMax(widestDigit, metrics.horizontalAdvance(digit));
    return metrics.horizontalAdvance(QStringLiteral("0x")) + 8 * widestDigit;
}

} // namespace

void placeBesideCaption(QLabel *caption, QLineEdit *word)
{
    QGraphicsProxyWidget *captionProxy = proxyOf(caption);
    QGraphicsProxyWidget *wordProxy = proxyOf(word);
    if (!captionProxy || !wordProxy)
        return;

    // The box begins one blank after the caption's colon and lies above the
    // rest of the caption's box; its right edge stays where it was unless
    // the widest word needs more.
    const QFontMetrics captionMetrics(caption->font());
    const qreal left = qMax(wordProxy->pos().x(),
                            captionProxy->pos().x() + captionMetrics.horizontalAdvance(QStringLiteral("CRM_PLLCFG: ")));
    const int lineEditMargins = 2 * 2 + 2;
    const int needed = widestWordAdvance(QFontMetrics(word->font())) + lineEditMargins;
    const int width = qMax(needed, int(wordProxy->pos().x() + word->width() - left));
    word->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Read like the caption and the frequency read-outs on the PLL frame:
    // a white box of its own stood out from the frame's fill.
    word->setStyleSheet(QStringLiteral("border: 0px; background: transparent;"));
    word->setFixedWidth(width);
    wordProxy->setPos(left, wordProxy->pos().y());
    wordProxy->setZValue(captionProxy->zValue() + 1);
}

void show(QLabel *caption, QLineEdit *word, bool inUse, const QString &value, bool onPage)
{
    caption->setText(inUse ? QStringLiteral("CRM_PLLCFG: ") : QString());
    word->setText(inUse ? value : QString());
    caption->setVisible(inUse && onPage);
    word->setVisible(inUse && onPage);
}

} // namespace PllCfgReadout
