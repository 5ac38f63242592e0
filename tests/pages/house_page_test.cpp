#include "pages/house_page.h"

#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

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

TEST_F(HousePageTest, HouseNumberIsBroughtToFiveDigits) {
    EXPECT_EQ(FiveDigitHouseNumber("101"), "00101");
    EXPECT_EQ(FiveDigitHouseNumber("9876543"), "76543");
    EXPECT_EQ(FiveDigitHouseNumber(""), "00000");
}

TEST_F(HousePageTest, SetRefusesInOrderAndChangesNothing) {
    Set("2", "101", "5");
    SpecialTexts special;
    special.number = "00777";
    model.specials.SetEntry(special, 0, RowStatus::Pending, "S");
    const struct {
        std::string index, house, message;
    } cases[] = {
        {"", "12a", "Ilegal phone number"},
        {"", "1", "Index not entered"},
        {"0", "1", "Zero index is not allowed"},
        {"401", "1", "Index number too big"},
        {"-1", "1", "Index number too big"},
        {"5", "00101", "The phone number exist"},
        {"5", "777", "phone number is already exist in the special phone list"},
    };
    for (const auto& c : cases) {
        ExpectRefused(
            houses(), [&] { Set(c.index, c.house, "9"); }, c.message);
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
}

TEST_F(HousePageTest, UploadSendsDialOneThenDialTwo) {
    Set("3", "101", "13900002222");
    Set("5", "202", "1", "2");
    Set("6", "303", "", "3");
    houses().SetEntry("404", "", "", RowStatus::Pending, 6);
    page.OnDownloadAll();
    EXPECT_EQ(link.writes.back().ack, "3");
    EXPECT_EQ(link.writes.back().code, 37);
    ConfirmAndPause();
    Feed("OK\r\n");
    EXPECT_EQ(houses().Status(4), RowStatus::InUnit) << "InUnit after the first answer";
    Pause();
    EXPECT_EQ(houses().Status(4), RowStatus::Pending) << "while Dial2 is on its way";
    ConfirmAndPause();
    ConfirmAndPause();
    EXPECT_EQ(Sent(),
              (Strings{"#PWD1234#00101:DIAL1=13900002222\r\n", "#PWD1234#00202:DIAL1=1\r\n",
                       "#PWD1234#00202:DIAL2=2\r\n", "#PWD1234#00303:DIAL2=3\r\n"}));
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

}  // namespace
}  // namespace dorvik
