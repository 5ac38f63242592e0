#include "pages/msic.h"

#include <functional>
#include <tuple>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

using MsicTest = PageTest;

struct CommandCase {
    const char* button;
    std::function<void(CMsic&)> press;
    const char* frame;
    int code;
    const char* ack;
};

void FillForm(CMsic& p) {
    SettingsForm& f = p.Form();
    f.unitName = "Gate";
    f.unitVersion = "V1";
    f.delay = "300";
    f.unitPhone = "5550100";
    f.band = "GSM 850, PCS 1900";
    f.alarmTexts = {"Door open", "Power fail"};
    p.Extra().batteryAlarm = "20";
    p.SetPickerTime(Time(2016, 12, 28, 13, 45, 7));
}

TEST_F(MsicTest, EveryCommandSendsItsFrameCodeAndAcknowledgement) {
    const CommandCase cases[] = {
        {"Get Unit Name", &CMsic::OnGetUnitName, "#PWD1234#DEVICE?", 6, ""},
        {"Set Unit Name", &CMsic::OnSetUnitName, "#PWD1234#DEVICE:Gate:V1", 5,
         "DEVICE NAME IS Gate:V1"},
        {"Get Unit Time", &CMsic::OnGetUnitTime, "#PWD1234#TIMER?", 14, ""},
        {"Set Unit Time", &CMsic::OnSetUnitTime, "#PWD1234#TIMER:20161228:134507", 13,
         "DEVICE TIMER IS SET TO 20161228:134507"},
        {"Get Reception", &CMsic::OnGetReception, "#PWD1234#CSQ?", 17, ""},
        {"Battery Set Data", &CMsic::OnSetBattery,
         "#PWD1234#POWER-CHANGE-ALARM:OFF,BCPW-LOW-ALARM:OFF:20", 27, "BCPW=20"},
        {"Clock update Get Data", &CMsic::OnGetClockUpdate, "#PWD1234#TIMER-UPDATE?", 16, ""},
        {"Clock update Set Data (clear)", &CMsic::OnSetClockUpdate,
         "#PWD1234#TIMER-UPDATE:NO", 15, "TIMER-UPDATE:NO OK"},
        {"Band Get Data", &CMsic::OnGetBand, "#PWD1234#BAND?", 30, ""},
        {"Band Set Data", &CMsic::OnSetBand, "#PWD1234#BAND=GSM 850, PCS 1900", 29,
         "BAND SET TO GSM 850, PCS 1900 OK"},
        {"Set Mode", &CMsic::OnSetMode, "#PWD1234#MODE0", 11, "RELAY SET TO MODE0"},
        {"Get Mode", &CMsic::OnGetMode, "#PWD1234#MODE?", 12, ""},
        {"Get Got Delay", &CMsic::OnGetDelay, "#PWD1234#GOT?", 8, ""},
        {"Set Got Delay", &CMsic::OnSetDelay, "#PWD1234#GOT300:MILLISECOND", 7,
         "DELAY TIME SET TO 300 MS"},
        {"Set Alarm Mode", &CMsic::OnSetAlarmMode, "#PWD1234#ALARM-IN1=OFF,ALARM-IN2=OFF", 25,
         "ALARM-IN1=OFF,ALARM-IN2=OFF"},
        {"Alarm content Get Data", &CMsic::OnGetAlarmContent, "#PWD1234#UDI?", 39, ""},
        {"Alarm content Set Data", &CMsic::OnSetAlarmContent,
         "#PWD1234#UDI1:Door open, UDI2:Power fail", 28, "UDI1:Door open, UDI2:Power fail OKEY"},
        {"Get Device Status", &CMsic::OnGetDeviceStatus, "#PWD1234#STATUS?", 35, ""},
    };
    FillForm(msic);
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.button);
        link.writes.clear();
        engine.SetActiveSettingsPage(2);
        engine.SetBusy(false);
        c.press(msic);
        ASSERT_EQ(link.writes.size(), 1u);
        EXPECT_EQ(link.writes[0].text, std::string(c.frame) + "\r\n");
        EXPECT_EQ(link.writes[0].code, c.code);
        EXPECT_EQ(link.writes[0].ack, c.ack);
        EXPECT_EQ(engine.ActiveSettingsPage(), 1);
        EXPECT_FALSE(msic.CommandsEnabled()) << "busy: the buttons wait for the answer";
        EXPECT_EQ(engine.Indicator(), LedState::Busy);
    }
    EXPECT_TRUE(Boxes().empty());
}

// Each step changes the form as a user would and the next press shows it;
// a null acknowledgement is not checked.
TEST_F(MsicTest, FormStateBuildsTheFrames) {
    using Step = std::function<void(CMsic&)>;
    const std::tuple<Step, void (CMsic::*)(), const char*, const char*> steps[] = {
        {[](CMsic& p) { p.Form().delay = "5"; }, &CMsic::OnSetDelay, "#PWD1234#GOT5:MINIUTE",
         "DELAY TIME SET TO 5 MS"},
        {[](CMsic& p) { p.Extra().delayUnit = 1; }, &CMsic::OnSetDelay, "#PWD1234#GOT5:SECOND",
         "DELAY TIME SET TO 5 MS"},
        {[](CMsic& p) { p.Extra().delayUnit = 2; }, &CMsic::OnSetDelay,
         "#PWD1234#GOT5:MILLISECOND", "DELAY TIME SET TO 5 MS"},
        {[](CMsic& p) { p.Form().unitPhone = "5550100"; }, &CMsic::OnSetClockUpdate,
         "#PWD1234#TIMER-UPDATE:NO", nullptr},
        {[](CMsic& p) { p.Form().clockUpdateEnabled = true; }, &CMsic::OnSetClockUpdate,
         "#PWD1234#TIMER-UPDATE:5550100", "TIMER-UPDATE:5550100 OK"},
        {[](CMsic& p) {
             p.Extra().batteryAlarm = "35";
             p.OnBatteryToggle();
         },
         &CMsic::OnSetBattery, "#PWD1234#POWER-CHANGE-ALARM:ON,BCPW-LOW-ALARM:ON:35", nullptr},
        {[](CMsic& p) { p.OnModeRadio(1); }, &CMsic::OnSetMode, "#PWD1234#MODE1",
         "RELAY SET TO MODE1"},
    };
    msic.Extra().delayUnit = 0;
    for (const auto& [step, press, frame, ack] : steps) {
        step(msic);
        (msic.*press)();
        EXPECT_EQ(LastFrame(), frame);
        if (ack) {
            EXPECT_EQ(link.writes.back().ack, ack) << frame;
        }
    }
    EXPECT_TRUE(msic.Form().batteryEnabled);
    EXPECT_EQ(model.settings.UnitMode, 1);
    EXPECT_EQ(msic.PickerText(), "2010/01/01 00:00:00");
    msic.OnGetPcTime();
    EXPECT_EQ(msic.PickerText(), "2017/03/04 05:06:07");
}

TEST_F(MsicTest, AlarmToggleFollowsModeFlagAndRadiosBuildTheWords) {
    msic.OnAlarmToggle(0);
    EXPECT_TRUE(msic.Form().alarms[0].enabled);
    EXPECT_FALSE(msic.Form().alarms[0].phoneChecked) << "mode flag 0 checks SMS";
    msic.Form().alarms[0].interval = "30";
    msic.OnSetAlarmMode();
    EXPECT_EQ(LastFrame(), "#PWD1234#ALARM-IN1=ON:SMS:30,ALARM-IN2=OFF");

    msic.OnAlarmModeRadio(1, true);
    msic.OnAlarmToggle(1);
    EXPECT_FALSE(msic.Form().alarms[1].phoneChecked) << "the radio does not change the mode flag";
    msic.OnAlarmModeRadio(1, true);
    msic.Form().alarms[1].interval = "10";
    msic.OnSetAlarmMode();
    EXPECT_EQ(LastFrame(), "#PWD1234#ALARM-IN1=ON:SMS:30,ALARM-IN2=ON:PHONE:10");
    EXPECT_EQ(link.writes.back().ack, "ALARM-IN1=ON:SMS:30,ALARM-IN2=ON:PHONE:10");
}

TEST_F(MsicTest, RelayOutputsSendWithoutBusyState) {
    const std::tuple<int, bool, const char*, int, const char*> outputs[] = {
        {1, true, "#PWD1234#OUT1=ON", 18, "OUT1=ON OK"},
        {1, false, "#PWD1234#OUT1=OFF", 19, "OUT1=OFF OK"},
        {2, true, "#PWD1234#OUT2=ON", 18, "OUT2=ON OK"},
        {2, false, "#PWD1234#OUT2=OFF", 19, "OUT2=OFF OK"}};
    for (auto [relay, on, frame, code, ack] : outputs) {
        msic.OnRelayOutput(relay, on);
        EXPECT_EQ(LastFrame(), frame);
        EXPECT_EQ(link.writes.back().code, code);
        EXPECT_EQ(link.writes.back().ack, ack);
        EXPECT_EQ(msic.Extra().relayOn[relay - 1], on);
        EXPECT_TRUE(msic.CommandsEnabled()) << "plain commands leave the buttons enabled";
    }
    engine.SetConnected(false);
    link.writes.clear();
    msic.OnRelayOutput(2, true);
    EXPECT_TRUE(msic.Extra().relayOn[1]) << "the clicked radio keeps its check";
    EXPECT_TRUE(link.writes.empty());
    EXPECT_EQ(Boxes(), Strings{"You are disconnected from the unit"});
    EXPECT_EQ(boxes.shown.back().caption, "DORVIK");
    EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error);
}

TEST_F(MsicTest, PasswordChecksRunInOrderAndStopAtTheFirst) {
    SettingsForm& f = msic.Form();
    engine.SetConnected(false);
    msic.OnSetUnitPassword();
    f.password = "1234";
    msic.OnSetUnitPassword();
    f.newPassword = "abcd";
    f.confirmPassword = "ABCD";
    msic.OnSetUnitPassword();
    f.confirmPassword = "abcd";
    msic.OnSetUnitPassword();
    EXPECT_EQ(Boxes(), (Strings{
                           "Current password is empty",
                           "New password is empty\r\nPlease Insert new password before  changing "
                           "password",
                           "Confirm password is error", "You are disconnected from the unit"}));
    EXPECT_TRUE(link.writes.empty());
    EXPECT_EQ(msic.PendingPassword(), "");
}

TEST_F(MsicTest, ConfirmedPasswordChangeBecomesTheConnectionPassword) {
    SettingsForm& f = msic.Form();
    f.password = "anything";
    f.newPassword = f.confirmPassword = "9876";
    msic.OnSetUnitPassword();
    EXPECT_EQ(LastFrame(), "#PWD1234#CAP9876#CAP9876") << "the connection password goes first";
    EXPECT_EQ(msic.PendingPassword(), "9876");
    EXPECT_EQ(engine.Password(), "1234") << "not before the unit confirms";
    Feed("PWD SETUP OK\n");
    EXPECT_EQ(engine.Password(), "9876");
    EXPECT_EQ(Boxes(), Strings{"Set password success"});
    EXPECT_TRUE(msic.CommandsEnabled());
    msic.OnGetMode();
    EXPECT_EQ(LastFrame(), "#PWD9876#MODE?");
}

TEST_F(MsicTest, QueryRepliesReachThePage) {
    const std::pair<void (CMsic::*)(), const char*> steps[] = {
        {&CMsic::OnGetUnitName, "DEVICE NAME IS Gate:V1.2\n"},
        {&CMsic::OnGetUnitTime, "TIMER IS 20161228:134501\n"},
        {&CMsic::OnGetReception, "CSQ IS 23\n"},
        {&CMsic::OnGetBand, "BAND IS GSM900\n"},
        {&CMsic::OnGetMode, "RELAY IS MODE1\n"},
        {&CMsic::OnGetDelay, "DELAY TIME IS 300\n"},
        {&CMsic::OnGetClockUpdate, "TIMER-UPDATE:5550100\n"},
        {&CMsic::OnGetAlarmContent, "UDI1:Door open,UDI2:Power fail\n"},
    };
    for (auto [press, reply] : steps) {
        (msic.*press)();
        Feed(reply);
        EXPECT_TRUE(msic.CommandsEnabled()) << reply;
    }
    const SettingsForm& f = msic.Form();
    EXPECT_EQ(f.unitName, "Gate");
    EXPECT_EQ(f.unitVersion, "V1.2");
    EXPECT_EQ(msic.PickerText(), "2016/12/28 13:45:01");
    EXPECT_EQ(f.reception, "23");
    EXPECT_EQ(f.band, "GSM900");
    EXPECT_EQ(msic.RelayMode(), 1);
    EXPECT_EQ(f.delay, "300");
    EXPECT_TRUE(f.clockUpdateEnabled);
    EXPECT_EQ(f.unitPhone, "5550100");
    EXPECT_EQ(f.alarmTexts[0], "Door open");
    EXPECT_EQ(f.alarmTexts[1], "Power fail");

    msic.OnGetClockUpdate();
    Feed("TIMER-UPDATE:NO\n");
    EXPECT_FALSE(msic.Form().clockUpdateEnabled);
    EXPECT_EQ(msic.Form().unitPhone, "5550100") << "the box keeps its text";

    // A part without its colon, or a reply without a comma, keeps the other box.
    msic.ApplyAlarmContentReply("UDI1:Gate");
    msic.ApplyAlarmContentReply("ERROR,Fire");
    EXPECT_EQ(f.alarmTexts, (std::array<std::string, 2>{"Gate", "Power fail"}));
}

TEST_F(MsicTest, ConfirmationsShowTheirMessages) {
    FillForm(msic);
    msic.OnSetUnitName();
    Feed("DEVICE NAME IS Gate:V1\n");
    msic.OnModeRadio(1);
    msic.OnSetMode();
    Feed("RELAY SET TO MODE1\n");
    msic.OnSetBand();
    Feed("BAND SET TO GSM 850, PCS 1900 OK\r\n");
    EXPECT_EQ(Boxes(), (Strings{"Set unit name success", "Set Relay mode succes"}))
        << "a CR before the LF spoils the band confirmation";
    EXPECT_EQ(model.multiRelay.UnitMode, 1);
}

}  // namespace
}  // namespace dorvik
