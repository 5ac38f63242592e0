#pragma once
// A whole main window (CMainFrame: settings file, model, serial link, modem
// mode, engine, reply handling and every page) on a plain event loop,
// driven as a user would drive it, against dorvik-unitsim started as a
// child process. Timers run faster by a fixed factor.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes.h"
#include "loop/event_loop.h"
#include "pages/main_frame.h"
#include "scratch_dir.h"
#include "transport/device_links.h"
#include "unitsim_process.h"

namespace dorvik::test {

// Timers of the wrapped factory, with every interval divided by `factor`.
class ScaledTimers : public TimerFactory {
public:
    ScaledTimers(TimerFactory& inner, int factor) : inner_(inner), factor_(factor) {}
    std::unique_ptr<Timer> CreateTimer() override;

private:
    TimerFactory& inner_;
    int factor_;
};

// One main window on its own event loop with fakes for its seams. Each
// window gets a fresh loop: closing it shuts the loop down, so that a
// driver thread handing over a byte at that moment is never left waiting.
struct FrameRig {
    static constexpr int kTimerFactor = 10;

    FrameRig(const std::string& settingsPath, const std::string& device);
    ~FrameRig();
    FrameRig(const FrameRig&) = delete;
    FrameRig& operator=(const FrameRig&) = delete;

    EventLoop loop;
    ScaledTimers timers{loop, kTimerFactor};
    RecordingMessageBox boxes;
    ScriptedFileChooser files;
    RecordingProgressBar progress;
    RecordingIndicator led;
    RecordingStatusPane status;
    FixedClock clock;  // the PC's clock reads 2024-05-06 07:08:09
    DeviceLinks links{loop, boxes};
    CMainFrame frame;
};

// The connection settings a test starts with.
struct FrameSettings {
    bool modem = false;
    // Seconds; generous, since the timers are scaled down.
    int modemReplySec = 30;
};

class FrameFixture : public ::testing::Test {
protected:
    static constexpr char kPassword[] = "482915";
    static constexpr int kLimitMs = 30000;

    FrameFixture();
    ~FrameFixture() override;

    // Starts the simulated unit with its commands journalled to Journal().
    void StartUnit(std::vector<std::string> args);
    // Writes the settings file and opens a new main window over it (the old
    // one, if any, is closed first), pointed at the simulated unit.
    CMainFrame& OpenFrame(const FrameSettings& settings = {});
    // Serial link: connects and waits until the house count has rebuilt the lists.
    bool Connect(int houses = 400);
    // Modem mode: connects and waits until the modem initialisation is answered.
    bool ConnectModem();

    bool RunUntil(const std::function<bool()>& done, int limitMs = kLimitMs);
    // Presses a button of the page and waits until it takes commands again.
    template <class Page>
    bool Press(Page& page, const std::function<void()>& button) {
        button();
        return RunUntil([&] { return page.CommandsEnabled(); });
    }
    // Presses a button and gives the text of the message box it leads to.
    std::string PressForBox(const std::function<void()>& button) {
        button();
        return NextBox();
    }
    // Waits for the next message box and gives its text (empty: none came).
    std::string NextBox();

    // The lines the simulated unit (or its modem) received, in order.
    std::vector<std::string> JournalLines() const { return LinesWith(journal_); }
    // Journal lines holding `part`.
    std::vector<std::string> JournalWith(const std::string& part) const { return LinesWith(journal_, part); }
    void ClearJournal() const;

    CMainFrame& F() { return rig_->frame; }
    ModemMode& Modem() { return rig_->links.modem; }
    FrameRig& Rig() { return *rig_; }
    std::vector<std::string> BoxTexts() const { return rig_->boxes.Texts(); }

    std::unique_ptr<UnitSimProcess> unit;

private:
    ScratchDir dir_;
    std::string journal_;
    std::string settingsPath_;
    std::size_t boxesSeen_ = 0;
    std::unique_ptr<FrameRig> rig_;
};

}  // namespace dorvik::test
