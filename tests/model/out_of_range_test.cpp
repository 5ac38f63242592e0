// Rows outside a list are never read or written, whatever the operation.
#include <gtest/gtest.h>

#include <climits>

#include "model/unit_model.h"

namespace dorvik {
namespace {

using enum RowStatus;

constexpr int kBadRows[] = {-1, INT_MIN, INT_MAX};

template <class List>
void ExpectCommonOpsIgnore(List& list, int row) {
    list.DeleteEntry(row);
    list.SetRowStatus(row, InUnit);
    list.SelectRow(row);
    EXPECT_EQ(list.Status(row), Empty);
    EXPECT_EQ(list.SelectedRow(), -1);
}

TEST(OutOfRangeRows, EveryListIgnoresThem) {
    UnitModel unit;
    unit.phones.SetEntry("1", "A", 0, Pending);
    unit.log.AddEntry("t", "1", "A", 1);
    unit.Modified.Clear();
    std::string a = "keep", b = "keep", c = "keep";
    SpecialTexts texts;
    LogEntry entry;
    for (int row : kBadRows) {
        EXPECT_FALSE(unit.phones.SetEntry("9", "Z", row, Pending));
        EXPECT_FALSE(unit.alarms.SetEntry("9", "Z", row, Pending));
        EXPECT_FALSE(unit.specials.SetEntry("9", "Z", "", "", "", "", "", "", "", "", "", "", "",
                                            "", row, Pending, "S"));
        EXPECT_FALSE(unit.houses.SetEntry("9", "Z", "Z", Pending, row));
        EXPECT_FALSE(unit.log.SetEntry("9", "t", "9", "Z", row));
        ExpectCommonOpsIgnore(unit.phones, row);
        ExpectCommonOpsIgnore(unit.alarms, row);
        ExpectCommonOpsIgnore(unit.specials, row);
        ExpectCommonOpsIgnore(unit.houses, row);
        EXPECT_FALSE(unit.phones.GetEntry(row, a, b));
        EXPECT_FALSE(unit.houses.GetEntry(row, a, b, c));
        EXPECT_FALSE(unit.specials.GetEntry(row, texts));
        EXPECT_FALSE(unit.log.GetEntry(row, entry));
        EXPECT_EQ(unit.log.Row(row).number, "");
    }
    // One row past the end of each list.
    EXPECT_FALSE(unit.phones.SetEntry("9", "Z", unit.phones.Size(), Pending));
    EXPECT_FALSE(unit.alarms.SetEntry("9", "Z", unit.alarms.Size(), Pending));
    EXPECT_FALSE(unit.specials.SetEntry("9", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        unit.specials.Size(), Pending, "Q"));
    EXPECT_FALSE(unit.houses.SetEntry("9", "", "", Pending, unit.houses.Size()));
    EXPECT_FALSE(unit.log.SetEntry("9", "t", "9", "Z", unit.log.Size()));
    EXPECT_EQ(a + b + c, "keepkeepkeep");
    EXPECT_FALSE(unit.Modified.IsSet());
    EXPECT_EQ(unit.phones.Used() + unit.alarms.Used() + unit.specials.Used() + unit.houses.Used(), 1);
    EXPECT_EQ(unit.log.RowCount(), 1);
}

}  // namespace
}  // namespace dorvik
