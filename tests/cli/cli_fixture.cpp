#include "cli_fixture.h"

#include "model/project_file.h"

namespace dorvik::test {

void CliFixture::StartUnit(const std::vector<std::string>& args) {
    unit = std::make_unique<UnitSimProcess>(args);
    ASSERT_FALSE(unit->Device().empty()) << "the simulated unit did not start";
}

std::vector<std::string> CliFixture::Link() const {
    std::vector<std::string> link = {
        "--device", unit ? unit->Device() : "", "--password", kPassword, "--unit-id", "0815",
        "--quiet"};
    link.insert(link.end(), extraLink.begin(), extraLink.end());
    return link;
}

CliResult CliFixture::Cli(const std::vector<std::string>& args) {
    std::vector<std::string> all = Link();
    all.insert(all.end(), args.begin(), args.end());
    return CliBare(all);
}

std::unique_ptr<ProgramRun> CliFixture::StartCli(const std::vector<std::string>& args) {
    return std::make_unique<ProgramRun>(CLI_PATH, args, dir.File("cli"),
                                        "DORVIK_CONFIG_DIR=" + dir.File("cfg"));
}

std::string CliFixture::PhoneNumber(int slot) {
    std::string digits = std::to_string(slot);
    return "1390000" + std::string(4 - digits.size(), '0') + digits;
}

std::string CliFixture::PhoneProject(const std::string& name, int count) {
    UnitModel model;
    for (int slot = 1; slot <= count; ++slot)
        model.phones.SetEntry(PhoneNumber(slot), "User " + std::to_string(slot), slot - 1,
                              RowStatus::Pending);
    const std::string path = dir.File(name);
    EXPECT_TRUE(SaveProject(model, path).ok);
    return path;
}

std::vector<RowStatus> CliFixture::PhoneStatuses(const std::string& path, int count) {
    UnitModel model;
    EXPECT_TRUE(LoadProject(model, path).ok);
    std::vector<RowStatus> statuses;
    for (int row = 0; row < count; ++row) statuses.push_back(model.phones.Status(row));
    return statuses;
}

cli::Json CliFixture::Json(const CliResult& result) {
    std::string error;
    std::optional<cli::Json> value = cli::ParseJson(result.out, &error);
    EXPECT_TRUE(value) << error << " in: " << result.out;
    return value.value_or(cli::Json());
}

std::string CliFixture::WriteFile(const std::string& name, const std::string& text) {
    const std::string path = dir.File(name);
    WriteBytes(path, text);
    return path;
}

}  // namespace dorvik::test
