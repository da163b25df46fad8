#pragma once

#include "platform/IScreenCapture.h"

// The X11 desktop's picture through Qt's screens (QScreen::grabWindow of the root window).
class X11ScreenCapture : public IScreenCapture
{
public:
    QImage grab(const QRect& area) override;
    QImage grabPrimaryScreen() override;
};
