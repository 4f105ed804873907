// dvftool preview: the SVG's true size for symbols and character fonts, and
// refused data.
#include <gtest/gtest.h>

#include <regex>

#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

using test::dvftool;
using test::readBytes;
using test::ScratchDir;
using test::utf8;

double millimetres(const std::string& svg, const char* attribute) {
    std::smatch match;
    if (!std::regex_search(
            svg, match, std::regex(std::string("<svg[^>]* ") + attribute + "=\"([0-9.]+)mm\""))) {
        return -1;
    }
    return std::stod(match[1]);
}

// A file without font sections: "ZEL2次元コード05" is a QR code with module
// width 3; its sample fits version 1 at level L, 21 modules square.
TEST(DvfToolPreview, WritesTheQrCodeAtTrueSizeForTheResolution) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    for (int dpi : {203, 305, 609}) {
        const auto svg = dir.path() / "qr.svg";
        const test::ToolRun run = dvftool({"preview", utf8(file), "ZEL2次元コード05", "--dpi",
                                           std::to_string(dpi), "-o", utf8(svg)});
        ASSERT_EQ(run.exit, kExitDone) << run.err;
        const std::string picture = readBytes(svg);
        EXPECT_NEAR(millimetres(picture, "width"), 21 * 3 * 25.4 / dpi, 1e-4) << dpi;
        EXPECT_NEAR(millimetres(picture, "height"), 21 * 3 * 25.4 / dpi, 1e-4) << dpi;
    }
}

TEST(DvfToolPreview, RefusedDataExitsWithZintsMessageAndWritesNothing) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const auto svg = dir.path() / "ean.svg";
    // "ZELバーコード09" is JAN/EAN13: digits only.
    const test::ToolRun run =
        dvftool({"preview", utf8(file), "ZELバーコード09", "--data", "49ABC", "-o", utf8(svg)});
    EXPECT_EQ(run.exit, kExitDataRefused);
    EXPECT_TRUE(run.err.starts_with("dvftool: ZELバーコード09: データを描けません: "));
    EXPECT_NE(run.err.find("Invalid character"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(svg));
}

// What the picture does not show is said as every message is: one line
// naming the font.
TEST(DvfToolPreview, SaysWhatThePictureDoesNotShowNamingTheFont) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string svg = utf8(dir.path() / "qr.svg");
    ASSERT_EQ(dvftool({"set", file, "ZEL2次元コード05", "QrCodeParams.model=1"}).exit, kExitDone);
    const test::ToolRun run = dvftool({"preview", file, "ZEL2次元コード05", "-o", svg});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    EXPECT_EQ(run.err, "dvftool: ZEL2次元コード05: モデル1は描けません：モデル2で表示します。\n");
}

// "ZEL文字フォント16" of a file without sections is the 24 × 24 dot kanji
// type at once; here at 2.0 × 1.5, widened by 4 dots and turned "11".
TEST(DvfToolPreview, WritesACharacterFontsTextAtItsCellsAndRefusesWhatItCannotPrint) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    ASSERT_EQ(dvftool({"set", file, "ZEL文字フォント16", "sizeX=20", "sizeY=15", "spacingAdjust=+",
                       "spacing=04", "rotation=11"})
                  .exit,
              kExitDone);
    const auto svg = dir.path() / "kanji.svg";
    const test::ToolRun run = dvftool({"preview", file, "ZEL文字フォント16", "--data", "漢字表示",
                                       "--dpi", "254", "-o", utf8(svg)});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const std::string picture = readBytes(svg);
    // 36 × 204 dots at ten dots a millimetre.
    EXPECT_NEAR(millimetres(picture, "width"), 3.6, 1e-4);
    EXPECT_NEAR(millimetres(picture, "height"), 20.4, 1e-4);
    EXPECT_NE(picture.find(">表</text>"), std::string::npos);

    // "ZEL文字フォント14" is OCR-B: no kanji; the file stays unwritten.
    const auto refused = dir.path() / "ocr.svg";
    const test::ToolRun ocr =
        dvftool({"preview", file, "ZEL文字フォント14", "--data", "AB漢", "-o", utf8(refused)});
    EXPECT_EQ(ocr.exit, kExitDataRefused);
    EXPECT_NE(ocr.err.find("「漢」"), std::string::npos) << ocr.err;
    EXPECT_FALSE(std::filesystem::exists(refused));
}

TEST(DvfToolPreview, AnExistingPictureIsReplacedAndAnUnwritableOneIsExit4) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const auto svg = dir.path() / "font.svg";
    for (const char* data : {"ABC", "XYZ"}) {
        ASSERT_EQ(
            dvftool({"preview", file, "ZEL文字フォント01", "--data", data, "-o", utf8(svg)}).exit,
            kExitDone);
    }
    EXPECT_NE(readBytes(svg).find(">X</text>"), std::string::npos);
    EXPECT_EQ(readBytes(svg).find(">A</text>"), std::string::npos);
    const auto nowhere = dir.path() / "missing" / "font.svg";
    EXPECT_EQ(dvftool({"preview", file, "ZEL文字フォント01", "-o", utf8(nowhere)}).exit,
              kExitSaveFailed);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST(DvfToolPreview, UsageErrors) {
    ScratchDir dir;
    const std::string file = utf8(dir.copyOf("only_dvf_section.dvf"));
    const std::string out = utf8(dir.path() / "x.svg");
    for (const test::Strings& args : {
             test::Strings{"preview", file, "ZEL文字フォント31", "-o", out},  // no such font
             test::Strings{"preview", file, "ZEL2次元コード99", "-o", out},   // no such font
             test::Strings{"preview", file, "ZEL2次元コード01"},              // no -o
             test::Strings{"preview", file, "ZEL2次元コード01", "--dpi", "3x", "-o", out},
             test::Strings{"preview", file, "ZEL2次元コード01", "--dpi"},
         }) {
        EXPECT_EQ(dvftool(args).exit, kExitUsage) << args.back();
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    // The driver font file itself, by any name, is no place for the picture.
    const std::string before = readBytes(file);
    std::vector<std::string> names = {
        file, utf8(dir.path() / "." / std::filesystem::path(file).filename())};
#ifndef _WIN32
    const std::filesystem::path link = dir.path() / "link.dvf";
    std::filesystem::create_symlink(file, link);
    names.push_back(utf8(link));
#endif
    for (const std::string& same : names) {
        const test::ToolRun refused = dvftool({"preview", file, "ZEL文字フォント01", "-o", same});
        EXPECT_EQ(refused.exit, kExitUsage) << same;
        EXPECT_EQ(refused.err, "dvftool: " + same +
                                   ": 設定ファイルと同じファイルには SVG を書き込めません。\n"
                                   "詳しくは dvftool --help を参照してください。\n");
        EXPECT_EQ(readBytes(file), before) << same;
    }
}

}  // namespace
}  // namespace vx
