#pragma once
// Everything the tool knows of one unit: the four number lists, the caller
// log, both settings records and the items the main window keeps.
#include <string>

#include "model/alarm_list.h"
#include "model/call_log.h"
#include "model/house_list.h"
#include "model/modified_flag.h"
#include "model/phone_list.h"
#include "model/restricted_list.h"
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
    bool RebuildForHouses(int houses);

    ModifiedFlag Modified;  // declared first: the lists below refer to it
    PhoneList Phones{Modified};
    SpecialList Specials{Modified};
    AlarmList Alarms{Modified};
    HouseList Houses{Modified};
    CallLog Log{Modified};
    UnitSettings Settings;
    MultiRelaySettings MultiRelay;
    std::string UnitPassword;
    std::string UnitPhoneNumber;  // the unit's SIM number, destination in modem mode
    std::string ProjectPath;      // empty until a project is saved or opened
};

}  // namespace dorvik
