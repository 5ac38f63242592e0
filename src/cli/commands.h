#pragma once
// The commands of dorvik-cli. Each takes the command's context and returns
// the exit status.
#include <ostream>
#include <string>
#include <vector>

#include "cli/context.h"

namespace dorvik::cli {

// Unit commands.
int RunConnect(CommandContext& c);
int RunUpload(CommandContext& c);
int RunDelete(CommandContext& c);
int RunRead(CommandContext& c);
int RunGet(CommandContext& c);
int RunSet(CommandContext& c);
int RunLog(CommandContext& c);
int RunSend(CommandContext& c);

// Files.
int RunProject(CommandContext& c);
int RunExport(CommandContext& c);
int RunImport(CommandContext& c);
int RunPdu(CommandContext& c);

// Batch.
int RunScript(CommandContext& c);

// Runs one command line (without the program name); the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs one command of the words in c.options.words with the shared session.
int Dispatch(CommandContext& c);
// Whether the command talks to the unit.
bool IsUnitCommand(const Options& options);

}  // namespace dorvik::cli
