#pragma once
// The list views of the four number lists.
#include "model/alarm_list.h"
#include "model/house_list.h"
#include "model/phone_list.h"
#include "model/special_list.h"
#include "pages/slot_grid.h"

namespace dorvik {

// "Index", "Phone Number", "User Name".
class CPhoneGrid : public SlotGrid<PhoneList> {
public:
    explicit CPhoneGrid(PhoneList& list);
};

// The phone list's columns over the alarm list.
class CAlarmGrid : public SlotGrid<AlarmList> {
public:
    explicit CAlarmGrid(AlarmList& list);
};

// The label ("S001") and the fourteen texts of each special slot.
class CSpecialGrid : public SlotGrid<SpecialList> {
public:
    explicit CSpecialGrid(SpecialList& list);
};

// "Index", "House Number", "Dial1", "Dial2".
class CHouseGrid : public SlotGrid<HouseList> {
public:
    explicit CHouseGrid(HouseList& list);
};

}  // namespace dorvik
