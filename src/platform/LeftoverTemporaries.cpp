#include "platform/LeftoverTemporaries.h"

#include "platform/FileSystem.h"
#include "platform/TextField.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace kagiroi {

namespace {

constexpr int kDeepestLevel = 2;  // Jikeiretu/<date>/ holds the deepest files

bool ProcessRuns(long pid) {
#ifdef _WIN32
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    // Another user's process answers EPERM: it runs.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

int RemoveIn(const std::string& folder, int level) {
    int removed = 0;
    for (const FolderEntry& entry : ListEntries(folder)) {
        std::string path = JoinPath(folder, entry.name);
        // A link is not walked: nothing outside the program folder is touched.
        if (entry.link) continue;
        if (entry.folder) {
            if (level < kDeepestLevel) removed += RemoveIn(path, level + 1);
            continue;
        }
        long owner = TemporaryFileOwner(entry.name);
        if (owner > 0 && !ProcessRuns(owner) && RemoveFile(path)) ++removed;
    }
    return removed;
}

}  // namespace

long TemporaryFileOwner(const std::string& name) {
    const std::string suffix = ".tmp~";
    if (name.size() <= suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    std::string rest = name.substr(0, name.size() - suffix.size());
    size_t numberDot = rest.rfind('.');
    if (numberDot == std::string::npos || !IsDigits(rest.substr(numberDot + 1))) return 0;
    rest.resize(numberDot);
    size_t pidDot = rest.rfind('.');
    if (pidDot == std::string::npos || pidDot == 0) return 0;
    std::string pid = rest.substr(pidDot + 1);
    if (!IsDigits(pid) || pid.size() > 9) return 0;
    return static_cast<long>(ToInt64(pid));
}

int RemoveLeftoverTemporaries(const std::string& programFolder) {
    return programFolder.empty() ? 0 : RemoveIn(programFolder, 0);
}

}  // namespace kagiroi
