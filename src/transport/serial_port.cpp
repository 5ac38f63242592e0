#include "transport/serial_port.h"

#include <fcntl.h>
#include <poll.h>
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
    lastOpenErrno_ = 0;
    std::string path = DevicePathFor(settings);
    if (path.empty()) {
        lastOpenError_ = "No COM port is selected";
        return false;
    }
    if (!OpenDevice(path)) return false;
    ConfigureLine();
    // Stale input goes; output is not thrown away: what the last close
    // wrote (a deletion, an Esc) may still be on its way to the device.
    ::tcflush(port_.Get(), TCIFLUSH);
    return true;
}

bool CSerialPort::OpenDevice(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        lastOpenErrno_ = errno;
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
        lastOpenErrno_ = errno == EWOULDBLOCK ? EBUSY : errno;
        lastOpenError_ = DescribeOpenError(path, lastOpenErrno_);
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
    ::tcflush(port_.Get(), TCIFLUSH);
    monitor_ = std::make_unique<PortMonitor>(port_.Get(), settings_.port, writes_,
                                             MonitorSeams{listener_, ui_, box_});
    if (monitor_->Start()) return true;
    monitor_.reset();
    return false;
}

void CSerialPort::StopMonitor() { CloseDrained(nullptr, kDrainLimit); }

void CSerialPort::CloseDrained(const std::function<bool()>& settled,
                               std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    bool lost = false;
    bool inside = false;
    std::string early;  // read by the monitor, not yet handed over
    if (monitor_) {
        lost = monitor_->Lost();
        inside = monitor_->Notifying();
        PortMonitor* stopped = monitor_.get();
        if (!monitor_->Stop()) retired_.push_back(std::move(monitor_));
        early = stopped->TakeUndelivered();
    }
    monitor_.reset();
    // The monitoring thread no longer touches the port: this thread may.
    // Inside a notification the listener is busy and gets no more bytes.
    if (port_.Valid() && !lost) {
        const bool answers = settled && !inside;
        if (answers)
            for (char c : early) listener_.OnSerialByte(static_cast<unsigned char>(c), settings_.port);
        Drain(answers ? settled : nullptr, until);
    }
    ClosePort();
}

// Writes the queued texts and, while settled() says an answer is due,
// reads and delivers bytes; texts the listener queues meanwhile go out
// too. Ends at the time limit or when the device fails.
void CSerialPort::Drain(const std::function<bool()>& settled,
                        std::chrono::steady_clock::time_point until) {
    std::string out;
    for (;;) {
        if (auto more = writes_.Take()) out += *more;
        const bool answerDue = settled && !settled();
        if (out.empty() && !answerDue) return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return;
        pollfd fd{port_.Get(), static_cast<short>((out.empty() ? 0 : POLLOUT) |
                                                  (answerDue ? POLLIN : 0)),
                  0};
        const int n = ::poll(&fd, 1, static_cast<int>(left.count()));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || (fd.revents & (POLLERR | POLLNVAL))) return;
        if (fd.revents & POLLOUT) {
            const ssize_t w = ::write(port_.Get(), out.data(), out.size());
            if (w > 0) out.erase(0, static_cast<std::size_t>(w));
            if (w < 0 && errno != EAGAIN && errno != EINTR) return;
        }
        if (fd.revents & POLLIN) {
            unsigned char chunk[256];
            const ssize_t r = ::read(port_.Get(), chunk, sizeof chunk);
            if (r == 0 || (r < 0 && errno != EAGAIN && errno != EINTR)) return;
            for (ssize_t i = 0; i < r; ++i) listener_.OnSerialByte(chunk[i], settings_.port);
        } else if (fd.revents & POLLHUP) {
            return;
        }
    }
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
