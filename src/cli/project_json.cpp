#include "cli/project_json.h"

#include "cli/tables.h"
#include "model/project_layout.h"
#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

template <class Relay>
void WriteRecord(JsonWriter& json, const char* name, const SettingsFields<Relay>& record) {
    json.Key(name).BeginObject();
    for (const auto& [field, text] : SettingsFieldTexts(record)) json.Member(field, GbToUtf8(text));
    json.EndObject();
}

template <class Relay>
void ReadRecord(const JsonValue* value, SettingsFields<Relay>& record) {
    if (!value) return;
    for (const auto& [name, field] : value->members)
        SetSettingsFieldText(record, name, Utf8ToGb(field.Text()));
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
    for (const auto& [field, text] : SettingsFieldTexts(model.Settings))
        lines.push_back("UnitInfo." + field + "=" + GbToUtf8(text));
    for (const auto& [field, text] : SettingsFieldTexts(model.MultiRelay))
        lines.push_back("MultiRelay." + field + "=" + GbToUtf8(text));
    return lines;
}

}  // namespace dorvik::cli
