// dorvik-unitsim: a simulated GSM access-control unit on a pseudo-terminal,
// reached directly or through a simulated GSM modem.
#include <signal.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

#include "unitsim/line_link.h"
#include "unitsim/options.h"
#include "unitsim/pty.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnTerminate(int) { g_stop = 1; }

// Blocks the termination signals except while waiting (ppoll with the
// returned mask), so that no signal slips in between a check and a wait.
sigset_t InstallSignals() {
    struct sigaction action{};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    sigset_t blocked;
    sigemptyset(&blocked);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(s, &action, nullptr);
        sigaddset(&blocked, s);
    }
    signal(SIGPIPE, SIG_IGN);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigdelset(&waitMask, s);
    return waitMask;
}

int Fail(const std::string& why) {
    std::cerr << "dorvik-unitsim: " << why << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dorvik::unitsim;
    std::string error;
    const auto options = ParseOptions(argc - 1, argv + 1, &error);
    if (!options) return Fail(error + " (see --help)");
    if (options->version) {
        std::cout << "dorvik-unitsim " DORVIK_VERSION "\n";
        return 0;
    }
    if (options->help) {
        std::cout << kUsage;
        return 0;
    }

    const sigset_t waitMask = InstallSignals();
    std::ofstream journal;
    if (!options->journalPath.empty()) {
        journal.open(options->journalPath, std::ios::app);
        if (!journal) return Fail("cannot open journal " + options->journalPath);
    }
    auto pty = PseudoTerminal::Open(&error);
    if (!pty) return Fail(error);
    std::unique_ptr<DeviceLink> link;
    if (!options->linkPath.empty() && !(link = DeviceLink::Create(options->linkPath, pty->SlavePath(), &error))) {
        return Fail(error);
    }
    std::cout << pty->SlavePath() << std::endl;

    SimUnit unit(options->unit);
    FaultPlan faults(options->faults);
    std::ostream* journalStream = journal.is_open() ? &journal : nullptr;
    std::optional<SimModem> modem;
    if (options->modem) modem.emplace(options->modemOptions, unit, faults, journalStream);
    LineLink line(pty->master(), unit, faults, options->link, journalStream, waitMask, g_stop,
                  modem ? &*modem : nullptr);
    const LinkEnd end = line.Run();
    pty->CloseMaster();
    return end == LinkEnd::Failed ? 1 : 0;
}
