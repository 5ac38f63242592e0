#pragma once
// The checks the list pages run on their fields before they change a list,
// and the texts with which they refuse.
#include <optional>
#include <string_view>

#include "model/special_list.h"

namespace dorvik {

inline constexpr const char kIlegalPhoneNumber[] = "Ilegal phone number";
inline constexpr const char kIndexNotEntered[] = "Index not entered";
inline constexpr const char kZeroIndex[] = "Zero index is not allowed";
inline constexpr const char kIndexTooBig[] = "Index number too big";
inline constexpr const char kNumberExists[] = "The phone number exist";
inline constexpr const char kNumberNotExists[] = "The phone number not exist";
inline constexpr const char kNameNotExists[] = "The Name not exist";
inline constexpr const char kInSpecialList[] =
    "phone number is already exist in the special phone list";
inline constexpr const char kInPhoneList[] = "phone number is already exist in the phone list";
inline constexpr const char kSelectWeekDay[] = "You need to select at least one week day";
inline constexpr const char kTypeDiffers[] = "Index type different with number type";

// True when every character is a digit "0" to "9" (the empty text passes).
bool IsPhoneNumber(std::string_view text);

// What an empty Index field means: not entered (Set, searches) or 0 (Delete).
enum class EmptyIndex { NotEntered, Zero };

// The 0-based row an Index field names, or the message that refuses it.
struct RowCheck {
    int row = -1;
    const char* error = nullptr;
    bool Ok() const { return error == nullptr; }
};

// Reads the leading decimal number of a 1-based Index field. 0 is refused
// as zero; a value above slotCount, or below 0, as too big.
RowCheck ReadIndexField(std::string_view text, int slotCount, EmptyIndex empty);

// A special slot label such as "S001": the section of its first letter and
// the row it names. A label of another first letter names no section and
// no row, and is not refused here.
struct LabelCheck {
    std::optional<SpecialSection> section;
    int row = -1;
    const char* error = nullptr;
    bool Ok() const { return error == nullptr; }
};

// The label's number must lie within 1..250 (S), 1..300 (P), 1..250 (Q)
// and within its own section; a number beyond the section is refused as
// too big, so that no slot of another section is named. An empty label is
// not entered.
LabelCheck ReadLabelField(std::string_view text, const SpecialList& list);

}  // namespace dorvik
