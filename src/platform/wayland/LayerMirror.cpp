#include "platform/wayland/LayerMirror.h"

#include "platform/IDisplays.h"
#include "platform/wayland/LayerShell.h"
#include "platform/wayland/LayerSurface.h"
#include "platform/wayland/ScreenOutputs.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
const char kRole[] = "kavo-overlay";
} // namespace

LayerMirror::LayerMirror(LayerShell& shell, QWidget& window)
    : QObject(&window), m_shell(shell), m_window(window)
{
    // A window Qt already mapped is taken back first.
    const bool shown = window.isVisible();
    if (shown)
        window.hide();
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.installEventFilter(this);
    connect(&shell.outputEvents(), &DisplayEvents::monitorsChanged, this,
            &LayerMirror::placeSurfaces);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &LayerMirror::placeSurfaces,
            Qt::QueuedConnection);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &LayerMirror::placeSurfaces,
            Qt::QueuedConnection);
    if (shown)
        window.show();
}

LayerMirror::~LayerMirror() = default;

bool LayerMirror::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        placeSurfaces();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        placeSurfaces();
        requestPictures();
        break;
    case QEvent::UpdateRequest:
        requestPictures();
        break;
    default:
        break;
    }
    return false;
}

void LayerMirror::placeSurfaces()
{
    std::vector<std::pair<wl_output*, QRect>> wanted;
    if (m_window.isVisible()) {
        const QList<QScreen*> screens = QGuiApplication::screens();
        const QVector<LayerShell::Output> outputs = m_shell.outputs();
        QStringList screenNames;
        for (const QScreen* screen : screens)
            screenNames.append(screen->name());
        QStringList outputNames;
        for (const LayerShell::Output& output : outputs)
            outputNames.append(output.name);
        const QVector<int> shownOn = ScreenOutputs::match(screenNames, outputNames);
        for (int i = 0; i < screens.size(); ++i) {
            const QRect screen = screens.at(i)->geometry();
            if (shownOn.at(i) >= 0 && screen.intersects(m_window.geometry()))
                wanted.emplace_back(outputs.at(shownOn.at(i)).object, screen);
        }
    }
    // Surfaces of outputs the window left, or that went away, go.
    for (auto part = m_parts.begin(); part != m_parts.end();) {
        const auto kept = std::find_if(wanted.begin(), wanted.end(), [&](const auto& want) {
            return want.first == part->surface->output();
        });
        if (kept == wanted.end() || part->surface->isClosed()) {
            part = m_parts.erase(part);
            continue;
        }
        part->screen = kept->second;
        wanted.erase(kept);
        ++part;
    }
    for (const auto& [output, screen] : wanted)
        addSurface(output, screen);
}

void LayerMirror::addSurface(wl_output* output, const QRect& screen)
{
    LayerSurface::Placement placement;
    placement.output = output;
    placement.role = kRole;
    auto surface = std::make_unique<LayerSurface>(m_shell, placement);
    LayerSurface* added = surface.get();
    // Queued: the surface's signals come from inside the compositor's events.
    connect(
        added, &LayerSurface::needsPicture, added,
        [this, added] {
            if (Part* part = partOf(added))
                draw(*part);
        },
        Qt::QueuedConnection);
    connect(
        added, &LayerSurface::closed, added, [this, added] { dropSurface(added); },
        Qt::QueuedConnection);
    m_parts.push_back({std::move(surface), screen});
}

void LayerMirror::dropSurface(LayerSurface* surface)
{
    const auto found = std::find_if(m_parts.begin(), m_parts.end(), [surface](const Part& part) {
        return part.surface.get() == surface;
    });
    if (found == m_parts.end())
        return;
    // The surface's own queued call is running: it goes once that returns.
    found->surface.release()->deleteLater();
    m_parts.erase(found);
}

LayerMirror::Part* LayerMirror::partOf(const LayerSurface* surface)
{
    for (Part& part : m_parts)
        if (part.surface.get() == surface)
            return &part;
    return nullptr;
}

void LayerMirror::requestPictures()
{
    if (m_drawQueued || m_parts.empty())
        return;
    m_drawQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_drawQueued = false;
            drawAll();
        },
        Qt::QueuedConnection);
}

void LayerMirror::drawAll()
{
    for (Part& part : m_parts)
        draw(part);
}

void LayerMirror::draw(Part& part)
{
    const QRect window = m_window.geometry();
    const QRect shared = window.intersected(part.screen);
    if (!m_window.isVisible() || shared.isEmpty())
        return;
    const bool shown = part.surface->present([&](QImage& image) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        // The surface may have another size than Qt's screen (a scaled output, Xwayland).
        painter.scale(double(image.width()) / part.screen.width(),
                      double(image.height()) / part.screen.height());
        // The region's top left corner lands on the offset.
        m_window.render(&painter, shared.topLeft() - part.screen.topLeft(),
                        QRegion(shared.translated(-window.topLeft())), QWidget::DrawChildren);
    });
    if (shown)
        emit pictureShown();
}
