// Reply handlers of the connection and the four slot lists and the log.
#include "protocol/replies.h"
#include "protocol/reply_handlers.h"
#include "protocol/request.h"

namespace dorvik {
namespace {

void ShowUsed(ListPageOps* page) {
    if (page) page->ShowUsed();
}

SpecialTexts TextsOf(const SpecialListLine& l) {
    SpecialTexts t;
    t.number = l.number;
    t.fromTime = l.fields.fromTime;
    t.toTime = l.fields.toTime;
    // An allowed week day is marked "V"; the others stay empty.
    for (int d = 0; d < kWeekDayCount; ++d)
        if (l.fields.days[d]) t.days[d].assign(1, 'V');
    t.fromDate = l.fields.fromDate;
    t.toDate = l.fields.toDate;
    t.amount = l.fields.amount;
    return t;
}

// The first stored line of a read-all replaces what the list held from
// the unit; Pending slots stay.
template <class List>
void ClearBeforeFirstLine(ConnectionEngine& engine, List& list) {
    if (engine.FirstLineSeen()) return;
    list.ClearInUnitRows();
    engine.SetFirstLineSeen(true);
}

template <class List>
void MarkInUnit(List& list, int row) {
    list.SetRowStatus(row, RowStatus::InUnit);
    list.SelectRow(row);
}

// The row of a 1-based slot index read from an acknowledgement.
std::optional<int> RowOfIndex(std::optional<int> index) {
    if (!index) return std::nullopt;
    return *index - 1;
}

std::optional<int> SpecialRowOfAck(const UnitModel& model, std::string_view ack) {
    auto slot = ReadSpecialAckSlot(ack);
    auto section = slot ? SectionFromLetter(slot->group) : std::nullopt;
    if (!section) return std::nullopt;
    // A slot number beyond its own section marks nothing.
    int row = model.specials.RowOf(*section, slot->index);
    if (row < 0) return std::nullopt;
    return row;
}

// How a confirmed slot command of each list is read and marked.
struct ListReply {
    SlotList list;
    int pauseMs;       // before the next slot of a serial upload run
    bool checksReply;  // false: the acknowledgement alone names the slot
    ListPageOps* ReplyPages::*page;
    std::optional<int> (*rowOf)(const UnitModel& model, std::string_view ack);
    void (*mark)(UnitModel& model, int row);
};

constexpr ListReply kListReplies[] = {
    {SlotList::Phone, ReplyHandlers::kNextSlotMs, true, &ReplyPages::phone,
     [](const UnitModel&, std::string_view ack) { return RowOfIndex(ReadPhoneAckIndex(ack)); },
     [](UnitModel& model, int row) { MarkInUnit(model.phones, row); }},
    {SlotList::Special, ReplyHandlers::kNextSlotMs, true, &ReplyPages::special, SpecialRowOfAck,
     [](UnitModel& model, int row) { MarkInUnit(model.specials, row); }},
    {SlotList::Alarm, ReplyHandlers::kNextAlarmMs, true, &ReplyPages::alarm,
     [](const UnitModel&, std::string_view ack) { return RowOfIndex(ReadAlarmAckIndex(ack)); },
     [](UnitModel& model, int row) { MarkInUnit(model.alarms, row); }},
    {SlotList::House, ReplyHandlers::kNextSlotMs, false, &ReplyPages::house,
     [](const UnitModel&, std::string_view ack) { return RowOfIndex(ReadHouseAckSlot(ack)); },
     [](UnitModel& model, int row) { MarkInUnit(model.houses, row); }},
};

const ListReply* FindListReply(SlotList list) {
    for (const ListReply& l : kListReplies) {
        if (l.list == list) return &l;
    }
    return nullptr;
}

}  // namespace

// A confirmed slot is marked InUnit and selected; on the serial link the
// upload run goes on after a pause. By message the run waits for the user,
// and an unconfirmed answer is shown as an error.
void ReplyHandlers::OnSlotReply(SlotList list, int code, const std::string& reply,
                                const std::string& ack, Via via) {
    const ListReply* l = FindListReply(list);
    if (!l) return;
    std::optional<int> row;
    if (!l->checksReply || IsConfirmation(code, reply, ack)) row = l->rowOf(model_, ack);
    if (row) {
        l->mark(model_, *row);
        if (via == Via::Serial) ContinueAfter(l->pauseMs, pages_.*(l->page));
    } else if (via == Via::Message && l->checksReply) {
        engine_.Messages().Error("Error Response, " + reply);
    }
}

void ReplyHandlers::OnHouses(const std::string& line, const std::string&) {
    auto houses = ParseHousesReply(line);
    if (!houses || !model_.RebuildForHouses(*houses)) return;
    if (pages_.house) {
        pages_.house->SetSlotCount(model_.houses.Size());
        pages_.house->ShowUsed();
    }
    if (pages_.phone) {
        pages_.phone->SetSlotCount(model_.phones.Size());
        pages_.phone->ShowUsed();
    }
}

void ReplyHandlers::OnProgRf(const std::string& line, const std::string& ack) {
    if (!ack.empty() && line == ack)
        engine_.SetConnected(true);
    else
        engine_.CloseLink();
}

void ReplyHandlers::OnProgQuit(const std::string&, const std::string&) {
    engine_.SetConnected(false);
}

// --- Phone list ---

void ReplyHandlers::OnPhoneLine(const std::string& line, const std::string&) {
    auto l = ParsePhoneListLine(line);
    if (!l || l->listEmpty || l->index <= 0) return;
    ClearBeforeFirstLine(engine_, model_.phones);
    model_.phones.SetEntry(l->number, "", l->index - 1, RowStatus::InUnit);
    model_.phones.SelectRow(l->index - 1);
    ShowUsed(pages_.phone);
}

// --- Special list ---

void ReplyHandlers::OnSpecialLine(const std::string& line, const std::string&) {
    auto l = ParseSpecialListLine(line);
    if (!l || l->groupEmpty) return;
    auto section = SectionFromLetter(l->group);
    if (!section) return;
    // A slot number beyond its own section is refused: it never lands in another.
    int row = model_.specials.RowOf(*section, l->index);
    if (row < 0) return;
    ClearBeforeFirstLine(engine_, model_.specials);
    model_.specials.SetEntry(TextsOf(*l), row, RowStatus::InUnit, std::string(1, l->group));
    model_.specials.SelectRow(row);
    ShowUsed(pages_.special);
}

// --- Alarm list ---

void ReplyHandlers::OnAlarmLine(const std::string& line, const std::string&) {
    auto reply = ParseAlarmListReply(line);
    if (!reply) return;
    for (int slot = 0; slot < 5; ++slot)
        model_.alarms.SetEntry(reply->numbers[slot], "", slot, RowStatus::InUnit);
    ShowUsed(pages_.alarm);
}

// --- House dial list ---

void ReplyHandlers::OnHouseLine(const std::string& line, const std::string&) {
    engine_.EndReadAll();
    engine_.SetIndicator(LedState::Idle);
    auto l = ParseHouseListLine(line);
    if (!l) return;
    ClearBeforeFirstLine(engine_, model_.houses);
    const std::string dial1 = l->dial == 1 ? l->number : "";
    const std::string dial2 = l->dial == 1 ? "" : l->number;
    int slot = model_.houses.FindNumber(l->house);
    if (slot > 0) {
        model_.houses.SelectRow(slot - 1);
        model_.houses.SetEntry(l->house, dial1, dial2, RowStatus::InUnit, slot - 1);
    } else {
        model_.houses.AppendEntry(l->house, dial1, dial2, RowStatus::InUnit);
    }
    ShowUsed(pages_.house);
}

// --- Caller log ---

void ReplyHandlers::OnLogLine(const std::string& line, const std::string&) {
    auto l = ParseLogLine(line);
    if (!l) return;
    std::string name = l->source == 'W' ? model_.phones.GetNameByNumber(l->number)
                                        : model_.specials.GetNameByNumber(l->number);
    if (pages_.log)
        pages_.log->AddLogEntry(l->time, l->number, name, l->index);
    else
        model_.log.AddEntry(l->time, l->number, name, l->index);
}

}  // namespace dorvik
