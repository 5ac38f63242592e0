#pragma once
// One run of the main window logic without a window: the plain event loop,
// the console seams and a CMainFrame set up from the settings file and the
// command-line options. Unit commands open the link once and wait here for
// the core to finish what a button press started.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/console_seams.h"
#include "cli/options.h"
#include "cli/output.h"
#include "loop/event_loop.h"
#include "pages/main_frame.h"
#include "platform/clock.h"
#include "platform/null_seams.h"
#include "transport/device_links.h"

namespace dorvik::cli {

// Ctrl-C presses since the handler was installed.
void InstallInterruptHandler();
int Interrupts();

enum class WaitEnd {
    Done,         // the condition holds
    Failed,       // an error box was shown
    Interrupted,  // Ctrl-C
    Stalled,      // nothing happened for longer than the unit may take
};

class Session {
public:
    // A pause without bytes that ends a one-line answer.
    static constexpr int kSettleMs = 300;
    // The lines of a read-all come back to back: a second without a byte
    // ends it.
    static constexpr int kReadQuietMs = 1000;
    // After Ctrl-C, how long a silent unit may keep the slot on its way.
    static constexpr int kStopGraceMs = 1000;
    // Reads the settings file (never written unless asked) and applies the
    // connection options over it.
    explicit Session(const Options& options, Output* output = nullptr);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    CMainFrame& Frame() { return *frame_; }
    ConsoleMessageBox& Boxes() { return boxes_; }
    const Options& SessionOptions() const { return options_; }

    // Why the link cannot be opened as configured (a usage error), or nothing.
    std::optional<std::string> CheckLink() const;
    // Opens the link unless it is open; false when it failed (Boxes() say why).
    bool Connect();
    // Closes the link the way the unit expects (TAVRIN: PROG-QUIT).
    void Disconnect();

    // Reads the --project file (when it exists) aside, without touching the
    // frame; the reason when it is no project.
    std::optional<std::string> CheckProject();
    // Opens the --project file in the frame, once. On the serial link the
    // unit's house count rebuilds the phone and house lists, so unit
    // commands open the project after connecting.
    void OpenProject();
    // Saves to the --project file once it was opened; false when that
    // failed (Boxes() say why).
    bool SaveProject();
    // Writes the settings file when --save-settings was given.
    bool SaveSettingsIfAsked();

    // Runs the loop until done() holds, an error box shows, Ctrl-C is pressed
    // or nothing happens for too long. onTick runs about ten times a second.
    WaitEnd Wait(const std::function<bool()>& done, const std::function<void()>& onTick = {});
    // True once nothing was received or changed for ms milliseconds.
    bool QuietFor(int ms);

private:
    void ApplyOptions();
    void GuardDroppedSlots();
    std::uint64_t Activity();
    int StallLimitMs() const;
    std::optional<WaitEnd> Stopped(const std::function<bool()>& done, std::size_t errors,
                                   int presses);

    Options options_;
    // The loop outlives the frame: the drivers' threads hand bytes to it.
    EventLoop loop_;
    ConsoleMessageBox boxes_;
    NullFileChooser files_;
    ProgressLine progress_;
    NullIndicator indicator_;
    NullStatusPane status_;
    SystemClock clock_;
    DeviceLinks links_{loop_, boxes_};
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<UnitModel> checked_;  // the project as read by CheckProject
    bool projectOpened_ = false;
    // Why saving the project would lose slots; empty when it would not.
    std::string saveBlocked_;
    std::uint64_t activity_ = 0;
    std::chrono::steady_clock::time_point lastActivity_;
};

}  // namespace dorvik::cli
