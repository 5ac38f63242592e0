#pragma once
// The unit's list of authorised phone numbers.
#include <string>
#include <string_view>

#include "model/capacities.h"
#include "model/number_list.h"

namespace dorvik {

using PhoneEntry = NumberEntry;

class PhoneList : public NumberList {
public:
    explicit PhoneList(ModifiedFlag& modified, int size = kPhoneCapacity)
        : NumberList(modified, size) {}

    // Lowest 1-based index of a non-Empty slot with exactly this name; 0 when none.
    int FindName(std::string_view name) const;
    // Name of the slot FindNumber finds; empty when there is none.
    std::string GetNameByNumber(std::string_view number) const;
    // Empties every InUnit slot (start of a reading from the unit).
    void ClearInUnitRows();
    // Makes the list two slots per house long; the slots that fit keep what
    // they hold. A house count outside kMinHouseCount..kMaxHouseCount is
    // refused (false, list kept).
    bool RebuildRows(int houses);
};

}  // namespace dorvik
