// dorvik-cli: the command-line front end.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/session.h"

int main(int argc, char** argv) {
    dorvik::cli::InstallInterruptHandler();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return dorvik::cli::RunCommandLine(args, std::cout, std::cerr);
}
