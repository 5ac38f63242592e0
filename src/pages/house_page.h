#pragma once
// The "House Dial Numbers" page: for each house number the one or two phone
// numbers the unit dials.
#include <string>

#include "model/unit_model.h"
#include "pages/list_grids.h"
#include "pages/list_page_base.h"

namespace dorvik {

struct HouseForm {
    std::string index;
    std::string houseNumber;
    std::string dial1;
    std::string dial2;
};

// The house number as stored: its last five characters, or padded on the
// left with "0" to five (an empty text gives "00000").
std::string FiveDigitHouseNumber(std::string_view text);

class CHouse : public ListPageBase {
public:
    CHouse(ConnectionEngine& engine, UnitModel& model);

    HouseForm& Form() { return form_; }
    const HouseForm& Form() const { return form_; }
    CHouseGrid& Grid() { return grid_; }
    const CHouseGrid& Grid() const { return grid_; }

    // Stores the form as a Pending slot; an empty dial field keeps the slot's number.
    void OnSet();
    void OnDelete();
    void OnSearchIndex();
    void OnSearchHouse();
    void OnRowClicked(int row);
    // Index, house number and both dial numbers from the row.
    void FillFields(int row);
    int SelectedRow() const { return houses_.SelectedRow(); }
    int SlotCount() const override { return houses_.Size(); }

protected:
    int UsedCount() const override { return houses_.Used(); }
    Request ReadAllRequest() const override;
    RowStatus SlotStatus(int row) const override { return houses_.Status(row); }
    void SetSlotStatus(int row, RowStatus status) override { houses_.SetRowStatus(row, status); }
    // Pending slots without a dial number are passed over and stay Pending.
    bool HasCommands(int row) const override;
    std::vector<Request> SlotRequests(int row, RunState& run) const override;

private:
    bool CheckHouseFree(const std::string& house, int row);
    void ShowDials(int row);

    HouseList& houses_;
    const SpecialList& specials_;
    CHouseGrid grid_;
    HouseForm form_;
};

}  // namespace dorvik
