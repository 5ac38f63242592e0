#pragma once
// One received short message as the modem reading paths fill it.
#include <string>

namespace dorvik {

struct CSMSItem {
    // Service centre number, "+" in front when international (PDU mode only).
    std::string serviceCentre;
    // Message text in GB18030, whole whatever its length.
    std::string body;
    // Text mode: the modem's time stamp text. PDU mode: "YYYY-MM-DD hh:mm:ss".
    std::string time;
    // Originating number ("+" in front when international) or alphanumeric name.
    std::string sender;
    // PDU mode: the time stamp as days since 1899-12-30, the fraction being
    // the time of day; timeInvalid stays set when it is not a valid date.
    double timeValue = 0.0;
    bool timeInvalid = true;
    // The text the item was read from.
    std::string raw;
    // SIM index from a message list, else 0.
    int index = 0;

    bool operator==(const CSMSItem&) const = default;
};

}  // namespace dorvik
