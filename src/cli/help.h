#pragma once
// The command table of dorvik-cli with its help texts.
#include <string>
#include <string_view>
#include <vector>

#include "cli/context.h"

namespace dorvik::cli {

struct CommandInfo {
    const char* name;
    const char* usage;
    const char* summary;
    std::vector<const char*> options;  // its own options
    bool unit;                         // talks to the unit: the connection options apply
    bool subcommand;                   // the second word belongs to the name ("upload phones")
    int (*run)(CommandContext& c);

    bool Takes(std::string_view option) const;
};

const std::vector<CommandInfo>& AllCommands();
const CommandInfo* FindCommand(std::string_view name);

// "dorvik-cli --help".
std::string MainHelp();
// "dorvik-cli COMMAND --help": its usage and every option it takes.
std::string CommandHelp(const CommandInfo& command);

}  // namespace dorvik::cli
