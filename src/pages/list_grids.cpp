#include "pages/list_grids.h"

#include <string>

namespace dorvik {
namespace {

template <class List>
std::string IndexText(const List&, int row) {
    return std::to_string(row + 1);
}

// The text of one field of a slot, for the column table.
template <class List, auto Field>
std::string FieldText(const List& list, int row) {
    return list.Row(row).*Field;
}

template <int Day>
std::string DayText(const SpecialList& list, int row) {
    return list.Row(row).days[Day];
}

std::string LabelText(const SpecialList& list, int row) { return list.Label(row); }

template <class List>
using Columns = typename SlotGrid<List>::Column;

template <class List>
constexpr Columns<List> kNumberColumns[] = {
    {"Index", 100, &IndexText<List>},
    {"Phone Number", 100, &FieldText<List, &NumberEntry::number>},
    {"User Name", 200, &FieldText<List, &NumberEntry::name>},
};

using SL = SpecialList;
constexpr Columns<SL> kSpecialColumns[] = {
    {"Index", 50, &LabelText},
    {"Phone Number", 100, &FieldText<SL, &SpecialEntry::number>},
    {"User Name", 80, &FieldText<SL, &SpecialEntry::name>},
    {"From Time", 80, &FieldText<SL, &SpecialEntry::fromTime>},
    {"To Time", 60, &FieldText<SL, &SpecialEntry::toTime>},
    {"Sun", 40, &DayText<0>},
    {"Mon", 40, &DayText<1>},
    {"Tue", 40, &DayText<2>},
    {"Wed", 40, &DayText<3>},
    {"Thu", 40, &DayText<4>},
    {"Fri", 40, &DayText<5>},
    {"Sat", 40, &DayText<6>},
    {"From Date", 80, &FieldText<SL, &SpecialEntry::fromDate>},
    {"To Date", 80, &FieldText<SL, &SpecialEntry::toDate>},
    {"Entires Amount", 100, &FieldText<SL, &SpecialEntry::amount>},
};

using HL = HouseList;
constexpr Columns<HL> kHouseColumns[] = {
    {"Index", 100, &IndexText<HL>},
    {"House Number", 200, &FieldText<HL, &HouseEntry::houseNumber>},
    {"Dial1", 200, &FieldText<HL, &HouseEntry::dial1>},
    {"Dial2", 200, &FieldText<HL, &HouseEntry::dial2>},
};

}  // namespace

CPhoneGrid::CPhoneGrid(PhoneList& list) : SlotGrid(list, kNumberColumns<PhoneList>) {}
CAlarmGrid::CAlarmGrid(AlarmList& list) : SlotGrid(list, kNumberColumns<AlarmList>) {}
CSpecialGrid::CSpecialGrid(SpecialList& list) : SlotGrid(list, kSpecialColumns) {}
CHouseGrid::CHouseGrid(HouseList& list) : SlotGrid(list, kHouseColumns) {}

}  // namespace dorvik
