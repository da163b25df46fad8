#pragma once

#include "platform/IHotkeys.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <QVector>

// One shortcut as the portal's BindShortcuts takes it: an id and its description and
// preferred trigger.
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcut)
QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Global shortcuts through the desktop portal (org.freedesktop.portal.GlobalShortcuts: KDE
// Plasma, GNOME 48 and later, Hyprland): Kavo's shortcuts are bound as one batch in a session
// of its own, with its key combinations as the preferred triggers (the desktop may ask the
// user, who may choose others), and the portal's Activated signal runs them. A change of the
// shortcuts binds the whole set again in a new session. Where no portal offers shortcuts
// every grab answers NotOffered, and the user binds the kavoctl commands in the compositor's
// own configuration instead.
class PortalHotkeys : public QObject, public IHotkeys
{
    Q_OBJECT

public:
    explicit PortalHotkeys(const QDBusConnection& bus);
    ~PortalHotkeys() override;

    Grab grab(const HotkeyChord& chord, std::function<void()> activated) override;
    void release(const HotkeyChord& chord) override;

    // Whether the portal on the bus offers global shortcuts (asked once, when first needed: at
    // the first grab, or when the shortcuts page shows).
    bool offered() const;
    // The id of `chord` in the session ("ctrl-alt-k"), stable across runs so the desktop
    // keeps what the user chose for it.
    static QString shortcutId(const HotkeyChord& chord);
    // `chord` in the XDG shortcuts notation of preferred triggers ("CTRL+ALT+k").
    static QString trigger(const HotkeyChord& chord);

signals:
    // The current set is bound (for tests and the log).
    void bound();

private slots:
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);

private:
    struct Binding
    {
        HotkeyChord chord;
        QString id;
        std::function<void()> activated;
    };

    void bindAll();
    void closeSession();
    // Calls `method` with `arguments` and `options` (given a fresh handle token) without
    // waiting, and connects the request's Response to `slot`.
    void request(const QString& method, const QVariantList& arguments, QVariantMap options,
                 const char* slot);
    // Stops listening for the pending request's Response.
    void forgetRequest();
    QString requestPath(const QString& token) const;

    QDBusConnection m_bus;
    mutable int m_offered = -1; // unknown until first asked
    bool m_listening = false;   // to the portal's Activated signal
    QVector<Binding> m_bindings;
    QString m_session;
    QString m_pendingRequest;
    const char* m_pendingSlot = nullptr;
    QTimer m_rebind;
    quint64 m_tokens = 0;
};
