#pragma once

#include <QDate>

#include <cstdint>

// Local (system time zone) dates and wall-clock times, resolved through the zone's offset at
// the instant itself. QDateTime's own local-time constructor can pick the wrong side of a
// daylight-saving change on the day of the change, which would move sunrise or a bedtime by
// an hour.
namespace LocalTime {

// The local date of an instant (ms since the epoch).
QDate dateOf(double instantMs);

// The instant (ms since the epoch) at which the local clock shows `msOfDay` after the start of
// `date`; values past one day count into the following dates, negative ones into the earlier.
// A time skipped by a daylight-saving change resolves to the instant the same distance past
// the change.
double instantAt(const QDate& date, int64_t msOfDay);

} // namespace LocalTime
