#include "unitsim/line_link.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

namespace dorvik::unitsim {
namespace {

// A longer run of bytes without LF is noise, not a command.
constexpr std::size_t kMaxLine = 4096;

}  // namespace

LineLink::LineLink(int master, SimUnit& unit, FaultPlan& faults, const LinkOptions& options, std::ostream* journal,
                   const sigset_t& waitMask, const volatile std::sig_atomic_t& stop, SimModem* modem)
    : master_(master), unit_(unit), faults_(faults), options_(options), journal_(journal), waitMask_(waitMask),
      stop_(stop), modem_(modem) {}

LinkEnd LineLink::Run() {
    while (!stop_) {
        pollfd fd{master_, POLLIN, 0};
        const int quietMs = modem_ ? modem_->QuietMs() : -1;
        const timespec quiet{quietMs / 1000, (quietMs % 1000) * 1000000L};
        const int ready = ppoll(&fd, 1, quietMs < 0 ? nullptr : &quiet, &waitMask_);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return LinkEnd::Failed;
        if (ready == 0) {
            if (!Emit(modem_->OnQuiet())) return stop_ ? LinkEnd::Stopped : LinkEnd::Failed;
            continue;
        }
        bool hangup = false;
        if ((fd.revents & POLLIN) && !ReadAvailable(&hangup)) return stop_ ? LinkEnd::Stopped : LinkEnd::Failed;
        if (hangup) return LinkEnd::HungUp;
        // No slave open at all (should not happen while the unit holds one): do not spin.
        if (!(fd.revents & POLLIN) && !Pause(50)) break;
    }
    return LinkEnd::Stopped;
}

bool LineLink::ReadAvailable(bool* hangup) {
    char buffer[512];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
    if (modem_) {
        const bool written = Emit(modem_->Receive(std::string_view(buffer, static_cast<std::size_t>(n))));
        *hangup = modem_->hangup();
        return written;
    }
    for (ssize_t i = 0; i < n && !*hangup; ++i) {
        if (buffer[i] != '\n') {
            partial_ += buffer[i];
            if (partial_.size() > kMaxLine) partial_.clear();
            continue;
        }
        if (!OnLine(std::exchange(partial_, std::string()), hangup)) return false;
    }
    return true;
}

// One received line: journal it, let the fault plan decide, answer.
bool LineLink::OnLine(std::string line, bool* hangup) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) return true;
    if (journal_) *journal_ << line << '\n' << std::flush;
    const FaultDecision decision = faults_.OnCommand();
    *hangup = decision.hangup;
    if (!decision.answer) return true;
    const Lines answer = unit_.Handle(line);
    return answer.empty() || Answer(answer);
}

bool LineLink::Answer(const Lines& lines) {
    if (!Pause(options_.delayMs)) return false;
    const std::string end = options_.crlf ? "\r\n" : "\n";
    std::string bytes;
    for (const std::string& noise : faults_.Noise()) bytes += noise + end;
    for (const std::string& line : lines) bytes += line + end;
    return Send(bytes);
}

bool LineLink::Emit(const Outputs& outputs) {
    for (const Output& output : outputs) {
        if (!Pause(output.pauseMs) || !Send(output.bytes)) return false;
    }
    return true;
}

// Writes at once, or one byte at a time when the byte delay is set.
bool LineLink::Send(std::string_view bytes) {
    if (options_.byteDelayMs <= 0) return Write(bytes);
    for (char byte : bytes) {
        if (!Write(std::string_view(&byte, 1)) || !Pause(options_.byteDelayMs)) return false;
    }
    return true;
}

bool LineLink::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EINTR && (errno != EAGAIN || !WaitWritable())) {
            return false;
        }
        if (stop_) return false;
    }
    return true;
}

// Waits until the tool has read enough to make room; false when stopped.
bool LineLink::WaitWritable() {
    pollfd fd{master_, POLLOUT, 0};
    while (!stop_) {
        if (ppoll(&fd, 1, nullptr, &waitMask_) > 0) return true;
        if (errno != EINTR) return false;
    }
    return false;
}

// Sleeps, waking early for a termination signal; false when stopped.
bool LineLink::Pause(int ms) {
    if (ms > 0) {
        const timespec span{ms / 1000, (ms % 1000) * 1000000L};
        ppoll(nullptr, 0, &span, &waitMask_);
    }
    return !stop_;
}

}  // namespace dorvik::unitsim
