#pragma once
// JSON of the command-line tool through nlohmann-json: ordered objects (keys
// come out in the order they were set), one-line UTF-8 text, and a parser
// whose errors say line and column instead of throwing.
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace dorvik::cli {

using Json = nlohmann::ordered_json;

// One line of JSON; bytes that are no UTF-8 become U+FFFD.
std::string JsonText(const Json& value);

// The document, or nothing with *error saying where it went wrong
// ("parse error at line L, column C: ...").
std::optional<Json> ParseJson(std::string_view text, std::string* error);

// The member of that name when value is an object holding it, else null.
const Json* JsonMember(const Json& value, const char* name);

// A string's text, a number's digits, "true" or "false"; empty for null,
// arrays and objects.
std::string JsonScalarText(const Json& value);

}  // namespace dorvik::cli
