// Writes an Office Open XML workbook (.xlsx): one worksheet part per sheet
// with inline strings, plus the package parts every spreadsheet program
// expects (content types, relationships, a minimal style sheet).
#include <algorithm>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"

namespace dorvik::xls {
namespace {

constexpr const char* kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPackageRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
constexpr const char* kStyles =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
    "borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" "
    "xfId=\"0\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";

std::string SheetPath(size_t i) {
    return "worksheets/sheet" + std::to_string(i + 1) + ".xml";
}

std::string ColumnName(size_t col) {
    std::string name;
    for (size_t n = col + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

void AppendText(std::string& out, std::u16string_view text) {
    std::string utf8;
    AppendUtf8(utf8, text);
    AppendEscaped(out, utf8);
}

void AppendCell(std::string& out, const Cell& c, const std::string& ref) {
    out += "<c r=\"" + ref + "\"";
    switch (c.kind) {
        case CellKind::Number:
            out += "><v>" + ExactNumber(c.number) + "</v></c>";
            return;
        case CellKind::Boolean:
            out += std::string(" t=\"b\"><v>") + (c.number != 0 ? "1" : "0") + "</v></c>";
            return;
        case CellKind::Error:
        case CellKind::Text:
            break;
    }
    std::u16string text = CellText(c);
    bool edges = !text.empty() && (text.front() <= u' ' || text.back() <= u' ');
    out += edges ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">" : " t=\"inlineStr\"><is><t>";
    AppendText(out, text);
    out += "</t></is></c>";
}

bool Written(const Cell& c) {
    return c.kind != CellKind::Text || !c.text.empty();
}

std::string SheetXml(const Sheet& s) {
    std::string out = std::string(kHead) + "<worksheet xmlns=\"" + kMainNs + "\"><sheetData>";
    for (size_t r = 0; r < s.rows.size(); ++r) {
        if (std::none_of(s.rows[r].begin(), s.rows[r].end(), Written)) continue;
        std::string row = std::to_string(r + 1);
        out += "<row r=\"" + row + "\">";
        for (const Cell& c : s.rows[r])
            if (Written(c)) AppendCell(out, c, ColumnName(c.col) + row);
        out += "</row>";
    }
    return out + "</sheetData></worksheet>";
}

std::string WorkbookXml(const Workbook& wb) {
    std::string out = std::string(kHead) + "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" +
                      kRelNs + "\"><sheets>";
    for (size_t i = 0; i < wb.sheets.size(); ++i) {
        out += "<sheet name=\"";
        AppendText(out, wb.sheets[i].name);
        std::string n = std::to_string(i + 1);
        out += "\" sheetId=\"" + n + "\"";
        if (wb.sheets[i].visibility != 0)
            out += wb.sheets[i].visibility == 1 ? " state=\"hidden\"" : " state=\"veryHidden\"";
        out += " r:id=\"rId" + n + "\"/>";
    }
    return out + "</sheets></workbook>";
}

std::string WorkbookRels(size_t sheets) {
    const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::string out =
        std::string(kHead) +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (size_t i = 0; i < sheets; ++i)
        out += "<Relationship Id=\"rId" + std::to_string(i + 1) + "\" Type=\"" + type +
               "worksheet\" Target=\"" + SheetPath(i) + "\"/>";
    out += "<Relationship Id=\"rId" + std::to_string(sheets + 1) + "\" Type=\"" + type +
           "styles\" Target=\"styles.xml\"/>";
    return out + "</Relationships>";
}

std::string ContentTypes(size_t sheets) {
    const std::string ml = "application/vnd.openxmlformats-officedocument.spreadsheetml.";
    std::string out =
        std::string(kHead) +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" +
        ml +
        "sheet.main+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" ContentType=\"" +
        ml + "styles+xml\"/>";
    for (size_t i = 0; i < sheets; ++i)
        out += "<Override PartName=\"/xl/" + SheetPath(i) + "\" ContentType=\"" + ml +
               "worksheet+xml\"/>";
    return out + "</Types>";
}

}  // namespace

WriteStatus BuildXlsx(const Workbook& wb, std::string& bytes, std::u16string* problem) {
    if (WriteStatus s = CheckSheets(wb, problem); s != WriteStatus::Ok) return s;
    std::vector<zip::Part> parts = {
        {"[Content_Types].xml", ContentTypes(wb.sheets.size())},
        {"_rels/.rels", std::string(kHead) + kPackageRels},
        {"xl/workbook.xml", WorkbookXml(wb)},
        {"xl/_rels/workbook.xml.rels", WorkbookRels(wb.sheets.size())},
        {"xl/styles.xml", std::string(kHead) + kStyles},
    };
    for (size_t i = 0; i < wb.sheets.size(); ++i)
        parts.push_back({"xl/" + SheetPath(i), SheetXml(wb.sheets[i])});
    return zip::BuildZip(parts, false, bytes) ? WriteStatus::Ok : WriteStatus::Failed;
}

}  // namespace dorvik::xls
