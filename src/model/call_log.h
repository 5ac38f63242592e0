#pragma once
// The caller log read from the unit: a fixed number of rows filled in turn.
// The entry counter is the row the next entry goes to; it returns to 0 after
// the last row, so later entries overwrite the oldest ones. RowCount() keeps
// how many rows from row 0 on hold entries, also after such a wrap, so that
// saving, exporting and clearing reach every entry.
#include <string>
#include <vector>

#include "model/capacities.h"
#include "model/modified_flag.h"

namespace dorvik {

struct LogEntry {
    std::string index;   // the log index as the unit reported it
    std::string time;
    std::string number;  // caller's number
    std::string name;    // caller's name
};

// "201612281345" -> "2016/12/28 13:45". A separator is only put where a
// character follows, so short or odd texts stay readable.
std::string FormatLogTime(const std::string& unitTime);

class CallLog {
public:
    explicit CallLog(ModifiedFlag& modified, int capacity = kLogCapacity);
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    int Size() const { return static_cast<int>(rows_.size()); }
    // The row the next AddEntry fills.
    int Counter() const { return counter_; }
    // Rows 0..RowCount()-1 cover every row that holds an entry.
    int RowCount() const { return rowCount_; }

    // A line received from the unit: written at the counter with the index
    // in decimal and the time with separators. The row's old texts are all
    // replaced. Ignored (false) when number and name are both empty.
    bool AddEntry(const std::string& unitTime, const std::string& number,
                  const std::string& name, int index);
    // Writes the four texts as they are into `row` (loading a project); the
    // counter moves to the row after it. Ignored (false) for a row outside
    // the log or when number and name are both empty.
    bool SetEntry(const std::string& index, const std::string& time, const std::string& number,
                  const std::string& name, int row);
    // The row's texts; false (output untouched) for a row outside the log.
    bool GetEntry(int row, LogEntry& entry) const;
    // The row for display; a blank entry for a row outside the log.
    const LogEntry& Row(int row) const;
    // Empties every row holding an entry; the counter and row count become 0.
    void Clear();

    // The row last written (or row 0 after Clear); -1 before any.
    int SelectedRow() const { return selected_; }

private:
    void Write(int row, LogEntry entry);

    ModifiedFlag& modified_;
    std::vector<LogEntry> rows_;
    int counter_ = 0;
    int rowCount_ = 0;
    int selected_ = -1;
};

}  // namespace dorvik
