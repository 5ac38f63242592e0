// dorvik-cli as scripts use it: deleting slots, the password a project
// keeps, failures as JSON objects with their exit status, progress on
// standard error, and Ctrl-C while the unit is silent.
#include <fstream>
#include <sstream>
#include <thread>

#include "cli_fixture.h"
#include "model/project_file.h"

namespace dorvik::test {
namespace {

using CliReporting = CliFixture;
using Strings = std::vector<std::string>;

Strings LinesWith(const std::string& path, const std::string& part) {
    std::ifstream in(path);
    Strings lines;
    for (std::string line; std::getline(in, line);)
        if (line.find(part) != std::string::npos) lines.push_back(line);
    return lines;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(CliReporting, DeleteErasesTheSlotsInTheUnit) {
    const std::string journal = dir.File("journal");
    StartUnit({"--journal", journal});
    const std::string project = PhoneProject("unit.gto", 5);
    ASSERT_EQ(Cli({"--project", project, "upload", "phones"}).status, 0);
    std::ofstream(journal, std::ios::trunc);
    const CliResult erased = Cli({"--project", project, "delete", "phones", "2", "4"});
    ASSERT_EQ(erased.status, 0) << erased.err;
    // A slot the PC knows nothing of is erased too.
    ASSERT_EQ(Cli({"delete", "phones", "5"}).status, 0);
    EXPECT_EQ(LinesWith(journal, "#WHL"),
              (Strings{"#PWD482915#WHL0002=0000", "#PWD482915#WHL0004=00000000000",
                       "#PWD482915#WHL0005=0000"}));
    EXPECT_EQ(Json(Cli({"--json", "read", "phones"})).Find("slots")->items.size(), 2u);
    for (const auto& [args, message] : std::vector<std::pair<Strings, std::string>>{
             {{"delete", "phones", "0"}, "Zero index is not allowed"},
             {{"delete", "special", "X001"}, "names no slot"},
             {{"delete", "phones"}, "give the indexes"}}) {
        const CliResult refused = Cli(args);
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
    }
}

TEST_F(CliReporting, TheProjectKeepsThePasswordGivenOnTheCommandLine) {
    StartUnit({"--password", "1234"});
    const std::string project = dir.File("P.gto");
    const CliResult connected = CliBare({"--device", unit->Device(), "--unit-id", "1", "--quiet",
                                         "--password", "1234", "--project", project, "connect"});
    ASSERT_EQ(connected.status, 0) << connected.err;
    const std::string text = Slurp(project);
    const std::string element = "<UnitPassword>1234</UnitPassword>";
    const std::size_t first = text.find(element);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(element, first + 1), std::string::npos) << "in both settings records";
}

TEST_F(CliReporting, FailuresAreJsonObjectsWithTheirExitStatus) {
    StartUnit({"--houses", "10"});
    UnitModel model;
    model.Phones.SetEntry(PhoneNumber(50), "", 49, RowStatus::Pending);
    const std::string big = dir.File("big.gto");
    ASSERT_TRUE(SaveProject(model, big).ok);
    const CliResult unsaved = Cli({"--json", "--project", big, "upload", "phones"});
    EXPECT_EQ(unsaved.status, 1);
    Json(unsaved);  // one object, and nothing else
    EXPECT_NE(unsaved.out.find("\"ok\":false"), std::string::npos) << unsaved.out;
    EXPECT_NE(unsaved.out.find("is not saved"), std::string::npos) << unsaved.out;

    const std::string json = dir.File("big.json");
    ASSERT_EQ(CliBare({"project", "convert", big, json}).status, 0);
    const std::string nowhere = WriteFile("plain", "") + "/out";
    const CliResult convert = CliBare({"project", "convert", json, nowhere + ".gto"});
    EXPECT_EQ(convert.status, 1) << convert.err;
    const CliResult exported = CliBare({"export", "phones", big, nowhere + ".xls"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_NE(exported.err.find("is not a folder"), std::string::npos) << exported.err;
}

TEST_F(CliReporting, ProgressOnStandardErrorAndCtrlCWhileTheUnitIsSilent) {
    const std::string journal = dir.File("journal");
    // The house count and two slots are answered; then the unit falls silent.
    StartUnit({"--journal", journal, "--silent-after", "3"});
    const std::string project = PhoneProject("unit.gto", 10);
    Strings args = {"--device", unit->Device(), "--password", kPassword, "--unit-id", "1",
                    "--project", project, "upload", "phones"};
    CliProcess run(args, dir.File("cfg"), dir.path());
    // A generous limit only keeps a broken run from hanging the test.
    for (int wait = 0; wait < 2000 && LinesWith(journal, "#WHL0003").empty(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    run.Interrupt();
    const CliResult stopped = run.Wait();
    EXPECT_EQ(stopped.status, 130) << "stopped before the supervision gave up\n" << stopped.err;
    EXPECT_NE(stopped.err.find("upload phones: 1 of 10\n"), std::string::npos) << stopped.err;
    EXPECT_NE(stopped.err.find("8 slots left Pending"), std::string::npos) << stopped.err;
    EXPECT_EQ(LinesWith(journal, "#WHL0003").size(), 1u) << "nothing is sent again";
}

}  // namespace
}  // namespace dorvik::test
