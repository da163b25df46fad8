#pragma once

#include "platform/ITray.h"
#include "platform/sim/SimService.h"

#include <QJsonArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;

// The simulated notification area. The config's "system_tray" (default true) says whether the
// desktop has one; "tray_activate" ("double_click", "middle_click", "click", "context") clicks
// the icon and "tray_trigger" chooses the menu entry of that text (submenus included), each
// once when its value appears in the config. The state reports "tray": {"visible", "icon",
// "tooltip", "menu": [{"text", "checked", "enabled", "submenu"} or {"separator": true}],
// "messages": [{"title", "body"}]}.
class SimTray : public QObject, public ITray, public SimService
{
public:
    bool isAvailable() const override { return m_available; }
    void setIcon(const QIcon& icon, const QString& name) override;
    void setToolTip(const QString& text) override;
    void setMenu(QMenu* menu) override;
    void setVisible(bool visible) override;
    bool isVisible() const override { return m_visible && m_available; }
    void showMessage(const QString& title, const QString& body, int milliseconds) override;
    void popupMenu() override {}

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

    // Test control: what a click on the icon or on the menu entry `text` does.
    void click(Activation reason) { activated(reason); }
    bool trigger(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QMenu* menu);
    void reportSoon();
    void runPending();

    bool m_available = true;
    bool m_visible = false;
    QString m_icon;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
    QJsonArray m_messages;
    QString m_lastActivate;
    QString m_lastTrigger;
    QString m_pendingActivate;
    QString m_pendingTrigger;
    bool m_reportPending = false;
};
