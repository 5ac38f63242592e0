#include "unitsim/message_store.h"

#include <gtest/gtest.h>

#include "unitsim/local_text.h"

namespace dorvik::unitsim {
namespace {

constexpr char kNiHao[] = "\xC4\xE3\xBA\xC3";  // GB18030

TEST(UnitsimMessages, LocalTextToAndFromUtf16) {
    EXPECT_EQ(LocalToUtf16(kNiHao), u"你好");
    EXPECT_EQ(Utf16ToLocal(u"你好"), kNiHao);
    EXPECT_EQ(LocalToUtf16("CSQ IS 23"), u"CSQ IS 23");
    EXPECT_EQ(LocalToUtf16("A\xFF"), u"A?");
    EXPECT_EQ(Utf16ToLocal(std::u16string(u"A") + char16_t(0xD800) + u"B"), "A?B");
}

TEST(UnitsimMessages, ALineThatDoesNotFitGoesOutInParts) {
    EXPECT_EQ(SplitForSms("CSQ IS 23", false), std::vector<std::string>{"CSQ IS 23"});
    EXPECT_EQ(SplitForSms(std::string(160, 'a'), false).size(), 1u);
    EXPECT_EQ(SplitForSms(std::string(161, 'a'), false), (std::vector<std::string>{std::string(160, 'a'), "a"}));
    // "{" takes two septets.
    EXPECT_EQ(SplitForSms(std::string(81, '{'), false), (std::vector<std::string>{std::string(80, '{'), "{"}));
    EXPECT_EQ(SplitForSms(std::string(71, 'a'), true).size(), 2u);
    std::string chinese;
    for (int i = 0; i < 36; ++i) chinese += kNiHao;  // 72 characters
    const auto parts = SplitForSms(chinese, false);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0] + parts[1], chinese);
    EXPECT_EQ(LocalToUtf16(parts[0]).size(), 70u);
}

TEST(UnitsimMessages, StoreTakesTheLowestFreeSlot) {
    MessageStore store;
    for (int i = 1; i <= MessageStore::kSlots; ++i) EXPECT_EQ(store.Add({"1", "x", 0, false}), i);
    EXPECT_EQ(store.Add({"1", "full", 0, false}), std::nullopt);
    EXPECT_TRUE(store.Erase(7));
    EXPECT_FALSE(store.Erase(7));
    EXPECT_EQ(store.Find(7), nullptr);
    EXPECT_EQ(store.Add({"2", "y", 0, false}), 7);
    EXPECT_EQ(store.Find(7)->body, "y");
}

TEST(UnitsimMessages, ReadAnswerMarksTheMessageRead) {
    ShortMessage message{"+8613900002222", "CSQ IS 23", 0, false};
    EXPECT_TRUE(ReadAnswer(message, {}).starts_with("+CMGR: \"REC UNREAD\",\"+8613900002222\",,\""));
    EXPECT_TRUE(ReadAnswer(message, {}).ends_with("\"\r\nCSQ IS 23"));
    EXPECT_TRUE(ReadAnswer(message, {.pdu = true}).starts_with("+CMGR: 1,,28\r\n0891683108200105F0040D9168"));
}

}  // namespace
}  // namespace dorvik::unitsim
