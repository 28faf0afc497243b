#include "platform/FileSystem.h"
#include "platform/TemporaryPath.h"

#include "platform/FileReadPort.h"
#include "platform/OwnedFolders.h"
#include "platform/RegisteredFolder.h"
#include "platform/Sjis.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace kagiroi {

namespace {

std::atomic<uint64_t> gBytesWritten{0};
std::atomic<uint64_t> gTemporaryFiles{0};

void SetError(FileError* error, int code) {
    if (error != nullptr) *error = SystemError(code);
}

struct ErrorWording {
    int code;
    const char* text;
};

constexpr ErrorWording kErrorWordings[] = {
    {EACCES, "アクセスが拒否されました"},
    {EPERM, "アクセスが拒否されました"},
    {ENOSPC, "ディスクの空き容量が不足しています"},
#ifdef EDQUOT
    {EDQUOT, "ディスクの空き容量が不足しています"},
#endif
    {ENOENT, "ファイルまたはフォルダが見つかりません"},
    {ENOTDIR, "ファイルまたはフォルダが見つかりません"},
    {EROFS, "書き込みが禁止されたディスクです"},
    {EISDIR, "同じ名前のフォルダがあります"},
    {EEXIST, "同じ名前のファイルがあります"},
    {EIO, "ディスクの読み書きに失敗しました"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "開いているファイルが多すぎます"},
    {ENAMETOOLONG, "ファイル名が長すぎます"},
    {EBUSY, "ファイルが使用中です"},
    // The folder's lock, held by the other program past the wait.
    {EAGAIN, "ほかのプログラムがフォルダを使用中です"},
#ifdef ELOOP
    {ELOOP, "シンボリックリンクは使えません"},
#endif
};

// Where a whole-file write happens. In a folder the program owns, the folder is held open (every
// level below the program folder opened without following a link) and the temporary file is
// made and renamed relative to it; elsewhere the names are whole paths.
struct WritePlace {
    std::string temporary;
    std::string target;
#ifndef _WIN32
    int folder = AT_FDCWD;
#endif
    WritePlace() = default;
    WritePlace(const WritePlace&) = delete;
    WritePlace& operator=(const WritePlace&) = delete;
    ~WritePlace() {
#ifndef _WIN32
        if (folder >= 0) ::close(folder);
#endif
    }
};

// 0, or the error when a folder on the way is a link the program must not follow.
int OpenWritePlace(const std::string& path, const std::string& temporary, WritePlace& place) {
#ifdef _WIN32
    place.temporary = temporary;
    place.target = path;
    return CheckOwnedLevels(path, false);
#else
    auto parts = PartsBelowProgramFolder(path);
    if (!parts) {
        place.temporary = NativePath(temporary);
        place.target = NativePath(path);
        return 0;
    }
    place.folder = OpenOwnedFolder(*parts, parts->size() - 1, parts->size());
    if (place.folder < 0) return errno;
    place.temporary = NativePath(FileNameOf(temporary));
    place.target = NativePath(FileNameOf(path));
    return 0;
#endif
}

int CreateTemporaryFile(const WritePlace& place) {
#ifdef _WIN32
    return ::_wopen(WidePath(place.temporary).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                    0666);
#else
    // O_EXCL refuses any entry already there, a planted link included; O_NOFOLLOW says so twice.
    return ::openat(place.folder, place.temporary.c_str(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
#endif
}

void RemoveTemporaryFile(const WritePlace& place) {
#ifdef _WIN32
    RemoveFile(place.temporary);
#else
    ::unlinkat(place.folder, place.temporary.c_str(), 0);
#endif
}

int OpenForReading(const std::string& path) {
#ifdef _WIN32
    return ::_wopen(WidePath(path).c_str(), _O_RDONLY | _O_BINARY);
#else
    return ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
#endif
}

#ifdef _WIN32
using PathStat = struct _stat64;
bool StatOf(const std::string& path, PathStat& st) {
    return ::_wstat64(WidePath(path).c_str(), &st) == 0;
}
#else
using PathStat = struct stat;
bool StatOf(const std::string& path, PathStat& st) {
    return ::stat(NativePath(path).c_str(), &st) == 0;
}
#endif

#ifdef _WIN32
// The errno-style code of a Win32 error, so that the program's own wording applies.
int ErrnoOfWin32(DWORD code) {
    switch (code) {
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EBUSY;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        default:
            return EIO;
    }
}

// Renames the temporary file over `target`: 0, or the error. A virus scanner or an indexer
// that has just opened the new file holds it for a moment, so a refused rename is tried again.
int ReplaceWithRetries(const std::string& temporary, const std::string& target) {
    constexpr int kAttempts = 20;
    constexpr int kPauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(WidePath(temporary).c_str(), WidePath(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        DWORD code = GetLastError();
        bool held = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
                    code == ERROR_LOCK_VIOLATION;
        if (!held || attempt == kAttempts) return ErrnoOfWin32(code);
        Sleep(kPauseMs);
    }
}
#endif

}  // namespace

// The process id and a running number.
std::string TemporaryPathFor(const std::string& path) {
#ifdef _WIN32
    long pid = static_cast<long>(_getpid());
#else
    long pid = static_cast<long>(::getpid());
#endif
    return path + "." + std::to_string(pid) + "." + std::to_string(++gTemporaryFiles) + ".tmp~";
}

FileError SystemError(int code) {
    return {code, Utf8ToSjis(std::strerror(code))};
}

std::string UserErrorText(const FileError& error) {
    for (const auto& wording : kErrorWordings)
        if (wording.code == error.code) return wording.text;
    return error.systemText;
}

FileFailure DescribeFailure(const std::string& what, const FileError& error) {
    std::string shown = what + "：" + UserErrorText(error);
    return {shown, shown + "（" + error.systemText + "）"};
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/' || folder.back() == '\\') return folder + name;
    return folder + "/" + name;
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

#ifdef _WIN32
// On Windows a native path is the core's Shift_JIS path, which the system calls take as UTF-16
// (WidePath). A path from the system is joined with '/' like every path of the core (0x5C
// inside a two-byte character stays).
std::string NativePath(const std::string& path) {
    return path;
}
std::wstring WidePath(const std::string& path) {
    std::u16string wide = SjisToUtf16(path);
    return std::wstring(wide.begin(), wide.end());
}
std::string FromWidePath(const std::wstring& wide) {
    return FromNativePath(Utf16ToSjis(std::u16string(wide.begin(), wide.end())));
}
std::string FromNativePath(const std::string& native) {
    std::string path = native;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsSjisLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            path[i] = '/';
    }
    return path;
}
#else
std::string NativePath(const std::string& path) {
    return SjisToUtf8(path);
}
std::string FromNativePath(const std::string& native) {
    return Utf8ToSjis(native);
}
#endif

bool IsAbsolutePath(const std::string& path) {
    if (path.empty()) return false;
    if (path.front() == '/' || path.front() == '\\') return true;
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    if (_wfullpath(buffer, WidePath(path).c_str(), MAX_PATH) != nullptr)
        return FromWidePath(buffer);
    return path;
#else
    if (char* resolved = ::realpath(NativePath(path).c_str(), nullptr)) {
        std::string absolute = FromNativePath(resolved);
        std::free(resolved);
        return absolute;
    }
    if (path.front() == '/') return path;
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
    return JoinPath(FromNativePath(cwd), path);
#endif
}

bool SetCurrentFolder(const std::string& path) {
#ifdef _WIN32
    return _wchdir(WidePath(path).c_str()) == 0;
#else
    return ::chdir(NativePath(path).c_str()) == 0;
#endif
}

bool FileExists(const std::string& path) {
    PathStat st{};
    return StatOf(path, st) && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    PathStat st{};
    return StatOf(path, st) && S_ISDIR(st.st_mode);
}

bool IsWritableDirectory(const std::string& path) {
#ifdef _WIN32
    // _waccess sees only the read-only attribute, which Program Files does not carry although a
    // user may not write there: a file is made in the folder and gone again at its close.
    if (!DirectoryExists(path)) return false;
    HANDLE probe = CreateFileW(WidePath(TemporaryPathFor(path + "/write-probe")).c_str(),
                               GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    return true;
#else
    return DirectoryExists(path) && ::access(NativePath(path).c_str(), W_OK | X_OK) == 0;
#endif
}

std::optional<int64_t> FileSize(const std::string& path) {
    PathStat st{};
    if (!StatOf(path, st) || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<int64_t>(st.st_size);
}

#ifdef _WIN32
// stat keeps whole seconds and no file id on Windows, so a rewrite within a second would read
// as no change: the handle's own information has 100 ns times and the file index.
std::optional<FileStamp> StampOf(const std::string& path) {
    HANDLE h = CreateFileW(WidePath(path).c_str(), 0,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    bool known = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    if (!known) return std::nullopt;
    auto join = [](DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; };
    FileStamp stamp;
    stamp.size = static_cast<int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow));
    stamp.regular = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    stamp.modifiedNs = static_cast<int64_t>(
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime) * 100);
    stamp.fileId = join(info.nFileIndexHigh, info.nFileIndexLow);
    return stamp;
}
#else
std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.size = static_cast<int64_t>(st.st_size);
    stamp.regular = S_ISREG(st.st_mode);
#if defined(__APPLE__)
    stamp.modifiedNs =
        static_cast<int64_t>(st.st_mtimespec.tv_sec) * 1000000000 + st.st_mtimespec.tv_nsec;
#else
    stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
    stamp.fileId = static_cast<uint64_t>(st.st_ino);
    return stamp;
}
#endif

namespace {

// Makes the missing levels of a folder the program owns, refusing a level that is a link.
// Nothing when `path` is not such a folder.
std::optional<bool> MakeOwnedDirectory(const std::string& path, bool allLevels, FileError* error) {
    auto parts = PartsBelowProgramFolder(path);
    if (!parts) return std::nullopt;
#ifdef _WIN32
    if (int refused = CheckOwnedLevels(path, true)) {
        SetError(error, refused);
        return false;
    }
    (void)allLevels;
    return std::nullopt;  // no link on the way: made as any other folder
#else
    int fd = OpenOwnedFolder(*parts, parts->size(), allLevels ? 0 : parts->size() - 1);
    if (fd < 0) {
        SetError(error, errno);
        return false;
    }
    ::close(fd);
    return true;
#endif
}

}  // namespace

bool MakeDirectory(const std::string& path, FileError* error) {
    if (auto made = MakeOwnedDirectory(path, false, error)) return *made;
    if (DirectoryExists(path)) return true;
#ifdef _WIN32
    int rc = _wmkdir(WidePath(path).c_str());
#else
    int rc = ::mkdir(NativePath(path).c_str(), 0777);
#endif
    // The reason is taken before the check, whose own failed stat would leave ENOENT: a
    // refused folder must not read as a missing one.
    int code = rc != 0 ? errno : 0;
    if (rc != 0 && !DirectoryExists(path)) {
        SetError(error, code);
        return false;
    }
    return true;
}

bool MakeDirectories(const std::string& path, FileError* error) {
    if (auto made = MakeOwnedDirectory(path, true, error)) return *made;
    if (path.empty() || DirectoryExists(path)) return true;
    std::string parent = FolderOf(path);
    if (!parent.empty() && parent != path && !MakeDirectories(parent, error)) return false;
    return MakeDirectory(path, error);
}

namespace {

class SystemReads : public FileReadPort {
  public:
    FileContents Read(const std::string& path) override;
};

FileContents SystemReads::Read(const std::string& path) {
    FileContents contents;
    int fd = OpenForReading(path);
    if (fd < 0) {
        int code = errno;
#ifdef _WIN32
        // Windows refuses to open a folder as a file; the user is told what is in the way.
        if (code == EACCES && DirectoryExists(path)) code = EISDIR;
#endif
        // Nothing is there when a name or a folder on the way does not exist.
        bool missing = code == ENOENT || code == ENOTDIR;
        contents.status = missing ? ReadStatus::Missing : ReadStatus::Failed;
        contents.error = SystemError(code);
        return contents;
    }
    char buffer[65536];
    for (;;) {
        auto n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            contents.status = ReadStatus::Failed;
            contents.error = SystemError(errno);
            contents.data.clear();
            ::close(fd);
            return contents;
        }
        if (n == 0) break;
        contents.data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    contents.status = ReadStatus::Read;
    return contents;
}

}  // namespace

FileReadPort& SystemFileReads() {
    static SystemReads reads;
    return reads;
}

FileContents ReadFileContents(const std::string& path) {
    return CurrentFileReads().Read(path);
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileError* error) {
    FileContents contents = ReadFileContents(path);
    if (contents.status != ReadStatus::Read) {
        if (error != nullptr) *error = contents.error;
        return std::nullopt;
    }
    return std::move(contents.data);
}

bool WriteFileAtomic(const std::string& path, const std::string& data, FileError* error) {
    WritePlace place;
    if (int refused = OpenWritePlace(path, TemporaryPathFor(path), place)) {
        SetError(error, refused);
        return false;
    }
    int fd = CreateTemporaryFile(place);
    if (fd < 0) {
        SetError(error, errno);
        return false;
    }
    // Any failure from here on removes the temporary file and leaves the old file alone.
    auto fail = [&](int code) {
        SetError(error, code);
        ::close(fd);
        RemoveTemporaryFile(place);
        return false;
    };
    size_t done = 0;
    while (done < data.size()) {
        auto n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
#ifndef _WIN32
    // A file kept private (the settings with a mail password) stays private when replaced.
    struct stat old;
    if (::fstatat(place.folder, place.target.c_str(), &old, 0) == 0 &&
        ::fchmod(fd, old.st_mode & 07777) != 0)
        return fail(errno);
    if (::fsync(fd) != 0) return fail(errno);
#endif
    if (::close(fd) != 0) {
        SetError(error, errno);
        RemoveTemporaryFile(place);
        return false;
    }
#ifdef _WIN32
    int renameError = ReplaceWithRetries(place.temporary, place.target);
#else
    int renameError =
        ::renameat(place.folder, place.temporary.c_str(), place.folder, place.target.c_str()) == 0
            ? 0
            : errno;
#endif
    if (renameError != 0) {
        SetError(error, renameError);
        RemoveTemporaryFile(place);
        return false;
    }
    gBytesWritten += data.size();
    return true;
}

bool RestrictToOwner(const std::string& path) {
#ifdef _WIN32
    (void)path;  // a user's files are private to the account already
    return true;
#else
    return ::chmod(NativePath(path).c_str(), 0600) == 0;
#endif
}

bool RemoveFile(const std::string& path) {
#ifdef _WIN32
    return ::_wunlink(WidePath(path).c_str()) == 0;
#else
    return ::unlink(NativePath(path).c_str()) == 0;
#endif
}

std::vector<FolderEntry> ListEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((WidePath(folder) + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return entries;
    do {
        std::string name = FromWidePath(found.cFileName);
        if (name == "." || name == "..") continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileW(h, &found));
    FindClose(h);
#else
    DIR* dir = ::opendir(NativePath(folder).c_str());
    if (dir == nullptr) return entries;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        struct stat st {};
        if (name == "." || name == ".." ||
            ::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entries.push_back({FromNativePath(name), S_ISDIR(st.st_mode), S_ISLNK(st.st_mode)});
    }
    ::closedir(dir);
#endif
    return entries;
}

std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListEntries(folder)) {
#ifdef _WIN32
        bool file = !entry.folder;
#else
        // A link to a file lists as the file it leads to.
        bool file = !entry.folder && FileExists(JoinPath(folder, entry.name));
#endif
        if (file) names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListFolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListEntries(folder))
        // A link to a folder lists as the folder it leads to.
        if (entry.folder || (entry.link && DirectoryExists(JoinPath(folder, entry.name))))
            names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

uint64_t BytesWrittenSoFar() {
    return gBytesWritten.load();
}

RecordFile::RecordFile(const std::string& path) {
    fd_ = OpenForReading(path);
    if (fd_ >= 0) {
        struct stat st {};
        if (::fstat(fd_, &st) == 0) size_ = static_cast<int64_t>(st.st_size);
    }
}

RecordFile::~RecordFile() {
    if (fd_ >= 0) ::close(fd_);
}

int64_t RecordFile::RecordCount(int recordLength) const {
    if (recordLength <= 0) return 0;
    return (size_ + recordLength - 1) / recordLength;
}

int64_t RecordFile::ReadAt(int64_t offset, char* buffer, int64_t length) const {
    if (fd_ < 0 || offset < 0 || length <= 0) return 0;
    int64_t done = 0;
    while (done < length) {
#ifdef _WIN32
        ::_lseeki64(fd_, offset + done, SEEK_SET);
        auto n = ::_read(fd_, buffer + done, static_cast<unsigned>(length - done));
#else
        auto n = ::pread(fd_, buffer + done, static_cast<size_t>(length - done), offset + done);
#endif
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (n == 0) break;
        done += n;
    }
    return done;
}

std::optional<std::string> RecordFile::ReadChecked(int64_t offset, int length) const {
    if (fd_ < 0 || offset < 0 || length < 0) return std::nullopt;
    std::string bytes(static_cast<size_t>(length), ' ');
    int64_t expected = std::clamp<int64_t>(size_ - offset, 0, length);
    if (expected > 0 && ReadAt(offset, bytes.data(), expected) != expected) return std::nullopt;
    return bytes;
}

std::string RecordFile::Read(int64_t index, int recordLength) const {
    std::string record(static_cast<size_t>(std::max(recordLength, 0)), ' ');
    if (recordLength <= 0 || index < 0) return record;
    int64_t n = ReadAt(index * recordLength, record.data(), recordLength);
    // Bytes past the end of a short file stay blank.
    std::fill(record.begin() + n, record.end(), ' ');
    return record;
}

}  // namespace kagiroi
