// Load and save of a full driver font file and of files 10 and 100 times as
// large (the same file with unrelated sections), against merely reading and
// writing the same bytes. Prints Google Benchmark's figures and then a table
// of the ratios. Figures only: nothing here asserts a time.
//
//   load     = read the bytes + IniDocument + loadDriverFontFile
//   parse    = IniDocument alone (part of load), to show what the reads of
//              the loader cost apart from parsing
//   save     = writeDriverFontSections + bytes() + replaceFileContents
//              (temporary file, fsync, rename)
//   read     = std::ifstream of the whole file into a string
//   write    = std::ofstream of the same bytes (no fsync)
//   replace  = replaceFileContents of the same bytes alone, to show what the
//              atomic replacement costs apart from the document
//   many keys = load and save (in memory) of a file whose first font section
//              holds 20,000 or 200,000 keys that the save removes
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <system_error>

#include "bench/dvf_fixture.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/font_names.h"
#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace {

constexpr int kFactors[] = {1, 10, 100};

// The files of the three sizes in a directory of their own, removed at exit.
class Files {
  public:
    Files() {
        dir_ =
            std::filesystem::temp_directory_path() / ("vx-dvf-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        const std::string base = vx::bench::factoryDriverFontFile();
        for (int factor : kFactors) {
            std::string text = factor == 1 ? base : vx::bench::grownDriverFontFile(base, factor);
            writeAll(source(factor), text);
            writeAll(saveTarget(factor), text);
            bytes_[factor] = std::move(text);
        }
    }
    ~Files() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    const std::string& bytes(int factor) const { return bytes_.at(factor); }
    std::filesystem::path source(int factor) const { return file("source", factor); }
    std::filesystem::path saveTarget(int factor) const { return file("saved", factor); }
    std::filesystem::path writeTarget(int factor) const { return file("written", factor); }

    static void writeAll(const std::filesystem::path& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

  private:
    std::filesystem::path file(const char* role, int factor) const {
        return dir_ / (std::string(role) + "-" + std::to_string(factor) + "x.dvf");
    }
    std::filesystem::path dir_;
    std::map<int, std::string> bytes_;
};

Files& files() {
    static Files instance;
    return instance;
}

int factorOf(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void countBytes(benchmark::State& state, std::size_t size) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(size));
    state.counters["file_bytes"] = static_cast<double>(size);
}

void BM_Load(benchmark::State& state) {
    const std::filesystem::path path = files().source(factorOf(state));
    for (auto _ : state) {
        std::optional<std::string> bytes = vx::readFileBytes(path);
        vx::IniDocument document(std::move(*bytes));
        vx::SettingsStore store;
        vx::loadDriverFontFile(document, store);
        benchmark::DoNotOptimize(store);
    }
    countBytes(state, files().bytes(factorOf(state)).size());
}

void BM_Parse(benchmark::State& state) {
    const std::string& bytes = files().bytes(factorOf(state));
    for (auto _ : state) {
        vx::IniDocument document(bytes);
        benchmark::DoNotOptimize(document);
    }
    countBytes(state, bytes.size());
}

void BM_ReadBytes(benchmark::State& state) {
    const std::filesystem::path path = files().source(factorOf(state));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes);
    }
    countBytes(state, files().bytes(factorOf(state)).size());
}

void BM_Save(benchmark::State& state) {
    const int factor = factorOf(state);
    const vx::IniDocument parsed(files().bytes(factor));
    vx::SettingsStore store;
    vx::loadDriverFontFile(parsed, store);
    const std::filesystem::path target = files().saveTarget(factor);
    for (auto _ : state) {
        state.PauseTiming();
        vx::IniDocument document = parsed;
        state.ResumeTiming();
        bool written = vx::writeDriverFontSections(store, document);
        std::string bytes = document.bytes();
        bool replaced = vx::replaceFileContents(target, bytes);
        if (!written || !replaced) state.SkipWithError("the save failed");
    }
    countBytes(state, files().bytes(factor).size());
}

void BM_WriteBytes(benchmark::State& state) {
    const std::string& bytes = files().bytes(factorOf(state));
    const std::filesystem::path target = files().writeTarget(factorOf(state));
    for (auto _ : state) {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) state.SkipWithError("the write failed");
    }
    countBytes(state, bytes.size());
}

void BM_ReplaceBytes(benchmark::State& state) {
    const std::string& bytes = files().bytes(factorOf(state));
    const std::filesystem::path target = files().saveTarget(factorOf(state));
    for (auto _ : state) {
        if (!vx::replaceFileContents(target, bytes)) state.SkipWithError("the replacement failed");
    }
    countBytes(state, bytes.size());
}

// One font section with many keys that a save removes (a file that a
// script filled up): the save's time grows with the keys, not with their
// square. The load of the same text beside it.
std::string manyKeysFile(int keys) {
    std::string text = vx::bench::factoryDriverFontFile();
    text += "[" + vx::characterFontName(0) + "]\r\n";
    for (int k = 0; k < keys; ++k) {
        text += "Extra" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";
    }
    return text;
}

void BM_SaveManyKeys(benchmark::State& state) {
    const vx::IniDocument parsed(manyKeysFile(static_cast<int>(state.range(0))));
    vx::SettingsStore store;
    vx::loadDriverFontFile(parsed, store);
    for (auto _ : state) {
        state.PauseTiming();
        vx::IniDocument document = parsed;
        state.ResumeTiming();
        if (!vx::writeDriverFontSections(store, document)) state.SkipWithError("the save failed");
        benchmark::DoNotOptimize(document.bytes());
    }
}

void BM_LoadManyKeys(benchmark::State& state) {
    const std::string text = manyKeysFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vx::IniDocument document(text);
        vx::SettingsStore store;
        vx::loadDriverFontFile(document, store);
        benchmark::DoNotOptimize(store);
    }
}

void keyCounts(benchmark::internal::Benchmark* b) {
    b->Arg(20000)->Arg(200000)->ArgName("keys")->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LoadManyKeys)->Apply(keyCounts);
BENCHMARK(BM_SaveManyKeys)->Apply(keyCounts);

void sizes(benchmark::internal::Benchmark* b) {
    for (int factor : kFactors) b->Arg(factor);
    b->ArgName("x")->UseRealTime()->MinTime(0.3)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Load)->Apply(sizes);
BENCHMARK(BM_Parse)->Apply(sizes);
BENCHMARK(BM_ReadBytes)->Apply(sizes);
BENCHMARK(BM_Save)->Apply(sizes);
BENCHMARK(BM_WriteBytes)->Apply(sizes);
BENCHMARK(BM_ReplaceBytes)->Apply(sizes);

// Keeps the time per iteration of every run, for the table of ratios.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred) {
                continue;
            }
            seconds_[run.run_name.function_name][run.run_name.args] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
        }
    }

    // Milliseconds per operation, or -1 when the run is missing (filtered).
    double ms(const std::string& function, int factor) const {
        return ms(function, "x:" + std::to_string(factor));
    }
    double ms(const std::string& function, const std::string& args) const {
        auto f = seconds_.find(function);
        if (f == seconds_.end()) return -1;
        auto a = f->second.find(args);
        return a == f->second.end() ? -1 : a->second * 1000.0;
    }

  private:
    std::map<std::string, std::map<std::string, double>> seconds_;
};

// Milliseconds per operation of one file size; -1 where a run is missing.
struct Figures {
    double load, parse, read, save, write, replace;
};

Figures figuresOf(const RecordingReporter& reporter, int factor) {
    return {reporter.ms("BM_Load", factor),      reporter.ms("BM_Parse", factor),
            reporter.ms("BM_ReadBytes", factor), reporter.ms("BM_Save", factor),
            reporter.ms("BM_WriteBytes", factor), reporter.ms("BM_ReplaceBytes", factor)};
}

double ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

void printRatios(const RecordingReporter& reporter) {
    std::printf("\n%-6s %10s | %9s %9s %9s %7s | %9s %9s %7s %11s\n", "file", "bytes", "load ms",
                "parse ms", "read ms", "ratio", "save ms", "write ms", "ratio", "replace ms");
    for (int factor : kFactors) {
        const Figures f = figuresOf(reporter, factor);
        std::printf("%4dx   %10zu | %9.3f %9.3f %9.3f %7.1f | %9.3f %9.3f %7.1f %11.3f\n", factor,
                    files().bytes(factor).size(), f.load, f.parse, f.read, ratio(f.load, f.read),
                    f.save, f.write, ratio(f.save, f.write), f.replace);
    }
    std::printf(
        "ratio = load / read and save / write; save includes the atomic replacement\n"
        "(temporary file, fsync, rename), whose cost alone is the last column.\n");
    // The engine against the plain file operations it is measured by.
    std::printf("\n%-6s %10s %12s %14s\n", "file", "parse MB/s", "load / read", "save / replace");
    for (int factor : kFactors) {
        const Figures f = figuresOf(reporter, factor);
        const double megabytes = static_cast<double>(files().bytes(factor).size()) / 1e6;
        std::printf("%4dx   %10.0f %12.1f %14.1f\n", factor, ratio(megabytes, f.parse / 1000.0),
                    ratio(f.load, f.read), ratio(f.save, f.replace));
    }
    std::printf("save / replace: the save against replacing the file with the same bytes.\n");
    std::printf("\n%-8s %10s %10s %14s\n", "keys", "load ms", "save ms", "save us/key");
    for (int keys : {20000, 200000}) {
        const std::string args = "keys:" + std::to_string(keys);
        const double save = reporter.ms("BM_SaveManyKeys", args);
        std::printf("%-8d %10.3f %10.3f %14.3f\n", keys, reporter.ms("BM_LoadManyKeys", args), save,
                    save * 1000.0 / keys);
    }
    std::printf(
        "keys: one font section holding that many keys, which the save removes; a save\n"
        "that grows with the lines costs about as much per key at either count.\n");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    files();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
