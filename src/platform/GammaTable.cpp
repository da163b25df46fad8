#include "platform/GammaTable.h"

#include <cmath>

QVector<quint16> resampleGammaLevels(const quint16* levels, int count, int size)
{
    QVector<quint16> result(size);
    if (count <= 0 || size <= 0)
        return result;
    for (int j = 0; j < size; ++j) {
        const double position = size == 1 ? 0.0 : double(j) * (count - 1) / (size - 1);
        const int below = static_cast<int>(position);
        const int above = below + 1 < count ? below + 1 : below;
        const double weight = position - below;
        const double level = levels[below] * (1.0 - weight) + levels[above] * weight;
        result[j] = static_cast<quint16>(std::lround(level));
    }
    return result;
}
