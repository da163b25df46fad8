#include "schedule/LocalTime.h"

#include <QDateTime>

#include <cmath>

namespace {
int64_t offsetMsAt(int64_t instantMs)
{
    return static_cast<int64_t>(QDateTime::fromMSecsSinceEpoch(instantMs).offsetFromUtc()) * 1000;
}
} // namespace

QDate LocalTime::dateOf(double instantMs)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::floor(instantMs))).date();
}

double LocalTime::instantAt(const QDate& date, int64_t msOfDay)
{
    // The wall-clock reading as if the zone were UTC, then shifted by the zone's offset; the
    // second pass takes the offset in force at the first guess.
    const int64_t wall = QDateTime(date, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() + msOfDay;
    const int64_t guess = wall - offsetMsAt(wall);
    return static_cast<double>(wall - offsetMsAt(guess));
}
