#pragma once

#include "platform/wayland/RecordedNightLight.h"

#include <QDBusConnection>
#include <QString>

// KDE Plasma's night colour, which carries Kavo's temperature on KWin (it offers no gamma
// protocol). KWin reads the [NightColor] group of kwinrc: Active (bool), Mode (Automatic,
// Location, Times or Constant) and NightTemperature (K, which KWin clamps to 1000..6500, used
// all day in Constant mode). It reads the file again on KConfig's change notification: the
// signal ConfigChanged(a{saay} group -> keys) of interface org.kde.kconfig.notify on the
// object "/kwinrc", from any sender. So Kavo holds a temperature by writing that group and
// sending the notification; a glide writes each step. Above 6500 K night colour is switched
// off. (The interface's preview(u) lasts 15 s and shows an on-screen message: not used.)
// Plasma 5.27: service org.kde.KWin, object /ColorCorrect, interface org.kde.kwin.ColorCorrect;
// Plasma 6: service org.kde.KWin.NightLight, object /org/kde/KWin/NightLight, interface
// org.kde.KWin.NightLight. Both have the read-only properties available (b), enabled (b),
// running (b), mode (u: 3 = constant), currentTemperature (u) and targetTemperature (u).
class KWinNightColour : public RecordedNightLight
{
public:
    struct Service
    {
        QString service;
        QString path;
        QString interface;
        bool isValid() const { return !service.isEmpty(); }
    };

    // The night colour service KWin offers on `bus` (Plasma 6 first), if it says it is
    // available; an invalid one otherwise.
    static Service find(const QDBusConnection& bus);

    // `kwinrc`: the file KWin reads (default: kwinrc in the user's configuration folder).
    KWinNightColour(const QDBusConnection& bus, const Service& service, const QString& kwinrc,
                    const QString& recordPath, std::unique_ptr<IBacklight> backlight);

    static QString defaultKwinrc();

    QString route() const override { return QStringLiteral("kwin-night-colour"); }

    // A property of the night colour service (targetTemperature, currentTemperature, ...);
    // invalid when it cannot be read.
    QVariant property(const QString& name) const;

protected:
    std::optional<QJsonObject> readOwnSettings() override;
    bool writeOwnSettings(const QJsonObject& settings) override;
    bool showTemperature(int kelvin) override;

private:
    using Values = QList<QPair<QByteArray, std::optional<QByteArray>>>;
    // Writes `values` into [NightColor] (and drops the group if `dropEmptyGroup` and it ends
    // up empty), then tells KWin; false when kwinrc cannot be read or written.
    bool writeGroup(const Values& values, bool dropEmptyGroup);
    void notifyKWin(const QList<QByteArray>& keys);

    QDBusConnection m_bus;
    Service m_service;
    QString m_kwinrc;
};
