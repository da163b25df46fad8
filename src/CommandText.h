#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The command text a launch hands to the running instance.
namespace CommandText {

// The largest native message Kavo accepts; a longer announced length is refused unread.
constexpr qint32 kMaxNativeMessageSize = 1024 * 1024;

// "kavo:open-settings-page" -> "open settings page": removes "kavo:" and "/", turns "%20"
// and "-" into blanks.
QString normalize(const QString& argument);

// How long a launch waits for a whole native message before it gives up.
constexpr int kNativeMessageTimeoutMs = 5000;

struct NativeMessage
{
    QString value;
    bool timed_out = false; // the input stayed open but the message did not arrive in time
    QString refused;        // why the message is refused; empty when it is taken
};

// Reads one browser native message (a 4-byte little-endian length, then that many bytes of
// JSON) and returns its "value" member as text. Anything else — no "value", a length of 0 or
// less, over the limit, or fewer bytes than announced — gives the empty text and says why in
// `refused`. The whole message must arrive within `timeout_ms`.
NativeMessage read_native_message(QIODevice& input, int timeout_ms = kNativeMessageTimeoutMs);

} // namespace CommandText
