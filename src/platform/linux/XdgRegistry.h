#pragma once

#include "platform/IRegistry.h"
#include "platform/RegistryValues.h"

#include <QStringList>

// Linux desktops have no registry: named values live in memory for the run; starting with the
// session is an XDG autostart desktop file, $XDG_CONFIG_HOME/autostart/<name>.desktop. Nothing
// limits gamma ramps, so the gamma range reads as expanded. The "kavo:" URL scheme is a desktop
// file handling x-scheme-handler/kavo; its command key exists while that file, or the same
// entry that make install puts in place, exists. Only an installed Kavo writes either entry.
class XdgRegistry : public IRegistry
{
public:
    XdgRegistry();

    QVariant value(const QString& key, const QString& name) const override;
    bool setValue(const QString& key, const QString& name, const QVariant& value) override;
    bool removeValue(const QString& key, const QString& name) override;
    bool hasKey(const QString& key) const override;
    QString startupProgram(const QString& name) const override;
    bool setStartupProgram(const QString& name, const QString& program) override;
    bool removeStartupProgram(const QString& name) override;
    // Registers the URL scheme when the file names its command key; other values are kept
    // in memory like any other.
    bool importFile(const QString& path) override;

    static QString autostartFile(const QString& name);
    static QString urlHandlerFile();

    // Writes the kavo: scheme handler entry at `path`, starting `program`; false when the
    // path cannot be written safely (nothing is written then) or the file not at all.
    static bool writeUrlHandler(const QString& path, const QString& program);

private:
    // Writes a desktop entry of type Application with `lines` after the header.
    static bool writeDesktopEntry(const QString& path, const QStringList& lines);
    bool registerUrlScheme();

    RegistryValues m_values;
};
