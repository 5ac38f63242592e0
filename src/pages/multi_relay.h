#pragma once
// The settings page of the seven-relay unit: the settings of the
// single-relay page with a gate delay in milliseconds, a battery interval
// in minutes and seven relay outputs that are read and set together.
#include "model/settings_text.h"
#include "model/unit_settings.h"
#include "pages/settings_page_base.h"

namespace dorvik {

class CMultiRelay : public SettingsPageBase<MultiRelaySettings> {
public:
    static constexpr int kPageNumber = 2;

    // Registers itself with the engine as the multi-relay page; every
    // relay starts ON.
    CMultiRelay(ConnectionEngine& engine, MultiRelaySettings& settings, const Clock& clock);

    const RelayStates& Relays() const { return relays_; }
    // The single relay flag of the last status reply ("RELAY=ON").
    bool RelayFlag() const { return relayFlag_; }

    void OnSetDelay();
    void OnSetBattery();
    // A relay's "ON"/"OFF" radio (relay 1 to 7); nothing is sent.
    void OnRelayRadio(int relay, bool on);
    void OnGetRelayStatus();
    void OnSetRelayStatus();

    // Seven one-digit numbers, relay 1 first; an empty text changes nothing.
    void ApplyRelayStatus(const std::string& text) override;
    void ApplyStatusReply(const std::string& reply) override;

private:
    void CollectRelays() override;
    void ApplyRelays() override;

    RelayStates relays_;
    bool relayFlag_ = false;
};

}  // namespace dorvik
