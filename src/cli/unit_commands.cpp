// The unit commands that drive the list pages and the link: connect,
// upload, read and send.
#include <filesystem>

#include "cli/commands.h"
#include "cli/list_source.h"
#include "cli/tables.h"
#include "model/project_file.h"
#include "model/text_codec.h"
#include "pages/field_checks.h"
#include "protocol/request.h"

namespace dorvik::cli {
namespace {

// The list the second word names; nothing after the usage error.
std::optional<ListKind> ListArgument(CommandContext& c, int* status) {
    const auto kind =
        c.options.words.size() > 1 ? ListKindFromName(c.options.words[1]) : std::nullopt;
    if (!kind)
        *status = c.Usage(c.options.words[0] + ": name the list: phones, special, alarm or house");
    return kind;
}

// --- Upload ---------------------------------------------------------------------

struct UploadCount {
    UnitModel& model;
    ListKind kind;
    int pendingAtStart;
    int Left() const { return CountRows(model, kind, RowStatus::Pending); }
    int Sent() const { return pendingAtStart - Left(); }
};

// On the cable one press sends every Pending slot. The first Ctrl-C ends
// the run after the slot on its way, or at once when the unit stays silent
// for a moment; a second one ends it at once.
WaitEnd UploadOnCable(Session& s, ListPageBase& page) {
    page.OnDownloadAll();
    const auto ended = [&] { return !page.Uploading(); };
    WaitEnd end = s.Wait(ended);
    if (end != WaitEnd::Interrupted) return end;
    page.StopRunAfterSlot();
    end = s.Wait([&] { return ended() || s.QuietFor(Session::kStopGraceMs); });
    return end == WaitEnd::Done ? WaitEnd::Interrupted : end;
}

// In modem mode one press sends one slot: press until nothing is sent.
WaitEnd UploadByModem(Session& s, ListPageBase& page, const UploadCount& count) {
    const int presses = Interrupts();
    s.Frame().Engine().Meter().Begin(count.pendingAtStart);
    for (;;) {
        if (Interrupts() > presses) return WaitEnd::Interrupted;
        page.OnDownloadAll();
        if (page.CommandsEnabled()) return WaitEnd::Done;
        const int row = page.CurrentRow();
        const auto answered = [&] { return page.CommandsEnabled(); };
        WaitEnd end = s.Wait(answered);
        if (end == WaitEnd::Interrupted) end = s.Wait(answered);
        if (end != WaitEnd::Done) return end;
        if (SlotStatus(count.model, count.kind, row) == RowStatus::Pending) return WaitEnd::Stalled;
    }
}

int UploadResult(CommandContext& c, ListKind kind, const UploadCount& count) {
    c.out.Line(std::string(ListName(kind)) + ": " + std::to_string(count.Sent()) + " slots sent, " +
               std::to_string(count.Left()) + " left Pending");
    Json json = c.Result();
    json["list"] = ListName(kind);
    json["sent"] = count.Sent();
    json["pending"] = count.Left();
    c.out.Object(json);
    return kExitOk;
}

// The file into the model's list, its rows and Pending numbers checked.
std::optional<std::string> ReadUploadList(UnitModel& model, ListKind kind, const std::string& file,
                                          const std::string& sheet, ConsoleMessageBox& box) {
    const std::size_t errors = box.Errors().size();
    if (!file.empty()) {
        if (auto why = LoadListSource(model, kind, file, sheet, box)) return why;
        if (box.Errors().size() > errors) return file + ": " + box.Errors()[errors];
    }
    if (auto bad = FirstBadNumber(model, kind))
        return std::string(kIlegalPhoneNumber) + ", " + *bad;
    return std::nullopt;
}

// Reads the project and the file aside first, so that bad input is refused
// before the unit is reached.
std::optional<std::string> CheckUploadInput(CommandContext& c, ListKind kind,
                                            const std::string& file) {
    UnitModel scratch;
    const std::string& project = c.options.project;
    std::error_code ec;
    if (!project.empty() && std::filesystem::exists(project, ec) &&
        !LoadProject(scratch, project).ok)
        return project + " is not a project file (.gto)";
    ConsoleMessageBox box;
    return ReadUploadList(scratch, kind, file, c.options.sheet, box);
}

int Upload(CommandContext& c, Session& s, ListKind kind) {
    UnitModel& model = s.Frame().Model();
    const UploadCount count{model, kind, CountRows(model, kind, RowStatus::Pending)};
    ListPageBase& page = PageOf(s.Frame(), kind);
    // The page sends one slot per press where each frame costs money.
    const WaitEnd end = s.Frame().Engine().PaysPerFrame() ? UploadByModem(s, page, count)
                                                          : UploadOnCable(s, page);
    s.Frame().Engine().Meter().End();
    if (end == WaitEnd::Done) return UploadResult(c, kind, count);
    const std::string left = std::to_string(count.Left()) + " slots left Pending";
    if (end == WaitEnd::Interrupted) return c.Failure("interrupted", kExitInterrupted, left);
    return c.Failure(end == WaitEnd::Stalled ? "the unit stopped confirming slots"
                                             : "the unit did not answer",
                     kExitFailed, left);
}

// --- Delete ---------------------------------------------------------------------

// The row an index (a label such as "S001" for the special list) names, or
// the message that refuses it.
RowCheck SlotOfIndex(const UnitModel& model, ListKind kind, const std::string& index) {
    if (kind != ListKind::Special)
        return ReadIndexField(index, ListSize(model, kind), EmptyIndex::Zero);
    const LabelCheck label = ReadLabelField(index, model.specials);
    if (label.error) return {-1, label.error};
    if (!label.section) return {-1, "the label names no slot (S, P or Q and a number)"};
    return {label.row, nullptr};
}

void MarkInUnit(UnitModel& model, ListKind kind, int row) {
    switch (kind) {
        case ListKind::Phones: return model.phones.SetRowStatus(row, RowStatus::InUnit);
        case ListKind::Special: return model.specials.SetRowStatus(row, RowStatus::InUnit);
        case ListKind::Alarm: return model.alarms.SetRowStatus(row, RowStatus::InUnit);
        case ListKind::House: return model.houses.SetRowStatus(row, RowStatus::InUnit);
    }
}

// The page's Delete on the slot. A slot the PC holds nothing of may still be
// held by the unit: it is taken as the unit's, so that it is erased there.
void DeleteSlot(CMainFrame& frame, ListKind kind, const std::string& index, int row) {
    if (SlotStatus(frame.Model(), kind, row) == RowStatus::Empty)
        MarkInUnit(frame.Model(), kind, row);
    switch (kind) {
        case ListKind::Special: frame.Special().Form().index = index; return frame.Special().OnDelete();
        case ListKind::House: frame.House().Form().index = index; return frame.House().OnDelete();
        case ListKind::Alarm: frame.Alarm().Form().index = index; return frame.Alarm().OnDelete();
        case ListKind::Phones: frame.Phone().Form().index = index; return frame.Phone().OnDelete();
    }
}

}  // namespace

int RunDelete(CommandContext& c) {
    int status = kExitUsage;
    const std::optional<ListKind> kind = ListArgument(c, &status);
    if (!kind) return status;
    const std::vector<std::string> indexes(c.options.words.begin() + 2, c.options.words.end());
    if (indexes.empty()) return c.Usage("delete: give the indexes of the slots to erase");
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    // The unit's house count has set the list's size: the indexes are checked now.
    CMainFrame& frame = s->Frame();
    for (const std::string& index : indexes)
        if (const RowCheck check = SlotOfIndex(frame.Model(), *kind, index); check.error)
            return c.Usage(index + ": " + check.error);
    for (const std::string& index : indexes)
        DeleteSlot(frame, *kind, index, SlotOfIndex(frame.Model(), *kind, index).row);
    return Upload(c, *s, *kind);
}

int RunConnect(CommandContext& c) {
    if (c.options.words.size() > 1) return c.Usage("connect takes no arguments");
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    CMainFrame& f = s->Frame();
    const bool modem = f.Engine().ModemMode();
    const int houses = f.Model().houses.Size();
    c.out.Line(modem ? "connected through the modem"
                     : "connected, " + std::to_string(houses) + " houses");
    Json json = c.Result();
    json["houses"] = modem ? Json() : Json(houses);
    c.out.Object(json);
    return kExitOk;
}

int RunUpload(CommandContext& c) {
    int status = kExitUsage;
    const std::optional<ListKind> kind = ListArgument(c, &status);
    if (!kind) return status;
    const std::vector<std::string>& w = c.options.words;
    if (w.size() > 3) return c.Usage("upload takes one list and at most one file");
    const std::string file = w.size() > 2 ? w[2] : "";
    std::error_code ec;
    if (file.empty() && !std::filesystem::exists(c.options.project, ec))
        return c.Usage(c.options.project.empty()
                           ? "upload: give the file to upload from or --project"
                           : "no project file " + c.options.project);
    if (auto why = CheckUploadInput(c, *kind, file)) return c.Usage(*why);
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    // The lists are read again now that the link is up: the unit's house
    // count rebuilt them.
    if (auto why = ReadUploadList(s->Frame().Model(), *kind, file, c.options.sheet, s->Boxes()))
        return c.Usage(*why);
    return Upload(c, *s, *kind);
}

int RunRead(CommandContext& c) {
    int status = kExitUsage;
    const std::optional<ListKind> kind = ListArgument(c, &status);
    if (!kind) return status;
    if (c.options.words.size() > 2) return c.Usage("read takes one list");
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    ListPageBase& page = PageOf(s->Frame(), *kind);
    page.OnGetFromUnit();
    if (page.CommandsEnabled()) return c.Refused(*s);
    // The read-all ends when a tick finds the line quiet; lines may follow.
    const auto read = [&] { return page.CommandsEnabled() && s->QuietFor(Session::kReadQuietMs); };
    const WaitEnd end = s->Wait(read);
    s->Frame().Engine().Meter().End();
    if (end != WaitEnd::Done) return c.WaitFailure(end);
    const UnitModel& model = s->Frame().Model();
    c.out.Lines(ListLines(model, *kind));
    Json json = c.Result();
    json["list"] = ListName(*kind);
    json["slots"] = SlotsJson(model, *kind);
    c.out.Object(json);
    return kExitOk;
}

int RunSend(CommandContext& c) {
    const std::vector<std::string>& w = c.options.words;
    if (w.size() != 2) return c.Usage("send takes one command body, e.g. send \"STATUS?\"");
    bool valid = true;
    const std::string body = Utf8ToGb(w[1], &valid);
    if (!valid || body.empty() || body.find_first_of("\r\n") != std::string::npos)
        return c.Usage("send: the command body must be one line of text");
    SessionProblem problem;
    Session* s = c.sessions.Connected(&problem);
    if (!s) return c.Failure(problem);
    ConnectionEngine& engine = s->Frame().Engine();
    CMsic& page = s->Frame().Msic();
    // Sent as a status query: its handler shows the answer and reads only
    // the lines it recognises.
    engine.SetBusy(true);
    engine.SendRequest("#PWD" + engine.Password() + "#" + body, code::kQueryStatus, "");
    if (const WaitEnd end = s->Wait([&] { return page.CommandsEnabled(); }); end != WaitEnd::Done)
        return c.WaitFailure(end);
    std::string reply = GbToUtf8(engine.ModemMode() ? page.MessageText() : page.ReceiveText());
    while (!reply.empty() && (reply.back() == '\r' || reply.back() == '\n')) reply.pop_back();
    c.out.Line(reply);
    Json json = c.Result();
    json["sent"] = w[1];
    json["reply"] = reply;
    c.out.Object(json);
    return kExitOk;
}

}  // namespace dorvik::cli
