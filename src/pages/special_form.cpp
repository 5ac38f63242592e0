#include "pages/special_form.h"

#include <variant>

#include "protocol/text_format.h"
#include "protocol/text_scan.h"

namespace dorvik {
namespace {

constexpr char kBackspace = 8;
constexpr int kAmountDigits = 3;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The integers a pattern converts, when it converts exactly `count` of them.
template <std::size_t Count>
std::optional<std::array<int, Count>> ScanInts(std::string_view text, std::string_view pattern) {
    const std::vector<ScanValue> values = ScanText(text, pattern);
    if (values.size() != Count) return std::nullopt;
    std::array<int, Count> out{};
    for (std::size_t i = 0; i < Count; ++i) out[i] = std::get<int>(values[i]);
    return out;
}

bool ValidTime(const PickerValue& v) { return Within(v.hour, 0, 23) && Within(v.minute, 0, 59); }

bool ValidDate(const PickerValue& v) {
    return Within(v.month, 1, 12) && Within(v.day, 1, DaysInMonth(v.year, v.month)) &&
           ValidTime(v);
}

}  // namespace

SpecialSection SectionOfMode(SpecialMode mode) { return static_cast<SpecialSection>(mode); }
SpecialMode ModeOfSection(SpecialSection section) { return static_cast<SpecialMode>(section); }

std::string PickerTimeText(const PickerValue& v) {
    return FormatText("%02d:%02d", {v.hour, v.minute});
}

std::string PickerDateText(const PickerValue& v) {
    return FormatText("%04d/%02d/%02d %02d:%02d", {v.year, v.month, v.day, v.hour, v.minute});
}

std::optional<PickerValue> ReadStoredTime(std::string_view text) {
    const auto t = ScanInts<2>(text, "%d:%d");
    if (!t) return std::nullopt;
    PickerValue value;
    value.hour = (*t)[0];
    value.minute = (*t)[1];
    if (!ValidTime(value)) return std::nullopt;
    return value;
}

std::optional<PickerValue> ReadStoredDate(std::string_view text) {
    const auto d = ScanInts<5>(text, "%02d/%02d/%02d %d:%d");
    if (!d || !Within((*d)[0], 0, 99)) return std::nullopt;
    const PickerValue value{2000 + (*d)[0], (*d)[1], (*d)[2], (*d)[3], (*d)[4]};
    if (!ValidDate(value)) return std::nullopt;
    return value;
}

SpecialLayout LayoutOf(SpecialMode mode) {
    return {mode == SpecialMode::TimeToTime, mode == SpecialMode::DateToDate,
            mode == SpecialMode::EntriesAmount};
}

SpecialRule RuleOfSlot(const SpecialTexts& slot) {
    SpecialRule rule;
    rule.fromTime = slot.fromTime;
    rule.toTime = slot.toTime;
    for (int d = 0; d < kWeekDayCount; ++d) rule.days[d] = slot.days[d] == kDayMark;
    rule.fromDate = slot.fromDate;
    rule.toDate = slot.toDate;
    rule.amount = slot.amount;
    return rule;
}

bool AmountAcceptsKey(std::string_view current, char key) {
    if (key == kBackspace) return true;
    return key >= '0' && key <= '9' && static_cast<int>(current.size()) < kAmountDigits;
}

}  // namespace dorvik
