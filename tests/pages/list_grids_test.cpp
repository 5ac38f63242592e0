#include "pages/list_grids.h"

#include <gtest/gtest.h>

#include "model/unit_model.h"

namespace dorvik {
namespace {

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
    EXPECT_EQ(specials.ColumnCount(), 15);
    EXPECT_EQ(specials.CellText(40, 0), "Q001");
    phones.SelectRow(2000);
    EXPECT_EQ(phones.SelectedRow(), -1);
}

}  // namespace
}  // namespace dorvik
