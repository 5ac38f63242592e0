#pragma once
// The form shared by the phone and alarm pages: Index, number and user name,
// with Set, Delete and the three searches.
#include <string>
#include <string_view>

#include "model/number_list.h"
#include "model/special_list.h"
#include "pages/list_page_base.h"

namespace dorvik {

struct NumberForm {
    std::string index;
    std::string number;
    std::string name;
};

// Where the phone and alarm pages differ.
struct NumberPageRules {
    // Set of a number held by another slot also selects that slot and shows
    // its name (phone); otherwise only its index is shown (alarm).
    bool showsOtherSlot = false;
    // A number on a Pending slot of this list is refused (phone); null: no test.
    const SpecialList* specials = nullptr;
};

class NumberPage : public ListPageBase {
public:
    NumberForm& Form() { return form_; }
    const NumberForm& Form() const { return form_; }

    // Stores the form in the list as a Pending slot (nothing is sent).
    void OnSet();
    // Deletes the slot named by Index on the PC.
    void OnDelete();
    void OnSearchIndex();
    void OnSearchNumber();
    void OnSearchName();
    // A click on a row: selects it and fills the form from the selected row.
    void OnRowClicked(int row);
    // Index, number and name from the row.
    void FillFields(int row);
    int SelectedRow() const { return list_.SelectedRow(); }
    int SlotCount() const override { return list_.Size(); }

protected:
    NumberPage(ConnectionEngine& engine, NumberList& list, NumberPageRules rules);

    virtual int FindName(std::string_view name) const = 0;
    int UsedCount() const override { return list_.Used(); }
    RowStatus SlotStatus(int row) const override { return list_.Status(row); }
    void SetSlotStatus(int row, RowStatus status) override { list_.SetRowStatus(row, status); }
    const NumberEntry& Slot(int row) const { return list_.Row(row); }

private:
    bool CheckNotElsewhere(int row);
    void ShowFound(int index, bool withName);
    void Select(int row);

    NumberList& list_;
    NumberPageRules rules_;
    NumberForm form_;
};

}  // namespace dorvik
