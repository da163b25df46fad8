#include "KavoResources.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QtGlobal>

// Q_INIT_RESOURCE may not be used inside a namespace.
void register_kavo_resources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kavo);
        return true;
    }();
    Q_UNUSED(registered)
}

namespace {
// Qt converts an image of more than 128 KB on its global thread pool, whose threads linger
// half a minute; an icon is premultiplied here instead, in one pass.
QImage premultiplied(QImage image)
{
    if (image.format() == QImage::Format_ARGB32_Premultiplied || !image.hasAlphaChannel())
        return image;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = qPremultiply(from[x]);
    }
    return result;
}
} // namespace

QPixmap kavo_png(const QString& path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(premultiplied(reader.read()));
    if (!pixmap.isNull())
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}
