#pragma once
// SMS PDU codec: builds SMS-SUBMIT and reads SMS-DELIVER PDUs in the hex
// text form that modems use in PDU mode, with the byte, hex and semi-octet
// helpers it is made of. No I/O; texts are GB18030.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "transport/sms_item.h"

namespace dorvik {

// Data coding schemes: GSM 7-bit default alphabet and UCS2 (UTF-16 big endian).
inline constexpr std::uint8_t kDcsGsm7 = 0x00;
inline constexpr std::uint8_t kDcsUcs2 = 0x08;

// Type of address for international numbers (TON 1, ISDN plan).
inline constexpr std::uint8_t kInternationalType = 0x91;
inline constexpr std::uint8_t kUnknownType = 0x81;

// Longest address in digits.
inline constexpr std::size_t kMaxAddressDigits = 20;

// The parts of an outgoing message.
struct SmsSubmit {
    // Digits, optionally led by "+"; empty: the service centre stored in the modem.
    std::string serviceCentre;
    // Digits, optionally led by "+".
    std::string destination;
    std::uint8_t protocolId = 0;
    std::uint8_t dataCoding = kDcsUcs2;
    std::string text;
};

// The alphabet a data coding scheme selects.
enum class SmsAlphabet { Gsm7, Data8, Ucs2 };

class CSMSPDU {
public:
    // SMS-SUBMIT as upper-case hex. Fails (nullopt) when a number is empty
    // (the destination), has more than 20 digits or a character other than
    // digits after an optional leading "+", or when the text does not fit one
    // message (160 septets, 140 octets).
    static std::optional<std::string> EncodePdu(const SmsSubmit& message);

    // Reads an SMS-DELIVER into item. False, with item untouched, when the
    // text is not whole hex octets, is not an SMS-DELIVER, is shorter than its
    // fields say, or the originating number has 21 or more digits.
    static bool DecodePdu(CSMSItem& item, std::string_view pduHex);

    // Octets after the service centre field (the length AT+CMGS wants); -1
    // when the hex text is not a whole PDU.
    static int TpduLength(std::string_view pduHex);

    // kDcsGsm7 when the text fits the GSM alphabet, else kDcsUcs2.
    static std::uint8_t PreferredCoding(std::string_view text);

    static SmsAlphabet AlphabetOf(std::uint8_t dataCoding);

    // Two upper-case hex digits per byte.
    static std::string BytesToHex(std::string_view bytes);
    // One byte per two hex digits (either case); nullopt for an odd count or
    // any other character.
    static std::optional<std::string> HexToBytes(std::string_view hex);
    // 0..255 from two hex digits (either case), -1 otherwise.
    static int HexPairValue(char high, char low);
    // 0..99 from two decimal digits, -1 otherwise.
    static int TwoDigitValue(char tens, char ones);
    // Semi-octet order: each pair of characters exchanged, an odd count
    // padded with "F" as the first character of the last pair.
    static std::string SwapDigits(std::string_view number);
    // The text in the GSM alphabet, packed seven bits per character.
    static std::string Pack7(std::string_view text);
    // The text as UTF-16 bytes, high byte first (surrogate pairs kept).
    static std::string ToUcs2(std::string_view text);
};

}  // namespace dorvik
