// The Windows spooler behind the Spooler interface, against printers that
// the test installs in the test prefix's registry.
#include "printer/win32/winspool_spooler.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printer/printer_binding.h"
#include "settings/codepage.h"
#include "tests/printer/win32/registry_printers.h"

namespace vx {
namespace {

using test::RegistryPrinter;
using test::RegistryPrinters;

std::string utf8(const std::wstring& wide) {
    return utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

const PrinterEntry* findEntry(const std::vector<PrinterEntry>& entries, const std::wstring& name) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const PrinterEntry& e) { return e.name == utf8(name); });
    return it == entries.end() ? nullptr : &*it;
}

class WinspoolSpoolerTest : public testing::Test {
protected:
    void SetUp() override {
        alto = RegistryPrinters::uniqueName(L"VX Alto");
        wristband = RegistryPrinters::uniqueName(L"VX リストバンド");
        jammed = RegistryPrinters::uniqueName(L"VX Jammed");
        other = RegistryPrinters::uniqueName(L"VX Other");
        ASSERT_TRUE(registry.add({alto, L"ZEL Vextora Alto", 0, 305}));
        ASSERT_TRUE(registry.add({wristband, L"ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞ(Flex)", 0, 203}));
        ASSERT_TRUE(registry.add({jammed, L"ZEL Vextora Corda", 0x00100000, std::nullopt}));
        ASSERT_TRUE(registry.add({other, L"Acme Thermal 4000", 0, std::nullopt}));
    }

    RegistryPrinters registry;
    WinspoolSpooler spooler;
    std::wstring alto, wristband, jammed, other;
};

TEST_F(WinspoolSpoolerTest, EnumeratesRegistryPrintersWithDriverNamesInCodePage932) {
    std::optional<std::vector<PrinterEntry>> entries = spooler.localPrinters();
    ASSERT_TRUE(entries);
    const PrinterEntry* a = findEntry(*entries, alto);
    const PrinterEntry* w = findEntry(*entries, wristband);
    const PrinterEntry* o = findEntry(*entries, other);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(w, nullptr);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(a->driverName, "ZEL Vextora Alto");
    EXPECT_EQ(w->driverName, "ZEL Vextora Basso \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE(Flex)");
    EXPECT_EQ(w->name, utf8(wristband));  // the Japanese printer name round-trips
    EXPECT_EQ(o->driverName, "Acme Thermal 4000");
}

// More printers than the first guess at the list's size holds: the list
// is asked for again at the size the spooler gives, and nothing is lost.
TEST_F(WinspoolSpoolerTest, AListLargerThanTheFirstGuessIsComplete) {
    std::vector<std::wstring> names;
    for (int n = 0; n < 40; ++n) {
        names.push_back(RegistryPrinters::uniqueName(L"VX Long " + std::wstring(120, L'x') +
                                                     std::to_wstring(n)));
        ASSERT_TRUE(registry.add({names.back(), L"ZEL Vextora Alto", 0, std::nullopt}));
    }
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    ASSERT_GT(needed, 16u * 1024u);  // the case this test is about
    std::optional<std::vector<PrinterEntry>> entries = spooler.localPrinters();
    ASSERT_TRUE(entries);
    for (const std::wstring& name : names) EXPECT_NE(findEntry(*entries, name), nullptr);
    EXPECT_NE(findEntry(*entries, alto), nullptr);
}

TEST_F(WinspoolSpoolerTest, QueueStatusIsTheLevel6Status) {
    EXPECT_EQ(spooler.queueStatus(utf8(jammed)) & kPrinterStatusUserIntervention,
              kPrinterStatusUserIntervention);
    EXPECT_EQ(spooler.queueStatus(utf8(alto)) & kPrinterStatusUserIntervention, 0u);
    EXPECT_EQ(spooler.queueStatus(utf8(RegistryPrinters::uniqueName(L"VX Missing"))), 0u);
}

TEST_F(WinspoolSpoolerTest, SelectableListHoldsTheSeriesWithoutIntervention) {
    std::vector<std::string> names = listSelectablePrinters(spooler);
    auto listed = [&](const std::wstring& name) {
        return std::find(names.begin(), names.end(), utf8(name)) != names.end();
    };
    EXPECT_TRUE(listed(alto));
    EXPECT_TRUE(listed(wristband));
    EXPECT_FALSE(listed(jammed));
    EXPECT_FALSE(listed(other));
    // In the spooler's order.
    std::optional<std::vector<PrinterEntry>> entries = spooler.localPrinters();
    ASSERT_TRUE(entries);
    std::vector<std::string> enumerated;
    for (const PrinterEntry& e : *entries) {
        if (std::find(names.begin(), names.end(), e.name) != names.end()) {
            enumerated.push_back(e.name);
        }
    }
    EXPECT_EQ(names, enumerated);
}

TEST_F(WinspoolSpoolerTest, OpensReadsAndClosesAPrinter) {
    PrinterHandle printer = PrinterHandle::open(spooler, utf8(wristband));
    ASSERT_TRUE(printer);
    std::optional<PrinterInfo> info = printer.info();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->driverName, "ZEL Vextora Basso \xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE(Flex)");
    EXPECT_EQ(info->verticalResolution, 203);
    // The paper comes from the same default device mode.
    EXPECT_TRUE(info->paper);
    EXPECT_TRUE(printer.close());
}

TEST_F(WinspoolSpoolerTest, VerticalResolutionOfTheDefaultDeviceMode) {
    EXPECT_EQ(readVerticalResolution(utf8(alto), spooler), 305);
    EXPECT_EQ(readVerticalResolution(utf8(wristband), spooler), 203);
    EXPECT_EQ(readVerticalResolution("VX no such printer", spooler), std::nullopt);
    // In the test prefix a printer without a stored default device mode
    // reports 0, which is "not 305" (scale factor 2).
    EXPECT_EQ(readVerticalResolution(utf8(jammed), spooler), 0);
}

TEST_F(WinspoolSpoolerTest, UnknownPrinterIsUnavailable) {
    PrinterHandle printer = PrinterHandle::open(spooler, "VX no such printer");
    EXPECT_FALSE(printer);
}

}  // namespace
}  // namespace vx
