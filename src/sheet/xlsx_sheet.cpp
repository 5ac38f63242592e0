// The cells of an .xlsx worksheet part: <row r="N"> holding <c r="B2" t=".."> with a
// value <v>, an inline string <is> or nothing.
#include <algorithm>
#include <charconv>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"

namespace dorvik::xls {
namespace {

struct Position {
    size_t row = 0;
    size_t col = 0;
};

// "B12" -> column 1, row 11; a reference without digits keeps the row.
// Columns past three letters are clamped far beyond any sheet.
bool ParseRef(const std::string& ref, Position& at) {
    size_t i = 0, col = 0, row = 0;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i)
        col = std::min<size_t>(col * 26 + (ref[i] - 'A' + 1), 1u << 20);
    size_t digits = i;
    for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i)
        row = std::min<size_t>(row * 10 + (ref[i] - '0'), 1u << 24);
    if (col == 0 || i != ref.size()) return false;
    at.col = col - 1;
    if (i > digits && row > 0) at.row = row - 1;
    return true;
}

bool ParseIndex(const std::string& text, size_t& v) {
    double d = 0;
    if (!ParseNumber(text, d) || d < 1 || d > (1u << 24)) return false;
    v = static_cast<size_t>(d);
    return true;
}

// The value and inline text of a <c> element, up to its end.
void CellContent(XmlScan& scan, std::string& value, std::string& inlineText) {
    bool inValue = false;
    while (scan.Next() && !scan.IsEnd("c")) {
        if (scan.IsStart("is") && !scan.IsEmptyElement()) inlineText = XlsxRunText(scan, "is");
        if (scan.IsStart("v")) inValue = !scan.IsEmptyElement();
        if (scan.IsEnd("v")) inValue = false;
        if (inValue && scan.Kind() == XmlScan::Node::Text) value += scan.Text();
    }
}

// The cell of type `t` with that content; false when it holds nothing.
bool MakeCell(const std::string& t, const std::string& value, const std::string& inlineText,
              const std::vector<std::u16string>& strings, Cell& cell) {
    cell = Cell{};
    if (t == "inlineStr") {
        cell.text = Utf8ToUtf16(inlineText);
        return !cell.text.empty();
    }
    if (value.empty()) return false;
    if (t == "s") {
        size_t index = 0;
        auto r = std::from_chars(value.data(), value.data() + value.size(), index);
        if (r.ec != std::errc() || index >= strings.size()) return false;
        cell.text = strings[index];
        return !cell.text.empty();
    }
    if (t == "b") {
        cell.kind = CellKind::Boolean;
        cell.number = value != "0" && value != "false";
        return true;
    }
    if ((t.empty() || t == "n") && ParseNumber(value, cell.number)) {
        cell.kind = CellKind::Number;
        return true;
    }
    cell.text = Utf8ToUtf16(value);  // str (formula text), e (error), d (date), or a bad number
    return true;
}

}  // namespace

std::string XlsxRunText(XmlScan& scan, std::string_view element) {
    std::string text;
    bool inText = false;
    while (scan.Next() && !scan.IsEnd(element)) {
        if (scan.IsStart("rPh")) scan.SkipElement();
        if (scan.IsStart("t")) inText = !scan.IsEmptyElement();
        if (scan.IsEnd("t")) inText = false;
        if (inText && scan.Kind() == XmlScan::Node::Text) text += scan.Text();
    }
    return text;
}

ReadStatus ReadXlsxSheet(const std::string& xml, const std::vector<std::u16string>& strings,
                         SheetFiller& fill) {
    XmlScan scan(xml);
    Position at;
    bool firstRow = true;
    while (scan.Next()) {
        if (scan.IsStart("row")) {
            size_t r = 0;
            at.row = ParseIndex(scan.Attr("r"), r) ? r - 1 : (firstRow ? 0 : at.row + 1);
            at.col = 0;
            firstRow = false;
            continue;
        }
        if (!scan.IsStart("c")) continue;
        std::string ref = scan.Attr("r"), t = scan.Attr("t"), value, inlineText;
        if (!ref.empty() && !ParseRef(ref, at)) return ReadStatus::Damaged;
        if (!scan.IsEmptyElement()) CellContent(scan, value, inlineText);
        Cell cell;
        if (MakeCell(t, value, inlineText, strings, cell) && !fill.Put(at.row, at.col, cell))
            return ReadStatus::TooManyCells;
        ++at.col;
    }
    return XmlStatus(scan);
}

}  // namespace dorvik::xls
