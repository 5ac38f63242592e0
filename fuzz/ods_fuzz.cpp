// libFuzzer target for the .ods reader. An input whose first byte is odd is
// the content.xml part of an otherwise fixed archive; any other input is the
// archive itself. A workbook that reads and can be written again must read
// back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"

namespace {

using namespace dorvik;

std::string WithContent(std::string_view content) {
    std::vector<zip::Part> parts = {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                    {"content.xml", std::string(content)}};
    std::string bytes;
    zip::BuildZip(parts, true, bytes);
    return bytes;
}

std::vector<std::u16string> Texts(const xls::Workbook& wb) {
    std::vector<std::u16string> out;
    for (const xls::Sheet& s : wb.sheets) {
        out.push_back(s.name);
        for (const xls::Row& row : s.rows)
            for (const xls::Cell& c : row) out.push_back(xls::CellText(c));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string bytes = size > 0 && (data[0] & 1) ? WithContent(input.substr(1)) : std::string(input);
    xls::Workbook wb;
    if (xls::ReadOds(bytes, wb) != xls::ReadStatus::Ok) return 0;
    std::string again;
    if (xls::BuildOds(wb, again, nullptr) != xls::WriteStatus::Ok) return 0;
    xls::Workbook back;
    if (xls::ReadOds(again, back) != xls::ReadStatus::Ok || Texts(back) != Texts(wb)) __builtin_trap();
    return 0;
}
