// libFuzzer target for text tables (.csv, .txt, .tsv): rows split with
// either separator, and the rows written back as text split again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/text_table.h"

namespace {

void SplitAndRewrite(std::string_view bytes, std::string_view sep) {
    using namespace dorvik;
    const TableRows rows = DecodeTextRows(bytes, sep);
    std::string text;
    for (const TableRow& row : rows) text += EncodeTextRow(row, sep) + "\r\n";
    (void)DecodeTextRows(text, sep);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SplitAndRewrite(bytes, ",");
    SplitAndRewrite(bytes, "\t");
    return 0;
}
