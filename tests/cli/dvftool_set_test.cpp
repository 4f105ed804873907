// dvftool set against the field catalogue: it stores only what the window
// could store, all or nothing, in the window's stored forms.
#include <gtest/gtest.h>

#include <string>

#include "settings/ini_document.h"
#include "tests/cli/dvftool_run.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

// On a file without font sections every font has its factory type:
// ZELバーコード03 is CODE128, ZELバーコード04 CODE39, ZEL文字フォント01 明朝 8ポイント
// (a bitmap type), ZEL2次元コード05 QRコード.
struct Refusal {
    Strings args;         // FONT FIELD=VALUE...
    std::string message;  // standard error after "dvftool: "
};

TEST(DvfToolSetChecks, RefusesWhatTheWindowCouldNotStoreAndWritesNothing) {
    const std::string longValue(1000, '7');
    const Refusal cases[] = {
        {{"ZELバーコード03", "height=1001"}, "ZELバーコード03 height=1001: 0〜1000 (x0.1mm)"},
        {{"ZELバーコード03", "height=-1"}, "ZELバーコード03 height=-1: 0〜1000 (x0.1mm)"},
        {{"ZELバーコード03", "moduleWidth=abc"}, "ZELバーコード03 moduleWidth=abc: 1〜15 (ドット)"},
        {{"ZELバーコード03", "moduleWidth=0003"},
         "ZELバーコード03 moduleWidth=0003: 1〜15 (ドット)"},
        {{"ZELバーコード03", "rotation=7"},
         "ZELバーコード03 rotation=7: default (自動), 0 (0ﾟ), 1 (90ﾟ), 2 (180ﾟ), 3 (270ﾟ)"},
        {{"ZELバーコード03", "narrowBar=05"},
         "ZELバーコード03 narrowBar=05: CODE128 では使いません"},
        {{"ZELバーコード04", "typeName=CODE128", "narrowBar=05"},
         "ZELバーコード04 narrowBar=05: CODE128 では使いません"},
        {{"ZELバーコード03", "originX=12\n3"},
         // Shown escaped: one message is one line, and nothing reaches the
         // terminal as a control character.
         "ZELバーコード03 originX=12\\n3: 制御文字は使えません"},
        {{"ZELバーコード03", std::string("originX=1\x01")},
         "ZELバーコード03 originX=1\\x01: 制御文字は使えません"},
        {{"ZELバーコード03", "originX=" + longValue},
         "ZELバーコード03 originX=" + longValue + ": 0〜9999 (x0.1mm)、または default (自動)"},
        {{"ZELバーコード03", "typeIndex=23"}, "ZELバーコード03 typeIndex=23: 0〜22 (種別の番号)"},
        {{"ZELバーコード03", "typeName=CODE 128"},
         "ZELバーコード03 typeName=CODE 128: 種別の名前ではありません"},
        {{"ZELバーコード03", "typeIndex=4", "typeName=CODE39"},
         "ZELバーコード03 typeName=CODE39: typeIndex と typeName が別の種別を指しています"},
        // One of the two as the file has it (CODE128, index 2) agrees no better.
        {{"ZELバーコード03", "typeIndex=4", "typeName=CODE128"},
         "ZELバーコード03 typeName=CODE128: typeIndex と typeName が別の種別を指しています"},
        {{"ZELバーコード03", "typeName=CODE39", "typeIndex=2"},
         "ZELバーコード03 typeIndex=2: typeIndex と typeName が別の種別を指しています"},
        {{"ZELバーコード03", "colour=1"}, "ZELバーコード03 colour=1: この項目はありません"},
        {{"ZEL文字フォント01", "reverseAreaX=5"},
         "ZEL文字フォント01 reverseAreaX=5: 画面の作業用の値で、ファイルには書かれません"},
        // A kanji type's rotations are not offered for a bitmap type.
        {{"ZEL文字フォント01", "rotation=01"},
         "ZEL文字フォント01 rotation=01: default (自動), 00 (文字回転0ﾟ 文字列回転0ﾟ), 11 "
         "(文字回転90ﾟ 文字列回転90ﾟ), 22 (文字回転180ﾟ 文字列回転180ﾟ), 33 (文字回転270ﾟ "
         "文字列回転270ﾟ)"},
        {{"ZEL文字フォント01", "checkDigit=M"},
         "ZEL文字フォント01 checkDigit=M: 「チェックデジット」の組み合わせは default+default, "
         "M+0, M+1 のどれかです"},
        {{"ZEL文字フォント01", "decoration=W"},
         "ZEL文字フォント01 decorationParams=default: 0101〜9999 (ドット): 横 2 桁と縦 2 桁、"
         "それぞれ 01〜99"},
        {{"ZEL文字フォント01", "zeroSuppress=Z"},
         "ZEL文字フォント01 zeroSuppressDigits=default: zeroSuppress=Z には 1〜40 (桁)"},
        // A value whose control leaves it unused would not reach the file.
        {{"ZEL文字フォント01", "spacing=05"},
         "ZEL文字フォント01 spacing=05: spacingAdjust=default では使いません"},
        {{"ZEL文字フォント01", "shiftY=3"},
         "ZEL文字フォント01 shiftY=3: emphasis=default では使いません"},
        {{"ZEL文字フォント01", "areaWidth=100"},
         "ZEL文字フォント01 areaWidth=100: alignmentMode=default では使いません (4 か 5 "
         "で使います)"},
        {{"ZEL文字フォント01", "alignment=P", "alignmentMode=4", "areaLines=3"},
         "ZEL文字フォント01 areaLines=3: alignmentMode=4 では使いません (5 で使います)"},
        {{"ZEL文字フォント01", "typeIndex=20", "alignment=P", "alignmentMode=3", "areaWidth=100"},
         "ZEL文字フォント01 areaWidth=100: alignmentMode=3 では使いません (4 で使います)"},
        {{"ZEL2次元コード05", "QrCodeParams.typeName=PDF417"},
         "ZEL2次元コード05 QrCodeParams.typeName=PDF417: 変えられません"},
        {{"ZEL2次元コード05", "Pdf417Params.securityLevel=05"},
         "ZEL2次元コード05 Pdf417Params.securityLevel=05: QRコード では使いません"},
        {{"ZEL2次元コード05", "QrCodeParams.moduleWidth=53"},
         "ZEL2次元コード05 QrCodeParams.moduleWidth=53: 0〜52 (ドット)"},
        {{"ZEL2次元コード99", "originX=1"}, "ZEL2次元コード99: ドライバフォント名ではありません"},
    };
    for (const Refusal& c : cases) {
        ScratchDir dir;
        const auto file = dir.copyOf("only_dvf_section.dvf");
        const std::string before = readBytes(file);
        Strings args = {"set", utf8(file)};
        args.insert(args.end(), c.args.begin(), c.args.end());
        // A valid assignment beside the refused one is not made either.
        if (c.args[0] == "ZEL2次元コード05") {
            args.push_back("QrCodeParams.originY=123");
        } else if (c.args[0] != "ZEL2次元コード99") {
            args.push_back("originY=123");
        }
        const ToolRun run = dvftool(args);
        EXPECT_EQ(run.exit, kExitUsage) << c.message;
        EXPECT_EQ(run.err, "dvftool: " + c.message + "\n");
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_EQ(readBytes(file), before) << c.message;
    }
}

TEST(DvfToolSetChecks, StoresTheWindowsFormsAndFollowsTheNewType) {
    ScratchDir dir;
    const auto file = dir.copyOf("only_dvf_section.dvf");
    const std::string path = utf8(file);
    ToolRun run =
        dvftool({"set", path, "ZELバーコード03", "moduleWidth=3", "height=50", "rotation=default"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    // The type chosen in the same command decides which fields are used.
    run = dvftool({"set", path, "ZELバーコード05", "typeName=CODE39", "narrowBar=5", "startStop=T",
                   "checkDigit=2"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    run = dvftool({"set", path, "ZEL文字フォント02", "decoration=F", "decorationParams=0307",
                   "checkDigit=M", "checkDigitMode=1", "zeroSuppress=Z", "zeroSuppressDigits=4"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    // A value together with the control that uses it.
    run = dvftool({"set", path, "ZEL文字フォント03", "spacingAdjust=-", "spacing=4", "emphasis=J",
                   "shiftX=2", "alignment=P", "alignmentMode=5", "areaWidth=120", "lineFeed=30"});
    ASSERT_EQ(run.exit, kExitDone) << run.err;
    const IniDocument doc(readBytes(file));
    EXPECT_EQ(doc.read(sj("ZELバーコード03"), "XBpf1pf2", ""), "03");
    EXPECT_EQ(doc.read(sj("ZELバーコード03"), "XBph1ph2ph3ph4", ""), "0050");
    EXPECT_EQ(doc.read(sj("ZELバーコード05"), "FontType", ""), "104");
    EXPECT_EQ(doc.read(sj("ZELバーコード05"), "XBpf1pf2", ""), "05");
    EXPECT_EQ(doc.read(sj("ZELバーコード05"), "XBpq", ""), "T");
    EXPECT_EQ(doc.read(sj("ZELバーコード05"), "XBpe", ""), "2");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント02"), "PCpj", ""), "F");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント02"), "PCpk1pk2pl1pl2", ""), "0307");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント02"), "PCpo", ""), "1");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント02"), "PCpr1pr2", ""), "04");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント03"), "PCph1ph2", ""), "04");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント03"), "PCpm1pm2", ""), "02");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント03"), "PCpt1pt2pt3pt4", ""), "0120");
    EXPECT_EQ(doc.read(sj("ZEL文字フォント03"), "PCpu1pu2pu3", ""), "030");
}

TEST(DvfToolSetChecks, LeavesAValueAsTheFileHoldsItUncheckedSoADumpGoesBackWhole) {
    ScratchDir dir;
    // An older file holds values the window would not write.
    const auto file = dir.withBytes(
        "old.dvf", "[DVF]\r\nVersion=2.00\r\n[" + sj("ZELバーコード03") +
                       "]\r\nFontType=103\r\nXBpf1pf2=77\r\nXBph1ph2ph3ph4=99999\r\n");
    const std::string before = readBytes(file);
    ToolRun run = dvftool({"set", utf8(file), "ZELバーコード03", "height=99999", "moduleWidth=77"});
    EXPECT_EQ(run.exit, kExitDone) << run.err;
    run = dvftool({"dump", utf8(file), "--json"});
    ASSERT_EQ(run.exit, kExitDone);
    run = dvftool({"set", utf8(file), "--json", "-"}, run.out);
    EXPECT_EQ(run.exit, kExitDone) << run.err;
    const IniDocument doc(readBytes(file));
    EXPECT_EQ(doc.read(sj("ZELバーコード03"), "XBpf1pf2", ""), "77");
    EXPECT_EQ(doc.read(sj("ZELバーコード03"), "XBph1ph2ph3ph4", ""), "99999");

    // A spacing the file holds without its adjustment goes whole into
    // another file by its dump, as a value its control leaves unused.
    const auto spaced = dir.withBytes("spaced.dvf", "[DVF]\r\nVersion=2.00\r\n[" +
                                                        sj("ZEL文字フォント01") +
                                                        "]\r\nFontType=1\r\nPCph1ph2=05\r\n");
    run = dvftool({"dump", utf8(spaced), "--json"});
    ASSERT_EQ(run.exit, kExitDone);
    const auto other = dir.copyOf("only_dvf_section.dvf");
    run = dvftool({"set", utf8(other), "--json", "-"}, run.out);
    EXPECT_EQ(run.exit, kExitDone) << run.err;
}

}  // namespace
}  // namespace vx::test
