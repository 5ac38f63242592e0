#include "cli/tables.h"

#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

const std::vector<std::string> kLogColumnNames = {"index", "time", "number", "name"};

std::vector<std::string> LogCells(const LogEntry& e) {
    return {e.index, e.time, e.number, e.name};
}

Json RowJson(const std::vector<std::string>& names, const std::vector<std::string>& gbCells) {
    Json row = Json::object();
    for (std::size_t k = 0; k < names.size() && k < gbCells.size(); ++k)
        row[names[k]] = GbToUtf8(gbCells[k]);
    return row;
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

Json SlotsJson(const UnitModel& model, ListKind kind) {
    Json slots = Json::array();
    for (int row : UsedRows(model, kind))
        slots.push_back(RowJson(ListColumns(kind), SlotCells(model, kind, row)));
    return slots;
}

std::vector<std::string> LogLines(const CallLog& log) {
    std::vector<std::string> lines = {TabLine(kLogColumnNames)};
    for (int row = 0; row < log.RowCount(); ++row) lines.push_back(TabLine(LogCells(log.Row(row))));
    return lines;
}

Json LogJson(const CallLog& log) {
    Json rows = Json::array();
    for (int row = 0; row < log.RowCount(); ++row)
        rows.push_back(RowJson(kLogColumnNames, LogCells(log.Row(row))));
    return rows;
}

}  // namespace dorvik::cli
