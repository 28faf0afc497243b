// Program entry of kagiroi-cli: the program without a window.
#include "app/ProgramFolder.h"
#include "cli/CliCommands.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return kagiroi::RunCli(kagiroi::CurrentProgramFile(argv[0]), args);
}
