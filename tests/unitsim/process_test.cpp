// The simulated unit as a running program on its serial line.
#include "scratch_dir.h"
#include "unit_line.h"
#include "unitsim_process.h"

namespace dorvik::unitsim::test {
namespace {

using Unitsim = dorvik::test::UnitSimProcess;

TEST(UnitsimProcess, AnswersEachReplyFamilyOnTheLine) {
    Unitsim sim({"--houses", "10", "--seed-phones", "1", "--log-rows", "2", "--unit-id", "0815"});
    Line line(sim.Device());
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

// Each line option with what the tool then reads back: --silent-once drops
// the first command, so only the second is answered.
TEST(UnitsimProcess, LineOptionsShapeTheAnswer) {
    struct Case { std::vector<std::string> args, commands; std::string answer; };
    const Case cases[] = {
        {{"--crlf"}, {"CSQ?"}, "CSQ IS 23\r"},
        {{"--delay-ms", "5", "--byte-delay-ms", "1"}, {"MODE?"}, "RELAY IS MODE0"},
        {{"--silent-once"}, {"CSQ?", "MODE?"}, "RELAY IS MODE0"},
        {{"--garbage"}, {"CSQ?"}, "CSQ IS 23"},
    };
    for (const Case& c : cases) {
        Unitsim sim(c.args);
        Line line(sim.Device());
        for (const std::string& command : c.commands) line.Send(command);
        // Garbage comes as whole lines ahead of the answer.
        int noise = 0;
        auto text = line.ReadLine();
        for (; text && *text != c.answer; text = line.ReadLine()) ++noise;
        EXPECT_EQ(text, c.answer);
        EXPECT_EQ(noise > 0, c.args[0] == "--garbage") << c.args[0];
    }
}

TEST(UnitsimProcess, SilentAfterThenHangupClosesTheLine) {
    Unitsim sim({"--silent-after", "1", "--hangup-after", "2"});
    Line line(sim.Device());
    EXPECT_EQ(line.Ask("CSQ?"), "CSQ IS 23");
    line.Send("MODE?");
    EXPECT_EQ(line.ReadLine(), std::nullopt);
    EXPECT_EQ(sim.Wait(), 0);
}

TEST(UnitsimProcess, JournalLinkAndReopenedPort) {
    dorvik::test::ScratchDir dir;
    const std::string journal = dir.File("journal.txt");
    const std::string link = dir.File("tty");
    ASSERT_EQ(symlink("/nonexistent", link.c_str()), 0);  // a stale link is replaced
    Unitsim sim({"--journal", journal, "--link", link});
    const std::string path = sim.Device();
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(path, target);
    EXPECT_EQ(Line(link).Ask("CSQ?"), "CSQ IS 23");
    EXPECT_EQ(Line(link).Ask("MODE?"), "RELAY IS MODE0");  // the tool closed and reopened the port
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(access(link.c_str(), F_OK), 0);
    EXPECT_EQ(dorvik::test::ReadBytes(journal), "#PWD482915#CSQ?\n#PWD482915#MODE?\n");
}

// Bad options, a modem option without --modem and a link over a plain file
// are refused with exit code 2 before the line opens.
TEST(UnitsimProcess, HelpAndRefusedOptions) {
    Unitsim help({"--help"});
    EXPECT_NE(help.Output().find("--silent-once"), std::string::npos);
    EXPECT_EQ(help.Wait(), 0);
    dorvik::test::ScratchDir dir;
    const std::string file = dir.File("plain");
    dorvik::test::WriteBytes(file, "keep");
    const std::vector<std::string> bad[] = {{"--houses", "0"}, {"--delay-ms"}, {"--nope"},
                                            {"--pdu"}, {"--modem", "--unit-phone", "12a"},
                                            {"--link", file}};
    for (const auto& args : bad) {
        Unitsim sim(args);
        EXPECT_EQ(sim.Output(), "");
        EXPECT_EQ(sim.Wait(), 2) << args[0];
    }
    EXPECT_EQ(dorvik::test::ReadBytes(file), "keep");
}

}  // namespace
}  // namespace dorvik::unitsim::test
