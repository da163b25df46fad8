#pragma once

#include "system/ITrayIcon.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QStringList>

#include <memory>

class App;
class ITray;
class QAction;
class QActionGroup;
class QMenu;

// Kavo's icon in the notification area: the state in its image and tooltip, the mode and type
// choices, the pauser lists, a way to stop the auto clicker while it clicks and Exit in its
// menu, balloon messages, and the clicks on it
// (double click opens the window, middle click changes the mode).
class TrayIcon : public QObject, public ITrayIcon
{
    Q_OBJECT

public:
    static const QString kNormalIcon;   // ":/images/kavo_green.png"
    static const QString kPausedIcon;   // ":/images/kavo_yellow.png"
    static const QString kStartingIcon; // ":/images/kavo_red.png"
    static const QString kGhostIcon;    // ":/images/hidden_features.png"

    TrayIcon(App& app, ITray& tray);
    ~TrayIcon() override;

    void retranslate() override;
    void refresh_icon(int) override;
    void rebuild_menu() override;
    void rebuild_pauser_menus() override;
    void show_message(const QString& title, const QString& body) override;
    void set_visible(bool visible) override;
    void popup_menu() override;
    bool is_visible() override;
    void set_tooltip(const QString& text) override;

    // The last foreground programs, offered in the pauser submenus beside the listed ones.
    void set_recent_processes(const QStringList& names) override;

    int rotation_angle() const { return m_angle; }
    bool is_menu_open() const { return m_menu_open; }

public slots:
    void icon_activated(int reason);
    void change_kavo_type(bool checked, int type);
    void toogle_color_pauser(bool checked, const QString& pauser);
    void toogle_timer_pauser(bool checked, const QString& pauser);
    void toogle_mouse_pauser(bool checked, const QString& pauser);
    void change_kavo_mode(bool checked);
    void change_kavo_mode_to_automatic();
    void change_kavo_mode_to_manual();
    void change_kavo_mode_to_paused();
    void refresh_selected_type() override;
    void refresh_selected_mode() override;
    void tray_icon_menu_about_to_hide();
    void tray_icon_menu_about_to_show();

private:
    struct PauserMenu;

    void create_actions();
    void create_type_actions();
    void create_mode_menu();
    void fill_pauser_menu(PauserMenu& pausers);
    void toggle_pauser(PauserMenu& pausers, bool checked, const QString& name);
    void show_icon(const QString& name, int rotation = 0);
    QIcon icon(const QString& name, int rotation, const QString& key);
    void show_normal_icon();
    void write_state();
    bool setting(const char* key) const;

    App& m_app;
    ITray& m_tray;
    std::unique_ptr<QMenu> m_menu;
    QMenu* m_mode_menu = nullptr;
    std::vector<std::unique_ptr<PauserMenu>> m_pauser_menus;
    QAction* m_title_action = nullptr;
    QAction* m_settings_action = nullptr;
    QAction* m_change_mode_action = nullptr;
    QAction* m_automatic_action = nullptr;
    QAction* m_manual_action = nullptr;
    QAction* m_paused_action = nullptr;
    QAction* m_stop_clicking_action = nullptr;
    QAction* m_exit_action = nullptr;
    QActionGroup* m_type_group = nullptr;
    QList<QAction*> m_type_actions; // by type number, 0 (Custom) to 10 (Overlay)
    QStringList m_recent_processes;
    bool m_normal_icon_shown = false;
    bool m_paused_icon_shown = false;
    bool m_menu_open = false;
    int m_angle = 0;
    QString m_shown_icon;                 // the name (and rotation) of the image the tray shows
    QHash<QString, QIcon> m_turned_icons; // by name and rotation
};
