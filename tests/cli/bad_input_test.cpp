// Bad input is refused with a clear message and exit status 2, and nothing
// already held is lost.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_fixture.h"
#include "model/project_file.h"

namespace dorvik::test {
namespace {

using CliBadInput = CliFixture;

struct Case {
    std::vector<std::string> args;
    const char* message;
};

void ExpectRefused(const CliResult& r, const Case& c) {
    EXPECT_EQ(r.status, 2) << c.message << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
}

TEST_F(CliBadInput, UsageMistakesAndUnusableFilesExitWithTwo) {
    const std::string garbage = WriteFile("notes.gto", "these are my notes, not a project");
    const std::string plain = WriteFile("plain-file", "");
    std::string nested;
    for (int depth = 0; depth < 300; ++depth) nested = "<a>" + nested + "</a>";
    const std::string deep = WriteFile("deep.gto", nested);
    const std::vector<std::string> link = {"--password", "482915", "--unit-id", "1"};
    const auto withLink = [&](std::vector<std::string> args) {
        args.insert(args.begin(), link.begin(), link.end());
        return args;
    };
    const std::vector<Case> cases = {
        {{"--bogus", "connect"}, "unknown option --bogus"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{}, "no command"},
        {{"upload"}, "name the list"},
        {{"log", "--multi-relay"}, "--multi-relay is not an option of log"},
        {{"--baud", "96oo", "connect"}, "--baud: \"96oo\" is not a number"},
        {{"--unit-phone", "139abc", "connect"}, "is not a phone number"},
        {{"--password", "12#3", "connect"}, "--password: it must not"},
        {{"--password", "12\n3", "connect"}, "--password: it must not"},
        {withLink({"--device", dir.File("no-such-tty"), "connect"}), "no device"},
        {withLink({"--device", plain, "connect"}), "is not a terminal"},
        {{"project", "show", garbage}, "is not a project file"},
        {{"project", "show", deep}, "line 1: the file is too large or too deeply nested"},
        {withLink({"--project", garbage, "--device", plain, "connect"}), "is not a project file"},
        {{"pdu", "encode", "--to", "12ab", "hello"}, "cannot encode"},
        {{"pdu", "decode", "07917283zz"}, "not an SMS-DELIVER PDU"},
        {{"run", dir.File("no-script")}, "cannot read the script"},
    };
    for (const Case& c : cases) ExpectRefused(CliBare(c.args), c);
    EXPECT_EQ(ReadBytes(garbage), "these are my notes, not a project");
}

// A FIFO, a device and a folder given as each kind of input file are
// refused at once, on one line, and no project is written.
TEST_F(CliBadInput, InputsThatAreNoRegularFilesAreRefusedAtOnce) {
    const std::string out = dir.File("out.gto");
    const std::vector<std::pair<std::string, std::vector<std::string>>> kinds = {
        {".ini", {"--settings", "", "pdu", "decode", "00"}},
        {".gto", {"project", "show", ""}},
        {".json", {"project", "convert", "", out}},
        {".csv", {"project", "convert", "", out}},
        {".txt", {"run", ""}},
        {".xls", {"import", "phones", "", out}},
    };
    for (const auto& [ext, args] : kinds) {
        const std::string fifo = dir.File("fifo" + ext), folder = dir.File("folder" + ext);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::filesystem::create_directory(folder);
        for (const std::string& input : {fifo, folder, std::string("/dev/zero")}) {
            std::vector<std::string> line = args;
            *std::find(line.begin(), line.end(), "") = input;
            const CliResult r = CliBare(line);
            EXPECT_EQ(r.status, 2) << ext << " " << input << "\n" << r.err;
            EXPECT_NE(r.err.find(input + " is not a regular file\n"), std::string::npos) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliBadInput, APasswordThatWouldBreakTheFrameIsRefusedFromTheSettingsFileToo) {
    std::filesystem::create_directories(dir.File("cfg"));
    WriteFile("cfg/DORVIK.ini", "[INIT]\npassword=12#34\nunitID=1\n");
    StartUnit({});
    ExpectRefused(CliBare({"--device", unit->Device(), "connect"}),
                  {{}, "the unit password must not"});
}

TEST_F(CliBadInput, BadValuesAreRefusedBeforeTheUnitHearsAnything) {
    const std::string journal = dir.File("journal");
    StartUnit({"--journal", journal});
    UnitModel model;
    model.phones.SetEntry("13900000001", "", 0, RowStatus::Pending);
    model.phones.SetEntry("139OOOOO002", "", 1, RowStatus::Pending);
    const std::string project = dir.File("letters.gto");
    ASSERT_TRUE(SaveProject(model, project).ok);
    const std::string before = ReadBytes(project);
    // A workbook cut short, as by an interrupted copy.
    const std::string sheet = dir.File("list.xls");
    ASSERT_EQ(CliBare({"export", "phones", PhoneProject("full.gto", 40), sheet}).status, 0);
    const std::string truncated = WriteFile("truncated.xls", ReadBytes(sheet).substr(0, 3000));
    const std::string letters = WriteFile("letters.csv",
                                          "\"Index\",\"Phone Number\",\"User Name\",\"In Unit\"\r\n"
                                          "\"1\",\"13900000001\",\"\",\"0\"\r\n"
                                          "\"2\",\"1390000000x\",\"\",\"0\"\r\n");

    // A project holding more than the lists can keep is never rewritten.
    const std::string big = WriteFile(
        "big.gto", "<gto><PhoneNumber><Normal><Index>9999</Index><Phone>222</Phone>"
                   "<Status>1</Status></Normal></PhoneNumber></gto>");
    const std::string bigBefore = ReadBytes(big);

    const std::vector<Case> cases = {
        {{"import", "phones", letters, big}, "entries beyond what the lists and the log can keep"},
        {{"--project", project, "upload", "phones"}, "Ilegal phone number, slot 2: 139OOOOO002"},
        {{"upload", "alarm", dir.File("missing.gto")}, "no file"},
        {{"--project", dir.File("typo.gto"), "upload", "phones"}, "no project file"},
        {{"upload", "phones", truncated}, "truncated.xls: The file is not a workbook"},
        {{"export", "phones", project, dir.File("out.xlsm")}, "Unsupported file type \".xlsm\""},
        {{"upload", "phones", WriteFile("letters.dat", "1,2")}, "Unsupported file type \".dat\""},
        {{"upload", "phones", letters}, "Ilegal phone number, slot 2: 1390000000x"},
        {{"upload", "alarm", letters}, "the alarm list is not kept in spreadsheets"},
        {{"--project", project, "set", "delay=5s"}, "delay: \"5s\" is not a number"},
        {{"set", "newPassword=ab#c"}, "newPassword: \"ab#c\" is not a password"},
        {{"set", "unitName=Gate\nB"}, "is not a text without"},
        {{"set", "relay5=on"}, "unknown setting \"relay5\""},
        {{"set", "reception=20"}, "is read from the unit only"},
        {{"send", "STATUS?\r\nWHL0001=1"}, "one line of text"},
    };
    for (const Case& c : cases) ExpectRefused(Cli(c.args), c);
    EXPECT_EQ(ReadBytes(project), before) << "the project is left as it was";
    EXPECT_EQ(ReadBytes(big), bigBefore);
    EXPECT_EQ(ReadBytes(journal), "") << "nothing reached the unit";
}

}  // namespace
}  // namespace dorvik::test
