#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The text of a KConfig file (kwinrc, for one), changed entry by entry: every line Kavo does
// not change stays as it was, byte for byte, comments and unknown entries included. Entries
// with a locale or flag suffix (Key[de]=, Key[$e]=) are other entries and are left alone.
class KConfigText
{
public:
    explicit KConfigText(const QByteArray& text = {});

    // The value of `key` in `group` as KConfig reads it (the last one written wins, spaces
    // around it dropped); nothing when the entry is missing.
    std::optional<QByteArray> value(const QByteArray& group, const QByteArray& key) const;
    bool hasGroup(const QByteArray& group) const;

    // Sets `key` in `group` to `value` (every copy of the entry, so that no later one
    // overrides it; each keeps its spacing around the '='); the entry is added at the end of the
    // group, and the group at the end of the file, when missing. With no value, the entry is
    // removed.
    void setValue(const QByteArray& group, const QByteArray& key,
                  const std::optional<QByteArray>& value);
    // Removes `group`'s header when the group holds no entry (and the blank lines after it).
    void removeGroupIfEmpty(const QByteArray& group);

    QByteArray text() const;

private:
    struct Section
    {
        int header; // line index of the group's header
        int end;    // line index after the group's last line
    };
    QList<Section> sections(const QByteArray& group) const;
    static bool isEntryOf(const QByteArray& line, const QByteArray& key);
    static QByteArray lineEnd(const QByteArray& line);
    // `line` (an entry) with `value` in place of its value.
    static QByteArray withValue(const QByteArray& line, const QByteArray& value);

    QList<QByteArray> m_lines; // each with its own line end; the last may have none
};
