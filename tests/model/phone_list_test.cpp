// Storing, deleting and the searches of the form are driven through the phone page's tests.
#include "model/phone_list.h"

#include <gtest/gtest.h>

#include <climits>

namespace dorvik {
namespace {

using enum RowStatus;

class PhoneListTest : public ::testing::Test {
protected:
    ModifiedFlag modified;
    PhoneList phones{modified};
};

TEST_F(PhoneListTest, EmptySlotsAreNeverFoundButNamesByNumberSeeEveryStatus) {
    std::string number = "x", name = "y";
    phones.SetEntry("", "Cid", 3, Pending);
    EXPECT_FALSE(phones.GetEntry(3, number, name));
    EXPECT_EQ(number + name, "");
    phones.SetEntry("555", "Ann", 9, Pending);
    phones.SetEntry("555", "Ann", 4, InUnit);
    phones.SetEntry("777", "Bob", 2, Pending);
    phones.SetRowStatus(2, Empty);
    EXPECT_EQ(phones.FindNumber("555"), 5);
    EXPECT_EQ(phones.FindNumber("777"), 0);
    EXPECT_EQ(phones.GetNameByNumber("555"), "Ann");
    EXPECT_EQ(phones.GetNameByNumber("999"), "");
    EXPECT_EQ(phones.Used(), 4) << "slots holding text, whatever their status";
}

TEST_F(PhoneListTest, RebuildRowsRefusesBadCountsAndForgetsDroppedSlots) {
    phones.SetEntry("222", "Bob", 239, Pending);
    phones.SetEntry("333", "Cid", 240, Pending);
    phones.SelectRow(240);
    EXPECT_TRUE(phones.RebuildRows(120));
    EXPECT_EQ(phones.Status(239), Pending);
    EXPECT_EQ(phones.SelectedRow(), -1);
    for (int houses : {0, -5, INT_MAX, kMaxHouseCount + 1})
        EXPECT_FALSE(phones.RebuildRows(houses));
    EXPECT_EQ(phones.Size(), 240);
    EXPECT_TRUE(phones.RebuildRows(200));
    EXPECT_EQ(phones.Row(240).number, "") << "a slot dropped before stays gone";
    EXPECT_EQ(phones.Used(), 1);
}

}  // namespace
}  // namespace dorvik
