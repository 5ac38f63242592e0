// libFuzzer target for the .xlsx reader. An input whose first byte is odd is
// a worksheet part placed in an otherwise fixed archive (so the fuzzer
// reaches the cell grammar quickly); any other input is the archive itself.
// A workbook that reads and can be written again must read back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"
#include "workbook_round_trip.h"

namespace {

using namespace dorvik;

std::string WithSheet(std::string_view sheet) {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::vector<zip::Part> parts = {
        {"xl/workbook.xml", "<workbook xmlns:r=\"" + rel +
                                "\"><sheets><sheet name=\"S\" r:id=\"a\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"a\" Type=\"" + rel +
             "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"b\" Type=\"" + rel +
             "/sharedStrings\" Target=\"t.xml\"/></Relationships>"},
        {"xl/t.xml", "<sst><si><t>a</t></si><si><r><t>b</t></r><r><t>c</t></r></si></sst>"},
        {"xl/s.xml", std::string(sheet)},
    };
    std::string bytes;
    zip::BuildZip(parts, false, bytes);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dorvik::fuzz::FuzzWorkbook(data, size, WithSheet, dorvik::xls::ReadXlsx, dorvik::xls::BuildXlsx);
    return 0;
}
