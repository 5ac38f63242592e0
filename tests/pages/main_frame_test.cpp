#include "model/project_file.h"
#include "pages/main_frame.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes.h"
#include "scratch_dir.h"
#include "scripted_link.h"

namespace dorvik {
namespace {

using namespace test;

class MainFrameTest : public ::testing::Test {
protected:
    std::unique_ptr<CMainFrame> MakeFrame() {
        return std::make_unique<CMainFrame>(
            FrameSeams{ui, timers, boxes, files, progress, led, status, clock, serial, modem},
            SettingsPath());
    }
    std::string SettingsPath() const { return dir.File("DORVIK.ini"); }
    std::string Project(const std::string& name) const { return dir.File(name); }
    // Stores a phone slot through the page, as a user would.
    static void SetPhone(CMainFrame& f, const std::string& index, const std::string& number) {
        f.Phone().Form().index = index;
        f.Phone().Form().number = number;
        f.Phone().OnSet();
    }

    ScratchDir dir;
    InlineDispatcher ui;
    ManualTimerFactory timers;
    RecordingMessageBox boxes;
    ScriptedFileChooser files;
    RecordingProgressBar progress;
    RecordingIndicator led;
    RecordingStatusPane status;
    SystemClock clock;
    ScriptedLink serial, modem{LinkKind::Modem};
};

// The views and their switching are driven through the window's menus by
// MainWindowTest::viewsSwitchAndTheStartupTick.
TEST_F(MainFrameTest, SaveAsksForAPathOnceThenSavesThere) {
    auto f = MakeFrame();
    EXPECT_EQ(status.text, "Disconnected from unit");
    SetPhone(*f, "3", "13900002222");
    ASSERT_TRUE(f->Modified());
    files.answers.push_back(Project("a.gto"));
    EXPECT_TRUE(f->OnSave());
    EXPECT_EQ(files.filters.back(), CMainFrame::kOpenFilter);
    EXPECT_EQ(f->ProjectPath(), Project("a.gto"));
    EXPECT_FALSE(f->Modified());
    SetPhone(*f, "4", "13900003333");
    EXPECT_TRUE(f->OnSave());
    EXPECT_EQ(files.filters.size(), 1u) << "the known path is used without asking";

    auto g = MakeFrame();
    files.answers.push_back(Project("a.gto"));
    ASSERT_TRUE(g->OnOpen());
    EXPECT_EQ(g->Model().phones.Row(3).number, "13900003333");
}

// Open and closing ask the same question; Yes goes on only once the project
// is saved, and a failed save says why and keeps the changes.
TEST_F(MainFrameTest, UnsavedChangesAreOfferedBeforeOpenAndClose) {
    struct Case {
        MsgAnswer answer;
        std::optional<std::string> saveAs;  // the Save As dialog's answer after Yes
        bool goesOn;
    };
    const Case cases[] = {{MsgAnswer::Cancel, {}, false},
                          {MsgAnswer::No, {}, true},
                          {MsgAnswer::Yes, std::nullopt, false},
                          {MsgAnswer::Yes, dir.File("taken"), false},
                          {MsgAnswer::Yes, Project("saved.gto"), true}};
    std::filesystem::create_directory(dir.File("taken"));
    auto source = MakeFrame();
    SetPhone(*source, "5", "777");
    ASSERT_TRUE(source->SaveProjectTo(Project("other.gto")));
    const std::function<bool(CMainFrame&)> commands[] = {
        [](CMainFrame& f) { return f.CanClose(); }, [](CMainFrame& f) { return f.OnOpen(); }};
    for (const auto& command : commands) {
        for (const Case& c : cases) {
            std::filesystem::remove(SettingsPath());  // no project remembered
            auto f = MakeFrame();
            EXPECT_TRUE(f->SaveChangesFirst()) << "nothing to save, nothing asked";
            SetPhone(*f, "1", "123");
            boxes.shown.clear();
            boxes.Script(c.answer);
            if (c.answer == MsgAnswer::Yes) files.answers.push_back(c.saveAs);
            files.answers.push_back(Project("other.gto"));  // what Open then picks
            EXPECT_EQ(command(*f), c.goesOn);
            EXPECT_EQ(boxes.shown.at(0).text, "Save the changes to the Untitled?");
            EXPECT_EQ(boxes.shown.at(0).buttons, MsgButtons::YesNoCancel);
            EXPECT_EQ(std::filesystem::remove(Project("saved.gto")),
                      c.answer == MsgAnswer::Yes && c.goesOn);
            if (c.saveAs == dir.File("taken")) {
                EXPECT_TRUE(f->Modified());
                EXPECT_NE(boxes.shown.at(1).text.find("taken"), std::string::npos);
                EXPECT_EQ(boxes.shown.at(1).icon, MsgIcon::Error);
            }
            files.answers.clear();
        }
    }
    // A named project is saved where it is, and the question names it.
    auto f = MakeFrame();
    ASSERT_TRUE(f->OpenProject(Project("other.gto")));
    boxes.Script(MsgAnswer::Yes);
    EXPECT_TRUE(f->CanClose());
    EXPECT_EQ(boxes.shown.back().text, "Save the changes to the other.gto?");
    EXPECT_FALSE(f->Modified());
}

TEST_F(MainFrameTest, AFileThatIsNoProjectIsReportedAndChangesNothing) {
    auto f = MakeFrame();
    SetPhone(*f, "1", "123");
    WriteBytes(Project("bad.gto"), "<gto><PhoneNumber>");
    files.answers.push_back(Project("bad.gto"));
    boxes.Script(MsgAnswer::No);
    EXPECT_FALSE(f->OnOpen());
    ASSERT_EQ(boxes.shown.size(), 2u);
    const std::string opening = "The project could not be opened from\n" + Project("bad.gto");
    EXPECT_EQ(boxes.shown[1].text.rfind(opening, 0), 0u);
    EXPECT_EQ(boxes.shown[1].icon, MsgIcon::Error);
    EXPECT_EQ(f->Model().phones.Row(0).number, "123");
    EXPECT_TRUE(f->ProjectPath().empty());
}

TEST_F(MainFrameTest, AProjectLargerThanTheListsIsOpenedAsANewOneWithAWarning) {
    auto f = MakeFrame();
    WriteBytes(Project("big.gto"),
               "<gto><PhoneNumber><Normal><Index>1</Index><Phone>111</Phone><Status>1</Status>"
               "</Normal><Normal><Index>9999</Index><Phone>222</Phone><Status>1</Status></Normal>"
               "</PhoneNumber></gto>");
    ASSERT_TRUE(f->OpenProject(Project("big.gto")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, DroppedRecordsMessage(Project("big.gto"), 1));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(f->Model().phones.Row(0).number, "111");
    // A Save asks for a name instead of cutting the file short.
    EXPECT_TRUE(f->ProjectPath().empty());
}

TEST_F(MainFrameTest, StartupTickOpensTheLastProjectOnlyWhenAsked) {
    {
        auto f = MakeFrame();
        SetPhone(*f, "2", "555");
        ASSERT_TRUE(f->SaveProjectTo(Project("last.gto")));
    }  // settings written at the end, with the project path
    {
        auto f = MakeFrame();
        EXPECT_EQ(f->ProjectPath(), Project("last.gto"));
        f->Start();
        timers.FireAll(500);
        EXPECT_EQ(f->Model().phones.Row(1).number, "555");
        EXPECT_FALSE(f->Modified());
        f->ToggleAutoOpen();
    }
    {
        auto f = MakeFrame();
        EXPECT_FALSE(f->AutoOpen());
        f->OnStartupTick();
        EXPECT_EQ(f->Model().phones.Row(1).number, "");
        f->ToggleAutoOpen();
    }
    std::filesystem::remove(Project("last.gto"));
    auto f = MakeFrame();
    f->OnStartupTick();
    EXPECT_TRUE(f->ProjectPath().empty()) << "a vanished project is forgotten";
}

TEST_F(MainFrameTest, SettingsAreWrittenAtTheEndWithTheirChanges) {
    {
        auto f = MakeFrame();
        ConnectionSettings s = f->Settings();
        s.password = "1111";
        s.unitId = "0815";
        s.expiredTime = -5;
        f->ApplyConnectionSettings(s);
        EXPECT_EQ(f->Engine().Params().replyTimeoutSec, 1) << "time-out clamped";
        f->Engine().SetPassword("2222");  // confirmed password change
    }
    SettingsFile file(SettingsPath());
    ConnectionSettings s = file.Read();
    EXPECT_EQ(s.password, "2222");
    EXPECT_EQ(s.unitId, "0815");
    EXPECT_EQ(std::filesystem::status(SettingsPath()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// An imported list shows its new count at once; the sheet formats themselves
// are the sheet tests' business.
TEST_F(MainFrameTest, AnImportedListShowsItsNewCount) {
    auto f = MakeFrame();
    f->Model().houses.SetEntry("00101", "13955550101", "", RowStatus::Pending, 4);
    files.answers.push_back(Project("lists.xls"));
    EXPECT_EQ(f->OnExportToExcel(SheetList::Houses).status, ExchangeStatus::Done);

    auto g = MakeFrame();
    files.answers.push_back(Project("lists.xls"));
    EXPECT_EQ(g->OnImportFromExcel(SheetList::Houses).status, ExchangeStatus::Done);
    EXPECT_EQ(g->Model().houses.Row(4).dial1, "13955550101");
    EXPECT_EQ(g->House().UsedText(), "Used 1/400");
    files.answers.push_back(std::nullopt);
    EXPECT_EQ(g->OnImportFromExcel(SheetList::Specials).status, ExchangeStatus::Cancelled);
}

}  // namespace
}  // namespace dorvik
