#include "transport/serial_port.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "transport/port_errors.h"
#include "transport/port_names.h"
#include "transport/serial_line.h"

namespace dorvik {

namespace {

// Modem-line ioctls that a pseudo-terminal or a bare UART does not know.
bool NotApplicable(int err) { return err == ENOTTY || err == EINVAL; }

}  // namespace

CSerialPort::CSerialPort(SerialListener& listener, UiDispatcher& ui, MessageBox& box)
    : listener_(listener), ui_(ui), box_(box) {}

CSerialPort::~CSerialPort() {
    StopMonitor();
    retired_.clear();  // joins monitors still finishing a notification
}

bool CSerialPort::OpenPort(const PortSettings& settings) {
    StopMonitor();
    settings_ = settings;
    lastOpenError_.clear();
    std::string path = DevicePathFor(settings);
    if (path.empty()) {
        lastOpenError_ = "No COM port is selected";
        return false;
    }
    if (!OpenDevice(path)) return false;
    ConfigureLine();
    ::tcflush(port_.Get(), TCIOFLUSH);
    return true;
}

bool CSerialPort::OpenDevice(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        lastOpenError_ = DescribeOpenError(path, errno);
        return false;
    }
    if (!::isatty(fd.Get())) {
        lastOpenError_ = path + ": not a serial device";
        return false;
    }
    port_ = std::move(fd);
    if (ClaimDevice(path)) return true;
    port_.Reset();
    return false;
}

// Keeps other programs (and other drivers of this one) off the device: the
// lock holds even for the superuser, whom TIOCEXCL does not stop.
bool CSerialPort::ClaimDevice(const std::string& path) {
    if (::flock(port_.Get(), LOCK_EX | LOCK_NB) != 0) {
        lastOpenError_ = DescribeOpenError(path, errno == EWOULDBLOCK ? EBUSY : errno);
        return false;
    }
    ::ioctl(port_.Get(), TIOCEXCL);
    return true;
}

// Each step that fails is reported and ends the configuration; the port
// stays open, as the user has been told.
void CSerialPort::ConfigureLine() {
    termios current{};
    if (::tcgetattr(port_.Get(), &current) != 0) return ReportError("tcgetattr()");
    savedLine_ = current;
    lineSaved_ = true;
    std::vector<LineFallback> fallbacks;
    termios wanted = MakeLineSettings(current, settings_, fallbacks);
    for (const auto& f : fallbacks) ReportError(f.step, f.reason);
    if (::tcsetattr(port_.Get(), TCSANOW, &wanted) != 0) return ReportError("tcsetattr()");
    RaiseRts();
}

void CSerialPort::RaiseRts() {
    int bits = TIOCM_RTS;
    if (::ioctl(port_.Get(), TIOCMBIS, &bits) != 0 && !NotApplicable(errno))
        ReportError("ioctl(TIOCMBIS)");
}

bool CSerialPort::StartMonitor() {
    if (!port_.Valid()) return false;
    if (monitor_) return true;
    ReapMonitors();
    // Start from a clean line; whatever arrives from now on is delivered.
    ::tcflush(port_.Get(), TCIOFLUSH);
    monitor_ = std::make_unique<PortMonitor>(port_.Get(), settings_.port, writes_,
                                             MonitorSeams{listener_, ui_, box_});
    if (monitor_->Start()) return true;
    monitor_.reset();
    return false;
}

void CSerialPort::StopMonitor() {
    if (monitor_ && !monitor_->Stop()) retired_.push_back(std::move(monitor_));
    monitor_.reset();
    ClosePort();
}

void CSerialPort::ClosePort() {
    writes_.Clear();
    if (!port_.Valid()) return;
    if (lineSaved_) ::tcsetattr(port_.Get(), TCSANOW, &savedLine_);
    lineSaved_ = false;
    port_.Reset();
}

void CSerialPort::ReapMonitors() {
    std::erase_if(retired_, [](const auto& m) { return m->Finished(); });
}

bool CSerialPort::CanWrite(const std::string& text) const {
    return port_.Valid() && text.size() <= settings_.writeBufferSize &&
           !(monitor_ && monitor_->Lost());
}

bool CSerialPort::Write(const std::string& text) {
    if (!CanWrite(text)) return false;
    listener_.OnCommandWritten(text);
    writes_.Put(text);
    return true;
}

void CSerialPort::ReportError(const std::string& stepName) {
    ReportError(stepName, std::strerror(errno));
}

void CSerialPort::ReportError(const std::string& stepName, const std::string& reason) {
    ShowPortError(box_, stepName, reason, settings_.port);
}

}  // namespace dorvik
