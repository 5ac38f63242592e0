#include "pages/settings_form.h"

#include <cstdio>

#include "model/decimal_text.h"
#include "protocol/catalogue.h"

namespace dorvik {
namespace {

struct Field {
    std::size_t pos, len;
    int low, high;
};
// year, month, day, hour, minute, second in "yyyy/MM/dd HH:mm:ss"
constexpr std::array<Field, 6> kPickerFields = {
    {{0, 4, 0, 9999}, {5, 2, 1, 12}, {8, 2, 1, 31}, {11, 2, 0, 23}, {14, 2, 0, 59}, {17, 2, 0, 59}}};

}  // namespace

std::tm DefaultPickerTime() {
    std::tm t{};
    t.tm_year = 2010 - 1900;
    t.tm_mday = 1;
    t.tm_isdst = -1;
    return t;
}

std::string FormatPickerText(const std::tm& time) {
    char text[80];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}

std::optional<std::tm> ParsePickerText(std::string_view text) {
    if (!ClockToCommandText(text)) return std::nullopt;
    std::array<int, 6> v{};
    for (std::size_t i = 0; i < kPickerFields.size(); ++i) {
        const Field& f = kPickerFields[i];
        v[i] = LeadingInt(text.substr(f.pos, f.len));
        if (v[i] < f.low || v[i] > f.high) return std::nullopt;
    }
    std::tm t{};
    t.tm_year = v[0] - 1900;
    t.tm_mon = v[1] - 1;
    t.tm_mday = v[2];
    t.tm_hour = v[3];
    t.tm_min = v[4];
    t.tm_sec = v[5];
    t.tm_isdst = -1;
    return t;
}

}  // namespace dorvik
