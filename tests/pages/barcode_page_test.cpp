// The 1D barcode page over in-memory controls: its lists and codes, the
// range checks, the "自動" boxes, the controls each type uses, the check
// digit across type changes, the font change, and the values it stores
// reaching the driver font file's keys.
#include "pages/barcode_page.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_names.h"
#include "settings/ini_document.h"
#include "tests/pages/fake_controls.h"
#include "tests/pages/page_test_base.h"

namespace vx {
namespace {

// Type indexes of the barcode type table.
constexpr int kCodabar = 0, kCode128 = 2, kCode39 = 3, kItf = 7, kJan13 = 8, kJan8 = 11, kMsi = 14,
              kUpcA = 16, kCustomer = 22;

constexpr std::string_view kPrice = "チェックデジット自動付加+プライスC/D4桁";
constexpr const char* kVersion = "[DVF]\r\nVersion=2.000\r\n";

class BarcodePageTest : public PageTestBase<BarcodePage> {
protected:
    // Factory values for every font (font n has type n - 1), then the page
    // as the main window creates it.
    BarcodePageTest() : PageTestBase(IDC_BC_FONT_NAME, IDC_BC_TYPE) {
        loadDriverFontFile(IniDocument(kVersion), store);
        page.create();
    }

    BarcodeRecord& font(int n) { return store.barcodes[static_cast<std::size_t>(n)]; }

    // Shows font 0 again after its record was changed behind the page.
    void reshow() { page.resetAndShow(); }
};

// --- Lists and ranges ------------------------------------------------------

TEST_F(BarcodePageTest, ListsHoldTheirEntriesInOrderAndUpDownsTheirRanges) {
    EXPECT_EQ(controls.itemCount(IDC_BC_FONT_NAME), 20);
    EXPECT_EQ(controls.itemText(IDC_BC_FONT_NAME, 19), "ZELバーコード20");
    EXPECT_EQ(controls.itemCount(IDC_BC_TYPE), 23);
    EXPECT_EQ(controls.itemText(IDC_BC_TYPE, 22), "カスタマーバーコード");
    EXPECT_EQ(items(IDC_BC_ROTATION),
              (std::vector<std::string>{"自動", "0ﾟ ", "90ﾟ ", "180ﾟ ", "270ﾟ "}));
    EXPECT_EQ(items(IDC_BC_HUMAN_READABLE),
              (std::vector<std::string>{"バー下数字なし", "バー下数字あり"}));
    EXPECT_EQ(items(IDC_BC_START_STOP),
              (std::vector<std::string>{"自動付加", "スタートコードのみ付加",
                                        "ストップコードのみ付加", "付加なし"}));
    EXPECT_EQ(
        items(IDC_BC_RSS_VERSION),
        (std::vector<std::string>{"RSS-14", "RSS-14 Stacked", "RSS-14 Stacked Omnidirectional",
                                  "RSS Limited", "RSS Expanded", "RSS Expanded Stacked"}));
    EXPECT_EQ(items(IDC_BC_AUTO_SWITCH),
              (std::vector<std::string>{"自動切り換えあり", "自動切り換えなし"}));
    const std::map<int, std::pair<int, int>> spins = {
        {IDC_BC_ORIGIN_X_SPIN, {0, 9999}},    {IDC_BC_ORIGIN_Y_SPIN, {0, 32767}},
        {IDC_BC_NARROW_BAR_SPIN, {1, 99}},    {IDC_BC_NARROW_SPACE_SPIN, {1, 99}},
        {IDC_BC_WIDE_BAR_SPIN, {1, 99}},      {IDC_BC_WIDE_SPACE_SPIN, {1, 99}},
        {IDC_BC_CHAR_GAP_SPIN, {1, 99}},      {IDC_BC_MODULE_WIDTH_SPIN, {1, 15}},
        {IDC_BC_HEIGHT_SPIN, {0, 1000}},      {IDC_BC_GUARD_BAR_SPIN, {0, 100}},
        {IDC_BC_ZERO_SUPPRESS_SPIN, {0, 40}},
    };
    for (const auto& [spin, range] : spins) EXPECT_EQ(controls.spinRange(spin), range) << spin;
}

TEST_F(BarcodePageTest, TheRssVersionSpeltRightStoresThree) {
    chooseType(6);  // GS1 DataBar
    choose(IDC_BC_RSS_VERSION, "RSS-14 Stacked Omnidirectional");
    page.storeCurrent();
    EXPECT_EQ(font(0).rssVersion, "3");
    font(0).rssVersion = "3";
    reshow();
    EXPECT_EQ(controls.selectedText(IDC_BC_RSS_VERSION), "RSS-14 Stacked Omnidirectional");
}

// --- Range checks on leaving an edit -----------------------------------------

TEST_F(BarcodePageTest, LeavingAnEditClampsToItsRangeReadingDigitsPlusOneCharacters) {
    EXPECT_EQ(typeAndLeave(IDC_BC_NARROW_BAR, "0"), "1");
    EXPECT_EQ(typeAndLeave(IDC_BC_NARROW_BAR, "200"), "99");
    EXPECT_EQ(typeAndLeave(IDC_BC_MODULE_WIDTH, "20"), "15");
    EXPECT_EQ(typeAndLeave(IDC_BC_ORIGIN_X, "-5"), "0");
    EXPECT_EQ(typeAndLeave(IDC_BC_GUARD_BAR, "abc"), "0");
    EXPECT_EQ(typeAndLeave(IDC_BC_WIDE_BAR, "abc"), "1");
    // Only digits + 1 characters are read.
    EXPECT_EQ(typeAndLeave(IDC_BC_NARROW_BAR, "0005"), "1");
    EXPECT_EQ(typeAndLeave(IDC_BC_ZERO_SUPPRESS, "0005"), "0");
    EXPECT_EQ(typeAndLeave(IDC_BC_ORIGIN_X, "123456"), "9999");
    EXPECT_EQ(typeAndLeave(IDC_BC_ORIGIN_Y, "0032767999"), "3276");  // 003276 is read
    EXPECT_EQ(typeAndLeave(IDC_BC_HEIGHT, "  1000"), "1000");
    EXPECT_EQ(typeAndLeave(IDC_BC_CHAR_GAP, "7x"), "7");
    // Any length is safe.
    EXPECT_EQ(typeAndLeave(IDC_BC_HEIGHT, std::string(100000, '9')), "1000");
    EXPECT_EQ(typeAndLeave(IDC_BC_WIDE_SPACE, std::string(100000, '9')), "99");
}

TEST_F(BarcodePageTest, StoringPadsTheTextsWithoutCuttingThem) {
    controls.setText(IDC_BC_NARROW_BAR, "5");
    controls.setText(IDC_BC_HEIGHT, "100");
    controls.setText(IDC_BC_GUARD_BAR, "7");
    controls.setText(IDC_BC_WIDE_BAR, "12345");  // typed, and saved before leaving the field
    page.storeCurrent();
    EXPECT_EQ(font(0).narrowBar, "05");
    EXPECT_EQ(font(0).height, "0100");
    EXPECT_EQ(font(0).guardBarLength, "007");
    EXPECT_EQ(font(0).wideBar, "99");  // a store checks the range itself
    EXPECT_EQ(controls.text(IDC_BC_WIDE_BAR), "99");
    EXPECT_EQ(font(0).originX, "default");  // factory: "自動"
}

// A save checks what the user typed and nothing else: factory and loaded
// values outside their edit's range are written as they are, while leaving
// a field still corrects it.
TEST_F(BarcodePageTest, ASaveLeavesValuesShownAsLoadedAndChecksOnlyTypedOnes) {
    // Font 1 is Codabar (bar widths usable); a file may hold widths the
    // window would not accept.
    font(0).narrowBar = "00";
    font(0).wideBar = "150";
    font(0).charGap = "abc";
    reshow();
    ASSERT_TRUE(controls.enabled(IDC_BC_NARROW_BAR));
    controls.setText(IDC_BC_NARROW_SPACE, "0");  // typed, the focus still there
    page.storeCurrent();
    EXPECT_EQ(font(0).narrowBar, "00");
    EXPECT_EQ(font(0).wideBar, "150");
    EXPECT_EQ(font(0).charGap, "00");  // shown as 0, stored as shown
    EXPECT_EQ(font(0).narrowSpace, "01");
    EXPECT_EQ(controls.text(IDC_BC_NARROW_SPACE), "1");
    // Typed again after the save's check: checked again by the next one.
    controls.setText(IDC_BC_NARROW_SPACE, "500");
    page.storeCurrent();
    EXPECT_EQ(font(0).narrowSpace, "99");
    controls.setText(IDC_BC_NARROW_BAR, "-3");
    page.storeCurrent();
    EXPECT_EQ(font(0).narrowBar, "01");
    EXPECT_EQ(typeAndLeave(IDC_BC_WIDE_BAR, "150"), "99");  // leaving still clamps
    // The edit with the focus is checked as if the focus had left it.
    font(0).narrowBar = "00";
    font(0).charGap = "150";
    reshow();
    controls.setFocus(IDC_BC_CHAR_GAP);
    page.storeCurrent();
    EXPECT_EQ(font(0).charGap, "99");
    EXPECT_EQ(font(0).narrowBar, "00");
}

TEST_F(BarcodePageTest, AnOutOfRangeFontOnlyBrowsedIsNoEdit) {
    font(3).narrowBar = "00";  // CODE39, bar widths 1 to 99
    chooseFont(3);
    EXPECT_EQ(controls.text(IDC_BC_NARROW_BAR), "0");
    chooseFont(4);
    EXPECT_EQ(font(3).narrowBar, "00");
    EXPECT_FALSE(page.holdsEdits());
    chooseFont(3);
    EXPECT_FALSE(page.holdsEdits()) << "shown again";
    controls.setText(IDC_BC_NARROW_BAR, "000");  // typed: checked, so it differs
    EXPECT_TRUE(page.holdsEdits());
}

// --- The "自動" boxes ----------------------------------------------------------

TEST_F(BarcodePageTest, AutoOriginRoundTripsItsNumber) {
    // Factory "default": the reset memory "0" in the greyed edit.
    EXPECT_TRUE(controls.checked(IDC_BC_ORIGIN_X_AUTO));
    EXPECT_EQ(controls.text(IDC_BC_ORIGIN_X), "0");
    EXPECT_FALSE(controls.enabled(IDC_BC_ORIGIN_X));
    EXPECT_FALSE(controls.enabled(IDC_BC_ORIGIN_X_SPIN));
    click(IDC_BC_ORIGIN_X_AUTO);
    EXPECT_TRUE(controls.enabled(IDC_BC_ORIGIN_X_SPIN));
    typeAndLeave(IDC_BC_ORIGIN_X, "12");
    click(IDC_BC_ORIGIN_X_AUTO);  // ticked: greyed, keeps its number
    EXPECT_FALSE(controls.enabled(IDC_BC_ORIGIN_X));
    EXPECT_EQ(controls.text(IDC_BC_ORIGIN_X), "12");
    chooseFont(5);
    EXPECT_EQ(font(0).originX, "default");
    chooseFont(0);
    EXPECT_EQ(controls.text(IDC_BC_ORIGIN_X), "12");
    click(IDC_BC_ORIGIN_X_AUTO);
    page.storeCurrent();
    EXPECT_EQ(font(0).originX, "0012");
    click(IDC_BC_ORIGIN_Y_AUTO);
    page.storeCurrent();
    EXPECT_EQ(font(0).originY, "00000");
}

// --- Controls each type uses --------------------------------------------------

TEST_F(BarcodePageTest, EachTypeEnablesTheControlsOfItsRowAndNoOthers) {
    // Which controls each type uses, column by column: bars, module width, guard bar,
    // zero suppression, check digit, start/stop, RSS version, auto switch,
    // human-readable ('x' usable, '-' greyed).
    // clang-format off
    const std::map<std::string, std::string> expected = {
        {"Codabar", "x----x--x"},       {"Code 2of5", "x--xx---x"},
        {"CODE128", "-x-x---xx"},       {"CODE39", "x--xxx--x"},
        {"CODE39(フルアスキー)", "x--xxx--x"}, {"CODE93", "-x-x----x"},
        {"UCC/EAN128", "-x-x----x"},    {"GS1 DataBar", "-x-x--x--"},
        {"ITF", "x---x---x"},           {"JAN/EAN13", "-xx-x---x"},
        {"JAN/EAN13+2digits", "-xx-x---x"}, {"JAN/EAN13+5digits", "-xx-x---x"},
        {"JAN/EAN8", "-xx-x---x"},      {"JAN/EAN8+2digits", "-xx-x---x"},
        {"JAN/EAN8+5digits", "-xx-x---x"}, {"UPC-A", "-xx-x---x"},
        {"UPC-A+2digits", "-xx-x---x"}, {"UPC-A+5digits", "-xx-x---x"},
        {"UPC-E", "-xx-x---x"},         {"UPC-E+2digits", "-xx-x---x"},
        {"UPC-E+5digits", "-xx-x---x"}, {"MSI/Plessey", "x---xx--x"},
        {"カスタマーバーコード", "-x-------"},
    };
    // clang-format on
    const std::vector<std::vector<int>> columns = {
        {IDC_BC_NARROW_BAR, IDC_BC_NARROW_BAR_SPIN, IDC_BC_NARROW_SPACE, IDC_BC_NARROW_SPACE_SPIN,
         IDC_BC_WIDE_BAR, IDC_BC_WIDE_BAR_SPIN, IDC_BC_WIDE_SPACE, IDC_BC_WIDE_SPACE_SPIN,
         IDC_BC_CHAR_GAP, IDC_BC_CHAR_GAP_SPIN},
        {IDC_BC_MODULE_WIDTH, IDC_BC_MODULE_WIDTH_SPIN},
        {IDC_BC_GUARD_BAR, IDC_BC_GUARD_BAR_SPIN},
        {IDC_BC_ZERO_SUPPRESS, IDC_BC_ZERO_SUPPRESS_SPIN},
        {IDC_BC_CHECK_DIGIT},
        {IDC_BC_START_STOP},
        {IDC_BC_RSS_VERSION},
        {IDC_BC_AUTO_SWITCH},
        {IDC_BC_HUMAN_READABLE},
    };
    const int always[] = {IDC_BC_FONT_NAME,     IDC_BC_TYPE,     IDC_BC_ORIGIN_X_AUTO,
                          IDC_BC_ORIGIN_Y_AUTO, IDC_BC_HEIGHT,   IDC_BC_HEIGHT_SPIN,
                          IDC_BC_ROTATION,      IDC_BC_ORIGIN_X, IDC_BC_ORIGIN_Y_SPIN};
    click(IDC_BC_ORIGIN_X_AUTO);  // unticked: usable whatever the type
    click(IDC_BC_ORIGIN_Y_AUTO);
    ASSERT_EQ(expected.size(), 23u);
    for (int type = 0; type < 23; ++type) {
        chooseType(type);
        const std::string name = controls.selectedText(IDC_BC_TYPE);
        ASSERT_TRUE(expected.contains(name)) << name;
        const std::string& row = expected.at(name);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            for (int id : columns[column]) {
                EXPECT_EQ(controls.enabled(id), row[column] == 'x')
                    << name << ", column " << column << ", control " << id;
            }
        }
        for (int id : always) EXPECT_TRUE(controls.enabled(id)) << name << ", control " << id;
    }
}

TEST_F(BarcodePageTest, ATypeNameOutsideTheTableDisablesNothing) {
    chooseType(kCustomer);
    font(0).typeName = "Code 3of9";
    reshow();
    EXPECT_TRUE(controls.enabled(IDC_BC_NARROW_BAR));
    EXPECT_TRUE(controls.enabled(IDC_BC_RSS_VERSION));
    EXPECT_TRUE(controls.enabled(IDC_BC_HUMAN_READABLE));
    EXPECT_EQ(controls.itemCount(IDC_BC_CHECK_DIGIT), 3);
}

// --- The check digit -----------------------------------------------------------

TEST_F(BarcodePageTest, EachTypeOffersItsOwnCheckDigitEntries) {
    const std::vector<std::string> first = {"付加なし", "チェックデジットチェック"};
    auto with = [&first](std::vector<std::string> rest) {
        std::vector<std::string> all = first;
        all.insert(all.end(), rest.begin(), rest.end());
        return all;
    };
    chooseType(kJan13);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT), with({"チェックデジット自動付加", std::string(kPrice)}));
    chooseType(kMsi);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT),
              with({"チェックデジット自動付加(1)", "チェックデジット自動付加(2)"}));
    chooseType(kJan8);
    EXPECT_EQ(items(IDC_BC_CHECK_DIGIT), with({"チェックデジット自動付加"}));
    chooseType(kUpcA);
    EXPECT_EQ(controls.itemCount(IDC_BC_CHECK_DIGIT), 4);
}

TEST_F(BarcodePageTest, CodeThreeShowsTheEntryOfTheType) {
    chooseType(kMsi);
    font(0).checkDigit = "3";
    reshow();
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "チェックデジット自動付加(1)");
    chooseType(kItf);
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "チェックデジット自動付加");
    EXPECT_EQ(font(0).checkDigit, "3");
}

TEST_F(BarcodePageTest, APriceCheckDigitIsSetAsideByATypeWithoutItAndComesBack) {
    chooseType(kJan13);
    choose(IDC_BC_CHECK_DIGIT, kPrice);
    chooseType(kCode128);
    EXPECT_EQ(font(0).checkDigit, "3");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "チェックデジット自動付加");
    EXPECT_FALSE(controls.enabled(IDC_BC_CHECK_DIGIT));
    EXPECT_EQ(page.rememberedCheckDigit()[0], kPrice);
    chooseType(kUpcA);
    EXPECT_EQ(font(0).checkDigit, "4");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), kPrice);
    EXPECT_EQ(page.rememberedCheckDigit()[0], "");
    // Into MSI/Plessey instead: its method (2).
    chooseType(kCode128);
    chooseType(kMsi);
    EXPECT_EQ(font(0).checkDigit, "4");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "チェックデジット自動付加(2)");
    // And from MSI/Plessey's (2) to a plain type and back to a price type.
    chooseType(kCode39);
    EXPECT_EQ(page.rememberedCheckDigit()[0], "チェックデジット自動付加(2)");
    chooseType(kJan13);
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), kPrice);
}

TEST_F(BarcodePageTest, FocusInTheCheckDigitListOrAResetForgetsWhatWasSetAside) {
    chooseType(kJan13);
    choose(IDC_BC_CHECK_DIGIT, kPrice);
    chooseType(kCode128);
    page.onListLostFocus(IDC_BC_CHECK_DIGIT);
    chooseType(kUpcA);
    EXPECT_EQ(font(0).checkDigit, "3");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "チェックデジット自動付加");

    choose(IDC_BC_CHECK_DIGIT, kPrice);
    chooseType(kCode128);
    chooseFont(1);
    page.onListLostFocus(IDC_BC_CHECK_DIGIT);  // clears font 1's memory only
    EXPECT_EQ(page.rememberedCheckDigit()[0], kPrice);
    page.resetAndShow();
    EXPECT_EQ(page.rememberedCheckDigit()[0], "");
}

TEST_F(BarcodePageTest, AFourFromAFileUnderATypeWithoutItStaysUntilAnotherEntryIsPicked) {
    chooseType(kCode39);
    font(0).checkDigit = "4";
    reshow();
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), kPrice);  // a temporary item
    EXPECT_EQ(controls.itemCount(IDC_BC_CHECK_DIGIT), 4);
    chooseFont(2);
    EXPECT_EQ(font(0).checkDigit, "4");
    chooseFont(0);
    choose(IDC_BC_CHECK_DIGIT, "チェックデジットチェック");
    EXPECT_EQ(controls.itemCount(IDC_BC_CHECK_DIGIT), 3);
    page.storeCurrent();
    EXPECT_EQ(font(0).checkDigit, "2");
}

// --- Fallbacks of the coded lists ------------------------------------------------

TEST_F(BarcodePageTest, EmptyAndUnknownCodesShowAndStoreTheFallbacks) {
    BarcodeRecord& r = font(0);
    r.humanReadable = "default";
    r.startStop = "default";
    r.rotation = "default";
    r.rssVersion = "";
    r.autoSwitch = "";
    r.checkDigit = "";
    reshow();
    EXPECT_EQ(controls.selectedText(IDC_BC_HUMAN_READABLE), "バー下数字なし");
    EXPECT_EQ(controls.selectedText(IDC_BC_START_STOP), "自動付加");
    EXPECT_EQ(controls.selectedText(IDC_BC_ROTATION), "自動");
    EXPECT_EQ(controls.selectedText(IDC_BC_RSS_VERSION), "RSS-14");
    EXPECT_EQ(controls.selectedText(IDC_BC_AUTO_SWITCH), "自動切り換えあり");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "付加なし");
    page.storeCurrent();
    EXPECT_EQ(r.humanReadable, "0");
    EXPECT_EQ(r.startStop, "default");
    EXPECT_EQ(r.rotation, "default");
    EXPECT_EQ(r.rssVersion, "1");
    EXPECT_EQ(r.autoSwitch, "9");
    EXPECT_EQ(r.checkDigit, "1");

    r.rotation = "7";
    r.startStop = "X";
    r.humanReadable = "2";
    r.autoSwitch = "B";
    r.checkDigit = "9";
    reshow();
    EXPECT_EQ(controls.selectedText(IDC_BC_ROTATION), "自動");
    EXPECT_EQ(controls.selectedText(IDC_BC_START_STOP), "自動付加");
    EXPECT_EQ(controls.selectedText(IDC_BC_HUMAN_READABLE), "バー下数字なし");
    EXPECT_EQ(controls.selectedText(IDC_BC_AUTO_SWITCH), "自動切り換えあり");
    EXPECT_EQ(controls.selectedText(IDC_BC_CHECK_DIGIT), "付加なし");
    // A check-digit list without a choice stores nothing.
    r.checkDigit = "2";
    controls.select(IDC_BC_CHECK_DIGIT, -1);
    page.storeCurrent();
    EXPECT_EQ(r.checkDigit, "2");
}

// --- Font change and the file ------------------------------------------------------

TEST_F(BarcodePageTest, AFontChangeStoresIntoTheFontShownAndNothingIntoTheNext) {
    chooseFont(3);
    typeAndLeave(IDC_BC_NARROW_BAR, "7");
    const BarcodeRecord before = font(7);
    chooseFont(7);
    EXPECT_EQ(font(3).narrowBar, "07");
    EXPECT_EQ(page.currentFont(), 7);
    EXPECT_EQ(font(7).narrowBar, before.narrowBar);
    EXPECT_EQ(font(7).checkDigit, before.checkDigit);
    EXPECT_EQ(font(7).originX, before.originX);
    EXPECT_EQ(font(7).height, before.height);
    EXPECT_EQ(controls.selectedText(IDC_BC_TYPE), "ITF");
}

TEST_F(BarcodePageTest, StoredValuesReachTheFileKeysInTheirStoredForms) {
    IniDocument file(kVersion);
    loadDriverFontFile(file, store);
    page.resetAndShow();
    chooseType(kCode39);
    click(IDC_BC_ORIGIN_X_AUTO);
    typeAndLeave(IDC_BC_ORIGIN_X, "12");
    click(IDC_BC_ORIGIN_Y_AUTO);
    typeAndLeave(IDC_BC_NARROW_BAR, "5");
    typeAndLeave(IDC_BC_HEIGHT, "100");
    choose(IDC_BC_ROTATION, "90ﾟ ");
    choose(IDC_BC_START_STOP, "付加なし");
    chooseFont(8);  // JAN/EAN13
    choose(IDC_BC_CHECK_DIGIT, kPrice);
    typeAndLeave(IDC_BC_GUARD_BAR, "15");
    page.storeCurrent();
    ASSERT_TRUE(writeDriverFontSections(store, file));
    auto key = [&file](int n, const char* k) {
        return file.value(barcodeFontName(n), k).value_or("(missing)");
    };
    EXPECT_EQ(key(0, "FontType"), "104");
    EXPECT_EQ(key(0, "XBpb1pb2pb3pb4"), "0012");
    EXPECT_EQ(key(0, "XBpc1pc2pc3pc4pc5"), "00000");
    EXPECT_EQ(key(0, "XBpf1pf2"), "05");
    EXPECT_EQ(key(0, "XBpl1pl2pl3pl4"), "0100");
    EXPECT_EQ(key(0, "XBpk"), "1");
    EXPECT_EQ(key(0, "XBpq"), "N");
    EXPECT_EQ(key(8, "FontType"), "109");
    EXPECT_EQ(key(8, "XBpe"), "4");
    EXPECT_EQ(key(8, "XBpk1pk2pk3"), "015");
    EXPECT_EQ(key(8, "XBpb1pb2pb3pb4"), "default");
}

}  // namespace
}  // namespace vx
