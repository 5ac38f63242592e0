#include "transport/sms_short_message.h"

#include <gtest/gtest.h>

#include "sms_pdu_samples.h"

namespace dorvik {
namespace {

using test::kChineseDeliver;
using test::kHelloDeliver;

// A modem's answer to AT+CMGL=4 in PDU mode: echo, two stored messages,
// a blank line and OK.
const std::string kListing = "AT+CMGL=4\r\r\n"
                             "+CMGL: 1,1,,39\r\n" + kHelloDeliver + "\r\n"
                             "+CMGL: 12,0,,28\r\n" + kChineseDeliver + "\r\n"
                             "\r\nOK\r\n";

TEST(ShortMessageStore, ReadsAListingAndWalksIt) {
    CShortMessage store;
    EXPECT_TRUE(store.IsBeforeFirst());
    EXPECT_FALSE(store.IsAfterLast());
    store.ParseMessageList(kListing);
    EXPECT_EQ(store.ListText(), kListing);
    ASSERT_EQ(store.Count(), 2u);
    EXPECT_EQ(store.At(1).index, 12);
    EXPECT_EQ(store.At(1).raw, kChineseDeliver);

    EXPECT_EQ(store.CurrentSender(), "27838890001");
    EXPECT_EQ(store.CurrentBody(), "hellohello");
    EXPECT_EQ(store.CurrentTime(), "1999-03-29 15:16:59");
    store.MoveNext();
    EXPECT_FALSE(store.IsBeforeFirst());
    EXPECT_FALSE(store.IsAfterLast());
    EXPECT_EQ(store.CurrentSender(), "+8613812345678");
    store.MoveNext();
    EXPECT_TRUE(store.IsAfterLast());
    EXPECT_EQ(store.CurrentSender(), "+8613812345678");
}

TEST(ShortMessageStore, SkipsUndecodableLinesReadsAnyIndexAndStopsAtOk) {
    CShortMessage store;
    store.ParseMessageList("AT+CMGL=4\r\r\n"
                           "+CMGL: 3,1,,20\r\n0791FFFFFFFFFFFFFFFF\r\n"
                           "+CMGL: 4,1,,3\r\nshort\r\n" +
                           kChineseDeliver + "\r\n"
                           "+CMGL:7,1,,39\r\n" + kHelloDeliver +
                           "\r\n+CMGL: 99999999999999,1\r\n" + kHelloDeliver + "\r\n"
                           "OK\r\n"
                           "+CMGL: 5,1,,39\r\n" + kHelloDeliver + "\r\n");
    ASSERT_EQ(store.Count(), 3u);
    // A PDU line without its "+CMGL" line gets index 0; an index may follow
    // the colon without a space, and a huge one is never negative.
    EXPECT_EQ(store.At(0).index, 0);
    EXPECT_EQ(store.At(0).sender, "+8613812345678");
    EXPECT_EQ(store.At(1).index, 7);
    EXPECT_GE(store.At(2).index, 0);
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
