#include "pages/number_page.h"

#include "pages/field_checks.h"

namespace dorvik {

NumberPage::NumberPage(ConnectionEngine& engine, NumberList& list, NumberPageRules rules)
    : ListPageBase(engine), list_(list), rules_(rules) {
    FollowList(list_);
}

void NumberPage::OnSet() {
    if (!CheckDigits(form_.number)) return;
    const auto row = CheckedRow(form_.index, EmptyIndex::NotEntered);
    if (!row || !CheckNotElsewhere(*row)) return;
    if (list_.SetEntry(form_.number, form_.name, *row, RowStatus::Pending)) ShowUsed();
}

// The number may have no other slot of this list, nor a special slot.
bool NumberPage::CheckNotElsewhere(int row) {
    const int found = list_.FindNumber(form_.number);
    if (found != 0 && found != row + 1) {
        ShowFound(found, rules_.showsOtherSlot);
        if (rules_.showsOtherSlot) Select(found - 1);
        return Passes(kNumberExists);
    }
    const bool special = rules_.specials && rules_.specials->FindNumber(form_.number) != 0;
    return Passes(special ? kInSpecialList : nullptr);
}

void NumberPage::OnDelete() {
    const auto row = CheckedRow(form_.index, EmptyIndex::Zero);
    if (!row) return;
    list_.DeleteEntry(*row);
    ShowUsed();
}

void NumberPage::OnSearchIndex() {
    const auto row = CheckedRow(form_.index, EmptyIndex::NotEntered);
    if (!row) return;
    Select(*row);
    form_.number = Slot(*row).number;
    form_.name = Slot(*row).name;
}

void NumberPage::OnSearchNumber() {
    if (!CheckDigits(form_.number)) return;
    const int found = list_.FindNumber(form_.number);
    if (found != 0) {
        ShowFound(found, true);
        Select(found - 1);
        Error(kNumberExists);
        return;
    }
    const bool special = rules_.specials && rules_.specials->FindNumber(form_.number) != 0;
    Error(special ? kInSpecialList : kNumberNotExists);
}

void NumberPage::OnSearchName() {
    const int found = FindName(form_.name);
    if (found == 0) {
        Error(kNameNotExists);
        return;
    }
    Select(found - 1);
    form_.number = Slot(found - 1).number;
    form_.index = std::to_string(found);
}

void NumberPage::OnRowClicked(int row) {
    list_.SelectRow(row);
    if (list_.SelectedRow() >= 0) FillFields(list_.SelectedRow());
}

void NumberPage::FillFields(int row) {
    if (!list_.InRange(row)) return;
    form_.index = std::to_string(row + 1);
    form_.number = Slot(row).number;
    form_.name = Slot(row).name;
    Touch();
}

// Index shows the slot found; with its name when asked.
void NumberPage::ShowFound(int index, bool withName) {
    form_.index = std::to_string(index);
    if (withName) form_.name = Slot(index - 1).name;
    Touch();
}

void NumberPage::Select(int row) {
    list_.SelectRow(row);
    Touch();
}

}  // namespace dorvik
