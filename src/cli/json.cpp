#include "cli/json.h"

namespace dorvik::cli {

std::string JsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<Json> ParseJson(std::string_view text, std::string* error) {
    try {
        return Json::parse(text);
    } catch (const Json::exception& e) {
        // Drops the "[json.exception.parse_error.101] " prefix.
        const std::string what = e.what();
        const std::size_t end = what.find("] ");
        if (error) *error = end == std::string::npos ? what : what.substr(end + 2);
        return std::nullopt;
    }
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
