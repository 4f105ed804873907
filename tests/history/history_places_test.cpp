// Which history keeps a file's versions (the machine's for the spooler's
// driver folder, the user's for every other file), and the judgement of who
// may change a folder or version of the machine's history.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "history/file_history.h"
#include "history/history_access.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(HistoryPlaces, DriverFolderFilesAreTheMachinesAndEveryOtherTheUsers) {
    const fs::path drivers = fs::path("/sys/spool/drivers");
    const HistoryPlaces places{drivers,
                               {"/pd", "VXDrvFontTool/history", HistoryAccess::MachineWide},
                               {"/home/u", "vxdrvfonttool/history", HistoryAccess::Private}};
    struct Case {
        fs::path file;
        bool machine;
    };
    const Case cases[] = {
        {"/sys/spool/drivers/x64/3/ALTOD.DVF", true},
        {"/sys/spool/drivers/w32x86/3/CORDD.DVF", true},
        {"/sys/spool/drivers/ALTOD.DVF", true},
        {"/sys/spool/drivers2/x64/3/ALTOD.DVF", false},  // a folder beside it
        {"/sys/spool/ALTOD.DVF", false},
        {"/home/u/ALTOD.DVF", false},
#ifdef _WIN32
        {"/SYS/Spool/DRIVERS/x64/3/altod.dvf", true},  // names ignore letter case
#endif
    };
    for (const Case& c : cases) {
        EXPECT_EQ(historyRootFor(c.file, places).folder(),
                  c.machine ? fs::path("/pd/VXDrvFontTool/history")
                            : fs::path("/home/u/vxdrvfonttool/history"))
            << c.file;
    }
    // Without a machine's history, the user keeps them all.
    const HistoryPlaces userOnly{drivers, {}, places.user};
    EXPECT_EQ(&historyRootFor(cases[0].file, userOnly), &userOnly.user);
}

#ifndef _WIN32
TEST(HistoryPlaces, AFileNamedThroughALinkToTheDriverFolderIsTheMachines) {
    test::ScratchDir dir;
    const fs::path drivers = dir.path() / "spool" / "drivers";
    fs::create_directories(drivers / "x64" / "3");
    fs::create_directory_symlink(drivers, dir.path() / "shortcut");
    const FileHistory history(HistoryPlaces{resolvedPath(drivers),
                                            {dir.path(), "machine", HistoryAccess::MachineWide},
                                            HistoryRoot::named(dir.path() / "user")},
                              [] { return LocalTime{}; });
    const fs::path direct = drivers / "x64" / "3" / "ALTOD.DVF";
    const fs::path linked = dir.path() / "shortcut" / "x64" / "3" / "ALTOD.DVF";
    EXPECT_EQ(history.folderOf(linked), history.folderOf(direct));
    EXPECT_EQ(history.folderOf(direct).parent_path(), dir.path() / "machine");
    EXPECT_EQ(history.folderOf(dir.path() / "ALTOD.DVF").parent_path(), dir.path() / "user");
}
#endif

TEST(HistoryAccess, OnlyWhatTheAdministratorsAloneMayChangeIsTrusted) {
    const std::string administrators = "S-1-5-32-544", system = "S-1-5-18", users = "S-1-5-32-545",
                      user = "S-1-5-21-11-22-33-1001", everyone = "S-1-1-0",
                      creatorOwner = "S-1-3-0", ownerRights = "S-1-3-4";
    const AccessEntry adminsFull{administrators, true, false, true, 0x1F01FF};
    const AccessEntry systemFull{system, true, false, true, 0x1F01FF};
    auto allow = [](std::string sid, std::uint32_t mask) {
        return AccessEntry{std::move(sid), true, false, true, mask};
    };
    struct Case {
        const char* what;
        AccessList list;
        OwnerRule rule;
        AccessVerdict verdict;
    };
    const OwnerRule folder = OwnerRule::Administrators;
    const OwnerRule version = OwnerRule::AdministratorsOrOwnerRights;
    const Case cases[] = {
        {"the administrators' own",
         {administrators, true, {adminsFull, systemFull, allow(users, 0x1200A9)}},
         folder,
         AccessVerdict::AdministratorsOnly},
        {"owned by SYSTEM",
         {system, true, {adminsFull, systemFull}},
         folder,
         AccessVerdict::AdministratorsOnly},
        {"a user who may read",
         {administrators, true, {adminsFull, allow(user, 0x120089)}},
         folder,
         AccessVerdict::AdministratorsOnly},
        {"users may add files",
         {administrators, true, {adminsFull, allow(users, 0x1200A9 | 0x2)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"users may add folders",
         {administrators, true, {adminsFull, allow(users, 0x4)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"users may delete what is inside",
         {administrators, true, {adminsFull, allow(users, 0x40)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"users may change attributes",
         {administrators, true, {adminsFull, allow(users, 0x100)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"a user may change the list",
         {administrators, true, {adminsFull, allow(user, 0x40000)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"a user may take it over",
         {administrators, true, {adminsFull, allow(user, 0x80000)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"a user may delete it",
         {administrators, true, {adminsFull, allow(user, 0x10000)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"everyone: generic all",
         {administrators, true, {allow(everyone, 0x10000000)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"everyone: generic write",
         {administrators, true, {allow(everyone, 0x40000000)}},
         folder,
         AccessVerdict::OthersMayChange},
        {"the creator of what is made inside: full",
         {administrators, true, {adminsFull, {creatorOwner, true, true, true, 0x1F01FF}}},
         folder,
         AccessVerdict::OthersMayChange},
        {"a denial of everything to everyone",
         {administrators, true, {{everyone, false, false, true, 0x1F01FF}, adminsFull}},
         folder,
         AccessVerdict::AdministratorsOnly},
        {"no list at all", {administrators, false, {}}, folder, AccessVerdict::OthersMayChange},
        {"an empty list", {administrators, true, {}}, folder, AccessVerdict::AdministratorsOnly},
        {"a folder owned by a user",
         {user, true, {adminsFull, systemFull}},
         folder,
         AccessVerdict::ForeignOwner},
        {"a folder owned by a user, owner rights read",
         {user, true, {adminsFull, allow(ownerRights, 0x1200A9)}},
         folder,
         AccessVerdict::ForeignOwner},
        {"a version owned by a user, owner rights read",
         {user, true, {adminsFull, allow(ownerRights, 0x1200A9)}},
         version,
         AccessVerdict::AdministratorsOnly},
        {"a version owned by a user, owner rights only inside",
         {user, true, {adminsFull, {ownerRights, true, true, true, 0x1200A9}}},
         version,
         AccessVerdict::ForeignOwner},
        {"a version owned by a user",
         {user, true, {adminsFull}},
         version,
         AccessVerdict::ForeignOwner},
        {"owner rights that change the list",
         {administrators, true, {adminsFull, allow(ownerRights, 0x40000)}},
         version,
         AccessVerdict::OthersMayChange},
    };
    for (const Case& c : cases) EXPECT_EQ(judgeAccess(c.list, c.rule), c.verdict) << c.what;
}

TEST(HistoryAccess, TheToolsListIsFullControlForAdministratorsAndSystemAndReadForUsers) {
    const AccessList& list = machineHistoryAccess();
    EXPECT_EQ(list.owner, "S-1-5-32-544");
    EXPECT_TRUE(list.present);
    using Row = std::tuple<std::string, bool, bool, bool, std::uint32_t>;
    std::set<Row> rows;
    for (const AccessEntry& entry : list.entries) {
        rows.emplace(entry.sid, entry.allows, entry.inheritOnly, entry.inherited, entry.mask);
    }
    EXPECT_EQ(rows, (std::set<Row>{{"S-1-5-32-544", true, false, true, 0x1F01FF},
                                   {"S-1-5-18", true, false, true, 0x1F01FF},
                                   {"S-1-5-32-545", true, false, true, 0x1200A9},
                                   {"S-1-3-4", true, false, true, 0x1200A9}}));
    EXPECT_EQ(judgeAccess(list, OwnerRule::Administrators), AccessVerdict::AdministratorsOnly);
}

}  // namespace
}  // namespace vx
