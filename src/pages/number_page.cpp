#include "pages/number_page.h"

#include "pages/field_checks.h"

namespace dorvik {

NumberPage::NumberPage(ConnectionEngine& engine, NumberList& list, NumberPageRules rules)
    : ListPageBase(engine), list_(list), rules_(rules) {
    FollowList(list_);
}

void NumberPage::OnSet() {
    if (!CheckDigits(form_.Number)) return;
    const auto row = CheckedRow(form_.Index, EmptyIndex::NotEntered);
    if (!row || !CheckNotElsewhere(*row)) return;
    if (list_.SetEntry(form_.Number, form_.Name, *row, RowStatus::Pending)) ShowUsed();
}

// The number may have no other slot of this list, nor a special slot.
bool NumberPage::CheckNotElsewhere(int row) {
    const int found = list_.FindNumber(form_.Number);
    if (found != 0 && found != row + 1) {
        ShowFound(found, rules_.showsOtherSlot);
        if (rules_.showsOtherSlot) Select(found - 1);
        return Passes(kNumberExists);
    }
    const bool special = rules_.specials && rules_.specials->FindNumber(form_.Number) != 0;
    return Passes(special ? kInSpecialList : nullptr);
}

void NumberPage::OnDelete() {
    const auto row = CheckedRow(form_.Index, EmptyIndex::Zero);
    if (!row) return;
    list_.DeleteEntry(*row);
    ShowUsed();
}

void NumberPage::OnSearchIndex() {
    const auto row = CheckedRow(form_.Index, EmptyIndex::NotEntered);
    if (!row) return;
    Select(*row);
    form_.Number = Slot(*row).Number;
    form_.Name = Slot(*row).Name;
}

void NumberPage::OnSearchNumber() {
    if (!CheckDigits(form_.Number)) return;
    const int found = list_.FindNumber(form_.Number);
    if (found != 0) {
        ShowFound(found, true);
        Select(found - 1);
        Error(kNumberExists);
        return;
    }
    const bool special = rules_.specials && rules_.specials->FindNumber(form_.Number) != 0;
    Error(special ? kInSpecialList : kNumberNotExists);
}

void NumberPage::OnSearchName() {
    const int found = FindName(form_.Name);
    if (found == 0) {
        Error(kNameNotExists);
        return;
    }
    Select(found - 1);
    form_.Number = Slot(found - 1).Number;
    form_.Index = std::to_string(found);
}

void NumberPage::OnRowClicked(int row) {
    list_.SelectRow(row);
    if (list_.SelectedRow() >= 0) FillFields(list_.SelectedRow());
}

void NumberPage::FillFields(int row) {
    if (!list_.InRange(row)) return;
    form_.Index = std::to_string(row + 1);
    form_.Number = Slot(row).Number;
    form_.Name = Slot(row).Name;
    Touch();
}

// Index shows the slot found; with its name when asked.
void NumberPage::ShowFound(int index, bool withName) {
    form_.Index = std::to_string(index);
    if (withName) form_.Name = Slot(index - 1).Name;
    Touch();
}

void NumberPage::Select(int row) {
    list_.SelectRow(row);
    Touch();
}

}  // namespace dorvik
