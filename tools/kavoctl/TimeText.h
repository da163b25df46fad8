#pragma once

#include <QString>

// An instant (milliseconds since the epoch) as ISO 8601 local time with its offset,
// "2026-06-10T21:45:00+02:00", shown beside the milliseconds in kavoctl's answers.
QString isoTime(qint64 ms);
