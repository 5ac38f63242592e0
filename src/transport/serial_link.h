#pragma once
// The serial link: unit commands as lines of text on a serial cable, the
// unit's answer as the bytes that come back.
#include <string>

#include "platform/link.h"
#include "platform/message_box.h"
#include "platform/ui_dispatcher.h"
#include "transport/serial_listener.h"
#include "transport/serial_port.h"

namespace dorvik {

class SerialLink : public Link, private SerialListener {
public:
    SerialLink(UiDispatcher& ui, MessageBox& box);
    ~SerialLink() override;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    LinkKind Kind() const override { return LinkKind::Serial; }
    void SetListener(LinkListener* listener) override { listener_ = listener; }
    bool Open(const LinkSettings& settings) override;
    std::string OpenError() const override { return port_.LastOpenError(); }
    void Close() override { port_.StopMonitor(); }
    // Writes the frame followed by CR LF.
    bool Send(const std::string& frame, int requestCode, const std::string& ack) override;

    CSerialPort& Port() { return port_; }

private:
    void OnSerialByte(unsigned char byte, int port) override;
    void OnCommandWritten(const std::string& text) override;

    LinkListener* listener_ = nullptr;
    CSerialPort port_;
};

}  // namespace dorvik
