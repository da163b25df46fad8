// The costs of the network and language features: reading the server's version file and
// geolocation answer, building a usage report, one text lookup (every page element asks one on
// each translation), and a whole language switch of the open main window with its page.
// Run: build/bench/network/bench_network
#include "App.h"
#include "network/AnalyticsForm.h"
#include "network/GeolocationAnswer.h"
#include "network/Translator.h"
#include "network/VersionFile.h"
#include "parts/IWebView.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void readVersionFile(benchmark::State& state)
{
    const QByteArray body = "Linux version:1.10.2\nx\ny\nLinux download : https://d.example/k\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(VersionFile::read(body, QStringLiteral("1.9.0")));
}
BENCHMARK(readVersionFile)->Unit(benchmark::kMicrosecond);

void readGeolocationAnswer(benchmark::State& state)
{
    const QByteArray body =
        R"({"status": "success", "lat": 48.8566, "lon": 2.3522, "country": "France", "countryCode": "FR"})";
    for (auto _ : state)
        benchmark::DoNotOptimize(GeolocationAnswer::read(body));
}
BENCHMARK(readGeolocationAnswer)->Unit(benchmark::kMicrosecond);

void buildPageView(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyticsForm::page_view(
            QStringLiteral("UA-12345678-1"), QStringLiteral("{0d2c6a3e-8f51-4b7e-9d7a-2f6f1a0c9b11}"),
            QStringLiteral("kavo.example"), QStringLiteral("rest_screen.html"),
            QStringLiteral("Rest screen")));
}
BENCHMARK(buildPageView)->Unit(benchmark::kMicrosecond);

// state.range(0): 1 looks up a text the translation has, 0 one it lacks.
void translateText(benchmark::State& state)
{
    Translator translator;
    translator.load_translation_file(QStringLiteral("ru"));
    const QString text = state.range(0) ? QStringLiteral("Save and close")
                                        : QStringLiteral("A text no translation has");
    for (auto _ : state)
        benchmark::DoNotOptimize(translator.translate_text(text));
}
BENCHMARK(translateText)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The main window open on its simple view: the language goes to Russian and back, each time
// with every text of the page looked up again.
void switchLanguage(benchmark::State& state)
{
    QTemporaryDir scratch;
    qputenv("KAVO_SETTINGS_DIR", scratch.filePath(QStringLiteral("settings")).toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8());
    Platform::install(std::make_unique<SimDesktop>(QString(), QString()));
    {
        SaveManager save_manager;
        App app;
        app.create_ui();
        app.set_show_ui_requested(true);
        while (!app.main_view()->run(
                   QStringLiteral("document.querySelectorAll('#menu-items .menu-item').length > 0"))
                    .toBool())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        bool russian = false;
        for (auto _ : state) {
            russian = !russian;
            app.language_changed(russian ? QStringLiteral("ru") : QStringLiteral("en"));
        }
    }
    Platform::uninstall();
}
BENCHMARK(switchLanguage)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
