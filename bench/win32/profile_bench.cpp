// Figures, not a test: load and save of a full driver font file done key by
// key through the platform's profile functions, as a program that reads
// and writes one key per call would do it, against our document. Run under
// Wine with
//
//   scripts/wine-run.sh build/windows/bin/profile_bench.exe [repetitions]
//
// The file is the factory store saved into a file holding only the version
// section. The per-key runs use a fresh copy of it each time, so that every
// load starts with the platform parsing the file (no cached copy) and every
// save starts from the same content.
//
//   per-key load  GetPrivateProfileStringW (260 characters) for every key
//                 that our loader reads, in its order: the "FontType" of each
//                 font, its family's keys, and each 2D code section six
//                 times, once per parameter record
//   per-key save  for every font section in the save order: list the key
//                 names (260 characters), delete the first one that is not
//                 "FontType", list again, ... until only "FontType" is left;
//                 then write "FontType" and the section's keys one
//                 WritePrivateProfileStringW each (barcodes: all twenty
//                 cleared with their "FontType" first, then their keys)
//   our load      readFileBytes + IniDocument + loadDriverFontFile
//   our save      saveDriverFontFile (read, parse, rewrite the 60 sections,
//                 replace the file with ReplaceFileW)
//
// The platform's copy is UTF-16LE (see platform_profile.h); ours is the
// Shift-JIS file. Both results are loaded afterwards and compared, so the
// figures are of two saves that write the same settings.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/dvf_fixture.h"
#include "settings/driver_font_file.h"
#include "settings/driver_font_keys.h"
#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "settings/settings_store.h"
#include "tests/settings/win32/platform_profile.h"

namespace vx::test {
namespace {

using Key = std::pair<std::string, std::string>;  // section, key (code page 932)

// The keys that our loader reads, in its order.
std::vector<Key> keysLoaderReads(const SettingsStore& store) {
    std::vector<Key> keys;
    for (const CharacterFontRecord& font : store.fonts) {
        keys.emplace_back(font.fontName, "FontType");
        const bool outline = font.typeIndex >= kFirstOutlineTypeIndex;
        for (const CharacterKeyRow& row : characterKeyRows()) {
            const KeyCell& cell = outline ? row.outline : row.bitmap;
            if (row.field != nullptr && cell.op == KeyCell::Field) {
                keys.emplace_back(font.fontName, outline ? row.outlineKey : row.bitmapKey);
            }
        }
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        keys.emplace_back(barcode.fontName, "FontType");
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        keys.emplace_back(barcode.fontName, "XBpb1pb2pb3pb4");
        keys.emplace_back(barcode.fontName, "XBpc1pc2pc3pc4pc5");
        const BarcodeLayout layout = barcodeLayout(*barcodeTypeAt(barcode.typeIndex));
        for (const BarcodeKeyRow& row : layout.rows) {
            if (row.cells[layout.column].read.op == KeyCell::Field) {
                keys.emplace_back(barcode.fontName, row.key);
            }
        }
    }
    for (const Code2DRecord& code : store.codes2D) {
        keys.emplace_back(code.fontName, "FontType");
        forEachCode2DParams(code, [&](std::string_view, const auto& params, auto, auto) {
            for (const auto& row : code2DKeyRows(&params)) {
                if (row.field != nullptr) keys.emplace_back(code.fontName, row.key);
            }
        });
    }
    return keys;
}

// One section as the save writes it: its "FontType" and then its keys.
struct SectionWrite {
    std::string section;
    std::string fontType;
    std::vector<Key> keys;  // key, value
};

SectionWrite sectionAsSaved(const IniDocument& saved, const std::string& section) {
    SectionWrite out{section, saved.read(section, kFontTypeKey, ""), {}};
    for (const std::string& key : saved.keyNames(section)) {
        if (key != kFontTypeKey) out.keys.emplace_back(key, saved.read(section, key, ""));
    }
    return out;
}

class PerKeyProfile {
public:
    explicit PerKeyProfile(std::wstring path) : path_(std::move(path)) {}

    std::size_t load(const std::vector<Key>& keys) {
        wchar_t buffer[260];
        std::size_t total = 0;
        for (const auto& [section, key] : keys) {
            total += GetPrivateProfileStringW(wide(section), wide(key), L"default", buffer, 260,
                                              path_.c_str());
        }
        calls_ += keys.size();
        return total;
    }

    // The save order: character fonts each completely, barcodes cleared
    // with their "FontType" first and their keys after, 2D codes each
    // completely.
    bool save(const std::vector<SectionWrite>& characters,
              const std::vector<SectionWrite>& barcodes, const std::vector<SectionWrite>& codes) {
        bool ok = true;
        for (const SectionWrite& s : characters)
            ok = clearAndWriteFontType(s) && writeKeys(s) && ok;
        for (const SectionWrite& s : barcodes) ok = clearAndWriteFontType(s) && ok;
        for (const SectionWrite& s : barcodes) ok = writeKeys(s) && ok;
        for (const SectionWrite& s : codes) ok = clearAndWriteFontType(s) && writeKeys(s) && ok;
        return ok;
    }

    std::size_t calls() const { return calls_; }

private:
    const wchar_t* wide(const std::string& cp932) {
        auto found = wide_.find(cp932);
        if (found == wide_.end()) found = wide_.emplace(cp932, wideFromCp932(cp932)).first;
        return found->second.c_str();
    }

    bool clearAndWriteFontType(const SectionWrite& s) {
        const wchar_t* section = wide(s.section);
        for (;;) {
            wchar_t names[260] = {};
            GetPrivateProfileStringW(section, nullptr, L"", names, 260, path_.c_str());
            ++calls_;
            const wchar_t* name = names;
            if (std::wstring_view(name) == L"FontType") name += wcslen(name) + 1;
            if (*name == L'\0') break;
            ++calls_;
            if (!WritePrivateProfileStringW(section, name, nullptr, path_.c_str())) return false;
        }
        ++calls_;
        return WritePrivateProfileStringW(section, L"FontType", wide(s.fontType), path_.c_str()) !=
               FALSE;
    }

    bool writeKeys(const SectionWrite& s) {
        bool ok = true;
        for (const auto& [key, value] : s.keys) {
            ++calls_;
            ok = WritePrivateProfileStringW(wide(s.section), wide(key), wide(value),
                                            path_.c_str()) != FALSE &&
                 ok;
        }
        return ok;
    }

    std::wstring path_;
    std::size_t calls_ = 0;
    std::map<std::string, std::wstring> wide_;
};

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Figure {
    const char* what;
    double msPerOp = 0;
    int repetitions = 0;
    std::size_t callsPerOp = 0;
};

// Runs `op` `repetitions` times, each after an untimed `prepare`.
Figure measure(const char* what, int repetitions, const std::function<void(int)>& prepare,
               const std::function<std::size_t(int)>& op) {
    double total = 0;
    std::size_t calls = 0;
    for (int i = 0; i < repetitions; ++i) {
        prepare(i);
        auto start = std::chrono::steady_clock::now();
        calls = op(i);
        total += seconds(std::chrono::steady_clock::now() - start);
    }
    return {what, total * 1000.0 / repetitions, repetitions, calls};
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// What a load of the text gives, as the text of every font section.
std::string loadedContent(const std::string& cp932Text) {
    IniDocument file(cp932Text);
    SettingsStore store;
    loadDriverFontFile(file, store);
    IniDocument written(std::string("[DVF]\r\nVersion=2\r\n"));
    writeDriverFontSections(store, written);
    return written.bytes();
}

int run(int repetitions) {
    ScratchDirectory scratch;
    const std::string text = bench::factoryDriverFontFile();
    IniDocument parsed(text);
    SettingsStore store;
    loadDriverFontFile(parsed, store);
    const std::vector<Key> readKeys = keysLoaderReads(store);

    IniDocument saved(text);
    writeDriverFontSections(store, saved);
    std::vector<SectionWrite> characters, barcodes, codes;
    for (const CharacterFontRecord& f : store.fonts)
        characters.push_back(sectionAsSaved(saved, f.fontName));
    for (const BarcodeRecord& b : store.barcodes)
        barcodes.push_back(sectionAsSaved(saved, b.fontName));
    for (const Code2DRecord& c : store.codes2D) codes.push_back(sectionAsSaved(saved, c.fontName));

    std::printf("file: %zu bytes Shift-JIS, 60 font sections; the loader reads %zu keys\n",
                text.size(), readKeys.size());

    std::vector<Figure> figures;
    std::wstring current;
    figures.push_back(measure(
        "load, per key (profile functions)", repetitions,
        [&](int) { current = ProfileFile::create(scratch.newFile(L"load"), text).path(); },
        [&](int) {
            PerKeyProfile profile(current);
            profile.load(readKeys);
            return profile.calls();
        }));
    std::wstring ours = scratch.newFile(L"ours");
    writeBytes(ours, text);
    figures.push_back(measure(
        "load, ours (IniDocument)", repetitions * 10, [](int) {},
        [&](int) {
            std::optional<std::string> bytes = readFileBytes(ours);
            IniDocument file(std::move(*bytes));
            SettingsStore loaded;
            loadDriverFontFile(file, loaded);
            return std::size_t{0};
        }));

    bool platformSaved = true;
    const int saveRepetitions = repetitions < 3 ? repetitions : 3;
    figures.push_back(measure(
        "save, per key (profile functions)", saveRepetitions,
        [&](int) { current = ProfileFile::create(scratch.newFile(L"save"), text).path(); },
        [&](int) {
            PerKeyProfile profile(current);
            platformSaved = profile.save(characters, barcodes, codes) && platformSaved;
            return profile.calls();
        }));
    std::string platformResult = ProfileFile::missing(current).text();
    bool oursSaved = true;
    figures.push_back(measure(
        "save, ours (saveDriverFontFile)", repetitions * 10, [&](int) { writeBytes(ours, text); },
        [&](int) {
            oursSaved = saveDriverFontFile(store, ours) == SaveOutcome::Saved && oursSaved;
            return std::size_t{0};
        }));
    std::optional<std::string> oursResult = readFileBytes(ours);

    std::printf("\n%-36s %12s %6s %14s\n", "operation", "ms per op", "runs", "calls per op");
    for (const Figure& f : figures) {
        std::string calls = f.callsPerOp > 0 ? std::to_string(f.callsPerOp) : "-";
        std::printf("%-36s %12.2f %6d %14s\n", f.what, f.msPerOp, f.repetitions, calls.c_str());
    }
    std::printf("\nper key / ours: load %.0fx, save %.0fx\n",
                figures[0].msPerOp / figures[1].msPerOp, figures[2].msPerOp / figures[3].msPerOp);
    bool same = oursResult && loadedContent(*oursResult) == loadedContent(platformResult);
    std::printf("both saves succeeded: %s; both files load the same settings: %s\n",
                platformSaved && oursSaved ? "yes" : "NO", same ? "yes" : "NO");
    return platformSaved && oursSaved && same ? 0 : 1;
}

}  // namespace
}  // namespace vx::test

int wmain(int argc, wchar_t** argv) {
    int repetitions = argc > 1 ? _wtoi(argv[1]) : 5;
    if (repetitions < 1) repetitions = 1;
    return vx::test::run(repetitions);
}
