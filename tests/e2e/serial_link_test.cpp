// The real serial link against the simulated unit.
#include "link_fixture.h"
#include "protocol/catalogue.h"
#include "scratch_dir.h"

namespace dorvik::test {
namespace {

using SerialLink = LinkFixture;

TEST_F(SerialLink, TavrinModeConnectsOnlyWithTheRightUnitId) {
    StartUnit({"--unit-id", "0815"});
    LinkParams p = engine.Params();
    p.tavrin = true;
    engine.SetParams(p);
    ASSERT_TRUE(Connect());
    engine.StartLink("0815", false);
    EXPECT_TRUE(RunUntil([&] { return !engine.Connected(); }));

    p.unitId = "9999";
    engine.SetParams(p);
    engine.OnConnectCommand();
    RunFor(600);
    EXPECT_FALSE(engine.Connected());
}

TEST_F(SerialLink, PhoneSlotsWrittenAreReadBack) {
    StartUnit({"--houses", "50"});
    ASSERT_TRUE(Connect());
    for (int slot : {1, 7, 100}) {
        std::string number = "1390000" + std::to_string(1000 + slot);
        model.phones.SetEntry(number, "", slot - 1, RowStatus::Pending);
        Send(WritePhoneSlot(kPassword, slot, number));
        ASSERT_TRUE(RunUntil([&] { return model.phones.Status(slot - 1) == RowStatus::InUnit; }));
    }
    model.phones.SetEntry("123", "", 20, RowStatus::InUnit);
    engine.SetFirstLineSeen(false);
    Send(ReadPhoneList(kPassword));
    engine.BeginReadAll();
    ASSERT_TRUE(RunUntil([&] { return phone.enabled && model.phones.Used() == 3; }));
    EXPECT_EQ(model.phones.Row(6).number, "13900001007");
    EXPECT_EQ(model.phones.Status(20), RowStatus::Empty) << "stale unit slot cleared";
}

TEST_F(SerialLink, ReadAllOfAFullPhoneList) {
    StartUnit({"--houses", "1000", "--seed-phones", "2000"});
    ASSERT_TRUE(Connect());
    ASSERT_EQ(model.phones.Size(), 2000);
    engine.SetFirstLineSeen(false);
    Send(ReadPhoneList(kPassword));
    engine.BeginReadAll();
    ASSERT_TRUE(RunUntil([&] { return model.phones.Used() == 2000; }, 20000));
    for (int row = 0; row < 2000; ++row) ASSERT_EQ(model.phones.Status(row), RowStatus::InUnit);
}

TEST_F(SerialLink, SilenceGivesThreeResendsThenTheMessagesInOrder) {
    ScratchDir dir;
    const std::string journal = dir.File("journal");
    StartUnit({"--silent-after", "1", "--journal", journal});
    ASSERT_TRUE(Connect());
    Send(BandQuery(kPassword));
    engine.SetBusy(true);
    ASSERT_TRUE(RunUntil([&] { return !engine.Connected(); }));
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Connect device fialed,Please check device!",
                                                       "Disconnected from unit"}));
    EXPECT_EQ(CountLines(journal, "BAND?"), 4) << "the command and three re-sends";
}

TEST_F(SerialLink, GarbageLinesAreIgnored) {
    StartUnit({"--garbage", "--houses", "30"});
    ASSERT_TRUE(Connect());
    model.phones.SetEntry("555", "", 4, RowStatus::Pending);
    Send(WritePhoneSlot(kPassword, 5, "555"));
    ASSERT_TRUE(RunUntil([&] { return model.phones.Status(4) == RowStatus::InUnit; }));
    EXPECT_EQ(model.houses.Size(), 30);
}

TEST_F(SerialLink, CrLfLineEndsConfirmOnlyWhereTheLineIsTrimmed) {
    StartUnit({"--crlf"});
    ASSERT_TRUE(Connect());
    model.phones.SetEntry("555", "", 4, RowStatus::Pending);
    Send(WritePhoneSlot(kPassword, 5, "555"));
    ASSERT_TRUE(RunUntil([&] { return model.phones.Status(4) == RowStatus::InUnit; }));
    Send(SetBand(kPassword, "GSM 850, PCS 1900"));
    engine.SetBusy(true);
    ASSERT_TRUE(RunUntil([&] { return msic.enabled; }));
    EXPECT_TRUE(boxes.shown.empty()) << "the CR keeps the exact acknowledgement from matching";
}

}  // namespace
}  // namespace dorvik::test
