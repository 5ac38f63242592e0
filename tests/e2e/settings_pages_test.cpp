// Both settings pages against the simulated unit: every setting group is
// written, then read back into a form that was cleared first.
#include <ctime>

#include "frame_fixture.h"

namespace dorvik::test {
namespace {

long long Seconds(std::tm t) { return static_cast<long long>(timegm(&t)); }

class SettingsPagesE2e : public FrameFixture {
protected:
    // Name, clock, reception, clock update, band, relay mode, alarm inputs and
    // alarm texts: the groups both pages send with the same commands.
    template <class Page>
    void CommonGroups(Page& page) {
        SettingsForm& f = page.Form();
        f.unitName = "North Gate";
        f.unitVersion = "V9.1";
        EXPECT_EQ(PressForBox([&] { page.OnSetUnitName(); }), "Set unit name success");
        f.unitName = f.unitVersion = "";
        ASSERT_TRUE(Press(page, [&] { page.OnGetUnitName(); }));
        EXPECT_EQ(f.unitName, "North Gate");
        EXPECT_EQ(f.unitVersion, "V9.1");

        const std::tm set = Time(2023, 7, 8, 9, 10);
        page.SetPickerTime(set);
        EXPECT_EQ(PressForBox([&] { page.OnSetUnitTime(); }), "Set unit time success");
        page.OnGetPcTime();
        EXPECT_EQ(page.PickerText(), "2024/05/06 07:08:09");
        ASSERT_TRUE(Press(page, [&] { page.OnGetUnitTime(); }));
        const long long drift = Seconds(page.PickerTime()) - Seconds(set);
        EXPECT_TRUE(drift >= 0 && drift < 600) << page.PickerText();

        f.reception = "";
        ASSERT_TRUE(Press(page, [&] { page.OnGetReception(); }));
        EXPECT_EQ(f.reception, "23");

        f.clockUpdateEnabled = true;
        f.unitPhone = "13912345678";
        EXPECT_EQ(PressForBox([&] { page.OnSetClockUpdate(); }), "Set time update success");
        f.clockUpdateEnabled = false;
        f.unitPhone = "";
        ASSERT_TRUE(Press(page, [&] { page.OnGetClockUpdate(); }));
        EXPECT_TRUE(f.clockUpdateEnabled);
        EXPECT_EQ(f.unitPhone, "13912345678");
        f.clockUpdateEnabled = false;
        EXPECT_EQ(PressForBox([&] { page.OnSetClockUpdate(); }), "Set time update success");
        f.clockUpdateEnabled = true;
        ASSERT_TRUE(Press(page, [&] { page.OnGetClockUpdate(); }));
        EXPECT_FALSE(f.clockUpdateEnabled);

        f.band = "GSM 850, PCS 1900";
        EXPECT_EQ(PressForBox([&] { page.OnSetBand(); }), "Set band  success");
        f.band = kDefaultBand;
        ASSERT_TRUE(Press(page, [&] { page.OnGetBand(); }));
        EXPECT_EQ(f.band, "GSM850,PCS1900") << "the band as the unit writes it, without blanks";

        page.OnModeRadio(1);
        EXPECT_EQ(PressForBox([&] { page.OnSetMode(); }), "Set Relay mode succes");
        page.OnModeRadio(0);
        ASSERT_TRUE(Press(page, [&] { page.OnGetMode(); }));
        EXPECT_EQ(page.RelayMode(), 1);

        // Input 1 calls every 45 minutes; input 2 is off.
        if (!f.alarms[0].enabled) page.OnAlarmToggle(0);
        page.OnAlarmModeRadio(0, true);
        f.alarms[0].interval = "45";
        if (f.alarms[1].enabled) page.OnAlarmToggle(1);
        EXPECT_EQ(PressForBox([&] { page.OnSetAlarmMode(); }), "Set alarm mode success");
        EXPECT_EQ(JournalWith("#ALARM-IN1=").back(),
                  std::string("#PWD") + kPassword + "#ALARM-IN1=ON:PHONE:45,ALARM-IN2=OFF");

        f.alarmTexts = {"Gate forced", "Mains lost"};
        EXPECT_EQ(PressForBox([&] { page.OnSetAlarmContent(); }), "Set alarm content success");
    }

    // The form as the device status must fill it again.
    static void ClearStatusFields(SettingsForm& f) {
        f.alarms = {};
        f.alarmTexts = {"", ""};
        f.reception = f.delay = f.batteryValue = "";
        f.batteryEnabled = false;
    }
    // The alarm groups and the reception of a device status just read.
    static bool StatusShown(const SettingsForm& f) {
        return f.alarms[0].enabled && f.alarms[0].phoneChecked && f.alarms[0].interval == "45" &&
               !f.alarms[1].enabled && f.alarmTexts[0] == "Gate forced" &&
               f.alarmTexts[1] == "Mains lost" && f.reception == "23";
    }
};

TEST_F(SettingsPagesE2e, TheUnitSettingsPageWritesAndReadsEveryGroup) {
    StartUnit({});
    OpenFrame();
    ASSERT_TRUE(Connect());
    CMsic& page = F().Msic();
    SettingsForm& f = page.Form();
    CommonGroups(page);

    f.alarmTexts = {"", ""};
    ASSERT_TRUE(Press(page, [&] { page.OnGetAlarmContent(); }));
    EXPECT_EQ(f.alarmTexts, (std::array<std::string, 2>{"Gate forced", "Mains lost"}));

    f.delay = "7";
    page.Extra().delayUnit = 1;  // seconds
    EXPECT_EQ(PressForBox([&] { page.OnSetDelay(); }), "Set delay time success");
    f.delay = "";
    ASSERT_TRUE(Press(page, [&] { page.OnGetDelay(); }));
    EXPECT_EQ(f.delay, "7000") << "the unit answers in milliseconds";

    if (!f.batteryEnabled) page.OnBatteryToggle();
    page.Extra().batteryAlarm = "35";
    EXPECT_EQ(PressForBox([&] { page.OnSetBattery(); }), "Set battery backup success");

    // The output's answer is not evaluated; the device status shows its state.
    page.OnRelayOutput(1, true);
    ASSERT_TRUE(RunUntil([&] { return !JournalWith("#OUT1=ON").empty(); }));
    ClearStatusFields(f);
    page.Extra().delayUnit = 0;
    page.OnGetDeviceStatus();
    ASSERT_TRUE(RunUntil([&] {
        return StatusShown(f) && f.delay == "7" && page.Extra().relayOn[0] && page.CommandsEnabled();
    }));
    EXPECT_EQ(page.Extra().delayUnit, 1);
    EXPECT_TRUE(f.batteryEnabled);
    EXPECT_EQ(f.batteryValue, "35");
    EXPECT_FALSE(page.Extra().relayOn[1]);
}

TEST_F(SettingsPagesE2e, TheMultiRelayPageWritesAndReadsEveryGroup) {
    StartUnit({"--multi-relay"});
    OpenFrame();
    ASSERT_TRUE(Connect());
    CMultiRelay& page = F().MultiRelay();
    SettingsForm& f = page.Form();
    CommonGroups(page);
    EXPECT_EQ(F().Msic().Form().unitName, "") << "answers go to the page that asked";

    f.delay = "1500";
    EXPECT_EQ(PressForBox([&] { page.OnSetDelay(); }), "Set delay time success");
    f.delay = "";
    ASSERT_TRUE(Press(page, [&] { page.OnGetDelay(); }));
    EXPECT_EQ(f.delay, "1500");

    if (!f.batteryEnabled) page.OnBatteryToggle();
    f.batteryValue = "90";
    EXPECT_EQ(PressForBox([&] { page.OnSetBattery(); }), "Set battery backup success");

    const RelayStates wanted{true, false, true, false, false, false, true};
    for (int relay = 1; relay <= 7; ++relay) page.OnRelayRadio(relay, wanted[relay - 1]);
    EXPECT_EQ(PressForBox([&] { page.OnSetRelayStatus(); }), "Set out  success");
    for (int relay = 1; relay <= 7; ++relay) page.OnRelayRadio(relay, false);
    ASSERT_TRUE(Press(page, [&] { page.OnGetRelayStatus(); }));
    EXPECT_EQ(page.Relays(), wanted);
    EXPECT_EQ(JournalWith("#OUT=").back(), std::string("#PWD") + kPassword + "#OUT=1010001");

    ClearStatusFields(f);
    page.OnGetDeviceStatus();
    ASSERT_TRUE(RunUntil([&] { return StatusShown(f) && page.CommandsEnabled(); }));
    EXPECT_EQ(f.delay, "1500");
    EXPECT_TRUE(f.batteryEnabled);
    EXPECT_EQ(f.batteryValue, "90");
    EXPECT_TRUE(page.RelayFlag());
}

TEST_F(SettingsPagesE2e, ANewPasswordIsUsedByTheCommandsAfterIt) {
    StartUnit({});
    OpenFrame();
    ASSERT_TRUE(Connect());
    CMsic& page = F().Msic();
    SettingsForm& f = page.Form();
    f.password = kPassword;
    f.newPassword = f.confirmPassword = "135790";
    EXPECT_EQ(PressForBox([&] { page.OnSetUnitPassword(); }), "Set password success");
    EXPECT_EQ(F().Engine().Password(), "135790");

    f.reception = "";
    ASSERT_TRUE(Press(page, [&] { page.OnGetReception(); }));
    EXPECT_EQ(f.reception, "23") << "the unit answers only its new password";
    EXPECT_EQ(JournalWith("#CSQ?").back(), "#PWD135790#CSQ?");

    // The settings file keeps it: the next window connects with it.
    ReopenFrame();
    EXPECT_EQ(F().Settings().password, "135790");
    ASSERT_TRUE(Connect());
}

}  // namespace
}  // namespace dorvik::test
