#pragma once
// The texts the simulated unit answers with, one function per reply form.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "unitsim/unit_state.h"

namespace dorvik::unitsim {

using Lines = std::vector<std::string>;

// Answer to a command the unit does not understand or refuses.
inline constexpr std::string_view kErrorReply = "ERROR";

std::string HouseCountReply(int houses);
// "PROG-RF-<id> OK", "PROG-QUIT-<id> OK"; verb is "PROG-RF-" or "PROG-QUIT-".
std::string ProgReply(std::string_view verb, std::string_view id);

Lines PhoneListReply(const UnitState& state);
std::string PhoneSetReply(int index, std::string_view number);
Lines SpecialListReply(const UnitState& state);
// value: what followed "=" in the command ("<number>:<rule>" or the clear number).
std::string SpecialSetReply(char group, int index, std::string_view value);
std::string AlarmListReply(const UnitState& state);
std::string AlarmSetReply(int index, std::string_view number);
Lines HouseListReply(const UnitState& state);
std::string HouseSetReply(std::string_view house, int dial, std::string_view number);
// The newest `count` log rows, oldest first.
Lines LogReply(const UnitState& state, std::size_t count);

std::string DeviceReply(const UnitState& state);
std::string ClockReply(std::string_view clock);
std::string ClockSetReply(std::string_view clock);
std::string PasswordReply(bool changed);
std::string DelayReply(int ms);
std::string DelaySetReply(std::string_view value);
std::string ModeReply(int mode);
std::string ModeSetReply(int mode);
std::string ClockUpdateReply(const UnitState& state);
std::string ClockUpdateSetReply(std::string_view value);
std::string ReceptionReply(int csq);
std::string BandReply(const UnitState& state);
std::string BandSetReply(std::string_view band);
std::string AlarmInputsReply(std::string_view word1, std::string_view word2);
std::string ContentsReply(const UnitState& state);
std::string ContentsSetReply(std::string_view content1, std::string_view content2);
std::string BatteryReply(std::string_view value);
// The device status of a single-relay unit, or of a seven-relay unit.
std::string StatusReply(const UnitState& state, bool multiRelay);
std::string OutputSwitchReply(std::string_view output, std::string_view word);
std::string RelaysReply(const UnitState& state);
std::string RelaysSetReply(std::string_view password, std::string_view bits);

}  // namespace dorvik::unitsim
