// Cell values as the texts a spreadsheet shows, and sheet lookup by name.
#include <cmath>
#include <cstdio>

#include "sheet/xls_workbook.h"

namespace dorvik::xls {
namespace {

constexpr struct {
    uint8_t code;
    const char16_t* text;
} kErrorTexts[] = {
    {0x00, u"#NULL!"}, {0x07, u"#DIV/0!"}, {0x0F, u"#VALUE!"}, {0x17, u"#REF!"},
    {0x1D, u"#NAME?"}, {0x24, u"#NUM!"},   {0x2A, u"#N/A"},
};

std::u16string Widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? c - u'a' + u'A' : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

}  // namespace

std::string NumberText(double v) {
    if (!std::isfinite(v)) return "#NUM!";
    if (v == 0) return "0";
    char buf[40];
    // Whole numbers below 10^15 are exact in a double: show every digit.
    if (v == std::floor(v) && std::fabs(v) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string out = buf;
    for (char& c : out)
        if (c == 'e') c = 'E';
    return out;
}

std::u16string CellText(const Cell& cell) {
    switch (cell.kind) {
        case CellKind::Text: return cell.text;
        case CellKind::Number: return Widen(NumberText(cell.number));
        case CellKind::Boolean: return cell.number != 0 ? u"TRUE" : u"FALSE";
        case CellKind::Error: break;
    }
    for (const auto& e : kErrorTexts)
        if (e.code == cell.number) return e.text;
    return u"#N/A";
}

int FindSheet(const Workbook& wb, std::u16string_view name) {
    for (size_t i = 0; i < wb.sheets.size(); ++i)
        if (SameName(wb.sheets[i].name, name)) return static_cast<int>(i);
    return -1;
}

}  // namespace dorvik::xls
