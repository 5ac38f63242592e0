#pragma once
// The form of the special page: its mode, week-day boxes, time and date
// pickers, and the conversions between picker values and the stored texts.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/special_list.h"
#include "protocol/special_rule.h"

namespace dorvik {

// The text of an allowed week day in a stored slot.
inline constexpr char kDayMark[] = "V";

// "From Time to Time" (S), "From Date to Date" (P), "Entries Amount" (Q).
enum class SpecialMode { TimeToTime, DateToDate, EntriesAmount };

SpecialSection SectionOfMode(SpecialMode mode);
SpecialMode ModeOfSection(SpecialSection section);

// The value of a time or date-time picker.
struct PickerValue {
    int year = 2010, month = 1, day = 1, hour = 0, minute = 0;
    bool operator==(const PickerValue&) const = default;
};

// "HH:mm".
std::string PickerTimeText(const PickerValue& value);
// "yyyy/MM/dd HH:mm".
std::string PickerDateText(const PickerValue& value);
// A stored "HH:mm" as a time picker value (its date 2010/01/01); nothing
// when the text is no valid time.
std::optional<PickerValue> ReadStoredTime(std::string_view text);
// A stored "yy/MM/dd HH:mm" (year 2000 + yy); nothing when the text is no
// valid date and time.
std::optional<PickerValue> ReadStoredDate(std::string_view text);

// Which controls the selected mode shows.
struct SpecialLayout {
    bool weekDays = false;    // "Week Days" with its boxes, "From Time", "To Time"
    bool datePickers = false; // "From Date", "To Date"
    bool amount = false;      // "Entries Amount"
};
SpecialLayout LayoutOf(SpecialMode mode);

struct SpecialForm {
    std::string index;  // slot label, e.g. "S001"
    std::string number;
    std::string name;
    SpecialMode mode = SpecialMode::TimeToTime;
    std::array<bool, kWeekDayCount> days{};  // Sun, Mon, Tue, Wed, Thu, Fri, Sat
    PickerValue fromTime, toTime, fromDate, toDate;
    std::string amount;
};

// The restriction fields of a stored slot, for its rule text.
SpecialRule RuleOfSlot(const SpecialTexts& slot);

// The "Entries Amount" edit takes typed digits while it holds fewer than
// three characters, and backspace.
bool AmountAcceptsKey(std::string_view current, char key);

}  // namespace dorvik
