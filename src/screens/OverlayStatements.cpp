#include "screens/OverlayStatements.h"

namespace OverlayStatements {

namespace {
QString numbers(std::initializer_list<int> values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts.join(QStringLiteral(", "));
}
} // namespace

QString create_div(const QRect& area)
{
    return QStringLiteral("createDiv(") +
           numbers({area.x(), area.y(), area.width(), area.height()}) + QStringLiteral(");");
}

QString reset_area()
{
    return QStringLiteral("reset_area();");
}

QString set_background_color(const OverlayPalette::Rgb& rgb, float alpha)
{
    return QStringLiteral("set_background_color('rgba(") +
           numbers({rgb.red, rgb.green, rgb.blue}) + QStringLiteral(", ") +
           QString::number(static_cast<double>(alpha), 'g', 6) + QStringLiteral(")');");
}

QString set_box_shadow(int x, int y, int opacity, int radius)
{
    return QStringLiteral("set_box_shadow(") + numbers({x, y, opacity, radius}) +
           QStringLiteral(");");
}

} // namespace OverlayStatements
