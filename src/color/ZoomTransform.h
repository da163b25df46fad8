#pragma once

#include <QPoint>
#include <QSize>

// Where the zoomed screen shows the desktop, following the cursor.
class ZoomTransform
{
public:
    // Top-left of the visible desktop area for a full-screen transform at `level` (> 1):
    // centred on the cursor, kept inside the screen.
    static QPoint fullscreenOrigin(const QPoint& cursor, const QSize& screen, float level);

    // Offset of the magnified desktop for the user library's desktop magnification: the
    // cursor's point moves to the screen centre, the desktop never leaves the screen.
    static QPoint desktopOffset(const QPoint& cursor, const QSize& screen, float level);
};
