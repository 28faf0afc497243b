#include "platform/ChildProgram.h"

#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Shell.h"
#include "platform/Sjis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <cerrno>
#include <cstring>
extern char** environ;
#endif

namespace kagiroi {

#ifdef _WIN32

ProgramRun RunProgramToEnd(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::pair<std::string, std::string>>& environment) {
    for (const auto& [name, value] : environment)
        SetEnvironmentVariableW(WidePath(name).c_str(), WidePath(value).c_str());
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::wstring line = WidePath(WindowsCommandLine(args));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ProgramRun run;
    if (!CreateProcessW(WidePath(NativePath(program)).c_str(), line.data(), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &info)) {
        run.error = Format("CreateProcess failed (%lu)", GetLastError());
        return run;
    }
    run.started = true;
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(info.hProcess, &code)) run.status = static_cast<int>(code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return run;
}

#else

namespace {

// Ours with each of `environment`'s names replaced.
std::vector<std::string> ChildEnvironment(
    const std::vector<std::pair<std::string, std::string>>& environment) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        bool replaced = false;
        for (const auto& setting : environment)
            replaced = replaced || text.rfind(setting.first + "=", 0) == 0;
        if (!replaced) entries.push_back(text);
    }
    for (const auto& [name, value] : environment)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProgramRun RunProgramToEnd(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::pair<std::string, std::string>>& environment) {
    std::vector<std::string> args{NativePath(program)};
    for (const std::string& a : arguments)
        args.push_back(NativePath(a));
    std::vector<std::string> env = ChildEnvironment(environment);
    std::vector<char*> argv = Pointers(args), envp = Pointers(env);
    ProgramRun run;
    pid_t pid = 0;
    if (int failed = posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data())) {
        run.error = Utf8ToSjis(std::strerror(failed));
        return run;
    }
    run.started = true;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return run;
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    return run;
}

#endif

}  // namespace kagiroi
