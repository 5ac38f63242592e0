#pragma once
// A small printf-style formatter for the command and acknowledgement texts.
// It builds a std::string of any length (no fixed buffers) and understands
// only what the command formats use: "%s", "%d", "%0Nd"/"%Nd" and "%%".
#include <initializer_list>
#include <string>
#include <string_view>

namespace dorvik {

// One argument of FormatText: a text or an integer.
class FormatArg {
public:
    FormatArg(std::string_view text) : text_(text) {}
    FormatArg(const std::string& text) : text_(text) {}
    FormatArg(const char* text) : text_(text) {}
    FormatArg(int number) : number_(number), isNumber_(true) {}

    // The argument as it is written by "%s" or "%d".
    std::string Text() const;
    bool IsNumber() const { return isNumber_; }
    int Number() const { return number_; }

private:
    std::string_view text_;
    int number_ = 0;
    bool isNumber_ = false;
};

// Fills the format's conversions with the arguments in order. "%0Nd" pads
// with zeros after the sign to N characters as printf does; "%Nd" pads with
// blanks. A conversion without an argument writes nothing; surplus
// arguments are ignored; an unknown conversion is copied as it stands.
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace dorvik
