// The histories on Windows (under Wine here): the security descriptor that
// the tool gives the machine's folders, read back; where the versions of a
// driver-folder file and of another file go; a machine's folder that others
// may change is not used; a link where a folder belongs, made where the
// system lets the test make one.
#include <windows.h>
// Needs windows.h first.
#include <gtest/gtest.h>
#include <sddl.h>

#include <functional>
#include <string>
#include <tuple>

#include "history/history_location.h"
#include "history/history_save.h"
#include "history/win32/history_security_win32.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/file_lock.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string dvf(std::string_view note) {
    return "[DVF]\r\nVersion=2\r\n; " + std::string(note) + "\r\n";
}

LocalTime noon() { return {2024, 6, 1, 12, 0, 0}; }

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? value : L"";
}

std::size_t entriesIn(const fs::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

// The Unix path of a Windows path under Wine; empty elsewhere.
std::wstring unixPath(const fs::path& path) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr) return {};
    char* name = unixName(path.c_str());
    const std::string text = name != nullptr ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return std::wstring(text.begin(), text.end());
}

// Runs a program of the Unix side, as Wine can, and waits until `done`
// holds: Wine may tell that such a program ended before its work shows.
bool runUnixTool(const wchar_t* program, std::wstring command, const std::function<bool()>& done) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 100 && !done(); ++tries) Sleep(50);
    return done();
}

// A folder link at `link` to `target`, for as long as this lives: a
// symbolic link where the system makes one; under Wine, which only pretends
// to, one made on the Unix side. Declared after the scratch folder, it goes
// first: the scratch folder's clean-up would go through it.
class FolderLink {
public:
    FolderLink(fs::path link, const fs::path& target) : link_(std::move(link)) {
        constexpr DWORD kUnprivileged = 0x2;
        if (CreateSymbolicLinkW(link_.c_str(), target.c_str(),
                                SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged) &&
            exists()) {
            return;
        }
        const std::wstring from = unixPath(link_), to = unixPath(target);
        if (!from.empty() && !to.empty()) {
            runUnixTool(L"Z:\\bin\\ln", L"ln -s \"" + to + L"\" \"" + from + L"\"",
                        [this] { return exists(); });
        }
    }
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;
    ~FolderLink() {
        if (!exists()) return;
        // Wine's RemoveDirectoryW would remove the folder the link points to.
        if (const std::wstring unix = unixPath(link_); !unix.empty()) {
            runUnixTool(L"Z:\\bin\\rm", L"rm \"" + unix + L"\"", [this] { return !exists(); });
        } else {
            RemoveDirectoryW(link_.c_str());
        }
        EXPECT_FALSE(exists()) << "the link stays";
    }
    bool exists() const { return GetFileAttributesW(link_.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    fs::path link_;
};

TEST(MachineHistoryWindows, TheDescriptorGivesTheAdministratorsAloneAndIsReadBack) {
    std::vector<BYTE> descriptor = securityDescriptorOf(machineHistoryAccess());
    ASSERT_FALSE(descriptor.empty());
    const PSECURITY_DESCRIPTOR built = descriptor.data();
    ASSERT_TRUE(IsValidSecurityDescriptor(built));
    // The system's own text of it: owned by Administrators (BA), a
    // protected list (P): full control (FA) for Administrators and SYSTEM
    // (SY), read and list for Users (BU) and the owner as such (OW), each
    // handed on to files (OI) and folders (CI) inside.
    LPWSTR text = nullptr;
    ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorW(
        built, SDDL_REVISION_1, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &text,
        nullptr));
    const std::wstring sddl = text;
    LocalFree(text);
    EXPECT_EQ(sddl,
              L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"
              L"(A;OICI;0x1200a9;;;OW)");
    EXPECT_TRUE(isListProtected(built));
    // Read back as the tool reads an existing folder's list.
    const std::optional<AccessList> read = accessListOfDescriptor(built);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->owner, machineHistoryAccess().owner);
    ASSERT_EQ(read->entries.size(), machineHistoryAccess().entries.size());
    for (std::size_t i = 0; i < read->entries.size(); ++i) {
        const AccessEntry& a = read->entries[i];
        const AccessEntry& b = machineHistoryAccess().entries[i];
        EXPECT_EQ(std::tie(a.sid, a.allows, a.inheritOnly, a.inherited, a.mask),
                  std::tie(b.sid, b.allows, b.inheritOnly, b.inherited, b.mask));
    }
    EXPECT_EQ(judgeAccess(*read, OwnerRule::Administrators), AccessVerdict::AdministratorsOnly);
}

TEST(MachineHistoryWindows, DriverFolderFilesAreKeptInProgramDataOtherFilesByTheUser) {
    const HistoryPlaces places = defaultHistoryPlaces();
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const fs::path drivers = fs::path(system) / L"spool" / L"drivers";
    EXPECT_EQ(pathKey(places.driverFolder), pathKey(drivers));
    EXPECT_EQ(pathKey(places.machine.folder()),
              pathKey(fs::path(environment(L"ProgramData")) / L"VXDrvFontTool" / L"history"));
    EXPECT_EQ(places.machine.access, HistoryAccess::MachineWide);
    EXPECT_EQ(pathKey(places.user.folder()),
              pathKey(fs::path(environment(L"LOCALAPPDATA")) / L"VXDrvFontTool" / L"history"));
    EXPECT_EQ(places.user.access, HistoryAccess::Private);

    const FileHistory history(places, noon);
    const fs::path driverFile = drivers / L"x64" / L"3" / L"ALTOD.DVF";
    EXPECT_EQ(pathKey(history.folderOf(driverFile).parent_path()),
              pathKey(places.machine.folder()));
    EXPECT_EQ(history.rootOf(driverFile).access, HistoryAccess::MachineWide);
    test::ScratchDir dir;
    const fs::path copy = dir.withBytes("ALTOD.DVF", dvf("a copy"));
    EXPECT_EQ(pathKey(history.folderOf(copy).parent_path()), pathKey(places.user.folder()));
}

class MachineHistoryFolder : public testing::Test {
protected:
    test::ScratchDir dir;
    const fs::path drivers = dir.path() / "drivers";
    const fs::path driverFile = drivers / "ALTOD.DVF";
    const fs::path machine = dir.path() / "machine";
    FileHistory history{HistoryPlaces{drivers,
                                      {dir.path(), "machine", HistoryAccess::MachineWide},
                                      HistoryRoot::named(dir.path() / "user")},
                        noon};
    void SetUp() override {
        fs::create_directory(drivers);
        test::writeBytes(driverFile, dvf("present"));
    }
};

TEST_F(MachineHistoryFolder, AFolderThatIsNotTheAdministratorsAloneIsNotUsedAndTheSaveGoesOn) {
    // Made without the tool's list: the scratch folder's own, which lets the
    // user who made it change it.
    ASSERT_TRUE(CreateDirectoryW(machine.c_str(), nullptr));
    const HistoryReplace replaced =
        replaceKeepingHistory(driverFile, dvf("present"), "new", &history);
    EXPECT_TRUE(replaced.replaced);
    EXPECT_EQ(test::readBytes(driverFile), "new");
    ASSERT_TRUE(replaced.historyProblem);
    const std::error_code error = replaced.historyProblem->error;
    EXPECT_TRUE(error == HistoryError::OthersMayChange || error == HistoryError::ForeignOwner)
        << error.message();
    EXPECT_EQ(entriesIn(machine), 0u);
    EXPECT_FALSE(fs::exists(dir.path() / "user")) << "not the user's history instead";
}

TEST_F(MachineHistoryFolder, TheFolderTheToolMakesCarriesItsListWhereTheSystemKeepsLists) {
    const FileHistory::Kept kept = history.keep(driverFile, dvf("present"));
    if (underWine()) {
        // Wine keeps no access lists: what it reads back is made from the
        // Unix permissions and names the Unix user, so the folder is refused.
        ASSERT_TRUE(kept.problem);
        EXPECT_TRUE(kept.problem->error == HistoryError::OthersMayChange ||
                    kept.problem->error == HistoryError::ForeignOwner);
        EXPECT_FALSE(kept.added);
        return;
    }
    ASSERT_TRUE(kept.added) << historyReasonJapanese(kept.problem->error);
    HANDLE folder = CreateFileW(machine.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(folder, INVALID_HANDLE_VALUE);
    const std::optional<AccessList> list = accessListOfObject(folder);
    CloseHandle(folder);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->owner, "S-1-5-32-544");
    EXPECT_EQ(judgeAccess(*list, OwnerRule::Administrators), AccessVerdict::AdministratorsOnly);
}

TEST(HistoryLinksWindows, ALinkWhereAFolderBelongsIsNeitherWrittenNorPrunedThrough) {
    test::ScratchDir dir;
    const fs::path elsewhere = dir.path() / "elsewhere";
    fs::create_directory(elsewhere);
    for (int n = 1; n <= 25; ++n) {
        test::writeBytes(elsewhere / ("0000000" + std::to_string(n % 10) + "_2024-05-0" +
                                      std::to_string(n / 10 + 1) + "_10-00-00.dvf"),
                         dvf("mine"));
    }
    const FolderLink link(dir.path() / "history", elsewhere);
    if (!link.exists()) GTEST_SKIP() << "this system lets the test make no folder link";
    const fs::path file = dir.withBytes("ALTOD.DVF", dvf("present"));
    const FileHistory history(dir.path() / "history", noon);
    const HistoryReplace replaced =
        replaceKeepingHistory(file, dvf("present"), dvf("new"), &history);
    EXPECT_TRUE(replaced.replaced);
    ASSERT_TRUE(replaced.historyProblem);
    EXPECT_EQ(replaced.historyProblem->error, HistoryError::Link);
    history.prune(file);
    EXPECT_EQ(entriesIn(elsewhere), 25u);
    const HistoryListing listing = history.list(file);
    ASSERT_TRUE(listing.problem);
    EXPECT_EQ(listing.problem->error, HistoryError::Link);
}

TEST(HistoryLinksWindows, AFolderLinkNamedAsAVersionIsListedAsALink) {
    test::ScratchDir dir;
    const fs::path file = dir.withBytes("ALTOD.DVF", dvf("present"));
    const FileHistory history(dir.path() / "history", noon);
    ASSERT_TRUE(history.keep(file, dvf("kept")).added);
    fs::create_directory(dir.path() / "target");
    const FolderLink link(history.folderOf(file) / "00000005_2024-05-01_10-00-00.dvf",
                          dir.path() / "target");
    if (!link.exists()) GTEST_SKIP() << "this system lets the test make no folder link";
    const HistoryListing listing = history.list(file);
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].unusable, Unusable::Link);
    EXPECT_FALSE(listing.entries[1].unusable);
}

// A driver font file that is a symbolic link is not saved through: the link
// stays, the file it names keeps its bytes, and no version or lock file is
// made. Wine shows a Unix link to a file as a plain file and makes none of
// its own, and Windows makes one only with the right to.
TEST(HistoryLinksWindows, ASaveThroughAFileLinkIsRefused) {
    if (underWine()) GTEST_SKIP() << "Wine shows no link to a file to a Windows program";
    test::ScratchDir dir;
    const fs::path target = dir.withBytes("real.dvf", dvf("real"));
    const fs::path link = dir.path() / "ALTOD.DVF";
    constexpr DWORD kUnprivileged = 0x2;
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(), kUnprivileged)) {
        GTEST_SKIP() << "this user may not make symbolic links";
    }
    ASSERT_TRUE(isSymbolicLink(link));
    EXPECT_FALSE(isSymbolicLink(target));
    FileHistory history(dir.path() / "history", noon);
    SettingsStore store;
    loadDriverFontFile(IniDocument(dvf("real")), store);
    const HistorySave save = saveKeepingHistory(store, link, &history);
    EXPECT_EQ(save.outcome, HistorySaveOutcome::Refused);
    EXPECT_EQ(save.refusal, SaveRefusal::Link);
    EXPECT_EQ(test::readBytes(target), dvf("real"));
    EXPECT_TRUE(isSymbolicLink(link));
    EXPECT_FALSE(fs::exists(dir.path() / "history"));
    EXPECT_FALSE(fs::exists(lockFileOf(link)));
    DeleteFileW(link.c_str());
}

}  // namespace
}  // namespace vx
