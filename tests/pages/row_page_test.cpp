// The page skeleton on its own: a small page of a few rows over barcode
// records, and the coded lists and memories that every page uses.
#include "pages/row_page.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/coded_list.h"
#include "pages/per_font_memory.h"
#include "settings/font_names.h"
#include "tests/pages/fake_controls.h"

namespace vx {
namespace {

// IDs of the small page; any numbers serve.
enum : int { kFonts = 10, kTypes, kOrigin, kOriginSpin, kOriginAuto, kHeight, kHeightSpin, kSide };

constexpr CodedEntry kSideEntries[] = {
    {"自動", {"default"}},
    {"左", {"L"}},
    {"右", {"R"}},
};
const CodedList kSides{kSideEntries, 0, 0};

constexpr CodedEntry kPairEntries[] = {
    {"なし", {"default", "default"}},
    {"一", {"M", "0"}},
    {"二", {"M", "1"}},
};
const CodedList kPairs{kPairEntries, 0, -1};  // an unknown text stores nothing

using R = BarcodeRecord;
using enum ControlKind;
constexpr ControlRow<R> kRows[] = {
    {.id = kFonts, .kind = FontNameList, .label = "フォント名"},
    {.id = kTypes, .kind = TypeList, .label = "種別"},
    {.id = kOrigin,
     .kind = NumericEdit,
     .label = "基点",
     .spin = kOriginSpin,
     .range = {0, 9999, 4},
     .autoBox = kOriginAuto,
     .field = &R::originX,
     .width = 4},
    {.id = kOriginAuto, .kind = AutoBox, .label = "自動"},
    {.id = kHeight,
     .kind = NumericEdit,
     .label = "高さ",
     .spin = kHeightSpin,
     .range = {0, 100, 3},
     .spinMinimum = 1,
     .field = &R::height,
     .width = 3},
    {.id = kSide, .kind = List, .label = "向き", .codes = &kSides, .codeFields = {&R::rotation}},
};

class SmallPage : public RowPage<R> {
public:
    SmallPage(SettingsStore& store, Controls& controls)
        : RowPage(kDescription, store, controls), kept(memoryRegistry().add(std::string("x"))) {
        react(PageEvent::ListLostFocus, kSide, [this] { kept[currentFont()].clear(); });
    }
    PerFontMemory<std::string>& kept;

private:
    static constexpr PageDescription<R> kDescription = {
        kRows,
        kBarcodeFontCount,
        barcodeFontName,
        kBarcodeTypeCount,
        barcodeTypeName,
        [](SettingsStore& s, int n) -> R& { return s.barcodes[static_cast<std::size_t>(n)]; }};

    std::string typeText(const R& r) const override { return pageText(r.typeName); }
    void storeType(R& r, std::string_view text) override { r.setTypeByName(text); }
    int shownTypeIndex() const override { return record().typeIndex; }
    // The origin is of no use to the third type (for the test's sake).
    void applyTypeRules() override { enableRowOf(kOrigin, shownTypeIndex() != 2); }
};

class RowPageTest : public ::testing::Test {
protected:
    RowPageTest() {
        for (int n = 0; n < kBarcodeFontCount; ++n) {
            R& r = store.barcodes[static_cast<std::size_t>(n)];
            r.setType(n % 3);
            r.originX = "0012";
            r.height = "0100";
            r.rotation = "L";
        }
        page.create();
    }
    void chooseFont(int n) {
        controls.select(kFonts, n);
        page.onListChanged(kFonts);
    }

    SettingsStore store;
    FakeControls controls;
    SmallPage page{store, controls};
};

TEST_F(RowPageTest, CreationFillsListsAndUpDownRangesFromTheRows) {
    EXPECT_EQ(controls.itemCount(kFonts), 20);
    EXPECT_EQ(controls.itemText(kFonts, 0), "ZELバーコード01");
    EXPECT_EQ(controls.itemCount(kTypes), 23);
    EXPECT_EQ(controls.itemText(kSide, 2), "右");
    EXPECT_EQ(controls.spinRange(kOriginSpin), std::make_pair(0, 9999));
    EXPECT_EQ(controls.spinRange(kHeightSpin),
              std::make_pair(1, 100));  // starts above the typed range
    EXPECT_EQ(controls.selectedText(kTypes), "Codabar");
    EXPECT_EQ(controls.text(kOrigin), "12");
    EXPECT_EQ(controls.text(kHeight), "100");
    EXPECT_EQ(controls.selectedText(kSide), "左");
}

TEST_F(RowPageTest, StoresTheRowsInTheirWidthsAndCodesIntoTheFontShown) {
    controls.setText(kHeight, "7");
    controls.select(kSide, 2);
    chooseFont(4);  // stores font 0, shows font 4
    EXPECT_EQ(store.barcodes[0].height, "007");
    EXPECT_EQ(store.barcodes[0].rotation, "R");
    EXPECT_EQ(store.barcodes[4].height, "0100");  // nothing stored into the new font
    EXPECT_EQ(page.currentFont(), 4);
    EXPECT_EQ(controls.selectedText(kTypes), "Code 2of5");  // font 4 is of type 1
    controls.select(kTypes, 3);  // a type chosen: stored with the new name and index
    page.onListChanged(kTypes);
    EXPECT_EQ(store.barcodes[4].typeIndex, 3);
    EXPECT_EQ(store.barcodes[4].typeName, barcodeTypeName(3));
}

TEST_F(RowPageTest, AutoBoxGreysItsEditAndTheEditRemembersItsTextPerFont) {
    controls.setText(kOrigin, "345");
    controls.setChecked(kOriginAuto, true);
    page.onClicked(kOriginAuto);
    EXPECT_FALSE(controls.enabled(kOrigin));
    EXPECT_FALSE(controls.enabled(kOriginSpin));
    page.storeCurrent();
    EXPECT_EQ(store.barcodes[0].originX, "default");
    EXPECT_EQ(page.rememberedText(kOrigin)[0], "345");
    chooseFont(1);
    EXPECT_TRUE(controls.enabled(kOrigin));
    chooseFont(0);  // "default" shows the remembered text in the greyed edit
    EXPECT_EQ(controls.text(kOrigin), "345");
    EXPECT_TRUE(controls.checked(kOriginAuto));
    controls.setChecked(kOriginAuto, false);
    page.onClicked(kOriginAuto);
    page.storeCurrent();
    EXPECT_EQ(store.barcodes[0].originX, "0345");
}

TEST_F(RowPageTest, ARowIsEnabledWithItsUpDownControlAndAutoBoxWhichThenDecides) {
    struct Case {
        int font;  // of type font % 3
        bool automatic;
        bool rowUsable, editUsable;
    };
    for (const Case c :
         {Case{0, false, true, true}, Case{0, true, true, false}, Case{2, false, false, false},
          Case{2, true, false, false}, Case{3, true, true, false}, Case{3, false, true, true}}) {
        chooseFont(c.font == 0 ? 1 : 0);  // another font first: the store is then read
        store.barcodes[static_cast<std::size_t>(c.font)].originX = c.automatic ? "default" : "0012";
        chooseFont(c.font);
        EXPECT_EQ(controls.enabled(kOriginAuto), c.rowUsable) << c.font << c.automatic;
        EXPECT_EQ(controls.checked(kOriginAuto), c.automatic) << c.font << c.automatic;
        EXPECT_EQ(controls.enabled(kOrigin), c.editUsable) << c.font << c.automatic;
        EXPECT_EQ(controls.enabled(kOriginSpin), c.editUsable) << c.font << c.automatic;
        EXPECT_TRUE(controls.enabled(kHeight)) << c.font;  // another row keeps its state
    }
}

TEST_F(RowPageTest, TheDescribedRecordIsTheNextStoreWithoutTouchingStoreOrMemories) {
    controls.setText(kOrigin, "345");
    controls.setChecked(kOriginAuto, true);
    controls.setText(kHeight, "7");
    controls.select(kSide, 2);
    page.kept[0] = "y";
    const BarcodeRecord described = page.describedRecord();
    EXPECT_EQ(described.originX, "default");
    EXPECT_EQ(described.height, "007");
    EXPECT_EQ(described.rotation, "R");
    EXPECT_EQ(store.barcodes[0].originX, "0012");  // the store is untouched
    EXPECT_EQ(store.barcodes[0].height, "0100");
    EXPECT_EQ(page.rememberedText(kOrigin)[0], "0");  // and so are the memories
    EXPECT_EQ(page.kept[0], "y");
    page.storeCurrent();
    EXPECT_EQ(store.barcodes[0].originX, described.originX);
    EXPECT_EQ(store.barcodes[0].height, described.height);
    EXPECT_EQ(store.barcodes[0].rotation, described.rotation);
    EXPECT_EQ(page.rememberedText(kOrigin)[0], "345");
}

TEST_F(RowPageTest, LeavingAnEditClampsItToItsRowsRange) {
    controls.setText(kHeight, "250");
    page.onEditLostFocus(kHeight);
    EXPECT_EQ(controls.text(kHeight), "100");
    controls.setText(kOrigin, "-4");
    page.onEditLostFocus(kOrigin);
    EXPECT_EQ(controls.text(kOrigin), "0");
    controls.setText(kOrigin, std::string(5000, '9'));  // any length is safe
    page.onEditLostFocus(kOrigin);
    EXPECT_EQ(controls.text(kOrigin), "9999");
}

TEST_F(RowPageTest, ResetClearsEveryRegisteredMemoryAndReactionsRunByEvent) {
    page.kept[3] = "y";
    controls.setText(kOrigin, "77");
    page.storeCurrent();
    page.onListLostFocus(kOrigin);  // no reaction registered for this control
    EXPECT_EQ(page.kept[0], "x");
    page.onListLostFocus(kSide);
    EXPECT_EQ(page.kept[0], "");
    page.resetAndShow();
    EXPECT_EQ(page.kept[0], "x");
    EXPECT_EQ(page.kept[3], "x");
    EXPECT_EQ(page.rememberedText(kOrigin)[0], "0");
}

TEST(CodedList, EveryEntryRoundTripsAndEachFallbackApplies) {
    const std::pair<const char*, const char*> sides[] = {
        {"自動", "default"}, {"左", "L"}, {"右", "R"}};
    for (const auto& [text, code] : sides) {
        EXPECT_EQ(kSides.codeFor(text), code);
        EXPECT_EQ(kSides.textFor(code), text);
    }
    EXPECT_EQ(kSides.textFor("X"), "自動");
    EXPECT_EQ(kSides.textFor(""), "自動");
    EXPECT_EQ(kSides.codeFor("上"), "default");

    const std::string_view m1[] = {"M", "1"};
    const std::string_view m2[] = {"M", "2"};
    EXPECT_EQ(kPairs.textFor(m1), "二");
    EXPECT_EQ(kPairs.textFor(m2), "なし");  // both codes must match
    EXPECT_EQ(kPairs.entryFor("二")->codes[1], "1");
    EXPECT_EQ(kPairs.entryFor("三"), nullptr);
    EXPECT_EQ(kPairs.codeFor("三"), "");
    EXPECT_EQ(kPairs.texts(2), (std::vector<std::string>{"なし", "一"}));
}

TEST(PerFontMemories, OneResetClearsEveryRegisteredMemory) {
    PerFontMemories registry(4);
    PerFontMemory<std::string>& text = registry.add(std::string("0"));
    PerFontMemory<bool>& flag = registry.add(true);
    text[3] = "9";
    flag[1] = false;
    registry.reset();
    EXPECT_EQ(text[3], "0");
    EXPECT_TRUE(flag[1]);
    EXPECT_EQ(text.fontCount(), 4);
}

}  // namespace
}  // namespace vx
