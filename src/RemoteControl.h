#pragma once

#include <QJsonObject>

class App;
struct RemoteCommand;

// Carries out the commands kavoctl sends to the running Kavo ({"command": ["mode",
// "manual"]}) through the controller's own slots, as the tray menu and the page would, and
// answers with the new status, or {"error": "..."}.
class RemoteControl
{
public:
    explicit RemoteControl(App& app) : m_app(app) {}

    QJsonObject run(const QJsonObject& request);

private:
    void execute(const RemoteCommand& command);
    void set_color(const QString& key, int value);
    void set_location(double latitude, double longitude);

    App& m_app;
};
