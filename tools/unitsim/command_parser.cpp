#include "unitsim/command_parser.h"

#include <array>

#include "unitsim/text_fields.h"

namespace dorvik::unitsim {
namespace {

using Args = std::vector<std::string>;
using Splitter = std::optional<Args> (*)(std::string_view rest);

std::optional<Args> None(std::string_view rest) {
    if (!rest.empty()) return std::nullopt;
    return Args{};
}

std::optional<Args> Whole(std::string_view rest) { return Args{std::string(rest)}; }

std::optional<Args> Pair(std::string_view rest, std::string_view separator) {
    const auto cut = rest.find(separator);
    if (cut == std::string_view::npos) return std::nullopt;
    return Args{std::string(rest.substr(0, cut)),
                std::string(rest.substr(cut + separator.size()))};
}

// "<digits>=<value>"
std::optional<Args> IndexAndValue(std::string_view rest) {
    auto args = Pair(rest, "=");
    if (!args || !IsDigits((*args)[0])) return std::nullopt;
    return args;
}

// "<digits>=<number>" or "<digits>=<number>:<rule>", led by the group letter.
std::optional<Args> Special(char group, std::string_view rest) {
    auto args = IndexAndValue(rest);
    if (!args) return std::nullopt;
    Args out{std::string(1, group), (*args)[0]};
    const std::string& value = (*args)[1];
    const auto colon = value.find(':');
    out.push_back(value.substr(0, colon));
    if (colon != std::string::npos) out.push_back(value.substr(colon + 1));
    return out;
}

std::optional<Args> LogCount(std::string_view rest) {
    if (rest.empty() || rest.back() != '?') return std::nullopt;
    rest.remove_suffix(1);
    const std::string_view digits = rest.starts_with('-') || rest.starts_with('+') ? rest.substr(1) : rest;
    if (!IsDigits(digits)) return std::nullopt;
    return Args{std::string(rest)};
}

std::optional<Args> OptionalUnit(std::string_view rest) {
    if (auto args = Pair(rest, ":")) return args;
    return Args{std::string(rest)};
}

std::optional<Args> Battery(std::string_view rest) {
    auto head = Pair(rest, ",BCPW-LOW-ALARM:");
    if (!head) return std::nullopt;
    auto tail = Pair((*head)[1], ":");
    if (!tail) return std::nullopt;
    return Args{(*head)[0], (*tail)[0], (*tail)[1]};
}

// "<house>:DIAL<d>=<number>"
std::optional<Args> HouseDial(std::string_view body) {
    auto head = Pair(body, ":DIAL");
    if (!head) return std::nullopt;
    auto dial = IndexAndValue((*head)[1]);
    if (!dial) return std::nullopt;
    return Args{(*head)[0], (*dial)[0], (*dial)[1]};
}

struct Row {
    std::string_view prefix;
    CommandKind kind;
    Splitter split;
};

// Longer prefixes come before the shorter ones they begin with.
constexpr std::array kRows{
    Row{"NUMBER?", CommandKind::HouseCount, None},
    Row{"PROG-RF-", CommandKind::ProgRf, Whole},
    Row{"PROG-QUIT-", CommandKind::ProgQuit, Whole},
    Row{"WHL=ALL?", CommandKind::PhoneReadAll, None},
    Row{"WHL", CommandKind::PhoneWrite, IndexAndValue},
    Row{"SHL=ALL?", CommandKind::SpecialReadAll, None},
    Row{"SHL", CommandKind::SpecialWrite, [](std::string_view r) { return Special('S', r); }},
    Row{"PHL", CommandKind::SpecialWrite, [](std::string_view r) { return Special('P', r); }},
    Row{"QHL", CommandKind::SpecialWrite, [](std::string_view r) { return Special('Q', r); }},
    Row{"ALARM=ALL?", CommandKind::AlarmReadAll, None},
    Row{"ALARM-IN1=", CommandKind::AlarmInputs, [](std::string_view r) { return Pair(r, ",ALARM-IN2="); }},
    Row{"ALARM", CommandKind::AlarmWrite, IndexAndValue},
    Row{"DIAL=ALL?", CommandKind::HouseReadAll, None},
    Row{"LOG=ALL?", CommandKind::LogReadAll, None},
    Row{"LOG=", CommandKind::LogReadLast, LogCount},
    Row{"DEVICE?", CommandKind::DeviceQuery, None},
    Row{"DEVICE:", CommandKind::DeviceSet, [](std::string_view r) { return Pair(r, ":"); }},
    Row{"TIMER-UPDATE?", CommandKind::ClockUpdateQuery, None},
    Row{"TIMER-UPDATE:", CommandKind::ClockUpdateSet, Whole},
    Row{"TIMER?", CommandKind::ClockQuery, None},
    Row{"TIMER:", CommandKind::ClockSet, Whole},
    Row{"CAP", CommandKind::PasswordChange, [](std::string_view r) { return Pair(r, "#CAP"); }},
    Row{"GOT?", CommandKind::DelayQuery, None},
    Row{"GOT", CommandKind::DelaySet, OptionalUnit},
    Row{"MODE?", CommandKind::ModeQuery, None},
    Row{"MODE", CommandKind::ModeSet, Whole},
    Row{"CSQ?", CommandKind::ReceptionQuery, None},
    Row{"BAND?", CommandKind::BandQuery, None},
    Row{"BAND=", CommandKind::BandSet, Whole},
    Row{"UDI?", CommandKind::ContentsQuery, None},
    Row{"UDI1:", CommandKind::ContentsSet, [](std::string_view r) { return Pair(r, ", UDI2:"); }},
    Row{"POWER-CHANGE-ALARM:", CommandKind::BatteryAlarm, Battery},
    Row{"BCPW=", CommandKind::BatteryInterval, Whole},
    Row{"STATUS?", CommandKind::StatusQuery, None},
    Row{"OUT?", CommandKind::RelaysQuery, None},
    Row{"OUT=", CommandKind::RelaysSet, Whole},
    Row{"OUT", CommandKind::OutputSwitch, IndexAndValue},
};

}  // namespace

std::optional<Frame> ParseFrame(std::string_view line) {
    constexpr std::string_view kHead = "#PWD";
    if (!line.starts_with(kHead)) return std::nullopt;
    line.remove_prefix(kHead.size());
    const auto hash = line.find('#');
    if (hash == std::string_view::npos) return std::nullopt;
    return Frame{std::string(line.substr(0, hash)), std::string(line.substr(hash + 1))};
}

Command ParseCommand(std::string_view body) {
    for (const Row& row : kRows) {
        if (!body.starts_with(row.prefix)) continue;
        if (auto args = row.split(body.substr(row.prefix.size()))) return {row.kind, std::move(*args)};
    }
    if (auto args = HouseDial(body)) return {CommandKind::HouseWrite, std::move(*args)};
    return {};
}

}  // namespace dorvik::unitsim
