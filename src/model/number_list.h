#pragma once
// Slots holding a phone number and a user name: the common part of the
// phone list and the alarm list.
#include <string>
#include <string_view>

#include "model/slot_table.h"

namespace dorvik {

struct NumberEntry {
    std::string number;
    std::string name;
    RowStatus status = RowStatus::Empty;

    bool IsUsed() const { return !number.empty() || !name.empty(); }
    void Clear() {
        number.clear();
        name.clear();
    }
};

class NumberList : public SlotTable<NumberEntry> {
public:
    // Stores the number, and the name when it is not empty (a unit's reply
    // carries no name and keeps the one typed on the PC). Nothing happens for
    // a row outside the list or when number and name are both empty.
    // True when stored.
    bool SetEntry(const std::string& number, const std::string& name, int row, RowStatus status);
    // Pending slot -> Empty, InUnit slot -> Pending (so the next upload
    // erases it in the unit); texts emptied. An Empty slot stays as it is.
    void DeleteEntry(int row);
    // True with the texts when the slot holds a number; false with both texts
    // empty when it holds none; false with the outputs untouched for a row
    // outside the list.
    bool GetEntry(int row, std::string& number, std::string& name) const;
    // Lowest 1-based index of a non-Empty slot with exactly this number; 0 when none.
    int FindNumber(std::string_view number) const;

protected:
    NumberList(ModifiedFlag& modified, int size) : SlotTable(modified, size) {}
};

}  // namespace dorvik
