#include "cli/list_table.h"

#include "model/decimal_text.h"
#include "pages/field_checks.h"
#include "pages/main_frame.h"

namespace dorvik::cli {
namespace {

struct KindName {
    ListKind kind;
    const char* name;
    const char* singular;
    const char* plural;
};
constexpr KindName kKindNames[] = {
    {ListKind::Phones, "phones", "phone", "phones"},
    {ListKind::Special, "special", "special", "specials"},
    {ListKind::Alarm, "alarm", "alarm", "alarms"},
    {ListKind::House, "house", "house", "houses"},
};

constexpr const char* kStatusNames[] = {"Empty", "Pending", "InUnit"};

// Calls fn with the model's list of that kind.
template <class Model, class Fn>
decltype(auto) WithList(Model& model, ListKind kind, Fn&& fn) {
    switch (kind) {
        case ListKind::Special:
            return fn(model.specials);
        case ListKind::Alarm:
            return fn(model.alarms);
        case ListKind::House:
            return fn(model.houses);
        default:
            return fn(model.phones);
    }
}

std::string IndexText(int row) {
    return std::to_string(row + 1);
}

std::vector<std::string> CellsOf(const NumberList& list, int row) {
    const NumberEntry& e = list.Row(row);
    return {IndexText(row), e.number, e.name, StatusName(e.status)};
}

std::vector<std::string> CellsOf(const SpecialList& list, int row) {
    const SpecialEntry& e = list.Row(row);
    std::vector<std::string> cells = {
        list.Label(row), std::string(1, e.type), e.number, e.name, e.fromTime, e.toTime};
    cells.insert(cells.end(), e.days.begin(), e.days.end());
    cells.insert(cells.end(), {e.fromDate, e.toDate, e.amount, StatusName(e.status)});
    return cells;
}

std::vector<std::string> CellsOf(const HouseList& list, int row) {
    const HouseEntry& e = list.Row(row);
    return {IndexText(row), e.houseNumber, e.dial1, e.dial2, StatusName(e.status)};
}

// The 0-based row an index cell names; -1 for none.
int RowOfIndex(const std::string& cell, int size) {
    const std::optional<int> index = ReadLeadingInt(cell);
    return index && *index >= 1 && *index <= size ? *index - 1 : -1;
}

int RowOfLabel(const SpecialList& list, const std::string& label) {
    const auto section = label.empty() ? std::nullopt : SectionFromLetter(label.front());
    return section ? list.RowOf(*section, LeadingInt(std::string_view(label).substr(1))) : -1;
}

bool Store(NumberList& list, const std::vector<std::string>& c, RowStatus status) {
    const int row = RowOfIndex(c[0], list.Size());
    return row >= 0 && (list.SetEntry(c[1], c[2], row, status) || true);
}

bool Store(SpecialList& list, const std::vector<std::string>& c, RowStatus status) {
    const int row = RowOfLabel(list, c[0]);
    std::array<std::string, kSpecialTextCount> texts;
    texts[0] = c[2];
    texts[1] = c[3];
    for (std::size_t k = 2; k < texts.size(); ++k) texts[k] = c[k + 2];
    return row >= 0 && (list.SetEntry(SpecialTexts::FromArray(texts), row, status, c[1]) || true);
}

bool Store(HouseList& list, const std::vector<std::string>& c, RowStatus status) {
    const int row = RowOfIndex(c[0], list.Size());
    return row >= 0 && (list.SetEntry(c[1], c[2], c[3], status, row) || true);
}

// The cells of a row that hold phone numbers.
std::vector<std::size_t> NumberColumns(ListKind kind) {
    if (kind == ListKind::House) return {2, 3};
    return {static_cast<std::size_t>(kind == ListKind::Special ? 2 : 1)};
}

}  // namespace

const char* ListName(ListKind kind) {
    return kKindNames[static_cast<int>(kind)].name;
}

std::optional<ListKind> ListKindFromName(std::string_view name) {
    for (const KindName& k : kKindNames)
        if (name == k.singular || name == k.plural) return k.kind;
    return std::nullopt;
}

ListPageBase& PageOf(CMainFrame& frame, ListKind kind) {
    switch (kind) {
        case ListKind::Special:
            return frame.Special();
        case ListKind::Alarm:
            return frame.Alarm();
        case ListKind::House:
            return frame.House();
        default:
            return frame.Phone();
    }
}

const char* StatusName(RowStatus status) {
    return kStatusNames[IsValidRowStatus(status) ? static_cast<int>(status) : 0];
}

std::optional<RowStatus> StatusFromName(std::string_view name) {
    for (int k = 0; k < 3; ++k)
        if (name == kStatusNames[k] || name == std::to_string(k)) return static_cast<RowStatus>(k);
    return std::nullopt;
}

const std::vector<std::string>& ListColumns(ListKind kind) {
    static const std::vector<std::string> kNumber = {"index", "number", "name", "status"};
    static const std::vector<std::string> kSpecial = {
        "index", "type", "number", "name", "fromTime", "toTime", "sun",    "mon",   "tue",
        "wed",   "thu",  "fri",    "sat",  "fromDate", "toDate", "amount", "status"};
    static const std::vector<std::string> kHouse = {"index", "houseNumber", "dial1", "dial2",
                                                    "status"};
    if (kind == ListKind::Special) return kSpecial;
    return kind == ListKind::House ? kHouse : kNumber;
}

int ListSize(const UnitModel& model, ListKind kind) {
    return WithList(model, kind, [](const auto& list) { return list.Size(); });
}

RowStatus SlotStatus(const UnitModel& model, ListKind kind, int row) {
    return WithList(model, kind, [row](const auto& list) { return list.Status(row); });
}

std::vector<int> UsedRows(const UnitModel& model, ListKind kind) {
    std::vector<int> rows;
    for (int row = 0; row < ListSize(model, kind); ++row)
        if (SlotStatus(model, kind, row) != RowStatus::Empty) rows.push_back(row);
    return rows;
}

int CountRows(const UnitModel& model, ListKind kind, RowStatus status) {
    int count = 0;
    for (int row = 0; row < ListSize(model, kind); ++row)
        count += SlotStatus(model, kind, row) == status ? 1 : 0;
    return count;
}

std::vector<std::string> SlotCells(const UnitModel& model, ListKind kind, int row) {
    return WithList(model, kind, [row](const auto& list) { return CellsOf(list, row); });
}

bool StoreSlotCells(UnitModel& model, ListKind kind, const std::vector<std::string>& cells,
                    std::string* error) {
    std::vector<std::string> c = cells;
    c.resize(ListColumns(kind).size());
    const std::optional<RowStatus> status = StatusFromName(c.back());
    if (!status) {
        *error = "unknown status \"" + c.back() + "\" of slot " + c[0];
        return false;
    }
    if (*status == RowStatus::Empty) return true;
    const bool stored = WithList(model, kind, [&](auto& list) { return Store(list, c, *status); });
    if (!stored) *error = "no slot " + c[0] + " in the " + ListName(kind) + " list";
    return stored;
}

std::optional<std::string> FirstBadNumber(const UnitModel& model, ListKind kind) {
    for (int row = 0; row < ListSize(model, kind); ++row) {
        if (SlotStatus(model, kind, row) != RowStatus::Pending) continue;
        const std::vector<std::string> cells = SlotCells(model, kind, row);
        for (std::size_t column : NumberColumns(kind))
            if (!IsPhoneNumber(cells[column])) return "slot " + cells[0] + ": " + cells[column];
    }
    return std::nullopt;
}

}  // namespace dorvik::cli
