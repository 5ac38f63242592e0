#include "transport/sms_gsm7.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

TEST(Gsm7Alphabet, DefaultTableRoundTripsEverySeptet) {
    std::string septets;
    for (int i = 0; i < 128; ++i)
        if (i != kGsmEscape) septets += char(i);
    std::u16string text = GsmDecode(septets);
    ASSERT_EQ(text.size(), septets.size());
    EXPECT_EQ(GsmEncode(text), septets);
    EXPECT_TRUE(IsGsmEncodable(text));
}

TEST(Gsm7Alphabet, CharactersThatDifferFromAsciiAndTheExtensionTable) {
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
}

TEST(Gsm7Alphabet, UnknownCodesBecomeQuestionMarks) {
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
    const std::string packed = PackSeptets("hellohello");
    EXPECT_EQ(packed, "\xE8\x32\x9B\xFD\x46\x97\xD9\xEC\x37");
    EXPECT_EQ(UnpackSeptets(packed.substr(0, 3), 10), "hel");
    EXPECT_EQ(UnpackSeptets("", 5), "");
}

}  // namespace
}  // namespace dorvik
