// The settings sheet of a whole file, as dvftool report and the window make
// it: every font's fields and picture (zint's encoding, the character
// fonts' layout, SVG), with and without a reference to compare against.
// Figures only: the whole sheet should take well under a second.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/dvf_fixture.h"
#include "report/settings_sheet.h"

namespace {

vx::SettingsStore factoryStore() {
    vx::SettingsStore store;
    vx::loadDriverFontFile(vx::IniDocument(vx::bench::factoryDriverFontFile()), store);
    return store;
}

void wholeSheet(benchmark::State& state) {
    const vx::SettingsStore settings = factoryStore();
    vx::SheetRequest request;
    request.settings = &settings;
    request.madeAt = "2025-04-02 10:00:00";
    vx::SheetFile reference;
    reference.path = "reference.dvf";
    if (state.range(0) != 0) request.against = vx::SheetReference{reference, &settings};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = vx::settingsSheetHtml(request);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["KB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(wholeSheet)->Arg(0)->Arg(1)->ArgName("against")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
