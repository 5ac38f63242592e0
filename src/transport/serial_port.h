#pragma once
// The serial port driver: one POSIX terminal device opened for
// non-blocking I/O, with a monitoring thread that delivers received bytes
// to the listener on the window thread and writes the texts sent.
#include <termios.h>

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
    // Ends the monitoring thread, restores the device's settings and closes it.
    void StopMonitor() override;

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
    int requestCode_ = 0;
    std::string expectedReply_;
    std::string lastCommand_;
    WriteQueue writes_;
    std::unique_ptr<PortMonitor> monitor_;
    // Monitors stopped from inside a notification, joined once they end.
    std::vector<std::unique_ptr<PortMonitor>> retired_;
};

}  // namespace dorvik
