// libFuzzer target for the .ods reader. An input whose first byte is odd is
// the content.xml part of an otherwise fixed archive; any other input is the
// archive itself. A workbook that reads and can be written again must read
// back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"
#include "workbook_round_trip.h"

namespace {

using namespace dorvik;

std::string WithContent(std::string_view content) {
    std::vector<zip::Part> parts = {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                    {"content.xml", std::string(content)}};
    std::string bytes;
    zip::BuildZip(parts, true, bytes);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dorvik::fuzz::FuzzWorkbook(data, size, WithContent, dorvik::xls::ReadOds, dorvik::xls::BuildOds);
    return 0;
}
