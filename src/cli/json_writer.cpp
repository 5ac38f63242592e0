#include "cli/json_writer.h"

#include <cstdio>

namespace dorvik::cli {

std::string JsonQuote(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A comma before every value but the first of its container; none after a key.
void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (filled_.empty()) return;
    if (filled_.back()) text_ += ',';
    filled_.back() = true;
}

JsonWriter& JsonWriter::Raw(std::string_view text) {
    Separate();
    text_ += text;
    return *this;
}

JsonWriter& JsonWriter::Open(char bracket) {
    Raw(std::string_view(&bracket, 1));
    filled_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    filled_.pop_back();
    text_ += bracket;
    return *this;
}

JsonWriter& JsonWriter::BeginObject() {
    return Open('{');
}
JsonWriter& JsonWriter::EndObject() {
    return Close('}');
}
JsonWriter& JsonWriter::BeginArray() {
    return Open('[');
}
JsonWriter& JsonWriter::EndArray() {
    return Close(']');
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    Separate();
    text_ += JsonQuote(name) + ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    return Raw(JsonQuote(utf8));
}
JsonWriter& JsonWriter::Int(std::int64_t value) {
    return Raw(std::to_string(value));
}
JsonWriter& JsonWriter::Bool(bool value) {
    return Raw(value ? "true" : "false");
}
JsonWriter& JsonWriter::Null() {
    return Raw("null");
}

}  // namespace dorvik::cli
