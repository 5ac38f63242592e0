#pragma once
// The tool's two real links to the unit, for the front ends to hand to the
// main window: the serial cable and the modem mode.
#include "platform/message_box.h"
#include "platform/ui_dispatcher.h"
#include "transport/modem_mode.h"
#include "transport/serial_link.h"

namespace dorvik {

struct DeviceLinks {
    DeviceLinks(UiDispatcher& ui, MessageBox& box) : serial(ui, box), modem(ui, box) {}

    SerialLink serial;
    ModemMode modem;
};

}  // namespace dorvik
