#pragma once

#include "platform/IRegistry.h"

#include <QObject>

#include <functional>

// Lifts the limit on how strong gamma ramps may be (a machine-wide registry value, raised
// through an elevated registry import) and keeps track of the restart that makes it count.
class Cyclops : public QObject
{
    Q_OBJECT

public:
    using ShowMessage = std::function<void(const QString& title, const QString& message)>;

    Cyclops(IRegistry& registry, ShowMessage show_message);

    bool is_gamma_range_expanded() const;
    // Expanded and no restart pending: strong ramps are accepted now.
    bool is_gamma_range_usable() const;
    bool is_restart_needed() const;
    void set_restart_needed();
    bool is_url_protocol_registered() const;

    // Writes "gamma_ramp.reg" and imports it with the registry editor; always true.
    bool import_gamma_registry();

    // Raises the gamma range unless it is expanded already; true when the registry changed.
    bool expand_gamma_range();

    void show_restart_message();
    void show_limited_message();

    // The registry file that expands the gamma range and registers the "kavo:" URL scheme.
    static QString gamma_registry_text();

    // Where the registry file is written: the per-user application data folder.
    static QString gamma_registry_path();

private:
    IRegistry& m_registry;
    ShowMessage m_show_message;
};
