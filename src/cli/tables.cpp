#include "cli/tables.h"

#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

const std::vector<std::string> kLogColumnNames = {"index", "time", "number", "name"};

std::vector<std::string> LogCells(const LogEntry& e) {
    return {e.Index, e.Time, e.Number, e.Name};
}

void WriteRow(JsonWriter& json, const std::vector<std::string>& names,
              const std::vector<std::string>& gbCells) {
    json.BeginObject();
    for (std::size_t k = 0; k < names.size() && k < gbCells.size(); ++k)
        json.Member(names[k], GbToUtf8(gbCells[k]));
    json.EndObject();
}

}  // namespace

std::string TabLine(const std::vector<std::string>& gbCells) {
    std::string line;
    for (std::size_t k = 0; k < gbCells.size(); ++k) line += (k ? "\t" : "") + GbToUtf8(gbCells[k]);
    return line;
}

std::vector<std::string> ListLines(const UnitModel& model, ListKind kind) {
    std::vector<std::string> lines = {TabLine(ListColumns(kind))};
    for (int row : UsedRows(model, kind)) lines.push_back(TabLine(SlotCells(model, kind, row)));
    return lines;
}

void WriteSlots(JsonWriter& json, const UnitModel& model, ListKind kind) {
    json.BeginArray();
    for (int row : UsedRows(model, kind))
        WriteRow(json, ListColumns(kind), SlotCells(model, kind, row));
    json.EndArray();
}

std::vector<std::string> LogLines(const CallLog& log) {
    std::vector<std::string> lines = {TabLine(kLogColumnNames)};
    for (int row = 0; row < log.RowCount(); ++row) lines.push_back(TabLine(LogCells(log.Row(row))));
    return lines;
}

void WriteLog(JsonWriter& json, const CallLog& log) {
    json.BeginArray();
    for (int row = 0; row < log.RowCount(); ++row)
        WriteRow(json, kLogColumnNames, LogCells(log.Row(row)));
    json.EndArray();
}

}  // namespace dorvik::cli
