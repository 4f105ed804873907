// The digest and the escaping the settings sheet relies on, against
// published test vectors and texts worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "preview/markup_text.h"
#include "report/file_facts.h"
#include "report/sha256.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

// FIPS 180-4 examples and the usual vectors; lengths around the one-block
// (55, 56) and the block (64) boundaries of the padding.
TEST(Sha256, GivesThePublishedDigests) {
    const struct {
        std::string input;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",  // 56 bytes
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"The quick brown fox jumps over the lazy dog",
         "d7a8fbb307d7809469ca9abcb0082e4f8d5651e46d3cdb762d02d0bf37c9e592"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sha256Hex(c.input), c.digest) << c.input.size() << " bytes";
    }
}

TEST(HtmlText, NothingFromAFileOpensMarkup) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a & b", "a &amp; b"},
        {"\"x\" 'y'", "&quot;x&quot; &#39;y&#39;"},
        {"&amp;", "&amp;amp;"},
        {"明朝 8ポイント\tｱｳﾄﾗｲﾝ", "明朝 8ポイント\tｱｳﾄﾗｲﾝ"},
        {std::string("a\x01"
                     "b\x7F"
                     "c\r",
                     6),
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"
         "c\xEF\xBF\xBD"},
        // Bytes that are not UTF-8 (a stray byte, a cut sequence, an
        // overlong form, a surrogate) each become U+FFFD; a whole character
        // beyond the BMP stays.
        {"a\xFF\xFE", "a\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE6\x98", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC0\xBC", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF0\x9F\x98\x80<", "\xF0\x9F\x98\x80&lt;"},
    };
    for (const auto& c : cases) EXPECT_EQ(markupText(c.in), c.out) << c.in;
}

TEST(SheetFile, TellsTheFilesPathVersionSizeTimeAndDigest) {
    test::ScratchDir dir;
    const std::string bytes = "[DVF]\r\nVersion=2.000\r\n";
    const auto path = dir.path() / "ALTOD.DVF";
    test::writeBytes(path, bytes);
    const SheetFile file = describeSheetFile(path, bytes);
    const std::u8string full = std::filesystem::absolute(path).u8string();
    EXPECT_EQ(file.path, std::string(full.begin(), full.end()));
    EXPECT_EQ(file.version, "2.000");
    EXPECT_EQ(file.size, 22u);
    EXPECT_EQ(file.sha256, sha256Hex(bytes));
    ASSERT_EQ(file.modified.size(), 19u) << file.modified;  // YYYY-MM-DD HH:MM:SS
    EXPECT_EQ(file.modified[4], '-');
    EXPECT_EQ(file.modified[13], ':');
    EXPECT_EQ(byteCountText(1234567), "1,234,567 バイト");
    EXPECT_EQ(byteCountText(999), "999 バイト");
}

}  // namespace
}  // namespace vx
