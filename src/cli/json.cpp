#include "cli/json.h"

#include <algorithm>

namespace dorvik::cli {
namespace {

// Builds the document as nlohmann's own parser does, but keeps where and
// why it stopped instead of throwing.
class PositionedDom : public nlohmann::detail::json_sax_dom_parser<Json> {
public:
    explicit PositionedDom(Json& result) : json_sax_dom_parser(result, false) {}

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& ex) {
        position_ = position;
        const std::string what = ex.what();
        const std::size_t end = what.find("] ");  // drops "[json.exception.name.id] "
        why_ = end == std::string::npos ? what : what.substr(end + 2);
        return false;
    }

    // "parse error at line L, column C: ..." as nlohmann words it; other
    // errors (a number out of range) get the place in front.
    std::string Error(std::string_view text) const {
        if (why_.find(" at line ") != std::string::npos) return why_;
        const std::string_view before = text.substr(0, std::min(position_, text.size()));
        const std::size_t line = 1 + std::count(before.begin(), before.end(), '\n');
        const std::size_t lineStart = before.rfind('\n');
        const std::size_t column =
            lineStart == std::string_view::npos ? before.size() : before.size() - lineStart - 1;
        return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + why_;
    }

private:
    std::size_t position_ = 0;
    std::string why_;
};

}  // namespace

std::string JsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<Json> ParseJson(std::string_view text, std::string* error) {
    Json document;
    PositionedDom dom(document);
    if (Json::sax_parse(text, &dom)) return document;
    if (error) *error = dom.Error(text);
    return std::nullopt;
}

const Json* JsonMember(const Json& value, const char* name) {
    if (!value.is_object()) return nullptr;
    const auto it = value.find(name);
    return it == value.end() ? nullptr : &*it;
}

std::string JsonScalarText(const Json& value) {
    if (value.is_string()) return value.get_ref<const std::string&>();
    if (value.is_number()) return value.dump();
    if (value.is_boolean()) return value.get<bool>() ? "true" : "false";
    return {};
}

}  // namespace dorvik::cli
