#include "color/HourlyRules.h"

#include <QIODevice>

#include <limits>

namespace {
// Longer words cannot be an int32 (ten digits and a sign) and end the reading.
constexpr int kMaxWordLength = 11;
// Far more than kMaxRules rules can take: a huge or binary file is never read whole.
constexpr qint64 kMaxBytes = 1 << 20;

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The words of a file, up to kMaxBytes of it.
class WordReader
{
public:
    explicit WordReader(QIODevice& device) : m_device(device) {}

    bool exhausted() const { return m_read >= kMaxBytes; }

    // The next whitespace-separated word; false at the end, past kMaxBytes, or for a word
    // too long to be a number.
    bool next(QByteArray& word)
    {
        word.clear();
        char c = 0;
        do {
            if (!get(c))
                return false;
        } while (is_space(c));
        for (;;) {
            if (word.size() == kMaxWordLength)
                return false;
            word.append(c);
            if (!get(c) || is_space(c))
                return true;
        }
    }

    std::optional<int32_t> next_integer()
    {
        QByteArray word;
        if (!next(word))
            return std::nullopt;
        // Decimal only: an optional sign, then digits.
        const int digits_from = (word.startsWith('-') || word.startsWith('+')) ? 1 : 0;
        if (word.size() == digits_from)
            return std::nullopt;
        for (int i = digits_from; i < word.size(); ++i) {
            if (word.at(i) < '0' || word.at(i) > '9')
                return std::nullopt;
        }
        const qlonglong number = word.toLongLong(nullptr, 10);
        if (number < std::numeric_limits<int32_t>::min() ||
            number > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(number);
    }

private:
    bool get(char& c)
    {
        if (exhausted() || !m_device.getChar(&c))
            return false;
        ++m_read;
        return true;
    }

    QIODevice& m_device;
    qint64 m_read = 0;
};

bool is_hour(int32_t hour)
{
    return hour >= 0 && hour <= 24;
}
} // namespace

namespace HourlyRules {

HourlyRulesFile read(QIODevice& device, int min_value, int max_value)
{
    HourlyRulesFile file;
    WordReader words(device);
    for (int triple = 0;; ++triple) {
        const std::optional<int32_t> start = words.next_integer();
        const std::optional<int32_t> end = start ? words.next_integer() : std::nullopt;
        const std::optional<int32_t> value = end ? words.next_integer() : std::nullopt;
        if (!value) {
            file.truncated = words.exhausted();
            break;
        }
        if (triple == kMaxRules) {
            file.truncated = true;
            break;
        }
        if (!is_hour(*start) || !is_hour(*end))
            ++file.hours_skipped;
        else if (*value < min_value || *value > max_value)
            ++file.values_skipped;
        else
            file.rules.append({*start, *end, *value});
    }
    return file;
}

std::optional<int> value_at(const QVector<HourlyRule>& rules, int hour)
{
    std::optional<int> value;
    for (const HourlyRule& rule : rules) {
        if (rule.start_hour <= hour && hour < rule.end_hour)
            value = rule.value;
    }
    return value;
}

} // namespace HourlyRules
