#pragma once
// The unit's special phone numbers: numbers that open only within a limit.
// The list is three sections of slots, one per kind of limit:
//   S  a daily time window on chosen week days,
//   P  a period from one date to another,
//   Q  a number of entries.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/capacities.h"
#include "model/slot_table.h"

namespace dorvik {

enum class SpecialSection { S = 0, P = 1, Q = 2 };
inline constexpr int kSpecialSectionCount = 3;
inline constexpr int kWeekDayCount = 7;
inline constexpr int kSpecialTextCount = 14;

// 'S', 'P' or 'Q'.
char SectionLetter(SpecialSection section);
// The section of an upper-case letter; nothing for any other character.
std::optional<SpecialSection> SectionFromLetter(char letter);

// The fourteen texts of a special slot, in their fixed order: Number, Name,
// FromTime, ToTime, Sun..Sat, FromDate, ToDate, Amount.
struct SpecialTexts {
    std::string number;
    std::string name;
    std::string fromTime;
    std::string toTime;
    std::array<std::string, kWeekDayCount> days;  // Sun, Mon, Tue, Wed, Thu, Fri, Sat
    std::string fromDate;
    std::string toDate;
    std::string amount;

    std::array<std::string, kSpecialTextCount> ToArray() const;
    static SpecialTexts FromArray(const std::array<std::string, kSpecialTextCount>& texts);
};

struct SpecialEntry : SpecialTexts {
    RowStatus status = RowStatus::Empty;
    char type = 'S';  // letter of the mode the slot was last stored with

    bool IsUsed() const { return !number.empty() || !name.empty(); }
    // Empties the fourteen texts; type stays.
    void Clear() { static_cast<SpecialTexts&>(*this) = SpecialTexts{}; }
};

struct SpecialSectionSizes {
    int S = kSpecialSectionSize;
    int P = kSpecialSectionSize;
    int Q = kSpecialSectionSize;
};

class SpecialList : public SlotTable<SpecialEntry> {
public:
    explicit SpecialList(ModifiedFlag& modified, SpecialSectionSizes sizes = {});

    // Nothing for a row outside the list or when number and name are both
    // empty. Otherwise Type becomes the first character of `type` (an empty
    // text keeps it), the number is written, the name only when not empty,
    // and the twelve limit texts always (empty ones included). True when stored.
    bool SetEntry(const SpecialTexts& texts, int row, RowStatus status, std::string_view type);
    bool SetEntry(const std::string& number, const std::string& name, const std::string& fromTime,
                  const std::string& toTime, const std::string& sun, const std::string& mon,
                  const std::string& tue, const std::string& wed, const std::string& thu,
                  const std::string& fri, const std::string& sat, const std::string& fromDate,
                  const std::string& toDate, const std::string& amount, int row,
                  RowStatus status, std::string_view type);
    // A Pending or InUnit slot gets the number "0000" and becomes Pending, so
    // the next upload clears it in the unit; name and limits stay.
    void DeleteEntry(int row);
    // Empties every InUnit slot of the whole list, or of one section.
    void ClearInUnitRows();
    void ClearInUnitRows(SpecialSection section);
    // The fourteen texts; all empty (false) when the slot has no number;
    // untouched (false) for a row outside the list.
    bool GetEntry(int row, SpecialTexts& texts) const;

    // Lowest 1-based index of a Pending slot with exactly this number / name.
    int FindNumber(std::string_view number) const;
    int FindName(std::string_view name) const;
    // Name of the lowest non-Empty slot with this number; empty when none.
    std::string GetNameByNumber(std::string_view number) const;

    int SectionStart(SpecialSection section) const;
    int SectionSize(SpecialSection section) const;
    // The section of a row; nothing for a row outside the list.
    std::optional<SpecialSection> SectionOf(int row) const;
    // 1-based position of a row within its section; 0 for a row outside the list.
    int IndexInSection(int row) const;
    // The row of a slot given by section and 1-based position; -1 when the
    // position lies outside that section (never a slot of another section).
    int RowOf(SpecialSection section, int indexInSection) const;
    // "S001", "P012", "Q003"; empty for a row outside the list.
    std::string Label(int row) const;

private:
    std::array<int, kSpecialSectionCount> sizes_;
};

}  // namespace dorvik
