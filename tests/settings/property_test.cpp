// Randomized properties over arbitrary bytes, with fixed seeds: the document
// and the loader never crash, an unchanged document gives back its bytes,
// the document in memory reads like its own serialization, and a save
// settles after one round.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "settings/driver_font_file.h"
#include "settings/font_names.h"
#include "settings/ini_document.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

// Bytes biased toward what matters to the parser: brackets, '=', ';',
// quotes, line breaks, blanks, Shift-JIS lead bytes and the trail bytes
// that look like ASCII syntax, and the names the loader looks for.
class TextGenerator {
public:
    explicit TextGenerator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string piece() {
        static const char* const kSyntax[] = {"[", "]",  "=",    ";",  "\r", "\n",          "\r\n",
                                              " ", "\t", "\x1A", "\"", "'",  "\xEF\xBB\xBF"};
        static const char* const kKeys[] = {"FontType", "fonttype", "PCpb1pb2pb3pb4", "PVpq",
                                            "PCps",     "XBpe",     "XBpf1pf2",       "XBpd",
                                            "XBC",      "Version"};
        switch (below(12)) {
            case 0:
            case 1:
            case 2:
                return kSyntax[below(std::size(kSyntax))];
            case 3: {  // a lead byte, alone or with a trail byte that looks like syntax
                std::string s(
                    1, static_cast<char>(below(2) ? 0x81 + below(0x1F) : 0xE0 + below(0x1D)));
                static const unsigned char kTrails[] = {0x5C, 0x5B, 0x5D, 0x40, 0x41, 0x7F, 0xFC};
                if (below(3)) s += static_cast<char>(kTrails[below(std::size(kTrails))]);
                return s;
            }
            case 4:
                return std::string(1, static_cast<char>(below(256)));
            case 5:
            case 6: {
                std::string word;
                for (int i = below(4); i >= 0; --i)
                    word += static_cast<char>((below(2) ? 'a' : 'A') + below(26));
                return word;
            }
            case 7:
                return std::to_string(below(300));
            case 8:
                return std::string(kKeys[below(std::size(kKeys))]) + "=";
            case 9:
                return "[" + fontName() + "]\r\n";
            case 10:
                return "[DVF]\r\nVersion=2\r\n";
            default:
                return below(2) ? "\r\n" : "=" + std::to_string(below(130));
        }
    }

    std::string fontName() {
        switch (below(3)) {
            case 0:
                return characterFontName(below(kCharacterFontCount));
            case 1:
                return barcodeFontName(below(kBarcodeFontCount));
            default:
                return code2DFontName(below(kCode2DFontCount));
        }
    }

    std::string text(int maxPieces) {
        std::string out;
        for (int i = below(maxPieces + 1); i > 0; --i) out += piece();
        return out;
    }

    // A short name or value for the document's own functions.
    std::string name() {
        if (below(3) == 0) return fontName();
        std::string out;
        for (int i = below(3) + 1; i > 0; --i) out += piece();
        return out;
    }

private:
    std::mt19937 rng_;
};

TEST(IniDocumentProperty, ParsingThenSerializingGivesBackTheBytes) {
    for (unsigned seed : {1u, 2u, 3u}) {
        TextGenerator gen(seed);
        for (int i = 0; i < 1000; ++i) {
            const std::string bytes = gen.text(40);
            ASSERT_EQ(IniDocument(bytes).bytes(), bytes) << "seed " << seed << ", case " << i;
        }
    }
}

// Random reads, listings, writes and deletions: whatever the document holds
// in memory reads the same as a new parse of its bytes, and a refused write
// changes nothing.
TEST(IniDocumentProperty, MemoryReadsLikeItsOwnBytes) {
    for (unsigned seed : {11u, 12u}) {
        TextGenerator gen(seed);
        for (int i = 0; i < 300; ++i) {
            IniDocument doc(gen.text(30));
            std::vector<std::string> sections = {gen.name(), gen.name()};
            std::vector<std::string> keys = {gen.name(), gen.name(), "FontType"};
            for (int op = 0; op < 8; ++op) {
                const std::string& section = sections[gen.below(2)];
                const std::string& key = keys[gen.below(3)];
                const std::string before = doc.bytes();
                if (gen.below(4) == 0) {
                    doc.remove(section, key);
                } else if (!doc.write(section, key, gen.name())) {
                    ASSERT_EQ(doc.bytes(), before) << "seed " << seed << ", case " << i;
                }
                const IniDocument reparsed(doc.bytes());
                ASSERT_EQ(reparsed.bytes(), doc.bytes());
                for (const std::string& s : sections) {
                    ASSERT_EQ(reparsed.keyNames(s), doc.keyNames(s))
                        << "seed " << seed << ", case " << i << ", section "
                        << testing::PrintToString(s) << "\n"
                        << testing::PrintToString(doc.bytes());
                    const IniDocument::SectionReader reader = doc.section(s);
                    for (const std::string& k : keys) {
                        ASSERT_EQ(reader.value(k), doc.value(s, k))
                            << "seed " << seed << ", case " << i << ", section reader";
                        ASSERT_EQ(reparsed.value(s, k), doc.value(s, k))
                            << "seed " << seed << ", case " << i << ", section "
                            << testing::PrintToString(s) << ", key " << testing::PrintToString(k)
                            << "\n"
                            << testing::PrintToString(doc.bytes());
                    }
                }
            }
        }
    }
}

TEST(DriverFontFileProperty, LoadingArbitraryBytesGivesValidTypes) {
    TextGenerator gen(21);
    for (int i = 0; i < 300; ++i) {
        SettingsStore store;
        loadDriverFontFile(IniDocument(gen.text(60)), store);
        for (const CharacterFontRecord& font : store.fonts) {
            ASSERT_GE(font.typeIndex, 0);
            ASSERT_LT(font.typeIndex, kCharacterTypeCount);
            ASSERT_EQ(font.typeName, characterTypeName(font.typeIndex));
        }
        for (const BarcodeRecord& barcode : store.barcodes) {
            ASSERT_GE(barcode.typeIndex, 0);
            ASSERT_LT(barcode.typeIndex, kBarcodeTypeCount);
            ASSERT_EQ(barcode.typeName, barcodeTypeName(barcode.typeIndex));
        }
    }
}

// Load, write the font sections, serialize; then load that and write again:
// the second round changes nothing.
void expectSettlesAfterOneSave(const std::string& input, const std::string& what) {
    IniDocument first(input);
    SettingsStore store;
    loadDriverFontFile(first, store);
    writeDriverFontSections(store, first);
    const std::string once = first.bytes();
    IniDocument second(once);
    loadDriverFontFile(second, store);
    writeDriverFontSections(store, second);
    EXPECT_EQ(second.bytes(), once) << what << "\ninput: " << testing::PrintToString(input);
}

TEST(DriverFontFileProperty, SaveLoadSaveIsStable) {
    TextGenerator gen(31);
    for (int i = 0; i < 120; ++i) {
        const std::string input = gen.text(40);
        expectSettlesAfterOneSave(input, "case " + std::to_string(i));
        if (HasFailure()) break;  // one counterexample is enough
    }
}

// A value that a read unquotes must be written so that it reads back the same.
TEST(DriverFontFileProperty, QuotedValuesSettleAfterOneSave) {
    const std::string section = "[" + characterFontName(0) + "]\r\nFontType=1\r\n";
    expectSettlesAfterOneSave(section + "PCpj='\"W\"'\r\n", "value in two pairs of quotes");
    expectSettlesAfterOneSave(section + "PCpj=\"\"\"\"\r\n", "value of four quotes");
}

}  // namespace
}  // namespace vx
