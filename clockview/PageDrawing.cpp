#include "PageDrawing.h"

#include <QPixmapCache>

namespace {

QString cacheKey(const QString &resource)
{
    return QStringLiteral("kyto-drawing:") + resource;
}

// The cache's default budget holds only two drawings: switching between
// three series would decode one again on most New. Make room for the
// current, the previous and one more drawing besides that budget.
void keepDrawingsDecoded(const QPixmap &drawing)
{
    static const int defaultLimitKb = QPixmapCache::cacheLimit();
    const qint64 drawingKb = qint64(drawing.width()) * drawing.height() * drawing.depth() / 8 / 1024 + 1;
    const int wantedKb = int(qMin<qint64>(defaultLimitKb + 3 * drawingKb, 256 * 1024));
    if (QPixmapCache::cacheLimit() < wantedKb)
        QPixmapCache::setCacheLimit(wantedKb);
}

} // namespace

PageDrawing::PageDrawing(const QString &resource)
    : resource(resource)
{
    if (resource.isEmpty() || QPixmapCache::find(cacheKey(resource), &decoded))
        return;
    // Only the image is made on the worker: pixmaps belong to the thread
    // that runs the windows.
    decoding = std::async(std::launch::async, [resource] { return QImage(resource); });
}

QPixmap PageDrawing::pixmap()
{
    if (decoding.valid()) {
        const QImage image = decoding.get();
        if (!image.isNull()) {
            decoded = QPixmap::fromImage(image);
            keepDrawingsDecoded(decoded);
            QPixmapCache::insert(cacheKey(resource), decoded);
        }
    }
    return decoded;
}
