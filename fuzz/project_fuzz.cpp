// libFuzzer target for the project file reader and the settings file parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/project_file.h"
#include "model/settings_file.h"
#include "model/unit_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dorvik::UnitModel model;
    dorvik::LoadProjectText(model, bytes);
    dorvik::ParseSettings(std::string(bytes));
    return 0;
}
