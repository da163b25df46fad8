#include "WaybarFormat.h"

#include <QJsonArray>
#include <QStringList>

namespace {
QString colors_text(const QJsonObject& monitor)
{
    return QStringLiteral("%1K %2%")
        .arg(monitor.value(QLatin1String("temperature")).toInt())
        .arg(monitor.value(QLatin1String("brightness")).toInt());
}

QString monitor_line(const QJsonObject& monitor)
{
    const int number = monitor.value(QLatin1String("monitor")).toInt();
    const QString name =
        number == 0 ? QStringLiteral("All monitors") : QStringLiteral("Monitor %1").arg(number);
    return name + QStringLiteral(": ") + colors_text(monitor);
}

// "Rest timer: work, 24:05 left"; empty while the timer is off.
QString timer_line(const QJsonObject& timer)
{
    const QString phase = timer.value(QLatin1String("phase")).toString();
    if (phase.isEmpty() || phase == QLatin1String("off"))
        return {};
    if (timer.value(QLatin1String("paused")).toBool())
        return QStringLiteral("Rest timer: paused");
    const QLatin1String left(phase == QLatin1String("rest") ? "remaining_rest_s"
                                                            : "remaining_work_s");
    const int seconds = timer.value(left).toInt();
    return QStringLiteral("Rest timer: %1, %2:%3 left")
        .arg(phase)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

QJsonObject waybarStatus(const QJsonObject& status)
{
    if (!status.value(QLatin1String("running")).toBool())
        return {{QStringLiteral("text"), QString()},
                {QStringLiteral("tooltip"), QStringLiteral("Kavo is not running")},
                {QStringLiteral("class"), QStringLiteral("not-running")}};
    const bool paused = status.value(QLatin1String("paused")).toBool();
    const QJsonArray monitors = status.value(QLatin1String("monitors")).toArray();
    QStringList tooltip{QStringLiteral("Kavo: %1, %2")
                            .arg(status.value(QLatin1String("mode_name")).toString(),
                                 status.value(QLatin1String("type_name")).toString())};
    for (const QJsonValue& monitor : monitors)
        tooltip.append(monitor_line(monitor.toObject()));
    const QString timer = timer_line(status.value(QLatin1String("timer")).toObject());
    if (!timer.isEmpty())
        tooltip.append(timer);
    QString text = QStringLiteral("paused");
    if (!paused)
        text = monitors.isEmpty() ? QString() : colors_text(monitors.first().toObject());
    return {{QStringLiteral("text"), text},
            {QStringLiteral("tooltip"), tooltip.join(QLatin1Char('\n'))},
            {QStringLiteral("class"), paused
                                          ? QStringLiteral("paused")
                                          : status.value(QLatin1String("mode_name")).toString()}};
}
