#include "pages/alarm_page.h"

#include "protocol/catalogue.h"

namespace dorvik {

CAlarm::CAlarm(ConnectionEngine& engine, UnitModel& model)
    : NumberPage(engine, model.alarms, {false, nullptr}),
      alarms_(model.alarms),
      grid_(model.alarms) {
    ShowUsed();
}

int CAlarm::FindName(std::string_view name) const { return alarms_.FindName(name); }

Request CAlarm::ReadAllRequest() const { return ReadAlarmList(Password()); }

// An erased slot is sent as "00000000000" in every step of a run.
std::vector<Request> CAlarm::SlotRequests(int row, RunState&) const {
    return {WriteAlarmSlot(Password(), row + 1, Slot(row).number)};
}

}  // namespace dorvik
