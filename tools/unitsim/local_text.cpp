#include "unitsim/local_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace dorvik::unitsim {
namespace {

constexpr char kLocal[] = "GB18030";
constexpr char kWide[] = "UTF-16BE";

// Converts with iconv; a unit of `step` input bytes that cannot be converted
// becomes `replacement` and the conversion goes on after it.
std::string Convert(std::string_view in, const char* from, const char* to, std::size_t step,
                    std::string_view replacement) {
    std::string out;
    const iconv_t cd = iconv_open(to, from);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char buffer[256];
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const bool ok = cd != iconv_t(-1) && iconv(cd, &src, &left, &dst, &room) != std::size_t(-1);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (ok || (cd != iconv_t(-1) && errno == E2BIG)) continue;
        const std::size_t skip = std::min(step, left);  // invalid, or cut short at the end
        out += replacement;
        src += skip;
        left -= skip;
    }
    if (cd != iconv_t(-1)) iconv_close(cd);
    return out;
}

}  // namespace

std::u16string LocalToUtf16(std::string_view local) {
    return FromUtf16Be(Convert(local, kLocal, kWide, 1, std::string_view("\0?", 2)));
}

std::string Utf16ToLocal(std::u16string_view text) { return Convert(ToUtf16Be(text), kWide, kLocal, 2, "?"); }

std::string ToUtf16Be(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

std::u16string FromUtf16Be(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned high = static_cast<unsigned char>(bytes[i]);
        text += static_cast<char16_t>(high << 8 | static_cast<unsigned char>(bytes[i + 1]));
    }
    return text;
}

}  // namespace dorvik::unitsim
