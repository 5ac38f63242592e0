#pragma once
// The serial driver as the connection engine sees it. The real driver
// (transport/serial_port.h) runs a monitoring thread; tests use fakes.
#include <cstddef>
#include <string>

namespace dorvik {

struct PortSettings {
    int port = 0;           // n of COMn
    int baud = 9600;
    char parity = 'N';      // 'N', 'O', 'E', 'M', 'S'
    int dataBits = 8;
    int stopBits = 1;       // 1 or 2 (15 means 1.5)
    unsigned eventMask = 3;
    std::size_t writeBufferSize = 1024;
    std::string devicePath; // when not empty, used instead of the COMn lookup
};

// Receives the driver's notifications on the window thread, synchronously
// and in order.
class SerialListener {
public:
    virtual ~SerialListener() = default;
    // Every received byte, 0..255, with the port number it came from.
    virtual void OnSerialByte(unsigned char byte, int port) = 0;
    // Every text the driver is about to write.
    virtual void OnCommandWritten(const std::string& text) = 0;
};

// Forwards notifications to a listener set after construction; breaks the
// cycle between a driver and the owner that listens to it.
class ListenerRelay : public SerialListener {
public:
    void SetTarget(SerialListener* target) { target_ = target; }
    void OnSerialByte(unsigned char byte, int port) override {
        if (target_) target_->OnSerialByte(byte, port);
    }
    void OnCommandWritten(const std::string& text) override {
        if (target_) target_->OnCommandWritten(text);
    }

private:
    SerialListener* target_ = nullptr;
};

class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // False when the device cannot be opened; LastOpenError() says why.
    virtual bool OpenPort(const PortSettings& settings) = 0;
    virtual std::string LastOpenError() const = 0;
    virtual bool IsOpen() const = 0;
    virtual bool StartMonitor() = 0;
    // Stops the monitoring thread and closes the port.
    virtual void StopMonitor() = 0;
    // Writes text and records it as the pending request (LastCommand too).
    // False (nothing written) when the port is closed or the text too long.
    virtual bool Send(const std::string& text, int requestCode, const std::string& expectedReply) = 0;
    // As Send but LastCommand is left unchanged.
    virtual bool SendText(const std::string& text, int requestCode, const std::string& expectedReply) = 0;
    virtual bool Resend(const std::string& text, int requestCode, const std::string& expectedReply) = 0;
    virtual int RequestCode() const = 0;
    virtual std::string ExpectedReply() const = 0;
    virtual std::string LastCommand() const = 0;
    virtual int PortNumber() const = 0;
};

}  // namespace dorvik
