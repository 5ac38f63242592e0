#include "cli/session.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>

#include "model/project_file.h"
#include "transport/port_errors.h"
#include "transport/port_names.h"

namespace dorvik::cli {
namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr auto kSlice = std::chrono::milliseconds(100);
// Beyond the engine's own give-up time: a run the unit stopped answering
// without the engine noticing (a wrong answer) ends too.
constexpr int kStallMarginMs = 5000;

std::atomic<int> interrupts{0};

extern "C" void OnInterrupt(int) {
    interrupts.fetch_add(1);
}

int ElapsedMs(SteadyClock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - since).count());
}

// Why the device cannot serve as the line: missing, or not a terminal.
std::optional<std::string> DeviceProblem(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return "no device " + path;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;  // the driver says why when it tries
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    if (!terminal) return path + " is not a terminal (serial device or pseudo-terminal)";
    return std::nullopt;
}

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int Interrupts() {
    return interrupts.load();
}

Session::Session(const Options& options, Output* output)
    : options_(options),
      boxes_(options.yes  ? QuestionPolicy::Yes
             : options.no ? QuestionPolicy::No
                          : QuestionPolicy::Refuse) {
    progress_.SetOutput(output);
    FrameSeams seams{loop_,      loop_,   boxes_, files_,        progress_,
                     indicator_, status_, clock_, links_.serial, links_.modem};
    frame_ = std::make_unique<CMainFrame>(seams, options.settingsPath);
    frame_->SetSettingsWritable(false);
    ApplyOptions();
    lastActivity_ = SteadyClock::now();
}

Session::~Session() {
    // Hand-overs still on their way return at once; then the drivers stop.
    loop_.Shutdown();
    frame_.reset();
}

void Session::ApplyOptions() {
    ConnectionSettings s = frame_->Settings();
    const Options& o = options_;
    s.port = o.com.value_or(s.port);
    s.baud = o.baud.value_or(s.baud);
    s.parity = o.parity.value_or(s.parity);
    s.dataBits = o.dataBits.value_or(s.dataBits);
    s.stopBits = o.stopBits.value_or(s.stopBits);
    s.password = o.password.value_or(s.password);
    s.unitId = o.unitId.value_or(s.unitId);
    s.unitPhoneNumber = o.unitPhone.value_or(s.unitPhoneNumber);
    s.messageCenter = o.smsc.value_or(s.messageCenter);
    s.expiredTime = o.replyTimeout.value_or(s.expiredTime);
    s.tavrinMode = s.tavrinMode || o.tavrin;
    s.useModem = (s.useModem || o.modem) && !o.serial;
    frame_->ApplyConnectionSettings(s);
    if (o.device) frame_->SetDeviceOverride(*o.device);
    if (o.pdu) links_.modem.UsePduMode(true);
}

std::optional<std::string> Session::CheckLink() const {
    const LinkParams& p = frame_->Engine().Params();
    if (!IsFrameSafe(p.password))
        return "the unit password must not be empty nor hold \"#\" or a line break (--password)";
    if (!IsFrameSafe(p.unitId)) return "the link needs the unit ID (--unit-id)";
    if (p.modemMode && !IsDialNumber(p.unitPhone))
        return "modem mode needs the unit's phone number (--unit-phone)";
    if (p.port.devicePath.empty() && p.port.port < 1) return "no device: give --device or --com";
    return DeviceProblem(DevicePathFor(p.port));
}

bool Session::Connect() {
    ConnectionEngine& engine = frame_->Engine();
    if (engine.Connected()) return true;
    const std::size_t errors = boxes_.Errors().size();
    frame_->OnConnect();
    if (boxes_.Errors().size() > errors) return false;
    // The modem is ready once it answered its set-up and the unit's old
    // answers are deleted; the cable once the unit answered the house count
    // (or, on TAVRIN, refused the unit ID).
    ModemMode& modem = links_.modem;
    const auto failed = [&] { return boxes_.Errors().size() > errors; };
    const auto linked = [&] {
        if (engine.ModemMode()) return (engine.Connected() && modem.Receiver().Initialised()) || failed();
        return engine.ReplySeen() && QuietFor(kSettleMs);
    };
    if (Wait(linked) != WaitEnd::Done || failed()) return false;
    if (!engine.Connected())
        boxes_.Show("The unit did not accept the unit ID", kCaption, MsgIcon::Error,
                    MsgButtons::Ok);
    if (projectOpened_) GuardDroppedSlots();
    return engine.Connected();
}

void Session::Disconnect() {
    ConnectionEngine& engine = frame_->Engine();
    // Closing the modem lets the deletion of the last answer reach it.
    if (engine.Connected() && engine.ModemMode()) return engine.SetConnected(false);
    if (!engine.Connected() || engine.ModemMode() || !engine.Params().tavrin) return;
    engine.StartLink(engine.Params().unitId, false);
    loop_.RunUntil([&] { return !engine.Connected(); },
                   std::chrono::milliseconds(ConnectionEngine::kSerialReplyMs));
}

std::optional<std::string> Session::CheckProject() {
    const std::string& path = options_.project;
    std::error_code ec;
    if (checked_ || path.empty() || !std::filesystem::exists(path, ec)) return std::nullopt;
    auto model = std::make_unique<UnitModel>();
    ProjectResult r = LoadProject(*model, path);
    if (!r.ok) return path + " is not a project file (.gto): " + r.error;
    if (r.dropped > 0) saveBlocked_ = DroppedRecordsMessage(path, r.dropped);
    checked_ = std::move(model);
    return std::nullopt;
}

void Session::OpenProject() {
    if (projectOpened_) return;
    projectOpened_ = true;
    if (!checked_) return;  // a new project
    frame_->OpenProject(options_.project);
    GuardDroppedSlots();
}

// Slots beyond the unit's list were not loaded, or were dropped when the
// unit's house count rebuilt the list: saving would lose them.
void Session::GuardDroppedSlots() {
    if (!checked_) return;
    const int dropped = checked_->phones.Used() - frame_->Model().phones.Used();
    if (dropped <= 0 || !saveBlocked_.empty()) return;
    saveBlocked_ = options_.project + " is not saved: " + std::to_string(dropped) +
                   " of its phone slots lie beyond the unit's " +
                   std::to_string(frame_->Model().phones.Size()) + " slots";
    boxes_.Show(saveBlocked_, kCaption, MsgIcon::Warning, MsgButtons::Ok);
}

bool Session::SaveProject() {
    // A project never opened (the command failed first) is left as it is.
    if (options_.project.empty() || !projectOpened_) return true;
    if (!saveBlocked_.empty()) {
        boxes_.Show(saveBlocked_, kCaption, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    return frame_->SaveProjectTo(options_.project);
}

bool Session::SaveSettingsIfAsked() {
    return !options_.saveSettings || frame_->SaveSettings();
}

std::uint64_t Session::Activity() {
    CMainFrame& f = *frame_;
    const UnitModel& m = f.Model();
    return f.Phone().Revision() + f.Special().Revision() + f.Alarm().Revision() +
           f.House().Revision() + f.Msic().Revision() + f.MultiRelay().Revision() +
           f.LogPage().Revision() + f.LogView().Revision() + m.phones.Revision() +
           m.specials.Revision() + m.alarms.Revision() + m.houses.Revision();
}

bool Session::QuietFor(int ms) {
    const std::uint64_t now = Activity();
    if (now != activity_) {
        activity_ = now;
        lastActivity_ = SteadyClock::now();
    }
    return ElapsedMs(lastActivity_) >= ms;
}

int Session::StallLimitMs() const {
    const LinkParams& p = frame_->Engine().Params();
    const int replyMs = p.modemMode ? p.replyTimeoutSec * 1000 : ConnectionEngine::kSerialReplyMs;
    return replyMs * ConnectionEngine::kMaxSilentTicks + kStallMarginMs;
}

std::optional<WaitEnd> Session::Stopped(const std::function<bool()>& done, std::size_t errors,
                                        int presses) {
    if (boxes_.Errors().size() > errors) return WaitEnd::Failed;
    if (Interrupts() > presses) return WaitEnd::Interrupted;
    if (done()) return WaitEnd::Done;
    if (QuietFor(StallLimitMs())) return WaitEnd::Stalled;
    return std::nullopt;
}

WaitEnd Session::Wait(const std::function<bool()>& done, const std::function<void()>& onTick) {
    const std::size_t errors = boxes_.Errors().size();
    const int presses = Interrupts();
    QuietFor(0);
    lastActivity_ = SteadyClock::now();
    const auto stop = [&] {
        return boxes_.Errors().size() > errors || Interrupts() > presses || done();
    };
    for (;;) {
        loop_.RunUntil(stop, kSlice);
        if (const std::optional<WaitEnd> end = Stopped(done, errors, presses)) return *end;
        if (onTick) onTick();
    }
}

}  // namespace dorvik::cli
