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
        model_.UnitPassword = page->PendingPassword();
    }
    Info("Set password success");
}

void ReplyHandlers::OnSetName(const std::string& line, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetDeviceName, line, ack, "Set unit name success");
}

void ReplyHandlers::OnQueryName(const std::string& line, const std::string&) {
    Release();
    auto name = ParseDeviceName(line);
    SettingsPage* page = ActivePage();
    if (name && page) page->SetUnitNameAndVersion(name->name, name->version, false);
}

void ReplyHandlers::OnSetDelay(const std::string&, const std::string&) {
    Release();
    Info("Set delay time success");
}

void ReplyHandlers::OnSetDelayMessage(const std::string& body, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetDelay, body, ack, "Set delay time success");
}

void ReplyHandlers::OnQueryDelay(const std::string& line, const std::string&) {
    if (SettingsPage* page = ActivePage()) page->SetDelay(ParseDelayReply(line).value_or(0));
    Release();
}

void ReplyHandlers::OnSetRelayMode(const std::string& line, const std::string& ack) {
    Release();
    if (!IsConfirmation(code::kSetRelayMode, line, ack)) return;
    int mode = ReadRelayModeAck(line).value_or(0);
    model_.Settings.UnitMode = mode;
    model_.MultiRelay.UnitMode = mode;
    Info("Set Relay mode succes");
}

void ReplyHandlers::OnQueryRelayMode(const std::string& line, const std::string&) {
    Release();
    if (!StartsWith(line, "RELAY")) return;
    if (SettingsPage* page = ActivePage()) page->SetRelayMode(ParseRelayModeReply(line).value_or(0));
}

void ReplyHandlers::OnSetClock(const std::string& line, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetClock, line, ack, "Set unit time success");
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

void ReplyHandlers::OnSetClockUpdate(const std::string& line, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetClockUpdate, line, ack, "Set time update success");
}

void ReplyHandlers::OnQueryClockUpdate(const std::string& line, const std::string&) {
    auto reply = ParseClockUpdateReply(line);
    SettingsPage* page = ActivePage();
    if (reply && page) page->SetClockUpdate(reply->enabled, reply->number);
    Release();
}

void ReplyHandlers::OnReception(const std::string& line, const std::string&) {
    auto value = ParseReceptionReply(line);
    SettingsPage* page = ActivePage();
    if (value && page) page->SetReception(*value);
    Release();
}

void ReplyHandlers::OnAlarmInputs(const std::string& line, const std::string& ack) {
    InfoWhenConfirmed(code::kSetAlarmInputs, line, ack, "Set alarm mode success");
    Release();
}

void ReplyHandlers::OnBattery(const std::string&, const std::string&) {
    Info("Set battery backup success");
    Release();
}

void ReplyHandlers::OnBatteryMessage(const std::string& body, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetBattery, body, ack, "Set battery backup success");
}

void ReplyHandlers::OnAlarmContent(const std::string& line, const std::string& ack) {
    InfoWhenConfirmed(code::kSetAlarmContent, line, ack, "Set alarm content success");
    Release();
}

void ReplyHandlers::OnSetBand(const std::string& line, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetBand, line, ack, "Set band  success");
}

void ReplyHandlers::OnQueryBand(const std::string& line, const std::string&) {
    Release();
    if (!StartsWith(line, "BAND")) return;
    auto band = ParseBandReply(line);
    SettingsPage* page = ActivePage();
    if (band && page) page->SetBandText(*band);
}

void ReplyHandlers::OnSetOutputs(const std::string& line, const std::string& ack) {
    Release();
    InfoWhenConfirmed(code::kSetOutputs, line, ack, "Set out  success");
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
