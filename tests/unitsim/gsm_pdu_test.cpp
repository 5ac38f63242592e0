#include "unitsim/gsm_pdu.h"

#include <gtest/gtest.h>

#include <random>

namespace dorvik::unitsim {
namespace {

std::string Hex7(std::u16string_view text) { return ToHex(Pack7(*ToSeptets(text))); }

TEST(UnitsimPdu, PacksSeptetsLikeThePublishedExamples) {
    EXPECT_EQ(Hex7(u"hellohello"), "E8329BFD4697D9EC37");
    EXPECT_EQ(Hex7(u"How are you?"), "C8F71D14969741F977FD07");
    EXPECT_EQ(Pack7(Septets(7, 'a')).size(), 7u);
    EXPECT_EQ(Pack7(Septets(8, 'a')).size(), 7u);
    EXPECT_EQ(Pack7(Septets(1, 'a')).size(), 1u);
    std::mt19937 random(7);
    for (std::size_t length : {1u, 7u, 8u, 9u, 159u, 160u}) {
        Septets septets(length);
        for (auto& s : septets) s = static_cast<std::uint8_t>(random() % 128);
        EXPECT_EQ(Unpack7(Pack7(septets), length), septets) << length;
    }
}

TEST(UnitsimPdu, DefaultAlphabetAndItsExtensionTable) {
    const Septets septets{0x00, 0x02, 0x11, 0x1B, 0x65, 0x1B, 0x28, 0x7F, 0x0A};
    EXPECT_EQ(ToSeptets(u"@$_€{à\n"), septets);
    EXPECT_EQ(FromSeptets(septets), u"@$_€{à\n");
    EXPECT_EQ(FromSeptets({'A', 0x1B, 0x01, 0x1B}), u"A??");
    EXPECT_EQ(ToSeptets(u"好"), std::nullopt);
    EXPECT_EQ(ToSeptets(u"`"), std::nullopt);
}

TEST(UnitsimPdu, HexOfEitherCaseAndNothingElse) {
    EXPECT_EQ(FromHex("0aFf"), std::string("\x0A\xFF"));
    EXPECT_EQ(ToHex("\x0A\xFF"), "0AFF");
    EXPECT_EQ(FromHex("0A0"), std::nullopt);
    EXPECT_EQ(FromHex("0G"), std::nullopt);
}

TEST(UnitsimPdu, DecodesSubmitInBothCodings) {
    const auto hello = DecodeSubmit("0011000B916407281553F80000AA0AE8329BFD4697D9EC37", 23);
    ASSERT_TRUE(hello);
    EXPECT_EQ(hello->destination, "+46708251358");
    EXPECT_EQ(hello->text, u"hellohello");
    const auto chinese = DecodeSubmit("0011000B813109002022F20008AA044F60597D", 18);
    ASSERT_TRUE(chinese);
    EXPECT_EQ(chinese->destination, "13900002222");
    EXPECT_EQ(chinese->text, u"你好");
    // With a service centre, and no validity period.
    const auto plain = DecodeSubmit("0891683108200105F001000D91683109002022F200000A23E895181B0DA7D11F", 23);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->destination, "+8613900002222");
    EXPECT_EQ(plain->text, u"#PWD1#CSQ?");
}

TEST(UnitsimPdu, RefusesMalformedSubmits) {
    const std::string good = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";
    EXPECT_FALSE(DecodeSubmit(good, 22));
    EXPECT_FALSE(DecodeSubmit(good, 24));
    EXPECT_FALSE(DecodeSubmit(good + "0", 23));
    for (std::size_t cut = 0; cut < good.size(); cut += 2) {
        EXPECT_FALSE(DecodeSubmit(good.substr(0, cut), static_cast<int>(cut / 2) - 1)) << cut;
    }
    EXPECT_FALSE(DecodeSubmit("0051" + good.substr(4), 23));  // user data header
    EXPECT_FALSE(DecodeSubmit("0004" + good.substr(4), 23));  // an SMS-DELIVER
    EXPECT_FALSE(DecodeSubmit("0011000B816407281553F80008AA03004100", 18));  // odd UCS2 length
    std::mt19937 random(11);
    for (int i = 0; i < 2000; ++i) {  // never reads past the end
        std::string hex = good;
        for (int n = 0; n < 3; ++n) hex[random() % hex.size()] = "0123456789ABCDEF"[random() % 16];
        (void)DecodeSubmit(hex.substr(0, random() % hex.size()), static_cast<int>(random() % 30));
    }
}

TEST(UnitsimPdu, EncodesDeliverIn7BitAndUcs2) {
    const DeliverPdu plain =
        EncodeDeliver({"+31624000000", "+31641600986", u"How are you?", {2002, 8, 26, 19, 37, 41, 8}, false});
    EXPECT_EQ(plain.hex, "07911326040000F0040B911346610089F60000208062917314800CC8F71D14969741F977FD07");
    EXPECT_EQ(plain.tpduLength, 30);
    const DeliverPdu chinese =
        EncodeDeliver({"+8613800210500", "13900002222", u"你好", {2016, 12, 28, 13, 45, 1, -4}, false});
    EXPECT_EQ(chinese.hex, "0891683108200105F0040B813109002022F2000861218231541048044F60597D");
    EXPECT_EQ(chinese.tpduLength, 23);
    const DeliverPdu forced = EncodeDeliver({"+8613800210500", "10086", u"A", {2016, 1, 2, 3, 4, 5, 32}, true});
    EXPECT_TRUE(forced.hex.ends_with("000861102030405023020041")) << forced.hex;
}

}  // namespace
}  // namespace dorvik::unitsim
