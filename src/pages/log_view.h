#pragma once
// The caller log as a table: every row of the unit model's log, four text
// columns, a selected row and the row scrolled to the top. A Qt table model
// reads the rows on demand.
#include <array>
#include <cstdint>
#include <string>

#include "model/call_log.h"
#include "pages/page_state.h"
#include "protocol/page_ops.h"

namespace dorvik {

struct LogColumn {
    const char* heading;
    int width;  // pixels
};
inline constexpr std::array<LogColumn, 4> kLogColumns = {
    {{"Index", 100}, {"Time", 200}, {"Phone Number", 200}, {"User Name", 200}}};

class CLogView : public LogViewOps, public ChangeNotice {
public:
    explicit CLogView(CallLog& log);

    // A line of the unit's log: written at the log's counter, the time text
    // given separators ("201612281345" -> "2016/12/28 13:45"). Every text of
    // the row is replaced. Ignored when number and name are both empty.
    void AddLogEntry(const std::string& time, const std::string& number, const std::string& name,
                     int index) override;
    // A row of a loaded project, written as it is.
    bool SetLogEntry(const std::string& index, const std::string& time, const std::string& number,
                     const std::string& name, int row);
    // False for a row outside the table.
    bool GetLogEntry(int row, LogEntry& entry) const;
    // Empties every row that holds an entry, also after the counter wrapped.
    void ClearLog();
    // Selects the row and scrolls it to the top of the table.
    void ShowRow(int row);
    // The log's rows were written behind the table's back (a project was
    // loaded): its view redraws them.
    void RowsReplaced() { Touch(); }

    int RowCount() const { return log_.Size(); }
    // The column's text of a row; empty outside the table.
    const std::string& Cell(int row, int column) const;
    int SelectedRow() const { return selected_; }
    int TopRow() const { return top_; }

private:
    CallLog& log_;
    int selected_ = -1;
    int top_ = 0;
};

}  // namespace dorvik
