#include "unitsim/sim_unit.h"

#include <algorithm>
#include <array>
#include <utility>

#include "unitsim/text_fields.h"

namespace dorvik::unitsim {
namespace {

constexpr std::array<std::string_view, 4> kBands{"GSM 900, DCS 1800", "GSM 900, PCS 1900", "GSM 850, PCS 1800",
                                                 "GSM 850, PCS 1900"};

Lines One(std::string text) { return Lines{std::move(text)}; }
Lines Error() { return One(std::string(kErrorReply)); }

// The 1-based index in 1..high, nothing otherwise.
std::optional<int> IndexIn(std::string_view text, int high) {
    const auto value = ToNumber(text);
    if (!IsDigits(text) || !value || *value < 1 || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

// "OFF" keeps the mode and interval; "ON:SMS:<n>" or "ON:PHONE:<n>" sets them.
std::optional<AlarmInput> ReadInputWord(AlarmInput input, std::string_view word) {
    if (word == "OFF") {
        input.on = false;
        return input;
    }
    for (const auto& [prefix, phone] : {std::pair{std::string_view("ON:SMS:"), false}, {"ON:PHONE:", true}}) {
        if (word.starts_with(prefix) && IsDigits(word.substr(prefix.size()))) {
            return AlarmInput{true, phone, std::string(word.substr(prefix.size()))};
        }
    }
    return std::nullopt;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out(text);
    std::erase(out, ' ');
    return out;
}

bool IsKnownBand(std::string_view band) {
    return std::any_of(kBands.begin(), kBands.end(),
                       [&](std::string_view known) { return WithoutBlanks(known) == WithoutBlanks(band); });
}

bool IsValidPassword(std::string_view password) {
    return !password.empty() &&
           std::none_of(password.begin(), password.end(), [](char c) { return c == '#' || (c >= 0 && c < ' '); });
}

struct Context {
    UnitState& state;
    const UnitOptions& options;
    const SimUnit::Now& now;
};

using Args = std::vector<std::string>;

House* FindHouse(std::vector<House>& houses, std::string_view number) {
    const auto it = std::find_if(houses.begin(), houses.end(), [&](const House& h) { return h.number == number; });
    return it == houses.end() ? nullptr : &*it;
}

bool IdMatches(const Context& c, std::string_view id) { return c.options.unitId.empty() || id == c.options.unitId; }

Lines HouseCount(Context& c, const Args&) { return One(HouseCountReply(c.state.houses)); }

// A TAVRIN command for another unit is not addressed to this one.
Lines ProgRf(Context& c, const Args& a) { return IdMatches(c, a[0]) ? One(ProgReply("PROG-RF-", a[0])) : Lines{}; }
Lines ProgQuit(Context& c, const Args& a) { return IdMatches(c, a[0]) ? One(ProgReply("PROG-QUIT-", a[0])) : Lines{}; }

Lines PhoneReadAll(Context& c, const Args&) { return PhoneListReply(c.state); }

Lines PhoneWrite(Context& c, const Args& a) {
    const auto index = IndexIn(a[0], static_cast<int>(c.state.phones.size()));
    if (!index || !IsDigits(a[1])) return Error();
    c.state.phones[*index - 1] = IsClearNumber(a[1]) ? "" : a[1];
    return One(PhoneSetReply(*index, a[1]));
}

Lines SpecialReadAll(Context& c, const Args&) { return SpecialListReply(c.state); }

// {group, index, number[, rule]}; without a rule only a clearing number is accepted.
Lines SpecialWrite(Context& c, const Args& a) {
    const char group = a[0][0];
    const auto index = IndexIn(a[1], kSpecialSlots);
    const bool hasRule = a.size() == 4;
    const bool clear = IsClearNumber(a[2]);
    if (!index || !IsDigits(a[2]) || (!clear && (!hasRule || !IsValidRule(group, a[3])))) return Error();
    SpecialSlot& slot = c.state.special[kGroups.find(group)][*index - 1];
    slot = clear ? SpecialSlot{} : SpecialSlot{a[2], a[3]};
    return One(SpecialSetReply(group, *index, hasRule ? a[2] + ":" + a[3] : a[2]));
}

Lines AlarmReadAll(Context& c, const Args&) { return One(AlarmListReply(c.state)); }

Lines AlarmWrite(Context& c, const Args& a) {
    const auto index = IndexIn(a[0], kAlarmSlots);
    if (!index || !IsDigits(a[1])) return Error();
    c.state.alarms[*index - 1] = IsClearNumber(a[1]) ? "" : a[1];
    return One(AlarmSetReply(*index, a[1]));
}

Lines AlarmInputs(Context& c, const Args& a) {
    const auto first = ReadInputWord(c.state.inputs[0], a[0]);
    const auto second = ReadInputWord(c.state.inputs[1], a[1]);
    if (!first || !second) return Error();
    c.state.inputs = {*first, *second};
    return One(AlarmInputsReply(a[0], a[1]));
}

Lines HouseReadAll(Context& c, const Args&) { return HouseListReply(c.state); }

// {house, dial digit, number}; a clearing number removes the dial, and the
// house once both dials are gone.
Lines HouseWrite(Context& c, const Args& a) {
    const auto dial = IndexIn(a[1], 2);
    if (!IsDigits(a[0]) || !dial || !IsDigits(a[2])) return Error();
    auto& houses = c.state.houseDials;
    House* house = FindHouse(houses, a[0]);
    const bool clear = IsClearNumber(a[2]);
    if (!house && !clear) {
        if (static_cast<int>(houses.size()) >= c.state.houses) return Error();
        house = &houses.emplace_back(House{a[0], {}});
    }
    if (house) {
        house->dials[*dial - 1] = clear ? "" : a[2];
        if (house->dials[0].empty() && house->dials[1].empty()) houses.erase(houses.begin() + (house - houses.data()));
    }
    return One(HouseSetReply(a[0], *dial, a[2]));
}

Lines LogReadAll(Context& c, const Args&) { return LogReply(c.state, c.state.log.size()); }

Lines LogReadLast(Context& c, const Args& a) {
    const long long count = ToNumber(a[0]).value_or(0);
    return LogReply(c.state, count > 0 ? static_cast<std::size_t>(count) : 0);
}

Lines DeviceQuery(Context& c, const Args&) { return One(DeviceReply(c.state)); }

Lines DeviceSet(Context& c, const Args& a) {
    c.state.name = a[0];
    c.state.version = a[1];
    return One(DeviceReply(c.state));
}

Lines ClockQuery(Context& c, const Args&) { return One(ClockReply(ClockText(c.state, c.now()))); }

Lines ClockSet(Context& c, const Args& a) {
    return SetClock(c.state, a[0], c.now()) ? One(ClockSetReply(a[0])) : Error();
}

Lines ClockUpdateQuery(Context& c, const Args&) { return One(ClockUpdateReply(c.state)); }

Lines ClockUpdateSet(Context& c, const Args& a) {
    if (a[0] != "NO" && !IsDigits(a[0])) return Error();
    c.state.clockUpdatePhone = a[0] == "NO" ? "" : a[0];
    return One(ClockUpdateSetReply(a[0]));
}

Lines PasswordChange(Context& c, const Args& a) {
    const bool changed = a[0] == a[1] && IsValidPassword(a[0]);
    if (changed) c.state.password = a[0];
    return One(PasswordReply(changed));
}

Lines DelayQuery(Context& c, const Args&) { return One(DelayReply(DelayMs(c.state).value_or(0))); }

// {value[, unit word]}; without a word the value is in milliseconds.
Lines DelaySet(Context& c, const Args& a) {
    const std::string unit = a.size() == 2 ? a[1] : "MILLISECOND";
    if (!IsDigits(a[0]) || !DelayMs(a[0], unit)) return Error();
    c.state.delayValue = a[0];
    c.state.delayUnit = unit;
    return One(DelaySetReply(a[0]));
}

Lines ModeQuery(Context& c, const Args&) { return One(ModeReply(c.state.relayMode)); }

Lines ModeSet(Context& c, const Args& a) {
    if (a[0] != "0" && a[0] != "1") return Error();
    c.state.relayMode = a[0][0] - '0';
    return One(ModeSetReply(c.state.relayMode));
}

Lines ReceptionQuery(Context& c, const Args&) { return One(ReceptionReply(c.state.reception)); }
Lines BandQuery(Context& c, const Args&) { return One(BandReply(c.state)); }

Lines BandSet(Context& c, const Args& a) {
    if (!IsKnownBand(a[0])) return Error();
    c.state.band = a[0];
    return One(BandSetReply(a[0]));
}

Lines ContentsQuery(Context& c, const Args&) { return One(ContentsReply(c.state)); }

// A comma would break the replies that list both contents.
Lines ContentsSet(Context& c, const Args& a) {
    if (a[0].find(',') != std::string::npos || a[1].find(',') != std::string::npos) return Error();
    c.state.contents = {a[0], a[1]};
    return One(ContentsSetReply(a[0], a[1]));
}

// {word, word, percent}: the single-relay unit's battery alarm.
Lines BatteryAlarm(Context& c, const Args& a) {
    const auto isWord = [](const std::string& w) { return w == "ON" || w == "OFF"; };
    if (!isWord(a[0]) || !isWord(a[1]) || !IsDigits(a[2])) return Error();
    c.state.batteryOn = a[0] == "ON";
    c.state.batteryPercent = a[2];
    return One(BatteryReply(a[2]));
}

// The seven-relay unit's battery interval; zero turns battery backup off.
Lines BatteryInterval(Context& c, const Args& a) {
    if (!IsDigits(a[0]) || a[0].size() > 6) return Error();
    c.state.batteryOn = ToNumber(a[0]) != 0;
    if (c.state.batteryOn) c.state.batteryInterval = a[0];
    return One(BatteryReply(a[0]));
}

Lines StatusQuery(Context& c, const Args&) { return One(StatusReply(c.state, c.options.multiRelay)); }
Lines RelaysQuery(Context& c, const Args&) { return One(RelaysReply(c.state)); }

Lines RelaysSet(Context& c, const Args& a) {
    if (a[0].size() != 7 || a[0].find_first_not_of("01") != std::string::npos) return Error();
    c.state.relays = a[0];
    return One(RelaysSetReply(c.state.password, a[0]));
}

Lines OutputSwitch(Context& c, const Args& a) {
    const auto output = IndexIn(a[0], 2);
    if (!output || (a[1] != "ON" && a[1] != "OFF")) return Error();
    c.state.relays[*output - 1] = a[1] == "ON" ? '1' : '0';
    return One(OutputSwitchReply(a[0], a[1]));
}

Lines Unknown(Context&, const Args&) { return Error(); }

using Handler = Lines (*)(Context&, const Args&);

Handler HandlerFor(CommandKind kind) {
    using K = CommandKind;
    static constexpr std::array<std::pair<CommandKind, Handler>, 37> kHandlers{{
        {K::HouseCount, HouseCount},         {K::ProgRf, ProgRf},
        {K::ProgQuit, ProgQuit},             {K::PhoneReadAll, PhoneReadAll},
        {K::PhoneWrite, PhoneWrite},         {K::SpecialReadAll, SpecialReadAll},
        {K::SpecialWrite, SpecialWrite},     {K::AlarmReadAll, AlarmReadAll},
        {K::AlarmWrite, AlarmWrite},         {K::AlarmInputs, AlarmInputs},
        {K::HouseReadAll, HouseReadAll},     {K::HouseWrite, HouseWrite},
        {K::LogReadAll, LogReadAll},         {K::LogReadLast, LogReadLast},
        {K::DeviceQuery, DeviceQuery},       {K::DeviceSet, DeviceSet},
        {K::ClockQuery, ClockQuery},         {K::ClockSet, ClockSet},
        {K::ClockUpdateQuery, ClockUpdateQuery}, {K::ClockUpdateSet, ClockUpdateSet},
        {K::PasswordChange, PasswordChange}, {K::DelayQuery, DelayQuery},
        {K::DelaySet, DelaySet},             {K::ModeQuery, ModeQuery},
        {K::ModeSet, ModeSet},               {K::ReceptionQuery, ReceptionQuery},
        {K::BandQuery, BandQuery},           {K::BandSet, BandSet},
        {K::ContentsQuery, ContentsQuery},   {K::ContentsSet, ContentsSet},
        {K::BatteryAlarm, BatteryAlarm},     {K::BatteryInterval, BatteryInterval},
        {K::StatusQuery, StatusQuery},       {K::RelaysQuery, RelaysQuery},
        {K::RelaysSet, RelaysSet},           {K::OutputSwitch, OutputSwitch},
        {K::Unknown, Unknown},
    }};
    for (const auto& [k, handler] : kHandlers) {
        if (k == kind) return handler;
    }
    return Unknown;
}

}  // namespace

SimUnit::SimUnit(const UnitOptions& options, Now now)
    : options_(options), now_(std::move(now)), state_(options.houses) {
    state_.password = options.password;
    SeedPhones(state_, options.seedPhones);
    SeedLog(state_, options.logRows);
}

Lines SimUnit::Handle(std::string_view text) {
    const auto frame = ParseFrame(text);
    if (!frame || frame->password != state_.password) return {};
    const Command command = ParseCommand(frame->body);
    Context context{state_, options_, now_};
    return HandlerFor(command.kind)(context, command.args);
}

}  // namespace dorvik::unitsim
