#include "cli/list_source.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "model/project_file.h"

namespace dorvik::cli {

std::string LowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

std::optional<std::string> LoadListSource(UnitModel& model, ListKind, const std::string& path,
                                          const std::string&, MessageBox&) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return "no file " + path;
    if (LowerExtension(path) != ".gto") return path + ": give a project file (.gto)";
    const ProjectResult r = LoadProject(model, path);
    if (!r.ok) return path + " is not a project file (.gto): " + r.error;
    return std::nullopt;
}

}  // namespace dorvik::cli
