// What the command-line tool needs of the core: an upload that stops after
// the slot on its way, and a read-all that no earlier reply timer repeats.
#include <gtest/gtest.h>

#include "page_rig.h"
#include "protocol/catalogue.h"

namespace dorvik::test {
namespace {

TEST(CoreHooks, AStoppedUploadFinishesTheSlotOnItsWayAndLeavesTheRestPending) {
    PageRig rig;
    rig.Connect();
    HouseList& houses = rig.model.houses;
    houses.SetEntry("00101", "1", "2", RowStatus::Pending, 0);
    houses.SetEntry("00102", "3", "", RowStatus::Pending, 1);
    CHouse& page = rig.pages.house;
    page.OnDownloadAll();
    page.StopRunAfterSlot();
    rig.Confirm();
    rig.Pause();
    EXPECT_TRUE(page.Uploading()) << "dial 2 of the slot is still to send";
    rig.Confirm();
    rig.Pause();
    EXPECT_FALSE(page.Uploading());
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"#PWD1234#00101:DIAL1=1\r\n",
                                                    "#PWD1234#00101:DIAL2=2\r\n"}));
    EXPECT_EQ(houses.Status(0), RowStatus::InUnit);
    EXPECT_EQ(houses.Status(1), RowStatus::Pending);

    page.OnDownloadAll();
    EXPECT_EQ(rig.Sent().back(), "#PWD1234#00102:DIAL1=3\r\n") << "the next run goes on";
}

TEST(CoreHooks, AReadAllIsNotSentAgainByTheReplyTimerOfTheCommandBefore) {
    PageRig rig;
    rig.Connect();  // the house count query started the reply timer
    rig.Feed("HOUSE NUMBER IS 400\n");
    rig.pages.alarm.OnGetFromUnit();
    rig.Feed("ALARM IS 110:::::\n");
    rig.timers.FireAll(2000);
    rig.timers.FireAll(3000);
    rig.timers.FireAll(3000);
    ASSERT_EQ(rig.link.writes.size(), 1u) << "sent once, never again";
    EXPECT_EQ(rig.link.writes[0].text, "#PWD1234#ALARM=ALL?\r\n");
    EXPECT_TRUE(rig.Boxes().empty());
}

}  // namespace
}  // namespace dorvik::test
