#pragma once
// The connection parameters the engine works with.
#include <string>

#include "platform/serial_device.h"

namespace dorvik {

struct LinkParams {
    std::string password;
    std::string unitId;
    PortSettings port;
    bool modemMode = false;
    bool tavrin = false;
    std::string unitPhone;
    int replyTimeoutSec = 30;  // modem mode reply time-out
};

}  // namespace dorvik
