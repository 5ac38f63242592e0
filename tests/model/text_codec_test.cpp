#include "model/text_codec.h"

#include <gtest/gtest.h>

#include <utility>

namespace dorvik {
namespace {

// "中文" in GB18030 and UTF-8.
const std::string kGbChinese = "\xd6\xd0\xce\xc4";
const std::string kUtf8Chinese = "\xe4\xb8\xad\xe6\x96\x87";

// Each row is the same text in GB18030 and UTF-8; every direction converts it whole.
TEST(TextCodec, RoundTripsAsciiChineseZeroBytesAndLongTexts) {
    std::string longGb, longUtf8;
    for (int i = 0; i < 5000; ++i) longGb += kGbChinese, longUtf8 += kUtf8Chinese;
    const std::pair<std::string, std::string> rows[] = {
        {"abc 123", "abc 123"}, {kGbChinese, kUtf8Chinese}, {"", ""},
        {std::string("a\0b", 3), std::string("a\0b", 3)}, {longGb, longUtf8}};
    for (const auto& [gb, utf8] : rows) {
        EXPECT_EQ(GbToUtf8(gb), utf8);
        EXPECT_EQ(Utf8ToGb(utf8), gb);
        EXPECT_EQ(Utf16ToGb(GbToUtf16(gb)), gb);
    }
    EXPECT_EQ(GbToUtf16(kGbChinese), u"中文");
}

TEST(TextCodec, InvalidInputIsMarkedNotDropped) {
    bool ok = true;
    EXPECT_EQ(Utf8ToGb("a\xff" "b", &ok), "a?b");
    EXPECT_FALSE(ok);
    Utf8ToGb("fine", &ok);
    EXPECT_TRUE(ok);
    // A lone lead byte at the end is incomplete, not a crash or an overread.
    EXPECT_EQ(GbToUtf8("x\xd6"), "x?");
    EXPECT_EQ(Utf8ToGb("\xe4\xb8"), "??");
    // An unpaired surrogate.
    std::u16string bad = u"a";
    bad.push_back(char16_t(0xD800));
    bad += u"b";
    EXPECT_EQ(Utf16ToGb(bad), "a?b");
    EXPECT_TRUE(IsValidUtf8(kUtf8Chinese));
    EXPECT_FALSE(IsValidUtf8(kGbChinese));
}

}  // namespace
}  // namespace dorvik
