// The process environment, and the driver font file located for real:
// printers in the spooler, files on disk, paths beyond 260 characters.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "printer/printer_binding.h"
#include "printer/win32/system_environment_win32.h"
#include "printer/win32/winspool_spooler.h"
#include "settings/codepage.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/registry_printers.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string utf8(const std::wstring& wide) {
    return utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

// Sets a variable of this process for the length of a test.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const wchar_t* value) : name_(name) {
        SetEnvironmentVariableW(name, value);
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, nullptr); }

private:
    const wchar_t* name_;
};

TEST(Win32EnvironmentTest, ReadsVariablesWhateverTheirLength) {
    Win32Environment environment;
    std::wstring longValue = L"C:\\" + std::wstring(5000, L'x');
    ScopedVariable longVariable(L"VX_PRINTER_TEST_LONG", longValue.c_str());
    ScopedVariable japanese(L"VX_PRINTER_TEST_JA", L"D:\\ウィンドウズ");
    ScopedVariable empty(L"VX_PRINTER_TEST_EMPTY", L"");
    EXPECT_EQ(environment.variable("VX_PRINTER_TEST_LONG"), utf8(longValue));
    EXPECT_EQ(environment.variable("VX_PRINTER_TEST_JA"), "D:\\ウィンドウズ");
    EXPECT_EQ(environment.variable("vx_printer_test_ja"), "D:\\ウィンドウズ");
    EXPECT_EQ(environment.variable("VX_PRINTER_TEST_EMPTY"), "");
    EXPECT_EQ(environment.variable("VX_PRINTER_TEST_UNSET"), std::nullopt);
}

TEST(Win32EnvironmentTest, ReportsTheSystemLikeTheSystemDoes) {
    Win32Environment environment;
    std::optional<WindowsVersion> version = environment.windowsVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(version->platformId, kPlatformWin32Nt);
    EXPECT_GE(version->major, 5u);

    wchar_t buffer[1024] = {};
    UINT length = GetWindowsDirectoryW(buffer, 1024);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(environment.windowsDirectory(), utf8(std::wstring(buffer, length)));

    // This 64-bit program finds the 64-bit driver directory.
    std::optional<std::string> directory = driverDirectory(environment);
    ASSERT_TRUE(directory);
    EXPECT_EQ(*directory,
              *environment.variable("SystemRoot") + "\\system32\\spool\\drivers\\x64\\3\\");
}

// Removes a folder with everything in it; paths of any length.
bool removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

// A SystemRoot of our own in a temporary folder, holding the driver
// directory; the spooler and the file test are the real ones.
class LocateOnDiskTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        // Process ids are reused quickly under Wine: add the time.
        root = fs::path(temp) / (L"vx-printer-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(GetTickCount64()));
        printer = test::RegistryPrinters::uniqueName(L"VX Label printer");
        ASSERT_TRUE(registry.add({printer, L"ZEL Vextora Alto", 0, std::nullopt}));
        environment.set("PROCESSOR_ARCHITECTURE", "AMD64");
    }
    void TearDown() override {
        // The long-path test leaves folders beyond 260 characters, which
        // only the \\?\ form of a path reaches.
        EXPECT_TRUE(removeTree(L"\\\\?\\" + root.wstring()));
    }
    // Creates <systemRoot>\system32\spool\drivers\x64\3\<file>.
    fs::path placeFile(const fs::path& systemRoot, const wchar_t* file) {
        fs::path directory = systemRoot / L"system32" / L"spool" / L"drivers" / L"x64" / L"3";
        fs::create_directories(directory);
        std::ofstream(directory / file) << "[DVF]\r\nVersion=2\r\n";
        return directory / file;
    }
    LocateResult locate(const fs::path& systemRoot) {
        environment.set("SystemRoot", utf8(systemRoot.wstring()));
        return locateDriverFontFile(utf8(printer), spooler, environment);
    }

    fs::path root;
    std::wstring printer;
    test::RegistryPrinters registry;
    WinspoolSpooler spooler;
    FakeEnvironment environment;
};

TEST_F(LocateOnDiskTest, FindsTheFileBesideTheDriver) {
    fs::path file = placeFile(root, L"ALTOD.DVF");
    LocateResult result = locate(root);
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
    EXPECT_EQ(result.driverName, "ZEL Vextora Alto");
    EXPECT_EQ(result.path.wstring(), file.wstring());
}

TEST_F(LocateOnDiskTest, MissingFileIsNoDriverFontFile) {
    placeFile(root, L"CORDD.DVF");  // another model's file
    EXPECT_EQ(locate(root).outcome, LocateOutcome::NoDriverFontFile);
}

TEST_F(LocateOnDiskTest, DirectoryNamedLikeTheFileIsNotTheFile) {
    fs::create_directories(root / L"system32" / L"spool" / L"drivers" / L"x64" / L"3" /
                           L"ALTOD.DVF");
    EXPECT_EQ(locate(root).outcome, LocateOutcome::NoDriverFontFile);
}

TEST_F(LocateOnDiskTest, SystemRootBeyond260CharactersIsNeverCut) {
    fs::path deep = root;
    for (int i = 0; i < 6; ++i) deep /= std::wstring(40, static_cast<wchar_t>(L'a' + i));
    fs::path longRoot = fs::path(L"\\\\?\\" + deep.wstring());
    fs::path file = placeFile(longRoot, L"ALTOD.DVF");
    LocateResult result = locate(deep);
    EXPECT_GT(result.path.wstring().size(), 260u);
    EXPECT_EQ(L"\\\\?\\" + result.path.wstring(), file.wstring());
    EXPECT_EQ(result.outcome, LocateOutcome::Located);
}

}  // namespace
}  // namespace vx
