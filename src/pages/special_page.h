#pragma once
// The "Special Phone Numbers" page: numbers that open only within a time
// window on chosen week days (S), a date period (P) or a number of entries (Q).
#include "model/unit_model.h"
#include "pages/field_checks.h"
#include "pages/list_grids.h"
#include "pages/list_page_base.h"
#include "pages/special_form.h"

namespace dorvik {

class CSpecial : public ListPageBase {
public:
    CSpecial(ConnectionEngine& engine, UnitModel& model);

    SpecialForm& Form() { return form_; }
    const SpecialForm& Form() const { return form_; }
    CSpecialGrid& Grid() { return grid_; }
    const CSpecialGrid& Grid() const { return grid_; }
    // The controls the selected mode shows.
    SpecialLayout Layout() const { return LayoutOf(form_.mode); }

    // Stores the form as a Pending slot of the section its label names.
    void OnSet();
    void OnDelete();
    void OnSearchLabel();
    void OnSearchNumber();
    void OnSearchName();
    // A mode button: switches the form and selects the first row of its section.
    void OnModeClicked(SpecialMode mode);
    void OnRowClicked(int row);
    // Label, number, name, mode and the restriction controls from the row.
    void FillFields(int row);
    int SelectedRow() const { return specials_.SelectedRow(); }
    int SlotCount() const override { return specials_.Size(); }

protected:
    int UsedCount() const override { return specials_.Used(); }
    Request ReadAllRequest() const override;
    RowStatus SlotStatus(int row) const override { return specials_.Status(row); }
    void SetSlotStatus(int row, RowStatus status) override {
        specials_.SetRowStatus(row, status);
    }
    std::vector<Request> SlotRequests(int row, RunState& run) const override;

private:
    bool CheckNumberFree(const LabelCheck& label);
    bool TakeRestriction(SpecialTexts& texts);
    void FillRestriction(const SpecialEntry& slot);
    void ShowRow(int row);

    SpecialList& specials_;
    const PhoneList& phones_;
    CSpecialGrid grid_;
    SpecialForm form_;
};

}  // namespace dorvik
