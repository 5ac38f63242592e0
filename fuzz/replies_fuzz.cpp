// libFuzzer target for the unit's reply texts: every recogniser, the
// settings pages' status reply, and the serial handlers fed byte by byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pages/status_reply.h"
#include "protocol/replies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace dorvik;
    ParsePhoneListLine(text);
    ParseSpecialListLine(text);
    ParseAlarmListReply(text);
    ParseHouseListLine(text);
    ParseLogLine(text);
    ParseHousesReply(text);
    ParseDeviceName(text);
    ParseClockReply(text);
    ParseDelayReply(text);
    ParseRelayModeReply(text);
    ParseClockUpdateReply(text);
    ParseReceptionReply(text);
    ParseBandReply(text);
    ParseOutputsReply(text);
    ReadPhoneAckIndex(text);
    ReadSpecialAckSlot(text);
    ReadAlarmAckIndex(text);
    ReadHouseAckSlot(text);
    DecodeRestrictionRule(text);
    ParseStatusReply(text, kSingleRelayStatus);
    ParseStatusReply(text, kMultiRelayStatus);
    return 0;
}
