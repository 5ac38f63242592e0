#include "model/special_list.h"

#include <algorithm>

namespace dorvik {
namespace {

constexpr std::array<char, kSpecialSectionCount> kLetters = {'S', 'P', 'Q'};
constexpr int kLabelDigits = 3;

// Position of a section in the list; a value that names no section is
// treated as the first one rather than read past the tables.
int Index(SpecialSection section) {
    const int index = static_cast<int>(section);
    return index >= 0 && index < kSpecialSectionCount ? index : 0;
}

std::string ZeroPadded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

char SectionLetter(SpecialSection section) { return kLetters[Index(section)]; }

std::optional<SpecialSection> SectionFromLetter(char letter) {
    const auto* found = std::find(kLetters.begin(), kLetters.end(), letter);
    if (found == kLetters.end()) return std::nullopt;
    return static_cast<SpecialSection>(found - kLetters.begin());
}

std::array<std::string, kSpecialTextCount> SpecialTexts::ToArray() const {
    const auto& d = days;
    return {number, name, fromTime, toTime, d[0],     d[1],   d[2],
            d[3],   d[4], d[5],     d[6],   fromDate, toDate, amount};
}

SpecialTexts SpecialTexts::FromArray(const std::array<std::string, kSpecialTextCount>& t) {
    return {t[0], t[1], t[2], t[3], {t[4], t[5], t[6], t[7], t[8], t[9], t[10]}, t[11], t[12], t[13]};
}

SpecialList::SpecialList(ModifiedFlag& modified, SpecialSectionSizes sizes)
    : SlotTable(modified, std::max(sizes.S, 0) + std::max(sizes.P, 0) + std::max(sizes.Q, 0)),
      sizes_{std::max(sizes.S, 0), std::max(sizes.P, 0), std::max(sizes.Q, 0)} {}

bool SpecialList::SetEntry(const SpecialTexts& texts, int row, RowStatus status,
                           std::string_view type) {
    if (texts.number.empty() && texts.name.empty()) return false;
    return Store(row, status, [&](SpecialEntry& entry) {
        const std::string keptName = texts.name.empty() ? entry.name : texts.name;
        static_cast<SpecialTexts&>(entry) = texts;
        entry.name = keptName;
        if (!type.empty()) entry.type = type.front();
    });
}

bool SpecialList::SetEntry(const std::string& number, const std::string& name,
                           const std::string& fromTime, const std::string& toTime,
                           const std::string& sun, const std::string& mon, const std::string& tue,
                           const std::string& wed, const std::string& thu, const std::string& fri,
                           const std::string& sat, const std::string& fromDate,
                           const std::string& toDate, const std::string& amount, int row,
                           RowStatus status, std::string_view type) {
    const SpecialTexts texts{number,   name,   fromTime, toTime, {sun, mon, tue, wed, thu, fri, sat},
                             fromDate, toDate, amount};
    return SetEntry(texts, row, status, type);
}

void SpecialList::DeleteEntry(int row) {
    EraseRow(row, [](SpecialEntry& entry) {
        entry.number = "0000";
        entry.status = RowStatus::Pending;
    });
}

void SpecialList::ClearInUnitRows() { ClearInUnit(0, Size()); }

void SpecialList::ClearInUnitRows(SpecialSection section) {
    const int start = SectionStart(section);
    ClearInUnit(start, start + SectionSize(section));
}

bool SpecialList::GetEntry(int row, SpecialTexts& texts) const {
    if (!InRange(row)) return false;
    const SpecialEntry& entry = Row(row);
    const bool found = !entry.number.empty();
    texts = found ? static_cast<const SpecialTexts&>(entry) : SpecialTexts{};
    return found;
}

int SpecialList::FindNumber(std::string_view number) const {
    return FindText(&SpecialEntry::number, number, SearchScope::PendingOnly);
}

int SpecialList::FindName(std::string_view name) const {
    return FindText(&SpecialEntry::name, name, SearchScope::PendingOnly);
}

std::string SpecialList::GetNameByNumber(std::string_view number) const {
    const int index = FindText(&SpecialEntry::number, number, SearchScope::NotEmpty);
    return index == 0 ? std::string() : Row(index - 1).name;
}

int SpecialList::SectionStart(SpecialSection section) const {
    int start = 0;
    for (int i = 0; i < Index(section); ++i) start += sizes_[i];
    return start;
}

int SpecialList::SectionSize(SpecialSection section) const { return sizes_[Index(section)]; }

std::optional<SpecialSection> SpecialList::SectionOf(int row) const {
    if (!InRange(row)) return std::nullopt;
    for (int i = 0; i < kSpecialSectionCount; ++i) {
        row -= sizes_[i];
        if (row < 0) return static_cast<SpecialSection>(i);
    }
    return std::nullopt;
}

int SpecialList::IndexInSection(int row) const {
    const auto section = SectionOf(row);
    return section ? row - SectionStart(*section) + 1 : 0;
}

int SpecialList::RowOf(SpecialSection section, int indexInSection) const {
    if (indexInSection < 1 || indexInSection > SectionSize(section)) return -1;
    return SectionStart(section) + indexInSection - 1;
}

std::string SpecialList::Label(int row) const {
    const auto section = SectionOf(row);
    if (!section) return std::string();
    return SectionLetter(*section) + ZeroPadded(IndexInSection(row), kLabelDigits);
}

}  // namespace dorvik
