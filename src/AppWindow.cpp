// The main window of App: its web view and drag strip, the page bridge, sizes and display
// scale, closing, the hidden-pages list and the small services the page calls.
#include "App.h"

#include "Edition.h"
#include "KavoLog.h"
#include "KavoResources.h"
#include "color/MagnificationApi.h"
#include "network/Translator.h"
#include "parts/IWebView.h"
#include "platform/Platform.h"
#include "screens/DesktopArea.h"
#include "screens/DisplayScale.h"
#include "screens/DragWidget.h"
#include "screens/KavoMessageBox.h"
#include "screens/MainScreenForm.h"
#include "screens/PageScript.h"
#include "screens/UnusedPages.h"
#include "settings/SaveManager.h"
#include "system/ITrayIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {
const QSize kWindowSize(520, 500);
constexpr float kZoomInStep = 0.2f;
constexpr float kZoomOutStep = 0.15f;
constexpr int kMinuteMs = 60000;
const char kIcon[] = ":/images/kavo_green.png";

SaveManager* save_manager()
{
    return SaveManager::instance();
}
} // namespace

void App::set_kavo_icon()
{
    register_kavo_resources();
    const QIcon icon{kavo_png(QString::fromLatin1(kIcon))};
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void App::start_minute_timer()
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &App::minute_passed);
    timer->start(kMinuteMs);
}

void App::minute_passed()
{
    reset_blinks();
    refresh_taskbar_button();
}

bool App::create_ui()
{
    if (m_ui)
        return false;
    register_kavo_resources();

    m_drag_widget = new DragWidget(this, [this] {
        return m_settings.value(QStringLiteral("UseLowLevelColorApi")).toBool() &&
               m_settings.value(QStringLiteral("UsePerMonitorSettings")).toBool();
    });
    m_drag_widget->setWindowFlags(Qt::SubWindow);
    fit_drag_widget_to_scale();
    show_drag_widget();

    m_ui = new MainScreenForm(this);
    IWebView* view = m_ui->webView;
    view->widget()->installEventFilter(this);
    setFixedSize(kWindowSize);
    repaint_nudge();
    show_drag_widget();
    setWindowTitle(QStringLiteral("Kavo"));

    style_web_view();
    view->expose(QStringLiteral("native_object"), this);
    // A load that did not complete is no page: the view reports one when it is destroyed
    // while loading, from inside the window's destruction.
    view->on_load_finished(this, [this](bool ok) {
        if (!ok)
            return;
        load_finished();
        set_gamma_ui();
    });
    return true;
}

IWebView* App::main_view() const
{
    return m_ui ? m_ui->webView : nullptr;
}

void App::style_web_view()
{
    QWidget* view = m_ui->webView->widget();
    view->setStyleSheet(QStringLiteral("background: rgba(0,0,0,2%);"));
    view->setStyleSheet(QStringLiteral("background:transparent"));
    view->setAttribute(Qt::WA_TranslucentBackground, false);
    view->setAttribute(Qt::WA_NoSystemBackground, true);
    view->setWindowTitle(QStringLiteral("Kavo"));
    view->setContextMenuPolicy(Qt::NoContextMenu);
}

bool App::call_page_function(const QString& function, const QStringList& arguments)
{
    if (!m_ui || !m_ui->webView->shows_pages())
        return false;
    m_ui->webView->run(PageScript::call(function, arguments));
    return true;
}

void App::load_finished()
{
    if (m_page_loaded)
        return;
    m_page_loaded = true;
    call_page_function(QStringLiteral("connect_signals_and_slots"));
    // The page shows the settings from the first moment, before it reports itself ready. They
    // come from the map as it is: a mode or type changed since start-up is not saved yet.
    publish_settings_to_page();
    emit set_kavo_mode_dropdown_value(m_settings.value(QStringLiteral("KavoMode")).toInt());
    emit set_kavo_type_dropdown_value(m_settings.value(QStringLiteral("KavoType")).toInt());
    call_page_function(QStringLiteral("kavo_load_finished"));

    connect(qApp, &QGuiApplication::applicationStateChanged, this, &App::application_state_changed);
    refresh_taskbar_button();
    set_gamma_ui();
    language_changed_force(m_settings.value(QStringLiteral("Language")).toString(), true);
    refresh_transition_texts();
    restore_pwm_control_status();
    restore_route_abilities();
    refresh_tray_icon();
    emit set_use_advanced_settings(m_settings.value(QStringLiteral("AdvancedView")).toBool());
}

void App::open_kavo_after_load_finished()
{
    if (m_page_ready)
        return;
    if (m_show_ui_requested)
        bring_to_front();
    m_page_ready = true;
    m_show_ui_requested = false;
}

QString App::GET_STRING(const QString& translation_string)
{
    return translator().translate_text(translation_string);
}

QString App::get_page_note(const QString& page)
{
    const QString note = Platform::current().pageNote(page);
    return note.isEmpty() ? note : translator().translate_text(note);
}

void App::bring_to_front()
{
    // Without the web part the window comes up at once, saying that it cannot be shown.
    if (create_ui() && m_ui->webView->shows_pages()) {
        // The window comes up when its page reports that it is ready.
        m_show_ui_requested = true;
        hide();
        return;
    }
    show();
    showNormal();
    raise();
    activateWindow();
    Platform::current().windows().bringToFront(*this);
    repaint_nudge();
    refresh_taskbar_button();
}

void App::bring_to_front_show_on_top_hack()
{
    Platform::current().windows().bringToFront(*this);
}

// A web view that missed a paint draws again when its size changes. Only the view is nudged:
// two quick resizes of the window itself may reach the window system in either order and
// leave the window a pixel short.
void App::repaint_nudge()
{
    QWidget* view = m_ui ? m_ui->webView->widget() : this;
    const QSize size = view->size();
    view->resize(size.width(), size.height() - 1);
    view->repaint();
    view->resize(size);
    view->repaint();
}

void App::resize_window(int width, int height)
{
    if (width <= 0 || height <= 0 || width > QWIDGETSIZE_MAX || height > QWIDGETSIZE_MAX) {
        log_line(QStringLiteral("Window size %1 x %2 ignored").arg(width).arg(height));
        return;
    }
    setFixedSize(width, height);
    repaint_nudge();
}

void App::refresh_size(int width, int height)
{
    resize_window(width, height);
    show_drag_widget();
}

void App::show_drag_widget()
{
    if (!m_drag_widget)
        return;
    m_drag_widget->show();
    m_drag_widget->showNormal();
    m_drag_widget->raise();
}

void App::use_advanced_settings_changed(bool is_advanced_view, int width, int height)
{
    if (width > 0 && height > 0)
        refresh_size(width, height);
    m_settings.insert(QStringLiteral("AdvancedView"), is_advanced_view);
    if (is_advanced_view) {
        kavo_type_changed(0);
        restore_advanced_settings_values();
    } else {
        const int mode = m_settings.value(QStringLiteral("KavoMode")).toInt();
        const int type = m_settings.value(QStringLiteral("KavoType")).toInt();
        kavo_mode_changed_force(mode, true);
        kavo_type_changed_force(type, true);
        emit set_kavo_mode_dropdown_value(mode);
        emit set_kavo_type_dropdown_value(type);
    }
    if (save_manager())
        save_manager()->write_advanced_view();
    update_gamma();
    update_ui();
    refresh_overlay_screens(true);
    refresh_lightness_screens(true);
}

bool App::is_retina_display()
{
    return DisplayScale::is_retina(m_settings.value(QStringLiteral("UiScale")).toInt(),
                                   DesktopArea::primary_monitor().size(),
                                   DesktopArea::primary_available_area().size());
}

bool App::is_1920_display()
{
    return DisplayScale::is_1920(m_settings.value(QStringLiteral("UiScale")).toInt(),
                                 DesktopArea::primary_monitor().size(),
                                 DesktopArea::primary_available_area().size());
}

void App::fit_drag_widget_to_scale()
{
    if (!m_drag_widget)
        return;
    m_drag_widget->setFixedSize(
        DisplayScale::drag_strip_size(is_retina_display(), is_1920_display()));
    m_drag_widget->move(10, 10);
}

void App::refresh_scale()
{
    fit_drag_widget_to_scale();
    emit refresh_ui_scale();
}

void App::minimize_clicked()
{
    showMinimized();
}

void App::destroy_ui_on_close_changed(bool value)
{
    store_setting(QStringLiteral("DestroyUiOnClose"), value, "destroy_ui_on_close: ");
}

bool App::is_tray_icon_visible() const
{
    return m_tray_icon && m_tray_icon->is_visible();
}

void App::closeEvent(QCloseEvent* event)
{
    if (is_tray_icon_visible()) {
        event->ignore();
        close_clicked();
        return;
    }
    log_line(QStringLiteral("Tray icon is not visible"));
    event->accept();
    quit_kavo();
}

void App::reject()
{
    close_clicked();
}

bool App::eventFilter(QObject* watched, QEvent* event)
{
    if (m_ui && watched == m_ui->webView->widget()) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            close_clicked();
            return true;
        }
        if (event->type() == QEvent::FocusIn)
            repaint_nudge();
        // The status, the timer's texts and the blink count are sent only while the window is
        // shown: once it is, the page (which may be a new one) gets them again.
        if (event->type() == QEvent::Show) {
            QTimer::singleShot(0, this, [this] {
                m_status_sent.clear();
                update_kavo_status();
                m_timer_texts_sent.clear();
                send_timer_texts();
                m_blink_count_sent = -1;
                refresh_blink_count();
                m_active_process_sent.reset();
                send_active_process();
            });
        }
    }
    return KavoWindow::eventFilter(watched, event);
}

void App::load_unused_pages()
{
    m_unused_pages = m_settings.value(QStringLiteral("UnusedPages")).toList();
    if (m_unused_pages.isEmpty())
        clean_unused_pages();
}

void App::clean_unused_pages()
{
    m_unused_pages = UnusedPages::default_list(get_application_name(),
                                               QDir::current().filePath("unused_pages.txt"));
}

void App::add_unused_page(const QString& page)
{
    m_unused_pages = UnusedPages::with_page(m_unused_pages, page);
    emit refresh_unused_pages_signal();
}

void App::remove_unused_page(const QString& page)
{
    m_unused_pages = UnusedPages::without_page(m_unused_pages, page);
    emit refresh_unused_pages_signal();
}

void App::refresh_unused_pages()
{
    emit refresh_unused_pages_signal();
}

void App::set_page_to_open(const QString& page_name)
{
    m_settings.insert(QStringLiteral("PageToOpen"), page_name);
}

void App::reset_page_to_open()
{
    m_settings.insert(QStringLiteral("PageToOpen"), QString());
}

void App::start_web_view_debugger()
{
    if (m_ui)
        m_ui->webView->open_inspector();
}

void App::open_url(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty()) {
        log_line(QStringLiteral("Not an address that can be opened: ") + url);
        return;
    }
    QDesktopServices::openUrl(address);
}

QUrl App::redirect_url(const QUrl& possibleRedirectUrl, const QUrl& oldRedirectUrl)
{
    if (!possibleRedirectUrl.isEmpty() && possibleRedirectUrl != oldRedirectUrl)
        return possibleRedirectUrl;
    return QUrl();
}

QString App::get_os_name()
{
    return Platform::current().name();
}

QString App::get_application_name()
{
    return QStringLiteral("Kavo");
}

void App::open_version_link()
{
    if (Edition::version_url().isEmpty())
        show_message(tr("What is new"), tr("This build of Kavo names no page with its changes."));
    else
        open_url(Edition::version_url());
}

void App::open_website_link()
{
    if (Edition::website().isEmpty())
        show_message(tr("Website"), tr("This build of Kavo names no website."));
    else
        open_url(Edition::website());
}

void App::publish_page_state()
{
    if (!m_page_loaded)
        return;
    emit set_current_application_name(Edition::application_name());
    emit set_current_version(Edition::version());
    emit set_current_publisher_name(Edition::publisher_name());
    emit set_current_website(Edition::website());
    restore_manage_monitors();
    emit refresh_unused_pages_signal();
    restore_pwm_control_status();
    restore_route_abilities();
    update_debug_info();
    emit set_color_routes_message(Platform::current().description());
}

void App::show_message(const QString& title, const QString& message)
{
    if (Platform::current().has(Capability::MessageBoxes)) {
        new KavoMessageBox(title, message);
        return;
    }
    QString one_line = message;
    one_line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    show_tray_icon_message(title, one_line);
}

void App::show_message_box(const QString& title, const QString& message)
{
    new KavoMessageBox(title, message);
}

void App::zoom_in()
{
    if (MagnificationApi* magnifier = MagnificationApi::instance())
        magnifier->zoom_in(kZoomInStep);
}

void App::zoom_out()
{
    if (MagnificationApi* magnifier = MagnificationApi::instance())
        magnifier->zoom_out(kZoomOutStep);
}
