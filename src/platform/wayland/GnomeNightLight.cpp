#include "platform/wayland/GnomeNightLight.h"

#include "parts/IGSettingsPart.h"
#include "parts/PartLoader.h"

#include <QDBusConnectionInterface>
#include <QJsonValue>

namespace {
const QString kPart = QStringLiteral("gsettings");
const QString kSchema = QStringLiteral("org.gnome.settings-daemon.plugins.color");
const QString kEnabled = QStringLiteral("night-light-enabled");
const QString kAutomatic = QStringLiteral("night-light-schedule-automatic");
const QString kFrom = QStringLiteral("night-light-schedule-from");
const QString kTo = QStringLiteral("night-light-schedule-to");
const QString kTemperature = QStringLiteral("night-light-temperature");
const QStringList kKeys{kEnabled, kAutomatic, kFrom, kTo, kTemperature};
// Any hour will do, as long as both ends are the same.
const QString kAllDayFrom = QStringLiteral("12.0");

bool is_gnome_session(const QDBusConnection& bus)
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("GNOME")) ||
           (bus.isConnected() && bus.interface() &&
            bus.interface()
                ->isServiceRegistered(QStringLiteral("org.gnome.SettingsDaemon.Color"))
                .value());
}

QString part_problem()
{
    const QString error = PartLoader::error(kPart);
    return QStringLiteral("GNOME's night light needs Kavo's part \"%1\", which cannot be "
                          "loaded: %2")
        .arg(kPart, error.isEmpty() ? QStringLiteral("it lacks the GSettings interface") : error);
}
} // namespace

bool GnomeNightLight::isOffered(const QDBusConnection& bus)
{
    if (!is_gnome_session(bus))
        return false;
    IGSettingsPart* part = PartLoader::load<IGSettingsPart>(kPart);
    return !part || part->hasKeys(kSchema, kKeys);
}

GnomeNightLight::GnomeNightLight(const QString& recordPath, std::unique_ptr<IBacklight> backlight)
    : RecordedNightLight(recordPath, std::move(backlight))
{
    IGSettingsPart* part = PartLoader::load<IGSettingsPart>(kPart);
    if (!part)
        m_unavailable = part_problem();
    else if (!part->hasKeys(kSchema, kKeys))
        m_unavailable =
            QStringLiteral("GNOME's colour settings (%1) are not installed").arg(kSchema);
    else
        m_part = part;
    if (!m_unavailable.isEmpty())
        report(m_unavailable);
}

GnomeNightLight::~GnomeNightLight() = default;

std::optional<QJsonObject> GnomeNightLight::readOwnSettings()
{
    if (!m_part)
        return std::nullopt;
    // A key the user never set is recorded as null and reset on restore, so that it follows
    // the schema's default again.
    QJsonObject settings;
    for (const QString& key : kKeys) {
        const QString value = m_part->userValue(kSchema, key);
        settings.insert(key, value.isNull() ? QJsonValue() : QJsonValue(value));
    }
    return settings;
}

bool GnomeNightLight::writeOwnSettings(const QJsonObject& settings)
{
    if (!m_part)
        return false;
    QVector<IGSettingsPart::KeyValue> values;
    for (const QString& key : kKeys) {
        const QJsonValue value = settings.value(key);
        values.append({key, value.isString() ? value.toString() : QString()});
    }
    const QStringList refused = m_part->write(kSchema, values);
    for (const QString& key : refused)
        report(QStringLiteral("GNOME's night light setting %1 cannot be put back: %2")
                   .arg(key, settings.value(key).toString()));
    return refused.isEmpty();
}

bool GnomeNightLight::showTemperature(int kelvin)
{
    if (!m_part)
        return false;
    const bool on = kelvin < kNeutralKelvin;
    QVector<IGSettingsPart::KeyValue> values{
        {kEnabled, on ? QStringLiteral("true") : QStringLiteral("false")}};
    if (on) {
        values.append({kAutomatic, QStringLiteral("false")});
        values.append({kFrom, kAllDayFrom});
        values.append({kTo, kAllDayFrom});
        values.append({kTemperature, QString::number(kelvin)});
    }
    const bool ok = m_part->write(kSchema, values).isEmpty();
    if (!ok)
        report(QStringLiteral("GNOME's night light refused %1 K").arg(kelvin));
    return ok;
}
