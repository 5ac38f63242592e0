#pragma once
// The modem side of the link as the connection engine sees it: a GSM modem
// that carries each unit command as a short message.
#include <string>

#include "platform/serial_device.h"

namespace dorvik {

class ModemLink {
public:
    virtual ~ModemLink() = default;
    virtual bool OpenPort(const PortSettings& settings) = 0;
    virtual std::string LastOpenError() const = 0;
    virtual bool StartMonitor() = 0;
    virtual void StopMonitor() = 0;
    // Starts the modem test; the modem answers through the receive path,
    // which calls the engine's ModemReady() when the modem is usable.
    virtual void StartModemTest() = 0;
    // Sends frame as a short message to the unit and remembers the request.
    virtual void SendUnitCommand(const std::string& frame, int requestCode,
                                 const std::string& ack) = 0;
};

}  // namespace dorvik
