#pragma once
// Lists in files: the file an upload takes its list from (a project file,
// or a spreadsheet (.xlsx, .ods, .xls) or text table (.csv, .txt, .tsv) read as the list
// pages' import reads it), and the export of a list or the log to a
// spreadsheet. Imported slots become Pending.
#include <optional>
#include <string>

#include "cli/list_table.h"
#include "platform/message_box.h"

namespace dorvik::cli {

// Loads path into the model; the reason (for the user) when the file cannot
// be read or holds no such list.
std::optional<std::string> LoadListSource(UnitModel& model, ListKind kind, const std::string& path,
                                          const std::string& sheet, MessageBox& box);

// Reads a spreadsheet or text table into the list (phones, special or
// house); sheet empty: the list's own sheet, or the workbook's only one.
std::optional<std::string> ImportList(UnitModel& model, ListKind kind, const std::string& path,
                                      const std::string& sheet, MessageBox& box);
// Writes the list (phones, special or house) as a spreadsheet or text table.
// A file of any other extension is refused with the reason.
std::optional<std::string> ExportList(const UnitModel& model, ListKind kind,
                                      const std::string& path);
std::optional<std::string> ExportCallLog(const CallLog& log, const std::string& path);

// Reads a project file aside; the reason when it is none. A project that is
// rewritten afterwards must have fit the lists whole, or saving would cut it.
std::optional<std::string> ReadProjectFile(const std::string& path, UnitModel& model,
                                           bool rewritten);

// Why path cannot be an input file: it is missing, or it is no regular file
// (a FIFO, a device, a folder); nothing when it is one.
std::optional<std::string> InputFileProblem(const std::string& path);

// The extension of a path in lower case, dot included ("" when none).
std::string LowerExtension(const std::string& path);

}  // namespace dorvik::cli
