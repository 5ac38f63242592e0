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
#include "platform/serial_device.h"
#include "platform/ui_dispatcher.h"
#include "transport/serial_monitor.h"
#include "transport/unique_fd.h"
#include "transport/write_queue.h"

namespace dorvik {

// Open, send and stop are called on the window thread. Every send tells the
// listener the text (OnCommandWritten) before it reaches the wire; received
// bytes arrive through the dispatcher, in order. The driver must not be
// destroyed from inside one of its own notifications.
class CSerialPort : public SerialDevice {
public:
    CSerialPort(SerialListener& listener, UiDispatcher& ui, MessageBox& box);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device exclusively in raw mode with the line settings.
    // False when it cannot be opened (LastOpenError says why). A line
    // setting the device refuses is shown as a warning; the port stays open.
    bool OpenPort(const PortSettings& settings) override;
    std::string LastOpenError() const override { return lastOpenError_; }
    bool IsOpen() const override { return port_.Valid(); }
    bool StartMonitor() override;
    // Ends the monitoring thread, writes out what is still queued (for at
    // most kDrainLimit), restores the device's settings and closes it.
    void StopMonitor() override;

    // How long closing may take to let queued texts out and their answers in.
    static constexpr std::chrono::milliseconds kDrainLimit{2000};

    bool Send(const std::string& text, int requestCode, const std::string& expectedReply) override;
    bool SendText(const std::string& text, int requestCode,
                  const std::string& expectedReply) override;
    bool Resend(const std::string& text, int requestCode,
                const std::string& expectedReply) override;

    int RequestCode() const override { return requestCode_; }
    std::string ExpectedReply() const override { return expectedReply_; }
    std::string LastCommand() const override { return lastCommand_; }
    int PortNumber() const override { return settings_.port; }

protected:
    // True when text can be written now: the port is open, the device has
    // not gone away and text fits the write buffer.
    bool CanWrite(const std::string& text) const;
    // Tells the listener and queues text for the monitoring thread; false
    // (nothing written, nobody told) when CanWrite is false.
    bool QueueWrite(const std::string& text);
    // Shows the warning for a failed step, with errno's text or with reason;
    // window thread only (the monitoring thread reports through the dispatcher).
    void ReportError(const std::string& stepName);
    void ReportError(const std::string& stepName, const std::string& reason);
    SerialListener& Listener() { return listener_; }
    // Records the pending request code without writing anything.
    void SetRequestCode(int requestCode) { requestCode_ = requestCode; }
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
    int requestCode_ = 0;
    std::string expectedReply_;
    std::string lastCommand_;
    WriteQueue writes_;
    std::unique_ptr<PortMonitor> monitor_;
    // Monitors stopped from inside a notification, joined once they end.
    std::vector<std::unique_ptr<PortMonitor>> retired_;
};

}  // namespace dorvik
