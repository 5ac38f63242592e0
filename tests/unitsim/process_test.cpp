// The simulated unit's line options, which the end-to-end tests use to shape
// the line; its answers are checked by every end-to-end and command-line test.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <optional>

#include "unitsim_process.h"

namespace dorvik::test {
namespace {

// The tool's side of the line.
class Line {
public:
    explicit Line(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
        EXPECT_GE(fd_, 0) << path;
    }
    ~Line() { close(fd_); }
    void Send(const std::string& body) {
        const std::string bytes = "#PWD482915#" + body + "\r\n";
        EXPECT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // The next line without its LF (a CR stays); nothing once the unit hung up.
    std::optional<std::string> ReadLine() {
        std::string line;
        for (char c = 0;;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, 20000) != 1 || read(fd_, &c, 1) != 1) return std::nullopt;
            if (c == '\n') return line;
            line += c;
        }
    }
    std::string Ask(const std::string& body) {
        Send(body);
        return ReadLine().value_or("<nothing>");
    }

private:
    int fd_;
};

// Each line option with what the tool then reads back: --silent-once drops
// the first command, so only the second is answered; garbage comes as whole
// lines ahead of the answer.
TEST(UnitsimProcess, LineOptionsShapeTheAnswer) {
    struct Case { std::vector<std::string> args, commands; std::string answer; };
    const Case cases[] = {
        {{"--crlf"}, {"CSQ?"}, "CSQ IS 23\r"},
        {{"--delay-ms", "5", "--byte-delay-ms", "1"}, {"MODE?"}, "RELAY IS MODE0"},
        {{"--silent-once"}, {"CSQ?", "MODE?"}, "RELAY IS MODE0"},
        {{"--garbage"}, {"CSQ?"}, "CSQ IS 23"},
    };
    for (const Case& c : cases) {
        UnitSimProcess sim(c.args);
        Line line(sim.Device());
        for (const std::string& command : c.commands) line.Send(command);
        int noise = 0;
        auto text = line.ReadLine();
        for (; text && *text != c.answer; text = line.ReadLine()) ++noise;
        EXPECT_EQ(text, c.answer);
        EXPECT_EQ(noise > 0, c.args[0] == "--garbage") << c.args[0];
    }
    UnitSimProcess sim({"--silent-after", "1", "--hangup-after", "2"});
    Line line(sim.Device());
    EXPECT_EQ(line.Ask("CSQ?"), "CSQ IS 23");
    line.Send("MODE?");
    EXPECT_EQ(line.ReadLine(), std::nullopt);
    EXPECT_EQ(sim.Wait(), 0);
}

}  // namespace
}  // namespace dorvik::test
