#include "model/unit_model.h"

namespace dorvik {

bool UnitModel::RebuildForHouses(int houses) {
    if (!IsValidHouseCount(houses)) return false;
    Houses.RebuildRows(houses);
    Phones.RebuildRows(houses);
    return true;
}

}  // namespace dorvik
