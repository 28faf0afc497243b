#include "cli/CliRun.h"

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Sjis.h"

#include <cerrno>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <thread>
#else
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace kagiroi::test {

namespace {

// The test's environment with the program's own variables replaced. The XDG folders point at a
// folder that does not exist, so neither the per-user data folder nor the user's installer
// records can be reached.
std::vector<std::string> ChildEnvironment(const CliEnvironment& e) {
    const std::vector<std::pair<std::string, std::string>> replaced = {
        {"KAGIROI_HOME", e.home},
        {"KAGIROI_NOW", e.now},
        {"KAGIROI_REGISTRY", e.registry},
        {"XDG_CONFIG_HOME", "/nonexistent-kagiroi-test"},
        {"XDG_DATA_HOME", "/nonexistent-kagiroi-test"},
    };
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        bool isReplaced = false;
        for (const auto& [name, value] : replaced)
            isReplaced = isReplaced || text.rfind(name + "=", 0) == 0;
        if (!isReplaced) result.push_back(text);
    }
    for (const auto& [name, value] : replaced)
        if (!value.empty()) result.push_back(name + "=" + value);
    return result;
}

#ifdef _WIN32

// One pipe end the child inherits, the other ours.
struct ChildPipe {
    HANDLE ours = nullptr;
    HANDLE childs = nullptr;
};

ChildPipe MakeOutputPipe() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    ChildPipe pipe;
    if (!CreatePipe(&pipe.ours, &pipe.childs, &inherit, 0))
        throw std::runtime_error("CreatePipe failed");
    SetHandleInformation(pipe.ours, HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

void ReadToEnd(HANDLE from, std::string& into) {
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0)
        into.append(buffer, n);
    CloseHandle(from);
}

}  // namespace

CliRun RunKagiroiCli(const std::vector<std::string>& args, const CliEnvironment& environment,
                     const std::string& program) {
    std::vector<std::string> argv{program.empty() ? KAGIROI_CLI_PATH : program};
    argv.insert(argv.end(), args.begin(), args.end());
    // The wide call, as a Windows shell starts a program: the arguments (UTF-8) arrive as UTF-16.
    std::vector<std::string> sjisArgv;
    for (const std::string& arg : argv)
        sjisArgv.push_back(Utf8ToSjis(arg));
    std::wstring commandLine = WidePath(WindowsCommandLine(sjisArgv));
    std::string block;
    for (const std::string& entry : ChildEnvironment(environment))
        block += entry + '\0';
    block += '\0';

    ChildPipe out = MakeOutputPipe(), err = MakeOutputPipe();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out.childs;
    startup.hStdError = err.childs;
    PROCESS_INFORMATION process{};
    BOOL started =
        CreateProcessW(WidePath(argv[0]).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW, block.data(), nullptr, &startup, &process);
    CloseHandle(out.childs);
    CloseHandle(err.childs);
    if (!started) {
        CloseHandle(out.ours);
        CloseHandle(err.ours);
        throw std::runtime_error("cannot start " + argv[0]);
    }
    CliRun run;
    // Both pipes at once, so a child that fills one never blocks on it.
    std::thread errReader(ReadToEnd, err.ours, std::ref(run.err));
    ReadToEnd(out.ours, run.out);
    errReader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    run.status = static_cast<int>(code);
    return run;
}

#else

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes to their ends at once, so a child that fills one never blocks on it.
void ReadBoth(int outFd, int errFd, std::string& out, std::string& err) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

CliRun RunKagiroiCli(const std::vector<std::string>& args, const CliEnvironment& environment,
                     const std::string& program) {
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);

    std::vector<std::string> argv{program.empty() ? KAGIROI_CLI_PATH : program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = ChildEnvironment(environment);
    std::vector<char*> argvPointers = NullTerminated(argv);
    std::vector<char*> envpPointers = NullTerminated(envp);

    pid_t child = 0;
    int spawned = posix_spawn(&child, argv[0].c_str(), &actions, nullptr, argvPointers.data(),
                              envpPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        throw std::runtime_error("cannot start " + argv[0]);
    }

    CliRun run;
    ReadBoth(outPipe[0], errPipe[0], run.out, run.err);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

#endif

}  // namespace kagiroi::test
