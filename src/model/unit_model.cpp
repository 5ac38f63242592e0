#include "model/unit_model.h"

namespace dorvik {

bool UnitModel::RebuildForHouses(int houseCount) {
    if (!IsValidHouseCount(houseCount)) return false;
    houses.RebuildRows(houseCount);
    phones.RebuildRows(houseCount);
    return true;
}

}  // namespace dorvik
