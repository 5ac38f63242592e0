#include "pages/special_page.h"

#include "protocol/catalogue.h"

namespace dorvik {
namespace {

// Sets a picker from a stored text; a text that is no valid value leaves it.
void SetPicker(PickerValue& picker, const std::optional<PickerValue>& value) {
    if (value) picker = *value;
}

}  // namespace

CSpecial::CSpecial(ConnectionEngine& engine, UnitModel& model)
    : ListPageBase(engine),
      specials_(model.specials),
      phones_(model.phones),
      grid_(model.specials) {
    FollowList(specials_);
    ShowUsed();
}

void CSpecial::OnSet() {
    if (!CheckDigits(form_.number)) return;
    const LabelCheck label = ReadLabelField(form_.index, specials_);
    if (!Passes(label.error) || !CheckNumberFree(label)) return;
    SpecialTexts texts;
    if (!TakeRestriction(texts)) return;
    const SpecialSection section = SectionOfMode(form_.mode);
    if (!Passes(label.section == section ? nullptr : kTypeDiffers)) return;
    texts.number = form_.number;
    texts.name = form_.name;
    const std::string letter(1, SectionLetter(section));
    if (specials_.SetEntry(texts, label.row, RowStatus::Pending, letter)) ShowUsed();
}

// The number may have no other Pending special slot and no phone slot.
bool CSpecial::CheckNumberFree(const LabelCheck& label) {
    const int found = specials_.FindNumber(form_.number);
    if (found != 0 && found - 1 != label.row) {
        form_.index = specials_.Label(found - 1);
        Touch();
        return Passes(kNumberExists);
    }
    return Passes(phones_.FindNumber(form_.number) != 0 ? kInPhoneList : nullptr);
}

// The restriction fields of the selected mode; the others stay empty.
bool CSpecial::TakeRestriction(SpecialTexts& texts) {
    switch (form_.mode) {
        case SpecialMode::TimeToTime: {
            bool any = false;
            for (int d = 0; d < kWeekDayCount; ++d) {
                if (form_.days[d]) texts.days[d] = std::string(kDayMark);
                any = any || form_.days[d];
            }
            texts.fromTime = PickerTimeText(form_.fromTime);
            texts.toTime = PickerTimeText(form_.toTime);
            return Passes(any ? nullptr : kSelectWeekDay);
        }
        case SpecialMode::DateToDate:
            // The stored form drops the century: yy/MM/dd HH:mm.
            texts.fromDate = PickerDateText(form_.fromDate).substr(2);
            texts.toDate = PickerDateText(form_.toDate).substr(2);
            return true;
        case SpecialMode::EntriesAmount:
            texts.amount = form_.amount;
            return true;
    }
    return true;
}

// A label of another first letter changes nothing and shows nothing.
void CSpecial::OnDelete() {
    const LabelCheck label = ReadLabelField(form_.index, specials_);
    if (!Passes(label.error) || !label.section) return;
    specials_.DeleteEntry(label.row);
    ShowUsed();
}

// A label of another first letter names no slot: the form stays as it is.
void CSpecial::OnSearchLabel() {
    const LabelCheck label = ReadLabelField(form_.index, specials_);
    if (!Passes(label.error) || !label.section) return;
    ShowRow(label.row);
}

void CSpecial::OnSearchNumber() {
    if (!CheckDigits(form_.number)) return;
    const int found = specials_.FindNumber(form_.number);
    if (found != 0) {
        ShowRow(found - 1);
        Error(kNumberExists);
        return;
    }
    Error(phones_.FindNumber(form_.number) != 0 ? kInPhoneList : kNumberNotExists);
}

void CSpecial::OnSearchName() {
    const int found = specials_.FindName(form_.name);
    if (found != 0) ShowRow(found - 1);
}

void CSpecial::OnModeClicked(SpecialMode mode) {
    form_.mode = mode;
    specials_.SelectRow(specials_.RowOf(SectionOfMode(mode), 1));
    Touch();
}

void CSpecial::OnRowClicked(int row) {
    specials_.SelectRow(row);
    if (specials_.SelectedRow() >= 0) FillFields(specials_.SelectedRow());
}

void CSpecial::ShowRow(int row) {
    specials_.SelectRow(row);
    FillFields(row);
}

void CSpecial::FillFields(int row) {
    const auto section = specials_.SectionOf(row);
    if (!section) return;
    const SpecialEntry& slot = specials_.Row(row);
    form_.index = specials_.Label(row);
    form_.number = slot.number;
    form_.name = slot.name;
    form_.mode = ModeOfSection(*section);
    FillRestriction(slot);
    Touch();
}

// Each restriction the slot holds selects its mode and fills its controls;
// an empty slot leaves the controls as they are.
void CSpecial::FillRestriction(const SpecialEntry& slot) {
    if (!slot.amount.empty()) {
        form_.mode = SpecialMode::EntriesAmount;
        form_.amount = slot.amount;
    }
    if (!slot.fromDate.empty()) {
        form_.mode = SpecialMode::DateToDate;
        SetPicker(form_.fromDate, ReadStoredDate(slot.fromDate));
        SetPicker(form_.toDate, ReadStoredDate(slot.toDate));
    }
    if (!slot.fromTime.empty()) {
        form_.mode = SpecialMode::TimeToTime;
        for (int d = 0; d < kWeekDayCount; ++d) form_.days[d] = slot.days[d] == kDayMark;
        SetPicker(form_.fromTime, ReadStoredTime(slot.fromTime));
        SetPicker(form_.toTime, ReadStoredTime(slot.toTime));
    }
}

Request CSpecial::ReadAllRequest() const { return ReadSpecialList(Password()); }

// The slot's token, its number ("0000" for a slot deleted on the PC) and
// its rule; a slot without a number clears the unit's slot.
std::vector<Request> CSpecial::SlotRequests(int row, RunState&) const {
    const SpecialEntry& slot = specials_.Row(row);
    const std::string token = SpecialTokenFromLabel(specials_.Label(row));
    return {
        WriteSpecialSlot(Password(), token, slot.number, SpecialRuleText(RuleOfSlot(slot)))};
}

}  // namespace dorvik
