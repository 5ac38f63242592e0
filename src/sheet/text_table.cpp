#include "sheet/text_table.h"

#include "sheet/sheet_kind.h"

#include <algorithm>
#include <cctype>

namespace dorvik {
namespace {

constexpr char kQuote = '"';

bool EndsWithNoCase(const std::string& s, std::string_view tail) {
    if (s.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), s.end() - static_cast<long>(tail.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool At(std::string_view s, size_t pos, std::string_view what) {
    return !what.empty() && s.compare(pos, what.size(), what) == 0;
}

// Reads a quoted cell starting after its opening quote; false when it never closes.
bool QuotedCell(std::string_view s, size_t& p, std::string& cell) {
    for (;;) {
        size_t q = s.find(kQuote, p);
        if (q == std::string_view::npos) return false;
        cell.append(s.substr(p, q - p));
        p = q + 1;
        if (p >= s.size() || s[p] != kQuote) return true;
        cell.push_back(kQuote);
        ++p;
    }
}

// Reads an unquoted cell up to the separator or the line end; quotes are not allowed in it.
bool PlainCell(std::string_view s, size_t& p, std::string_view sep, std::string& cell) {
    size_t q = p;
    while (q < s.size() && s[q] != '\n' && !At(s, q, sep)) {
        if (s[q] == kQuote) return false;
        ++q;
    }
    cell.assign(s.substr(p, q - p));
    if ((q == s.size() || s[q] == '\n') && !cell.empty() && cell.back() == '\r') cell.pop_back();
    p = q;
    return true;
}

// Reads one record the CSV way; false when the text does not follow that form.
bool CsvRecord(std::string_view s, size_t& pos, std::string_view sep, TableRow& row) {
    row.clear();
    for (size_t p = pos;;) {
        std::string cell;
        bool quoted = p < s.size() && s[p] == kQuote;
        if (quoted ? !QuotedCell(s, ++p, cell) : !PlainCell(s, p, sep, cell)) return false;
        row.push_back(std::move(cell));
        if (At(s, p, sep)) {
            p += sep.size();
            continue;
        }
        if (quoted && p < s.size() && s[p] == '\r') ++p;
        if (p < s.size() && s[p] != '\n') return false;
        pos = p < s.size() ? p + 1 : p;
        return true;
    }
}

TableRow Split(std::string_view line, std::string_view sep) {
    TableRow cells;
    for (size_t p = 0;;) {
        size_t q = line.find(sep, p);
        cells.emplace_back(line.substr(p, q == std::string_view::npos ? q : q - p));
        if (q == std::string_view::npos) return cells;
        p = q + sep.size();
    }
}

// The older reading: split at quote-separator-quote and drop the outer
// quotes, else split at the bare separator, else one cell.
TableRow LegacyRow(std::string_view line, std::string_view sep) {
    std::string quoted = std::string(1, kQuote) + std::string(sep) + kQuote;
    if (!sep.empty() && line.find(quoted) != std::string_view::npos) {
        TableRow cells = Split(line, quoted);
        if (!cells.front().empty()) cells.front().erase(0, 1);
        if (!cells.back().empty()) cells.back().pop_back();
        return cells;
    }
    if (!sep.empty() && line.find(sep) != std::string_view::npos) return Split(line, sep);
    if (line.size() >= 2 && line.front() == kQuote && line.back() == kQuote)
        line = line.substr(1, line.size() - 2);
    return {std::string(line)};
}

}  // namespace

bool IsWorkbookPath(const std::string& path) { return IsWorkbookKind(KindOfPath(path)); }

std::string TextSeparator(const std::string& path) {
    for (const char* tab : {".txt", ".tsv", ".txt.bak", ".tsv.bak"})
        if (EndsWithNoCase(path, tab)) return "\t";
    return ",";
}

std::string EncodeTextRow(const TableRow& cells, std::string_view sep) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line.append(sep);
        line.push_back(kQuote);
        for (char c : cells[i]) {
            if (c == kQuote) line.push_back(kQuote);
            line.push_back(c);
        }
        line.push_back(kQuote);
    }
    return line;
}

TableRows DecodeTextRows(std::string_view content, std::string_view sep) {
    TableRows rows;
    TableRow row;
    for (size_t pos = 0; pos < content.size();) {
        if (CsvRecord(content, pos, sep, row)) {
            rows.push_back(std::move(row));
            continue;
        }
        size_t end = std::min(content.find('\n', pos), content.size());
        std::string_view line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        rows.push_back(LegacyRow(line, sep));
        pos = end + 1;
    }
    return rows;
}

}  // namespace dorvik
