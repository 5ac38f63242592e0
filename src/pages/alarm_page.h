#pragma once
// The "Alarm Phone Numbers" page: the numbers the unit calls or texts when
// an alarm input fires.
#include "model/unit_model.h"
#include "pages/list_grids.h"
#include "pages/number_page.h"

namespace dorvik {

class CAlarm : public NumberPage {
public:
    CAlarm(ConnectionEngine& engine, UnitModel& model);

    CAlarmGrid& Grid() { return grid_; }
    const CAlarmGrid& Grid() const { return grid_; }

protected:
    int FindName(std::string_view name) const override;
    Request ReadAllRequest() const override;
    bool ReadAllClearsList() const override { return false; }
    std::vector<Request> SlotRequests(int row, RunState& run) const override;

private:
    AlarmList& alarms_;
    CAlarmGrid grid_;
};

}  // namespace dorvik
