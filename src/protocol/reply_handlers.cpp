#include "protocol/reply_handlers.h"

#include "protocol/replies.h"
#include "protocol/request.h"
#include "protocol/text_scan.h"

namespace dorvik {

const ReplyHandlers::Entry ReplyHandlers::kTable[] = {
    // code, serial line handler, message body handler (null: body only shown)
    {code::kReadPhoneList, &ReplyHandlers::OnPhoneLine, nullptr},
    {code::kChangePassword, &ReplyHandlers::OnPassword, &ReplyHandlers::OnPassword},
    {code::kQueryDeviceName, &ReplyHandlers::OnQueryName, &ReplyHandlers::OnQueryName},
    {code::kSetRelayMode, &ReplyHandlers::OnSetRelayMode, &ReplyHandlers::OnSetRelayMode},
    {code::kQueryClock, &ReplyHandlers::OnQueryClock, &ReplyHandlers::OnQueryClock},
    {code::kQueryClockUpdate, &ReplyHandlers::OnQueryClockUpdate,
     &ReplyHandlers::OnQueryClockUpdate},
    {code::kReadSpecialList, &ReplyHandlers::OnSpecialLine, nullptr},
    {code::kReadLog, &ReplyHandlers::OnLogLine, nullptr},
    {code::kReadLogEntries, &ReplyHandlers::OnLogLine, nullptr},
    {code::kReadAlarmList, &ReplyHandlers::OnAlarmLine, nullptr},
    {code::kQueryOutputs, &ReplyHandlers::OnQueryOutputs, &ReplyHandlers::OnQueryOutputs},
    {code::kEnterTavrin, &ReplyHandlers::OnProgRf, nullptr},
    {code::kLeaveTavrin, &ReplyHandlers::OnProgQuit, nullptr},
    {code::kQueryStatus, &ReplyHandlers::OnStatus, &ReplyHandlers::OnStatusMessage},
    {code::kReadHouseList, &ReplyHandlers::OnHouseLine, nullptr},
    {code::kQueryHouses, &ReplyHandlers::OnHouses, nullptr},
    {code::kQueryAlarmContent, &ReplyHandlers::OnQueryAlarmContent,
     &ReplyHandlers::OnQueryAlarmContent},
};

ReplyHandlers::ReplyHandlers(UnitModel& model, ConnectionEngine& engine)
    : model_(model), engine_(engine), continueTimer_(engine.Timers().CreateTimer()) {}

const ReplyHandlers::Entry* ReplyHandlers::Find(int code) {
    for (const Entry& e : kTable)
        if (e.code == code) return &e;
    return nullptr;
}

bool ReplyHandlers::Collects(int requestCode) const {
    const Entry* e = Find(requestCode);
    return e ? e->serial != nullptr : ReplyRuleOf(requestCode) != nullptr;
}

void ReplyHandlers::OnByte(int requestCode, unsigned char byte, std::string& line) {
    // Empty-list answers end without a line end of their own: they are
    // recognised before the next byte is added.
    if (EmptyListAnnounced(requestCode, line)) {
        line.clear();
        return;
    }
    if (byte != '\n') {
        line.push_back(static_cast<char>(byte));
        return;
    }
    std::string complete;
    complete.swap(line);
    OnSerialLine(requestCode, complete);
}

void ReplyHandlers::OnSerialLine(int requestCode, const std::string& line) {
    Dispatch(requestCode, line, engine_.Pending().ack, Via::Serial);
}

void ReplyHandlers::DispatchMessageReply(const std::string& body, int requestCode,
                                         const std::string& ack) {
    Dispatch(requestCode, body, ack, Via::Message);
}

void ReplyHandlers::Dispatch(int code, const std::string& reply, const std::string& ack,
                             Via via) {
    if (const Entry* e = Find(code)) {
        LineHandler handler = via == Via::Serial ? e->serial : e->message;
        if (handler) (this->*handler)(reply, ack);
    } else if (const ReplyRule* rule = ReplyRuleOf(code)) {
        OnRuleReply(*rule, code, reply, ack, via);
    }
}

bool ReplyHandlers::EmptyListAnnounced(int code, const std::string& line) {
    if (code == code::kReadPhoneList && line == kEmptyPhoneList) {
        model_.phones.ClearInUnitRows();
        if (pages_.phone) pages_.phone->ShowUsed();
        engine_.EndReadAll();
        return true;
    }
    if (code != code::kReadSpecialList) return false;
    if (line == kEmptySpecialGroupP)
        model_.specials.ClearInUnitRows(SpecialSection::P);
    else if (line == kEmptySpecialGroupQ)
        model_.specials.ClearInUnitRows(SpecialSection::Q);
    else
        return false;
    if (pages_.special) pages_.special->ShowUsed();
    return true;
}

// --- Common actions -----------------------------------------------------

SettingsPage* ReplyHandlers::ActivePage() const {
    return engine_.ActiveSettingsPage() == 2 ? pages_.multiRelay : pages_.msic;
}

void ReplyHandlers::Release() { engine_.SetBusy(false); }

void ReplyHandlers::Info(std::string_view text) { engine_.Messages().Info(std::string(text)); }

// Continues an upload run after a short pause, without blocking the window.
// A pause that outlives its link sends nothing: on a new link the slot would
// replace the connect-time house count query.
void ReplyHandlers::ContinueAfter(int ms, ListPageOps* page) {
    if (!page) return;
    const int link = engine_.LinkGeneration();
    continueTimer_->Start(ms, false, [this, page, link] {
        if (engine_.LinkGeneration() == link) page->DownloadNext();
    });
}

// --- Answers described by their command's reply rule -------------------

void ReplyHandlers::OnRuleReply(const ReplyRule& rule, int code, const std::string& reply,
                                const std::string& ack, Via via) {
    if (rule.marks != SlotList::None) OnSlotReply(rule.marks, code, reply, ack, via);
    if (!rule.info.text.empty()) OnInfoReply(rule.info, code, reply, ack, via);
    if (rule.answer.number || rule.answer.text) OnPageAnswer(rule.answer, reply);
}

// A message answer is always compared with the acknowledgement; only the
// serial link has the rules that show the text whatever the line says.
void ReplyHandlers::OnInfoReply(const InfoReply& info, int code, const std::string& reply,
                                const std::string& ack, Via via) {
    const bool serial = via == Via::Serial;
    const bool always = serial && (info.rule == InfoRule::ReleaseThenAlways ||
                                   info.rule == InfoRule::AlwaysThenRelease);
    const bool textFirst = info.rule == InfoRule::IfEqualThenRelease ||
                           (serial && info.rule == InfoRule::AlwaysThenRelease);
    if (!textFirst) Release();
    if (always || IsConfirmation(code, reply, ack)) Info(info.text);
    if (textFirst) Release();
}

void ReplyHandlers::OnPageAnswer(const PageAnswer& answer, const std::string& reply) {
    Release();
    SettingsPage* page = ActivePage();
    if (!page || !StartsWith(reply, answer.head)) return;
    if (answer.number) {
        std::optional<int> value = ScanInt(reply, answer.form);
        if (!value && answer.zeroWhenUnread) value = 0;
        if (value) (page->*answer.number)(*value);
    } else if (std::optional<std::string> word = ScanWord(reply, answer.form)) {
        (page->*answer.text)(*word);
    }
}

}  // namespace dorvik
