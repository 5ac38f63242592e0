#pragma once
// What a serial port driver reports, on the window thread, synchronously
// and in order.
#include <string>

namespace dorvik {

class SerialListener {
public:
    virtual ~SerialListener() = default;
    // Every received byte, 0..255, with the port number it came from.
    virtual void OnSerialByte(unsigned char byte, int port) = 0;
    // Every text the driver is about to write.
    virtual void OnCommandWritten(const std::string& text) = 0;
};

}  // namespace dorvik
