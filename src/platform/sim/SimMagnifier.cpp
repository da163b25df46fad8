#include "platform/sim/SimMagnifier.h"

#include <QJsonArray>

const QStringList SimMagnifier::kFunctionNames = {
    QStringLiteral("MagInitialize"),
    QStringLiteral("MagUninitialize"),
    QStringLiteral("MagGetFullscreenColorEffect"),
    QStringLiteral("MagSetFullscreenColorEffect"),
    QStringLiteral("MagGetFullscreenTransform"),
    QStringLiteral("MagSetFullscreenTransform"),
    QStringLiteral("MagGetColorEffect"),
    QStringLiteral("MagSetColorEffect"),
    QStringLiteral("MagImageScalingCallback"),
    QStringLiteral("MagGetImageScalingCallback"),
    QStringLiteral("MagSetImageScalingCallback"),
    QStringLiteral("MagGetInputTransform"),
    QStringLiteral("MagSetInputTransform"),
    QStringLiteral("MagGetWindowFilterList"),
    QStringLiteral("MagSetWindowFilterList"),
    QStringLiteral("MagGetWindowSource"),
    QStringLiteral("MagSetWindowSource"),
    QStringLiteral("MagGetWindowTransform"),
    QStringLiteral("MagSetWindowTransform"),
    QStringLiteral("MagShowSystemCursor"),
    QStringLiteral("GetMagnificationDesktopMagnification"),
    QStringLiteral("SetMagnificationDesktopMagnification"),
    QStringLiteral("GetMagnificationDesktopColorEffect"),
    QStringLiteral("SetMagnificationDesktopColorEffect"),
};

namespace {
QJsonArray toJson(const IMagnifier::Matrix& matrix)
{
    QJsonArray values;
    for (float value : matrix)
        values.append(static_cast<double>(value));
    return values;
}

QJsonObject toJson(const QRect& rect)
{
    return {{QStringLiteral("x"), rect.x()},
            {QStringLiteral("y"), rect.y()},
            {QStringLiteral("width"), rect.width()},
            {QStringLiteral("height"), rect.height()}};
}
} // namespace

bool SimMagnifier::hasFunction(const QString& name) const
{
    return m_functions.contains(name);
}

bool SimMagnifier::initialize()
{
    if (!hasFunction(QStringLiteral("MagInitialize")) || m_initFails)
        return false;
    m_initialized = true;
    changed();
    return true;
}

bool SimMagnifier::uninitialize()
{
    if (!hasFunction(QStringLiteral("MagUninitialize")))
        return false;
    m_initialized = false;
    changed();
    return true;
}

bool SimMagnifier::setFullscreen(const char* function, const Matrix& matrix)
{
    if (!hasFunction(QLatin1String(function)))
        return false;
    m_fullscreen = matrix;
    m_hasFullscreen = true;
    changed();
    return true;
}

bool SimMagnifier::setFullscreenColorEffect(const Matrix& matrix)
{
    return setFullscreen("MagSetFullscreenColorEffect", matrix);
}

bool SimMagnifier::setDesktopColorEffect(const Matrix& matrix)
{
    return setFullscreen("SetMagnificationDesktopColorEffect", matrix);
}

bool SimMagnifier::setFullscreenTransform(float level, int x, int y)
{
    if (!hasFunction(QStringLiteral("MagSetFullscreenTransform")))
        return false;
    m_zoom = static_cast<double>(level);
    m_zoomOffset = QPoint(x, y);
    changed();
    return true;
}

bool SimMagnifier::setDesktopMagnification(double level, int x, int y)
{
    if (!hasFunction(QStringLiteral("SetMagnificationDesktopMagnification")))
        return false;
    m_zoom = level;
    m_zoomOffset = QPoint(x, y);
    changed();
    return true;
}

int SimMagnifier::createWindow(const QRect& geometry)
{
    if (m_functions.isEmpty())
        return 0;
    const int id = m_nextWindow++;
    m_windows.insert(id, Window{geometry, {}, {}, false, 0});
    changed();
    return id;
}

bool SimMagnifier::setWindowSource(int window, const QRect& source)
{
    if (!hasFunction(QStringLiteral("MagSetWindowSource")) || !m_windows.contains(window))
        return false;
    m_windows[window].source = source;
    changed();
    return true;
}

bool SimMagnifier::setWindowColorEffect(int window, const Matrix& matrix)
{
    if (!hasFunction(QStringLiteral("MagSetColorEffect")) || !m_windows.contains(window))
        return false;
    m_windows[window].matrix = matrix;
    m_windows[window].hasMatrix = true;
    changed();
    return true;
}

void SimMagnifier::setWindowOpacity(int window, int opacity)
{
    if (!m_windows.contains(window) || m_windows[window].opacity == opacity)
        return;
    m_windows[window].opacity = opacity;
    changed();
}

void SimMagnifier::refreshWindow(int)
{
}

void SimMagnifier::destroyWindow(int window)
{
    if (m_windows.remove(window) > 0)
        changed();
}

void SimMagnifier::configure(const QJsonObject& config)
{
    m_functions.clear();
    const bool present = config.value(QLatin1String("capabilities"))
                             .toObject()
                             .value(QLatin1String("magnifier"))
                             .toBool(false);
    if (present) {
        m_functions = QSet<QString>(kFunctionNames.begin(), kFunctionNames.end());
        for (const QJsonValue& name :
             config.value(QLatin1String("magnifier_missing_functions")).toArray())
            m_functions.remove(name.toString());
    }
    m_initFails = config.value(QLatin1String("magnifier_init_fails")).toBool(false);
}

void SimMagnifier::addState(QJsonObject& state) const
{
    if (m_hasFullscreen)
        state.insert(QStringLiteral("fullscreen_matrix"), toJson(m_fullscreen));
    state.insert(QStringLiteral("zoom"), QJsonObject{{QStringLiteral("level"), m_zoom},
                                                     {QStringLiteral("x"), m_zoomOffset.x()},
                                                     {QStringLiteral("y"), m_zoomOffset.y()}});
    QJsonArray windows;
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        QJsonObject window = toJson(it->geometry);
        window.insert(QStringLiteral("id"), it.key());
        window.insert(QStringLiteral("source"), toJson(it->source));
        window.insert(QStringLiteral("opacity"), it->opacity);
        if (it->hasMatrix)
            window.insert(QStringLiteral("matrix"), toJson(it->matrix));
        windows.append(window);
    }
    state.insert(QStringLiteral("magnifier_windows"), windows);
}
