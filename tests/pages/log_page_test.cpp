#include "pages/dialog_log.h"

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

class LogPageTest : public PageTest {
protected:
    LogPageTest() {
        model.phones.SetEntry("5550100", "Tom", 0, RowStatus::InUnit);
        model.phones.SetEntry("5550111", "Ann", 1, RowStatus::InUnit);
        SpecialTexts sam;
        sam.number = "777";
        sam.name = "Sam";
        model.specials.SetEntry(sam, 0, RowStatus::InUnit, "S");
        model.Modified.Clear();
    }
    Strings RowTexts(int row) const {
        Strings texts;
        for (int c = 0; c < 4; ++c) texts.push_back(logView.Cell(row, c));
        return texts;
    }
};

TEST_F(LogPageTest, WholeLogIsAReadAllWithNamesFromTheLists) {
    logPage.OnGetEntireLog();
    ASSERT_EQ(link.writes.size(), 1u);
    EXPECT_EQ(link.writes[0].text, "#PWD1234#LOG=ALL?\r\n");
    EXPECT_EQ(link.writes[0].code, 21);
    EXPECT_EQ(link.writes[0].ack, "");
    EXPECT_FALSE(logPage.CommandsEnabled());
    EXPECT_FALSE(msic.CommandsEnabled());
    Feed("LOGW7:5550100:201612281345\nLOGS8:777:201612281400\nLOGW9:999:2016122815\nJUNK\n");
    EXPECT_EQ(RowTexts(0), (Strings{"7", "2016/12/28 13:45", "5550100", "Tom"}));
    EXPECT_EQ(RowTexts(1), (Strings{"8", "2016/12/28 14:00", "777", "Sam"}));
    EXPECT_EQ(RowTexts(2), (Strings{"9", "2016/12/28 15", "999", ""}));
    EXPECT_EQ(model.log.Counter(), 3);
    EXPECT_EQ(logView.SelectedRow(), 2);
    EXPECT_EQ(logView.TopRow(), 2);
    EXPECT_TRUE(model.Modified.IsSet());
    EXPECT_EQ(timers.FireAll(2000), 1);
    EXPECT_TRUE(logPage.CommandsEnabled()) << "the read-all ends when something arrived";
}

// The entries themselves are read against the simulated unit by LogPageE2e,
// the refusal in modem mode by ModemModeE2e.ReadAllCommandsAreRefused.
TEST_F(LogPageTest, LastEntriesTakeTheCountFromTheBox) {
    const std::pair<const char*, const char*> counts[] = {
        {"10", "#PWD1234#LOG=10?"},
        {"-5", "#PWD1234#LOG=-5?"},
        {"abc", "#PWD1234#LOG=0?"},
        {"99999999999999", "#PWD1234#LOG=2147483647?"}};
    for (auto [text, frame] : counts) {
        logPage.LastCountText() = text;
        logPage.OnGetLastEntries();
        EXPECT_EQ(LastFrame(), frame);
        EXPECT_EQ(link.writes.back().code, 22);
    }
    EXPECT_EQ(engine.Page(PageRole::Log), &logPage);
}

// Skipped, wrapped and overwritten entries: the CallLog tests of the model.
TEST_F(LogPageTest, DeleteLogAfterAWrapEmptiesEveryRow) {
    for (int i = 0; i < kLogCapacity + 3; ++i) logView.AddLogEntry("201612281345", "1", "", i);
    model.Modified.Clear();
    logView.ShowRow(500);
    logPage.OnDeleteLog();
    for (int row = 0; row < kLogCapacity; ++row) ASSERT_EQ(logView.Cell(row, 2), "") << row;
    EXPECT_EQ(model.log.Counter(), 0);
    EXPECT_EQ(model.log.RowCount(), 0);
    EXPECT_EQ(logView.SelectedRow(), 0);
    EXPECT_EQ(logView.TopRow(), 0);
    EXPECT_TRUE(model.Modified.IsSet());
    EXPECT_TRUE(link.writes.empty()) << "nothing is sent to the unit";
}

}  // namespace
}  // namespace dorvik
