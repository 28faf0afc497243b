#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace kagiroi {

// Where whole-file reads go. The system's own reads are in place unless a scope puts another
// port there: a test stands in for a file the system refuses to read (a process run as root
// reads every file). Reads from any thread go to the port in place.
class FileReadPort {
  public:
    virtual ~FileReadPort() = default;
    virtual FileContents Read(const std::string& path) = 0;
};

// The system's reads (defined beside the rest of the file layer).
FileReadPort& SystemFileReads();
// The port in place now.
FileReadPort& CurrentFileReads();

// Puts a port in place for the object's lifetime and then the one it replaced back.
class FileReadPortScope {
  public:
    explicit FileReadPortScope(FileReadPort& port);
    ~FileReadPortScope();
    FileReadPortScope(const FileReadPortScope&) = delete;
    FileReadPortScope& operator=(const FileReadPortScope&) = delete;

    // The port this scope replaced, for a port that passes on what it does not stand in for.
    FileReadPort& Replaced() const { return replaced_; }

  private:
    FileReadPort& replaced_;
};

}  // namespace kagiroi
