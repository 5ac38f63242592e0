#pragma once
// The connection parameters the engine works with: where the link goes,
// and what the engine needs to talk to the unit.
#include <string>

#include "platform/link.h"

namespace dorvik {

struct LinkParams : LinkSettings {
    std::string password;
    std::string unitId;
    bool modemMode = false;
    bool tavrin = false;
    int replyTimeoutSec = 30;  // modem mode reply time-out
};

}  // namespace dorvik
