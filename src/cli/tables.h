#pragma once
// Lists and the caller log as printed: tab-separated lines under a heading
// line for people, arrays of objects for --json. Texts become UTF-8.
#include <string>
#include <vector>

#include "cli/json.h"
#include "cli/list_table.h"
#include "model/call_log.h"

namespace dorvik::cli {

// The heading and one line per slot that is not Empty.
std::vector<std::string> ListLines(const UnitModel& model, ListKind kind);
// An array of slot objects named by the list's columns.
Json SlotsJson(const UnitModel& model, ListKind kind);

// The heading and one line per log row.
std::vector<std::string> LogLines(const CallLog& log);
// An array of log row objects: index, time, number, name.
Json LogJson(const CallLog& log);

// Cells joined by tabs, each converted to UTF-8.
std::string TabLine(const std::vector<std::string>& gbCells);

}  // namespace dorvik::cli
