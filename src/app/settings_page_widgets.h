#pragma once
// The two "Miscellaneous" tabs: the single-relay unit's settings and the
// seven-relay unit's settings.
#include <array>

#include "app/settings_tab_base.h"
#include "pages/msic.h"
#include "pages/multi_relay.h"

namespace dorvik {

class MsicWidget : public SettingsTabBase<UnitSettings> {
public:
    explicit MsicWidget(CMsic& page, QWidget* parent = nullptr);

private:
    QGroupBox* BatteryGroup();
    QGroupBox* RelayStatusGroup();
    QGroupBox* DelayGroup();
    void RedrawExtra() override;

    CMsic& msic_;
    QCheckBox* battery_;
    QLineEdit *current_, *batteryAlarm_, *delay_;
    QComboBox* delayUnit_;
    std::array<RadioPair, 2> relays_;
};

class MultiRelayWidget : public SettingsTabBase<MultiRelaySettings> {
public:
    explicit MultiRelayWidget(CMultiRelay& page, QWidget* parent = nullptr);

private:
    QGroupBox* BatteryGroup();
    QGroupBox* RelayControlFrame();
    QGroupBox* RelayStatusGroup();
    void RedrawExtra() override;

    CMultiRelay& multi_;
    QCheckBox* battery_;
    QLineEdit *interval_, *delay_;
    std::array<RadioPair, kRelayCount> relays_;
};

}  // namespace dorvik
