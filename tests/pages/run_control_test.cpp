// Stop ends an upload after the slot on its way and a read at once, with
// nothing reported; meanwhile a run shows "n of m" and the time left.
#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

struct RunControlTest : PageTest {
    RunControlTest() {
        for (int row = 0; row < 6; ++row)
            model.phones.SetEntry(std::to_string(700 + row), "", row, RowStatus::Pending);
    }
    // A second later the unit confirms the slot on its way.
    void NextSlot() {
        timers.FireAll(500);
        timers.FireAll(500);
        Confirm();
        Pause();
    }
    CPhone& page = pages.phone;
};

TEST_F(RunControlTest, StopEndsAnUploadAfterTheSlotOnItsWayAndAReadAtOnce) {
    page.OnDownloadAll();
    NextSlot();
    engine.StopRuns();
    NextSlot();
    EXPECT_FALSE(page.Uploading());
    EXPECT_EQ(Sent().size(), 2u);
    EXPECT_EQ(model.phones.Status(2), RowStatus::Pending);
    page.OnDownloadAll();  // slot 3 on its way to a unit that stays silent
    timers.FireAll(3000);
    engine.StopRuns();
    EXPECT_FALSE(page.Uploading());
    page.OnGetFromUnit();
    Feed("WHL1 IS 1\n");
    engine.StopRuns();
    Feed("WHL2 IS 2\n");
    EXPECT_NE(model.phones.Row(1).number, "2") << "lines after the Stop are not taken";
    for (int tick = 0; tick < 2 * 4; ++tick)
        for (int ms : {3000, 2000}) timers.FireAll(ms);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_TRUE(engine.Connected());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(RunControlTest, RunsShowHowFarTheyAreAndTheTimeLeft) {
    page.OnDownloadAll();
    Strings texts{progress.text};
    for (int slot = 0; slot < 6; ++slot) {
        NextSlot();
        texts.push_back(progress.text);
    }
    EXPECT_EQ(texts, (Strings{"1 of 6", "2 of 6", "3 of 6", "4 of 6, 0:03 left",
                                               "5 of 6, 0:02 left", "6 of 6, 0:01 left", ""}));
    page.OnGetFromUnit();
    Feed("WHL1 IS 1\nWHL2 IS 2\n");
    timers.FireAll(2000);  // the read counts as ended
    Feed("WHL3 IS 3\n");
    EXPECT_EQ(progress.text, "3 lines received");
    for (int tick = 0; tick < 4; ++tick) timers.FireAll(500);
    EXPECT_EQ(progress.text, "");
}

}  // namespace
}  // namespace dorvik
