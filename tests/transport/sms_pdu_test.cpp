#include "transport/sms_pdu.h"

#include <gtest/gtest.h>

#include <cctype>

#include "model/text_codec.h"
#include "sms_pdu_samples.h"
#include "transport/sms_gsm7.h"

namespace dorvik {
namespace {

using test::kAlphanumericDeliver;
using test::kChineseDeliver;
using test::kHelloDeliver;

const std::string kGbNiHao = "\xC4\xE3\xBA\xC3";  // "你好" in GB18030

SmsSubmit Message(std::string text, std::uint8_t coding = kDcsGsm7,
                  std::string destination = "+46708251358", std::string centre = "") {
    return {std::move(centre), std::move(destination), 0, coding, std::move(text)};
}

CSMSItem Decoded(const std::string& hex) {
    CSMSItem item;
    EXPECT_TRUE(CSMSPDU::DecodePdu(item, hex)) << hex;
    return item;
}

// Time stamp 2016-03-01 14:05:00 and the given DCS, UDHI and user data
// around the sender +46708251358.
std::string Deliver(const std::string& dcs, const std::string& userData, bool header = false) {
    return std::string("00") + (header ? "44" : "04") + "0B916407281553F800" + dcs +
           "61301041500000" + userData;
}

TEST(SmsHelpers, AlphabetOfDataCodingScheme) {
    struct Case { std::uint8_t dcs; SmsAlphabet alphabet; };
    const Case cases[] = {
        {0x00, SmsAlphabet::Gsm7}, {0x04, SmsAlphabet::Data8}, {0x18, SmsAlphabet::Ucs2},
        {0x0C, SmsAlphabet::Gsm7}, {0x48, SmsAlphabet::Ucs2},  {0xD8, SmsAlphabet::Gsm7},
        {0xE0, SmsAlphabet::Ucs2}, {0xF0, SmsAlphabet::Gsm7},  {0xF4, SmsAlphabet::Data8},
        {0x80, SmsAlphabet::Gsm7}, {0x28, SmsAlphabet::Data8},
    };
    for (const Case& c : cases) EXPECT_EQ(CSMSPDU::AlphabetOf(c.dcs), c.alphabet) << int(c.dcs);
    EXPECT_EQ(CSMSPDU::PreferredCoding("Gate {open} 5\xA2\xE3"), kDcsGsm7);  // "€" is
    EXPECT_EQ(CSMSPDU::PreferredCoding(kGbNiHao), kDcsUcs2);
}

TEST(SmsEncode, ServiceCentreOddAndEvenDigits) {
    auto centre = [](std::string number) {
        std::string pdu = *CSMSPDU::EncodePdu(Message("x", kDcsGsm7, "1", number));
        return pdu.substr(0, pdu.find("1100"));
    };
    EXPECT_EQ(centre("8613800210500"), "0881683108200105F0");
    EXPECT_EQ(centre("+861380021050"), "07916831082001" "05");
    EXPECT_EQ(centre(""), "00");
    EXPECT_EQ(CSMSPDU::TpduLength("0"), -1);
    EXPECT_EQ(CSMSPDU::TpduLength("0791"), -1);
}

TEST(SmsEncode, ExactSubmitsOfEachCoding) {
    const std::pair<SmsSubmit, const char*> cases[] = {
        // The tutorial SUBMIT 0011000B916407281553F80000AA0AE8329BFD4697D9EC37
        // with the validity period octet 00 instead of AA.
        {Message("hellohello"), "0011000B916407281553F80000000AE8329BFD4697D9EC37"},
        // Digits without "+" are dialled as they are (type 81), never sent abroad.
        {Message("hellohello", kDcsGsm7, "46708251358"),
         "0011000B816407281553F80000000AE8329BFD4697D9EC37"},
        // 0D91 + 13 digits, PID 00, DCS 08, VP 00, UDL 4 octets, 4F60 597D.
        {{"+8613800210500", "+8613812345678", 0, kDcsUcs2, kGbNiHao},
         "0891683108200105F011000D91683118325476F80008000" "44F60597D"},
        // An 8-bit coding carries the bytes as they are.
        {Message(std::string("\x01\xFF", 2), 0x04), "0011000B916407281553F800040002" "01FF"},
        // A character outside the GSM alphabet in a 7-bit message becomes "?".
        {Message(kGbNiHao, kDcsGsm7), "0011000B916407281553F800000002" "BF1F"},
    };
    for (const auto& [m, pdu] : cases) EXPECT_EQ(CSMSPDU::EncodePdu(m), pdu);
}

TEST(SmsEncode, AcceptsOrRefusesByNumberAndLength) {
    std::string euros, chinese;
    for (int i = 0; i < 81; ++i) euros += "\xA2\xE3";
    for (int i = 0; i < 70; ++i) chinese += kGbNiHao.substr(0, 2);
    struct Case { SmsSubmit m; bool ok; };
    const Case cases[] = {
        {Message("x", kDcsGsm7, ""), false},        {Message("x", kDcsGsm7, "+"), false},
        {Message("x", kDcsGsm7, "++86138"), false}, {Message("x", kDcsGsm7, "1", "+86F"), false},
        {Message("x", kDcsGsm7, std::string(21, '1')), false},
        {Message("x", kDcsGsm7, std::string(20, '1')), true},
        // One message: 160 septets, 140 octets.
        {Message(std::string(160, 'a')), true},     {Message(std::string(161, 'a')), false},
        {Message(euros), false},                    {Message(euros.substr(2)), true},
        {Message(chinese, kDcsUcs2), true},         {Message(chinese + "a", kDcsUcs2), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSMSPDU::EncodePdu(c.m).has_value(), c.ok)
            << c.m.destination << "/" << c.m.serviceCentre << "/" << c.m.text.size();
}

// The published tutorial DELIVER, a UCS2 Chinese one and one from an
// alphanumeric sender; times are days since 1899-12-30 plus the day's part.
TEST(SmsDecode, PublishedTutorialUcs2ChineseAndAlphanumericSender) {
    struct Case { std::string pdu, centre, sender, time; double value; std::string body; };
    const Case cases[] = {
        {kHelloDeliver, "+27381000015", "27838890001", "1999-03-29 15:16:59",
         36248 + 55019 / 86400.0, "hellohello"},
        {kChineseDeliver, "+8613800210500", "+8613812345678", "2016-03-01 14:05:00",
         42430 + (14 * 3600 + 5 * 60) / 86400.0, kGbNiHao},
        {kAlphanumericDeliver, "", "Vodafone", "2015-10-21 14:00:00", 42298 + 14 / 24.0,
         "hellohello"},
    };
    for (const Case& c : cases) {
        CSMSItem item = Decoded(c.pdu);
        EXPECT_EQ(item.serviceCentre, c.centre);
        EXPECT_EQ(item.sender, c.sender);
        EXPECT_EQ(item.time, c.time);
        EXPECT_NEAR(item.timeValue, c.value, 1e-9) << c.time;
        EXPECT_EQ(item.body, c.body);
        EXPECT_EQ(item.raw, c.pdu);
    }
}

TEST(SmsDecode, BodiesOfEachCodingWithOrWithoutHeader) {
    struct Case { const char* dcs; const char* userData; bool header; std::string body; };
    const Case cases[] = {
        // "a@b$_{}€": 11 septets 61 00 62 02 11 1B28 1B29 1B65, packed by hand.
        {"00", "0B61805810D9A036A94D19", false, "a@b$_{}\xA2\xE3"},
        {"00", "0100", false, "@"},
        {"00", "00", false, ""},
        // 8-bit data is passed on as its bytes.
        {"04", "03" "00FF41", false, std::string("\x00\xFF" "A", 3)},
        {"08", "060061D83DDE00", false, Utf8ToGb("a\xF0\x9F\x98\x80")},
        // A lone high surrogate and a stray last octet are marked, the rest kept.
        {"08", "05D8000041" "00", false, "?A?"},
        // DCS 18 is UCS2 too (with a message class).
        {"18", "044F60597D", false, kGbNiHao},
        // Concatenation header 05 00 03 CC 02 01 (6 octets) then one fill bit, so
        // the text starts at septet 7; UDL = 7 + 8 septets of "Hi there".
        {"00", "0F050003CC02019069101D5D969701", true, "Hi there"},
        {"08", "0A050003CC02014F60597D", true, kGbNiHao},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decoded(Deliver(c.dcs, c.userData, c.header)).body, c.body) << c.userData;
    // A header longer than the user data is refused.
    CSMSItem item;
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, Deliver("08", "03090003", true)));
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, Deliver("00", "02" "0900", true)));
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, Deliver("00", "00", true)));
}

// Years 50 to 99 are 19xx; an impossible date is marked, an unreadable field
// shows as question marks.
TEST(SmsDecode, TimeStamps) {
    struct Case { const char* stamp; const char* time; bool invalid; };
    const Case cases[] = {
        {"99213132959500", "1999-12-13 23:59:59", false},
        {"61209200000000", "2016-02-29 00:00:00", false},
        {"94010110000000", "2049-10-10 01:00:00", false},
        {"05010110000000", "1950-10-10 01:00:00", false},
        {"51209200000000", "2015-02-29 00:00:00", true},
        {"61302300000000", "2016-03-32 00:00:00", true},
        {"61301042000000", "2016-03-01 24:00:00", true},
        {"61A01000000000", "2016-?" "?-01 00:00:00", true},
        {"A1301000000000", "???" "?-03-01 00:00:00", true},
    };
    for (const Case& c : cases) {
        CSMSItem item = Decoded("00040B916407281553F80000" + std::string(c.stamp) + "00");
        EXPECT_EQ(item.time, c.time);
        EXPECT_EQ(item.timeInvalid, c.invalid) << c.stamp;
        EXPECT_EQ(item.timeValue == 0.0, c.invalid) << c.stamp;
    }
}

TEST(SmsDecode, RefusesMalformedPdusAndLeavesTheItem) {
    CSMSItem item;
    item.body = "kept";
    item.index = 7;
    const CSMSItem before = item;
    // Every proper prefix of a valid PDU is shorter than its fields claim.
    for (std::size_t n = 0; n < kHelloDeliver.size(); ++n)
        EXPECT_FALSE(CSMSPDU::DecodePdu(item, kHelloDeliver.substr(0, n))) << n;
    // UDL 11 septets needs 10 octets; only 9 follow.
    std::string longer = kHelloDeliver;
    longer.replace(longer.size() - 20, 2, "0B");
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, longer));
    std::string nonHex = kHelloDeliver;
    nonHex[30] = 'G';
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, nonHex));
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, kHelloDeliver + " "));
    // Service centre length running past the end.
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, "FF91"));
    // 21 digits of sender.
    EXPECT_FALSE(CSMSPDU::DecodePdu(
        item, "00041591" + std::string(20, '1') + "F1" + "0000" + "61301041500000" + "00"));
    // An SMS-SUBMIT is not a received message.
    EXPECT_FALSE(CSMSPDU::DecodePdu(item, *CSMSPDU::EncodePdu(Message("hello"))));
    EXPECT_EQ(item, before);
    // Lower-case hex is accepted, and decoding keeps the item's index.
    std::string lower = kHelloDeliver;
    for (char& c : lower) c = char(std::tolower(c));
    EXPECT_TRUE(CSMSPDU::DecodePdu(item, lower));
    EXPECT_EQ(item.body, "hellohello");
    EXPECT_EQ(item.index, 7);
}

// Every septet of the default table comes back; the characters that differ
// from ASCII and the extension table map both ways; unknown codes become "?".
TEST(Gsm7Alphabet, MapsBothTablesBothWaysAndUnknownCodesToQuestionMarks) {
    std::string septets;
    for (int i = 0; i < 128; ++i)
        if (i != kGsmEscape) septets += char(i);
    ASSERT_EQ(GsmDecode(septets).size(), septets.size());
    EXPECT_EQ(GsmEncode(GsmDecode(septets)), septets);
    const std::pair<std::u16string, std::string> cases[] = {
        // Septet 0 is "@" (not a terminator), 0x02 "$", 0x11 "_", 0x24 the
        // currency sign, 0x40 the inverted exclamation mark.
        {u"a@b$_\u00A4\u00A1", std::string("a\0b\x02\x11\x24\x40", 7)},
        {u"\u00E9\u03A9\u00DF", "\x05\x15\x1E"},
        // The extension table goes through the escape.
        {u"\f^{}\\[~]|\u20AC", "\x1B\x0A\x1B\x14\x1B\x28\x1B\x29\x1B\x2F"
                               "\x1B\x3C\x1B\x3D\x1B\x3E\x1B\x40\x1B\x65"},
    };
    for (const auto& [text, septets] : cases) {
        EXPECT_EQ(GsmEncode(text), septets);
        EXPECT_EQ(GsmDecode(septets), text);
        EXPECT_TRUE(IsGsmEncodable(text));
    }
    // Escape before a code outside the extension table, and a final escape.
    EXPECT_EQ(GsmDecode("a\x1B\x41z"), u"a?z");
    EXPECT_EQ(GsmDecode("a\x1B"), u"a?");
    // Characters missing from both tables, a surrogate pair counting as one,
    // and a lone surrogate.
    EXPECT_EQ(GsmEncode(u"a\u4E2Db\U0001F600c`"), "a?b?c?");
    EXPECT_EQ(GsmEncode(std::u16string(1, char16_t(0xD800))), "?");
    for (const char16_t* text : {u"\u4E2D", u"`", u"\U0001F600"})
        EXPECT_FALSE(IsGsmEncodable(text));
}

TEST(Gsm7Packing, PacksAtSeptetBoundariesAndUnpackStopsAtTheEndOfTheOctets) {
    for (std::size_t n : {0u, 1u, 7u, 8u, 9u, 15u, 16u, 159u, 160u}) {
        std::string septets;
        for (std::size_t i = 0; i < n; ++i) septets += char((i * 37 + 5) & 0x7F);
        std::string packed = PackSeptets(septets);
        EXPECT_EQ(packed.size(), (n * 7 + 7) / 8) << n;
        EXPECT_EQ(UnpackSeptets(packed, n), septets) << n;
    }
    // Seven "1234567" septets leave the top bit of octet 7 empty; eight fill it.
    EXPECT_EQ(PackSeptets("1234567"), std::string("\x31\xD9\x8C\x56\xB3\xDD\x00", 7));
    EXPECT_EQ(PackSeptets("12345678"), "\x31\xD9\x8C\x56\xB3\xDD\x70");
    EXPECT_EQ(UnpackSeptets("\xE8\x32\x9B", 10), "hel");  // the octets of "hellohello" stop early
    EXPECT_EQ(UnpackSeptets("", 5), "");
}

}  // namespace
}  // namespace dorvik
