// The pictures read back by real barcode readers: every type's SVG, as
// dvftool preview writes it, rasterised by rsvg-convert and decoded by zbarimg
// (1D codes, QR code, the linear part of composites) and dmtxread (Data
// Matrix), for each check-digit mode and a sample of rotations and module
// widths. The symbology read and its text must be the data with the check
// digit the mode adds, written out here by hand. All pictures are rasterised
// in one shell run and read by one zbarimg run, so the whole suite takes
// seconds. scripts/install-deps.sh installs the readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "preview/svg_writer.h"
#include "preview_records.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

enum class Reader { Zbar, Dmtx };

struct Picture {
    std::string name;     // what the failure names
    std::string svg;      // as the preview writes it
    double dpi = 305;
    Reader reader = Reader::Zbar;
    // Each symbol as "TYPE:text" (zbarimg's names), an add-on apart from
    // its main symbol; dmtxread's text alone.
    std::vector<std::string> expected;
};

// The type's fonts vary from picture to picture: every rotation, module
// widths 2 to 4 dots, and narrow/wide elements of 2/5 and 3/7 dots.
struct Variation {
    int at = 0;
    std::string rotation() { return std::to_string(at % 4); }
    std::string module() { return "0" + std::to_string(2 + at % 3); }
    bool wide() const { return at % 2 == 1; }
};

std::string svgOf(const SymbolPreview& preview, double dpi) {
    EXPECT_TRUE(preview.error.empty()) << preview.data << ": " << preview.error;
    return symbolSvg(preview.geometry, dpi);
}

Picture barcodePicture(int type, const char* check, Variation& v,
                       std::vector<std::string> expected, const char* rss = "1") {
    BarcodeRecord r = test::barcodeOfType(type);
    r.checkDigit = check;
    r.rssVersion = rss;
    r.rotation = v.rotation();
    r.moduleWidth = v.module();
    if (v.wide()) {
        r.narrowBar = r.narrowSpace = r.charGap = "03";
        r.wideBar = r.wideSpace = "07";
    }
    Picture p;
    p.name = std::string(kBarcodeTypes[type].name) + " check " + check + " rss " + rss +
             " rotation " + r.rotation + " module " + r.moduleWidth;
    p.svg = svgOf(previewBarcode(r, {305, std::nullopt, std::nullopt}), 305);
    p.expected = std::move(expected);
    ++v.at;
    return p;
}

// Every 1D type a reader of Debian reads, in each of its check-digit modes:
// "1" 付加なし and "2" チェックデジットチェック take the sample with its
// check digit as given, "3" チェックデジット自動付加 has it added, "4" adds it
// too (the price check digit is not drawn). Not read by any: Code 2 of 5
// (industrial), MSI/Plessey, the customer barcode and GS1 DataBar Limited
// and the stacked DataBars (zbar reads only single-row DataBar).
std::vector<Picture> barcodePictures() {
    using namespace test;
    Variation v;
    std::vector<Picture> out;
    auto add = [&](int type, std::vector<const char*> checks,
                   std::vector<std::string> expected) {
        for (const char* check : checks) out.push_back(barcodePicture(type, check, v, expected));
    };
    const std::vector<const char*> all = {"1", "2", "3", "4"};
    // Codabar's start and stop characters are part of its data.
    add(kCodabar, {"1"}, {"Codabar:A1234567A"});
    add(kCode128, {"1"}, {"CODE-128:ZEL-Vextora-128"});
    // Modulo 43: Z+E+L+-+0+1+2+3 = 35+14+21+36+0+1+2+3 = 112 = 2 × 43 + 26, "Q".
    add(kCode39, {"1"}, {"CODE-39:ZEL-0123"});
    add(kCode39, {"2", "3"}, {"CODE-39:ZEL-0123Q"});
    add(4, {"1"}, {"CODE-39:ZEL-0123"});
    add(4, {"2", "3"}, {"CODE-39:ZEL-0123Q"});
    add(5, {"1"}, {"CODE-93:ZEL-0123"});  // its own two check characters are the reader's
    // ITF: 1234567 has the check digit 0; without it a leading 0 makes the
    // count of digits even.
    add(7, {"1"}, {"I2/5:01234567"});
    add(7, {"2", "3"}, {"I2/5:12345670"});
    // EAN-13 4901234567894, EAN-8 49012347, UPC-A 049012345679 (read as
    // the EAN-13 it is, with a leading 0), UPC-E 01234565 (its UPC-A
    // 01234500006 has the check digit 5); the add-ons 12 and 12345.
    const std::string ean13 = "EAN-13:4901234567894", ean8 = "EAN-8:49012347",
                      upcA = "EAN-13:0049012345679", upcE = "UPC-E:01234565",
                      two = "EAN-2:12", five = "EAN-5:12345";
    add(kEan13, all, {ean13});
    add(9, all, {ean13, two});
    add(kEan13Plus5, all, {ean13, five});
    add(11, all, {ean8});
    add(12, all, {ean8, two});
    add(13, all, {ean8, five});
    add(15, {"1"}, {"CODE-128:010950110153000310ABC123"});
    add(16, all, {upcA});
    add(17, all, {upcA, two});
    add(18, all, {upcA, five});
    add(kUpcE, all, {upcE});
    add(20, all, {upcE, two});
    add(21, all, {upcE, five});
    out.push_back(barcodePicture(kGs1DataBar, "1", v, {"DataBar:0109501101530003"}, "1"));
    out.push_back(
        barcodePicture(kGs1DataBar, "1", v, {"DataBar-Exp:010950110153000310ABC123"}, "5"));
    return out;
}

Picture code2DPicture(Code2DRecord r, std::string name, Reader reader, std::string expected) {
    Picture p;
    p.name = std::move(name);
    p.svg = svgOf(previewCode2D(r, {305, std::nullopt, std::nullopt}), 305);
    p.reader = reader;
    p.expected = {std::move(expected)};
    return p;
}

// The 2D codes a reader of Debian reads: QR code (every error correction
// level), Data Matrix (square and every rectangle), and the linear part of
// each composite (its 2D part no reader of Debian reads). PDF417,
// MicroPDF417 and MaxiCode are read by none.
std::vector<Picture> code2DPictures() {
    using namespace test;
    const std::string ean13 = "EAN-13:4901234567894", ean8 = "EAN-8:49012347",
                      upcA = "EAN-13:0049012345679", upcE = "UPC-E:01234565",
                      dataBar = "DataBar:0109501101530003";
    std::vector<Picture> out;
    int at = 0;
    for (const char* level : {"L", "M", "Q", "H"}) {
        Code2DRecord r = code2DOfType(kQrCode);
        r.qrCode.errorCorrection = level;
        r.qrCode.rotation = std::to_string(at % 4);
        r.qrCode.moduleWidth = "0" + std::to_string(2 + at++ % 3);
        out.push_back(
            code2DPicture(r, std::string("QR ") + level, Reader::Zbar, "QR-Code:ZEL-VEXTORA-0001"));
    }
    for (const char* cells : {"", "018008", "032008", "026012", "036012", "036016", "048016"}) {
        Code2DRecord r = code2DOfType(kDataMatrix);
        if (*cells != '\0') {
            r.dataMatrix.cellSizeMarker = "C";
            r.dataMatrix.cellColumns = std::string(cells, 3);
            r.dataMatrix.cellRows = std::string(cells + 3, 3);
        }
        r.dataMatrix.rotation = std::to_string(at % 4);
        r.dataMatrix.moduleWidth = "0" + std::to_string(3 + at++ % 2);
        out.push_back(
            code2DPicture(r, std::string("Data Matrix ") + cells, Reader::Dmtx, "0123456789"));
    }
    // The linear parts: DataBar Limited and the stacked DataBars no reader
    // of Debian reads.
    const struct {
        const char* linear;
        std::string expected;
    } linears[] = {
        {"01", ean13},       {"02", ean8},        {"03", upcA}, {"04", upcE},
        {"05", dataBar},     {"06", dataBar},     {"10", "CODE-128:0109501101530003"},
        {"11", "CODE-128:0109501101530003"},
    };
    for (const auto& l : linears) {
        Code2DRecord r = code2DOfType(kComposite);
        r.gs1Composite.linearType = l.linear;
        r.gs1Composite.rotation = std::to_string(at++ % 4);
        out.push_back(code2DPicture(r, std::string("composite ") + l.linear, Reader::Zbar,
                                    l.expected));
    }
    return out;
}

// The picture with a quiet zone of white around it, at `scale` pixels per
// printer dot: the root's size and view box widened by `margin` dots.
std::string withQuietZone(const std::string& svg, double margin, double scale) {
    static const std::regex root(
        "width=\"[0-9.]+mm\" height=\"[0-9.]+mm\" viewBox=\"0 0 ([0-9.]+) ([0-9.]+)\"");
    std::smatch m;
    if (!std::regex_search(svg, m, root)) return {};
    const double w = std::stod(m[1]) + 2 * margin, h = std::stod(m[2]) + 2 * margin;
    const std::string box = "width=\"" + std::to_string(w * scale) + "\" height=\"" +
                            std::to_string(h * scale) + "\" viewBox=\"" +
                            std::to_string(-margin) + " " + std::to_string(-margin) + " " +
                            std::to_string(w) + " " + std::to_string(h) + "\"";
    return m.prefix().str() + box + m.suffix().str();
}

int run(const std::string& command) {
    return std::system(("timeout -k 5 120 sh -c '" + command + "'").c_str());
}

bool installed(const char* program) {
    return std::system((std::string("command -v ") + program + " > /dev/null").c_str()) == 0;
}

// zbarimg's XML: per picture file, each symbol as "TYPE:text".
std::map<std::string, std::vector<std::string>> zbarSymbols(const std::string& xml) {
    std::map<std::string, std::vector<std::string>> found;
    static const std::regex source("<source href='[^']*/([^'/]+)\\.png'>([\\s\\S]*?)</source>");
    static const std::regex symbol(
        "<symbol type='([^']+)'[^>]*>\\s*<data><!\\[CDATA\\[([\\s\\S]*?)\\]\\]></data>");
    for (std::sregex_iterator s(xml.begin(), xml.end(), source), end; s != end; ++s) {
        const std::string body = (*s)[2];
        auto& symbols = found[(*s)[1]];
        for (std::sregex_iterator y(body.begin(), body.end(), symbol); y != end; ++y) {
            symbols.push_back((*y)[1].str() + ":" + (*y)[2].str());
        }
    }
    return found;
}

TEST(DecodedPictures, EveryReadableTypeDecodesToItsDataWithTheCheckDigitItsModeAdds) {
    for (const char* program : {"rsvg-convert", "zbarimg", "dmtxread"}) {
        ASSERT_TRUE(installed(program)) << program << " is missing: scripts/install-deps.sh installs it";
    }
    std::vector<Picture> pictures = barcodePictures();
    for (Picture& p : code2DPictures()) pictures.push_back(std::move(p));
    test::ScratchDir dir;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::string padded = withQuietZone(pictures[i].svg, 40, 3);
        ASSERT_FALSE(padded.empty()) << pictures[i].name << ": no root size\n" << pictures[i].svg;
        test::writeBytes(dir.path() / ("p" + std::to_string(i) + ".svg"), padded);
    }
    const std::string folder = dir.path().string();
    ASSERT_EQ(run("cd \"" + folder +
                  "\" && for f in p*.svg; do rsvg-convert -b white \"$f\" -o \"${f%.svg}.png\" "
                  "|| exit 1; done"),
              0);
    std::string zbarFiles, dmtxFiles;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::string file = " \"" + folder + "/p" + std::to_string(i) + ".png\"";
        (pictures[i].reader == Reader::Zbar ? zbarFiles : dmtxFiles) += file;
    }
    // zbarimg ends with 4 when some picture holds no symbol: the comparison
    // below names it.
    run("zbarimg --nodbus --xml -q -Sean2.enable -Sean5.enable -Supce.enable" + zbarFiles +
        " > \"" + folder + "/zbar.xml\" 2> \"" + folder + "/zbar.log\"");
    const auto zbar = zbarSymbols(test::readBytes(dir.path() / "zbar.xml"));
    run("for f in" + dmtxFiles + "; do printf \"%s:\" \"$(basename \"$f\" .png)\"; " +
        "dmtxread -n -m 5000 \"$f\"; echo; done > \"" + folder + "/dmtx.txt\" 2>&1");
    const std::string dmtx = test::readBytes(dir.path() / "dmtx.txt");

    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& p = pictures[i];
        const std::string file = "p" + std::to_string(i);
        if (p.reader == Reader::Dmtx) {
            EXPECT_NE(dmtx.find(file + ":" + p.expected.front() + "\n"), std::string::npos)
                << p.name << " (" << file << "): " << dmtx;
            continue;
        }
        const auto found = zbar.find(file);
        std::vector<std::string> read =
            found == zbar.end() ? std::vector<std::string>{} : found->second;
        std::sort(read.begin(), read.end());
        std::vector<std::string> expected = p.expected;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(read, expected) << p.name << " (" << file << ")";
    }
}

}  // namespace
}  // namespace vx
