// Program entry of kagiroi-cli: the program without a window.
#include "app/ProgramFolder.h"
#include "cli/CliCommands.h"
#include "platform/Sjis.h"

#include <algorithm>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>

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

// The arguments as UTF-8, the command line's text everywhere: on Windows read from the wide
// command line, so that a Japanese folder name is right whatever the system code page.
std::vector<std::string> Arguments(int argc, char* argv[]) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i)
            args.push_back(kagiroi::SjisToUtf8(
                kagiroi::Utf16ToSjis(reinterpret_cast<const char16_t*>(wide[i]))));
        LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args = Arguments(argc, argv);
    PrepareStandardStreams(std::find(args.begin(), args.end(), "--sjis") != args.end());
    return kagiroi::RunCli(kagiroi::CurrentProgramFile(argv[0]), args);
}
