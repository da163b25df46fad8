// The costs the PWM, hourly-rule and debug features add: reading a rule file at start, the
// rule of the hour on every update, one companion run on every colour update (with
// "Update continuously" on), one log line into the console's ring, and building the debug
// information text on each publication of the settings.
// Run: build/bench/pwm/bench_pwm
#include "DebugInfo.h"
#include "KavoLogBuffer.h"
#include "color/HourlyRules.h"
#include "color/PWMControl.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QByteArray rule_file(int rules)
{
    QByteArray bytes;
    for (int i = 0; i < rules; ++i)
        bytes += QByteArray::number(i % 24) + " " + QByteArray::number(i % 24 + 1) + " " +
                 QByteArray::number(2000 + i) + "\n";
    return bytes;
}

void readRuleFile(benchmark::State& state)
{
    QByteArray bytes = rule_file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(HourlyRules::read(buffer, 0, 10000));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(readRuleFile)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The worst a file can cost: a megabyte of whitespace before anything readable.
void readHugeBlankFile(benchmark::State& state)
{
    QByteArray bytes(2 << 20, ' ');
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(HourlyRules::read(buffer, 0, 10000));
    }
}
BENCHMARK(readHugeBlankFile)->Unit(benchmark::kMillisecond);

void ruleOfTheHour(benchmark::State& state)
{
    QByteArray bytes = rule_file(static_cast<int>(state.range(0)));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QVector<HourlyRule> rules = HourlyRules::read(buffer, 0, 10000).rules;
    for (auto _ : state)
        benchmark::DoNotOptimize(HourlyRules::value_at(rules, 21));
}
BENCHMARK(ruleOfTheHour)->Arg(10)->Arg(1000);

void setFrequencyThroughTheCompanion(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile script(dir.filePath(PWMControl::kSetProgram));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    PWMControl control({dir.path()});
    for (auto _ : state)
        benchmark::DoNotOptimize(control.set_frequency(1000));
}
BENCHMARK(setFrequencyThroughTheCompanion)->Unit(benchmark::kMillisecond);

void logLineIntoTheRing(benchmark::State& state)
{
    KavoLogBuffer& buffer = KavoLogBuffer::instance();
    const QString line = QStringLiteral("Monitor 1: 4500K / 80%");
    for (auto _ : state)
        buffer.append(line, true);
}
BENCHMARK(logLineIntoTheRing);

void debugInformationText(benchmark::State& state)
{
    QTemporaryDir dir;
    const QSettings saved(dir.filePath("user.ini"), QSettings::IniFormat);
    SettingsMap settings;
    for (const SettingKey& key : SettingsTable::keys())
        settings.insert(QLatin1String(key.name), key.defaultValue);
    DesktopDescription desktop;
    desktop.kind = QStringLiteral("X11");
    desktop.monitors = {{QStringLiteral("HDMI-1"), 1024, QString()},
                        {QStringLiteral("DP-1"), 1024, QString()}};
    for (auto _ : state)
        benchmark::DoNotOptimize(DebugInfo::text(settings, saved, desktop));
}
BENCHMARK(debugInformationText)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
