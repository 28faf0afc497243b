#include "platform/OwnedFolders.h"

#include "platform/FileSystem.h"
#include "platform/RegisteredFolder.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kagiroi {

int LinkRefusedError() {
#ifdef ELOOP
    return ELOOP;
#else
    return EACCES;
#endif
}

#ifdef _WIN32
int CheckOwnedLevels(const std::string& path, bool includingLast) {
    auto parts = PartsBelowProgramFolder(path);
    if (!parts) return 0;
    std::string level = RegisteredProgramFolder();
    size_t count = parts->size() - (includingLast ? 0 : 1);
    for (size_t i = 0; i < count; ++i) {
        level = JoinPath(level, (*parts)[i]);
        DWORD attributes = GetFileAttributesW(WidePath(level).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return 0;  // made afresh further on
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return LinkRefusedError();
    }
    return 0;
}
#else
int OpenOwnedFolder(const std::vector<std::string>& parts, size_t levels, size_t makeFrom) {
    // The program folder itself is taken as the system resolves it: the user chose it.
    int fd =
        ::open(NativePath(RegisteredProgramFolder()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (size_t i = 0; i < levels && i < parts.size() && fd >= 0; ++i) {
        std::string name = NativePath(parts[i]);
        if (i >= makeFrom && ::mkdirat(fd, name.c_str(), 0777) != 0 && errno != EEXIST) {
            int code = errno;
            ::close(fd);
            errno = code;
            return -1;
        }
        int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        int code = errno;
        // Linux says a link is not a folder (ENOTDIR); the user is told it is a link.
        struct stat st {};
        if (next < 0 && ::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(st.st_mode))
            code = LinkRefusedError();
        ::close(fd);
        errno = code;
        fd = next;
    }
    return fd;
}
#endif

}  // namespace kagiroi
