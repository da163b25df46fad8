#pragma once

#include <QImage>
#include <QRect>

// Pictures of what the desktop shows. Nothing is kept or written anywhere: the caller measures
// or draws the picture and lets it go.
class IScreenCapture
{
public:
    virtual ~IScreenCapture() = default;

    // The desktop's picture inside `area` (desktop coordinates); a null image when the desktop
    // cannot give one.
    virtual QImage grab(const QRect& area) = 0;

    // The whole first screen as it looks now; a null image when it cannot be taken.
    virtual QImage grabPrimaryScreen() = 0;
};
