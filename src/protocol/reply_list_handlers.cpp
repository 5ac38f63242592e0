// Reply handlers of the connection and the four slot lists and the log.
#include "protocol/replies.h"
#include "protocol/reply_handlers.h"
#include "protocol/request.h"

namespace dorvik {
namespace {

void ShowUsed(ListPage* page) {
    if (page) page->ShowUsed();
}

SpecialTexts TextsOf(const SpecialListLine& l) {
    SpecialTexts t;
    t.Number = l.number;
    t.FromTime = l.fields.fromTime;
    t.ToTime = l.fields.toTime;
    // An allowed week day is marked "V"; the others stay empty.
    for (int d = 0; d < kWeekDayCount; ++d)
        if (l.fields.days[d]) t.Days[d].assign(1, 'V');
    t.FromDate = l.fields.fromDate;
    t.ToDate = l.fields.toDate;
    t.Amount = l.fields.amount;
    return t;
}

}  // namespace

void ReplyHandlers::OnHouses(const std::string& line, const std::string&) {
    auto houses = ParseHousesReply(line);
    if (!houses || !model_.RebuildForHouses(*houses)) return;
    if (pages_.house) {
        pages_.house->SetSlotCount(model_.Houses.Size());
        pages_.house->ShowUsed();
    }
    if (pages_.phone) {
        pages_.phone->SetSlotCount(model_.Phones.Size());
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
    if (!engine_.FirstLineSeen()) {
        model_.Phones.ClearInUnitRows();
        engine_.SetFirstLineSeen(true);
    }
    model_.Phones.SetEntry(l->number, "", l->index - 1, RowStatus::InUnit);
    model_.Phones.SelectRow(l->index - 1);
    ShowUsed(pages_.phone);
}

bool ReplyHandlers::MarkPhone(const std::string& reply, const std::string& ack) {
    if (!IsConfirmation(code::kWritePhoneSlot, reply, ack)) return false;
    auto index = ReadPhoneAckIndex(ack);
    if (!index) return false;
    model_.Phones.SetRowStatus(*index - 1, RowStatus::InUnit);
    model_.Phones.SelectRow(*index - 1);
    return true;
}

void ReplyHandlers::OnPhoneConfirmed(const std::string& line, const std::string& ack) {
    if (MarkPhone(line, ack)) ContinueAfter(kNextSlotMs, pages_.phone);
}

void ReplyHandlers::OnPhoneMessage(const std::string& body, const std::string& ack) {
    if (!MarkPhone(body, ack)) engine_.Messages().Error("Error Response, " + body);
}

// --- Special list ---

void ReplyHandlers::OnSpecialLine(const std::string& line, const std::string&) {
    auto l = ParseSpecialListLine(line);
    if (!l || l->groupEmpty) return;
    auto section = SectionFromLetter(l->group);
    if (!section) return;
    // A slot number beyond its own section is refused: it never lands in another.
    int row = model_.Specials.RowOf(*section, l->index);
    if (row < 0) return;
    if (!engine_.FirstLineSeen()) {
        model_.Specials.ClearInUnitRows();
        engine_.SetFirstLineSeen(true);
    }
    model_.Specials.SetEntry(TextsOf(*l), row, RowStatus::InUnit, std::string(1, l->group));
    model_.Specials.SelectRow(row);
    ShowUsed(pages_.special);
}

bool ReplyHandlers::MarkSpecial(const std::string& reply, const std::string& ack) {
    if (!IsConfirmation(code::kWriteSpecialSlot, reply, ack)) return false;
    auto slot = ReadSpecialAckSlot(ack);
    auto section = slot ? SectionFromLetter(slot->group) : std::nullopt;
    if (!section) return false;
    int row = model_.Specials.RowOf(*section, slot->index);
    if (row < 0) return false;
    model_.Specials.SetRowStatus(row, RowStatus::InUnit);
    model_.Specials.SelectRow(row);
    return true;
}

void ReplyHandlers::OnSpecialConfirmed(const std::string& line, const std::string& ack) {
    if (MarkSpecial(line, ack)) ContinueAfter(kNextSlotMs, pages_.special);
}

void ReplyHandlers::OnSpecialMessage(const std::string& body, const std::string& ack) {
    if (!MarkSpecial(body, ack)) engine_.Messages().Error("Error Response, " + body);
}

// --- Alarm list ---

void ReplyHandlers::OnAlarmLine(const std::string& line, const std::string&) {
    auto reply = ParseAlarmListReply(line);
    if (!reply) return;
    for (int slot = 0; slot < 5; ++slot)
        model_.Alarms.SetEntry(reply->numbers[slot], "", slot, RowStatus::InUnit);
    ShowUsed(pages_.alarm);
}

bool ReplyHandlers::MarkAlarm(const std::string& reply, const std::string& ack) {
    if (!IsConfirmation(code::kWriteAlarmSlot, reply, ack)) return false;
    auto index = ReadAlarmAckIndex(ack);
    if (!index) return false;
    model_.Alarms.SetRowStatus(*index - 1, RowStatus::InUnit);
    model_.Alarms.SelectRow(*index - 1);
    return true;
}

void ReplyHandlers::OnAlarmConfirmed(const std::string& line, const std::string& ack) {
    if (MarkAlarm(line, ack)) ContinueAfter(kNextAlarmMs, pages_.alarm);
}

void ReplyHandlers::OnAlarmMessage(const std::string& body, const std::string& ack) {
    if (!MarkAlarm(body, ack)) engine_.Messages().Error("Error Response, " + body);
}

// --- House dial list ---

void ReplyHandlers::OnHouseLine(const std::string& line, const std::string&) {
    engine_.EndReadAll();
    engine_.SetIndicator(LedState::Idle);
    auto l = ParseHouseListLine(line);
    if (!l) return;
    if (!engine_.FirstLineSeen()) {
        model_.Houses.ClearInUnitRows();
        engine_.SetFirstLineSeen(true);
    }
    const std::string dial1 = l->dial == 1 ? l->number : "";
    const std::string dial2 = l->dial == 1 ? "" : l->number;
    int slot = model_.Houses.FindNumber(l->house);
    if (slot > 0) {
        model_.Houses.SelectRow(slot - 1);
        model_.Houses.SetEntry(l->house, dial1, dial2, RowStatus::InUnit, slot - 1);
    } else {
        model_.Houses.AppendEntry(l->house, dial1, dial2, RowStatus::InUnit);
    }
    ShowUsed(pages_.house);
}

bool ReplyHandlers::MarkHouse(const std::string& ack) {
    auto slot = ReadHouseAckSlot(ack);
    if (!slot) return false;
    model_.Houses.SetRowStatus(*slot - 1, RowStatus::InUnit);
    model_.Houses.SelectRow(*slot - 1);
    return true;
}

void ReplyHandlers::OnHouseConfirmed(const std::string&, const std::string& ack) {
    if (MarkHouse(ack)) ContinueAfter(kNextSlotMs, pages_.house);
}

// A house dial answer by short message marks its slot like any upload.
void ReplyHandlers::OnHouseMessage(const std::string&, const std::string& ack) { MarkHouse(ack); }

// --- Caller log ---

void ReplyHandlers::OnLogLine(const std::string& line, const std::string&) {
    auto l = ParseLogLine(line);
    if (!l) return;
    std::string name = l->source == 'W' ? model_.Phones.GetNameByNumber(l->number)
                                        : model_.Specials.GetNameByNumber(l->number);
    if (pages_.log)
        pages_.log->AddLogEntry(l->time, l->number, name, l->index);
    else
        model_.Log.AddEntry(l->time, l->number, name, l->index);
}

}  // namespace dorvik
