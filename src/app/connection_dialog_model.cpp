#include "app/connection_dialog_model.h"

#include <algorithm>
#include <cctype>

#include "app/serial_port_scan.h"
#include "model/decimal_text.h"

namespace dorvik {
namespace {

struct ParityName {
    char code;
    const char* text;
};
constexpr ParityName kParities[] = {{'N', "NONE"}, {'O', "ODD"}, {'E', "EVEN"}};

// A positive number read from the start of text, else the fallback's.
int PositiveOr(const std::string& text, const std::string& fallback) {
    const auto v = ReadLeadingInt(text);
    if (v && *v > 0) return *v;
    return std::max(0, LeadingInt(fallback));
}

char ParityOr(const std::string& text, char fallback) {
    if (text.empty()) return fallback;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return std::string("NOEMS").find(c) != std::string::npos ? c : fallback;
}

}  // namespace

std::string ParityText(char parity) {
    for (const auto& p : kParities) {
        if (p.code == parity) return p.text;
    }
    return "NONE";
}

std::optional<int> ParseComNumber(const std::string& text) {
    if (text.compare(0, 3, "COM") != 0) return std::nullopt;
    const auto n = ReadLeadingInt(std::string_view(text).substr(3));
    if (!n || *n < 1 || *n > kMaxComPort) return std::nullopt;
    return n;
}

int ParseSignedInt(const std::string& text) {
    std::size_t end = 0;
    const auto v = ReadLeadingInt(text, &end);
    if (!v || text.find_first_not_of(" \t", end) != std::string::npos) return 0;
    return *v;
}

void ConnectionDialogModel::Open(const ConnectionSettings& current, bool connected) {
    opened_ = current;
    connected_ = connected;
    values_ = ConnectionForm{};
    if (current.port != 0) {
        values_.port = "COM" + std::to_string(current.port);
        values_.baud = std::to_string(current.baud);
        values_.parity = ParityText(current.parity);
        values_.dataBits = std::to_string(current.dataBits);
        values_.stopBits = std::to_string(current.stopBits);
    } else {
        values_.port = "COM2";
        values_.baud = "9600";
        values_.parity = "NONE";
        values_.dataBits = "8";
        values_.stopBits = "1";
    }
    values_.password = current.password;
    values_.savePassword = current.savePassword;
    values_.useModem = current.useModem;
    values_.tavrinMode = current.tavrinMode;
    values_.expiredTime = std::to_string(current.expiredTime);
    values_.unitPhoneNumber = current.unitPhoneNumber;
    values_.messageCenter = current.messageCenter;
    values_.unitId = current.unitId;
    openedValues_ = values_;
    controls_ = values_;
    if (!controls_.savePassword) controls_.password.clear();
}

void ConnectionDialogModel::ClickUseModem(bool checked) {
    controls_.useModem = checked;
    if (checked) controls_.tavrinMode = false;
}

void ConnectionDialogModel::ClickTavrinMode(bool checked) {
    controls_.tavrinMode = checked;
    if (checked) controls_.useModem = false;
}

void ConnectionDialogModel::ShowPasswordHelp() { messages_.Info(kDefaultPassword); }

bool ConnectionDialogModel::Ok(const ConnectionForm& controls) {
    controls_ = controls;
    values_ = controls;
    values_.expiredTime = std::to_string(ParseSignedInt(controls.expiredTime));
    const char* refusal = nullptr;
    if (ParseSignedInt(values_.expiredTime) < 1) {
        refusal = kBadExpiredTime;
    } else if (values_.useModem && values_.unitPhoneNumber.empty()) {
        refusal = kNeedPhoneNumber;
    } else if (values_.tavrinMode && (values_.unitId.empty() || values_.password.empty())) {
        refusal = kNeedIdAndPassword;
    }
    if (refusal) messages_.Error(refusal);
    return refusal == nullptr;
}

ConnectionSettings ConnectionDialogModel::Result() const {
    ConnectionSettings out = opened_;
    out.tavrinMode = values_.tavrinMode;
    out.savePassword = values_.savePassword;
    out.password = values_.password;
    out.useModem = values_.useModem;
    out.unitPhoneNumber = values_.unitPhoneNumber;
    out.messageCenter = values_.messageCenter;
    out.unitId = values_.unitId;
    // A time-out that OK refused is not kept.
    const int expired = ParseSignedInt(values_.expiredTime);
    if (expired >= 1) out.expiredTime = expired;
    if (connected_) return out;
    out.port = ParseComNumber(values_.port).value_or(opened_.port);
    out.baud = PositiveOr(values_.baud, openedValues_.baud);
    out.dataBits = PositiveOr(values_.dataBits, openedValues_.dataBits);
    out.stopBits = PositiveOr(values_.stopBits, openedValues_.stopBits);
    out.parity = ParityOr(values_.parity, openedValues_.parity.empty() ? 'N' : openedValues_.parity[0]);
    return out;
}

}  // namespace dorvik
