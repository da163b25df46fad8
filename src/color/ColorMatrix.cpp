#include "color/ColorMatrix.h"

#include "color/ColorRamp.h"

ColorMatrix ColorMatrix::identity()
{
    ColorMatrix matrix;
    for (int i = 0; i < 5; ++i)
        matrix.at(i, i) = 1.0f;
    return matrix;
}

ColorMatrix ColorMatrix::temperature(const ColorRamp& ramp, const RampSettings& settings)
{
    ColorMatrix matrix = identity();
    if (settings.temperature < 0 || settings.brightness < 0.05f)
        return matrix;
    const ChannelMultipliers m = ramp.multipliers(settings.temperature);
    matrix.at(0, 0) = m.red * settings.brightness;
    matrix.at(1, 1) = m.green * settings.brightness;
    matrix.at(2, 2) = m.blue * settings.brightness;
    return matrix;
}

ColorMatrix ColorMatrix::saturation(int percent)
{
    const float s = static_cast<float>(percent) / 100.0f;
    const float weights[] = {(1 - s) * 0.3086f, (1 - s) * 0.6094f, (1 - s) * 0.082f};
    ColorMatrix matrix = identity();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            matrix.at(row, column) = weights[row] + (row == column ? s : 0.0f);
    }
    return matrix;
}

ColorMatrix ColorMatrix::multiply(const ColorMatrix& current, const ColorMatrix& first)
{
    ColorMatrix product;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 5; ++k)
                sum += first.at(row, k) * current.at(k, column);
            product.at(row, column) = sum;
        }
    }
    return product;
}
