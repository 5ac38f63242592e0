#include "transport/serial_line.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

constexpr tcflag_t kFrame = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

termios Make(char parity, int dataBits, int stopBits, int baud,
             std::vector<LineFallback>& fallbacks) {
    PortSettings s;
    s.parity = parity;
    s.dataBits = dataBits;
    s.stopBits = stopBits;
    s.baud = baud;
    termios start{};
    start.c_cflag = CRTSCTS | PARENB | CS5;
    start.c_iflag = IXON | IXOFF | ICRNL;
    start.c_lflag = ICANON | ECHO | ISIG;
    return MakeLineSettings(start, s, fallbacks);
}

TEST(LineSettings, MapsParityDataStopBitsAndSpeedOnARawLine) {
    struct Case {
        char parity;
        int dataBits, stopBits, baud;
        tcflag_t frame;
        speed_t speed;
    };
    const Case cases[] = {
        {'N', 8, 1, 9600, CS8, B9600},
        {'O', 7, 1, 110, CS7 | PARENB | PARODD, B110},
        {'E', 7, 2, 1200, CS7 | PARENB | CSTOPB, B1200},
        {'M', 6, 1, 57600, CS6 | PARENB | PARODD | CMSPAR, B57600},
        {'S', 5, 15, 115200, CS5 | PARENB | CMSPAR | CSTOPB, B115200},
        {'e', 8, 1, 230400, CS8 | PARENB, B230400},
    };
    for (const auto& c : cases) {
        std::vector<LineFallback> fallbacks;
        termios t = Make(c.parity, c.dataBits, c.stopBits, c.baud, fallbacks);
        EXPECT_EQ(t.c_cflag & kFrame, c.frame) << c.parity << c.dataBits << c.stopBits;
        EXPECT_EQ(cfgetispeed(&t), c.speed) << c.baud;
        EXPECT_EQ(cfgetospeed(&t), c.speed) << c.baud;
        EXPECT_TRUE(fallbacks.empty());
        // Raw, without flow control, whatever the frame.
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD | CRTSCTS), CLOCAL | CREAD);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
    }
}

TEST(LineSettings, ReplacesWhatTheLineCannotTakeAndSaysSo) {
    std::vector<LineFallback> fallbacks;
    termios t = Make('X', 4, 3, 14400, fallbacks);
    EXPECT_EQ(t.c_cflag & kFrame, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    std::vector<std::pair<std::string, std::string>> said;
    for (const auto& f : fallbacks) said.emplace_back(f.step, f.reason);
    EXPECT_EQ(said, (decltype(said){
                        {"PARENB", "Parity 'X' is not supported; no parity is used"},
                        {"CSIZE", "4 data bits are not supported; 8 are used"},
                        {"CSTOPB", "3 stop bits are not supported; 1 is used"},
                        {"cfsetspeed()", "Baud rate 14400 is not supported; 9600 is used"},
                    }));
}

}  // namespace
}  // namespace dorvik
