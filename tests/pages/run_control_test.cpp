// Stop ends an upload after the slot on its way and a read at once, with
// nothing reported; meanwhile a run shows "n of m" and the time left.
#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

struct RunControlTest : ::testing::Test {
    RunControlTest() {
        rig.Connect();
        for (int row = 0; row < 6; ++row)
            rig.model.phones.SetEntry(std::to_string(700 + row), "", row, RowStatus::Pending);
    }
    // A second later the unit confirms the slot on its way.
    void NextSlot() {
        rig.timers.FireAll(500);
        rig.timers.FireAll(500);
        rig.Confirm();
        rig.Pause();
    }
    test::PageRig rig;
    CPhone& page = rig.pages.phone;
};

TEST_F(RunControlTest, StopEndsAnUploadAfterTheSlotOnItsWayAndAReadAtOnce) {
    page.OnDownloadAll();
    NextSlot();
    rig.engine.StopRuns();
    NextSlot();
    EXPECT_FALSE(page.Uploading());
    EXPECT_EQ(rig.Sent().size(), 2u);
    EXPECT_EQ(rig.model.phones.Status(2), RowStatus::Pending);
    page.OnDownloadAll();  // slot 3 on its way to a unit that stays silent
    rig.timers.FireAll(3000);
    rig.engine.StopRuns();
    EXPECT_FALSE(page.Uploading());
    page.OnGetFromUnit();
    rig.Feed("WHL1 IS 1\n");
    rig.engine.StopRuns();
    rig.Feed("WHL2 IS 2\n");
    EXPECT_NE(rig.model.phones.Row(1).number, "2") << "lines after the Stop are not taken";
    for (int tick = 0; tick < 2 * 4; ++tick)
        for (int ms : {3000, 2000}) rig.timers.FireAll(ms);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_TRUE(rig.engine.Connected());
    EXPECT_TRUE(rig.Boxes().empty());
}

TEST_F(RunControlTest, RunsShowHowFarTheyAreAndTheTimeLeft) {
    page.OnDownloadAll();
    std::vector<std::string> texts{rig.progress.text};
    for (int slot = 0; slot < 6; ++slot) {
        NextSlot();
        texts.push_back(rig.progress.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1 of 6", "2 of 6", "3 of 6", "4 of 6, 0:03 left",
                                               "5 of 6, 0:02 left", "6 of 6, 0:01 left", ""}));
    page.OnGetFromUnit();
    rig.Feed("WHL1 IS 1\nWHL2 IS 2\n");
    rig.timers.FireAll(2000);  // the read counts as ended
    rig.Feed("WHL3 IS 3\n");
    EXPECT_EQ(rig.progress.text, "3 lines received");
    for (int tick = 0; tick < 4; ++tick) rig.timers.FireAll(500);
    EXPECT_EQ(rig.progress.text, "");
}

}  // namespace
}  // namespace dorvik
