#pragma once
// The unit's command catalogue: one function per command that builds the
// frame, the request code and the acknowledgement text from typed
// parameters, and the reply rule that tells the reply handlers what the
// answer does. The password is always the first parameter. Texts are sent
// exactly as given (no escaping), as the unit expects.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/page_ops.h"
#include "protocol/request.h"

namespace dorvik {

// A number that clears a slot in the unit.
inline constexpr std::string_view kNoNumber = "00000000000";
// The number of a slot deleted on the PC (and of the first erased phone slot of a run).
inline constexpr std::string_view kErasedNumber = "0000";

// Supervision of the commands sent under a request code; None for 3, 9,
// 10 and codes outside 1..39.
CommandKind KindOf(int code);
// True for the codes that are sent on the serial link only.
bool IsSerialOnly(int code);

// --- Reply handling carried by a command's row ---

// The list whose slot a confirmed slot command marks InUnit.
enum class SlotList { None, Phone, Special, Alarm, House };

// How an info text follows the answer and when the page buttons come back
// (release). By short message the text always waits for an equal answer,
// and the two "Always" rules release first.
enum class InfoRule {
    ReleaseThenIfEqual,  // release, then the text when the answer is equal
    IfEqualThenRelease,  // the text when the answer is equal, then release
    ReleaseThenAlways,   // serial: release, then the text whatever the line
    AlwaysThenRelease,   // serial: the text whatever the line, then release
};

struct InfoReply {
    std::string_view text;  // empty: the command shows no info text
    InfoRule rule = InfoRule::ReleaseThenIfEqual;
    bool operator==(const InfoReply&) const = default;
};

// A query whose answer fills one field of the active settings page, after
// the release. Exactly one of number and text is set.
struct PageAnswer {
    std::string_view form;        // scan form of the answer, "CSQ IS %d" or "BAND IS %s"
    std::string_view head;        // the answer must start with it; empty: any answer
    bool zeroWhenUnread = false;  // a number that does not read is shown as 0
    void (SettingsPage::*number)(int) = nullptr;
    void (SettingsPage::*text)(const std::string&) = nullptr;
};

// What the reply handlers do with the answer to a command, when plain data
// says it all. Commands sharing a request code share their rule.
struct ReplyRule {
    SlotList marks = SlotList::None;
    InfoReply info;
    PageAnswer answer;
    constexpr bool IsSet() const {
        return marks != SlotList::None || !info.text.empty() || answer.number || answer.text;
    }
};

// The reply rule of the commands sent under a request code; nullptr when
// their answers need a handler of their own.
const ReplyRule* ReplyRuleOf(int code);

// Connecting.
Request HousesQuery(std::string_view pw);
Request ProgRf(std::string_view pw, std::string_view unitId);
Request ProgQuit(std::string_view pw, std::string_view unitId);

// Lists. Slot indexes are 1-based as on the wire.
Request ReadPhoneList(std::string_view pw);
Request WritePhoneSlot(std::string_view pw, int index, std::string_view number);
Request ReadSpecialList(std::string_view pw);
// An empty number is sent as the clearing form of ClearSpecialSlot.
Request WriteSpecialSlot(std::string_view pw, std::string_view token, std::string_view number,
                         std::string_view rule);
Request ClearSpecialSlot(std::string_view pw, std::string_view token);
Request ReadAlarmList(std::string_view pw);
// An empty number is sent as kNoNumber.
Request WriteAlarmSlot(std::string_view pw, int index, std::string_view number);
Request ReadHouseList(std::string_view pw);
// dial 1 sends DIAL1, any other value DIAL2; the acknowledgement text is
// the house's 1-based slot number.
Request WriteHouseDial(std::string_view pw, std::string_view houseNumber, int dial,
                       std::string_view number, int slotNumber);
Request ReadLog(std::string_view pw);
Request ReadLogEntries(std::string_view pw, int count);

// Unit settings.
Request DeviceNameQuery(std::string_view pw);
Request SetDeviceName(std::string_view pw, std::string_view name, std::string_view version);
Request ClockQuery(std::string_view pw);
// clockText in command form, see ClockToCommandText.
Request SetClock(std::string_view pw, std::string_view clockText);
Request ChangePassword(std::string_view pw, std::string_view newPassword,
                       std::string_view confirmation);
Request DelayQuery(std::string_view pw);
Request SetDelay(std::string_view pw, std::string_view value, std::string_view unitWord);
Request SetDelayMulti(std::string_view pw, std::string_view value);
Request RelayModeQuery(std::string_view pw);
Request SetRelayMode(std::string_view pw, int mode);
Request ClockUpdateQuery(std::string_view pw);
Request SetClockUpdate(std::string_view pw, std::string_view number);
Request DisableClockUpdate(std::string_view pw);
Request ReceptionQuery(std::string_view pw);
Request BandQuery(std::string_view pw);
Request SetBand(std::string_view pw, std::string_view band);
Request SetAlarmInputs(std::string_view pw, std::string_view input1Word,
                       std::string_view input2Word);
Request AlarmContentQuery(std::string_view pw);
Request SetAlarmContent(std::string_view pw, std::string_view alarm1, std::string_view alarm2);
// Single-relay unit: "ON"/"OFF" for both battery alarms and the percentage.
Request SetBatteryBackup(std::string_view pw, bool enabled, std::string_view percent);
// Seven-relay unit: the interval in minutes, or "00" when disabled.
Request SetBatteryMulti(std::string_view pw, bool enabled, std::string_view interval);
Request StatusQuery(std::string_view pw);
// Output 1 or 2 of the single-relay unit, on (code 18) or off (code 19).
Request SwitchOutput(std::string_view pw, int output, bool on);
Request OutputsQuery(std::string_view pw);
Request SetOutputs(std::string_view pw, std::string_view sevenDigits);

// Parameter texts.

// Slot token of the special list: letter, "HL", three-digit index ("SHL007").
std::string SpecialToken(char letter, int indexInGroup);
// Slot token from a page label: "HL" after its first character ("S007" -> "SHL007").
std::string SpecialTokenFromLabel(std::string_view label);
// "OFF", or "ON:" + "SMS:"/"PHONE:" + the interval text ("ON:SMS:30").
std::string AlarmInputWord(bool enabled, bool phoneMode, std::string_view interval);
// Unit word of the gate delay by list index: 0 "MINIUTE", 1 "SECOND", else "MILLISECOND".
std::string_view DelayUnitWord(int unitIndex);
// "yyyy/MM/dd HH:mm:ss" -> "yyyyMMdd:HHmmss"; nullopt unless the text has exactly that shape.
std::optional<std::string> ClockToCommandText(std::string_view clock);
// Relay states, relay 1 first, as seven "0"/"1" digits.
std::string RelayDigitsText(const std::array<bool, 7>& relays);

}  // namespace dorvik
