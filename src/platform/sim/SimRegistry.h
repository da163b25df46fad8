#pragma once

#include "platform/IRegistry.h"
#include "platform/RegistryValues.h"
#include "platform/sim/SimService.h"

// The registry of the simulated desktop: seeded from the config's "registry" object, reported
// in full in the state. Start-with-session entries live in the Run key, as on Windows.
class SimRegistry : public IRegistry, public SimService
{
public:
    static const QString kRunKey;

    QVariant value(const QString& key, const QString& name) const override;
    bool setValue(const QString& key, const QString& name, const QVariant& value) override;
    bool removeValue(const QString& key, const QString& name) override;
    bool hasKey(const QString& key) const override;
    // The Run value holds the quoted program path with native separators, as on Windows.
    QString startupProgram(const QString& name) const override;
    bool setStartupProgram(const QString& name, const QString& program) override;
    bool removeStartupProgram(const QString& name) override;
    // Applies the file's keys and values and records the "regedit /s" command.
    bool importFile(const QString& path) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    RegistryValues m_values;
    QStringList m_commands;
    bool m_seeded = false;
};
