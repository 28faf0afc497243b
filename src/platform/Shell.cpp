#include "platform/Shell.h"

#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
// shellapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#else
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace kagiroi {

std::string WindowsCommandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty()) line += ' ';
        line += '"';
        size_t backslashes = 0;
        for (size_t i = 0; i < arg.size(); ++i) {
            char c = arg[i];
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
            if (IsSjisLeadByte(static_cast<unsigned char>(c)) && i + 1 < arg.size())
                line += arg[++i];
        }
        line.append(backslashes * 2, '\\');
        line += '"';
    }
    return line;
}

#ifdef _WIN32

bool SystemShell::OpenDocument(const std::string& path) {
    auto rc = reinterpret_cast<intptr_t>(
        ShellExecuteW(nullptr, L"open", WidePath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return rc > 32;
}

bool SystemShell::StartProgram(const std::string& program,
                               const std::vector<std::string>& parameters,
                               const std::string& workingFolder, std::string* error) {
    std::string line = WindowsCommandLine(parameters);
    auto rc = reinterpret_cast<intptr_t>(
        ShellExecuteW(nullptr, L"open", WidePath(program).c_str(), WidePath(line).c_str(),
                      WidePath(workingFolder).c_str(), SW_SHOWNORMAL));
    if (rc <= 32 && error != nullptr) *error = "ShellExecute failed";
    return rc > 32;
}

#else

namespace {

// What the middle process reports when the program it waited for ended with a failure.
constexpr int kProgramFailed = -1;

// The middle process waits up to `waitMs` for the program: a failure within that time is
// reported through `report`. Only async-signal-safe calls: the parent may have threads.
void WaitForProgram(pid_t program, int waitMs, int report) {
    constexpr int kStepMs = 20;
    for (int waited = 0; waited < waitMs; waited += kStepMs) {
        int status = 0;
        if (::waitpid(program, &status, WNOHANG) == program) {
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                int e = kProgramFailed;
                [[maybe_unused]] auto w = ::write(report, &e, sizeof e);
            }
            return;
        }
        ::poll(nullptr, 0, kStepMs);
    }
}

// Starts a program detached (double fork), so it never becomes our zombie. With `waitMs`, a
// program that fails within that time counts as not started.
bool Spawn(const std::vector<std::string>& argv, const std::string& workingFolder,
           std::string* error, int waitMs = 0) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    pid_t child = ::fork();
    if (child < 0) {
        if (error) *error = std::strerror(errno);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return false;
    }
    if (child == 0) {
        ::close(pipeFds[0]);
        ::fcntl(pipeFds[1], F_SETFD, FD_CLOEXEC);
        ::setsid();
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) {
            int e = errno;
            [[maybe_unused]] auto w = ::write(pipeFds[1], &e, sizeof e);
            ::_exit(127);
        }
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::execv(args[0], args.data());
            int e = errno;
            [[maybe_unused]] auto w = ::write(pipeFds[1], &e, sizeof e);
            ::_exit(127);
        }
        if (grandchild > 0 && waitMs > 0) WaitForProgram(grandchild, waitMs, pipeFds[1]);
        ::_exit(grandchild < 0 ? 127 : 0);
    }
    ::close(pipeFds[1]);
    int childError = 0;
    ssize_t n;
    do {
        n = ::read(pipeFds[0], &childError, sizeof childError);
    } while (n < 0 && errno == EINTR);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (n > 0) {
        if (error) *error = childError == kProgramFailed ? "failed" : std::strerror(childError);
        return false;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        if (error) *error = "fork failed";
        return false;
    }
    return true;
}

}  // namespace

bool SystemShell::OpenDocument(const std::string& path) {
    if (!FileExists(path) && !DirectoryExists(path)) return false;
    return Spawn({opener_, NativePath(path)}, "", nullptr, kOpenerWaitMs);
}

bool SystemShell::StartProgram(const std::string& program,
                               const std::vector<std::string>& parameters,
                               const std::string& workingFolder, std::string* error) {
    std::vector<std::string> argv{NativePath(program)};
    for (const auto& p : parameters)
        argv.push_back(NativePath(p));
    bool ok = Spawn(argv, NativePath(workingFolder), error);
    if (!ok && error != nullptr) *error = Utf8ToSjis(*error);
    return ok;
}

#endif

}  // namespace kagiroi
