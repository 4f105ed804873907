// Locating the chosen printer's driver font file: the driver name from the
// spooler, the driver directory from the environment, the file name from
// the table, and the printer closed on every path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printer/printer_binding.h"
#include "tests/printer/fake_spooler.h"

namespace vx {
namespace {

const std::string kWristband = "\xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE";
const std::string kNewWristband = "\x90\x56" + kWristband;

std::string text(const std::filesystem::path& path) {
    std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

// Records the paths tested for existence and answers from a list.
struct FileProbe {
    std::vector<std::string> existing;
    std::vector<std::string> asked;
    FileExistsFunction function() {
        return [this](const std::filesystem::path& path) {
            asked.push_back(text(path));
            for (const std::string& file : existing) {
                if (file == text(path)) return true;
            }
            return false;
        };
    }
};

struct Bench {
    FakeSpooler spooler;
    FakeEnvironment environment;
    FileProbe files;
    Bench() { environment.set("SystemRoot", "C:\\WINDOWS").set("PROCESSOR_ARCHITECTURE", "AMD64"); }
    LocateResult locate(std::string_view printer) {
        return locateDriverFontFile(printer, spooler, environment, files.function());
    }
};

constexpr const char* kX64 = "C:\\WINDOWS\\system32\\spool\\drivers\\x64\\3\\";

// ---- the driver directory ----

struct DirectoryCase {
    const char* description;
    std::optional<std::string> systemRoot;
    std::optional<std::string> windir;
    std::optional<std::string> architecture;
    std::optional<std::string> architecture6432;
    std::optional<std::string> expected;
};

class PrinterDriverDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(PrinterDriverDirectoryTest, FollowsTheEnvironment) {
    const DirectoryCase& c = GetParam();
    FakeEnvironment environment;
    if (c.systemRoot) environment.set("SystemRoot", *c.systemRoot);
    if (c.windir) environment.set("windir", *c.windir);
    if (c.architecture) environment.set("PROCESSOR_ARCHITECTURE", *c.architecture);
    if (c.architecture6432) environment.set("PROCESSOR_ARCHITEW6432", *c.architecture6432);
    EXPECT_EQ(driverDirectory(environment), c.expected) << c.description;
}

const std::string kW32 = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\";
const std::string k64 = "C:\\WINDOWS\\system32\\spool\\drivers\\x64\\3\\";
const std::nullopt_t kUnset = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Environments, PrinterDriverDirectoryTest,
    testing::Values(
        DirectoryCase{"no architecture: 32-bit", "C:\\WINDOWS", kUnset, kUnset, kUnset, kW32},
        DirectoryCase{"AMD64", "C:\\WINDOWS", kUnset, "AMD64", kUnset, k64},
        DirectoryCase{"ARM64 counts as 64-bit", "C:\\WINDOWS", kUnset, "ARM64", kUnset, k64},
        DirectoryCase{"IA64 counts as 64-bit", "C:\\WINDOWS", kUnset, "IA64", kUnset, k64},
        DirectoryCase{"x86 on 32-bit Windows", "C:\\WINDOWS", kUnset, "x86", kUnset, kW32},
        DirectoryCase{"32-bit process on 64-bit Windows", "C:\\WINDOWS", kUnset, "x86", "AMD64",
                      k64},
        DirectoryCase{"32-bit process on ARM64", "C:\\WINDOWS", kUnset, "x86", "ARM64", k64},
        DirectoryCase{"both x86", "C:\\WINDOWS", kUnset, "x86", "x86", kW32},
        DirectoryCase{"X86 in upper case is not x86", "C:\\WINDOWS", kUnset, "X86", kUnset, k64},
        DirectoryCase{"second variable in upper case", "C:\\WINDOWS", kUnset, "x86", "X86", k64},
        DirectoryCase{"second variable alone is ignored", "C:\\WINDOWS", kUnset, kUnset, "AMD64",
                      kW32},
        DirectoryCase{"empty architecture counts as unset", "C:\\WINDOWS", kUnset, "", kUnset,
                      kW32},
        DirectoryCase{"empty second variable counts as unset", "C:\\WINDOWS", kUnset, "x86", "",
                      kW32},
        DirectoryCase{"windir when SystemRoot is unset", kUnset, "C:\\WINDOWS", "AMD64", kUnset,
                      k64},
        DirectoryCase{"SystemRoot before windir", "C:\\WINDOWS", "D:\\OTHER", "AMD64", kUnset, k64},
        DirectoryCase{"empty SystemRoot counts as unset", "", "C:\\WINDOWS", "AMD64", kUnset, k64},
        DirectoryCase{"another drive and folder", "E:\\Win", kUnset, "AMD64", kUnset,
                      "E:\\Win\\system32\\spool\\drivers\\x64\\3\\"},
        DirectoryCase{"neither SystemRoot nor windir", kUnset, kUnset, "AMD64", kUnset, kUnset},
        DirectoryCase{"both empty", "", "", "AMD64", kUnset, kUnset}));

// ---- the whole location ----

TEST(PrinterLocateTest, LabelPrinterOnAltoDriverFindsAltoFile) {
    Bench s;
    s.spooler.add("Label printer", "ZEL Vextora Alto");
    s.files.existing = {std::string(kX64) + "ALTOD.DVF"};
    LocateResult result = s.locate("Label printer");
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(result.driverName, "ZEL Vextora Alto");
    EXPECT_EQ(text(result.path), std::string(kX64) + "ALTOD.DVF");
    EXPECT_EQ(s.files.asked, std::vector<std::string>{std::string(kX64) + "ALTOD.DVF"});
}

TEST(PrinterLocateTest, CordaOn32BitWindowsUsesTheW32x86Directory) {
    Bench s;
    s.environment.set("PROCESSOR_ARCHITECTURE", "x86");
    s.spooler.add("Corda", "ZEL Vextora Corda");
    s.files.existing = {"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\CORDD.DVF"};
    LocateResult result = s.locate("Corda");
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(text(result.path), "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\CORDD.DVF");
}

TEST(PrinterLocateTest, EveryRowOfTheTableLeadsToItsFile) {
    for (const DriverFontFileRow& row : driverFontFileTable()) {
        Bench s;
        s.spooler.add("Printer", row.driverName);
        s.files.existing = {std::string(kX64) + row.fileName};
        LocateResult result = s.locate("Printer");
        EXPECT_EQ(result.outcome, LocateOutcome::Located) << row.fileName;
        EXPECT_EQ(text(result.path), std::string(kX64) + row.fileName);
    }
}

TEST(PrinterLocateTest, TheDriverNameIsThePrintersNotThePrinterName) {
    Bench s;
    // A printer named like another driver: its own driver decides.
    s.spooler.add("ZEL Vextora Alto", "ZEL Vextora Basso");
    s.files.existing = {std::string(kX64) + "BASSD.DVF"};
    LocateResult result = s.locate("ZEL Vextora Alto");
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(text(result.path), std::string(kX64) + "BASSD.DVF");
}

struct NoFileCase {
    const char* description;
    std::string driverName;
};

class PrinterNoRowTest : public testing::TestWithParam<NoFileCase> {};

TEST_P(PrinterNoRowTest, DriverWithoutARowHasNoDriverFontFile) {
    Bench s;
    s.spooler.add("Printer", GetParam().driverName);
    LocateResult result = s.locate("Printer");
    EXPECT_EQ(result.outcome, LocateOutcome::NoDriverFontFile);
    EXPECT_EQ(result.driverName, GetParam().driverName);
    EXPECT_EQ(text(result.path), kX64);  // only the directory was formed
    EXPECT_TRUE(s.files.asked.empty());
    EXPECT_EQ(s.spooler.openHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, PrinterNoRowTest,
    testing::Values(NoFileCase{"new wristband Alto", "ZEL Vextora Alto " + kNewWristband},
                    NoFileCase{"new wristband Basso", "ZEL Vextora Basso " + kNewWristband},
                    NoFileCase{"text after the model", "ZEL Vextora Alto (copy)"},
                    NoFileCase{"text before the model", "Copy of ZEL Vextora Basso"},
                    NoFileCase{"another maker", "Generic / Text Only"}));

TEST(PrinterLocateTest, MissingFileIsNoDriverFontFileWithTheFullPath) {
    Bench s;
    s.spooler.add("Label printer", "ZEL Vextora Alto");
    LocateResult result = s.locate("Label printer");
    EXPECT_EQ(result.outcome, LocateOutcome::NoDriverFontFile);
    EXPECT_EQ(text(result.path), std::string(kX64) + "ALTOD.DVF");
    EXPECT_EQ(s.files.asked.size(), 1u);
}

// Every outcome: the driver name once read, the file looked at only after
// the printer was closed, and the printer closed exactly once.
struct OutcomeCase {
    const char* description;
    FakePrinter printer;
    std::string asked;  // the printer name given
    bool fileExists;
    bool noEnvironment;
    LocateOutcome outcome;
    std::optional<std::string> driverName;
    bool probed;
};

class PrinterLocateOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(PrinterLocateOutcomeTest, ClosesThePrinterOnEveryPath) {
    const OutcomeCase& c = GetParam();
    FakeSpooler spooler;
    spooler.add(c.printer);
    FakeEnvironment environment;
    if (!c.noEnvironment) environment.set("SystemRoot", "C:\\WINDOWS");
    int probes = 0;
    int openWhenProbed = 0;
    auto probe = [&](const std::filesystem::path&) {
        ++probes;
        openWhenProbed += spooler.openHandles();
        return c.fileExists;
    };
    LocateResult result = locateDriverFontFile(c.asked, spooler, environment, probe);
    EXPECT_EQ(result.outcome, c.outcome) << c.description;
    EXPECT_EQ(result.driverName, c.driverName) << c.description;
    EXPECT_EQ(probes, c.probed ? 1 : 0) << c.description;
    EXPECT_EQ(openWhenProbed, 0) << c.description;
    EXPECT_EQ(spooler.openHandles(), 0) << c.description;
    EXPECT_EQ(spooler.opens(), spooler.closes()) << c.description;
    if (c.outcome != LocateOutcome::Located && c.outcome != LocateOutcome::NoDriverFontFile) {
        EXPECT_TRUE(result.path.empty()) << c.description;
    }
}

FakePrinter fake(std::string driver, bool openFails = false, bool infoFails = false,
                 bool closeFails = false) {
    FakePrinter printer{"P", std::move(driver)};
    printer.openFails = openFails;
    printer.infoFails = infoFails;
    printer.closeFails = closeFails;
    return printer;
}

const std::string kAlto = "ZEL Vextora Alto";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PrinterLocateOutcomeTest,
    testing::Values(OutcomeCase{"located", fake(kAlto), "P", true, false, LocateOutcome::Located,
                                kAlto, true},
                    OutcomeCase{"file missing", fake(kAlto), "P", false, false,
                                LocateOutcome::NoDriverFontFile, kAlto, true},
                    OutcomeCase{"no row", fake("ZEL Vextora Alto (copy)"), "P", true, false,
                                LocateOutcome::NoDriverFontFile, "ZEL Vextora Alto (copy)", false},
                    OutcomeCase{"legacy path", fake("ZEL Vextora Corda"), "P", true, true,
                                LocateOutcome::Located, "ZEL Vextora Corda", true},
                    OutcomeCase{"open fails", fake(kAlto, true), "P", true, false,
                                LocateOutcome::PrinterUnavailable, std::nullopt, false},
                    OutcomeCase{"not installed", fake(kAlto), "Q", true, false,
                                LocateOutcome::PrinterUnavailable, std::nullopt, false},
                    OutcomeCase{"information unreadable", fake(kAlto, false, true), "P", true,
                                false, LocateOutcome::PrinterInfoUnreadable, std::nullopt, false},
                    // The name was read before closing failed.
                    OutcomeCase{"close fails", fake(kAlto, false, false, true), "P", true, false,
                                LocateOutcome::PrinterInfoUnreadable, kAlto, false}));

TEST(PrinterLocateTest, LongSystemRootIsNeverCut) {
    Bench s;
    std::string root = "C:\\" + std::string(300, 'd') + "\\WINDOWS";
    s.environment.set("SystemRoot", root);
    s.spooler.add("Label printer", "ZEL Vextora Alto");
    std::string expected = root + "\\system32\\spool\\drivers\\x64\\3\\ALTOD.DVF";
    s.files.existing = {expected};
    LocateResult result = s.locate("Label printer");
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(text(result.path), expected);
    EXPECT_GT(text(result.path).size(), 260u);
}

TEST(PrinterLocateTest, NonAsciiSystemRootIsKept) {
    Bench s;
    s.environment.set("SystemRoot", "D:\\ウィンドウズ");
    s.spooler.add("ラベル", "ZEL Vextora Corda");
    std::string expected = "D:\\ウィンドウズ\\system32\\spool\\drivers\\x64\\3\\CORDD.DVF";
    s.files.existing = {expected};
    LocateResult result = s.locate("ラベル");
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(text(result.path), expected);
}

// ---- the legacy path, without SystemRoot and windir ----

struct LegacyCase {
    const char* description;
    std::optional<WindowsVersion> version;
    std::optional<std::string> windowsDirectory;
    std::string driverName;
    std::optional<std::string> expected;
};

class PrinterLegacyPathTest : public testing::TestWithParam<LegacyCase> {};

TEST_P(PrinterLegacyPathTest, FormsThe32BitPathFromVersionAndDrive) {
    const LegacyCase& c = GetParam();
    FakeEnvironment environment;
    // The architecture plays no part in the legacy path.
    environment.set("PROCESSOR_ARCHITECTURE", "AMD64");
    environment.setWindowsVersion(c.version).setWindowsDirectory(c.windowsDirectory);
    EXPECT_EQ(legacyDriverFontFilePath(c.driverName, environment), c.expected) << c.description;

    FakeSpooler spooler;
    spooler.add("P", c.driverName);
    std::vector<std::string> asked;
    LocateResult result =
        locateDriverFontFile("P", spooler, environment, [&](const std::filesystem::path& path) {
            asked.push_back(text(path));
            return true;
        });
    if (c.expected) {
        EXPECT_EQ(result.outcome, LocateOutcome::Located) << c.description;
        EXPECT_EQ(text(result.path), *c.expected);
        EXPECT_EQ(asked, std::vector<std::string>{*c.expected});
    } else {
        EXPECT_EQ(result.outcome, LocateOutcome::NoDriverFontFile) << c.description;
        EXPECT_TRUE(result.path.empty());
        EXPECT_TRUE(asked.empty());
    }
}

constexpr WindowsVersion nt(std::uint32_t major, std::uint32_t minor) {
    return {kPlatformWin32Nt, major, minor};
}
const std::string kLegacyWinnt = "C:\\WINNT\\system32\\spool\\drivers\\w32x86\\3\\";
const std::string kLegacyWindows = "D:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\";

INSTANTIATE_TEST_SUITE_P(
    Systems, PrinterLegacyPathTest,
    testing::Values(
        LegacyCase{"NT 5.0, Alto", nt(5, 0), "C:\\WINNT", "ZEL Vextora Alto",
                   kLegacyWinnt + "ALTOD.DVF"},
        LegacyCase{"NT 5.0, Corda", nt(5, 0), "C:\\WINNT", "ZEL Vextora Corda",
                   kLegacyWinnt + "CORDD.DVF"},
        LegacyCase{"NT 5.1, Alto", nt(5, 1), "D:\\WINDOWS", "ZEL Vextora Alto",
                   kLegacyWindows + "ALTOD.DVF"},
        LegacyCase{"NT 5.2, Basso uses the Corda file", nt(5, 2), "D:\\WINDOWS",
                   "ZEL Vextora Basso", kLegacyWindows + "CORDD.DVF"},
        LegacyCase{"NT 6.1, Alto variant uses the Corda file", nt(6, 1), "D:\\WINDOWS",
                   "ZEL Vextora Alto " + kWristband + "L", kLegacyWindows + "CORDD.DVF"},
        LegacyCase{"NT 10.0, drive letter only from the directory", nt(10, 0), "d:\\Windows",
                   "ZEL Vextora Alto",
                   "d:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\ALTOD.DVF"},
        LegacyCase{"NT 4.0 has no path", nt(4, 0), "C:\\WINNT", "ZEL Vextora Alto", kUnset},
        LegacyCase{"Windows 9x has no path", WindowsVersion{1, 4, 10}, "C:\\WINDOWS",
                   "ZEL Vextora Alto", kUnset},
        LegacyCase{"no version", kUnset, "C:\\WINDOWS", "ZEL Vextora Alto", kUnset},
        LegacyCase{"no Windows directory", nt(10, 0), kUnset, "ZEL Vextora Alto", kUnset},
        LegacyCase{"empty Windows directory", nt(10, 0), "", "ZEL Vextora Alto", kUnset}));

// ---- the vertical resolution for the test print ----

TEST(PrinterResolutionTest, ReadsTheDefaultDeviceModeAndCloses) {
    FakeSpooler spooler;
    FakePrinter printer{"Label printer", "ZEL Vextora Alto"};
    printer.verticalResolution = 305;
    spooler.add(printer);
    EXPECT_EQ(readVerticalResolution("Label printer", spooler), 305);
    EXPECT_EQ(spooler.opens(), 1);
    EXPECT_EQ(spooler.openHandles(), 0);
}

// The paper, for a preview, is still shown when the spooler reports a
// failed close; the resolution, for a print, is not.
TEST(PrinterResolutionTest, AnyFailureGivesNothingAndClosesThePrinter) {
    struct Case {
        const char* description;
        bool openFails, infoFails, closeFails, noDeviceMode;
        bool paperRead;
    };
    for (const Case& c : {Case{"open fails", true, false, false, false, false},
                          Case{"info fails", false, true, false, false, false},
                          Case{"close fails", false, false, true, false, true},
                          Case{"no default device mode", false, false, false, true, false}}) {
        FakeSpooler spooler;
        FakePrinter printer{"Label printer", "ZEL Vextora Alto"};
        printer.verticalResolution = c.noDeviceMode ? std::nullopt : std::optional<int>(203);
        if (!c.noDeviceMode) printer.paper = DevicePaper{kDeviceModePaperSize, 1, 9, 0, 0};
        printer.openFails = c.openFails;
        printer.infoFails = c.infoFails;
        printer.closeFails = c.closeFails;
        spooler.add(printer);
        EXPECT_EQ(readVerticalResolution("Label printer", spooler), std::nullopt) << c.description;
        EXPECT_EQ(spooler.openHandles(), 0) << c.description;
        EXPECT_EQ(readDevicePaper("Label printer", spooler).has_value(), c.paperRead)
            << c.description;
        EXPECT_EQ(spooler.openHandles(), 0) << c.description;
    }
    FakeSpooler empty;
    EXPECT_EQ(readVerticalResolution("Nobody", empty), std::nullopt);
    EXPECT_EQ(readDevicePaper("Nobody", empty), std::nullopt);
}

// ---- the paper of the default device mode, for the preview's label ----

TEST(PrinterPaperTest, ReadsThePaperOfTheDefaultDeviceModeAndCloses) {
    FakeSpooler spooler;
    FakePrinter printer{"Wristband printer", "ZEL Vextora Basso"};
    printer.paper = DevicePaper{kDeviceModePaperLength | kDeviceModePaperWidth, 1, 0, 2500, 250};
    spooler.add(printer);
    const std::optional<DevicePaper> paper = readDevicePaper("Wristband printer", spooler);
    ASSERT_TRUE(paper);
    EXPECT_EQ(paper->fields, kDeviceModePaperLength | kDeviceModePaperWidth);
    EXPECT_EQ(paper->paperLength, 2500);
    EXPECT_EQ(paper->paperWidth, 250);
    EXPECT_EQ(spooler.opens(), 1);
    EXPECT_EQ(spooler.openHandles(), 0);
}

TEST(PrinterResolutionTest, ScaleFactorIsOneOnlyAt305Dpi) {
    EXPECT_EQ(testPrintScaleFactor(305), 1);
    for (int dpi : {0, 203, 300, 304, 306, 600, -305})
        EXPECT_EQ(testPrintScaleFactor(dpi), 2) << dpi;
}

}  // namespace
}  // namespace vx
