#pragma once
// A small JSON reader for the files the tool itself writes (project
// conversion): the whole document becomes a tree of values. Numbers are
// kept as their text; strings are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvik::cli {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    std::string text;  // a string's text, a number's digits, "true"/"false"
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of that name; null when this is no object or has none.
    const JsonValue* Find(std::string_view name) const;
    // A string's or number's text; empty for any other value.
    std::string Text() const;
};

// The document, or nothing with *error saying where it went wrong.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error);

}  // namespace dorvik::cli
