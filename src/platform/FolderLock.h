#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace kagiroi {

// The program folder's lock, held from the read to the rename of every read-modify-write of a
// file in it, so that the window and kagiroi-cli on one folder never write over each other's
// changes: the second writer reads the first one's result.
//
// Between processes it is a lock file in the registered program folder (flock on POSIX,
// LockFileEx on Windows); within a process it is exclusive between threads and re-entrant on
// one thread (a read loop runs handlers inside handlers). Waiting is bounded: after a few
// seconds the lock gives up with an error that says another program holds the folder, and the
// caller writes nothing; the writes that follow within that time try once without waiting
// again. With no program folder registered only the threads of this process are kept apart.
class FolderLock {
  public:
    FolderLock();
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return held_; }
    // Lets the lock go before the end of the scope (nothing when not held).
    void Release();
    // Why the lock was not had (only when not held).
    const FileError& Error() const { return error_; }

  private:
    bool held_ = false;
    FileError error_;
};

// The lock file of a program folder.
std::string FolderLockPath(const std::string& programFolder);

}  // namespace kagiroi
