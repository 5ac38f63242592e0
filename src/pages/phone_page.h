#pragma once
// The "Phone Numbers" page: the unit's authorised phone numbers.
#include "model/unit_model.h"
#include "pages/list_grids.h"
#include "pages/number_page.h"

namespace dorvik {

class CPhone : public NumberPage {
public:
    CPhone(ConnectionEngine& engine, UnitModel& model);

    CPhoneGrid& Grid() { return grid_; }
    const CPhoneGrid& Grid() const { return grid_; }

protected:
    int FindName(std::string_view name) const override;
    Request ReadAllRequest() const override;
    std::vector<Request> SlotRequests(int row, RunState& run) const override;

private:
    PhoneList& phones_;
    CPhoneGrid grid_;
};

}  // namespace dorvik
