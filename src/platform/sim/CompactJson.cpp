#include "platform/sim/CompactJson.h"

#include <QJsonArray>
#include <QLocale>

#include <cmath>

namespace {
// Doubles hold every integer up to 2^53 exactly.
constexpr double kLargestExactInteger = 9007199254740992.0;

void appendInteger(QByteArray& out, qint64 value)
{
    char digits[24];
    char* first = digits + sizeof(digits);
    const bool negative = value < 0;
    quint64 rest = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative)
        *--first = '-';
    out.append(first, static_cast<int>(digits + sizeof(digits) - first));
}

void appendNumber(QByteArray& out, double value)
{
    if (!std::isfinite(value)) {
        out.append("null"); // as QJsonDocument writes them
    } else if (value == std::trunc(value) && std::fabs(value) < kLargestExactInteger) {
        appendInteger(out, static_cast<qint64>(value));
    } else {
        out.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
    }
}

void appendString(QByteArray& out, const QString& text)
{
    static const char kHex[] = "0123456789abcdef";
    out.append('"');
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out.append("\\u00");
                out.append(kHex[(c >> 4) & 0xf]);
                out.append(kHex[c & 0xf]);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

void appendValue(QByteArray& out, const QJsonValue& value);

void appendObject(QByteArray& out, const QJsonObject& object)
{
    out.append('{');
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it != object.begin())
            out.append(',');
        appendString(out, it.key());
        out.append(':');
        appendValue(out, it.value());
    }
    out.append('}');
}

void appendArray(QByteArray& out, const QJsonArray& array)
{
    out.append('[');
    bool first = true;
    for (const QJsonValue& value : array) {
        if (!first)
            out.append(',');
        first = false;
        appendValue(out, value);
    }
    out.append(']');
}

void appendValue(QByteArray& out, const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        out.append(value.toBool() ? "true" : "false");
        break;
    case QJsonValue::Double:
        appendNumber(out, value.toDouble());
        break;
    case QJsonValue::String:
        appendString(out, value.toString());
        break;
    case QJsonValue::Array:
        appendArray(out, value.toArray());
        break;
    case QJsonValue::Object:
        appendObject(out, value.toObject());
        break;
    default:
        out.append("null");
        break;
    }
}
} // namespace

QByteArray CompactJson::toBytes(const QJsonObject& object)
{
    QByteArray out;
    out.reserve(64 * 1024);
    appendObject(out, object);
    return out;
}
