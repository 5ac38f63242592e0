#pragma once
// The tool's real serial link (driver, engine, reply handling, model) on a
// plain event loop, talking to a simulated unit over a pseudo-terminal.
// Timers run faster by a fixed factor so that supervision tests stay short.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "fake_pages.h"
#include "fakes.h"
#include "loop/event_loop.h"
#include "model/unit_model.h"
#include "protocol/connection_engine.h"
#include "protocol/reply_handlers.h"
#include "protocol/request.h"
#include "transport/serial_link.h"
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

class LinkFixture : public ::testing::Test {
protected:
    static constexpr int kTimerFactor = 10;
    static constexpr char kPassword[] = "482915";

    LinkFixture();
    ~LinkFixture() override;

    // Starts the simulated unit with the given options and points the link at it.
    void StartUnit(const std::vector<std::string>& args);
    // Connects and waits for the house count; false when that did not happen.
    bool Connect();
    void Send(const Request& r);
    // Runs the loop until done() or the limit; returns done().
    bool RunUntil(const std::function<bool()>& done, int limitMs = 5000);
    void RunFor(int ms) { loop.RunFor(std::chrono::milliseconds(ms)); }

    EventLoop loop;
    ScaledTimers timers{loop, kTimerFactor};
    RecordingMessageBox boxes;
    RecordingIndicator led;
    RecordingProgressBar progress;
    RecordingStatusPane status;
    SerialLink serial{loop, boxes};
    UnitModel model;
    ConnectionEngine engine{{serial, timers, boxes, led, progress, status}};
    ReplyHandlers handlers{model, engine};
    RecordingPage phone, special, alarm, house;
    RecordingSettingsPage msic, multi;
    std::unique_ptr<UnitSimProcess> unit;
};

}  // namespace dorvik::test
