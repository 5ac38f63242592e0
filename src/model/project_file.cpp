#include "model/project_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "model/project_layout.h"
#include "model/xml_node.h"

namespace dorvik {
namespace {

constexpr const char* kRootName = "gto";

// Shows the progress bar for the length of a load, whatever its outcome.
class ProgressRun {
public:
    explicit ProgressRun(ProgressBar* bar) : bar_(bar) {
        if (bar_) bar_->Show(0, kProjectProgressEnd);
    }
    ~ProgressRun() {
        if (bar_) bar_->Hide();
    }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

private:
    ProgressBar* bar_;
};

// A regular file of a size the loader accepts; otherwise false with the reason.
bool CheckProjectFile(const std::string& path, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec) {
        error = "cannot open " + path + ": " + ec.message();
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = path + " is not a regular file";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size <= kMaxProjectFileBytes) return true;
    error = ec ? "cannot read " + path + ": " + ec.message()
               : path + " is too large for a project file";
    return false;
}

bool ReadProjectBytes(const std::string& path, std::string& bytes, std::string& error) {
    if (!CheckProjectFile(path, error)) return false;
    const ReadStatus status = ReadWholeFile(path, &bytes, &error);
    if (status == ReadStatus::kMissing) error = "cannot open " + path + ": no such file";
    return status == ReadStatus::kRead;
}

// Parses the whole document first; only a document that parsed is applied.
ProjectResult ApplyProject(UnitModel& model, std::string_view bytes, ProgressBar* progress) {
    ProjectResult result;
    const XmlDocument doc = ParseXml(bytes, &result.error);
    const XmlNode root = RootOf(doc);
    if (root.IsNull()) {
        if (result.error.empty()) result.error = "the document has no root element";
        return result;
    }
    for (const ProjectSectionReader& reader : ProjectReadOrder()) {
        const XmlNode section = root.FirstChild(reader.name);
        if (!section.IsNull()) result.dropped += reader.read(section, model);
        if (progress && reader.progressAfter > 0) progress->SetPos(reader.progressAfter);
    }
    result.ok = true;
    return result;
}

}  // namespace

std::string DroppedRecordsMessage(const std::string& path, int dropped) {
    return path + " holds " + std::to_string(dropped) +
           " entries beyond what the lists and the log can keep; they are not loaded, "
           "and saving over the file would lose them.";
}

std::optional<std::string> FormatProject(const UnitModel& model) {
    XmlDocument doc = NewXmlDocument(kRootName);
    XmlNode root = RootOf(doc);
    if (root.IsNull()) return std::nullopt;
    std::vector<XmlNode> sections(ProjectSections().size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!root.AddChild(sections[i], ProjectSections()[i].name, "")) return std::nullopt;
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!ProjectSections()[i].write(sections[i], model)) return std::nullopt;
    }
    std::string bytes;
    if (!SerializeXml(doc, bytes)) return std::nullopt;
    return bytes;
}

ProjectResult SaveProject(UnitModel& model, const std::string& path, const RenameStep& rename) {
    const std::optional<std::string> bytes = FormatProject(model);
    if (!bytes) return {false, "out of memory while building the project"};
    ProjectResult result;
    result.ok = WriteFileAtomically(path, *bytes, rename, &result.error);
    if (result.ok) model.Modified.Clear();
    return result;
}

ProjectResult LoadProject(UnitModel& model, const std::string& path, ProgressBar* progress) {
    ProgressRun run(progress);
    std::string bytes;
    ProjectResult result;
    if (!ReadProjectBytes(path, bytes, result.error)) return result;
    result = ApplyProject(model, bytes, progress);
    if (!result.ok) result.error = path + ": " + result.error;
    return result;
}

ProjectResult LoadProjectText(UnitModel& model, std::string_view bytes, ProgressBar* progress) {
    ProgressRun run(progress);
    return ApplyProject(model, bytes, progress);
}

std::string SaveFailureMessage(const std::string& path, const std::string& reason) {
    return "The project could not be saved to\n" + path + "\n\n" + reason;
}

std::string OpenFailureMessage(const std::string& path, const std::string& reason) {
    return "The project could not be opened from\n" + path + "\n\n" + reason;
}

}  // namespace dorvik
