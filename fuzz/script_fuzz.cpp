// libFuzzer target for "dorvik-cli run SCRIPT" files: every line split into
// words and parsed as a command with its options, as the script runner
// does before anything runs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorvik::cli;
    std::vector<ParsedLine> lines;
    ParseScriptText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.txt",
                    Options{}, &lines);
    return 0;
}
