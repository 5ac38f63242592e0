#pragma once
// The project file (*.gto): an XML document in UTF-8 keeping what the tool
// knows of one unit between runs: both settings records, the phone, special
// and alarm lists, the caller log and the unit password. The house list is
// not stored.
//
// Saving and loading touch only the model's records; the settings pages copy
// their controls into the records before a save and back after a load.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/atomic_file.h"
#include "model/unit_model.h"
#include "platform/progress_bar.h"

namespace dorvik {

// The outcome of a save or a load; `error` gives the reason of a failure.
struct ProjectResult {
    bool ok = false;
    std::string error;
    // Loading: records that held something but lie beyond what the lists
    // and the log can keep; saving the model back would lose them.
    int dropped = 0;
};

// The warning for a loaded project whose records did not all fit.
std::string DroppedRecordsMessage(const std::string& path, int dropped);

// The whole file text for the model; nothing when the document cannot be
// built (out of memory).
std::optional<std::string> FormatProject(const UnitModel& model);

// Writes the project to `path` through a temporary file in the same folder
// that replaces the old file only once it is completely on disk. Modified is
// cleared only then. On failure the old file is left byte-identical and
// Modified keeps its value.
ProjectResult SaveProject(UnitModel& model, const std::string& path,
                          const RenameStep& rename = SystemRename());

// Reads the project at `path` into the model. The file is parsed completely
// before anything changes, so a file that does not parse changes nothing.
// Lists are not emptied first: slots the file leaves empty or does not
// mention keep their content. The unit password is never read. `progress`
// (when given) runs from 0 to 5 over the sections and is hidden afterwards.
ProjectResult LoadProject(UnitModel& model, const std::string& path,
                          ProgressBar* progress = nullptr);
// The same for file bytes already in memory.
ProjectResult LoadProjectText(UnitModel& model, std::string_view bytes,
                              ProgressBar* progress = nullptr);

// The text of the error box shown when a save fails.
std::string SaveFailureMessage(const std::string& path, const std::string& reason);
// The text of the error box shown when a file does not open as a project.
std::string OpenFailureMessage(const std::string& path, const std::string& reason);

// Files larger than this are refused by LoadProject without being read.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 64u << 20;

}  // namespace dorvik
