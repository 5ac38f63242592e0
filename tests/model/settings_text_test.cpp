#include "model/settings_text.h"

#include <gtest/gtest.h>

#include <climits>

#include "model/decimal_text.h"

namespace dorvik {
namespace {

// Well-formed texts are written and read back by the settings record tests of the page suite.
TEST(SettingsText, MalformedTextsGiveDefaultsForWhatCannotBeRead) {
    EXPECT_EQ(ParseFlagText("1").flag, 1);
    for (const char* bad : {"", "x,85", ",85", "1;85"})
        EXPECT_EQ(ParseFlagText(bad).text, "") << bad;
    const AlarmModeText partial = ParseAlarmMode("1,x,120");
    EXPECT_EQ(partial.mode, 0);
    EXPECT_EQ(partial.interval, "");
    EXPECT_EQ(ParseAlarmMode(std::string(5000, '9') + ",1,1").enabled, INT_MAX);
    EXPECT_EQ(ParseRelayText("1x"), (RelayStates{true}));
    EXPECT_EQ(ParseRelayText("1000000111"), (RelayStates{true}));
}

TEST(LeadingInt, ReadsTheLeadingNumber) {
    const std::pair<const char*, int> rows[] = {
        {" 12abc", 12}, {"-3", -3}, {"abc", 0}, {"-", 0}, {"-99999999999999999999", INT_MIN}};
    for (const auto& [text, value] : rows) EXPECT_EQ(LeadingInt(text), value) << text;
}

}  // namespace
}  // namespace dorvik
