// Storing, deleting and reading back house slots is driven through the house page's tests.
#include "model/house_list.h"

#include <gtest/gtest.h>

#include "model/unit_model.h"

namespace dorvik {
namespace {

using enum RowStatus;

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
