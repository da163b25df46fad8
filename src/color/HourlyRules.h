#pragma once

#include <QVector>

#include <cstdint>
#include <optional>

class QIODevice;

// One rule of an hourly configuration file: from `start_hour` (inclusive) to `end_hour`
// (exclusive) of local time, the setting takes `value`.
struct HourlyRule
{
    int32_t start_hour;
    int32_t end_hour;
    int32_t value;

    bool operator==(const HourlyRule& other) const
    {
        return start_hour == other.start_hour && end_hour == other.end_hour && value == other.value;
    }
};

// The rules read from one file, and what was left out of them.
struct HourlyRulesFile
{
    QVector<HourlyRule> rules;
    int hours_skipped = 0;  // rules with an hour outside 0..24
    int values_skipped = 0; // rules with a value outside the accepted range
    bool truncated = false; // the file held more than Kavo reads: the rest was not read
};

// The format of "brightnessConfig.txt" and "temperatureConfig.txt": whitespace-separated
// decimal integers read three at a time (start hour, end hour, value). Reading stops at the
// first word that is not such an integer, or at the end; a triple left incomplete there is
// dropped.
namespace HourlyRules {

constexpr int kMaxRules = 1000;

// Reads `device` from its current position: at most the first kMaxRules triples (and the first
// megabyte). Rules whose hours are not within 0..24, or whose value is outside
// [`min_value`, `max_value`], are skipped and counted.
HourlyRulesFile read(QIODevice& device, int min_value, int max_value);

// The value of the last rule in `rules` that covers `hour`; nothing when none does.
std::optional<int> value_at(const QVector<HourlyRule>& rules, int hour);

} // namespace HourlyRules
