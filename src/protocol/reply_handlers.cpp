#include "protocol/reply_handlers.h"

#include "protocol/replies.h"
#include "protocol/request.h"
#include "protocol/text_scan.h"

namespace dorvik {

const ReplyHandlers::Entry ReplyHandlers::kTable[] = {
    // code, serial line handler, message body handler (null: body only shown)
    {code::kReadPhoneList, &ReplyHandlers::OnPhoneLine, nullptr},
    {code::kWritePhoneSlot, &ReplyHandlers::OnPhoneConfirmed, &ReplyHandlers::OnPhoneMessage},
    {code::kChangePassword, &ReplyHandlers::OnPassword, &ReplyHandlers::OnPassword},
    {code::kSetDeviceName, &ReplyHandlers::OnSetName, &ReplyHandlers::OnSetName},
    {code::kQueryDeviceName, &ReplyHandlers::OnQueryName, &ReplyHandlers::OnQueryName},
    {code::kSetDelay, &ReplyHandlers::OnSetDelay, &ReplyHandlers::OnSetDelayMessage},
    {code::kQueryDelay, &ReplyHandlers::OnQueryDelay, &ReplyHandlers::OnQueryDelay},
    {code::kSetRelayMode, &ReplyHandlers::OnSetRelayMode, &ReplyHandlers::OnSetRelayMode},
    {code::kQueryRelayMode, &ReplyHandlers::OnQueryRelayMode, &ReplyHandlers::OnQueryRelayMode},
    {code::kSetClock, &ReplyHandlers::OnSetClock, &ReplyHandlers::OnSetClock},
    {code::kQueryClock, &ReplyHandlers::OnQueryClock, &ReplyHandlers::OnQueryClock},
    {code::kSetClockUpdate, &ReplyHandlers::OnSetClockUpdate, &ReplyHandlers::OnSetClockUpdate},
    {code::kQueryClockUpdate, &ReplyHandlers::OnQueryClockUpdate,
     &ReplyHandlers::OnQueryClockUpdate},
    {code::kQueryReception, &ReplyHandlers::OnReception, &ReplyHandlers::OnReception},
    {code::kReadSpecialList, &ReplyHandlers::OnSpecialLine, nullptr},
    {code::kReadLog, &ReplyHandlers::OnLogLine, nullptr},
    {code::kReadLogEntries, &ReplyHandlers::OnLogLine, nullptr},
    {code::kReadAlarmList, &ReplyHandlers::OnAlarmLine, nullptr},
    {code::kWriteAlarmSlot, &ReplyHandlers::OnAlarmConfirmed, &ReplyHandlers::OnAlarmMessage},
    {code::kSetAlarmInputs, &ReplyHandlers::OnAlarmInputs, &ReplyHandlers::OnAlarmInputs},
    {code::kWriteSpecialSlot, &ReplyHandlers::OnSpecialConfirmed,
     &ReplyHandlers::OnSpecialMessage},
    {code::kSetBattery, &ReplyHandlers::OnBattery, &ReplyHandlers::OnBatteryMessage},
    {code::kSetAlarmContent, &ReplyHandlers::OnAlarmContent, &ReplyHandlers::OnAlarmContent},
    {code::kSetBand, &ReplyHandlers::OnSetBand, &ReplyHandlers::OnSetBand},
    {code::kQueryBand, &ReplyHandlers::OnQueryBand, &ReplyHandlers::OnQueryBand},
    {code::kSetOutputs, &ReplyHandlers::OnSetOutputs, &ReplyHandlers::OnSetOutputs},
    {code::kQueryOutputs, &ReplyHandlers::OnQueryOutputs, &ReplyHandlers::OnQueryOutputs},
    {code::kEnterTavrin, &ReplyHandlers::OnProgRf, nullptr},
    {code::kLeaveTavrin, &ReplyHandlers::OnProgQuit, nullptr},
    {code::kQueryStatus, &ReplyHandlers::OnStatus, &ReplyHandlers::OnStatusMessage},
    {code::kReadHouseList, &ReplyHandlers::OnHouseLine, nullptr},
    {code::kWriteHouseDial, &ReplyHandlers::OnHouseConfirmed, &ReplyHandlers::OnHouseMessage},
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
    return e && e->serial;
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
    const Entry* e = Find(requestCode);
    if (e && e->serial) (this->*(e->serial))(line, engine_.Pending().ack);
}

void ReplyHandlers::DispatchMessageReply(const std::string& body, int requestCode,
                                         const std::string& ack) {
    const Entry* e = Find(requestCode);
    if (e && e->message) (this->*(e->message))(body, ack);
}

bool ReplyHandlers::EmptyListAnnounced(int code, const std::string& line) {
    if (code == code::kReadPhoneList && line == kEmptyPhoneList) {
        model_.Phones.ClearInUnitRows();
        if (pages_.phone) pages_.phone->ShowUsed();
        engine_.EndReadAll();
        return true;
    }
    if (code != code::kReadSpecialList) return false;
    if (line == kEmptySpecialGroupP)
        model_.Specials.ClearInUnitRows(SpecialSection::P);
    else if (line == kEmptySpecialGroupQ)
        model_.Specials.ClearInUnitRows(SpecialSection::Q);
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

void ReplyHandlers::Info(const char* text) { engine_.Messages().Info(text); }

void ReplyHandlers::InfoWhenConfirmed(int code, const std::string& reply, const std::string& ack,
                                      const char* text) {
    if (IsConfirmation(code, reply, ack)) Info(text);
}

// Continues an upload run after a short pause, without blocking the window.
// A pause that outlives its link sends nothing: on a new link the slot would
// replace the connect-time house count query.
void ReplyHandlers::ContinueAfter(int ms, ListPage* page) {
    if (!page) return;
    const int link = engine_.LinkGeneration();
    continueTimer_->Start(ms, false, [this, page, link] {
        if (engine_.LinkGeneration() == link) page->DownloadNext();
    });
}

}  // namespace dorvik
