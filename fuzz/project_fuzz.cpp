// libFuzzer target for the project file (*.gto): whatever loads must save,
// and the saved text must load again and save to the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/project_file.h"
#include "model/unit_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorvik;
    UnitModel model;
    if (!LoadProjectText(model, std::string_view(reinterpret_cast<const char*>(data), size)).ok)
        return 0;
    const auto saved = FormatProject(model);
    if (!saved) return 0;
    UnitModel again;
    if (!LoadProjectText(again, *saved).ok || FormatProject(again) != saved) __builtin_trap();
    return 0;
}
