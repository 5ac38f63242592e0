// Runs that the user ends: a disconnect, the Stop command, and the "n of m"
// text with the time left that a run shows meanwhile.
#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using test::PageRig;
using Strings = std::vector<std::string>;

class RunControlTest : public ::testing::Test {
protected:
    RunControlTest() {
        rig.Connect();
        for (int row = 0; row < 6; ++row)
            phones().SetEntry(std::to_string(700 + row), "", row, RowStatus::Pending);
    }
    PhoneList& phones() { return rig.model.Phones; }
    int Pending() const {
        int n = 0;
        for (int row = 0; row < 6; ++row) n += rig.model.Phones.Status(row) == RowStatus::Pending;
        return n;
    }
    void Disconnect() {
        rig.boxes.Script(MsgAnswer::Yes);
        rig.engine.OnConnectCommand();
        rig.boxes.shown.clear();
    }
    // Long enough for every supervision to have given up several times over.
    void LetTimeGoBy() {
        for (int i = 0; i < 3 * ConnectionEngine::kMaxSilentTicks; ++i)
            for (int ms : {ConnectionEngine::kSerialReplyMs, ConnectionEngine::kReadAllMs,
                           ReplyHandlers::kNextSlotMs, RunMeter::kTickMs})
                rig.timers.FireAll(ms);
    }
    void ConfirmSlots(int n) {
        for (int i = 0; i < n; ++i) {
            rig.Confirm();
            rig.Pause();
        }
    }

    PageRig rig;
    CPhone& page = rig.pages.phone;
};

// Disconnecting mid-upload (also in the pause between two slots) or
// mid-read ends the run with no message and no resend; a new link starts
// with its own full supervision.
TEST_F(RunControlTest, DisconnectEndsTheRunQuietly) {
    for (const bool inPause : {false, true}) {
        PageRig r;
        r.Connect();
        for (int row = 0; row < 3; ++row) r.model.Phones.SetEntry("7", "", row, RowStatus::Pending);
        r.pages.phone.OnDownloadAll();
        r.Confirm();
        if (!inPause) r.Pause();
        r.boxes.Script(MsgAnswer::Yes);
        r.engine.OnConnectCommand();
        const std::size_t written = r.serial.writes.size();
        for (int i = 0; i < 12; ++i)
            for (int ms : {ConnectionEngine::kSerialReplyMs, ReplyHandlers::kNextSlotMs})
                r.timers.FireAll(ms);
        EXPECT_EQ(r.Boxes(), Strings{"Disconnected from unit?"});
        EXPECT_EQ(r.serial.writes.size(), written) << "nothing is sent again";
        EXPECT_FALSE(r.pages.phone.Uploading());
        EXPECT_FALSE(r.progress.visible);
        EXPECT_EQ(r.progress.text, "");
        EXPECT_EQ(r.model.Phones.Status(0), RowStatus::InUnit);
        EXPECT_EQ(r.model.Phones.Status(2), RowStatus::Pending);
    }
    page.OnGetFromUnit();
    rig.Feed("WHL1 IS 1\r\n");
    Disconnect();
    LetTimeGoBy();
    EXPECT_TRUE(rig.Boxes().empty());
    EXPECT_EQ(rig.serial.writes.size(), 1u) << "the read is not sent again";
    EXPECT_EQ(rig.progress.text, "");

    rig.Connect();
    for (int tick = 1; tick < ConnectionEngine::kMaxSilentTicks; ++tick)
        rig.timers.FireAll(ConnectionEngine::kSerialReplyMs);
    EXPECT_TRUE(rig.engine.Connected()) << "the new link has its own count of silent ticks";
}

TEST_F(RunControlTest, StopEndsAnUploadAfterTheSlotOnItsWay) {
    page.OnDownloadAll();
    ConfirmSlots(1);
    rig.engine.StopRuns();
    EXPECT_TRUE(page.Uploading()) << "slot 2 is on its way";
    ConfirmSlots(1);
    EXPECT_FALSE(page.Uploading());
    EXPECT_EQ(Pending(), 4);
    EXPECT_EQ(phones().Status(1), RowStatus::InUnit);
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_FALSE(rig.progress.visible);
    LetTimeGoBy();
    EXPECT_TRUE(rig.Boxes().empty());
    EXPECT_TRUE(rig.engine.Connected());
    EXPECT_EQ(rig.Sent().size(), 2u);
}

TEST_F(RunControlTest, StopEndsAReadAllAtOnce) {
    page.OnGetFromUnit();
    rig.Feed("WHL1 IS 1\n");
    rig.engine.StopRuns();
    EXPECT_TRUE(page.CommandsEnabled());
    EXPECT_FALSE(rig.engine.ReadAllRunning());
    rig.Feed("WHL2 IS 2\n");
    EXPECT_EQ(phones().Row(1).Number, "701") << "lines after the Stop are not taken";
    LetTimeGoBy();
    EXPECT_TRUE(rig.Boxes().empty());
    EXPECT_TRUE(rig.engine.Connected());
}

TEST_F(RunControlTest, RunsShowHowFarTheyAre) {
    page.OnDownloadAll();
    EXPECT_EQ(rig.progress.text, "1 of 6");
    const Strings expected{"2 of 6", "3 of 6", "4 of 6, 0:03 left", "5 of 6, 0:02 left",
                          "6 of 6, 0:01 left"};
    for (const std::string& text : expected) {
        rig.timers.FireAll(RunMeter::kTickMs);  // each slot takes a second
        rig.timers.FireAll(RunMeter::kTickMs);
        ConfirmSlots(1);
        EXPECT_EQ(rig.progress.text, text);
    }
    ConfirmSlots(1);
    EXPECT_EQ(rig.progress.text, "");

    page.OnGetFromUnit();
    rig.Feed("WHL1 IS 1\nWHL2 IS 2\n");
    EXPECT_EQ(rig.progress.text, "2 lines received");
    rig.timers.FireAll(ConnectionEngine::kReadAllMs);
    rig.Feed("WHL3 IS 3\n");
    EXPECT_EQ(rig.progress.text, "3 lines received") << "lines after the read counts as ended";
    for (int t = 0; t < RunMeter::kLinesQuietMs / RunMeter::kTickMs; ++t)
        rig.timers.FireAll(RunMeter::kTickMs);
    EXPECT_EQ(rig.progress.text, "");
}

}  // namespace
}  // namespace dorvik
