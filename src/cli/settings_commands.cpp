// The unit commands of the settings pages and the log page: get settings,
// set KEY=VALUE and log.
#include "cli/commands.h"
#include "cli/list_source.h"
#include "cli/settings_keys.h"
#include "cli/tables.h"
#include "model/text_codec.h"
#include "sheet/sheet_kind.h"

namespace dorvik::cli {
namespace {

SettingsTarget TargetOf(Session& s, bool multiRelay) {
    SettingsTarget t;
    if (multiRelay)
        t.multi = &s.Frame().MultiRelay();
    else
        t.msic = &s.Frame().Msic();
    t.password = s.Frame().Engine().Password();
    return t;
}

// The text the unit last answered, for a refusal.
std::string LastAnswer(Session& s, const SettingsTarget& t) {
    return GbToUtf8(s.Frame().Engine().ModemMode() ? t.MessageText() : t.ReceiveText());
}

// Presses the button and waits for the unit. A command without a busy
// state (an output switch) is done once the line is quiet again.
int Press(CommandContext& c, Session& s, SettingsTarget& t, const PageCommand& command) {
    const std::size_t infos = s.Boxes().Infos().size();
    const std::size_t errors = s.Boxes().Errors().size();
    command.press(t);
    if (s.Boxes().Errors().size() > errors) return c.Failure("");
    const bool plain = t.CommandsEnabled();
    const auto done = [&] { return plain ? s.QuietFor(Session::kSettleMs) : t.CommandsEnabled(); };
    if (const WaitEnd end = s.Wait(done); end != WaitEnd::Done) return c.WaitFailure(end);
    if (command.confirmed && s.Boxes().Infos().size() == infos)
        return c.Failure(std::string("the unit did not confirm the ") + command.name + ": " +
                         LastAnswer(s, t));
    return kExitOk;
}

void PrintSettings(CommandContext& c, SettingsTarget& t) {
    Json json = c.Result();
    json["page"] = t.msic ? "single-relay" : "seven-relay";
    Json& settings = json["settings"] = Json::object();
    for (const std::string& key : SettingKeys(t)) {
        const std::string value = SettingValue(t, key);
        c.out.Line(key + "=" + value);
        settings[key] = value;
    }
    c.out.Object(json);
}

// KEY=VALUE pairs into the page; the usage error of the first bad one.
std::optional<std::string> ApplyPairs(CommandContext& c, SettingsTarget& t,
                                      std::vector<const PageCommand*>* commands) {
    const std::vector<std::string>& w = c.options.words;
    for (std::size_t k = 1; k < w.size(); ++k) {
        const std::size_t eq = w[k].find('=');
        if (eq == std::string::npos || eq == 0) return "set: \"" + w[k] + "\" is not KEY=VALUE";
        if (auto why = ApplySetting(t, w[k].substr(0, eq), w[k].substr(eq + 1), commands))
            return why;
    }
    return std::nullopt;
}

std::vector<std::string> GivenKeys(const CommandContext& c) {
    std::vector<std::string> keys;
    for (std::size_t k = 1; k < c.options.words.size(); ++k)
        keys.push_back(c.options.words[k].substr(0, c.options.words[k].find('=')));
    return keys;
}

// "Delete Log": clears the table on the PC; nothing is sent.
int DeleteLog(CommandContext& c) {
    SessionProblem problem;
    Session* s = c.sessions.Get(&problem);
    if (!s) return c.Failure(problem);
    s->Frame().LogPage().OnDeleteLog();
    if (c.options.project.empty())
        c.out.Note("note: without --project the cleared log is not kept");
    c.out.Line("log cleared");
    c.out.Object(c.Result());
    return kExitOk;
}

void PressLogButton(CDialogLog& page, const std::optional<int>& last) {
    if (!last) {
        page.OnGetEntireLog();
        return;
    }
    page.LastCountText() = std::to_string(*last);
    page.OnGetLastEntries();
}

int DownloadLog(CommandContext& c) {
    const std::string& file = c.options.exportPath;
    if (!file.empty() && KindOfPath(file) == SheetKind::Unknown)
        return c.Usage(file + ": " + UnsupportedKindMessage(file));
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    CDialogLog& page = s->Frame().LogPage();
    PressLogButton(page, c.options.last);
    if (page.CommandsEnabled()) return c.Refused(*s);
    const auto read = [&] { return page.CommandsEnabled() && s->QuietFor(Session::kReadQuietMs); };
    if (const WaitEnd end = s->Wait(read); end != WaitEnd::Done) return c.WaitFailure(end);
    const CallLog& log = s->Frame().Model().log;
    if (!c.options.exportPath.empty()) {
        if (auto why = ExportCallLog(log, c.options.exportPath)) return c.Failure(*why);
    }
    c.out.Lines(LogLines(log));
    Json json = c.Result();
    json["rows"] = LogJson(log);
    c.out.Object(json);
    return kExitOk;
}

}  // namespace

int RunGet(CommandContext& c) {
    const std::vector<std::string>& w = c.options.words;
    if (w.size() != 2 || w[1] != "settings") return c.Usage("get takes one word: get settings");
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    SettingsTarget t = TargetOf(*s, c.options.multiRelay);
    for (const PageCommand& command : ReadCommands(t))
        if (const int status = Press(c, *s, t, command); status != kExitOk) return status;
    PrintSettings(c, t);
    return kExitOk;
}

int RunSet(CommandContext& c) {
    if (c.options.words.size() < 2) return c.Usage("set needs at least one KEY=VALUE");
    SessionProblem problem;
    // The values are checked before the unit is reached, then written again
    // over what the project holds once it is open.
    Session* s = c.sessions.Prepared(&problem);
    if (!s) return c.Failure(problem);
    std::vector<const PageCommand*> commands;
    SettingsTarget t = TargetOf(*s, c.options.multiRelay);
    if (auto why = ApplyPairs(c, t, &commands)) return c.Usage(*why);
    s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    t = TargetOf(*s, c.options.multiRelay);
    for (const PageCommand* read : ReadsBefore(t, GivenKeys(c)))
        if (const int status = Press(c, *s, t, *read); status != kExitOk) return status;
    commands.clear();
    ApplyPairs(c, t, &commands);
    s->Boxes().Clear();
    for (const PageCommand* command : commands)
        if (const int status = Press(c, *s, t, *command); status != kExitOk) return status;
    c.ShowMessages(*s);
    Json json = c.Result();
    json["messages"] = s->Boxes().Infos();
    c.out.Object(json);
    return kExitOk;
}

int RunLog(CommandContext& c) {
    if (c.options.words.size() > 1)
        return c.Usage("log takes no arguments; see --last and --delete");
    return c.options.deleteLog ? DeleteLog(c) : DownloadLog(c);
}

}  // namespace dorvik::cli
