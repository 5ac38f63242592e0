// dorvik-cli as scripts use it: deleting slots, the log's last entries,
// progress on standard error, and Ctrl-C while the unit is silent.

#include "cli_fixture.h"

namespace dorvik::test {
namespace {

using CliReporting = CliFixture;
using Strings = std::vector<std::string>;

TEST_F(CliReporting, DeleteErasesTheSlotsAndTheLogsLastEntriesAreRead) {
    const std::string journal = dir.File("journal");
    StartUnit({"--journal", journal, "--log-rows", "6"});
    const std::string project = PhoneProject("unit.gto", 5);
    ASSERT_EQ(Cli({"--project", project, "upload", "phones"}).status, 0);
    std::ofstream(journal, std::ios::trunc);
    ASSERT_EQ(Cli({"--project", project, "delete", "phones", "2", "4"}).status, 0);
    ASSERT_EQ(Cli({"delete", "phones", "5"}).status, 0) << "a slot the PC knows nothing of";
    EXPECT_EQ(LinesWith(journal, "#WHL"),
              (Strings{"#PWD482915#WHL0002=0000", "#PWD482915#WHL0004=00000000000",
                       "#PWD482915#WHL0005=0000"}));
    EXPECT_EQ(cli::JsonMember(Json(Cli({"--json", "read", "phones"})), "slots")->size(), 2u);
    EXPECT_EQ(Cli({"delete", "special", "X001"}).status, 2);

    const cli::Json last = Json(Cli({"--json", "log", "--last", "2"}));
    const cli::Json* rows = cli::JsonMember(last, "rows");
    ASSERT_TRUE(rows && rows->size() == 2u);
    EXPECT_EQ(cli::JsonScalarText(*cli::JsonMember((*rows)[1], "index")), "6");
}

TEST_F(CliReporting, ProgressOnStandardErrorAndCtrlCWhileTheUnitIsSilent) {
    const std::string journal = dir.File("journal");
    // The house count and two slots are answered; then the unit falls silent.
    StartUnit({"--journal", journal, "--silent-after", "3"});
    const std::unique_ptr<ProgramRun> run =
        StartCli({"--device", unit->Device(), "--password", kPassword, "--unit-id", "1",
                  "--project", PhoneProject("unit.gto", 10), "upload", "phones"});
    // A generous limit only keeps a broken run from hanging the test.
    AwaitLines(journal, "#WHL0003", 1, 20000);
    run->Interrupt();
    const CliResult stopped = run->Wait();
    EXPECT_EQ(stopped.status, 130) << "stopped before the supervision gave up\n" << stopped.err;
    EXPECT_NE(stopped.err.find("upload phones: 1 of 10\n"), std::string::npos) << stopped.err;
    EXPECT_NE(stopped.err.find("8 slots left Pending"), std::string::npos) << stopped.err;
}

}  // namespace
}  // namespace dorvik::test
