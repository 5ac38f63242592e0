#include "model/alarm_list.h"

namespace dorvik {

int AlarmList::FindName(std::string_view name) const {
    return FindText(&NumberEntry::name, name, SearchScope::PendingOnly);
}

}  // namespace dorvik
