#pragma once

#include "platform/IRegistry.h"
#include "platform/RegistryValues.h"

// X11 has no registry: named values live in memory for the run; starting with the session is
// an XDG autostart desktop file, $XDG_CONFIG_HOME/autostart/<name>.desktop.
class X11Registry : public IRegistry
{
public:
    QVariant value(const QString& key, const QString& name) const override;
    bool setValue(const QString& key, const QString& name, const QVariant& value) override;
    bool removeValue(const QString& key, const QString& name) override;
    bool hasKey(const QString& key) const override;
    QString startupCommand(const QString& name) const override;
    bool setStartupCommand(const QString& name, const QString& command) override;
    bool removeStartupCommand(const QString& name) override;

    static QString autostartFile(const QString& name);

private:
    RegistryValues m_values;
};
