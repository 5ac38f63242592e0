// The commands on files, without a unit: project show and convert, and
// the SMS PDU codec for diagnosing modems.
#include <filesystem>

#include "cli/commands.h"
#include "cli/list_source.h"
#include "cli/project_json.h"
#include "cli/tables.h"
#include "model/atomic_file.h"
#include "model/project_file.h"
#include "model/text_codec.h"
#include "sheet/text_table.h"
#include "transport/sms_pdu.h"

namespace dorvik::cli {
namespace {

std::optional<std::string> WriteText(const std::string& path, const std::string& text) {
    std::string error;
    if (!WriteFileAtomically(path, text, SystemRename(), &error)) return path + ": " + error;
    return std::nullopt;
}

std::optional<std::string> ReadText(const std::string& path, std::string& text) {
    std::string error;
    const ReadStatus status = ReadWholeFile(path, &text, &error);
    if (status == ReadStatus::kMissing) return "no file " + path;
    if (status == ReadStatus::kFailed) return error;
    return std::nullopt;
}

// The list a CSV file holds: --list, by default the phone list.
std::optional<ListKind> CsvList(const CommandContext& c) {
    const auto kind = ListKindFromName(c.options.list.empty() ? "phones" : c.options.list);
    if (!kind || *kind == ListKind::House) return std::nullopt;
    return kind;
}

std::string ListCsv(const UnitModel& model, ListKind kind) {
    const std::string sep = ",";
    std::string text = EncodeTextRow(ListColumns(kind), sep) + "\r\n";
    for (int row : UsedRows(model, kind))
        text += EncodeTextRow(SlotCells(model, kind, row), sep) + "\r\n";
    return text;
}

// The rows of a CSV file into the list; its heading must be the list's columns.
std::optional<std::string> ReadListCsv(const std::string& text, ListKind kind, UnitModel& model) {
    const TableRows rows = DecodeTextRows(text, ",");
    if (rows.empty() || rows.front() != ListColumns(kind))
        return "the heading is not " + EncodeTextRow(ListColumns(kind), ",");
    std::string error;
    for (std::size_t k = 1; k < rows.size(); ++k)
        if (!StoreSlotCells(model, kind, rows[k], &error))
            return "row " + std::to_string(k + 1) + ": " + error;
    return std::nullopt;
}

int Show(CommandContext& c, const std::string& path) {
    UnitModel model;
    if (auto why = ReadProjectFile(path, model, false)) return c.Usage(*why);
    c.out.Lines(RecordLines(model));
    for (ListKind kind : kProjectLists) {
        c.out.Line(std::string("[") + ListName(kind) + "]");
        c.out.Lines(ListLines(model, kind));
    }
    c.out.Line("[log]");
    c.out.Lines(LogLines(model.log));
    Json json = c.Result();
    json["project"] = ProjectJson(model);
    c.out.Object(json);
    return kExitOk;
}

// Input that cannot be used (exit 2), or an output that cannot be written (exit 1).
using ConvertProblem = std::optional<SessionProblem>;
ConvertProblem BadInput(std::optional<std::string> why) {
    if (!why) return std::nullopt;
    return SessionProblem{*why, kExitUsage};
}
ConvertProblem Unwritten(std::optional<std::string> why) {
    if (!why) return std::nullopt;
    return SessionProblem{*why, kExitFailed};
}

// A project file into JSON or one list's CSV.
ConvertProblem ConvertFromProject(const CommandContext& c, const std::string& in,
                                  const std::string& out) {
    UnitModel model;
    if (auto why = ReadProjectFile(in, model, false)) return BadInput(why);
    if (LowerExtension(out) == ".json") {
        return Unwritten(WriteText(out, JsonText(ProjectJson(model)) + "\n"));
    }
    const std::optional<ListKind> kind = CsvList(c);
    if (!kind) return BadInput("--list: phones, special or alarm");
    return Unwritten(WriteText(out, ListCsv(model, *kind)));
}

// JSON or one list's CSV into a project file; an existing project keeps
// what the input does not name.
ConvertProblem ConvertToProject(const CommandContext& c, const std::string& in,
                                const std::string& out) {
    std::string text;
    if (auto why = ReadText(in, text)) return BadInput(why);
    UnitModel model;
    std::error_code ec;
    if (std::filesystem::exists(out, ec))
        if (auto why = ReadProjectFile(out, model, true)) return BadInput(why);
    std::optional<std::string> why;
    if (LowerExtension(in) == ".json") {
        std::string error;
        const std::optional<Json> doc = ParseJson(text, &error);
        why = doc ? ReadProject(*doc, model) : in + ": " + error;
    } else if (const std::optional<ListKind> kind = CsvList(c)) {
        why = ReadListCsv(text, *kind, model);
    } else {
        why = "--list: phones, special or alarm";
    }
    if (why) return BadInput(in + ": " + *why);
    const ProjectResult r = SaveProject(model, out);
    return r.ok ? std::nullopt : Unwritten(out + ": " + r.error);
}

int Convert(CommandContext& c, const std::string& in, const std::string& out) {
    const bool fromProject = LowerExtension(in) == ".gto";
    if (fromProject == (LowerExtension(out) == ".gto"))
        return c.Usage(
            "project convert: one file must be a project (.gto), the other .json or .csv");
    const auto why = fromProject ? ConvertFromProject(c, in, out) : ConvertToProject(c, in, out);
    if (why && why->status == kExitUsage) return c.Usage(why->text);
    if (why) return c.Failure(why->text);
    c.out.Line(in + " -> " + out);
    Json json = c.Result();
    json["from"] = in;
    json["to"] = out;
    c.out.Object(json);
    return kExitOk;
}

int Decode(CommandContext& c, const std::string& hex) {
    CSMSItem item;
    if (!CSMSPDU::DecodePdu(item, hex)) return c.Usage("not an SMS-DELIVER PDU: " + hex);
    const std::string text = GbToUtf8(item.body);
    c.out.Lines({"sender: " + item.sender, "centre: " + item.serviceCentre, "time: " + item.time,
                 "text: " + text});
    Json json = c.Result();
    json["sender"] = item.sender;
    json["centre"] = item.serviceCentre;
    json["time"] = item.time;
    json["text"] = text;
    c.out.Object(json);
    return kExitOk;
}

int Encode(CommandContext& c, const std::string& utf8) {
    bool valid = true;
    SmsSubmit message;
    message.destination = c.options.to;
    message.serviceCentre = c.options.smsc.value_or("");
    message.text = Utf8ToGb(utf8, &valid);
    message.dataCoding = c.options.ucs2 ? kDcsUcs2 : CSMSPDU::PreferredCoding(message.text);
    const std::optional<std::string> pdu = valid ? CSMSPDU::EncodePdu(message) : std::nullopt;
    if (!pdu)
        return c.Usage(
            "cannot encode: the number must be digits (with an optional \"+\") and the text fit "
            "one message");
    const int length = CSMSPDU::TpduLength(*pdu);
    c.out.Lines({*pdu, "AT+CMGS=" + std::to_string(length)});
    Json json = c.Result();
    json["pdu"] = *pdu;
    json["length"] = length;
    c.out.Object(json);
    return kExitOk;
}

}  // namespace

int RunProject(CommandContext& c) {
    const std::vector<std::string>& w = c.options.words;
    if (w.size() == 3 && w[1] == "show") return Show(c, w[2]);
    if (w.size() == 4 && w[1] == "convert") return Convert(c, w[2], w[3]);
    return c.Usage("project show FILE.gto | project convert IN OUT");
}

int RunPdu(CommandContext& c) {
    const std::vector<std::string>& w = c.options.words;
    if (w.size() == 3 && w[1] == "decode") return Decode(c, w[2]);
    if (w.size() == 3 && w[1] == "encode") {
        if (c.options.to.empty()) return c.Usage("pdu encode needs --to NUMBER");
        return Encode(c, w[2]);
    }
    return c.Usage("pdu decode HEX | pdu encode --to NUMBER TEXT");
}

}  // namespace dorvik::cli
