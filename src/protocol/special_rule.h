#pragma once
// The restriction rule of a special slot: the text after the number's
// colon, the same in the write command and in the read-all reply.
//   entry count:  "25"
//   week days:    "12345(08:00-18:00)"            day digits 1 Monday .. 7 Sunday
//   date period:  "161228-170131(08:00-18:00)"    yyMMdd-yyMMdd(HH:mm-HH:mm)
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// The restriction fields of a special slot in their stored forms.
struct SpecialRule {
    std::string fromTime, toTime;  // "HH:mm" (week-day rule)
    std::array<bool, 7> days{};    // allowed week days, Sunday first (week-day rule)
    std::string fromDate, toDate;  // "yy/MM/dd HH:mm" (date rule)
    std::string amount;            // number of entries (count rule)

    bool operator==(const SpecialRule&) const = default;
};

// The rule text for the stored fields: the amount when set, else the date
// rule when a from-date is set; a set from-time makes it the week-day rule.
// No field set gives the empty rule.
std::string SpecialRuleText(const SpecialRule& rule);

// The stored fields of a rule text; nullopt when a "(" has no ")" after it,
// the times lack their "-", or a date is not six digits.
std::optional<SpecialRule> DecodeSpecialRule(std::string_view rule);

}  // namespace dorvik
