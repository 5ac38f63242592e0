#pragma once
// The four slot lists as tables of text cells, the same columns for every
// output of the command-line tool: printed rows, JSON slots and CSV rows,
// and reading such rows back into a list. Cells are GB18030 texts.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/unit_model.h"

namespace dorvik {
class CMainFrame;
class ListPageBase;
}  // namespace dorvik

namespace dorvik::cli {

enum class ListKind { Phones, Special, Alarm, House };
inline constexpr std::array<ListKind, 4> kListKinds = {ListKind::Phones, ListKind::Special,
                                                       ListKind::Alarm, ListKind::House};

// "phones", "special", "alarm", "house".
const char* ListName(ListKind kind);
// Also takes the singular and plural spellings ("phone", "alarms", "houses").
std::optional<ListKind> ListKindFromName(std::string_view name);
ListPageBase& PageOf(CMainFrame& frame, ListKind kind);

const char* StatusName(RowStatus status);
std::optional<RowStatus> StatusFromName(std::string_view name);

// Column names; the first is the slot's index (a label such as "S001" for
// the special list), the last its status.
const std::vector<std::string>& ListColumns(ListKind kind);
int ListSize(const UnitModel& model, ListKind kind);
RowStatus SlotStatus(const UnitModel& model, ListKind kind, int row);
// Rows that are not Empty, lowest first.
std::vector<int> UsedRows(const UnitModel& model, ListKind kind);
int CountRows(const UnitModel& model, ListKind kind, RowStatus status);
// The cells of a row in column order.
std::vector<std::string> SlotCells(const UnitModel& model, ListKind kind, int row);

// Stores one row given in column order (missing cells are empty). False,
// with *error, when the index names no slot or the status is unknown.
bool StoreSlotCells(UnitModel& model, ListKind kind, const std::vector<std::string>& cells,
                    std::string* error);

// The first Pending slot whose phone numbers hold anything but digits, as
// "slot N: NUMBER"; nothing when every number is fine.
std::optional<std::string> FirstBadNumber(const UnitModel& model, ListKind kind);

}  // namespace dorvik::cli
