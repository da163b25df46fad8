#include "KavoResources.h"

#include <QImageReader>
#include <QPixmap>
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

QPixmap kavo_png(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
