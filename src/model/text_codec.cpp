#include "model/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace dorvik {
namespace {

// One open iconv descriptor, closed on scope exit.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv_open ") + from + " -> " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. An invalid or incomplete sequence of
    // unitBytes-sized input units is skipped unit by unit and replaced by
    // `bad` (already in the target encoding); *clean reports whether any was.
    std::string Run(const char* in, size_t inLen, size_t unitBytes, std::string_view bad,
                    bool* clean) {
        std::string out;
        out.reserve(inLen * 2 + 8);
        char buf[4096];
        bool sawBad = false;
        char* src = const_cast<char*>(in);
        size_t left = inLen;
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: drop one input unit and mark it.
            sawBad = true;
            out.append(bad);
            size_t skip = unitBytes < left ? unitBytes : left;
            src += skip;
            left -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        // Flush any shift state.
        char* dst = buf;
        size_t room = sizeof buf;
        iconv(cd_, nullptr, nullptr, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (clean) *clean = !sawBad;
        return out;
    }

private:
    iconv_t cd_;
};

std::u16string BytesToU16(const std::string& bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
}

}  // namespace

std::string GbToUtf8(std::string_view gb) {
    Converter c("UTF-8", "GB18030");
    return c.Run(gb.data(), gb.size(), 1, "?", nullptr);
}

std::string Utf8ToGb(std::string_view utf8, bool* ok) {
    Converter c("GB18030", "UTF-8");
    bool clean = true;
    std::string out = c.Run(utf8.data(), utf8.size(), 1, "?", &clean);
    if (ok) *ok = clean;
    return out;
}

std::u16string GbToUtf16(std::string_view gb) {
    Converter c("UTF-16LE", "GB18030");
    return BytesToU16(c.Run(gb.data(), gb.size(), 1, std::string_view("?\0", 2), nullptr));
}

std::string Utf16ToGb(std::u16string_view utf16) {
    Converter c("GB18030", "UTF-16LE");
    return c.Run(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2, 2, "?", nullptr);
}

bool IsValidUtf8(std::string_view text) {
    bool clean = true;
    Converter c("UTF-16LE", "UTF-8");
    c.Run(text.data(), text.size(), 1, "", &clean);
    return clean;
}

}  // namespace dorvik
