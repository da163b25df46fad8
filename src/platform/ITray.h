#pragma once

#include <QString>

#include <functional>

class QIcon;
class QMenu;

// The desktop's notification area: one icon with a tooltip, a context menu and balloon
// messages, and the user's clicks on it.
class ITray
{
public:
    enum class Activation
    {
        Trigger,
        DoubleClick,
        MiddleClick,
        Context
    };
    using ActivationHandler = std::function<void(Activation)>;

    virtual ~ITray() = default;

    // Whether the desktop has a notification area to show the icon in right now.
    virtual bool isAvailable() const = 0;

    // Shows `icon`; `name` says which image it is (its resource path and rotation) for
    // whoever observes the desktop.
    virtual void setIcon(const QIcon& icon, const QString& name) = 0;
    virtual void setToolTip(const QString& text) = 0;
    // The context menu; not owned. Changes to its entries are followed.
    virtual void setMenu(QMenu* menu) = 0;
    virtual void setVisible(bool visible) = 0;
    // Shown and in a notification area the user can see.
    virtual bool isVisible() const = 0;
    virtual void showMessage(const QString& title, const QString& body, int milliseconds) = 0;
    // Opens the context menu at the icon.
    virtual void popupMenu() = 0;

    void setActivationHandler(ActivationHandler handler) { m_activated = std::move(handler); }

protected:
    void activated(Activation reason) const
    {
        if (m_activated)
            m_activated(reason);
    }

private:
    ActivationHandler m_activated;
};
