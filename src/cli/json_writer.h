#pragma once
// A small JSON writer for the command-line tool's --json output: objects,
// arrays, strings (UTF-8, escaped), integers and booleans, written into one
// line of text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::cli {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The member name of the next value inside an object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Int(std::int64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // Key and value at once.
    JsonWriter& Member(std::string_view name, std::string_view utf8) {
        return Key(name).String(utf8);
    }
    JsonWriter& Member(std::string_view name, const char* utf8) { return Key(name).String(utf8); }
    JsonWriter& Member(std::string_view name, std::int64_t value) { return Key(name).Int(value); }
    JsonWriter& Member(std::string_view name, int value) { return Key(name).Int(value); }
    JsonWriter& Member(std::string_view name, bool value) { return Key(name).Bool(value); }

    const std::string& Text() const { return text_; }

private:
    void Separate();
    JsonWriter& Raw(std::string_view text);
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);

    std::string text_;
    // Per open container: whether it already holds a value.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view utf8);

}  // namespace dorvik::cli
