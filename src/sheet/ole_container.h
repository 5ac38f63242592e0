#pragma once
// The OLE2 compound file that holds a workbook: its "Workbook" stream plus
// every other stream and storage (document summaries, macros), which are
// carried over unchanged when the workbook is written again.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/xls_workbook.h"

namespace dorvik::xls {

struct OleEntry {
    std::string name;
    bool storage = false;
    std::string data;               // stream contents
    std::vector<OleEntry> children;  // storage contents
};

struct OleFile {
    std::string workbook;  // the "Workbook" stream
    std::vector<OleEntry> others;
    std::array<uint8_t, 16> classId{};
};

// Reads a compound file held in memory.
ReadStatus ReadOle(std::string_view bytes, OleFile& out);

// Builds the compound file; false when the container library fails.
bool BuildOle(const OleFile& file, std::string& bytes);

// A fresh workbook's container: Excel's class id, no other streams.
OleFile NewWorkbookContainer();

}  // namespace dorvik::xls
