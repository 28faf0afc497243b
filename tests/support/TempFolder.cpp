#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif
#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif
#include <random>
#include <stdexcept>

namespace kagiroi::test {

namespace {

#ifdef _WIN32
// No mkdtemp: a random name, made with a call that fails when the name is taken.
std::string MakeUniqueFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path =
            base / ("kagiroi-test-" + std::to_string(random() % 1000000000));
        std::error_code error;
        if (std::filesystem::create_directory(path, error)) return path.generic_string();
    }
    throw std::runtime_error("cannot make a temporary folder");
}
#else
std::string MakeUniqueFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kagiroi-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}
#endif

}  // namespace

TempFolder::TempFolder() : path_(MakeUniqueFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

namespace {

#ifdef __linux__
// Sets or clears the folder's immutable flag; false when the system or the process cannot.
bool SetImmutable(const std::string& path, bool on) {
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}
#else
bool SetImmutable(const std::string&, bool) {
    return false;
}
#endif

[[maybe_unused]] constexpr auto kReadOnly =
    std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec;

}  // namespace

RefusedFolder::RefusedFolder(std::string path) : path_(std::move(path)) {
    immutable_ = SetImmutable(path_, true);
    if (immutable_) {
        refusing_ = true;
        return;
    }
#ifndef _WIN32
    // Root writes into a read-only folder all the same; Windows takes new files into one.
    std::error_code error;
    std::filesystem::permissions(path_, kReadOnly, error);
    refusing_ = !error && ::geteuid() != 0;
#endif
}

RefusedFolder::~RefusedFolder() {
    if (immutable_) {
        SetImmutable(path_, false);
        return;
    }
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
}

}  // namespace kagiroi::test
