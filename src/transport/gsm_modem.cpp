#include "transport/gsm_modem.h"

#include <algorithm>
#include <cerrno>

#include "model/text_codec.h"
#include "transport/port_errors.h"
#include "transport/port_names.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

constexpr char kEscape = 0x1B;

// A destination the command line can carry: digits after an optional "+".
// Anything else (a quote, a line end) would end the command early.
bool IsDialNumber(const std::string& number) {
    std::string_view digits(number);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Ctrl-Z ends the body and Esc cancels it: a text holding either would send
// a cut message and hand its rest to the modem as commands.
bool HasBodyControl(const std::string& text) {
    return text.find(GSMModem::kCtrlZ) != std::string::npos ||
           text.find(kEscape) != std::string::npos;
}

}  // namespace

GSMModem::GSMModem(SerialListener& listener, UiDispatcher& ui, MessageBox& box)
    : CSerialPort(listener, ui, box) {}

GSMModem::~GSMModem() = default;

bool GSMModem::OpenPort(const PortSettings& settings) {
    readStorage_.clear();
    if (CSerialPort::OpenPort(settings)) return true;
    if (LastOpenErrno() == EBUSY) SetLastOpenError(DescribeModemInUse(DevicePathFor(settings)));
    return false;
}

void GSMModem::StopMonitor() {
    if (!IsOpen()) return CSerialPort::StopMonitor();
    closing_ = true;
    // Waiting for the prompt: the modem may sit in text entry and would
    // take the next connection's commands for message text.
    if (State() == ModemState::Prompt) {
        CancelText();
        SetState(ModemState::Idle);
    }
    sendBuffer_.clear();
    CloseDrained([this] { return State() != ModemState::Delete; }, kDrainLimit);
    closing_ = false;
}

bool GSMModem::Command(const std::string& text, ModemState state, const std::string& expected) {
    bool sent = Write(text);
    if (sent) expectedReply_ = expected;
    state_ = state;  // also when the port refused the text
    return sent;
}

bool GSMModem::TestModem() { return Command("AT\r\n", ModemState::Test, "AT\r\r\nOK\r\n"); }

bool GSMModem::SetMessageFormat(int format) {
    format_ = format == kPduFormat ? kPduFormat : kTextFormat;
    std::string command = "AT+CMGF=" + std::to_string(format_);
    return Command(command + "\r\n", ModemState::Format, command + "\r\r\nOK\r\n");
}

bool GSMModem::EnableNewMessageIndication() {
    return Command("AT+CNMI=1,1,0,0,0\r\n", ModemState::Indication);
}

bool GSMModem::ReadMessage(int index) {
    if (index < 0) return false;
    return Command("AT+CMGR=" + std::to_string(index) + "\r\n", ModemState::Read);
}

bool GSMModem::DeleteMessage(int index) {
    if (index < 0) return false;
    return Command("AT+CMGD=" + std::to_string(index) + "\r\n", ModemState::Delete);
}

bool GSMModem::QueryStorages() { return Command("AT+CPMS?\r\n", ModemState::Storages); }

bool GSMModem::SelectReadStorage(const std::string& storage) {
    return Command("AT+CPMS=\"" + storage + "\"\r\n", ModemState::Select);
}

bool GSMModem::ListMessages() {
    return Command(format_ == kTextFormat ? "AT+CMGL=\"ALL\"\r\n" : "AT+CMGL=4\r\n",
                   ModemState::List);
}

bool GSMModem::CancelText() { return Write(std::string(1, kEscape)); }

bool GSMModem::FitsOneMessage(const std::string& text) {
    std::size_t units = GbToUtf16(text).size();
    return units >= 1 && units <= kMaxMessageChars;
}

bool GSMModem::AcceptMessage(const std::string& number, const std::string& text) {
    sendBuffer_.clear();  // a refused message never sends the previous body
    return IsDialNumber(number) && FitsOneMessage(text) && !HasBodyControl(text);
}

bool GSMModem::PrepareSendText(const std::string& number, const std::string& text) {
    if (!AcceptMessage(number, text)) return false;
    sendBuffer_ = text + kCtrlZ;
    return Command("AT+CMGS=\"" + number + "\"\r\n", ModemState::Prompt);
}

bool GSMModem::PrepareSendPdu(const std::string& centre, const std::string& number,
                              const std::string& text) {
    if (!AcceptMessage(number, text)) return false;
    SmsSubmit message;
    message.serviceCentre = centre;
    message.destination = number;
    message.dataCoding = kDcsUcs2;
    message.text = text;
    std::optional<std::string> pdu = CSMSPDU::EncodePdu(message);
    int length = pdu ? CSMSPDU::TpduLength(*pdu) : -1;
    if (length < 0) return false;
    sendBuffer_ = *pdu + kCtrlZ;
    return Command("AT+CMGS=" + std::to_string(length) + "\r\n", ModemState::Prompt);
}

bool GSMModem::SendShortMessage(const std::string& number, const std::string& text) {
    destination_ = number;
    messageText_ = text;
    bool prepared = format_ == kTextFormat ? PrepareSendText(number, text)
                                           : PrepareSendPdu(messageCentre_, number, text);
    SetState(ModemState::Prompt);
    return prepared;
}

// The body goes out once: a repeated prompt finds nothing to send.
bool GSMModem::SendBody() {
    if (sendBuffer_.empty()) return false;
    std::string body;
    body.swap(sendBuffer_);
    return Command(body, ModemState::Body);
}

bool GSMModem::PushIndex(int index) {
    if (indices_.size() >= kMaxIndices) return false;
    indices_.push_back(index);
    return true;
}

int GSMModem::PopIndex() {
    if (indices_.empty()) return -1;
    int index = indices_.back();
    indices_.pop_back();
    return index;
}

}  // namespace dorvik
