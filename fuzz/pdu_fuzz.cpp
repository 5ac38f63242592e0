// libFuzzer target for the untrusted input of the SMS code: PDU hex text as
// a modem hands it over, and a modem's message listing.
//   clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -Isrc fuzz/pdu_fuzz.cpp \
//       src/transport/sms_*.cpp src/model/text_codec.cpp -o pdu_fuzz
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "transport/sms_pdu.h"
#include "transport/sms_short_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    dorvik::CSMSItem item;
    if (dorvik::CSMSPDU::DecodePdu(item, text) && item.raw != text) __builtin_trap();
    dorvik::CShortMessage store;
    store.ParseMessageList(text);
    for (std::size_t i = 0; i <= store.Count(); ++i) store.MoveNext();
    dorvik::CSMSPDU::TpduLength(text);
    return 0;
}
