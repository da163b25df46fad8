#pragma once

#include <QImage>

// Pictures of what the screen shows, for the screen-content sensors. Nothing is kept or
// written anywhere: the caller measures the picture and lets it go.
class IScreenCapture
{
public:
    virtual ~IScreenCapture() = default;

    // The whole first screen as it looks now; a null image when it cannot be taken.
    virtual QImage grabPrimaryScreen() = 0;
};
