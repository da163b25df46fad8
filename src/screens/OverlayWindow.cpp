#include "screens/OverlayWindow.h"

#include "platform/Platform.h"

#include <QEvent>
#include <QGridLayout>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

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
    // A page stopped while it is destroyed still reports the end of its load: not to a window
    // that is half gone.
    if (m_page)
        m_page->disconnect(this);
    delete m_view;
}

void OverlayWindow::build_page(const QUrl& url)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebView(this);
    m_view->setAttribute(Qt::WA_TranslucentBackground);
    m_view->setAttribute(Qt::WA_NoSystemBackground);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setStyleSheet(QStringLiteral("background:transparent"));
    m_page = m_view->page();
    QPalette palette = m_page->palette();
    palette.setBrush(QPalette::Base, Qt::transparent);
    m_page->setPalette(palette);
    layout->addWidget(m_view, 0, 0);
    // The page reaches this window as "native_object" from its first script on.
    connect(m_page->mainFrame(), &QWebFrame::javaScriptWindowObjectCleared, this,
            [this] { addToJavaScriptWindowObject(QStringLiteral("native_object"), m_page); });
    m_view->setProperty("zoomFactor", 1);
    m_view->setUrl(url);
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
    if (!m_page)
        return;
    m_page->mainFrame()->evaluateJavaScript(statement);
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
