#include "pages/multi_relay.h"

#include <variant>

#include "protocol/catalogue.h"
#include "protocol/text_scan.h"

namespace dorvik {
namespace {

constexpr char kRelayDigits[] = "%01d%01d%01d%01d%01d%01d%01d";
// The battery value that switches the battery alarm off.
constexpr char kBatteryOff[] = "00";

}  // namespace

CMultiRelay::CMultiRelay(ConnectionEngine& engine, MultiRelaySettings& settings,
                         const Clock& clock)
    : SettingsPageBase(engine, settings, clock, PageRole::MultiRelay, kPageNumber) {
    relays_.fill(true);
}

void CMultiRelay::OnSetDelay() { SendCommand(SetDelayMulti(Pw(), Form().delay)); }

void CMultiRelay::OnSetBattery() {
    SendCommand(SetBatteryMulti(Pw(), Form().batteryEnabled, Form().batteryValue));
}

void CMultiRelay::OnRelayRadio(int relay, bool on) {
    if (relay < 1 || relay > kRelayCount) return;
    relays_[relay - 1] = on;
    Touch();
}

void CMultiRelay::OnGetRelayStatus() {
    CollectSettings();
    SendCommand(OutputsQuery(Pw()));
}

void CMultiRelay::OnSetRelayStatus() {
    CollectSettings();
    SendCommand(SetOutputs(Pw(), Settings().RelayStatus));
}

void CMultiRelay::ApplyRelayStatus(const std::string& text) {
    // Relays after the last digit read keep their state.
    const std::vector<ScanValue> digits = ScanText(text, kRelayDigits);
    for (std::size_t k = 0; k < digits.size() && k < relays_.size(); ++k)
        relays_[k] = std::get<int>(digits[k]) != 0;
    Touch();
}

void CMultiRelay::ApplyStatusReply(const std::string& reply) {
    const std::optional<StatusReport> report = ParseStatusReply(reply, kMultiRelayStatus);
    if (!report) return;
    if (report->delay) Form().delay = *report->delay;
    if (report->battery) {
        // "00" switches the alarm off and leaves the interval box as it was.
        const bool on = *report->battery != kBatteryOff;
        Form().batteryEnabled = on;
        if (on) Form().batteryValue = *report->battery;
    }
    relayFlag_ = report->relayOn;
    ApplyStatusCommon(*report);
}

void CMultiRelay::CollectRelays() { Settings().RelayStatus = FormatRelayText(relays_); }

void CMultiRelay::ApplyRelays() { ApplyRelayStatus(Settings().RelayStatus); }

}  // namespace dorvik
