// Reply handlers of the settings commands.
#include "protocol/replies.h"
#include "protocol/reply_handlers.h"
#include "protocol/request.h"
#include "protocol/text_scan.h"

namespace dorvik {

void ReplyHandlers::OnPassword(const std::string& line, const std::string& ack) {
    Release();
    if (!IsConfirmation(code::kChangePassword, line, ack)) {
        engine_.Messages().Error(line);
        return;
    }
    if (SettingsPage* page = ActivePage()) {
        engine_.SetPassword(page->PendingPassword());
        model_.unitPassword = page->PendingPassword();
    }
    Info("Set password success");
}

void ReplyHandlers::OnQueryName(const std::string& line, const std::string&) {
    Release();
    auto name = ParseDeviceName(line);
    SettingsPage* page = ActivePage();
    if (name && page) page->SetUnitNameAndVersion(name->name, name->version, false);
}

void ReplyHandlers::OnSetRelayMode(const std::string& line, const std::string& ack) {
    Release();
    if (!IsConfirmation(code::kSetRelayMode, line, ack)) return;
    int mode = ReadRelayModeAck(line).value_or(0);
    model_.settings.UnitMode = mode;
    model_.multiRelay.UnitMode = mode;
    Info("Set Relay mode succes");
}

void ReplyHandlers::OnQueryClock(const std::string& line, const std::string&) {
    Release();
    auto clock = ParseClockReply(line);
    SettingsPage* page = ActivePage();
    if (!clock || !page) return;
    std::tm t{};
    t.tm_year = clock->year - 1900;
    t.tm_mon = clock->month - 1;
    t.tm_mday = clock->day;
    t.tm_hour = clock->hour;
    t.tm_min = clock->minute;
    t.tm_sec = clock->second;
    t.tm_isdst = -1;
    page->SetUnitTime(t);
}

void ReplyHandlers::OnQueryClockUpdate(const std::string& line, const std::string&) {
    auto reply = ParseClockUpdateReply(line);
    SettingsPage* page = ActivePage();
    if (reply && page) page->SetClockUpdate(reply->enabled, reply->number);
    Release();
}

void ReplyHandlers::OnQueryOutputs(const std::string& line, const std::string&) {
    if (StartsWith(line, "OUT")) {
        auto word = ScanWord(line, "OUT IS %s");
        if (word && pages_.multiRelay) pages_.multiRelay->ApplyRelayStatus(*word);
    }
    Release();
}

void ReplyHandlers::OnStatus(const std::string& line, const std::string&) {
    Release();
    if (SettingsPage* page = ActivePage()) page->ApplyStatusReply(line);
}

void ReplyHandlers::OnStatusMessage(const std::string& body, const std::string&) {
    if (SettingsPage* page = ActivePage()) page->ApplyStatusReply(body);
}

void ReplyHandlers::OnQueryAlarmContent(const std::string& line, const std::string&) {
    Release();
    if (engine_.ActiveSettingsPage() == 1 && pages_.msic) pages_.msic->ApplyAlarmContentReply(line);
}

}  // namespace dorvik
