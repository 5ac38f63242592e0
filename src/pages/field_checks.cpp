#include "pages/field_checks.h"

#include <algorithm>

#include "model/decimal_text.h"

namespace dorvik {
namespace {

// Highest label number accepted per section, whatever the section's size.
constexpr int kLabelLimits[kSpecialSectionCount] = {250, 300, 250};

// Refuses an index outside 1..limit.
const char* RangeError(int index, int limit) {
    if (index == 0) return kZeroIndex;
    if (index < 0 || index > limit) return kIndexTooBig;
    return nullptr;
}

}  // namespace

bool IsPhoneNumber(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

RowCheck ReadIndexField(std::string_view text, int slotCount, EmptyIndex empty) {
    if (text.empty() && empty == EmptyIndex::NotEntered) return {-1, kIndexNotEntered};
    const int index = LeadingInt(text);
    if (const char* error = RangeError(index, slotCount)) return {-1, error};
    return {index - 1, nullptr};
}

LabelCheck ReadLabelField(std::string_view text, const SpecialList& list) {
    if (text.empty()) return {std::nullopt, -1, kIndexNotEntered};
    const auto section = SectionFromLetter(text.front());
    if (!section) return {};
    const int index = LeadingInt(text.substr(1));
    const char* error = RangeError(index, kLabelLimits[static_cast<int>(*section)]);
    const int row = error ? -1 : list.RowOf(*section, index);
    if (!error && row < 0) error = kIndexTooBig;
    return {section, row, error};
}

}  // namespace dorvik
