#include "unitsim/replies.h"

#include <algorithm>

namespace dorvik::unitsim {
namespace {

std::string Pad(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

std::string Num(int value) { return std::to_string(value); }

std::string OnOff(bool on) { return on ? "ON" : "OFF"; }

// "<key>ON:SMS:30"
std::string InputState(std::string_view key, const AlarmInput& input) {
    return std::string(key) + OnOff(input.on) + (input.phone ? ":PHONE:" : ":SMS:") + input.interval;
}

std::string DelayWithUnit(const UnitState& state) {
    const char* unit = state.delayUnit == "MINIUTE" ? "M" : state.delayUnit == "SECOND" ? "S" : "MS";
    return state.delayValue + unit;
}

}  // namespace

std::string HouseCountReply(int houses) { return "HOUSE NUMBER IS " + Num(houses); }

std::string ProgReply(std::string_view verb, std::string_view id) {
    return std::string(verb) + std::string(id) + " OK";
}

Lines PhoneListReply(const UnitState& state) {
    Lines lines;
    for (std::size_t i = 0; i < state.phones.size(); ++i) {
        if (!state.phones[i].empty()) lines.push_back("WHL" + Pad(int(i) + 1, 4) + " IS " + state.phones[i]);
    }
    if (lines.empty()) lines.push_back("WHL IS 0000");
    return lines;
}

std::string PhoneSetReply(int index, std::string_view number) {
    return "WHL" + Pad(index, 4) + " SET TO " + std::string(number) + " OK";
}

Lines SpecialListReply(const UnitState& state) {
    Lines lines;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        const std::string head = std::string(1, kGroups[g]) + "HL";
        const std::size_t before = lines.size();
        for (int i = 0; i < kSpecialSlots; ++i) {
            const SpecialSlot& slot = state.special[g][i];
            if (!slot.number.empty()) lines.push_back(head + Pad(i + 1, 3) + " IS " + slot.number + ":" + slot.rule);
        }
        if (lines.size() == before) lines.push_back(head + " IS 0000");
    }
    return lines;
}

std::string SpecialSetReply(char group, int index, std::string_view value) {
    return std::string(1, group) + "HL" + Pad(index, 3) + " SETUP TO " + std::string(value) + " OK";
}

std::string AlarmListReply(const UnitState& state) {
    std::string line = "ALARM IS ";
    for (const std::string& number : state.alarms) line += number + ":";
    return line;
}

std::string AlarmSetReply(int index, std::string_view number) {
    return "ALARM" + Pad(index, 2) + " SET TO " + std::string(number) + " OK";
}

Lines HouseListReply(const UnitState& state) {
    Lines lines;
    for (const House& house : state.houseDials) {
        for (int d = 0; d < 2; ++d) {
            if (!house.dials[d].empty()) lines.push_back(house.number + ":DIAL" + Num(d + 1) + ":" + house.dials[d]);
        }
    }
    if (lines.empty()) lines.push_back("DIAL IS 0000");
    return lines;
}

std::string HouseSetReply(std::string_view house, int dial, std::string_view number) {
    return std::string(house) + ":DIAL" + Num(dial) + " SET TO " + std::string(number) + " OK";
}

Lines LogReply(const UnitState& state, std::size_t count) {
    Lines lines;
    const std::size_t first = state.log.size() - std::min(count, state.log.size());
    for (std::size_t i = first; i < state.log.size(); ++i) {
        const LogRow& row = state.log[i];
        lines.push_back("LOG" + std::string(1, row.source) + Num(int(i) + 1) + ":" + row.number + ":" + row.time);
    }
    if (lines.empty()) lines.push_back("LOG IS 0000");
    return lines;
}

std::string DeviceReply(const UnitState& state) { return "DEVICE NAME IS " + state.name + ":" + state.version; }
std::string ClockReply(std::string_view clock) { return "TIMER IS " + std::string(clock); }
std::string ClockSetReply(std::string_view clock) { return "DEVICE TIMER IS SET TO " + std::string(clock); }
std::string PasswordReply(bool changed) { return changed ? "PWD SETUP OK" : "PWD SETUP ERROR"; }
std::string DelayReply(int ms) { return "DELAY TIME IS " + Num(ms); }
std::string DelaySetReply(std::string_view value) { return "DELAY TIME SET TO " + std::string(value) + " MS"; }
std::string ModeReply(int mode) { return "RELAY IS MODE" + Num(mode); }
std::string ModeSetReply(int mode) { return "RELAY SET TO MODE" + Num(mode); }

std::string ClockUpdateReply(const UnitState& state) {
    return "TIMER-UPDATE:" + (state.clockUpdatePhone.empty() ? std::string("NO") : state.clockUpdatePhone);
}

std::string ClockUpdateSetReply(std::string_view value) { return "TIMER-UPDATE:" + std::string(value) + " OK"; }
std::string ReceptionReply(int csq) { return "CSQ IS " + Num(csq); }

// The tool reads the band up to the first blank, so the unit leaves blanks out.
std::string BandReply(const UnitState& state) {
    std::string band = state.band;
    std::erase(band, ' ');
    return "BAND IS " + band;
}

std::string BandSetReply(std::string_view band) { return "BAND SET TO " + std::string(band) + " OK"; }

std::string AlarmInputsReply(std::string_view word1, std::string_view word2) {
    return "ALARM-IN1=" + std::string(word1) + ",ALARM-IN2=" + std::string(word2);
}

std::string ContentsReply(const UnitState& state) {
    return "UDI1:" + state.contents[0] + ",UDI2:" + state.contents[1];
}

std::string ContentsSetReply(std::string_view content1, std::string_view content2) {
    return "UDI1:" + std::string(content1) + ", UDI2:" + std::string(content2) + " OKEY";
}

std::string BatteryReply(std::string_view value) { return "BCPW=" + std::string(value); }

std::string StatusReply(const UnitState& state, bool multiRelay) {
    const std::string a1 = multiRelay ? "ALARM1=" : "ALM1=";
    const std::string a2 = multiRelay ? "ALARM2=" : "ALM2=";
    // The single-relay form puts two characters between a key and its content.
    const std::string gap = multiRelay ? "" : "C:";
    std::string text = InputState(a1, state.inputs[0]) + "," + InputState(a2, state.inputs[1]) + "," + a1 + gap +
                       state.contents[0] + "," + a2 + gap + state.contents[1] + ",";
    if (multiRelay) {
        const auto ms = DelayMs(state);
        return text + "GOT=" + (ms ? Num(*ms) : state.delayValue) + ",CSQ=" + Num(state.reception) +
               ",BCPW=" + (state.batteryOn ? state.batteryInterval : "00") + ",RELAY=" +
               OnOff(state.relays[0] == '1');
    }
    return text + "GOT=" + DelayWithUnit(state) + ",CSQ=" + Num(state.reception) + ",BCPW=" +
           OnOff(state.batteryOn) + ":" + state.batteryPercent + ",RELAY1=" + OnOff(state.relays[0] == '1') +
           ",RELAY2=" + OnOff(state.relays[1] == '1');
}

std::string OutputSwitchReply(std::string_view output, std::string_view word) {
    return "OUT" + std::string(output) + "=" + std::string(word) + " OK";
}

std::string RelaysReply(const UnitState& state) { return "OUT IS " + state.relays; }

std::string RelaysSetReply(std::string_view password, std::string_view bits) {
    return "#PWD" + std::string(password) + "#OUT=" + std::string(bits) + " OK";
}

}  // namespace dorvik::unitsim
