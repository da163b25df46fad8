#pragma once

#include <QString>
#include <QVariant>

// Named values below keys ("HKEY_CURRENT_USER\Software\..."), and the entries that start
// programs with the user's session.
class IRegistry
{
public:
    virtual ~IRegistry() = default;

    // The value `name` below `key`; an invalid variant when the key or the value is absent.
    virtual QVariant value(const QString& key, const QString& name) const = 0;

    // Stores `value` as `name` below `key`, creating the key; false when refused.
    virtual bool setValue(const QString& key, const QString& name, const QVariant& value) = 0;

    // Removes the value; true when it is absent afterwards.
    virtual bool removeValue(const QString& key, const QString& name) = 0;

    // Whether `key` exists.
    virtual bool hasKey(const QString& key) const = 0;

    // The command that starts program `name` with the session; empty when there is none.
    virtual QString startupCommand(const QString& name) const = 0;

    // Registers `command` (a quoted program path) to start with the session; false on failure.
    virtual bool setStartupCommand(const QString& name, const QString& command) = 0;

    // Removes the start-with-session entry of `name`; true when it is absent afterwards.
    virtual bool removeStartupCommand(const QString& name) = 0;

    // Imports a registry file (the text form "regedit /s" reads) with the privilege it needs,
    // and returns once the import has ended; false when it could not run.
    virtual bool importFile(const QString& path) = 0;
};
