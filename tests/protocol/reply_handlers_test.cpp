#include "protocol/reply_handlers.h"

#include <gtest/gtest.h>

#include "engine_rig.h"
#include "fake_pages.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

using namespace test;

SpecialTexts Special(const std::string& number, const std::string& name = "") {
    SpecialTexts t;
    t.Number = number;
    t.Name = name;
    return t;
}

class ReplyTest : public ::testing::Test, protected EngineRig {
protected:
    ReplyTest() {
        engine.RegisterPage(PageRole::Phone, &phone);
        engine.RegisterPage(PageRole::Msic, &msic);
        handlers.SetPages({&phone, &special, &alarm, &house, &msic, &multi, &log});
        engine.OnConnectCommand();
        link.writes.clear();
    }
    // Sends a request as a page would and feeds the unit's answer.
    void Answer(const Request& r, const std::string& reply) {
        engine.SendRequest(r.frame, r.code, r.ack);
        Feed(reply);
    }
    RecordingPage phone, special, alarm, house;
    RecordingSettingsPage msic, multi;
    RecordingLogView log;
};

TEST_F(ReplyTest, HouseCountRebuildsHouseAndPhoneLists) {
    Answer(HousesQuery("1234"), "HOUSE NUMBER IS 120\n");
    EXPECT_EQ(model.Houses.Size(), 120);
    EXPECT_EQ(model.Phones.Size(), 240);
    EXPECT_EQ(house.slotCount, 120);
    EXPECT_EQ(phone.slotCount, 240);
}

TEST_F(ReplyTest, PhoneReadAllClearsUnitRowsOnFirstLineAndKeepsPending) {
    model.Phones.SetEntry("111", "Ann", 0, RowStatus::InUnit);
    model.Phones.SetEntry("222", "Bob", 1, RowStatus::Pending);
    model.Phones.SetEntry("333", "Cid", 4, RowStatus::Pending);
    engine.SetFirstLineSeen(false);
    Answer(ReadPhoneList("1234"), "WHL0 IS 999\n");
    EXPECT_EQ(model.Phones.Row(0).Number, "111") << "index 0 is ignored and clears nothing";
    Feed("WHL5 IS 555\r\nWHL7 IS 777\n");
    EXPECT_EQ(model.Phones.Row(0).Status, RowStatus::Empty);
    EXPECT_EQ(model.Phones.Row(1).Status, RowStatus::Pending);
    EXPECT_EQ(model.Phones.Row(4).Number, "555");
    EXPECT_EQ(model.Phones.Row(4).Name, "Cid") << "the PC's name stays";
    EXPECT_EQ(model.Phones.Row(4).Status, RowStatus::InUnit);
    EXPECT_EQ(model.Phones.Row(6).Number, "777");
    EXPECT_EQ(model.Phones.SelectedRow(), 6);
}

TEST_F(ReplyTest, EmptyPhoneListAnswerClearsAndEndsTheReadAll) {
    model.Phones.SetEntry("111", "", 2, RowStatus::InUnit);
    Answer(ReadPhoneList("1234"), "WHL IS 0000");
    engine.BeginReadAll();
    EXPECT_EQ(model.Phones.Row(2).Number, "111");
    Feed("\r");
    EXPECT_EQ(model.Phones.Row(2).Status, RowStatus::Empty);
    EXPECT_TRUE(phone.enabled);
    EXPECT_EQ(timers.FireAll(2000), 0) << "read-all ended";
}

TEST_F(ReplyTest, ConfirmedPhoneSlotContinuesTheRunAfterAPause) {
    model.Phones.SetEntry("13955550101", "", 6, RowStatus::Pending);
    Answer(WritePhoneSlot("1234", 7, "13955550101"), "WHL0007 SET TO 13955550101 OK \r\n");
    EXPECT_EQ(model.Phones.Row(6).Status, RowStatus::InUnit);
    EXPECT_EQ(phone.downloadNext, 0);
    timers.FireAll(200);
    EXPECT_EQ(phone.downloadNext, 1);

    model.Phones.SetEntry("1", "", 7, RowStatus::Pending);
    Answer(WritePhoneSlot("1234", 8, "1"), "WHL0008 SET TO 2 OK\n");
    EXPECT_EQ(model.Phones.Row(7).Status, RowStatus::Pending);
    EXPECT_EQ(timers.FireAll(200), 0);
}

TEST_F(ReplyTest, SpecialLinesFillTheirOwnSectionOnly) {
    Answer(ReadSpecialList("1234"), "SHL251 IS 1:17(08:00-18:00)\nSHL21 IS 2:5\n");
    EXPECT_EQ(model.Specials.Used(), 0) << "beyond the section: ignored";
    Feed("SHL3 IS 300:17(08:00-18:00)\nPHL2 IS 400:161228-170131(08:00-18:00)\nQHL1 IS 500:25\n");
    const SpecialEntry& s = model.Specials.Row(2);
    EXPECT_EQ(s.Number, "300");
    EXPECT_EQ(s.Days[0], "V") << "Sunday from 7";
    EXPECT_EQ(s.Days[1], "V") << "Monday from 1";
    EXPECT_EQ(s.Days[2], "");
    EXPECT_EQ(s.FromTime, "08:00");
    EXPECT_EQ(s.Type, 'S');
    int p = model.Specials.RowOf(SpecialSection::P, 2);
    EXPECT_EQ(model.Specials.Row(p).FromDate, "16/12/28 08:00");
    EXPECT_EQ(model.Specials.Row(p).Type, 'P');
    int q = model.Specials.RowOf(SpecialSection::Q, 1);
    EXPECT_EQ(model.Specials.Row(q).Amount, "25");
    EXPECT_EQ(model.Specials.Row(q).Status, RowStatus::InUnit);

    Feed("PHL IS 0000\n");
    EXPECT_EQ(model.Specials.Row(p).Status, RowStatus::Empty);
    EXPECT_EQ(model.Specials.Row(q).Status, RowStatus::InUnit);
}

TEST_F(ReplyTest, ConfirmedSpecialSlotIsMarkedInItsSection) {
    int row = model.Specials.RowOf(SpecialSection::P, 7);
    model.Specials.SetEntry(Special("555"), row, RowStatus::Pending, "P");
    Answer(WriteSpecialSlot("1234", "PHL007", "555", "25"), "PHL007 SETUP TO 555:25 OK\r\n");
    EXPECT_EQ(model.Specials.Row(row).Status, RowStatus::InUnit);
    timers.FireAll(200);
    EXPECT_EQ(special.downloadNext, 1);
}

TEST_F(ReplyTest, AlarmListAndAlarmConfirmation) {
    Answer(ReadAlarmList("1234"), "ALARM IS 111:222:333:444:555\n");
    EXPECT_EQ(model.Alarms.Row(3).Number, "444");
    EXPECT_EQ(model.Alarms.Row(4).Number, "") << "no closing colon: empty";
    model.Alarms.SetEntry("777", "", 1, RowStatus::Pending);
    Answer(WriteAlarmSlot("1234", 2, "777"), "ALARM02 SET TO 777 OK\n");
    EXPECT_EQ(model.Alarms.Row(1).Status, RowStatus::InUnit);
    timers.FireAll(20);
    EXPECT_EQ(alarm.downloadNext, 1);
}

TEST_F(ReplyTest, HouseLinesUpdateKnownHousesAndAppendNewOnes) {
    model.Houses.SetEntry("12", "111", "", RowStatus::Pending, 2);
    engine.SetFirstLineSeen(true);
    Answer(ReadHouseList("1234"), "12:DIAL2:5550100\n00101:DIAL1:13900002222\n");
    EXPECT_EQ(model.Houses.Row(2).Dial1, "111");
    EXPECT_EQ(model.Houses.Row(2).Dial2, "5550100");
    EXPECT_EQ(model.Houses.Row(0).HouseNumber, "00101");
    EXPECT_EQ(model.Houses.Row(0).Dial1, "13900002222");
    Feed("7:XYZ:42\n");
    EXPECT_EQ(model.Houses.Row(1).Dial2, "42") << "without DIAL1 it is the second number";

    Answer(WriteHouseDial("1234", "12", 1, "111", 3), "anything\n");
    EXPECT_EQ(model.Houses.Row(2).Status, RowStatus::InUnit);
    timers.FireAll(200);
    EXPECT_EQ(house.downloadNext, 1);
}

TEST_F(ReplyTest, LogLinesTakeCallerNamesFromTheirList) {
    model.Phones.SetEntry("13900002222", "Ann", 0, RowStatus::Pending);
    model.Specials.SetEntry(Special("555", "Sam"), 0, RowStatus::Pending,
                            "S");
    Answer(ReadLog("1234"), "LOGW12:13900002222:201612281345\nLOGS3:555:201701011200\n");
    ASSERT_EQ(log.added.size(), 2u);
    EXPECT_EQ(log.added[0].name, "Ann");
    EXPECT_EQ(log.added[0].index, 12);
    EXPECT_EQ(log.added[0].time, "201612281345");
    EXPECT_EQ(log.added[1].name, "Sam");
}

TEST_F(ReplyTest, PasswordChangeTakesEffectOnlyWhenConfirmedExactly) {
    msic.pending = "5678";
    Answer(ChangePassword("1234", "5678", "5678"), "PWD SETUP OK\r\n");
    EXPECT_EQ(engine.Password(), "1234");
    EXPECT_EQ(boxes.shown.back().text, "PWD SETUP OK\r");
    EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error);
    Answer(ChangePassword("1234", "5678", "5678"), "PWD SETUP OK\n");
    EXPECT_EQ(engine.Password(), "5678");
    EXPECT_EQ(Boxes().back(), "Set password success");
}

TEST_F(ReplyTest, SettingsQueriesUpdateTheActivePage) {
    Answer(ClockQuery("1234"), "TIMER IS 20161228:134501\n");
    ASSERT_EQ(msic.timeSet, 1);
    EXPECT_EQ(msic.time.tm_year, 116);
    EXPECT_EQ(msic.time.tm_mon, 11);
    EXPECT_EQ(msic.time.tm_sec, 1);
    Answer(ClockQuery("1234"), "TIMER IS 2016122:134501\n");
    EXPECT_EQ(msic.timeSet, 1) << "S and colon not 10 apart: ignored";

    Answer(DelayQuery("1234"), "DELAY TIME IS x\n");
    EXPECT_EQ(msic.delay, 0);
    Answer(DeviceNameQuery("1234"), "DEVICE NAME IS Gate:V2.1\n");
    EXPECT_EQ(msic.name, "Gate");
    EXPECT_EQ(msic.version, "V2.1");

    engine.SetActiveSettingsPage(2);
    Answer(BandQuery("1234"), "BAND IS GSM900 more\n");
    EXPECT_EQ(multi.band, "GSM900");
    Answer(OutputsQuery("1234"), "OUT IS 1010001\n");
    EXPECT_EQ(multi.relays, "1010001");
    Answer(AlarmContentQuery("1234"), "UDI1:a,UDI2:b\n");
    EXPECT_EQ(msic.alarmContent, "") << "alarm contents go to the single-relay page only";
}

TEST_F(ReplyTest, ConfirmationsShowTheirInfoMessage) {
    Answer(SetRelayMode("1234", 1), "RELAY SET TO MODE1\n");
    EXPECT_EQ(model.Settings.UnitMode, 1);
    EXPECT_EQ(model.MultiRelay.UnitMode, 1);
    Answer(SetBand("1234", "GSM 850, PCS 1900"), "BAND SET TO GSM 850, PCS 1900 OK\n");
    Answer(SetDelay("1234", "300", "MILLISECOND"), "whatever\n");
    Answer(SetBand("1234", "X"), "BAND SET TO Y OK\n");
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Set Relay mode succes", "Set band  success",
                                                 "Set delay time success"}));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
}

TEST_F(ReplyTest, LateAnswerIsReadByTheNewerCommandsHandler) {
    engine.SendRequest(RelayModeQuery("1234").frame, code::kQueryRelayMode, "");
    engine.SendRequest(ReceptionQuery("1234").frame, code::kQueryReception, "");
    Feed("RELAY IS MODE1\n");
    EXPECT_EQ(msic.relayMode, -1);
    EXPECT_EQ(msic.reception, -1);
}

TEST_F(ReplyTest, MessageRepliesMarkSlotsWithoutContinuing) {
    model.Phones.SetEntry("555", "", 4, RowStatus::Pending);
    Request r = WritePhoneSlot("1234", 5, "555");
    handlers.DispatchMessageReply("WHL0005 SET TO 556 OK", r.code, r.ack);
    EXPECT_EQ(Boxes().back(), "Error Response, WHL0005 SET TO 556 OK");
    handlers.DispatchMessageReply("WHL0005 SET TO 555 OK", r.code, r.ack);
    EXPECT_EQ(model.Phones.Row(4).Status, RowStatus::InUnit);
    EXPECT_EQ(timers.FireAll(200), 0);

    Request d = SetDelay("1234", "3", "SECOND");
    handlers.DispatchMessageReply("DELAY TIME SET TO 4 MS", d.code, d.ack);
    EXPECT_NE(Boxes().back(), "Set delay time success") << "by message only an equal answer counts";
    handlers.DispatchMessageReply(d.ack, d.code, d.ack);
    EXPECT_EQ(Boxes().back(), "Set delay time success");
}

}  // namespace
}  // namespace dorvik
