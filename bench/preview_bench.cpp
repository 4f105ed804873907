// Encoding and laying out a 2D code font's symbol, as the preview does on
// every edit: figures for the largest symbols of each type the page offers
// with its sample data, and for a QR code and a PDF417 with 500 characters;
// and laying out a character font with 200 characters and writing its SVG.
// Figures only: nothing here asserts a time (the preview should stay well
// under 30 ms to follow typing).
#include <benchmark/benchmark.h>

#include <string>

#include "preview/svg_writer.h"
#include "preview/symbol_preview.h"
#include "tests/preview/preview_records.h"

namespace {

void previewOfType(benchmark::State& state) {
    const vx::Code2DRecord record = vx::test::largestCode2DOfType(static_cast<int>(state.range(0)));
    const vx::PreviewSettings settings{305, std::nullopt, vx::LabelSize{50, 30}};
    for (auto _ : state) benchmark::DoNotOptimize(vx::previewCode2D(record, settings));
}
BENCHMARK(previewOfType)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void previewOfLongData(benchmark::State& state) {
    const vx::Code2DRecord record = vx::test::largestCode2DOfType(static_cast<int>(state.range(0)));
    std::string data;
    while (data.size() < 500) data += "ZEL Vextora 0123456789 ";
    const vx::PreviewSettings settings{305, data.substr(0, 500), std::nullopt};
    for (auto _ : state) benchmark::DoNotOptimize(vx::previewCode2D(record, settings));
}
BENCHMARK(previewOfLongData)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void characterFont200(benchmark::State& state) {
    const vx::CharacterFontRecord record = vx::test::longTextFont();
    const vx::PreviewSettings settings{305, vx::test::longText(), vx::LabelSize{100, 50}};
    for (auto _ : state) benchmark::DoNotOptimize(vx::previewCharacterFont(record, settings));
}
BENCHMARK(characterFont200)->Unit(benchmark::kMillisecond);

void characterFont200Svg(benchmark::State& state) {
    const vx::CharacterFontRecord record = vx::test::longTextFont();
    const vx::PreviewSettings settings{305, vx::test::longText(), std::nullopt};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vx::fontPreviewSvg(vx::previewCharacterFont(record, settings), 305));
    }
}
BENCHMARK(characterFont200Svg)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
