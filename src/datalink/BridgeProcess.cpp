#include "datalink/BridgeProcess.h"

#include "datalink/BridgeProtocol.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Sjis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
extern char** environ;
#endif

namespace kagiroi {

BridgeProcess::BridgeProcess(std::string program, std::vector<std::string> arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

BridgeProcess::~BridgeProcess() {
    Stop();
}

#ifdef _WIN32

bool BridgeProcess::Start() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE childIn = nullptr, childOut = nullptr, toChild = nullptr, fromChild = nullptr;
    if (!CreatePipe(&childIn, &toChild, &inherit, 0)) return false;
    if (!CreatePipe(&fromChild, &childOut, &inherit, 0)) {
        CloseHandle(childIn);
        CloseHandle(toChild);
        return false;
    }
    SetHandleInformation(toChild, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromChild, HANDLE_FLAG_INHERIT, 0);
    std::vector<std::string> args{program_};
    args.insert(args.end(), arguments_.begin(), arguments_.end());
    std::u16string wideLine = SjisToUtf16(WindowsCommandLine(args));
    std::wstring line(wideLine.begin(), wideLine.end());
    std::u16string program = SjisToUtf16(NativePath(program_));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    BOOL started =
        CreateProcessW(reinterpret_cast<const wchar_t*>(program.c_str()), line.data(), nullptr,
                       nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(childIn);
    CloseHandle(childOut);
    if (!started) {
        CloseHandle(toChild);
        CloseHandle(fromChild);
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    toChild_ = toChild;
    fromChild_ = fromChild;
    return true;
}

bool BridgeProcess::WriteAll(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        if (!WriteFile(toChild_, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n,
                       nullptr))
            return false;
        done += n;
    }
    return true;
}

long BridgeProcess::ReadSome(char* into, size_t size) {
    DWORD n = 0;
    if (!ReadFile(fromChild_, into, static_cast<DWORD>(size), &n, nullptr)) return 0;
    return static_cast<long>(n);
}

void BridgeProcess::Stop() {
    if (!running_) return;
    running_ = false;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    CloseHandle(toChild_);
    if (reader_.joinable()) reader_.join();
    CloseHandle(fromChild_);
    CloseHandle(process_);
}

bool BridgeProbeSucceeds(const std::string& program) {
    std::u16string wide = SjisToUtf16(NativePath(program));
    std::u16string wideLine = SjisToUtf16(WindowsCommandLine({program, "--probe"}));
    std::wstring line(wideLine.begin(), wideLine.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(reinterpret_cast<const wchar_t*>(wide.c_str()), line.data(), nullptr,
                        nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info))
        return false;
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code == 0;
}

#else

bool BridgeProcess::Start() {
    // A socket pair rather than pipes: a write to a bridge that died then fails instead of
    // raising SIGPIPE in the program.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    std::vector<std::string> args{NativePath(program_)};
    for (const std::string& a : arguments_)
        args.push_back(NativePath(a));
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (spawned != 0) {
        ::close(ends[0]);
        return false;
    }
    pid_ = pid;
    socket_ = ends[0];
    return true;
}

bool BridgeProcess::WriteAll(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::send(socket_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

long BridgeProcess::ReadSome(char* into, size_t size) {
    for (;;) {
        ssize_t n = ::recv(socket_, into, size, 0);
        if (n < 0 && errno == EINTR) continue;
        return n < 0 ? 0 : static_cast<long>(n);
    }
}

void BridgeProcess::Stop() {
    if (!running_) return;
    running_ = false;
    ::kill(pid_, SIGKILL);
    ::shutdown(socket_, SHUT_RDWR);
    if (reader_.joinable()) reader_.join();
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(socket_);
}

bool BridgeProbeSucceeds(const std::string& program) {
    std::string path = NativePath(program);
    char probe[] = "--probe";
    char* argv[] = {path.data(), probe, nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    for (int waited = 0; waited < 30000; waited += 10) {
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR) return false;
        ::usleep(10000);
    }
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return false;
}

#endif

void BridgeProcess::CollectOutput() {
    char buffer[65536];
    for (;;) {
        long n = ReadSome(buffer, sizeof buffer);
        std::lock_guard<std::mutex> lock(mutex_);
        if (n <= 0) {
            ended_ = true;
            arrived_.notify_all();
            return;
        }
        output_.append(buffer, static_cast<size_t>(n));
        arrived_.notify_all();
    }
}

bool BridgeProcess::Take(size_t size, int timeoutMs, std::string& into, BridgeFailure& failure) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto there = [&] { return output_.size() >= size || ended_; };
    if (timeoutMs < 0)
        arrived_.wait(lock, there);
    else if (!arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs), there)) {
        failure = BridgeFailure::Silent;
        return false;
    }
    if (output_.size() < size) {
        failure = BridgeFailure::Ended;
        return false;
    }
    into = output_.substr(0, size);
    output_.erase(0, size);
    return true;
}

std::optional<std::string> BridgeProcess::Exchange(const std::string& request, int timeoutMs,
                                                   BridgeFailure& failure) {
    if (!running_) {
        output_.clear();
        ended_ = false;
        if (!Start()) {
            failure = BridgeFailure::NotStarted;
            return std::nullopt;
        }
        running_ = true;
        reader_ = std::thread(&BridgeProcess::CollectOutput, this);
    }
    std::string header, payload;
    bool answered = false;
    if (!WriteAll(bridge::Writer::FrameOf(request)))
        failure = BridgeFailure::Ended;
    else if (Take(4, timeoutMs, header, failure)) {
        std::optional<uint32_t> length = bridge::FrameLength(header.data());
        if (!length)
            failure = BridgeFailure::Garbled;
        else
            answered = Take(*length, timeoutMs, payload, failure);
    }
    if (answered) return payload;
    Stop();
    return std::nullopt;
}

}  // namespace kagiroi
