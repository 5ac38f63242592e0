#pragma once
// What a command runs with: its options, the output, and the session that
// unit commands share (created on first use, so that a script opens the
// project and the link once).
#include <memory>
#include <optional>
#include <string>

#include "cli/json.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/session.h"

namespace dorvik::cli {

// Why a session could not be had: the text and the exit status.
struct SessionProblem {
    std::string text;
    int status = kExitFailed;
};

class SessionHolder {
public:
    explicit SessionHolder(const Options& main, Output* output = nullptr) : main_(main), output_(output) {}

    // The session, with the --project file opened.
    Session* Get(SessionProblem* problem);
    // The session, its --project file checked but not yet opened (it opens
    // once the link is up).
    Session* Prepared(SessionProblem* problem);
    // The session with the link open; null when the options are wrong or
    // the unit cannot be reached (its messages stay in the session's boxes).
    Session* Connected(SessionProblem* problem);
    // The session when there is one.
    Session* Existing() { return session_.get(); }
    // Closes the link and saves the project and (when asked) the settings;
    // the exit status, made worse when saving failed.
    // A failure then replaces the command's JSON result.
    int Finish(Output& out, int status, const std::string& command);

private:
    int Close(Output& out, int status);

    Options main_;
    Output* output_;
    std::string lastError_;
    std::unique_ptr<Session> session_;
};

struct CommandContext {
    Options options;
    Output& out;
    SessionHolder& sessions;
    std::string name;  // as printed in results, e.g. "upload phones"

    // Prints the usage error and returns kExitUsage.
    int Usage(const std::string& text);
    // Prints the errors the session collected (or text when there are none)
    // and the note, if any, and returns status.
    int Failure(const std::string& text, int status = kExitFailed, const std::string& note = {});
    int Failure(const SessionProblem& problem) { return Failure(problem.text, problem.status); }
    // The failure of a wait that did not end in Done.
    int WaitFailure(WaitEnd end, const std::string& stalled = "the unit stopped answering");
    // A command the page did not send (not connected, unsupported in modem
    // mode): the message it showed.
    int Refused(Session& session);
    // A JSON result object with "command" and "ok" filled in, left open.
    Json Result(bool ok = true) const;
    // The same with its "error" member.
    Json Result(bool ok, const std::string& error) const;
    // Prints the confirmations and warnings the session collected.
    void ShowMessages(Session& session);
};

}  // namespace dorvik::cli
