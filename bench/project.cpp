// Save and load of a full project file, against the time xmllint needs just
// to parse the same file.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/project_file.h"
#include "sample_project.h"
#include "scratch_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 15;

// Median wall time of `action` over kRuns runs, in milliseconds.
double MedianMs(const std::function<bool()>& action) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        if (!action()) return -1;
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool RunXmllint(const std::string& path) {
    std::vector<char*> argv = {const_cast<char*>("xmllint"), const_cast<char*>("--noout"),
                               const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xmllint", nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const dorvik::test::ScratchDir dir;
    const std::string path = dir.File("full.gto");

    dorvik::UnitModel model;
    dorvik::test::FillFullProject(model);
    const double save = MedianMs([&] { return dorvik::SaveProject(model, path).ok; });
    const double build = MedianMs([&] { return dorvik::FormatProject(model).has_value(); });
    const double load = MedianMs([&] {
        dorvik::UnitModel loaded;
        return dorvik::LoadProject(loaded, path).ok;
    });
    const double lint = MedianMs([&] { return RunXmllint(path); });

    std::printf("project file: %ju bytes\n", static_cast<std::uintmax_t>(fs::file_size(path)));
    std::printf("save            %8.2f ms\n", save);
    std::printf("  of which document building %8.2f ms (the rest: write, fsync, rename)\n", build);
    std::printf("load            %8.2f ms\n", load);
    std::printf("xmllint --noout %8.2f ms\n", lint);
    std::printf("save/xmllint %.2f, load/xmllint %.2f (target: under 20 ms and under 4)\n",
                save / lint, load / lint);
    return save < 0 || load < 0 || lint < 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}
