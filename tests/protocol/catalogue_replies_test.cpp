#include <gtest/gtest.h>

#include <string>

#include "protocol/replies.h"

namespace dorvik {
namespace {

const std::string kIntOverflow = "2147483648";

template <typename Parse>
void ExpectRejected(Parse parse, std::initializer_list<std::string> texts) {
    for (const std::string& text : texts) EXPECT_FALSE(parse(text).has_value()) << text;
}

// Well-formed list lines are read by the reply handler and page tests; these are the edges.
TEST(CatalogueReplies, PhoneListLines) {
    // The number ends at the first blank or control character.
    EXPECT_EQ(ParsePhoneListLine("WHL2 IS 555 0100")->number, "555");
    EXPECT_TRUE(ParsePhoneListLine("WHL IS 0000")->listEmpty);
    ExpectRejected(ParsePhoneListLine,
                   {"", "WHL", "WHL0 IS 123", "WHL-4 IS 123", "WHL7 IS ", "WHL7 IS", "WHLx IS 1",
                    "XHL7 IS 1", "WHL" + kIntOverflow + " IS 1", "WHL IS 0000\r"});
}

TEST(CatalogueReplies, SpecialListLines) {
    EXPECT_EQ(ParseSpecialListLine("SHL1 IS 139:17(08:00-18:00)")->rule, "17(08:00-18:00)");
    EXPECT_EQ(ParseSpecialListLine("PHL300 IS 5550100:161228-170131(08:00-18:00)")->index, 300);
    EXPECT_EQ(ParseSpecialListLine("QHL250 IS 0000:25")->fields.amount, "25");

    EXPECT_EQ(ParseSpecialListLine("PHL IS 0000")->group, 'P');
    EXPECT_TRUE(ParseSpecialListLine("QHL IS 0000")->groupEmpty);
    ExpectRejected(ParseSpecialListLine,
                   {"", "SHL IS 0000", "SHL251 IS 1:2", "PHL301 IS 1:2", "QHL251 IS 1:2",
                    "SHL0 IS 1:2", "XHL1 IS 1:2", "shl1 IS 1:2", "SHL1 IS 13900001111",
                    "SHL1 IS :25", "SHL1 IS 1:12(08:00-18:00", "SHL1 IS 1:12(0800)",
                    "PHL1 IS 1:1612-170131(08:00-18:00)", "PHL1 IS 1:16122a-170131(08:00-18:00)"});
}

TEST(CatalogueReplies, AlarmListReply) {
    auto full = ParseAlarmListReply("ALARM IS 111:00000000000:333:444:555:");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->numbers,
              (std::array<std::string, 5>{"111", "00000000000", "333", "444", "555"}));
    // A number without its closing colon is empty, and so is every later one.
    EXPECT_EQ(ParseAlarmListReply("ALARM IS 1:2:3")->numbers,
              (std::array<std::string, 5>{"1", "2", "", "", ""}));
    EXPECT_EQ(ParseAlarmListReply("ALARM IS ")->numbers[0], "");
    ExpectRejected(ParseAlarmListReply, {"", "ALARM", "ALARM IS", "ALARM12 IX 1:2:", "ALRM IS 1:"});
}

TEST(CatalogueReplies, HouseListLines) {
    // Without "DIAL1" the number is the second dial number, whatever the line says.
    EXPECT_EQ(ParseHouseListLine("12:XYZ:5:55")->dial, 2);
    EXPECT_EQ(ParseHouseListLine("12:XYZ:5:55")->number, "5:55");
    EXPECT_EQ(ParseHouseListLine("::")->number, "");
    ExpectRejected(ParseHouseListLine, {"", "12", "12:DIAL1"});
}

TEST(CatalogueReplies, LogLines) {
    EXPECT_EQ(ParseLogLine("LOGS12:139:2016:12")->time, "2016:12");
    ExpectRejected(ParseLogLine, {"", "LOGW", "LOGW7:5550100", "LOGX7:1:2", "LOGW:1:2", "LOGWx:1:2",
                                  "LOGW" + kIntOverflow + ":1:2"});
}

TEST(CatalogueReplies, Confirmations) {
    const std::string pwd = "PWD SETUP OK";
    EXPECT_TRUE(IsConfirmation(4, pwd, pwd));
    EXPECT_FALSE(IsConfirmation(4, pwd + "\r", pwd));  // a CR LF line end keeps its CR
    EXPECT_FALSE(IsConfirmation(4, " " + pwd, pwd));
    const std::string special = "SHL001 SETUP TO 139:25 OK";  // trimmed reply, exact ack
    EXPECT_FALSE(IsConfirmation(26, special, special + " "));
    EXPECT_TRUE(IsConfirmation(5, "DEVICE NAME IS A:", "DEVICE NAME IS A:"));
    EXPECT_FALSE(IsConfirmation(5, "0123456789", "0123456789"));
    EXPECT_FALSE(IsConfirmation(6, "", ""));
}

// The readable acknowledgements are read by the reply handler tests.
TEST(CatalogueReplies, UnreadableAcknowledgements) {
    EXPECT_FALSE(ReadPhoneAckIndex("WHLx SET TO 1 OK"));
    EXPECT_FALSE(ReadAlarmAckIndex("ALARM SET TO 1 OK"));
    EXPECT_FALSE(ReadRelayModeAck("RELAY SET TO MODE"));
    EXPECT_FALSE(ReadHouseAckSlot(""));
    EXPECT_FALSE(ReadSpecialAckSlot(""));
    EXPECT_FALSE(ReadSpecialAckSlot("XHL001 SETUP TO 1:2 OK"));
    EXPECT_FALSE(ReadSpecialAckSlot("S"));
}

TEST(CatalogueReplies, HousesReply) {
    EXPECT_EQ(ParseHousesReply("NUMBER IS 12 HOUSES"), 12);
    EXPECT_EQ(ParseHousesReply("NUMBER IS X"), 0);
    EXPECT_EQ(ParseHousesReply("NUMBER IS"), 0);
    EXPECT_FALSE(ParseHousesReply("NUMBER 200"));
    EXPECT_FALSE(ParseHousesReply("NUMBER IS " + kIntOverflow));
}

TEST(CatalogueReplies, DeviceName) {
    EXPECT_EQ(ParseDeviceName("DEVICE NAME IS :V")->version, "V");
    auto shortReply = ParseDeviceName("DEVICE NAME IS");  // 14 characters
    EXPECT_EQ(shortReply->name, " ");
    EXPECT_EQ(shortReply->version, " ");
    EXPECT_EQ(ParseDeviceName("")->name, " ");
    ExpectRejected(ParseDeviceName, {"UNIT NAME IS GATE:V2", "DEVICE NAME IS GATE V2",
                                     "DEVICE:NAME IS GATE V2", "DEVICE NAME I:GATEGATE"});
}

TEST(CatalogueReplies, ClockReply) {
    EXPECT_EQ(ParseClockReply("DEVICE TIMER IS 20160229:235959\r"),
              (UnitClock{2016, 2, 29, 23, 59, 59}));
    ExpectRejected(ParseClockReply, {"", "TIMER IS 2016128:134501", "TIMER IS  20161228:134501",
                                     "TIMER IS 20161228:1345", "TIMER IS 2016122x:134501",
                                     "TIMER IS 20161328:134501", "TIMER IS 20150229:134501",
                                     "TIMER IS 20161228:246000", "TIMER IS 20161228:134560",
                                     "TIME: IS 20161228:134501", "TIMER 20161228"});
}

TEST(CatalogueReplies, ClockUpdateReply) {
    EXPECT_FALSE(ParseClockUpdateReply("TIMER-UPDATE:NO\r")->enabled);
    ExpectRejected(ParseClockUpdateReply, {"", "TIMER-UPDATE:", "TIMER-UPDATE?", "TIMER:123"});
}

TEST(CatalogueReplies, Outputs) {
    EXPECT_EQ(ParseOutputsReply("OUT IS 1010001"),
              (std::array<bool, 7>{true, false, true, false, false, false, true}));
    EXPECT_EQ(ParseOutputsReply("OUT IS 0000000\r"), (std::array<bool, 7>{}));
    ExpectRejected(ParseOutputsReply, {"", "OUT IS 101000", "OUT IS 10100x1", "OUT 1010001"});
    EXPECT_EQ(ParseRelayDigits("1 0 1 0 0 0 1"), ParseRelayDigits("1010001"));
    EXPECT_FALSE(ParseRelayDigits("-1010001"));
}

}  // namespace
}  // namespace dorvik
