#include "model/house_list.h"
#include "model/unit_model.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

using enum RowStatus;

// An empty dial keeping the old one is pinned by the house page's tests.
TEST(HouseList, DeleteErasesBothDialsAndMarksTheSlotForUpload) {
    ModifiedFlag modified;
    HouseList houses(modified);
    EXPECT_EQ(houses.Size(), 400);
    houses.SetEntry("00101", "139", "140", InUnit, 2);
    EXPECT_EQ(houses.FindNumber("00101"), 3);
    std::string house, dial1, dial2;
    EXPECT_TRUE(houses.GetEntry(2, house, dial1, dial2));
    EXPECT_FALSE(houses.GetEntry(400, house, dial1, dial2));
    houses.DeleteEntry(2);
    EXPECT_EQ(houses.Row(2).houseNumber, "00101");
    EXPECT_EQ(houses.Row(2).dial1 + houses.Row(2).dial2, "00000000");
    EXPECT_EQ(houses.Status(2), Pending);
    EXPECT_FALSE(houses.SetEntry("", "", "", Pending, 4));
    EXPECT_FALSE(houses.SetEntry("9", "Z", "Z", Pending, -1));
    EXPECT_EQ(houses.Used(), 1);
}

TEST(HouseList, AppendPositionMovesWithStoredAppendsOnly) {
    ModifiedFlag modified;
    HouseList houses(modified, 2);
    EXPECT_TRUE(houses.AppendEntry("00001", "1", "", InUnit));
    EXPECT_FALSE(houses.AppendEntry("", "", "", InUnit));
    EXPECT_TRUE(houses.AppendEntry("00002", "2", "", InUnit));
    EXPECT_FALSE(houses.AppendEntry("00003", "3", "", InUnit));  // past the end
    EXPECT_EQ(houses.AppendPosition(), 2);
    houses.ClearInUnitRows();
    EXPECT_EQ(houses.AppendPosition(), 0);
    EXPECT_EQ(houses.Used(), 0);
}

// The new list sizes are pinned by the phone page's house count test.
TEST(UnitModel, HouseCountRebuildRestartsAppendsAndDropsSlotsBeyond) {
    UnitModel unit;
    unit.phones.SetEntry("111", "Ann", 1999, InUnit);
    unit.houses.AppendEntry("00101", "1", "", InUnit);
    EXPECT_TRUE(unit.RebuildForHouses(120));
    EXPECT_EQ(unit.phones.Used(), 0) << "slot 2000 lies beyond the new list";
    EXPECT_EQ(unit.houses.Row(0).houseNumber, "00101") << "a slot that fits is kept";
    EXPECT_EQ(unit.houses.AppendPosition(), 0);
    EXPECT_FALSE(unit.RebuildForHouses(0));
    EXPECT_EQ(unit.houses.Size(), 120);
}

}  // namespace
}  // namespace dorvik
