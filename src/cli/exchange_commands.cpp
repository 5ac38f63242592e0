// Export and import of the lists between project files and spreadsheets.
#include <filesystem>

#include "cli/commands.h"
#include "cli/list_source.h"
#include "model/project_file.h"
#include "sheet/sheet_kind.h"

namespace dorvik::cli {
namespace {

// The project file keeps no house list: an exchange with it would drop it.
std::optional<ListKind> ProjectList(CommandContext& c, const std::string& word, bool log,
                                    int* status) {
    const std::optional<ListKind> kind = ListKindFromName(word);
    if ((kind && *kind != ListKind::House && *kind != ListKind::Alarm) || (log && word == "log"))
        return kind.value_or(ListKind::Phones);
    *status = c.Usage(word + ": " + (log ? "phones, special or log" : "phones or special") +
                      " (a project file keeps no house list; the alarm list has no sheet)");
    return std::nullopt;
}

std::optional<std::string> LoadProjectFile(const std::string& path, UnitModel& model,
                                           bool mayBeNew) {
    std::error_code ec;
    if (mayBeNew && !std::filesystem::exists(path, ec)) return std::nullopt;
    return ReadProjectFile(path, model, mayBeNew);
}

int Done(CommandContext& c, const std::string& from, const std::string& to) {
    c.out.Line(from + " -> " + to);
    Json json = c.Result();
    json["from"] = from;
    json["to"] = to;
    c.out.Object(json);
    return kExitOk;
}

// The list word and the project of "export LIST PROJECT FILE" or
// "import LIST FILE PROJECT"; the usage error first when they are wrong.
std::optional<int> ReadArguments(CommandContext& c, bool exporting, ListKind* kind,
                                 UnitModel& model) {
    const std::vector<std::string>& w = c.options.words;
    if (w.size() != 4)
        return c.Usage(exporting ? "export LIST PROJECT.gto FILE.xlsx|.ods|.xls|.csv"
                                 : "import LIST FILE.xlsx|.ods|.xls|.csv PROJECT.gto");
    const std::string& table = exporting ? w[3] : w[2];
    // An input that is no regular file is named as such before its kind.
    if (!exporting) {
        if (auto why = InputFileProblem(table)) return c.Usage(*why);
    }
    if (KindOfPath(table) == SheetKind::Unknown)
        return c.Usage(table + ": " + UnsupportedKindMessage(table));
    int status = kExitUsage;
    const std::optional<ListKind> list = ProjectList(c, w[1], exporting, &status);
    if (!list) return status;
    *kind = *list;
    if (auto why = LoadProjectFile(exporting ? w[2] : w[3], model, !exporting))
        return c.Usage(*why);
    return std::nullopt;
}

}  // namespace

int RunExport(CommandContext& c) {
    ListKind kind = ListKind::Phones;
    UnitModel model;
    if (const std::optional<int> status = ReadArguments(c, true, &kind, model)) return *status;
    const std::vector<std::string>& w = c.options.words;
    const auto why = w[1] == "log" ? ExportCallLog(model.log, w[3]) : ExportList(model, kind, w[3]);
    if (why) return c.Failure(*why);
    return Done(c, w[2], w[3]);
}

int RunImport(CommandContext& c) {
    ListKind kind = ListKind::Phones;
    UnitModel model;
    if (const std::optional<int> status = ReadArguments(c, false, &kind, model)) return *status;
    const std::vector<std::string>& w = c.options.words;
    ConsoleMessageBox box;
    if (auto why = ImportList(model, kind, w[2], c.options.sheet, box)) return c.Usage(*why);
    // A refused row leaves the project as it was.
    if (!box.Errors().empty()) return c.Usage(w[2] + ": " + box.Errors().front());
    const ProjectResult r = SaveProject(model, w[3]);
    if (!r.ok) return c.Failure(w[3] + ": " + r.error);
    return Done(c, w[2], w[3]);
}

}  // namespace dorvik::cli
