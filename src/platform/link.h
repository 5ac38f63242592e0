#pragma once
// The one way the connection engine reaches the unit: a link that opens,
// closes, sends a command frame and reports what comes back. The serial
// link (a cable on a serial port) and the modem mode (short messages
// through a GSM modem) implement it; tests use a scripted one.
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

// Where a link goes.
struct LinkSettings {
    PortSettings port;
    // Modem: the unit's phone number; commands go there and only answers
    // from it count.
    std::string unitPhone;
    // Modem: the SMS service centre written into PDU-format messages.
    std::string messageCentre;
};

// What carries the commands; the unit behaves differently on each.
enum class LinkKind { Serial, Modem };

// What the link is doing, for the activity LED.
enum class LinkActivity { Idle, AwaitingAnswer };

// Receives a link's notifications on the window thread, in order.
class LinkListener {
public:
    virtual ~LinkListener() = default;
    // One byte of the unit's answer (serial link).
    virtual void OnReplyByte(unsigned char byte) = 0;
    // The body of a short message from the unit (modem).
    virtual void OnReplyMessage(const std::string& body) = 0;
    // The link came up after opening (the modem answered its test).
    virtual void OnLinkUp() = 0;
    // Every text about to be written to the port.
    virtual void OnWritten(const std::string& text) = 0;
    // The answer collected so far, for the Receive boxes.
    virtual void OnReceivedText(const std::string& text) = 0;
    // A text for the Message boxes.
    virtual void OnMessageText(const std::string& text) = 0;
    // A failure the user must see.
    virtual void OnLinkError(const std::string& text) = 0;
    virtual void OnActivity(LinkActivity activity) = 0;
};

class Link {
public:
    virtual ~Link() = default;
    virtual LinkKind Kind() const = 0;
    // Where notifications go; null: nowhere.
    virtual void SetListener(LinkListener* listener) = 0;
    // Opens the port and starts listening; false when the port cannot be
    // opened, with OpenError() saying why (may be empty).
    virtual bool Open(const LinkSettings& settings) = 0;
    virtual std::string OpenError() const = 0;
    // Why an opened link never came up (a modem that does not answer its
    // test); empty when the link cannot tell.
    virtual std::string SilenceError() const { return {}; }
    // Stops listening and closes the port; nothing happens when closed.
    virtual void Close() = 0;
    // Sends one command frame (no line end) with its request code and
    // acknowledgement text; false when nothing could be sent.
    virtual bool Send(const std::string& frame, int requestCode, const std::string& ack) = 0;
};

}  // namespace dorvik
