#include "model/phone_list.h"

namespace dorvik {

int PhoneList::FindName(std::string_view name) const {
    return FindText(&NumberEntry::name, name, SearchScope::NotEmpty);
}

std::string PhoneList::GetNameByNumber(std::string_view number) const {
    const int index = FindNumber(number);
    return index == 0 ? std::string() : Row(index - 1).name;
}

void PhoneList::ClearInUnitRows() { ClearInUnit(0, Size()); }

bool PhoneList::RebuildRows(int houses) {
    if (!IsValidHouseCount(houses)) return false;
    Resize(2 * houses);
    return true;
}

}  // namespace dorvik
