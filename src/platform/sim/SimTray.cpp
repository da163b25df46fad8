#include "platform/sim/SimTray.h"

#include "KavoLog.h"

#include <QAction>
#include <QActionEvent>
#include <QMenu>
#include <QTimer>

namespace {
const struct
{
    const char* name;
    ITray::Activation reason;
} kActivations[] = {
    {"double_click", ITray::Activation::DoubleClick},
    {"middle_click", ITray::Activation::MiddleClick},
    {"click", ITray::Activation::Trigger},
    {"context", ITray::Activation::Context},
};

QJsonArray menu_entries(const QMenu* menu)
{
    QJsonArray entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            entries.append(QJsonObject{{QStringLiteral("separator"), true}});
            continue;
        }
        QJsonObject entry{{QStringLiteral("text"), action->text()},
                          {QStringLiteral("checked"), action->isChecked()},
                          {QStringLiteral("enabled"), action->isEnabled()}};
        if (action->menu())
            entry.insert(QStringLiteral("submenu"), menu_entries(action->menu()));
        entries.append(entry);
    }
    return entries;
}

QAction* find_action(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator() && action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction* found = find_action(action->menu(), text))
                return found;
        }
    }
    return nullptr;
}
} // namespace

void SimTray::setIcon(const QIcon&, const QString& name)
{
    if (m_icon == name)
        return;
    m_icon = name;
    changed();
}

void SimTray::setToolTip(const QString& text)
{
    if (m_toolTip == text)
        return;
    m_toolTip = text;
    changed();
}

void SimTray::setMenu(QMenu* menu)
{
    m_menu = menu;
    if (menu)
        follow(menu);
    changed();
    runPending();
}

void SimTray::follow(QMenu* menu)
{
    menu->installEventFilter(this);
    for (QAction* action : menu->actions()) {
        if (action->menu())
            follow(action->menu());
    }
}

bool SimTray::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ActionAdded: {
        QAction* action = static_cast<QActionEvent*>(event)->action();
        if (action && action->menu())
            follow(action->menu());
        reportSoon();
        break;
    }
    case QEvent::ActionChanged:
    case QEvent::ActionRemoved:
        reportSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SimTray::reportSoon()
{
    // A menu rebuild changes many entries: one state write per event loop pass.
    if (m_reportPending)
        return;
    m_reportPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reportPending = false;
        changed();
    });
}

void SimTray::setVisible(bool visible)
{
    m_visible = visible;
    changed();
    runPending();
}

void SimTray::showMessage(const QString& title, const QString& body, int)
{
    m_messages.append(
        QJsonObject{{QStringLiteral("title"), title}, {QStringLiteral("body"), body}});
    changed();
}

bool SimTray::trigger(const QString& text)
{
    QAction* action = m_menu ? find_action(m_menu, text) : nullptr;
    if (!action || !action->isEnabled()) {
        log_line(QStringLiteral("Simulated tray: no menu entry ") + text);
        return false;
    }
    action->trigger();
    return true;
}

void SimTray::configure(const QJsonObject& config)
{
    m_available = config.value(QLatin1String("system_tray")).toBool(true);
    const QString activate = config.value(QLatin1String("tray_activate")).toString();
    if (activate != m_lastActivate)
        m_pendingActivate = m_lastActivate = activate;
    const QString trigger = config.value(QLatin1String("tray_trigger")).toString();
    if (trigger != m_lastTrigger)
        m_pendingTrigger = m_lastTrigger = trigger;
    // Clicks run from the event loop, not from inside the config reload.
    QTimer::singleShot(0, this, [this] { runPending(); });
}

// Clicks wait until the icon is shown with its menu.
void SimTray::runPending()
{
    if (!m_visible || !m_menu)
        return;
    const QString activate = std::exchange(m_pendingActivate, QString());
    for (const auto& known : kActivations) {
        if (activate == QLatin1String(known.name))
            activated(known.reason);
    }
    const QString trigger = std::exchange(m_pendingTrigger, QString());
    if (!trigger.isEmpty())
        this->trigger(trigger);
}

void SimTray::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("tray"),
                 QJsonObject{{QStringLiteral("visible"), isVisible()},
                             {QStringLiteral("icon"), m_icon},
                             {QStringLiteral("tooltip"), m_toolTip},
                             {QStringLiteral("menu"), m_menu ? menu_entries(m_menu) : QJsonArray()},
                             {QStringLiteral("messages"), m_messages}});
}
