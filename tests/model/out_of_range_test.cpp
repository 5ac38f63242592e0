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
    unit.Phones.SetEntry("1", "A", 0, Pending);
    unit.Log.AddEntry("t", "1", "A", 1);
    unit.Modified.Clear();
    std::string a = "keep", b = "keep", c = "keep";
    SpecialTexts texts;
    LogEntry entry;
    for (int row : kBadRows) {
        EXPECT_FALSE(unit.Phones.SetEntry("9", "Z", row, Pending));
        EXPECT_FALSE(unit.Alarms.SetEntry("9", "Z", row, Pending));
        EXPECT_FALSE(unit.Specials.SetEntry("9", "Z", "", "", "", "", "", "", "", "", "", "", "",
                                            "", row, Pending, "S"));
        EXPECT_FALSE(unit.Houses.SetEntry("9", "Z", "Z", Pending, row));
        EXPECT_FALSE(unit.Log.SetEntry("9", "t", "9", "Z", row));
        ExpectCommonOpsIgnore(unit.Phones, row);
        ExpectCommonOpsIgnore(unit.Alarms, row);
        ExpectCommonOpsIgnore(unit.Specials, row);
        ExpectCommonOpsIgnore(unit.Houses, row);
        EXPECT_FALSE(unit.Phones.GetEntry(row, a, b));
        EXPECT_FALSE(unit.Houses.GetEntry(row, a, b, c));
        EXPECT_FALSE(unit.Specials.GetEntry(row, texts));
        EXPECT_FALSE(unit.Log.GetEntry(row, entry));
        EXPECT_EQ(unit.Log.Row(row).Number, "");
    }
    // One row past the end of each list.
    EXPECT_FALSE(unit.Phones.SetEntry("9", "Z", unit.Phones.Size(), Pending));
    EXPECT_FALSE(unit.Alarms.SetEntry("9", "Z", unit.Alarms.Size(), Pending));
    EXPECT_FALSE(unit.Specials.SetEntry("9", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        unit.Specials.Size(), Pending, "Q"));
    EXPECT_FALSE(unit.Houses.SetEntry("9", "", "", Pending, unit.Houses.Size()));
    EXPECT_FALSE(unit.Log.SetEntry("9", "t", "9", "Z", unit.Log.Size()));
    EXPECT_EQ(a + b + c, "keepkeepkeep");
    EXPECT_FALSE(unit.Modified.IsSet());
    EXPECT_EQ(unit.Phones.Used() + unit.Alarms.Used() + unit.Specials.Used() + unit.Houses.Used(), 1);
    EXPECT_EQ(unit.Log.RowCount(), 1);
}

}  // namespace
}  // namespace dorvik
