#include "transport/serial_line.h"

#include <cctype>

namespace dorvik {

namespace {

struct BaudRow {
    int baud;
    speed_t speed;
};

constexpr BaudRow kBauds[] = {
    {110, B110},     {300, B300},     {600, B600},       {1200, B1200},
    {2400, B2400},   {4800, B4800},   {9600, B9600},     {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
};

struct ParityRow {
    char parity;
    tcflag_t flags;
};

// Mark and space parity are the odd and even parity bits made sticky.
constexpr ParityRow kParities[] = {
    {'N', 0},
    {'O', PARENB | PARODD},
    {'E', PARENB},
    {'M', PARENB | PARODD | CMSPAR},
    {'S', PARENB | CMSPAR},
};

struct BitsRow {
    int bits;
    tcflag_t flags;
};

constexpr BitsRow kDataBits[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

// 15 stands for 1.5 stop bits, which POSIX lacks; two is the nearest.
constexpr BitsRow kStopBits[] = {{1, 0}, {2, CSTOPB}, {15, CSTOPB}};

template <typename Row, std::size_t N, typename Key, typename Field>
const Row* FindRow(const Row (&rows)[N], Key key, Field field) {
    for (const Row& row : rows)
        if (row.*field == key) return &row;
    return nullptr;
}

speed_t Speed(int baud, std::vector<LineFallback>& fallbacks) {
    if (const auto* row = FindRow(kBauds, baud, &BaudRow::baud)) return row->speed;
    fallbacks.push_back({"cfsetspeed()", "Baud rate " + std::to_string(baud) +
                                             " is not supported; 9600 is used"});
    return B9600;
}

tcflag_t ParityFlags(char parity, std::vector<LineFallback>& fallbacks) {
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(parity)));
    if (const auto* row = FindRow(kParities, upper, &ParityRow::parity)) return row->flags;
    fallbacks.push_back({"PARENB", std::string("Parity '") + parity +
                                       "' is not supported; no parity is used"});
    return 0;
}

tcflag_t BitsFlags(const BitsRow* row, tcflag_t fallbackFlags, const LineFallback& fallback,
                   std::vector<LineFallback>& fallbacks) {
    if (row) return row->flags;
    fallbacks.push_back(fallback);
    return fallbackFlags;
}

tcflag_t FrameFlags(const PortSettings& s, std::vector<LineFallback>& fallbacks) {
    std::string data = std::to_string(s.dataBits), stop = std::to_string(s.stopBits);
    return ParityFlags(s.parity, fallbacks) |
           BitsFlags(FindRow(kDataBits, s.dataBits, &BitsRow::bits), CS8,
                     {"CSIZE", data + " data bits are not supported; 8 are used"}, fallbacks) |
           BitsFlags(FindRow(kStopBits, s.stopBits, &BitsRow::bits), 0,
                     {"CSTOPB", stop + " stop bits are not supported; 1 is used"}, fallbacks);
}

}  // namespace

termios MakeLineSettings(const termios& current, const PortSettings& settings,
                         std::vector<LineFallback>& fallbacks) {
    termios t = current;
    cfmakeraw(&t);
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | FrameFlags(settings, fallbacks);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    speed_t speed = Speed(settings.baud, fallbacks);
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    return t;
}

}  // namespace dorvik
