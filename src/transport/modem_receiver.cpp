#include "transport/modem_receiver.h"

#include "transport/modem_lines.h"
#include "transport/modem_message.h"

namespace dorvik {
namespace {

constexpr std::string_view kReadHeader = "+CMGR:";
constexpr std::string_view kPrompt = "> ";

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
    return out;
}

}  // namespace

const ModemReceiver::Row ModemReceiver::kRows[] = {
    // state, trigger, action, checks errors, idle LED on error, error box
    {ModemState::Test, Trigger::Ok, &ModemReceiver::OnTestAnswered, true, false,
     "Modem test error"},
    {ModemState::Format, Trigger::AnyLine, &ModemReceiver::OnFormatLine, true, false,
     "Message format setting error"},
    {ModemState::Indication, Trigger::AnyLine, &ModemReceiver::OnIdleLine, false, false,
     nullptr},
    {ModemState::Prompt, Trigger::Prompt, &ModemReceiver::OnPrompt, true, false,
     "Ready to send message error"},
    {ModemState::Body, Trigger::Ok, &ModemReceiver::OnMessageSent, true, true,
     "Send message error"},
    {ModemState::Idle, Trigger::AnyLine, &ModemReceiver::OnIdleLine, true, true, nullptr},
    {ModemState::Read, Trigger::AnyLine, &ModemReceiver::OnReadLine, true, true,
     "Read message error"},
    {ModemState::Delete, Trigger::Ok, &ModemReceiver::OnMessageDeleted, true, true,
     "Delete message error"},
};

ModemReceiver::ModemReceiver(GSMModem& modem, ModemHost& host) : modem_(modem), host_(host) {}

const ModemReceiver::Row* ModemReceiver::RowOf(ModemState state) {
    for (const Row& r : kRows)
        if (r.state == state) return &r;
    return nullptr;
}

void ModemReceiver::Reset() {
    Clear();
    announced_.clear();
    outgoing_.reset();
}

void ModemReceiver::Start() {
    Reset();
    modem_.TestModem();
}

void ModemReceiver::SendMessage(const std::string& number, const std::string& text) {
    outgoing_.reset();
    if (IsIdle())
        SendNow(number, text);
    else
        outgoing_ = Outgoing{number, text};
}

// A refused message is not sent and does not hold up the modem.
void ModemReceiver::SendNow(const std::string& number, const std::string& text) {
    Clear();
    if (modem_.SendShortMessage(number, text)) return;
    modem_.SetState(ModemState::Idle);
    RunWaiting();
}

void ModemReceiver::OnCommandWritten(const std::string& text) { host_.OnCommandWritten(text); }

// --- Bytes and lines --------------------------------------------------------

void ModemReceiver::OnSerialByte(unsigned char byte, int) {
    buffer_ += static_cast<char>(byte);
    if (byte == '\n') {
        std::string line = buffer_.substr(lineStart_, buffer_.size() - 1 - lineStart_);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lineStart_ = buffer_.size();
        OnLine(line);
    } else if (PromptSeen()) {
        const Row* row = RowOf(modem_.State());
        if (row && row->trigger == Trigger::Prompt) (this->*(row->action))(std::string(kPrompt));
    }
    if (buffer_.size() > kMaxBuffer) Clear();
    if (!buffer_.empty()) host_.ShowReceived(buffer_);
}

// Echoes, notifications and errors are sorted out here; the state's row
// decides what the remaining lines do.
void ModemReceiver::OnLine(const std::string& line) {
    lines_.push_back(line);
    const Row* row = RowOf(modem_.State());
    if (!row) return;
    bool payload = InsideReadPayload();
    if (!payload && IsEchoLine(line)) return;
    if (!payload && row->checksErrors && IsErrorLine(line)) return Fail(*row);
    if (!payload && !IsIdle()) {
        if (auto index = NewMessageIndex(line)) return Announce(*index);
    }
    bool fires = row->trigger == Trigger::AnyLine || (row->trigger == Trigger::Ok && IsOkLine(line));
    if (fires) (this->*(row->action))(line);
}

// The prompt stands alone at the start of a line, without a line end.
bool ModemReceiver::PromptSeen() const {
    return buffer_.size() - lineStart_ == kPrompt.size() && buffer_.ends_with(kPrompt);
}

// The lines after a "+CMGR:" header are the message, whatever they say.
bool ModemReceiver::InsideReadPayload() const {
    return modem_.State() == ModemState::Read && header_ && lines_.size() - 1 > *header_;
}

bool ModemReceiver::IsIdle() const {
    ModemState s = modem_.State();
    return s == ModemState::Idle || s == ModemState::Indication;
}

void ModemReceiver::Clear() {
    buffer_.clear();
    lineStart_ = 0;
    lines_.clear();
    header_.reset();
}

// The error box comes last: the state is settled before the user is asked
// to look.
void ModemReceiver::Fail(const Row& row) {
    if (row.state == ModemState::Read) modem_.PopIndex();  // left on the SIM
    if (row.idleOnFailure) host_.SetActivity(LinkActivity::Idle);
    BecomeIdle();
    if (row.failure) host_.ShowError(row.failure);
}

void ModemReceiver::BecomeIdle() {
    modem_.SetState(ModemState::Idle);
    Clear();
    RunWaiting();
}

// A message waiting to go out comes first, then the announced messages.
void ModemReceiver::RunWaiting() {
    if (outgoing_) {
        Outgoing out = *outgoing_;
        outgoing_.reset();
        return SendNow(out.number, out.text);
    }
    while (!announced_.empty()) {
        int index = announced_.front();
        announced_.pop_front();
        // A full index stack leaves the message on the SIM rather than
        // losing track of what to delete.
        if (!modem_.PushIndex(index)) continue;
        Clear();
        modem_.ReadMessage(index);
        return;
    }
}

void ModemReceiver::Announce(int index) {
    if (announced_.size() < GSMModem::kMaxIndices) announced_.push_back(index);
}

// --- State actions ------------------------------------------------------------

void ModemReceiver::OnTestAnswered(const std::string&) {
    Clear();
    host_.ModemReady();
    modem_.SetMessageFormat(format_);
}

void ModemReceiver::OnFormatLine(const std::string& line) {
    Clear();
    if (IsOkLine(line)) modem_.EnableNewMessageIndication();
}

void ModemReceiver::OnIdleLine(const std::string& line) {
    Clear();
    auto index = NewMessageIndex(line);
    if (index) Announce(*index);
    bool answered = IsOkLine(line) || IsErrorLine(line);
    if (index || modem_.State() == ModemState::Idle || answered) RunWaiting();
}

void ModemReceiver::OnPrompt(const std::string&) {
    host_.ShowMessage(modem_.MessageText());
    Clear();
    modem_.SendBody();
}

void ModemReceiver::OnMessageSent(const std::string&) {
    host_.SetActivity(LinkActivity::AwaitingAnswer);
    BecomeIdle();
}

void ModemReceiver::OnReadLine(const std::string& line) {
    std::size_t at = lines_.size() - 1;
    if (!header_) {
        if (TrimModemLine(line).starts_with(kReadHeader))
            header_ = at;
        else if (IsOkLine(line))
            FinishRead(std::nullopt);  // nothing stored at that index
        return;
    }
    // Directly after the header an "OK" is the message text itself.
    if (at > *header_ + 1 && IsOkLine(line)) FinishRead(ReadItem());
}

void ModemReceiver::OnMessageDeleted(const std::string&) {
    if (modem_.DeletingAll()) {
        int next = modem_.PopIndex();
        if (next >= 0) {
            Clear();
            modem_.DeleteMessage(next);
            return;
        }
        modem_.SetDeletingAll(false);
    }
    BecomeIdle();
}

// --- Reading a message --------------------------------------------------------

// Every message read is deleted, the unit's answer and any other alike, so
// the SIM never fills up. The state is settled before the answer goes on.
void ModemReceiver::FinishRead(const std::optional<CSMSItem>& item) {
    bool fromUnit = item && IsUnitSender(item->sender, host_.UnitPhone());
    Clear();
    int index = modem_.PopIndex();
    if (index >= 0)
        modem_.DeleteMessage(index);
    else
        BecomeIdle();
    if (fromUnit) host_.OnUnitMessage(item->body);
}

std::optional<CSMSItem> ModemReceiver::ReadItem() {
    std::vector<std::string> payload = TakePayload();
    const std::string& header = lines_[*header_];
    if (modem_.MessageFormat() == kTextFormat) return ReadTextModeMessage(header, Join(payload));
    if (payload.empty()) return std::nullopt;
    return ReadPduModeMessage(header, payload.front());
}

// The lines between the header and the final "OK", without the blank line
// before "OK" and without notifications that slipped in after the text
// (new-message ones are kept for reading).
std::vector<std::string> ModemReceiver::TakePayload() {
    std::vector<std::string> payload(lines_.begin() + std::ptrdiff_t(*header_ + 1),
                                     lines_.end() - 1);
    std::vector<int> late;
    while (payload.size() > 1 &&
           (TrimModemLine(payload.back()).empty() || IsUnsolicitedLine(payload.back()))) {
        if (auto index = NewMessageIndex(payload.back())) late.insert(late.begin(), *index);
        payload.pop_back();
    }
    for (int index : late) Announce(index);
    return payload;
}

}  // namespace dorvik
