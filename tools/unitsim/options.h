#pragma once
// The command line of dorvik-unitsim.
#include <optional>
#include <string>

#include "unitsim/faults.h"
#include "unitsim/line_link.h"
#include "unitsim/sim_modem.h"
#include "unitsim/sim_unit.h"

namespace dorvik::unitsim {

struct Options {
    UnitOptions unit;
    FaultOptions faults;
    LinkOptions link;
    bool modem = false;  // --modem: answer as a GSM modem carrying short messages to the unit
    ModemOptions modemOptions;
    std::string linkPath;     // --link: symbolic link to the slave device
    std::string journalPath;  // --journal: every received line is appended here
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name; nothing, with *error set, for
// an unknown option, a missing value, a value out of range, or a modem
// option without --modem.
std::optional<Options> ParseOptions(int argc, const char* const* argv, std::string* error);

extern const char kUsage[];

}  // namespace dorvik::unitsim
