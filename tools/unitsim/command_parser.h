#pragma once
// The unit's reading of what arrives on its line: the frame
// "#PWD<password>#<body>" and the command carried in the body.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::unitsim {

struct Frame {
    std::string password;
    std::string body;
};

// Splits "#PWD<password>#<body>"; nothing for any other text.
std::optional<Frame> ParseFrame(std::string_view line);

enum class CommandKind {
    Unknown,
    HouseCount,       // NUMBER?
    ProgRf,           // PROG-RF-<id>               {id}
    ProgQuit,         // PROG-QUIT-<id>             {id}
    PhoneReadAll,     // WHL=ALL?
    PhoneWrite,       // WHL<index>=<number>        {index, number}
    SpecialReadAll,   // SHL=ALL?
    SpecialWrite,     // <G>HL<index>=<number>[:<rule>] {group, index, number[, rule]}
    AlarmReadAll,     // ALARM=ALL?
    AlarmWrite,       // ALARM<index>=<number>      {index, number}
    AlarmInputs,      // ALARM-IN1=<w1>,ALARM-IN2=<w2> {w1, w2}
    HouseReadAll,     // DIAL=ALL?
    HouseWrite,       // <house>:DIAL<d>=<number>   {house, d, number}
    LogReadAll,       // LOG=ALL?
    LogReadLast,      // LOG=<n>?                   {n}
    DeviceQuery,      // DEVICE?
    DeviceSet,        // DEVICE:<name>:<version>    {name, version}
    ClockQuery,       // TIMER?
    ClockSet,         // TIMER:<yyyyMMdd:HHmmss>    {clock}
    ClockUpdateQuery, // TIMER-UPDATE?
    ClockUpdateSet,   // TIMER-UPDATE:<number|NO>   {value}
    PasswordChange,   // CAP<new>#CAP<confirm>      {new, confirm}
    DelayQuery,       // GOT?
    DelaySet,         // GOT<value>[:<unit word>]   {value[, word]}
    ModeQuery,        // MODE?
    ModeSet,          // MODE<d>                    {d}
    ReceptionQuery,   // CSQ?
    BandQuery,        // BAND?
    BandSet,          // BAND=<band>                {band}
    ContentsQuery,    // UDI?
    ContentsSet,      // UDI1:<c1>, UDI2:<c2>       {c1, c2}
    BatteryAlarm,     // POWER-CHANGE-ALARM:<w>,BCPW-LOW-ALARM:<w>:<pc> {w, w, pc}
    BatteryInterval,  // BCPW=<value>               {value}
    StatusQuery,      // STATUS?
    RelaysQuery,      // OUT?
    RelaysSet,        // OUT=<seven digits>         {bits}
    OutputSwitch,     // OUT<n>=ON|OFF              {n, word}
};

struct Command {
    CommandKind kind = CommandKind::Unknown;
    std::vector<std::string> args;
};

// Reads a body; a body that fits no command gives CommandKind::Unknown.
Command ParseCommand(std::string_view body);

}  // namespace dorvik::unitsim
