#include "pages/status_reply.h"

#include <gtest/gtest.h>

#include <tuple>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

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
    EXPECT_EQ(ParseStatusReply("ALARM1=ON:SMS:9,ALARM2=ON:PHONE:x,", kMultiRelayStatus)
                  ->alarms[1]
                  .interval,
              0);
}

TEST(StatusReplyTest, DelayAndBatteryItems) {
    const std::tuple<const char*, const char*, int> delays[] = {
        {"500MS", "500", 2}, {"5S", "5", 1}, {"2M", "2", 0}, {"", "", -1}, {"S", "", -1}};
    for (auto [item, value, unit] : delays) {
        EXPECT_EQ(ReadStatusDelay(item).value, value) << item;
        if (unit >= 0) {
            EXPECT_EQ(ReadStatusDelay(item).unitIndex, unit) << item;
        }
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

// --- Through the reply handlers onto the pages ---

using StatusPageTest = PageTest;

// Both pages' round trips against the simulated unit: SettingsPagesE2e.
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
