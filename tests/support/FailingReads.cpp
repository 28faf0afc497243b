#include "support/FailingReads.h"

namespace kagiroi::test {

void FailingReads::Fail(const std::string& path, int code) {
    std::lock_guard<std::mutex> lock(mutex_);
    failing_[path] = code;
}

void FailingReads::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    failing_.clear();
}

FileContents FailingReads::Read(const std::string& path) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = failing_.find(path);
        if (found != failing_.end()) {
            FileContents contents;
            contents.status = ReadStatus::Failed;
            contents.error = SystemError(found->second);
            return contents;
        }
    }
    return scope_.Replaced().Read(path);
}

}  // namespace kagiroi::test
