#include "cli/project_json.h"

#include "cli/tables.h"
#include "model/decimal_text.h"
#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

template <class Relay>
using TextField = std::string SettingsFields<Relay>::*;

// The text fields of a settings record, by their project-file names.
template <class Relay>
const std::vector<std::pair<const char*, TextField<Relay>>>& TextFields() {
    using F = SettingsFields<Relay>;
    static const std::vector<std::pair<const char*, TextField<Relay>>> fields = {
        {"UnitName", &F::UnitName},       {"UnitVersion", &F::UnitVersion},
        {"UnitTime", &F::UnitTime},       {"UnitDelay", &F::UnitDelay},
        {"UnitPhone", &F::UnitPhone},     {"UintBand", &F::UintBand},
        {"UnitReception", &F::UnitReception}, {"Battery", &F::Battery},
        {"ClockUpdate", &F::ClockUpdate}, {"AlarmMode1", &F::AlarmMode1},
        {"AlarmMode2", &F::AlarmMode2},   {"Alarm1", &F::Alarm1},
        {"Alarm2", &F::Alarm2}};
    return fields;
}

std::string RelayText(int relay) { return std::to_string(relay); }
std::string RelayText(const std::string& relay) { return relay; }
void SetRelay(int& relay, const std::string& text) { relay = LeadingInt(text); }
void SetRelay(std::string& relay, const std::string& text) { relay = text; }

// Field names with their texts (GB18030), the last two being RelayStatus
// and UnitMode.
template <class Relay>
std::vector<std::pair<std::string, std::string>> RecordTexts(const SettingsFields<Relay>& record) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& [name, field] : TextFields<Relay>()) texts.emplace_back(name, record.*field);
    texts.emplace_back("RelayStatus", RelayText(record.RelayStatus));
    texts.emplace_back("UnitMode", std::to_string(record.UnitMode));
    return texts;
}

template <class Relay>
void WriteRecord(JsonWriter& json, const char* name, const SettingsFields<Relay>& record) {
    json.Key(name).BeginObject();
    for (const auto& [field, text] : RecordTexts(record)) json.Member(field, GbToUtf8(text));
    json.EndObject();
}

template <class Relay>
void ReadRecord(const JsonValue* value, SettingsFields<Relay>& record) {
    if (!value) return;
    for (const auto& [name, field] : TextFields<Relay>())
        if (const JsonValue* v = value->Find(name)) record.*field = Utf8ToGb(v->Text());
    if (const JsonValue* v = value->Find("RelayStatus")) SetRelay(record.RelayStatus, v->Text());
    if (const JsonValue* v = value->Find("UnitMode")) record.UnitMode = LeadingInt(v->Text());
}

// One slot object into the list, its cells taken by the list's column names.
std::optional<std::string> ReadSlot(const JsonValue& slot, ListKind kind, UnitModel& model) {
    std::vector<std::string> cells;
    for (const std::string& column : ListColumns(kind)) {
        const JsonValue* v = slot.Find(column);
        cells.push_back(v ? Utf8ToGb(v->Text()) : std::string());
    }
    std::string error;
    if (!StoreSlotCells(model, kind, cells, &error)) return error;
    return std::nullopt;
}

std::optional<std::string> ReadLog(const JsonValue* rows, CallLog& log) {
    if (!rows) return std::nullopt;
    if (rows->type != JsonValue::Type::Array) return std::string("\"log\" is not an array");
    int row = 0;
    for (const JsonValue& r : rows->items) {
        const auto text = [&r](const char* name) {
            const JsonValue* v = r.Find(name);
            return v ? Utf8ToGb(v->Text()) : std::string();
        };
        log.SetEntry(text("index"), text("time"), text("number"), text("name"), row++);
    }
    return std::nullopt;
}

}  // namespace

void WriteProject(JsonWriter& json, const UnitModel& model) {
    json.BeginObject();
    WriteRecord(json, "UnitInfo", model.Settings);
    WriteRecord(json, "MultiRelay", model.MultiRelay);
    for (ListKind kind : kProjectLists) {
        json.Key(ListName(kind));
        WriteSlots(json, model, kind);
    }
    json.Key("log");
    WriteLog(json, model.Log);
    json.EndObject();
}

std::optional<std::string> ReadProject(const JsonValue& document, UnitModel& model) {
    if (document.type != JsonValue::Type::Object) return std::string("the document is no object");
    ReadRecord(document.Find("UnitInfo"), model.Settings);
    ReadRecord(document.Find("MultiRelay"), model.MultiRelay);
    for (ListKind kind : kProjectLists) {
        const JsonValue* slots = document.Find(ListName(kind));
        if (!slots) continue;
        if (slots->type != JsonValue::Type::Array)
            return "\"" + std::string(ListName(kind)) + "\" is not an array";
        for (const JsonValue& slot : slots->items)
            if (auto why = ReadSlot(slot, kind, model)) return why;
    }
    return ReadLog(document.Find("log"), model.Log);
}

std::vector<std::string> RecordLines(const UnitModel& model) {
    std::vector<std::string> lines;
    for (const auto& [field, text] : RecordTexts(model.Settings))
        lines.push_back("UnitInfo." + field + "=" + GbToUtf8(text));
    for (const auto& [field, text] : RecordTexts(model.MultiRelay))
        lines.push_back("MultiRelay." + field + "=" + GbToUtf8(text));
    return lines;
}

}  // namespace dorvik::cli
