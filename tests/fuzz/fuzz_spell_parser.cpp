// Fuzz target: any bytes as a spell, matched against every pattern of the console's command
// table, with every value read back by position.
#include "settings/HiddenFeatures.h"
#include "settings/SpellParser.h"

#include <cstdint>
#include <cstdlib>

namespace {
QStringList table_patterns()
{
    QStringList patterns;
    for (const QString& command : HiddenFeatures::spell_list())
        patterns += command.split(QStringLiteral(" or "));
    // The listed "%s" of the import command takes the rest of the spell.
    patterns << QStringLiteral("import %r");
    return patterns;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QStringList patterns = table_patterns();
    SpellParser parser(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    for (const QString& pattern : patterns) {
        if (!parser.matches(pattern))
            continue;
        for (int position = -1; position <= parser.tokens().size(); ++position) {
            parser.boolean(position);
            parser.integer(position);
            parser.real(position);
            parser.word(position);
        }
        // What "%r" takes is part of the spell.
        if (!parser.text().contains(parser.rest()))
            std::abort();
    }
    return 0;
}
