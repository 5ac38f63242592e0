#include "cli/list_source.h"

#include <algorithm>
#include <cctype>
#include <unistd.h>

#include <filesystem>

#include "cli/console_seams.h"
#include "model/project_file.h"
#include "platform/null_seams.h"
#include "sheet/list_exchange.h"
#include "sheet/sheet_chooser.h"
#include "sheet/sheet_kind.h"
#include "sheet/workbook_table.h"

namespace dorvik::cli {
namespace {

// Picks the list's own sheet of a workbook with several; none when it lacks one.
class OwnSheetChooser : public SheetChooser {
public:
    explicit OwnSheetChooser(std::string own) : own_(std::move(own)) {}
    std::optional<std::string> ChooseSheetName(const std::vector<std::string>& names) override {
        if (std::find(names.begin(), names.end(), own_) == names.end()) return std::nullopt;
        return own_;
    }

private:
    std::string own_;
};

const char* SheetOf(ListKind kind) {
    if (kind == ListKind::Special) return kSpecialSheet;
    return kind == ListKind::House ? kHouseSheet : kPhoneSheet;
}

// A file of a kind the tool does not write or read is refused before anything else.
std::optional<std::string> UnknownKind(const std::string& path) {
    if (KindOfPath(path) != SheetKind::Unknown) return std::nullopt;
    return path + ": " + UnsupportedKindMessage(path);
}

std::optional<std::string> Outcome(const ExchangeResult& r, const std::string& path) {
    if (r.ok() && r.error.empty()) return std::nullopt;
    std::string error = r.error.empty() ? std::string("nothing was read") : r.error;
    while (!error.empty() && error.back() == '\n') error.pop_back();
    return path + ": " + error;
}

// Why a file cannot be written at path, as far as can be told beforehand.
std::optional<std::string> WhyNotWritable(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (fs::is_directory(target, ec)) return "it is a folder";
    if (!fs::exists(dir, ec)) return "the folder " + dir.string() + " does not exist";
    if (!fs::is_directory(dir, ec)) return dir.string() + " is not a folder";
    if (::access(dir.c_str(), W_OK) != 0) return "no permission to write in " + dir.string();
    if (fs::exists(target, ec) && ::access(path.c_str(), W_OK) != 0)
        return "no permission to write the file";
    return std::nullopt;
}

// An export that failed, with the reason the file system gives.
std::optional<std::string> ExportOutcome(const ExchangeResult& r, const std::string& path) {
    std::optional<std::string> failure = Outcome(r, path);
    if (!failure || r.ok()) return failure;
    if (const auto why = WhyNotWritable(path)) return *failure + " (" + *why + ")";
    return failure;
}

ExchangeResult Import(UnitModel& model, ListKind kind, const std::string& path,
                      const std::string& sheet, MessageBox& box) {
    NullProgressBar progress;
    if (kind == ListKind::Special)
        return ImportSpecialList(model.specials, path, sheet, progress, box);
    if (kind == ListKind::House) return ImportHouseList(model.houses, path, sheet, progress, box);
    return ImportPhoneList(model.phones, path, sheet, progress, box);
}

// Why no sheet was chosen: the workbook cannot be read, or lacks the list's sheet.
std::string NoSheet(const std::string& path, ListKind kind) {
    std::vector<std::string> names;
    std::string error;
    if (!ListWorksheets(path, names, error)) return path + ": " + error;
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    return path + ": no sheet " + SheetOf(kind) + " among " + list + " (choose one with --sheet)";
}

}  // namespace

std::optional<std::string> InputFileProblem(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return "no file " + path;
    if (!std::filesystem::is_regular_file(status)) return path + " is not a regular file";
    return std::nullopt;
}

std::string LowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

std::optional<std::string> ReadProjectFile(const std::string& path, UnitModel& model,
                                           bool rewritten) {
    const ProjectResult r = LoadProject(model, path);
    if (!r.ok) return path + " is not a project file (.gto): " + r.error;
    if (rewritten && r.dropped > 0) return DroppedRecordsMessage(path, r.dropped);
    return std::nullopt;
}

std::optional<std::string> LoadListSource(UnitModel& model, ListKind kind, const std::string& path,
                                          const std::string& sheet, MessageBox& box) {
    if (auto why = InputFileProblem(path)) return why;
    if (LowerExtension(path) != ".gto") return ImportList(model, kind, path, sheet, box);
    const ProjectResult r = LoadProject(model, path);
    if (!r.ok) return path + " is not a project file (.gto): " + r.error;
    return std::nullopt;
}

std::optional<std::string> ImportList(UnitModel& model, ListKind kind, const std::string& path,
                                      const std::string& sheet, MessageBox& box) {
    if (kind == ListKind::Alarm) return std::string("the alarm list is not kept in spreadsheets");
    if (auto why = InputFileProblem(path)) return why;
    if (auto why = UnknownKind(path)) return why;
    std::string chosen = sheet;
    if (chosen.empty()) {
        OwnSheetChooser own(SheetOf(kind));
        ConsoleMessageBox quiet;
        chosen = ChooseSheet(path, SheetOf(kind), own, quiet).value_or("");
        if (chosen.empty()) return NoSheet(path, kind);
    }
    return Outcome(Import(model, kind, path, chosen, box), path);
}

std::optional<std::string> ExportList(const UnitModel& model, ListKind kind,
                                      const std::string& path) {
    NullProgressBar progress;
    if (kind == ListKind::Alarm) return std::string("the alarm list is not kept in spreadsheets");
    if (auto why = UnknownKind(path)) return why;
    if (kind == ListKind::Special)
        return ExportOutcome(ExportSpecialList(model.specials, path, progress), path);
    if (kind == ListKind::House)
        return ExportOutcome(ExportHouseList(model.houses, path, progress), path);
    return ExportOutcome(ExportPhoneList(model.phones, path, progress), path);
}

std::optional<std::string> ExportCallLog(const CallLog& log, const std::string& path) {
    NullProgressBar progress;
    if (auto why = UnknownKind(path)) return why;
    return ExportOutcome(ExportLog(log, path, progress), path);
}

}  // namespace dorvik::cli
