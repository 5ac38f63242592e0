#pragma once
// dorvik-cli run as a process against dorvik-unitsim, with a scratch folder
// for its settings, projects and output.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/json.h"
#include "model/unit_model.h"
#include "scratch_dir.h"
#include "unitsim_process.h"

namespace dorvik::test {

using CliResult = ProgramResult;

class CliFixture : public ::testing::Test {
protected:
    static constexpr char kPassword[] = "482915";

    // Starts the simulated unit; the link options then point at it.
    void StartUnit(const std::vector<std::string>& args);
    // The options that reach the unit.
    std::vector<std::string> Link() const;
    // Runs dorvik-cli with the link options before args.
    CliResult Cli(const std::vector<std::string>& args);
    // Runs dorvik-cli with exactly these arguments.
    CliResult CliBare(const std::vector<std::string>& args) { return StartCli(args)->Wait(); }
    // Starts dorvik-cli with exactly these arguments, its output in cli.out and cli.err.
    std::unique_ptr<ProgramRun> StartCli(const std::vector<std::string>& args);

    // A project whose phone slots 1..count are Pending, numbers 13900000001 on.
    std::string PhoneProject(const std::string& name, int count);
    static std::string PhoneNumber(int slot);
    // Status of each phone slot 1..count of a saved project.
    std::vector<RowStatus> PhoneStatuses(const std::string& path, int count);
    // The one JSON object a --json run printed.
    static cli::Json Json(const CliResult& result);
    std::string WriteFile(const std::string& name, const std::string& text);

    ScratchDir dir;
    std::unique_ptr<UnitSimProcess> unit;
    std::vector<std::string> extraLink;  // modem options and the like
};

}  // namespace dorvik::test
