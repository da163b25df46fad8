#include "screens/BlinkScreen.h"

#include "ShownText.h"
#include "parts/IWebView.h"
#include "parts/WebViews.h"
#include "screens/DragWidget.h"
#include "screens/PageScript.h"
#include "sensors/Camera.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>


const char* const BlinkScreen::kPage = "qrc:/html/blink_screen.html";

namespace {
const QSize kExpanded(331, 221);
const QSize kCollapsed(130, 46);
// Collapsing keeps the window's bottom-right corner where it is.
const QPoint kCollapseShift(kExpanded.width() - kCollapsed.width(),
                            kExpanded.height() - kCollapsed.height());
} // namespace

BlinkScreen::BlinkScreen(Camera* camera, const SettingsMap& settings, QWidget* parent)
    : KavoWindow(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_camera(camera), m_settings(settings), m_view(WebViews::create(this)),
      m_video(new QLabel(this)),
      m_drag(new DragWidget(this)), m_side_drag(new DragWidget(this)), m_ui_timer(new QTimer(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kExpanded);
    m_video->setGeometry(QRect(QPoint(0, 0), kExpanded));
    m_video->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    build_page();
    place_drag_handles(true);

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    move(area.right() - width(), area.bottom() - height());

    m_ui_timer->start(1000);
    connect(m_ui_timer, &QTimer::timeout, this, &BlinkScreen::update_ui);
    if (m_camera) {
        m_camera->set_preview_on(true);
        connect(m_camera, &Camera::refresh_image, this, &BlinkScreen::showImage);
        connect(m_camera, &Camera::capture_started, this, &BlinkScreen::begin_showing);
    }
    setWindowTitle(ShownText::tr("Blink screen"));
    report_page_view(QStringLiteral("blink_screen.html"), QStringLiteral("Blink screen"));
}

void BlinkScreen::build_page()
{
    QWidget* view = m_view->widget();
    view->setGeometry(QRect(QPoint(0, 0), kExpanded));
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->setStyleSheet(QStringLiteral("background:transparent"));
    view->setAttribute(Qt::WA_TranslucentBackground);
    // The page is transparent where it draws nothing: the video shows through.
    m_view->set_transparent_page();
    view->setAttribute(Qt::WA_OpaquePaintEvent, false);
    view->raise();
    m_view->expose(QStringLiteral("native_object"), this);
    // A load that did not complete is no page.
    m_view->on_load_finished(this, [this](bool ok) {
        if (!ok)
            return;
        m_page_loaded = true;
        update_ui();
    });
    m_view->load(QUrl(QString::fromLatin1(kPage)));
}

void BlinkScreen::place_drag_handles(bool video_open)
{
    // The page's buttons sit where no handle covers it: the top-right corner of the open
    // window, the left end of the closed one.
    if (video_open) {
        m_drag->setGeometry(0, 0, 284, 220);
        m_side_drag->setGeometry(284, 46, 46, 174);
    } else {
        m_drag->setGeometry(50, 0, 100, 46);
    }
    m_drag->raise();
    m_side_drag->raise();
}

void BlinkScreen::run(const QString& statement)
{
    if (m_page_loaded)
        m_view->run(statement);
}

void BlinkScreen::showImage(const QImage& image)
{
    m_video->setPixmap(QPixmap::fromImage(image));
}

void BlinkScreen::show_video_label(bool show)
{
    m_video->setVisible(show);
}

void BlinkScreen::update_ui()
{
    const auto flag = [this](const char* key) {
        return m_settings.value(QLatin1String(key)).toBool();
    };
    if (flag("UseBlinkDetection"))
        run(QStringLiteral("set_blink_count(%1);").arg(m_camera ? m_camera->blink_count() : 0));
    if (!flag("CameraActive")) {
        run(QStringLiteral("hideErrorMessage();"));
        run(QStringLiteral("showCameraDisabled();"));
        show_video_label(false);
        return;
    }
    run(QStringLiteral("hideCameraDisabled();"));
    const QString status = m_camera ? m_camera->status_text() : QStringLiteral("No camera found");
    if (status.isEmpty())
        run(QStringLiteral("hideErrorMessage();"));
    else
        run(PageScript::call(QStringLiteral("showErrorMessage"), {translated(status)}));
    show_video_label(status != QLatin1String("No camera found") && m_video_open);
}

void BlinkScreen::closeVideo()
{
    if (!m_video_open)
        return;
    if (m_camera)
        m_camera->set_preview_on(false);
    place_drag_handles(false);
    move(pos() + kCollapseShift);
    show_video_label(false);
    setFixedSize(kCollapsed);
    m_video_open = false;
}

void BlinkScreen::openVideo()
{
    if (m_video_open)
        return;
    if (m_camera)
        m_camera->set_preview_on(true);
    place_drag_handles(true);
    move(pos() - kCollapseShift);
    setFixedSize(kExpanded);
    m_video_open = true;
    update_ui();
}

void BlinkScreen::begin_showing()
{
    update_ui();
    show();
}

void BlinkScreen::disable_blink_detection()
{
    run(QStringLiteral("disableBlinkDetection();"));
}
