#include "pages/phone_page.h"

#include "protocol/catalogue.h"

namespace dorvik {

CPhone::CPhone(ConnectionEngine& engine, UnitModel& model)
    : NumberPage(engine, model.phones, {true, &model.specials}),
      phones_(model.phones),
      grid_(model.phones) {
    ShowUsed();
}

int CPhone::FindName(std::string_view name) const { return phones_.FindName(name); }

Request CPhone::ReadAllRequest() const { return ReadPhoneList(Password()); }

// A slot without a number is erased in the unit: the slot the press finds
// sends "0000", the slots the confirmations send after it "00000000000".
std::vector<Request> CPhone::SlotRequests(int row, RunState& run) const {
    std::string_view number = Slot(row).number;
    if (number.empty()) number = run.slotsSent == 0 ? kErasedNumber : kNoNumber;
    return {WritePhoneSlot(Password(), row + 1, number)};
}

}  // namespace dorvik
