#include "screens/OverlayWindow.h"

#include "parts/IWebView.h"
#include "parts/WebViews.h"
#include "platform/Platform.h"

#include <QEvent>
#include <QGridLayout>
#include <QVariant>

namespace {
// Out of the window manager's hands: a window manager puts the windows it manages into frames
// of its own, and a frame would catch the clicks the window lets through.
constexpr Qt::WindowFlags kOverlayFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowStaysOnTopHint |
    Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
} // namespace

OverlayWindow::OverlayWindow(const QRect& geometry, const QString& title)
    : KavoWindow(nullptr, kOverlayFlags)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(this);
    setWindowTitle(title);
    move(geometry.topLeft());
    setFixedSize(geometry.size());
}

OverlayWindow::~OverlayWindow()
{
    // The view goes before the window's own parts: its page reaches them as "native_object".
    if (m_view)
        delete m_view->widget();
}

void OverlayWindow::build_page(const QUrl& url)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = WebViews::create(this);
    QWidget* view = m_view->widget();
    view->setAttribute(Qt::WA_TranslucentBackground);
    view->setAttribute(Qt::WA_NoSystemBackground);
    view->setFocusPolicy(Qt::NoFocus);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->setStyleSheet(QStringLiteral("background:transparent"));
    if (!m_view->shows_pages())
        view->hide();
    m_view->set_transparent_page();
    layout->addWidget(view, 0, 0);
    // The page reaches this window as "native_object" from its first script on.
    m_view->expose(QStringLiteral("native_object"), this);
    view->setProperty("zoomFactor", 1);
    m_view->load(url);
}

void OverlayWindow::show_over_desktop()
{
    IOverlays& overlays = Platform::current().overlays();
    // Before the window is mapped the desktop takes its states as they are; after, it is asked.
    winId();
    overlays.prepare(*this);
    show();
    raise();
    overlays.prepare(*this);
}

void OverlayWindow::run_statement(const QString& statement)
{
    if (!m_view)
        return;
    m_view->run(statement);
    m_last_statement = statement;
    setProperty(kOverlayStatementProperty, statement);
}

void OverlayWindow::report_opacity(double opacity)
{
    setProperty(kOverlayOpacityProperty, opacity);
}

bool OverlayWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return true;
    return KavoWindow::eventFilter(watched, event);
}
