// The INI document: reads like the profile functions, rewrites only what it
// is asked to change, and refuses writes that would change the structure.
#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::dataFile;
using test::readBytes;
using test::sj;
using Names = std::vector<std::string>;

IniDocument golden(std::string_view name) { return IniDocument(readBytes(dataFile(name))); }

// --- Reading -------------------------------------------------------------------

struct ReadCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniDocumentRead, FollowsTheProfileRules) {
    const std::vector<ReadCase> cases = {
        {"blanks around name and value", "[S]\r\n \t K \x0B= \t v w \x1A\r\n", "S", "K", "v w"},
        {"blanks 0x09-0x0D and 0x1A around a header", "[\x1A S \x0C]\r\nK=1", "S", "K", "1"},
        {"indented header", "  [S]\r\nK=1", "S", "K", "1"},
        {"text after the closing bracket", "[S] trailing\r\nK=1", "S", "K", "1"},
        {"name runs to the last bracket", "[a]b]\r\nK=1", "a]b", "K", "1"},
        {"header wins over '='", "[S=1]\r\nK=1", "S=1", "K", "1"},
        {"'[' without ']' is an ordinary line", "[S]\r\n[T\r\nK=1", "S", "K", "1"},
        {"no such section from an unclosed header", "[S]\r\n[T\r\nK=1", "T", "K", std::nullopt},
        {"comment is not a key", "[S]\r\n;K=1", "S", "K", std::nullopt},
        {"indented comment is not a key", "[S]\r\n \t;K=1", "S", "K", std::nullopt},
        {"line without '=' is not a key", "[S]\r\nK\r\n", "S", "K", std::nullopt},
        {"splits at the first '='", "[S]\r\nK=a=b", "S", "K", "a=b"},
        {"first matching key", "[S]\r\nK=1\r\nk=2", "S", "K", "1"},
        {"first matching section only", "[S]\r\nA=1\r\n[s]\r\nB=2", "S", "B", std::nullopt},
        {"key of the first matching section", "[S]\r\nA=1\r\n[s]\r\nB=2", "s", "A", "1"},
        {"missing section", "[S]\r\nK=1", "T", "K", std::nullopt},
        {"missing key", "[S]\r\nK=1", "S", "L", std::nullopt},
        {"present but empty", "[S]\r\nK=\r\n", "S", "K", ""},
        {"blank-only value", "[S]\r\nK= \t \r\n", "S", "K", ""},
        {"lone CR breaks lines", "[S]\rK=1\rL=2", "S", "L", "2"},
        {"LF CR run breaks lines", "[S]\n\r\n\rK=1", "S", "K", "1"},
        {"ASCII letters fold in names", "[Sec]\r\nKey=1", "sEC", "kEY", "1"},
        {"byte order mark before the first header", "\xEF\xBB\xBF[S]\r\nK=1", "S", "K", "1"},
        {"byte order mark later is text", "[T]\r\n\xEF\xBB\xBF[S]\r\nK=1", "T", "K", "1"},
        {"keys before any header belong to no section", "K=1\r\n[S]\r\n", "S", "K", std::nullopt},
        {"'=' after a double-byte name", "[S]\r\n\x83\x5C=v", "S", "\x83\x5C", "v"}};
    for (const ReadCase& c : cases) {
        IniDocument doc(c.text);
        EXPECT_EQ(doc.value(c.section, c.key), c.expected) << c.what;
        EXPECT_EQ(doc.read(c.section, c.key, "DEF"), c.expected.value_or("DEF")) << c.what;
        EXPECT_EQ(doc.section(c.section).value(c.key), c.expected) << c.what;
    }
}

// A section read through one reader answers every name as value() does:
// first line wins whatever its case, a line without "=" hides later keys,
// names that are not ASCII are found too, a missing section has no keys.
TEST(IniDocumentRead, SectionReaderAnswersAsValueDoes) {
    const IniDocument doc("[S]\r\nA=1\r\na=2\r\nHidden\r\nhidden=3\r\n" + sj("キー") + "=4\r\n" +
                          sj("ｋ") + "=5\r\nB = \"6\"\r\n=7\r\n;C=8\r\n[s]\r\nD=9\r\n");
    const IniDocument::SectionReader reader = doc.section("s");
    const std::vector<std::string> names = {"A",      "a",      "HIDDEN", "hidden", sj("キー"),
                                            sj("ｋ"), sj("Ｋ"), "b",      "",       "C",
                                            ";C",     "D",      "missing"};
    for (const std::string& name : names) {
        EXPECT_EQ(reader.value(name), doc.value("S", name)) << name;
        EXPECT_EQ(reader.read(name, "DEF"), doc.read("S", name, "DEF")) << name;
    }
    EXPECT_EQ(reader.read("a", ""), "1");
    EXPECT_FALSE(reader.value("hidden").has_value());
    EXPECT_EQ(reader.read("b", ""), "6");
    EXPECT_EQ(reader.read("", ""), "7");
    EXPECT_EQ(reader.read(sj("キー"), ""), "4");
    const IniDocument::SectionReader missing = doc.section(sj("無い"));
    EXPECT_FALSE(missing.value("A").has_value());
    EXPECT_EQ(missing.read("A", "DEF"), "DEF");
}

TEST(IniDocumentRead, RemovesOnePairOfMatchingQuotes) {
    const IniDocument doc = golden("quoted_values.dvf");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Double", "abc"},     {"Single", "abc"},       {"Mixed", "\"abc'"}, {"One", "\""},
        {"Two", ""},           {"Inner", "a\"b\""},     {"Spaced", " x "},   {"Only1", "'"},
        {"Nested", "\"abc\""}, {"Japanese", sj("ソ表")}};
    for (const auto& [key, expected] : cases) EXPECT_EQ(doc.read("Q", key, "DEF"), expected) << key;
}

TEST(IniDocumentRead, CutsValuesAt259BytesOnACharacterBoundary) {
    const IniDocument doc = golden("long_line.dvf");
    EXPECT_EQ(doc.read("Long", "Exact", ""), std::string(259, 'e'));
    // The lead byte of "ソ" would be byte 259: the whole character goes.
    EXPECT_EQ(doc.read("Long", "Straddle", ""), std::string(258, 's'));
    EXPECT_EQ(doc.read("Long", "Fits", ""), std::string(257, 'f') + sj("表"));
    // Quotes come off before the cut.
    EXPECT_EQ(doc.read("Long", "Quoted", ""), std::string(259, 'q'));
    EXPECT_EQ(doc.read(sj("ZEL文字フォント01"), "PCpb1pb2pb3pb4", "").size(), 259u);
    EXPECT_EQ(doc.read("Long", "After", ""), "short");
}

TEST(IniDocumentRead, FoldsAsciiLettersOnly) {
    const IniDocument doc = golden("case_folding.dvf");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント01"), "FontType", ""), "52");
    EXPECT_EQ(doc.read(sj("ア"), sj("Ａ"), ""), "full-width A");
    EXPECT_EQ(doc.read(sj("ア"), sj("Б"), ""), "cyrillic");
    // "ア" is 83 41: folding its trail byte like an 'A' would give "ヂ" (83 61).
    EXPECT_FALSE(doc.hasSection(sj("ヂ")));
    EXPECT_FALSE(doc.value(sj("ア"), sj("ａ")).has_value());  // full-width letters keep their case
    EXPECT_FALSE(doc.value(sj("ア"), "A").has_value());
    EXPECT_FALSE(doc.value(sj("ア"), sj("б")).has_value());
    EXPECT_FALSE(doc.hasSection(sj("ｚ")));
    EXPECT_TRUE(doc.hasSection(sj("Ｚ")));
}

TEST(IniDocumentRead, NeverTakesTrailBytesForSyntax) {
    const IniDocument doc = golden("trail_byte_5c.dvf");
    EXPECT_EQ(doc.read(sj("ソ表"), sj("十"), ""), sj("申"));
    EXPECT_EQ(doc.read(sj("ソ表"), sj("ゼ"), ""), sj("ー"));
    EXPECT_EQ(doc.read(sj("ソ表"), "Value", ""), sj("末尾ソ"));
    // "ゾ" ends in 0x5D: the section name runs to the real ']'.
    EXPECT_EQ(doc.read(sj("ゾ"), "KEY\\", ""), sj("ソ"));
    // "[ABC‐" ends in 81 5D: no header, so "Inside" is still in "ゾ".
    EXPECT_FALSE(doc.hasSection(sj("ABC‐")));
    EXPECT_FALSE(doc.hasSection("ABC\x81"));
    EXPECT_EQ(doc.read(sj("ゾ"), "Inside", ""), "1");
    EXPECT_EQ(doc.keyNames(sj("ゾ")), (Names{"KEY\\", "Inside"}));
    EXPECT_TRUE(doc.hasSection(sj("構")));
}

TEST(IniDocumentRead, KeepsInvalidShiftJisApart) {
    const IniDocument doc = golden("invalid_shift_jis.dvf");
    EXPECT_TRUE(
        doc.hasSection("\x85\x40"
                       "bad"));
    EXPECT_FALSE(
        doc.hasSection("\x85\x41"
                       "bad"));
    EXPECT_EQ(doc.read("\x85\x40"
                       "bad",
                       "Key\xFF", ""),
              "\x80\xA0value\x81");
    EXPECT_FALSE(doc.value("\x85\x40"
                           "bad",
                           "Key\xFE")
                     .has_value());
    EXPECT_EQ(doc.read(sj("ZEL文字フォント03"), "PCpc1pc2pc3pc4pc5", ""), "\xFD\xFE");
}

TEST(IniDocumentRead, DuplicateSectionsCountOnlyOnce) {
    const IniDocument doc = golden("duplicate_section.dvf");
    const std::string font = sj("ZEL文字フォント01");
    EXPECT_EQ(doc.read(font, "FontType", ""), "2");
    EXPECT_FALSE(doc.value(font, "PCpc1pc2pc3pc4pc5").has_value());
    EXPECT_FALSE(doc.value(font, "PCpd1pd2").has_value());
    EXPECT_EQ(doc.keyNames(font), (Names{"FontType", "PCpb1pb2pb3pb4"}));
}

// --- Listing ---------------------------------------------------------------------

TEST(IniDocumentList, ListsEveryKeyOfTheFirstSectionInFileOrder) {
    const IniDocument doc(
        "A=0\r\n[S]\r\n;c=1\r\nA=1\r\nno key\r\n=e\r\n b =2\r\nA=3\r\n[T]\r\nX=1\r\n[s]\r\nC=4");
    EXPECT_EQ(doc.keyNames("s"), (Names{"A", "", "b", "A"}));
    EXPECT_EQ(doc.keyNames("T"), (Names{"X"}));
    EXPECT_TRUE(doc.keyNames("missing").empty());
    EXPECT_EQ(golden("empty_key_name.dvf").keyNames(sj("ZELバーコード02")),
              (Names{"", "FontType", "", "XBpe"}));
    EXPECT_EQ(golden("comments_in_font_section.dvf").keyNames(sj("ZEL文字フォント02")),
              (Names{"PCpb1pb2pb3pb4", "FontType", "PCpj", "PCpk1pk2pl1pl2"}));
}

// --- Writing ---------------------------------------------------------------------

struct EditCase {
    const char* what;
    std::string before;
    std::string section;
    std::string key;
    std::optional<std::string> value;  // nullopt: delete the key
    std::string after;
};

TEST(IniDocumentWrite, EditsOnlyTheLinesItMust) {
    const std::vector<EditCase> cases = {
        {"in place keeps the name and position", "[S]\r\nK = old \r\nL=1\r\n", "S", "k", "new",
         "[S]\r\nK = new\r\nL=1\r\n"},
        {"in place in the first matching key", "[S]\r\nK=1\r\nk=2\r\n", "S", "K", "3",
         "[S]\r\nK=3\r\nk=2\r\n"},
        {"in place in the first duplicate section", "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "3",
         "[S]\r\nK=3\r\n[S]\r\nK=2\r\n"},
        {"new key before empty lines", "[S]\r\nA=1\r\n\r\n[T]\r\n", "S", "B", "2",
         "[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\n"},
        {"new key after a trailing comment", "[S]\r\nA=1\r\n;c\r\n\r\n[T]", "S", "B", "2",
         "[S]\r\nA=1\r\n;c\r\nB=2\r\n\r\n[T]"},
        {"new key before blank-only lines", "[S]\r\nA=1\r\n  \r\n\t\r\n[T]", "S", "B", "2",
         "[S]\r\nA=1\r\nB=2\r\n  \r\n\t\r\n[T]"},
        {"new key in an empty section", "[S]\r\n\r\n[T]\r\n", "S", "B", "2",
         "[S]\r\nB=2\r\n\r\n[T]\r\n"},
        {"new key after a header without a break", "[S]", "S", "B", "2", "[S]\r\nB=2"},
        {"new key keeps a missing final break missing", "[S]\r\nA=1", "S", "B", "2",
         "[S]\r\nA=1\r\nB=2"},
        {"new key in an LF file", "[S]\nA=1\n", "S", "B", "2", "[S]\nA=1\nB=2\n"},
        {"new key in a CR file", "[S]\rA=1\r", "S", "B", "2", "[S]\rA=1\rB=2\r"},
        {"new key after a stray lone CR takes the usual break", "[S]\r\nA=1\r\nx\r[T]\r\n", "S",
         "B", "2", "[S]\r\nA=1\r\nx\rB=2\r\n[T]\r\n"},
        {"new key after a stray lone LF, before blank lines", "[S]\r\nx\n\r\n\r\n[T]", "S", "B",
         "2", "[S]\r\nx\nB=2\r\n\r\n\r\n[T]"},
        {"new key in a CR file before blank lines that start with LF", "[S]\rA=1\n\n[T]\r", "S",
         "B", "2", "[S]\rA=1\nB=2\n\n[T]\r"},
        {"new section after a final break", "[S]\nA=1\n", "T", "K", "V", "[S]\nA=1\n[T]\nK=V\n"},
        {"new section adds the missing break", "[S]\r\nA=1", "T", "K", "V",
         "[S]\r\nA=1\r\n[T]\r\nK=V\r\n"},
        {"new section after blank-only text", "[S]\nA=1\n  ", "T", "K", "V",
         "[S]\nA=1\n  \n[T]\nK=V\n"},
        {"new section in an empty text", "", "T", "K", "V", "[T]\r\nK=V\r\n"},
        {"new section in a text without breaks", "; only", "T", "K", "V",
         "; only\r\n[T]\r\nK=V\r\n"},
        {"delete keeps the empty lines after it", "[S]\r\nA=1\r\nB=2\r\n\r\n[T]", "S", "B",
         std::nullopt, "[S]\r\nA=1\r\n\r\n[T]"},
        {"delete only the first matching key", "[S]\r\nA=1\r\na=2\r\n", "S", "A", std::nullopt,
         "[S]\r\na=2\r\n"},
        {"delete never takes a comment", "[S]\r\n;A=1\r\nA=2\r\n", "S", "A", std::nullopt,
         "[S]\r\n;A=1\r\n"},
        {"delete of a missing key", "[S]\r\nA=1\r\n", "S", "B", std::nullopt, "[S]\r\nA=1\r\n"},
        {"delete in a missing section", "[S]\r\nA=1\r\n", "T", "A", std::nullopt, "[S]\r\nA=1\r\n"},
        {"delete a key named like a section's key", "A=0\r\n[S]\r\nA=1\r\n", "S", "A", std::nullopt,
         "A=0\r\n[S]\r\n"}};
    for (const EditCase& c : cases) {
        IniDocument doc(c.before);
        const bool done =
            c.value ? doc.write(c.section, c.key, *c.value) : doc.remove(c.section, c.key);
        EXPECT_TRUE(done) << c.what;
        EXPECT_EQ(doc.bytes(), c.after) << c.what;
        if (c.value) {
            EXPECT_EQ(doc.value(c.section, c.key), c.value) << c.what;
        }
        // What the document holds in memory is what a new parse of its bytes holds.
        EXPECT_EQ(IniDocument(doc.bytes()).value(c.section, c.key), doc.value(c.section, c.key))
            << c.what;
    }
}

TEST(IniDocumentWrite, NewKeysAreListedLastAndReadBack) {
    IniDocument doc = golden("comments_in_font_section.dvf");
    const std::string font = sj("ZEL文字フォント02");
    ASSERT_TRUE(doc.write(font, "New", sj("値")));
    EXPECT_EQ(doc.keyNames(font),
              (Names{"PCpb1pb2pb3pb4", "FontType", "PCpj", "PCpk1pk2pl1pl2", "New"}));
    EXPECT_EQ(doc.read(font, "new", ""), sj("値"));
}

TEST(IniDocumentWrite, AnEmptyDocumentTakesKeysWhetherMadeFromNoBytesOrByDefault) {
    for (IniDocument doc : {IniDocument(), IniDocument(std::string())}) {
        EXPECT_EQ(doc.bytes(), "");
        ASSERT_TRUE(doc.write("Font", "Key", "1"));
        EXPECT_EQ(doc.read("font", "key", ""), "1");
        EXPECT_EQ(doc.bytes(), "[Font]\r\nKey=1\r\n");
    }
}

// A line without "=" is not listed, yet it answers to its name first, as
// the driver's own reader sees the file.
TEST(IniDocumentWrite, LineWithoutEqualsAnswersToItsName) {
    IniDocument hidden("[s]\r\nk\r\nk=1\r\n");
    EXPECT_EQ(hidden.value("s", "k"), std::nullopt);
    EXPECT_EQ(hidden.keyNames("s"), Names{"k"});
    ASSERT_TRUE(hidden.remove("s", "K"));  // removes the bare line
    EXPECT_EQ(hidden.bytes(), "[s]\r\nk=1\r\n");
    EXPECT_EQ(hidden.value("s", "k"), "1");

    IniDocument bare("[s]\r\nk\r\nj=1\r\n");
    ASSERT_TRUE(bare.write("s", "k", "5"));
    EXPECT_EQ(bare.bytes(), "[s]\r\nk=5\r\nj=1\r\n");
    EXPECT_EQ(bare.keyNames("s"), (Names{"k", "j"}));
}

// Deleting a key that was just added gives back the text it was added to,
// so that a section cleared and written again comes out the same.
TEST(IniDocumentWrite, DeletingANewKeyGivesBackTheText) {
    for (const std::string text : {"[S]\r\nA=1\r\nx\r[T]\r\n", "[S]\nA=1\r\n\r\n[T]\n",
                                   "[S]\rA=1\n\n[T]\r", "[S]\rA=1\r\n\n[T]\r", "[S]\r\n"}) {
        IniDocument doc(text);
        ASSERT_TRUE(doc.write("S", "B", "2"));
        IniDocument reparsed(doc.bytes());
        ASSERT_TRUE(reparsed.remove("S", "B"));
        EXPECT_EQ(reparsed.bytes(), text);
    }
}

TEST(IniDocumentWrite, RemovesEveryLineWithoutEqualsOfTheNames) {
    IniDocument doc("[S]\r\nk\r\nK=1\r\n; k\r\n k \r\nk2\r\nK\n\r\nj\r\nx\r\n[T]\r\nk\r\n");
    EXPECT_EQ(doc.removeLinesWithoutEquals("s", {"K", "J"}), 4u);
    EXPECT_EQ(doc.bytes(), "[S]\r\nK=1\r\n; k\r\nk2\r\n\r\nx\r\n[T]\r\nk\r\n");
    EXPECT_EQ(doc.value("S", "k"), "1");  // no longer hidden
    EXPECT_EQ(doc.removeLinesWithoutEquals("S", {"K"}), 0u);
    EXPECT_EQ(doc.removeLinesWithoutEquals("U", {"k"}), 0u);
}

TEST(IniDocumentWrite, RefusesNamesAndValuesThatWouldChangeTheStructure) {
    const std::string original = "[S]\r\nA=1\r\n";
    const std::vector<std::tuple<const char*, std::string, std::string, std::string>> cases = {
        {"CR in a value", "S", "A", "x\ry"},
        {"LF in a value", "S", "B", "x\ny"},
        {"line break in a key", "S", "A\r\nB", "1"},
        {"line break in a section", "S\n", "A", "1"},
        {"line break in a new section", "T\r\n[U]", "A", "1"},
        {"'=' in a key", "S", "A=B", "1"},
        {"key starting with ';'", "S", ";A", "1"},
        {"key starting with ';' after blanks", "S", " \t;A", "1"},
        {"key starting with '['", "S", "[A]", "1"},
        {"empty key", "S", "", "1"},
        {"blank key", "S", " \x1A ", "1"},
        {"empty section", "", "A", "1"}};
    for (const auto& [what, section, key, value] : cases) {
        IniDocument doc(original);
        EXPECT_FALSE(doc.write(section, key, value)) << what;
        EXPECT_EQ(doc.bytes(), original) << what;
    }
}

// A written section must be found again when the text is read back: a
// name that ends in a lead byte would swallow the closing ']'.
TEST(IniDocumentWrite, NewSectionNamesSurviveReparsing) {
    const std::vector<std::string> names = {
        "a]b", "[x", ";x", sj("ソ表"), sj("ゾ"), "ab\x81", sj("末尾") + "\x83"};
    for (const std::string& name : names) {
        IniDocument doc("[S]\r\nA=1\r\n");
        if (!doc.write(name, "K", "V")) continue;  // refusing is fine
        IniDocument reparsed(doc.bytes());
        EXPECT_EQ(reparsed.value(name, "K"), std::optional<std::string>("V"))
            << "section name bytes: " << testing::PrintToString(name);
        EXPECT_EQ(reparsed.read("S", "K", "none"), "none")
            << "the key landed in the previous section for " << testing::PrintToString(name);
    }
}

// --- Bytes ---------------------------------------------------------------------

TEST(IniDocumentBytes, UnchangedDocumentGivesBackEveryGoldenFile) {
    const std::vector<test::fs::path> files = test::goldenFiles();
    ASSERT_GE(files.size(), 15u);
    for (const test::fs::path& file : files) {
        const std::string bytes = readBytes(file);
        EXPECT_EQ(IniDocument(bytes).bytes(), bytes) << file.filename().string();
    }
}

TEST(IniDocumentBytes, NewLinesUseTheFilesFirstLineBreak) {
    EXPECT_EQ(IniDocument("[S]\nA=1\r\n").newline(), "\n");
    EXPECT_EQ(IniDocument("[S]\r\r\nA=1").newline(), "\r");
    EXPECT_EQ(IniDocument("[S]\r\nA=1\n").newline(), "\r\n");
    EXPECT_EQ(IniDocument("[S]").newline(), "\r\n");
}

TEST(IniDocumentBytes, WritesLeaveEveryOtherLineByteForByte) {
    const std::string before = readBytes(dataFile("crlf_mixed.dvf"));
    IniDocument doc(before);
    const std::string font = sj("ZEL文字フォント01");
    const std::string barcode = sj("ZELバーコード01");
    ASSERT_TRUE(doc.write(font, "PVpb1pb2pb3pb4", "0099"));
    ASSERT_TRUE(doc.write(font, "PVZ", "Z"));
    ASSERT_TRUE(doc.remove(barcode, "FontType"));
    // The new key ends with the text's usual break; the line before keeps
    // its own, and the blank line that followed it stays last.
    const std::string expected =
        "[DVF]\r\nVersion=2\r\n\n[" + font + "]\nFontType=52\r\r\n" +
        "PVpb1pb2pb3pb4=0099\r\nPVpd1pd2pd3pd4=0040\nPVZ=Z\r\n\r" +
        "[" + barcode + "]\rXBpf1pf2=05\r\n";
    EXPECT_EQ(doc.bytes(), expected);
}

TEST(IniDocumentBytes, BlankLinesBetweenSectionsStay) {
    IniDocument doc = golden("blank_lines_between_sections.dvf");
    const std::string font1 = sj("ZEL文字フォント01");
    const std::string font2 = sj("ZEL文字フォント02");
    ASSERT_TRUE(doc.write(font1, "PCpk1pk2pl1pl2", "0101"));
    ASSERT_TRUE(doc.remove(font1, "PCpj"));
    ASSERT_TRUE(doc.write(font2, "PCpj", "F"));
    EXPECT_EQ(doc.bytes(), "[DVF]\r\nVersion=2\r\n\r\n\r\n[" + font1 + "]" +
                               "\r\nFontType=2\r\nPCpk1pk2pl1pl2=0101\r\n   \r\n\t\r\n\r\n" + "[" +
                               font2 + "]\r\nFontType=3\r\nPCpj=F\r\n\r\n");
}

TEST(IniDocumentBytes, ByteOrderMarkStaysInFront) {
    IniDocument doc = golden("bom.dvf");
    ASSERT_TRUE(doc.write("DVF", "Version", "3"));
    ASSERT_TRUE(doc.write("New", "K", "V"));
    EXPECT_EQ(doc.bytes(), "\xEF\xBB\xBF[DVF]\r\nVersion=3\r\n" + sj("[ZEL文字フォント01]") +
                               "\r\nFontType=7\r\n[New]\r\nK=V\r\n");
}

TEST(IniDocumentRemoveKeysExcept, KeepsOnlyTheFirstExactlyNamedKey) {
    IniDocument doc(
        "[S]\r\n=e\r\nfonttype=1\r\n;c\r\nFontType=2\r\nA=1\r\nFontType=3\r\n\r\n[T]\r\nA=1\r\n");
    EXPECT_EQ(doc.removeKeysExcept("s", "FontType"), 4u);
    EXPECT_EQ(doc.bytes(), "[S]\r\n;c\r\nFontType=2\r\n\r\n[T]\r\nA=1\r\n");
    EXPECT_EQ(doc.removeKeysExcept("missing", "FontType"), 0u);
}

// Removing all keys at once gives what removing them one by one gives:
// blank lines after a removed key stay with the line before it, whatever
// the breaks.
TEST(IniDocumentRemoveKeysExcept, AllAtOnceAsOneByOne) {
    const std::vector<std::string> texts = {
        "[S]\r\nA=1\r\n\r\nB=2\r\n\r\n\r\nFontType=1\r\nC=3\n\nD=4\r\r\n[T]\r\nA=1\r\n",
        "[S]\nA=1\n\n\nB=2\n;keep\nC=3\n\nFontType=7\nD=4",
        "[S]\r\n\r\nA=1\r\n\r\nB=2\r\n",
        "A=0\r\n\r\n[S]\rA=1\r\rB=2\r\r[T]\rX=1\r",
    };
    for (const std::string& text : texts) {
        IniDocument allAtOnce(text);
        IniDocument oneByOne(text);
        const std::vector<std::string> names = oneByOne.keyNames("S");
        for (const std::string& name : names) {
            if (name != "FontType") oneByOne.remove("S", name);
        }
        allAtOnce.removeKeysExcept("S", "FontType");
        EXPECT_EQ(allAtOnce.bytes(), oneByOne.bytes()) << text;
        EXPECT_EQ(allAtOnce.keyNames("S").size(),
                  text.find("FontType") == std::string::npos ? 0u : 1u)
            << text;
    }
}

}  // namespace
}  // namespace vx
