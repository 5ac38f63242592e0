#pragma once
// One command to the unit as the connection engine sends it.
#include <string>

namespace dorvik {

// A command frame with its request code and acknowledgement text.
struct Request {
    std::string frame;  // "#PWD" + password + "#" + body, no line end unless hasLineEnd
    int code = 0;       // RequestCode: selects the reply handler
    std::string ack;    // exact confirming reply; empty when the reply is parsed
    bool hasLineEnd = false;  // the frame already ends in CR LF
};

// How the connection engine supervises a command.
enum class CommandKind {
    None,      // not a command code
    Request,   // busy state and reply timer
    ReadAll,   // busy state and read-all supervision (serial link only)
    Sequence,  // one command per pending slot, the next after each confirmation
    Plain,     // sent without busy state or timer
    Connect,   // sent by the connection engine while connecting
};

// The text for the serial link: the frame followed by CR LF unless it
// already carries its line end.
std::string WithLineEnd(const Request& request);

// Request codes.
namespace code {
inline constexpr int kReadPhoneList = 1;
inline constexpr int kWritePhoneSlot = 2;
inline constexpr int kChangePassword = 4;
inline constexpr int kSetDeviceName = 5;
inline constexpr int kQueryDeviceName = 6;
inline constexpr int kSetDelay = 7;
inline constexpr int kQueryDelay = 8;
inline constexpr int kSetRelayMode = 11;
inline constexpr int kQueryRelayMode = 12;
inline constexpr int kSetClock = 13;
inline constexpr int kQueryClock = 14;
inline constexpr int kSetClockUpdate = 15;
inline constexpr int kQueryClockUpdate = 16;
inline constexpr int kQueryReception = 17;
inline constexpr int kOutputOn = 18;
inline constexpr int kOutputOff = 19;
inline constexpr int kReadSpecialList = 20;
inline constexpr int kReadLog = 21;
inline constexpr int kReadLogEntries = 22;
inline constexpr int kReadAlarmList = 23;
inline constexpr int kWriteAlarmSlot = 24;
inline constexpr int kSetAlarmInputs = 25;
inline constexpr int kWriteSpecialSlot = 26;
inline constexpr int kSetBattery = 27;
inline constexpr int kSetAlarmContent = 28;
inline constexpr int kSetBand = 29;
inline constexpr int kQueryBand = 30;
inline constexpr int kSetOutputs = 31;
inline constexpr int kQueryOutputs = 32;
inline constexpr int kEnterTavrin = 33;
inline constexpr int kLeaveTavrin = 34;
inline constexpr int kQueryStatus = 35;
inline constexpr int kReadHouseList = 36;
inline constexpr int kWriteHouseDial = 37;
inline constexpr int kQueryHouses = 38;
inline constexpr int kQueryAlarmContent = 39;
}  // namespace code

}  // namespace dorvik
