#include "platform/linux/PortalHotkeys.h"

#include "KavoLog.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QKeySequence>

namespace {
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");

struct Modifier
{
    Qt::KeyboardModifier modifier;
    const char* trigger;
    const char* id;
};

const Modifier kModifiers[] = {{Qt::ControlModifier, "CTRL", "ctrl"},
                               {Qt::AltModifier, "ALT", "alt"},
                               {Qt::ShiftModifier, "SHIFT", "shift"},
                               {Qt::MetaModifier, "LOGO", "logo"}};

// The key's XKB name as the shortcuts notation writes it: letters small, the rest by name.
QString keyName(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(char('a' + (key - Qt::Key_A))));
    switch (key) {
    case Qt::Key_Plus:
        return QStringLiteral("plus");
    case Qt::Key_Minus:
        return QStringLiteral("minus");
    case Qt::Key_Space:
        return QStringLiteral("space");
    case Qt::Key_Escape:
        return QStringLiteral("Escape");
    case Qt::Key_Pause:
        return QStringLiteral("Pause");
    default:
        return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}
} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PortalHotkeys::PortalHotkeys(const QDBusConnection& bus) : m_bus(bus)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // The grabs of one registration pass are bound together.
    m_rebind.setSingleShot(true);
    m_rebind.setInterval(0);
    connect(&m_rebind, &QTimer::timeout, this, &PortalHotkeys::bindAll);
}

PortalHotkeys::~PortalHotkeys()
{
    closeSession();
}

bool PortalHotkeys::offered() const
{
    if (m_offered < 0) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << kShortcuts << QStringLiteral("version");
        m_offered = m_bus.isConnected() && m_bus.call(get).type() == QDBusMessage::ReplyMessage;
    }
    return m_offered == 1;
}

QString PortalHotkeys::shortcutId(const HotkeyChord& chord)
{
    QStringList parts;
    for (const Modifier& modifier : kModifiers)
        if (chord.modifiers.testFlag(modifier.modifier))
            parts.append(QLatin1String(modifier.id));
    parts.append(keyName(chord.key).toLower());
    return parts.join(QLatin1Char('-'));
}

QString PortalHotkeys::trigger(const HotkeyChord& chord)
{
    QStringList parts;
    for (const Modifier& modifier : kModifiers)
        if (chord.modifiers.testFlag(modifier.modifier))
            parts.append(QLatin1String(modifier.trigger));
    parts.append(keyName(chord.key));
    return parts.join(QLatin1Char('+'));
}

IHotkeys::Grab PortalHotkeys::grab(const HotkeyChord& chord, std::function<void()> activated)
{
    if (!offered())
        return Grab::NotOffered;
    if (!m_listening)
        m_listening =
            m_bus.connect(kPortal, kPortalPath, kShortcuts, QStringLiteral("Activated"), this,
                          SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    for (const Binding& binding : qAsConst(m_bindings))
        if (binding.chord == chord)
            return Grab::TakenByKavo;
    m_bindings.append({chord, shortcutId(chord), std::move(activated)});
    m_rebind.start();
    return Grab::Done;
}

void PortalHotkeys::release(const HotkeyChord& chord)
{
    const int before = m_bindings.size();
    m_bindings.erase(
        std::remove_if(m_bindings.begin(), m_bindings.end(),
                       [&chord](const Binding& binding) { return binding.chord == chord; }),
        m_bindings.end());
    if (m_bindings.size() != before)
        m_rebind.start();
}

void PortalHotkeys::bindAll()
{
    closeSession();
    if (m_bindings.isEmpty())
        return;
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), QStringLiteral("kavo%1").arg(++m_tokens)}},
            SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalHotkeys::sessionCreated(uint response, const QVariantMap& results)
{
    forgetRequest();
    if (response != 0) {
        log_line(
            QStringLiteral("The desktop portal refused a shortcuts session (%1)").arg(response));
        return;
    }
    m_session = results.value(QStringLiteral("session_handle")).toString();
    QList<PortalShortcut> shortcuts;
    for (const Binding& binding : qAsConst(m_bindings))
        shortcuts.append({binding.id,
                          {{QStringLiteral("description"), binding.id},
                           {QStringLiteral("preferred_trigger"), trigger(binding.chord)}}});
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts),
             QString()},
            {}, SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalHotkeys::shortcutsBound(uint response, const QVariantMap&)
{
    forgetRequest();
    if (response != 0) {
        log_line(
            QStringLiteral("The desktop portal did not bind Kavo's shortcuts (%1)").arg(response));
        return;
    }
    emit bound();
}

void PortalHotkeys::activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                              const QVariantMap&)
{
    if (session.path() != m_session || m_session.isEmpty())
        return;
    for (const Binding& binding : qAsConst(m_bindings))
        if (binding.id == id && binding.activated) {
            binding.activated();
            return;
        }
}

void PortalHotkeys::closeSession()
{
    forgetRequest();
    if (m_session.isEmpty())
        return;
    m_bus.call(
        QDBusMessage::createMethodCall(kPortal, m_session, kSession, QStringLiteral("Close")),
        QDBus::NoBlock);
    m_session.clear();
}

QString PortalHotkeys::requestPath(const QString& token) const
{
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalHotkeys::request(const QString& method, const QVariantList& arguments,
                            QVariantMap options, const char* slot)
{
    const QString token = QStringLiteral("kavo%1").arg(++m_tokens);
    // Listening before asking: the Response may come before the call's own answer.
    m_pendingRequest = requestPath(token);
    m_pendingSlot = slot;
    m_bus.connect(kPortal, m_pendingRequest, kRequest, QStringLiteral("Response"), this, slot);
    options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, method);
    call.setArguments(arguments + QVariantList{options});
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, method] {
        pending->deleteLater();
        if (!pending->isError())
            return;
        log_line(QStringLiteral("The desktop portal refused %1: %2")
                     .arg(method, pending->error().message()));
        forgetRequest();
    });
}

void PortalHotkeys::forgetRequest()
{
    if (!m_pendingRequest.isEmpty())
        m_bus.disconnect(kPortal, m_pendingRequest, kRequest, QStringLiteral("Response"), this,
                         m_pendingSlot);
    m_pendingRequest.clear();
    m_pendingSlot = nullptr;
}
