#include "link_fixture.h"

#include "protocol/request.h"

namespace dorvik::test {
namespace {

class ScaledTimer : public Timer {
public:
    ScaledTimer(std::unique_ptr<Timer> inner, int factor) : inner_(std::move(inner)), factor_(factor) {}
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

LinkFixture::LinkFixture() {
    engine.SetReplySink(&handlers);
    engine.RegisterPage(PageRole::Phone, &phone);
    engine.RegisterPage(PageRole::Special, &special);
    engine.RegisterPage(PageRole::Alarm, &alarm);
    engine.RegisterPage(PageRole::Msic, &msic);
    engine.RegisterPage(PageRole::MultiRelay, &multi);
    engine.RegisterPage(PageRole::House, &house);
    handlers.SetPages({&phone, &special, &alarm, &house, &msic, &multi, nullptr});
}

LinkFixture::~LinkFixture() {
    serial.Close();
    loop.Shutdown();
}

void LinkFixture::StartUnit(const std::vector<std::string>& args) {
    unit = std::make_unique<UnitSimProcess>(args);
    ASSERT_FALSE(unit->Device().empty()) << "the simulated unit did not start";
    LinkParams p;
    p.password = kPassword;
    p.unitId = "0815";
    p.port.port = 1;
    p.port.devicePath = unit->Device();
    engine.SetParams(p);
}

bool LinkFixture::Connect() {
    engine.OnConnectCommand();
    return RunUntil([&] { return engine.Connected() && engine.ReplySeen() && house.slotCount > 0; });
}

void LinkFixture::Send(const Request& r) { engine.SendRequest(r.frame, r.code, r.ack); }

bool LinkFixture::RunUntil(const std::function<bool()>& done, int limitMs) {
    return loop.RunUntil(done, std::chrono::milliseconds(limitMs));
}

}  // namespace dorvik::test
