#include "app/settings_page_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui_text.h"

namespace dorvik {
namespace {

QCheckBox* Toggle(const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(Tr(text), parent);
    box->setAccessibleName(box->text());
    return box;
}

// A frame holding groups one below the other.
QGroupBox* Frame(const QString& title, std::initializer_list<QWidget*> groups, QWidget* parent) {
    QGroupBox* frame = MakeGroup(title, parent);
    auto* column = new QVBoxLayout(frame);
    for (QWidget* g : groups) column->addWidget(g);
    return frame;
}

}  // namespace

// --- Single-relay unit ----------------------------------------------------------

MsicWidget::MsicWidget(CMsic& page, QWidget* parent) : SettingsTabBase(page, parent), msic_(page) {
    QPushButton* status =
        Command(QStringLiteral("Get Device Status"), [this] { msic_.OnGetDeviceStatus(); });
    PlaceColumns(
        {{UnitInfoGroup(), UnitTimeGroup(), PasswordGroup(), ReceptionGroup()},
         {BatteryGroup(), ClockUpdateGroup(), BandGroup(),
          RelayModeGroup(QStringLiteral("Relay Mode")), RelayStatusGroup()},
         {DelayGroup(), AlarmGroup(QStringLiteral("second"), [this] { msic_.OnGetAlarmContent(); }),
          status}});
    Refresh();
}

QGroupBox* MsicWidget::BatteryGroup() {
    battery_ = Toggle(QStringLiteral("Enable"), this);
    connect(battery_, &QCheckBox::clicked, this, [this] { Run([&] { msic_.OnBatteryToggle(); }); });
    current_ = MakeReadOnly(QStringLiteral("Current"), this);
    batteryAlarm_ = MakeEdit(QStringLiteral("Alarm"), msic_.Extra().batteryAlarm, this);
    return Group(QStringLiteral("Battery backup"),
                 {{battery_, nullptr, nullptr},
                  {MakeLabel(QStringLiteral("Current"), this), current_,
                   MakeLabel(QStringLiteral("%"), this)},
                  {MakeLabel(QStringLiteral("Alarm"), this), batteryAlarm_,
                   MakeLabel(QStringLiteral("%"), this)}},
                 {Command(QStringLiteral("Set Data"), [this] { msic_.OnSetBattery(); })});
}

QGroupBox* MsicWidget::RelayStatusGroup() {
    for (int r = 0; r < 2; ++r) {
        relays_[r] = MakeRadios(QStringLiteral("ON"), QStringLiteral("OFF"), this,
                                [this, r](bool off) { msic_.OnRelayOutput(r + 1, !off); });
    }
    return Group(
        QStringLiteral("Relay Status"),
        {{MakeLabel(QStringLiteral("Relay1:"), this), relays_[0].first, relays_[0].second},
         {MakeLabel(QStringLiteral("Relay2:"), this), relays_[1].first, relays_[1].second}},
        {});
}

QGroupBox* MsicWidget::DelayGroup() {
    delay_ = MakeEdit(QStringLiteral("Got Delay"), msic_.Form().delay, this);
    delayUnit_ = new QComboBox(this);
    delayUnit_->setAccessibleName(Tr("Got Delay"));
    for (const char* unit : kDelayUnits) delayUnit_->addItem(Tr(unit));
    connect(delayUnit_, &QComboBox::activated, this,
            [this](int index) { msic_.Extra().delayUnit = index; });
    return Group(QStringLiteral("Got Delay"), {{delay_, delayUnit_, nullptr}},
                 {Command(QStringLiteral("Get Got Delay"), [this] { msic_.OnGetDelay(); }),
                  Command(QStringLiteral("Set Got Delay"), [this] { msic_.OnSetDelay(); })});
}

void MsicWidget::RedrawExtra() {
    const SettingsForm& f = msic_.Form();
    ShowCheck(battery_, f.batteryEnabled);
    current_->setEnabled(f.batteryEnabled);
    ShowText(current_, f.batteryValue);
    ShowText(batteryAlarm_, msic_.Extra().batteryAlarm);
    ShowText(delay_, f.delay);
    delayUnit_->setCurrentIndex(msic_.Extra().delayUnit);
    for (int r = 0; r < 2; ++r) relays_[r].Show(!msic_.Extra().relayOn[r]);
}

// --- Seven-relay unit -------------------------------------------------------------

MultiRelayWidget::MultiRelayWidget(CMultiRelay& page, QWidget* parent)
    : SettingsTabBase(page, parent), multi_(page) {
    QGroupBox* base =
        Frame(QStringLiteral("Unit base setting"),
              {UnitInfoGroup(), UnitTimeGroup(), PasswordGroup(), ReceptionGroup(), BatteryGroup()},
              this);
    QGroupBox* clock =
        Frame(QStringLiteral("Uint base setting"), {ClockUpdateGroup(), BandGroup()}, this);
    QPushButton* status =
        Command(QStringLiteral("Get AStatus"), [this] { multi_.OnGetDeviceStatus(); });
    PlaceColumns({{base},
                  {clock, AlarmGroup(QStringLiteral("minute"), nullptr), status},
                  {RelayControlFrame()}});
    Refresh();
}

QGroupBox* MultiRelayWidget::BatteryGroup() {
    battery_ = Toggle(QStringLiteral("Enable"), this);
    connect(battery_, &QCheckBox::clicked, this,
            [this] { Run([&] { multi_.OnBatteryToggle(); }); });
    interval_ = MakeEdit(QStringLiteral("Interval"), multi_.Form().batteryValue, this);
    return Group(QStringLiteral("Battery backup"),
                 {{battery_, nullptr, nullptr},
                  {MakeLabel(QStringLiteral("Interval"), this), interval_,
                   MakeLabel(QStringLiteral("minute"), this)}},
                 {Command(QStringLiteral("Set Data"), [this] { multi_.OnSetBattery(); })});
}

QGroupBox* MultiRelayWidget::RelayControlFrame() {
    delay_ = MakeEdit(QStringLiteral("Relay1 Gate Delay"), multi_.Form().delay, this);
    QGroupBox* delay =
        Group(QStringLiteral("Relay1 Gate Delay"),
              {{delay_, MakeLabel(QStringLiteral("ms"), this), nullptr}},
              {Command(QStringLiteral("Get Gate Delay"), [this] { multi_.OnGetDelay(); }),
               Command(QStringLiteral("Set Gate Delay"), [this] { multi_.OnSetDelay(); })});
    return Frame(QStringLiteral("Relay Control"),
                 {RelayModeGroup(QStringLiteral("Relay1 Mode")), delay, RelayStatusGroup()}, this);
}

QGroupBox* MultiRelayWidget::RelayStatusGroup() {
    QGroupBox* group = MakeGroup(QStringLiteral("Relay Status"), this);
    auto* grid = new QGridLayout(group);
    for (int r = 0; r < kRelayCount; ++r) {
        QGroupBox* one = MakeGroup(Tr("Relay%1").arg(r + 1), group);
        auto* column = new QHBoxLayout(one);
        relays_[r] = MakeRadios(QStringLiteral("ON"), QStringLiteral("OFF"), one,
                                [this, r](bool off) { multi_.OnRelayRadio(r + 1, !off); });
        column->addWidget(relays_[r].first);
        column->addWidget(relays_[r].second);
        grid->addWidget(one, r / 3, r % 3);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        Command(QStringLiteral("Get Status"), [this] { multi_.OnGetRelayStatus(); }));
    buttons->addWidget(
        Command(QStringLiteral("Set Status"), [this] { multi_.OnSetRelayStatus(); }));
    grid->addLayout(buttons, 3, 0, 1, 3);
    return group;
}

void MultiRelayWidget::RedrawExtra() {
    const SettingsForm& f = multi_.Form();
    ShowCheck(battery_, f.batteryEnabled);
    interval_->setEnabled(f.batteryEnabled);
    ShowText(interval_, f.batteryValue);
    ShowText(delay_, f.delay);
    for (int r = 0; r < kRelayCount; ++r) relays_[r].Show(!multi_.Relays()[r]);
}

}  // namespace dorvik
