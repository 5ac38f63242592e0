#include "model/language_store.h"

#include <charconv>
#include <utility>

#include "model/config_dir.h"

namespace dorvik {

FileLanguageStore::FileLanguageStore() : FileLanguageStore(JoinPath(ConfigDir(), "language")) {}

FileLanguageStore::FileLanguageStore(std::string path) : path_(std::move(path)) {}

std::optional<std::uint32_t> FileLanguageStore::Get() const {
    std::string text;
    std::string error;
    if (ReadWholeFile(path_, &text, &error) != ReadStatus::kRead) return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end) return std::nullopt;
    return value;
}

bool FileLanguageStore::Set(std::uint32_t language) {
    std::string error;
    return WriteFileAtomically(path_, std::to_string(language) + "\n", SystemRename(), &error);
}

}  // namespace dorvik
