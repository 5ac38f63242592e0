// Writes an OpenDocument spreadsheet (.ods): the mimetype first and
// uncompressed, the manifest, an empty style part and content.xml with one
// table per sheet. Runs of empty cells and rows are written repeated.
#include <algorithm>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"

namespace dorvik::xls {
namespace {

constexpr const char* kMime = "application/vnd.oasis.opendocument.spreadsheet";
constexpr const char* kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kOfficeNs =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"";
constexpr const char* kContentOpen =
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " office:version=\"1.2\"><office:body><office:spreadsheet>";

std::string Manifest() {
    return std::string(kHead) +
           "<manifest:manifest "
           "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
           "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" "
           "manifest:version=\"1.2\" "
           "manifest:media-type=\"" +
           kMime +
           "\"/>"
           "<manifest:file-entry manifest:full-path=\"content.xml\" "
           "manifest:media-type=\"text/xml\"/>"
           "<manifest:file-entry manifest:full-path=\"styles.xml\" "
           "manifest:media-type=\"text/xml\"/>"
           "</manifest:manifest>";
}

// A paragraph's text: spaces a reader would fold (leading, trailing, runs)
// as <text:s/>, tabs and line ends as their elements.
void AppendParagraph(std::string& out, const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == ' ' && i > 0 && text[i - 1] != ' ' && i + 1 < text.size() && text[i + 1] != ' ') {
            out += ' ';
            ++i;
        } else if (c == ' ') {
            size_t n = text.find_first_not_of(' ', i);
            n = (n == std::string::npos ? text.size() : n) - i;
            out += "<text:s text:c=\"" + std::to_string(n) + "\"/>";
            i += n;
        } else {
            size_t n = std::min(text.find_first_of(" \t\n", i), text.size()) - i;
            AppendEscaped(out, std::string_view(text).substr(i, n));
            if (n == 0) out += text[i++] == '\t' ? "<text:tab/>" : "<text:line-break/>";
            i += n;
        }
    }
}

void AppendCell(std::string& out, const Cell& c) {
    std::string shown;
    AppendUtf8(shown, CellText(c));
    if (c.kind == CellKind::Number)
        out += "<table:table-cell office:value-type=\"float\" office:value=\"" +
               ExactNumber(c.number) + "\">";
    else if (c.kind == CellKind::Boolean)
        out +=
            std::string("<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"") +
            (c.number != 0 ? "true" : "false") + "\">";
    else
        out += "<table:table-cell office:value-type=\"string\">";
    out += "<text:p>";
    AppendParagraph(out, shown);
    out += "</text:p></table:table-cell>";
}

// Runs of n empty cells or rows, as one element repeated n times.
void AppendEmptyCells(std::string& out, size_t n) {
    if (n == 1) out += "<table:table-cell/>";
    if (n > 1)
        out += "<table:table-cell table:number-columns-repeated=\"" + std::to_string(n) + "\"/>";
}

void AppendEmptyRows(std::string& out, size_t n) {
    if (n == 0) return;
    out += n == 1 ? "<table:table-row>"
                  : "<table:table-row table:number-rows-repeated=\"" + std::to_string(n) + "\">";
    out += "<table:table-cell/></table:table-row>";
}

bool Written(const Cell& c) {
    return c.kind != CellKind::Text || !c.text.empty();
}

void AppendRow(std::string& out, const Row& row) {
    out += "<table:table-row>";
    size_t col = 0;
    for (const Cell& c : row) {
        if (!Written(c)) continue;
        AppendEmptyCells(out, c.col - col);
        AppendCell(out, c);
        col = c.col + 1u;
    }
    out += "</table:table-row>";
}

void AppendTable(std::string& out, const Sheet& s) {
    out += "<table:table table:name=\"";
    std::string name;
    AppendUtf8(name, s.name);
    AppendEscaped(out, name);
    size_t cols = 1;
    for (const Row& row : s.rows)
        if (!row.empty()) cols = std::max<size_t>(cols, row.back().col + 1u);
    out +=
        "\"><table:table-column table:number-columns-repeated=\"" + std::to_string(cols) + "\"/>";
    size_t empty = 0, written = 0;
    for (const Row& row : s.rows) {
        if (std::none_of(row.begin(), row.end(), Written)) {
            ++empty;
            continue;
        }
        AppendEmptyRows(out, empty);
        empty = 0;
        AppendRow(out, row);
        ++written;
    }
    if (written == 0) AppendEmptyRows(out, 1);
    out += "</table:table>";
}

}  // namespace

WriteStatus BuildOds(const Workbook& wb, std::string& bytes, std::u16string* problem) {
    if (WriteStatus s = CheckSheets(wb, problem); s != WriteStatus::Ok) return s;
    std::string content =
        std::string(kHead) + "<office:document-content " + kOfficeNs + kContentOpen;
    for (const Sheet& s : wb.sheets) AppendTable(content, s);
    content += "</office:spreadsheet></office:body></office:document-content>";
    std::vector<zip::Part> parts = {
        {"mimetype", kMime},
        {"META-INF/manifest.xml", Manifest()},
        {"styles.xml",
         std::string(kHead) + "<office:document-styles " + kOfficeNs + " office:version=\"1.2\"/>"},
        {"content.xml", std::move(content)},
    };
    return zip::BuildZip(parts, true, bytes) ? WriteStatus::Ok : WriteStatus::Failed;
}

}  // namespace dorvik::xls
