#pragma once
// The file an upload takes its list from: a project file (.gto), or a
// spreadsheet (.xls) or text table (.csv, .txt) read as the list pages'
// import reads it. The slots it fills become Pending.
#include <optional>
#include <string>

#include "cli/list_table.h"
#include "platform/message_box.h"

namespace dorvik::cli {

// Loads path into the model; the reason (for the user) when the file cannot
// be read or holds no such list.
std::optional<std::string> LoadListSource(UnitModel& model, ListKind kind, const std::string& path,
                                          const std::string& sheet, MessageBox& box);

// The extension of a path in lower case, dot included ("" when none).
std::string LowerExtension(const std::string& path);

}  // namespace dorvik::cli
