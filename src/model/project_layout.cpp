#include "model/project_layout.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/decimal_text.h"

namespace dorvik {
namespace {

constexpr const char* kUnitInfo = "UnitInfo";
constexpr const char* kMultiRelay = "MultiRelay";
constexpr const char* kPhoneNumber = "PhoneNumber";
constexpr const char* kSpecialPhoneNumber = "SpecialPhoneNumber";
constexpr const char* kAlarmPhoneNumber = "AlarmPhoneNumber";
constexpr const char* kLogRoot = "LogRoot";

// Element name and GB18030 text of one child element.
using Field = std::pair<const char*, std::string>;
using Record = std::vector<Field>;

bool AddChildren(XmlNode& parent, const Record& fields) {
    XmlNode child;
    for (const auto& [name, text] : fields) {
        if (!parent.AddChild(child, name, text)) return false;
    }
    return true;
}

// Adds `element` under `parent` with one child per field.
bool AddRecord(XmlNode& parent, const char* element, const Record& fields) {
    XmlNode record;
    return parent.AddChild(record, element, "") && AddChildren(record, fields);
}

std::string Decimal(int value) { return std::to_string(value); }
std::string StatusText(RowStatus status) { return Decimal(static_cast<int>(status)); }

// The text of a child element; empty when it is missing or holds none.
std::string TextOf(const XmlNode& node, const char* name) {
    std::string text;
    node.GetChildText(name, text);
    return text;
}

int IntOf(const XmlNode& node, const char* name) { return LeadingInt(TextOf(node, name)); }

// The row of the 1-based slot number in "Index"; -1, which no list stores,
// when it is missing or not positive.
int RowOf(const XmlNode& record) {
    const int index = IntOf(record, "Index");
    return index > 0 ? index - 1 : -1;
}

// A status other than the three known ones keeps the slot's texts and marks
// it to be sent again rather than dropping it.
RowStatus StatusOf(const XmlNode& record) {
    return RowStatusFromInt(IntOf(record, "Status")).value_or(RowStatus::Pending);
}

// ---- Settings records ------------------------------------------------------

template <class Relay>
using SettingsMember =
    std::variant<std::string SettingsFields<Relay>::*, int SettingsFields<Relay>::*>;

template <class Relay>
struct SettingsField {
    const char* name;
    SettingsMember<Relay> member;
};

constexpr std::size_t kSettingsFieldCount = 15;

// The stored fields in file order; "UnitPassword" comes before them.
template <class Relay>
const std::array<SettingsField<Relay>, kSettingsFieldCount>& SettingsTable() {
    using F = SettingsFields<Relay>;
    static const std::array<SettingsField<Relay>, kSettingsFieldCount> kTable = {{
        {"UnitName", &F::UnitName},
        {"UnitVersion", &F::UnitVersion},
        {"UnitTime", &F::UnitTime},
        {"UnitDelay", &F::UnitDelay},
        {"UnitPhone", &F::UnitPhone},
        {"UintBand", &F::UintBand},
        {"UnitReception", &F::UnitReception},
        {"UnitMode", &F::UnitMode},
        {"Battery", &F::Battery},
        {"ClockUpdate", &F::ClockUpdate},
        {"RelayStatus", &F::RelayStatus},
        {"AlarmMode1", &F::AlarmMode1},
        {"AlarmMode2", &F::AlarmMode2},
        {"Alarm1", &F::Alarm1},
        {"Alarm2", &F::Alarm2},
    }};
    return kTable;
}

std::string FieldText(const std::string& value) { return value; }
std::string FieldText(int value) { return Decimal(value); }
void StoreField(std::string& field, std::string text) { field = std::move(text); }
// Integers are read like atoi: 0 when the text holds no number.
void StoreField(int& field, const std::string& text) { field = LeadingInt(text); }

template <class Relay>
bool WriteSettings(XmlNode& section, const SettingsFields<Relay>& settings,
                   const std::string& password) {
    Record fields{{"UnitPassword", password}};
    for (const SettingsField<Relay>& field : SettingsTable<Relay>()) {
        std::visit(
            [&](auto member) { fields.emplace_back(field.name, FieldText(settings.*member)); },
            field.member);
    }
    return AddChildren(section, fields);
}

// A missing element stores the empty text (0 for an integer).
template <class Relay>
void ReadSettings(const XmlNode& section, SettingsFields<Relay>& settings) {
    for (const SettingsField<Relay>& field : SettingsTable<Relay>()) {
        std::visit([&](auto member) { StoreField(settings.*member, TextOf(section, field.name)); },
                   field.member);
    }
}

bool WriteUnitInfo(XmlNode& section, const UnitModel& model) {
    return WriteSettings(section, model.settings, model.unitPassword);
}
bool WriteMultiRelay(XmlNode& section, const UnitModel& model) {
    return WriteSettings(section, model.multiRelay, model.unitPassword);
}
int ReadUnitInfo(const XmlNode& section, UnitModel& model) {
    ReadSettings(section, model.settings);
    return 0;
}
int ReadMultiRelay(const XmlNode& section, UnitModel& model) {
    ReadSettings(section, model.multiRelay);
    return 0;
}

// ---- Phone and alarm lists -------------------------------------------------

// Every slot, empty ones included; a slot without a number is written with
// empty texts.
bool WriteNumbers(XmlNode& section, const char* element, const NumberList& list) {
    for (int row = 0; row < list.Size(); ++row) {
        std::string number;
        std::string name;
        list.GetEntry(row, number, name);
        const Record fields{{"Index", Decimal(row + 1)},
                            {"Phone", std::move(number)},
                            {"Name", std::move(name)},
                            {"Status", StatusText(list.Status(row))}};
        if (!AddRecord(section, element, fields)) return false;
    }
    return true;
}

int ReadNumbers(const XmlNode& section, const char* element, NumberList& list) {
    std::vector<XmlNode> records;
    section.GetChildren(element, records);
    int dropped = 0;
    for (const XmlNode& record : records) {
        const std::string number = TextOf(record, "Phone");
        if (!list.SetEntry(number, TextOf(record, "Name"), RowOf(record), StatusOf(record)) &&
            !number.empty())
            ++dropped;
    }
    return dropped;
}

bool WritePhones(XmlNode& section, const UnitModel& model) {
    return WriteNumbers(section, "Normal", model.phones);
}
bool WriteAlarms(XmlNode& section, const UnitModel& model) {
    return WriteNumbers(section, "Alarm", model.alarms);
}
int ReadPhones(const XmlNode& section, UnitModel& model) {
    return ReadNumbers(section, "Normal", model.phones);
}
int ReadAlarms(const XmlNode& section, UnitModel& model) {
    return ReadNumbers(section, "Alarm", model.alarms);
}

// ---- Special list ----------------------------------------------------------

// Element names of the fourteen texts, in the order of SpecialTexts::ToArray.
constexpr std::array<const char*, kSpecialTextCount> kSpecialTextNames = {
    "Phone", "Name", "FromTime", "ToTime", "Sun",      "Mon",    "Tue",
    "Wed",   "Thu",  "Fri",      "Sat",    "FromDate", "ToDate", "Amount"};

Record SpecialRecord(const SpecialList& list, int row) {
    SpecialTexts texts;
    list.GetEntry(row, texts);
    const auto values = texts.ToArray();
    Record fields{{"Index", Decimal(row + 1)}};
    for (std::size_t i = 0; i < values.size(); ++i)
        fields.emplace_back(kSpecialTextNames[i], values[i]);
    fields.emplace_back("Status", StatusText(list.Status(row)));
    fields.emplace_back("Type", std::string(1, list.Row(row).type));
    return fields;
}

bool WriteSpecials(XmlNode& section, const UnitModel& model) {
    for (int row = 0; row < model.specials.Size(); ++row) {
        if (!AddRecord(section, "Special", SpecialRecord(model.specials, row))) return false;
    }
    return true;
}

int ReadSpecials(const XmlNode& section, UnitModel& model) {
    std::vector<XmlNode> records;
    section.GetChildren("Special", records);
    int dropped = 0;
    for (const XmlNode& record : records) {
        std::array<std::string, kSpecialTextCount> values;
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = TextOf(record, kSpecialTextNames[i]);
        if (!model.specials.SetEntry(SpecialTexts::FromArray(values), RowOf(record),
                                     StatusOf(record), TextOf(record, "Type")) &&
            !values[0].empty())
            ++dropped;
    }
    return dropped;
}

// ---- Caller log ------------------------------------------------------------

// Every row holding an entry, also after the entry counter wrapped.
bool WriteLog(XmlNode& section, const UnitModel& model) {
    LogEntry entry;
    for (int row = 0; row < model.log.RowCount(); ++row) {
        model.log.GetEntry(row, entry);
        const Record fields{{"Index", entry.index},
                            {"Time", entry.time},
                            {"Phone", entry.number},
                            {"Name", entry.name}};
        if (!AddRecord(section, "Log", fields)) return false;
    }
    return true;
}

// The k-th Log element goes to row k.
int ReadLog(const XmlNode& section, UnitModel& model) {
    std::vector<XmlNode> records;
    section.GetChildren("Log", records);
    const std::size_t rows = std::min(records.size(), static_cast<std::size_t>(model.log.Size()));
    for (std::size_t k = 0; k < rows; ++k) {
        const XmlNode& record = records[k];
        model.log.SetEntry(TextOf(record, "Index"), TextOf(record, "Time"), TextOf(record, "Phone"),
                           TextOf(record, "Name"), static_cast<int>(k));
    }
    return static_cast<int>(records.size() - rows);
}

const ProjectSectionWriter kWriters[] = {
    {kUnitInfo, WriteUnitInfo},       {kMultiRelay, WriteMultiRelay},
    {kPhoneNumber, WritePhones},      {kSpecialPhoneNumber, WriteSpecials},
    {kAlarmPhoneNumber, WriteAlarms}, {kLogRoot, WriteLog},
};

const ProjectSectionReader kReaders[] = {
    {kUnitInfo, ReadUnitInfo, 0},       {kMultiRelay, ReadMultiRelay, 1},
    {kPhoneNumber, ReadPhones, 2},      {kLogRoot, ReadLog, 3},
    {kAlarmPhoneNumber, ReadAlarms, 4}, {kSpecialPhoneNumber, ReadSpecials, kProjectProgressEnd},
};

}  // namespace

std::span<const ProjectSectionWriter> ProjectSections() { return kWriters; }
std::span<const ProjectSectionReader> ProjectReadOrder() { return kReaders; }

template <class Relay>
std::vector<std::pair<std::string, std::string>> SettingsFieldTexts(
    const SettingsFields<Relay>& record) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const SettingsField<Relay>& field : SettingsTable<Relay>())
        std::visit([&](auto member) { texts.emplace_back(field.name, FieldText(record.*member)); },
                   field.member);
    return texts;
}

template <class Relay>
bool SetSettingsFieldText(SettingsFields<Relay>& record, std::string_view name,
                          const std::string& text) {
    for (const SettingsField<Relay>& field : SettingsTable<Relay>()) {
        if (name != field.name) continue;
        std::visit([&](auto member) { StoreField(record.*member, text); }, field.member);
        return true;
    }
    return false;
}

template std::vector<std::pair<std::string, std::string>> SettingsFieldTexts(
    const SettingsFields<int>&);
template std::vector<std::pair<std::string, std::string>> SettingsFieldTexts(
    const SettingsFields<std::string>&);
template bool SetSettingsFieldText(SettingsFields<int>&, std::string_view, const std::string&);
template bool SetSettingsFieldText(SettingsFields<std::string>&, std::string_view,
                                   const std::string&);

}  // namespace dorvik
