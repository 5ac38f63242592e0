#include "transport/serial_line.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

constexpr tcflag_t kFrame = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

termios Make(char parity, int dataBits, int stopBits, int baud,
             std::vector<LineFallback>* fallbacks = nullptr) {
    PortSettings s;
    s.parity = parity;
    s.dataBits = dataBits;
    s.stopBits = stopBits;
    s.baud = baud;
    termios start{};
    start.c_cflag = CRTSCTS | PARENB | CS5;
    start.c_iflag = IXON | IXOFF | ICRNL;
    start.c_lflag = ICANON | ECHO | ISIG;
    std::vector<LineFallback> ignored;
    return MakeLineSettings(start, s, fallbacks ? *fallbacks : ignored);
}

TEST(LineSettings, MapsParityDataAndStopBitsOnARawLine) {
    struct Case {
        char parity;
        int dataBits, stopBits;
        tcflag_t frame;
    };
    const Case cases[] = {
        {'N', 8, 1, CS8},
        {'O', 7, 1, CS7 | PARENB | PARODD},
        {'E', 7, 2, CS7 | PARENB | CSTOPB},
        {'M', 6, 1, CS6 | PARENB | PARODD | CMSPAR},
        {'S', 5, 15, CS5 | PARENB | CMSPAR | CSTOPB},
        {'e', 8, 1, CS8 | PARENB},
    };
    for (const auto& c : cases) {
        std::vector<LineFallback> fallbacks;
        termios t = Make(c.parity, c.dataBits, c.stopBits, 9600, &fallbacks);
        EXPECT_EQ(t.c_cflag & kFrame, c.frame) << c.parity << c.dataBits << c.stopBits;
        EXPECT_TRUE(fallbacks.empty());
        // Raw, without flow control, whatever the frame.
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD | CRTSCTS), CLOCAL | CREAD);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
    }
}

TEST(LineSettings, MapsTheCommonSpeeds) {
    const std::pair<int, speed_t> speeds[] = {{110, B110},       {1200, B1200},
                                              {9600, B9600},     {57600, B57600},
                                              {115200, B115200}, {230400, B230400}};
    for (auto [baud, speed] : speeds) {
        termios t = Make('N', 8, 1, baud);
        EXPECT_EQ(cfgetispeed(&t), speed) << baud;
        EXPECT_EQ(cfgetospeed(&t), speed) << baud;
    }
}

TEST(LineSettings, ReplacesWhatTheLineCannotTakeAndSaysSo) {
    std::vector<LineFallback> fallbacks;
    termios t = Make('X', 4, 3, 14400, &fallbacks);
    EXPECT_EQ(t.c_cflag & kFrame, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    ASSERT_EQ(fallbacks.size(), 4u);
    EXPECT_EQ(fallbacks[0].step, "PARENB");
    EXPECT_EQ(fallbacks[0].reason, "Parity 'X' is not supported; no parity is used");
    EXPECT_EQ(fallbacks[1].step, "CSIZE");
    EXPECT_EQ(fallbacks[2].step, "CSTOPB");
    EXPECT_EQ(fallbacks[2].reason, "3 stop bits are not supported; 1 is used");
    EXPECT_EQ(fallbacks[3].step, "cfsetspeed()");
}

}  // namespace
}  // namespace dorvik
