// dorvik-cli as scripts use it: deleting slots, the password a project
// keeps, failures as JSON objects with their exit status, progress on
// standard error, and Ctrl-C while the unit is silent.

#include "cli_fixture.h"
#include "model/project_file.h"

namespace dorvik::test {
namespace {

using CliReporting = CliFixture;
using Strings = std::vector<std::string>;

TEST_F(CliReporting, DeleteErasesTheSlotsInTheUnit) {
    const std::string journal = dir.File("journal");
    StartUnit({"--journal", journal});
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
}

TEST_F(CliReporting, TheProjectKeepsThePasswordGivenOnTheCommandLine) {
    StartUnit({"--password", "1234"});
    const std::string project = dir.File("P.gto");
    ASSERT_EQ(CliBare({"--device", unit->Device(), "--unit-id", "1", "--password", "1234",
                       "--project", project, "connect"})
                  .status,
              0);
    EXPECT_EQ(LinesWith(project, "<UnitPassword>1234</UnitPassword>").size(), 2u);
}

TEST_F(CliReporting, FailingFileCommandsExitWithOne) {
    UnitModel model;
    model.phones.SetEntry(PhoneNumber(50), "", 49, RowStatus::Pending);
    const std::string big = dir.File("big.gto");
    ASSERT_TRUE(SaveProject(model, big).ok);
    const std::string json = dir.File("big.json"), nowhere = WriteFile("plain", "") + "/out";
    ASSERT_EQ(CliBare({"project", "convert", big, json}).status, 0);
    EXPECT_EQ(CliBare({"project", "convert", json, nowhere + ".gto"}).status, 1);
    const CliResult exported = CliBare({"export", "phones", big, nowhere + ".xls"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_NE(exported.err.find("is not a folder"), std::string::npos) << exported.err;
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
