#pragma once
// The unit's house dial list: for each house number the one or two phone
// numbers the unit dials.
#include <string>
#include <string_view>

#include "model/capacities.h"
#include "model/slot_table.h"

namespace dorvik {

struct HouseEntry {
    std::string houseNumber;
    std::string dial1;
    std::string dial2;
    RowStatus status = RowStatus::Empty;

    bool IsUsed() const { return !houseNumber.empty() || !dial1.empty() || !dial2.empty(); }
    void Clear() {
        houseNumber.clear();
        dial1.clear();
        dial2.clear();
    }
};

class HouseList : public SlotTable<HouseEntry> {
public:
    explicit HouseList(ModifiedFlag& modified, int size = kHouseCapacity)
        : SlotTable(modified, size) {}

    // Writes the house number, and each dial number only when it is not
    // empty (the other one stays). Nothing for a row outside the list or
    // when all three texts are empty. True when stored.
    bool SetEntry(const std::string& houseNumber, const std::string& dial1,
                  const std::string& dial2, RowStatus status, int row);
    // SetEntry at the append position, which then moves on by one.
    bool AppendEntry(const std::string& houseNumber, const std::string& dial1,
                     const std::string& dial2, RowStatus status);
    // The slot the next appended entry goes to.
    int AppendPosition() const { return append_; }
    // A Pending or InUnit slot gets the dial numbers "0000" and becomes
    // Pending, so the next upload clears them in the unit.
    void DeleteEntry(int row);
    // Empties every InUnit slot and sends the append position back to 0.
    void ClearInUnitRows();
    // The three texts, true when the house number is not empty; all empty
    // (false) otherwise; untouched (false) for a row outside the list.
    bool GetEntry(int row, std::string& houseNumber, std::string& dial1, std::string& dial2) const;
    // Lowest 1-based index of a non-Empty slot with exactly this house number.
    int FindNumber(std::string_view houseNumber) const;
    // Makes the list `houses` slots long (the slots that fit keep what they
    // hold) and sends the append position back to 0. A count outside
    // kMinHouseCount..kMaxHouseCount is refused (false, list kept).
    bool RebuildRows(int houses);

private:
    int append_ = 0;
};

}  // namespace dorvik
