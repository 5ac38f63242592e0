#include "pages/phone_page.h"

#include <gtest/gtest.h>

#include "page_rig.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

using namespace test;

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
    SpecialTexts special;
    special.number = "777";
    model.specials.SetEntry(special, 0, RowStatus::Pending, "S");
    const struct {
        std::string index, number, message;
    } cases[] = {
        {"", "12a", "Ilegal phone number"},
        {"", "123", "Index not entered"},
        {"abc", "123", "Zero index is not allowed"},
        {"2001", "123", "Index number too big"},
        {"-3", "123", "Index number too big"},
        {"99999999999999999999", "123", "Index number too big"},
        {"4", "555", "The phone number exist"},
        {"4", "777", "phone number is already exist in the special phone list"},
    };
    for (const auto& c : cases) {
        Type(c.index, c.number, "Zed");
        ExpectRefused(
            phones(), [&] { page.OnSet(); }, c.message);
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
    Type("12", "13900001111", "Bea");
    page.OnSet();
    EXPECT_EQ(phones().Row(11).name, "Bea");
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
    page.OnRowClicked(-1);
    EXPECT_EQ(page.Form().index, "") << "nothing selected: nothing filled";
    page.OnRowClicked(1);
    EXPECT_EQ(page.Form().index, "2");
    EXPECT_EQ(page.Form().number, "111");
    EXPECT_EQ(page.Form().name, "Ann");
    Type("7", "", "x");
    page.OnSearchIndex();
    EXPECT_EQ(page.Form().number, "222");
    EXPECT_EQ(page.Form().name, "");
    EXPECT_EQ(page.SelectedRow(), 6);

    Type("", "111", "");
    page.OnSearchNumber();
    EXPECT_EQ(page.Form().index, "2");
    EXPECT_EQ(page.Form().name, "Ann");
    EXPECT_EQ(boxes.shown.back().text, "The phone number exist");

    Type("", "", "");
    page.OnSearchName();
    EXPECT_EQ(page.Form().index, "7") << "the lowest used slot without a name";
    EXPECT_EQ(page.Form().number, "222");

    Type("", "999", "Nobody");
    page.OnSearchNumber();
    page.OnSearchName();
    Type("", "1x", "");
    page.OnSearchNumber();
    Type("0", "", "");
    page.OnSearchIndex();
    EXPECT_EQ(Boxes(),
              (Strings{"The phone number exist", "The phone number not exist", "The Name not exist",
                       "Ilegal phone number", "Zero index is not allowed"}));
}

TEST_F(PhonePageTest, UploadSendsPendingSlotsWithTheRightErasures) {
    phones().SetEntry("1", "", 4, RowStatus::InUnit);
    phones().DeleteEntry(4);  // slot 5 is to be erased
    phones().SetEntry("13900001111", "", 6, RowStatus::Pending);
    phones().SetEntry("2", "", 8, RowStatus::InUnit);
    phones().DeleteEntry(8);
    page.OnDownloadAll();
    EXPECT_FALSE(page.CommandsEnabled());
    EXPECT_EQ(progress.maximum, 1999);
    EXPECT_EQ(link.writes.back().ack, "WHL0005 SET TO 0000 OK");
    EXPECT_EQ(link.writes.back().code, 2);
    for (int step = 0; step < 3; ++step) {
        Confirm();
        Pause();
    }
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#WHL0005=0000\r\n", "#PWD1234#WHL0007=13900001111\r\n",
                                   "#PWD1234#WHL0009=00000000000\r\n"}));
    EXPECT_EQ(progress.positions, (std::vector<int>{4, 6, 8}));
    EXPECT_EQ(phones().Status(4), RowStatus::InUnit);
    EXPECT_EQ(phones().Status(8), RowStatus::InUnit);
    EXPECT_FALSE(progress.visible);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_TRUE(pages.house.CommandsEnabled());
}

TEST_F(PhonePageTest, UploadWithNothingPendingSendsNothing) {
    page.OnDownloadAll();
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(progress.hides, 1);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_TRUE(engine.ReplySeen());
}

TEST_F(PhonePageTest, UnconfirmedSlotStaysPendingAndTheNextRunSendsOnlyTheRest) {
    for (int row : {0, 1, 2})
        phones().SetEntry(std::to_string(row + 7), "", row, RowStatus::Pending);
    page.OnDownloadAll();
    Confirm();
    Pause();
    Feed("ERROR\r\n");
    EXPECT_EQ(timers.FireAll(200), 0) << "the run goes no further";
    EXPECT_EQ(phones().Status(0), RowStatus::InUnit);
    EXPECT_EQ(phones().Status(1), RowStatus::Pending);
    Forget();
    page.OnDownloadAll();
    Confirm();
    Pause();
    Confirm();
    Pause();
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#WHL0002=8\r\n", "#PWD1234#WHL0003=9\r\n"}));
}

TEST_F(PhonePageTest, ReadAllAsksForTheWholeList) {
    page.OnGetFromUnit();
    EXPECT_EQ(Sent().back(), "#PWD1234#WHL=ALL?\r\n");
    EXPECT_EQ(link.writes.back().code, 1);
    EXPECT_FALSE(engine.FirstLineSeen());
    EXPECT_FALSE(pages.alarm.CommandsEnabled());
    Feed("WHL3 IS 333\r\n");
    EXPECT_EQ(phones().Row(2).number, "333");
    EXPECT_EQ(page.UsedText(), "Used 1/2000");
}

// One command per press; a house slot with two dial numbers takes two presses.
TEST_F(PhonePageTest, ModemModeRefusesReadAllAndSendsOneCommandPerPress) {
    PageRig m;
    m.Connect(true);
    m.model.phones.SetEntry("11", "", 0, RowStatus::Pending);
    m.model.phones.SetEntry("22", "", 1, RowStatus::Pending);
    m.pages.phone.OnDownloadAll();
    m.SmsAnswer("WHL0001 SET TO 11 OK");
    m.pages.phone.DownloadNext();
    EXPECT_EQ(m.Sent(), Strings{"#PWD1234#WHL0001=11"});
    EXPECT_EQ(m.model.phones.Status(0), RowStatus::InUnit);
    m.pages.phone.OnDownloadAll();
    m.pages.phone.OnGetFromUnit();
    EXPECT_EQ(m.boxes.shown.back().text, "Unsupported in modem mode");
    EXPECT_EQ(m.boxes.shown.back().icon, MsgIcon::Information);
    m.SmsAnswer("WHL0002 SET TO 22 OK");

    m.model.houses.SetEntry("00101", "1", "2", RowStatus::Pending, 0);
    m.model.houses.SetEntry("00202", "3", "", RowStatus::Pending, 1);
    for (int press = 0; press < 3; ++press) {
        m.pages.house.OnDownloadAll();
        m.SmsAnswer("OK");
    }
    EXPECT_EQ(m.Sent(), (Strings{"#PWD1234#WHL0001=11", "#PWD1234#WHL0002=22",
                                 "#PWD1234#00101:DIAL1=1", "#PWD1234#00101:DIAL2=2",
                                 "#PWD1234#00202:DIAL1=3"}));
    EXPECT_EQ(m.model.phones.Status(1), RowStatus::InUnit);
    EXPECT_EQ(m.model.houses.Status(0), RowStatus::InUnit);
    EXPECT_EQ(m.model.houses.Status(1), RowStatus::InUnit);
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

}  // namespace
}  // namespace dorvik
