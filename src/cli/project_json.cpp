#include "cli/project_json.h"

#include "cli/tables.h"
#include "model/project_layout.h"
#include "model/text_codec.h"

namespace dorvik::cli {
namespace {

template <class Relay>
Json RecordJson(const SettingsFields<Relay>& record) {
    Json json = Json::object();
    for (const auto& [field, text] : SettingsFieldTexts(record)) json[field] = GbToUtf8(text);
    return json;
}

template <class Relay>
void ReadRecord(const Json* value, SettingsFields<Relay>& record) {
    if (!value || !value->is_object()) return;
    for (const auto& [name, field] : value->items())
        SetSettingsFieldText(record, name, Utf8ToGb(JsonScalarText(field)));
}

// One slot object into the list, its cells taken by the list's column names.
std::optional<std::string> ReadSlot(const Json& slot, ListKind kind, UnitModel& model) {
    std::vector<std::string> cells;
    for (const std::string& column : ListColumns(kind)) {
        const Json* v = JsonMember(slot, column.c_str());
        cells.push_back(v ? Utf8ToGb(JsonScalarText(*v)) : std::string());
    }
    std::string error;
    if (!StoreSlotCells(model, kind, cells, &error)) return error;
    return std::nullopt;
}

std::optional<std::string> ReadLog(const Json* rows, CallLog& log) {
    if (!rows) return std::nullopt;
    if (!rows->is_array()) return std::string("\"log\" is not an array");
    int row = 0;
    for (const Json& r : *rows) {
        const auto text = [&r](const char* name) {
            const Json* v = JsonMember(r, name);
            return v ? Utf8ToGb(JsonScalarText(*v)) : std::string();
        };
        log.SetEntry(text("index"), text("time"), text("number"), text("name"), row++);
    }
    return std::nullopt;
}

}  // namespace

Json ProjectJson(const UnitModel& model) {
    Json json = Json::object();
    json["UnitInfo"] = RecordJson(model.settings);
    json["MultiRelay"] = RecordJson(model.multiRelay);
    for (ListKind kind : kProjectLists) json[ListName(kind)] = SlotsJson(model, kind);
    json["log"] = LogJson(model.log);
    return json;
}

std::optional<std::string> ReadProject(const Json& document, UnitModel& model) {
    if (!document.is_object()) return std::string("the document is no object");
    ReadRecord(JsonMember(document, "UnitInfo"), model.settings);
    ReadRecord(JsonMember(document, "MultiRelay"), model.multiRelay);
    for (ListKind kind : kProjectLists) {
        const Json* slots = JsonMember(document, ListName(kind));
        if (!slots) continue;
        if (!slots->is_array()) return "\"" + std::string(ListName(kind)) + "\" is not an array";
        for (const Json& slot : *slots)
            if (auto why = ReadSlot(slot, kind, model)) return why;
    }
    return ReadLog(JsonMember(document, "log"), model.log);
}

std::vector<std::string> RecordLines(const UnitModel& model) {
    std::vector<std::string> lines;
    for (const auto& [field, text] : SettingsFieldTexts(model.settings))
        lines.push_back("UnitInfo." + field + "=" + GbToUtf8(text));
    for (const auto& [field, text] : SettingsFieldTexts(model.multiRelay))
        lines.push_back("MultiRelay." + field + "=" + GbToUtf8(text));
    return lines;
}

}  // namespace dorvik::cli
