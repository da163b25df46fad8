// Fuzz target: any bytes as a browser's native message on standard input.
#include "CommandText.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const QString command = CommandText::read_native_message(input, 0).value;
    // What comes out is a command text for the console: at most the message itself.
    if (command.size() > CommandText::kMaxNativeMessageSize)
        std::abort();
    return 0;
}
