#pragma once
// The serial port driver: one POSIX terminal device opened for
// non-blocking I/O, with a monitoring thread that delivers received bytes
// to the listener on the window thread and writes the texts sent.
#include <termios.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/link.h"
#include "platform/ui_dispatcher.h"
#include "transport/serial_listener.h"
#include "transport/port_monitor.h"
#include "transport/unique_fd.h"
#include "transport/write_queue.h"

namespace dorvik {

// Open, write and stop are called on the window thread. Every write tells
// the listener the text (OnCommandWritten) before it reaches the wire;
// received bytes arrive through the dispatcher, in order. The driver must
// not be destroyed from inside one of its own notifications.
class CSerialPort {
public:
    CSerialPort(SerialListener& listener, UiDispatcher& ui, MessageBox& box);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device exclusively in raw mode with the line settings.
    // False when it cannot be opened (LastOpenError says why). A line
    // setting the device refuses is shown as a warning; the port stays open.
    virtual bool OpenPort(const PortSettings& settings);
    std::string LastOpenError() const { return lastOpenError_; }
    bool IsOpen() const { return port_.Valid(); }
    bool StartMonitor();
    // Ends the monitoring thread, writes out what is still queued (for at
    // most kDrainLimit), restores the device's settings and closes it.
    virtual void StopMonitor();

    // How long closing may take to let queued texts out and their answers in.
    static constexpr std::chrono::milliseconds kDrainLimit{2000};

    // Tells the listener and queues text for the monitoring thread; false
    // (nothing written, nobody told) when CanWrite is false.
    bool Write(const std::string& text);
    // True when text can be written now: the port is open, the device has
    // not gone away and text fits the write buffer.
    bool CanWrite(const std::string& text) const;
    int PortNumber() const { return settings_.port; }

protected:
    // Shows the warning for a failed step, with errno's text or with reason;
    // window thread only (the monitoring thread reports through the dispatcher).
    void ReportError(const std::string& stepName);
    void ReportError(const std::string& stepName, const std::string& reason);
    SerialListener& Listener() { return listener_; }
    // errno of the last failed open; 0 when it did not fail that way.
    int LastOpenErrno() const { return lastOpenErrno_; }
    void SetLastOpenError(const std::string& text) { lastOpenError_ = text; }
    // Closes as StopMonitor does, but first hands the bytes that arrive to
    // the listener, on this thread, until settled() holds or the limit has
    // passed. Called from inside a notification it only writes the queue.
    void CloseDrained(const std::function<bool()>& settled, std::chrono::milliseconds limit);

private:
    bool OpenDevice(const std::string& path);
    bool ClaimDevice(const std::string& path);
    void ConfigureLine();
    void RaiseRts();
    void ClosePort();
    void Drain(const std::function<bool()>& settled, std::chrono::steady_clock::time_point until);
    void ReapMonitors();

    SerialListener& listener_;
    UiDispatcher& ui_;
    MessageBox& box_;
    PortSettings settings_;
    UniqueFd port_;
    termios savedLine_{};
    bool lineSaved_ = false;
    std::string lastOpenError_;
    int lastOpenErrno_ = 0;
    WriteQueue writes_;
    std::unique_ptr<PortMonitor> monitor_;
    // Monitors stopped from inside a notification, joined once they end.
    std::vector<std::unique_ptr<PortMonitor>> retired_;
};

}  // namespace dorvik
