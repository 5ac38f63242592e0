#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "protocol/special_rule.h"
#include "protocol/text_format.h"
#include "protocol/text_scan.h"

namespace dorvik {
namespace {

TEST(CatalogueFormat, PadsNumbersLikePrintfAndTextsOfAnyLength) {
    struct Case {
        const char* format;
        int value;
        const char* want;
    } cases[] = {
        {"%04d", 7, "0007"}, {"%04d", -7, "-007"}, {"%04d", 12345, "12345"},       {"%01d", 0, "0"},
        {"%4d", 7, "   7"},  {"%d%%", 50, "50%"},  {"%d", INT_MIN, "-2147483648"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatText(c.format, {c.value}), c.want) << c.format;
    const std::string longText(100000, 'x');
    EXPECT_EQ(FormatText("<%s>", {longText}), "<" + longText + ">");
    EXPECT_EQ(FormatText("%s", {std::string_view("a\0b", 3)}), std::string("a\0b", 3));
}

TEST(CatalogueScan, IntegersFollowScanf) {
    EXPECT_EQ(ScanInt("  -12x", "%d"), -12);
    EXPECT_EQ(ScanInt("+5", "%d"), 5);
    EXPECT_EQ(ScanInt("2147483647", "%d"), INT_MAX);
    EXPECT_EQ(ScanInt("-2147483648", "%d"), INT_MIN);
    EXPECT_EQ(ScanInt("0007 SET", "%04d"), 7);
    EXPECT_EQ(ScanInt("12345", "%04d"), 1234);
    EXPECT_EQ(ScanInt("CSQ IS23", "CSQ IS %d"), 23);  // a blank matches no blank too
    for (const char* bad :
         {"", "-", "+", "abc", "2147483648", "-2147483649", "99999999999999999999999"}) {
        EXPECT_EQ(ScanInt(bad, "%d"), std::nullopt) << bad;
    }
    EXPECT_EQ(ScanInt("-5", "%01d"), std::nullopt);
}

TEST(CatalogueScan, WordsAndPartialMatches) {
    EXPECT_EQ(ScanWord("IS  abc\rdef", "IS %s"), "abc");
    EXPECT_EQ(ScanWord("IS ", "IS %s"), std::nullopt);
    // Conversions before the first mismatch count, as scanf's result does.
    EXPECT_EQ(ScanText("HL001 SETUP TO 1:2 OK", "HL%03d SET TO %s").size(), 1u);
    EXPECT_EQ(ScanText("WHL", "WHL%d IS %s").size(), 0u);
    EXPECT_EQ(ScanText("5%7", "%d%%%d").size(), 2u);
}

TEST(CatalogueScan, DigitsAndTrim) {
    EXPECT_EQ(LeadingDigits(" 200"), 0);
    EXPECT_EQ(LeadingDigits("99999999999"), std::nullopt);
    EXPECT_EQ(TrimLine("\r\n  x y \r"), "x y");
    EXPECT_EQ(TrimLine(" \t\r\n"), "");
}

// Each stored rule gives its text, and the text decodes to the same fields.
TEST(CatalogueSpecialRule, BuildsAndDecodesTheRuleText) {
    const struct {
        SpecialRule rule;  // times, days from Sunday, dates, amount
        const char* text;
    } rows[] = {
        {{"08:00", "18:00", {0, 1, 1, 1, 1, 1, 0}, "", "", ""}, "12345(08:00-18:00)"},
        {{"07:30", "09:00", {1, 0, 0, 1, 0, 0, 1}, "", "", ""}, "367(07:30-09:00)"},
        {{"", "", {}, "16/12/28 08:00", "17/01/31 18:00", ""}, "161228-170131(08:00-18:00)"},
        {{"", "", {}, "", "", "25"}, "25"},
        {{"", "", {}, "", "", ""}, ""},
    };
    for (const auto& [rule, text] : rows) {
        EXPECT_EQ(SpecialRuleText(rule), text);
        EXPECT_EQ(DecodeSpecialRule(text), rule) << text;
    }
    SpecialRule odd;  // a short stored date must not break the rule
    odd.fromDate = "16/1";
    EXPECT_EQ(SpecialRuleText(odd), "161-(-)");
    // Characters other than the day digits are skipped.
    EXPECT_EQ(DecodeSpecialRule("1x7(08:00-18:00)")->days,
              (std::array<bool, 7>{true, true, false, false, false, false, false}));
}

}  // namespace
}  // namespace dorvik
