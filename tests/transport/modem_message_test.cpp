#include "transport/modem_message.h"

#include <gtest/gtest.h>

#include <utility>

#include "sms_pdu_samples.h"
#include "transport/modem_lines.h"
#include "transport/sms_pdu.h"
#include "transport/sms_short_message.h"

namespace dorvik {
namespace {

using test::kChineseDeliver;
using test::kHelloDeliver;

TEST(ModemLines, SortsEchoesResultsErrorsAndNotifications) {
    struct Case { bool (*kind)(std::string_view); const char* line; bool is; };
    const Case cases[] = {
        {IsEchoLine, "AT+CMGF=1\r", true},    {IsEchoLine, "at", true},
        {IsEchoLine, "+CMGR: 0,,24", false},   {IsOkLine, " OK\r", true},
        {IsOkLine, "NOK", false},              {IsErrorLine, "ERROR", true},
        {IsErrorLine, "  +CMS ERROR: 321", true}, {IsErrorLine, "+CME ERROR: 10", true},
        {IsErrorLine, "NO ERROR HERE", false}, {IsUnsolicitedLine, "RING", true},
        {IsUnsolicitedLine, "+CSQ: 20,99", true}, {IsUnsolicitedLine, "WHL0001 SET TO 1 OK", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.kind(c.line), c.is) << c.line;
}

TEST(ModemLines, NewMessageIndexForAnyStorageAndSpacing) {
    EXPECT_EQ(NewMessageIndex("+CMTI: \"SM\",12"), 12);
    EXPECT_EQ(NewMessageIndex("+CMTI:\"ME\",3"), 3);
    EXPECT_EQ(NewMessageIndex("+CMTI: \"MT\", 0"), 0);
    EXPECT_EQ(NewMessageIndex("+CMTI: \"SM\",7\r"), 7);
    for (const char* bad : {"+CMTI: \"SM\",", "+CMTI: \"SM\",x1", "+CMTI: \"SM\",-1",
                            "+CMTI: \"SM\",99999999999", "RING"})
        EXPECT_FALSE(NewMessageIndex(bad)) << bad;
}

TEST(SenderCheck, OnlyTheUnitsDigitsWithOrWithoutPrefixMatch) {
    struct Case { const char* sender; const char* unit; bool match; };
    const Case cases[] = {
        {"+8613900002222", "13900002222", true},  {"13900002222", "+8613900002222", true},
        {"13900002222", "13900002222", true},     {"5550123", "+15555550123", true},  // 7 digits
        {"+8613900002222", "", false},            // no unit number: nobody
        {"555012", "+15555550123", false},        // 6 digits
        {"13900002222", "139000022220", false},   // contained, not at the end
        {"+8613900002223", "13900002222", false}, {"Vodafone", "13900002222", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUnitSender(c.sender, c.unit), c.match) << c.sender << " / " << c.unit;
}

// Headers with an empty, missing or named alias and with the shown
// parameters are read; an empty time marks a header that is refused.
TEST(TextModeReader, ReadsHeadersOfEveryShapeAndRefusesBrokenOnes) {
    const std::string time = "16/12/28,13:45:01+32", at = "\"" + time + "\"";
    const std::string from = "+CMGR: \"REC UNREAD\",\"+8613900002222\",";
    const std::string shown = ",145,4,0,0,\"+8613800210500\",145,21";  // 21 characters
    const std::string body = "WHL0001 SET TO 123 OK";
    const std::pair<std::string, std::string> cases[] = {
        {from + "," + at, time},
        {"+CMGR: \"REC READ\",\"+8613900002222\"," + at, time},
        {from + "\"Gate, north\"," + at, time},
        {from + "," + at + shown, time},
        {"+CMGR:\"REC UNREAD\",\"+8613900002222\",,\"2016/12/28,13:45:01+32\"",
         "2016/12/28,13:45:01+32"},
        {"+CMGR: \"REC UNREAD\"", ""},
        {"+CMGR: \"REC UNREAD\",,,\"16/12/28,13:45:01\"", ""},
        {"+CMGL: \"REC UNREAD\",\"139\"", ""},
    };
    for (const auto& [header, stamp] : cases) {
        auto item = ReadTextModeMessage(header, body);
        ASSERT_EQ(item.has_value(), !stamp.empty()) << header;
        if (!item) continue;
        EXPECT_EQ(item->sender, "+8613900002222") << header;
        EXPECT_EQ(item->time, stamp) << header;
        EXPECT_EQ(item->body, body) << header;
    }
    EXPECT_FALSE(ReadTextModeMessage(from + "," + at + shown, "WHL0001 SET TO"));
}

// The unit's answer in PDU mode is modem_receiver_test's; malformed PDUs
// themselves are the decoder's.
TEST(PduModeReader, RejectsLongerClaimsCutPdusAndOtherLines) {
    const std::string& pdu = kChineseDeliver;
    const std::string header = "+CMGR: 0,,24";
    EXPECT_TRUE(ReadPduModeMessage(header, pdu));
    EXPECT_TRUE(ReadPduModeMessage("+CMGR: 1,\"alias\",24", pdu));
    const std::pair<std::string, std::string> bad[] = {
        {"+CMGR: 0,,25", pdu},  // header claims more
        {header, pdu.substr(0, pdu.size() - 2)},
        {header, ""},
        {"+CMTI: 0,,24", pdu},
    };
    for (const auto& [h, p] : bad) EXPECT_FALSE(ReadPduModeMessage(h, p)) << h << " " << p;
}

// A listing in PDU mode: lines that do not decode are skipped, a PDU line
// without its "+CMGL" line gets index 0, a huge index is never negative, an
// index may follow the colon without a space, and OK ends the listing.
TEST(ShortMessageStore, ReadsAListingAndWalksIt) {
    const std::string listing = "AT+CMGL=4\r\r\n+CMGL: 3,1,,20\r\n0791FFFFFFFFFFFFFFFF\r\n"
                                "+CMGL: 4,1,,3\r\nshort\r\n" + kChineseDeliver + "\r\n"
                                "+CMGL:7,1,,39\r\n" + kHelloDeliver + "\r\n"
                                "+CMGL: 99999999999999,1\r\n" + kHelloDeliver + "\r\nOK\r\n"
                                "+CMGL: 5,1,,39\r\n" + kHelloDeliver + "\r\n";
    CShortMessage store;
    EXPECT_TRUE(store.IsBeforeFirst());
    EXPECT_FALSE(store.IsAfterLast());
    store.ParseMessageList(listing);
    EXPECT_EQ(store.ListText(), listing);
    ASSERT_EQ(store.Count(), 3u);
    EXPECT_EQ(store.At(0).index, 0);
    EXPECT_EQ(store.At(0).raw, kChineseDeliver);
    EXPECT_EQ(store.At(1).index, 7);
    EXPECT_GE(store.At(2).index, 0);

    EXPECT_EQ(store.CurrentSender(), "+8613812345678");
    EXPECT_EQ(store.CurrentTime(), "2016-03-01 14:05:00");
    store.MoveNext();
    EXPECT_FALSE(store.IsBeforeFirst());
    EXPECT_FALSE(store.IsAfterLast());
    EXPECT_EQ(store.CurrentSender(), "27838890001");
    EXPECT_EQ(store.CurrentBody(), "hellohello");
    store.MoveNext();
    store.MoveNext();
    EXPECT_TRUE(store.IsAfterLast());
    EXPECT_EQ(store.CurrentSender(), "27838890001");
}

TEST(ShortMessageStore, EmptyListingsLeaveAnEmptyStoreAfterLast) {
    for (const char* text : {"", "AT+CMGL=4\r\r\nOK\r\n", "AT+CMGL=4\r\r\n+CMGL: 2,1,,39\r\n"}) {
        CShortMessage store;
        store.ParseMessageList(text);
        EXPECT_EQ(store.Count(), 0u) << text;
        EXPECT_TRUE(store.IsAfterLast()) << text;
        EXPECT_EQ(store.Current(), nullptr);
        EXPECT_EQ(store.CurrentBody(), "");
        EXPECT_EQ(store.CurrentSender(), "");
        EXPECT_EQ(store.CurrentTime(), "");
    }
}

}  // namespace
}  // namespace dorvik
