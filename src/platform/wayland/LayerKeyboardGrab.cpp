#include "platform/wayland/LayerKeyboardGrab.h"

#include "platform/wayland/LayerShell.h"
#include "platform/wayland/LayerSurface.h"
#include "platform/wayland/WaylandKeyboard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>

namespace {
const char kRole[] = "kavo-keyboard";
} // namespace

LayerKeyboardGrab::LayerKeyboardGrab(LayerShell& shell) : m_shell(shell)
{
}

LayerKeyboardGrab::~LayerKeyboardGrab()
{
    release();
}

void LayerKeyboardGrab::grab(QWidget& window)
{
    if (m_window == &window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = &window;
    window.installEventFilter(this);
    // A window that goes takes its grab with it: the keyboard must not stay with no one.
    connect(&window, &QObject::destroyed, this, &LayerKeyboardGrab::release);
    follow();
}

void LayerKeyboardGrab::release()
{
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window.clear();
    letGo();
}

bool LayerKeyboardGrab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        follow();
    return false;
}

void LayerKeyboardGrab::follow()
{
    if (m_window && m_window->isVisible())
        hold();
    else
        letGo();
}

void LayerKeyboardGrab::hold()
{
    if (m_surface)
        return;
    LayerSurface::Placement placement;
    placement.role = kRole;
    placement.size = QSize(1, 1);
    placement.takesKeyboard = true;
    m_keyboard = std::make_unique<WaylandKeyboard>(m_shell.globals(),
                                                   [this](const WaylandKey& key) { deliver(key); });
    m_surface = std::make_unique<LayerSurface>(m_shell, placement);
    // The surface takes the keyboard once it is mapped, with a picture: a transparent pixel.
    connect(m_surface.get(), &LayerSurface::needsPicture, m_surface.get(),
            [this] { m_surface->present([](QImage& image) { image.fill(Qt::transparent); }); });
    connect(m_surface.get(), &LayerSurface::mapped, this, [this] { setHolds(true); });
    connect(m_surface.get(), &LayerSurface::closed, this, [this] { setHolds(false); });
}

void LayerKeyboardGrab::letGo()
{
    m_surface.reset();
    m_keyboard.reset();
    setHolds(false);
}

void LayerKeyboardGrab::setHolds(bool holds)
{
    if (holds == m_holds)
        return;
    m_holds = holds;
    emit keyboardHeld(holds);
}

void LayerKeyboardGrab::deliver(const WaylandKey& key)
{
    if (!m_window)
        return;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != m_window)
        target = m_window->focusWidget() ? m_window->focusWidget() : m_window.data();
    // Posted: the key arrives inside the compositor's events, where the window must not run.
    QCoreApplication::postEvent(target, new QKeyEvent(key.type, key.key, key.modifiers,
                                                      key.scanCode, key.keysym, 0, key.text));
}
