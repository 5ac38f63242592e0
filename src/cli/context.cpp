#include "cli/context.h"

namespace dorvik::cli {

Session* SessionHolder::Prepared(SessionProblem* problem) {
    if (!session_) session_ = std::make_unique<Session>(main_, output_);
    if (std::optional<std::string> why = session_->CheckProject()) {
        *problem = {*why, kExitUsage};
        session_.reset();
    }
    return session_.get();
}

Session* SessionHolder::Get(SessionProblem* problem) {
    Session* session = Prepared(problem);
    if (session) session->OpenProject();
    return session;
}

Session* SessionHolder::Connected(SessionProblem* problem) {
    Session* session = Prepared(problem);
    if (!session) return nullptr;
    if (std::optional<std::string> why = session->CheckLink()) {
        *problem = {*why, kExitUsage};
        return nullptr;
    }
    if (!session->Connect()) {
        *problem = {"the unit did not answer", kExitFailed};
        return nullptr;
    }
    session->OpenProject();
    return session;
}

int SessionHolder::Finish(Output& out, int status, const std::string& command) {
    const int finished = Close(out, status);
    if (finished != status && out.Json()) {
        Json json = Json::object();
        json["command"] = command;
        json["ok"] = false;
        json["error"] = lastError_;
        out.ReplaceResult(json);
    }
    out.FlushResult();
    return finished;
}

int SessionHolder::Close(Output& out, int status) {
    if (!session_) return status;
    session_->Boxes().Clear();
    session_->Disconnect();
    bool saved = session_->SaveProject();
    if (!session_->SaveSettingsIfAsked()) {
        saved = false;
        out.Error("cannot write the settings file");
        lastError_ = "cannot write the settings file";
    }
    for (const std::string& error : session_->Boxes().Errors()) {
        out.Error(error);
        if (lastError_.empty()) lastError_ = error;
    }
    session_.reset();
    return saved || status != kExitOk ? status : kExitFailed;
}

int CommandContext::Usage(const std::string& text) {
    out.Error(text);
    if (out.Json()) out.Object(Result(false, text));
    return kExitUsage;
}

int CommandContext::Failure(const std::string& text, int status, const std::string& note) {
    std::string first;
    if (Session* session = sessions.Existing()) {
        for (const std::string& error : session->Boxes().Errors()) {
            out.Error(error);
            if (first.empty()) first = error;
        }
        session->Boxes().Clear();
    }
    if (first.empty()) {
        out.Error(text);
        first = text;
    }
    if (!note.empty()) {
        out.Error(note);
        first += "; " + note;
    }
    if (out.Json()) out.Object(Result(false, first));
    return status;
}

int CommandContext::WaitFailure(WaitEnd end, const std::string& stalled) {
    if (end == WaitEnd::Interrupted) return Failure("interrupted", kExitInterrupted);
    return Failure(end == WaitEnd::Stalled ? stalled : "the unit did not answer");
}

int CommandContext::Refused(Session& session) {
    const auto& infos = session.Boxes().Infos();
    return Failure(infos.empty() ? "the command was not sent" : infos.back());
}

Json CommandContext::Result(bool ok) const {
    Json json = Json::object();
    json["command"] = name;
    json["ok"] = ok;
    return json;
}

Json CommandContext::Result(bool ok, const std::string& error) const {
    Json json = Result(ok);
    json["error"] = error;
    return json;
}

void CommandContext::ShowMessages(Session& session) {
    for (const std::string& info : session.Boxes().Infos()) out.Line(info);
    for (const std::string& warning : session.Boxes().Warnings()) out.Note("warning: " + warning);
}

}  // namespace dorvik::cli
