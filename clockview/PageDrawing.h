#ifndef PAGEDRAWING_H
#define PAGEDRAWING_H

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>

// The clock-tree drawing of a page. Decoding a drawing costs as much as
// building all controls of a page, so it runs on a worker thread while the
// page builds them; pixmap() waits for it. The drawings of the recently
// shown pages stay decoded, so switching back among them decodes nothing.
class PageDrawing
{
public:
    explicit PageDrawing(const QString &resource);

    // The decoded drawing (null when the resource cannot be read). Call it
    // from the thread the application runs its windows in.
    QPixmap pixmap();

private:
    QString resource;
    QPixmap decoded;
    // A future of std::async waits for its thread when destroyed, so a page
    // dropped before its drawing was shown still lets the decode finish.
    std::future<QImage> decoding;
};

#endif // PAGEDRAWING_H
