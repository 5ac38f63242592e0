#include "pages/multi_relay.h"

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

class MultiRelayTest : public PageTest {
protected:
    void SetRelays(const std::string& digits) {
        for (int k = 0; k < kRelayCount; ++k) multi.OnRelayRadio(k + 1, digits[k] == '1');
    }
};

TEST_F(MultiRelayTest, SetStatusSendsTheSevenDigitsAndIsConfirmedByTheEchoedFrame) {
    SetRelays("1010001");
    multi.OnSetRelayStatus();
    EXPECT_EQ(LastFrame(), "#PWD1234#OUT=1010001");
    EXPECT_EQ(link.writes.back().code, 31);
    EXPECT_EQ(link.writes.back().ack, "#PWD1234#OUT=1010001 OK");
    EXPECT_EQ(model.multiRelay.RelayStatus, "1010001") << "collected before sending";
    EXPECT_EQ(engine.ActiveSettingsPage(), 2);
    EXPECT_FALSE(multi.CommandsEnabled());
    Feed("#PWD1234#OUT=1010001 OK\n");
    EXPECT_EQ(Boxes(), Strings{"Set out  success"});
    EXPECT_TRUE(multi.CommandsEnabled());

    multi.OnSetRelayStatus();
    Feed("OUT=1010001 OK\n");
    EXPECT_EQ(Boxes().size(), 1u) << "anything else is no confirmation";
}

TEST_F(MultiRelayTest, GetStatusReadsTheRelays) {
    multi.OnGetRelayStatus();
    EXPECT_EQ(LastFrame(), "#PWD1234#OUT?");
    EXPECT_EQ(link.writes.back().code, 32);
    Feed("OUT IS 0100000\n");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0100000");
    EXPECT_TRUE(multi.CommandsEnabled());

    multi.ApplyRelayStatus("");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0100000") << "an empty text changes nothing";
    multi.ApplyRelayStatus("101");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1010000") << "relays after the digits keep";
    multi.ApplyRelayStatus("x1");
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1010000");
}

TEST_F(MultiRelayTest, DelayAndBatteryCommands) {
    multi.Form().delay = "300";
    multi.OnSetDelay();
    EXPECT_EQ(LastFrame(), "#PWD1234#GOT300");
    EXPECT_EQ(link.writes.back().ack, "DELAY TIME SET TO 300 MS");

    multi.Form().batteryValue = "15";
    multi.OnSetBattery();
    EXPECT_EQ(LastFrame(), "#PWD1234#BCPW=00");
    EXPECT_EQ(link.writes.back().ack, "BCPW=00");
    multi.OnBatteryToggle();
    multi.OnSetBattery();
    EXPECT_EQ(LastFrame(), "#PWD1234#BCPW=15");
    EXPECT_EQ(link.writes.back().code, 27);
    Feed("anything\n");
    EXPECT_EQ(Boxes(), Strings{"Set battery backup success"});
}

TEST_F(MultiRelayTest, SharedCommandsAreMarkedForThisPage) {
    multi.Form().band = "GSM 850, PCS 1900";
    multi.OnSetBand();
    EXPECT_EQ(LastFrame(), "#PWD1234#BAND=GSM 850, PCS 1900");
    EXPECT_EQ(engine.ActiveSettingsPage(), 2);
    multi.OnSetAlarmMode();
    EXPECT_EQ(LastFrame(), "#PWD1234#ALARM-IN1=OFF,ALARM-IN2=OFF");
    multi.OnGetUnitName();
    Feed("DEVICE NAME IS Relay7:V3\n");
    EXPECT_EQ(multi.Form().unitName, "Relay7");
    EXPECT_EQ(msic.Form().unitName, "") << "the answer goes to the page that asked";
    multi.OnGetReception();
    Feed("CSQ IS 17\n");
    EXPECT_EQ(multi.Form().reception, "17");
}

TEST_F(MultiRelayTest, RelaysStartOnRadiosSendNothingAndTheTextRoundTrips) {
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1111111");
    multi.OnRelayRadio(2, false);
    multi.OnRelayRadio(0, false);
    multi.OnRelayRadio(8, false);
    EXPECT_EQ(FormatRelayText(multi.Relays()), "1011111");
    EXPECT_TRUE(link.writes.empty());
    SetRelays("0011010");
    multi.CollectSettings();
    EXPECT_EQ(model.multiRelay.RelayStatus, "0011010");
    SetRelays("1111111");
    multi.ApplySettings();
    EXPECT_EQ(FormatRelayText(multi.Relays()), "0011010");
}

}  // namespace
}  // namespace dorvik
