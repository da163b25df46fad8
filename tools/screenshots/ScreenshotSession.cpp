#include "ScreenshotSession.h"

#include "App.h"
#include "parts/IWebView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTextStream>

namespace {
constexpr int kPatienceMs = 8000;

void say(const QString& line)
{
    QTextStream(stdout) << line << '\n';
}
} // namespace

ScreenshotSession::ScreenshotSession(App& app, const QDir& output) : m_app(app), m_output(output)
{
}

bool ScreenshotSession::run()
{
    m_app.create_ui();
    m_app.set_show_ui_requested(true);
    if (!wait_for([this] { return m_app.is_page_loaded() && m_app.isVisible(); },
                  QStringLiteral("the main window")))
        return false;

    const Scale scales[] = {{1, "scale-1x"}, {3, "scale-1.5x"}, {2, "scale-2x"}};
    for (const Scale& scale : scales) {
        if (!render_scale(scale))
            return false;
    }
    return true;
}

bool ScreenshotSession::render_scale(const Scale& scale)
{
    m_app.settings_map().insert(QStringLiteral("UiScale"), scale.ui_scale);
    m_app.refresh_scale();
    if (!show_view(false) || !save(scale.folder, QStringLiteral("main_simple_view")))
        return false;
    if (!show_view(true) || !save(scale.folder, QStringLiteral("main_advanced_view")))
        return false;

    const QVariantList pages =
        page_value(QStringLiteral("MainScreen.PAGES.map((page) => page.title + '|' + page.file)"))
            .toList();
    for (const QVariant& entry : pages) {
        const QStringList parts = entry.toString().split(QLatin1Char('|'));
        if (!open_page(parts.first()) ||
            !save(scale.folder, parts.last().section(QLatin1Char('.'), 0, 0)))
            return false;
    }
    return render_per_monitor_tabs(scale);
}

bool ScreenshotSession::render_per_monitor_tabs(const Scale& scale)
{
    // Only the page learns of it: the window shows the monitor tabs of per-monitor settings.
    emit m_app.set_use_per_monitor_settings(true);
    const bool saved = open_page(QStringLiteral("Blue light")) &&
                       save(scale.folder, QStringLiteral("blue_light_page_per_monitor"));
    emit m_app.set_use_per_monitor_settings(false);
    return saved;
}

bool ScreenshotSession::show_view(bool advanced)
{
    emit m_app.set_use_advanced_settings(advanced);
    const QString view = advanced ? QStringLiteral("advanced-view") : QStringLiteral("simple-view");
    const QString page_shown = advanced
                                   ? QStringLiteral("!!document.querySelector('#page-host .page')")
                                   : QStringLiteral("true");
    return wait_for(
        [&] {
            return !page_value("document.getElementById('" + view + "').hidden").toBool() &&
                   page_value(page_shown).toBool();
        },
        view);
}

bool ScreenshotSession::open_page(const QString& title)
{
    emit m_app.open_page(title);
    return wait_for(
        [&] {
            // The title's source text: the same in every language.
            return page_value(
                       QStringLiteral("(document.querySelector('#page-host .page-title') "
                                      "|| {getAttribute: () => ''}).getAttribute('data-i18n')"))
                       .toString() == title;
        },
        title);
}

bool ScreenshotSession::save(const QString& folder, const QString& name)
{
    // Let the page lay itself out at its new size before it is rendered.
    QCoreApplication::processEvents();
    m_output.mkpath(folder);
    const QString path = m_output.filePath(folder + QLatin1Char('/') + name + ".png");
    if (!m_app.grab().save(path)) {
        say(QStringLiteral("Could not write ") + path);
        return false;
    }
    say(path);
    return true;
}

QVariant ScreenshotSession::page_value(const QString& script)
{
    return m_app.main_view()->run(script);
}

bool ScreenshotSession::wait_for(const std::function<bool()>& condition, const QString& what)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > kPatienceMs) {
            say(QStringLiteral("Gave up waiting for ") + what);
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}
