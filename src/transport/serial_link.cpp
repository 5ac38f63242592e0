#include "transport/serial_link.h"

namespace dorvik {

SerialLink::SerialLink(UiDispatcher& ui, MessageBox& box) : port_(*this, ui, box) {}

SerialLink::~SerialLink() { port_.StopMonitor(); }

bool SerialLink::Open(const LinkSettings& settings) {
    if (!port_.OpenPort(settings.port)) return false;
    port_.StartMonitor();
    return true;
}

bool SerialLink::Send(const std::string& frame, int, const std::string&) {
    return port_.Write(frame + "\r\n");
}

void SerialLink::OnSerialByte(unsigned char byte, int) {
    if (listener_) listener_->OnReplyByte(byte);
}

void SerialLink::OnCommandWritten(const std::string& text) {
    if (listener_) listener_->OnWritten(text);
}

}  // namespace dorvik
