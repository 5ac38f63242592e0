#pragma once
// The serial line of the simulated unit: LF-ended lines in from the master
// side of the pseudo-terminal, the unit's answers out, with the transport
// faults (slow answers, CR LF, noise, hanging up) applied here. With a modem
// the bytes go to it instead, and its answers come back out.
#include <csignal>
#include <ostream>
#include <string>
#include <string_view>

#include "unitsim/faults.h"
#include "unitsim/sim_modem.h"
#include "unitsim/sim_unit.h"

namespace dorvik::unitsim {

struct LinkOptions {
    bool crlf = false;     // end answer lines with CR LF instead of LF
    int delayMs = 0;       // wait before each answer
    int byteDelayMs = 0;   // when above 0: answers go out one byte at a time
};

enum class LinkEnd { Stopped, HungUp, Failed };

class LineLink {
public:
    // waitMask: the signal mask to wait with (termination signals
    // unblocked); stop is set by their handler. journal and modem may be null.
    LineLink(int master, SimUnit& unit, FaultPlan& faults, const LinkOptions& options, std::ostream* journal,
             const sigset_t& waitMask, const volatile std::sig_atomic_t& stop, SimModem* modem = nullptr);

    // Serves the line until stopped, hung up by a fault, or the master fails.
    LinkEnd Run();

private:
    bool ReadAvailable(bool* hangup);
    bool OnLine(std::string line, bool* hangup);
    bool Answer(const Lines& lines);
    bool Emit(const Outputs& outputs);
    bool Send(std::string_view bytes);
    bool Write(std::string_view bytes);
    bool WaitWritable();
    bool Pause(int ms);

    int master_;
    SimUnit& unit_;
    FaultPlan& faults_;
    LinkOptions options_;
    std::ostream* journal_;
    const sigset_t& waitMask_;
    const volatile std::sig_atomic_t& stop_;
    SimModem* modem_;
    std::string partial_;  // bytes after the last LF
};

}  // namespace dorvik::unitsim
