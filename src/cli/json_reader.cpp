#include "cli/json_reader.h"

#include <cctype>

namespace dorvik::cli {
namespace {

// Deeper documents are refused rather than risking the stack.
constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value, 0)) return std::nullopt;
        SkipBlanks();
        if (pos_ != text_.size()) return Fail("text after the end");
        return value;
    }
    const std::string& Error() const { return error_; }

private:
    std::nullopt_t Fail(const char* why) {
        if (error_.empty()) error_ = std::string(why) + " at offset " + std::to_string(pos_);
        return std::nullopt;
    }
    bool Failed(const char* why) {
        Fail(why);
        return false;
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool Take(char c) {
        SkipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue& out, int depth) {
        if (depth > kMaxDepth) return Failed("nested too deeply");
        SkipBlanks();
        if (pos_ >= text_.size()) return Failed("unexpected end");
        const char c = text_[pos_];
        if (c == '{') return Object(out, depth);
        if (c == '[') return Array(out, depth);
        if (c == '"') {
            out.type = JsonValue::Type::String;
            return String(out.text);
        }
        return Scalar(out);
    }

    bool Scalar(JsonValue& out) {
        for (const char* word : {"true", "false"}) {
            if (!Word(word)) continue;
            out.type = JsonValue::Type::Bool;
            out.text = word;
            return true;
        }
        if (Word("null")) return true;
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               std::string_view("+-.eE0123456789").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
        if (pos_ == start) return Failed("unexpected character");
        out.type = JsonValue::Type::Number;
        out.text = text_.substr(start, pos_ - start);
        return true;
    }

    bool Object(JsonValue& out, int depth) {
        out.type = JsonValue::Type::Object;
        ++pos_;
        if (Take('}')) return true;
        do {
            std::pair<std::string, JsonValue> member;
            SkipBlanks();
            if (!String(member.first)) return false;
            if (!Take(':')) return Failed("':' expected");
            if (!Value(member.second, depth + 1)) return false;
            out.members.push_back(std::move(member));
        } while (Take(','));
        return Take('}') || Failed("'}' expected");
    }

    bool Array(JsonValue& out, int depth) {
        out.type = JsonValue::Type::Array;
        ++pos_;
        if (Take(']')) return true;
        do {
            out.items.emplace_back();
            if (!Value(out.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']') || Failed("']' expected");
    }

    bool String(std::string& out) {
        if (pos_ >= text_.size() || text_[pos_] != '"') return Failed("'\"' expected");
        for (++pos_; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c != '\\') {
                out += c;
            } else if (!Escape(out)) {
                return false;
            }
        }
        return Failed("unterminated string");
    }

    bool Escape(std::string& out) {
        if (++pos_ >= text_.size()) return Failed("unterminated string");
        static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
        const std::size_t k = kFrom.find(text_[pos_]);
        if (k != std::string_view::npos) {
            out += kTo[k];
            return true;
        }
        if (text_[pos_] != 'u') return Failed("bad escape");
        unsigned code = 0;
        if (!Hex4(code)) return false;
        if (code >= 0xD800 && code < 0xDC00) {
            unsigned low = 0;
            const bool paired = text_.substr(pos_ + 1, 2) == "\\u";
            if (paired) pos_ += 2;
            if (!paired || !Hex4(low) || low < 0xDC00 || low > 0xDFFF)
                return Failed("bad surrogate pair");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    // The four hex digits after the "u" at the current position; the
    // position moves to the last of them.
    bool Hex4(unsigned& code) {
        if (pos_ + 5 > text_.size()) return Failed("bad \\u escape");
        for (std::size_t i = 1; i <= 4; ++i) {
            const auto c = static_cast<unsigned char>(text_[pos_ + i]);
            if (!std::isxdigit(c)) return Failed("bad \\u escape");
            code = code * 16 +
                   static_cast<unsigned>(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
        }
        pos_ += 4;
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
            return;
        }
        const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k)
            out += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (const auto& [key, value] : members)
        if (key == name) return &value;
    return nullptr;
}

std::string JsonValue::Text() const {
    return type == Type::String || type == Type::Number ? text : std::string();
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error) {
    Parser parser(text);
    std::optional<JsonValue> value = parser.Document();
    if (!value && error) *error = parser.Error();
    return value;
}

}  // namespace dorvik::cli
