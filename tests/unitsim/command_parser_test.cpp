#include "unitsim/command_parser.h"

#include <gtest/gtest.h>

namespace dorvik::unitsim {
namespace {

using Args = std::vector<std::string>;

TEST(UnitsimFrame, SplitsPasswordAndBodyAtTheFirstHash) {
    const auto frame = ParseFrame("#PWD482915#CAPab#CAPab");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->password, "482915");
    EXPECT_EQ(frame->body, "CAPab#CAPab");
    const auto empty = ParseFrame("#PWD#BAND?");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->password, "");
    EXPECT_FALSE(ParseFrame("PWD1#BAND?"));
    EXPECT_FALSE(ParseFrame("#PWD123456"));
    EXPECT_FALSE(ParseFrame(""));
}

struct Case {
    const char* body;
    CommandKind kind;
    Args args;
};

TEST(UnitsimCommands, ReadsEveryCommandWithItsFields) {
    const Case cases[] = {
        {"NUMBER?", CommandKind::HouseCount, {}},
        {"PROG-RF-0815", CommandKind::ProgRf, {"0815"}},
        {"PROG-QUIT-0815", CommandKind::ProgQuit, {"0815"}},
        {"WHL=ALL?", CommandKind::PhoneReadAll, {}},
        {"WHL0007=13955550101", CommandKind::PhoneWrite, {"0007", "13955550101"}},
        {"SHL=ALL?", CommandKind::SpecialReadAll, {}},
        {"SHL001=139:12345(08:00-18:00)", CommandKind::SpecialWrite, {"S", "001", "139", "12345(08:00-18:00)"}},
        {"PHL002=0000:161228-170131(08:00-18:00)", CommandKind::SpecialWrite,
         {"P", "002", "0000", "161228-170131(08:00-18:00)"}},
        {"QHL003=00000000000", CommandKind::SpecialWrite, {"Q", "003", "00000000000"}},
        {"QHL004=137:", CommandKind::SpecialWrite, {"Q", "004", "137", ""}},
        {"ALARM=ALL?", CommandKind::AlarmReadAll, {}},
        {"ALARM05=123", CommandKind::AlarmWrite, {"05", "123"}},
        {"ALARM-IN1=ON:SMS:30,ALARM-IN2=OFF", CommandKind::AlarmInputs, {"ON:SMS:30", "OFF"}},
        {"DIAL=ALL?", CommandKind::HouseReadAll, {}},
        {"00101:DIAL1=13900002222", CommandKind::HouseWrite, {"00101", "1", "13900002222"}},
        {"00101:DIAL2=0000", CommandKind::HouseWrite, {"00101", "2", "0000"}},
        {"LOG=ALL?", CommandKind::LogReadAll, {}},
        {"LOG=-5?", CommandKind::LogReadLast, {"-5"}},
        {"DEVICE?", CommandKind::DeviceQuery, {}},
        {"DEVICE:Gate:V1:2", CommandKind::DeviceSet, {"Gate", "V1:2"}},
        {"TIMER?", CommandKind::ClockQuery, {}},
        {"TIMER:20160701:080509", CommandKind::ClockSet, {"20160701:080509"}},
        {"TIMER-UPDATE?", CommandKind::ClockUpdateQuery, {}},
        {"TIMER-UPDATE:NO", CommandKind::ClockUpdateSet, {"NO"}},
        {"CAPnew#CAPnew", CommandKind::PasswordChange, {"new", "new"}},
        {"GOT?", CommandKind::DelayQuery, {}},
        {"GOT5:SECOND", CommandKind::DelaySet, {"5", "SECOND"}},
        {"GOT500", CommandKind::DelaySet, {"500"}},
        {"MODE?", CommandKind::ModeQuery, {}},
        {"MODE1", CommandKind::ModeSet, {"1"}},
        {"CSQ?", CommandKind::ReceptionQuery, {}},
        {"BAND?", CommandKind::BandQuery, {}},
        {"BAND=GSM 850, PCS 1900", CommandKind::BandSet, {"GSM 850, PCS 1900"}},
        {"UDI?", CommandKind::ContentsQuery, {}},
        {"UDI1:Door open, UDI2:Power fail", CommandKind::ContentsSet, {"Door open", "Power fail"}},
        {"POWER-CHANGE-ALARM:ON,BCPW-LOW-ALARM:ON:80", CommandKind::BatteryAlarm, {"ON", "ON", "80"}},
        {"BCPW=00", CommandKind::BatteryInterval, {"00"}},
        {"STATUS?", CommandKind::StatusQuery, {}},
        {"OUT?", CommandKind::RelaysQuery, {}},
        {"OUT=1010001", CommandKind::RelaysSet, {"1010001"}},
        {"OUT2=OFF", CommandKind::OutputSwitch, {"2", "OFF"}},
    };
    for (const Case& c : cases) {
        const Command command = ParseCommand(c.body);
        EXPECT_EQ(command.kind, c.kind) << c.body;
        EXPECT_EQ(command.args, c.args) << c.body;
    }
}

TEST(UnitsimCommands, MalformedBodiesAreUnknown) {
    for (const char* body : {"", "HELLO", "WHL=ALL", "WHLx=1", "WHL0001", "SHL001", "ALARM=ALL", "ALARM-IN1=OFF",
                             "LOG=x?", "LOG=5", "NUMBER?x", "CAPabc", "UDI1:a,UDI2:b", "00101:DIAL=1", "OUT1ON"}) {
        EXPECT_EQ(ParseCommand(body).kind, CommandKind::Unknown) << body;
    }
}

}  // namespace
}  // namespace dorvik::unitsim
