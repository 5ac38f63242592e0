// The list pages (phones, alarm numbers, houses): the checks of Set, the
// searches, and the runs that upload and read their slots; and the log page.
#include <gtest/gtest.h>

#include "page_rig.h"
#include "pages/alarm_page.h"
#include "pages/dialog_log.h"
#include "pages/house_page.h"
#include "pages/list_grids.h"
#include "pages/phone_page.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

using namespace test;

// Runs stopped by an unconfirmed slot: ListPagesE2e.
class PhonePageTest : public PageTest {
protected:
    void Type(const std::string& index, const std::string& number, const std::string& name = "") {
        page.Form() = {index, number, name};
    }
    PhoneList& phones() { return model.phones; }

    CPhone& page = pages.phone;
};

TEST_F(PhonePageTest, SetRefusesInOrderAndChangesNothing) {
    phones().SetEntry("555", "Eve", 2, RowStatus::Pending);
    HoldSpecial("777");
    const struct {
        std::string index, number, message;
    } cases[] = {
        {"", "12a", "Ilegal phone number"},
        {"", "123", "Index not entered"},
        {"abc", "123", "Zero index is not allowed"},
        {"2001", "123", "Index number too big"},
        {"-3", "123", "Index number too big"},
        {"4", "555", "The phone number exist"},
        {"4", "777", "phone number is already exist in the special phone list"},
    };
    for (const auto& c : cases) {
        Type(c.index, c.number, "Zed");
        ExpectRefused(phones(), [&] { page.OnSet(); }, c.message);
        if (c.number != "555") continue;
        EXPECT_EQ(page.Form().index, "3") << "the slot holding the number is shown";
        EXPECT_EQ(page.Form().name, "Eve");
        EXPECT_EQ(page.SelectedRow(), 2);
    }
    EXPECT_EQ(phones().Used(), 1);
}

TEST_F(PhonePageTest, SetStoresPendingSlots) {
    Type("12xyz", "13900001111", "Ann");
    page.OnSet();
    EXPECT_EQ(phones().Row(11).number, "13900001111");
    EXPECT_EQ(phones().Status(11), RowStatus::Pending);
    Type("12", "13900001111", "");
    page.OnSet();
    EXPECT_EQ(phones().Row(11).name, "Ann") << "an empty name keeps the old one";
    Type("4", "", "");
    page.OnSet();
    EXPECT_EQ(phones().Status(3), RowStatus::Empty);
    Type("3", "", "Cy");
    page.OnSet();
    EXPECT_EQ(phones().Status(2), RowStatus::Pending);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(page.UsedText(), "Used 2/2000");
}

TEST_F(PhonePageTest, DeleteTwiceAfterUnitSlotMakesItEmpty) {
    phones().SetEntry("111", "Ann", 4, RowStatus::InUnit);
    Type("5", "");
    page.OnDelete();
    EXPECT_EQ(phones().Status(4), RowStatus::Pending);
    EXPECT_EQ(phones().Row(4).number, "");
    page.OnDelete();
    EXPECT_EQ(phones().Status(4), RowStatus::Empty);
    Type("", "");
    page.OnDelete();
    Type("2001", "");
    page.OnDelete();
    EXPECT_EQ(Boxes(), (Strings{"Zero index is not allowed", "Index number too big"}));
}

TEST_F(PhonePageTest, SearchesAndRowClicksFillTheForm) {
    phones().SetEntry("111", "Ann", 1, RowStatus::InUnit);
    phones().SetEntry("222", "", 6, RowStatus::Pending);
    page.OnRowClicked(1);
    EXPECT_EQ(page.Form().index, "2");
    EXPECT_EQ(page.Form().number, "111");
    EXPECT_EQ(page.Form().name, "Ann");
    Type("7", "", "x");
    page.OnSearchIndex();
    EXPECT_EQ(page.Form().number, "222");
    EXPECT_EQ(page.Form().name, "");
    EXPECT_EQ(page.SelectedRow(), 6);

    Type("", "", "");
    page.OnSearchName();
    EXPECT_EQ(page.Form().index, "7") << "the lowest used slot without a name";
    EXPECT_EQ(page.Form().number, "222");

    Type("", "", "Nobody");
    page.OnSearchName();
    EXPECT_EQ(Boxes(), Strings{"The Name not exist"});
}

TEST_F(PhonePageTest, HouseCountRebuildsBothLists) {
    phones().SetEntry("1", "", 0, RowStatus::Pending);
    const Request query = HousesQuery("1234");
    engine.SendRequest(query.frame, query.code, query.ack);
    Feed("HOUSE NUMBER IS 120\r\n");
    EXPECT_EQ(model.houses.Size(), 120);
    EXPECT_EQ(phones().Size(), 240);
    EXPECT_EQ(page.UsedText(), "Used 1/240") << "slot 1 is kept";
    EXPECT_EQ(pages.house.UsedText(), "Used 0/120");
    Type("241", "5");
    page.OnSet();
    EXPECT_EQ(Boxes(), Strings{"Index number too big"});
}

TEST(ListGrids, CellsFollowTheListAndNothingOutsideIsRead) {
    UnitModel model;
    CPhoneGrid phones(model.phones);
    CSpecialGrid specials(model.specials);
    model.phones.SetEntry("111", "Ann", 1, RowStatus::Pending);
    EXPECT_EQ(phones.CellText(1, 0), "2");
    EXPECT_EQ(phones.CellText(1, 2), "Ann");
    EXPECT_EQ(phones.Marker(1), RowStatus::Pending);
    EXPECT_EQ(phones.CellText(2000, 0), "");
    EXPECT_EQ(phones.CellText(1, 3), "");
    EXPECT_STREQ(phones.ColumnTitle(-1), "");
    EXPECT_EQ(specials.CellText(40, 0), "Q001");
    phones.SelectRow(2000);
    EXPECT_EQ(phones.SelectedRow(), -1);
}

// Every column of every grid, its header text and width in pixels, in order.
TEST(ListGrids, ColumnHeadersAndWidths) {
    using Columns = std::vector<std::pair<std::string, int>>;
    const auto columns = [](const auto& grid) {
        Columns out;
        for (int col = 0; col < grid.ColumnCount(); ++col)
            out.emplace_back(grid.ColumnTitle(col), grid.ColumnWidth(col));
        return out;
    };
    UnitModel model;
    const Columns phoneColumns{{"Index", 100}, {"Phone Number", 100}, {"User Name", 200}};
    EXPECT_EQ(columns(CPhoneGrid(model.phones)), phoneColumns);
    EXPECT_EQ(columns(CAlarmGrid(model.alarms)), phoneColumns);
    const Columns specialColumns{{"Index", 50},     {"Phone Number", 100}, {"User Name", 80},
                                 {"From Time", 80}, {"To Time", 60},       {"Sun", 40},
                                 {"Mon", 40},       {"Tue", 40},           {"Wed", 40},
                                 {"Thu", 40},       {"Fri", 40},           {"Sat", 40},
                                 {"From Date", 80}, {"To Date", 80},       {"Entires Amount", 100}};
    EXPECT_EQ(columns(CSpecialGrid(model.specials)), specialColumns);
    EXPECT_EQ(columns(CHouseGrid(model.houses)),
              (Columns{{"Index", 100}, {"House Number", 200}, {"Dial1", 200}, {"Dial2", 200}}));
}

TEST_F(PhonePageTest, UploadSendsPendingSlotsWithTheRightErasures) {
    phones().SetEntry("1", "", 4, RowStatus::InUnit);
    phones().DeleteEntry(4);  // slot 5 is to be erased
    phones().SetEntry("13900001111", "", 6, RowStatus::Pending);
    phones().SetEntry("2", "", 8, RowStatus::InUnit);
    phones().DeleteEntry(8);
    page.OnDownloadAll();
    EXPECT_FALSE(page.CommandsEnabled());
    for (int step = 0; step < 3; ++step) {
        Confirm();
        Pause();
    }
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#WHL0005=0000\r\n", "#PWD1234#WHL0007=13900001111\r\n",
                               "#PWD1234#WHL0009=00000000000\r\n"}));
    EXPECT_EQ(phones().Status(4), RowStatus::InUnit);
    EXPECT_EQ(phones().Status(8), RowStatus::InUnit);
    EXPECT_TRUE(page.CommandsEnabled());
}

// Over the modem every press sends one command (a house slot with two dial
// numbers takes two presses), and nothing that reads a whole list is sent.
TEST(ModemPages, OneCommandPerPressAndNoReadAll) {
    PageRig m;
    m.Connect(true);
    m.model.phones.SetEntry("11", "", 0, RowStatus::Pending);
    m.model.phones.SetEntry("22", "", 1, RowStatus::Pending);
    m.pages.phone.OnDownloadAll();
    m.link.Message("WHL0001 SET TO 11 OK");
    m.pages.phone.DownloadNext();
    EXPECT_EQ(m.Sent(), Strings{"#PWD1234#WHL0001=11"});
    EXPECT_EQ(m.model.phones.Status(0), RowStatus::InUnit);
    m.pages.phone.OnDownloadAll();
    m.pages.phone.OnGetFromUnit();
    m.logPage.OnGetEntireLog();
    m.logPage.OnGetLastEntries();
    EXPECT_EQ(m.Boxes(), Strings(3, "Unsupported in modem mode"));
    EXPECT_EQ(m.boxes.shown.back().icon, MsgIcon::Information);
    m.link.Message("WHL0002 SET TO 22 OK");

    m.model.houses.SetEntry("00101", "1", "2", RowStatus::Pending, 0);
    m.model.houses.SetEntry("00202", "3", "", RowStatus::Pending, 1);
    for (int press = 0; press < 3; ++press) {
        m.pages.house.OnDownloadAll();
        m.link.Message("OK");
    }
    EXPECT_EQ(m.Sent(), (Strings{"#PWD1234#WHL0001=11", "#PWD1234#WHL0002=22",
                                 "#PWD1234#00101:DIAL1=1", "#PWD1234#00101:DIAL2=2",
                                 "#PWD1234#00202:DIAL1=3"}));
    EXPECT_EQ(m.model.phones.Status(1), RowStatus::InUnit);
    EXPECT_EQ(m.model.houses.Status(0), RowStatus::InUnit);
    EXPECT_EQ(m.model.houses.Status(1), RowStatus::InUnit);
}

class AlarmPageTest : public PageTest {
protected:
    AlarmList& alarms() { return model.alarms; }

    CAlarm& page = pages.alarm;
};

TEST_F(AlarmPageTest, SetRefusesWithoutLookingAtOtherLists) {
    alarms().SetEntry("222", "Bob", 1, RowStatus::Pending);
    const struct {
        std::string index, number, message;
    } cases[] = {
        {"6", "2", "Index number too big"},
        {"4", "222", "The phone number exist"},
    };
    for (const auto& c : cases) {
        page.Form() = {c.index, c.number, "Typed"};
        ExpectRefused(alarms(), [&] { page.OnSet(); }, c.message);
    }
    EXPECT_EQ(page.Form().index, "2");
    EXPECT_EQ(page.Form().name, "Typed") << "only the index is shown";
    EXPECT_EQ(page.SelectedRow(), -1);

    model.phones.SetEntry("333", "", 0, RowStatus::Pending);
    page.Form() = {"3", "333", ""};
    page.OnSet();
    EXPECT_EQ(alarms().Row(2).number, "333");
    EXPECT_EQ(page.UsedText(), "Used 2/5");
}

TEST_F(AlarmPageTest, UploadErasesWithElevenZerosFromTheFirstStep) {
    alarms().SetEntry("1", "", 1, RowStatus::InUnit);
    alarms().DeleteEntry(1);
    alarms().SetEntry("13900005555", "", 4, RowStatus::Pending);
    page.OnDownloadAll();
    Confirm();
    EXPECT_EQ(timers.FireAll(20), 1);
    Confirm();
    timers.FireAll(20);
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#ALARM02=00000000000\r\n",
                                   "#PWD1234#ALARM05=13900005555\r\n"}));
    EXPECT_EQ(alarms().Status(4), RowStatus::InUnit);
}

TEST_F(AlarmPageTest, ReadAllLeavesFirstLineAloneAndKeepsMissingSlots) {
    alarms().SetEntry("9", "Old", 4, RowStatus::InUnit);
    engine.SetFirstLineSeen(true);
    page.OnGetFromUnit();
    EXPECT_EQ(Sent().back(), "#PWD1234#ALARM=ALL?\r\n");
    EXPECT_TRUE(engine.FirstLineSeen());
    Feed("ALARM NUMBER IS 11:22::\r\n");
    EXPECT_EQ(alarms().Row(0).number, "11");
    EXPECT_EQ(alarms().Row(4).number, "9");
}

TEST_F(AlarmPageTest, SearchByNameLooksAtPendingSlotsOnly) {
    alarms().SetEntry("1", "Ann", 0, RowStatus::InUnit);
    alarms().SetEntry("2", "Ann", 3, RowStatus::Pending);
    page.Form().name = "Ann";
    page.OnSearchName();
    EXPECT_EQ(page.Form().index, "4");
    page.Form().number = "1";
    page.OnSearchNumber();
    EXPECT_EQ(page.Form().index, "1");
    page.Form().number = "3";
    page.OnSearchNumber();
    EXPECT_EQ(Boxes(), (Strings{"The phone number exist", "The phone number not exist"}));
}

class HousePageTest : public PageTest {
protected:
    HouseList& houses() { return model.houses; }
    void Set(const std::string& index, const std::string& house, const std::string& dial1,
             const std::string& dial2 = "") {
        page.Form() = {index, house, dial1, dial2};
        page.OnSet();
    }
    void ConfirmAndPause() {
        Feed("OK\r\n");
        Pause();
    }

    CHouse& page = pages.house;
};

TEST_F(HousePageTest, SetRefusesInOrderAndChangesNothing) {
    Set("2", "101", "5");
    HoldSpecial("00777");
    const struct {
        std::string index, house, message;
    } cases[] = {
        {"", "12a", "Ilegal phone number"},
        {"", "1", "Index not entered"},
        {"0", "1", "Zero index is not allowed"},
        {"401", "1", "Index number too big"},
        {"5", "00101", "The phone number exist"},
        {"5", "777", "phone number is already exist in the special phone list"},
    };
    for (const auto& c : cases) {
        ExpectRefused(houses(), [&] { Set(c.index, c.house, "9"); }, c.message);
        if (c.house != "00101") continue;
        EXPECT_EQ(page.Form().index, "2");
        EXPECT_EQ(page.SelectedRow(), 1);
    }
}

TEST_F(HousePageTest, EmptyDialKeepsTheOldOneAndSearchesShowBoth) {
    Set("4", "44", "111", "222");
    Set("4", "44", "", "333");
    EXPECT_EQ(houses().Row(3).dial1, "111");
    EXPECT_EQ(houses().Row(3).dial2, "333");
    page.Form() = {"4", "", "", ""};
    page.OnSearchIndex();
    EXPECT_EQ(page.Form().houseNumber, "00044");
    EXPECT_EQ(page.Form().dial1, "111");
    EXPECT_EQ(page.Form().dial2, "333");
    page.Form() = {"", "00044", "", ""};
    page.OnSearchHouse();
    EXPECT_EQ(page.Form().index, "4");
    page.Form().houseNumber = "44";
    page.OnSearchHouse();
    EXPECT_EQ(Boxes(), (Strings{"The phone number not exist"})) << "no padding in the search";
    EXPECT_EQ(FiveDigitHouseNumber("9876543"), "76543");
    EXPECT_EQ(FiveDigitHouseNumber(""), "00000");
}

TEST_F(HousePageTest, UploadSendsDialOneThenDialTwo) {
    Set("5", "202", "1", "2");
    Set("6", "303", "", "3");
    houses().SetEntry("404", "", "", RowStatus::Pending, 6);
    page.OnDownloadAll();
    Feed("OK\r\n");
    EXPECT_EQ(houses().Status(4), RowStatus::InUnit) << "InUnit after the first answer";
    Pause();
    EXPECT_EQ(houses().Status(4), RowStatus::Pending) << "while Dial2 is on its way";
    ConfirmAndPause();
    ConfirmAndPause();
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#00202:DIAL1=1\r\n", "#PWD1234#00202:DIAL2=2\r\n",
                               "#PWD1234#00303:DIAL2=3\r\n"}));
    EXPECT_EQ(houses().Status(4), RowStatus::InUnit);
    EXPECT_EQ(houses().Status(6), RowStatus::Pending) << "no dial number: passed over";
    EXPECT_FALSE(progress.visible);
    EXPECT_TRUE(page.CommandsEnabled());
}

TEST_F(HousePageTest, DeletedSlotSendsZerosAndALostDialTwoIsSentAgain) {
    houses().SetEntry("00101", "1", "2", RowStatus::InUnit, 0);
    page.Form().index = "1";
    page.OnDelete();
    EXPECT_EQ(houses().Row(0).dial1, "0000");
    EXPECT_EQ(houses().Status(0), RowStatus::Pending);
    page.OnDownloadAll();
    ConfirmAndPause();
    EXPECT_EQ(houses().Status(0), RowStatus::Pending) << "Dial2 sent, never answered";
    Forget();
    page.OnDownloadAll();
    ConfirmAndPause();
    ConfirmAndPause();
    EXPECT_EQ(Sent(),
              (Strings{"#PWD1234#00101:DIAL1=0000\r\n", "#PWD1234#00101:DIAL2=0000\r\n"}));
    EXPECT_EQ(houses().Status(0), RowStatus::InUnit);
}

TEST_F(HousePageTest, ReadAllClearsUnitRowsAndAppends) {
    houses().SetEntry("00009", "9", "", RowStatus::InUnit, 0);
    Set("3", "33", "3");
    page.OnGetFromUnit();
    EXPECT_EQ(Sent().back(), "#PWD1234#DIAL=ALL?\r\n");
    Feed("00012:DIAL1:5550100\n00012:DIAL2:5550101\n00033:DIAL2:7\n");
    EXPECT_EQ(houses().Row(0).houseNumber, "00012");
    EXPECT_EQ(houses().Row(0).dial2, "5550101");
    EXPECT_EQ(houses().Row(2).dial1, "3");
    EXPECT_EQ(houses().Row(2).dial2, "7");
    EXPECT_EQ(page.UsedText(), "Used 2/400");
}

// Stop ends an upload after the slot on its way and a read at once, with
// nothing reported; meanwhile a run shows "n of m" and the time left.
struct RunControlTest : PageTest {
    RunControlTest() {
        for (int row = 0; row < 6; ++row)
            model.phones.SetEntry(std::to_string(700 + row), "", row, RowStatus::Pending);
    }
    // A second later the unit confirms the slot on its way.
    void NextSlot() {
        timers.FireAll(500);
        timers.FireAll(500);
        Confirm();
        Pause();
    }
    CPhone& page = pages.phone;
};

TEST_F(RunControlTest, StopEndsAnUploadAfterTheSlotOnItsWayAndAReadAtOnce) {
    page.OnDownloadAll();
    NextSlot();
    engine.StopRuns();
    NextSlot();
    EXPECT_FALSE(page.Uploading());
    EXPECT_EQ(Sent().size(), 2u);
    EXPECT_EQ(model.phones.Status(2), RowStatus::Pending);
    page.OnDownloadAll();  // slot 3 on its way to a unit that stays silent
    timers.FireAll(3000);
    engine.StopRuns();
    EXPECT_FALSE(page.Uploading());
    page.OnGetFromUnit();
    Feed("WHL1 IS 1\n");
    engine.StopRuns();
    Feed("WHL2 IS 2\n");
    EXPECT_NE(model.phones.Row(1).number, "2") << "lines after the Stop are not taken";
    for (int tick = 0; tick < 2 * 4; ++tick)
        for (int ms : {3000, 2000}) timers.FireAll(ms);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_TRUE(engine.Connected());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RunControlTest, RunsShowHowFarTheyAreAndTheTimeLeft) {
    page.OnDownloadAll();
    Strings texts{progress.text};
    for (int slot = 0; slot < 6; ++slot) {
        NextSlot();
        texts.push_back(progress.text);
    }
    EXPECT_EQ(texts, (Strings{"1 of 6", "2 of 6", "3 of 6", "4 of 6, 0:03 left",
                                               "5 of 6, 0:02 left", "6 of 6, 0:01 left", ""}));
    page.OnGetFromUnit();
    Feed("WHL1 IS 1\nWHL2 IS 2\n");
    timers.FireAll(2000);  // the read counts as ended
    Feed("WHL3 IS 3\n");
    EXPECT_EQ(progress.text, "3 lines received");
    for (int tick = 0; tick < 4; ++tick) timers.FireAll(500);
    EXPECT_EQ(progress.text, "");
}

class LogPageTest : public PageTest {
protected:
    LogPageTest() {
        model.phones.SetEntry("5550100", "Tom", 0, RowStatus::InUnit);
        model.phones.SetEntry("5550111", "Ann", 1, RowStatus::InUnit);
        HoldSpecial("777", "Sam", RowStatus::InUnit);
        model.Modified.Clear();
    }
    Strings RowTexts(int row) const {
        Strings texts;
        for (int c = 0; c < 4; ++c) texts.push_back(logView.Cell(row, c));
        return texts;
    }
};

TEST_F(LogPageTest, WholeLogIsAReadAllWithNamesFromTheLists) {
    logPage.OnGetEntireLog();
    ASSERT_EQ(link.writes.size(), 1u);
    EXPECT_EQ(link.writes[0].text, "#PWD1234#LOG=ALL?\r\n");
    EXPECT_EQ(link.writes[0].code, 21);
    EXPECT_EQ(link.writes[0].ack, "");
    EXPECT_FALSE(logPage.CommandsEnabled());
    EXPECT_FALSE(msic.CommandsEnabled());
    Feed("LOGW7:5550100:201612281345\nLOGS8:777:201612281400\nLOGW9:999:2016122815\nJUNK\n");
    EXPECT_EQ(RowTexts(0), (Strings{"7", "2016/12/28 13:45", "5550100", "Tom"}));
    EXPECT_EQ(RowTexts(1), (Strings{"8", "2016/12/28 14:00", "777", "Sam"}));
    EXPECT_EQ(RowTexts(2), (Strings{"9", "2016/12/28 15", "999", ""}));
    EXPECT_EQ(model.log.Counter(), 3);
    EXPECT_EQ(logView.SelectedRow(), 2);
    EXPECT_EQ(logView.TopRow(), 2);
    EXPECT_TRUE(model.Modified.IsSet());
    EXPECT_EQ(timers.FireAll(2000), 1);
    EXPECT_TRUE(logPage.CommandsEnabled()) << "the read-all ends when something arrived";
}

// The entries themselves are read against the simulated unit by LogPageE2e.
TEST_F(LogPageTest, LastEntriesTakeTheCountFromTheBox) {
    const std::pair<const char*, const char*> counts[] = {
        {"10", "#PWD1234#LOG=10?"},
        {"-5", "#PWD1234#LOG=-5?"},
        {"abc", "#PWD1234#LOG=0?"},
        {"99999999999999", "#PWD1234#LOG=2147483647?"}};
    for (auto [text, frame] : counts) {
        logPage.LastCountText() = text;
        logPage.OnGetLastEntries();
        EXPECT_EQ(LastFrame(), frame);
    }
    EXPECT_EQ(engine.Page(PageRole::Log), &logPage);
}

// Skipped, wrapped and overwritten entries: the CallLog tests of the model.
TEST_F(LogPageTest, EntriesWithoutCallerAreSkippedAndNewCallersReplaceWholeRows) {
    logView.AddLogEntry("201612281345", "", "", 3);
    EXPECT_EQ(model.log.Counter(), 0);
    EXPECT_EQ(logView.SelectedRow(), -1);
    EXPECT_FALSE(model.Modified.IsSet());

    logView.SetLogEntry("1", "2016/12/28 13:45", "5550100", "Tom", 999);
    EXPECT_EQ(model.log.Counter(), 0) << "the row after the last wraps to the top";
    logView.SetLogEntry("2", "2016/12/28 13:46", "5550111", "Ann", 0);
    logView.AddLogEntry("201701011200", "4440000", "", 5);
    EXPECT_EQ(RowTexts(1), (Strings{"5", "2017/01/01 12:00", "4440000", ""}))
        << "no name of an older caller stays";
    LogEntry e;
    EXPECT_TRUE(logView.GetLogEntry(999, e));
    EXPECT_EQ(e.name, "Tom");
    EXPECT_FALSE(logView.GetLogEntry(1000, e));
    EXPECT_FALSE(logView.GetLogEntry(-1, e));
    EXPECT_FALSE(logView.SetLogEntry("x", "t", "1", "n", 1000));
}

TEST_F(LogPageTest, DeleteLogAfterAWrapEmptiesEveryRow) {
    for (int i = 0; i < kLogCapacity + 3; ++i) logView.AddLogEntry("201612281345", "1", "", i);
    model.Modified.Clear();
    logView.ShowRow(500);
    logPage.OnDeleteLog();
    for (int row = 0; row < kLogCapacity; ++row) ASSERT_EQ(logView.Cell(row, 2), "") << row;
    EXPECT_EQ(logView.SelectedRow(), 0);
    EXPECT_EQ(logView.TopRow(), 0);
    EXPECT_TRUE(model.Modified.IsSet());
    EXPECT_TRUE(link.writes.empty()) << "nothing is sent to the unit";
}

}  // namespace
}  // namespace dorvik
