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

    // The program path that the start-with-session entry of `name` starts; empty when there is
    // none (or it cannot be read).
    virtual QString startupProgram(const QString& name) const = 0;

    // Registers the executable `program` to start with the session as `name`; false when
    // refused (a path the entry cannot hold safely) or not written.
    virtual bool setStartupProgram(const QString& name, const QString& program) = 0;

    // Removes the start-with-session entry of `name`; true when it is absent afterwards.
    virtual bool removeStartupProgram(const QString& name) = 0;

    // Imports a registry file (the text form "regedit /s" reads) with the privilege it needs,
    // and returns once the import has ended; false when it could not run.
    virtual bool importFile(const QString& path) = 0;
};
