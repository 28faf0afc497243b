#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// Paths in the program are Shift_JIS texts joined with '/'; they are converted to the system's
// file-name encoding only at the system call.
std::string JoinPath(const std::string& folder, const std::string& name);
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);
std::string NativePath(const std::string& path);
std::string FromNativePath(const std::string& native);
#ifdef _WIN32
// A path as the wide Windows calls take it (UTF-16, from Shift_JIS): a day file's name comes out
// right whatever the system code page, where the narrow calls would read it in that page.
std::wstring WidePath(const std::string& path);
std::string FromWidePath(const std::wstring& wide);
#endif

// An absolute form of a path (relative paths are taken from the current folder).
std::string AbsolutePath(const std::string& path);
// True for a full path: from the root, a network share or a drive letter and colon.
bool IsAbsolutePath(const std::string& path);
// Makes a folder the process's current folder.
bool SetCurrentFolder(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool IsWritableDirectory(const std::string& path);
std::optional<int64_t> FileSize(const std::string& path);

// What identifies one version of a file: a rewrite (atomic or in place) changes at least one of
// these, so a reader can tell whether what it learnt about the file still holds.
struct FileStamp {
    int64_t size = 0;
    int64_t modifiedNs = 0;  // modification time; whole seconds where the system keeps no more
    uint64_t fileId = 0;     // inode; 0 where the system has none
    bool regular = false;    // a plain file (not a folder or device)
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// Nothing when nothing exists at the path.
std::optional<FileStamp> StampOf(const std::string& path);

// Why a file operation failed: the system's error number and its own text (Shift_JIS).
struct FileError {
    int code = 0;
    std::string systemText;
};
// The error of a system error number, with the system's own text.
FileError SystemError(int code);
// The user's text for an error: Japanese for the common causes, the system's own otherwise.
std::string UserErrorText(const FileError& error);

// A failure as the user is told it and as the error log keeps it (with the system's text).
struct FileFailure {
    std::string shown;
    std::string logged;
};
// `what` names the file and what could not be done with it.
FileFailure DescribeFailure(const std::string& what, const FileError& error);
// Where a file's owner tells of a failure (the window's status line, the error log, the exit
// status of the command line).
using FailureReport = std::function<void(const FileFailure&)>;

// Makes one folder level; true when it exists afterwards.
bool MakeDirectory(const std::string& path, FileError* error = nullptr);
// Makes every missing level of a folder path.
bool MakeDirectories(const std::string& path, FileError* error = nullptr);

// A whole-file read that tells a file that is not there from one that cannot be read: a
// read-modify-write must never rebuild an unreadable file from nothing.
enum class ReadStatus { Read, Missing, Failed };
struct FileContents {
    ReadStatus status = ReadStatus::Missing;
    std::string data;
    FileError error;
};
// Read through the file read port in place (platform/FileReadPort.h), the system by default.
FileContents ReadFileContents(const std::string& path);
// The bytes of a file; nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, FileError* error = nullptr);

// Writes the whole file atomically: a temporary file of its own in the same folder (created
// afresh, never through a link), flushed to disk, then renamed over the old one. A failure
// leaves the old file as it was.
// A file that already exists keeps its permissions.
bool WriteFileAtomic(const std::string& path, const std::string& data, FileError* error = nullptr);
// Makes the file readable and writable by its owner only (POSIX mode 0600).
bool RestrictToOwner(const std::string& path);
bool RemoveFile(const std::string& path);

// Names of the entries of a folder (files only), ascending byte order; empty when unreadable.
std::vector<std::string> ListFiles(const std::string& folder);
// Names of the folders in a folder, ascending byte order; empty when unreadable.
std::vector<std::string> ListFolders(const std::string& folder);

// An entry of a folder as it is there: a link (or junction) is told, not followed.
struct FolderEntry {
    std::string name;
    bool folder = false;
    bool link = false;
};
// Every entry but "." and "..", in the system's order; empty when unreadable.
std::vector<FolderEntry> ListEntries(const std::string& folder);

// Bytes handed to WriteFileAtomic since the program started (for measuring write volume).
uint64_t BytesWrittenSoFar();

// A file of fixed-length records read by record number with positioned reads.
class RecordFile {
  public:
    explicit RecordFile(const std::string& path);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int64_t Size() const { return size_; }
    // Number of records, a trailing short record included.
    int64_t RecordCount(int recordLength) const;
    // Record `index` (0-based); bytes past the end of the file read as blanks.
    std::string Read(int64_t index, int recordLength) const;
    // Bytes [offset, offset + length), those past the end of the file as blanks; nothing when
    // the system delivers fewer bytes than the file holds there (a read error).
    std::optional<std::string> ReadChecked(int64_t offset, int length) const;
    // Reads `length` bytes at `offset`; returns how many were read.
    int64_t ReadAt(int64_t offset, char* buffer, int64_t length) const;

  private:
    int fd_ = -1;
    int64_t size_ = 0;
};

}  // namespace kagiroi
