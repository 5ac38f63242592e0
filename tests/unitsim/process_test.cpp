// The simulated unit as a running program on its serial line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <optional>

#include "scratch_dir.h"
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
    void SendRaw(const std::string& bytes) {
        EXPECT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    void Send(const std::string& body) { SendRaw("#PWD482915#" + body + "\r\n"); }
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

TEST(UnitsimProcess, AnswersEachReplyFamilyOnTheLine) {
    UnitSimProcess sim({"--houses", "10", "--seed-phones", "1", "--log-rows", "2", "--unit-id",
                        "0815"});
    Line line(sim.Device());
    line.SendRaw("#PWD482915#PROG-RF-0815\r\n\r\n");
    EXPECT_EQ(line.ReadLine(), "PROG-RF-0815 OK");
    EXPECT_EQ(line.Ask("NUMBER?"), "HOUSE NUMBER IS 10");
    EXPECT_TRUE(line.Ask("WHL=ALL?").starts_with("WHL0001 IS 13"));
    EXPECT_EQ(line.Ask("SHL=ALL?"), "SHL IS 0000");
    EXPECT_EQ(line.ReadLine(), "PHL IS 0000");
    EXPECT_EQ(line.ReadLine(), "QHL IS 0000");
    EXPECT_TRUE(line.Ask("LOG=ALL?").starts_with("LOG"));
    EXPECT_TRUE(line.ReadLine()->starts_with("LOG"));
    EXPECT_EQ(line.Ask("WHL0002=555"), "WHL0002 SET TO 555 OK");
    // A command with another password goes unanswered: the next answer is the CSQ one.
    line.SendRaw("#PWD000000#MODE?\r\n");
    EXPECT_EQ(line.Ask("CSQ?"), "CSQ IS 23");
    EXPECT_EQ(sim.Stop(), 0);
}

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

// Bad options, a modem option without --modem and a link over a plain file
// are refused with exit code 2 before the line opens.
TEST(UnitsimProcess, RefusedOptions) {
    ScratchDir dir;
    const std::string file = dir.File("plain");
    WriteBytes(file, "keep");
    const std::vector<std::string> bad[] = {{"--houses", "0"}, {"--delay-ms"}, {"--nope"},
                                            {"--pdu"}, {"--modem", "--unit-phone", "12a"},
                                            {"--link", file}};
    for (const auto& args : bad) {
        UnitSimProcess sim(args);
        EXPECT_EQ(sim.Output(), "");
        EXPECT_EQ(sim.Wait(), 2) << args[0];
    }
    EXPECT_EQ(ReadBytes(file), "keep");
}

}  // namespace
}  // namespace dorvik::test
