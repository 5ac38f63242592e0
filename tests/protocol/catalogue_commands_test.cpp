#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/catalogue.h"

namespace dorvik {
namespace {

struct CommandCase {
    const char* what;
    Request got;
    std::string frame;
    int code;
    std::string ack;
};

const std::string kCrLf = "\r\n";

std::vector<CommandCase> AllCommands() {
    return {
        {"houses", HousesQuery("1234"), "#PWD1234#NUMBER?", 38, ""},
        {"tavrin in", ProgRf("1234", "U01"), "#PWD1234#PROG-RF-U01\r\n", 33, "PROG-RF-U01 OK"},
        {"tavrin out", ProgQuit("1234", "U01"), "#PWD1234#PROG-QUIT-U01\r\n", 34,
         "PROG-QUIT-U01 OK"},
        {"phones", ReadPhoneList("1234"), "#PWD1234#WHL=ALL?", 1, ""},
        {"phone slot 7", WritePhoneSlot("1234", 7, "13955550101"), "#PWD1234#WHL0007=13955550101",
         2, "WHL0007 SET TO 13955550101 OK"},
        {"empty password, erase", WritePhoneSlot("", 5, kErasedNumber), "#PWD#WHL0005=0000", 2,
         "WHL0005 SET TO 0000 OK"},
        {"specials", ReadSpecialList("1234"), "#PWD1234#SHL=ALL?", 20, ""},
        {"special week rule",
         WriteSpecialSlot("1234", "SHL001", "13900001111", "12345(08:00-18:00)"),
         "#PWD1234#SHL001=13900001111:12345(08:00-18:00)", 26,
         "SHL001 SETUP TO 13900001111:12345(08:00-18:00) OK"},
        {"special deleted", WriteSpecialSlot("1234", "QHL003", "0000", "25"),
         "#PWD1234#QHL003=0000:25", 26, "QHL003 SETUP TO 0000:25 OK"},
        {"special empty rule", WriteSpecialSlot("1234", "QHL003", "139", ""),
         "#PWD1234#QHL003=139:", 26, "QHL003 SETUP TO 139: OK"},
        {"special without number", WriteSpecialSlot("1234", "PHL012", "", "25"),
         "#PWD1234#PHL012=00000000000", 26, "PHL012 SETUP TO 00000000000 OK"},
        {"special clear", ClearSpecialSlot("1234", "PHL012"), "#PWD1234#PHL012=00000000000", 26,
         "PHL012 SETUP TO 00000000000 OK"},
        {"alarms", ReadAlarmList("1234"), "#PWD1234#ALARM=ALL?", 23, ""},
        {"alarm clear 12", WriteAlarmSlot("1234", 12, ""), "#PWD1234#ALARM12=00000000000", 24,
         "ALARM12 SET TO 00000000000 OK"},
        {"alarm slot 5", WriteAlarmSlot("1234", 5, "5550100"), "#PWD1234#ALARM05=5550100", 24,
         "ALARM05 SET TO 5550100 OK"},
        {"houses list", ReadHouseList("1234"), "#PWD1234#DIAL=ALL?", 36, ""},
        {"dial 1", WriteHouseDial("1234", "00101", 1, "13900002222", 3),
         "#PWD1234#00101:DIAL1=13900002222", 37, "3"},
        {"dial 2", WriteHouseDial("1234", "00101", 2, "0000", 400), "#PWD1234#00101:DIAL2=0000", 37,
         "400"},
        {"log", ReadLog("1234"), "#PWD1234#LOG=ALL?", 21, ""},
        {"log entries", ReadLogEntries("1234", 50), "#PWD1234#LOG=50?", 22, ""},
        {"name query", DeviceNameQuery("1234"), "#PWD1234#DEVICE?", 6, ""},
        {"name", SetDeviceName("1234", "GATE", "V2"), "#PWD1234#DEVICE:GATE:V2", 5,
         "DEVICE NAME IS GATE:V2"},
        {"clock query", ClockQuery("1234"), "#PWD1234#TIMER?", 14, ""},
        {"clock", SetClock("1234", "20160701:080509"), "#PWD1234#TIMER:20160701:080509", 13,
         "DEVICE TIMER IS SET TO 20160701:080509"},
        {"password", ChangePassword("1234", "5678", "5678"), "#PWD1234#CAP5678#CAP5678", 4,
         "PWD SETUP OK"},
        {"delay query", DelayQuery("1234"), "#PWD1234#GOT?", 8, ""},
        {"delay ms", SetDelay("1234", "300", DelayUnitWord(2)), "#PWD1234#GOT300:MILLISECOND", 7,
         "DELAY TIME SET TO 300 MS"},
        {"delay multi", SetDelayMulti("1234", "500"), "#PWD1234#GOT500", 7,
         "DELAY TIME SET TO 500 MS"},
        {"mode query", RelayModeQuery("1234"), "#PWD1234#MODE?", 12, ""},
        {"mode", SetRelayMode("1234", 1), "#PWD1234#MODE1", 11, "RELAY SET TO MODE1"},
        {"update query", ClockUpdateQuery("1234"), "#PWD1234#TIMER-UPDATE?", 16, ""},
        {"update", SetClockUpdate("1234", "13900003333"), "#PWD1234#TIMER-UPDATE:13900003333", 15,
         "TIMER-UPDATE:13900003333 OK"},
        {"update off", DisableClockUpdate("1234"), "#PWD1234#TIMER-UPDATE:NO", 15,
         "TIMER-UPDATE:NO OK"},
        {"reception", ReceptionQuery("1234"), "#PWD1234#CSQ?", 17, ""},
        {"band query", BandQuery("1234"), "#PWD1234#BAND?", 30, ""},
        {"band", SetBand("1234", "GSM 850, PCS 1900"), "#PWD1234#BAND=GSM 850, PCS 1900", 29,
         "BAND SET TO GSM 850, PCS 1900 OK"},
        {"alarm inputs",
         SetAlarmInputs("1234", AlarmInputWord(true, false, "30"),
                        AlarmInputWord(false, true, "10")),
         "#PWD1234#ALARM-IN1=ON:SMS:30,ALARM-IN2=OFF", 25, "ALARM-IN1=ON:SMS:30,ALARM-IN2=OFF"},
        {"content query", AlarmContentQuery("1234"), "#PWD1234#UDI?", 39, ""},
        {"content", SetAlarmContent("1234", "Door open", "Power fail"),
         "#PWD1234#UDI1:Door open, UDI2:Power fail", 28, "UDI1:Door open, UDI2:Power fail OKEY"},
        {"battery on", SetBatteryBackup("1234", true, "80"),
         "#PWD1234#POWER-CHANGE-ALARM:ON,BCPW-LOW-ALARM:ON:80", 27, "BCPW=80"},
        {"battery off", SetBatteryBackup("1234", false, "20"),
         "#PWD1234#POWER-CHANGE-ALARM:OFF,BCPW-LOW-ALARM:OFF:20", 27, "BCPW=20"},
        {"battery multi", SetBatteryMulti("1234", true, "30"), "#PWD1234#BCPW=30", 27, "BCPW=30"},
        {"battery multi off", SetBatteryMulti("1234", false, "30"), "#PWD1234#BCPW=00", 27,
         "BCPW=00"},
        {"status", StatusQuery("1234"), "#PWD1234#STATUS?", 35, ""},
        {"out1 on", SwitchOutput("1234", 1, true), "#PWD1234#OUT1=ON", 18, "OUT1=ON OK"},
        {"out2 off", SwitchOutput("1234", 2, false), "#PWD1234#OUT2=OFF", 19, "OUT2=OFF OK"},
        {"outputs query", OutputsQuery("1234"), "#PWD1234#OUT?", 32, ""},
        {"outputs",
         SetOutputs("1234", RelayDigitsText({true, false, true, false, false, false, true})),
         "#PWD1234#OUT=1010001", 31, "#PWD1234#OUT=1010001 OK"},
    };
}

TEST(CatalogueCommands, FramesCodesAndAcknowledgements) {
    for (const CommandCase& c : AllCommands()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.got.frame, c.frame);
        EXPECT_EQ(c.got.code, c.code);
        EXPECT_EQ(c.got.ack, c.ack);
        bool tavrin = c.code == 33 || c.code == 34;
        EXPECT_EQ(c.got.hasLineEnd, tavrin);
        EXPECT_EQ(WithLineEnd(c.got), tavrin ? c.frame : c.frame + kCrLf);
        EXPECT_NE(KindOf(c.code), CommandKind::None);
    }
}

TEST(CatalogueCommands, ParametersAreSentAsTypedWhateverTheirLength) {
    std::string longName(5000, 'N');
    Request r = SetDeviceName("#%s#", longName, "v%d\r\n");
    EXPECT_EQ(r.frame, "#PWD#%s##DEVICE:" + longName + ":v%d\r\n");
    EXPECT_FALSE(r.hasLineEnd);
    EXPECT_EQ(WithLineEnd(r), r.frame + kCrLf);
    EXPECT_EQ(WritePhoneSlot("1", 123456, "9").frame, "#PWD1#WHL123456=9");
    EXPECT_EQ(WriteAlarmSlot("1", -1, "9").frame, "#PWD1#ALARM-1=9");
}

TEST(CatalogueParameters, SlotTokensAndWords) {
    EXPECT_EQ(SpecialToken('S', 7), "SHL007");
    EXPECT_EQ(SpecialToken('Q', 250), "QHL250");
    EXPECT_EQ(SpecialTokenFromLabel("P300"), "PHL300");
    EXPECT_EQ(SpecialTokenFromLabel(""), "");
    EXPECT_EQ(AlarmInputWord(false, false, "30"), "OFF");
    EXPECT_EQ(AlarmInputWord(true, true, "15"), "ON:PHONE:15");
    const std::pair<int, std::string_view> units[] = {
        {0, "MINIUTE"}, {1, "SECOND"}, {-1, "MILLISECOND"}, {7, "MILLISECOND"}};
    for (const auto& [unit, word] : units) EXPECT_EQ(DelayUnitWord(unit), word) << unit;
}

TEST(CatalogueParameters, ClockText) {
    EXPECT_EQ(ClockToCommandText("2016/12/28 13:45:07"), "20161228:134507");
    for (const char* bad :
         {"", "2016/07/01 08:05", "2016/07/01 08:05:099", "2016-07-01 08:05:09",
          "2016/07/01T08:05:09", "2016/07/01 08:05:0x", "+016/07/01 08:05:09", "20160701:080509"}) {
        EXPECT_EQ(ClockToCommandText(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace dorvik
