#pragma once
// The serial port driver: one POSIX terminal device opened for
// non-blocking I/O, with a monitoring thread that delivers received bytes
// to the listener on the window thread and writes the texts sent.
#include <termios.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/link.h"
#include "platform/ui_dispatcher.h"
#include "transport/serial_listener.h"
#include "transport/serial_monitor.h"
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
    bool OpenPort(const PortSettings& settings);
    std::string LastOpenError() const { return lastOpenError_; }
    bool IsOpen() const { return port_.Valid(); }
    bool StartMonitor();
    // Ends the monitoring thread, restores the device's settings and closes it.
    void StopMonitor();

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

private:
    bool OpenDevice(const std::string& path);
    bool ClaimDevice(const std::string& path);
    void ConfigureLine();
    void RaiseRts();
    void ClosePort();
    void ReapMonitors();

    SerialListener& listener_;
    UiDispatcher& ui_;
    MessageBox& box_;
    PortSettings settings_;
    UniqueFd port_;
    termios savedLine_{};
    bool lineSaved_ = false;
    std::string lastOpenError_;
    WriteQueue writes_;
    std::unique_ptr<PortMonitor> monitor_;
    // Monitors stopped from inside a notification, joined once they end.
    std::vector<std::unique_ptr<PortMonitor>> retired_;
};

}  // namespace dorvik
