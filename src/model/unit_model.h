#pragma once
// Everything the tool knows of one unit: the four number lists, the caller
// log, both settings records and the items the main window keeps.
#include <string>

#include "model/alarm_list.h"
#include "model/call_log.h"
#include "model/house_list.h"
#include "model/modified_flag.h"
#include "model/phone_list.h"
#include "model/special_list.h"
#include "model/unit_settings.h"

namespace dorvik {

struct UnitModel {
    UnitModel() = default;
    UnitModel(const UnitModel&) = delete;
    UnitModel& operator=(const UnitModel&) = delete;

    // The unit reported its number of houses: the house list gets that many
    // slots and the phone list twice as many; slots that fit keep what they
    // hold. A count outside kMinHouseCount..kMaxHouseCount changes neither
    // list (false).
    bool RebuildForHouses(int houseCount);

    ModifiedFlag Modified;  // declared first: the lists below refer to it
    PhoneList phones{Modified};
    SpecialList specials{Modified};
    AlarmList alarms{Modified};
    HouseList houses{Modified};
    CallLog log{Modified};
    UnitSettings settings;
    MultiRelaySettings multiRelay;
    std::string unitPassword;
    std::string unitPhoneNumber;  // the unit's SIM number, destination in modem mode
    std::string ProjectPath;      // empty until a project is saved or opened
};

}  // namespace dorvik
