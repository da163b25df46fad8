#pragma once

#include "platform/IMagnifier.h"
#include "platform/sim/SimService.h"

#include <QMap>
#include <QSet>

// The magnification service of the simulated desktop. It exists when the config's
// "capabilities" say "magnifier": true; "magnifier_missing_functions" lists functions it
// lacks and "magnifier_init_fails" makes "MagInitialize" fail. The state reports the
// full-screen matrix, the zoom and every magnifier window.
class SimMagnifier : public IMagnifier, public SimService
{
public:
    // Every function name the service can offer.
    static const QStringList kFunctionNames;

    bool hasFunction(const QString& name) const override;
    bool initialize() override;
    bool uninitialize() override;
    bool setFullscreenColorEffect(const Matrix& matrix) override;
    bool setDesktopColorEffect(const Matrix& matrix) override;
    bool setFullscreenTransform(float level, int x, int y) override;
    bool setDesktopMagnification(double level, int x, int y) override;
    int createWindow(const QRect& geometry) override;
    bool setWindowSource(int window, const QRect& source) override;
    bool setWindowColorEffect(int window, const Matrix& matrix) override;
    void setWindowOpacity(int window, int opacity) override;
    void refreshWindow(int window) override;
    void destroyWindow(int window) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    struct Window
    {
        QRect geometry;
        QRect source;
        Matrix matrix{};
        bool hasMatrix = false;
        int opacity = 0;
    };

    bool setFullscreen(const char* function, const Matrix& matrix);

    QSet<QString> m_functions;
    bool m_initFails = false;
    bool m_initialized = false;
    Matrix m_fullscreen{};
    bool m_hasFullscreen = false;
    double m_zoom = 1.0;
    QPoint m_zoomOffset;
    QMap<int, Window> m_windows;
    int m_nextWindow = 1;
};
