#pragma once
// The command line of dorvik-cli: the options every command takes (the
// connection, the settings and project files, output and answers), the
// options of single commands, and the words of the command itself.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::cli {

struct Options {
    // Connection; what is not given comes from the settings file.
    std::optional<std::string> device, password, unitId, unitPhone, smsc;
    std::optional<int> com, baud, dataBits, stopBits, replyTimeout;
    std::optional<char> parity;
    bool tavrin = false, modem = false, serial = false, pdu = false;
    std::string settingsPath;  // empty: the default settings file
    bool saveSettings = false;
    std::string project;  // opened before and saved after the unit commands
    // Output and answers.
    bool json = false, quiet = false, yes = false, no = false, keepGoing = false, help = false;
    bool version = false;
    // Options of single commands.
    std::optional<int> last;
    bool deleteLog = false, multiRelay = false, ucs2 = false;
    std::string exportPath, list, sheet, to;
    // The command and its arguments.
    std::vector<std::string> words;
    // Names of the options given, in order.
    std::vector<std::string> given;
};

// Where an option may stand: on the command line only (it shapes the
// session), anywhere, or with the commands that list it.
enum class OptionScope { Session, Anywhere, Command };

struct OptionInfo {
    const char* name;
    const char* value;  // name of its value in the help; null for a flag
    OptionScope scope;
    const char* help;
};

const std::vector<OptionInfo>& AllOptions();
const OptionInfo* FindOption(std::string_view name);

// Reads the arguments into options. Command options are taken only when
// commandOptions lists them; session options only when sessionAllowed.
// False with *error (the text for the user) on the first bad argument.
bool ParseArguments(const std::vector<std::string>& args, Options& options, bool sessionAllowed,
                    std::string* error);

// True when the text is one the unit can take inside a command frame: not
// empty, no "#" and no line break.
bool IsFrameSafe(std::string_view text);

// Digits with an optional leading "+".
bool IsDialNumber(std::string_view text);

}  // namespace dorvik::cli
