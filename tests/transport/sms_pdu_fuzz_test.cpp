// Random and mutated input for the PDU decoder and the list reader: nothing
// may crash, read past the input, or change an item when decoding fails.
#include <gtest/gtest.h>

#include <random>

#include "sms_pdu_samples.h"
#include "transport/sms_pdu.h"
#include "transport/sms_short_message.h"

namespace dorvik {
namespace {

constexpr char kMostlyHex[] = "0123456789ABCDEFabcdef0123456789ABCDEF+ G\r\n";

std::string RandomText(std::mt19937& rng, std::size_t length, std::string_view alphabet) {
    std::string s(length, '0');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
}

// Decodes and checks that a failure leaves the item as it was, and that a
// success keeps the raw text whole.
void DecodeChecked(const std::string& hex) {
    CSMSItem item;
    item.body = "held";
    CSMSItem before = item;
    if (CSMSPDU::DecodePdu(item, hex))
        EXPECT_EQ(item.raw, hex);
    else
        EXPECT_EQ(item, before) << hex;
}

TEST(SmsFuzz, RandomHexStrings) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        std::size_t length = rng() % 400;
        std::string_view alphabet(kMostlyHex, i % 10 == 0 ? sizeof kMostlyHex - 1 : 22);
        DecodeChecked(RandomText(rng, length, alphabet));
    }
}

TEST(SmsFuzz, MutatedValidPdus) {
    std::mt19937 rng(7);
    const std::string seeds[] = {test::kHelloDeliver, test::kChineseDeliver,
                                 test::kAlphanumericDeliver,
                                 "00440B916407281553F80000613010415000000F"
                                 "050003CC02019069101D5D969701"};
    for (int i = 0; i < 20000; ++i) {
        std::string pdu = seeds[i % 4];
        for (int edits = 1 + int(rng() % 4); edits > 0; --edits) {
            std::size_t at = rng() % pdu.size();
            switch (rng() % 4) {
            case 0: pdu[at] = kMostlyHex[rng() % 22]; break;
            case 1: pdu.erase(at, 1 + rng() % 4); break;
            case 2: pdu.insert(at, RandomText(rng, 1 + rng() % 4, "0123456789ABCDEF")); break;
            default: pdu.resize(at); break;
            }
            if (pdu.empty()) pdu = "00";
        }
        DecodeChecked(pdu);
    }
}

TEST(SmsFuzz, RandomListingsAndRandomTexts) {
    std::mt19937 rng(99);
    for (int i = 0; i < 2000; ++i) {
        CShortMessage store;
        store.ParseMessageList(RandomText(rng, rng() % 300, "+CMGL:,0123456789ABCDEF OK\r\n"));
        for (std::size_t n = 0; n <= store.Count(); ++n) store.MoveNext();
        EXPECT_TRUE(store.IsAfterLast());
    }
    // Any bytes as a message text: an encoded PDU always decodes back.
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        for (std::size_t n = rng() % 80; n > 0; --n) text += char(rng() % 256);
        std::uint8_t coding = i % 2 ? kDcsUcs2 : kDcsGsm7;
        std::optional<std::string> pdu =
            CSMSPDU::EncodePdu({"+8613800210500", "+12345", 0, coding, text});
        if (!pdu) continue;
        CSMSItem item;
        EXPECT_TRUE(CSMSPDU::DecodePdu(item, test::SubmitToDeliver(*pdu))) << *pdu;
    }
}

}  // namespace
}  // namespace dorvik
