// The entries of the field catalogue, one named constant per field and
// group of types, so that the pages' control rows can name them.
#pragma once

#include <span>

#include "settings/barcode_types.h"
#include "settings/character_types.h"
#include "settings/code2d_types.h"
#include "settings/field_catalogue.h"
#include "settings/field_codes.h"

namespace vx::fields {

// --- Types ------------------------------------------------------------------

inline constexpr TypeSet kEveryCharacterType = TypeSet::span(0, kCharacterTypeCount - 1);
inline constexpr TypeSet kBitmapTypes = TypeSet::span(0, kFirstOutlineTypeIndex - 1);
inline constexpr TypeSet kOutlineTypes = kEveryCharacterType.without(kBitmapTypes);
constexpr TypeSet characterTypesOf(CharacterGroup group) {
    TypeSet set;
    for (int index = 0; index < kCharacterTypeCount; ++index) {
        if (characterGroupOf(index) == group) set = set | TypeSet{index};
    }
    return set;
}
inline constexpr TypeSet kKanjiTypes = characterTypesOf(CharacterGroup::Kanji);

constexpr TypeSet barcodes(std::initializer_list<BarcodeType> types) {
    TypeSet set;
    for (const BarcodeType type : types) set = set | TypeSet{typeIndexOf(type)};
    return set;
}
inline constexpr TypeSet kEveryBarcodeType = TypeSet::span(0, kBarcodeTypeCount - 1);
inline constexpr TypeSet kElementWidthTypes =
    barcodes({BarcodeType::Codabar, BarcodeType::Code2of5, BarcodeType::Code39,
              BarcodeType::Code39FullAscii, BarcodeType::Itf, BarcodeType::MsiPlessey});
inline constexpr TypeSet kEanUpcTypes =
    TypeSet::span(typeIndexOf(BarcodeType::Jan13), typeIndexOf(BarcodeType::Jan8Plus5)) |
    TypeSet::span(typeIndexOf(BarcodeType::UpcA), typeIndexOf(BarcodeType::UpcEPlus5));
inline constexpr TypeSet kPriceCheckDigitTypes =
    barcodes({BarcodeType::Jan13, BarcodeType::Jan13Plus2, BarcodeType::Jan13Plus5,
              BarcodeType::UpcA, BarcodeType::UpcAPlus2, BarcodeType::UpcAPlus5});
inline constexpr TypeSet kCheckDigitTypes =
    barcodes({BarcodeType::Code2of5, BarcodeType::Code39, BarcodeType::Code39FullAscii,
              BarcodeType::Itf, BarcodeType::MsiPlessey}) |
    kEanUpcTypes;

constexpr TypeSet codes2D(std::initializer_list<Code2DType> types) {
    TypeSet set;
    for (const Code2DType type : types) set = set | TypeSet{typeIndexOf(type)};
    return set;
}
inline constexpr TypeSet kEveryCode2DType = TypeSet::span(0, kCode2DTypeCount - 1);

// --- Shared shapes -----------------------------------------------------------

constexpr FieldSpec originX(FontKind kind, TypeSet types) {
    return {.kind = kind,
            .name = "originX",
            .label = "基点X座標",
            .unit = "x0.1mm",
            .width = 4,
            .minimum = 0,
            .maximum = 9999,
            .allowsDefault = true,
            .shownForDefault = "自動",
            .types = types};
}
constexpr FieldSpec originY(FontKind kind, TypeSet types) {
    return {.kind = kind,
            .name = "originY",
            .label = "基点Y座標",
            .unit = "x0.1mm",
            .width = 5,
            .minimum = 0,
            .maximum = 32767,
            .allowsDefault = true,
            .shownForDefault = "自動",
            .types = types};
}
constexpr FieldSpec coded(FontKind kind, std::string_view name, std::string_view label,
                          std::span<const CodedEntry> entries, TypeSet types, int column = 0) {
    return {.kind = kind,
            .name = name,
            .label = label,
            .form = FieldForm::Code,
            .entries = entries,
            .column = column,
            .types = types};
}
constexpr FieldSpec dots(FontKind kind, std::string_view name, std::string_view label, int minimum,
                         int maximum, TypeSet types) {
    return {.kind = kind,
            .name = name,
            .label = label,
            .unit = "ドット",
            .width = 2,
            .minimum = minimum,
            .maximum = maximum,
            .types = types};
}

// A list whose page shows the entry at `position` for a code no entry has.
constexpr FieldSpec showing(FieldSpec spec, int position) {
    spec.shownForOther = position;
    return spec;
}

// A working value of the page: one part of the decoration's parameters,
// labelled by its pair's heading and its own "横" or "縦".
constexpr FieldSpec working(std::string_view name, std::string_view label,
                            std::string_view part = {}) {
    return {.kind = FontKind::Character,
            .name = name,
            .label = label,
            .part = part,
            .unit = "ドット",
            .form = FieldForm::Working,
            .width = 2,
            .minimum = 1,
            .maximum = 99,
            .types = {}};
}

// --- Character fonts ---------------------------------------------------------

using enum FontKind;
using enum FieldForm;

inline constexpr FieldSpec kCharTypeName = {.kind = Character,
                                            .name = "typeName",
                                            .label = "フォント種別",
                                            .form = Type,
                                            .types = kEveryCharacterType};
inline constexpr FieldSpec kCharOriginX = originX(Character, kEveryCharacterType);
inline constexpr FieldSpec kCharOriginY = originY(Character, kEveryCharacterType);
constexpr FieldSpec magnification(std::string_view name, std::string_view label) {
    // "1.0" for a code no entry has, as the factory's "1".
    FieldSpec spec = showing(
        coded(Character, name, label, codes::kMagnificationEntries, kBitmapTypes), 1);
    spec.unit = "倍";
    return spec;
}
inline constexpr FieldSpec kCharMagnificationX = magnification("sizeX", "横倍率");
inline constexpr FieldSpec kCharMagnificationY = magnification("sizeY", "縦倍率");
inline constexpr FieldSpec kCharWidth = {.kind = Character,
                                         .name = "sizeX",
                                         .label = "幅",
                                         .unit = "x0.1mm",
                                         .width = 4,
                                         .minimum = 20,
                                         .maximum = 850,
                                         .digits = 3,
                                         .allowsDefault = true,
                                         .shownForDefault = "自動",
                                         .types = kOutlineTypes};
inline constexpr FieldSpec kCharHeight = {.kind = Character,
                                          .name = "sizeY",
                                          .label = "高さ",
                                          .unit = "x0.1mm",
                                          .width = 4,
                                          .minimum = 20,
                                          .maximum = 850,
                                          .digits = 3,
                                          .allowsDefault = true,
                                          .shownForDefault = "自動",
                                          .types = kOutlineTypes};
inline constexpr FieldSpec kCharSpacingAdjust =
    showing(coded(Character, "spacingAdjust", "文字間スペース微調整", codes::kSpacingAdjustEntries,
          kEveryCharacterType), 0);
inline constexpr FieldSpec kBitmapSpacing =
    dots(Character, "spacing", "文字間スペース", 0, 99, kBitmapTypes);
inline constexpr FieldSpec kOutlineSpacing = {.kind = Character,
                                              .name = "spacing",
                                              .label = "文字間スペース",
                                              .unit = "ドット",
                                              .width = 3,
                                              .minimum = 0,
                                              .maximum = 512,
                                              .types = kOutlineTypes};
inline constexpr FieldSpec kKanjiRotation =
    coded(Character, "rotation", "回転方向", codes::kCharacterRotationEntries, kKanjiTypes);
inline constexpr FieldSpec kCharRotation =
    coded(Character, "rotation", "回転方向",
          std::span(codes::kCharacterRotationEntries).first(codes::kCharacterRotationsForEveryType),
          kEveryCharacterType.without(kKanjiTypes));
inline constexpr FieldSpec kDecoration =
    showing(coded(Character, "decoration", "文字飾り", codes::kDecorationEntries, kEveryCharacterType), 0);
// Two digits each: horizontal and vertical for reversed and framed
// characters, the end length for struck-through ones. The page edits them
// as the working values below; the label names the three fields in the
// page's words.
inline constexpr FieldSpec kDecorationParams = {.kind = Character,
                                                .name = "decorationParams",
                                                .label = "白抜き文字外エリア／枠までの幅／取り消し線先端の長さ",
                                                .unit = "ドット",
                                                .form = Composite,
                                                .width = 2,
                                                .minimum = 1,
                                                .maximum = 99,
                                                .allowsDefault = true,
                                                .types = kEveryCharacterType};
inline constexpr FieldSpec kReverseAreaX = working("reverseAreaX", "白抜き文字外エリア", "横");
inline constexpr FieldSpec kReverseAreaY = working("reverseAreaY", "白抜き文字外エリア", "縦");
inline constexpr FieldSpec kFrameGapX = working("frameGapX", "枠までの幅", "横");
inline constexpr FieldSpec kFrameGapY = working("frameGapY", "枠までの幅", "縦");
inline constexpr FieldSpec kStrikeEndLength = working("strikeEndLength", "取り消し線先端の長さ");
inline constexpr FieldSpec kEmphasis =
    showing(coded(Character, "emphasis", "強調文字", codes::kEmphasisEntries, kBitmapTypes), 1);
inline constexpr FieldSpec kShiftX = dots(Character, "shiftX", "横シフト", 0, 16, kBitmapTypes);
inline constexpr FieldSpec kShiftY = dots(Character, "shiftY", "縦シフト", 0, 16, kBitmapTypes);
inline constexpr FieldSpec kCharCheckDigit =
    showing(coded(Character, "checkDigit", "チェックデジット", codes::kCharacterCheckDigitEntries,
          kEveryCharacterType), 0);
inline constexpr FieldSpec kCharCheckDigitMode =
    showing(coded(Character, "checkDigitMode", "チェックデジット", codes::kCharacterCheckDigitEntries,
          kEveryCharacterType, 1), 0);
inline constexpr FieldSpec kCharZeroSuppress = coded(
    Character, "zeroSuppress", "ゼロサプレス", codes::kZeroSuppressEntries, kEveryCharacterType);
inline constexpr FieldSpec kCharZeroSuppressDigits = {.kind = Character,
                                                      .name = "zeroSuppressDigits",
                                                      .label = "ゼロサプレス",
                                                      .unit = "桁",
                                                      .width = 2,
                                                      .minimum = 0,
                                                      .maximum = 40,
                                                      .allowsDefault = true,
                                                      .shownForDefault = "0",
                                                      .types = kEveryCharacterType};
inline constexpr FieldSpec kBitmapAlignment =
    coded(Character, "alignment", "文字寄せ", codes::kAlignmentEntries, kBitmapTypes);
inline constexpr FieldSpec kBitmapAlignmentMode =
    coded(Character, "alignmentMode", "文字寄せ", codes::kAlignmentEntries, kBitmapTypes, 1);
inline constexpr FieldSpec kOutlineAlignment =
    coded(Character, "alignment", "文字寄せ",
          std::span(codes::kAlignmentEntries).first(codes::kLineBreakPosition), kOutlineTypes);
inline constexpr FieldSpec kOutlineAlignmentMode =
    coded(Character, "alignmentMode", "文字寄せ",
          std::span(codes::kAlignmentEntries).first(codes::kLineBreakPosition), kOutlineTypes, 1);
inline constexpr FieldSpec kAreaWidth = {.kind = Character,
                                         .name = "areaWidth",
                                         .label = "文字寄せエリアX方向",
                                         .unit = "x0.1mm",
                                         .width = 4,
                                         .minimum = 50,
                                         .maximum = 1060,
                                         .allowsDefault = true,
                                         .shownForDefault = "50",
                                         .types = kEveryCharacterType};
inline constexpr FieldSpec kLineFeed = {.kind = Character,
                                        .name = "lineFeed",
                                        .label = "文字寄せエリア改行量",
                                        .unit = "x0.1mm",
                                        .width = 3,
                                        .minimum = 10,
                                        .maximum = 500,
                                        .allowsDefault = true,
                                        .shownForDefault = "10",
                                        .types = kBitmapTypes};
inline constexpr FieldSpec kAreaLines = {.kind = Character,
                                         .name = "areaLines",
                                         .label = "文字寄せエリア行数",
                                         .unit = "行",
                                         .width = 2,
                                         .minimum = 1,
                                         .maximum = 99,
                                         .allowsDefault = true,
                                         .shownForDefault = "1",
                                         .types = kBitmapTypes};

// --- Barcodes ------------------------------------------------------------------

inline constexpr FieldSpec kBarcodeTypeName = {.kind = Barcode,
                                               .name = "typeName",
                                               .label = "バーコード種別",
                                               .form = Type,
                                               .types = kEveryBarcodeType};
inline constexpr FieldSpec kBarcodeOriginX = originX(Barcode, kEveryBarcodeType);
inline constexpr FieldSpec kBarcodeOriginY = originY(Barcode, kEveryBarcodeType);
inline constexpr FieldSpec kNarrowSpace =
    dots(Barcode, "narrowSpace", "細スペース幅", 1, 99, kElementWidthTypes);
inline constexpr FieldSpec kNarrowBar =
    dots(Barcode, "narrowBar", "細バー幅", 1, 99, kElementWidthTypes);
inline constexpr FieldSpec kBarcodeModuleWidth = dots(
    Barcode, "moduleWidth", "1モジュール幅", 1, 15, kEveryBarcodeType.without(kElementWidthTypes));
inline constexpr FieldSpec kBarcodeHeight = {.kind = Barcode,
                                             .name = "height",
                                             .label = "バーコード高さ",
                                             .unit = "x0.1mm",
                                             .width = 4,
                                             .minimum = 0,
                                             .maximum = 1000,
                                             .types = kEveryBarcodeType};
inline constexpr FieldSpec kGuardBarLength = {.kind = Barcode,
                                              .name = "guardBarLength",
                                              .label = "ガードバーの長さ",
                                              .unit = "x0.1mm",
                                              .width = 3,
                                              .minimum = 0,
                                              .maximum = 100,
                                              .types = kEanUpcTypes};
inline constexpr FieldSpec kCharGap =
    dots(Barcode, "charGap", "キャラクタ間幅", 1, 99, kElementWidthTypes);
inline constexpr FieldSpec kWideSpace =
    dots(Barcode, "wideSpace", "太スペース幅", 1, 99, kElementWidthTypes);
inline constexpr FieldSpec kWideBar =
    dots(Barcode, "wideBar", "太バー幅", 1, 99, kElementWidthTypes);
inline constexpr FieldSpec kBarcodeZeroSuppress = {
    .kind = Barcode,
    .name = "zeroSuppress",
    .label = "ゼロサプレス",
    .unit = "桁",
    .width = 2,
    .minimum = 0,
    .maximum = 40,
    .types = barcodes({BarcodeType::Code2of5, BarcodeType::Code128, BarcodeType::Code39,
                       BarcodeType::Code39FullAscii, BarcodeType::Code93, BarcodeType::Gs1DataBar,
                       BarcodeType::UccEan128})};
inline constexpr FieldSpec kPlainCheckDigit =
    coded(Barcode, "checkDigit", "チェックデジット",
          std::span(codes::kWithPriceCheckDigitEntries).first(codes::kPlainCheckDigitCount),
          kCheckDigitTypes.without(kPriceCheckDigitTypes | barcodes({BarcodeType::MsiPlessey})));
inline constexpr FieldSpec kPriceCheckDigit =
    coded(Barcode, "checkDigit", "チェックデジット", codes::kWithPriceCheckDigitEntries,
          kPriceCheckDigitTypes);
inline constexpr FieldSpec kMsiCheckDigit =
    coded(Barcode, "checkDigit", "チェックデジット", codes::kMsiPlesseyCheckDigitEntries,
          barcodes({BarcodeType::MsiPlessey}));
inline constexpr FieldSpec kBarcodeRotation =
    showing(coded(Barcode, "rotation", "回転方向", codes::kSymbolRotationEntries, kEveryBarcodeType), 0);
inline constexpr FieldSpec kRssVersion =
    showing(coded(Barcode, "rssVersion", "RSSバージョン", codes::kRssVersionEntries,
          barcodes({BarcodeType::Gs1DataBar})), 0);
inline constexpr FieldSpec kAutoSwitch =
    showing(coded(Barcode, "autoSwitch", "自動切り替え", codes::kAutoSwitchEntries,
          barcodes({BarcodeType::Code128})), 0);
inline constexpr FieldSpec kStartStop =
    showing(coded(Barcode, "startStop", "スタート／ストップコード", codes::kStartStopEntries,
          barcodes({BarcodeType::Codabar, BarcodeType::Code39, BarcodeType::Code39FullAscii,
                    BarcodeType::MsiPlessey})), 0);
inline constexpr FieldSpec kHumanReadable =
    showing(coded(Barcode, "humanReadable", "バー下付き文字", codes::kHumanReadableEntries,
          kEveryBarcodeType.without(barcodes({BarcodeType::Gs1DataBar, BarcodeType::Customer}))), 0);

// --- 2D codes ------------------------------------------------------------------
// One entry per field name and group of types; dvftool prefixes the name
// with the parameter record ("QrCodeParams.moduleWidth").

using enum Code2DType;

inline constexpr FieldSpec kCode2DTypeName = {.kind = Code2D,
                                              .name = "typeName",
                                              .label = "2次元コード種別",
                                              .form = Fixed,
                                              .types = kEveryCode2DType};
inline constexpr FieldSpec kCode2DOriginX = originX(Code2D, kEveryCode2DType);
inline constexpr FieldSpec kCode2DOriginY = originY(Code2D, kEveryCode2DType);
inline constexpr FieldSpec kCode2DRotation =
    showing(coded(Code2D, "rotation", "回転方向", codes::kSymbolRotationEntries,
          kEveryCode2DType.without(codes2D({MaxiCode}))), 0);
inline constexpr FieldSpec kDataMatrixModuleWidth =
    dots(Code2D, "moduleWidth", "1モジュール／セル幅", 0, 99, codes2D({DataMatrix}));
inline constexpr FieldSpec kPdfModuleWidth =
    dots(Code2D, "moduleWidth", "1モジュール／セル幅", 1, 10, codes2D({MicroPdf417, Pdf417}));
inline constexpr FieldSpec kQrModuleWidth =
    dots(Code2D, "moduleWidth", "1モジュール／セル幅", 0, 52, codes2D({QrCode}));
inline constexpr FieldSpec kGs1ModuleWidth =
    dots(Code2D, "moduleWidth", "1モジュール／セル幅", 1, 12, codes2D({Gs1Composite}));
inline constexpr FieldSpec kCellSizeMarker =
    showing(coded(Code2D, "cellSizeMarker", "セル数指定", codes::kCellCountEntries, codes2D({DataMatrix})), 0);
inline constexpr FieldSpec kCellColumns =
    showing(coded(Code2D, "cellColumns", "セル数指定", codes::kCellCountEntries, codes2D({DataMatrix}), 1), 0);
inline constexpr FieldSpec kCellRows =
    showing(coded(Code2D, "cellRows", "セル数指定", codes::kCellCountEntries, codes2D({DataMatrix}), 2), 0);
inline constexpr FieldSpec kMaxiMode =
    showing(coded(Code2D, "mode", "モード", codes::kModeEntries, codes2D({MaxiCode})), 0);
inline constexpr FieldSpec kMicroPdfColumnsRows = {.kind = Code2D,
                                                   .name = "columnRowCount",
                                                   .label = "列・行数",
                                                   .width = 2,
                                                   .minimum = 0,
                                                   .maximum = 38,
                                                   .types = codes2D({MicroPdf417})};
inline constexpr FieldSpec kPdfColumnsRows = {.kind = Code2D,
                                              .name = "columnRowCount",
                                              .label = "列・行数",
                                              .width = 2,
                                              .minimum = 1,
                                              .maximum = 30,
                                              .types = codes2D({Pdf417})};
inline constexpr FieldSpec kPdfRowHeight = {.kind = Code2D,
                                            .name = "rowHeight",
                                            .label = "バーコード1行の高さ",
                                            .unit = "x0.1mm",
                                            .width = 4,
                                            .minimum = 0,
                                            .maximum = 100,
                                            .digits = 3,
                                            .types = codes2D({MicroPdf417, Pdf417})};
// A list of the numbers 0 to 8, stored in two digits.
inline constexpr FieldSpec kSecurityLevel = {.kind = Code2D,
                                             .name = "securityLevel",
                                             .label = "セキュリティレベル",
                                             .width = 2,
                                             .minimum = 0,
                                             .maximum = 8,
                                             .types = codes2D({Pdf417})};
inline constexpr FieldSpec kErrorCorrection = showing(coded(
    Code2D, "errorCorrection", "誤り訂正レベル", codes::kErrorCorrectionEntries, codes2D({QrCode})), 0);
inline constexpr FieldSpec kQrModel =
    showing(coded(Code2D, "model", "モデル", codes::kModelEntries, codes2D({QrCode})), 1);
// Any number of digits is read; the check saturates.
inline constexpr FieldSpec kGs1RowHeight = {.kind = Code2D,
                                            .name = "rowHeight",
                                            .label = "バーコード1行の高さ",
                                            .unit = "x0.1mm",
                                            .width = 4,
                                            .minimum = 0,
                                            .maximum = 1000,
                                            .digits = 100,
                                            .types = codes2D({Gs1Composite})};
inline constexpr FieldSpec kLinearType = showing(coded(Code2D, "linearType", "バーコード種別",
                                               codes::kLinearTypeEntries, codes2D({Gs1Composite})), 0);

}  // namespace vx::fields
