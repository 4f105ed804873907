// The page joined to the file: values edited on the page, stored as the main
// window stores them before a save, reach the driver font file's keys.
#include <map>
#include <string>

#include "character_font_fixture.h"
#include "settings/codepage.h"
#include "settings/font_names.h"
#include "settings/ini_document.h"

namespace vx::charfont {
namespace {

class SaveTest : public CharacterFontPageTest {
protected:
    // Reads the file, shows the first font, lets `edit` work on the page,
    // stores as a save does and writes the file.
    template <class Edit>
    IniDocument editAndSave(std::string fileText, Edit edit) {
        IniDocument file(std::move(fileText));
        loadDriverFontFile(file, store);
        page.create();
        edit();
        page.storeCurrent();
        EXPECT_TRUE(writeDriverFontSections(store, file));
        return file;
    }

    static void expectKeys(const IniDocument& file, int fontNumber,
                           const std::map<std::string, std::string>& keys) {
        const std::string& section = characterFontName(fontNumber);
        for (const auto& [key, value] : keys) {
            EXPECT_EQ(file.value(section, key).value_or("(missing)"), value)
                << pageText(section) << " " << key;
        }
    }
};

constexpr const char* kVersion = "[DVF]\r\nVersion=2.000\r\n";

TEST_F(SaveTest, AKanjiFontEditedOnThePageIsWrittenWithItsBitmapKeys) {
    const IniDocument file = editAndSave(kVersion, [&] {
        chooseType(kKanjiGothic16);
        click(IDC_FONT_ORIGIN_X_AUTO);  // unticked
        typeAndLeave(IDC_FONT_ORIGIN_X, "120");
        choose(IDC_FONT_ROTATION, "文字回転0ﾟ 文字列回転90ﾟ ");
        choose(IDC_FONT_DECORATION, "白抜き文字");
        typeAndLeave(IDC_FONT_REVERSE_AREA_X, "3");
        typeAndLeave(IDC_FONT_REVERSE_AREA_Y, "12");
        choose(IDC_FONT_ALIGNMENT, "自動改行");
        typeAndLeave(IDC_FONT_AREA_WIDTH, "300");
        typeAndLeave(IDC_FONT_LINE_FEED, "40");
        typeAndLeave(IDC_FONT_AREA_LINES, "3");
        typeAndLeave(IDC_FONT_ZERO_SUPPRESS, "4");
        choose(IDC_FONT_CHECK_DIGIT, "モジュラス43");
        choose(IDC_FONT_H_MAG, "2.5");
    });
    expectKeys(file, 0,
               {{"FontType", "15"},
                {"PCpb1pb2pb3pb4", "0120"},
                {"PCpc1pc2pc3pc4pc5", "default"},
                {"PCpd1pd2", "25"},
                {"PCpi1pi2", "01"},
                {"PCpj", "W"},
                {"PCpk1pk2pl1pl2", "0312"},
                {"PCZ", "Z"},
                {"PCpr1pr2", "04"},
                {"PCM", "M"},
                {"PCpo", "1"},
                {"PCP", "P"},
                {"PCps", "5"},
                {"PCpt1pt2pt3pt4", "0300"},
                {"PCpu1pu2pu3", "040"},
                {"PCpv1pv2", "03"}});
}

TEST_F(SaveTest, AnOutlineFontIsWrittenWithItsOutlineKeys) {
    const IniDocument file = editAndSave(kVersion, [&] {
        chooseFont(20);
        click(IDC_FONT_WIDTH_AUTO);  // unticked
        typeAndLeave(IDC_FONT_WIDTH, "300");
        choose(IDC_FONT_SPACING_ADJUST, "広げる");
        typeAndLeave(IDC_FONT_SPACING, "5");
    });
    expectKeys(file, 20,
               {{"FontType", "51"},
                {"PVpd1pd2pd3pd4", "0300"},
                {"PVpe1pe2pe3pe4", "default"},
                {"PVpg", "+"},
                {"PVph1ph2ph3", "005"}});
}

TEST_F(SaveTest, ValuesTheListsDoNotOfferNowSurviveASave) {
    const std::string text = std::string(kVersion) + cp932("[ZEL文字フォント02]\r\n") +
                             "FontType=2\r\nPCpi1pi2=01\r\nPCP=P\r\nPCps=5\r\n";
    const IniDocument file = editAndSave(text, [&] {
        chooseType(kOutlineGothic);  // the first font: the alignment list loses "自動改行"
        chooseFont(1);
    });
    expectKeys(file, 1, {{"PCpi1pi2", "01"}, {"PCP", "P"}, {"PCps", "5"}});
}

TEST_F(SaveTest, AWrittenFileReadsBackToTheSameControls) {
    const IniDocument file = editAndSave(kVersion, [&] {
        click(IDC_FONT_ORIGIN_Y_AUTO);  // unticked
        typeAndLeave(IDC_FONT_ORIGIN_Y, "250");
        choose(IDC_FONT_EMPHASIS, "強調する");
        typeAndLeave(IDC_FONT_SHIFT_X, "16");
        choose(IDC_FONT_V_MAG, "9.5");
    });
    SettingsStore reread;
    loadDriverFontFile(file, reread);
    FakeControls shown;
    CharacterFontPage again(reread, shown);
    again.create();
    for (int id : {IDC_FONT_ORIGIN_Y, IDC_FONT_SHIFT_X}) EXPECT_EQ(shown.text(id), controls.text(id)) << id;
    for (int id : {IDC_FONT_EMPHASIS, IDC_FONT_V_MAG, IDC_FONT_TYPE}) {
        EXPECT_EQ(shown.selectedText(id), controls.selectedText(id)) << id;
    }
    EXPECT_FALSE(shown.checked(IDC_FONT_ORIGIN_Y_AUTO));
}

}  // namespace
}  // namespace vx::charfont
