#include "platform/wayland/KConfigText.h"

namespace {
bool isHeader(const QByteArray& line)
{
    return line.trimmed().startsWith('[');
}

// "[Group]" or "[Group][$i]" (the group, made immutable), not "[Group][Subgroup]".
bool isHeaderOf(const QByteArray& line, const QByteArray& group)
{
    const QByteArray trimmed = line.trimmed();
    const QByteArray header = '[' + group + ']';
    if (!trimmed.startsWith(header))
        return false;
    const QByteArray rest = trimmed.mid(header.size());
    return rest.isEmpty() || rest.startsWith("[$");
}

bool isBlank(const QByteArray& line)
{
    return line.trimmed().isEmpty();
}
} // namespace

KConfigText::KConfigText(const QByteArray& text)
{
    int start = 0;
    while (start < text.size()) {
        const int end = text.indexOf('\n', start);
        const int next = end < 0 ? text.size() : end + 1;
        m_lines.append(text.mid(start, next - start));
        start = next;
    }
}

QByteArray KConfigText::text() const
{
    QByteArray text;
    for (const QByteArray& line : m_lines)
        text += line;
    return text;
}

QByteArray KConfigText::lineEnd(const QByteArray& line)
{
    if (line.endsWith("\r\n"))
        return "\r\n";
    return line.endsWith('\n') ? QByteArray("\n") : QByteArray();
}

QByteArray KConfigText::withValue(const QByteArray& line, const QByteArray& value)
{
    // The key as it was written, with any spaces around the '='.
    int start = line.indexOf('=') + 1;
    while (start < line.size() && (line.at(start) == ' ' || line.at(start) == '\t'))
        ++start;
    return line.left(start) + value + lineEnd(line);
}

bool KConfigText::isEntryOf(const QByteArray& line, const QByteArray& key)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.startsWith('#') || trimmed.startsWith('['))
        return false;
    const int equals = trimmed.indexOf('=');
    return equals > 0 && trimmed.left(equals).trimmed() == key;
}

QList<KConfigText::Section> KConfigText::sections(const QByteArray& group) const
{
    QList<Section> found;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (!isHeaderOf(m_lines.at(i), group))
            continue;
        int end = i + 1;
        while (end < m_lines.size() && !isHeader(m_lines.at(end)))
            ++end;
        found.append({i, end});
        i = end - 1;
    }
    return found;
}

bool KConfigText::hasGroup(const QByteArray& group) const
{
    return !sections(group).isEmpty();
}

std::optional<QByteArray> KConfigText::value(const QByteArray& group, const QByteArray& key) const
{
    std::optional<QByteArray> found;
    for (const Section& section : sections(group)) {
        for (int i = section.header + 1; i < section.end; ++i) {
            const QByteArray& line = m_lines.at(i);
            if (isEntryOf(line, key))
                found = line.mid(line.indexOf('=') + 1).trimmed();
        }
    }
    return found;
}

void KConfigText::setValue(const QByteArray& group, const QByteArray& key,
                           const std::optional<QByteArray>& value)
{
    const QList<Section> found = sections(group);
    bool written = false;
    // From the end, so that removing a line leaves the earlier indexes as they are.
    for (int s = found.size() - 1; s >= 0; --s) {
        for (int i = found.at(s).end - 1; i > found.at(s).header; --i) {
            if (!isEntryOf(m_lines.at(i), key))
                continue;
            if (value) {
                m_lines[i] = withValue(m_lines.at(i), *value);
                written = true;
            } else {
                m_lines.removeAt(i);
            }
        }
    }
    if (!value || written)
        return;
    const QByteArray entry = key + '=' + *value + '\n';
    if (found.isEmpty()) {
        if (!m_lines.isEmpty() && lineEnd(m_lines.last()).isEmpty())
            m_lines.last() += '\n';
        if (!m_lines.isEmpty() && !isBlank(m_lines.last()))
            m_lines.append("\n");
        m_lines.append('[' + group + "]\n");
        m_lines.append(entry);
        return;
    }
    // After the group's last line that is not blank, so that the blank line before the next
    // group stays where it is.
    const Section& last = found.last();
    int at = last.end;
    while (at - 1 > last.header && isBlank(m_lines.at(at - 1)))
        --at;
    if (lineEnd(m_lines.at(at - 1)).isEmpty())
        m_lines[at - 1] += '\n';
    m_lines.insert(at, entry);
}

void KConfigText::removeGroupIfEmpty(const QByteArray& group)
{
    const QList<Section> found = sections(group);
    for (int s = found.size() - 1; s >= 0; --s) {
        const Section& section = found.at(s);
        bool empty = true;
        for (int i = section.header + 1; i < section.end && empty; ++i)
            empty = isBlank(m_lines.at(i));
        if (!empty)
            continue;
        for (int i = section.end - 1; i >= section.header; --i)
            m_lines.removeAt(i);
        // The blank line that separated the group from the one before goes with it.
        if (section.header > 0 && section.header == m_lines.size() &&
            isBlank(m_lines.at(section.header - 1)))
            m_lines.removeAt(section.header - 1);
    }
}
