// libFuzzer target for the modem receive path: the bytes a GSM modem sends,
// fed into the modem mode's receiver in any modem state, in text or PDU
// mode, with the unit's short messages handed on to the reply handlers.
// The first byte picks the request code the awaited message answers; bit 0
// of the second selects PDU mode and its next bits the modem state; the
// next line is the acknowledgement text awaited.
#include "unit_rig.h"

namespace {

using namespace dorvik;

constexpr ModemState kStates[] = {
    ModemState::Test, ModemState::Format,     ModemState::Prompt,   ModemState::Body,
    ModemState::Delete, ModemState::Indication, ModemState::Read,     ModemState::Idle,
    ModemState::Storages, ModemState::Select,   ModemState::List};

// Leaves the modem where the command leading to state leaves it.
void Enter(GSMModem& modem, ModemState state) {
    if (state == ModemState::Prompt || state == ModemState::Body)
        modem.SendShortMessage(fuzz::kUnitPhone, "#PWD1234#WHL0001=13911112222");
    if (state == ModemState::Read || state == ModemState::Delete || state == ModemState::Select)
        modem.PushIndex(12);
    modem.SetState(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const unsigned char mode = data[1];
    std::basic_string<std::uint8_t> framed(data, size);
    framed.erase(1, 1);
    const fuzz::FramedInput in = fuzz::SplitInput(framed.data(), framed.size());
    fuzz::UnitRig rig;
    rig.modem.UsePduMode(mode & 1);
    rig.modem.Modem().SetMessageFormat(mode & 1 ? kPduFormat : kTextFormat);
    rig.engine.SendRequest("#PWD1234#", in.code, in.ack);
    Enter(rig.modem.Modem(), kStates[(mode >> 1) % std::size(kStates)]);
    for (unsigned char c : in.bytes) rig.modem.Receiver().OnSerialByte(c, 5);
    return 0;
}
