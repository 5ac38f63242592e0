#pragma once
// A project as JSON: both settings records (field names as in the project
// file), the phone, special and alarm lists as arrays of slots, and the
// caller log; and the same document read back into a unit model.
#include <optional>
#include <string>

#include "cli/json.h"
#include "cli/list_table.h"
#include "model/unit_model.h"

namespace dorvik::cli {

// The lists a project file keeps (the house list is not kept).
inline constexpr std::array<ListKind, 3> kProjectLists = {ListKind::Phones, ListKind::Special,
                                                          ListKind::Alarm};

// The project as one object value.
Json ProjectJson(const UnitModel& model);
// Reads a document ProjectJson made into the model; the reason when it
// holds something else.
std::optional<std::string> ReadProject(const Json& document, UnitModel& model);

// The settings records as "Record.Field" lines for people.
std::vector<std::string> RecordLines(const UnitModel& model);

}  // namespace dorvik::cli
