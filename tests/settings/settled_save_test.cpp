// One save gives a driver font file its settled form: a second save without
// edits changes no byte. Lines without "=" named like keys that the writer
// writes go with the clearing, and new lines take the file's usual break.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/driver_font_file.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::dataFile;
using test::readBytes;
using test::sj;
using Lines = std::vector<std::string>;

// The bytes after loading `bytes` and writing every font section back.
std::string saved(const std::string& bytes) {
    IniDocument doc(bytes);
    SettingsStore store;
    loadDriverFontFile(doc, store);
    EXPECT_TRUE(writeDriverFontSections(store, doc));
    return doc.bytes();
}

// The lines after the header of the first section named `nameUtf8`,
// without their breaks.
Lines sectionLines(const std::string& text, std::string_view nameUtf8) {
    for (const test::Block& block : test::splitBlocks(text)) {
        if (block.header != "[" + sj(nameUtf8) + "]") continue;
        Lines lines;
        std::size_t pos = block.bytes.find_first_not_of("\r\n", block.header.size());
        while (pos < block.bytes.size()) {
            std::size_t end = std::min(block.bytes.find_first_of("\r\n", pos), block.bytes.size());
            lines.push_back(block.bytes.substr(pos, end - pos));
            pos = block.bytes.find_first_not_of("\r\n", end);
        }
        return lines;
    }
    ADD_FAILURE() << "no section " << nameUtf8;
    return {};
}

Lines head(const Lines& lines, std::size_t count) {
    return Lines(lines.begin(),
                 lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size())));
}

// The lines from `from` on, all of them keys.
bool allKeysFrom(const Lines& lines, std::size_t from) {
    return lines.size() > from &&
           std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                       [](const std::string& line) { return line.find('=') != std::string::npos; });
}

TEST(SettledSave, LinesWithoutEqualsNamedLikeWrittenKeysGoWithTheClearing) {
    const std::string original = readBytes(dataFile("name_only_written_key.dvf"));
    SettingsStore store;
    loadDriverFontFile(IniDocument(original), store);
    // As the driver reads the file: such a line hides a key of its name
    // that follows it, not one before it.
    EXPECT_EQ(store.fonts[0].sizeX, "1");
    EXPECT_EQ(store.fonts[0].decoration, "W");
    EXPECT_EQ(store.barcodes[0].narrowBar, "03");
    EXPECT_EQ(store.codes2D[0].typeIndex, 0);  // "FontType=202" is hidden: factory 201
    EXPECT_EQ(store.fonts[1].typeIndex, 1);    // factory 2

    const std::string once = saved(original);
    EXPECT_EQ(saved(once), once);

    const Lines font1 = sectionLines(once, "ZEL文字フォント01");
    EXPECT_EQ(head(font1, 2), (Lines{"FontType=3", "; kept"}));
    EXPECT_TRUE(allKeysFrom(font1, 2));
    const Lines barcode1 = sectionLines(once, "ZELバーコード01");
    EXPECT_EQ(head(barcode1, 1), Lines{"FontType=101"});
    EXPECT_TRUE(allKeysFrom(barcode1, 0));
    const Lines code1 = sectionLines(once, "ZEL2次元コード01");
    EXPECT_EQ(head(code1, 1), Lines{"FontType=201"});
    EXPECT_TRUE(allKeysFrom(code1, 0));
    // "PVpg" is no key of a bitmap font: nothing writes it, so it stays.
    const Lines font2 = sectionLines(once, "ZEL文字フォント02");
    EXPECT_EQ(head(font2, 2), (Lines{"PVpg", "FontType=2"}));
    EXPECT_TRUE(allKeysFrom(font2, 2));

    // The saved file reads as the store that was saved.
    const IniDocument reread(once);
    EXPECT_EQ(reread.read(sj("ZEL文字フォント01"), "PCpd1pd2", ""), "1");
    EXPECT_EQ(reread.read(sj("ZEL文字フォント01"), "PCpj", ""), "W");
    EXPECT_EQ(reread.read(sj("ZEL文字フォント01"), "PCP", ""), "default");
    EXPECT_EQ(reread.read(sj("ZELバーコード01"), "XBpf1pf2", ""), "03");
}

TEST(SettledSave, NewLinesTakeTheFilesUsualBreak) {
    const std::string once = saved(readBytes(dataFile("name_only_key_cr_break.dvf")));
    EXPECT_EQ(saved(once), once);
    // Only the stray line keeps its lone CR; the lone LF went with its line.
    std::vector<std::size_t> loneCr;
    for (std::size_t i = 0; i < once.size(); ++i) {
        const bool crlf = i + 1 < once.size() && once[i] == '\r' && once[i + 1] == '\n';
        if (once[i] == '\n') {
            EXPECT_TRUE(i > 0 && once[i - 1] == '\r') << "lone LF at " << i;
        }
        if (once[i] == '\r' && !crlf) loneCr.push_back(i);
    }
    ASSERT_EQ(loneCr.size(), 1u);
    ASSERT_GE(loneCr[0], 9u);
    EXPECT_EQ(once.substr(loneCr[0] - 9, 25), "not a key\rPCpb1pb2pb3pb4=");
    const Lines font1 = sectionLines(once, "ZEL文字フォント01");
    EXPECT_EQ(head(font1, 2), (Lines{"FontType=3", "; kept"}));
    EXPECT_TRUE(allKeysFrom(font1, 2));
}

// A line without "=" named like a key goes before any key is added, so the
// keys follow the kept lines and blank lines stay at the end of the section.
TEST(SettledSave, BlankLinesBeforeALineWithoutEqualsStayAtTheEnd) {
    const std::string once = saved(readBytes(dataFile("name_only_key_after_blank_line.dvf")));
    EXPECT_EQ(saved(once), once);
    const std::string barcode4 = "[" + sj("ZELバーコード04") + "]";
    EXPECT_NE(once.find("; kept\r\nPCpb1pb2pb3pb4=default\r\n"), std::string::npos);
    EXPECT_NE(once.find("PCpv1pv2=default\r\n\r\n" + barcode4), std::string::npos);
    EXPECT_NE(once.find("not a key\rXBpb1pb2pb3pb4=default\r\n"), std::string::npos);
    // The sections the file lacked follow it.
    EXPECT_NE(once.find("XBpq=default\r\n\r\n[" + sj("ZEL文字フォント02") + "]"),
              std::string::npos);
}

}  // namespace
}  // namespace vx
