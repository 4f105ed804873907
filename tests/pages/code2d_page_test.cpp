// The 2D code page over in-memory controls: what each type leaves usable,
// the range checks by type, the module width and columns/rows that a type
// change fits and later brings back, the list codes, the values that all
// parameter records share, and what a save writes.
#include "pages/code2d_page.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_names.h"
#include "tests/pages/fake_controls.h"
#include "tests/pages/page_test_base.h"

namespace vx {
namespace {

enum : int { kDataMatrix, kMaxiCode, kMicroPdf417, kPdf417, kQrCode, kGs1Composite };
constexpr const char* kVersion = "[DVF]\r\nVersion=2\r\n";

class Code2DPageTest : public PageTestBase<Code2DPage> {
protected:
    // Factory values (fonts 1 to 5 are Data Matrix to QR code), first font shown.
    Code2DPageTest() : PageTestBase(IDC_CODE2D_FONT_NAME, IDC_CODE2D_TYPE) { load(kVersion); }
    void load(const std::string& file) {
        loadDriverFontFile(IniDocument(file), store);
        page.create();
    }
    Code2DRecord& font(int n) { return store.codes2D[static_cast<std::size_t>(n)]; }

    std::set<std::string> moduleWidths() {
        Code2DRecord& r = font(page.currentFont());
        return {r.dataMatrix.moduleWidth, r.microPdf417.moduleWidth, r.pdf417.moduleWidth,
                r.qrCode.moduleWidth, r.gs1Composite.moduleWidth};
    }
};

TEST_F(Code2DPageTest, EachTypeLeavesItsOwnControlsUsableWithItsRanges) {
    enum Use : unsigned {
        Rotation = 1, Width = 2, Cells = 4, Mode = 8, ColumnsRows = 16, PdfHeight = 32,
        Security = 64, QrLists = 128, Gs1 = 256,
    };
    const struct {
        int type;
        unsigned use;
        std::pair<int, int> width, columnsRows;  // up-down ranges where usable
    } cases[] = {
        {kDataMatrix, Rotation | Width | Cells, {0, 99}, {}},
        {kMaxiCode, Mode, {}, {}},
        {kMicroPdf417, Rotation | Width | ColumnsRows | PdfHeight, {1, 10}, {0, 38}},
        {kPdf417, Rotation | Width | ColumnsRows | PdfHeight | Security, {1, 10}, {1, 30}},
        {kQrCode, Rotation | Width | QrLists, {0, 52}, {}},
        {kGs1Composite, Rotation | Width | Gs1, {1, 12}, {}},
    };
    const std::pair<unsigned, std::vector<int>> controlsOf[] = {
        {Rotation, {IDC_CODE2D_ROTATION}},
        {Width, {IDC_CODE2D_MODULE_WIDTH, IDC_CODE2D_MODULE_WIDTH_SPIN}},
        {Cells, {IDC_CODE2D_DM_CELL_COUNT}},
        {Mode, {IDC_CODE2D_MAXI_MODE}},
        {ColumnsRows, {IDC_CODE2D_PDF_COLUMNS_ROWS, IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN}},
        {PdfHeight, {IDC_CODE2D_PDF_ROW_HEIGHT, IDC_CODE2D_PDF_ROW_HEIGHT_SPIN}},
        {Security, {IDC_CODE2D_PDF_SECURITY_LEVEL}},
        {QrLists, {IDC_CODE2D_QR_ERROR_CORRECTION, IDC_CODE2D_QR_MODEL}},
        {Gs1, {IDC_CODE2D_GS1_LINEAR_TYPE, IDC_CODE2D_GS1_ROW_HEIGHT,
               IDC_CODE2D_GS1_ROW_HEIGHT_SPIN}},
    };
    for (const auto& c : cases) {
        chooseType(c.type);
        for (const auto& [use, ids] : controlsOf) {
            for (const int id : ids) {
                EXPECT_EQ(controls.enabled(id), (c.use & use) != 0) << c.type << " " << id;
            }
        }
        for (const int id : {IDC_CODE2D_FONT_NAME, IDC_CODE2D_TYPE, IDC_CODE2D_ORIGIN_X_AUTO,
                             IDC_CODE2D_ORIGIN_Y_AUTO}) {
            EXPECT_TRUE(controls.enabled(id)) << c.type << " " << id;
        }
        if (c.use & Width) {
            EXPECT_EQ(controls.spinRange(IDC_CODE2D_MODULE_WIDTH_SPIN), c.width);
        }
        if (c.use & ColumnsRows) {
            EXPECT_EQ(controls.spinRange(IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN), c.columnsRows);
        }
    }
}

// Whichever type came before, a type change sets the up-down ranges of the
// type chosen: every ordered pair of types.
TEST_F(Code2DPageTest, EveryTypeChangeSetsTheRangesOfTheNewType) {
    using Range = std::pair<int, int>;
    struct Ranges {
        std::optional<Range> width, columnsRows, pdfHeight, gs1Height;  // where usable
    };
    const std::map<int, Ranges> ranges = {
        {kDataMatrix, {Range{0, 99}, {}, {}, {}}},
        {kMaxiCode, {}},
        {kMicroPdf417, {Range{1, 10}, Range{0, 38}, Range{1, 100}, {}}},
        {kPdf417, {Range{1, 10}, Range{1, 30}, Range{1, 100}, {}}},
        {kQrCode, {Range{0, 52}, {}, {}, {}}},
        {kGs1Composite, {Range{1, 12}, {}, {}, Range{1, 1000}}},
    };
    const auto expectRanges = [&](int type, const std::string& trace) {
        const Ranges& r = ranges.at(type);
        const std::pair<const std::optional<Range>*, int> spins[] = {
            {&r.width, IDC_CODE2D_MODULE_WIDTH_SPIN},
            {&r.columnsRows, IDC_CODE2D_PDF_COLUMNS_ROWS_SPIN},
            {&r.pdfHeight, IDC_CODE2D_PDF_ROW_HEIGHT_SPIN},
            {&r.gs1Height, IDC_CODE2D_GS1_ROW_HEIGHT_SPIN}};
        for (const auto& [range, spin] : spins) {
            EXPECT_EQ(controls.enabled(spin), range->has_value()) << trace << " " << spin;
            if (*range) {
                EXPECT_EQ(controls.spinRange(spin), **range) << trace << " " << spin;
            }
        }
    };
    for (int from = kDataMatrix; from <= kGs1Composite; ++from) {
        for (int to = kDataMatrix; to <= kGs1Composite; ++to) {
            if (from == to) continue;
            chooseType(from);
            chooseType(to);
            expectRanges(to, std::to_string(from) + " -> " + std::to_string(to));
        }
    }
}

TEST_F(Code2DPageTest, LeavingAnEditChecksItByTheTypeShown) {
    const struct {
        int type, edit;
        std::string typed, shown;
    } cases[] = {
        {kPdf417, IDC_CODE2D_PDF_COLUMNS_ROWS, "35", "30"},
        {kMicroPdf417, IDC_CODE2D_PDF_COLUMNS_ROWS, "35", "35"},
        {kMicroPdf417, IDC_CODE2D_PDF_COLUMNS_ROWS, "39", "38"},
        {kQrCode, IDC_CODE2D_PDF_COLUMNS_ROWS, "77", "77"},  // unused: not checked
        {kQrCode, IDC_CODE2D_MODULE_WIDTH, "60", "52"},
        {kDataMatrix, IDC_CODE2D_MODULE_WIDTH, "60", "60"},
        {kGs1Composite, IDC_CODE2D_MODULE_WIDTH, "0", "1"},
        {kGs1Composite, IDC_CODE2D_MODULE_WIDTH, "13", "12"},
        {kMaxiCode, IDC_CODE2D_MODULE_WIDTH, "300", "300"},  // unused: not checked
        {kPdf417, IDC_CODE2D_PDF_ROW_HEIGHT, "0", "0"},  // typed range starts below the up-down's
        {kPdf417, IDC_CODE2D_PDF_ROW_HEIGHT, "1234", "100"},
        {kGs1Composite, IDC_CODE2D_GS1_ROW_HEIGHT, std::string(150, '9'), "1000"},
        {kGs1Composite, IDC_CODE2D_GS1_ROW_HEIGHT, std::string(99, '0') + "999", "99"},  // 101 read
        {kGs1Composite, IDC_CODE2D_ORIGIN_Y, "40000", "32767"},
    };
    for (const auto& c : cases) {
        chooseType(c.type);
        typeAndLeave(c.edit, c.typed);
        EXPECT_EQ(controls.text(c.edit), c.shown) << c.type << " " << c.edit << " " << c.typed;
    }
    EXPECT_EQ(controls.spinRange(IDC_CODE2D_GS1_ROW_HEIGHT_SPIN), std::make_pair(1, 1000));
}

TEST_F(Code2DPageTest, ATypeChangeFitsTheModuleWidthAndBringsItBackWhenItFits) {
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "30");  // Data Matrix
    chooseType(kMicroPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "10");
    EXPECT_EQ(moduleWidths(), std::set<std::string>{"10"});
    EXPECT_EQ(page.rememberedModuleWidth()[0], "30");
    chooseType(kQrCode);
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "30");
    EXPECT_EQ(page.rememberedModuleWidth()[0], "");

    chooseType(kDataMatrix);
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "60");
    chooseType(kPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "10");
    chooseType(kQrCode);  // 60 is beyond the QR code's 52: kept in mind
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "52");
    EXPECT_EQ(page.rememberedModuleWidth()[0], "60");
    chooseType(kDataMatrix);
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "60");
    EXPECT_EQ(moduleWidths(), std::set<std::string>{"60"});
}

TEST_F(Code2DPageTest, ColumnsRowsComeBackAfterPdf417UnlessTheFieldWasLeft) {
    chooseFont(kMicroPdf417);
    typeAndLeave(IDC_CODE2D_PDF_COLUMNS_ROWS, "35");
    chooseType(kPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_PDF_COLUMNS_ROWS), "30");
    EXPECT_EQ(font(2).microPdf417.columnRowCount, "30");
    EXPECT_EQ(page.rememberedColumnRowCount()[2], "35");
    chooseType(kMicroPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_PDF_COLUMNS_ROWS), "35");

    chooseType(kPdf417);
    typeAndLeave(IDC_CODE2D_PDF_COLUMNS_ROWS, "30");  // the user confirms 30
    chooseType(kMicroPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_PDF_COLUMNS_ROWS), "30");

    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "0");  // checked as MicroPDF417: 1
    chooseType(kDataMatrix);
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "40");
    chooseType(kPdf417);
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "10");  // the user confirms 10
    chooseType(kDataMatrix);
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "10");

    chooseType(kPdf417);
    controls.setText(IDC_CODE2D_MODULE_WIDTH, "50");
    chooseType(kMicroPdf417);
    EXPECT_EQ(page.rememberedModuleWidth()[2], "50");
    page.resetAndShow();
    EXPECT_EQ(page.rememberedModuleWidth()[2], "");
}

TEST_F(Code2DPageTest, ListsStoreTheirCodesAndShowTheirFallbacks) {
    choose(IDC_CODE2D_DM_CELL_COUNT, "26 × 12");
    font(5).dataMatrix.cellSizeMarker = "C";  // a triple no entry has
    font(5).dataMatrix.cellColumns = "026";
    font(5).dataMatrix.cellRows = "008";
    chooseFont(5);
    const DataMatrixParams& stored = font(0).dataMatrix;
    EXPECT_EQ(stored.cellSizeMarker + stored.cellColumns + stored.cellRows, "C026012");
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_DM_CELL_COUNT), "最小");
    chooseFont(0);
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_DM_CELL_COUNT), "26 × 12");
    const DataMatrixParams& reset = font(5).dataMatrix;
    EXPECT_EQ(reset.cellSizeMarker + reset.cellColumns + reset.cellRows, "defaultdefaultdefault");

    font(6).maxiCode.mode = "2";
    font(8).pdf417.securityLevel = "05";
    chooseFont(6);
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_MAXI_MODE), "モード2");
    chooseFont(8);
    EXPECT_EQ(font(6).maxiCode.mode, "0");
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_PDF_SECURITY_LEVEL), "5");
    choose(IDC_CODE2D_PDF_SECURITY_LEVEL, "7");
    choose(IDC_CODE2D_QR_ERROR_CORRECTION, "H：高信頼レベル");
    page.storeCurrent();
    EXPECT_EQ(font(8).pdf417.securityLevel, "07");
    EXPECT_EQ(font(8).qrCode.errorCorrection, "H");
}

TEST_F(Code2DPageTest, SharedValuesGoIntoEveryRecordAndSurviveATypeChange) {
    chooseFont(kQrCode);
    controls.setChecked(IDC_CODE2D_ORIGIN_X_AUTO, false);
    page.onClicked(IDC_CODE2D_ORIGIN_X_AUTO);
    typeAndLeave(IDC_CODE2D_ORIGIN_X, "120");
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "8");
    choose(IDC_CODE2D_ROTATION, "90ﾟ ");
    chooseType(kPdf417);
    EXPECT_EQ(controls.text(IDC_CODE2D_ORIGIN_X), "120");
    EXPECT_TRUE(controls.checked(IDC_CODE2D_ORIGIN_Y_AUTO));
    EXPECT_FALSE(controls.enabled(IDC_CODE2D_ORIGIN_Y));
    EXPECT_EQ(controls.text(IDC_CODE2D_MODULE_WIDTH), "8");
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_ROTATION), "90ﾟ ");
    const Code2DRecord& r = font(kQrCode);
    EXPECT_EQ(r.typeIndex, kPdf417);
    for (const std::string* originX : {&r.dataMatrix.originX, &r.maxiCode.originX,
                                       &r.microPdf417.originX, &r.gs1Composite.originX}) {
        EXPECT_EQ(*originX, "0120");
    }
    EXPECT_EQ(r.dataMatrix.rotation + r.microPdf417.rotation + r.gs1Composite.rotation, "111");
    EXPECT_EQ(moduleWidths(), std::set<std::string>{"08"});
}

TEST_F(Code2DPageTest, AGs1CompositeFontShowsAndKeepsItsOwnRotation) {
    load(std::string(kVersion) + cp932("[ZEL2次元コード01]\r\nFontType=206\r\nXBpg=2\r\n") +
         cp932("[ZEL2次元コード02]\r\nFontType=205\r\nXBph=1\r\nXBpg=A\r\n"));
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_ROTATION), "180ﾟ ");
    chooseFont(1);  // stores the GS1 Composite font
    EXPECT_EQ(font(0).gs1Composite.rotation, "2");
    EXPECT_EQ(controls.selectedText(IDC_CODE2D_ROTATION), "90ﾟ ");
}

// A row names a field of one type's record, or one that several records
// share (shown from the font's own type's, else from the named type's).
TEST(Code2DFields, OneTypesFieldAndASharedFieldOfTheSameName) {
    Code2DRecord r;  // of Data Matrix, which has no row height
    const Code2DField pdf =
        sharedField("rowHeight", {Code2DType::MicroPdf417, Code2DType::Pdf417}, Code2DType::Pdf417);
    storeField(r, pdf, "0012");
    storeField(r, fieldOf(Code2DType::Gs1Composite, "rowHeight"), "0150");
    r.pdf417.rowHeight = "0034";
    EXPECT_EQ(fieldValue(r, pdf) + r.microPdf417.rowHeight + r.gs1Composite.rowHeight,
              "003400120150");
    EXPECT_THROW(fieldValue(r, fieldOf(Code2DType::MaxiCode, "rotation")), std::logic_error);
}

// Edits on the page, stored as a save stores them, reach the file's keys.
TEST_F(Code2DPageTest, StoredFontsAreWrittenWithTheKeysOfTheirType) {
    IniDocument file(kVersion);
    chooseFont(kQrCode);
    choose(IDC_CODE2D_QR_ERROR_CORRECTION, "Q：信頼レベル");
    choose(IDC_CODE2D_QR_MODEL, "モデル1");
    typeAndLeave(IDC_CODE2D_MODULE_WIDTH, "7");
    chooseFont(kPdf417);
    choose(IDC_CODE2D_PDF_SECURITY_LEVEL, "3");
    typeAndLeave(IDC_CODE2D_PDF_COLUMNS_ROWS, "4");
    typeAndLeave(IDC_CODE2D_PDF_ROW_HEIGHT, "25");
    chooseFont(9);
    chooseType(kGs1Composite);
    choose(IDC_CODE2D_GS1_LINEAR_TYPE, "GS1-128 with CC-C");
    typeAndLeave(IDC_CODE2D_GS1_ROW_HEIGHT, "150");
    choose(IDC_CODE2D_ROTATION, "270ﾟ ");
    page.storeCurrent();
    ASSERT_TRUE(writeDriverFontSections(store, file));
    const std::map<int, std::map<std::string, std::string>> expected = {
        {kQrCode, {{"FontType", "205"}, {"XBpe", "Q"}, {"XBpf1pf2", "07"}, {"XBpg", "A"},
                   {"XBph", "default"}, {"XBpi", "1"}, {"XBpb1pb2pb3pb4", "default"}}},
        {kPdf417, {{"FontType", "204"}, {"XBpe1pe2", "03"}, {"XBpf1pf2", "03"},
                   {"XBpg1pg2", "04"}, {"XBpi1pi2pi3pi4", "0025"}}},
        {9, {{"FontType", "206"}, {"XBpe1pe2", "11"}, {"XBpg", "3"},
             {"XBph1ph2ph3ph4", "0150"}, {"XBpc1pc2pc3pc4pc5", "default"}}},
    };
    for (const auto& [n, keys] : expected) {
        for (const auto& [key, value] : keys) {
            EXPECT_EQ(file.value(code2DFontName(n), key).value_or("(missing)"), value)
                << n << " " << key;
        }
    }
}

}  // namespace
}  // namespace vx
