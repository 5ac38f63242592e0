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

TEST_F(PhoneListTest, StoreKeepsTheNameWhenNoneIsGivenAndCountsUsedSlots) {
    EXPECT_EQ(phones.Size(), 2000);
    phones.SetEntry("111", "Ann", 4, Pending);
    EXPECT_TRUE(phones.SetEntry("222", "", 4, InUnit));
    EXPECT_EQ(phones.Row(4).number + "|" + phones.Row(4).name, "222|Ann");
    EXPECT_EQ(phones.Status(4), InUnit);
    EXPECT_TRUE(modified.IsSet());
    modified.Clear();
    for (int row : {0, -1, 2000}) EXPECT_FALSE(phones.SetEntry("", "", row, Pending)) << row;
    EXPECT_FALSE(phones.SetEntry("9", "Z", 2000, Pending));
    EXPECT_EQ(phones.Status(0), Empty);
    EXPECT_FALSE(modified.IsSet());
    phones.SetEntry("", "Bob", 1, Pending);
    phones.SetRowStatus(1, InUnit);
    EXPECT_EQ(phones.Used(), 2);
}

// Deleting an unsent or uploaded slot is pinned by the phone page's delete test.
TEST_F(PhoneListTest, DeleteAndClearFollowTheStatus) {
    phones.SetEntry("111", "Ann", 0, Pending);
    phones.SetEntry("333", "Cid", 2, InUnit);
    phones.SetEntry("444", "Dan", 3, Pending);
    phones.DeleteEntry(0);
    EXPECT_EQ(phones.Status(0), Empty);
    phones.ClearInUnitRows();
    EXPECT_EQ(phones.Status(2), Empty);
    EXPECT_EQ(phones.Row(2).name, "");
    EXPECT_EQ(phones.Status(3), Pending);
    EXPECT_EQ(phones.Used(), 1);
}

TEST_F(PhoneListTest, GetEntryAndSearches) {
    std::string number = "x", name = "y";
    phones.SetEntry("", "Cid", 3, Pending);
    EXPECT_FALSE(phones.GetEntry(3, number, name));
    EXPECT_EQ(number + name, "");
    phones.SetEntry("555", "Ann", 9, Pending);
    phones.SetEntry("555", "Ann", 4, InUnit);
    phones.SetEntry("777", "Bob", 2, Pending);
    phones.SetRowStatus(2, Empty);  // Empty slots are never found
    EXPECT_TRUE(phones.GetEntry(4, number, name));
    EXPECT_EQ(number + name, "555Ann");
    EXPECT_EQ(phones.FindNumber("555"), 5);
    EXPECT_EQ(phones.FindNumber("777"), 0);
    EXPECT_EQ(phones.FindName("Cid"), 4);
    EXPECT_EQ(phones.GetNameByNumber("555"), "Ann");
    EXPECT_EQ(phones.GetNameByNumber("999"), "");
}

TEST_F(PhoneListTest, RebuildRowsRefusesBadCountsAndForgetsDroppedSlots) {
    phones.SetEntry("222", "Bob", 239, Pending);
    phones.SetEntry("333", "Cid", 240, Pending);
    phones.SelectRow(240);
    EXPECT_TRUE(phones.RebuildRows(120));
    EXPECT_EQ(phones.Status(239), Pending);
    EXPECT_EQ(phones.SelectedRow(), -1);
    for (int houses : {0, -5, INT_MAX, kMaxHouseCount + 1}) EXPECT_FALSE(phones.RebuildRows(houses));
    EXPECT_EQ(phones.Size(), 240);
    EXPECT_TRUE(phones.RebuildRows(200));
    EXPECT_EQ(phones.Row(240).number, "") << "a slot dropped before stays gone";
    EXPECT_EQ(phones.Used(), 1);
}

}  // namespace
}  // namespace dorvik
