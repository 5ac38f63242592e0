// The log page against the simulated unit: the callers of its log are the
// numbers of its phone list, which the user has given names on the PC.
#include <map>

#include "frame_fixture.h"

namespace dorvik::test {
namespace {

class LogPageE2e : public FrameFixture {
protected:
    static constexpr int kListed = 30;
    static constexpr int kLogRows = 40;

    // Reads the unit's phone list and names every caller "Resident <slot>".
    void NameTheResidents() {
        CPhone& phone = F().Phone();
        phone.OnGetFromUnit();
        const PhoneList& phones = F().Model().phones;
        ASSERT_TRUE(RunUntil([&] { return phones.Used() == kListed && phone.CommandsEnabled(); }));
        for (int row = 0; row < kListed; ++row) {
            phone.OnRowClicked(row);
            const std::string name = "Resident " + std::to_string(row + 1);
            phone.Form().name = name;
            phone.OnSet();
            names_[phones.Row(row).number] = name;
        }
        ASSERT_TRUE(BoxTexts().empty());
    }

    // Every row shows the name of its caller when the caller is listed.
    int CheckNames(int rows) {
        const CLogView& view = F().LogView();
        int named = 0;
        for (int row = 0; row < rows; ++row) {
            const auto it = names_.find(view.Cell(row, 2));
            EXPECT_EQ(view.Cell(row, 3), it == names_.end() ? "" : it->second) << "row " << row;
            named += !view.Cell(row, 3).empty();
        }
        return named;
    }

    std::map<std::string, std::string> names_;
};

TEST_F(LogPageE2e, TheWholeLogAndItsLastEntriesComeWithTheCallersNames) {
    StartUnit({"--seed-phones", std::to_string(kListed), "--log-rows", std::to_string(kLogRows)});
    OpenFrame();
    ASSERT_TRUE(Connect());
    NameTheResidents();
    CDialogLog& page = F().LogPage();
    const CLogView& view = F().LogView();
    const CallLog& log = F().Model().log;

    page.OnGetEntireLog();
    ASSERT_TRUE(RunUntil([&] { return log.RowCount() == kLogRows && page.CommandsEnabled(); }));
    EXPECT_EQ(view.Cell(0, 0), "1");
    EXPECT_EQ(view.Cell(kLogRows - 1, 0), std::to_string(kLogRows));
    EXPECT_TRUE(view.Cell(0, 1).starts_with("2024/03/01 ")) << view.Cell(0, 1);
    EXPECT_GT(CheckNames(kLogRows), kLogRows / 2);
    const std::string tenthLast = view.Cell(kLogRows - 10, 2);

    page.OnDeleteLog();
    EXPECT_EQ(log.RowCount(), 0);
    page.LastCountText() = "10";
    page.OnGetLastEntries();
    ASSERT_TRUE(RunUntil([&] { return log.RowCount() == 10 && page.CommandsEnabled(); }));
    EXPECT_EQ(view.Cell(0, 0), std::to_string(kLogRows - 9));
    EXPECT_EQ(view.Cell(0, 2), tenthLast);
    EXPECT_EQ(view.Cell(9, 0), std::to_string(kLogRows));
    EXPECT_GT(CheckNames(10), 0);
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
}  // namespace dorvik::test
