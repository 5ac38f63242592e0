#include "pages/alarm_page.h"

#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

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
    EXPECT_EQ(link.writes.back().ack, "ALARM02 SET TO 00000000000 OK");
    Confirm();
    EXPECT_EQ(timers.FireAll(20), 1);
    Confirm();
    timers.FireAll(20);
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#ALARM02=00000000000\r\n",
                                   "#PWD1234#ALARM05=13900005555\r\n"}));
    EXPECT_EQ(alarms().Status(4), RowStatus::InUnit);
    EXPECT_TRUE(page.CommandsEnabled());
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

}  // namespace
}  // namespace dorvik
