// Program entry of kagiroi-cli: the program without a window.
#include "app/ProgramFolder.h"
#include "cli/CliCommands.h"

#include <algorithm>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#endif

namespace {

// Windows opens the standard streams in text mode, which turns every LF into CR LF and so
// changes the bytes of a --sjis grid; a console shows UTF-8 only when told so.
void PrepareStandardStreams([[maybe_unused]] bool sjis) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(sjis ? 932 : CP_UTF8);
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    PrepareStandardStreams(std::find(args.begin(), args.end(), "--sjis") != args.end());
    return kagiroi::RunCli(kagiroi::CurrentProgramFile(argv[0]), args);
}
