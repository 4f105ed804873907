#include "app/main_window_logic.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <utility>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/file_lock.h"
#include "settings/file_messages.h"
#include "settings/font_names.h"
#include "tests/settings/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vx {
namespace {

using namespace main_window_text;

struct Shown {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
};

// Answers message boxes from a script and records what was shown.
class ScriptedMessages : public MessageBoxes {
public:
    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
    MessageAnswer show(std::string_view text, MessageButtons buttons, MessageIcon icon) override {
        shown.push_back({std::string(text), buttons, icon});
        if (answers.empty())
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown) out.push_back(s.text);
        return out;
    }
};

class FakeChooser : public PrinterChooser {
public:
    std::optional<std::string> answer;
    std::vector<std::string> currentNames;
    std::optional<std::string> choose(const std::string& current) override {
        currentNames.push_back(current);
        return answer;
    }
};

class FakeView : public MainWindowView {
public:
    std::string status;
    int tab = 0, shownPage = 0, focusedPage = -1;
    bool tabFocused = false, closed = false;
    void showPrinterName(const std::string& name) override { status = name; }
    void selectTab(int page) override { tab = page; }
    bool tabControlHasFocus() const override { return tabFocused; }
    void focusPage(int page) override { focusedPage = page; }
    void close() override { closed = true; }
    // Each page made whole and each page shown, and where in the pages' log
    // that came.
    const std::vector<std::string>* pageLog = nullptr;
    std::vector<std::pair<int, std::size_t>> completedAt, shownAt;
    void completePage(int page) override { completedAt.emplace_back(page, pageLog->size()); }
    void showOnlyPage(int page) override {
        shownPage = page;
        shownAt.emplace_back(page, pageLog->size());
    }
};

using PageMoments = std::vector<std::pair<int, std::size_t>>;
using Log = std::vector<std::string>;

class FakeHelp : public HelpViewer {
public:
    bool opens = true;
    std::filesystem::path opened;
    bool show(const std::filesystem::path& file) override {
        opened = file;
        return opens;
    }
};

class FakeLabelPrinter : public LabelPrinter {
public:
    std::optional<int> resolution = 305;
    std::vector<std::pair<std::string, int>> printed;
    std::string askedFor;
    std::optional<int> verticalResolution(const std::string& name) override {
        askedFor = name;
        return resolution;
    }
    bool printTestLabel(const std::string& name, int factor) override {
        printed.emplace_back(name, factor);
        return true;
    }
};

// Records the calls the window makes on a page, in one shared log.
class FakePage : public SettingPage {
public:
    FakePage(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    void resetAndShow() override {
        log_.push_back("reset " + name_);
        edited = false;
    }
    void storeCurrent() override { log_.push_back("store " + name_); }
    void storeCurrentInto(SettingsStore& copy) override {
        log_.push_back("describe " + name_);
        if (describe) describe(copy);
    }
    // What the page's controls show beyond the store.
    std::function<void(SettingsStore&)> describe;
    // Edits the page holds; a save accepts them (not in the log).
    bool edited = false;
    bool holdsEdits() override { return edited; }
    void acceptEdits() override { edited = false; }
    void create() override {}
    void onListChanged(int) override {}
    void onListOpened(int) override {}
    void onListLostFocus(int) override {}
    void onClicked(int) override {}
    void onEditLostFocus(int) override {}

private:
    std::string name_;
    std::vector<std::string>& log_;
};

std::string readAll(const std::filesystem::path& path) {
    return readFileBytes(path).value_or("<missing>");
}

void writeAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class MainWindowLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vx_main_logic_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = dir / "ALTOD.DVF";
        writeAll(file, "[DVF]\r\nVersion=2.000\r\n");
        location = {LocateOutcome::Located, cp932("ZEL Vextora Alto"), file};
        chooser.answer = "Label printer";
        view.pageLog = &log;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    MainWindowLogic makeLogic() {
        return MainWindowLogic(
            store, {&page1D, &page2D, &pageFont}, view, messages, chooser,
            [this](const std::string& name) {
                locatedNames.push_back(name);
                return location;
            },
            help, printer);
    }

    std::filesystem::path dir, file;
    SettingsStore store;
    std::vector<std::string> log;
    FakePage page1D{"1D", log}, page2D{"2D", log}, pageFont{"font", log};
    FakeView view;
    ScriptedMessages messages;
    FakeChooser chooser;
    FakeHelp help;
    FakeLabelPrinter printer;
    LocateResult location;
    std::vector<std::string> locatedNames;
};

TEST_F(MainWindowLogicTest, StartUpBindsThePrinterAndShowsThe1DPageWholeAndFilled) {
    writeAll(file, cp932("[DVF]\r\nVersion=2\r\n[ZELバーコード01]\r\nFontType=104\r\n"));
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.status, "Label printer");
    EXPECT_EQ(logic.driverName(), "ZEL Vextora Alto");
    EXPECT_EQ(logic.driverFontFilePath(), file);
    // Made whole, then filled, then shown: all before the window shows.
    EXPECT_EQ(log, Log{"reset 1D"});
    EXPECT_EQ(view.completedAt, (PageMoments{{0, 0}}));
    EXPECT_EQ(view.shownAt, (PageMoments{{0, 1}}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowLogicTest, APageIsMadeWholeAndFilledWhenItFirstComesToTheFrontAfterALoad) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    logic.selectPage(PageKind::CharacterFont);
    logic.selectPage(PageKind::Barcode);
    logic.selectPage(PageKind::CharacterFont, /*fromTab=*/true);
    EXPECT_EQ(log, (Log{"reset 1D", "reset font"}));
    EXPECT_EQ(view.completedAt, (PageMoments{{0, 0}, {2, 1}}));
    EXPECT_EQ(view.shownAt, (PageMoments{{0, 1}, {2, 2}, {0, 2}, {2, 2}}));

    // A printer chosen again fills the page in front; the others wait for
    // their turn again.
    log.clear();
    logic.choosePrinterDriver();
    EXPECT_EQ(log, Log{"reset font"});
    EXPECT_EQ(view.shownPage, 2);
    logic.selectPage(PageKind::Code2D);
    logic.selectPage(PageKind::Barcode);
    EXPECT_EQ(log, (Log{"reset font", "reset 2D", "reset 1D"}));
}

TEST_F(MainWindowLogicTest, SavingStoresOnlyThePagesFilledSinceTheLoad) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    logic.selectPage(PageKind::Code2D);
    logic.selectPage(PageKind::Barcode);
    // Another printer: the hidden 2D page still shows the first printer's
    // font, which must not reach the second printer's file.
    logic.choosePrinterDriver();
    log.clear();
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    EXPECT_EQ(log, Log{"store 1D"});
}

TEST_F(MainWindowLogicTest, FatalBindingOutcomesEndTheWindowWithTheirMessage) {
    struct Case {
        const char* name;
        LocateOutcome outcome;
        std::string fileBytes;
        std::string_view message;
    };
    const Case cases[] = {
        {"unavailable", LocateOutcome::PrinterUnavailable, "[DVF]\r\nVersion=2\r\n",
         kNoDriverFontFile},
        {"no file", LocateOutcome::NoDriverFontFile, "[DVF]\r\nVersion=2\r\n", kNoDriverFontFile},
        {"old version", LocateOutcome::Located, "[DVF]\r\nVersion=1.999\r\n", kVersionMismatch},
        {"no version", LocateOutcome::Located, cp932("[ZEL文字フォント01]\r\nFontType=2\r\n"),
         kVersionMismatch},
        // The names left in UTF-8, as an editor saves the file by default.
        {"saved as UTF-8", LocateOutcome::Located,
         "[DVF]\r\nVersion=2\r\n[ZEL文字フォント01]\r\nFontType=2\r\n", kSavedAsUtf8},
        {"larger than 16 MiB", LocateOutcome::Located,
         "[DVF]\r\nVersion=2\r\n;" + std::string(kMaxFileBytes, 'x') + "\r\n", kNoDriverFontFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(file, c.fileBytes);
        location.outcome = c.outcome;
        view = FakeView();
        view.pageLog = &log;
        messages.shown.clear();
        log.clear();
        MainWindowLogic logic = makeLogic();
        logic.initialise();
        EXPECT_TRUE(view.closed);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
        EXPECT_TRUE(log.empty());  // nothing was loaded
    }
}

TEST_F(MainWindowLogicTest, CancellingTheFirstSelectionEndsButALaterCancelKeepsEverything) {
    chooser.answer.reset();
    MainWindowLogic first = makeLogic();
    first.initialise();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(locatedNames.empty());
    EXPECT_TRUE(view.completedAt.empty());  // the tool ends without needing its pages
    chooser.currentNames.clear();

    view = FakeView();
    view.pageLog = &log;
    chooser.answer = "Label printer";
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    log.clear();
    chooser.answer.reset();
    logic.choosePrinterDriver();
    EXPECT_FALSE(view.closed);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(logic.printerName(), "Label printer");
    // The running selection pre-selects the bound printer.
    EXPECT_EQ(chooser.currentNames, (std::vector<std::string>{"", "Label printer"}));
}

TEST_F(MainWindowLogicTest, UnreadablePrinterInformationAtStartOpensWithFactoryStateAndNoFile) {
    location = {LocateOutcome::PrinterInfoUnreadable, std::nullopt, {}};
    store.barcodes[2].typeName = "garbage";
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    EXPECT_FALSE(view.closed);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store.barcodes[2].typeName, barcodeTypeName(2));  // factory state
    EXPECT_EQ(log, Log{"reset 1D"});
    // Saving has no file to go to: it fails and creates nothing.
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Failed);
    EXPECT_EQ(messages.shown.back().text, kSaveFailedMessage);
    EXPECT_EQ(messages.shown.back().icon, MessageIcon::Exclamation);
}

TEST_F(MainWindowLogicTest, SaveAsksStoresThePagesInOrderAndWritesTheFile) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    logic.selectPage(PageKind::CharacterFont);
    logic.selectPage(PageKind::Code2D);
    log.clear();
    store.fonts[0].originX = "0123";
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    EXPECT_EQ(log, (std::vector<std::string>{"store 1D", "store 2D", "store font"}));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{std::string(kConfirmSave), std::string(kSavedMessage)}));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::None);
    EXPECT_NE(readAll(file).find("PCpb1pb2pb3pb4=0123"), std::string::npos);
}

TEST_F(MainWindowLogicTest, DeclinedSaveTouchesNothing) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    log.clear();
    const std::string before = readAll(file);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Declined);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(readAll(file), before);
}

TEST_F(MainWindowLogicTest, ExitPromptPaths) {
    struct Case {
        const char* name;
        std::deque<MessageAnswer> answers;
        bool readOnly;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"no", {MessageAnswer::No}, false, true, false},
        {"cancel", {MessageAnswer::Cancel}, false, false, false},
        {"yes then ok", {MessageAnswer::Yes, MessageAnswer::Ok}, false, true, true},
        // Yes, then Cancel in the save question: ends without saving.
        {"yes then cancel", {MessageAnswer::Yes, MessageAnswer::Cancel}, false, true, false},
        // A failed save keeps the window, so that the edits are not lost.
        {"yes then failure", {MessageAnswer::Yes, MessageAnswer::Ok}, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(file, "[DVF]\r\nVersion=2\r\n");
        view = FakeView();
        view.pageLog = &log;
        MainWindowLogic logic = makeLogic();
        logic.initialise();
        messages.shown.clear();
        messages.answers = c.answers;
        if (c.readOnly) {
            std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        }
        logic.confirmExit();
        if (c.readOnly) {
            std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
        EXPECT_EQ(view.closed, c.closes);
        EXPECT_EQ(messages.shown[0].text, kConfirmExit);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(readAll(file).find("FontType") != std::string::npos, c.saved);
    }
}

TEST_F(MainWindowLogicTest, ChoosingAnotherPrinterWithoutEditsReplacesSettingsWithoutAsking) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    store.fonts[3].originX = "0999";  // an unsaved edit
    const std::filesystem::path other = dir / "CORDD.DVF";
    writeAll(other, "[DVF]\r\nVersion=3\r\n");
    location = {LocateOutcome::Located, cp932("ZEL Vextora Corda"), other};
    chooser.answer = "調剤ラベル";
    logic.choosePrinterDriver();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store.fonts[3].originX, "default");
    EXPECT_EQ(view.status, "調剤ラベル");
    EXPECT_EQ(logic.driverFontFilePath(), other);
}

TEST_F(MainWindowLogicTest, PageSelectionMovesFocusOnlyWhenTheTabsDoNotHaveIt) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    log.clear();
    logic.selectPage(PageKind::CharacterFont);
    EXPECT_EQ(view.tab, 2);
    EXPECT_EQ(view.shownPage, 2);
    EXPECT_EQ(view.focusedPage, 2);

    view = FakeView();
    view.pageLog = &log;
    view.tabFocused = true;
    view.tab = 1;
    logic.selectPage(PageKind::Code2D, /*fromTab=*/true);
    EXPECT_EQ(view.shownPage, 1);
    EXPECT_EQ(view.focusedPage, -1);
    // Each page is filled when it first shows; switching stores nothing.
    EXPECT_EQ(log, (Log{"reset font", "reset 2D"}));
}

TEST_F(MainWindowLogicTest, HelpThatDoesNotOpenIsReported) {
    MainWindowLogic logic = makeLogic();
    logic.setHelpFile(dir / "VXDrvFontTool.chm");
    logic.openHelp();
    EXPECT_EQ(help.opened, dir / "VXDrvFontTool.chm");
    EXPECT_TRUE(messages.shown.empty());
    help.opens = false;
    logic.openHelp();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kHelpNotFound);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(MainWindowLogicTest, FactorySettingsReplaceTheStoreOnlyAfterOk) {
    writeAll(file, cp932("[DVF]\r\nVersion=2\r\n[ZELバーコード01]\r\nFontType=104\r\n"));
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    const std::string before = readAll(file);
    log.clear();
    messages.answers = {MessageAnswer::Cancel};
    logic.factorySettings();
    EXPECT_EQ(store.barcodes[0].typeIndex, 3);
    EXPECT_TRUE(log.empty());

    messages.shown.clear();
    messages.answers = {MessageAnswer::Ok};
    logic.selectPage(PageKind::CharacterFont);
    log.clear();
    logic.factorySettings();
    EXPECT_EQ(store.barcodes[0].typeIndex, 0);  // factory: Codabar
    // The 1D page comes to the front with the factory state; the others
    // show it when they next come to the front.
    EXPECT_EQ(log, Log{"reset 1D"});
    EXPECT_EQ(view.tab, 0);
    EXPECT_EQ(view.shownPage, 0);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{std::string(kConfirmFactory), std::string(kFactoryShown)}));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(readAll(file), before);  // nothing written until the user saves
    logic.selectPage(PageKind::CharacterFont);
    EXPECT_EQ(log, (Log{"reset 1D", "reset font"}));
}

TEST_F(MainWindowLogicTest, TestPrintScalesByResolutionAndAddressesThePrinterByName) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    struct Case {
        std::optional<int> resolution;
        MessageAnswer answer;
        std::vector<std::pair<std::string, int>> printed;
        std::size_t messages;
    };
    const Case cases[] = {
        {305, MessageAnswer::Ok, {{"Label printer", 1}}, 1},
        {300, MessageAnswer::Ok, {{"Label printer", 2}}, 1},
        {305, MessageAnswer::Cancel, {}, 1},
        {std::nullopt, MessageAnswer::Ok, {}, 0},  // no printer information: nothing, silently
    };
    for (const Case& c : cases) {
        printer.printed.clear();
        printer.resolution = c.resolution;
        messages.shown.clear();
        messages.answers = {c.answer};
        logic.testPrint();
        EXPECT_EQ(printer.askedFor, "Label printer");
        EXPECT_EQ(printer.printed, c.printed);
        ASSERT_EQ(messages.shown.size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(messages.shown[0].text, kConfirmTestPrint);
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
        }
    }
}

// ---- Earlier versions, and a file someone else saved ----

// Answers from a script; records the rows offered and each row's comparison.
class FakeVersionChooser : public VersionChooser {
public:
    std::optional<std::size_t> answer;
    std::vector<VersionRow> rows;
    std::vector<std::vector<DifferenceRow>> differences;
    std::optional<std::size_t> choose(const HistoryRestore& offer) override {
        rows = offer.rows();
        differences.clear();
        for (std::size_t i = 0; i < rows.size(); ++i) differences.push_back(offer.differences(i));
        return answer;
    }
};

class HistoryLogicTest : public MainWindowLogicTest {
protected:
    // Binds the file and forgets what that showed and logged.
    void open(MainWindowLogic& logic) {
        writeAll(file, loaded);
        logic.setHistoryRoot(dir / "history", clock);
        logic.setVersionChooser(&versions);
        logic.initialise();
        log.clear();
        messages.shown.clear();
    }
    std::vector<std::string> kept() const {
        std::vector<std::string> bytes;
        for (const HistoryVersion& version : FileHistory(dir / "history", clock).versions(file)) {
            bytes.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        return bytes;
    }
    static std::string withOriginX(const char* value) {
        return cp932("[DVF]\r\nVersion=2\r\n[ZEL文字フォント03]\r\nFontType=3\r\nPCpb1pb2pb3pb4=") +
               value + "\r\n";
    }
    static LocalTime clock() { return {2024, 5, 1, 10, 30, 0}; }

    const std::string loaded = withOriginX("0010");
    FakeVersionChooser versions;
};

TEST_F(HistoryLogicTest, SomeoneElsesSaveIsNotOverwrittenWithoutAsking) {
    const std::string theirs = withOriginX("0555") + "; their comment\r\n";
    struct Case {
        MessageAnswer answer;
        SaveCommandResult result;
        std::string_view lastMessage;
        std::string originXShown;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {MessageAnswer::Yes, SaveCommandResult::Saved, kSavedMessage, "0777", {theirs}},
        {MessageAnswer::No, SaveCommandResult::Declined, history_text::kReloaded, "0555", {}},
        {MessageAnswer::Cancel,
         SaveCommandResult::Withheld,
         history_text::kChangedMeanwhile,
         "0777",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        std::filesystem::remove_all(dir / "history");
        MainWindowLogic logic = makeLogic();
        open(logic);
        store.fonts[2].originX = "0777";
        writeAll(file, theirs);  // behind the window's back
        messages.answers = {MessageAnswer::Ok, c.answer};
        EXPECT_EQ(logic.saveSettings(), c.result);
        ASSERT_GE(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[1].text, history_text::kChangedMeanwhile);
        EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages.shown.back().text, c.lastMessage);
        EXPECT_EQ(store.fonts[2].originX, c.originXShown);
        const std::string after = readAll(file);
        EXPECT_EQ(after == theirs, c.answer != MessageAnswer::Yes);
        EXPECT_NE(after.find("; their comment"), std::string::npos);
        EXPECT_EQ(kept(), c.kept);
        // Only the page in front was filled: it alone is stored, and
        // loading again fills it with their settings.
        EXPECT_EQ(log.size(), c.answer == MessageAnswer::No ? 2u : 1u);
        // After overwriting or loading again the window knows the file: no question.
        if (c.answer != MessageAnswer::Cancel) {
            messages.shown.clear();
            messages.answers = {MessageAnswer::Ok};
            EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
            EXPECT_EQ(messages.shown.size(), 2u);
        }
    }
}

TEST_F(HistoryLogicTest, CancellingTheQuestionAtTheExitKeepsTheWindowOpen) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    writeAll(file, withOriginX("0555"));
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Cancel};
    logic.confirmExit();
    EXPECT_FALSE(view.closed);
}

TEST_F(HistoryLogicTest, AVersionThatCannotBeKeptIsToldAfterTheSavedMessage) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    writeAll(dir / "history", "a file where the folder belongs");
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    // The folder refused, not the file's own folder below it, which is not there.
    const std::u8string folder = (dir / "history").u8string();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  std::string(kConfirmSave), std::string(kSavedMessage),
                  "保存する前の設定ファイルを以前の設定に残せませんでした。\nフォルダ： " +
                      std::string(folder.begin(), folder.end()) +
                      "\n理由： フォルダの場所に同じ名前のファイルがあります"}));
    EXPECT_EQ(messages.shown[2].icon, MessageIcon::Exclamation);
}

TEST_F(HistoryLogicTest, AChosenVersionIsShownUnsavedAndComparedWithWhatIsShown) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    logic.restoreFromHistory();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{std::string(history_text::kNoVersions)}));
    EXPECT_TRUE(versions.rows.empty());

    FileHistory history(dir / "history", clock);
    history.keep(file, withOriginX("0100"));
    history.keep(file, "[DVF]\r\nVersion=1.000\r\n");  // a layout version not accepted
    messages.shown.clear();
    log.clear();
    versions.answer = 1;
    logic.restoreFromHistory();
    ASSERT_EQ(versions.rows.size(), 2u);
    EXPECT_EQ(versions.rows[0].time, "2024-05-01 10:30:00");
    EXPECT_EQ(versions.rows[0].size, "22 バイト");
    EXPECT_EQ(byteCountText(1234567), "1,234,567 バイト");
    EXPECT_EQ(versions.rows[0].difference, "読めません");
    EXPECT_EQ(versions.rows[1].difference, "1 フォント");
    ASSERT_EQ(versions.differences[1].size(), 1u);
    const DifferenceRow& row = versions.differences[1][0];
    EXPECT_EQ(row.font + " " + row.field + " " + row.then + " " + row.now,
              "ZEL文字フォント03 基点X座標 (originX) 100 x0.1mm 10 x0.1mm");
    EXPECT_EQ(store.fonts[2].originX, "0100");
    // Only the page in front was filled: it alone is stored, then shows the
    // version.
    EXPECT_EQ(log, (std::vector<std::string>{"store 1D", "reset 1D"}));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{std::string(history_text::kVersionShown)}));
    EXPECT_EQ(readAll(file), loaded) << "nothing is written until the user saves";

    messages.shown.clear();
    versions.answer = 0;  // the version that cannot be read
    logic.restoreFromHistory();
    EXPECT_EQ(versions.rows[1].difference, "違いなし");
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{std::string(history_text::kVersionUnreadable)}));
    EXPECT_EQ(store.fonts[2].originX, "0100");
}

TEST_F(HistoryLogicTest, APlantedFileIsListedButNeverLoaded) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    FileHistory history(dir / "history", clock);
    history.keep(file, withOriginX("0100"));
    // Settings that some other program put there, under a name of its own.
    writeAll(history.folderOf(file) / "settings.dvf", withOriginX("0999"));
    versions.answer = 1;
    logic.restoreFromHistory();
    ASSERT_EQ(versions.rows.size(), 2u);
    EXPECT_EQ(versions.rows[0].difference, "1 フォント");
    EXPECT_EQ(versions.rows[1].time, "settings.dvf");
    EXPECT_EQ(versions.rows[1].difference, "使えません（別のファイル）");
    EXPECT_TRUE(versions.differences[1].empty());
    EXPECT_EQ(
        messages.texts(),
        (std::vector<std::string>{
            "この以前の設定は使えません。\n理由： このツールが残したファイルではありません"}));
    EXPECT_EQ(store.fonts[2].originX, "0010");
}

TEST_F(HistoryLogicTest, AHistoryFolderThatCannotBeUsedIsToldInsteadOfTheList) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    writeAll(dir / "history", "a file where the folder belongs");
    logic.restoreFromHistory();
    const std::u8string folder = (dir / "history").u8string();  // the folder refused
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"以前の設定のフォルダを使えません。\nフォルダ： " +
                                        std::string(folder.begin(), folder.end()) +
                                        "\n理由： フォルダの場所に同じ名前のファイルがあります"}));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(versions.rows.empty()) << "no list is shown";
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Another printer chosen while the pages hold edits: はい saves first, いいえ
// discards them, キャンセル keeps the binding and the edits. A save that
// does not happen keeps them too.
TEST_F(MainWindowLogicTest, AnotherPrinterAsksFirstWhenEditsAreUnsaved) {
    const std::string kNone;
    struct Case {
        const char* name;
        bool pageEdited;      // a page holds an edit
        bool factory;         // the factory settings were shown, unsaved
        bool otherHoldsLock;  // another program is saving the file
        bool readOnly;        // the file cannot be replaced
        std::deque<MessageAnswer> answers;
        std::vector<std::string> messages;
        bool rebound;
        bool saved;
    };
    const std::string rebind(kConfirmRebind), saved(kSavedMessage), failed(kSaveFailedMessage),
        elsewhere(kSavingElsewhereText);
    const std::vector<Case> cases = {
        {"no edit", false, false, false, false, {}, {}, true, false},
        {"cancel", true, false, false, false, {MessageAnswer::Cancel}, {rebind}, false, false},
        {"no", true, false, false, false, {MessageAnswer::No}, {rebind}, true, false},
        {"yes", true, false, false, false, {MessageAnswer::Yes}, {rebind, saved}, true, true},
        {"factory settings unsaved",
         false,
         true,
         false,
         false,
         {MessageAnswer::Cancel},
         {rebind},
         false,
         false},
        {"yes, the save fails",
         true,
         false,
         false,
         true,
         {MessageAnswer::Yes},
         {rebind, failed},
         false,
         false},
        {"yes, another program saves",
         true,
         false,
         true,
         false,
         {MessageAnswer::Yes},
         {rebind, elsewhere},
         false,
         false},
    };
    const std::filesystem::path other = dir / "CORDD.DVF";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(file, "[DVF]\r\nVersion=2\r\n");
        writeAll(other, "[DVF]\r\nVersion=3\r\n");
        location = {LocateOutcome::Located, cp932("ZEL Vextora Alto"), file};
        chooser.answer = "Label printer";
        page1D.edited = false;
        MainWindowLogic logic = makeLogic();
        logic.initialise();
        if (c.factory) {
            messages.answers = {MessageAnswer::Ok};
            logic.factorySettings();
        }
        page1D.edited = c.pageEdited;
        messages.shown.clear();
        messages.answers = c.answers;
        log.clear();
        if (c.readOnly) test::makeReadOnly(file);
        std::optional<FileLock> held;
        if (c.otherHoldsLock) held.emplace(FileLock::acquire(file));
        location = {LocateOutcome::Located, cp932("ZEL Vextora Corda"), other};
        chooser.answer = "調剤ラベル";
        logic.choosePrinterDriver();
        held.reset();
        test::makeWritable(file);

        EXPECT_EQ(messages.texts(), c.messages);
        if (!c.messages.empty()) {
            EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(logic.driverFontFilePath(), c.rebound ? other : file);
        EXPECT_EQ(view.status, c.rebound ? "調剤ラベル" : "Label printer");
        // Only a new binding fills the page anew; one that stays keeps its edits.
        EXPECT_EQ(std::count(log.begin(), log.end(), "reset 1D"), c.rebound ? 1 : 0);
        EXPECT_EQ(page1D.edited, c.pageEdited && !c.rebound);
        EXPECT_EQ(readAll(file).find("FontType") != std::string::npos, c.saved);
        EXPECT_FALSE(view.closed);
    }
}

// The save command while another program holds the file: nothing written,
// the window says why, and the exit prompt keeps the window open.
TEST_F(MainWindowLogicTest, ASaveHeldOffByAnotherProgramSaysSoAndKeepsTheWindow) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    const std::string before = readAll(file);
    const FileLock held = FileLock::acquire(file);
    ASSERT_TRUE(held.held());
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Failed);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{std::string(kConfirmSave),
                                                          std::string(kSavingElsewhereText)}));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    logic.confirmExit();
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(readAll(file), before);
}

#ifndef _WIN32
// What stands in the way of the window's save is told, nothing written:
// the bound file is a link, or a pipe stands at its lock file's name.
TEST_F(MainWindowLogicTest, ASaveRefusedForWhatStandsInItsWayTellsWhy) {
    struct Case {
        const char* what;
        std::function<void()> plant;
        std::string message;
    };
    const std::filesystem::path real = dir / "real.dvf";
    const std::vector<Case> cases = {
        {"a link",
         [&] {
             std::filesystem::rename(file, real);
             std::filesystem::create_symlink(real, file);
         },
         std::string(kLinkRefusedText)},
        {"a pipe at the lock file",
         [&] { ASSERT_EQ(::mkfifo(lockFileOf(file).c_str(), 0600), 0); },
         "ロックファイルの場所 " + file.string() + ".lock にファイルではないもの"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(file, readAll(file));
        MainWindowLogic logic = makeLogic();
        logic.initialise();
        c.plant();
        const std::string before = readAll(file);
        messages.shown.clear();
        messages.answers = {MessageAnswer::Ok};
        EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Failed);
        ASSERT_EQ(messages.texts().size(), 2u);
        EXPECT_EQ(messages.texts()[1].substr(0, c.message.size()), c.message);
        EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
        EXPECT_EQ(readAll(file), before);
        std::filesystem::remove(lockFileOf(file));
        if (std::filesystem::is_symlink(file)) {
            std::filesystem::remove(file);
            std::filesystem::rename(real, file);
        }
    }
}
#endif

// A file that someone re-saved in UTF-8 after the window loaded it is not
// saved into: the window says how the file must be saved and keeps the edits.
TEST_F(HistoryLogicTest, AFileResavedAsUtf8IsNotSavedInto) {
    MainWindowLogic logic = makeLogic();
    open(logic);
    const std::string utf8 = utf8FromCp932(loaded);
    writeAll(file, utf8);
    messages.answers = {MessageAnswer::Ok, MessageAnswer::Yes};  // save, then overwrite theirs
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Failed);
    EXPECT_EQ(messages.texts().back(), std::string(kSavedAsUtf8Text));
    EXPECT_EQ(readAll(file), utf8);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Memory that runs out in the middle of a save (here while the version is
// kept, under the file's lock) escapes the command to the window, which
// tells it; the file is untouched and the lock let go.
TEST_F(MainWindowLogicTest, MemoryExhaustedInASaveLeavesTheFileAndLetsTheLockGo) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    const std::string before = readAll(file);
    bool exhausted = true;
    logic.setHistoryRoot(dir / "history", [&]() -> LocalTime {
        if (exhausted) throw std::bad_alloc();
        return {2024, 5, 1, 10, 30, 0};
    });
    messages.answers = {MessageAnswer::Ok};
    EXPECT_THROW(logic.saveSettings(), std::bad_alloc);
    EXPECT_EQ(readAll(file), before);
    EXPECT_FALSE(std::filesystem::exists(lockFileOf(file)));
    exhausted = false;
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    EXPECT_NE(readAll(file), before);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Hands out one prepared file name and records what the browser opened.
class FakeSheetPorts : public SheetPorts {
public:
    std::filesystem::path file;
    std::vector<std::filesystem::path> opened;
    std::optional<SheetChoice> chooseSheetFile(const std::string&) override {
        return SheetChoice{file};
    }
    bool openInBrowser(const std::filesystem::path& path) override {
        opened.push_back(path);
        return true;
    }
};

TEST_F(MainWindowLogicTest, TheSheetTakesWhatTheFilledPagesShowWithoutStoringIt) {
    MainWindowLogic logic = makeLogic();
    logic.initialise();
    logic.selectPage(PageKind::CharacterFont);
    // The character page shows an unsaved origin for its first font.
    pageFont.describe = [](SettingsStore& copy) { copy.fonts[0].originX = "0120"; };
    const SettingsStore before = store;
    log.clear();
    FakeSheetPorts ports;
    ports.file = dir / "sheet.html";
    messages.answers = {MessageAnswer::Yes};
    logic.saveSettingsSheet(ports);
    // Only the pages filled since the load describe; none stores.
    EXPECT_EQ(log, (Log{"describe 1D", "describe font"}));
    EXPECT_TRUE(store.fonts[0].originX == before.fonts[0].originX);
    const std::string html = readAll(ports.file);
    EXPECT_NE(html.find("まだ保存していない変更（1 フォント）"), std::string::npos);
    EXPECT_NE(html.find("<td>Label printer</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>ZEL Vextora Alto</td>"), std::string::npos);
    EXPECT_EQ(html.find("<span class=\"differs\">"), std::string::npos) << "no reference";
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{std::string(sheet_text::kSavedOpen)}));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ports.opened, (std::vector<std::filesystem::path>{ports.file}));
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// ---- Who changed the file: the versions' records and the events ----

class RecordedEvents : public EventWriter {
public:
    std::vector<ChangeEvent> written;
    void write(const ChangeEvent& event) override { written.push_back(event); }
};

class ChangeRecordingTest : public HistoryLogicTest {
protected:
    void openRecording(MainWindowLogic& logic) {
        logic.setChangeRecording(&events, author);
        open(logic);
        store.fonts[2].originX = "0777";  // an edit the pages hold
    }
    const ChangeAuthor author{"BYOIN\\田中", "NS-3F-PC01", "VXDrvFontTool 4.0.0"};
    RecordedEvents events;
    const std::vector<std::string> font3{"ZEL文字フォント03"};
};

TEST_F(ChangeRecordingTest, ASaveKeepsWhoSavedAndTellsTheEventLog) {
    MainWindowLogic logic = makeLogic();
    openRecording(logic);
    messages.answers = {MessageAnswer::Ok};
    ASSERT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    ASSERT_EQ(events.written.size(), 1u);
    const ChangeEvent& event = events.written[0];
    EXPECT_EQ(eventMessage(event.kind).id, 1000);
    EXPECT_EQ(event.printer, "Label printer");
    EXPECT_EQ(event.file, file);
    EXPECT_EQ(event.fonts, font3);
    // The version kept is the file as loaded, recorded as this user's change.
    const std::vector<HistoryVersion> keptVersions =
        FileHistory(dir / "history", clock).versions(file);
    ASSERT_EQ(keptVersions.size(), 1u);
    EXPECT_EQ(event.keptVersion, keptVersions[0].file);
    ASSERT_TRUE(keptVersions[0].record);
    EXPECT_EQ(keptVersions[0].record->author.user, "BYOIN\\田中");
    EXPECT_EQ(keptVersions[0].record->author.program, "VXDrvFontTool 4.0.0");
    EXPECT_NE(eventText(event).find("ユーザー： BYOIN\\田中\n"), std::string::npos);
    EXPECT_NE(eventText(event).find("残した以前の設定の番号： 1\n"), std::string::npos);

    // The list of versions names who replaced each, and the computer in its tip.
    versions.answer.reset();
    logic.restoreFromHistory();
    ASSERT_EQ(versions.rows.size(), 1u);
    EXPECT_EQ(versions.rows[0].user, "BYOIN\\田中");
    EXPECT_EQ(versions.rows[0].computer, "NS-3F-PC01");
    const HistoryRestore offer(FileHistory(dir / "history", clock), file, store);
    EXPECT_EQ(offer.authorTip(0),
              "この設定を置き換えたユーザー： BYOIN\\田中\nコンピュータ： NS-3F-PC01\n"
              "プログラム： VXDrvFontTool 4.0.0");
    EXPECT_EQ(offer.authorLine(0),
              "置き換えたユーザー： BYOIN\\田中（コンピュータ： NS-3F-PC01、VXDrvFontTool 4.0.0）");
}

TEST_F(ChangeRecordingTest, AVersionPutBackAndSavedIsARestore) {
    MainWindowLogic logic = makeLogic();
    openRecording(logic);
    FileHistory(dir / "history", clock).keep(file, withOriginX("0100"));  // no record
    versions.answer = 0;
    logic.restoreFromHistory();
    EXPECT_EQ(versions.rows[0].user, "不明");
    EXPECT_EQ(HistoryRestore(FileHistory(dir / "history", clock), file, store).authorLine(0),
              "置き換えたユーザー： 不明");
    const std::filesystem::path restored =
        FileHistory(dir / "history", clock).versions(file)[0].file;
    messages.answers = {MessageAnswer::Ok};
    ASSERT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    ASSERT_EQ(events.written.size(), 1u);
    EXPECT_EQ(eventMessage(events.written[0].kind).id, 1001);
    EXPECT_EQ(events.written[0].restoredVersion, restored);
    EXPECT_EQ(events.written[0].fonts, font3);
    // The next save is a save again.
    store.fonts[2].originX = "0200";
    messages.answers = {MessageAnswer::Ok};
    ASSERT_EQ(logic.saveSettings(), SaveCommandResult::Saved);
    EXPECT_EQ(eventMessage(events.written.back().kind).id, 1000);
}

TEST_F(ChangeRecordingTest, EachRefusedSaveWritesItsEvent) {
    struct Case {
        const char* what;
        std::function<void()> meanwhile;  // after the load, before the save
        std::deque<MessageAnswer> answers;
        int id;
    };
    std::optional<FileLock> held;
    const Case cases[] = {
        {"the lock held",
         [&] { held.emplace(FileLock::acquire(file)); },
         {MessageAnswer::Ok},
         2000},
        {"changed meanwhile, kept",
         [&] { writeAll(file, withOriginX("0555")); },
         {MessageAnswer::Ok, MessageAnswer::Cancel},
         2001},
        {"changed meanwhile, loaded again",
         [&] { writeAll(file, withOriginX("0555")); },
         {MessageAnswer::Ok, MessageAnswer::No},
         2001},
        {"re-saved as UTF-8, overwritten",
         [&] { writeAll(file, utf8FromCp932(loaded)); },
         {MessageAnswer::Ok, MessageAnswer::Yes},
         2002},
        {"read-only", [&] { test::makeReadOnly(file); }, {MessageAnswer::Ok}, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.written.clear();
        MainWindowLogic logic = makeLogic();
        openRecording(logic);
        c.meanwhile();
        messages.answers = c.answers;
        logic.saveSettings();
        held.reset();
        test::makeWritable(file);
        ASSERT_EQ(events.written.size(), 1u);
        const ChangeEvent& event = events.written[0];
        EXPECT_EQ(eventMessage(event.kind).id, c.id);
        // What the user wanted to save, against the file as loaded.
        EXPECT_EQ(event.fonts, font3);
        EXPECT_FALSE(event.keptVersion);
        EXPECT_EQ(eventInserts(event)[2], "BYOIN\\田中");
    }
}

}  // namespace
}  // namespace vx
