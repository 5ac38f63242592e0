#include "model/call_log.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

class CallLogTest : public ::testing::Test {
protected:
    ModifiedFlag modified;
    CallLog log{modified, 3};
};

TEST_F(CallLogTest, AddEntryFillsTheCounterRow) {
    EXPECT_EQ(CallLog(modified).Size(), 1000);
    EXPECT_FALSE(log.AddEntry("201612281345", "", "", 1));  // nothing to add
    EXPECT_FALSE(modified.IsSet());
    EXPECT_TRUE(log.AddEntry("201612281345", "5550100", "Tom", 7));
    const LogEntry& row = log.Row(0);
    EXPECT_EQ(row.index + "|" + row.time + "|" + row.number + "|" + row.name,
              "7|2016/12/28 13:45|5550100|Tom");
    EXPECT_EQ(log.Counter(), 1);
    EXPECT_EQ(log.SelectedRow(), 0);
    EXPECT_TRUE(modified.IsSet());
}

TEST_F(CallLogTest, WrapKeepsEveryRowReachable) {
    for (int i = 1; i <= 3; ++i) log.AddEntry("t", "55" + std::to_string(i), "Ann", i);
    EXPECT_EQ(log.Counter(), 0);
    EXPECT_EQ(log.RowCount(), 3);
    // The oldest row is overwritten whole: a nameless caller gets no old name.
    log.AddEntry("t2", "999", "", 4);
    EXPECT_EQ(log.Row(0).number, "999");
    EXPECT_EQ(log.Row(0).name, "");
    EXPECT_EQ(log.Counter(), 1);
    EXPECT_EQ(log.RowCount(), 3);
    log.Clear();
    EXPECT_EQ(log.Row(2).number, "");
    EXPECT_EQ(log.Counter() + log.RowCount(), 0);
}

TEST_F(CallLogTest, SetEntryWritesTextsAsTheyAre) {
    log.SetEntry("1", "t1", "111", "Ann", 2);
    EXPECT_FALSE(log.SetEntry("2", "t", "9", "Z", 3));  // one past the end
    log.SetEntry("2", "201612281345", "222", "", 2);
    LogEntry entry;
    ASSERT_TRUE(log.GetEntry(2, entry));
    EXPECT_FALSE(log.GetEntry(-1, entry));
    EXPECT_EQ(entry.time + "|" + entry.name, "201612281345|");
    EXPECT_EQ(log.Counter(), 0);
    EXPECT_EQ(log.RowCount(), 3);
}

}  // namespace
}  // namespace dorvik
