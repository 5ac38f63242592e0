#include "pages/list_grids.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
    EXPECT_EQ(specials.CellText(40, 0), "Q001");
    phones.SelectRow(2000);
    EXPECT_EQ(phones.SelectedRow(), -1);
}

// Every column of every grid, its header text and width in pixels, in order.
TEST(ListGrids, ColumnHeadersAndWidths) {
    using Columns = std::vector<std::pair<std::string, int>>;
    const auto columns = [](const auto& grid) {
        Columns out;
        for (int col = 0; col < grid.ColumnCount(); ++col)
            out.emplace_back(grid.ColumnTitle(col), grid.ColumnWidth(col));
        return out;
    };
    UnitModel model;
    const Columns phoneColumns{{"Index", 100}, {"Phone Number", 100}, {"User Name", 200}};
    EXPECT_EQ(columns(CPhoneGrid(model.phones)), phoneColumns);
    EXPECT_EQ(columns(CAlarmGrid(model.alarms)), phoneColumns);
    const Columns specialColumns{{"Index", 50},     {"Phone Number", 100}, {"User Name", 80},
                                 {"From Time", 80}, {"To Time", 60},       {"Sun", 40},
                                 {"Mon", 40},       {"Tue", 40},           {"Wed", 40},
                                 {"Thu", 40},       {"Fri", 40},           {"Sat", 40},
                                 {"From Date", 80}, {"To Date", 80},       {"Entires Amount", 100}};
    EXPECT_EQ(columns(CSpecialGrid(model.specials)), specialColumns);
    EXPECT_EQ(columns(CHouseGrid(model.houses)),
              (Columns{{"Index", 100}, {"House Number", 200}, {"Dial1", 200}, {"Dial2", 200}}));
}

}  // namespace
}  // namespace dorvik
