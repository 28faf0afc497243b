#pragma once

#include <cstdint>
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

// An absolute form of a path (relative paths are taken from the current folder).
std::string AbsolutePath(const std::string& path);
// Makes a folder the process's current folder.
bool SetCurrentFolder(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool IsWritableDirectory(const std::string& path);
std::optional<int64_t> FileSize(const std::string& path);

// Makes one folder level; true when it exists afterwards. `error` gets the system's message.
bool MakeDirectory(const std::string& path, std::string* error = nullptr);
// Makes every missing level of a folder path.
bool MakeDirectories(const std::string& path, std::string* error = nullptr);

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr);

// Writes the whole file atomically: a temporary file in the same folder, flushed to disk, then
// renamed over the old one. A failure leaves the old file as it was.
bool WriteFileAtomic(const std::string& path, const std::string& data,
                     std::string* error = nullptr);
bool RemoveFile(const std::string& path);

// Names of the entries of a folder (files only), ascending byte order; empty when unreadable.
std::vector<std::string> ListFiles(const std::string& folder);

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
    // Reads `length` bytes at `offset`; returns how many were read.
    int64_t ReadAt(int64_t offset, char* buffer, int64_t length) const;

  private:
    int fd_ = -1;
    int64_t size_ = 0;
};

}  // namespace kagiroi
