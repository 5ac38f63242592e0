#include "pages/house_page.h"

#include "pages/field_checks.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

constexpr std::size_t kHouseDigits = 5;

}  // namespace

std::string FiveDigitHouseNumber(std::string_view text) {
    if (text.size() >= kHouseDigits) return std::string(text.substr(text.size() - kHouseDigits));
    return std::string(kHouseDigits - text.size(), '0') + std::string(text);
}

CHouse::CHouse(ConnectionEngine& engine, UnitModel& model)
    : ListPageBase(engine), houses_(model.houses), specials_(model.specials), grid_(model.houses) {
    FollowList(houses_);
    ShowUsed();
}

void CHouse::OnSet() {
    const std::string house = FiveDigitHouseNumber(form_.houseNumber);
    if (!CheckDigits(house)) return;
    const auto row = CheckedRow(form_.index, EmptyIndex::NotEntered);
    if (!row || !CheckHouseFree(house, *row)) return;
    if (houses_.SetEntry(house, form_.dial1, form_.dial2, RowStatus::Pending, *row)) ShowUsed();
}

// The house number may have no other slot, and may not be a special number.
bool CHouse::CheckHouseFree(const std::string& house, int row) {
    const int found = houses_.FindNumber(house);
    if (found != 0 && found != row + 1) {
        houses_.SelectRow(found - 1);
        form_.index = std::to_string(found);
        Touch();
        return Passes(kNumberExists);
    }
    return Passes(specials_.FindNumber(house) != 0 ? kInSpecialList : nullptr);
}

void CHouse::OnDelete() {
    const auto row = CheckedRow(form_.index, EmptyIndex::Zero);
    if (!row) return;
    houses_.DeleteEntry(*row);
    ShowUsed();
}

void CHouse::OnSearchIndex() {
    const auto row = CheckedRow(form_.index, EmptyIndex::NotEntered);
    if (!row) return;
    houses_.SelectRow(*row);
    form_.houseNumber = houses_.Row(*row).houseNumber;
    ShowDials(*row);
}

// The typed text as it stands (not brought to five digits).
void CHouse::OnSearchHouse() {
    if (!CheckDigits(form_.houseNumber)) return;
    const int found = houses_.FindNumber(form_.houseNumber);
    if (found != 0) {
        form_.index = std::to_string(found);
        houses_.SelectRow(found - 1);
        Touch();
        return;
    }
    Error(specials_.FindNumber(form_.houseNumber) != 0 ? kInSpecialList : kNumberNotExists);
}

void CHouse::OnRowClicked(int row) {
    houses_.SelectRow(row);
    if (houses_.SelectedRow() >= 0) FillFields(houses_.SelectedRow());
}

void CHouse::FillFields(int row) {
    if (!houses_.InRange(row)) return;
    form_.index = std::to_string(row + 1);
    form_.houseNumber = houses_.Row(row).houseNumber;
    ShowDials(row);
}

void CHouse::ShowDials(int row) {
    form_.dial1 = houses_.Row(row).dial1;
    form_.dial2 = houses_.Row(row).dial2;
    Touch();
}

Request CHouse::ReadAllRequest() const { return ReadHouseList(Password()); }

bool CHouse::HasCommands(int row) const {
    const HouseEntry& slot = houses_.Row(row);
    return !slot.dial1.empty() || !slot.dial2.empty();
}

// Dial1, then Dial2; a slot with only Dial2 sends only that one.
std::vector<Request> CHouse::SlotRequests(int row, RunState&) const {
    const HouseEntry& slot = houses_.Row(row);
    std::vector<Request> requests;
    if (!slot.dial1.empty())
        requests.push_back(WriteHouseDial(Password(), slot.houseNumber, 1, slot.dial1, row + 1));
    if (!slot.dial2.empty())
        requests.push_back(WriteHouseDial(Password(), slot.houseNumber, 2, slot.dial2, row + 1));
    return requests;
}

}  // namespace dorvik
