#include "sensors/ScreenLuminance.h"

#include <QImage>

namespace ScreenLuminance {

double mean_luminance(const QImage& image)
{
    if (image.isNull())
        return 0.0;
    const QImage pixels =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    // In thousandths, so that each pixel's value truncates exactly.
    qint64 sum = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            sum += (587 * qGreen(line[x]) + 299 * qRed(line[x]) + 114 * qBlue(line[x])) / 1000;
    }
    return static_cast<double>(sum) / (static_cast<double>(pixels.width()) * pixels.height());
}

} // namespace ScreenLuminance
