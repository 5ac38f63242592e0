#pragma once
// The numbers the unit calls or texts when an alarm input fires.
#include <string_view>

#include "model/capacities.h"
#include "model/number_list.h"

namespace dorvik {

using AlarmEntry = NumberEntry;

class AlarmList : public NumberList {
public:
    explicit AlarmList(ModifiedFlag& modified, int size = kAlarmCapacity)
        : NumberList(modified, size) {}

    // Lowest 1-based index of a Pending slot with exactly this name; 0 when none.
    int FindName(std::string_view name) const;
};

}  // namespace dorvik
