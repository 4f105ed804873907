// The driver font file names of the series' drivers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "printer/printer_binding.h"

namespace vx {
namespace {

TEST(PrinterFileTableTest, EachDriverOfTheSeriesFindsItsFile) {
    // Driver names as the spooler reports them, spelt out in code page 932
    // bytes, with the file each driver keeps.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ZEL Vextora Basso", "BASSD.DVF"},
        {"ZEL Vextora Basso \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE(Flex)", "BASSED.DVF"},
        {"ZEL Vextora Basso \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE"
         "L",
         "BASSLD.DVF"},
        {"ZEL Vextora Basso \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE"
         "T",
         "BASSTD.DVF"},
        {"ZEL Vextora Alto", "ALTOD.DVF"},
        {"ZEL Vextora Alto \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE(Flex)", "ALTOED.DVF"},
        {"ZEL Vextora Alto \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE"
         "L",
         "ALTOLD.DVF"},
        {"ZEL Vextora Alto \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE"
         "T",
         "ALTOTD.DVF"},
        {"ZEL Vextora Corda", "CORDD.DVF"},
    };
    for (const auto& [driverName, fileName] : expected) {
        EXPECT_EQ(driverFontFileName(driverName), fileName) << fileName;
    }
}

TEST(PrinterFileTableTest, DriversWithoutARowHaveNoFile) {
    const std::vector<std::string> names = {
        // Accepted by the selection, but without a driver font file.
        "ZEL Vextora Alto \x90\x56\xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE",
        "ZEL Vextora Basso \x90\x56\xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE",
        "ZEL Vextora Alto (copy)",
        "Copy of ZEL Vextora Basso",
        // Exact means exact: letter case, spacing, surrounding text.
        "zel vextora alto",
        "ZEL Vextora Alto ",
        " ZEL Vextora Alto",
        "ZEL Vextora Corda\n",
        // The same text in UTF-8 is other bytes.
        "ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL",
        // Full-width katakana is not the half-width name.
        "ZEL Vextora Alto \x83\x8A\x83\x58\x83\x67\x83\x6F\x83\x93\x83\x68"
        "L",
        "",
    };
    for (const std::string& name : names) {
        EXPECT_EQ(driverFontFileName(name), std::nullopt) << name;
    }
}

}  // namespace
}  // namespace vx
