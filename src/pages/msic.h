#pragma once
// The settings page of the single-relay unit (tab "Miscellaneous"): every
// setting that is not a phone list, its two relay outputs and the device
// status read.
#include <array>

#include "model/unit_settings.h"
#include "pages/settings_page_base.h"

namespace dorvik {

// The gate delay's unit list, index 0 to 2.
inline constexpr std::array<const char*, 3> kDelayUnits = {"min", "s", "ms"};

// Controls of the single-relay page only.
struct MsicForm {
    int delayUnit = 2;                // index into kDelayUnits
    std::string batteryAlarm;         // the battery "Alarm" percentage
    std::array<bool, 2> relayOn{};    // Relay1 and Relay2: "ON" checked, "OFF" clear
};

class CMsic : public SettingsPageBase<UnitSettings> {
public:
    static constexpr int kPageNumber = 1;

    // Registers itself with the engine as the unit settings page.
    CMsic(ConnectionEngine& engine, UnitSettings& settings, const Clock& clock);

    MsicForm& Extra() { return extra_; }
    const MsicForm& Extra() const { return extra_; }

    void OnSetDelay();
    void OnSetBattery();
    void OnGetAlarmContent();
    // Radio "ON"/"OFF" of relay 1 or 2: switches the output at once.
    void OnRelayOutput(int relay, bool on);

    void ApplyStatusReply(const std::string& reply) override;

private:
    void CollectRelays() override;
    void ApplyRelays() override;

    MsicForm extra_;
};

}  // namespace dorvik
