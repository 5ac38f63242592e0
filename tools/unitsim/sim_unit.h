#pragma once
// The simulated unit without any transport: one received text in, the
// reply lines out. The serial line and a later modem layer both feed it.
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "unitsim/command_parser.h"
#include "unitsim/replies.h"
#include "unitsim/unit_state.h"

namespace dorvik::unitsim {

struct UnitOptions {
    std::string password = "482915";
    std::string unitId;      // empty: the unit answers PROG-RF/PROG-QUIT for any ID
    int houses = 400;
    bool multiRelay = false; // a seven-relay unit: its own device status form
    int seedPhones = 0;
    int logRows = 0;
};

class SimUnit {
public:
    using Now = std::function<std::time_t()>;

    explicit SimUnit(const UnitOptions& options, Now now = [] { return std::time(nullptr); });

    // The reply lines to one received line (without its line end) or message
    // body. No lines: the unit stays silent (not a frame, wrong password, a
    // TAVRIN command for another unit ID).
    Lines Handle(std::string_view text);

    const UnitState& state() const { return state_; }

private:
    UnitOptions options_;
    Now now_;
    UnitState state_;
};

}  // namespace dorvik::unitsim
