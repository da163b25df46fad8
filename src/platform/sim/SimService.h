#pragma once

#include <QJsonObject>

#include <functional>

// One service of the simulated desktop: it takes its part of the config file and reports its
// part of the state file. `changed` is called after every change the program makes through it.
class SimService
{
public:
    virtual ~SimService() = default;

    // Reads this service's part of the (re-read) config.
    virtual void configure(const QJsonObject& config) = 0;

    // Adds this service's part of the state.
    virtual void addState(QJsonObject& state) const = 0;

    void setChangeListener(std::function<void()> listener) { m_changed = std::move(listener); }

protected:
    void changed() const
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
};
