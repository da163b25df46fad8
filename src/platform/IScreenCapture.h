#pragma once

#include <QImage>
#include <QRect>

// Pictures of what the desktop shows.
class IScreenCapture
{
public:
    virtual ~IScreenCapture() = default;

    // The desktop's picture inside `area` (desktop coordinates); a null image when the desktop
    // cannot give one.
    virtual QImage grab(const QRect& area) = 0;
};
