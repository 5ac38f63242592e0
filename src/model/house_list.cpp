#include "model/house_list.h"

namespace dorvik {

bool HouseList::SetEntry(const std::string& houseNumber, const std::string& dial1,
                         const std::string& dial2, RowStatus status, int row) {
    if (houseNumber.empty() && dial1.empty() && dial2.empty()) return false;
    return Store(row, status, [&](HouseEntry& entry) {
        entry.houseNumber = houseNumber;
        if (!dial1.empty()) entry.dial1 = dial1;
        if (!dial2.empty()) entry.dial2 = dial2;
    });
}

bool HouseList::AppendEntry(const std::string& houseNumber, const std::string& dial1,
                            const std::string& dial2, RowStatus status) {
    if (!SetEntry(houseNumber, dial1, dial2, status, append_)) return false;
    ++append_;
    return true;
}

void HouseList::DeleteEntry(int row) {
    EraseRow(row, [](HouseEntry& entry) {
        entry.dial1 = "0000";
        entry.dial2 = "0000";
        entry.status = RowStatus::Pending;
    });
}

void HouseList::ClearInUnitRows() {
    ClearInUnit(0, Size());
    append_ = 0;
}

bool HouseList::GetEntry(int row, std::string& houseNumber, std::string& dial1,
                         std::string& dial2) const {
    if (!InRange(row)) return false;
    const HouseEntry& entry = Row(row);
    const bool found = !entry.houseNumber.empty();
    houseNumber = found ? entry.houseNumber : std::string();
    dial1 = found ? entry.dial1 : std::string();
    dial2 = found ? entry.dial2 : std::string();
    return found;
}

int HouseList::FindNumber(std::string_view houseNumber) const {
    return FindText(&HouseEntry::houseNumber, houseNumber, SearchScope::NotEmpty);
}

bool HouseList::RebuildRows(int houses) {
    if (!IsValidHouseCount(houses)) return false;
    Resize(houses);
    append_ = 0;
    return true;
}

}  // namespace dorvik
