// libFuzzer target for the settings file (DORVIK.ini): the parser, and the
// writer keeping the other lines of that text; what it writes reads back
// as the same settings.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorvik;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ConnectionSettings settings = ParseSettings(text);
    const std::string written = SettingsText(settings, text);
    if (ParseSettings(written) != settings) __builtin_trap();
    return 0;
}
