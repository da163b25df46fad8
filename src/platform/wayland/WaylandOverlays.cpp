#include "platform/wayland/WaylandOverlays.h"

#include "platform/wayland/LayerMirror.h"

#include <QWidget>

WaylandOverlays::~WaylandOverlays()
{
    // The mirrors' surfaces live on the connection, which ends after this service.
    for (const QPointer<LayerMirror>& mirror : qAsConst(m_mirrors))
        delete mirror.data();
}

LayerMirror* WaylandOverlays::mirrorOf(const QWidget& window)
{
    return window.findChild<LayerMirror*>(QString(), Qt::FindDirectChildrenOnly);
}

void WaylandOverlays::prepare(QWidget& window)
{
    if (!m_shell) {
        window.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        window.setWindowFlag(Qt::WindowTransparentForInput);
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        return;
    }
    if (mirrorOf(window))
        return;
    m_mirrors.removeAll(nullptr);
    m_mirrors.append(new LayerMirror(*m_shell, window));
}
