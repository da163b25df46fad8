#include "platform/sim/SimConfigCheck.h"

#include <QJsonArray>

#include <cmath>

namespace SimConfigCheck {

namespace {
// A whole number within low..high, or absent.
bool in_range(const QJsonObject& object, const char* key, double low, double high)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return true;
    const double number = value.toDouble(std::nan(""));
    return number >= low && number <= high && std::floor(number) == number;
}

QString monitor_problem(const QJsonValue& entry, int number)
{
    const QJsonObject monitor = entry.toObject();
    if (!entry.isObject())
        return QStringLiteral("monitor %1 is not an object").arg(number);
    if (!in_range(monitor, "x", -kMaxCoordinate, kMaxCoordinate) ||
        !in_range(monitor, "y", -kMaxCoordinate, kMaxCoordinate))
        return QStringLiteral("monitor %1: x and y must be whole numbers within -%2..%2")
            .arg(number)
            .arg(kMaxCoordinate);
    if (!in_range(monitor, "width", 1, kMaxCoordinate) ||
        !in_range(monitor, "height", 1, kMaxCoordinate))
        return QStringLiteral("monitor %1: width and height must be whole numbers within 1..%2")
            .arg(number)
            .arg(kMaxCoordinate);
    return {};
}
} // namespace

QString problem(const QJsonObject& config)
{
    if (!config.contains(QLatin1String("monitors")))
        return {};
    const QJsonValue value = config.value(QLatin1String("monitors"));
    if (!value.isArray())
        return QStringLiteral("\"monitors\" is not an array");
    const QJsonArray monitors = value.toArray();
    if (monitors.size() > kMaxMonitors)
        return QStringLiteral("%1 monitors, more than %2").arg(monitors.size()).arg(kMaxMonitors);
    for (int i = 0; i < monitors.size(); ++i) {
        const QString problem = monitor_problem(monitors.at(i), i + 1);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace SimConfigCheck
