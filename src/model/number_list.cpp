#include "model/number_list.h"

namespace dorvik {

bool NumberList::SetEntry(const std::string& number, const std::string& name, int row,
                          RowStatus status) {
    if (number.empty() && name.empty()) return false;
    return Store(row, status, [&](NumberEntry& entry) {
        entry.Number = number;
        if (!name.empty()) entry.Name = name;
    });
}

void NumberList::DeleteEntry(int row) {
    EraseRow(row, [](NumberEntry& entry) {
        entry.Clear();
        entry.Status = entry.Status == RowStatus::InUnit ? RowStatus::Pending : RowStatus::Empty;
    });
}

bool NumberList::GetEntry(int row, std::string& number, std::string& name) const {
    if (!InRange(row)) return false;
    const NumberEntry& entry = Row(row);
    const bool found = !entry.Number.empty();
    number = found ? entry.Number : std::string();
    name = found ? entry.Name : std::string();
    return found;
}

int NumberList::FindNumber(std::string_view number) const {
    return FindText(&NumberEntry::Number, number, SearchScope::NotEmpty);
}

}  // namespace dorvik
