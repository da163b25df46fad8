#pragma once

#include <QRect>
#include <QString>

#include <array>

// The desktop's magnification service: full-screen and per-window colour effects and the
// full-screen transform. Each operation answers false when the function behind it is missing.
class IMagnifier
{
public:
    using Matrix = std::array<float, 25>; // 5 x 5, row-major, colour as a row vector

    virtual ~IMagnifier() = default;

    // Whether the service offers the function of that name (for example
    // "MagSetFullscreenColorEffect" or "SetMagnificationDesktopColorEffect").
    virtual bool hasFunction(const QString& name) const = 0;

    // "MagInitialize": false when missing or when the service fails to start.
    virtual bool initialize() = 0;

    // "MagUninitialize".
    virtual bool uninitialize() = 0;

    // "MagSetFullscreenColorEffect": the colour matrix of the whole desktop.
    virtual bool setFullscreenColorEffect(const Matrix& matrix) = 0;

    // "SetMagnificationDesktopColorEffect": the same through the user library.
    virtual bool setDesktopColorEffect(const Matrix& matrix) = 0;

    // "MagSetFullscreenTransform": zoom `level` with the visible area's top-left at (x, y).
    virtual bool setFullscreenTransform(float level, int x, int y) = 0;

    // "SetMagnificationDesktopMagnification": zoom `level` with the desktop offset (x, y).
    virtual bool setDesktopMagnification(double level, int x, int y) = 0;

    // Creates a hidden, click-through, top-most magnifier window over `geometry`; returns its
    // id (> 0), or 0 when it cannot be created.
    virtual int createWindow(const QRect& geometry) = 0;

    // "MagSetWindowSource": the desktop area the window magnifies.
    virtual bool setWindowSource(int window, const QRect& source) = 0;

    // "MagSetColorEffect": the colour matrix of one magnifier window.
    virtual bool setWindowColorEffect(int window, const Matrix& matrix) = 0;

    // Opacity of the window, 0 (invisible) .. 255 (fully shown).
    virtual void setWindowOpacity(int window, int opacity) = 0;

    // Keeps the window top-most and has it redraw its content.
    virtual void refreshWindow(int window) = 0;

    virtual void destroyWindow(int window) = 0;
};

// The service on a desktop that has none: every function is missing.
class AbsentMagnifier : public IMagnifier
{
public:
    bool hasFunction(const QString&) const override { return false; }
    bool initialize() override { return false; }
    bool uninitialize() override { return false; }
    bool setFullscreenColorEffect(const Matrix&) override { return false; }
    bool setDesktopColorEffect(const Matrix&) override { return false; }
    bool setFullscreenTransform(float, int, int) override { return false; }
    bool setDesktopMagnification(double, int, int) override { return false; }
    int createWindow(const QRect&) override { return 0; }
    bool setWindowSource(int, const QRect&) override { return false; }
    bool setWindowColorEffect(int, const Matrix&) override { return false; }
    void setWindowOpacity(int, int) override {}
    void refreshWindow(int) override {}
    void destroyWindow(int) override {}
};
