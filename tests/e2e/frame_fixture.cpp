#include "frame_fixture.h"

#include <fstream>

#include "model/settings_file.h"

namespace dorvik::test {
namespace {

class ScaledTimer : public Timer {
public:
    ScaledTimer(std::unique_ptr<Timer> inner, int factor)
        : inner_(std::move(inner)), factor_(factor) {}
    void Start(int ms, bool periodic, std::function<void()> onTick) override {
        inner_->Start(std::max(1, ms / factor_), periodic, std::move(onTick));
    }
    void Stop() override { inner_->Stop(); }
    bool IsActive() const override { return inner_->IsActive(); }

private:
    std::unique_ptr<Timer> inner_;
    int factor_;
};

}  // namespace

std::unique_ptr<Timer> ScaledTimers::CreateTimer() {
    return std::make_unique<ScaledTimer>(inner_.CreateTimer(), factor_);
}

FrameRig::FrameRig(const std::string& settingsPath, const std::string& device)
    : clock(Time(2024, 5, 6, 7, 8, 9)),
      frame({loop, timers, boxes, files, progress, led, status, clock, links.serial, links.modem},
            settingsPath) {
    frame.SetDeviceOverride(device);
}

FrameRig::~FrameRig() {
    links.serial.Close();
    links.modem.Close();
    loop.Shutdown();
}

FrameFixture::FrameFixture()
    : journal_(dir_.File("journal")), settingsPath_(dir_.File("DORVIK.ini")) {}

FrameFixture::~FrameFixture() {
    rig_.reset();
    unit.reset();
    KeepWireJournal(journal_);
}

void FrameFixture::StartUnit(std::vector<std::string> args) {
    args.insert(args.end(), {"--journal", journal_});
    unit = std::make_unique<UnitSimProcess>(args);
    ASSERT_FALSE(unit->Device().empty()) << "the simulated unit did not start";
}

CMainFrame& FrameFixture::OpenFrame(const FrameSettings& s) {
    rig_.reset();
    ConnectionSettings settings;
    settings.password = kPassword;
    settings.unitId = "0815";
    settings.useModem = s.modem;
    settings.unitPhoneNumber = "13900002222";
    settings.expiredTime = s.modemReplySec;
    settings.autoOpen = false;
    SettingsFile(settingsPath_).Write(settings);
    rig_ = std::make_unique<FrameRig>(settingsPath_, unit ? unit->Device() : std::string());
    boxesSeen_ = 0;
    return rig_->frame;
}

// The house count answer rebuilds the phone list; until then a command
// would replace the pending query, and its answer would go unread.
bool FrameFixture::Connect(int houses) {
    const PhoneList& phones = F().Model().phones;
    const auto before = phones.Revision();
    F().OnConnect();
    return RunUntil([&] {
        return F().Engine().Connected() && phones.Revision() != before &&
               phones.Size() == 2 * houses && F().Phone().CommandsEnabled();
    });
}

// The set-up ends with the unit's old answers deleted.
bool FrameFixture::ConnectModem() {
    F().OnConnect();
    return RunUntil([&] {
        return F().Engine().Connected() && Modem().Receiver().Initialised() &&
               Modem().Receiver().Buffer().empty();
    });
}

bool FrameFixture::RunUntil(const std::function<bool()>& done, int limitMs) {
    return rig_->loop.RunUntil(done, std::chrono::milliseconds(limitMs));
}

std::string FrameFixture::NextBox() {
    auto& shown = rig_->boxes.shown;
    if (!RunUntil([&] { return shown.size() > boxesSeen_; })) return {};
    return shown[boxesSeen_++].text;
}

void FrameFixture::ClearJournal() const {
    KeepWireJournal(journal_);
    std::ofstream(journal_, std::ios::trunc);
}

}  // namespace dorvik::test
