#pragma once

#include "platform/FileReadPort.h"

#include <map>
#include <mutex>
#include <string>

namespace kagiroi::test {

// The file read port of a test, in place while the object lives: reads of the files it was told
// fail as the system fails them, every other read goes on to the port it replaced. A process run
// as root reads every file, so a refused read cannot be made with permissions.
class FailingReads : public FileReadPort {
  public:
    FailingReads() = default;

    // Reads of `path` fail with the system error `code` until cleared.
    void Fail(const std::string& path, int code);
    void Clear();

    FileContents Read(const std::string& path) override;

  private:
    std::mutex mutex_;
    std::map<std::string, int> failing_;
    // Last, so that the port is in place only while the map is there.
    FileReadPortScope scope_{*this};
};

}  // namespace kagiroi::test
