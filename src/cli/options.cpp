#include "cli/options.h"

#include <algorithm>
#include <cctype>

namespace dorvik::cli {
namespace {

using S = OptionScope;
// Sets the option from its value; the reason when the value is refused.
using Setter = std::optional<std::string> (*)(Options&, const std::string&);

struct OptionRow {
    OptionInfo info;
    Setter set;
};

std::optional<std::string> Ok() {
    return std::nullopt;
}

// A whole decimal number within low..high, into target.
std::optional<std::string> Number(std::optional<int>& target, const std::string& text, int low,
                                  int high) {
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
    const int value = digits ? std::stoi(text) : -1;
    if (!digits || value < low || value > high)
        return "\"" + text + "\" is not a number from " + std::to_string(low) + " to " +
               std::to_string(high);
    target = value;
    return Ok();
}

std::optional<std::string> FrameText(std::optional<std::string>& target, const std::string& text) {
    if (!IsFrameSafe(text))
        return std::string("it must not be empty nor hold \"#\" or a line break");
    target = text;
    return Ok();
}

std::optional<std::string> DialNumber(std::optional<std::string>& target, const std::string& text) {
    if (!IsDialNumber(text)) return "\"" + text + "\" is not a phone number (digits only)";
    target = text;
    return Ok();
}

std::optional<std::string> Parity(Options& o, const std::string& text) {
    const char p = text.size() == 1 ? static_cast<char>(std::toupper(text[0])) : '?';
    if (std::string_view("NOEMS").find(p) == std::string_view::npos)
        return "\"" + text + "\" is not a parity (N, O, E, M or S)";
    o.parity = p;
    return Ok();
}

std::optional<std::string> Text(std::string& target, const std::string& text) {
    if (text.empty()) return std::string("it needs a value");
    target = text;
    return Ok();
}

std::optional<std::string> Flag(bool& target) {
    target = true;
    return Ok();
}

// clang-format off
const std::vector<OptionRow>& Rows() {
    static const std::vector<OptionRow> rows = {
        {{"--device", "PATH", S::Session, "serial device or pseudo-terminal of the unit or modem"},
         [](Options& o, const std::string& v) { return Text(o.device.emplace(), v); }},
        {{"--com", "N", S::Session, "COMn port as the desktop tool names it"},
         [](Options& o, const std::string& v) { return Number(o.com, v, 1, 256); }},
        {{"--baud", "N", S::Session, "line speed"},
         [](Options& o, const std::string& v) { return Number(o.baud, v, 50, 4000000); }},
        {{"--parity", "N|O|E|M|S", S::Session, "parity"}, &Parity},
        {{"--databits", "N", S::Session, "data bits, 5 to 8"},
         [](Options& o, const std::string& v) { return Number(o.dataBits, v, 5, 8); }},
        {{"--stopbits", "N", S::Session, "stop bits, 1 or 2"},
         [](Options& o, const std::string& v) { return Number(o.stopBits, v, 1, 2); }},
        {{"--password", "PW", S::Session, "unit password"},
         [](Options& o, const std::string& v) { return FrameText(o.password, v); }},
        {{"--unit-id", "ID", S::Session, "unit ID for the TAVRIN link"},
         [](Options& o, const std::string& v) { return FrameText(o.unitId, v); }},
        {{"--tavrin", nullptr, S::Session, "open the link with the TAVRIN commands"},
         [](Options& o, const std::string&) { return Flag(o.tavrin); }},
        {{"--modem", nullptr, S::Session, "reach the unit by short message through a GSM modem"},
         [](Options& o, const std::string&) { return Flag(o.modem); }},
        {{"--serial", nullptr, S::Session, "use the serial cable even when the settings file says modem"},
         [](Options& o, const std::string&) { return Flag(o.serial); }},
        {{"--pdu", nullptr, S::Session, "modem in PDU mode instead of text mode"},
         [](Options& o, const std::string&) { return Flag(o.pdu); }},
        {{"--unit-phone", "NUMBER", S::Session, "the unit's phone number (modem mode)"},
         [](Options& o, const std::string& v) { return DialNumber(o.unitPhone, v); }},
        {{"--smsc", "NUMBER", S::Anywhere, "SMS service centre (modem PDU mode, pdu encode)"},
         [](Options& o, const std::string& v) { return DialNumber(o.smsc, v); }},
        {{"--reply-timeout", "SEC", S::Session, "modem reply time-out in seconds, 1 to 3600"},
         [](Options& o, const std::string& v) { return Number(o.replyTimeout, v, 1, 3600); }},
        {{"--settings", "FILE", S::Session, "settings file to read (default: DORVIK.ini)"},
         [](Options& o, const std::string& v) { return Text(o.settingsPath, v); }},
        {{"--save-settings", nullptr, S::Session, "write the connection options to the settings file"},
         [](Options& o, const std::string&) { return Flag(o.saveSettings); }},
        {{"--project", "FILE", S::Session, "project file (.gto) opened first and saved at the end"},
         [](Options& o, const std::string& v) { return Text(o.project, v); }},
        {{"--json", nullptr, S::Anywhere, "print one JSON object per result"},
         [](Options& o, const std::string&) { return Flag(o.json); }},
        {{"--quiet", nullptr, S::Anywhere, "no progress on standard error"},
         [](Options& o, const std::string&) { return Flag(o.quiet); }},
        {{"--yes", nullptr, S::Anywhere, "answer questions with Yes"},
         [](Options& o, const std::string&) { return Flag(o.yes); }},
        {{"--no", nullptr, S::Anywhere, "answer questions with No"},
         [](Options& o, const std::string&) { return Flag(o.no); }},
        {{"--help", nullptr, S::Anywhere, "this help"},
         [](Options& o, const std::string&) { return Flag(o.help); }},
        {{"--version", nullptr, S::Anywhere, "print the version"},
         [](Options& o, const std::string&) { return Flag(o.version); }},
        {{"--keep-going", nullptr, S::Command, "run: go on after a failed line"},
         [](Options& o, const std::string&) { return Flag(o.keepGoing); }},
        {{"--last", "N", S::Command, "log: only the last N entries"},
         [](Options& o, const std::string& v) { return Number(o.last, v, 0, 99999); }},
        {{"--delete", nullptr, S::Command, "log: clear the log table of the project"},
         [](Options& o, const std::string&) { return Flag(o.deleteLog); }},
        {{"--export", "FILE", S::Command, "log: also write the log to this .xlsx, .ods, .xls or .csv file"},
         [](Options& o, const std::string& v) { return Text(o.exportPath, v); }},
        {{"--multi-relay", nullptr, S::Command, "get/set: the seven-relay unit's settings page"},
         [](Options& o, const std::string&) { return Flag(o.multiRelay); }},
        {{"--list", "LIST", S::Command, "project convert: the list a CSV file holds (default phones)"},
         [](Options& o, const std::string& v) { return Text(o.list, v); }},
        {{"--sheet", "NAME", S::Command, "import/upload: the workbook sheet to read"},
         [](Options& o, const std::string& v) { return Text(o.sheet, v); }},
        {{"--to", "NUMBER", S::Command, "pdu encode: destination number"},
         [](Options& o, const std::string& v) { return Text(o.to, v); }},
        {{"--ucs2", nullptr, S::Command, "pdu encode: UCS2 even when the text fits 7-bit"},
         [](Options& o, const std::string&) { return Flag(o.ucs2); }},
    };
    return rows;
}
// clang-format on

const OptionRow* FindRow(std::string_view name) {
    for (const OptionRow& row : Rows())
        if (name == row.info.name) return &row;
    return nullptr;
}

// "--name=value" is split; a plain "--name" takes the next argument as value.
bool TakeOption(const std::vector<std::string>& args, std::size_t& i, Options& options,
                bool sessionAllowed, std::string* error) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const std::size_t eq = name.find('='); eq != std::string::npos) {
        value = name.substr(eq + 1);
        name.resize(eq);
    }
    const OptionRow* row = FindRow(name);
    if (!row) return (*error = "unknown option " + name), false;
    if (row->info.scope == S::Session && !sessionAllowed)
        return (*error = name + " belongs on the command line, not in a script"), false;
    if (row->info.value && !value) {
        if (i + 1 >= args.size()) return (*error = name + " needs a value"), false;
        value = args[++i];
    }
    if (!row->info.value && value) return (*error = name + " takes no value"), false;
    if (auto why = row->set(options, value.value_or("")))
        return (*error = name + ": " + *why), false;
    options.given.push_back(name);
    return true;
}

}  // namespace

const std::vector<OptionInfo>& AllOptions() {
    static const std::vector<OptionInfo> infos = [] {
        std::vector<OptionInfo> out;
        for (const OptionRow& row : Rows()) out.push_back(row.info);
        return out;
    }();
    return infos;
}

const OptionInfo* FindOption(std::string_view name) {
    const OptionRow* row = FindRow(name);
    return row ? &row->info : nullptr;
}

bool ParseArguments(const std::vector<std::string>& args, Options& options, bool sessionAllowed,
                    std::string* error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "-h") {
            options.help = true;
        } else if (!optionsEnded && arg.size() > 2 && arg.starts_with("--")) {
            if (!TakeOption(args, i, options, sessionAllowed, error)) return false;
        } else {
            options.words.push_back(arg);
        }
    }
    if (options.yes && options.no) return (*error = "--yes and --no exclude each other"), false;
    if (options.modem && options.serial)
        return (*error = "--modem and --serial exclude each other"), false;
    return true;
}

bool IsFrameSafe(std::string_view text) {
    return !text.empty() && text.find_first_of("#\r\n") == std::string_view::npos;
}

bool IsDialNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace dorvik::cli
