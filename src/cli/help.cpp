#include "cli/help.h"

#include "cli/commands.h"
#include "cli/settings_keys.h"

namespace dorvik::cli {
namespace {

constexpr const char kIntro[] =
    "Usage: dorvik-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
    "Scripted front end of DORVIK: the unit's lists, settings and log from a shell.\n"
    "Connection options not given come from the settings file, which is only\n"
    "written with --save-settings.\n"
    "Exit status: 0 success, 1 the unit refused or did not answer, 2 bad usage or\n"
    "unreadable input, 130 stopped by Ctrl-C.\n";

// clang-format off
const std::vector<CommandInfo>& Table() {
    static const std::vector<CommandInfo> commands = {
        {"connect", "connect", "Open the link and print the unit's house count.", {}, true, false, &RunConnect},
        {"upload", "upload phones|special|alarm|house [FILE]",
         "Send the list's Pending slots to the unit, one command a slot. FILE is a\n"
         "project (.gto), a spreadsheet (.xlsx, .ods, .xls) or a CSV; without FILE\n"
         "the --project lists are sent. Ctrl-C stops after the slot on its way;\n"
         "--project keeps which slots are still Pending.", {"--sheet"}, true, true, &RunUpload},
        {"delete", "delete phones|special|alarm|house INDEX...",
         "Erase the slots in the unit: the page's Delete, then the upload of the\n"
         "list's Pending slots. INDEX is the slot's number, or its label (S001) for\n"
         "the special list.", {}, true, true, &RunDelete},
        {"read", "read phones|special|alarm|house", "Read the unit's whole list.", {}, true, true, &RunRead},
        {"get", "get settings", "Read every setting of the settings page.", {"--multi-relay"}, true, true, &RunGet},
        {"set", "set KEY=VALUE ...", "Change settings: each group of keys is sent as one command.",
         {"--multi-relay"}, true, false, &RunSet},
        {"log", "log [--last N] [--export FILE] | log --delete",
         "Download the unit's caller log (or its last N entries); --delete clears\n"
         "the log table kept in the project.", {"--last", "--delete", "--export"}, true, false, &RunLog},
        {"send", "send RAW", "Send one command body with the password added and print the answer.",
         {}, true, false, &RunSend},
        {"project", "project show FILE.gto | project convert IN OUT",
         "Print a project, or convert it to JSON or one list's CSV (--list) and back.",
         {"--list"}, false, true, &RunProject},
        {"export", "export phones|special|house|log PROJECT.gto FILE.xlsx|.ods|.xls|.csv",
         "Write a list or the log of a project to a spreadsheet.", {}, false, true, &RunExport},
        {"import", "import phones|special|house FILE.xlsx|.ods|.xls|.csv PROJECT.gto",
         "Read a list from a spreadsheet into a project as Pending slots.", {"--sheet"}, false, true, &RunImport},
        {"pdu", "pdu decode HEX | pdu encode --to NUMBER TEXT",
         "Decode an SMS-DELIVER PDU or build an SMS-SUBMIT PDU.", {"--to", "--ucs2"}, false, true, &RunPdu},
        {"run", "run SCRIPT",
         "Run one command a line (\"#\" starts a comment) on one link, stopping at\n"
         "the first failure unless --keep-going.", {"--keep-going"}, true, false, &RunScript},
    };
    return commands;
}
// clang-format on

std::string OptionLine(const OptionInfo& o) {
    std::string left = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : "");
    if (left.size() < 26) left.resize(26, ' ');
    return left + " " + o.help + "\n";
}

std::string OptionsOf(OptionScope scope, const CommandInfo* command) {
    std::string text;
    for (const OptionInfo& o : AllOptions())
        if (o.scope == scope && (!command || command->Takes(o.name))) text += OptionLine(o);
    return text;
}

// The keys in lines of at most 78 characters.
std::string KeyList(bool multiRelay) {
    std::string text, line = " ";
    for (const std::string& key : SettingKeyNames(multiRelay)) {
        if (line.size() + key.size() + 1 > 78) {
            text += line + "\n";
            line = " ";
        }
        line += " " + key;
    }
    return text + line + "\n";
}

}  // namespace

bool CommandInfo::Takes(std::string_view option) const {
    for (const char* name : options)
        if (option == name) return true;
    return false;
}

const std::vector<CommandInfo>& AllCommands() {
    return Table();
}

const CommandInfo* FindCommand(std::string_view name) {
    for (const CommandInfo& c : Table())
        if (name == c.name) return &c;
    return nullptr;
}

std::string MainHelp() {
    std::string text = kIntro;
    text += "\nCommands (dorvik-cli COMMAND --help for more):\n";
    for (const CommandInfo& c : Table()) text += std::string("  ") + c.usage + "\n";
    text += "\nConnection and files:\n" + OptionsOf(OptionScope::Session, nullptr);
    text += "\nEverywhere:\n" + OptionsOf(OptionScope::Anywhere, nullptr);
    text += "\nCommand options:\n" + OptionsOf(OptionScope::Command, nullptr);
    return text;
}

std::string CommandHelp(const CommandInfo& command) {
    std::string text =
        std::string("Usage: dorvik-cli [OPTIONS] ") + command.usage + "\n" + command.summary + "\n";
    if (!command.options.empty())
        text += "\nOptions:\n" + OptionsOf(OptionScope::Command, &command);
    if (command.run == &RunSet) {
        text += "\nKeys of the single-relay page:\n" + KeyList(false);
        text += "Keys of the seven-relay page (--multi-relay):\n" + KeyList(true);
    }
    if (command.unit)
        text += "\nConnection and files:\n" + OptionsOf(OptionScope::Session, nullptr);
    text += "\nEverywhere:\n" + OptionsOf(OptionScope::Anywhere, nullptr);
    return text;
}

}  // namespace dorvik::cli
