#include "screens/ScreenEffectImage.h"

#include <algorithm>
#include <cmath>

namespace {
int channel_level(float value)
{
    return std::clamp(static_cast<int>(std::lround(value * 255.0f)), 0, 255);
}

QRgb through_matrix(QRgb pixel, const ColorMatrix& m)
{
    const float in[3] = {qRed(pixel) / 255.0f, qGreen(pixel) / 255.0f, qBlue(pixel) / 255.0f};
    int out[3];
    for (int column = 0; column < 3; ++column) {
        const float value = in[0] * m.at(0, column) + in[1] * m.at(1, column) +
                            in[2] * m.at(2, column) + m.at(3, column) + m.at(4, column);
        out[column] = channel_level(value);
    }
    return qRgb(out[0], out[1], out[2]);
}
} // namespace

QImage ScreenEffectImage::processed(const QImage& picture) const
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (invert)
        image.invertPixels(QImage::InvertRgb);
    if (!grey && !matrix)
        return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = line[x];
            if (grey) {
                const int g = (qRed(pixel) * 11 + qGreen(pixel) * 16 + qBlue(pixel) * 5) >> 5;
                pixel = qRgba(g, g, g, 255);
            }
            if (matrix)
                pixel = through_matrix(pixel, *matrix);
            line[x] = pixel;
        }
    }
    return image;
}
