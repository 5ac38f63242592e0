#include "pages/log_view.h"

namespace dorvik {

CLogView::CLogView(CallLog& log) : log_(log) {}

void CLogView::AddLogEntry(const std::string& time, const std::string& number,
                           const std::string& name, int index) {
    if (number.empty() && name.empty()) return;
    const int row = log_.Counter();
    log_.AddEntry(time, number, name, index);
    ShowRow(row);
}

bool CLogView::SetLogEntry(const std::string& index, const std::string& time,
                           const std::string& number, const std::string& name, int row) {
    if (!log_.SetEntry(index, time, number, name, row)) return false;
    Touch();
    return true;
}

bool CLogView::GetLogEntry(int row, LogEntry& entry) const { return log_.GetEntry(row, entry); }

void CLogView::ClearLog() {
    log_.Clear();
    Touch();
}

void CLogView::ShowRow(int row) {
    if (row < 0 || row >= log_.Size()) return;
    selected_ = row;
    top_ = row;
    Touch();
}

const std::string& CLogView::Cell(int row, int column) const {
    static const std::string kEmpty;
    const LogEntry& entry = log_.Row(row);
    switch (column) {
        case 0: return entry.index;
        case 1: return entry.time;
        case 2: return entry.number;
        case 3: return entry.name;
        default: return kEmpty;
    }
}

}  // namespace dorvik
