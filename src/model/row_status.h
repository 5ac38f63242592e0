#pragma once
// State of one slot of a number list.
#include <cstdint>
#include <optional>

namespace dorvik {

enum class RowStatus : std::uint8_t { Empty = 0, Pending = 1, InUnit = 2 };

inline bool IsValidRowStatus(RowStatus status) {
    return static_cast<std::uint8_t>(status) <= static_cast<std::uint8_t>(RowStatus::InUnit);
}

// The status stored as the integer `value` (project file, spreadsheet), or
// nothing when the integer is not one of the three statuses.
inline std::optional<RowStatus> RowStatusFromInt(long long value) {
    if (value < 0 || value > static_cast<long long>(RowStatus::InUnit)) return std::nullopt;
    return static_cast<RowStatus>(value);
}

}  // namespace dorvik
