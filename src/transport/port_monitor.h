#pragma once
// The monitoring thread of one open serial port: it waits for a stop
// request, received bytes and texts to write, in that order of precedence,
// delivers received bytes to the listener on the window thread and writes
// the queued texts.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/message_box.h"
#include "transport/serial_listener.h"
#include "platform/ui_dispatcher.h"
#include "transport/unique_fd.h"
#include "transport/write_queue.h"

namespace dorvik {

struct MonitorSeams {
    SerialListener& listener;
    UiDispatcher& ui;
    MessageBox& box;
};

class PortMonitor {
public:
    // fd stays owned by the caller, who may close it as soon as Stop()
    // returns: the thread does not touch it after that.
    PortMonitor(int fd, int port, WriteQueue& writes, MonitorSeams seams);
    ~PortMonitor();
    PortMonitor(const PortMonitor&) = delete;
    PortMonitor& operator=(const PortMonitor&) = delete;

    // False when the thread or its stop event cannot be created.
    bool Start();
    // Asks the thread to end; no notification is delivered after this.
    // True when the thread has ended. False when it is inside a
    // notification (for instance Stop was called from one): it then ends
    // as soon as that notification returns, without touching the port
    // again, and Join() must be called later.
    bool Stop();
    void Join();
    bool Finished() const;
    // True once the device went away; the port is no longer watched.
    bool Lost() const { return lost_; }
    // True on the window thread while it runs one of this monitor's
    // notifications.
    bool Notifying() const { return notifying_; }
    // Bytes read but not handed over because of a stop.
    std::string TakeUndelivered();

private:
    enum class Wake { Stop, Port, PortHangup, Write };

    void Run();
    bool Step();
    Wake WaitForWork();
    bool ReadAvailable(bool hangup);
    bool WritePending();
    bool WriteAll(const std::string& text);
    bool WaitWritable();
    bool WriteFailed(int err);
    bool DeviceLost();
    bool Deliver(const std::function<void()>& fn);
    void DeliverBytes();
    bool StopRequested() const;

    int fd_;
    int port_;
    WriteQueue& writes_;
    MonitorSeams seams_;
    UniqueFd stopEvent_;
    mutable std::mutex mutex_;
    bool stopRequested_ = false;
    bool delivering_ = false;
    bool finished_ = false;
    std::atomic<bool> lost_{false};
    std::atomic<bool> notifying_{false};
    std::string undelivered_;  // guarded by mutex_
    std::thread thread_;
};

}  // namespace dorvik
