#include "protocol/catalogue.h"

#include <cstddef>

#include "protocol/text_format.h"

namespace dorvik {
namespace {

// Every command the unit understands, one per row of kCommands.
enum class UnitCommand {
    HousesQuery, ProgRf, ProgQuit,
    ReadPhoneList, WritePhoneSlot, ReadSpecialList, WriteSpecialSlot, ClearSpecialSlot,
    ReadAlarmList, WriteAlarmSlot, ReadHouseList, WriteHouseDial1, WriteHouseDial2,
    ReadLog, ReadLogEntries,
    DeviceNameQuery, SetDeviceName, ClockQuery, SetClock, ChangePassword,
    DelayQuery, SetDelay, SetDelayMulti, RelayModeQuery, SetRelayMode,
    ClockUpdateQuery, SetClockUpdate, DisableClockUpdate, ReceptionQuery,
    BandQuery, SetBand, SetAlarmInputs, AlarmContentQuery, SetAlarmContent,
    SetBatteryBackup, SetBatteryMulti, StatusQuery,
    OutputOn, OutputOff, OutputsQuery, SetOutputs,
    Count
};

struct CommandRow {
    UnitCommand command;
    int code;
    std::string_view format;  // frame; the password fills the first "%s"
    std::string_view ack;     // acknowledgement format; empty: the reply is parsed
    CommandKind kind;
    bool serialOnly;
    ReplyRule reply;  // empty: the answer has a handler of its own
};

constexpr ReplyRule Marks(SlotList list) {
    ReplyRule rule;
    rule.marks = list;
    return rule;
}

constexpr ReplyRule Info(std::string_view text, InfoRule when = InfoRule::ReleaseThenIfEqual) {
    ReplyRule rule;
    rule.info = {text, when};
    return rule;
}

enum Unread : bool { kSkipWhenUnread = false, kZeroWhenUnread = true };

constexpr ReplyRule ShowsNumber(std::string_view form, void (SettingsPage::*set)(int),
                                Unread unread = kSkipWhenUnread, std::string_view head = "") {
    ReplyRule rule;
    rule.answer = {form, head, unread, set, nullptr};
    return rule;
}

constexpr ReplyRule ShowsText(std::string_view form,
                              void (SettingsPage::*set)(const std::string&)) {
    ReplyRule rule;
    rule.answer = {form, "", false, nullptr, set};
    return rule;
}

using K = CommandKind;
using C = UnitCommand;
namespace rc = code;

constexpr CommandRow kCommands[] = {
    {C::HousesQuery, rc::kQueryHouses, "#PWD%s#NUMBER?", "", K::Connect, false, {}},
    {C::ProgRf, rc::kEnterTavrin, "#PWD%s#PROG-RF-%s\r\n", "PROG-RF-%s OK", K::Connect, true, {}},
    {C::ProgQuit, rc::kLeaveTavrin, "#PWD%s#PROG-QUIT-%s\r\n", "PROG-QUIT-%s OK", K::Connect,
     true, {}},
    {C::ReadPhoneList, rc::kReadPhoneList, "#PWD%s#WHL=ALL?", "", K::ReadAll, true, {}},
    {C::WritePhoneSlot, rc::kWritePhoneSlot, "#PWD%s#WHL%04d=%s", "WHL%04d SET TO %s OK",
     K::Sequence, false, Marks(SlotList::Phone)},
    {C::ReadSpecialList, rc::kReadSpecialList, "#PWD%s#SHL=ALL?", "", K::ReadAll, true, {}},
    {C::WriteSpecialSlot, rc::kWriteSpecialSlot, "#PWD%s#%s=%s:%s", "%s SETUP TO %s:%s OK",
     K::Sequence, false, Marks(SlotList::Special)},
    {C::ClearSpecialSlot, rc::kWriteSpecialSlot, "#PWD%s#%s=00000000000",
     "%s SETUP TO 00000000000 OK", K::Sequence, false, Marks(SlotList::Special)},
    {C::ReadAlarmList, rc::kReadAlarmList, "#PWD%s#ALARM=ALL?", "", K::ReadAll, true, {}},
    {C::WriteAlarmSlot, rc::kWriteAlarmSlot, "#PWD%s#ALARM%02d=%s", "ALARM%02d SET TO %s OK",
     K::Sequence, false, Marks(SlotList::Alarm)},
    {C::ReadHouseList, rc::kReadHouseList, "#PWD%s#DIAL=ALL?", "", K::ReadAll, true, {}},
    {C::WriteHouseDial1, rc::kWriteHouseDial, "#PWD%s#%s:DIAL1=%s", "%d", K::Sequence, false,
     Marks(SlotList::House)},
    {C::WriteHouseDial2, rc::kWriteHouseDial, "#PWD%s#%s:DIAL2=%s", "%d", K::Sequence, false,
     Marks(SlotList::House)},
    {C::ReadLog, rc::kReadLog, "#PWD%s#LOG=ALL?", "", K::ReadAll, true, {}},
    {C::ReadLogEntries, rc::kReadLogEntries, "#PWD%s#LOG=%d?", "", K::ReadAll, true, {}},
    {C::DeviceNameQuery, rc::kQueryDeviceName, "#PWD%s#DEVICE?", "", K::Request, false, {}},
    {C::SetDeviceName, rc::kSetDeviceName, "#PWD%s#DEVICE:%s:%s", "DEVICE NAME IS %s:%s",
     K::Request, false, Info("Set unit name success")},
    {C::ClockQuery, rc::kQueryClock, "#PWD%s#TIMER?", "", K::Request, false, {}},
    {C::SetClock, rc::kSetClock, "#PWD%s#TIMER:%s", "DEVICE TIMER IS SET TO %s", K::Request,
     false, Info("Set unit time success")},
    {C::ChangePassword, rc::kChangePassword, "#PWD%s#CAP%s#CAP%s", "PWD SETUP OK", K::Request,
     false, {}},
    {C::DelayQuery, rc::kQueryDelay, "#PWD%s#GOT?", "", K::Request, false,
     ShowsNumber("DELAY TIME IS %d", &SettingsPage::SetDelay, kZeroWhenUnread)},
    {C::SetDelay, rc::kSetDelay, "#PWD%s#GOT%s:%s", "DELAY TIME SET TO %s MS", K::Request,
     false, Info("Set delay time success", InfoRule::ReleaseThenAlways)},
    {C::SetDelayMulti, rc::kSetDelay, "#PWD%s#GOT%s", "DELAY TIME SET TO %s MS", K::Request,
     false, Info("Set delay time success", InfoRule::ReleaseThenAlways)},
    {C::RelayModeQuery, rc::kQueryRelayMode, "#PWD%s#MODE?", "", K::Request, false,
     ShowsNumber("RELAY IS MODE%d", &SettingsPage::SetRelayMode, kZeroWhenUnread, "RELAY")},
    {C::SetRelayMode, rc::kSetRelayMode, "#PWD%s#MODE%d", "RELAY SET TO MODE%d", K::Request,
     false, {}},
    {C::ClockUpdateQuery, rc::kQueryClockUpdate, "#PWD%s#TIMER-UPDATE?", "", K::Request, false, {}},
    {C::SetClockUpdate, rc::kSetClockUpdate, "#PWD%s#TIMER-UPDATE:%s", "TIMER-UPDATE:%s OK",
     K::Request, false, Info("Set time update success")},
    {C::DisableClockUpdate, rc::kSetClockUpdate, "#PWD%s#TIMER-UPDATE:NO",
     "TIMER-UPDATE:NO OK", K::Request, false, Info("Set time update success")},
    {C::ReceptionQuery, rc::kQueryReception, "#PWD%s#CSQ?", "", K::Request, false,
     ShowsNumber("CSQ IS %d", &SettingsPage::SetReception)},
    {C::BandQuery, rc::kQueryBand, "#PWD%s#BAND?", "", K::Request, false,
     ShowsText("BAND IS %s", &SettingsPage::SetBandText)},
    {C::SetBand, rc::kSetBand, "#PWD%s#BAND=%s", "BAND SET TO %s OK", K::Request, false,
     Info("Set band  success")},
    {C::SetAlarmInputs, rc::kSetAlarmInputs, "#PWD%s#ALARM-IN1=%s,ALARM-IN2=%s",
     "ALARM-IN1=%s,ALARM-IN2=%s", K::Request, false,
     Info("Set alarm mode success", InfoRule::IfEqualThenRelease)},
    {C::AlarmContentQuery, rc::kQueryAlarmContent, "#PWD%s#UDI?", "", K::Request, false, {}},
    {C::SetAlarmContent, rc::kSetAlarmContent, "#PWD%s#UDI1:%s, UDI2:%s",
     "UDI1:%s, UDI2:%s OKEY", K::Request, false,
     Info("Set alarm content success", InfoRule::IfEqualThenRelease)},
    {C::SetBatteryBackup, rc::kSetBattery, "#PWD%s#POWER-CHANGE-ALARM:%s,BCPW-LOW-ALARM:%s:%s",
     "BCPW=%s", K::Request, false, Info("Set battery backup success", InfoRule::AlwaysThenRelease)},
    {C::SetBatteryMulti, rc::kSetBattery, "#PWD%s#BCPW=%s", "BCPW=%s", K::Request, false,
     Info("Set battery backup success", InfoRule::AlwaysThenRelease)},
    {C::StatusQuery, rc::kQueryStatus, "#PWD%s#STATUS?", "", K::Request, false, {}},
    {C::OutputOn, rc::kOutputOn, "#PWD%s#OUT%d=ON", "OUT%d=ON OK", K::Plain, false, {}},
    {C::OutputOff, rc::kOutputOff, "#PWD%s#OUT%d=OFF", "OUT%d=OFF OK", K::Plain, false, {}},
    {C::OutputsQuery, rc::kQueryOutputs, "#PWD%s#OUT?", "", K::Request, false, {}},
    {C::SetOutputs, rc::kSetOutputs, "#PWD%s#OUT=%s", "#PWD%s#OUT=%s OK", K::Request, false,
     Info("Set out  success")},
};

static_assert(std::size(kCommands) == static_cast<std::size_t>(UnitCommand::Count));

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        if (kCommands[i].command != static_cast<UnitCommand>(i)) return false;
    }
    return true;
}
static_assert(RowsInOrder(), "kCommands rows must follow the order of UnitCommand");

// The handlers find a reply rule by request code alone. Page operations
// are virtual, so their pointers can only be told apart from null here.
constexpr bool SameRule(const ReplyRule& a, const ReplyRule& b) {
    const PageAnswer& x = a.answer;
    const PageAnswer& y = b.answer;
    return a.marks == b.marks && a.info == b.info && x.form == y.form && x.head == y.head &&
           x.zeroWhenUnread == y.zeroWhenUnread && !x.number == !y.number && !x.text == !y.text;
}

constexpr bool CodesShareTheirRule() {
    for (const CommandRow& a : kCommands) {
        for (const CommandRow& b : kCommands) {
            if (a.code == b.code && !SameRule(a.reply, b.reply)) return false;
        }
    }
    return true;
}
static_assert(CodesShareTheirRule());

const CommandRow& RowOf(UnitCommand command) {
    return kCommands[static_cast<std::size_t>(command)];
}

const CommandRow* FirstRowOfCode(int requestCode) {
    for (const CommandRow& row : kCommands) {
        if (row.code == requestCode) return &row;
    }
    return nullptr;
}

// Formats the frame (password first) and the acknowledgement text of a command.
Request Build(UnitCommand command, std::initializer_list<FormatArg> frameArgs,
              std::initializer_list<FormatArg> ackArgs = {}) {
    const CommandRow& row = RowOf(command);
    Request request;
    request.frame = FormatText(row.format, frameArgs);
    request.code = row.code;
    request.ack = FormatText(row.ack, ackArgs);
    request.hasLineEnd = row.format.ends_with("\r\n");
    return request;
}

}  // namespace

std::string WithLineEnd(const Request& request) {
    return request.hasLineEnd ? request.frame : request.frame + "\r\n";
}

CommandKind KindOf(int requestCode) {
    const CommandRow* row = FirstRowOfCode(requestCode);
    return row ? row->kind : CommandKind::None;
}

bool IsSerialOnly(int requestCode) {
    const CommandRow* row = FirstRowOfCode(requestCode);
    return row && row->serialOnly;
}

const ReplyRule* ReplyRuleOf(int requestCode) {
    const CommandRow* row = FirstRowOfCode(requestCode);
    return row && row->reply.IsSet() ? &row->reply : nullptr;
}

Request HousesQuery(std::string_view pw) { return Build(C::HousesQuery, {pw}); }

Request ProgRf(std::string_view pw, std::string_view unitId) {
    return Build(C::ProgRf, {pw, unitId}, {unitId});
}

Request ProgQuit(std::string_view pw, std::string_view unitId) {
    return Build(C::ProgQuit, {pw, unitId}, {unitId});
}

Request ReadPhoneList(std::string_view pw) { return Build(C::ReadPhoneList, {pw}); }

Request WritePhoneSlot(std::string_view pw, int index, std::string_view number) {
    return Build(C::WritePhoneSlot, {pw, index, number}, {index, number});
}

Request ReadSpecialList(std::string_view pw) { return Build(C::ReadSpecialList, {pw}); }

Request WriteSpecialSlot(std::string_view pw, std::string_view token, std::string_view number,
                         std::string_view rule) {
    if (number.empty()) return ClearSpecialSlot(pw, token);
    return Build(C::WriteSpecialSlot, {pw, token, number, rule}, {token, number, rule});
}

Request ClearSpecialSlot(std::string_view pw, std::string_view token) {
    return Build(C::ClearSpecialSlot, {pw, token}, {token});
}

Request ReadAlarmList(std::string_view pw) { return Build(C::ReadAlarmList, {pw}); }

Request WriteAlarmSlot(std::string_view pw, int index, std::string_view number) {
    std::string_view sent = number.empty() ? kNoNumber : number;
    return Build(C::WriteAlarmSlot, {pw, index, sent}, {index, sent});
}

Request ReadHouseList(std::string_view pw) { return Build(C::ReadHouseList, {pw}); }

Request WriteHouseDial(std::string_view pw, std::string_view houseNumber, int dial,
                       std::string_view number, int slotNumber) {
    UnitCommand command = dial == 1 ? C::WriteHouseDial1 : C::WriteHouseDial2;
    return Build(command, {pw, houseNumber, number}, {slotNumber});
}

Request ReadLog(std::string_view pw) { return Build(C::ReadLog, {pw}); }

Request ReadLogEntries(std::string_view pw, int count) {
    return Build(C::ReadLogEntries, {pw, count});
}

Request DeviceNameQuery(std::string_view pw) { return Build(C::DeviceNameQuery, {pw}); }

Request SetDeviceName(std::string_view pw, std::string_view name, std::string_view version) {
    return Build(C::SetDeviceName, {pw, name, version}, {name, version});
}

Request ClockQuery(std::string_view pw) { return Build(C::ClockQuery, {pw}); }

Request SetClock(std::string_view pw, std::string_view clockText) {
    return Build(C::SetClock, {pw, clockText}, {clockText});
}

Request ChangePassword(std::string_view pw, std::string_view newPassword,
                       std::string_view confirmation) {
    return Build(C::ChangePassword, {pw, newPassword, confirmation});
}

Request DelayQuery(std::string_view pw) { return Build(C::DelayQuery, {pw}); }

Request SetDelay(std::string_view pw, std::string_view value, std::string_view unitWord) {
    return Build(C::SetDelay, {pw, value, unitWord}, {value});
}

Request SetDelayMulti(std::string_view pw, std::string_view value) {
    return Build(C::SetDelayMulti, {pw, value}, {value});
}

Request RelayModeQuery(std::string_view pw) { return Build(C::RelayModeQuery, {pw}); }

Request SetRelayMode(std::string_view pw, int mode) {
    return Build(C::SetRelayMode, {pw, mode}, {mode});
}

Request ClockUpdateQuery(std::string_view pw) { return Build(C::ClockUpdateQuery, {pw}); }

Request SetClockUpdate(std::string_view pw, std::string_view number) {
    return Build(C::SetClockUpdate, {pw, number}, {number});
}

Request DisableClockUpdate(std::string_view pw) { return Build(C::DisableClockUpdate, {pw}); }

Request ReceptionQuery(std::string_view pw) { return Build(C::ReceptionQuery, {pw}); }

Request BandQuery(std::string_view pw) { return Build(C::BandQuery, {pw}); }

Request SetBand(std::string_view pw, std::string_view band) {
    return Build(C::SetBand, {pw, band}, {band});
}

Request SetAlarmInputs(std::string_view pw, std::string_view input1Word,
                       std::string_view input2Word) {
    return Build(C::SetAlarmInputs, {pw, input1Word, input2Word}, {input1Word, input2Word});
}

Request AlarmContentQuery(std::string_view pw) { return Build(C::AlarmContentQuery, {pw}); }

Request SetAlarmContent(std::string_view pw, std::string_view alarm1, std::string_view alarm2) {
    return Build(C::SetAlarmContent, {pw, alarm1, alarm2}, {alarm1, alarm2});
}

Request SetBatteryBackup(std::string_view pw, bool enabled, std::string_view percent) {
    std::string_view word = enabled ? "ON" : "OFF";
    return Build(C::SetBatteryBackup, {pw, word, word, percent}, {percent});
}

Request SetBatteryMulti(std::string_view pw, bool enabled, std::string_view interval) {
    std::string_view value = enabled ? interval : "00";
    return Build(C::SetBatteryMulti, {pw, value}, {value});
}

Request StatusQuery(std::string_view pw) { return Build(C::StatusQuery, {pw}); }

Request SwitchOutput(std::string_view pw, int output, bool on) {
    return Build(on ? C::OutputOn : C::OutputOff, {pw, output}, {output});
}

Request OutputsQuery(std::string_view pw) { return Build(C::OutputsQuery, {pw}); }

Request SetOutputs(std::string_view pw, std::string_view sevenDigits) {
    return Build(C::SetOutputs, {pw, sevenDigits}, {pw, sevenDigits});
}

}  // namespace dorvik
