#pragma once

#include <QList>
#include <QString>

class QWidget;

// The main window's entry in the desktop's task bar or dock: its title, a progress bar, and
// the actions its context menu offers.
class ITaskbar
{
public:
    enum class ProgressState
    {
        Running,
        Paused,
        Stopped
    };

    struct Progress
    {
        bool visible = false;
        int value = 0;
        int maximum = 100;
        ProgressState state = ProgressState::Running;
        bool operator==(const Progress& other) const
        {
            return visible == other.visible && value == other.value && maximum == other.maximum &&
                   state == other.state;
        }
    };

    // An action of the entry's context menu: it runs Kavo with `command` as its argument.
    struct Action
    {
        QString id;
        QString name;
        QString command;
    };

    virtual ~ITaskbar() = default;

    // Sets the title of `window`, which the entry shows.
    virtual void setTitle(QWidget& window, const QString& title) = 0;
    virtual void setProgress(const Progress& progress) = 0;
    // Offers `actions` in the entry's context menu, replacing earlier ones.
    virtual void setActions(const QList<Action>& actions) = 0;
};
