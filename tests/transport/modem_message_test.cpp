#include "transport/modem_message.h"

#include <gtest/gtest.h>

#include "sms_pdu_samples.h"
#include "transport/modem_lines.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

TEST(ModemLines, SortsEchoesResultsErrorsAndNotifications) {
    EXPECT_TRUE(IsEchoLine("AT+CMGF=1\r"));
    EXPECT_TRUE(IsEchoLine("at"));
    EXPECT_FALSE(IsEchoLine("+CMGR: 0,,24"));
    EXPECT_TRUE(IsOkLine("OK"));
    EXPECT_TRUE(IsOkLine(" OK\r"));
    EXPECT_FALSE(IsOkLine("NOK"));
    for (const char* e : {"ERROR", "+CMS ERROR: 500", "+CME ERROR: 10", "  +CMS ERROR: 321"})
        EXPECT_TRUE(IsErrorLine(e)) << e;
    EXPECT_FALSE(IsErrorLine("NO ERROR HERE"));
    for (const char* u : {"RING", "+CREG: 1", "+CSQ: 20,99", "+CMTI: \"SM\",3"})
        EXPECT_TRUE(IsUnsolicitedLine(u)) << u;
    EXPECT_FALSE(IsUnsolicitedLine("WHL0001 SET TO 1 OK"));
}

TEST(ModemLines, NewMessageIndexForAnyStorageAndSpacing) {
    EXPECT_EQ(NewMessageIndex("+CMTI: \"SM\",12"), 12);
    EXPECT_EQ(NewMessageIndex("+CMTI:\"ME\",3"), 3);
    EXPECT_EQ(NewMessageIndex("+CMTI: \"MT\", 0"), 0);
    EXPECT_EQ(NewMessageIndex("+CMTI: \"SM\",7\r"), 7);
    for (const char* bad : {"+CMTI: \"SM\"", "+CMTI: \"SM\",", "+CMTI: \"SM\",x1",
                            "+CMTI: \"SM\",-1", "+CMTI: \"SM\",99999999999", "RING"})
        EXPECT_FALSE(NewMessageIndex(bad)) << bad;
}

TEST(SenderCheck, SameDigitsWithOrWithoutPrefixMatch) {
    EXPECT_TRUE(IsUnitSender("+8613900002222", "13900002222"));
    EXPECT_TRUE(IsUnitSender("13900002222", "+8613900002222"));
    EXPECT_TRUE(IsUnitSender("13900002222", "13900002222"));
    EXPECT_TRUE(IsUnitSender("5550123", "+15555550123"));  // seven digits suffice
}

TEST(SenderCheck, NobodyElseAnswersForTheUnit) {
    EXPECT_FALSE(IsUnitSender("+8613900002222", ""));      // no unit number: nobody
    EXPECT_FALSE(IsUnitSender("1", "13900002221"));        // a short sender
    EXPECT_FALSE(IsUnitSender("555012", "+15555550123"));  // six digits
    EXPECT_FALSE(IsUnitSender("13900002222", "139000022220"));  // contained, not at the end
    EXPECT_FALSE(IsUnitSender("+8613900002223", "13900002222"));
    EXPECT_FALSE(IsUnitSender("Vodafone", "13900002222"));
    EXPECT_FALSE(IsUnitSender("1390000-2222", "13900002222"));
    EXPECT_FALSE(IsUnitSender("", ""));
}

TEST(TextModeReader, HeaderWithEmptyAliasMissingAliasNamedAliasAndShownParameters) {
    const char* headers[] = {
        "+CMGR: \"REC UNREAD\",\"+8613900002222\",,\"16/12/28,13:45:01+32\"",
        "+CMGR: \"REC READ\",\"+8613900002222\",\"16/12/28,13:45:01+32\"",
        "+CMGR: \"REC UNREAD\",\"+8613900002222\",\"Gate, north\",\"16/12/28,13:45:01+32\"",
        ("+CMGR: \"REC UNREAD\",\"+8613900002222\",,\"16/12/28,13:45:01+32\",145,4,0,0,"
         "\"+8613800210500\",145,21"),
        "+CMGR:\"REC UNREAD\",\"+8613900002222\",,\"2016/12/28,13:45:01+32\"",
    };
    for (const char* h : headers) {
        auto item = ReadTextModeMessage(h, "WHL0001 SET TO 123 OK");
        ASSERT_TRUE(item) << h;
        EXPECT_EQ(item->sender, "+8613900002222") << h;
        EXPECT_NE(item->time.find("12/28,13:45:01+32"), std::string::npos) << h;
        EXPECT_EQ(item->body, "WHL0001 SET TO 123 OK") << h;
    }
}

TEST(TextModeReader, BodyOfAnyLengthIsKeptWhole) {
    std::string body(5000, 'b');
    body += "\r\nsecond line";
    auto item = ReadTextModeMessage("+CMGR: \"REC UNREAD\",\"13900002222\",,\"16/12/28,13:45:01\"",
                                    body);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->body, body);
}

TEST(TextModeReader, RejectsHeadersWithoutSenderAndBodiesShorterThanClaimed) {
    EXPECT_FALSE(ReadTextModeMessage("+CMGR: \"REC UNREAD\"", "x"));
    EXPECT_FALSE(ReadTextModeMessage("+CMGR: \"REC UNREAD\",,,\"16/12/28,13:45:01\"", "x"));
    EXPECT_FALSE(ReadTextModeMessage("+CMGL: \"REC UNREAD\",\"139\"", "x"));
    const char* claims21 =
        "+CMGR: \"REC UNREAD\",\"+8613900002222\",,\"16/12/28,13:45:01+32\",145,4,0,0,"
        "\"+8613800210500\",145,21";
    EXPECT_FALSE(ReadTextModeMessage(claims21, "WHL0001 SET TO"));
}

TEST(PduModeReader, DecodesTheUnitsAnswer) {
    SmsSubmit m;
    m.destination = "+8613900002222";
    m.text = "WHL0001 SET TO 123 OK";
    std::string deliver = test::SubmitToDeliver(*CSMSPDU::EncodePdu(m));
    std::string header = "+CMGR: 0,," + std::to_string(CSMSPDU::TpduLength(deliver));
    auto item = ReadPduModeMessage(header, deliver);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->sender, "+8613900002222");
    EXPECT_EQ(item->body, "WHL0001 SET TO 123 OK");
    EXPECT_TRUE(ReadPduModeMessage("+CMGR: 1,\"alias\",24", test::kChineseDeliver));
}

TEST(PduModeReader, RejectsShortOddAndNonHexPdus) {
    const std::string& pdu = test::kChineseDeliver;
    std::string header = "+CMGR: 0,," + std::to_string(CSMSPDU::TpduLength(pdu));
    EXPECT_FALSE(ReadPduModeMessage("+CMGR: 0,,25", pdu));  // header claims more
    EXPECT_FALSE(ReadPduModeMessage(header, pdu.substr(0, pdu.size() - 1)));  // odd
    EXPECT_FALSE(ReadPduModeMessage(header, pdu.substr(0, pdu.size() - 2)));  // cut
    std::string nonHex = pdu;
    nonHex[30] = 'G';
    EXPECT_FALSE(ReadPduModeMessage(header, nonHex));
    EXPECT_FALSE(ReadPduModeMessage(header, ""));
    EXPECT_FALSE(ReadPduModeMessage("+CMTI: 0,,24", pdu));
}

}  // namespace
}  // namespace dorvik
