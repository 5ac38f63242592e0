// libFuzzer target for the command-line tool's JSON input ("project convert
// FILE.json PROJECT.gto"): the document parsed and read into a unit model,
// which must then be a project that saves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/json.h"
#include "cli/project_json.h"
#include "model/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorvik;
    std::string error;
    const auto doc = cli::ParseJson(std::string_view(reinterpret_cast<const char*>(data), size),
                                    &error);
    if (!doc) {
        if (error.find("line ") == std::string::npos) __builtin_trap();
        return 0;
    }
    UnitModel model;
    if (cli::ReadProject(*doc, model)) return 0;
    if (!FormatProject(model)) __builtin_trap();
    (void)cli::JsonText(cli::ProjectJson(model));
    return 0;
}
