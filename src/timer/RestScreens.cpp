#include "timer/RestScreens.h"

#include "parts/WebViews.h"
#include "platform/Platform.h"
#include "screens/IRestScreen.h"
#include "screens/RestScreenLite.h"
#include "screens/RestScreenWeb.h"
#include "screens/WindowPlacement.h"
#include "timer/TimerTypes.h"

namespace {
QVector<QRect> monitors()
{
    return Platform::current().displays().monitorGeometries();
}

IRestScreen* create_rest_screen(int type, RestTimer* timer, int index, const QRect& monitor,
                                bool primary)
{
    // Without the web part a break still covers the screens, in the form that needs no page.
    if ((type == RestScreenType::Simple || type == RestScreenType::Standard) &&
        !WebViews::available())
        type = RestScreenType::Lite;
    switch (type) {
    case RestScreenType::Lite:
        return new RestScreenLite(timer, index, monitor, primary);
    case RestScreenType::Simple:
        return new RestScreenSimple(timer, index, monitor, primary);
    case RestScreenType::Standard:
        return new RestScreenStandard(timer, index, monitor, primary);
    default:
        return nullptr;
    }
}
} // namespace

RestScreens::~RestScreens()
{
    close_all();
}

void RestScreens::open(int type, RestTimer* timer)
{
    close_all();
    m_type = type;
    // The monitors are asked again after each window: one may come or go meanwhile.
    QVector<QRect> now = monitors();
    for (int index = 0; index < now.size(); ++index) {
        add(timer, index, now.at(index), index == WindowPlacement::primary_monitor_index(now));
        now = monitors();
    }
}

void RestScreens::add(RestTimer* timer, int index, const QRect& monitor, bool primary)
{
    if (IRestScreen* window = create_rest_screen(m_type, timer, index, monitor, primary))
        m_entries.append({window, monitor});
}

void RestScreens::follow_monitors(RestTimer* timer)
{
    forget_closed();
    if (m_entries.isEmpty())
        return;
    const QVector<QRect> now = monitors();
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        if (!now.contains(m_entries.at(i).monitor)) {
            m_entries.at(i).window->deleteLater();
            m_entries.remove(i);
        }
    }
    const QVector<QRect> covered = covered_monitors();
    const int primary = WindowPlacement::primary_monitor_index(now);
    for (int index = 0; index < now.size(); ++index) {
        if (!covered.contains(now.at(index)))
            add(timer, index, now.at(index), index == primary && !this->primary());
    }
}

void RestScreens::close_all()
{
    for (const Entry& entry : qAsConst(m_entries)) {
        if (entry.window)
            entry.window->deleteLater();
    }
    m_entries.clear();
}

void RestScreens::set_continue_button()
{
    forget_closed();
    for (const Entry& entry : qAsConst(m_entries))
        entry.window->set_continue_button();
}

bool RestScreens::is_empty() const
{
    for (const Entry& entry : m_entries) {
        if (entry.window)
            return false;
    }
    return true;
}

IRestScreen* RestScreens::primary() const
{
    for (const Entry& entry : m_entries) {
        if (entry.window && entry.window->is_primary())
            return entry.window;
    }
    return nullptr;
}

QVector<QRect> RestScreens::covered_monitors() const
{
    QVector<QRect> covered;
    for (const Entry& entry : m_entries) {
        if (entry.window)
            covered.append(entry.monitor);
    }
    return covered;
}

void RestScreens::forget_closed()
{
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        if (!m_entries.at(i).window)
            m_entries.remove(i);
    }
}
