// The console's spell matching over the whole command table, and the settings file's reader
// and writer on a store holding every key.
#include "settings/HiddenFeatures.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTable.h"
#include "settings/SpellParser.h"

#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QStringList table_patterns()
{
    QStringList patterns;
    for (const QString& command : HiddenFeatures::spell_list())
        patterns += command.split(QStringLiteral(" or "));
    return patterns;
}

// A spell that matches nothing is tried against every pattern.
void BM_InvalidSpellAgainstTheTable(benchmark::State& state)
{
    const QStringList patterns = table_patterns();
    for (auto _ : state) {
        SpellParser parser("set temperature to 5000K");
        bool matched = false;
        for (const QString& pattern : patterns)
            matched = matched || parser.matches(pattern);
        benchmark::DoNotOptimize(matched);
    }
    state.counters["patterns"] = patterns.size();
}
BENCHMARK(BM_InvalidSpellAgainstTheTable);

struct FullStore
{
    QTemporaryDir dir;
    QSettings store{dir.filePath(QStringLiteral("kavo_settings.ini")), QSettings::IniFormat};
    FullStore()
    {
        for (const SettingKey& key : SettingsTable::keys())
            store.setValue(QLatin1String(key.name), key.defaultValue);
        store.sync();
    }
};

void BM_WriteEveryKey(benchmark::State& state)
{
    FullStore full;
    const auto form = SettingsFile::Form(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(SettingsFile::write(full.store, form));
}
BENCHMARK(BM_WriteEveryKey)
    ->Arg(int(SettingsFile::Form::MultiLine))
    ->Arg(int(SettingsFile::Form::OneLine));

void BM_ReadEveryKey(benchmark::State& state)
{
    FullStore full;
    const QString text =
        QString::fromUtf8(SettingsFile::write(full.store, SettingsFile::Form::OneLine));
    for (auto _ : state)
        benchmark::DoNotOptimize(SettingsFile::parse(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadEveryKey);
} // namespace

BENCHMARK_MAIN();
