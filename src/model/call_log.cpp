#include "model/call_log.h"

#include <algorithm>
#include <array>
#include <utility>

namespace dorvik {
namespace {

struct Separator {
    std::size_t position;  // in the text as grown by the separators before it
    char mark;
};
constexpr std::array<Separator, 4> kTimeSeparators = {{{4, '/'}, {7, '/'}, {10, ' '}, {13, ':'}}};

}  // namespace

std::string FormatLogTime(const std::string& unitTime) {
    std::string time = unitTime;
    for (const Separator& separator : kTimeSeparators) {
        if (separator.position < time.size()) time.insert(separator.position, 1, separator.mark);
    }
    return time;
}

CallLog::CallLog(ModifiedFlag& modified, int capacity)
    : modified_(modified), rows_(static_cast<std::size_t>(std::max(capacity, 0))) {}

bool CallLog::AddEntry(const std::string& unitTime, const std::string& number,
                       const std::string& name, int index) {
    if ((number.empty() && name.empty()) || Size() == 0) return false;
    Write(counter_, {std::to_string(index), FormatLogTime(unitTime), number, name});
    return true;
}

bool CallLog::SetEntry(const std::string& index, const std::string& time,
                       const std::string& number, const std::string& name, int row) {
    if ((number.empty() && name.empty()) || row < 0 || row >= Size()) return false;
    Write(row, {index, time, number, name});
    return true;
}

bool CallLog::GetEntry(int row, LogEntry& entry) const {
    if (row < 0 || row >= Size()) return false;
    entry = rows_[row];
    return true;
}

const LogEntry& CallLog::Row(int row) const {
    static const LogEntry kBlank{};
    return row >= 0 && row < Size() ? rows_[row] : kBlank;
}

void CallLog::Clear() {
    std::fill(rows_.begin(), rows_.begin() + rowCount_, LogEntry{});
    counter_ = 0;
    rowCount_ = 0;
    selected_ = Size() > 0 ? 0 : -1;
    modified_.Set();
}

void CallLog::Write(int row, LogEntry entry) {
    rows_[row] = std::move(entry);
    selected_ = row;
    counter_ = (row + 1) % Size();
    rowCount_ = std::max(rowCount_, row + 1);
    modified_.Set();
}

}  // namespace dorvik
