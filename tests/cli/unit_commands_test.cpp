// dorvik-cli against the simulated unit on the serial link and by modem.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "cli_fixture.h"
#include "model/project_file.h"
#include "serial_test_support.h"

namespace dorvik::test {
namespace {

using JsonValue = cli::Json;
using cli::JsonMember;
using CliSerial = CliFixture;
using CliModem = CliFixture;

std::string Member(const JsonValue& object, const char* name) {
    const JsonValue* value = JsonMember(object, name);
    return value ? cli::JsonScalarText(*value) : "<missing " + std::string(name) + ">";
}

TEST_F(CliSerial, CtrlCLeavesTheUnconfirmedSlotsPendingAndTheNextRunSendsOnlyThose) {
    constexpr int kSlots = 12;
    const std::string journal = dir.File("journal");
    StartUnit({"--journal", journal});
    const std::string project = PhoneProject("unit.gto", kSlots);
    std::vector<std::string> args = Link();
    args.insert(args.end(), {"--project", project, "upload", "phones"});
    const std::unique_ptr<ProgramRun> run = StartCli(args);
    // A generous limit only keeps a broken run from hanging the test.
    AwaitLines(journal, "#WHL", 3, 20000);
    run->Interrupt();
    const CliResult stopped = run->Wait();
    EXPECT_EQ(stopped.status, 130) << stopped.err;

    const int sent = CountLines(journal, "#WHL");
    const std::vector<RowStatus> statuses = PhoneStatuses(project, kSlots);
    ASSERT_GT(sent, 0);
    ASSERT_LT(sent, kSlots) << "the run was not stopped";
    for (int row = 0; row < kSlots; ++row)
        EXPECT_EQ(statuses[row], row < sent ? RowStatus::InUnit : RowStatus::Pending)
            << "slot " << row + 1;

    const CliResult rest = Cli({"--project", project, "upload", "phones"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_NE(rest.out.find(std::to_string(kSlots - sent) + " slots sent, 0 left Pending"),
              std::string::npos)
        << rest.out;
    EXPECT_EQ(CountLines(journal, "#WHL"), kSlots) << "every slot sent once";
    for (RowStatus s : PhoneStatuses(project, kSlots)) EXPECT_EQ(s, RowStatus::InUnit);
}

// Every key of each settings page is set, kept in the project and read back
// from the unit; each group is answered, the grouped ones in one exact line.
TEST_F(CliSerial, EverySettingOfBothSettingsPagesIsSetAndReadBack) {
    using Settings = std::vector<std::pair<std::string, std::string>>;
    struct Page {
        std::vector<std::string> flags;
        Settings keys;  // beyond the ones both pages send alike
        std::vector<std::string> answers, lines;
    };
    const Settings common = {
        {"unitName", "Gate"},         {"unitVersion", "V9"},         {"clockUpdateEnabled", "on"},
        {"unitPhone", "13800001111"}, {"band", "GSM 850, PCS 1900"}, {"relayMode", "1"},
        {"alarm1Enabled", "on"},      {"alarm1Mode", "PHONE"},       {"alarm1Interval", "45"},
        {"alarm2Enabled", "off"},     {"alarmText1", "Fire"},        {"alarmText2", "Flood"},
        {"batteryEnabled", "on"},     {"unitTime", "2025/04/05 06:07:08"}};
    const std::vector<Page> pages = {
        {{"--multi-relay"},
         {{"delay", "900"}, {"batteryValue", "15"}, {"relay1", "on"}, {"relay2", "off"},
          {"relay3", "on"}, {"relay4", "off"}, {"relay5", "off"}, {"relay6", "off"},
          {"relay7", "on"}, {"newPassword", "4321"}},
         {"Set out  success", "Set password success"},
         {"#PWD482915#OUT=1010001"}},
        {{},
         {{"delay", "7"}, {"delayUnit", "s"}, {"batteryAlarm", "30"}, {"relay1", "on"},
          {"relay2", "off"}},
         {},
         {"#PWD482915#OUT1=ON"}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.flags.empty() ? "single relay" : "seven relays");
        const std::string journal = dir.File(page.flags.empty() ? "single" : "multi");
        std::vector<std::string> unitArgs = page.flags;
        unitArgs.insert(unitArgs.end(), {"--journal", journal});
        StartUnit(unitArgs);
        const std::string project = PhoneProject("unit.gto", 3);
        Settings settings = common;
        settings.insert(settings.end(), page.keys.begin(), page.keys.end());
        std::vector<std::string> args = {"--project", project, "set"};
        args.insert(args.end(), page.flags.begin(), page.flags.end());
        for (const auto& [key, value] : settings) args.push_back(key + "=" + value);
        const CliResult set = Cli(args);
        ASSERT_EQ(set.status, 0) << set.err;
        std::vector<std::string> answers = page.answers;
        answers.insert(answers.end(),
                       {"Set unit name success", "Set unit time success", "Set band  success",
                        "Set Relay mode succes", "Set alarm mode success",
                        "Set alarm content success", "Set delay time success",
                        "Set battery backup success"});
        for (const std::string& answer : answers)
            EXPECT_NE(set.out.find(answer + "\n"), std::string::npos) << answer;
        std::vector<std::string> lines = page.lines;
        lines.push_back("#PWD482915#ALARM-IN1=ON:PHONE:45,ALARM-IN2=OFF");
        for (const std::string& line : lines) EXPECT_EQ(CountLines(journal, line), 1) << line;
        UnitModel saved;
        ASSERT_TRUE(LoadProject(saved, project).ok);
        EXPECT_EQ(page.flags.empty() ? saved.settings.UnitName : saved.multiRelay.UnitName, "Gate")
            << "the project keeps the settings";
        EXPECT_EQ(saved.phones.Used(), 3) << "and its lists";

        std::vector<std::string> read = Link();
        if (!page.flags.empty()) read[3] = "4321";  // the new password
        read.insert(read.end(), {"--json", "get", "settings"});
        read.insert(read.end(), page.flags.begin(), page.flags.end());
        const JsonValue got = Json(CliBare(read));
        const JsonValue* values = JsonMember(got, "settings");
        ASSERT_TRUE(values) << "no settings";
        for (const auto& [key, value] : settings) {
            if (key == "batteryAlarm" || key == "unitTime" || key == "band" ||
                key == "newPassword")
                continue;
            EXPECT_EQ(Member(*values, key.c_str()), value) << key;
        }
        EXPECT_EQ(Member(*values, "band"), "GSM850,PCS1900") << "the unit drops the blanks";
        EXPECT_EQ(Member(*values, "unitTime").substr(0, 10), "2025/04/05");
        EXPECT_EQ(Member(*values, "reception"), "23");
    }
    EXPECT_EQ(Member(*JsonMember(Json(Cli({"--json", "get", "settings"})), "settings"),
                     "batteryValue"),
              "30");

    // Setting one part of a group keeps the unit's other parts.
    ASSERT_EQ(Cli({"set", "alarmText2=Smoke"}).status, 0);
    const JsonValue again = Json(Cli({"--json", "get", "settings"}));
    EXPECT_EQ(Member(*JsonMember(again, "settings"), "alarmText1"), "Fire");
    EXPECT_EQ(Member(*JsonMember(again, "settings"), "alarmText2"), "Smoke");
}

TEST_F(CliSerial, AProjectWithSlotsBeyondTheUnitsListIsNotSavedOver) {
    StartUnit({"--houses", "10"});
    UnitModel model;
    model.phones.SetEntry(PhoneNumber(1), "", 0, RowStatus::Pending);
    model.phones.SetEntry(PhoneNumber(50), "", 49, RowStatus::Pending);
    const std::string project = dir.File("big.gto");
    ASSERT_TRUE(SaveProject(model, project).ok);
    const std::string before = FormatProject(model).value_or("");

    const CliResult upload = Cli({"--project", project, "upload", "phones"});
    EXPECT_EQ(upload.status, 1);
    EXPECT_NE(upload.err.find("is not saved: 1 of its phone slots lie beyond the unit's 20"),
              std::string::npos)
        << upload.err;
    // With --json the failure is one object, and nothing else.
    const CliResult failed = Cli({"--json", "--project", project, "upload", "phones"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(Member(Json(failed), "ok"), "false") << failed.out;
    UnitModel after;
    ASSERT_TRUE(LoadProject(after, project).ok);
    EXPECT_EQ(FormatProject(after).value_or(""), before);

    // File commands that cannot write their output exit with 1 too.
    const std::string json = dir.File("big.json"), nowhere = WriteFile("plain", "") + "/out";
    ASSERT_EQ(CliBare({"project", "convert", project, json}).status, 0);
    EXPECT_EQ(CliBare({"project", "convert", json, nowhere + ".gto"}).status, 1);
    const CliResult exported = CliBare({"export", "phones", project, nowhere + ".xls"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_NE(exported.err.find("is not a folder"), std::string::npos) << exported.err;
}

TEST_F(CliSerial, AHouseListFromASpreadsheetIsUploadedAndReadBack) {
    StartUnit({"--houses", "20"});
    EXPECT_EQ(Member(Json(Cli({"--json", "connect"})), "houses"), "20");
    const std::string sheet = WriteFile("houses.csv",
                                        "\"Index\",\"House Number\",\"Dial1\",\"Dial2\"\r\n"
                                        "\"1\",\"00101\",\"13900000101\",\"\"\r\n"
                                        "\"2\",\"00102\",\"13900000102\",\"13900000202\"\r\n");
    const CliResult upload = Cli({"upload", "house", sheet});
    ASSERT_EQ(upload.status, 0) << upload.err;
    EXPECT_NE(upload.out.find("2 slots sent, 0 left Pending"), std::string::npos) << upload.out;

    const JsonValue read = Json(Cli({"--json", "read", "house"}));
    const JsonValue* slots = JsonMember(read, "slots");
    ASSERT_TRUE(slots);
    ASSERT_EQ(slots->size(), 2u);
    EXPECT_EQ(Member((*slots)[1], "houseNumber"), "00102");
    EXPECT_EQ(Member((*slots)[1], "dial1"), "13900000102");
    EXPECT_EQ(Member((*slots)[1], "dial2"), "13900000202");
}

TEST_F(CliSerial, ARawCommandOverTheTavrinLinkPrintsTheAnswer) {
    const std::string journal = dir.File("journal");
    StartUnit({"--unit-id", "0815", "--journal", journal});
    const std::string project = dir.File("P.gto");
    const CliResult sent = Cli({"--tavrin", "--project", project, "send", "STATUS?"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(LinesWith(project, "<UnitPassword>482915</UnitPassword>").size(), 2u)
        << "the project keeps the password given on the command line";
    EXPECT_EQ(sent.out.rfind("ALM1=", 0), 0u) << sent.out;
    EXPECT_EQ(CountLines(journal, "PROG-RF-0815"), 1);
    EXPECT_EQ(CountLines(journal, "PROG-QUIT-0815"), 1) << "closed on the way out";
}

TEST_F(CliSerial, ScriptStopsAtTheFirstFailureUnlessToldToGoOn) {
    StartUnit({"--seed-phones", "2"});
    const std::string script = WriteFile("steps.txt",
                                         "# provision\n"
                                         "set \"unitName=Front Gate\"   # quoted for the blank\n"
                                         "set band=GSM1234\n"
                                         "read phones\n");
    const CliResult stopped = Cli({"run", script});
    EXPECT_EQ(stopped.status, 2);
    EXPECT_EQ(stopped.out.find("13"), std::string::npos) << "the read did not run";
    EXPECT_NE(stopped.err.find("steps.txt:3"), std::string::npos) << stopped.err;

    const CliResult kept = Cli({"run", script, "--keep-going"});
    EXPECT_EQ(kept.status, 2);
    EXPECT_NE(kept.out.find("Set unit name success"), std::string::npos);
    EXPECT_EQ(CountLines(dir.File("cli.out"), "InUnit"), 2) << kept.out;
}

// A SIM left full of old answers is emptied at connect; each answer leaves
// the SIM before dorvik-cli ends.
TEST_F(CliModem, ConnectsUploadsAndSetsByShortMessage) {
    constexpr int kOldAnswers = 30;  // a full SIM
    const std::string journal = dir.File("journal");
    StartUnit({"--modem", "--sim-full", "--unit-phone", "13900002222", "--journal", journal});
    extraLink = {"--modem", "--unit-phone", "13900002222", "--reply-timeout", "10"};
    const CliResult connected = Cli({"connect"});
    ASSERT_EQ(connected.status, 0) << connected.err;
    EXPECT_NE(connected.out.find("modem"), std::string::npos);
    EXPECT_EQ(CountLines(journal, "AT+CMGD="), kOldAnswers);

    const std::string project = PhoneProject("unit.gto", 2);
    const CliResult upload = Cli({"--project", project, "upload", "phones"});
    ASSERT_EQ(upload.status, 0) << upload.err;
    for (RowStatus s : PhoneStatuses(project, 2)) EXPECT_EQ(s, RowStatus::InUnit);
    ASSERT_EQ(Cli({"set", "unitName=ByModem"}).status, 0);
    const JsonValue got = Json(Cli({"--json", "get", "settings"}));
    EXPECT_EQ(Member(*JsonMember(got, "settings"), "unitName"), "ByModem");
    const int answers = CountLines(journal, "AT+CMGR=");
    EXPECT_GE(answers, 3) << "two slots and a setting";
    EXPECT_EQ(CountLines(journal, "AT+CMGD="), kOldAnswers + answers);
    for (int run = 1; run <= 3; ++run) {
        const CliResult sent = Cli({"send", "BAND?"});
        ASSERT_EQ(sent.status, 0) << "run " << run << ": " << sent.err;
        ASSERT_EQ(sent.out.rfind("BAND IS ", 0), 0u) << sent.out;
        ASSERT_EQ(CountLines(journal, "AT+CMGR="), answers + run);
        ASSERT_EQ(CountLines(journal, "AT+CMGD="), kOldAnswers + answers + run) << "run " << run;
    }

    const CliResult read = Cli({"read", "phones"});
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("Unsupported in modem mode"), std::string::npos);
}

// A modem another program holds: its port is busy, or it does not answer.
TEST_F(CliModem, AModemInUseElsewhereIsNamedAsSuch) {
    StartUnit({"--modem"});
    const int held = ::open(unit->Device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    PtyMaster silent;
    for (const std::string& device : {unit->Device(), silent.SlavePath()}) {
        const CliResult r = CliBare({"--device", device, "--password", kPassword, "--unit-id",
                                     "0815", "--modem", "--unit-phone", "13900002222", "connect"});
        EXPECT_EQ(r.status, 1) << device;
        EXPECT_NE(r.err.find("The modem is in use by another program, for example ModemManager"),
                  std::string::npos)
            << r.err;
    }
    ::close(held);
}

}  // namespace
}  // namespace dorvik::test
