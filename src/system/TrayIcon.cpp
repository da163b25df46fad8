#include "system/TrayIcon.h"

#include "App.h"
#include "KavoResources.h"
#include "platform/ITray.h"
#include "settings/SaveManager.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QTransform>

// Resources of a static library are registered by hand; Q_INIT_RESOURCE may not be used
// inside a namespace.
static void init_tray_resources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kavo);
        return true;
    }();
    Q_UNUSED(registered)
}

const QString TrayIcon::kNormalIcon = QStringLiteral(":/images/kavo_green.png");
const QString TrayIcon::kPausedIcon = QStringLiteral(":/images/kavo_yellow.png");
const QString TrayIcon::kStartingIcon = QStringLiteral(":/images/kavo_red.png");
const QString TrayIcon::kGhostIcon = QStringLiteral(":/images/hidden_features.png");

namespace {
constexpr int kMessageMilliseconds = 10000;
constexpr int kSpinningIconSize = 50;

// Type numbers in menu order: Health to Overlay, then Custom.
const int kTypeMenuOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};

const char* const kTypeTexts[] = {
    QT_TRANSLATE_NOOP("TrayIcon", "&Custom"),    QT_TRANSLATE_NOOP("TrayIcon", "&Health"),
    QT_TRANSLATE_NOOP("TrayIcon", "&Sleep"),     QT_TRANSLATE_NOOP("TrayIcon", "&Gaming"),
    QT_TRANSLATE_NOOP("TrayIcon", "&Reading"),   QT_TRANSLATE_NOOP("TrayIcon", "&Programming"),
    QT_TRANSLATE_NOOP("TrayIcon", "&Biohacker"), QT_TRANSLATE_NOOP("TrayIcon", "&Sunglasses"),
    QT_TRANSLATE_NOOP("TrayIcon", "&Dark"),      QT_TRANSLATE_NOOP("TrayIcon", "&Movie"),
    QT_TRANSLATE_NOOP("TrayIcon", "&Overlay"),
};

QStringList lines_of(const QVariant& list)
{
    return list.toString().split(QLatin1Char('\n'));
}
} // namespace

// One of the three pauser submenus and the list it edits.
struct TrayIcon::PauserMenu
{
    const char* title;
    const char* list_key;
    const char* switch_key;
    void (App::*save)(const QString&);
    void (App::*list_changed)(QString);
    QMenu* menu = nullptr;
};

TrayIcon::TrayIcon(App& app, ITray& tray) : m_app(app), m_tray(tray)
{
    init_tray_resources();
    m_menu = std::make_unique<QMenu>();
    m_menu->setToolTipsVisible(true);
    create_actions();
    retranslate();
    refresh_selected_type();
    refresh_selected_mode();
    rebuild_menu();
    show_icon(kStartingIcon);
    m_tray.setMenu(m_menu.get());
    m_tray.setActivationHandler([this](ITray::Activation reason) { icon_activated(int(reason)); });
    connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayIcon::tray_icon_menu_about_to_show);
    connect(m_menu.get(), &QMenu::aboutToHide, this, &TrayIcon::tray_icon_menu_about_to_hide);
}

TrayIcon::~TrayIcon()
{
    m_tray.setActivationHandler(nullptr);
    m_tray.setMenu(nullptr);
    m_tray.setVisible(false);
}

void TrayIcon::create_actions()
{
    m_title_action = new QAction(this);
    m_title_action->setEnabled(false);
    m_settings_action = new QAction(this);
    connect(m_settings_action, &QAction::triggered, &m_app, &App::bring_to_front);
    create_mode_menu();
    create_type_actions();

    m_pauser_menus.push_back(std::make_unique<PauserMenu>(
        PauserMenu{QT_TRANSLATE_NOOP("TrayIcon", "Color pausers"), "ColorPausers",
                   "UseColorPausers", &App::save_color_pausers, &App::set_color_pausers_list}));
    m_pauser_menus.push_back(std::make_unique<PauserMenu>(
        PauserMenu{QT_TRANSLATE_NOOP("TrayIcon", "Timer pausers"), "TimerPausers",
                   "UseTimerPausers", &App::save_timer_pausers, &App::set_timer_pausers_list}));
    m_pauser_menus.push_back(std::make_unique<PauserMenu>(
        PauserMenu{QT_TRANSLATE_NOOP("TrayIcon", "Mouse pausers"), "MousePausers",
                   "UseMousePausers", &App::save_mouse_pausers, &App::set_mouse_pausers_list}));
    for (auto& pausers : m_pauser_menus)
        pausers->menu = new QMenu(m_menu.get());

    // The auto clicker can always be stopped from here while it clicks.
    m_stop_clicking_action = new QAction(this);
    connect(m_stop_clicking_action, &QAction::triggered, &m_app, &App::stop_mouse_clicking);
    connect(&m_app, &App::auto_clicker_changed, this, &TrayIcon::rebuild_menu);

    m_exit_action = new QAction(this);
    connect(m_exit_action, &QAction::triggered, &m_app, &App::quit_kavo);
}

void TrayIcon::create_mode_menu()
{
    m_mode_menu = new QMenu(m_menu.get());
    m_change_mode_action = m_mode_menu->addAction(QString());
    connect(m_change_mode_action, &QAction::triggered, this, [this] { change_kavo_mode(true); });
    m_mode_menu->addSeparator();
    auto* modes = new QActionGroup(this);
    m_automatic_action = m_mode_menu->addAction(QString());
    m_manual_action = m_mode_menu->addAction(QString());
    m_paused_action = m_mode_menu->addAction(QString());
    for (QAction* action : {m_automatic_action, m_manual_action, m_paused_action}) {
        action->setCheckable(true);
        modes->addAction(action);
    }
    connect(m_automatic_action, &QAction::triggered, this,
            &TrayIcon::change_kavo_mode_to_automatic);
    connect(m_manual_action, &QAction::triggered, this, &TrayIcon::change_kavo_mode_to_manual);
    connect(m_paused_action, &QAction::triggered, this, &TrayIcon::change_kavo_mode_to_paused);
}

void TrayIcon::create_type_actions()
{
    m_type_group = new QActionGroup(this);
    for (int type = 0; type < int(std::size(kTypeTexts)); ++type) {
        auto* action = new QAction(this);
        action->setCheckable(true);
        m_type_group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, type](bool checked) { change_kavo_type(checked, type); });
        m_type_actions.append(action);
    }
}

void TrayIcon::retranslate()
{
    m_settings_action->setText(tr("Settings"));
    m_mode_menu->setTitle(tr("Mode"));
    m_change_mode_action->setText(tr("&Change mode"));
    m_automatic_action->setText(tr("&Automatic"));
    m_manual_action->setText(tr("&Manual"));
    m_paused_action->setText(tr("&Paused"));
    for (int type = 0; type < m_type_actions.size(); ++type)
        m_type_actions.at(type)->setText(tr(kTypeTexts[type]));
    for (auto& pausers : m_pauser_menus)
        pausers->menu->setTitle(tr(pausers->title));
    m_stop_clicking_action->setText(tr("Stop auto clicker"));
    m_exit_action->setText(tr("Exit"));
}

void TrayIcon::rebuild_menu()
{
    m_menu->clear();
    m_menu->addAction(m_settings_action);
    m_menu->addSeparator();
    m_menu->addMenu(m_mode_menu);
    m_menu->addSeparator();
    for (int type : kTypeMenuOrder)
        m_menu->addAction(m_type_actions.at(type));
    bool separated = false;
    for (auto& pausers : m_pauser_menus) {
        if (!setting(pausers->switch_key))
            continue;
        if (!separated)
            m_menu->addSeparator();
        separated = true;
        m_menu->addMenu(pausers->menu);
    }
    m_menu->addSeparator();
    if (m_app.is_auto_clicker_running())
        m_menu->addAction(m_stop_clicking_action);
    m_menu->addAction(m_exit_action);
    rebuild_pauser_menus();
}

void TrayIcon::rebuild_pauser_menus()
{
    for (auto& pausers : m_pauser_menus)
        fill_pauser_menu(*pausers);
}

void TrayIcon::fill_pauser_menu(PauserMenu& pausers)
{
    pausers.menu->clear();
    const QStringList listed =
        lines_of(m_app.settings_map().value(QLatin1String(pausers.list_key)));
    QStringList names;
    for (const QString& name : listed + m_recent_processes) {
        if (!name.trimmed().isEmpty() && !names.contains(name))
            names.append(name);
    }
    PauserMenu* target = &pausers;
    for (const QString& name : names) {
        QAction* entry = pausers.menu->addAction(name);
        entry->setCheckable(true);
        entry->setChecked(listed.contains(name));
        connect(entry, &QAction::triggered, this, [this, target, name](bool checked) {
            // The menu is refilled inside: let the entry finish its own signal first.
            QMetaObject::invokeMethod(
                this, [this, target, name, checked] { toggle_pauser(*target, checked, name); },
                Qt::QueuedConnection);
        });
    }
}

void TrayIcon::toggle_pauser(PauserMenu& pausers, bool checked, const QString& name)
{
    QStringList list = lines_of(m_app.settings_map().value(QLatin1String(pausers.list_key)));
    if (checked && !list.contains(name))
        list.append(name);
    else if (!checked)
        list.removeAll(name);
    list.removeAll(QString());
    const QString text = list.join(QLatin1Char('\n'));
    (m_app.*pausers.save)(text);
    emit(m_app.*pausers.list_changed)(text);
    fill_pauser_menu(pausers);
}

void TrayIcon::toogle_color_pauser(bool checked, const QString& pauser)
{
    toggle_pauser(*m_pauser_menus.at(0), checked, pauser);
}

void TrayIcon::toogle_timer_pauser(bool checked, const QString& pauser)
{
    toggle_pauser(*m_pauser_menus.at(1), checked, pauser);
}

void TrayIcon::toogle_mouse_pauser(bool checked, const QString& pauser)
{
    toggle_pauser(*m_pauser_menus.at(2), checked, pauser);
}

void TrayIcon::set_recent_processes(const QStringList& names)
{
    if (m_recent_processes == names)
        return;
    m_recent_processes = names;
    rebuild_pauser_menus();
}

void TrayIcon::icon_activated(int reason)
{
    switch (ITray::Activation(reason)) {
    case ITray::Activation::DoubleClick:
        m_app.bring_to_front();
        break;
    case ITray::Activation::MiddleClick:
        m_app.change_mode();
        write_state();
        break;
    default:
        break;
    }
}

void TrayIcon::change_kavo_type(bool checked, int type)
{
    if (!checked)
        return;
    m_app.kavo_type_changed_force(type, false);
    write_state();
}

void TrayIcon::change_kavo_mode(bool checked)
{
    if (!checked)
        return;
    m_app.change_mode();
    write_state();
}

void TrayIcon::change_kavo_mode_to_automatic()
{
    m_app.kavo_mode_changed_force(1, false);
    write_state();
}

void TrayIcon::change_kavo_mode_to_manual()
{
    m_app.kavo_mode_changed_force(2, false);
    write_state();
}

void TrayIcon::change_kavo_mode_to_paused()
{
    m_app.kavo_mode_changed_force(3, false);
    write_state();
}

void TrayIcon::refresh_selected_type()
{
    m_menu_open = false;
    const int type = m_app.settings_map().value(QStringLiteral("KavoType")).toInt();
    if (type >= 0 && type < m_type_actions.size())
        m_type_actions.at(type)->setChecked(true);
}

void TrayIcon::refresh_selected_mode()
{
    m_menu_open = false;
    switch (m_app.settings_map().value(QStringLiteral("KavoMode")).toInt()) {
    case 1:
        m_automatic_action->setChecked(true);
        break;
    case 2:
        m_manual_action->setChecked(true);
        break;
    case 3:
        m_paused_action->setChecked(true);
        break;
    default:
        break;
    }
}

void TrayIcon::tray_icon_menu_about_to_show()
{
    m_menu_open = true;
}

void TrayIcon::tray_icon_menu_about_to_hide()
{
    m_menu_open = false;
}

void TrayIcon::show_message(const QString& title, const QString& body)
{
    m_tray.showMessage(title, body, kMessageMilliseconds);
}

void TrayIcon::set_visible(bool visible)
{
    m_tray.setVisible(visible);
}

void TrayIcon::popup_menu()
{
    m_tray.popupMenu();
}

bool TrayIcon::is_visible()
{
    return m_tray.isVisible();
}

void TrayIcon::set_tooltip(const QString& text)
{
    m_tray.setToolTip(text);
    m_title_action->setText(text);
}

void TrayIcon::refresh_icon(int)
{
    if (setting("UseGhostIcon")) {
        show_icon(kGhostIcon);
        return;
    }
    m_angle += 90;
    if (m_angle > 360)
        m_angle = 90;
    if (m_app.is_page_loaded() || setting("OptimizeUiCreation")) {
        if (!m_app.is_kavo_paused()) {
            show_normal_icon();
        } else if (!m_paused_icon_shown) {
            show_icon(kPausedIcon);
            m_paused_icon_shown = true;
            m_normal_icon_shown = false;
        }
        return;
    }
    if (!m_normal_icon_shown) {
        show_icon(kStartingIcon);
        m_normal_icon_shown = m_paused_icon_shown = false;
    }
}

void TrayIcon::show_normal_icon()
{
    if (setting("UseSpinningTrayIcon"))
        show_icon(kNormalIcon, m_angle);
    else
        show_icon(kNormalIcon);
    m_normal_icon_shown = true;
    m_paused_icon_shown = false;
}

// The icon is refreshed on every update tick: it is handed to the tray only when it is
// another image than the one shown.
void TrayIcon::show_icon(const QString& name, int rotation)
{
    const QString key =
        rotation == 0 ? name : name + QStringLiteral("?rotation=") + QString::number(rotation);
    if (key == m_shown_icon)
        return;
    m_shown_icon = key;
    m_tray.setIcon(icon(name, rotation, key), key);
}

// The spinning icon shows the same four turns over and over: each is drawn once.
QIcon TrayIcon::icon(const QString& name, int rotation, const QString& key)
{
    if (rotation == 0)
        return QIcon(kavo_png(name));
    auto drawn = m_turned_icons.constFind(key);
    if (drawn == m_turned_icons.constEnd()) {
        const QPixmap image = kavo_png(name).scaled(kSpinningIconSize, kSpinningIconSize,
                                                    Qt::KeepAspectRatio, Qt::SmoothTransformation);
        drawn = m_turned_icons.insert(
            key, QIcon(image.transformed(QTransform().rotate(rotation), Qt::SmoothTransformation)));
    }
    return *drawn;
}

void TrayIcon::write_state()
{
    if (SaveManager* save_manager = SaveManager::instance())
        save_manager->write_state();
}

bool TrayIcon::setting(const char* key) const
{
    return m_app.settings_map().value(QLatin1String(key)).toBool();
}
