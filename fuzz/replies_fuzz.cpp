// libFuzzer target for the unit's serial replies: the first byte picks the
// request code the reply answers, the next line is the acknowledgement text
// awaited, and the rest is fed byte by byte from the port into the
// connection engine, which hands it to the reply handler of that code (and
// of the codes the handlers send next).
#include "unit_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorvik;
    const fuzz::FramedInput in = fuzz::SplitInput(data, size);
    fuzz::UnitRig rig;
    rig.engine.SetConnected(true);
    rig.engine.SendRequest("#PWD1234#", in.code, in.ack);
    for (unsigned char c : in.bytes) rig.engine.OnReplyByte(c);
    return 0;
}
