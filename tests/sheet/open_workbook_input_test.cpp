// Damaged, encrypted, too large or hostile workbooks are refused with their reason, and
// neither the list nor the file changes.
#include <gtest/gtest.h>

#include <map>

#include "../support/fakes.h"
#include "sheet/list_exchange.h"
#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using Parts = std::map<std::string, std::string>;

const std::string kInline = "t=\"inlineStr\"><is><t>x</t></is></c>";

Parts Xlsx(const std::string& sheetData, const std::string& prolog = "") {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return {{"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"" + rel +
                                "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
            {"xl/workbook.xml",
             prolog + "<workbook xmlns:r=\"" + rel +
                 "\"><sheets><sheet name=\"PhoneNumbers\" r:id=\"s\"/></sheets></workbook>"},
            {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"s\" Type=\"" + rel +
                                               "/worksheet\" Target=\"s.xml\"/></Relationships>"},
            {"xl/s.xml", "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"}};
}

Parts Ods(const std::string& rows, const std::string& prolog = "") {
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"content.xml",
         prolog +
             "<office:document-content "
             "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
             "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
             "<office:spreadsheet><table:table table:name=\"PhoneNumbers\">" +
             rows + "</table:table></office:spreadsheet></office:body></office:document-content>"}};
}

std::string OdsRow(const std::string& attrs, const std::string& cellAttrs = "") {
    return "<table:table-row " + attrs + "><table:table-cell office:value-type=\"string\" " +
           cellAttrs + "><text:p>x</text:p></table:table-cell></table:table-row>";
}

Parts Without(Parts parts, const std::string& path) {
    parts.erase(path);
    return parts;
}

std::string Zip(const Parts& parts) {
    std::vector<zip::Part> list;
    for (const auto& [path, data] : parts) list.push_back({path, data});
    std::string bytes;
    zip::BuildZip(list, false, bytes);
    return bytes;
}

// An .xls file whose workbook stream goes by another name (up to 7 letters).
std::string XlsStreamNamed(const std::string& name) {
    std::string bytes = test::XlsBytes(std::string(16, '\0'));
    size_t at = bytes.find(std::string("W\0o\0r\0k\0b\0o\0o\0k\0", 16));
    for (size_t i = 0; i < 16; ++i) bytes[at + i] = i % 2 || i / 2 >= name.size() ? '\0' : name[i / 2];
    bytes[at + 64] = static_cast<char>(2 * name.size() + 2);
    return bytes;
}

const std::string kDtd =
    "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>";

constexpr const char* kBomb = "The workbook file expands beyond 32 MB a part or 64 MB in all and is not read\n";
constexpr const char* kTooMany =
    "The workbook holds more sheets, rows or columns than a list can use and is not read\n";
constexpr const char* kDtdRefused =
    "The workbook file declares a DTD or entities and is not read\n";
constexpr const char* kMissing = "The workbook file is damaged: a part is missing\n";
constexpr const char* kDamaged = "The workbook file is damaged\n";
constexpr const char* kNotWorkbook = "The file is not a workbook\n";

TEST(HostileWorkbook, IsRefusedWithItsReasonAndChangesNeitherListNorFile) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"bomb.xlsx",
         Zip(Xlsx("<row r=\"1\"><c r=\"A1\" " + kInline + "</row>" + std::string(33 << 20, ' '))),
         kBomb},
        {"rows.xlsx", Zip(Xlsx("<row r=\"70000\"><c r=\"A70000\" " + kInline + "</row>")),
         kTooMany},
        {"cols.xlsx", Zip(Xlsx("<row r=\"1\"><c r=\"IW1\" " + kInline + "</row>")), kTooMany},
        {"dtd.xlsx", Zip(Xlsx("", kDtd)), kDtdRefused},
        {"nobook.xlsx", Zip(Without(Xlsx(""), "xl/workbook.xml")), kMissing},
        {"broken.xlsx", Zip(Xlsx("<row><c r=\"A1\"")), kDamaged},
        {"junk.xlsx", "PK\x03\x04 not really", kNotWorkbook},
        {"rows.ods", Zip(Ods(OdsRow("table:number-rows-repeated=\"70000\""))), kTooMany},
        {"cols.ods", Zip(Ods(OdsRow("", "table:number-columns-repeated=\"300\""))), kTooMany},
        {"cells.ods",
         Zip(Ods(OdsRow("table:number-rows-repeated=\"60000\"",
                        "table:number-columns-repeated=\"20\""))),
         kTooMany},
        {"dtd.ods", Zip(Ods("", kDtd)), kDtdRefused},
        {"nocontent.ods", Zip(Without(Ods(""), "content.xml")), kMissing},
        {"junk.xls", "not a workbook at all", kNotWorkbook},
        {"cut.xls", test::XlsBytes(std::string(9000, 'x')).substr(0, 3000), kNotWorkbook},
        {"old.xls", XlsStreamNamed("Book"), "The workbook is not in the Excel 97-2003 format\n"},
        {"nobook.xls", XlsStreamNamed("Sheet"), kDamaged},
        // BOF, FILEPASS, EOF: an encrypted workbook's globals begin like this.
        {"encrypted.xls",
         test::XlsBytes(std::string("\x09\x08\x04\x00\x00\x06\x05\x00\x2f\x00\x00\x00\x0a\x00\x00\x00", 16)),
         "The workbook is protected with a password\n"},
    };
    test::ScratchDir dir;
    ModifiedFlag flag;
    PhoneList kept(flag);
    kept.SetEntry("13900002222", "n", 0, RowStatus::Pending);
    test::RecordingProgressBar progress;
    for (const Case& c : cases) {
        std::string path = dir.File(c.name);
        test::WriteBytes(path, c.bytes);
        PhoneList list(flag);
        flag.Clear();
        test::RecordingMessageBox box;
        ExchangeResult in = ImportPhoneList(list, path, kPhoneSheet, progress, box);
        EXPECT_EQ(in.error, c.error) << c.name;
        EXPECT_EQ(box.Texts().back(), std::string("The sheet is null\n") + c.error) << c.name;
        EXPECT_EQ(std::make_tuple(list.Used(), flag.IsSet()), std::make_tuple(0, false)) << c.name;
        EXPECT_EQ(ExportPhoneList(kept, path, progress).error, c.error) << c.name;
        EXPECT_EQ(test::ReadBytes(path), c.bytes) << c.name;
    }
}

// A shared-string index one past the list names no text: the cell stays empty.
TEST(XlsxCells, ASharedStringIndexPastTheListLeavesTheCellEmpty) {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    Parts parts = Xlsx("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                       "<c r=\"B1\" t=\"s\"><v>1</v></c></row>");
    parts["xl/_rels/workbook.xml.rels"] =
        "<Relationships><Relationship Id=\"s\" Type=\"" + rel +
        "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"t\" Type=\"" + rel +
        "/sharedStrings\" Target=\"t.xml\"/></Relationships>";
    parts["xl/t.xml"] = "<sst><si><t>a</t></si></sst>";
    xls::Workbook book;
    ASSERT_EQ(xls::ReadXlsx(Zip(parts), book), xls::ReadStatus::Ok);
    ASSERT_EQ(book.sheets.at(0).rows.at(0).size(), 1u);
    EXPECT_EQ(book.sheets[0].rows[0][0].text, u"a");
}

}  // namespace
}  // namespace dorvik
