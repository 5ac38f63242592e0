#include "protocol/special_rule.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace dorvik {
namespace {

// Day digits in the order the unit expects them, with their index in
// SpecialRule::days (Sunday 0).
struct DayDigit {
    char digit;
    std::size_t day;
};
constexpr DayDigit kDayDigits[] = {{'1', 1}, {'2', 2}, {'3', 3}, {'4', 4},
                                   {'5', 5}, {'6', 6}, {'7', 0}};

std::string WeekRuleText(const SpecialRule& rule) {
    std::string text;
    for (const DayDigit& d : kDayDigits) {
        if (rule.days[d.day]) text += d.digit;
    }
    return text + "(" + rule.fromTime + "-" + rule.toTime + ")";
}

// "yy/MM/dd HH:mm" -> date "yyMMdd" and time "HH:mm" (the separators at 2,
// 5 and 8 are dropped); shorter texts give what they hold.
std::pair<std::string, std::string> SplitStoredDate(std::string_view stored) {
    std::string text(stored);
    for (std::size_t at : {2u, 4u, 6u}) {
        if (at < text.size()) text.erase(at, 1);
    }
    std::size_t timeStart = text.size() >= 11 ? text.size() - 5 : std::min<std::size_t>(6, text.size());
    return {text.substr(0, 6), text.substr(timeStart)};
}

std::string DateRuleText(const SpecialRule& rule) {
    auto [fromDate, fromTime] = SplitStoredDate(rule.fromDate);
    auto [toDate, toTime] = SplitStoredDate(rule.toDate);
    return fromDate + "-" + toDate + "(" + fromTime + "-" + toTime + ")";
}

bool IsSixDigits(std::string_view text) {
    if (text.size() != 6) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// "yyMMdd" and "HH:mm" -> "yy/MM/dd HH:mm".
std::string StoredDate(std::string_view date, std::string_view time) {
    std::string text(date);
    text.insert(2, "/");
    text.insert(5, "/");
    return text + " " + std::string(time);
}

void DecodeWeekDays(std::string_view days, SpecialRule& rule) {
    for (char c : days) {
        for (const DayDigit& d : kDayDigits) {
            if (c == d.digit) rule.days[d.day] = true;
        }
    }
}

std::optional<SpecialRule> DecodeDateRule(std::string_view days, std::string_view from,
                                          std::string_view to) {
    std::size_t dash = days.find('-');
    std::string_view fromDate = days.substr(0, dash);
    std::string_view toDate = days.substr(dash + 1);
    if (!IsSixDigits(fromDate) || !IsSixDigits(toDate)) return std::nullopt;
    SpecialRule rule;
    rule.fromDate = StoredDate(fromDate, from);
    rule.toDate = StoredDate(toDate, to);
    return rule;
}

// days: the text before "("; rest: the text after it.
std::optional<SpecialRule> DecodeTimedRule(std::string_view days, std::string_view rest) {
    std::size_t close = rest.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view times = rest.substr(0, close);
    std::size_t dash = times.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    std::string_view from = times.substr(0, dash);
    std::string_view to = times.substr(dash + 1);
    if (days.find('-') != std::string_view::npos) return DecodeDateRule(days, from, to);
    SpecialRule rule;
    DecodeWeekDays(days, rule);
    rule.fromTime = from;
    rule.toTime = to;
    return rule;
}

}  // namespace

std::string SpecialRuleText(const SpecialRule& rule) {
    std::string text;
    if (!rule.amount.empty()) {
        text = rule.amount;
    } else if (!rule.fromDate.empty()) {
        text = DateRuleText(rule);
    }
    if (!rule.fromTime.empty()) text = WeekRuleText(rule);
    return text;
}

std::optional<SpecialRule> DecodeSpecialRule(std::string_view text) {
    std::size_t open = text.find('(');
    if (open == std::string_view::npos) {
        SpecialRule rule;
        rule.amount = text;
        return rule;
    }
    return DecodeTimedRule(text.substr(0, open), text.substr(open + 1));
}

}  // namespace dorvik
