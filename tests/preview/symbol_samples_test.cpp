// Every type's sample data is valid for its symbology, with check digits
// worked out by hand.
#include <gtest/gtest.h>

#include "preview/symbol_preview.h"
#include "preview_records.h"

namespace vx {
namespace {

using test::barcodeOfType;
using test::code2DOfType;

TEST(SymbolSamples, EveryBarcodeTypeEncodesItsSampleUnderEveryCheckDigitAndStartStopCode) {
    for (int type = 0; type < kBarcodeTypeCount; ++type) {
        for (const char* check : {"1", "2", "3", "4"}) {
            for (const char* startStop : {"default", "T", "P", "N"}) {
                BarcodeRecord r = barcodeOfType(type);
                r.checkDigit = check;
                r.startStop = startStop;
                const SymbolPreview p = previewBarcode(r, {305, std::nullopt, std::nullopt});
                EXPECT_TRUE(p.error.empty()) << "type " << type << " check " << check << " start/stop "
                                             << startStop << " data " << p.data << ": " << p.error;
                EXPECT_FALSE(p.geometry.bars.empty()) << type;
            }
        }
    }
}

TEST(SymbolSamples, EveryDataBarVersionEncodesItsSample) {
    for (const char* version : {"1", "2", "3", "4", "5", "6"}) {
        BarcodeRecord r = barcodeOfType(test::kGs1DataBar);
        r.rssVersion = version;
        const SymbolPreview p = previewBarcode(r, {254, std::nullopt, std::nullopt});
        EXPECT_TRUE(p.error.empty()) << version << ": " << p.error;
        EXPECT_NEAR(p.heightMm, 10.0, 1e-9) << version;  // the record's bar height
    }
}

TEST(SymbolSamples, EveryTwoDimensionalTypeAndVariantEncodesItsSample) {
    std::vector<Code2DRecord> records;
    for (int type = 0; type < kCode2DTypeCount; ++type) records.push_back(code2DOfType(type));
    for (const char* mode : {"0", "3", "4"}) {
        records.push_back(code2DOfType(test::kMaxiCode));
        records.back().maxiCode.mode = mode;
    }
    for (int linear = 1; linear <= 11; ++linear) {
        records.push_back(code2DOfType(test::kComposite));
        records.back().gs1Composite.linearType = (linear < 10 ? "0" : "") + std::to_string(linear);
    }
    for (const char* cells : {"018008", "032008", "026012", "036012", "036016", "048016"}) {
        records.push_back(code2DOfType(test::kDataMatrix));
        records.back().dataMatrix.cellSizeMarker = "C";
        records.back().dataMatrix.cellColumns = std::string(cells, 3);
        records.back().dataMatrix.cellRows = std::string(cells + 3, 3);
    }
    for (const char* level : {"L", "M", "Q", "H"}) {
        records.push_back(code2DOfType(test::kQrCode));
        records.back().qrCode.errorCorrection = level;
    }
    for (const Code2DRecord& r : records) {
        const SymbolPreview p = previewCode2D(r, {305, std::nullopt, std::nullopt});
        EXPECT_TRUE(p.error.empty()) << "type " << r.typeIndex << " data " << p.data << ": " << p.error;
    }
}

// Check digits of the samples where the data carries them ("check").
TEST(SymbolSamples, SamplesCarryCorrectCheckDigits) {
    struct Case {
        int type;
        const char* expected;
    };
    // EAN-13 4901234567894; UPC-E 0123456 expands to 01234500006, check 5;
    // Code 39 Z+E+L+-+0+1+2+3 = 112, 112 mod 43 = 26 ("Q"); MSI doubles
    // 7, 5, 3, 1: 5+6+1+4+6+2+2 = 26, check 4; 2 of 5: 60, check 0.
    for (const Case& c : {Case{test::kEan13, "4901234567894"}, Case{test::kUpcE, "01234565"},
                          Case{test::kCode39, "ZEL-0123Q"}, Case{test::kMsi, "12345674"},
                          Case{test::kCode2of5, "12345670"}, Case{test::kEan13Plus5, "4901234567894+12345"}}) {
        BarcodeRecord r = barcodeOfType(c.type);
        r.checkDigit = "2";
        EXPECT_EQ(sampleBarcodeData(r), c.expected);
    }
    BarcodeRecord added = barcodeOfType(test::kEan13);
    added.checkDigit = "3";  // the printer adds it
    EXPECT_EQ(sampleBarcodeData(added), "490123456789");
}

// Human-readable text lies outside the bars' box.
TEST(SymbolSamples, HumanReadableTextDoesNotChangeTheBox) {
    BarcodeRecord r = barcodeOfType(test::kCode128);
    const SymbolPreview without = previewBarcode(r, {305, std::nullopt, std::nullopt});
    r.humanReadable = "1";
    const SymbolPreview with = previewBarcode(r, {305, std::nullopt, std::nullopt});
    EXPECT_TRUE(without.geometry.texts.empty());
    ASSERT_EQ(with.geometry.texts.size(), 1u);
    EXPECT_EQ(with.geometry.texts[0].text, "ZEL-Vextora-128");
    EXPECT_GT(with.geometry.texts[0].centreY, with.geometry.height);
    EXPECT_DOUBLE_EQ(with.widthMm, without.widthMm);
    EXPECT_DOUBLE_EQ(with.heightMm, without.heightMm);
}

}  // namespace
}  // namespace vx
