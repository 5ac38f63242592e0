#pragma once
// Sample SMS-DELIVER PDUs, and the DELIVER a phone would receive for an
// encoded SMS-SUBMIT.
#include <string>

#include "transport/sms_pdu.h"

namespace dorvik::test {

// The widely published tutorial DELIVER: centre +27381000015, sender
// 27838890001 (type C8), 1999-03-29 15:16:59, "hellohello" in 7-bit.
inline const std::string kHelloDeliver =
    "07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37";

// UCS2 "你好": centre +8613800210500 (odd, so F pads: 0891 683108200105F0),
// sender +8613812345678, DCS 08, 2016-03-01 14:05:00 zone 00, 4 octets.
inline const std::string kChineseDeliver =
    "0891683108200105F0040D91683118325476F800086130104150000004" "4F60597D";

// Alphanumeric sender "Vodafone" (type D0, 14 semi-octets), no centre.
inline const std::string kAlphanumericDeliver =
    "00040ED0D637396C7EBBCB000051011241000000" "0AE8329BFD4697D9EC37";

// Turns EncodePdu's SMS-SUBMIT into an SMS-DELIVER with the same service
// centre, address, PID, DCS and user data, time stamp 2016-03-01 14:05:00.
inline std::string SubmitToDeliver(const std::string& submit) {
    std::size_t centre = std::size_t(CSMSPDU::HexPairValue(submit[0], submit[1])) * 2 + 2;
    std::size_t digits = std::size_t(CSMSPDU::HexPairValue(submit[centre + 4], submit[centre + 5]));
    std::size_t address = 4 + (digits + 1) / 2 * 2;
    std::size_t pidDcs = centre + 4 + address;
    return submit.substr(0, centre) + "04" + submit.substr(centre + 4, address) +
           submit.substr(pidDcs, 4) + "61301041500000" + submit.substr(pidDcs + 6);
}

}  // namespace dorvik::test
