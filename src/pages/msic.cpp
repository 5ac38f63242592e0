#include "pages/msic.h"

#include "protocol/catalogue.h"

namespace dorvik {

CMsic::CMsic(ConnectionEngine& engine, UnitSettings& settings, const Clock& clock)
    : SettingsPageBase(engine, settings, clock, PageRole::Msic, kPageNumber) {}

void CMsic::OnSetDelay() {
    SendCommand(dorvik::SetDelay(Pw(), Form().delay, DelayUnitWord(extra_.delayUnit)));
}

void CMsic::OnSetBattery() {
    SendCommand(SetBatteryBackup(Pw(), Form().batteryEnabled, extra_.batteryAlarm));
}

void CMsic::OnGetAlarmContent() { SendCommand(AlarmContentQuery(Pw())); }

void CMsic::OnRelayOutput(int relay, bool on) {
    // The clicked radio keeps its check even when nothing can be sent.
    extra_.relayOn[relay == 1 ? 0 : 1] = on;
    Touch();
    SendCommand(SwitchOutput(Pw(), relay == 1 ? 1 : 2, on), true);
}

void CMsic::ApplyStatusReply(const std::string& reply) {
    const std::optional<StatusReport> report = ParseStatusReply(reply, kSingleRelayStatus);
    if (!report) return;
    if (report->delay) {
        const DelayReading delay = ReadStatusDelay(*report->delay);
        Form().delay = delay.value;
        extra_.delayUnit = delay.unitIndex;
    }
    if (report->battery) {
        const BatteryReading battery = ReadStatusBattery(*report->battery);
        Form().batteryEnabled = battery.enabled;
        Form().batteryValue = battery.value;
    }
    Settings().RelayStatus = report->relayOn ? 1 : 0;
    ApplyStatusCommon(*report);
    ApplyRelays();
    extra_.relayOn[1] = report->relay2On;
}

void CMsic::CollectRelays() { Settings().RelayStatus = extra_.relayOn[0] ? 1 : 0; }

void CMsic::ApplyRelays() {
    extra_.relayOn[0] = Settings().RelayStatus != 0;
    Touch();
}

}  // namespace dorvik
