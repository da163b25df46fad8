// Fuzz target: any bytes as a settings file or a pasted line, through the reader an import
// uses, and what is read written out again in both forms.
#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const SettingsFile::Parsed parsed = SettingsFile::parse(text);
    for (const SettingsFile::Entry& entry : parsed.entries) {
        // Only known keys that an import may write come out of the reader.
        if (!SettingsFile::is_known_key(entry.key) || SettingsFile::is_never_imported(entry.key))
            std::abort();
        // A value read back survives both forms of writing: no separator leaks into it.
        for (SettingsFile::Form form :
             {SettingsFile::Form::MultiLine, SettingsFile::Form::OneLine}) {
            const QString written = SettingsFile::escape(entry.value, form);
            if (written.contains(QLatin1Char('\n')) || written.contains(QLatin1Char('=')))
                std::abort();
        }
    }
    return 0;
}
