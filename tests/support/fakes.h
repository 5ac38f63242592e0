#pragma once
// Fakes of the platform seams: a manual timer, a scripted message box,
// recording progress bar, indicator and status pane, a scripted file chooser.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/indicator.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/status_pane.h"
#include "platform/timer.h"

namespace dorvik::test {

class ManualTimer : public Timer {
public:
    void Start(int intervalMs, bool periodic, std::function<void()> onTick) override;
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    // Fires one tick when active; a one-shot timer stops before its callback.
    void Fire();
    int interval() const { return interval_; }
    bool periodic() const { return periodic_; }
    int starts() const { return starts_; }

private:
    bool active_ = false;
    bool periodic_ = false;
    int interval_ = 0;
    int starts_ = 0;
    std::function<void()> onTick_;
};

// Hands out ManualTimers and keeps them reachable for the test.
class ManualTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer() override;
    const std::vector<ManualTimer*>& timers() const { return timers_; }
    // Fires every active timer with the given interval once.
    int FireAll(int intervalMs);

private:
    std::vector<std::shared_ptr<ManualTimer>> owned_;
    std::vector<ManualTimer*> timers_;
};

struct ShownBox {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

class RecordingMessageBox : public MessageBox {
public:
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons) override;
    // Answers given to questions in order; Ok boxes take none.
    void Script(MsgAnswer a) { answers_.push_back(a); }
    std::vector<std::string> Texts() const;
    std::vector<ShownBox> shown;

private:
    std::deque<MsgAnswer> answers_;
};

class RecordingProgressBar : public ProgressBar {
public:
    void Show(int minimum, int maximum) override;
    void SetPos(int pos) override { pos_ = pos; positions.push_back(pos); }
    void Hide() override { visible = false; ++hides; }
    void SetText(const std::string& t) override { text = t; }
    bool visible = false;
    std::string text;
    int minimum = 0, maximum = 0, pos_ = 0, hides = 0;
    std::vector<int> positions;
};

class RecordingIndicator : public Indicator {
public:
    void SetLed(LedColour colour, bool lit) override { states.push_back({colour, lit}); }
    std::vector<std::pair<LedColour, bool>> states;
};

// Keeps the last connection text shown.
class RecordingStatusPane : public StatusPane {
public:
    void SetConnectionText(const std::string& t) override { text = t; }
    std::string text;
};

// A local date and time; the second may be left out.
inline std::tm Time(int y, int mo, int d, int h, int mi, int s = 0) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    t.tm_isdst = -1;
    return t;
}

class FixedClock : public Clock {
public:
    explicit FixedClock(std::tm t) : t_(t) {}
    std::tm LocalNow() const override { return t_; }

private:
    std::tm t_;
};

class ScriptedFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const std::string& filter,
                                          const std::string& defaultExt) override;
    std::optional<std::string> ChooseSave(const std::string& filter, const std::string& defaultExt,
                                          const std::string& suggestedName) override;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> filters;
};

}  // namespace dorvik::test
