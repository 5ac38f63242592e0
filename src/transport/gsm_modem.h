#pragma once
// Drives a GSM modem with AT commands over a serial port. The modem state
// is the request code of the last command; the modem receive path judges
// the answers and moves it on.
#include <cstddef>
#include <string>
#include <vector>

#include "transport/serial_port.h"

namespace dorvik {

// What the modem was last asked, that is which answer comes next.
enum class ModemState : int {
    Test = 0,        // "AT"
    Format = 2,      // "AT+CMGF"
    Prompt = 3,      // "AT+CMGS", waiting for the "> " prompt
    Body = 4,        // the message body
    Delete = 5,      // "AT+CMGD"
    Indication = 6,  // "AT+CNMI"
    Read = 7,        // "AT+CMGR"
    Idle = 8,        // waiting for new-message notifications
    Storages = 9,    // "AT+CPMS?"
    Select = 10,     // "AT+CPMS=<storage>"
    List = 11,       // "AT+CMGL"
};

// Message formats of AT+CMGF.
inline constexpr int kPduFormat = 0;
inline constexpr int kTextFormat = 1;

class GSMModem : public CSerialPort {
public:
    static constexpr std::size_t kMaxIndices = 1024;
    static constexpr std::size_t kMaxMessageChars = 69;
    static constexpr const char* kDefaultMessageCentre = "+8613800210500";
    static constexpr char kCtrlZ = 0x1A;

    GSMModem(SerialListener& listener, UiDispatcher& ui, MessageBox& box);
    ~GSMModem() override;

    // A busy port says that another program (ModemManager) holds the modem.
    bool OpenPort(const PortSettings& settings) override;
    // Closes the link without losing what was asked of the modem: a modem
    // left in text entry is sent Esc, queued commands go out, and a
    // deletion still running is waited for (at most kDrainLimit).
    void StopMonitor() override;
    // True while StopMonitor runs: no new exchange may start.
    bool Closing() const { return closing_; }

    bool TestModem();
    // Stores the format (kTextFormat or kPduFormat) and selects it on the modem.
    bool SetMessageFormat(int format);
    bool EnableNewMessageIndication();
    bool ReadMessage(int index);
    bool DeleteMessage(int index);
    // Asks which message storages are in use.
    bool QueryStorages();
    // Selects storage ("SM", "ME", ...) for reading and deleting.
    bool SelectReadStorage(const std::string& storage);
    // Lists every message of the read storage, in the stored format.
    bool ListMessages();
    // Ends text entry without sending (Esc); the state is left as it is.
    bool CancelText();
    // The storage reads and deletions use, as far as known; empty: unknown.
    const std::string& ReadStorage() const { return readStorage_; }
    void SetReadStorage(const std::string& storage) { readStorage_ = storage; }

    // Prepares the message for number in the stored format and asks for the
    // prompt. The state becomes Prompt even when the message is refused
    // (nothing is written then, and false is returned).
    bool SendShortMessage(const std::string& number, const std::string& text);
    // Text mode: writes AT+CMGS="number" and keeps the body for the prompt.
    bool PrepareSendText(const std::string& number, const std::string& text);
    // PDU mode: encodes the message (UCS2) and writes AT+CMGS=<length>.
    bool PrepareSendPdu(const std::string& centre, const std::string& number,
                        const std::string& text);
    // Writes the prepared body with its closing Ctrl-Z, once; false when
    // none is prepared.
    bool SendBody();

    // SIM indices waiting to be deleted, last in first out. PushIndex refuses
    // (false) when kMaxIndices are held; PopIndex gives -1 when empty.
    bool PushIndex(int index);
    int PopIndex();
    std::size_t IndexCount() const { return indices_.size(); }

    ModemState State() const { return state_; }
    void SetState(ModemState state) { state_ = state; }
    // The whole answer that confirms the last command written; empty when
    // the answer is judged otherwise.
    const std::string& ExpectedReply() const { return expectedReply_; }
    int MessageFormat() const { return format_; }
    const std::string& MessageText() const { return messageText_; }
    const std::string& DestinationNumber() const { return destination_; }
    // The prepared body followed by Ctrl-Z; empty when nothing waits for the
    // prompt.
    const std::string& SendBuffer() const { return sendBuffer_; }
    const std::string& MessageCentre() const { return messageCentre_; }
    void SetMessageCentre(const std::string& number) { messageCentre_ = number; }

    bool DeletingAll() const { return deletingAll_; }
    void SetDeletingAll(bool on) { deletingAll_ = on; }

    // True when text is 1 to kMaxMessageChars UTF-16 characters long.
    static bool FitsOneMessage(const std::string& text);

private:
    bool Command(const std::string& text, ModemState state, const std::string& expected = "");
    bool AcceptMessage(const std::string& number, const std::string& text);

    std::string sendBuffer_;
    std::string messageText_;
    std::string destination_;
    std::string messageCentre_ = kDefaultMessageCentre;
    std::string expectedReply_;
    ModemState state_ = ModemState::Test;
    bool deletingAll_ = false;
    std::vector<int> indices_;
    int format_ = kTextFormat;
    std::string readStorage_;
    bool closing_ = false;
};

}  // namespace dorvik
