// Reads an OpenDocument spreadsheet (.ods): the tables of content.xml, with
// rows and cells repeated by table:number-rows-repeated and
// table:number-columns-repeated, and cell texts made of paragraphs.
#include <charconv>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"

namespace dorvik::xls {
namespace {

// Repeats beyond this only ever cover empty cells past any sheet's end.
constexpr size_t kMaxRepeat = size_t{1} << 20;

size_t Repeat(const std::string& text) {
    size_t n = 1;
    auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || r.ec != std::errc() || n == 0) return 1;
    return std::min(n, kMaxRepeat);
}

// The paragraphs of a cell joined by line ends; comments are left out.
std::string CellText(XmlScan& scan) {
    std::string text;
    int paragraphs = 0, depth = 0;
    while (scan.Next() && !(depth == 0 && scan.Kind() == XmlScan::Node::End)) {
        if (scan.IsStart("annotation")) {
            scan.SkipElement();
            continue;
        }
        if (scan.IsStart("p") || scan.IsStart("h")) text += paragraphs++ > 0 ? "\n" : "";
        if (scan.IsStart("s")) text.append(std::min<size_t>(Repeat(scan.Attr("c")), 1024), ' ');
        if (scan.IsStart("tab")) text += '\t';
        if (scan.IsStart("line-break")) text += '\n';
        if (scan.Kind() == XmlScan::Node::Text && depth >= 1) text += scan.Text();
        if (scan.Kind() == XmlScan::Node::Start && !scan.IsEmptyElement()) ++depth;
        if (scan.Kind() == XmlScan::Node::End) --depth;
    }
    return text;
}

// The value of a cell element; false when it holds nothing.
bool ReadCell(XmlScan& scan, Cell& cell) {
    cell = Cell{};
    std::string type = scan.Attr("value-type");
    if (type == "float" || type == "percentage" || type == "currency") {
        if (ParseNumber(scan.Attr("value"), cell.number)) {
            cell.kind = CellKind::Number;
            scan.SkipElement();
            return true;
        }
    } else if (type == "boolean") {
        cell.kind = CellKind::Boolean;
        cell.number = scan.Attr("boolean-value") == "true";
        scan.SkipElement();
        return true;
    }
    std::string stored = type == "string" ? scan.Attr("string-value") : "";
    std::string shown = scan.IsEmptyElement() ? "" : CellText(scan);
    cell.text = Utf8ToUtf16(stored.empty() ? shown : stored);
    return !cell.text.empty();
}

struct RowCells {
    std::vector<std::pair<size_t, Cell>> cells;  // column, value
};

// The cells of a table row up to its end; false past the column limit.
bool ReadRow(XmlScan& scan, RowCells& row) {
    size_t col = 0;
    while (scan.Next() && !scan.IsEnd("table-row")) {
        if (!scan.IsStart("table-cell") && !scan.IsStart("covered-table-cell")) continue;
        size_t repeat = Repeat(scan.Attr("number-columns-repeated"));
        Cell cell;
        if (ReadCell(scan, cell)) {
            if (col + repeat > kMaxCols) return false;
            for (size_t k = 0; k < repeat; ++k) row.cells.emplace_back(col + k, cell);
        }
        col += repeat;
    }
    return true;
}

ReadStatus ReadTable(XmlScan& scan, SheetFiller& fill) {
    size_t row = 0;
    while (scan.Next() && !scan.IsEnd("table")) {
        if (!scan.IsStart("table-row")) continue;
        size_t repeat = Repeat(scan.Attr("number-rows-repeated"));
        RowCells cells;
        if (!scan.IsEmptyElement() && !ReadRow(scan, cells)) return ReadStatus::TooManyCells;
        for (size_t k = 0; k < repeat && !cells.cells.empty(); ++k)
            for (const auto& [col, cell] : cells.cells)
                if (!fill.Put(row + k, col, cell)) return ReadStatus::TooManyCells;
        row += repeat;
    }
    return XmlStatus(scan);
}

}  // namespace

ReadStatus ReadOds(std::string_view bytes, Workbook& out) {
    out = Workbook{};
    zip::ZipReader zip(bytes);
    if (!zip.IsOpen()) return ReadStatus::NotArchive;
    std::string xml;
    if (ReadStatus s = PartStatus(zip.Read("content.xml", xml)); s != ReadStatus::Ok) return s;
    XmlScan scan(xml);
    SheetFiller fill(out);
    while (scan.Next()) {
        if (!scan.IsStart("table")) continue;
        if (!fill.AddSheet(Utf8ToUtf16(scan.Attr("name")))) return ReadStatus::TooManyCells;
        if (scan.IsEmptyElement()) continue;
        if (ReadStatus s = ReadTable(scan, fill); s != ReadStatus::Ok) return s;
    }
    return XmlStatus(scan);
}

}  // namespace dorvik::xls
