// Renders one SVG drawing into a raster image (BMP or PNG, by the output's
// extension) at the drawing's own size, or at a given width and height.
// Usage: svgrender input.svg output.(bmp|png) [width height]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fprintf(stderr, "usage: svgrender input.svg output.(bmp|png) [width height]\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgrender: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QSize size = renderer.defaultSize();
    if (args.size() == 5)
        size = QSize(args.at(3).toInt(), args.at(4).toInt());
    if (size.isEmpty()) {
        std::fprintf(stderr, "svgrender: %s has no size\n", qPrintable(args.at(1)));
        return 1;
    }

    const bool bitmap = args.at(2).endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    // A BMP has no alpha channel: its background is white.
    image.fill(bitmap ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    painter.end();

    const QImage out = bitmap ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (!out.save(args.at(2))) {
        std::fprintf(stderr, "svgrender: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
