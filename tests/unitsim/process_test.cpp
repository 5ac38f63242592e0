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

TEST(UnitsimProcess, CrlfSwitchChangesTheLineEnd) {
    Unitsim plain({});
    EXPECT_EQ(Line(plain.Device()).Ask("CSQ?"), "CSQ IS 23");
    Unitsim crlf({"--crlf"});
    EXPECT_EQ(Line(crlf.Device()).Ask("CSQ?"), "CSQ IS 23\r");
}

TEST(UnitsimProcess, GarbageComesBeforeTheAnswer) {
    Unitsim sim({"--garbage"});
    Line line(sim.Device());
    line.Send("CSQ?");
    int noise = 0;
    for (auto text = line.ReadLine(); text && *text != "CSQ IS 23"; text = line.ReadLine()) ++noise;
    EXPECT_GT(noise, 0);
}

TEST(UnitsimProcess, SlowAnswersArriveWhole) {
    Unitsim sim({"--delay-ms", "5", "--byte-delay-ms", "1"});
    EXPECT_EQ(Line(sim.Device()).Ask("MODE?"), "RELAY IS MODE0");
}

TEST(UnitsimProcess, SilentOnceAnswersOnlyTheResend) {
    Unitsim sim({"--silent-once"});
    Line line(sim.Device());
    line.Send("CSQ?");
    EXPECT_EQ(line.Ask("MODE?"), "RELAY IS MODE0");
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

TEST(UnitsimProcess, RefusesToReplaceAFileWithTheLink) {
    dorvik::test::ScratchDir dir;
    const std::string file = dir.File("plain");
    dorvik::test::WriteBytes(file, "keep");
    Unitsim sim({"--link", file});
    EXPECT_EQ(sim.Output(), "");
    EXPECT_EQ(sim.Wait(), 2);
    EXPECT_EQ(dorvik::test::ReadBytes(file), "keep");
}

TEST(UnitsimProcess, HelpAndBadOptions) {
    Unitsim help({"--help"});
    EXPECT_NE(help.Output().find("--silent-once"), std::string::npos);
    EXPECT_EQ(help.Wait(), 0);
    // A modem option without --modem is refused too.
    for (std::vector<std::string> bad : {std::vector<std::string>{"--houses", "0"}, {"--delay-ms"}, {"--nope"},
                                         {"--pdu"}, {"--modem", "--unit-phone", "12a"}}) {
        Unitsim sim(bad);
        EXPECT_EQ(sim.Output(), "");
        EXPECT_EQ(sim.Wait(), 2);
    }
}

}  // namespace
}  // namespace dorvik::unitsim::test
