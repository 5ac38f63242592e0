#include "model/text_codec.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

// "中文" in GB18030 and UTF-8.
const std::string kGbChinese = "\xd6\xd0\xce\xc4";
const std::string kUtf8Chinese = "\xe4\xb8\xad\xe6\x96\x87";

TEST(TextCodec, RoundTripsAsciiAndChinese) {
    EXPECT_EQ(GbToUtf8("abc 123"), "abc 123");
    EXPECT_EQ(GbToUtf8(kGbChinese), kUtf8Chinese);
    EXPECT_EQ(Utf8ToGb(kUtf8Chinese), kGbChinese);
    EXPECT_EQ(Utf16ToGb(GbToUtf16(kGbChinese)), kGbChinese);
    EXPECT_EQ(GbToUtf16(kGbChinese), u"中文");
    EXPECT_EQ(GbToUtf8(""), "");
}

TEST(TextCodec, EmbeddedZeroBytesSurvive) {
    std::string withZero("a\0b", 3);
    EXPECT_EQ(GbToUtf8(withZero), withZero);
    EXPECT_EQ(Utf8ToGb(withZero), withZero);
}

TEST(TextCodec, LongTextsAreConvertedWhole) {
    std::string gb;
    for (int i = 0; i < 5000; ++i) gb += kGbChinese;
    std::string utf8 = GbToUtf8(gb);
    EXPECT_EQ(utf8.size(), 5000u * kUtf8Chinese.size());
    EXPECT_EQ(Utf8ToGb(utf8), gb);
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
}

TEST(TextCodec, ValidatesUtf8) {
    EXPECT_TRUE(IsValidUtf8(kUtf8Chinese));
    EXPECT_FALSE(IsValidUtf8(kGbChinese));
    EXPECT_TRUE(IsValidUtf8(""));
}

}  // namespace
}  // namespace dorvik
