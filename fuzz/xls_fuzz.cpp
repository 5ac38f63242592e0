// libFuzzer target for .xls workbooks: the compound-file container with its
// workbook stream (first byte even), or a bare workbook stream (first byte
// odd). A workbook that parses and can be written again must read back with
// the same sheets and cell texts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/ole_container.h"
#include "sheet/xls_workbook.h"

namespace {

using namespace dorvik;

std::vector<std::vector<std::u16string>> Texts(const xls::Workbook& wb) {
    std::vector<std::vector<std::u16string>> out;
    for (const xls::Sheet& s : wb.sheets) {
        out.emplace_back(1, s.name);
        for (const xls::Row& row : s.rows)
            for (const xls::Cell& c : row) out.back().push_back(xls::CellText(c));
    }
    return out;
}

// Writing a parsed workbook and reading it back keeps every cell text.
void CheckRoundTrip(const xls::Workbook& wb) {
    std::string stream;
    if (xls::BuildWorkbook(wb, stream, nullptr) != xls::WriteStatus::Ok) return;
    xls::Workbook again;
    if (xls::ParseWorkbook(stream, again) != xls::ReadStatus::Ok) __builtin_trap();
    xls::Workbook trimmed = wb;  // empty texts are not written
    for (xls::Sheet& s : trimmed.sheets)
        for (xls::Row& row : s.rows)
            std::erase_if(row, [](const xls::Cell& c) { return c.kind == xls::CellKind::Text && c.text.empty(); });
    if (Texts(again) != Texts(trimmed)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    xls::Workbook wb;
    xls::ReadStatus status;
    if (size > 0 && (data[0] & 1)) {
        status = xls::ParseWorkbook(bytes.substr(1), wb);
    } else {
        xls::OleFile ole;
        status = xls::ReadOle(bytes, ole);
        if (status == xls::ReadStatus::Ok) status = xls::ParseWorkbook(ole.workbook, wb);
    }
    if (status == xls::ReadStatus::Ok) CheckRoundTrip(wb);
    return 0;
}
