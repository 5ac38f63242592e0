// What the .xlsx and .ods readers and writers share: cell placement within
// the limits, UTF-8 text and numbers written the same in every locale.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"

namespace dorvik::xls {
namespace {

void AppendCodePoint(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at s[i]; U+FFFD for a broken one.
uint32_t DecodeAt(std::string_view s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i++]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c >= 0x80 && extra == 0) return 0xFFFD;
    uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp > 0x10FFFF ? 0xFFFD : cp;
}

}  // namespace

bool SheetFiller::AddSheet(std::u16string name, SheetType type) {
    if (wb_.sheets.size() >= kMaxSheets) return false;
    wb_.sheets.push_back(Sheet{std::move(name), type, 0, {}});
    return true;
}

bool SheetFiller::Put(size_t row, size_t col, const Cell& cell) {
    if (wb_.sheets.empty() || row >= kMaxRows || col >= kMaxCols || cells_ >= kMaxCells)
        return false;
    std::vector<Row>& rows = wb_.sheets.back().rows;
    if (rows.size() <= row) rows.resize(row + 1);
    Row& r = rows[row];
    Cell placed = cell;
    placed.col = static_cast<uint16_t>(col);
    auto at = std::lower_bound(r.begin(), r.end(), placed.col,
                               [](const Cell& c, uint16_t v) { return c.col < v; });
    if (at != r.end() && at->col == placed.col) {
        *at = std::move(placed);
        return true;
    }
    r.insert(at, std::move(placed));
    ++cells_;
    return true;
}

ReadStatus PartStatus(zip::PartRead r) {
    switch (r) {
        case zip::PartRead::Ok:
            return ReadStatus::Ok;
        case zip::PartRead::Missing:
            return ReadStatus::MissingPart;
        case zip::PartRead::TooLarge:
            return ReadStatus::Expands;
        case zip::PartRead::Damaged:
            break;
    }
    return ReadStatus::Damaged;
}

ReadStatus XmlStatus(const XmlScan& scan) {
    if (scan.Failure() == XmlScan::Fault::Refused) return ReadStatus::XmlRefused;
    return scan.Failure() == XmlScan::Fault::None ? ReadStatus::Ok : ReadStatus::Damaged;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp = DecodeAt(utf8, i);
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        bool high = cp >= 0xD800 && cp < 0xDC00;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (cp >= 0xD800 && cp < 0xE000)
            cp = 0xFFFD;
        AppendCodePoint(out, cp);
    }
}

std::string ExactNumber(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

bool ParseNumber(std::string_view text, double& v) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size() &&
           std::isfinite(v);
}

}  // namespace dorvik::xls
