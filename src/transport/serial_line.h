#pragma once
// Line settings (speed, parity, data and stop bits) of a serial port as termios.
#include <termios.h>

#include <string>
#include <vector>

#include "platform/link.h"

namespace dorvik {

// A setting the port cannot take: the termios step it belongs to and what
// was used instead.
struct LineFallback {
    std::string step;
    std::string reason;
};

// Raw 8-bit line settings for settings, built on current: no echo, no line
// editing, no character translation, no flow control, receiver on, modem
// lines ignored. Values POSIX cannot express fall back to 9600, N, 8, 1 and
// are listed in fallbacks.
termios MakeLineSettings(const termios& current, const PortSettings& settings,
                         std::vector<LineFallback>& fallbacks);

}  // namespace dorvik
