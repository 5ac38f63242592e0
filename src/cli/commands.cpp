#include "cli/commands.h"

#include <filesystem>

#include "cli/help.h"
#include "cli/list_source.h"

namespace dorvik::cli {
namespace {

// Runs a command: finds it, checks its options and arguments, and prints
// what the session was told besides the result.
int RunOne(CommandContext& c, const CommandInfo& command) {
    for (const std::string& name : c.options.given) {
        const OptionInfo* option = FindOption(name);
        if (option->scope == OptionScope::Command && !command.Takes(name))
            return c.Usage(name + " is not an option of " + command.name);
    }
    const std::vector<std::string>& w = c.options.words;
    c.name = command.subcommand && w.size() > 1 ? w[0] + " " + w[1] : w[0];
    if (Session* s = c.sessions.Existing()) s->Boxes().Clear();
    c.out.SetProgressLabel(c.name);
    const int status = command.run(c);
    if (Session* s = c.sessions.Existing()) {
        for (const std::string& warning : s->Boxes().Warnings()) c.out.Note("warning: " + warning);
        s->Boxes().Clear();
    }
    return status;
}

}  // namespace

bool IsUnitCommand(const Options& options) {
    const std::vector<std::string>& w = options.words;
    const CommandInfo* command = w.empty() ? nullptr : FindCommand(w[0]);
    // Clearing the log on the PC sends nothing.
    return command && command->unit && !(w[0] == "log" && options.deleteLog);
}

int Dispatch(CommandContext& c) {
    const std::vector<std::string>& w = c.options.words;
    const CommandInfo* command = w.empty() ? nullptr : FindCommand(w[0]);
    if (!command)
        return c.Usage(w.empty() ? "no command; see dorvik-cli --help" : "unknown command " + w[0]);
    if (c.options.help) {
        c.out.Line(CommandHelp(*command));
        return kExitOk;
    }
    return RunOne(c, *command);
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Output output(out, err);
    Options options;
    std::string error;
    if (!ParseArguments(args, options, true, &error)) {
        output.Error(error + " (see dorvik-cli --help)");
        return kExitUsage;
    }
    if (options.version) {
        output.Line("dorvik-cli " DORVIK_VERSION);
        return kExitOk;
    }
    if (options.words.empty() && options.help) {
        output.Line(MainHelp());
        return kExitOk;
    }
    output.SetJson(options.json);
    output.SetQuiet(options.quiet);
    // A settings file that is missing gives the defaults; one that is no
    // regular file is refused before anything reads it.
    if (auto why = InputFileProblem(options.settingsPath);
        why && std::filesystem::exists(options.settingsPath)) {
        output.Error(*why);
        return kExitUsage;
    }
    SessionHolder sessions(options, &output);
    CommandContext c{options, output, sessions, ""};
    const int status = Dispatch(c);
    return sessions.Finish(output, status, c.name);
}

}  // namespace dorvik::cli
