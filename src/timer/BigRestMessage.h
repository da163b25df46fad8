#pragma once

#include <QString>

#include <optional>

// The "Big rest incoming" tray message of the work interval's tick: a tenth of the interval
// before the rest (for intervals of ten minutes or more), and again 30 seconds before it.
// Nothing for the productive timer type, or at any other moment.
std::optional<QString> big_rest_message(int timer_type, qint64 remaining_work_ms,
                                        qint64 work_interval_ms);
