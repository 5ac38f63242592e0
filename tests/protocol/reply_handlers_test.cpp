#include "protocol/reply_handlers.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine_rig.h"
#include "fake_pages.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

using namespace test;

SpecialTexts Special(const std::string& number) {
    SpecialTexts t;
    t.number = number;
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

TEST_F(ReplyTest, PhoneReadAllClearsUnitRowsOnFirstLineAndKeepsPending) {
    model.phones.SetEntry("111", "Ann", 0, RowStatus::InUnit);
    model.phones.SetEntry("222", "Bob", 1, RowStatus::Pending);
    model.phones.SetEntry("333", "Cid", 4, RowStatus::Pending);
    engine.SetFirstLineSeen(false);
    Answer(ReadPhoneList("1234"), "WHL0 IS 999\n");
    EXPECT_EQ(model.phones.Row(0).number, "111") << "index 0 is ignored and clears nothing";
    Feed("WHL5 IS 555\r\nWHL7 IS 777\n");
    EXPECT_EQ(model.phones.Row(0).status, RowStatus::Empty);
    EXPECT_EQ(model.phones.Row(1).status, RowStatus::Pending);
    EXPECT_EQ(model.phones.Row(4).number, "555");
    EXPECT_EQ(model.phones.Row(4).name, "Cid") << "the PC's name stays";
    EXPECT_EQ(model.phones.Row(4).status, RowStatus::InUnit);
    EXPECT_EQ(model.phones.Row(6).number, "777");
    EXPECT_EQ(model.phones.SelectedRow(), 6);
}

TEST_F(ReplyTest, EmptyPhoneListAnswerClearsAndEndsTheReadAll) {
    model.phones.SetEntry("111", "", 2, RowStatus::InUnit);
    Answer(ReadPhoneList("1234"), "WHL IS 0000");
    engine.BeginReadAll();
    EXPECT_EQ(model.phones.Row(2).number, "111");
    Feed("\r");
    EXPECT_EQ(model.phones.Row(2).status, RowStatus::Empty);
    EXPECT_TRUE(phone.enabled);
    EXPECT_EQ(timers.FireAll(2000), 0) << "read-all ended";
}

TEST_F(ReplyTest, SpecialLinesFillTheirOwnSectionOnly) {
    Answer(ReadSpecialList("1234"), "SHL251 IS 1:17(08:00-18:00)\nSHL21 IS 2:5\n");
    EXPECT_EQ(model.specials.Used(), 0) << "beyond the section: ignored";
    Feed("SHL3 IS 300:17(08:00-18:00)\nPHL2 IS 400:161228-170131(08:00-18:00)\nQHL1 IS 500:25\n");
    const SpecialEntry& s = model.specials.Row(2);
    EXPECT_EQ(s.number, "300");
    EXPECT_EQ(s.days[0], "V") << "Sunday from 7";
    EXPECT_EQ(s.days[1], "V") << "Monday from 1";
    EXPECT_EQ(s.days[2], "");
    EXPECT_EQ(s.fromTime, "08:00");
    EXPECT_EQ(s.type, 'S');
    int p = model.specials.RowOf(SpecialSection::P, 2);
    EXPECT_EQ(model.specials.Row(p).fromDate, "16/12/28 08:00");
    EXPECT_EQ(model.specials.Row(p).type, 'P');
    int q = model.specials.RowOf(SpecialSection::Q, 1);
    EXPECT_EQ(model.specials.Row(q).amount, "25");
    EXPECT_EQ(model.specials.Row(q).status, RowStatus::InUnit);

    Feed("PHL IS 0000\n");
    EXPECT_EQ(model.specials.Row(p).status, RowStatus::Empty);
    EXPECT_EQ(model.specials.Row(q).status, RowStatus::InUnit);
}

TEST_F(ReplyTest, AlarmListFillsTheFiveSlots) {
    Answer(ReadAlarmList("1234"), "ALARM IS 111:222:333:444:555\n");
    EXPECT_EQ(model.alarms.Row(3).number, "444");
    EXPECT_EQ(model.alarms.Row(4).number, "") << "no closing colon: empty";
}

TEST_F(ReplyTest, ConfirmedSlotsAreMarkedAndOnlyTheSerialRunGoesOn) {
    const int p7 = model.specials.RowOf(SpecialSection::P, 7);
    auto pending = [&] {
        model.phones.SetEntry("555", "", 6, RowStatus::Pending);
        model.specials.SetEntry(Special("555"), p7, RowStatus::Pending, "P");
        model.alarms.SetEntry("555", "", 1, RowStatus::Pending);
        model.houses.SetEntry("12", "555", "", RowStatus::Pending, 2);
    };
    const struct {
        Request request;
        std::string answer;  // confirms; with "X" appended it does not
        std::function<RowStatus()> status;
        RecordingPage& page;
        int pauseMs;
        bool checksAnswer;  // false: the acknowledgement alone names the slot
    } cases[] = {
        {WritePhoneSlot("1", 7, "555"), " WHL0007 SET TO 555 OK \r",
         [&] { return model.phones.Status(6); }, phone, 200, true},
        {WriteSpecialSlot("1", "PHL007", "555", "25"), "PHL007 SETUP TO 555:25 OK\r",
         [&] { return model.specials.Status(p7); }, special, 200, true},
        {WriteAlarmSlot("1", 2, "555"), "ALARM02 SET TO 555 OK",
         [&] { return model.alarms.Status(1); }, alarm, 20, true},
        {WriteHouseDial("1", "12", 1, "555", 3), "anything", [&] { return model.houses.Status(2); },
         house, 200, false},
    };
    const RowStatus unconfirmed[] = {RowStatus::InUnit, RowStatus::Pending};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        const Request& r = c.request;
        pending();
        Answer(r, c.answer + "X\n");
        EXPECT_EQ(c.status(), unconfirmed[c.checksAnswer]);
        timers.FireAll(c.pauseMs);
        pending();
        c.page.downloadNext = 0;
        Answer(r, c.answer + "\n");
        EXPECT_EQ(c.status(), RowStatus::InUnit);
        EXPECT_EQ(c.page.downloadNext, 0);
        timers.FireAll(c.pauseMs);
        EXPECT_EQ(c.page.downloadNext, 1);

        pending();
        std::vector<std::string> shown = Boxes();
        if (c.checksAnswer) shown.push_back("Error Response, " + c.answer + "X");
        handlers.DispatchMessageReply(c.answer + "X", r.code, r.ack);
        EXPECT_EQ(c.status(), unconfirmed[c.checksAnswer]);
        EXPECT_EQ(Boxes(), shown);
        pending();
        handlers.DispatchMessageReply(c.answer, r.code, r.ack);
        EXPECT_EQ(c.status(), RowStatus::InUnit);
        EXPECT_EQ(timers.FireAll(c.pauseMs), 0) << "by message the run waits for the user";
    }
}

TEST_F(ReplyTest, PasswordChangeTakesEffectOnlyWhenConfirmedExactly) {
    msic.pending = "5678";
    Answer(ChangePassword("1234", "5678", "5678"), "PWD SETUP OK\r\n");
    EXPECT_EQ(engine.Password(), "1234");
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"PWD SETUP OK\r"}));
    EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error);
    Answer(ChangePassword("1234", "5678", "5678"), "PWD SETUP OK\n");
    EXPECT_EQ(engine.Password(), "5678");
}

// Well-formed answers reaching the unit settings page are pinned by the page suite.
TEST_F(ReplyTest, SettingsQueriesUpdateTheActivePage) {
    Answer(ClockQuery("1234"), "TIMER IS 2016122:134501\n");
    EXPECT_EQ(msic.timeSet, 0) << "S and colon not 10 apart: ignored";

    engine.SetActiveSettingsPage(2);
    Answer(BandQuery("1234"), "BAND IS GSM900 more\n");
    EXPECT_EQ(multi.band, "GSM900");
    Answer(OutputsQuery("1234"), "OUT IS 1010001\n");
    EXPECT_EQ(multi.relays, "1010001");
    Answer(AlarmContentQuery("1234"), "UDI1:a,UDI2:b\n");
    EXPECT_EQ(msic.alarmContent, "") << "alarm contents go to the single-relay page only";
}

TEST_F(ReplyTest, ValueAnswersFillTheActivePageOnBothTransports) {
    using P = RecordingSettingsPage;
    const struct {
        Request request;
        std::string answer;
        int P::*field;
        int want;  // -1: the page is left alone
    } cases[] = {
        {DelayQuery("1"), "DELAY TIME IS -5\r", &P::delay, -5},
        {DelayQuery("1"), "DELAY TIME IS ms", &P::delay, 0},
        {RelayModeQuery("1"), "RELAY IS MODE1", &P::relayMode, 1},
        {RelayModeQuery("1"), "RELAY SET TO MODE1", &P::relayMode, 0},
        {RelayModeQuery("1"), "MODE1", &P::relayMode, -1},
        {ReceptionQuery("1"), "CSQ IS  +7", &P::reception, 7},
        {ReceptionQuery("1"), "CSQ 23", &P::reception, -1},
        {ReceptionQuery("1"), "CSQ IS -", &P::reception, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        msic = P();
        Answer(c.request, c.answer + "\n");
        EXPECT_EQ(msic.*c.field, c.want);
        EXPECT_TRUE(msic.enabled);
        msic = P();
        handlers.DispatchMessageReply(c.answer, c.request.code, c.request.ack);
        EXPECT_EQ(msic.*c.field, c.want);
    }
}

TEST_F(ReplyTest, SettingCommandsShowTheirInfoText) {
    const struct {
        Request request;
        std::string text;
        bool anySerialLine;  // shown whatever the serial line says
    } cases[] = {
        {SetDeviceName("1", "GATE", "V2"), "Set unit name success", false},
        {SetClock("1", "20160701:080509"), "Set unit time success", false},
        {SetDelay("1", "3", "SECOND"), "Set delay time success", true},
        {SetClockUpdate("1", "139"), "Set time update success", false},
        {SetAlarmInputs("1", "OFF", "OFF"), "Set alarm mode success", false},
        {SetBatteryBackup("1", true, "80"), "Set battery backup success", true},
        {SetAlarmContent("1", "a", "b"), "Set alarm content success", false},
        {SetBand("1", "GSM 850, PCS 1900"), "Set band  success", false},
        {SetOutputs("1", "1010001"), "Set out  success", false},
        {SetRelayMode("1", 1), "Set Relay mode succes", false},
    };
    auto shownBy = [&](auto send) {
        boxes.shown.clear();
        send();
        return Boxes();
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Request& r = c.request;
        const std::vector<std::string> shown{c.text}, none;
        EXPECT_EQ(shownBy([&] { Answer(r, r.ack + "\n"); }), shown);
        EXPECT_TRUE(msic.enabled);
        EXPECT_EQ(shownBy([&] { Answer(r, r.ack + "X\n"); }), c.anySerialLine ? shown : none);
        auto message = [&](const std::string& body) {
            return shownBy([&] { handlers.DispatchMessageReply(body, r.code, r.ack); });
        };
        EXPECT_EQ(message(r.ack + "X"), none) << "by message only an equal answer counts";
        EXPECT_EQ(message(r.ack), shown);
    }
    EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Information);
    EXPECT_EQ(model.multiRelay.UnitMode, 1);
}

TEST_F(ReplyTest, LateAnswerIsReadByTheNewerCommandsHandler) {
    engine.SendRequest(RelayModeQuery("1234").frame, code::kQueryRelayMode, "");
    engine.SendRequest(ReceptionQuery("1234").frame, code::kQueryReception, "");
    Feed("RELAY IS MODE1\n");
    EXPECT_EQ(msic.relayMode, -1);
    EXPECT_EQ(msic.reception, -1);
}

}  // namespace
}  // namespace dorvik
