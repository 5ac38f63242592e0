#include "protocol/text_format.h"

#include <cstddef>
#include <vector>

namespace dorvik {
namespace {

struct Conversion {
    bool zeroPad = false;
    std::size_t width = 0;
    char type = 0;          // 's', 'd' or '%'; 0 when not understood
    std::size_t length = 0; // characters of the format used, '%' included
};

// Reads the conversion that starts at the '%' at format[at].
Conversion ReadConversion(std::string_view format, std::size_t at) {
    Conversion c;
    std::size_t i = at + 1;
    if (i < format.size() && format[i] == '0') {
        c.zeroPad = true;
        ++i;
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9' && c.width < 100) {
        c.width = c.width * 10 + static_cast<std::size_t>(format[i] - '0');
        ++i;
    }
    if (i < format.size() && (format[i] == 's' || format[i] == 'd' || format[i] == '%')) {
        c.type = format[i];
        c.length = i + 1 - at;
    } else {
        c.length = i - at;
    }
    return c;
}

// An integer padded to the width: zeros go after the sign, blanks before it.
std::string PadNumber(int number, const Conversion& c) {
    std::string digits = std::to_string(number);
    if (digits.size() >= c.width) return digits;
    std::size_t fill = c.width - digits.size();
    if (!c.zeroPad) return std::string(fill, ' ') + digits;
    std::size_t signLength = number < 0 ? 1 : 0;
    return digits.substr(0, signLength) + std::string(fill, '0') + digits.substr(signLength);
}

std::string Convert(const Conversion& c, const FormatArg& arg) {
    if (c.type == 'd' && arg.IsNumber()) return PadNumber(arg.Number(), c);
    std::string text = arg.Text();
    if (text.size() < c.width) text.insert(0, c.width - text.size(), ' ');
    return text;
}

}  // namespace

std::string FormatArg::Text() const {
    return isNumber_ ? std::to_string(number_) : std::string(text_);
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        Conversion c = ReadConversion(format, i);
        if (c.type == '%') {
            out += '%';
        } else if (c.type == 0) {
            out.append(format.substr(i, c.length));
        } else if (next != args.end()) {
            out += Convert(c, *next++);
        }
        i += c.length;
    }
    return out;
}

}  // namespace dorvik
