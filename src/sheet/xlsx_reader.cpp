// Reads an Office Open XML workbook (.xlsx): the workbook part named by the
// package relationships, its sheet list, shared strings and worksheets.
#include <map>
#include <optional>

#include "sheet/xml_scan.h"
#include "sheet/xml_workbooks.h"
#include "sheet/zip_archive.h"

namespace dorvik::xls {
namespace {

struct SheetRef {
    std::string name;
    std::string rid;
    uint8_t visibility = 0;
};

struct Relation {
    std::string target;  // archive path
    std::string type;
};

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Resolves a relationship target against the folder of the part that holds it.
std::string Resolve(const std::string& folder, const std::string& target) {
    std::string path =
        !target.empty() && target.front() == '/' ? target.substr(1) : folder + target;
    std::vector<std::string> segs;
    for (size_t p = 0; p <= path.size();) {
        size_t q = std::min(path.find('/', p), path.size());
        std::string seg = path.substr(p, q - p);
        if (seg == "..") {
            if (!segs.empty()) segs.pop_back();
        } else if (!seg.empty() && seg != ".") {
            segs.push_back(seg);
        }
        p = q + 1;
    }
    std::string out;
    for (const std::string& s : segs) out += (out.empty() ? "" : "/") + s;
    return out;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The relationships of a part (none when it has no relationship part).
ReadStatus ReadRelations(zip::ZipReader& zip, const std::string& part,
                         std::map<std::string, Relation>& out) {
    std::string folder = FolderOf(part);
    std::string xml;
    zip::PartRead r = zip.Read(folder + "_rels/" + part.substr(folder.size()) + ".rels", xml);
    if (r == zip::PartRead::Missing) return ReadStatus::Ok;
    if (r != zip::PartRead::Ok) return PartStatus(r);
    XmlScan scan(xml);
    while (scan.Next())
        if (scan.IsStart("Relationship") && scan.Attr("TargetMode") != "External")
            out[scan.Attr("Id")] = {Resolve(folder, scan.Attr("Target")), scan.Attr("Type")};
    return XmlStatus(scan);
}

std::optional<std::string> WithType(const std::map<std::string, Relation>& rels,
                                    std::string_view type) {
    for (const auto& [id, rel] : rels)
        if (EndsWith(rel.type, type)) return rel.target;
    return std::nullopt;
}

uint8_t Visibility(const std::string& state) {
    return state == "hidden" ? 1 : state == "veryHidden" ? 2 : 0;
}

ReadStatus ReadSheetList(const std::string& xml, std::vector<SheetRef>& out) {
    XmlScan scan(xml);
    while (scan.Next())
        if (scan.IsStart("sheet"))
            out.push_back({scan.Attr("name"), scan.Attr("id"), Visibility(scan.Attr("state"))});
    return XmlStatus(scan);
}

ReadStatus ReadSharedStrings(const std::string& xml, std::vector<std::u16string>& out) {
    XmlScan scan(xml);
    while (scan.Next())
        if (scan.IsStart("si"))
            out.push_back(scan.IsEmptyElement() ? std::u16string()
                                                : Utf8ToUtf16(XlsxRunText(scan, "si")));
    return XmlStatus(scan);
}

ReadStatus ReadSheets(zip::ZipReader& zip, const std::string& bookPath, Workbook& out) {
    std::string xml;
    if (ReadStatus s = PartStatus(zip.Read(bookPath, xml)); s != ReadStatus::Ok) return s;
    std::vector<SheetRef> refs;
    std::map<std::string, Relation> rels;
    if (ReadStatus s = ReadSheetList(xml, refs); s != ReadStatus::Ok) return s;
    if (ReadStatus s = ReadRelations(zip, bookPath, rels); s != ReadStatus::Ok) return s;
    std::vector<std::u16string> strings;
    if (auto shared = WithType(rels, "/sharedStrings")) {
        if (ReadStatus s = PartStatus(zip.Read(*shared, xml)); s != ReadStatus::Ok) return s;
        if (ReadStatus s = ReadSharedStrings(xml, strings); s != ReadStatus::Ok) return s;
    }
    SheetFiller fill(out);
    for (const SheetRef& ref : refs) {
        auto rel = rels.find(ref.rid);
        bool worksheet = rel != rels.end() && EndsWith(rel->second.type, "/worksheet");
        if (!fill.AddSheet(Utf8ToUtf16(ref.name),
                           worksheet ? SheetType::Worksheet : SheetType::Other))
            return ReadStatus::TooManyCells;
        out.sheets.back().visibility = ref.visibility;
        if (!worksheet) continue;
        if (ReadStatus s = PartStatus(zip.Read(rel->second.target, xml)); s != ReadStatus::Ok)
            return s;
        if (ReadStatus s = ReadXlsxSheet(xml, strings, fill); s != ReadStatus::Ok) return s;
    }
    return ReadStatus::Ok;
}

}  // namespace

ReadStatus ReadXlsx(std::string_view bytes, Workbook& out) {
    out = Workbook{};
    zip::ZipReader zip(bytes);
    if (!zip.IsOpen()) return ReadStatus::NotArchive;
    std::map<std::string, Relation> package;
    if (ReadStatus s = ReadRelations(zip, "", package); s != ReadStatus::Ok) return s;
    std::string book = WithType(package, "/officeDocument").value_or("xl/workbook.xml");
    return ReadSheets(zip, book, out);
}

}  // namespace dorvik::xls
