#include "platform/RegFile.h"

namespace {
const QLatin1String kDword("dword:");
const QLatin1String kExpandable("hex(2):");
} // namespace

RegFile RegFile::parse(const QString& text)
{
    RegFile file;
    QString key;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            key = line.mid(1, line.size() - 2);
            file.keys.append(key);
            continue;
        }
        Value value;
        if (!key.isEmpty() && parseValue(line, key, value))
            file.values.append(value);
    }
    return file;
}

bool RegFile::parseValue(const QString& line, const QString& key, Value& value)
{
    int equals = -1;
    if (line.startsWith(QLatin1Char('@'))) {
        equals = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
        const int closing = line.indexOf(QLatin1Char('"'), 1);
        if (closing < 0)
            return false;
        value.name = line.mid(1, closing - 1);
        equals = closing + 1;
    }
    if (equals < 0 || line.mid(equals, 1) != QLatin1String("="))
        return false;
    value.key = key;
    const QString data = line.mid(equals + 1).trimmed();
    if (data.startsWith(kDword)) {
        bool ok = false;
        value.value = data.mid(kDword.size()).toUInt(&ok, 16);
        return ok;
    }
    if (data.startsWith(kExpandable)) {
        QByteArray bytes;
        for (const QString& part : data.mid(kExpandable.size()).split(QLatin1Char(','))) {
            bool ok = false;
            const uint byte = part.trimmed().toUInt(&ok, 16);
            if (!ok || byte > 0xff)
                return false;
            bytes.append(static_cast<char>(byte));
        }
        QString decoded;
        for (int i = 0; i + 1 < bytes.size(); i += 2) {
            const ushort unit = static_cast<uchar>(bytes[i]) | static_cast<uchar>(bytes[i + 1])
                                                                   << 8;
            if (unit == 0)
                break;
            decoded.append(QChar(unit));
        }
        value.value = decoded;
        return true;
    }
    if (data.startsWith(QLatin1Char('"')) && data.endsWith(QLatin1Char('"')) && data.size() >= 2) {
        value.value = unquoted(data.mid(1, data.size() - 2));
        return true;
    }
    return false;
}

QString RegFile::unquoted(const QString& text)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size())
            ++i;
        result.append(text[i]);
    }
    return result;
}

QString RegFile::expandableString(const QString& text)
{
    QStringList bytes;
    const auto addUnit = [&bytes](ushort unit) {
        bytes << QStringLiteral("%1").arg(unit & 0xff, 2, 16, QLatin1Char('0')).toUpper()
              << QStringLiteral("%1").arg(unit >> 8, 2, 16, QLatin1Char('0')).toUpper();
    };
    for (const QChar character : text)
        addUnit(character.unicode());
    addUnit(0);
    return kExpandable + bytes.join(QLatin1Char(','));
}
