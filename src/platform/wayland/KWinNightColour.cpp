#include "platform/wayland/KWinNightColour.h"

#include "platform/wayland/KConfigText.h"
#include "platform/wayland/SafeFileWrite.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonValue>
#include <QStandardPaths>

namespace {
constexpr int kCallTimeoutMs = 3000;
const QByteArray kGroup = "NightColor";
const QList<QByteArray> kKeys = {"Active", "Mode", "NightTemperature"};
const QString kGroupPresent = QStringLiteral("group_present");
const QString kFilePresent = QStringLiteral("file_present");

const KWinNightColour::Service kPlasma6{QStringLiteral("org.kde.KWin.NightLight"),
                                        QStringLiteral("/org/kde/KWin/NightLight"),
                                        QStringLiteral("org.kde.KWin.NightLight")};
const KWinNightColour::Service kPlasma5{QStringLiteral("org.kde.KWin"),
                                        QStringLiteral("/ColorCorrect"),
                                        QStringLiteral("org.kde.kwin.ColorCorrect")};

QVariant read_property(const QDBusConnection& bus, const KWinNightColour::Service& at,
                       const QString& name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        at.service, at.path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    message.setArguments({at.interface, name});
    const QDBusMessage reply = bus.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}
} // namespace

KWinNightColour::Service KWinNightColour::find(const QDBusConnection& bus)
{
    if (!bus.isConnected() || !bus.interface())
        return {};
    for (const Service& candidate : {kPlasma6, kPlasma5}) {
        if (bus.interface()->isServiceRegistered(candidate.service).value() &&
            read_property(bus, candidate, QStringLiteral("available")).toBool())
            return candidate;
    }
    return {};
}

QString KWinNightColour::defaultKwinrc()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kwinrc"));
}

KWinNightColour::KWinNightColour(const QDBusConnection& bus, const Service& service,
                                 const QString& kwinrc, const QString& recordPath,
                                 std::unique_ptr<IBacklight> backlight)
    : RecordedNightLight(recordPath, std::move(backlight)), m_bus(bus), m_service(service),
      m_kwinrc(kwinrc)
{
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
}

QVariant KWinNightColour::property(const QString& name) const
{
    return read_property(m_bus, m_service, name);
}

std::optional<QJsonObject> KWinNightColour::readOwnSettings()
{
    QByteArray bytes;
    QString problem;
    if (!SafeFileWrite::read(m_kwinrc, bytes, &problem)) {
        report(QStringLiteral("KWin's settings cannot be read: ") + problem);
        return std::nullopt;
    }
    const KConfigText text(bytes);
    QJsonObject settings{{kGroupPresent, text.hasGroup(kGroup)},
                         {kFilePresent, QFileInfo::exists(m_kwinrc)}};
    for (const QByteArray& key : kKeys) {
        const std::optional<QByteArray> value = text.value(kGroup, key);
        settings.insert(QString::fromLatin1(key),
                        value ? QJsonValue(QString::fromUtf8(*value)) : QJsonValue());
    }
    return settings;
}

bool KWinNightColour::writeOwnSettings(const QJsonObject& settings)
{
    Values values;
    for (const QByteArray& key : kKeys) {
        const QJsonValue value = settings.value(QString::fromLatin1(key));
        values.append({key, value.isString() ? std::optional<QByteArray>(value.toString().toUtf8())
                                             : std::nullopt});
    }
    if (!writeGroup(values, !settings.value(kGroupPresent).toBool()))
        return false;
    // A kwinrc that Kavo's first change created goes again when nothing else was added to it.
    QByteArray bytes;
    if (!settings.value(kFilePresent).toBool(true) && SafeFileWrite::read(m_kwinrc, bytes) &&
        bytes.trimmed().isEmpty())
        SafeFileWrite::remove(m_kwinrc);
    return true;
}

bool KWinNightColour::showTemperature(int kelvin)
{
    if (kelvin >= kNeutralKelvin)
        return writeGroup({{"Active", QByteArray("false")}}, false);
    return writeGroup({{"Active", QByteArray("true")},
                       {"Mode", QByteArray("Constant")},
                       {"NightTemperature", QByteArray::number(kelvin)}},
                      false);
}

bool KWinNightColour::writeGroup(const Values& values, bool dropEmptyGroup)
{
    QByteArray bytes;
    QString problem;
    if (!SafeFileWrite::read(m_kwinrc, bytes, &problem)) {
        report(QStringLiteral("KWin's settings cannot be read: ") + problem);
        return false;
    }
    KConfigText text(bytes);
    QList<QByteArray> changed;
    for (const auto& [key, value] : values) {
        if (text.value(kGroup, key) == value)
            continue;
        text.setValue(kGroup, key, value);
        changed.append(key);
    }
    if (dropEmptyGroup)
        text.removeGroupIfEmpty(kGroup);
    const QByteArray edited = text.text();
    if (edited == bytes)
        return true;
    if (!SafeFileWrite::replace(m_kwinrc, edited, &problem)) {
        report(QStringLiteral("KWin's settings cannot be written: ") + problem);
        return false;
    }
    notifyKWin(changed);
    return true;
}

void KWinNightColour::notifyKWin(const QList<QByteArray>& keys)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/kwinrc"),
                                                     QStringLiteral("org.kde.kconfig.notify"),
                                                     QStringLiteral("ConfigChanged"));
    QHash<QString, QByteArrayList> changes;
    changes.insert(QString::fromLatin1(kGroup), keys);
    signal.setArguments({QVariant::fromValue(changes)});
    m_bus.send(signal);
}
