#include "fakes.h"

namespace dorvik::test {

void ManualTimer::Start(int intervalMs, bool periodic, std::function<void()> onTick) {
    active_ = true;
    periodic_ = periodic;
    interval_ = intervalMs;
    onTick_ = std::move(onTick);
    ++starts_;
}

void ManualTimer::Fire() {
    if (!active_) return;
    if (!periodic_) active_ = false;
    auto tick = onTick_;  // the callback may restart or destroy the timer's function
    if (tick) tick();
}

namespace {
// The caller's handle; the timer itself stays with the factory so that the
// test can still look at it after the caller dropped it.
class TimerHandle : public Timer {
public:
    explicit TimerHandle(std::shared_ptr<ManualTimer> t) : t_(std::move(t)) {}
    ~TimerHandle() override { t_->Stop(); }
    void Start(int ms, bool periodic, std::function<void()> onTick) override {
        t_->Start(ms, periodic, std::move(onTick));
    }
    void Stop() override { t_->Stop(); }
    bool IsActive() const override { return t_->IsActive(); }

private:
    std::shared_ptr<ManualTimer> t_;
};
}  // namespace

std::unique_ptr<Timer> ManualTimerFactory::CreateTimer() {
    auto t = std::make_shared<ManualTimer>();
    owned_.push_back(t);
    timers_.push_back(t.get());
    return std::make_unique<TimerHandle>(t);
}

int ManualTimerFactory::FireAll(int intervalMs) {
    int fired = 0;
    for (auto* t : std::vector<ManualTimer*>(timers_)) {
        if (t->IsActive() && t->interval() == intervalMs) {
            t->Fire();
            ++fired;
        }
    }
    return fired;
}

MsgAnswer RecordingMessageBox::Show(const std::string& text, const std::string& caption,
                                    MsgIcon icon, MsgButtons buttons) {
    shown.push_back({text, caption, icon, buttons});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers_.empty()) return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::No;
    MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::vector<std::string> RecordingMessageBox::Texts() const {
    std::vector<std::string> out;
    for (const auto& b : shown) out.push_back(b.text);
    return out;
}

void RecordingProgressBar::Show(int lo, int hi) {
    visible = true;
    minimum = lo;
    maximum = hi;
}

std::optional<std::string> ScriptedFileChooser::ChooseOpen(const std::string& filter,
                                                           const std::string&) {
    filters.push_back(filter);
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedFileChooser::ChooseSave(const std::string& filter,
                                                           const std::string& ext,
                                                           const std::string&) {
    return ChooseOpen(filter, ext);
}

}  // namespace dorvik::test
