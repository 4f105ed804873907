// Whether a page holds edits: browsing fonts and types, and what the page
// changes itself in showing a value (a number padded, a factory "1" shown
// as 1.0), are no edits; a value typed is one, on the font shown and once
// stored into its record, until the page is told it was saved.
#include <gtest/gtest.h>

#include "pages/barcode_page.h"
#include "pages/character_font_page.h"
#include "pages/code2d_page.h"
#include "resources/resource.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "tests/pages/page_test_base.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

// The controls of one page that the scenario uses.
template <class Page>
struct PageControls;
template <>
struct PageControls<BarcodePage> {
    static constexpr int fontList = IDC_BC_FONT_NAME, typeList = IDC_BC_TYPE,
                         originX = IDC_BC_ORIGIN_X, originAuto = IDC_BC_ORIGIN_X_AUTO;
};
template <>
struct PageControls<Code2DPage> {
    static constexpr int fontList = IDC_CODE2D_FONT_NAME, typeList = IDC_CODE2D_TYPE,
                         originX = IDC_CODE2D_ORIGIN_X, originAuto = IDC_CODE2D_ORIGIN_X_AUTO;
};
template <>
struct PageControls<CharacterFontPage> {
    static constexpr int fontList = IDC_FONT_FONT_NAME, typeList = IDC_FONT_TYPE,
                         originX = IDC_FONT_ORIGIN_X, originAuto = IDC_FONT_ORIGIN_X_AUTO;
};

template <class Page>
class PageEditsTest : public PageTestBase<Page> {
protected:
    using C = PageControls<Page>;
    PageEditsTest() : PageTestBase<Page>(C::fontList, C::typeList) {}

    void load(std::string_view golden) {
        loadDriverFontFile(IniDocument(test::readBytes(test::dataFile(golden))), this->store);
        this->page.create();
    }
    bool edits() { return this->page.holdsEdits(); }
    // Every font shown in turn, one type chosen and chosen back, the
    // "自動" box ticked twice, then the first font again.
    void browse() {
        for (int n : {1, 2, 3, 0}) this->chooseFont(n);
        const int type = this->controls.selection(C::typeList);
        this->chooseType(type == 0 ? 1 : 0);
        this->chooseType(type);
        this->click(C::originAuto);
        this->click(C::originAuto);
    }
    // A number typed into the origin, with the "自動" box unticked.
    void typeOrigin(std::string_view number) {
        if (this->controls.checked(C::originAuto)) this->click(C::originAuto);
        this->typeAndLeave(C::originX, number);
    }
};

using Pages = ::testing::Types<BarcodePage, Code2DPage, CharacterFontPage>;
TYPED_TEST_SUITE(PageEditsTest, Pages);

TYPED_TEST(PageEditsTest, BrowsingIsNoEdit) {
    // Factory values that the page shows in its own form, and a file of
    // every family as a save writes it.
    for (const char* golden : {"only_dvf_section.dvf", "all_families.dvf"}) {
        this->load(golden);
        this->browse();
        EXPECT_FALSE(this->edits()) << golden;
    }
}

TYPED_TEST(PageEditsTest, ATypedValueIsAnEditUntilSaved) {
    this->load("all_families.dvf");
    const std::string shown = this->controls.text(TestFixture::C::originX);
    this->typeOrigin(shown == "123" ? "124" : "123");
    EXPECT_TRUE(this->edits()) << "on the font shown";
    this->chooseFont(1);
    EXPECT_TRUE(this->edits()) << "stored into the first font's record";
    this->page.acceptEdits();
    EXPECT_FALSE(this->edits()) << "saved";
    this->chooseFont(0);
    EXPECT_FALSE(this->edits()) << "the saved value shown again";
    this->typeOrigin("77");
    EXPECT_TRUE(this->edits()) << "a later edit";
    this->page.resetAndShow();
    EXPECT_FALSE(this->edits()) << "a new load shows the store afresh";
}

TYPED_TEST(PageEditsTest, AValueTypedBackIsNoEdit) {
    this->load("all_families.dvf");
    this->typeOrigin("55");
    const std::string typed = this->controls.text(TestFixture::C::originX);
    this->page.acceptEdits();
    this->typeOrigin("66");
    EXPECT_TRUE(this->edits());
    this->typeOrigin(typed);
    EXPECT_FALSE(this->edits());
}

}  // namespace
}  // namespace vx
