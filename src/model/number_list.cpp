#include "model/number_list.h"

namespace dorvik {

bool NumberList::SetEntry(const std::string& number, const std::string& name, int row,
                          RowStatus status) {
    if (number.empty() && name.empty()) return false;
    return Store(row, status, [&](NumberEntry& entry) {
        entry.number = number;
        if (!name.empty()) entry.name = name;
    });
}

void NumberList::DeleteEntry(int row) {
    EraseRow(row, [](NumberEntry& entry) {
        entry.Clear();
        entry.status = entry.status == RowStatus::InUnit ? RowStatus::Pending : RowStatus::Empty;
    });
}

bool NumberList::GetEntry(int row, std::string& number, std::string& name) const {
    if (!InRange(row)) return false;
    const NumberEntry& entry = Row(row);
    const bool found = !entry.number.empty();
    number = found ? entry.number : std::string();
    name = found ? entry.name : std::string();
    return found;
}

int NumberList::FindNumber(std::string_view number) const {
    return FindText(&NumberEntry::number, number, SearchScope::NotEmpty);
}

}  // namespace dorvik
