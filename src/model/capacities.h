#pragma once
// Sizes of the unit's lists when they are created.

namespace dorvik {

inline constexpr int kPhoneCapacity = 2000;
inline constexpr int kSpecialSectionSize = 20;  // each of the sections S, P and Q
inline constexpr int kAlarmCapacity = 5;
inline constexpr int kHouseCapacity = 400;
inline constexpr int kLogCapacity = 1000;

// House counts the unit may report. House numbers have five digits, so no
// unit serves more houses; a count of 0 would leave no slot to edit.
inline constexpr int kMinHouseCount = 1;
inline constexpr int kMaxHouseCount = 100000;

inline bool IsValidHouseCount(int houses) {
    return houses >= kMinHouseCount && houses <= kMaxHouseCount;
}

}  // namespace dorvik
