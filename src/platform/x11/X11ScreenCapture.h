#pragma once

#include "platform/IScreenCapture.h"

// The first screen of the X11 desktop, taken through Qt's screen grab.
class X11ScreenCapture : public IScreenCapture
{
public:
    QImage grabPrimaryScreen() override;
};
