// The parts of dorvik-cli that need no unit: JSON, project conversion,
// scripts, help, the settings file and the PDU codec commands.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "cli/console_seams.h"
#include "cli/help.h"
#include "cli/json.h"
#include "cli/script.h"
#include "model/project_file.h"
#include "model/settings_file.h"
#include "model/text_codec.h"
#include "scratch_dir.h"
#include "sms_pdu_samples.h"

namespace dorvik::test {
namespace {

using namespace dorvik::cli;

struct InProcess {
    int status;
    std::string out, err;
};

InProcess RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliJson, TextIsOneLineOfUtf8AndBadDocumentsSayWhere) {
    Json json = Json::object();
    json["text"] = "line\n \xe4\xbd\xa0 \xff";
    EXPECT_EQ(JsonText(json), "{\"text\":\"line\\n \xe4\xbd\xa0 \xef\xbf\xbd\"}");
    std::string error;
    for (const auto& [bad, where] : {std::pair{"{\"a\": [1,\n  tru]}", "line 2, column 6"},
                                     std::pair{"{\"a\":\n 1e99930}", "line 2, column 8"}}) {
        EXPECT_FALSE(ParseJson(bad, &error));
        EXPECT_NE(error.find(where), std::string::npos) << error;
    }
}

// A project with every kind of content, Chinese names included.
void FillProject(UnitModel& m) {
    m.settings.UnitName = Utf8ToGb("大门");
    m.settings.AlarmMode1 = "1,1,30";
    m.settings.RelayStatus = 1;
    m.settings.UnitMode = 1;
    m.multiRelay.RelayStatus = "1010101";
    m.phones.SetEntry("13900000001", Utf8ToGb("张三"), 0, RowStatus::InUnit);
    m.phones.SetEntry("13900000077", "Bob", 76, RowStatus::Pending);
    SpecialTexts s;
    s.number = "13800000002";
    s.fromTime = "08:00";
    s.toTime = "18:00";
    s.days[1] = "V";
    m.specials.SetEntry(s, m.specials.RowOf(SpecialSection::S, 3), RowStatus::Pending, "S");
    s.amount = "12";
    m.specials.SetEntry(s, m.specials.RowOf(SpecialSection::Q, 1), RowStatus::InUnit, "Q");
    m.alarms.SetEntry("110", "", 4, RowStatus::Pending);
    m.log.SetEntry("7", "2024/03/01 08:19", "13711825978", "Ann", 0);
}

TEST(CliProject, ConvertingToJsonAndBackKeepsTheProject) {
    ScratchDir dir;
    UnitModel original;
    FillProject(original);
    ASSERT_TRUE(SaveProject(original, dir.File("a.gto")).ok);

    EXPECT_EQ(RunInProcess({"project", "convert", dir.File("a.gto"), dir.File("a.json")}).status,
              0);
    const InProcess back =
        RunInProcess({"project", "convert", dir.File("a.json"), dir.File("b.gto")});
    ASSERT_EQ(back.status, 0) << back.err;
    UnitModel copy;
    ASSERT_TRUE(LoadProject(copy, dir.File("b.gto")).ok);
    EXPECT_EQ(FormatProject(copy), FormatProject(original));

    const InProcess shown = RunInProcess({"--json", "project", "show", dir.File("b.gto")});
    EXPECT_NE(shown.out.find("\"name\":\"张三\""), std::string::npos) << shown.out;

    // Deleting the log clears the log the project keeps, and only that.
    ASSERT_EQ(RunInProcess({"--settings", dir.File("DORVIK.ini"), "--project", dir.File("b.gto"),
                            "log", "--delete"})
                  .status,
              0);
    UnitModel cleared;
    ASSERT_TRUE(LoadProject(cleared, dir.File("b.gto")).ok);
    EXPECT_EQ(cleared.log.RowCount(), 0);
    EXPECT_EQ(cleared.phones.Row(76).number, "13900000077") << "the lists stay";
}

TEST(CliProject, ConvertingOneListToCsvAndBackKeepsItsSlots) {
    ScratchDir dir;
    UnitModel original;
    FillProject(original);
    ASSERT_TRUE(SaveProject(original, dir.File("a.gto")).ok);
    ASSERT_TRUE(SaveProject(*std::make_unique<UnitModel>(), dir.File("b.gto")).ok);

    for (const char* list : {"phones", "special", "alarm"}) {
        const std::string csv = dir.File(std::string(list) + ".csv");
        ASSERT_EQ(
            RunInProcess({"project", "convert", dir.File("a.gto"), csv, "--list", list}).status, 0);
        const InProcess back =
            RunInProcess({"project", "convert", csv, dir.File("b.gto"), "--list", list});
        ASSERT_EQ(back.status, 0) << back.err;
    }
    UnitModel copy;
    ASSERT_TRUE(LoadProject(copy, dir.File("b.gto")).ok);
    for (int row : {0, 76}) EXPECT_EQ(copy.phones.Row(row).number, original.phones.Row(row).number);
    EXPECT_EQ(copy.phones.Status(76), RowStatus::Pending);
    EXPECT_EQ(copy.specials.Row(2).ToArray(), original.specials.Row(2).ToArray());
    EXPECT_EQ(copy.specials.Status(40), RowStatus::InUnit);
    EXPECT_EQ(copy.alarms.Row(4).number, "110");

    const std::string wrong = dir.File("wrong.csv");
    ASSERT_EQ(
        RunInProcess({"project", "convert", dir.File("a.gto"), wrong, "--list", "alarm"}).status,
        0);
    EXPECT_EQ(
        RunInProcess({"project", "convert", wrong, dir.File("b.gto"), "--list", "special"}).status,
        2)
        << "a CSV of another list is refused";
}

TEST(CliHelp, EveryCommandListsEveryOptionItTakes) {
    const InProcess main = RunInProcess({"--help"});
    EXPECT_EQ(main.status, 0);
    for (const OptionInfo& option : AllOptions())
        EXPECT_NE(main.out.find(option.name), std::string::npos) << option.name;
    for (const CommandInfo& command : AllCommands()) {
        const InProcess help = RunInProcess({command.name, "--help"});
        EXPECT_EQ(help.status, 0) << command.name;
        for (const OptionInfo& option : AllOptions()) {
            const bool listed = help.out.find(std::string(option.name) + " ") != std::string::npos;
            const bool taken = option.scope == OptionScope::Anywhere ||
                               command.Takes(option.name) ||
                               (command.unit && option.scope == OptionScope::Session);
            EXPECT_EQ(listed, taken) << command.name << " " << option.name;
        }
    }
    EXPECT_NE(RunInProcess({"set", "--help"}).out.find("alarm2Interval"), std::string::npos);
    EXPECT_EQ(RunInProcess({"upload", "-h"}).out, RunInProcess({"upload", "--help"}).out);
}

TEST(CliSettingsFile, ReadButWrittenOnlyWhenAsked) {
    ScratchDir dir;
    const std::string ini = dir.File("DORVIK.ini");
    ASSERT_EQ(
        RunInProcess({"--settings", ini, "--password", "999", "--com", "3", "log", "--delete"})
            .status,
        0);
    EXPECT_FALSE(std::filesystem::exists(ini));

    ASSERT_EQ(RunInProcess({"--settings", ini, "--password", "999", "--com", "3", "--save-settings",
                            "log", "--delete"})
                  .status,
              0);
    const ConnectionSettings saved = SettingsFile(ini).Read();
    EXPECT_EQ(saved.password, "999");
    EXPECT_EQ(saved.port, 3);
}

TEST(CliQuestions, AQuestionFailsTheCommandUnlessAnswered) {
    ConsoleMessageBox refuse;
    EXPECT_EQ(
        refuse.Show("Disconnected from unit?", kCaption, MsgIcon::Question, MsgButtons::YesNo),
        MsgAnswer::No);
    EXPECT_EQ(refuse.Show("Save?", kCaption, MsgIcon::Question, MsgButtons::YesNoCancel),
              MsgAnswer::Cancel);
    ASSERT_EQ(refuse.Errors().size(), 2u);
    EXPECT_NE(refuse.Errors()[0].find("give --yes or --no"), std::string::npos);

    ConsoleMessageBox yes(QuestionPolicy::Yes);
    EXPECT_EQ(yes.Show("Save?", kCaption, MsgIcon::Question, MsgButtons::YesNoCancel),
              MsgAnswer::Yes);
    yes.Info("Set band  success");
    yes.Show("a line setting", kCaption, MsgIcon::Warning, MsgButtons::Ok);
    EXPECT_TRUE(yes.Errors().empty());
    EXPECT_EQ(yes.Infos(), std::vector<std::string>{"Set band  success"});
    EXPECT_EQ(yes.Warnings().size(), 1u);
}

}  // namespace
}  // namespace dorvik::test
