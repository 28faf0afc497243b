#include "platform/FolderLock.h"

#include "platform/Format.h"
#include "platform/RegisteredFolder.h"

#include <cerrno>
// <chrono> itself holds a literal the Shift_JIS build cannot take; these bring its clocks.
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace kagiroi {

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for any one read-modify-write of the other program (a day file of trifecta odds
// is rewritten in well under a second), short enough that a stuck holder is told of soon.
constexpr auto kPatience = std::chrono::seconds(3);
constexpr auto kPollInterval = std::chrono::milliseconds(10);

#ifdef _WIN32
using LockHandle = HANDLE;
const LockHandle kNoHandle = INVALID_HANDLE_VALUE;
#else
using LockHandle = int;
constexpr LockHandle kNoHandle = -1;
#endif

// One holder per process: flock and LockFileEx locks of two handles of one process exclude
// each other, so the threads share this one handle and count how deep the owner holds it.
struct Holder {
    std::mutex mutex;
    std::condition_variable freed;
    std::thread::id owner;
    int depth = 0;
    LockHandle handle = kNoHandle;
    // When the last wait gave up: the writes that follow at once try once and do not wait
    // again, so a burst of writes against a stuck holder is not a long hang.
    std::optional<Clock::time_point> gaveUp;
};

Holder& TheHolder() {
    static Holder holder;
    return holder;
}

// Outcome of one attempt at the lock file: 0 held, EAGAIN held by another process, else the
// error of opening the file.
#ifdef _WIN32
int OpenLockFile(const std::string& path, LockHandle& handle) {
    handle = CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return 0;
    DWORD code = GetLastError();
    return code == ERROR_ACCESS_DENIED ? EACCES : code == ERROR_WRITE_PROTECT ? EROFS : EIO;
}

int TryLock(LockHandle handle) {
    OVERLAPPED at{};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
        return 0;
    DWORD code = GetLastError();
    return code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING ? EAGAIN : EIO;
}

void CloseLockFile(LockHandle handle) {
    OVERLAPPED at{};
    UnlockFileEx(handle, 0, 1, 0, &at);
    CloseHandle(handle);
}
#else
int OpenLockFile(const std::string& path, LockHandle& handle) {
    handle = ::open(NativePath(path).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    // A lock file made by another user may be ours to read only; flock needs no more.
    if (handle < 0 && (errno == EACCES || errno == EPERM))
        handle = ::open(NativePath(path).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    return handle >= 0 ? 0 : errno;
}

int TryLock(LockHandle handle) {
    while (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? EAGAIN : errno;
    }
    return 0;
}

void CloseLockFile(LockHandle handle) {
    ::close(handle);  // closing the last descriptor lets the lock go
}
#endif

// A folder the program may not write into has nothing to protect: its writes fail on their
// own, with their own message, and readers need no lock from writers that cannot be.
bool IsUnwritableFolder(int code) {
    return code == EACCES || code == EPERM || code == EROFS;
}

// Takes the lock file by attempts until the deadline; 0 or the error.
int LockTheFile(const std::string& path, Clock::time_point deadline, LockHandle& handle) {
    int opened = OpenLockFile(path, handle);
    if (opened != 0) return IsUnwritableFolder(opened) ? 0 : opened;
    for (;;) {
        int code = TryLock(handle);
        if (code == 0) return 0;
        if (code != EAGAIN || Clock::now() >= deadline) {
            CloseLockFile(handle);
            handle = kNoHandle;
            return code;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

FileError BusyError(const std::string& lockPath) {
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(kPatience).count();
    return {EAGAIN, Format("%s を%lld秒待っても使えませんでした", lockPath.c_str(),
                           static_cast<long long>(seconds))};
}

}  // namespace

std::string FolderLockPath(const std::string& programFolder) {
    return JoinPath(programFolder, "kagiroi.lock");
}

FolderLock::FolderLock() {
    Holder& holder = TheHolder();
    auto me = std::this_thread::get_id();
    std::unique_lock<std::mutex> lock(holder.mutex);
    auto now = Clock::now();
    bool justGaveUp = holder.gaveUp && now - *holder.gaveUp < kPatience;
    auto deadline = justGaveUp ? now : now + kPatience;
    if (holder.depth > 0 && holder.owner == me) {
        ++holder.depth;
        held_ = true;
        return;
    }
    std::string folder = RegisteredProgramFolder();
    std::string lockPath = folder.empty() ? "kagiroi.lock" : FolderLockPath(folder);
    if (!holder.freed.wait_until(lock, deadline, [&] { return holder.depth == 0; })) {
        error_ = BusyError(lockPath);
        return;
    }
    // Claimed before the file is tried, so that other threads wait for this one.
    holder.owner = me;
    holder.depth = 1;
    if (folder.empty()) {
        held_ = true;
        return;
    }
    lock.unlock();
    LockHandle handle = kNoHandle;
    int code = LockTheFile(lockPath, deadline, handle);
    lock.lock();
    if (code == EAGAIN && !justGaveUp) holder.gaveUp = Clock::now();
    if (code != 0) {
        error_ = code == EAGAIN ? BusyError(lockPath) : FileError{code, lockPath};
        holder.depth = 0;
        holder.owner = {};
        holder.freed.notify_all();
        return;
    }
    holder.handle = handle;
    holder.gaveUp.reset();
    held_ = true;
}

FolderLock::~FolderLock() {
    Release();
}

void FolderLock::Release() {
    if (!held_) return;
    held_ = false;
    Holder& holder = TheHolder();
    std::lock_guard<std::mutex> lock(holder.mutex);
    if (--holder.depth > 0) return;
    if (holder.handle != kNoHandle) CloseLockFile(holder.handle);
    holder.handle = kNoHandle;
    holder.owner = {};
    holder.freed.notify_all();
}

}  // namespace kagiroi
