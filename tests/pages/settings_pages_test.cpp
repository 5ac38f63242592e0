// The single-relay (CMsic) and multi-relay settings pages: the commands their
// forms build, the answers and device status they show and the records the
// project file keeps.
#include "pages/msic.h"
#include "pages/multi_relay.h"
#include "pages/status_reply.h"

#include <tuple>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

using MsicTest = PageTest;
using MultiRelayTest = PageTest;
using SettingsRecordTest = PageTest;

void FillForm(SettingsForm& f) {
    f.unitName = "Gate";
    f.unitVersion = "V1";
    f.delay = "300";
    f.unitPhone = "5550100";
    f.band = "GSM 850, PCS 1900";
    f.alarmTexts = {"Door open", "Power fail"};
}

void SetRelays(CMultiRelay& page, const std::string& digits) {
    for (int k = 0; k < kRelayCount; ++k) page.OnRelayRadio(k + 1, digits[k] == '1');
}

// Exact frames are the catalogue tests' business, the queries' round trips the
// CLI settings test's: here each setting is built from the form.
TEST_F(MsicTest, EverySettingSendsItsFrameAndWaitsForTheAnswer) {
    const std::pair<void (CMsic::*)(), const char*> cases[] = {
        {&CMsic::OnSetUnitName, "#PWD1234#DEVICE:Gate:V1"},
        {&CMsic::OnSetUnitTime, "#PWD1234#TIMER:20161228:134507"},
        {&CMsic::OnSetBattery, "#PWD1234#POWER-CHANGE-ALARM:OFF,BCPW-LOW-ALARM:OFF:20"},
        {&CMsic::OnSetClockUpdate, "#PWD1234#TIMER-UPDATE:NO"},
        {&CMsic::OnSetBand, "#PWD1234#BAND=GSM 850, PCS 1900"},
        {&CMsic::OnSetMode, "#PWD1234#MODE0"},
        {&CMsic::OnSetDelay, "#PWD1234#GOT300:MILLISECOND"},
        {&CMsic::OnSetAlarmMode, "#PWD1234#ALARM-IN1=OFF,ALARM-IN2=OFF"},
        {&CMsic::OnSetAlarmContent, "#PWD1234#UDI1:Door open, UDI2:Power fail"},
        {&CMsic::OnGetDeviceStatus, "#PWD1234#STATUS?"},
    };
    FillForm(msic.Form());
    msic.Extra().batteryAlarm = "20";
    msic.SetPickerTime(Time(2016, 12, 28, 13, 45, 7));
    for (auto [press, frame] : cases) {
        link.writes.clear();
        engine.SetActiveSettingsPage(2);
        engine.SetBusy(false);
        (msic.*press)();
        ASSERT_EQ(Sent(), Strings{std::string(frame) + "\r\n"});
        EXPECT_EQ(engine.ActiveSettingsPage(), 1) << frame;
        EXPECT_FALSE(msic.CommandsEnabled()) << frame;
        EXPECT_EQ(engine.Indicator(), LedState::Busy);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(MsicTest, AlarmToggleFollowsModeFlagAndRadiosBuildTheWords) {
    const auto revision = msic.Revision();
    msic.OnAlarmToggle(0);
    EXPECT_GT(msic.Revision(), revision) << "the view is told";
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
    EXPECT_EQ(boxes.shown.back().caption, "DORVIK");
    EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error);
    EXPECT_TRUE(link.writes.empty());
    EXPECT_EQ(msic.PendingPassword(), "");
}

// Whole answers to the queries: the CLI settings test.
TEST_F(MsicTest, PartialRepliesKeepTheOtherBoxes) {
    msic.Form().unitPhone = "5550100";
    msic.Form().clockUpdateEnabled = true;
    msic.OnGetClockUpdate();
    Feed("TIMER-UPDATE:NO\n");
    EXPECT_FALSE(msic.Form().clockUpdateEnabled);
    EXPECT_EQ(msic.Form().unitPhone, "5550100") << "the box keeps its text";

    msic.OnGetAlarmContent();
    Feed("UDI1:Door open,UDI2:Power fail\n");
    // A part without its colon, or a reply without a comma, keeps the other box.
    msic.ApplyAlarmContentReply("UDI1:Gate");
    msic.ApplyAlarmContentReply("ERROR,Fire");
    EXPECT_EQ(msic.Form().alarmTexts, (std::array<std::string, 2>{"Gate", "Power fail"}));
}

TEST_F(MultiRelayTest, RelayStatusIsConfirmedOnlyByTheEchoedFrameAndReadPartly) {
    SetRelays(multi, "1010001");
    multi.OnSetRelayStatus();
    EXPECT_EQ(model.multiRelay.RelayStatus, "1010001") << "collected before sending";
    EXPECT_FALSE(multi.CommandsEnabled());
    Feed("OUT=1010001 OK\n");
    EXPECT_TRUE(Boxes().empty()) << "only the echoed frame confirms";

    multi.OnGetRelayStatus();
    Feed("OUT IS 0100000\n");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0100000");
    multi.ApplyRelayStatus("");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0100000") << "an empty text changes nothing";
    multi.ApplyRelayStatus("101");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1010000") << "relays after the digits keep";
    multi.ApplyRelayStatus("x1");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1010000");
}

// A disabled battery alarm sends 00; the enabled value is sent as typed.
TEST_F(MultiRelayTest, BatteryFollowsItsToggle) {
    multi.Form().batteryValue = "15";
    multi.OnSetBattery();
    EXPECT_EQ(LastFrame(), "#PWD1234#BCPW=00");
    multi.OnBatteryToggle();
    multi.OnSetBattery();
    EXPECT_EQ(LastFrame(), "#PWD1234#BCPW=15");
    EXPECT_EQ(engine.ActiveSettingsPage(), 2);
}

TEST_F(MultiRelayTest, RelaysStartOnRadiosSendNothingAndTheTextRoundTrips) {
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1111111");
    multi.OnRelayRadio(2, false);
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1011111");
    EXPECT_TRUE(link.writes.empty());
    SetRelays(multi, "0011010");
    multi.CollectSettings();
    EXPECT_EQ(model.multiRelay.RelayStatus, "0011010");
    SetRelays(multi, "1111111");
    multi.ApplySettings();
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0011010");
}

// Collect writes the record formats; a new page applying the record shows and
// collects the same again (the multi-relay page shares the code of both).
TEST_F(SettingsRecordTest, CollectWritesTheRecordFormatsAndApplyRestoresThem) {
    SettingsForm& f = msic.Form();
    FillForm(f);
    f.reception = "23";
    f.batteryEnabled = true;
    f.batteryValue = "80";
    f.clockUpdateEnabled = true;
    f.alarms[0] = {true, 0, true, "30"};
    f.alarms[1] = {false, 0, false, "45"};
    f.alarmTexts = {"Door, open", "Fire"};
    msic.SetPickerTime(Time(2016, 12, 28, 13, 45, 7));
    msic.OnModeRadio(1);
    msic.Extra().relayOn[0] = true;
    msic.CollectSettings();
    const UnitSettings& s = model.settings;
    // The alarm mode takes the PHONE radio; a disabled input stores 333.
    EXPECT_EQ((Strings{s.UnitName, s.UnitVersion, s.UnitTime, s.UnitDelay, s.UnitPhone, s.UintBand,
                       s.UnitReception, s.Battery, s.ClockUpdate, s.AlarmMode1, s.AlarmMode2,
                       s.Alarm1, s.Alarm2}),
              (Strings{"Gate", "V1", "2016/12/28 13:45:07", "300", "5550100", "GSM 850, PCS 1900",
                       "23", "1,80", "1,5550100", "1,1,30", "0,0,333", "Door, open", "Fire"}));
    EXPECT_EQ(s.RelayStatus, 1);
    EXPECT_EQ(s.UnitMode, 1);

    UnitModel other;
    other.settings = model.settings;
    CMsic loaded(engine, other.settings, clock);
    loaded.ApplySettings();
    loaded.CollectSettings();
    EXPECT_EQ(other.settings.Battery, "1,80");
    EXPECT_EQ(other.settings.AlarmMode1, "1,1,30");
    EXPECT_EQ(other.settings.UnitTime, "2016/12/28 13:45:07");
    EXPECT_EQ(loaded.Form().unitPhone, "5550100");
}

// The composite texts themselves are read by the model (SettingsText tests).
TEST_F(SettingsRecordTest, ApplyTwiceKeepsEnabledGroupsEnabledAndUnreadableFieldsAlone) {
    model.settings.Battery = "1, 80";
    model.settings.AlarmMode1 = "1,0,30";
    model.settings.RelayStatus = 1;
    model.settings.UnitTime = "2016-12-28";
    model.settings.ClockUpdate = "";
    msic.SetPickerTime(Time(2011, 5, 6, 7, 8, 9));
    msic.ApplySettings();
    msic.ApplySettings();
    EXPECT_EQ(msic.PickerText(), "2011/05/06 07:08:09") << "an unreadable time keeps the picker";
    EXPECT_FALSE(msic.Form().clockUpdateEnabled);
    EXPECT_TRUE(msic.Form().batteryEnabled);
    EXPECT_EQ(msic.Form().batteryValue, "80") << "a blank after the comma is allowed";
    EXPECT_TRUE(msic.Form().alarms[0].enabled);
    EXPECT_EQ(msic.Form().alarms[0].interval, "30");
    EXPECT_TRUE(msic.Extra().relayOn[0]);

    // A disabled input is disabled and keeps its radios.
    msic.Form().alarms[1] = {true, 1, true, "12"};
    model.settings.AlarmMode2 = "0,0,333";
    msic.ApplySettings();
    EXPECT_FALSE(msic.Form().alarms[1].enabled);
    EXPECT_TRUE(msic.Form().alarms[1].phoneChecked);
    EXPECT_EQ(msic.Form().alarms[1].interval, "12");
    EXPECT_EQ(msic.Form().alarms[1].mode, 1) << "the mode flag is not changed";
}

TEST_F(SettingsRecordTest, PagesAreReachedWhileTheyLive) {
    EXPECT_FALSE(PageRig().msic.CommandsEnabled()) << "disabled until connected";
    EXPECT_EQ(engine.Page(PageRole::MultiRelay), &multi);
    {
        UnitModel other;
        other.settings.UnitMode = 1;
        CMsic second(engine, other.settings, clock);
        EXPECT_EQ(second.RelayMode(), 1);
        EXPECT_EQ(engine.Page(PageRole::Msic), &second);
    }
    EXPECT_EQ(engine.Page(PageRole::Msic), nullptr) << "a destroyed page is no longer reached";
}

constexpr char kSingleReply[] =
    "ALM1=ON:SMS:30,ALM2=OFF:PHONE:10,GOT=5S,CSQ=23,BCPW=ON:80,RELAY1=OFF,RELAY2=ON,";

TEST(StatusReplyTest, IntervalsAndAlarmTexts) {
    auto r = ParseStatusReply("ALM1=ON:SMS:120,ALM2=ON:SMS:5,ALM1=xxDoor open,ALM2=xxFire,",
                              kSingleRelayStatus);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->alarms[0].interval, 20) << "only the last two characters are read";
    EXPECT_EQ(r->alarms[1].interval, 5) << "a single digit after the colon";
    EXPECT_EQ(r->alarms[0].content, "Door open");
    EXPECT_EQ(r->alarms[1].content, "Fire");

    auto m = ParseStatusReply("ALARM1=ON:PHONE:120,ALARM2=OFF:SMS:15,ALARM1=Door,",
                              kMultiRelayStatus);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->alarms[0].interval, 120) << "no two-character limit";
    EXPECT_TRUE(m->alarms[0].phone);
    EXPECT_EQ(m->alarms[1].interval, 15);
    EXPECT_EQ(m->alarms[0].content, "Door");
    EXPECT_FALSE(m->alarms[1].content) << "no second ALARM2=";
    EXPECT_FALSE(ParseStatusReply(kSingleReply, kSingleRelayStatus)->alarms[0].content);
}

TEST(StatusReplyTest, DelayAndBatteryItems) {
    const std::tuple<const char*, const char*, int> delays[] = {
        {"500MS", "500", 2}, {"5S", "5", 1}, {"2M", "2", 0}, {"", "", 0}, {"S", "", 1}};
    for (auto [item, value, unit] : delays) {
        EXPECT_EQ(ReadStatusDelay(item).value, value) << item;
        EXPECT_EQ(ReadStatusDelay(item).unitIndex, unit) << item;
    }
    EXPECT_TRUE(ReadStatusBattery("ON:80").enabled);
    EXPECT_EQ(ReadStatusBattery("OFF:70").value, "70");
    EXPECT_FALSE(ReadStatusBattery("OFF:70").enabled);
    EXPECT_EQ(ReadStatusBattery("80").value, "80") << "no colon: the whole item";
}

TEST(StatusReplyTest, MissingKeysAndCommas) {
    EXPECT_FALSE(ParseStatusReply("ALM1=ON:SMS:30,GOT=5S,CSQ=23,", kSingleRelayStatus));
    EXPECT_FALSE(ParseStatusReply("ALM2=ON:SMS:30,CSQ=23,", kSingleRelayStatus));
    EXPECT_FALSE(ParseStatusReply(kSingleReply, kMultiRelayStatus));
    auto r = ParseStatusReply("ALM2=ON:SMS:7,ALM1=OFF:SMS:99999999999999999999,GOT=5S,CSQ=23",
                              kSingleRelayStatus);
    ASSERT_TRUE(r) << "keys in the other order";
    EXPECT_EQ(r->alarms[0].interval, 99);
    EXPECT_EQ(r->alarms[1].interval, 7);
    EXPECT_EQ(r->delay, "5S");
    EXPECT_FALSE(r->reception) << "no closing comma";
    EXPECT_FALSE(r->battery);
    auto m = ParseStatusReply("ALARM1=ON:SMS:99999999999999999999,ALARM2=OFF", kMultiRelayStatus);
    ASSERT_TRUE(m);
    EXPECT_GT(m->alarms[0].interval, 0) << "an overlong number is clamped";
    EXPECT_TRUE(ParseStatusReply("ALM1=ONALM2=ON", kSingleRelayStatus));
    EXPECT_TRUE(ParseStatusReply("ALM2=OFFALM1=ON,ALM1=", kSingleRelayStatus));
    // Every cut of a reply parses without running off its end.
    const std::string full = std::string(kSingleReply) + "ALM1=xxA,ALM2=xxB,";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        ParseStatusReply(full.substr(0, n), kSingleRelayStatus);
        ParseStatusReply(full.substr(n), kSingleRelayStatus);
        ParseStatusReply(full.substr(0, n), kMultiRelayStatus);
    }
}

using StatusPageTest = PageTest;

// Both pages' round trips against the simulated unit: the CLI settings test.
TEST_F(StatusPageTest, SingleRelayStatusSetsTheRecordsAndKeepsWhatIsMissing) {
    msic.Extra().relayOn = {true, false};
    msic.OnGetDeviceStatus();
    Feed(std::string(kSingleReply) + "\n");
    EXPECT_EQ(msic.Form().alarms[1].mode, 1);
    EXPECT_EQ(msic.Extra().relayOn, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(model.settings.RelayStatus, 0);
    EXPECT_EQ(model.settings.AlarmMode1, "1,0,30");
    EXPECT_EQ(model.settings.AlarmMode2, "0,1,10");
    EXPECT_TRUE(msic.CommandsEnabled());

    msic.ApplyStatusReply("ALM1=OFF,ALM2=ON:SMS:1,GOT=500MS,BCPW=OFF:75,RELAY1=ON,");
    EXPECT_EQ(msic.Extra().delayUnit, 2);
    EXPECT_FALSE(msic.Form().batteryEnabled);
    EXPECT_EQ(msic.Form().reception, "23") << "no CSQ item: unchanged";
}

TEST_F(StatusPageTest, MultiRelayStatus) {
    multi.Form().batteryValue = "30";
    multi.Form().batteryEnabled = true;
    multi.OnGetDeviceStatus();
    Feed("ALARM1=ON:PHONE:15,ALARM2=OFF:SMS:120,GOT=500,CSQ=19,BCPW=00,RELAY=ON,\n");
    const SettingsForm& f = multi.Form();
    EXPECT_EQ(f.alarms[1].interval, "120");
    EXPECT_EQ(f.reception, "19");
    EXPECT_FALSE(f.batteryEnabled);
    EXPECT_EQ(f.batteryValue, "30") << "BCPW=00 leaves the interval box";
    EXPECT_TRUE(multi.RelayFlag());
    EXPECT_EQ(msic.Form().reception, "") << "the other page is not touched";

    multi.ApplyStatusReply("ALARM1=OFF,ALARM2=OFF,BCPW=45,RELAY=ON,RELAY=OFF,");
    EXPECT_TRUE(multi.Form().batteryEnabled);
    EXPECT_EQ(multi.Form().batteryValue, "45");
    EXPECT_FALSE(multi.RelayFlag());
}

}  // namespace
}  // namespace dorvik
