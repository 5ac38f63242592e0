// Runs the built dorvik-unitsim and talks to it through its pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Long enough never to fire on a working unit; it only keeps a broken one
// from hanging the test run.
constexpr int kGiveUpMs = 20000;

class Unitsim {
public:
    explicit Unitsim(std::vector<std::string> args) {
        args.insert(args.begin(), UNITSIM_PATH);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        output_ = out[0];
    }
    ~Unitsim() {
        if (pid_ > 0) Stop();
        close(output_);
    }
    // Standard output up to its first line end, or up to its end.
    std::string ReadOutput(bool firstLineOnly) {
        std::string text;
        char c;
        while (read(output_, &c, 1) == 1 && !(firstLineOnly && c == '\n')) text += c;
        return text;
    }
    int Wait() {
        int status = 0;
        waitpid(std::exchange(pid_, 0), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int Stop() {
        kill(pid_, SIGTERM);
        return Wait();
    }

private:
    pid_t pid_ = 0;
    int output_ = -1;
};

// The tool's side of the line.
class Line {
public:
    explicit Line(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) { EXPECT_GE(fd_, 0) << path; }
    ~Line() { close(fd_); }
    void SendRaw(const std::string& bytes) { EXPECT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    void Send(const std::string& body) { SendRaw("#PWD482915#" + body + "\r\n"); }
    // The next line without its LF (a CR stays); nothing once the unit hung up.
    std::optional<std::string> ReadLine() {
        std::string line;
        for (char c = 0;;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, kGiveUpMs) != 1 || read(fd_, &c, 1) != 1) return std::nullopt;
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

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "unitsim_" + std::to_string(getpid()) + "_" + name;
}

TEST(UnitsimProcess, AnswersEachReplyFamilyOnTheLine) {
    Unitsim sim({"--houses", "10", "--seed-phones", "1", "--log-rows", "2", "--unit-id", "0815"});
    Line line(sim.ReadOutput(true));
    line.SendRaw("#PWD482915#PROG-RF-0815\r\n\r\n");
    EXPECT_EQ(line.ReadLine(), "PROG-RF-0815 OK");
    EXPECT_EQ(line.Ask("NUMBER?"), "HOUSE NUMBER IS 10");
    EXPECT_TRUE(line.Ask("WHL=ALL?").starts_with("WHL0001 IS 13"));
    EXPECT_EQ(line.Ask("SHL=ALL?"), "SHL IS 0000");
    EXPECT_EQ(line.ReadLine(), "PHL IS 0000");
    EXPECT_EQ(line.ReadLine(), "QHL IS 0000");
    EXPECT_EQ(line.Ask("ALARM=ALL?"), "ALARM IS :::::");
    EXPECT_EQ(line.Ask("DIAL=ALL?"), "DIAL IS 0000");
    EXPECT_TRUE(line.Ask("LOG=ALL?").starts_with("LOG"));
    EXPECT_TRUE(line.ReadLine()->starts_with("LOG"));
    EXPECT_EQ(line.Ask("WHL0002=555"), "WHL0002 SET TO 555 OK");
    EXPECT_TRUE(line.Ask("STATUS?").starts_with("ALM1="));
    // A command with another password goes unanswered: the next answer is the CSQ one.
    line.SendRaw("#PWD000000#MODE?\r\n");
    EXPECT_EQ(line.Ask("CSQ?"), "CSQ IS 23");
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(UnitsimProcess, CrlfSwitchChangesTheLineEnd) {
    Unitsim plain({});
    EXPECT_EQ(Line(plain.ReadOutput(true)).Ask("CSQ?"), "CSQ IS 23");
    Unitsim crlf({"--crlf"});
    EXPECT_EQ(Line(crlf.ReadOutput(true)).Ask("CSQ?"), "CSQ IS 23\r");
}

TEST(UnitsimProcess, GarbageComesBeforeTheAnswer) {
    Unitsim sim({"--garbage"});
    Line line(sim.ReadOutput(true));
    line.Send("CSQ?");
    int noise = 0;
    for (auto text = line.ReadLine(); text && *text != "CSQ IS 23"; text = line.ReadLine()) ++noise;
    EXPECT_GT(noise, 0);
}

TEST(UnitsimProcess, SlowAnswersArriveWhole) {
    Unitsim sim({"--delay-ms", "5", "--byte-delay-ms", "1"});
    EXPECT_EQ(Line(sim.ReadOutput(true)).Ask("MODE?"), "RELAY IS MODE0");
}

TEST(UnitsimProcess, SilentOnceAnswersOnlyTheResend) {
    Unitsim sim({"--silent-once"});
    Line line(sim.ReadOutput(true));
    line.Send("CSQ?");
    EXPECT_EQ(line.Ask("MODE?"), "RELAY IS MODE0");
}

TEST(UnitsimProcess, SilentAfterThenHangupClosesTheLine) {
    Unitsim sim({"--silent-after", "1", "--hangup-after", "2"});
    Line line(sim.ReadOutput(true));
    EXPECT_EQ(line.Ask("CSQ?"), "CSQ IS 23");
    line.Send("MODE?");
    EXPECT_EQ(line.ReadLine(), std::nullopt);
    EXPECT_EQ(sim.Wait(), 0);
}

TEST(UnitsimProcess, JournalLinkAndReopenedPort) {
    const std::string journal = TempPath("journal.txt");
    const std::string link = TempPath("tty");
    unlink(journal.c_str());
    ASSERT_EQ(symlink("/nonexistent", link.c_str()), 0);  // a stale link is replaced
    Unitsim sim({"--journal", journal, "--link", link});
    const std::string path = sim.ReadOutput(true);
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(path, target);
    EXPECT_EQ(Line(link).Ask("CSQ?"), "CSQ IS 23");
    EXPECT_EQ(Line(link).Ask("MODE?"), "RELAY IS MODE0");  // the tool closed and reopened the port
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0);
    std::ifstream in(journal);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "#PWD482915#CSQ?\n#PWD482915#MODE?\n");
}

TEST(UnitsimProcess, RefusesToReplaceAFileWithTheLink) {
    const std::string file = TempPath("plain");
    std::ofstream(file) << "keep";
    Unitsim sim({"--link", file});
    EXPECT_EQ(sim.ReadOutput(false), "");
    EXPECT_EQ(sim.Wait(), 2);
    std::ifstream in(file);
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "keep");
}

TEST(UnitsimProcess, HelpAndBadOptions) {
    Unitsim help({"--help"});
    EXPECT_NE(help.ReadOutput(false).find("--silent-once"), std::string::npos);
    EXPECT_EQ(help.Wait(), 0);
    for (std::vector<std::string> bad : {std::vector<std::string>{"--houses", "0"}, {"--delay-ms"}, {"--nope"}}) {
        Unitsim sim(bad);
        EXPECT_EQ(sim.ReadOutput(false), "");
        EXPECT_EQ(sim.Wait(), 2);
    }
}

}  // namespace
