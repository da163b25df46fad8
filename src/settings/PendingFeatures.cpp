#include "settings/PendingFeatures.h"

#include "KavoLog.h"

#include <QHash>

namespace {
struct Pending
{
    const char* name;
    const char* feature;
};

// Every action that waits for its feature, with the feature named in the log line.
const Pending kPending[] = {
    // The rest timer: the taskbar entry's actions and the console.
    {"toggle_timer", "The break timer"},
    {"reset_timer", "The break timer"},
    {"pause_resume_timer", "The break timer"},
    {"timer_type_changed", "The break timer"},
    // The process monitor: pauser switches and the competing-programs rule.
    {"use_color_pausers_changed", "Color pausers"},
    {"apply_conflicting_applications", "Closing conflicting applications"},
    // Keyboard and mouse hooks.
    {"reconnect_keyboard_hook", "The keyboard hook"},
    {"use_software_cursor_changed", "The software cursor"},
    // The location setters of the schedule.
    {"use_manual_location_changed", "Manual location"},
    {"latitude_changed", "Manual location"},
    {"longitude_changed", "Manual location"},
    // Web pages: Kavo's product pages and the console's video pages have no addresses yet.
    {"open_product_page", "Kavo's web pages"},
    {"open_video_page", "The console's video pages"},
};

QHash<QByteArray, PendingFeatures::Handler>& handlers()
{
    static QHash<QByteArray, PendingFeatures::Handler> connected;
    return connected;
}

const Pending* find(const char* name)
{
    for (const Pending& pending : kPending) {
        if (qstrcmp(pending.name, name) == 0)
            return &pending;
    }
    return nullptr;
}
} // namespace

namespace PendingFeatures {

bool run(const char* name, const QVariantList& arguments)
{
    const auto handler = handlers().constFind(QByteArray(name));
    if (handler != handlers().constEnd() && *handler) {
        (*handler)(arguments);
        return true;
    }
    const Pending* pending = find(name);
    log_line(QLatin1String(pending ? pending->feature : name) +
             QStringLiteral(" is not part of Kavo yet (") + QLatin1String(name) + QLatin1Char(')'));
    return false;
}

void connect(const char* name, Handler handler)
{
    handlers().insert(QByteArray(name), std::move(handler));
}

bool is_listed(const char* name)
{
    return find(name) != nullptr;
}

} // namespace PendingFeatures
