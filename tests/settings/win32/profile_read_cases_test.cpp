// The read semantics that our IniDocument must share with the profile
// functions, one fixed case at a time, each compared with the platform's
// own functions (Wine's here). Texts are UTF-8 here and Shift-JIS in the
// files. A last group states, for both sides, the few places where our
// document deliberately does not do what the platform does.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/codepage.h"
#include "settings/ini_document.h"
#include "tests/settings/win32/platform_profile.h"
#include "tests/settings/win32/profile_comparison.h"

namespace vx::test {
namespace {

// One read (key given) or one key listing (key null) of a text.
struct ReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.name; }

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// Long values are built here so that the table can hold pointers to them.
const std::string& longAscii() {
    static const std::string text = "[s]\r\nk=" + repeat("x", 300) + "\r\n";
    return text;
}
const std::string& longDoubleByte() {
    static const std::string text = "[s]\r\nk=" + repeat("表", 150) + "\r\n";
    return text;
}
const std::string& longDoubleByteOdd() {
    static const std::string text = "[s]\r\nk=x" + repeat("表", 150) + "\r\n";
    return text;
}
const std::string& longLine() {
    static const std::string text = "[s]\r\nk=" + repeat("表示x", 20000) + "\r\nafter=1\r\n";
    return text;
}
const std::string& longQuoted() {
    static const std::string text = "[s]\r\nk=\"" + repeat("ソ", 140) + "\"\r\n";
    return text;
}

const ReadCase kReadCases[] = {
    // Names compared after decoding, ASCII letters folded.
    {"ascii_letters_fold", "[Section]\r\nKEY=1\r\n", "SECTION", "key"},
    {"japanese_section_name", "[ZEL文字フォント01]\r\nFontType=5\r\n", "zel文字フォント01",
     "FONTTYPE"},
    // "ア" is 83 41 and "ヂ" 83 61, "コ" 83 52 and "ビ" 83 72, "海" 8A 43 and
    // "劃" 8A 63: they differ only in the letter case of the trail byte.
    {"trail_byte_letter_case_is_not_folded_in_sections", "[ア]\r\nk=1\r\n", "ヂ", "k"},
    {"trail_byte_letter_case_is_not_folded_in_long_names", "[ZELバーコード01]\r\nk=1\r\n",
     "ZELバービード01", "k"},
    {"trail_byte_letter_case_is_not_folded_in_keys", "[s]\r\nア=1\r\nヂ=2\r\n", "s", "ヂ"},
    {"trail_byte_letter_case_of_kanji", "[s]\r\n海=1\r\n", "s", "劃"},
    {"trail_byte_letter_case_listing", "[s]\r\nア=1\r\nヂ=2\r\n", "s", nullptr},
    {"trail_byte_backslash_in_names", "[ソ]\r\n表=能\r\n", "ソ", "表"},
    {"trail_byte_close_bracket_does_not_make_a_header", "[s]\r\n[ゾ\r\nk=1\r\n", "s", "k"},
    {"trail_byte_close_bracket_line_is_not_a_section", "[s]\r\n[ゾ\r\nk=1\r\n", "ゾ", "k"},
    {"trail_byte_close_bracket_inside_a_header", "[ゾ]\r\nk=1\r\n", "ゾ", "k"},
    {"trail_byte_open_bracket_in_names", "[ゼロ]\r\nー=1\r\n", "ゼロ", "ー"},
    {"trail_byte_equals_sign_lookalike", "[s]\r\nキー＝値=1\r\n", "s", "キー＝値"},
    {"full_width_letters_are_not_folded", "[Ａ]\r\nｂ=1\r\n", "ａ", "ｂ"},
    {"greek_letters_are_not_folded", "[Α]\r\nk=1\r\n", "α", "k"},
    {"half_width_katakana_names", "[ｶﾀｶﾅ]\r\nｷｰ=ﾃﾞｰﾀ\r\n", "ｶﾀｶﾅ", "ｷｰ"},
    // Lines break at any run of CR and LF.
    {"lone_cr_breaks_lines", "[s]\ra=1\rb=2\r", "s", "b"},
    {"lf_only", "[s]\na=1\nb=2", "s", "b"},
    {"mixed_runs_of_cr_and_lf", "[s]\r\r\n\n\ra=1\n\r\n\rb=2", "s", "a"},
    {"mixed_runs_listing", "[s]\r\r\n\n\ra=1\n\r\n\rb=2\n\n\rc=3", "s", nullptr},
    // Blanks: 0x09-0x0D, 0x20 and 0x1A.
    {"blanks_around_a_value", "[s]\r\nk=\t\v\f 1 \x1A\r\n", "s", "k"},
    {"blanks_around_a_key_name", "[s]\r\n\x1A\tk \v=1\r\n", "s", "k"},
    {"blanks_around_a_section_name", "[\t s \x1A]\r\nk=1\r\n", "s", "k"},
    {"ideographic_space_is_not_a_blank_in_values", "[s]\r\nk=　1　\r\n", "s", "k"},
    {"ideographic_space_is_not_a_blank_in_names", "[s]\r\n　k=1\r\n", "s", "k"},
    {"blanks_inside_names_are_kept", "[a  b]\r\nk \t l=1\r\n", "a  b", "k \t l"},
    {"blanks_inside_names_must_match", "[a  b]\r\nk \t l=1\r\n", "a b", "k l"},
    {"requested_names_are_trimmed", "[s]\r\nk=1\r\n", " s\t", "\tk "},
    {"value_of_blanks_only", "[s]\r\nk= \t \r\n", "s", "k"},
    // Section headers.
    {"header_without_close_bracket_is_an_ordinary_line", "[s]\r\n[t\r\nk=1\r\n", "s", "k"},
    {"header_without_close_bracket_starts_no_section", "[s]\r\n[t\r\nk=1\r\n", "t", "k"},
    {"header_name_runs_to_the_last_bracket", "[a]b]\r\nk=1\r\n", "a]b", "k"},
    {"header_name_is_not_cut_at_the_first_bracket", "[a]b]\r\nk=1\r\n", "a", "k"},
    {"text_after_the_header", "[s] ; comment\r\nk=1\r\n", "s", "k"},
    {"indented_header", "  \t[s]\r\nk=1\r\n", "s", "k"},
    {"header_followed_by_an_equals_sign", "[s]=1\r\nk=2\r\n", "s", "k"},
    {"header_holding_an_equals_sign", "[a=b]\r\nk=1\r\n", "a=b", "k"},
    {"empty_section_lists_nothing", "[s]\r\n[t]\r\nk=1\r\n", "s", nullptr},
    // Entries.
    {"entry_splits_at_the_first_equals_sign", "[s]\r\nk=a=b\r\n", "s", "k"},
    {"empty_value_is_not_missing", "[s]\r\nk=\r\n", "s", "k"},
    {"semicolon_inside_a_value", "[s]\r\nk=a;b\r\n", "s", "k"},
    {"tab_inside_a_value", "[s]\r\nk=a\tb\r\n", "s", "k"},
    {"brackets_inside_a_key_name", "[s]\r\na[b]=1\r\n", "s", "a[b]"},
    {"comments_are_not_listed", "[s]\r\n;c=1\r\nk=2\r\n; note\r\n", "s", nullptr},
    {"indented_comments_are_not_listed", "[s]\r\n  ;c=1\r\nk=2\r\n", "s", nullptr},
    {"line_without_equals_is_not_listed", "[s]\r\nword\r\nk=1\r\n", "s", nullptr},
    {"line_without_equals_reads_as_missing", "[s]\r\nword\r\nk=1\r\n", "s", "word"},
    {"line_without_equals_before_a_key_of_the_same_name", "[s]\r\nk\r\nk=1\r\n", "s", "k"},
    {"line_without_equals_after_a_key_of_the_same_name", "[s]\r\nk=1\r\nk\r\n", "s", "k"},
    {"line_without_equals_before_a_key_listing", "[s]\r\nk\r\nj=2\r\nk=1\r\n", "s", nullptr},
    {"key_name_starting_with_a_bracket", "[s]\r\n[k=1\r\n", "s", "[k"},
    // One pair of matching quotes around a value of 2 or more characters.
    {"double_quotes", "[s]\r\nk=\"v w\"\r\n", "s", "k"},
    {"single_quotes", "[s]\r\nk='v w'\r\n", "s", "k"},
    {"mismatched_quotes", "[s]\r\nk=\"v'\r\n", "s", "k"},
    {"lone_quote", "[s]\r\nk=\"\r\n", "s", "k"},
    {"empty_quotes", "[s]\r\nk=\"\"\r\n", "s", "k"},
    {"only_the_outer_pair", "[s]\r\nk=\"a\"b\"\r\n", "s", "k"},
    {"blanks_outside_the_quotes", "[s]\r\nk= \"v\" \r\n", "s", "k"},
    {"blanks_inside_the_quotes", "[s]\r\nk=\" v \"\r\n", "s", "k"},
    {"quote_then_trail", "[s]\r\nk='ソ'\r\n", "s", "k"},
    // Missing sections and keys.
    {"missing_section", "[s]\r\nk=1\r\n", "t", "k"},
    {"missing_key", "[s]\r\nk=1\r\n", "s", "j"},
    {"missing_section_lists_nothing", "[s]\r\nk=1\r\n", "t", nullptr},
    {"empty_text", "", "s", "k"},
    // Values cut to 259 bytes (the platform cuts at 259 characters; both are
    // compared at 259 bytes).
    {"long_ascii_value", longAscii().c_str(), "s", "k"},
    {"long_value_cut_between_characters", longDoubleByteOdd().c_str(), "s", "k"},
    {"long_value_cut_inside_a_character", longDoubleByte().c_str(), "s", "k"},
    {"long_quoted_value", longQuoted().c_str(), "s", "k"},
    {"key_after_a_very_long_line", longLine().c_str(), "s", "after"},
    // Duplicates: the first section and the first key win.
    {"duplicate_section_first_wins", "[s]\r\na=1\r\n[S]\r\nb=2\r\na=3\r\n", "s", "a"},
    {"duplicate_section_keys_of_the_second", "[s]\r\na=1\r\n[S]\r\nb=2\r\na=3\r\n", "S", "b"},
    {"duplicate_section_listing", "[s]\r\na=1\r\n[S]\r\nb=2\r\na=3\r\n", "s", nullptr},
    {"duplicate_key_first_wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "K"},
    {"duplicate_keys_listed", "[s]\r\nk=1\r\nK=2\r\n", "s", nullptr},
    {"listing_in_file_order", "[s]\r\nz=1\r\na=2\r\nm=3\r\n", "s", nullptr},
    // Lines before the first header belong to no named section.
    {"lines_before_the_first_header", "k=1\r\n[s]\r\nj=2\r\n", "s", "k"},
};

class ProfileReadCase : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadCase, ReadsLikeThePlatform) {
    const ReadCase& c = GetParam();
    ScratchDirectory scratch;
    std::string text = cp932(c.text);
    IniDocument ours(text);
    ProfileFile platform = ProfileFile::create(scratch.newFile(L"case"), text);
    std::string section = cp932(c.section);
    std::optional<std::string> problem = c.key == nullptr
                                             ? compareKeyNames(ours, platform, section)
                                             : compareRead(ours, platform, section, cp932(c.key));
    EXPECT_FALSE(problem) << *problem << "\n  text:\n" << showText(text);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileReadCase, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(ProfileReadCase, MissingFileGivesTheDefault) {
    ScratchDirectory scratch;
    ProfileFile platform = ProfileFile::missing(scratch.newFile(L"absent"));
    IniDocument ours;
    EXPECT_FALSE(compareRead(ours, platform, "s", "k"));
    EXPECT_FALSE(compareKeyNames(ours, platform, "s"));
}

// --- Writes and deletions, compared by what both read afterwards ---------------

struct Change {
    const char* section;
    const char* key;
    const char* value;  // null: delete the key
};

struct WriteCase {
    const char* name;
    const char* text;
    std::vector<Change> changes;
    std::vector<const char*> sections;  // compared afterwards: listing and every key
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.name; }

const WriteCase kWriteCases[] = {
    {"write_replaces_a_value_in_place", "[s]\r\na=1\r\nb=2\r\nc=3\r\n", {{"s", "B", "9"}}, {"s"}},
    {"write_adds_a_key_at_the_end_of_its_section",
     "[s]\r\na=1\r\n\r\n; c\r\n\r\n[t]\r\nx=1\r\n",
     {{"S", "z", "9"}},
     {"s", "t"}},
    {"write_adds_a_section_at_the_end",
     "[s]\r\na=1\r\n",
     {{"u", "k", "v"}, {"U", "j", "w"}},
     {"s", "u"}},
    {"write_without_final_line_break",
     "[s]\r\nk=1",
     {{"t", "j", "2"}, {"s", "m", "3"}},
     {"s", "t"}},
    {"write_goes_to_the_first_of_duplicate_sections",
     "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2\r\n",
     {{"S", "c", "3"}},
     {"s", "t"}},
    {"write_replaces_the_first_of_duplicate_keys",
     "[s]\r\nk=1\r\nK=2\r\n",
     {{"s", "k", "9"}},
     {"s"}},
    {"delete_removes_the_first_matching_key",
     "[s]\r\nk=1\r\nK=2\r\n",
     {{"s", "K", nullptr}},
     {"s"}},
    {"delete_missing_key_and_section",
     "[s]\r\nk=1\r\n",
     {{"s", "j", nullptr}, {"t", "k", nullptr}},
     {"s", "t"}},
    {"delete_leaves_comments", "[s]\r\n;k=1\r\nk=2\r\n", {{"s", "k", nullptr}}, {"s"}},
    {"write_quoted_and_japanese_values",
     "[ZELバーコード03]\r\nFontType=103\r\n",
     {{"ZELバーコード03", "XBpf1pf2", "\"03\""}, {"zelバーコード03", "名前", "明朝 14ポイント"}},
     {"ZELバーコード03"}},
    {"write_then_delete_then_write",
     "[s]\r\na=1\r\nb=2\r\n",
     {{"s", "a", nullptr}, {"s", "a", "3"}, {"s", "b", nullptr}},
     {"s"}},
    {"write_to_the_name_of_a_line_without_equals", "[s]\r\nk\r\nj=1\r\n", {{"s", "k", "5"}}, {"s"}},
    {"delete_the_name_of_a_line_without_equals",
     "[s]\r\nk\r\nk=1\r\n",
     {{"s", "k", nullptr}},
     {"s"}},
};

class ProfileWriteCase : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteCase, LeavesWhatThePlatformLeaves) {
    const WriteCase& c = GetParam();
    ScratchDirectory scratch;
    std::string text = cp932(c.text);
    IniDocument ours(text);
    ProfileFile platform = ProfileFile::create(scratch.newFile(L"case"), text);
    for (const Change& change : c.changes) {
        if (change.value != nullptr) {
            ASSERT_TRUE(ours.write(cp932(change.section), cp932(change.key), cp932(change.value)));
            // The platform is given the text that our document writes.
            ASSERT_TRUE(platform.write(cp932(change.section), cp932(change.key),
                                       encodeValue(cp932(change.value))));
        } else {
            ours.remove(cp932(change.section), cp932(change.key));
            ASSERT_TRUE(platform.remove(cp932(change.section), cp932(change.key)));
        }
    }
    IniDocument reparsed(ours.bytes());
    ProfileFile reloaded = platform.copyTo(scratch.newFile(L"reloaded"));
    for (const char* name : c.sections) {
        std::string section = cp932(name);
        std::vector<std::string> problems;
        if (auto problem = compareKeyNames(reparsed, reloaded, section))
            problems.push_back(*problem);
        std::vector<std::string> keys = reloaded.keyNames(section);
        for (const std::string& key : reparsed.keyNames(section)) keys.push_back(key);
        for (const std::string& key : keys) {
            if (auto problem = compareRead(reparsed, reloaded, section, key)) {
                problems.push_back(*problem);
            }
        }
        for (const std::string& problem : problems) {
            ADD_FAILURE() << problem << "\n  our text:\n"
                          << showText(ours.bytes()) << "  platform's text:\n"
                          << showText(reloaded.text());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWriteCase, testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& param) {
                             return std::string(param.param.name);
                         });

// --- Where we deliberately differ ------------------------------------------------
// Each test states what the platform does and what we do instead, so that a
// change on either side shows.

class ProfileDeparture : public testing::Test {
protected:
    ProfileFile platformWith(const char* utf8) {
        return ProfileFile::create(scratch_.newFile(L"departure"), cp932(utf8));
    }
    ScratchDirectory scratch_;
};

// The platform finds a comment line by its text before the '=' ("';c'");
// a comment is no key of ours. The driver font file's keys never start
// with ';', and listings (which drive the clearing of a section) show no
// comments on either side.
TEST_F(ProfileDeparture, ACommentIsNotReadAsAKey) {
    const char* text = "[s]\r\n;c=1\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    EXPECT_EQ(platform.read("s", ";c", kMissing), "1");
    EXPECT_EQ(ours.read("s", ";c", kMissing), kMissing);
}

// The platform deletes a comment line when asked to delete a key named like
// it; our deletions never remove comments.
TEST_F(ProfileDeparture, ADeletionNeverRemovesAComment) {
    const char* text = "[s]\r\n;c=1\r\nk=2\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    ASSERT_TRUE(platform.remove("s", ";c"));
    ours.remove("s", ";c");
    EXPECT_EQ(platform.text().find(";c"), std::string::npos);
    EXPECT_EQ(ours.bytes(), cp932(text));
}

// A key with an empty name first in its section: the platform's listing is
// a list of NUL-terminated names, where the empty name reads as the end of
// the list, so the section looks empty. Ours lists it, so that clearing a
// section removes it too.
TEST_F(ProfileDeparture, AKeyWithAnEmptyNameIsListed) {
    const char* text = "[s]\r\n=1\r\nk=2\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    EXPECT_EQ(platform.keyNames("s"), std::vector<std::string>{});
    EXPECT_EQ(ours.keyNames("s"), (std::vector<std::string>{"", "k"}));
    EXPECT_EQ(platform.read("s", "", kMissing), "1");
    EXPECT_EQ(ours.read("s", "", kMissing), "1");
}

// The platform files the lines before the first header under the empty
// section name; ours keeps them byte for byte but addresses no section
// there (the driver font file has none).
TEST_F(ProfileDeparture, LinesBeforeTheFirstHeaderHaveNoSectionName) {
    const char* text = "k=1\r\n[s]\r\nj=2\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    EXPECT_EQ(platform.read("", "k", kMissing), "1");
    EXPECT_EQ(ours.read("", "k", kMissing), kMissing);
    EXPECT_TRUE(platform.write("", "k", "3"));
    EXPECT_FALSE(ours.write("", "k", "3"));
}

// A value that a read would change (outer quotes, blanks at either end):
// the platform writes it as given and a read then gives it changed; ours
// writes it in quotes and a read gives it back as written.
TEST_F(ProfileDeparture, AWrittenValueReadsBackAsWritten) {
    const char* text = "[s]\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    for (std::string value : {"'single'", "\"double\"", " blanks\t", "\"\""}) {
        ASSERT_TRUE(platform.write("s", "k", value));
        ASSERT_TRUE(ours.write("s", "k", value));
        ProfileFile reloaded = platform.copyTo(scratch_.newFile(L"reloaded"));
        EXPECT_NE(reloaded.read("s", "k", kMissing), value);
        EXPECT_EQ(ours.read("s", "k", kMissing), value);
        EXPECT_EQ(IniDocument(ours.bytes()).read("s", "k", kMissing), value);
    }
}

// Names and values that would change the text's structure: the platform
// writes them and the file then reads differently; ours refuses them.
TEST_F(ProfileDeparture, StructureChangingWritesAreRefused) {
    const char* text = "[s]\r\nk=1\r\n";
    ProfileFile platform = platformWith(text);
    IniDocument ours(cp932(text));
    EXPECT_TRUE(platform.write("s", "a=b", "v"));
    EXPECT_TRUE(platform.write("s", "j", "x\r\n[t]\r\nm=y"));
    ProfileFile reloaded = platform.copyTo(scratch_.newFile(L"reloaded"));
    EXPECT_EQ(reloaded.read("s", "a", kMissing), "b=v");
    EXPECT_EQ(reloaded.read("t", "m", kMissing), "y");
    EXPECT_FALSE(ours.write("s", "a=b", "v"));
    EXPECT_FALSE(ours.write("s", "j", "x\r\n[t]\r\nm=y"));
    EXPECT_FALSE(ours.write("s", ";c", "v"));
    EXPECT_FALSE(ours.write("s", "[t]", "v"));
    EXPECT_EQ(ours.bytes(), cp932(text));
}

}  // namespace
}  // namespace vx::test
