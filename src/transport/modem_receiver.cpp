#include "transport/modem_receiver.h"

#include "transport/modem_message.h"

namespace dorvik {
namespace {

constexpr std::string_view kReadHeader = "+CMGR:";
constexpr std::string_view kListHeader = "+CMGL:";

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
    // The rest of the set-up goes on whatever the modem says to it.
    {ModemState::Indication, Trigger::AnyLine, &ModemReceiver::OnIndicationLine, false, false,
     nullptr},
    {ModemState::Storages, Trigger::AnyLine, &ModemReceiver::OnStorageLine, false, false,
     nullptr},
    {ModemState::List, Trigger::AnyLine, &ModemReceiver::OnListLine, false, false, nullptr},
    {ModemState::Prompt, Trigger::Prompt, &ModemReceiver::OnPrompt, true, false,
     "Ready to send message error"},
    {ModemState::Body, Trigger::Ok, &ModemReceiver::OnMessageSent, true, true,
     "Send message error"},
    {ModemState::Idle, Trigger::AnyLine, &ModemReceiver::OnIdleLine, true, true, nullptr},
    {ModemState::Select, Trigger::Ok, &ModemReceiver::OnStorageSelected, true, true,
     "Read message error"},
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
    selecting_.reset();
    listHeader_.reset();
    oldAnswers_.clear();
    ready_ = false;
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

// While the link closes nothing more reaches the pages.
void ModemReceiver::OnCommandWritten(const std::string& text) {
    if (!modem_.Closing()) host_.OnCommandWritten(text);
}

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
        if (row && row->trigger == Trigger::Prompt) (this->*(row->action))(">");
    }
    if (buffer_.size() > kMaxBuffer) Clear();
    if (!buffer_.empty() && !modem_.Closing()) host_.ShowReceived(buffer_);
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
        if (auto message = ParseNewMessage(line)) return Announce(*message);
    }
    bool fires = row->trigger == Trigger::AnyLine || (row->trigger == Trigger::Ok && IsOkLine(line));
    if (fires) (this->*(row->action))(line);
}

// The prompt stands at the start of a line: ">" with or without a blank
// after it, with or without a line end (modems differ).
bool ModemReceiver::PromptSeen() const {
    std::string_view rest = std::string_view(buffer_).substr(lineStart_);
    return rest == ">";
}

// The lines after a "+CMGR:" header are the message, whatever they say; so
// is the line after each "+CMGL:" header of a listing.
bool ModemReceiver::InsideReadPayload() const {
    if (modem_.State() == ModemState::List) return listHeader_.has_value();
    return modem_.State() == ModemState::Read && header_ && lines_.size() - 1 > *header_;
}

bool ModemReceiver::IsIdle() const { return modem_.State() == ModemState::Idle; }

void ModemReceiver::Clear() {
    buffer_.clear();
    lineStart_ = 0;
    lines_.clear();
    header_.reset();
}

// The error box comes last: the state is settled before the user is asked
// to look.
void ModemReceiver::Fail(const Row& row) {
    // The message is left in its storage.
    if (row.state == ModemState::Read || row.state == ModemState::Select) modem_.PopIndex();
    selecting_.reset();
    if (modem_.DeletingAll()) {
        while (modem_.PopIndex() >= 0) {
        }
        modem_.SetDeletingAll(false);
    }
    bool closing = modem_.Closing();
    if (row.idleOnFailure && !closing) host_.SetActivity(LinkActivity::Idle);
    BecomeIdle();
    if (row.failure && !closing) host_.ShowError(row.failure);
}

void ModemReceiver::BecomeIdle() {
    modem_.SetState(ModemState::Idle);
    ready_ = true;
    Clear();
    RunWaiting();
}

// A message waiting to go out comes first, then the announced messages.
// Nothing new starts while the link closes.
void ModemReceiver::RunWaiting() {
    if (modem_.Closing()) return;
    if (outgoing_) {
        Outgoing out = *outgoing_;
        outgoing_.reset();
        return SendNow(out.number, out.text);
    }
    while (!announced_.empty()) {
        NewMessage message = announced_.front();
        announced_.pop_front();
        if (ReadAnnounced(message)) return;
    }
}

// Reads from the storage the notification named, selecting it first when
// reads are known to go elsewhere (a modem that did not tell its storages
// would not take a selection either). False when the index stack is full:
// the message is left in its storage rather than losing track of what to
// delete.
bool ModemReceiver::ReadAnnounced(const NewMessage& message) {
    if (!modem_.PushIndex(message.index)) return false;
    Clear();
    const std::string& current = modem_.ReadStorage();
    if (!message.storage.empty() && !current.empty() && message.storage != current) {
        selecting_ = message;
        modem_.SelectReadStorage(message.storage);
    } else {
        modem_.ReadMessage(message.index);
    }
    return true;
}

void ModemReceiver::Announce(const NewMessage& message) {
    if (announced_.size() < GSMModem::kMaxIndices) announced_.push_back(message);
}

// --- State actions ------------------------------------------------------------

void ModemReceiver::OnTestAnswered(const std::string&) {
    Clear();
    if (!modem_.Closing()) host_.ModemReady();
    modem_.SetMessageFormat(format_);
}

void ModemReceiver::OnFormatLine(const std::string& line) {
    Clear();
    if (IsOkLine(line)) modem_.EnableNewMessageIndication();
}

void ModemReceiver::OnIndicationLine(const std::string& line) {
    Clear();
    if (IsOkLine(line) || IsErrorLine(line)) modem_.QueryStorages();
}

// "+CPMS: "SM",3,30,..." names the storage reads and deletions use.
void ModemReceiver::OnStorageLine(const std::string& line) {
    Clear();
    if (auto storage = ReadStorageOf(line)) modem_.SetReadStorage(*storage);
    if (!IsOkLine(line) && !IsErrorLine(line)) return;
    listHeader_.reset();
    oldAnswers_.clear();
    modem_.ListMessages();
}

// Answers of the unit left from an earlier run would fill the storage until
// no new answer fits: they are found in the listing and deleted.
void ModemReceiver::OnListLine(const std::string& line) {
    Clear();
    if (listHeader_) {
        std::string header = *listHeader_;
        listHeader_.reset();
        auto listed = ReadListedMessage(header, line, modem_.MessageFormat() == kPduFormat);
        if (listed && IsUnitSender(listed->sender, host_.UnitPhone()))
            oldAnswers_.push_back(listed->index);
    } else if (TrimModemLine(line).starts_with(kListHeader)) {
        listHeader_ = line;
    } else if (IsOkLine(line)) {
        DeleteOldAnswers();
    } else if (IsErrorLine(line)) {
        oldAnswers_.clear();
        BecomeIdle();
    }
}

void ModemReceiver::DeleteOldAnswers() {
    for (auto it = oldAnswers_.rbegin(); it != oldAnswers_.rend(); ++it) modem_.PushIndex(*it);
    oldAnswers_.clear();
    int first = modem_.PopIndex();
    if (first < 0) return BecomeIdle();
    modem_.SetDeletingAll(true);
    modem_.DeleteMessage(first);
}

void ModemReceiver::OnStorageSelected(const std::string&) {
    Clear();
    if (!selecting_) return BecomeIdle();
    NewMessage message = *selecting_;
    selecting_.reset();
    modem_.SetReadStorage(message.storage);
    modem_.ReadMessage(message.index);
}

void ModemReceiver::OnIdleLine(const std::string& line) {
    Clear();
    if (auto message = ParseNewMessage(line)) {
        Announce(*message);
        RunWaiting();
    } else if (modem_.State() == ModemState::Idle) {
        RunWaiting();
    }
}

void ModemReceiver::OnPrompt(const std::string&) {
    if (modem_.Closing()) return;
    host_.ShowMessage(modem_.MessageText());
    Clear();
    modem_.SendBody();
}

void ModemReceiver::OnMessageSent(const std::string&) {
    if (!modem_.Closing()) host_.SetActivity(LinkActivity::AwaitingAnswer);
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
// the storage never fills up. The state is settled before the answer goes on.
void ModemReceiver::FinishRead(const std::optional<CSMSItem>& item) {
    bool fromUnit = item && IsUnitSender(item->sender, host_.UnitPhone());
    Clear();
    int index = modem_.PopIndex();
    if (index >= 0)
        modem_.DeleteMessage(index);
    else
        BecomeIdle();
    if (fromUnit && !modem_.Closing()) host_.OnUnitMessage(item->body);
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
    std::vector<NewMessage> late;
    while (payload.size() > 1 &&
           (TrimModemLine(payload.back()).empty() || IsUnsolicitedLine(payload.back()))) {
        if (auto message = ParseNewMessage(payload.back())) late.insert(late.begin(), *message);
        payload.pop_back();
    }
    for (const NewMessage& message : late) Announce(message);
    return payload;
}

}  // namespace dorvik
