#include "sheet/sheet_kind.h"

#include <algorithm>
#include <cctype>

namespace dorvik {
namespace {

constexpr struct {
    const char* ext;
    SheetKind kind;
} kKinds[] = {
    {".xls", SheetKind::Xls},  {".xlsx", SheetKind::Xlsx}, {".ods", SheetKind::Ods},
    {".csv", SheetKind::Text}, {".txt", SheetKind::Text},  {".tsv", SheetKind::Text},
};

// The part after the last dot of the file name, dot included, in lower case.
std::string LowerExtension(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

}  // namespace

SheetKind KindOfPath(const std::string& path) {
    std::string ext = LowerExtension(path);
    // The backup copy of a text table ("list.csv.bak") is a text table too.
    if (ext == ".bak") {
        std::string inner = path.substr(0, path.size() - ext.size());
        return KindOfPath(inner) == SheetKind::Text ? SheetKind::Text : SheetKind::Unknown;
    }
    for (const auto& k : kKinds)
        if (ext == k.ext) return k.kind;
    return SheetKind::Unknown;
}

bool IsWorkbookKind(SheetKind kind) {
    return kind == SheetKind::Xls || kind == SheetKind::Xlsx || kind == SheetKind::Ods;
}

std::string UnsupportedKindMessage(const std::string& path) {
    std::string ext = LowerExtension(path);
    return "Unsupported file type " +
           (ext.empty() ? std::string("(no extension)") : "\"" + ext + "\"") +
           ": use .xlsx, .ods, .xls, .csv, .txt or .tsv";
}

}  // namespace dorvik
