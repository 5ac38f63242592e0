// Copying between the settings pages' controls and the records the project
// file stores.
#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

using SettingsRecordTest = PageTest;

void Fill(SettingsForm& f) {
    f.unitName = "Gate";
    f.unitVersion = "V1.2";
    f.delay = "300";
    f.unitPhone = "5550100";
    f.band = "GSM 850, PCS 1900";
    f.reception = "23";
    f.batteryEnabled = true;
    f.batteryValue = "80";
    f.clockUpdateEnabled = true;
    f.alarms[0] = {true, 0, true, "30"};
    f.alarms[1] = {false, 0, false, "45"};
    f.alarmTexts = {"Door, open", "Fire"};
}

// Collect writes the record formats; a new page applying the record shows and
// collects the same again.
TEST_F(SettingsRecordTest, CollectWritesTheRecordFormatsAndApplyRestoresThem) {
    Fill(msic.Form());
    msic.SetPickerTime(Time(2016, 12, 28, 13, 45, 7));
    msic.OnModeRadio(1);
    msic.Extra().relayOn[0] = true;
    msic.CollectSettings();
    const UnitSettings& s = model.settings;
    EXPECT_EQ(s.UnitName, "Gate");
    EXPECT_EQ(s.UnitVersion, "V1.2");
    EXPECT_EQ(s.UnitTime, "2016/12/28 13:45:07");
    EXPECT_EQ(s.UnitDelay, "300");
    EXPECT_EQ(s.UnitPhone, "5550100");
    EXPECT_EQ(s.UintBand, "GSM 850, PCS 1900");
    EXPECT_EQ(s.UnitReception, "23");
    EXPECT_EQ(s.Battery, "1,80");
    EXPECT_EQ(s.ClockUpdate, "1,5550100");
    EXPECT_EQ(s.AlarmMode1, "1,1,30") << "mode from the PHONE radio";
    EXPECT_EQ(s.AlarmMode2, "0,0,333") << "a disabled input stores 333";
    EXPECT_EQ(s.Alarm1, "Door, open");
    EXPECT_EQ(s.Alarm2, "Fire");
    EXPECT_EQ(s.RelayStatus, 1);
    EXPECT_EQ(s.UnitMode, 1);

    Fill(multi.Form());
    multi.SetPickerTime(Time(2016, 12, 28, 13, 45, 7));
    multi.OnRelayRadio(3, false);
    multi.CollectSettings();
    UnitModel other;
    CMultiRelay loaded(engine, other.multiRelay, clock);
    other.multiRelay = model.multiRelay;
    loaded.ApplySettings();
    loaded.CollectSettings();
    EXPECT_EQ(other.multiRelay.Battery, "1,80");
    EXPECT_EQ(other.multiRelay.AlarmMode1, "1,1,30");
    EXPECT_EQ(other.multiRelay.UnitTime, "2016/12/28 13:45:07");
    EXPECT_EQ(other.multiRelay.RelayStatus, "1101111");
    EXPECT_TRUE(loaded.Form().batteryEnabled);
    EXPECT_TRUE(loaded.Form().alarms[0].phoneChecked);
    EXPECT_EQ(loaded.Form().unitPhone, "5550100");
}

TEST_F(SettingsRecordTest, ApplyTwiceKeepsEnabledGroupsEnabled) {
    model.settings.Battery = "1, 80";
    model.settings.AlarmMode1 = "1,0,30";
    model.settings.RelayStatus = 1;
    msic.ApplySettings();
    msic.ApplySettings();
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

TEST_F(SettingsRecordTest, ApplyOfMalformedFieldsDoesNotFail) {
    model.settings.UnitTime = "2016-12-28";
    model.settings.Battery = "x";
    model.settings.ClockUpdate = "";
    model.settings.AlarmMode1 = "1";
    model.settings.UintBand = "GSM 900, PCS 1900";
    msic.SetPickerTime(Time(2011, 5, 6, 7, 8, 9));
    msic.ApplySettings();
    EXPECT_EQ(msic.PickerText(), "2011/05/06 07:08:09") << "an unreadable time keeps the picker";
    EXPECT_FALSE(msic.Form().batteryEnabled);
    EXPECT_FALSE(msic.Form().clockUpdateEnabled);
    EXPECT_EQ(msic.Form().band, "GSM 900, PCS 1900");
    model.settings.UnitTime = "2016/13/28 10:00:00";
    msic.ApplySettings();
    EXPECT_EQ(msic.PickerText(), "2011/05/06 07:08:09");
}

TEST_F(SettingsRecordTest, NewPageStartsWithItsDefaults) {
    EXPECT_EQ(msic.Form().band, "GSM 900, DCS 1800");
    EXPECT_EQ(msic.PickerText(), "2010/01/01 00:00:00");
    EXPECT_FALSE(PageRig().msic.CommandsEnabled()) << "disabled until connected";
    EXPECT_EQ(engine.Page(PageRole::Msic), &msic);
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

}  // namespace
}  // namespace dorvik
